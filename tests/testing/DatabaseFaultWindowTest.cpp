// Faults of the database while a student works: the hand-in and the end of the timed test
// tell what is wrong in Russian through the error report, keep what was written, and work
// again once the fault is gone.
#include "FixedTestFixture.h"
#include "TimedTestFixture.h"

#include "data/EngineFault.h"
#include "data/SqlStatement.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace {

class FixedTestFaultTest : public FixedTestFixture
{
protected:
    void SetUp() override
    {
        FixedTestFixture::SetUp();
        fillBank(30);
        openWindows();
        start(QStringLiteral("Сидоров"));
        clickQuestion(1);
        chooseLetter(0);
    }

    // The last box, which must be the error report.
    QString lastError() const
    {
        if (m_dialogs->boxes.isEmpty() || m_dialogs->boxes.back().icon != Dialogs::Icon::Error)
            return QString();
        return m_dialogs->boxes.back().text;
    }

    // The window still answers: a timer started now fires.
    static bool responsive()
    {
        bool fired = false;
        QTimer::singleShot(0, [&fired] { fired = true; });
        QCoreApplication::processEvents();
        return fired;
    }
};

TEST_F(FixedTestFaultTest, AHandInWhileAnotherProgramHoldsTheDatabaseIsToldAndWrittenOnceLater)
{
    exec(QStringLiteral("BEGIN IMMEDIATE"));
    QElapsedTimer clock;
    clock.start();
    handIn();
    EXPECT_LT(clock.elapsed(), EngineFault::kBusyTimeoutMs + 5000) << "the window is given back";
    EXPECT_TRUE(lastError().startsWith(QStringLiteral("База данных занята другой программой"))) << lastError().toStdString();
    EXPECT_TRUE(responsive());
    exec(QStringLiteral("COMMIT"));
    EXPECT_EQ(count(QStringLiteral("result")), 0);

    m_dialogs->clear();
    handIn();
    EXPECT_TRUE(m_dialogs->boxes.isEmpty()) << m_dialogs->messages().join(u'|').toStdString();
    EXPECT_EQ(rows(QStringLiteral("SELECT fio, kol FROM result")),
              (QVector<QVector<QVariant>>{{QStringLiteral("Сидоров"), 20}}))
        << "the failed hand-in is not written a second time";
    EXPECT_EQ(rows(QStringLiteral("SELECT otv FROM testing WHERE nom = '1'")).value(0).value(0).toString(), QStringLiteral("A"));
}

TEST_F(FixedTestFaultTest, AHandInOnAFullDiskKeepsEveryEarlierResult)
{
    // The file may not grow: a full disk as the engine sees it.
    SqlStatement(Form1->data().ADOConnection2.handle(), QStringLiteral("PRAGMA max_page_count = 1")).run();
    int stored = 0;
    for (int press = 0; press < 400 && lastError().isEmpty(); ++press) {
        handIn();
        if (lastError().isEmpty())
            ++stored;
    }
    ASSERT_FALSE(lastError().isEmpty()) << "the file never filled up";
    EXPECT_TRUE(lastError().startsWith(QStringLiteral("Нет места на диске"))) << lastError().toStdString();
    EXPECT_TRUE(responsive());
    EXPECT_EQ(count(QStringLiteral("result")), stored);
    EXPECT_EQ(rows(QStringLiteral("PRAGMA integrity_check")).value(0).value(0).toString(), QStringLiteral("ok"));

    SqlStatement(Form1->data().ADOConnection2.handle(), QStringLiteral("PRAGMA max_page_count = 1000000")).run();
    m_dialogs->clear();
    handIn();
    EXPECT_TRUE(m_dialogs->boxes.isEmpty());
    EXPECT_EQ(count(QStringLiteral("result")), stored + 1);
}

TEST_F(FixedTestFaultTest, AHandInAfterTheFileWasDeletedIsRefusedAndTheWindowGoesOn)
{
    ASSERT_TRUE(QFile::remove(Form1->data().ADOConnection2.databasePath()));
    handIn();
    EXPECT_TRUE(lastError().contains(QStringLiteral("удалён или заменён"))) << lastError().toStdString();
    EXPECT_TRUE(responsive());
    m_dialogs->clear();
    clickQuestion(2);
    chooseLetter(1);
    handIn();
    // The connection let go of the old file; now there is none at the path.
    EXPECT_TRUE(lastError().contains(QStringLiteral("не найден"))) << lastError().toStdString();
    EXPECT_TRUE(responsive());
}

class TimedTestFaultTest : public TimedTestFixture
{
protected:
    // Two of three questions answered right, handed in while another connection holds the
    // database; keepOpen answers the question that follows the failed store.
    void handInWhileBusy(bool keepOpen)
    {
        setParams(QStringLiteral("10"), QStringLiteral("3"));
        addQuestions(3);
        TimedTestFio = QStringLiteral("Орлова");
        TimedTestGruppa = QStringLiteral("ИС-21");
        ASSERT_TRUE(startTest());
        answerAll([](int position) { return position != 2; });
        exec(QStringLiteral("BEGIN IMMEDIATE"));
        dialogs.yesNoAnswers.push_back(true);
        dialogs.yesNoAnswers.push_back(keepOpen);
        button("Button4")->click();
    }
};

TEST_F(TimedTestFaultTest, AResultThatCannotBeStoredKeepsTheTestOpenUntilItCanBe)
{
    ASSERT_NO_FATAL_FAILURE(handInWhileBusy(true));
    ASSERT_FALSE(dialogs.boxes.isEmpty());
    const auto error = std::find_if(dialogs.boxes.begin(), dialogs.boxes.end(),
                                    [](const auto& box) { return box.icon == Dialogs::Icon::Error; });
    ASSERT_NE(error, dialogs.boxes.end());
    EXPECT_TRUE(error->text.startsWith(QStringLiteral("База данных занята"))) << error->text.toStdString();
    EXPECT_TRUE(form->isTestRunning()) << "the answers are kept";
    exec(QStringLiteral("COMMIT"));

    dialogs.yesNoAnswers.push_back(true);
    button("Button4")->click();
    EXPECT_FALSE(form->isTestRunning());
    EXPECT_EQ(text(QStringLiteral("SELECT fio || '/' || gruppa || '/' || procent FROM rezult")), QStringLiteral("Орлова/ИС-21/67"));
    EXPECT_EQ(number(QStringLiteral("SELECT count(*) FROM rezult")), 1);
}

// A result the database refuses for good (a file nobody may write to) lets the student
// finish the test instead of holding it open until the program ends.
TEST_F(TimedTestFaultTest, AStoreThatKeepsFailingLetsTheStudentFinish)
{
    ASSERT_NO_FATAL_FAILURE(handInWhileBusy(false));
    exec(QStringLiteral("COMMIT"));
    EXPECT_FALSE(form->isTestRunning());
    EXPECT_EQ(number(QStringLiteral("SELECT count(*) FROM rezult")), 0);
}

} // namespace
