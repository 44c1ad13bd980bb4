#pragma once

#include <QString>
#include <QVariant>

class TableObject;

// The answer sheet of the fixed test: the records of `testing`, one per slot, each with
// the slot number `nom` ("1" … "20"), the drawn question `nom1` and the chosen letter
// `otv`. The bank is `test`, numbered by `nom` from 1 to its record count.
// The functions that work on the tables throw the data layer's DataError and leave them as
// far as they got.
namespace AnswerSheet {

constexpr int kSlotCount = 20;

// Deletes every record of the sheet.
void empty(TableObject& sheet);

// Appends slots 1 … 20, each with a question drawn from the bank's record count at that
// moment (1 when the bank is empty) and no letter. Ends on slot 20.
void draw(TableObject& sheet, TableObject& bank);

// Makes slot k current (the first slot number beginning with k in text order, which is
// slot k itself) and returns its question number. No such slot: the sheet stays.
qint64 openSlot(TableObject& sheet, int slot);

// The letter A … E for an item index 0 … 4; empty for any other index.
QString letterForIndex(int index);
// The item index 0 … 4 of a stored letter (exact, case-sensitive); -1 for anything else.
int indexForLetter(const QVariant& stored);

// A slot counts when its letter is given and is exactly the bank's correct letter; an
// unanswered slot never counts, not even against a question that has no key.
bool isCorrect(const QVariant& chosen, const QVariant& key);

// Walks the whole sheet from its first record and counts the correct slots. A slot whose
// question is not in the bank is checked against the question located before.
int countCorrect(TableObject& sheet, TableObject& bank);

} // namespace AnswerSheet
