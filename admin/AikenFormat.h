#pragma once

#include "admin/BankFileTypes.h"
#include "data/StoredQuestion.h"

#include <QString>
#include <QVector>

// The plain question format where a question is its text, then its options "A." (or
// "A)") to "E.", then "ANSWER: X"; questions are apart by blank lines or simply follow
// the ANSWER line.
namespace AikenFormat {

ImportResult parse(const QString& text);

// Questions whose text or options this format cannot carry (no options in the stored
// text, an empty line inside, a line that would read as an option) are skipped, with why.
ExportResult write(const QVector<StoredQuestion>& bank);

} // namespace AikenFormat
