#include "data/DatabaseBackup.h"

#include "data/Connection.h"
#include "data/CourseSchema.h"
#include "data/CourseCopy.h"
#include "data/DataError.h"
#include "data/EngineFault.h"
#include "data/Statements.h"
#include "data/Transaction.h"
#include "data/SqlStatement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <sqlite3.h>

#include <cstdio>
#include <memory>

namespace DatabaseBackup {

namespace {

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Handle = std::unique_ptr<sqlite3, CloseDatabase>;

Handle openFile(const QString& file, int flags)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(file).constData(), &db, flags, nullptr);
    Handle handle(db);
    if (rc != SQLITE_OK)
        throw EngineFault::fault(db ? sqlite3_extended_errcode(db) : rc,
                                 QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
    sqlite3_busy_timeout(db, 5000);
    return handle;
}

// Copies every page of source into destination; throws our explanation of the engine's
// failure, with the engine's message as its details.
void copy(sqlite3* destination, sqlite3* source)
{
    sqlite3_backup* backup = sqlite3_backup_init(destination, "main", source, "main");
    if (!backup)
        throw EngineFault::fault(sqlite3_extended_errcode(destination), QString::fromUtf8(sqlite3_errmsg(destination)));
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE)
        throw EngineFault::fault(stepped, QString::fromUtf8(sqlite3_errstr(stepped)));
    if (finished != SQLITE_OK)
        throw EngineFault::fault(sqlite3_extended_errcode(destination), QString::fromUtf8(sqlite3_errmsg(destination)));
}

qint64 pageSize(sqlite3* db)
{
    SqlStatement statement(db, QStringLiteral("PRAGMA page_size"));
    statement.step();
    return statement.value(0).toLongLong();
}

QSet<QString> columnsOf(sqlite3* db, const QString& table)
{
    QSet<QString> columns;
    SqlStatement statement(db, QStringLiteral("SELECT name FROM pragma_table_info(?)"));
    statement.bind(1, table);
    while (statement.step())
        columns.insert(statement.value(0).toString().toLower());
    return columns;
}

QStringList schemaProblems(sqlite3* db)
{
    QStringList problems;
    for (const CourseSchema::Table& table : CourseSchema::tables()) {
        const QSet<QString> columns = columnsOf(db, table.name);
        if (columns.isEmpty()) {
            problems << QStringLiteral("нет таблицы %1").arg(table.name);
            continue;
        }
        for (const QString& column : table.columns) {
            if (!columns.contains(column))
                problems << QStringLiteral("в таблице %1 нет поля %2").arg(table.name, column);
        }
    }
    if (problems.isEmpty()) {
        SqlStatement params(db, QStringLiteral("SELECT count(*) FROM params WHERE identifikator = 1"));
        params.step();
        if (params.value(0).toLongLong() == 0)
            problems << QStringLiteral("в таблице params нет записи с параметрами теста");
    }
    return problems;
}

// The course on the server goes into a new file table by table, in one reading transaction.
void saveFromServer(Connection& server, const QString& partial)
{
    openFile(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE).reset();
    Connection file;
    file.setDatabasePath(partial);
    Transaction writing(file);
    for (const ServerSchema::CopiedTable& table : ServerSchema::copiedTables())
        file.execute(Statements::createPlainTable(table.name, table.columns));
    Transaction reading(server);
    CourseCopy::copyAll(server, file, CourseCopy::Mode::Append);
    reading.commit();
    writing.commit();
    file.execute(QStringLiteral("PRAGMA journal_mode=DELETE"));
}

} // namespace

void save(Connection& connection, const QString& file)
{
    connection.open();
    const QString partial = file + QStringLiteral(".part");
    QFile::remove(partial);
    try {
        if (connection.isServer()) {
            saveFromServer(connection, partial);
        } else {
            Handle target = openFile(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            copy(target.get(), connection.handle());
            // The copy keeps no journal beside it, so the one file is the whole backup.
            SqlStatement(target.get(), QStringLiteral("PRAGMA journal_mode=DELETE")).run();
        }
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(file).constData()) != 0) {
        QFile::remove(partial);
        throw DataError(QStringLiteral("Не удалось записать файл «%1»").arg(QDir::toNativeSeparators(file)));
    }
}

QStringList check(const QString& file)
{
    if (!QFileInfo(file).isFile())
        return {QStringLiteral("файл не найден")};
    try {
        Handle db = openFile(file, SQLITE_OPEN_READONLY);
        SqlStatement integrity(db.get(), QStringLiteral("PRAGMA quick_check"));
        integrity.step();
        if (integrity.value(0).toString() != QLatin1String("ok"))
            return {QStringLiteral("файл базы данных повреждён")};
        return schemaProblems(db.get());
    } catch (const DataError& error) {
        return {QStringLiteral("это не файл базы данных (%1)").arg(error.message())};
    }
}

void restore(Connection& connection, const QString& file)
{
    connection.open();
    if (connection.isServer()) {
        Connection source;
        source.setDatabasePath(file);
        Transaction replacing(connection);
        CourseCopy::copyAll(source, connection, CourseCopy::Mode::Replace);
        replacing.commit();
        return;
    }
    Handle source = openFile(file, SQLITE_OPEN_READONLY);
    // A database with write-ahead logging takes pages of its own size only; the engine's
    // own message would just say "readonly".
    const qint64 theirs = pageSize(source.get());
    const qint64 ours = pageSize(connection.handle());
    if (theirs != ours)
        throw DataError(QStringLiteral("Страницы файла по %1 байт, а рабочей базы — по %2; такой файл "
                                       "можно только подложить вместо dbase.sqlite, пока программа закрыта")
                            .arg(theirs)
                            .arg(ours));
    copy(connection.handle(), source.get());
}

} // namespace DatabaseBackup
