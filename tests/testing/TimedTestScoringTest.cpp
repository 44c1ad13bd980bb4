#include "TimedTestFixture.h"

#include "data/Query.h"
#include "testing/RandomGenerator.h"
#include "testing/TimedTestScoring.h"
#include "testing/TimedTestSheet.h"

#include <QLocale>

TEST(TimedTestScoring, PercentagesRoundHalfToEvenAndPickTheGrade)
{
    struct Row {
        int correct;
        int count;
        int percentage;
        const char* grade;
    };
    const Row rows[] = {
        {9, 10, 90, "ОТЛИЧНО!"},
        {2, 3, 67, "УДОВЛЕТВОРИТЕЛЬНО!"},
        {6, 8, 75, "ХОРОШО!"},
        {5, 8, 62, "УДОВЛЕТВОРИТЕЛЬНО!"}, // 62.5 goes to the even 62
        {4, 8, 50, "УДОВЛЕТВОРИТЕЛЬНО!"},
        {3, 8, 38, "НЕУДОВЛЕТВОРИТЕЛЬНО!"}, // 37.5 goes to the even 38
        {5, 7, 71, "УДОВЛЕТВОРИТЕЛЬНО!"},
        {1, 8, 12, "НЕУДОВЛЕТВОРИТЕЛЬНО!"},
        {7, 8, 88, "ХОРОШО!"}, // 87.5 goes to the even 88
        {10, 10, 100, "ОТЛИЧНО!"},
        {0, 5, 0, "НЕУДОВЛЕТВОРИТЕЛЬНО!"},
        {0, 0, 0, "НЕУДОВЛЕТВОРИТЕЛЬНО!"}, // no questions: no division by zero
    };
    for (const Row& row : rows) {
        const int p = TimedTestScoring::percentage(row.correct, row.count);
        EXPECT_EQ(p, row.percentage) << row.correct << "/" << row.count;
        EXPECT_EQ(TimedTestScoring::gradeText(p), QString::fromUtf8(row.grade)) << row.correct << "/" << row.count;
    }
}

TEST(TimedTestScoring, GradeBandEdges)
{
    struct Row {
        int percentage;
        const char* grade;
    };
    const Row rows[] = {
        {101, "НЕУДОВЛЕТВОРИТЕЛЬНО!"}, {100, "ОТЛИЧНО!"}, {90, "ОТЛИЧНО!"}, {89, "ХОРОШО!"},
        {75, "ХОРОШО!"}, {74, "УДОВЛЕТВОРИТЕЛЬНО!"}, {50, "УДОВЛЕТВОРИТЕЛЬНО!"},
        {49, "НЕУДОВЛЕТВОРИТЕЛЬНО!"}, {0, "НЕУДОВЛЕТВОРИТЕЛЬНО!"}, {-1, "НЕУДОВЛЕТВОРИТЕЛЬНО!"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TimedTestScoring::gradeText(row.percentage), QString::fromUtf8(row.grade)) << row.percentage;
}

TEST(TimedTestScoring, MessageHasNoBlankBeforePercentAndLineFeedThenCarriageReturn)
{
    const QString message = TimedTestScoring::resultMessage(62);
    EXPECT_EQ(message, QStringLiteral("Ваш результат: 62%") + QChar(10) + QChar(13)
                           + QStringLiteral("Ваша оценка: УДОВЛЕТВОРИТЕЛЬНО!"));
}

TEST(TimedTestSheet, DrawsEveryQuestionOnceAndKnowsNothingOutsideItsPositions)
{
    RandomGenerator::reseed(12345);
    TimedTestSheet sheet;
    sheet.start({1, 2, 3, 4, 5});
    ASSERT_EQ(sheet.count(), 5);
    QVector<int> seen(6, 0);
    for (int position = 1; position <= 5; ++position)
        ++seen[sheet.questionAt(position)];
    EXPECT_EQ(seen, (QVector<int>{0, 1, 1, 1, 1, 1}));
    EXPECT_EQ(sheet.questionAt(0), 0);

    // The same draws over other ids take the drawn-th id: 2r for the ids 2, 4, … 10.
    RandomGenerator::reseed(12345);
    TimedTestSheet other;
    other.start({2, 4, 6, 8, 10});
    for (int position = 1; position <= 5; ++position)
        EXPECT_EQ(other.questionAt(position), 2 * sheet.questionAt(position)) << position;
    EXPECT_EQ(sheet.questionAt(6), 0);
    sheet.setAnswer(6, QStringLiteral("A"));
    sheet.setAnswer(0, QStringLiteral("A"));
    EXPECT_EQ(sheet.unansweredCount(), 5);
    sheet.setAnswer(5, QStringLiteral("E"));
    EXPECT_EQ(sheet.answerAt(5), QStringLiteral("E"));
    EXPECT_EQ(sheet.unansweredCount(), 4);

    // The same seed gives the same order: the draw uses only the process's generator.
    QVector<int> first;
    for (int position = 1; position <= 5; ++position)
        first << sheet.questionAt(position);
    RandomGenerator::reseed(12345);
    sheet.start({1, 2, 3, 4, 5});
    QVector<int> second;
    for (int position = 1; position <= 5; ++position)
        second << sheet.questionAt(position);
    EXPECT_EQ(first, second);
    EXPECT_EQ(sheet.unansweredCount(), 5);

    sheet.reset();
    EXPECT_EQ(sheet.count(), 0);
    EXPECT_EQ(sheet.unansweredCount(), 0);
}

class TimedTestStore : public TimedTestFixture
{
protected:
    Query& query() { return form->data().ADOQuery1; }
};

TEST_F(TimedTestStore, KeysMatchExactlyAndMissingKeysNeverMatch)
{
    makeForm();
    exec(QStringLiteral("INSERT INTO keys VALUES (1, 'A'), (2, 'a'), (3, NULL), (4, ''), (6, 'B ')"));
    RandomGenerator::reseed(7);
    TimedTestSheet sheet;
    sheet.start({1, 2, 3, 4, 5, 6});
    struct Row {
        int id;
        const char* answer;
        bool counts;
        const char* why;
    };
    const Row rows[] = {
        {1, "A", true, "the key itself"},
        {2, "A", false, "key 'a' is not 'A'"},
        {3, "A", false, "NULL key"},
        {4, "", false, "empty key and no answer"},
        {5, "A", false, "no key record"},
        {6, "B", false, "a blank after the key"},
    };
    const TimedTestSheet blank = sheet;
    int expectedTotal = 0;
    for (const Row& row : rows) {
        // One answered position at a time, then all together.
        TimedTestSheet single = blank;
        for (int position = 1; position <= 6; ++position) {
            if (sheet.questionAt(position) == row.id) {
                single.setAnswer(position, QLatin1String(row.answer));
                sheet.setAnswer(position, QLatin1String(row.answer));
            }
        }
        EXPECT_EQ(TimedTestScoring::countCorrect(query(), single), row.counts ? 1 : 0) << row.why;
        expectedTotal += row.counts ? 1 : 0;
    }
    EXPECT_EQ(TimedTestScoring::countCorrect(query(), sheet), expectedTotal);
}

TEST_F(TimedTestStore, StoredRowHasFiveQuotedTexts)
{
    makeForm();
    struct Row {
        const char* fio;
        const char* gruppa;
    };
    const Row rows[] = {{"", ""}, {"О'Нил", "ИС-1'2"}, {"Иванов И. И.", "ПМ-31"}, {"''", "'"}};
    for (const Row& row : rows) {
        exec(QStringLiteral("DELETE FROM rezult"));
        TimedTestScoring::storeResult(query(), QString::fromUtf8(row.fio), QString::fromUtf8(row.gruppa), 7,
                                      QStringLiteral("14.03.2026 9:30:00"), QStringLiteral("14.03.2026 9:45:00"));
        EXPECT_EQ(number(QStringLiteral("SELECT count(*) FROM rezult")), 1) << row.fio;
        EXPECT_EQ(text(QStringLiteral("SELECT fio FROM rezult")), QString::fromUtf8(row.fio));
        EXPECT_EQ(text(QStringLiteral("SELECT gruppa FROM rezult")), QString::fromUtf8(row.gruppa));
        // Texts, never NULL and never numbers, even when empty.
        EXPECT_EQ(text(QStringLiteral("SELECT typeof(fio) || typeof(gruppa) || typeof(procent) || "
                                      "typeof(vrem_nachala) || typeof(vrem_okonchaniya) FROM rezult")),
                  QStringLiteral("texttexttexttexttext"))
            << row.fio;
        EXPECT_EQ(text(QStringLiteral("SELECT procent FROM rezult")), QStringLiteral("7"));
        EXPECT_EQ(text(QStringLiteral("SELECT vrem_okonchaniya FROM rezult")), QStringLiteral("14.03.2026 9:45:00"));
    }
}

TEST_F(TimedTestStore, EmptyNameAndGroupFromCodeAreStoredEmpty)
{
    addQuestions(1);
    setParams(QStringLiteral("5"), QStringLiteral("1"));
    ASSERT_TRUE(startTest());
    form->close();
    EXPECT_EQ(text(QStringLiteral("SELECT typeof(fio) || '/' || fio || '/' || typeof(gruppa) || '/' || gruppa "
                                  "FROM rezult")),
              QStringLiteral("text//text/"));
    EXPECT_EQ(text(QStringLiteral("SELECT procent FROM rezult")), QStringLiteral("0"));
}

// Zone fields leave the long time format; quoted letters and the rest stay.
TEST(TimedTestScoring, TimeFormatsLoseTheirZone)
{
    const struct {
        const char* format;
        const char* expected;
    } rows[] = {
        {"H:mm:ss t", "H:mm:ss"},
        {"HH:mm:ss tttt", "HH:mm:ss"},
        {"t HH:mm:ss", "HH:mm:ss"},
        {"h:mm:ss AP 'at' t", "h:mm:ss AP 'at'"},
        {"HH:mm:ss", "HH:mm:ss"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TimedTestScoring::timeFormatWithoutZone(QLatin1String(row.format)), QLatin1String(row.expected))
            << row.format;
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QTime time(9, 30, 0);
    EXPECT_EQ(russian.toString(time, TimedTestScoring::timeFormatWithoutZone(russian.timeFormat(QLocale::LongFormat))),
              QStringLiteral("09:30:00"));
}
