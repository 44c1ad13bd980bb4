// A timed test killed halfway keeps the answers given so far. The test program starts a
// copy of itself that runs only the child case below, waits until it has answered three
// questions, and kills it.
#include "common/TestDatabase.h"
#include "ui/Globals.h"
#include "platform/ProgramFolder.h"
#include "common/ScriptedDialogs.h"
#include "testing/TForm1.h"

#include <QCoreApplication>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const char* const kChildFolder = "VESTRON_KILL_CHILD_FOLDER";

} // namespace

TEST(TimedTestKill, ChildAnswersThenWaits)
{
    if (qEnvironmentVariableIsEmpty(kChildFolder))
        GTEST_SKIP() << "run by AnswersSurviveAKill only";
    ScriptedDialogs dialogs;
    ProgramFolder::setPathForTesting(qEnvironmentVariable(kChildFolder));
    QWidget mainWindow;
    TForm1 form;
    form.FormCreate();
    form.setMainWindow(&mainWindow);
    Form1 = &form;
    TimedTestFio = QStringLiteral("Студент");
    TimedTestGruppa = QStringLiteral("ИС-21");
    form.show();
    ASSERT_TRUE(form.isTestRunning());
    for (int i = 0; i < 3; ++i) {
        form.findChild<QPushButton*>(QStringLiteral("Button5"))->click(); // "A"
        form.findChild<QPushButton*>(QStringLiteral("Button3"))->click(); // ">>"
    }
    std::printf("answered\n");
    std::fflush(stdout);
    for (;;)
        QTest::qWait(50);
}

TEST(TimedTestKill, AnswersSurviveAKill)
{
    TestDatabase database;
    database.exec(QStringLiteral("INSERT INTO params VALUES (1, 15, 5, 1234)"));
    for (int id = 1; id <= 5; ++id)
        database.exec(QStringLiteral("INSERT INTO questions VALUES (%1, 'Вопрос %1'); INSERT INTO keys VALUES (%1, '%2')")
                          .arg(id)
                          .arg(id % 2 ? QStringLiteral("A") : QStringLiteral("B")));

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildFolder), database.folder());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=TimedTestKill.ChildAnswersThenWaits")});
    ASSERT_TRUE(child.waitForStarted(30000));
    QByteArray output;
    while (!output.contains("answered") && child.state() == QProcess::Running && child.waitForReadyRead(60000))
        output += child.readAllStandardOutput();
    ASSERT_TRUE(output.contains("answered")) << output.constData() << child.readAllStandardError().constData();
    child.kill();
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    // Three answers, all "A", each right exactly when its question's key is "A".
    const auto rows = database.rows(QStringLiteral(
        "SELECT o.fio, o.gruppa, o.otv, o.pravilno, k.\"key\" FROM otvety o JOIN keys k USING (id)"));
    ASSERT_EQ(rows.size(), 3);
    for (const QVector<QVariant>& row : rows) {
        EXPECT_EQ(row.at(0).toString(), QStringLiteral("Студент"));
        EXPECT_EQ(row.at(1).toString(), QStringLiteral("ИС-21"));
        EXPECT_EQ(row.at(2).toString(), QStringLiteral("A"));
        EXPECT_EQ(row.at(3).toLongLong(), row.at(4).toString() == QLatin1String("A") ? 1 : 0);
    }
    EXPECT_EQ(database.count(QStringLiteral("rezult")), 0) << "the test never finished";
}
