#include "FixedTestFixture.h"

#include "common/ScriptedDialogs.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsRadioGroup.h"
#include "testing/GradeBand.h"
#include "testing/TForm5.h"
#include "testing/TForm9.h"

#include <QDate>
#include <QPlainTextEdit>

namespace {

using GradingTest = FixedTestFixture;

struct BandRow {
    int percentage;
    const char* label;
    const char* letter;
};

// Every band at both of its edges.
const BandRow kBandEdges[] = {
    {0, "Оценка: 2, F (0)", "F"},       {49, "Оценка: 2, F (0)", "F"},
    {50, "Оценка: 3, D (1.0)", "D"},    {54, "Оценка: 3, D (1.0)", "D"},
    {55, "Оценка: 3, D+ (1.33)", "D+"}, {59, "Оценка: 3, D+ (1.33)", "D+"},
    {60, "Оценка: 3, C- (1.67)", "C-"}, {64, "Оценка: 3, C- (1.67)", "C-"},
    {65, "Оценка: 3, C (2.0)", "C"},    {69, "Оценка: 3, C (2.0)", "C"},
    {70, "Оценка: 3, C+ (2.33)", "C+"}, {74, "Оценка: 3, C+ (2.33)", "C+"},
    {75, "Оценка: 4, B- (2.67)", "B-"}, {79, "Оценка: 4, B- (2.67)", "B-"},
    {80, "Оценка: 4, B (3.0)", "B"},    {84, "Оценка: 4, B (3.0)", "B"},
    {85, "Оценка: 4, B+ (3.33)", "B+"}, {89, "Оценка: 4, B+ (3.33)", "B+"},
    {90, "Оценка: 5, A- (3.67)", "A-"}, {94, "Оценка: 5, A- (3.67)", "A-"},
    {95, "Оценка: 5, A (4.0)", "A"},    {100, "Оценка: 5, A (4.0)", "A"},
};

} // namespace

TEST(GradeBand, EveryBandAtBothEdges)
{
    for (const BandRow& row : kBandEdges) {
        const GradeBand* band = GradeBand::find(row.percentage);
        ASSERT_NE(band, nullptr) << row.percentage;
        EXPECT_EQ(band->labelText(), QString::fromUtf8(row.label)) << row.percentage;
        EXPECT_EQ(band->letterGrade(), QString::fromUtf8(row.letter)) << row.percentage;
    }
    EXPECT_EQ(GradeBand::find(105), nullptr);
    EXPECT_EQ(GradeBand::find(-5), nullptr);
}

TEST_F(GradingTest, TheCountPicksTheBandShownAndStored)
{
    struct Row {
        int correct;
        const char* label;
        const char* letter;
    };
    const Row cases[] = {
        {0, "Оценка: 2, F (0)", "F"},       {9, "Оценка: 2, F (0)", "F"},
        {10, "Оценка: 3, D (1.0)", "D"},    {11, "Оценка: 3, D+ (1.33)", "D+"},
        {12, "Оценка: 3, C- (1.67)", "C-"}, {13, "Оценка: 3, C (2.0)", "C"},
        {14, "Оценка: 3, C+ (2.33)", "C+"}, {15, "Оценка: 4, B- (2.67)", "B-"},
        {16, "Оценка: 4, B (3.0)", "B"},    {17, "Оценка: 4, B+ (3.33)", "B+"},
        {18, "Оценка: 5, A- (3.67)", "A-"}, {19, "Оценка: 5, A (4.0)", "A"},
        {20, "Оценка: 5, A (4.0)", "A"},
    };
    fillBank(100, QStringLiteral("C"));
    openWindows();
    for (const Row& row : cases) {
        SCOPED_TRACE(row.correct);
        exec("DELETE FROM result");
        start(QStringLiteral("Иванов"));
        // Right answers in the first slots, wrong ones after, the last slot unanswered
        // unless every slot must be right.
        for (int slot = 1; slot <= 20; ++slot) {
            clickQuestion(slot);
            if (slot <= row.correct)
                chooseLetter(2);
            else if (slot < 20)
                chooseLetter(slot % 2 == 0 ? 0 : 4);
        }
        handIn();

        EXPECT_EQ(resultLabel(2)->text(), QStringLiteral("Верно: %1").arg(row.correct));
        EXPECT_EQ(resultLabel(3)->text(), QString::fromUtf8(row.label));
        EXPECT_EQ(resultLabel(1)->text(), QStringLiteral("Иванов"));
        const auto results = rows("SELECT fio, data, kol, ocenka FROM result");
        ASSERT_EQ(results.size(), 1);
        EXPECT_EQ(results[0], (QVector<QVariant>{"Иванов", QDate::currentDate().toString(Qt::ISODate), 20,
                                                 QString::fromUtf8(row.letter)}));
    }
    EXPECT_TRUE(m_dialogs->boxes.isEmpty()) << m_dialogs->messages().join(" | ").toStdString();
}

TEST_F(GradingTest, AHandInShowsTheResultBoxInPlaceOfTheMemo)
{
    fillBank(20);
    openWindows();
    start();
    clickQuestion(1);
    EXPECT_EQ(resultLabel(1)->text(), QStringLiteral("Верно"));
    EXPECT_EQ(resultLabel(3)->text(), QStringLiteral("Оценка"));
    EXPECT_FALSE(resultBox()->isVisible());

    handIn();

    EXPECT_FALSE(memo()->isVisible());
    EXPECT_TRUE(resultBox()->isVisible());
    EXPECT_EQ(resultBox()->title(), QStringLiteral("Результат тестирования "));
    EXPECT_EQ(resultLabel(3)->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(resultLabel(2)->layoutDirection(), Qt::LeftToRight);
    EXPECT_TRUE(questionButton(2)->isEnabled()) << "unopened questions stay open after a hand-in";
}

TEST_F(GradingTest, TwoHandInsGiveTwoRecordsAndTheNameIsTheEditsTextAtHandIn)
{
    fillBank(20, QStringLiteral("B"));
    openWindows();
    start(QStringLiteral("О'Нил"));
    clickQuestion(1);
    chooseLetter(1);

    handIn();
    handIn();
    m_form5->openEmpty(); // the main window's command empties the name
    handIn();
    nameEdit()->setText(QStringLiteral("Другое имя"));
    handIn();

    const QString today = QDate::currentDate().toString(Qt::ISODate);
    EXPECT_EQ(rows("SELECT fio, data, kol, ocenka FROM result ORDER BY rowid"),
              (QVector<QVector<QVariant>>{{"О'Нил", today, 20, "F"},
                                          {"О'Нил", today, 20, "F"},
                                          {"", today, 20, "F"},
                                          {"Другое имя", today, 20, "F"}}));
    EXPECT_EQ(resultLabel(1)->text(), QStringLiteral("Другое имя"));
    EXPECT_EQ(resultLabel(2)->text(), QStringLiteral("Верно: 1"));
    EXPECT_EQ(count("testing"), 20) << "the sheet is left as it was";
}

TEST_F(GradingTest, LettersChosenAfterAHandInCountAtTheNextHandIn)
{
    fillBank(20, QStringLiteral("E"));
    openWindows();
    start();
    handIn();
    EXPECT_EQ(resultLabel(2)->text(), QStringLiteral("Верно: 0"));

    chooseLetter(4); // the sheet stands on its last slot after the walk
    clickQuestion(3);
    chooseLetter(4);
    handIn();

    EXPECT_EQ(resultLabel(2)->text(), QStringLiteral("Верно: 2"));
    EXPECT_EQ(sheet()[19].value(2), QVariant("E"));
    EXPECT_EQ(sheet()[2].value(2), QVariant("E"));
    EXPECT_EQ(count("result"), 2);
}

TEST_F(GradingTest, OnlyAGivenLetterThatIsExactlyTheKeyCounts)
{
    // Each slot k asks question k (the sheet is written here, not drawn).
    struct Row {
        const char* key; // NULL: the bank has no key
        const char* chosen;
        bool counts;
    };
    const Row cases[] = {
        {"A", "A", true},
        {"A", "B", false},
        {"c", "C", false},          // a key in lower case never matches
        {"A", nullptr, false},      // unanswered
        {nullptr, nullptr, false},  // unanswered, and the bank has no key: still not right
        {"", nullptr, false},
        {"", "", false},
    };
    QString insertSheet = "INSERT INTO testing VALUES ";
    int slot = 0;
    int expected = 0;
    for (const Row& row : cases) {
        ++slot;
        const QString key = row.key ? QStringLiteral("'%1'").arg(row.key) : QStringLiteral("NULL");
        const QString chosen = row.chosen ? QStringLiteral("'%1'").arg(row.chosen) : QStringLiteral("NULL");
        exec(QStringLiteral("INSERT INTO test VALUES (%1, 'В', '1', '2', '3', '4', '5', %2)").arg(slot).arg(key));
        insertSheet += QStringLiteral("%1('%2', %2, %3)").arg(slot > 1 ? "," : "").arg(slot).arg(chosen);
        expected += row.counts ? 1 : 0;
    }
    exec(insertSheet);
    openWindows();
    m_form9->show();

    handIn();

    EXPECT_EQ(resultLabel(2)->text(), QStringLiteral("Верно: %1").arg(expected));
    EXPECT_TRUE(m_dialogs->boxes.isEmpty()) << m_dialogs->messages().join(" | ").toStdString();
}

TEST_F(GradingTest, ASlotWhoseQuestionIsMissingUsesTheQuestionLocatedBefore)
{
    fillBank(2);
    exec("UPDATE test SET otv = 'D' WHERE nom = 2");
    exec("INSERT INTO testing VALUES ('1', 2, 'D'), ('2', 99, 'D'), ('3', 1, 'D')");
    openWindows();
    m_form9->show();
    handIn();
    EXPECT_EQ(resultLabel(2)->text(), QStringLiteral("Верно: 2"));
}

TEST_F(GradingTest, MoreThanTwentyRightSlotsMatchNoBand)
{
    fillBank(1);
    QString insertSheet = "INSERT INTO testing VALUES ('1', 1, 'A')";
    for (int k = 2; k <= 21; ++k)
        insertSheet += QStringLiteral(", ('%1', 1, 'A')").arg(k);
    exec(insertSheet);
    openWindows();
    m_form9->show();

    handIn();

    EXPECT_EQ(resultLabel(2)->text(), QStringLiteral("Верно: 21"));
    EXPECT_EQ(resultLabel(3)->text(), QStringLiteral("Оценка")) << "the label keeps its text";
    EXPECT_EQ(rows("SELECT ocenka FROM result"), (QVector<QVector<QVariant>>{{""}}));
}

TEST_F(GradingTest, AFailedPostIsReportedAndLeavesTheMemoShown)
{
    fillBank(20);
    openWindows();
    start(QStringLiteral("Иванов"));
    exec("DROP TABLE result");
    m_dialogs->clear();

    handIn();

    ASSERT_EQ(m_dialogs->boxes.size(), 1);
    EXPECT_EQ(m_dialogs->boxes[0].icon, Dialogs::Icon::Error);
    EXPECT_EQ(resultLabel(1)->text(), QStringLiteral("Иванов")) << "the labels were set before the post";
    EXPECT_TRUE(memo()->isVisible());
    EXPECT_FALSE(resultBox()->isVisible());
}
