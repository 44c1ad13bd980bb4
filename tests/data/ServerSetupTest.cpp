#include "data/CourseBackendFixture.h"
#include "data/CourseSchema.h"

namespace {

qint64 count(Connection& connection, const QString& table)
{
    return connection.execute(QStringLiteral("SELECT count(*) FROM ") + table).rows.value(0).value(0).toLongLong();
}

TEST(ServerSetup, CopiesEveryTableOfTheFileThenRefusesASecondTime)
{
    VESTRON_REQUIRE_PG_SERVER();
    PgTestServer& server = PgTestServer::shared();
    TestDatabase file(TestDatabase::Content::WithSeed);
    file.exec(QStringLiteral("INSERT INTO rezult VALUES ('Иванов', 'ИС-1', '50', 'a', 'b');"
                             "INSERT INTO result (fio, data, kol, ocenka) VALUES ('Петров', '2026-01-02', 20, '5');"
                             "INSERT INTO otvety VALUES ('Иванов', 'ИС-1', 'a', 1, 'A', 1);"));
    const QString database = server.createDatabase();
    const SetupRun first = runSetup(server.connection(database), file.file());
    ASSERT_EQ(first.code, ServerSetup::Done) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("vestron_student"))) << "it says what it did";

    Connection course;
    course.setServer(server.connection(database));
    for (const CourseSchema::Table& table : CourseSchema::tables())
        EXPECT_EQ(count(course, table.name), file.count(table.name)) << table.name.toStdString();
    EXPECT_EQ(count(course, QStringLiteral("otvety")), 1);
    EXPECT_EQ(course.execute(QStringLiteral("SELECT pas FROM params")).rows.value(0).value(0).toLongLong(), 1234);

    course.execute(QStringLiteral("UPDATE params SET vrem = 99"));
    const SetupRun second = runSetup(server.connection(database), file.file());
    EXPECT_EQ(second.code, ServerSetup::CourseExists);
    EXPECT_TRUE(second.err.contains(QStringLiteral("уже есть курс"))) << second.err.toStdString();
    EXPECT_EQ(course.execute(QStringLiteral("SELECT vrem FROM params")).rows.value(0).value(0).toLongLong(), 99)
        << "nothing changed";
    EXPECT_EQ(count(course, QStringLiteral("temi")), file.count(QStringLiteral("temi"))) << "nothing copied twice";
}

TEST(ServerSetup, FailureLeavesTheDatabaseEmpty)
{
    VESTRON_REQUIRE_PG_SERVER();
    PgTestServer& server = PgTestServer::shared();
    const QString database = server.createDatabase();
    const struct {
        const char* name;
        QString connection;
        QString file;
    } rows[] = {
        {"no such course file", server.connection(database), QStringLiteral("/nonexistent/dbase.sqlite")},
        {"no such database", server.connection(QStringLiteral("no_such_database")), QString()},
        {"nothing listens there", QStringLiteral("host=/nonexistent port=1 dbname=x connect_timeout=2"), QString()},
    };
    for (const auto& row : rows) {
        const SetupRun run = runSetup(row.connection, row.file);
        EXPECT_EQ(run.code, ServerSetup::Failed) << row.name;
        EXPECT_FALSE(run.err.isEmpty()) << row.name;
    }
    Connection course;
    course.setServer(server.connection(database));
    EXPECT_TRUE(course.execute(QStringLiteral("SELECT 1 FROM pg_tables WHERE schemaname = 'public'")).rows.isEmpty())
        << "the failed set-up left no table behind";
}

} // namespace
