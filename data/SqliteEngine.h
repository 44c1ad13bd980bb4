#pragma once

#include "data/DatabaseEngine.h"

struct sqlite3;

// The course file's engine over a handle that the Connection owns and keeps open.
class SqliteEngine : public DatabaseEngine
{
public:
    explicit SqliteEngine(sqlite3* db)
        : m_db(db)
    {
    }

    SqlDialect dialect() const override { return SqlDialect::File; }
    SqlRows run(const QString& text, const QVector<QVariant>& values) override;
    void begin() override;
    void commit() override;
    void rollback() noexcept override;

private:
    sqlite3* m_db;
};
