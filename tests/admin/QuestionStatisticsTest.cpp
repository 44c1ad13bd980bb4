#include "admin/QuestionStatistics.h"

#include <gtest/gtest.h>

namespace {

AnswerLog::Answer answer(const char* student, qint64 id, const char* letter, bool right)
{
    AnswerLog::Answer a;
    a.attempt = {QString::fromUtf8(student), QStringLiteral("ИС-21"), QStringLiteral("14.03.2026 09:30:00")};
    a.questionId = id;
    a.letter = QString::fromLatin1(letter);
    a.right = right;
    return a;
}

} // namespace

// Four attempts; keys q1 A, q2 B, q3 C, q4 D, q5 E.
//
//          q1   q2   q3   q4   q5   score
//   P1     A+   C-   D-   D+   .      2
//   P2     A+   A-   C+   D+   A-     3
//   P3     A+   C-   C+   E-   .      2
//   P4     A+   D-   .    A-   E+     2
//
// 27 % of 4 attempts is 1.08, so each group is one attempt: P2 on top; of the three
// with 2, P4 began last and is the lower group.
//   q1: 4 answered, 4 right, facility 1.00, D = 1/1 - 1/1 = 0     -> everybody right
//   q2: 4 answered, 0 right, facility 0.00, D = 0/1 - 0/1 = 0     -> nobody right
//   q3: 3 answered, 2 right, facility 0.67, P4 did not answer     -> no D
//   q4: 4 answered, 2 right, facility 0.50, D = 1/1 - 0/1 = 1     -> sound
//   q5: 2 answered, 1 right, facility 0.50, D = 0/1 - 1/1 = -1    -> negative
TEST(QuestionStatistics, HandComputedSet)
{
    const QVector<AnswerLog::Answer> answers = {
        answer("P1", 1, "A", true), answer("P1", 2, "C", false), answer("P1", 3, "D", false), answer("P1", 4, "D", true),
        answer("P2", 1, "A", true), answer("P2", 2, "A", false), answer("P2", 3, "C", true), answer("P2", 4, "D", true),
        answer("P2", 5, "A", false),
        answer("P3", 1, "A", true), answer("P3", 2, "C", false), answer("P3", 3, "C", true), answer("P3", 4, "E", false),
        answer("P4", 1, "A", true), answer("P4", 2, "D", false), answer("P4", 4, "A", false), answer("P4", 5, "E", true),
    };
    const QVector<QuestionStatistics> rows = QuestionStatistics::compute(answers);
    ASSERT_EQ(rows.size(), 5);

    struct Expected {
        qint64 id;
        int answered;
        int right;
        double facility;
        std::optional<double> discrimination;
        const char* review;
    };
    const Expected expected[] = {
        {1, 4, 4, 1.0, 0.0, "все ответили верно"},
        {2, 4, 0, 0.0, 0.0, "никто не ответил верно"},
        {3, 3, 2, 2.0 / 3.0, std::nullopt, ""},
        {4, 4, 2, 0.5, 1.0, ""},
        {5, 2, 1, 0.5, -1.0, "отрицательная дискриминация"},
    };
    for (int i = 0; i < 5; ++i) {
        const QuestionStatistics& row = rows.at(i);
        const Expected& e = expected[i];
        EXPECT_EQ(row.id, e.id);
        EXPECT_EQ(row.answered, e.answered) << "q" << e.id;
        EXPECT_EQ(row.right, e.right) << "q" << e.id;
        EXPECT_DOUBLE_EQ(row.facility, e.facility) << "q" << e.id;
        EXPECT_EQ(row.discrimination.has_value(), e.discrimination.has_value()) << "q" << e.id;
        if (row.discrimination && e.discrimination) {
            EXPECT_DOUBLE_EQ(*row.discrimination, *e.discrimination) << "q" << e.id;
        }
        EXPECT_EQ(row.reviewReasons.join(u';'), QString::fromUtf8(e.review)) << "q" << e.id;
    }
    EXPECT_EQ(rows.at(1).letters, (std::array<int, 5>{1, 0, 2, 1, 0}));
    EXPECT_EQ(QuestionStatistics::countAttempts(answers), 4);
}

// The same name and group at another start time is another attempt.
TEST(QuestionStatistics, AnAttemptIsNameGroupAndStart)
{
    AnswerLog::Answer first = answer("Иванов", 1, "A", true);
    AnswerLog::Answer again = answer("Иванов", 1, "B", false);
    again.attempt.started = QStringLiteral("15.03.2026 09:30:00");
    const QVector<QuestionStatistics> rows = QuestionStatistics::compute({first, again});
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.front().answered, 2);
    ASSERT_TRUE(rows.front().discrimination.has_value());
    EXPECT_DOUBLE_EQ(*rows.front().discrimination, 1.0);
    EXPECT_TRUE(QuestionStatistics::compute({}).isEmpty());
}

TEST(QuestionStatistics, GroupIs27PercentRoundedHalfToEven)
{
    const std::pair<int, int> rows[] = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {10, 3}, {50, 14}, {100, 27}, {150, 40}};
    for (const auto& [attempts, size] : rows)
        EXPECT_EQ(QuestionStatistics::groupSize(attempts), size) << attempts;
}
