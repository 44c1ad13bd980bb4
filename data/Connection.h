#pragma once

#include <QString>

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
    // the file is missing or unusable, and when it was deleted or replaced meanwhile.
    void open();
    void close();
    bool isOpen() const { return m_db != nullptr; }

    // The engine handle; null while closed.
    sqlite3* handle() const { return m_db; }

private:
    void requireFileInPlace() const;

    QString m_path;
    sqlite3* m_db = nullptr;
};
