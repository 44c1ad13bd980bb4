// Two copies of the program on one database at the same time, both worked without pause:
// both keep working to the end, every row either wrote is there, and the only faults are
// the ones one copy's work makes for the other, each told in Russian.
#include "DriverRun.h"
#include "ResultRows.h"

#include <gtest/gtest.h>

namespace {

TEST(TwoCopiesTest, BothKeepWorkingAndNeitherLosesARow)
{
    const int rounds = 12;
    DriverFolder folder;
    DriverRun first(folder.path(), {QStringLiteral("a"), QStringLiteral("1"), QString::number(rounds)});
    DriverRun second(folder.path(), {QStringLiteral("b"), QStringLiteral("2"), QString::number(rounds)});
    ASSERT_EQ(first.finish(600000), 0) << first.errors().toStdString();
    ASSERT_EQ(second.finish(600000), 0) << second.errors().toStdString();

    ResultRows promised;
    int written[2] = {0, 0};
    int faults = 0;
    for (DriverRun* run : {&first, &second}) {
        const QStringList lines = run->lines();
        promised.take(lines);
        for (const QString& line : lines) {
            if (line.startsWith(QLatin1String("R\t")))
                ++written[run == &second];
            if (!line.startsWith(u'E'))
                continue;
            ++faults;
            // The fixed test's answer sheet is one per database: the other copy's new
            // attempt may empty it under this one. Nothing else may fail.
            EXPECT_TRUE(line.contains(QStringLiteral("её удалили"))) << line.toStdString();
        }
    }
    std::printf("rows written: %d and %d fixed-test results; %d answer-sheet clashes\n", written[0], written[1],
                faults);
    EXPECT_GT(written[0], 0);
    EXPECT_GT(written[1], 0);

    ResultRows::Database db(folder.database());
    EXPECT_EQ(db.integrity(), QStringLiteral("ok"));
    const QString problem = promised.problemIn(db);
    EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
}

} // namespace
