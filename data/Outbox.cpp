#include "data/Outbox.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/ServerUnreachable.h"
#include "data/Statements.h"
#include "data/Transaction.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUuid>

#include <sqlite3.h>

namespace {

QByteArray packValues(const SqlText& sql)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << QVariantList(sql.values.begin(), sql.values.end()) << QVariantHash(sql.named);
    return bytes;
}

void unpackValues(const QByteArray& bytes, SqlText& sql)
{
    QDataStream in(bytes);
    QVariantList values;
    QVariantHash named;
    in >> values >> named;
    sql.values = QVector<QVariant>(values.begin(), values.end());
    sql.named = named;
}

// The outbox file is made on first use; its one table is created when missing.
void prepare(Connection& file, const QString& path)
{
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        sqlite3* db = nullptr;
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        sqlite3_close_v2(db);
        if (rc != SQLITE_OK)
            throw DataError(QStringLiteral("Не удалось создать файл «%1»").arg(path));
    }
    file.setDatabasePath(path);
    file.execute(Statements::createOutbox());
}

} // namespace

Outbox::Outbox(const QString& file)
    : m_file(file)
{
}

QString Outbox::defaultFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .absoluteFilePath(QStringLiteral("outbox.sqlite"));
}

void Outbox::keep(const SqlText& sql)
{
    Connection file;
    prepare(file, m_file);
    file.execute(Statements::keepInOutbox(QUuid::createUuid().toString(QUuid::WithoutBraces), sql.text, sql.server,
                                          packValues(sql)));
}

int Outbox::pending() const
{
    if (!QFileInfo::exists(m_file))
        return 0;
    Connection file;
    prepare(file, m_file);
    return int(file.execute(Statements::countOutbox()).rows.value(0).value(0).toLongLong());
}

QVector<Outbox::Kept> Outbox::readAll() const
{
    Connection file;
    prepare(file, m_file);
    QVector<Kept> all;
    for (const QVector<QVariant>& row : file.execute(Statements::selectOutbox()).rows) {
        Kept kept;
        kept.rowid = row.at(0).toLongLong();
        kept.id = row.at(1).toString();
        kept.sql.text = row.at(2).toString();
        kept.sql.server = row.at(3).toString();
        unpackValues(row.at(4).toByteArray(), kept.sql);
        all << kept;
    }
    return all;
}

int Outbox::send(Connection& server)
{
    if (!QFileInfo::exists(m_file))
        return 0;
    int delivered = 0;
    for (const Kept& kept : readAll()) {
        try {
            if (deliver(server, kept))
                ++delivered;
            forget(kept.rowid);
        } catch (const ServerUnreachable&) {
            break;
        } catch (const DataError&) {
            continue;
        }
    }
    return delivered;
}

// True when the statement ran now; false when the server had taken it before.
bool Outbox::deliver(Connection& server, const Kept& kept)
{
    Transaction transaction(server);
    const bool fresh = server.execute(Statements::noteDelivered(kept.id)).changed == 1;
    if (fresh)
        server.execute(kept.sql);
    transaction.commit();
    return fresh;
}

void Outbox::forget(qint64 rowid)
{
    Connection file;
    prepare(file, m_file);
    file.execute(Statements::forgetKept(rowid));
}
