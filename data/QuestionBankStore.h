#pragma once

#include "data/StoredQuestion.h"

#include <QVector>

class Connection;

// The timed test's bank as a whole: read it, add many questions, or put new ones in place
// of all. Writing is one transaction, so a failure stores nothing. Every function opens a
// closed connection and throws DataError.
namespace QuestionBankStore {

// Every question with its key (the first one when a question has several), by number.
QVector<StoredQuestion> readAll(Connection& connection);

// Numbers the questions after the largest number in the bank, as the add-question dialog
// does, and stores each with its key. The ids given are ignored. Returns the first new id.
qint64 append(Connection& connection, const QVector<StoredQuestion>& questions);

// Empties questions and keys, and the answers given to the old questions, then stores the
// questions as 1 … n.
void replace(Connection& connection, const QVector<StoredQuestion>& questions);

} // namespace QuestionBankStore
