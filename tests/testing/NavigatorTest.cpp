#include "FixedTestFixture.h"

#include "common/ScriptedDialogs.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsRadioGroup.h"
#include "testing/TForm9.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

namespace {

using NavigatorTest = FixedTestFixture;

QString questionText(qint64 question)
{
    return QStringLiteral("Вопрос %1").arg(question);
}

} // namespace

TEST_F(NavigatorTest, OpeningAQuestionShowsItsSixLinesAndDisablesItsButton)
{
    fillBank(100);
    openWindows();
    start();
    const qint64 question = questionOfSlot(3);

    clickQuestion(3);

    const QString q = QString::number(question);
    EXPECT_EQ(memoLines(), (QStringList{"Вопрос " + q, "A)  Ответ " + q + ".1", "B)  Ответ " + q + ".2",
                                        "C)  Ответ " + q + ".3", "D)  Ответ " + q + ".4",
                                        "E)  Ответ " + q + ".5"}));
    EXPECT_FALSE(questionButton(3)->isEnabled());
    EXPECT_TRUE(questionButton(2)->isEnabled());
    EXPECT_EQ(letters()->itemIndex(), -1);

    // A disabled button takes no click: the memo keeps the question.
    memo()->setPlainText(QStringLiteral("набранный студентом текст"));
    clickQuestion(3);
    EXPECT_EQ(memoLines().value(0), QStringLiteral("набранный студентом текст"));
    clickQuestion(4);
    EXPECT_EQ(memoLines().size(), 6) << "typed text is discarded at the next opening";
    EXPECT_EQ(memoLines().value(0), questionText(questionOfSlot(4)));
}

TEST_F(NavigatorTest, EveryButtonOpensItsOwnSlot)
{
    fillBank(100);
    openWindows();
    start();
    for (int slot : {1, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 2, 20, 3, 9}) {
        clickQuestion(slot);
        EXPECT_EQ(memoLines().value(0), questionText(questionOfSlot(slot))) << "slot " << slot;
    }
}

TEST_F(NavigatorTest, SlotTwoIsNotSlotTwentyWhateverTheStoredOrder)
{
    fillBank(30);
    exec("INSERT INTO testing VALUES ('20', 20, NULL), ('12', 12, NULL), ('2', 2, NULL), ('10', 10, NULL), "
         "('1', 1, NULL), ('21', 21, NULL)");
    openWindows();
    m_form9->show();
    struct Row {
        int slot;
        const char* question;
    };
    const Row rows[] = {{2, "Вопрос 2"}, {1, "Вопрос 1"}, {20, "Вопрос 20"}, {12, "Вопрос 12"}, {10, "Вопрос 10"}};
    for (const Row& row : rows) {
        clickQuestion(row.slot);
        EXPECT_EQ(memoLines().value(0), QString::fromUtf8(row.question)) << "slot " << row.slot;
    }
}

TEST_F(NavigatorTest, ALetterIsWrittenAndOverwrittenInTheOpenedSlot)
{
    fillBank(100);
    openWindows();
    start();
    clickQuestion(5);
    chooseLetter(2);
    EXPECT_EQ(letters()->itemIndex(), 2);
    clickQuestion(6);
    EXPECT_EQ(sheet()[4].value(2), QVariant("C")) << "saved when the next question opened";
    EXPECT_EQ(letters()->itemIndex(), -1) << "the next question starts unselected";

    chooseLetter(2);
    chooseLetter(4);
    clickQuestion(7);
    EXPECT_EQ(sheet()[5].value(2), QVariant("E"));
    EXPECT_EQ(sheet()[4].value(2), QVariant("C")) << "the earlier slot keeps its letter";
    for (int k : {1, 2, 3, 4, 7, 8, 20})
        EXPECT_TRUE(sheet()[k - 1].value(2).isNull()) << "slot " << k;
}

TEST_F(NavigatorTest, ALetterChosenBeforeAnyQuestionGoesToSlotTwenty)
{
    fillBank(100);
    openWindows();
    start();
    chooseLetter(3);
    clickQuestion(1);
    EXPECT_EQ(sheet()[19].value(2), QVariant("D"));
    EXPECT_EQ(letters()->itemIndex(), -1);
    clickQuestion(20);
    EXPECT_EQ(letters()->itemIndex(), 3);
}

TEST_F(NavigatorTest, TwoSlotsWithTheSameQuestionKeepTheirOwnAnswers)
{
    fillBank(50);
    openWindows();
    start();
    ASSERT_EQ(questionOfSlot(9), questionOfSlot(18));
    clickQuestion(9);
    chooseLetter(0);
    clickQuestion(18);
    EXPECT_EQ(letters()->itemIndex(), -1);
    chooseLetter(1);
    clickQuestion(1);
    EXPECT_EQ(sheet()[8].value(2), QVariant("A"));
    EXPECT_EQ(sheet()[17].value(2), QVariant("B"));
}

TEST_F(NavigatorTest, AStoredLetterIsSelectedOnlyWhenItIsExactlyOneOfTheFive)
{
    fillBank(10);
    exec("INSERT INTO testing VALUES ('1', 1, 'A'), ('2', 2, 'E'), ('3', 3, 'c'), ('4', 4, 'F'), "
         "('5', 5, ''), ('6', 6, NULL), ('7', 7, 'C ')");
    openWindows();
    m_form9->show();
    struct Row {
        int slot;
        int index;
    };
    for (const Row& row : {Row{1, 0}, Row{2, 4}, Row{3, -1}, Row{4, -1}, Row{5, -1}, Row{6, -1}, Row{7, -1}}) {
        clickQuestion(row.slot);
        EXPECT_EQ(letters()->itemIndex(), row.index) << "slot " << row.slot;
    }
    clickQuestion(8); // slot 8 does not exist: the sheet stays on slot 7
    EXPECT_FALSE(questionButton(8)->isEnabled());
    EXPECT_EQ(memoLines().value(0), QStringLiteral("Вопрос 7"));
    EXPECT_EQ(sheet(), (QVector<QVector<QVariant>>{{"1", 1, "A"}, {"2", 2, "E"}, {"3", 3, "c"}, {"4", 4, "F"},
                                                   {"5", 5, ""}, {"6", 6, QVariant()}, {"7", 7, "C "}}))
        << "selecting the stored letter writes nothing new";
}

TEST_F(NavigatorTest, AQuestionMissingFromTheBankShowsTheOneBefore)
{
    fillBank(3);
    exec("INSERT INTO testing VALUES ('1', 2, NULL), ('2', 77, NULL)");
    openWindows();
    m_form9->show();
    clickQuestion(1);
    clickQuestion(2);
    EXPECT_EQ(memoLines().value(0), QStringLiteral("Вопрос 2"));
    EXPECT_FALSE(questionButton(2)->isEnabled());
}

TEST_F(NavigatorTest, AnEmptyTextStopsTheDisplayWithTheErrorReport)
{
    struct Row {
        const char* name;
        const char* nullField;
        int linesShown;
    };
    const Row rows[] = {{"question text", "test", 0}, {"option C", "ot3", 3}, {"option E", "ot5", 5}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        exec("DELETE FROM test");
        exec("DELETE FROM testing");
        fillBank(1);
        exec(QStringLiteral("UPDATE test SET %1 = NULL").arg(row.nullField));
        exec("INSERT INTO testing VALUES ('1', 1, 'B')");
        openWindows();
        m_form9->show();
        m_dialogs->clear();
        letters()->setItemIndex(3);

        clickQuestion(1);

        ASSERT_EQ(m_dialogs->boxes.size(), 1);
        EXPECT_EQ(m_dialogs->boxes[0].icon, Dialogs::Icon::Error);
        EXPECT_EQ(m_dialogs->boxes[0].caption, QStringLiteral("Учебник"));
        const QString shown = memo()->toPlainText();
        EXPECT_EQ(shown.isEmpty() ? 0 : int(shown.split(u'\n').size()), row.linesShown);
        EXPECT_TRUE(questionButton(1)->isEnabled());
        EXPECT_EQ(letters()->itemIndex(), 3) << "the choice is not touched";
    }
}

TEST_F(NavigatorTest, AnEmptyBankReportsAnErrorInsteadOfShowingAQuestion)
{
    openWindows();
    start();
    ASSERT_EQ(questionOfSlot(1), 1);
    m_dialogs->clear();
    clickQuestion(1);
    ASSERT_EQ(m_dialogs->boxes.size(), 1);
    EXPECT_EQ(m_dialogs->boxes[0].icon, Dialogs::Icon::Error);
    EXPECT_TRUE(memo()->toPlainText().isEmpty());
    EXPECT_TRUE(questionButton(1)->isEnabled());
}

TEST_F(NavigatorTest, AQuestionNumberThatIsNoNumberIsReported)
{
    fillBank(3);
    exec("INSERT INTO testing VALUES ('1', 'три', NULL), ('2', NULL, NULL), ('3', ' 2', NULL)");
    openWindows();
    m_form9->show();
    for (int slot : {1, 2}) {
        m_dialogs->clear();
        clickQuestion(slot);
        ASSERT_EQ(m_dialogs->boxes.size(), 1) << "slot " << slot;
        EXPECT_EQ(m_dialogs->boxes[0].icon, Dialogs::Icon::Error);
        EXPECT_TRUE(memo()->toPlainText().isEmpty());
        EXPECT_TRUE(questionButton(slot)->isEnabled());
    }
    m_dialogs->clear();
    clickQuestion(3);
    EXPECT_TRUE(m_dialogs->boxes.isEmpty());
    EXPECT_EQ(memoLines().value(0), QStringLiteral("Вопрос 2"));
}

TEST_F(NavigatorTest, ASlotMissingFromTheSheetShowsTheCurrentOneAndItsButtonIsSpent)
{
    fillBank(3);
    exec("INSERT INTO testing VALUES ('1', 2, NULL), ('2', 3, NULL)");
    openWindows();
    m_form9->show();
    clickQuestion(1);
    chooseLetter(1);
    clickQuestion(15);
    EXPECT_EQ(memoLines().value(0), QStringLiteral("Вопрос 2")) << "slot 1 stays current";
    EXPECT_FALSE(questionButton(15)->isEnabled());
    EXPECT_EQ(letters()->itemIndex(), 1) << "slot 1's letter is shown again";
    EXPECT_EQ(sheet(), (QVector<QVector<QVariant>>{{"1", 2, "B"}, {"2", 3, QVariant()}}));
}

// A question longer than the memo starts at its first line, whether the memo was scrolled
// before or not.
TEST_F(NavigatorTest, ALongQuestionIsShownFromItsFirstLine)
{
    fillBank(20);
    QString longText;
    for (int line = 1; line <= 30; ++line)
        longText += QStringLiteral("Строка %1 длинного вопроса о нормальных формах отношений. ").arg(line);
    exec(QStringLiteral("UPDATE test SET test = '%1'").arg(longText));
    openWindows();
    start();
    ASSERT_TRUE(memo()->isVisible());
    for (int slot : {1, 2, 3}) {
        SCOPED_TRACE(slot);
        memo()->verticalScrollBar()->setValue(memo()->verticalScrollBar()->maximum() / 2);
        clickQuestion(slot);
        QApplication::processEvents();
        ASSERT_GT(memo()->verticalScrollBar()->maximum(), 0) << "the text is longer than the memo";
        EXPECT_EQ(memo()->verticalScrollBar()->value(), 0);
        EXPECT_EQ(memo()->cursorForPosition(QPoint(4, 4)).blockNumber(), 0) << "the question line is on top";
    }
}
