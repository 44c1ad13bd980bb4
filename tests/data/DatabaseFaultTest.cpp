// Faults from outside while the program has the database open: another program holding
// it, a full disk, the file deleted, moved away or replaced. Each gives a Russian message,
// loses nothing already written, and lets the same action succeed once the fault is gone.
#include "common/TestDatabase.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/EngineFault.h"
#include "data/Query.h"
#include "data/SqlStatement.h"
#include "data/TableObject.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

namespace {

// The message of the DataError the action throws, its details on a line of their own;
// empty when it throws nothing.
template <typename Action>
QString failureOf(Action action)
{
    try {
        action();
    } catch (const DataError& error) {
        return error.details().isEmpty() ? error.message() : error.message() + u'\n' + error.details();
    }
    return QString();
}

void insertResult(Query& query, const QString& fio)
{
    query.setSql(QStringLiteral("insert into rezult (fio) values ('%1')").arg(fio));
    query.execSql();
}

QString names(TestDatabase& db)
{
    return db.scalar(QStringLiteral("SELECT group_concat(fio, ',') FROM (SELECT fio FROM rezult ORDER BY rowid)")).toString();
}

class DatabaseFaultTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        connection.setDatabasePath(db.file());
        connection.open();
    }

    TestDatabase db;
    Connection connection;
    Query query{connection};
};

TEST_F(DatabaseFaultTest, ALockHeldLongerThanTheTimeoutIsExplainedAndTheActionCanBeRepeated)
{
    insertResult(query, QStringLiteral("before"));
    db.exec(QStringLiteral("BEGIN IMMEDIATE; INSERT INTO rezult (fio) VALUES ('other')"));

    QElapsedTimer clock;
    clock.start();
    const QString message = failureOf([&] { insertResult(query, QStringLiteral("during")); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("База данных занята другой программой"))) << message.toStdString();
    EXPECT_TRUE(message.endsWith(QStringLiteral("\ndatabase is locked"))) << "the engine's own words are the details";
    // The wait ends: the window is given back after the timeout, not held for good.
    EXPECT_GE(clock.elapsed(), EngineFault::kBusyTimeoutMs - 100);
    EXPECT_LT(clock.elapsed(), EngineFault::kBusyTimeoutMs + 5000);

    // Reading goes on meanwhile (the other program's write is not visible yet).
    query.setSql(QStringLiteral("select count(*) as n from rezult"));
    ASSERT_NO_THROW(query.open());
    EXPECT_EQ(query.fieldAsInteger(QStringLiteral("n")), 1);

    db.exec(QStringLiteral("COMMIT"));
    ASSERT_NO_THROW(insertResult(query, QStringLiteral("during")));
    EXPECT_EQ(names(db), QStringLiteral("before,other,during"));
}

TEST_F(DatabaseFaultTest, ATablePostThatMeetsALockStaysPendingAndIsWrittenOnceLater)
{
    Connection tables;
    tables.setDatabasePath(db.file());
    TableObject result(tables, QStringLiteral("result"), {"fio", "data", "kol", "ocenka"});
    result.open();
    db.exec(QStringLiteral("BEGIN IMMEDIATE"));
    result.insert();
    result.setFieldValue(QStringLiteral("fio"), QStringLiteral("Петров"));
    result.setFieldValue(QStringLiteral("kol"), QStringLiteral("20"));
    EXPECT_TRUE(failureOf([&] { result.post(); }).startsWith(QStringLiteral("База данных занята")));
    EXPECT_EQ(result.state(), TableObject::State::Insert) << "the record is kept";
    db.exec(QStringLiteral("COMMIT"));
    ASSERT_NO_THROW(result.post());
    EXPECT_EQ(db.count(QStringLiteral("result")), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT fio || '/' || kol FROM result")).toString(), QStringLiteral("Петров/20"));
}

TEST_F(DatabaseFaultTest, AFullDiskRefusesTheWriteAndKeepsEveryEarlierRow)
{
    // The file may not grow beyond its present size: a full disk as the engine sees it.
    SqlStatement(connection.handle(), QStringLiteral("PRAGMA max_page_count = 1")).run();
    const QString filler(300, QLatin1Char('x'));
    QString message;
    int written = 0;
    for (; written < 500 && message.isEmpty(); ++written)
        message = failureOf([&] { insertResult(query, filler + QString::number(written)); });
    ASSERT_FALSE(message.isEmpty()) << "the file never filled up";
    --written;
    EXPECT_TRUE(message.startsWith(QStringLiteral("Нет места на диске"))) << message.toStdString();
    EXPECT_EQ(db.count(QStringLiteral("rezult")), written);
    EXPECT_EQ(db.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));

    SqlStatement(connection.handle(), QStringLiteral("PRAGMA max_page_count = 1000000")).run();
    ASSERT_NO_THROW(insertResult(query, QStringLiteral("after")));
    EXPECT_EQ(db.count(QStringLiteral("rezult")), written + 1);
}

TEST_F(DatabaseFaultTest, AFileMovedAwayIsRefusedUntilItComesBack)
{
    insertResult(query, QStringLiteral("before"));
    const QString away = db.folder() + QStringLiteral("away.sqlite");
    ASSERT_TRUE(QFile::rename(db.file(), away));
    for (int attempt = 0; attempt < 2; ++attempt) {
        const QString message = failureOf([&] { insertResult(query, QStringLiteral("lost")); });
        EXPECT_TRUE(message.contains(QStringLiteral("удалён или заменён")) || message.contains(QStringLiteral("не найден")))
            << message.toStdString();
        EXPECT_TRUE(message.contains(db.file())) << "names the file";
    }
    ASSERT_TRUE(QFile::rename(away, db.file()));
    ASSERT_NO_THROW(insertResult(query, QStringLiteral("after")));
    EXPECT_EQ(names(db), QStringLiteral("before,after"));
}

// A folder without any other handle on the file, as the program's own folder is.
TEST(DatabaseReplacedTest, ADeletedOrReplacedFileIsNeverWrittenAndTheNewOneIsLeftAsItIs)
{
    struct Row {
        const char* name;
        bool replace;
    };
    for (const Row row : {Row{"deleted", false}, Row{"replaced", true}}) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("dbase.sqlite"));
        const QString schema = QStringLiteral(VESTRON_SOURCE_DIR "/course/schema.sql");
        ASSERT_TRUE(buildDatabase(file, {schema}));
        Connection connection;
        connection.setDatabasePath(file);
        Query query(connection);
        insertResult(query, QStringLiteral("before"));
        ASSERT_TRUE(QFile::remove(file));
        if (row.replace) {
            const QString other = dir.filePath(QStringLiteral("new.sqlite"));
            ASSERT_TRUE(buildDatabase(other, {schema}));
            sqlite3* db = nullptr;
            sqlite3_open(QFile::encodeName(other).constData(), &db);
            sqlite3_exec(db, "INSERT INTO rezult (fio) VALUES ('theirs')", nullptr, nullptr, nullptr);
            sqlite3_close(db);
            ASSERT_TRUE(QFile::rename(other, file));
        }
        for (int attempt = 0; attempt < 3; ++attempt) {
            const QString message = failureOf([&] { insertResult(query, QStringLiteral("mine")); });
            // The first attempt finds the file gone; later ones find none or another.
            EXPECT_TRUE(message.contains(QStringLiteral("удалён или заменён")) || message.contains(QStringLiteral("не найден")))
                << message.toStdString();
            if (attempt == 0 || row.replace) {
                EXPECT_TRUE(message.contains(QStringLiteral("удалён или заменён"))) << message.toStdString();
            }
        }
        query.setSql(QStringLiteral("select count(*) as n from rezult"));
        EXPECT_THROW(query.open(), DataError) << "no reading from a file nobody sees, nor from another";
        if (row.replace) {
            // Whoever opens the new file now sees it as it was made: no journal of the old
            // file is left beside it.
            sqlite3* look = nullptr;
            ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(file).constData(), &look, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
            {
                SqlStatement names(look, QStringLiteral("SELECT group_concat(fio) FROM rezult"));
                EXPECT_TRUE(names.step());
                EXPECT_EQ(names.value(0).toString(), QStringLiteral("theirs"));
            }
            sqlite3_close(look);
        }
    }
}

TEST(EngineFaultTest, EveryOutsideFaultReadsInRussianAndKeepsTheEngineText)
{
    const struct {
        int code;
        const char* start;
    } rows[] = {
        {SQLITE_BUSY, "База данных занята"},
        {SQLITE_BUSY_SNAPSHOT, "База данных занята"},
        {SQLITE_LOCKED, "База данных занята"},
        {SQLITE_FULL, "Нет места на диске"},
        {SQLITE_READONLY, "Файл базы данных открыт только для чтения"},
        {SQLITE_READONLY_DBMOVED, "Файл базы данных удалён или заменён"},
        {SQLITE_IOERR_WRITE, "Ошибка чтения или записи"},
        {SQLITE_CORRUPT, "Файл базы данных повреждён"},
        {SQLITE_NOTADB, "Файл базы данных повреждён"},
        {SQLITE_CANTOPEN, "Файл базы данных не удаётся открыть"},
        {SQLITE_CONSTRAINT_UNIQUE, "Такая запись уже есть"},
        {SQLITE_NOMEM, "Не хватает памяти"},
        {SQLITE_TOOBIG, "Текст или файл слишком велик"},
        {SQLITE_AUTH, "Нет прав"},
        {SQLITE_ABORT_ROLLBACK, "Действие с базой данных прервано"},
    };
    for (const auto& row : rows) {
        const DataError error = EngineFault::fault(row.code, QStringLiteral("engine words"));
        EXPECT_TRUE(error.message().startsWith(QString::fromUtf8(row.start))) << row.code << ": " << error.what();
        EXPECT_FALSE(error.message().contains(QStringLiteral("engine words"))) << "the message stays Russian: " << row.code;
        EXPECT_EQ(error.details(), QStringLiteral("engine words")) << row.code;
    }
    // A course file lacking a table or column says so in Russian, the engine's words in the
    // details; a statement's own mistake keeps the engine's message alone.
    const DataError missing = EngineFault::fault(SQLITE_ERROR, QStringLiteral("no such table: x"));
    EXPECT_EQ(missing.message(), QStringLiteral("В файле базы данных нет таблицы или поля, нужных учебнику"));
    EXPECT_EQ(missing.details(), QStringLiteral("no such table: x"));
    const DataError own = EngineFault::fault(SQLITE_ERROR, QStringLiteral("near \"x\": syntax error"));
    EXPECT_EQ(own.message(), QStringLiteral("near \"x\": syntax error"));
    EXPECT_TRUE(own.details().isEmpty());
}

} // namespace

namespace {

TEST(SecondCopyTest, AnEditOfARecordAnotherCopyDeletedIsDroppedAndTheTableGoesOn)
{
    TestDatabase db;
    db.exec(QStringLiteral("INSERT INTO testing (nom, nom1) VALUES ('1', 4), ('2', 5)"));
    Connection connection;
    connection.setDatabasePath(db.file());
    TableObject sheet(connection, QStringLiteral("testing"), {"nom", "nom1", "otv"});
    sheet.open();
    sheet.edit();
    sheet.setFieldValue(QStringLiteral("otv"), QStringLiteral("C"));
    db.exec(QStringLiteral("DELETE FROM testing WHERE nom = '1'"));

    EXPECT_TRUE(failureOf([&] { sheet.next(); }).contains(QStringLiteral("её удалили")));
    EXPECT_EQ(sheet.state(), TableObject::State::Browse);
    // Later moves and writes work again.
    ASSERT_NO_THROW(sheet.next());
    sheet.edit();
    sheet.setFieldValue(QStringLiteral("otv"), QStringLiteral("E"));
    ASSERT_NO_THROW(sheet.first());
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT nom || otv FROM testing")).toString(), QStringLiteral("2E"));
}

} // namespace
