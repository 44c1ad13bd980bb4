#include "data/SqliteEngine.h"

#include "data/SqlStatement.h"

#include <sqlite3.h>

SqlRows SqliteEngine::run(const QString& text, const QVector<QVariant>& values)
{
    SqlStatement statement(m_db, text);
    for (int i = 0; i < values.size(); ++i)
        statement.bind(i + 1, values.at(i));
    SqlRows result;
    const int columns = statement.columnCount();
    while (statement.step()) {
        QVector<QVariant> row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row.append(statement.value(i));
        result.rows.append(std::move(row));
    }
    result.columns = statement.columnNames();
    // Meaningful after a write only; a read leaves the last write's count.
    result.changed = sqlite3_changes64(m_db);
    return result;
}

void SqliteEngine::begin()
{
    SqlStatement(m_db, QStringLiteral("BEGIN IMMEDIATE")).run();
}

void SqliteEngine::commit()
{
    SqlStatement(m_db, QStringLiteral("COMMIT")).run();
}

void SqliteEngine::rollback() noexcept
{
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}
