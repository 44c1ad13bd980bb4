// The program killed with SIGKILL at seeded random moments while a student and a teacher
// work in it, and started again each time: the database stays consistent and keeps every
// row the program had written before the kill. VESTRON_KILLS and VESTRON_KILL_SEED change
// the number of kills and the seed.
#include "DriverRun.h"
#include "ResultRows.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <random>

namespace {

// Where a kill landed: before the program's own start-up code ran (Qt and the process
// starting), while the windows and the connections were being made, or at work.
enum Phase { BeforeWindows, MakingWindows, AtWork, PhaseCount };

Phase phaseOf(const QStringList& lines)
{
    if (lines.contains(QStringLiteral("READY")))
        return AtWork;
    return lines.contains(QStringLiteral("STARTING")) ? MakingWindows : BeforeWindows;
}

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
    std::array<int, PhaseCount> landed{};
    int aimedAtStartUp = 0;
    // When the last run that reached its work showed each start-up line, from its start:
    // a start-up kill is aimed between them.
    qint64 startingAt = 0;
    qint64 readyAt = 0;

    for (int kill = 0; kill < kills; ++kill) {
        const QString tag = QStringLiteral("k%1").arg(kill);
        SCOPED_TRACE(tag.toStdString());
        QElapsedTimer clock;
        clock.start();
        DriverRun run(folder.path(), {tag, QString::number(random()), QStringLiteral("0")});
        // One kill in seven is aimed at the making of the windows and the connections, once
        // a run has shown how long that takes.
        const bool duringStartUp = random() % 7 == 0 && readyAt > 0;
        int delay = 0;
        if (duringStartUp) {
            ++aimedAtStartUp;
            const qint64 span = std::max<qint64>(1, readyAt - startingAt);
            delay = int(startingAt + qint64(random() % quint64(span)));
        } else {
            ASSERT_TRUE(run.waitForLine(QStringLiteral("STARTING"), 120000)) << run.errors().toStdString();
            startingAt = clock.elapsed();
            ASSERT_TRUE(run.waitForLine(QStringLiteral("READY"), 120000)) << run.errors().toStdString();
            readyAt = clock.elapsed();
            delay = int(random() % 2500);
        }
        ASSERT_TRUE(run.runFor(duringStartUp ? int(std::max<qint64>(0, delay - clock.elapsed())) : delay))
            << "ended by itself: " << run.errors().toStdString();
        run.kill();
        const QStringList lines = run.lines();
        promised.take(lines);
        landed[phaseOf(lines)] += 1;
        for (const QString& line : lines)
            ASSERT_FALSE(line.startsWith(u'E')) << line.toStdString();

        // Checked after every kill, so a fault is caught at the kill that made it.
        ResultRows::Database db(folder.database());
        ASSERT_EQ(db.integrity(), QStringLiteral("ok"));
        const QString problem = promised.problemIn(db);
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    }
    EXPECT_GE(promised.count(), kills) << "the kills came too early to test anything";
    std::printf("%d kills, %d aimed at start-up; landed: %d before the windows, %d while the windows and "
                "connections were made, %d at work; %d rows written before them\n",
                kills, aimedAtStartUp, landed[BeforeWindows], landed[MakingWindows], landed[AtWork],
                int(promised.count()));
    // The aim is off when the start-up kills mostly miss the making of the windows.
    EXPECT_GE(landed[MakingWindows] * 2, aimedAtStartUp) << "start-up kills missed their phase";

    DriverRun check(folder.path(), {QStringLiteral("--main")});
    EXPECT_TRUE(check.waitForLine(QStringLiteral("MAIN"), 120000)) << check.errors().toStdString();
    EXPECT_EQ(check.finish(60000), 0);
}

} // namespace
