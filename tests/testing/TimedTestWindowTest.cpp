#include "TimedTestFixture.h"

#include "testing/TimedTestScoring.h"

#include <QSet>
#include <QTest>

#include <algorithm>

namespace {

bool isPermutation(const TimedTestSheet& sheet, int count)
{
    QVector<int> ids;
    for (int position = 1; position <= sheet.count(); ++position)
        ids << sheet.questionAt(position);
    std::sort(ids.begin(), ids.end());
    QVector<int> expected;
    for (int id = 1; id <= count; ++id)
        expected << id;
    return sheet.count() == count && ids == expected;
}

} // namespace

class TimedTestWindow : public TimedTestFixture
{
};

TEST_F(TimedTestWindow, OrderIsAPermutationOfTheFirstKolvoQuestions)
{
    addQuestions(8);
    setParams(QStringLiteral("15"), QStringLiteral("5"));
    makeForm();
    QSet<QVector<int>> orders;
    for (int run = 0; run < 6; ++run) {
        ASSERT_TRUE(startTest()) << "run " << run;
        EXPECT_TRUE(isPermutation(form->sheet(), 5)) << "run " << run;
        QVector<int> order;
        for (int position = 1; position <= 5; ++position)
            order << form->sheet().questionAt(position);
        orders.insert(order);
        EXPECT_EQ(positionLabel(), QStringLiteral("1"));
        EXPECT_EQ(memoText(), questionText(form->sheet().questionAt(1)));
        form->close();
        ASSERT_FALSE(form->isVisible());
    }
    // Reseeded from the clock at every showing: six showings are not all the same order.
    EXPECT_GT(orders.size(), 1);
}

TEST_F(TimedTestWindow, SteppingPastEitherEndShowsPositionOne)
{
    addQuestions(4);
    setParams(QStringLiteral("10"), QStringLiteral("4"));
    ASSERT_TRUE(startTest());

    button("Button2")->click(); // "<<" on the first
    EXPECT_EQ(form->currentPosition(), 1);
    EXPECT_EQ(positionLabel(), QStringLiteral("1"));
    EXPECT_EQ(memoText(), questionText(form->sheet().questionAt(1)));

    for (int position = 2; position <= 4; ++position) {
        button("Button3")->click();
        EXPECT_EQ(positionLabel(), QString::number(position));
        EXPECT_EQ(memoText(), questionText(form->sheet().questionAt(position)));
    }
    button("Button3")->click(); // ">>" on the last
    EXPECT_EQ(positionLabel(), QStringLiteral("1"));
    EXPECT_EQ(memoText(), questionText(form->sheet().questionAt(1)));
}

TEST_F(TimedTestWindow, MarkerStandsAroundTheChosenLetterAndComesBackWithIt)
{
    addQuestions(3);
    setParams(QStringLiteral("10"), QStringLiteral("3"));
    ASSERT_TRUE(startTest());
    EXPECT_TRUE(marker()->isHidden());

    struct Row {
        const char* letter;
        int left;
    };
    const Row rows[] = {{"A", 276}, {"B", 316}, {"C", 356}, {"D", 397}, {"E", 437}};
    for (const Row& row : rows) {
        letterButton(QLatin1String(row.letter))->click();
        EXPECT_FALSE(marker()->isHidden()) << row.letter;
        EXPECT_EQ(marker()->geometry(), QRect(row.left, 280, 43, 33)) << row.letter;
        EXPECT_EQ(form->sheet().answerAt(1), QLatin1String(row.letter));
    }

    button("Button3")->click();
    letterButton(QStringLiteral("B"))->click();
    button("Button3")->click(); // position 3, unanswered
    EXPECT_TRUE(marker()->isHidden());
    button("Button2")->click(); // back to 2
    EXPECT_EQ(positionLabel(), QStringLiteral("2"));
    EXPECT_FALSE(marker()->isHidden());
    EXPECT_EQ(marker()->x(), 316);
    // The marker lies under the letter buttons.
    const QObjectList& children = form->children();
    EXPECT_LT(children.indexOf(marker()), children.indexOf(letterButton(QStringLiteral("A"))));
}

TEST_F(TimedTestWindow, FinishingWithAnUnansweredPositionKeepsTheTest)
{
    addQuestions(3);
    setParams(QStringLiteral("10"), QStringLiteral("3"));
    ASSERT_TRUE(startTest());
    EXPECT_FALSE(mainWindow.isVisible());
    letterButton(keyOf(form->sheet().questionAt(1)))->click();

    dialogs.yesNoAnswers = {false};
    button("Button4")->click();
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].kind, QStringLiteral("yesno"));
    EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("Завершить тестирование?"));
    EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Учебник"));
    EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::None);
    EXPECT_TRUE(form->isVisible());

    dialogs.yesNoAnswers = {true};
    button("Button4")->click();
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Не все ответы отмечены!")});
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isTestRunning());
    EXPECT_FALSE(mainWindow.isVisible());
    EXPECT_EQ(number(QStringLiteral("SELECT count(*) FROM rezult")), 0);

    button("Button3")->click();
    letterButton(keyOf(form->sheet().questionAt(2)))->click();
    button("Button3")->click();
    letterButton(wrongFor(form->sheet().questionAt(3)))->click();
    dialogs.clear();
    dialogs.yesNoAnswers = {true};
    button("Button4")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Ваш результат: 67%\n\rВаша оценка: УДОВЛЕТВОРИТЕЛЬНО!")});
    EXPECT_EQ(number(QStringLiteral("SELECT count(*) FROM rezult")), 1);
    EXPECT_EQ(text(QStringLiteral("SELECT procent FROM rezult")), QStringLiteral("67"));
}

TEST_F(TimedTestWindow, CloseBoxScoresUnansweredPositionsAsWrong)
{
    addQuestions(8);
    setParams(QStringLiteral("10"), QStringLiteral("8"));
    ASSERT_TRUE(startTest());
    // Five right answers on the first five positions, the rest left open.
    for (int position = 1; position <= 5; ++position) {
        letterButton(keyOf(form->sheet().questionAt(position)))->click();
        button("Button3")->click();
    }
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("Ваш результат: 62%\n\rВаша оценка: УДОВЛЕТВОРИТЕЛЬНО!")});
    EXPECT_EQ(text(QStringLiteral("SELECT procent FROM rezult")), QStringLiteral("62"));
}

TEST_F(TimedTestWindow, ShowingAgainStartsFreshFromPositionOne)
{
    addQuestions(3);
    setParams(QStringLiteral("10"), QStringLiteral("3"));
    ASSERT_TRUE(startTest());
    letterButton(QStringLiteral("A"))->click();
    button("Button3")->click();
    letterButton(QStringLiteral("C"))->click();
    form->close();

    ASSERT_TRUE(startTest());
    EXPECT_EQ(form->currentPosition(), 1);
    EXPECT_EQ(positionLabel(), QStringLiteral("1"));
    EXPECT_EQ(form->sheet().unansweredCount(), 3);
    EXPECT_TRUE(marker()->isHidden());
    EXPECT_FALSE(mainWindow.isVisible());
}

TEST_F(TimedTestWindow, ResultRecordCarriesNameGroupAndBothTimes)
{
    addQuestions(2);
    setParams(QStringLiteral("10"), QStringLiteral("2"));
    TimedTestFio = QStringLiteral("О'Нил Пётр");
    TimedTestGruppa = QStringLiteral("ИВТ-21");
    const QDateTime started = now;
    ASSERT_TRUE(startTest());
    answerAll([](int) { return true; });
    now = now.addSecs(125);
    dialogs.yesNoAnswers = {true};
    button("Button4")->click();

    EXPECT_EQ(text(QStringLiteral("SELECT fio FROM rezult")), TimedTestFio);
    EXPECT_EQ(text(QStringLiteral("SELECT gruppa FROM rezult")), TimedTestGruppa);
    EXPECT_EQ(text(QStringLiteral("SELECT procent FROM rezult")), QStringLiteral("100"));
    // The tests run in the C locale; the stored texts carry no time zone.
    EXPECT_EQ(text(QStringLiteral("SELECT vrem_nachala FROM rezult")), QStringLiteral("14 Mar 2026 09:30:00"));
    EXPECT_EQ(text(QStringLiteral("SELECT vrem_okonchaniya FROM rezult")), QStringLiteral("14 Mar 2026 09:32:05"));
    EXPECT_EQ(dialogs.messages().last(), QStringLiteral("Ваш результат: 100%\n\rВаша оценка: ОТЛИЧНО!"));
}

TEST_F(TimedTestWindow, CountdownFollowsTheClockAndTimeUpClosesAsTheCloseBox)
{
    addQuestions(4);
    setParams(QStringLiteral("2"), QStringLiteral("4"));
    ASSERT_TRUE(startTest());
    EXPECT_TRUE(form->Timer1.isActive());
    EXPECT_EQ(form->Timer1.interval(), 1000);
    EXPECT_EQ(timeLabel(), QStringLiteral("Осталось: 02:00"));

    letterButton(keyOf(form->sheet().questionAt(1)))->click();

    struct Row {
        int elapsed;
        const char* label;
    };
    // Ticks may be late or missed: the time left is always from the start time.
    const Row rows[] = {{1, "Осталось: 01:59"}, {61, "Осталось: 00:59"}, {61, "Осталось: 00:59"},
                        {119, "Осталось: 00:01"}};
    for (const Row& row : rows) {
        now = QDateTime(QDate(2026, 3, 14), QTime(9, 30, 0)).addSecs(row.elapsed);
        form->Timer1Timer();
        EXPECT_EQ(timeLabel(), QString::fromUtf8(row.label)) << row.elapsed;
        EXPECT_TRUE(form->isVisible());
    }
    EXPECT_TRUE(dialogs.boxes.isEmpty());

    now = now.addSecs(30);
    form->Timer1Timer();
    EXPECT_EQ(timeLabel(), QStringLiteral("Осталось: 00:00"));
    ASSERT_GE(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages()[0], QStringLiteral("Время истекло!"));
    EXPECT_EQ(dialogs.messages()[1], QStringLiteral("Ваш результат: 25%\n\rВаша оценка: НЕУДОВЛЕТВОРИТЕЛЬНО!"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Timer1.isActive());
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_EQ(text(QStringLiteral("SELECT procent FROM rezult")), QStringLiteral("25"));
}

TEST_F(TimedTestWindow, LongLimitsShowAllTheirMinutes)
{
    addQuestions(1);
    setParams(QStringLiteral("150"), QStringLiteral("1"));
    ASSERT_TRUE(startTest());
    EXPECT_EQ(timeLabel(), QStringLiteral("Осталось: 150:00"));
}

TEST_F(TimedTestWindow, NoTestStartsOnUnusableSettingsOrAnIncompleteBank)
{
    struct Row {
        const char* name;
        const char* minutes;
        const char* count;
        int questions;
        const char* removeQuestion;
        bool aboutTime;
    };
    const Row rows[] = {
        {"count 0", "10", "0", 3, nullptr, false},
        {"count empty", "10", "NULL", 3, nullptr, false},
        {"count empty text", "10", "''", 3, nullptr, false},
        {"minutes empty", "NULL", "3", 3, nullptr, true},
        {"minutes 0", "0", "3", 3, nullptr, true},
        {"minutes 0 and no questions", "0", "9", 3, nullptr, true},
        {"negative minutes", "-5", "3", 3, nullptr, true},
        {"negative count", "10", "-2", 3, nullptr, false},
        {"more than the bank", "10", "4", 3, nullptr, false},
        {"a gap leaves too few", "10", "4", 4, "DELETE FROM questions WHERE id=2", false},
        {"no parameter record", "10", "3", 3, "DELETE FROM params", false},
    };
    for (const Row& row : rows) {
        exec(QStringLiteral("DELETE FROM questions; DELETE FROM keys"));
        addQuestions(row.questions);
        setParams(QLatin1String(row.minutes), QLatin1String(row.count));
        if (row.removeQuestion)
            exec(QLatin1String(row.removeQuestion));
        if (!form)
            makeForm();
        dialogs.clear();
        form->show();
        EXPECT_FALSE(form->isVisible()) << row.name;
        EXPECT_FALSE(form->isTestRunning()) << row.name;
        EXPECT_TRUE(mainWindow.isVisible()) << row.name;
        const QString expected = row.aboutTime ? TForm1::noTimeLimitMessage() : QStringLiteral("В базе не хватает вопросов");
        EXPECT_EQ(dialogs.messages(), QStringList{expected}) << row.name;
        EXPECT_FALSE(form->Timer1.isActive()) << row.name;
    }
    EXPECT_EQ(number(QStringLiteral("SELECT count(*) FROM rezult")), 0);
}

// Questions deleted by the teacher leave gaps in the numbering; the test takes the first
// kolvo questions that exist, in the order of their numbers.
TEST_F(TimedTestWindow, GapsInTheBankAreSkipped)
{
    struct Row {
        const char* name;
        const char* removed;
        QVector<int> expected;
    };
    const Row rows[] = {
        {"question 2 missing", "2", {1, 3, 4}},
        {"question 1 missing", "1", {2, 3, 4}},
        {"two missing, larger bank", "1, 4", {2, 3, 5}},
    };
    for (const Row& row : rows) {
        exec(QStringLiteral("DELETE FROM questions; DELETE FROM keys"));
        addQuestions(6);
        exec(QStringLiteral("DELETE FROM questions WHERE id IN (%1)").arg(QLatin1String(row.removed)));
        setParams(QStringLiteral("10"), QStringLiteral("3"));
        if (!form)
            makeForm();
        dialogs.clear();
        ASSERT_TRUE(startTest()) << row.name;
        QVector<int> drawn;
        for (int position = 1; position <= 3; ++position)
            drawn << form->sheet().questionAt(position);
        std::sort(drawn.begin(), drawn.end());
        EXPECT_EQ(drawn, row.expected) << row.name;
        EXPECT_EQ(memoText(), questionText(form->sheet().questionAt(1))) << row.name;
        answerAll([](int) { return true; });
        dialogs.yesNoAnswers = {true};
        button("Button4")->click();
        EXPECT_FALSE(form->isTestRunning()) << row.name;
        EXPECT_EQ(text(QStringLiteral("SELECT procent FROM rezult ORDER BY rowid DESC LIMIT 1")), QStringLiteral("100"))
            << row.name;
    }
}

TEST_F(TimedTestWindow, BanksLargerThanAHundredQuestionsRunToTheEnd)
{
    addQuestions(150);
    setParams(QStringLiteral("60"), QStringLiteral("150"));
    ASSERT_TRUE(startTest());
    EXPECT_TRUE(isPermutation(form->sheet(), 150));
    answerAll([](int position) { return position > 30; });
    EXPECT_EQ(form->sheet().unansweredCount(), 0);
    dialogs.yesNoAnswers = {true};
    button("Button4")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(text(QStringLiteral("SELECT procent FROM rezult")), QStringLiteral("80"));
}

TEST_F(TimedTestWindow, QuestionRemovedDuringTheTestFallsBackToPositionOne)
{
    addQuestions(3);
    setParams(QStringLiteral("10"), QStringLiteral("3"));
    ASSERT_TRUE(startTest());
    const int second = form->sheet().questionAt(2);
    exec(QStringLiteral("DELETE FROM questions WHERE id=%1").arg(second));
    button("Button3")->click();
    EXPECT_EQ(positionLabel(), QStringLiteral("1"));
    EXPECT_EQ(memoText(), questionText(form->sheet().questionAt(1)));

    // Even the first one gone: the display settles on an empty position 1.
    exec(QStringLiteral("DELETE FROM questions"));
    button("Button3")->click();
    EXPECT_EQ(positionLabel(), QStringLiteral("1"));
    EXPECT_TRUE(memoText().isEmpty());
}

TEST_F(TimedTestWindow, EmptyQuestionTextIsReportedAndKeepsThePreviousNumber)
{
    addQuestions(3);
    setParams(QStringLiteral("10"), QStringLiteral("3"));
    ASSERT_TRUE(startTest());
    exec(QStringLiteral("UPDATE questions SET question=NULL WHERE id=%1").arg(form->sheet().questionAt(2)));
    // Through the application, as a click would, so the error reaches the report.
    QTest::mouseClick(button("Button3"), Qt::LeftButton);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].icon, Dialogs::Icon::Error);
    EXPECT_EQ(positionLabel(), QStringLiteral("1"));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(TimedTestWindow, FailedStoringKeepsTheTestOpenWithItsAnswers)
{
    addQuestions(2);
    setParams(QStringLiteral("10"), QStringLiteral("2"));
    ASSERT_TRUE(startTest());
    answerAll([](int) { return true; });
    exec(QStringLiteral("ALTER TABLE rezult RENAME TO rezult_away"));

    dialogs.yesNoAnswers.push_back(true); // keep the test open to store it later
    form->close();
    ASSERT_EQ(dialogs.boxes.size(), 3);
    EXPECT_EQ(dialogs.boxes[1].icon, Dialogs::Icon::Error);
    EXPECT_EQ(dialogs.boxes[2].kind, QStringLiteral("yesno"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isTestRunning());
    EXPECT_EQ(form->sheet().unansweredCount(), 0);
    EXPECT_FALSE(mainWindow.isVisible());
    EXPECT_TRUE(form->Timer1.isActive());

    exec(QStringLiteral("ALTER TABLE rezult_away RENAME TO rezult"));
    dialogs.clear();
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(mainWindow.isVisible());
    // Scored afresh: the earlier attempt is not counted twice.
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Ваш результат: 100%\n\rВаша оценка: ОТЛИЧНО!")});
    EXPECT_EQ(number(QStringLiteral("SELECT count(*) FROM rezult")), 1);
}
