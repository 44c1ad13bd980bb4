#include "data/Statements.h"

#include <QRegularExpression>

namespace Statements {

namespace {

// Grave accents, not double quotes: the file engine takes a double-quoted name that
// matches no column for a text, so a missing column would read as its own name instead of
// failing. The server gets them as double quotes.
QString quotedName(const QString& name)
{
    return u'`' + QString(name).replace(u'`', QStringLiteral("``")) + u'`';
}

QString quotedList(const QStringList& names)
{
    QStringList quoted;
    for (const QString& name : names)
        quoted.append(quotedName(name));
    return quoted.join(u',');
}

} // namespace

QString quoteText(const QString& text)
{
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

QString selectTopicsByNumber()
{
    return QStringLiteral("select * from temi order by nom");
}

SqlText markTopic(const QString& name, bool marked)
{
    return {QStringLiteral("UPDATE temi SET [check] = ? WHERE name = ?"), {marked ? 1 : 0, name}};
}

SqlText insertTopic(const QString& fileName, const QString& name)
{
    return {QStringLiteral("insert into temi (file_name, name) values (?, ?)"), {fileName, name}};
}

SqlText deleteTopic(const QString& name)
{
    return {QStringLiteral("DELETE * FROM temi WHERE name = ?"), {name}};
}

QString selectQuestionIds()
{
    return QStringLiteral("select id from questions");
}

SqlText selectQuestionWithKey(qint64 id)
{
    return {QStringLiteral("SELECT questions.question, keys.key FROM questions, keys WHERE questions.id = ? and keys.id = ?"),
            {id, id}};
}

SqlText updateQuestionText(qint64 id, const QString& text)
{
    return {QStringLiteral("update questions set [question] = ? WHERE id = ?"), {text, id}};
}

SqlText updateKey(qint64 id, const QString& letter)
{
    return {QStringLiteral("update keys set [key] = ? WHERE id = ?"), {letter, id}};
}

SqlText deleteQuestion(qint64 id)
{
    return {QStringLiteral("delete * FROM questions WHERE id = ?"), {id}};
}

SqlText deleteKey(qint64 id)
{
    return {QStringLiteral("delete * FROM keys WHERE id = ?"), {id}};
}

QString selectLargestQuestionId()
{
    return QStringLiteral("SELECT max(id) AS m FROM questions");
}

SqlText insertKey(qint64 id, const QString& letter)
{
    return {QStringLiteral("insert into keys(id,[key]) values(?, ?)"), {id, letter}};
}

SqlText insertQuestion(qint64 id, const QString& text)
{
    return {QStringLiteral("insert into questions(question,id) values(?, ?)"), {text, id}};
}

QString countQuestions()
{
    return QStringLiteral("select count(id) as m from questions");
}

SqlText updateParameters(qint32 minutes, qint32 count)
{
    return {QStringLiteral("update params set vrem = ?, kolvo = ? where identifikator=1"), {minutes, count}};
}

QString deleteAllResults()
{
    return QStringLiteral("delete * from rezult");
}

QString selectResultsForGrid()
{
    return QStringLiteral("select fio as Имя, gruppa as Группа, procent as Процент, "
                          "vrem_nachala as Начало, vrem_okonchaniya as Окончание from rezult");
}

QString selectPassword()
{
    return QStringLiteral("select pas from params where identifikator=1");
}

QString updatePassword()
{
    return QStringLiteral("update params set pas=:par where identifikator=1");
}

bool isDigitsOnly(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// The columns by name: a student's login may read the time and count, not the password.
QString selectParameters()
{
    return QStringLiteral("select identifikator, vrem, kolvo from params where identifikator=1");
}

QString selectQuestionByParameter()
{
    return QStringLiteral("select * from questions where id=(:par)");
}

QString selectKeyByParameter()
{
    return QStringLiteral("select key from keys where id=(:par)");
}

SqlText insertTimedResult(const QString& fio, const QString& gruppa, const QString& procent,
                          const QString& started, const QString& finished)
{
    SqlText sql(QStringLiteral("insert into rezult (fio,gruppa,procent,vrem_nachala,vrem_okonchaniya) values (?, ?, ?, ?, ?)"),
                {fio, gruppa, procent, started, finished});
    sql.mayWait = true;
    return sql;
}

QString selectFixedResultsForGrid()
{
    return QStringLiteral("select fio as Имя, data as Дата, kol as Вопросов, ocenka as Оценка from result");
}

QString countTimedResults()
{
    return QStringLiteral("select count(*) as m from rezult");
}

QString countBankQuestions()
{
    return QStringLiteral("SELECT count(*) FROM questions");
}

QString selectQuestionCount()
{
    return QStringLiteral("SELECT kolvo FROM params WHERE identifikator = 1");
}

QString answerLogExists()
{
    return QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'otvety'");
}

// The same definition as in the course schema script.
QStringList createAnswerLog()
{
    return {QStringLiteral("CREATE TABLE IF NOT EXISTS otvety (fio TEXT, gruppa TEXT, vrem_nachala TEXT, id INTEGER, "
                           "otv TEXT, pravilno INTEGER)"),
            QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS otvety_popytka ON otvety (fio, gruppa, vrem_nachala, id)")};
}

// A missing key gives NULL, which coalesce turns into "not right". On the server the
// attempt is part of the key, so two students of one name never share an answer row, and
// the comparison's truth value is turned into the column's number explicitly.
SqlText recordAnswer(const QString& fio, const QString& gruppa, const QString& started, qint64 questionId,
                     const QString& letter)
{
    SqlText sql(QStringLiteral(
        "INSERT INTO otvety (fio, gruppa, vrem_nachala, id, otv, pravilno) "
        "VALUES (:fio, :gruppa, :started, :id, :letter, "
        "coalesce((SELECT \"key\" = :letter FROM keys WHERE id = :id LIMIT 1), 0)) "
        "ON CONFLICT (fio, gruppa, vrem_nachala, id) DO UPDATE SET otv = excluded.otv, pravilno = excluded.pravilno"));
    sql.server = QStringLiteral(
        "INSERT INTO otvety (fio, gruppa, vrem_nachala, id, otv, pravilno) "
        "VALUES (:fio, :gruppa, :started, :id, :letter, "
        "coalesce((SELECT (\"key\" = :letter::text)::int FROM keys WHERE id = :id::bigint LIMIT 1), 0)) "
        "ON CONFLICT (attempt, fio, gruppa, vrem_nachala, id) DO UPDATE SET otv = excluded.otv, pravilno = excluded.pravilno");
    sql.named = {{QStringLiteral(":fio"), fio},
                 {QStringLiteral(":gruppa"), gruppa},
                 {QStringLiteral(":started"), started},
                 {QStringLiteral(":id"), questionId},
                 {QStringLiteral(":letter"), letter}};
    sql.mayWait = true;
    return sql;
}

QString selectAnswers()
{
    return QStringLiteral("SELECT fio, gruppa, vrem_nachala, id, otv, pravilno FROM otvety ORDER BY rowid");
}

QString selectBank()
{
    return QStringLiteral("SELECT q.id, q.question, (SELECT k.\"key\" FROM keys k WHERE k.id = q.id LIMIT 1) "
                          "FROM questions q ORDER BY q.id");
}

QString largestQuestionIdOrZero()
{
    return QStringLiteral("SELECT coalesce(max(id), 0) FROM questions");
}

SqlText insertBankKey(qint64 id, const QString& letter)
{
    return {QStringLiteral("INSERT INTO keys (id, \"key\") VALUES (?, ?)"), {id, letter}};
}

SqlText insertBankQuestion(qint64 id, const QString& text)
{
    return {QStringLiteral("INSERT INTO questions (question, id) VALUES (?, ?)"), {text, id}};
}

QStringList clearBank()
{
    return {QStringLiteral("DELETE FROM questions"), QStringLiteral("DELETE FROM keys"), QStringLiteral("DELETE FROM otvety")};
}

QString selectTopicDocuments(const QString& table)
{
    return QStringLiteral("SELECT name, file_name FROM %1 ORDER BY rowid").arg(quotedName(table));
}

QString selectTableRecords(const QString& table, const QStringList& columns)
{
    QStringList quoted;
    for (const QString& column : columns)
        quoted.append(quotedName(column));
    return QStringLiteral("SELECT rowid, %1 FROM %2")
        .arg(quoted.isEmpty() ? QStringLiteral("*") : quoted.join(u','), quotedName(table));
}

QString selectTableRecord(const QString& table, const QStringList& columns)
{
    return selectTableRecords(table, columns) + QStringLiteral(" WHERE rowid = ?");
}

QString updateTableRecord(const QString& table, const QStringList& changedColumns)
{
    QStringList assignments;
    for (const QString& column : changedColumns)
        assignments.append(quotedName(column) + QStringLiteral(" = ?"));
    return QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quotedName(table), assignments.join(u','));
}

QString insertTableRecord(const QString& table, const QStringList& columns, const QStringList& returned)
{
    QString sql = QStringLiteral("INSERT INTO ") + quotedName(table);
    if (columns.isEmpty()) {
        sql += QStringLiteral(" DEFAULT VALUES");
    } else {
        QStringList quoted;
        for (const QString& column : columns)
            quoted.append(quotedName(column));
        sql += QStringLiteral(" (%1) VALUES (%2)")
                   .arg(quoted.join(u','), QStringList(columns.size(), QStringLiteral("?")).join(u','));
    }
    return sql + QStringLiteral(" RETURNING rowid, ") + (returned.isEmpty() ? QStringLiteral("*") : quotedList(returned));
}

QString deleteTableRecord(const QString& table)
{
    return QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedName(table));
}

QString deleteAllRows(const QString& table)
{
    return QStringLiteral("DELETE FROM %1").arg(quotedName(table));
}

QString createPlainTable(const QString& table, const QStringList& columns)
{
    QStringList quoted;
    for (const QString& column : columns)
        quoted.append(quotedName(column));
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quotedName(table), quoted.join(QStringLiteral(", ")));
}

QString createOutbox()
{
    return QStringLiteral("CREATE TABLE IF NOT EXISTS outbox (id TEXT NOT NULL UNIQUE, sql TEXT NOT NULL, "
                          "server_sql TEXT, vals BLOB)");
}

SqlText keepInOutbox(const QString& id, const QString& text, const QString& serverText, const QByteArray& values)
{
    return {QStringLiteral("INSERT INTO outbox (id, sql, server_sql, vals) VALUES (?, ?, ?, ?)"),
            {id, text, serverText, values}};
}

QString countOutbox()
{
    return QStringLiteral("SELECT count(*) FROM outbox");
}

QString selectOutbox()
{
    return QStringLiteral("SELECT rowid, id, sql, server_sql, vals FROM outbox ORDER BY rowid");
}

SqlText forgetKept(qint64 rowid)
{
    return {QStringLiteral("DELETE FROM outbox WHERE rowid = ?"), {rowid}};
}

// Nothing changes when the id was taken before: the caller then skips the statement.
SqlText noteDelivered(const QString& id)
{
    return {QStringLiteral("INSERT INTO outbox_delivered (id) VALUES (?) ON CONFLICT DO NOTHING"), {id}};
}

// Only text outside quoted literals and quoted names is rewritten, so a value that happens
// to read "delete * from" is stored as typed.
QString toEngineDialect(const QString& sql)
{
    static const QRegularExpression jetDelete(QStringLiteral("\\bDELETE\\s+\\*\\s*FROM\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    QString result;
    result.reserve(sql.size());
    QString plain;
    QChar closing;
    for (const QChar c : sql) {
        if (!closing.isNull()) {
            result += c;
            if (c == closing)
                closing = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"' || c == u'[' || c == u'`') {
            result += plain.replace(jetDelete, QStringLiteral("DELETE FROM"));
            plain.clear();
            closing = c == u'[' ? QChar(u']') : c;
            result += c;
            continue;
        }
        plain += c;
    }
    result += plain.replace(jetDelete, QStringLiteral("DELETE FROM"));
    return result;
}

QString deleteAllAnswers()
{
    return QStringLiteral("delete * from otvety");
}

QString countAnswers()
{
    return QStringLiteral("select count(*) as m from otvety");
}

} // namespace Statements
