#pragma once

#include "data/SqlText.h"

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVector>

class Connection;

// The shared query: one SQL text, replaced before every use. open() runs a statement that
// returns rows and keeps all of them (a client-side static cursor); execSql() runs one
// that returns none. A closed statement connection is opened on demand.
// Every change of what the query holds emits changed(), so a grid can follow it.
class Query : public QObject
{
    Q_OBJECT
public:
    explicit Query(Connection& connection, QObject* parent = nullptr);

    Connection& connection() const { return m_connection; }

    // Replacing or clearing the statement closes the query and forgets the parameters.
    void setSql(const SqlText& sql);
    const QString& sql() const { return m_sql.text; }
    void clear();

    // The value of a named marker such as ":par" for the next open() or execSql():
    // integers are bound as integers, texts as texts.
    void setParameter(const QString& name, const QVariant& value);

    // Throw DataError with the engine's message; the query is then closed.
    void open();
    void execSql();
    void close();
    bool isActive() const { return m_active; }

    // The current record. Field names ignore letter case; an unknown name throws DataError.
    bool eof() const;
    void first();
    void next();
    int recordCount() const { return int(m_rows.size()); }
    QVariant fieldValue(const QString& name) const;
    // NULL cannot be turned into text or a number: throws the conversion DataError.
    QString fieldAsString(const QString& name) const;
    qint64 fieldAsInteger(const QString& name) const;

    // Everything the query holds, for the results grid: column titles as the statement
    // names them (aliases included) and the rows.
    const QStringList& columnNames() const { return m_columns; }
    QVariant value(int row, int column) const;

signals:
    void changed();

private:
    int columnIndex(const QString& name) const;
    void run(bool keepRows);

    Connection& m_connection;
    SqlText m_sql;
    bool m_active = false;
    QStringList m_columns;
    QVector<QVector<QVariant>> m_rows;
    int m_current = 0;
    bool m_eof = true;
};
