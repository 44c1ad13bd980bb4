#include "common/TestDatabase.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Query.h"
#include "data/SqlStatement.h"
#include "data/TableObject.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace {

QString journalMode(Connection& connection)
{
    SqlStatement statement(connection.handle(), QStringLiteral("PRAGMA journal_mode"));
    return statement.step() ? statement.value(0).toString() : QString();
}

TEST(ConnectionTest, OpensAnExistingFileWithTheRollbackJournal)
{
    TestDatabase db;
    db.exec("PRAGMA journal_mode=WAL"); // as an earlier version left it
    Connection connection;
    connection.setDatabasePath(db.file());
    connection.open();
    ASSERT_TRUE(connection.isOpen());
    EXPECT_EQ(journalMode(connection), QStringLiteral("delete"));
    sqlite3* handle = connection.handle();
    connection.open();
    EXPECT_EQ(connection.handle(), handle) << "opening an open connection does nothing";
    connection.setDatabasePath(db.folder() + QStringLiteral("other.sqlite"));
    EXPECT_FALSE(connection.isOpen()) << "a new path closes the old file";
}

TEST(ConnectionTest, UnusableFilesAreErrorsAndNothingIsCreated)
{
    TestDatabase db;
    QFile junk(db.folder() + QStringLiteral("junk.sqlite"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();

    const struct {
        const char* name;
        QString path;
        const char* message; // part of the message
    } rows[] = {
        {"missing file", db.folder() + QStringLiteral("absent.sqlite"), "не найден"},
        {"a folder", db.folder(), "не найден"},
        {"no path", QString(), "Не задан файл"},
        {"not a database", junk.fileName(), "не является базой данных"},
    };
    for (const auto& row : rows) {
        Connection connection;
        connection.setDatabasePath(row.path);
        try {
            connection.open();
            ADD_FAILURE() << row.name;
        } catch (const DataError& error) {
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(row.message))) << row.name << ": " << error.what();
        }
        EXPECT_FALSE(connection.isOpen()) << row.name;
    }
    EXPECT_FALSE(QFile::exists(db.folder() + QStringLiteral("absent.sqlite")));
}

TEST(ConnectionTest, TwoConnectionsWritingAlternatelyNeverFindTheFileLocked)
{
    TestDatabase db;
    Connection statements;
    Connection tables;
    statements.setDatabasePath(db.file());
    tables.setDatabasePath(db.file());
    Query query(statements);
    TableObject testing(tables, QStringLiteral("testing"));
    testing.open();
    for (int i = 1; i <= 50; ++i) {
        query.setSql(QStringLiteral("insert into rezult (fio) values ('%1')").arg(i));
        query.execSql();
        query.setSql(QStringLiteral("select count(*) as n from rezult"));
        query.open(); // the query stays open with its result while the table writes
        testing.insert();
        testing.setFieldValue("nom", QString::number(i));
        testing.next();
    }
    EXPECT_EQ(db.count("rezult"), 50);
    EXPECT_EQ(db.count("testing"), 50);
}

TEST(ConnectionTest, WaitsForAnotherWriterInsteadOfFailing)
{
    TestDatabase db;
    Connection connection;
    connection.setDatabasePath(db.file());
    connection.open();
    Query query(connection);

    db.exec("BEGIN IMMEDIATE; INSERT INTO rezult (fio) VALUES ('first')");
    std::thread other([&db] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        db.exec("COMMIT");
    });
    query.setSql(QStringLiteral("insert into rezult (fio) values ('second')"));
    EXPECT_NO_THROW(query.execSql());
    other.join();
    EXPECT_EQ(db.scalar("SELECT group_concat(fio) FROM rezult").toString(), QStringLiteral("first,second"));
}

// A copy of dbase.sqlite alone, taken by hand right after a write the user was told of,
// holds that write.
TEST(ConnectionTest, AHandCopyOfTheFileHoldsEveryReportedWrite)
{
    TestDatabase db;
    Connection connection;
    connection.setDatabasePath(db.file());
    Query reader(connection);
    reader.setSql(QStringLiteral("select count(*) from rezult"));
    reader.open(); // a reader stays open beside the writes
    const QString copy = db.folder() + QStringLiteral("copy.sqlite");
    for (int i = 1; i <= 3; ++i) {
        connection.execute(QStringLiteral("insert into rezult (fio) values ('%1')").arg(i));
        QFile::remove(copy);
        ASSERT_TRUE(QFile::copy(db.file(), copy));
        Connection copied;
        copied.setDatabasePath(copy);
        EXPECT_EQ(copied.execute(QStringLiteral("select count(*) from rezult")).rows.value(0).value(0).toInt(), i)
            << "after write " << i;
    }
}

// Runs as "nobody" in a child: reads the course, tries a write. Bits of the exit code:
// 1 no rows read, 2 the write went through, 4 not the read-only message, 8 open failed.
int studentRun(const QString& file)
{
    if (setgid(65534) != 0 || setuid(65534) != 0)
        return 100;
    int failures = 0;
    try {
        Connection student;
        student.setDatabasePath(file);
        if (student.execute(QStringLiteral("select count(*) from temi")).rows.value(0).value(0).toInt() == 0)
            failures |= 1;
        try {
            student.execute(QStringLiteral("insert into rezult (fio) values ('student')"));
            failures |= 2;
        } catch (const DataError& error) {
            if (!error.message().contains(QStringLiteral("только для чтения")))
                failures |= 4;
        }
    } catch (...) {
        failures |= 8;
    }
    return failures;
}

// The program folder of a lab: the program ran there and ended normally, then a student
// who may write nothing there starts it. Reading works; a write gets the read-only message.
TEST(ConnectionTest, AFolderNobodyMayWriteToIsReadAfterANormalExit)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to become a user without write rights";
    const struct {
        const char* name;
        bool leftInWal; // by an earlier version of the program
    } rows[] = {{"this version ran last", false}, {"an earlier version left WAL mode", true}};
    for (const auto& row : rows) {
        TestDatabase db(TestDatabase::Content::WithSeed);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("dbase.sqlite"));
        ASSERT_TRUE(QFile::copy(db.file(), file));
        {
            Connection run;
            run.setDatabasePath(file);
            run.execute(QStringLiteral("insert into rezult (fio) values ('teacher')"));
            if (row.leftInWal)
                run.execute(QStringLiteral("PRAGMA journal_mode=WAL"));
        }
        ASSERT_FALSE(QFile::exists(file + QStringLiteral("-wal"))) << row.name;
        ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
        ::chmod(QFile::encodeName(file).constData(), 0644);

        const pid_t child = fork();
        if (child == 0)
            _exit(studentRun(file));
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        const int failures = WEXITSTATUS(status);
        ASSERT_NE(failures, 100) << "could not become nobody";
        EXPECT_EQ(failures, 0) << row.name << " (bits as in studentRun)";
    }
}

} // namespace
