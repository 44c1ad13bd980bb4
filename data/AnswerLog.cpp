#include "data/AnswerLog.h"

#include "data/Connection.h"
#include "data/Statements.h"

namespace AnswerLog {

namespace {

bool tableExists(Connection& connection)
{
    return connection.isServer() || !connection.execute(Statements::answerLogExists()).rows.isEmpty();
}

// NULLs never clash in a unique index, so an empty name must be stored as empty text for
// the second answer to the same question to replace the first.
QString notNull(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

// The server's set-up makes the table; a student's login could not.
void ensureTable(Connection& connection)
{
    if (connection.isServer())
        return;
    for (const QString& sql : Statements::createAnswerLog())
        connection.execute(sql);
}

void record(Connection& connection, const Attempt& attempt, qint64 questionId, const QString& letter)
{
    ensureTable(connection);
    connection.execute(Statements::recordAnswer(notNull(attempt.fio), notNull(attempt.gruppa), notNull(attempt.started),
                                                questionId, letter));
}

QVector<Answer> readAll(Connection& connection)
{
    QVector<Answer> answers;
    if (!tableExists(connection))
        return answers;
    for (const QVector<QVariant>& row : connection.execute(Statements::selectAnswers()).rows) {
        Answer answer;
        answer.attempt = {row.at(0).toString(), row.at(1).toString(), row.at(2).toString()};
        answer.questionId = row.at(3).toLongLong();
        answer.letter = row.at(4).toString();
        answer.right = row.at(5).toLongLong() != 0;
        answers << answer;
    }
    return answers;
}

} // namespace AnswerLog
