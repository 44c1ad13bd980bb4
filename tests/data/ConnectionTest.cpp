#include "common/TestDatabase.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Query.h"
#include "data/SqlStatement.h"
#include "data/TableObject.h"

#include <gtest/gtest.h>

#include <QFile>

#include <chrono>
#include <thread>

namespace {

QString journalMode(Connection& connection)
{
    SqlStatement statement(connection.handle(), QStringLiteral("PRAGMA journal_mode"));
    return statement.step() ? statement.value(0).toString() : QString();
}

TEST(ConnectionTest, OpensAnExistingFileInWalMode)
{
    TestDatabase db;
    Connection connection;
    connection.setDatabasePath(db.file());
    connection.open();
    ASSERT_TRUE(connection.isOpen());
    EXPECT_EQ(journalMode(connection), QStringLiteral("wal"));
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

} // namespace
