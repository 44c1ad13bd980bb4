#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// One prepared statement, finalised when the object goes away, whatever path leaves the
// scope. Every failure throws DataError with the engine's message.
class SqlStatement
{
public:
    // Prepares the first statement of the UTF-8 text on an open handle.
    SqlStatement(sqlite3* db, const QString& sql);
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    // Binds by position (1-based): integers as integers, reals as reals, texts as UTF-8
    // texts, a null variant as NULL, anything else as its text.
    void bind(int index, const QVariant& value);
    // Binds a named marker such as ":par"; a statement without it ignores the value.
    void bind(const QString& name, const QVariant& value);

    // Steps once: true while a row is ready, false when the statement is done.
    bool step();
    // Steps to the end, for statements that return no rows.
    void run();

    int columnCount() const;
    QStringList columnNames() const;
    // The column of the current row as the engine holds it: qlonglong, double, QString,
    // QByteArray, or a null QVariant.
    QVariant value(int column) const;

private:
    [[noreturn]] void fail() const;

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};
