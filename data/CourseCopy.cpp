#include "data/CourseCopy.h"

#include "data/Connection.h"
#include "data/Statements.h"

namespace CourseCopy {

namespace {

bool hasTable(Connection& connection, const QString& table)
{
    if (connection.isServer() || table != QLatin1String("otvety"))
        return true;
    return !connection.execute(Statements::answerLogExists()).rows.isEmpty();
}

} // namespace

qint64 copyTable(Connection& from, Connection& to, const ServerSchema::CopiedTable& table)
{
    if (!hasTable(from, table.name))
        return 0;
    const SqlRows rows = from.execute(Statements::selectTableRecords(table.name, table.columns));
    const QString insert = Statements::insertTableRecord(table.name, table.columns);
    for (const QVector<QVariant>& row : rows.rows)
        to.execute({insert, row.mid(1)});
    return rows.rows.size();
}

QStringList copyAll(Connection& from, Connection& to, Mode mode)
{
    QStringList copied;
    for (const ServerSchema::CopiedTable& table : ServerSchema::copiedTables()) {
        if (mode == Mode::Replace)
            to.execute(Statements::deleteAllRows(table.name));
        copied << QStringLiteral("%1: %2").arg(table.name).arg(copyTable(from, to, table));
    }
    return copied;
}

} // namespace CourseCopy
