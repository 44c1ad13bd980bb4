#pragma once

#include <QString>

class QDateTime;
class Query;
class TimedTestSheet;

// Scoring of a finished timed test and its result record in rezult.
namespace TimedTestScoring {

// The positions whose chosen letter equals the question's key exactly (letter case
// counts); a missing or empty key and an unanswered position never match.
// Throws DataError.
int countCorrect(Query& query, const TimedTestSheet& sheet);

// correct × 100 / count rounded to the nearest whole number, halves to even; 0 for no
// questions.
int percentage(int correct, int count);

// "ОТЛИЧНО!" from 90 to 100, "ХОРОШО!" from 75, "УДОВЛЕТВОРИТЕЛЬНО!" from 50,
// "НЕУДОВЛЕТВОРИТЕЛЬНО!" below and outside 0 … 100.
QString gradeText(int percentage);

// The two lines the student is shown, separated by a line feed and a carriage return.
QString resultMessage(int percentage);

// The system's short date followed by its long time without the time zone: the text is
// read back by people and spreadsheets that know nothing of zones.
QString dateTimeText(const QDateTime& moment);
// A time format with its zone fields ("t" outside quotes) left out.
QString timeFormatWithoutZone(const QString& format);

// Inserts the record with its five values as quoted texts. Throws DataError.
void storeResult(Query& query, const QString& fio, const QString& gruppa, int percentage,
                 const QString& started, const QString& finished);

} // namespace TimedTestScoring
