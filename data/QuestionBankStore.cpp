#include "data/QuestionBankStore.h"

#include "data/AnswerLog.h"
#include "data/Connection.h"
#include "data/SqlStatement.h"
#include "data/Transaction.h"

namespace QuestionBankStore {

namespace {

qint64 largestId(sqlite3* db)
{
    SqlStatement statement(db, QStringLiteral("SELECT coalesce(max(id), 0) FROM questions"));
    statement.step();
    return statement.value(0).toLongLong();
}

void insertAll(sqlite3* db, const QVector<StoredQuestion>& questions, qint64 firstId)
{
    qint64 id = firstId;
    for (const StoredQuestion& question : questions) {
        SqlStatement key(db, QStringLiteral("INSERT INTO keys (id, \"key\") VALUES (?, ?)"));
        key.bind(1, id);
        key.bind(2, question.key);
        key.run();
        SqlStatement text(db, QStringLiteral("INSERT INTO questions (question, id) VALUES (?, ?)"));
        text.bind(1, question.text);
        text.bind(2, id);
        text.run();
        ++id;
    }
}

} // namespace

QVector<StoredQuestion> readAll(Connection& connection)
{
    connection.open();
    SqlStatement statement(connection.handle(), QStringLiteral(
        "SELECT q.id, q.question, (SELECT k.\"key\" FROM keys k WHERE k.id = q.id LIMIT 1) "
        "FROM questions q ORDER BY q.id"));
    QVector<StoredQuestion> bank;
    while (statement.step())
        bank << StoredQuestion{statement.value(0).toLongLong(), statement.value(1).toString(), statement.value(2).toString()};
    return bank;
}

qint64 append(Connection& connection, const QVector<StoredQuestion>& questions)
{
    connection.open();
    Transaction transaction(connection.handle());
    const qint64 first = largestId(connection.handle()) + 1;
    insertAll(connection.handle(), questions, first);
    transaction.commit();
    return first;
}

void replace(Connection& connection, const QVector<StoredQuestion>& questions)
{
    AnswerLog::ensureTable(connection);
    Transaction transaction(connection.handle());
    for (const char* sql : {"DELETE FROM questions", "DELETE FROM keys", "DELETE FROM otvety"})
        SqlStatement(connection.handle(), QString::fromLatin1(sql)).run();
    insertAll(connection.handle(), questions, 1);
    transaction.commit();
}

} // namespace QuestionBankStore
