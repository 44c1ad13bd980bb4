#include "data/AnswerLog.h"

#include "data/Connection.h"
#include "data/SqlStatement.h"

namespace AnswerLog {

namespace {

// The same definition as in the course schema script.
const char* const kCreateTable =
    "CREATE TABLE IF NOT EXISTS otvety (fio TEXT, gruppa TEXT, vrem_nachala TEXT, id INTEGER, otv TEXT, pravilno INTEGER)";
const char* const kCreateIndex =
    "CREATE UNIQUE INDEX IF NOT EXISTS otvety_popytka ON otvety (fio, gruppa, vrem_nachala, id)";

bool tableExists(Connection& connection)
{
    SqlStatement statement(connection.handle(),
                           QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'otvety'"));
    return statement.step();
}

// NULLs never clash in a unique index, so an empty name must be stored as empty text for
// the second answer to the same question to replace the first.
QString notNull(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

void ensureTable(Connection& connection)
{
    connection.open();
    SqlStatement(connection.handle(), QString::fromLatin1(kCreateTable)).run();
    SqlStatement(connection.handle(), QString::fromLatin1(kCreateIndex)).run();
}

void record(Connection& connection, const Attempt& attempt, qint64 questionId, const QString& letter)
{
    ensureTable(connection);
    // A missing key gives NULL, which coalesce turns into "not right".
    SqlStatement statement(connection.handle(), QStringLiteral(
        "INSERT INTO otvety (fio, gruppa, vrem_nachala, id, otv, pravilno) "
        "VALUES (:fio, :gruppa, :started, :id, :letter, "
        "coalesce((SELECT \"key\" = :letter FROM keys WHERE id = :id LIMIT 1), 0)) "
        "ON CONFLICT (fio, gruppa, vrem_nachala, id) DO UPDATE SET otv = excluded.otv, pravilno = excluded.pravilno"));
    statement.bind(QStringLiteral(":fio"), notNull(attempt.fio));
    statement.bind(QStringLiteral(":gruppa"), notNull(attempt.gruppa));
    statement.bind(QStringLiteral(":started"), notNull(attempt.started));
    statement.bind(QStringLiteral(":id"), questionId);
    statement.bind(QStringLiteral(":letter"), letter);
    statement.run();
}

QVector<Answer> readAll(Connection& connection)
{
    connection.open();
    QVector<Answer> answers;
    if (!tableExists(connection))
        return answers;
    SqlStatement statement(connection.handle(), QStringLiteral(
        "SELECT fio, gruppa, vrem_nachala, id, otv, pravilno FROM otvety ORDER BY rowid"));
    while (statement.step()) {
        Answer answer;
        answer.attempt = {statement.value(0).toString(), statement.value(1).toString(), statement.value(2).toString()};
        answer.questionId = statement.value(3).toLongLong();
        answer.letter = statement.value(4).toString();
        answer.right = statement.value(5).toLongLong() != 0;
        answers << answer;
    }
    return answers;
}

} // namespace AnswerLog
