#pragma once

#include "data/SqlDialect.h"
#include "data/SqlRows.h"
#include "data/SqlText.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

struct sqlite3;
class DatabaseEngine;
class PgEngine;
class Outbox;

// One connection to the course database: the file (the default), or the server when a
// connection string is set. Both connections of the process open the same course; on the
// file a busy timeout lets them (and a second copy of the program) take turns instead of
// failing at once with "database is locked".
class Connection
{
public:
    Connection();
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
    bool isOpen() const;

    // The other connection of the process on the same file: a moved file closes both.
    void setCompanion(Connection* companion) { m_companion = companion; }

    // The file engine's handle; null while closed and always on the server.
    sqlite3* handle() const { return m_db; }

    // The course on a server: a libpq connection string (URI or key=value). Empty: the
    // file. Changing it closes an open connection.
    void setServer(const QString& connectionString);
    const QString& server() const { return m_server; }
    bool isServer() const { return !m_server.isEmpty(); }
    SqlDialect dialect() const { return isServer() ? SqlDialect::Server : SqlDialect::File; }

    // The attempt this connection's answer sheet rows belong to on the server; every
    // connection of one process shares one unless a test sets its own.
    void setAttempt(const QString& attempt) { m_attempt = attempt; }
    static QString processAttempt();

    // Runs one statement, opening a closed connection first: the text for this engine,
    // markers turned into its own, values bound. Throws DataError (ServerUnreachable when
    // the server does not answer). A statement that may wait and cannot reach the server
    // is kept in the outbox instead, when one is set: the result says deferred, and the
    // deferred notice runs.
    SqlRows execute(const SqlText& sql);
    void setOutbox(Outbox* outbox) { m_outbox = outbox; }
    Outbox* outbox() const { return m_outbox; }
    void setDeferredNotice(std::function<void()> notice) { m_deferredNotice = std::move(notice); }

    // The open engine; opens a closed connection. Throws DataError.
    DatabaseEngine& engine();

private:
    int openEngine(sqlite3** db) const;
    static void chooseJournal(sqlite3* db);
    void requireFileInPlace();
    void abandonFile();
    void requireFirstFile();
    void rememberFile();

    void openServer();
    SqlRows run(const SqlText& sql);

    QString m_path;
    sqlite3* m_db = nullptr;
    QString m_server;
    QString m_attempt = processAttempt();
    std::unique_ptr<DatabaseEngine> m_fileEngine;
    std::unique_ptr<PgEngine> m_serverEngine;
    Outbox* m_outbox = nullptr;
    std::function<void()> m_deferredNotice;
    Connection* m_companion = nullptr;
    // The file first opened at the path (device and inode); 0 until then.
    quint64 m_device = 0;
    quint64 m_inode = 0;
};
