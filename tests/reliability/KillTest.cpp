// The program killed with SIGKILL at seeded random moments while a student and a teacher
// work in it, and started again each time: the database stays consistent and keeps every
// row the program had written before the kill. VESTRON_KILLS and VESTRON_KILL_SEED change
// the number of kills and the seed.
#include "DriverRun.h"
#include "ResultRows.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <random>

namespace {

int setting(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

TEST(KillTest, EveryRowWrittenBeforeAKillSurvivesAndNothingIsHalfWritten)
{
    const int kills = setting("VESTRON_KILLS", 50);
    const quint32 seed = quint32(setting("VESTRON_KILL_SEED", 20261209));
    std::mt19937 random(seed);
    DriverFolder folder;
    ResultRows promised;
    int killedDuringStartUp = 0;
    int killedAtWork = 0;

    for (int kill = 0; kill < kills; ++kill) {
        const QString tag = QStringLiteral("k%1").arg(kill);
        SCOPED_TRACE(tag.toStdString());
        DriverRun run(folder.path(), {tag, QString::number(random()), QStringLiteral("0")});
        // One kill in seven lands while the windows and the connections are being made.
        const bool duringStartUp = random() % 7 == 0;
        if (!duringStartUp) {
            ASSERT_TRUE(run.waitForLine(QStringLiteral("READY"), 120000)) << run.errors().toStdString();
        }
        const int delay = int(random() % (duringStartUp ? 1500 : 2500));
        ASSERT_TRUE(run.runFor(delay)) << "ended by itself: " << run.errors().toStdString();
        run.kill();
        const QStringList lines = run.lines();
        promised.take(lines);
        (lines.contains(QStringLiteral("READY")) ? killedAtWork : killedDuringStartUp) += 1;
        for (const QString& line : lines)
            ASSERT_FALSE(line.startsWith(u'E')) << line.toStdString();

        // Checked after every kill, so a fault is caught at the kill that made it.
        ResultRows::Database db(folder.database());
        ASSERT_EQ(db.integrity(), QStringLiteral("ok"));
        const QString problem = promised.problemIn(db);
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    }
    EXPECT_GE(promised.count(), kills) << "the kills came too early to test anything";
    std::printf("%d kills (%d during start-up), %d rows written before them\n", kills, killedDuringStartUp,
                int(promised.count()));

    DriverRun check(folder.path(), {QStringLiteral("--main")});
    EXPECT_TRUE(check.waitForLine(QStringLiteral("MAIN"), 120000)) << check.errors().toStdString();
    EXPECT_EQ(check.finish(60000), 0);
}

} // namespace
