#include "testing/TimedTestParameters.h"

#include "data/Query.h"
#include "data/Statements.h"

#include <algorithm>
#include <limits>

namespace {

qint64 integerOrZero(Query& query, const QString& field)
{
    const QVariant value = query.fieldValue(field);
    if (value.isNull() || value.toString().trimmed().isEmpty())
        return 0;
    return query.fieldAsInteger(field);
}

} // namespace

std::optional<TimedTestParameters> TimedTestParameters::read(Query& query)
{
    query.setSql(Statements::selectParameters());
    query.open();
    if (query.eof())
        return std::nullopt;
    TimedTestParameters parameters;
    parameters.questionCount = integerOrZero(query, QStringLiteral("kolvo"));
    parameters.minutes = integerOrZero(query, QStringLiteral("vrem"));
    return parameters;
}

bool TimedTestParameters::hasTimeLimit() const
{
    return minutes > 0 && minutes <= std::numeric_limits<qint64>::max() / 60;
}

std::optional<QVector<int>> TimedTestParameters::drawableQuestionIds(Query& query) const
{
    // Ids are whole numbers; a count beyond them can never be held by the bank.
    if (questionCount <= 0 || questionCount > std::numeric_limits<int>::max() - 1)
        return std::nullopt;
    query.setSql(Statements::selectQuestionIds());
    query.open();
    QVector<int> ids;
    for (; !query.eof(); query.next()) {
        const QVariant value = query.fieldValue(QStringLiteral("id"));
        bool ok = false;
        const qint64 id = value.isNull() ? 0 : value.toLongLong(&ok);
        if (ok && id >= 1 && id <= std::numeric_limits<int>::max())
            ids.push_back(int(id));
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    if (ids.size() < questionCount)
        return std::nullopt;
    ids.resize(qsizetype(questionCount));
    return ids;
}
