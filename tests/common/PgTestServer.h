#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A private PostgreSQL server for the tests: initdb into a temporary folder owned by an
// unprivileged user (the "postgres" system user when the tests run as root, which initdb
// refuses), started with pg_ctl listening only on a unix socket inside that folder,
// stopped and removed at the end. Where no server binary exists, available() is false and
// skipReason() says why.
class PgTestServer
{
public:
    // The one server of the test program, started on first use and stopped at exit.
    static PgTestServer& shared();

    ~PgTestServer();

    bool available() const { return m_running; }
    const QString& skipReason() const { return m_skipReason; }

    // A libpq connection string to a database as the superuser, or as another login.
    QString connection(const QString& database, const QString& user = QStringLiteral("postgres")) const;
    // A new empty database with a name of its own; empty on failure (the reason logged).
    QString createDatabase();
    // Runs SQL as the superuser; the error text, empty on success.
    QString exec(const QString& database, const QString& sql) const;
    // A login role in the given group (vestron_student or vestron_teacher); the group must exist.
    QString createLogin(const QString& database, const QString& group);

    // For the outage tests: the server goes away and comes back on the same socket.
    bool stop();
    bool start();

    // The folder of the server binaries, or empty.
    static QString binaryFolder();

private:
    PgTestServer();
    bool runTool(const QStringList& command, QString* output = nullptr) const;
    QStringList asServerUser(const QString& tool, const QStringList& arguments) const;
    bool initialise();

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_data;
    QString m_bin;
    int m_port = 0;
    int m_counter = 0;
    bool m_running = false;
    QString m_skipReason;
};

// Skips the current test with the server's reason when there is none.
#define VESTRON_REQUIRE_PG_SERVER()                                                                  \
    do {                                                                                            \
        if (!PgTestServer::shared().available())                                                    \
            GTEST_SKIP() << PgTestServer::shared().skipReason().toStdString();                      \
    } while (false)
