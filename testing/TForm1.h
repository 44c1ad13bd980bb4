#pragma once

#include "data/CourseData.h"
#include "testing/TimedTestSheet.h"

#include <QDateTime>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class Form1;
}

// The timed test window; owns every data-access object of the program.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    // Opens the table connection and the six table objects; a DataError thrown here ends
    // start-up.
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    CourseData& data() { return m_data; }

    // Showing the window starts a test (FormShow); when none can start the window stays
    // hidden.
    void setVisible(bool visible) override;

    bool isTestRunning() const { return m_running; }
    const TimedTestSheet& sheet() const { return m_sheet; }
    int currentPosition() const { return m_position; }

    // Told instead of starting when the settings hold no time limit.
    static QString noTimeLimitMessage()
    {
        return QStringLiteral("Время тестирования не задано. Обратитесь к преподавателю.");
    }

    // The window hidden while a test runs and shown again when it ends (the main window).
    void setMainWindow(QWidget* window) { m_mainWindow = window; }
    // The clock of the start and end times and of the time limit.
    void setClockForTesting(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    QTimer Timer1;

public slots:
    // The creation handler: opens the statement connection. Its DataError goes to the
    // error report and start-up goes on.
    void FormCreate();
    // Starts a test; false (after telling the student) when the settings or the bank
    // cannot give one.
    bool FormShow();
    // Scores and stores the test, then gives the main window back; false keeps the window
    // open with the test when the result could not be stored.
    bool FormClose();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void step(int delta);
    void answer(int letterIndex);
    void logAnswer(int questionId, const QString& letter);
    qint64 remainingSeconds() const;
    void showRemainingTime(qint64 seconds);
    void scoreAndStore();
    static bool keepOpenAfterFailedStore();
    void finishTest();

    std::unique_ptr<Ui::Form1> ui;
    CourseData m_data;

    TimedTestSheet m_sheet;
    bool m_running = false;
    int m_position = 1;
    qint64 m_limitSeconds = 0;
    QDateTime m_startedAt;
    QString m_startedText;
    bool m_answerLogFailed = false;

    QPointer<QWidget> m_mainWindow;
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
};
