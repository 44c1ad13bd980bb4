#pragma once

#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class Form6;
}

// The splash window, the application's main window: closing it ends the program. Its
// timer hands over to the main window once, five seconds after the splash was created.
class TForm6 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
    ~TForm6() override;

    // Shows the splash and paints it at once, while the caller goes on without returning
    // to the event loop. Waits for the window system to map it, at most kMapWaitMs.
    void showAtOnce();

    static constexpr int kHandOverMs = 5000;
    static constexpr int kMapWaitMs = 500;
    QTimer Timer1;

public slots:
    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showPicture();

    std::unique_ptr<Ui::Form6> ui;
};
