#pragma once

#include <QString>
#include <QVector>

class Connection;

// The answers of the timed test as the students give them, in table otvety: one row per
// attempt and question, holding the last letter chosen and whether it matched the key.
// An attempt is the student's name and group with the start time that its rezult row
// also carries. Every function opens a closed connection and throws DataError.
namespace AnswerLog {

struct Attempt {
    QString fio;
    QString gruppa;
    QString started;
};

struct Answer {
    Attempt attempt;
    qint64 questionId = 0;
    QString letter;
    bool right = false;
};

// Creates the table and its index when the database predates them.
void ensureTable(Connection& connection);

// Stores (or, when the question was answered before in this attempt, replaces) the
// letter; right means equal to the question's key, letter case counting.
void record(Connection& connection, const Attempt& attempt, qint64 questionId, const QString& letter);

// Every stored answer; none when the table does not exist.
QVector<Answer> readAll(Connection& connection);

} // namespace AnswerLog
