#include "data/Query.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/FieldValue.h"

Query::Query(Connection& connection, QObject* parent)
    : QObject(parent)
    , m_connection(connection)
{
}

void Query::setSql(const SqlText& sql)
{
    close();
    m_sql = sql;
}

void Query::clear()
{
    setSql(QString());
}

void Query::setParameter(const QString& name, const QVariant& value)
{
    m_sql.named.insert(name.startsWith(u':') ? name : u':' + name, value);
}

void Query::open()
{
    run(true);
}

void Query::execSql()
{
    run(false);
}

// Reads every row into memory, so no statement stays open between uses and the other
// connection is never kept waiting on this one.
void Query::run(bool keepRows)
{
    close();
    SqlRows result = m_connection.execute(m_sql);
    if (!keepRows)
        return;
    m_columns = std::move(result.columns);
    m_rows = std::move(result.rows);
    m_active = true;
    first();
    emit changed();
}

void Query::close()
{
    if (!m_active && m_rows.isEmpty() && m_columns.isEmpty())
        return;
    m_active = false;
    m_columns.clear();
    m_rows.clear();
    m_current = 0;
    m_eof = true;
    emit changed();
}

bool Query::eof() const
{
    return !m_active || m_eof;
}

void Query::first()
{
    m_current = 0;
    m_eof = m_rows.isEmpty();
}

// As in a desktop data set: moving past the last record sets eof and stays on it.
void Query::next()
{
    if (m_current + 1 < m_rows.size())
        ++m_current;
    else
        m_eof = true;
}

int Query::columnIndex(const QString& name) const
{
    if (!m_active)
        throw DataError(QStringLiteral("Запрос закрыт: поле \"%1\" прочитать нельзя").arg(name));
    const int index = FieldValue::indexOf(m_columns, name);
    if (index < 0)
        FieldValue::throwUnknownField(name);
    return index;
}

QVariant Query::fieldValue(const QString& name) const
{
    const int column = columnIndex(name);
    if (m_rows.isEmpty())
        return QVariant();
    return m_rows.at(m_current).at(column);
}

QString Query::fieldAsString(const QString& name) const
{
    return FieldValue::toText(name, fieldValue(name));
}

qint64 Query::fieldAsInteger(const QString& name) const
{
    return FieldValue::toInteger(name, fieldValue(name));
}

QVariant Query::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return QVariant();
    return m_rows.at(row).at(column);
}
