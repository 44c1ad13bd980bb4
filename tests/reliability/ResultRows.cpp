#include "ResultRows.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>

#include <sqlite3.h>

namespace {

bool fits(const QString& pattern, const QString& text)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}

QString whole(const QStringList& row)
{
    return row.join(QStringLiteral(" | "));
}

// Rows keyed by their first field (the name, unique per run and round).
QMap<QString, QVector<QStringList>> byName(const QVector<QStringList>& rows)
{
    QMap<QString, QVector<QStringList>> map;
    for (const QStringList& row : rows)
        map[row.value(0)].append(row);
    return map;
}

QString fixedRowProblem(const QStringList& row)
{
    static const QStringList grades = {"F", "D", "D+", "C-", "C", "C+", "B-", "B", "B+", "A-", "A"};
    if (row.size() != 4 || !fits(QStringLiteral("Студент \\S+-\\d+"), row[0])
        || !fits(QStringLiteral("\\d{4}-\\d\\d-\\d\\d"), row[1]) || row[2] != QLatin1String("20")
        || !grades.contains(row[3]))
        return QStringLiteral("half-written result row: ") + whole(row);
    return QString();
}

QString timedRowProblem(const QStringList& row)
{
    bool number = false;
    const int percent = row.value(2).toInt(&number);
    if (row.size() != 5 || !fits(QStringLiteral("Тимур \\S+-\\d+"), row[0])
        || !fits(QStringLiteral("Группа \\S+"), row[1]) || !number || percent < 0 || percent > 100
        || row[3].isEmpty() || row[4].isEmpty())
        return QStringLiteral("half-written rezult row: ") + whole(row);
    return QString();
}

} // namespace

// A kill in the middle of a write leaves the rollback journal beside the file: the first
// read rolls it back, as the program's next start would, and that needs write access.
ResultRows::Database::Database(const QString& file)
{
    sqlite3_open_v2(QFile::encodeName(file).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
}

ResultRows::Database::~Database()
{
    sqlite3_close(m_db);
}

QVector<QStringList> ResultRows::Database::rows(const QString& sql)
{
    QVector<QStringList> result;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
        result.append({QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(m_db))});
        return result;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QStringList row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
            row << (text ? QString::fromUtf8(text) : QStringLiteral("NULL"));
        }
        result.append(row);
    }
    sqlite3_finalize(statement);
    return result;
}

QString ResultRows::Database::integrity()
{
    return rows(QStringLiteral("PRAGMA integrity_check")).value(0).join(u'\n');
}

void ResultRows::take(const QStringList& lines)
{
    for (const QString& line : lines) {
        const QStringList fields = line.split(u'\t');
        if (fields[0] == QLatin1String("R"))
            m_fixed.append(fields.mid(1));
        else if (fields[0] == QLatin1String("Z"))
            m_timed.append(fields.mid(1));
        else if (fields[0] == QLatin1String("T"))
            m_topics.append(fields.value(1));
    }
}

QString ResultRows::problemIn(Database& db) const
{
    QStringList problems;
    const QVector<QStringList> fixed = db.rows(QStringLiteral("SELECT fio, data, kol, ocenka FROM result"));
    const QVector<QStringList> timed = db.rows(
        QStringLiteral("SELECT fio, gruppa, procent, vrem_nachala, vrem_okonchaniya FROM rezult"));
    for (const QStringList& row : fixed)
        problems << fixedRowProblem(row);
    for (const QStringList& row : timed)
        problems << timedRowProblem(row);

    const auto fixedByName = byName(fixed);
    for (const QStringList& reported : m_fixed) {
        const QVector<QStringList> stored = fixedByName.value(reported.value(0));
        if (stored.size() != 1 || stored[0] != reported)
            problems << QStringLiteral("result row lost or changed: ") + whole(reported);
    }
    const auto timedByName = byName(timed);
    for (const QStringList& reported : m_timed) {
        const QVector<QStringList> stored = timedByName.value(reported.value(0));
        if (stored.size() != 1 || stored[0].mid(0, 3) != reported)
            problems << QStringLiteral("rezult row lost or changed: ") + whole(reported);
    }
    for (const QString& topic : m_topics) {
        const QString sql = QStringLiteral("SELECT file_name FROM temi WHERE name = '%1'").arg(topic);
        if (db.rows(sql) != QVector<QStringList>{{QStringLiteral("new.htm")}})
            problems << QStringLiteral("topic lost: ") + topic;
    }
    if (db.rows(QStringLiteral("SELECT count(*) FROM params WHERE identifikator = 1")).value(0).value(0) != QLatin1String("1"))
        problems << QStringLiteral("the parameter record is gone");
    problems.removeAll(QString());
    return problems.join(u'\n');
}
