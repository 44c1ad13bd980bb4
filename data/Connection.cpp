#include "data/Connection.h"

#include "data/DataError.h"
#include "data/EngineFault.h"
#include "data/Outbox.h"
#include "data/PgEngine.h"
#include "data/ServerUnreachable.h"
#include "data/SqlMarkers.h"
#include "data/SqlStatement.h"
#include "data/SqliteEngine.h"

#include <QFileInfo>
#include <QUrl>
#include <QUuid>

#include <sqlite3.h>
#include <sys/stat.h>

namespace {

// The header's read and write versions are 2 in a file left in WAL mode.
bool isWalFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(20);
    return header.size() == 20 && header.at(18) == 2 && header.at(19) == 2;
}

} // namespace

Connection::Connection() = default;

Connection::~Connection()
{
    close();
}

void Connection::setDatabasePath(const QString& path)
{
    if (path == m_path)
        return;
    close();
    m_path = path;
    m_device = 0;
    m_inode = 0;
}

void Connection::open()
{
    if (isServer()) {
        openServer();
        return;
    }
    if (m_db) {
        requireFileInPlace();
        return;
    }
    if (m_path.isEmpty())
        throw DataError(QStringLiteral("Не задан файл базы данных"));
    if (!QFileInfo(m_path).isFile())
        throw DataError(QStringLiteral("Файл базы данных \"%1\" не найден").arg(m_path));
    requireFirstFile();

    sqlite3* db = nullptr;
    const int rc = openEngine(&db);
    if (rc != SQLITE_OK) {
        const DataError error = EngineFault::fault(db ? sqlite3_extended_errcode(db) : rc,
                                                   QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
        sqlite3_close_v2(db);
        throw error;
    }
    sqlite3_busy_timeout(db, EngineFault::kBusyTimeoutMs);
    try {
        // Reading the schema now makes a file that is not a database fail here, not later.
        SqlStatement(db, QStringLiteral("PRAGMA schema_version")).run();
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
    chooseJournal(db);
    m_db = db;
    m_fileEngine = std::make_unique<SqliteEngine>(m_db);
    rememberFile();
}

// A file in WAL mode cannot even be read by a user who may not create its -shm file
// beside it; only an earlier version leaves one (see chooseJournal). Such a user may
// change nothing here anyway, so the file is read as it stands.
int Connection::openEngine(sqlite3** db) const
{
    const QByteArray file = QFile::encodeName(m_path);
    const QFileInfo info(m_path);
    if (!info.isWritable() || !QFileInfo(info.absolutePath()).isWritable()) {
        if (isWalFile(m_path)) {
            const QByteArray uri = "file:" + QUrl::fromLocalFile(m_path).path(QUrl::FullyEncoded).toUtf8()
                + "?immutable=1";
            return sqlite3_open_v2(uri.constData(), db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
        }
    }
    return sqlite3_open_v2(file.constData(), db, SQLITE_OPEN_READWRITE, nullptr);
}

// The rollback journal, deliberately, not WAL: every commit a user is told about is then
// in dbase.sqlite itself, so a copy of that one file is the whole course, and a folder
// nobody may write to can still be read (WAL needs a -shm file beside the database even
// for reading). Writes are rare here (a registration, a result, a setting), so WAL's
// readers-beside-a-writer gain is not worth it; the busy timeout covers the short waits.
// Switching also turns a file an earlier version left in WAL mode back.
void Connection::chooseJournal(sqlite3* db)
{
    if (sqlite3_db_readonly(db, "main") == 1)
        return;
    try {
        SqlStatement(db, QStringLiteral("PRAGMA journal_mode=DELETE")).run();
    } catch (const DataError&) {
        // Another program holds the file in WAL mode; the next start switches it.
    }
}

// Writing on would go into a file nobody can reach any more. The engine leaves the old
// file's journal beside the path when it closes a moved file, where whoever opens the new
// file would take it for its own: it is emptied into the old file first.
void Connection::requireFileInPlace()
{
    int moved = 0;
    if (sqlite3_file_control(m_db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved) {
        abandonFile();
        if (m_companion)
            m_companion->abandonFile();
        throw DataError(EngineFault::fileMoved(m_path));
    }
}

void Connection::abandonFile()
{
    if (!m_db)
        return;
    sqlite3_exec(m_db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    close();
}

// Another file put in the place of the first one is not opened: the table objects hold
// records of the first, and their edits would land on unrelated rows of the new one.
void Connection::requireFirstFile()
{
    struct stat info {};
    if (m_inode == 0 || ::stat(QFile::encodeName(m_path).constData(), &info) != 0)
        return;
    if (m_device != info.st_dev || m_inode != info.st_ino)
        throw DataError(EngineFault::fileMoved(m_path));
}

void Connection::rememberFile()
{
    struct stat info {};
    if (m_inode == 0 && ::stat(QFile::encodeName(m_path).constData(), &info) == 0) {
        m_device = info.st_dev;
        m_inode = info.st_ino;
    }
}

void Connection::close()
{
    m_serverEngine.reset();
    m_fileEngine.reset();
    if (!m_db)
        return;
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool Connection::isOpen() const
{
    return m_db != nullptr || (m_serverEngine && m_serverEngine->isOpen());
}

void Connection::setServer(const QString& connectionString)
{
    if (connectionString == m_server)
        return;
    close();
    m_server = connectionString;
}

QString Connection::processAttempt()
{
    static const QString attempt = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return attempt;
}

// A link that dropped is made again here, so a server back after an outage is used at once.
void Connection::openServer()
{
    if (!m_serverEngine)
        m_serverEngine = std::make_unique<PgEngine>(m_server, m_attempt);
    m_serverEngine->open();
}

DatabaseEngine& Connection::engine()
{
    open();
    if (isServer())
        return *m_serverEngine;
    return *m_fileEngine;
}

SqlRows Connection::run(const SqlText& sql)
{
    DatabaseEngine& target = engine();
    const SqlMarkers::EngineText text = SqlMarkers::translate(sql.textFor(dialect()), dialect());
    QVector<QVariant> values;
    values.reserve(text.markers.size());
    int next = 0;
    for (const QString& marker : text.markers) {
        if (marker.isEmpty())
            values.append(next < sql.values.size() ? sql.values.at(next++) : QVariant());
        else
            values.append(sql.named.value(marker));
    }
    return target.run(text.text, values);
}

SqlRows Connection::execute(const SqlText& sql)
{
    if (!sql.mayWait || !isServer() || !m_outbox)
        return run(sql);
    try {
        return run(sql);
    } catch (const ServerUnreachable&) {
        m_outbox->keep(sql);
        if (m_deferredNotice)
            m_deferredNotice();
        SqlRows kept;
        kept.deferred = true;
        return kept;
    }
}
