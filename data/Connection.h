#pragma once

#include <QString>
#include <QtGlobal>

struct sqlite3;

// One connection to the course database file. Both connections of the process open the
// same file; a busy timeout lets them (and a second copy of the program) take turns
// instead of failing at once with "database is locked".
class Connection
{
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // The file that open() opens. Changing it closes an open connection.
    void setDatabasePath(const QString& path);
    const QString& databasePath() const { return m_path; }

    // Opens the file (never creates it). When already open, only checks that the file at
    // the path is still the one opened. Throws DataError with the engine's message when
    // the file is missing or unusable. A file deleted, moved away or replaced since the
    // first opening closes the connection and throws; it opens again only when the same
    // file is back at the path.
    void open();
    void close();
    bool isOpen() const { return m_db != nullptr; }

    // The other connection of the process on the same file: a moved file closes both.
    void setCompanion(Connection* companion) { m_companion = companion; }

    // The engine handle; null while closed.
    sqlite3* handle() const { return m_db; }

private:
    int openEngine(sqlite3** db) const;
    static void chooseJournal(sqlite3* db);
    void requireFileInPlace();
    void abandonFile();
    void requireFirstFile();
    void rememberFile();

    QString m_path;
    sqlite3* m_db = nullptr;
    Connection* m_companion = nullptr;
    // The file first opened at the path (device and inode); 0 until then.
    quint64 m_device = 0;
    quint64 m_inode = 0;
};
