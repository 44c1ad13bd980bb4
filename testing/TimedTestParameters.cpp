#include "testing/TimedTestParameters.h"

#include "data/Query.h"
#include "data/Statements.h"

#include <limits>
#include <vector>

namespace {

bool isEmptyValue(const QVariant& value)
{
    return value.isNull() || value.toString().trimmed().isEmpty();
}

} // namespace

std::optional<TimedTestParameters> TimedTestParameters::read(Query& query)
{
    query.setSql(Statements::selectParameters());
    query.open();
    if (query.eof())
        return std::nullopt;
    const QString countField = QStringLiteral("kolvo");
    const QString minutesField = QStringLiteral("vrem");
    if (isEmptyValue(query.fieldValue(countField)) || isEmptyValue(query.fieldValue(minutesField)))
        return std::nullopt;
    const qint64 count = query.fieldAsInteger(countField);
    const qint64 minutes = query.fieldAsInteger(minutesField);
    // A count beyond 32 bits can never be held by the bank; minutes are bounded so that
    // the seconds stay exact.
    if (count <= 0 || count > std::numeric_limits<int>::max() - 1 || minutes <= 0
        || minutes > std::numeric_limits<qint64>::max() / 60)
        return std::nullopt;
    TimedTestParameters parameters;
    parameters.questionCount = int(count);
    parameters.limitSeconds = minutes * 60;
    return parameters;
}

bool TimedTestParameters::bankHoldsQuestions(Query& query, int count)
{
    query.setSql(Statements::selectQuestionIds());
    query.open();
    if (count <= 0 || query.recordCount() < count)
        return false;
    std::vector<bool> present(size_t(count) + 1, false);
    int found = 0;
    for (; !query.eof(); query.next()) {
        const QVariant value = query.fieldValue(QStringLiteral("id"));
        bool ok = false;
        const qint64 id = value.isNull() ? 0 : value.toLongLong(&ok);
        if (ok && id >= 1 && id <= count && !present[size_t(id)]) {
            present[size_t(id)] = true;
            ++found;
        }
    }
    return found == count;
}
