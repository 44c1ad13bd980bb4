#pragma once

#include "ShellFixture.h"

#include <QString>
#include <QUrl>

class FindBar;
class QWebEngineView;
class ReaderTools;
class TsComboBox;
class TsPanel;

// The main window on the sample course: its database and a copy of its text/ folder.
class ReaderFixture : public ShellFixture
{
protected:
    void SetUp() override;

    // Starts the window set again, as the next run of the program would.
    void restart();
    void showMainWindow();
    void copyCourseText();
    void writeDocument(const QString& relative, const QString& html);

    QUrl document(const QString& relative) const { return QUrl::fromLocalFile(folder() + relative); }
    // Waits until the view shows the document and has loaded it.
    bool waitForDocument(const QString& relative);
    void command(const char* name);
    // The page's vertical scroll offset in CSS pixels.
    double scrollY();
    // Types into a widget letter by letter (QTest::keyClicks takes Latin letters only).
    static void type(QWidget* widget, const QString& text);

    ReaderTools* tools = nullptr;
    QWebEngineView* view = nullptr;
    TsComboBox* combo = nullptr;
    TsPanel* panel = nullptr;
    FindBar* findBar = nullptr;

private:
    void findControls();
};
