#include "testing/TForm1.h"

#include "data/AnswerLog.h"
#include "data/DataError.h"
#include "data/Statements.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/ProgramFolder.h"
#include "testing/RandomGenerator.h"
#include "testing/TimedTestParameters.h"
#include "testing/TimedTestScoring.h"
#include "ui/DatabaseStartup.h"
#include "ui/Fonts.h"
#include "ui/Globals.h"
#include "ui/WindowStyle.h"
#include "ui_TForm1.h"

#include <QCloseEvent>

#include <algorithm>
#include <chrono>

namespace {

const QString kLetters = QStringLiteral("ABCDE");

// The low 32 bits of a high-resolution clock's ticks.
uint32_t clockSeed()
{
    return uint32_t(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form1>())
{
    ui->setupUi(this);
    WindowStyle::setDialogBorder(*this, QSize(662, 332));
    WindowStyle::centreOnScreen(*this);

    setFont(Fonts::sansSerif(11));
    for (QWidget* widget : {static_cast<QWidget*>(ui->Label2), static_cast<QWidget*>(ui->Label3),
                            static_cast<QWidget*>(ui->Label4), static_cast<QWidget*>(ui->Button4)})
        widget->setFont(Fonts::sansSerif(16));
    ui->Label1->setFont(Fonts::sansSerif(19));
    ui->Memo1->setFont(Fonts::sansSerif(19));
    for (QWidget* button : {ui->Button2, ui->Button3})
        button->setFont(Fonts::sansSerif(16, Fonts::Weight::Bold));
    for (QWidget* button : {ui->Button5, ui->Button6, ui->Button7, ui->Button8, ui->Button9})
        button->setFont(Fonts::sansSerif(19, Fonts::Weight::Bold));

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    DatabaseStartup::open(m_data, ProgramFolder::path(), this);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    ErrorReport::guard([&] {
        m_data.openStatementConnection(ProgramFolder::path());
    });
}

// The test is set up before the window appears, so a test that cannot start never shows
// an empty window, and the main window is hidden only once the test is sure to run.
void TForm1::setVisible(bool visible)
{
    if (visible && !m_running) {
        if (!FormShow())
            return;
        QWidget::setVisible(true);
        Button1Click();
        return;
    }
    QWidget::setVisible(visible);
}

bool TForm1::FormShow()
{
    Query& query = m_data.ADOQuery1;
    const std::optional<TimedTestParameters> parameters = TimedTestParameters::read(query);
    if (parameters && !parameters->hasTimeLimit()) {
        Dialogs::instance().showMessage(noTimeLimitMessage());
        return false;
    }
    const std::optional<QVector<int>> ids =
        parameters ? parameters->drawableQuestionIds(query) : std::nullopt;
    if (!ids) {
        Dialogs::instance().showMessage(QStringLiteral("В базе не хватает вопросов"));
        return false;
    }

    m_startedAt = m_clock();
    m_startedText = TimedTestScoring::dateTimeText(m_startedAt);
    m_limitSeconds = parameters->limitSeconds();
    m_position = 1;
    RandomGenerator::reseed(clockSeed());
    m_sheet.start(*ids);
    m_running = true;
    m_answerLogFailed = false;

    ui->Shape1->hide();
    ui->Memo1->clear();
    ui->Label1->setText(QString::number(m_position));
    showRemainingTime(m_limitSeconds);
    if (QWidget* window = m_mainWindow.data())
        window->hide();
    Timer1.start();
    return true;
}

void TForm1::Button1Click()
{
    ErrorReport::guard([&] {
        if (!m_running)
            return;
        ui->Memo1->clear();
        // Before the first and after the last position there is no question: back to 1.
        if (m_sheet.questionAt(m_position) == 0)
            m_position = 1;
        Query& query = m_data.ADOQuery1;
        for (;;) {
            query.setSql(Statements::selectQuestionByParameter());
            query.setParameter(QStringLiteral("par"), m_sheet.questionAt(m_position));
            query.open();
            if (!query.eof() && !query.fieldValue(QStringLiteral("id")).isNull()) {
                ui->Memo1->setPlainText(query.fieldAsString(QStringLiteral("question")));
                break;
            }
            // A question removed from the bank while the test runs; position 1 is tried once.
            if (m_position == 1)
                break;
            m_position = 1;
        }
        ui->Label1->setText(QString::number(m_position));
    });
}

void TForm1::step(int delta)
{
    if (!m_running)
        return;
    ui->Shape1->hide();
    m_position += delta;
    Button1Click();
    const QString stored = m_sheet.answerAt(m_position);
    if (!stored.isEmpty())
        answer(int(kLetters.indexOf(stored)));
}

void TForm1::Button2Click()
{
    ErrorReport::guard([&] {
        step(-1);
    });
}

void TForm1::Button3Click()
{
    ErrorReport::guard([&] {
        step(+1);
    });
}

void TForm1::answer(int letterIndex)
{
    if (!m_running)
        return;
    static const int markerLeft[] = {276, 316, 356, 397, 437};
    ui->Shape1->move(markerLeft[letterIndex], 280);
    ui->Shape1->show();
    const QString letter = kLetters.mid(letterIndex, 1);
    const bool changed = m_sheet.answerAt(m_position) != letter;
    m_sheet.setAnswer(m_position, letter);
    if (changed)
        logAnswer(m_sheet.questionAt(m_position), letter);
}

// Each answer is stored as it is given, so a test cut short by a crash or a power cut
// still shows in the question statistics.
void TForm1::logAnswer(int questionId, const QString& letter)
{
    try {
        AnswerLog::record(m_data.ADOConnection1, {TimedTestFio, TimedTestGruppa, m_startedText}, questionId, letter);
    } catch (const DataError& error) {
        // The test goes on: its result row is written at the end as always. Told once per test.
        if (!m_answerLogFailed)
            ErrorReport::show(error);
        m_answerLogFailed = true;
    }
}

void TForm1::Button5Click()
{
    ErrorReport::guard([&] {
        answer(0);
    });
}

void TForm1::Button6Click()
{
    ErrorReport::guard([&] {
        answer(1);
    });
}

void TForm1::Button7Click()
{
    ErrorReport::guard([&] {
        answer(2);
    });
}

void TForm1::Button8Click()
{
    ErrorReport::guard([&] {
        answer(3);
    });
}

void TForm1::Button9Click()
{
    ErrorReport::guard([&] {
        answer(4);
    });
}

void TForm1::Button4Click()
{
    ErrorReport::guard([&] {
        if (!m_running)
            return;
        if (!Dialogs::instance().askYesNo(QStringLiteral("Завершить тестирование?"),
                                          Dialogs::applicationTitle(), Dialogs::Icon::None))
            return;
        // The time may have run out while the question was open.
        if (!m_running)
            return;
        if (m_sheet.unansweredCount() > 0) {
            Dialogs::instance().showMessage(QStringLiteral("Не все ответы отмечены!"));
            return;
        }
        close();
    });
}

qint64 TForm1::remainingSeconds() const
{
    const qint64 elapsed = std::max<qint64>(0, m_startedAt.secsTo(m_clock()));
    return std::max<qint64>(0, m_limitSeconds - elapsed);
}

void TForm1::showRemainingTime(qint64 seconds)
{
    ui->Label4->setText(QStringLiteral("Осталось: %1:%2")
                            .arg(seconds / 60, 2, 10, QLatin1Char('0'))
                            .arg(seconds % 60, 2, 10, QLatin1Char('0')));
}

void TForm1::Timer1Timer()
{
    ErrorReport::guard([&] {
        if (!m_running) {
            Timer1.stop();
            return;
        }
        const qint64 remaining = remainingSeconds();
        showRemainingTime(remaining);
        if (remaining > 0)
            return;
        Timer1.stop();
        Dialogs::instance().showMessage(QStringLiteral("Время истекло!"));
        close();
    });
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool TForm1::FormClose()
{
    if (!m_running)
        return true;
    Timer1.stop();
    try {
        scoreAndStore();
    } catch (const DataError& error) {
        ErrorReport::show(error);
        if (!keepOpenAfterFailedStore()) {
            finishTest();
            return true;
        }
        // The answers stay, so the student can finish again once the database is back.
        if (remainingSeconds() > 0)
            Timer1.start();
        return false;
    }
    finishTest();
    return true;
}

// A fault that does not pass (a file nobody may write to) must not hold the student in
// the test: they choose between trying again later and finishing without the record.
bool TForm1::keepOpenAfterFailedStore()
{
    return Dialogs::instance().askYesNo(
        QStringLiteral("Результат не сохранён. Оставить тест открытым, чтобы сохранить результат позже?\n"
                       "«Нет» завершает тест без записи результата."),
        QStringLiteral("Учебник"), Dialogs::Icon::Warning);
}

void TForm1::scoreAndStore()
{
    Query& query = m_data.ADOQuery1;
    const int correct = TimedTestScoring::countCorrect(query, m_sheet);
    const int percentage = TimedTestScoring::percentage(correct, m_sheet.count());
    Dialogs::instance().showMessage(TimedTestScoring::resultMessage(percentage));
    TimedTestScoring::storeResult(query, TimedTestFio, TimedTestGruppa, percentage, m_startedText,
                                  TimedTestScoring::dateTimeText(m_clock()));
}

void TForm1::finishTest()
{
    m_sheet.reset();
    m_running = false;
    m_position = 1;
    ui->Shape1->hide();
    if (QWidget* window = m_mainWindow.data()) {
        window->show();
        window->raise();
        window->activateWindow();
    }
}
