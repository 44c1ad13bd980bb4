#pragma once

#include <QtGlobal>

#include <optional>

class Query;

// The teacher's settings for the timed test: the parameter record with identifikator 1.
struct TimedTestParameters
{
    int questionCount = 0;
    qint64 limitSeconds = 0;

    // Nothing when the record is missing, kolvo or vrem is empty, or either is not above
    // zero: no test can run on such settings. Throws DataError (a value that is no number
    // is the conversion error).
    static std::optional<TimedTestParameters> read(Query& query);

    // True when each of the questions 1 … count is in the bank. Throws DataError.
    static bool bankHoldsQuestions(Query& query, int count);
};
