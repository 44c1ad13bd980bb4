#include "data/PgEngine.h"

#include "data/DataError.h"
#include "data/ServerUnreachable.h"

#include <libpq-fe.h>

#include <memory>

namespace {

// Type numbers of the server's catalogue that the program reads back.
constexpr Oid kBool = 16;
constexpr Oid kBytea = 17;
constexpr Oid kInt8 = 20;
constexpr Oid kInt2 = 21;
constexpr Oid kInt4 = 23;
constexpr Oid kOid = 26;
constexpr Oid kFloat4 = 700;
constexpr Oid kFloat8 = 701;
constexpr Oid kNumeric = 1700;

struct ResultDeleter {
    void operator()(PGresult* result) const { PQclear(result); }
};
using ResultPtr = std::unique_ptr<PGresult, ResultDeleter>;

// A whole NUMERIC stays a whole number, as the file engine keeps it.
QVariant numericValue(const QByteArray& text)
{
    bool ok = false;
    const qlonglong whole = text.toLongLong(&ok);
    if (ok)
        return whole;
    return text.toDouble();
}

QVariant readValue(const PGresult* result, int row, int column)
{
    if (PQgetisnull(result, row, column))
        return QVariant();
    const char* bytes = PQgetvalue(result, row, column);
    const QByteArray text(bytes, PQgetlength(result, row, column));
    switch (PQftype(result, column)) {
    case kBool:
        return qlonglong(text == "t" ? 1 : 0);
    case kInt2:
    case kInt4:
    case kInt8:
    case kOid:
        return text.toLongLong();
    case kFloat4:
    case kFloat8:
        return text.toDouble();
    case kNumeric:
        return numericValue(text);
    case kBytea: {
        size_t length = 0;
        unsigned char* raw = PQunescapeBytea(reinterpret_cast<const unsigned char*>(bytes), &length);
        QByteArray value(reinterpret_cast<const char*>(raw), qsizetype(length));
        PQfreemem(raw);
        return value;
    }
    default:
        return QString::fromUtf8(text);
    }
}

// The parameters in libpq's shape: texts in UTF-8, byte arrays binary, NULL as null.
struct Parameters {
    explicit Parameters(const QVector<QVariant>& values)
    {
        for (const QVariant& value : values) {
            QByteArray bytes;
            Oid type = 0;
            int format = 0;
            switch (value.typeId()) {
            case QMetaType::Bool:
                bytes = value.toBool() ? "1" : "0";
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                bytes = QByteArray::number(value.toDouble(), 'g', 17);
                break;
            case QMetaType::QByteArray:
                bytes = value.toByteArray();
                type = kBytea;
                format = 1;
                break;
            default:
                bytes = value.toString().toUtf8();
                break;
            }
            texts.append(bytes);
            nulls.append(value.isNull() && value.typeId() != QMetaType::QByteArray);
            types.append(type);
            formats.append(format);
        }
        for (int i = 0; i < texts.size(); ++i) {
            pointers.append(nulls.at(i) ? nullptr : texts.at(i).constData());
            lengths.append(int(texts.at(i).size()));
        }
    }

    QVector<QByteArray> texts;
    QVector<bool> nulls;
    QVector<Oid> types;
    QVector<int> formats;
    QVector<const char*> pointers;
    QVector<int> lengths;
};

QString serverMessage(const pg_conn* conn, const PGresult* result)
{
    const char* text = result ? PQresultErrorMessage(result) : PQerrorMessage(conn);
    return QString::fromUtf8(text).trimmed();
}

} // namespace

PgEngine::PgEngine(const QString& connectionString, const QString& attempt)
    : m_connectionString(connectionString)
    , m_attempt(attempt)
{
}

PgEngine::~PgEngine()
{
    close();
}

bool PgEngine::isOpen() const
{
    return m_conn && PQstatus(m_conn) == CONNECTION_OK;
}

void PgEngine::open()
{
    if (isOpen())
        return;
    close();
    // A short wait: the program falls back to its outbox instead of hanging a student.
    const QByteArray info = m_connectionString.toUtf8();
    // Our defaults first: what the connection string itself names overrides them.
    const char* keys[] = {"connect_timeout", "client_encoding", "application_name", "dbname", nullptr};
    const QByteArray timeout = QByteArray::number(kConnectTimeoutSeconds);
    const char* values[] = {timeout.constData(), "UTF8", "vestron", info.constData(), nullptr};
    m_conn = PQconnectdbParams(keys, values, 1);
    if (PQstatus(m_conn) != CONNECTION_OK) {
        const QString message = serverMessage(m_conn, nullptr);
        close();
        // A refused login is not a missing server: retrying later will not help.
        if (message.contains(QLatin1String("password authentication failed"))
            || message.contains(QLatin1String("does not exist")) || message.contains(QLatin1String("no password")))
            throw DataError(QStringLiteral("Сервер отказал в подключении: %1").arg(message));
        throw ServerUnreachable(QStringLiteral("Нет связи с сервером базы данных: %1").arg(message));
    }
    run(QStringLiteral("SELECT set_config('vestron.attempt', $1, false)"), {m_attempt});
}

void PgEngine::close()
{
    if (!m_conn)
        return;
    PQfinish(m_conn);
    m_conn = nullptr;
}

SqlRows PgEngine::run(const QString& text, const QVector<QVariant>& values)
{
    if (!isOpen())
        throw ServerUnreachable(QStringLiteral("Нет связи с сервером базы данных"));
    const Parameters parameters(values);
    ResultPtr result(PQexecParams(m_conn, text.toUtf8().constData(), int(values.size()), parameters.types.constData(),
                                  parameters.pointers.constData(), parameters.lengths.constData(),
                                  parameters.formats.constData(), 0));
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        fail(result.get());
    SqlRows rows;
    const int columns = PQnfields(result.get());
    for (int c = 0; c < columns; ++c)
        rows.columns.append(QString::fromUtf8(PQfname(result.get(), c)));
    const int count = PQntuples(result.get());
    rows.rows.reserve(count);
    for (int r = 0; r < count; ++r) {
        QVector<QVariant> row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row.append(readValue(result.get(), r, c));
        rows.rows.append(std::move(row));
    }
    rows.changed = QByteArray(PQcmdTuples(result.get())).toLongLong();
    return rows;
}

// A broken link makes every later statement fail alike: it is told apart so that a
// result can wait in the outbox instead of being lost. The client library's own failures
// carry no error class; class 08 is a lost connection, 57P0x a server shutting down.
void PgEngine::fail(const PGresult* result)
{
    const QString message = serverMessage(m_conn, result);
    const char* field = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const QByteArray state = field ? QByteArray(field) : QByteArray();
    const bool lost = PQstatus(m_conn) != CONNECTION_OK || state.isEmpty() || state.startsWith("08")
        || state.startsWith("57P0");
    if (lost) {
        close();
        throw ServerUnreachable(QStringLiteral("Нет связи с сервером базы данных: %1").arg(message));
    }
    throw DataError(message);
}

void PgEngine::begin()
{
    run(QStringLiteral("BEGIN"), {});
}

void PgEngine::commit()
{
    run(QStringLiteral("COMMIT"), {});
}

void PgEngine::rollback() noexcept
{
    if (isOpen())
        PQclear(PQexec(m_conn, "ROLLBACK"));
}
