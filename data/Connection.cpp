#include "data/Connection.h"

#include "data/DataError.h"
#include "data/EngineFault.h"
#include "data/SqlStatement.h"

#include <QFileInfo>

#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/vfs.h>

namespace {

// WAL needs shared memory that network file systems do not give reliably.
bool isLocalFile(const QString& path)
{
    struct statfs info {};
    if (statfs(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0x6969UL:     // NFS
    case 0x517BUL:     // SMB
    case 0xFF534D42UL: // CIFS
    case 0xFE534D42UL: // SMB2
    case 0x65735546UL: // FUSE
        return false;
    default:
        return true;
    }
}

} // namespace

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
    const int rc = sqlite3_open_v2(QFile::encodeName(m_path).constData(), &db,
                                   SQLITE_OPEN_READWRITE, nullptr);
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
    if (isLocalFile(m_path)) {
        try {
            SqlStatement(db, QStringLiteral("PRAGMA journal_mode=WAL")).run();
        } catch (const DataError&) {
            // The default journal works too; only concurrency is poorer.
        }
    }
    m_db = db;
    rememberFile();
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
    if (!m_db)
        return;
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}
