#pragma once

#include <QVector>
#include <QtGlobal>

#include <optional>

class Query;

// The teacher's settings for the timed test: the parameter record with identifikator 1.
struct TimedTestParameters
{
    // Empty values read as 0.
    qint64 questionCount = 0;
    qint64 minutes = 0;

    // Nothing when the record is missing. Throws DataError (a value that is no number is
    // the conversion error).
    static std::optional<TimedTestParameters> read(Query& query);

    // A limit of at least one minute whose seconds stay exact.
    bool hasTimeLimit() const;
    qint64 limitSeconds() const { return hasTimeLimit() ? minutes * 60 : 0; }

    // The ids a test draws from: the first questionCount ids of the bank in ascending
    // order, or nothing when the count is not above zero or the bank holds fewer. Over a
    // bank without gaps these are exactly 1 … questionCount. Throws DataError.
    std::optional<QVector<int>> drawableQuestionIds(Query& query) const;
};
