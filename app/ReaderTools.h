#pragma once

#include "app/BrowseStates.h"
#include "app/CourseCatalogue.h"

#include <QObject>

class CourseSearchWindow;
class FindBar;
class PlaceMemory;
class QComboBox;
class QWebEngineView;
class TForm3;
class ViewPrinting;
class ViewZoom;
class WordHighlight;

// What the main window offers a student beyond the menu: find in the open document
// (Ctrl+F), search the whole course (Ctrl+Shift+F), zoom (Ctrl+plus, Ctrl+minus, Ctrl+0,
// Ctrl+wheel), back and forward (Alt+Left, Alt+Right, the mouse's side buttons), print
// (Ctrl+P) and save as PDF, and coming back where the student left off at the next start.
class ReaderTools : public QObject
{
    Q_OBJECT
public:
    ReaderTools(TForm3& form, QWebEngineView* view, QComboBox* topics, QWidget* topicPanel);
    ~ReaderTools() override;

    FindBar* findBar() const { return m_findBar; }
    ViewZoom* zoom() const { return m_zoom; }
    ViewPrinting* printing() const { return m_printing; }
    CourseSearchWindow* searchWindow() const { return m_searchWindow; }
    WordHighlight* highlight() const { return m_highlight; }

    void openFind();
    void openCourseSearch();
    void back();
    void forward();

    // Opens a document of the program folder in its browse mode with its topic chosen, and
    // marks these whole words in it (none when empty).
    void openDocument(const QString& document, const QStringList& highlight);

    // Reopens the last document with its browse mode, topic and scroll position, unless
    // the student switched that off or the document is gone. Done once, at the first
    // activation of the main window.
    void restoreLastPlace();

private:
    void addShortcuts();
    void showPlace(int browseMode, const QString& topic);
    CourseCatalogue readCatalogue() const;
    void scrollWhenLoaded(double scrollY);
    void showState(const QUrl& document);

    TForm3& m_form;
    QWebEngineView* m_view;
    QComboBox* m_topics;
    QWidget* m_topicPanel;
    FindBar* m_findBar;
    ViewZoom* m_zoom;
    ViewPrinting* m_printing;
    PlaceMemory* m_memory;
    CourseSearchWindow* m_searchWindow;
    QWidget* m_presentation;
    BrowseStates* m_states;
    WordHighlight* m_highlight;
    bool m_restored = false;
};
