#include "data/QuestionBankStore.h"

#include "data/AnswerLog.h"
#include "data/Connection.h"
#include "data/Statements.h"
#include "data/Transaction.h"

namespace QuestionBankStore {

namespace {

qint64 largestId(Connection& connection)
{
    return connection.execute(Statements::largestQuestionIdOrZero()).rows.value(0).value(0).toLongLong();
}

void insertAll(Connection& connection, const QVector<StoredQuestion>& questions, qint64 firstId)
{
    qint64 id = firstId;
    for (const StoredQuestion& question : questions) {
        connection.execute(Statements::insertBankKey(id, question.key));
        connection.execute(Statements::insertBankQuestion(id, question.text));
        ++id;
    }
}

} // namespace

QVector<StoredQuestion> readAll(Connection& connection)
{
    QVector<StoredQuestion> bank;
    for (const QVector<QVariant>& row : connection.execute(Statements::selectBank()).rows)
        bank << StoredQuestion{row.at(0).toLongLong(), row.at(1).toString(), row.at(2).toString()};
    return bank;
}

qint64 append(Connection& connection, const QVector<StoredQuestion>& questions)
{
    Transaction transaction(connection);
    const qint64 first = largestId(connection) + 1;
    insertAll(connection, questions, first);
    transaction.commit();
    return first;
}

void replace(Connection& connection, const QVector<StoredQuestion>& questions)
{
    AnswerLog::ensureTable(connection);
    Transaction transaction(connection);
    for (const QString& sql : Statements::clearBank())
        connection.execute(sql);
    insertAll(connection, questions, 1);
    transaction.commit();
}

} // namespace QuestionBankStore
