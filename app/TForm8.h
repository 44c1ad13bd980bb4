#pragma once

#include <QWidget>

#include <memory>

class QWebEngineView;

namespace Ui {
class Form8;
}

// The user manual window: "text/help.htm" of the program folder in an HTML view.
class TForm8 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);
    ~TForm8() override;

    QWebEngineView* WebBrowser1() const;

    // Shows the window and opens the manual at its first page again.
    void showManual();

    static QString manualPath();

public slots:
    // The creation handler: requests the manual even if it is never opened.
    void FormCreate();

private:
    void loadManual();

    std::unique_ptr<Ui::Form8> ui;
};
