#include "common/TestDatabase.h"
#include "data/Connection.h"
#include "data/CourseSchema.h"
#include "data/DataError.h"
#include "data/DatabaseBackup.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

// Every row of every course table and of the answer log, as text.
QString contents(TestDatabase& database)
{
    QStringList tables;
    for (const CourseSchema::Table& table : CourseSchema::tables())
        tables << table.name;
    tables << QStringLiteral("otvety");
    QString text;
    for (const QString& table : tables) {
        text += table + u':';
        for (const QVector<QVariant>& row : database.rows(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table))) {
            for (const QVariant& cell : row)
                text += (cell.isValid() ? cell.toString() : QStringLiteral("NULL")) + u'|';
            text += u'\n';
        }
    }
    return text;
}

// Runs SQL on a file through a handle of its own; the engine's message, or empty.
QString execOn(const QString& file, const char* sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(file).constData(), &db);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &message);
    const QString text = rc == SQLITE_OK ? QString() : QString::fromUtf8(message ? message : "error");
    sqlite3_free(message);
    sqlite3_close(db);
    return text;
}

QByteArray digest(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(in.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class DatabaseBackupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        live.exec(QStringLiteral("INSERT INTO rezult VALUES ('Иванов', 'ИС-21', '85', 't1', 't2'); "
                                 "INSERT INTO otvety VALUES ('Иванов', 'ИС-21', 't1', 1, 'E', 1)"));
        connection.setDatabasePath(live.file());
        connection.open();
    }

    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    TestDatabase live{TestDatabase::Content::WithSeed};
    Connection connection;
    QTemporaryDir folder;
};

TEST_F(DatabaseBackupTest, BackupThenRestoreGivesTheOriginalBack)
{
    const QString original = contents(live);
    const QString copy = path("copy.sqlite");
    DatabaseBackup::save(connection, copy);
    EXPECT_FALSE(QFile::exists(copy + QStringLiteral("-wal"))) << "the copy must be one file";
    EXPECT_FALSE(QFile::exists(copy + QStringLiteral(".part")));
    EXPECT_TRUE(DatabaseBackup::check(copy).isEmpty()) << DatabaseBackup::check(copy).join(u';').toStdString();

    live.exec(QStringLiteral("DELETE FROM rezult; DELETE FROM questions; UPDATE temi SET name = 'другое'; "
                             "INSERT INTO result VALUES ('Петров', '2026-03-14', 20, 'B')"));
    ASSERT_NE(contents(live), original);

    DatabaseBackup::restore(connection, copy);
    EXPECT_EQ(contents(live), original);
}

// A second backup under the same name replaces the first only once it is complete.
TEST_F(DatabaseBackupTest, SavingOverAnOlderCopyReplacesIt)
{
    const QString copy = path("copy.sqlite");
    DatabaseBackup::save(connection, copy);
    live.exec(QStringLiteral("DELETE FROM rezult"));
    DatabaseBackup::save(connection, copy);
    live.exec(QStringLiteral("INSERT INTO rezult VALUES ('Петров', 'ИС-22', '50', 't3', 't4')"));
    DatabaseBackup::restore(connection, copy);
    EXPECT_EQ(live.count(QStringLiteral("rezult")), 0);
}

TEST_F(DatabaseBackupTest, SavingIntoAMissingFolderFailsCleanly)
{
    EXPECT_THROW(DatabaseBackup::save(connection, path("no/such/folder/copy.sqlite")), DataError);
}

TEST_F(DatabaseBackupTest, CheckNamesWhatIsWrongAndNeverChangesTheFile)
{
    struct Row {
        const char* name;
        const char* sql;       // applied to a copy of the course; nullptr for raw bytes
        QByteArray bytes;
        const char* problem;   // a part of the first problem
    };
    const Row rows[] = {
        {"a text file", nullptr, "Это не база данных, а просто текст.\n", "не файл базы данных"},
        {"an empty file", nullptr, QByteArray(), "нет таблицы temi"},
        {"a table missing", "DROP TABLE lab", {}, "нет таблицы lab"},
        {"a column missing", "ALTER TABLE rezult DROP COLUMN gruppa", {}, "в таблице rezult нет поля gruppa"},
        {"no parameter record", "DELETE FROM params", {}, "нет записи с параметрами"},
    };
    for (const Row& row : rows) {
        const QString file = path(row.name);
        if (row.sql) {
            DatabaseBackup::save(connection, file);
            ASSERT_EQ(execOn(file, row.sql), QString()) << row.name;
        } else {
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(row.bytes);
        }
        const QByteArray before = digest(file);
        const QStringList problems = DatabaseBackup::check(file);
        ASSERT_FALSE(problems.isEmpty()) << row.name;
        EXPECT_TRUE(problems.front().contains(QString::fromUtf8(row.problem)))
            << row.name << ": " << problems.join(u';').toStdString();
        EXPECT_EQ(digest(file), before) << row.name;
    }
    EXPECT_FALSE(DatabaseBackup::check(path("missing.sqlite")).isEmpty());
}

// Restoring a file that is not a database fails and leaves the course as it was.
TEST_F(DatabaseBackupTest, FailedRestoreLeavesTheDatabaseAlone)
{
    const QString original = contents(live);
    const QString file = path("junk.sqlite");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QByteArray(8192, 'x'));
    out.close();
    EXPECT_THROW(DatabaseBackup::restore(connection, file), DataError);
    EXPECT_EQ(contents(live), original);
}

// Regression guard: a copy with other page sizes cannot go into a database with a write-ahead
// log; the reason is said, and nothing changes.
TEST_F(DatabaseBackupTest, OtherPageSizeIsRefusedWithItsReason)
{
    const QString original = contents(live);
    const QString file = path("small-pages.sqlite");
    DatabaseBackup::save(connection, file);
    ASSERT_EQ(execOn(file, "PRAGMA page_size=1024; VACUUM"), QString());
    ASSERT_TRUE(DatabaseBackup::check(file).isEmpty());
    try {
        DatabaseBackup::restore(connection, file);
        FAIL() << "restored over pages of another size";
    } catch (const DataError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("по 1024 байт"))) << error.message().toStdString();
    }
    EXPECT_EQ(contents(live), original);
}
