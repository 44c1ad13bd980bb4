#include "data/SqlStatement.h"

#include "data/DataError.h"
#include "data/EngineFault.h"

#include <sqlite3.h>

SqlStatement::SqlStatement(sqlite3* db, const QString& sql)
    : m_db(db)
{
    if (!m_db)
        throw DataError(QStringLiteral("Соединение с базой данных закрыто"));
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_stmt, nullptr) != SQLITE_OK)
        fail();
    if (!m_stmt) // only blanks or comments
        throw DataError(QStringLiteral("Пустой текст SQL-запроса"));
}

SqlStatement::~SqlStatement()
{
    sqlite3_finalize(m_stmt);
}

void SqlStatement::bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
        break;
    case QMetaType::ULongLong:
    case QMetaType::ULong:
    case QMetaType::Double:
    case QMetaType::Float:
        rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        rc = sqlite3_bind_blob64(m_stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()),
                                 SQLITE_TRANSIENT);
        break;
    }
    default:
        if (value.isNull()) {
            rc = sqlite3_bind_null(m_stmt, index);
        } else {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, text.constData(), sqlite3_uint64(text.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
        }
        break;
    }
    if (rc != SQLITE_OK)
        fail();
}

void SqlStatement::bind(const QString& name, const QVariant& value)
{
    const QString marker = name.startsWith(u':') ? name : u':' + name;
    const int index = sqlite3_bind_parameter_index(m_stmt, marker.toUtf8().constData());
    if (index > 0)
        bind(index, value);
}

bool SqlStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail();
}

void SqlStatement::run()
{
    while (step()) {
    }
}

int SqlStatement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QStringList SqlStatement::columnNames() const
{
    QStringList names;
    const int count = columnCount();
    for (int i = 0; i < count; ++i)
        names.append(QString::fromUtf8(sqlite3_column_name(m_stmt, i)));
    return names;
}

QVariant SqlStatement::value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(m_stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, column);
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column));
    }
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_stmt, column));
        return QByteArray(bytes, sqlite3_column_bytes(m_stmt, column));
    }
    default:
        return QVariant();
    }
}

void SqlStatement::fail() const
{
    throw EngineFault::fault(sqlite3_extended_errcode(m_db), QString::fromUtf8(sqlite3_errmsg(m_db)));
}
