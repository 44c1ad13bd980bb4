#pragma once

#include "data/DatabaseEngine.h"

#include <QString>

struct pg_conn;
struct pg_result;

// The course on a PostgreSQL server, over libpq. Every value goes as a bound parameter
// (texts with their type left to the server to infer from the statement, byte arrays as
// binary bytea). Each session names its attempt in the setting vestron.attempt, which the
// server's row rules use to keep one student's answer sheet apart from another's.
class PgEngine : public DatabaseEngine
{
public:
    PgEngine(const QString& connectionString, const QString& attempt);
    ~PgEngine() override;
    PgEngine(const PgEngine&) = delete;
    PgEngine& operator=(const PgEngine&) = delete;

    // Connects (again, after a lost link). Throws ServerUnreachable when the server does
    // not answer, DataError when it refuses the login.
    void open();
    void close();
    // Connected and the link not known to be broken.
    bool isOpen() const;

    SqlDialect dialect() const override { return SqlDialect::Server; }
    SqlRows run(const QString& text, const QVector<QVariant>& values) override;
    void begin() override;
    void commit() override;
    void rollback() noexcept override;

    // How many seconds libpq waits for a server that does not answer.
    static constexpr int kConnectTimeoutSeconds = 5;

private:
    [[noreturn]] void fail(const pg_result* result);

    QString m_connectionString;
    QString m_attempt;
    pg_conn* m_conn = nullptr;
};
