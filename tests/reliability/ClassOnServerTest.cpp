// A class of thirty students on one server, each in a driver process of its own, handing
// in both tests at the same moment: every result is there once, and each grade is the one
// the student's own answers on the server give.
#include "DriverRun.h"

#include "common/PgTestServer.h"
#include "data/Connection.h"
#include "data/ServerSetup.h"

#include <gtest/gtest.h>

#include <QTextStream>

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int kStudents = 30;

struct Promised {
    QString fio;
    qint64 correct = 0;
    QString letter;
    QString timedFio;
    qint64 percentage = -1;
};

Promised promisedBy(const QStringList& lines)
{
    Promised promised;
    for (const QString& line : lines) {
        const QStringList fields = line.split(u'\t');
        if (fields.first() == QLatin1String("R") && fields.size() == 4)
            promised = {fields.at(1), fields.at(2).toLongLong(), fields.at(3), promised.timedFio, promised.percentage};
        if (fields.first() == QLatin1String("Z") && fields.size() == 4) {
            promised.timedFio = fields.at(1);
            promised.percentage = fields.at(3).toLongLong();
        }
    }
    return promised;
}

TEST(ClassOnServer, ThirtyStudentsHandInAtOnceAndLoseNothing)
{
    VESTRON_REQUIRE_PG_SERVER();
    PgTestServer& server = PgTestServer::shared();
    DriverFolder folder;
    const QString database = server.createDatabase();
    QString text;
    QTextStream out(&text);
    ASSERT_EQ(ServerSetup::run(server.connection(database), folder.database(), out, out), ServerSetup::Done)
        << text.toStdString();
    Connection course;
    course.setServer(server.connection(database));
    const auto rows = [&](const SqlText& sql) { return course.execute(sql).rows; };
    // Three logins for thirty students: a lab may well share one login among many PCs.
    const QStringList logins = {server.createLogin(database, "vestron_student"), server.createLogin(database, "vestron_student"),
                                server.createLogin(database, "vestron_student")};

    std::vector<std::unique_ptr<DriverRun>> students;
    for (int i = 0; i < kStudents; ++i) {
        qputenv("VESTRON_DATABASE", server.connection(database, logins.at(i % logins.size())).toUtf8());
        students.push_back(std::make_unique<DriverRun>(
            folder.path(), QStringList{QStringLiteral("--student"), QString::number(i), QString::number(1000 + i)}));
    }
    qunsetenv("VESTRON_DATABASE");
    for (auto& student : students)
        ASSERT_TRUE(student->waitForLine(QStringLiteral("READY"), 180000)) << student->errors().toStdString();
    for (auto& student : students)
        student->send("GO\n");
    std::vector<Promised> promised;
    for (auto& student : students) {
        ASSERT_EQ(student->finish(180000), 0) << student->lines().join(u'\n').toStdString() << student->errors().toStdString();
        promised.push_back(promisedBy(student->lines()));
    }

    EXPECT_EQ(rows(QStringLiteral("SELECT count(*) FROM result")).value(0).value(0).toLongLong(), kStudents);
    EXPECT_EQ(rows(QStringLiteral("SELECT count(*) FROM rezult")).value(0).value(0).toLongLong(), kStudents);
    const qint64 count = rows(QStringLiteral("SELECT kolvo FROM params")).value(0).value(0).toLongLong();
    for (const Promised& student : promised) {
        const auto fixed = rows({QStringLiteral("SELECT ocenka, attempt FROM result WHERE fio = ?"), {student.fio}});
        ASSERT_EQ(fixed.size(), 1) << student.fio.toStdString();
        EXPECT_EQ(fixed.at(0).at(0).toString(), student.letter) << student.fio.toStdString();
        // The attempt's own sheet on the server, checked against the bank there.
        const auto sheet = rows({QStringLiteral("SELECT count(*), count(*) FILTER (WHERE s.otv = t.otv) FROM testing s "
                                                "LEFT JOIN test t ON t.nom = s.nom1 WHERE s.attempt = ?"),
                                 {fixed.at(0).at(1)}});
        EXPECT_EQ(sheet.value(0).value(0).toLongLong(), 20) << student.fio.toStdString();
        EXPECT_EQ(sheet.value(0).value(1).toLongLong(), student.correct) << student.fio.toStdString();

        const auto timed = rows({QStringLiteral("SELECT procent, attempt FROM rezult WHERE fio = ?"), {student.timedFio}});
        ASSERT_EQ(timed.size(), 1) << student.timedFio.toStdString();
        EXPECT_EQ(timed.at(0).at(0).toLongLong(), student.percentage) << student.timedFio.toStdString();
        const auto answers = rows({QStringLiteral("SELECT count(*), sum(pravilno) FROM otvety WHERE attempt = ?"),
                                   {timed.at(0).at(1)}});
        ASSERT_EQ(answers.value(0).value(0).toLongLong(), count) << student.timedFio.toStdString();
        EXPECT_EQ(std::nearbyint(answers.value(0).value(1).toLongLong() * 100.0 / double(count)), double(student.percentage))
            << student.timedFio.toStdString();
    }
}

} // namespace
