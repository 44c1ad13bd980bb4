#pragma once

#include "admin/BankFileTypes.h"
#include "data/StoredQuestion.h"

#include <QString>
#include <QVector>

// The multiple-choice part of the GIFT question format: an optional "::title::", the
// question text, then the options in braces, "=" before the right one and "~" before each
// wrong one, an optional "#feedback" after each (dropped). Lines starting with "//" are
// comments, blank lines separate questions, and "\=", "\~", "\{", "\}", "\:", "\#", "\\"
// and "\n" stand for the character itself (a line break for "\n").
namespace GiftFormat {

ImportResult parse(const QString& text);

// Questions this format cannot carry are skipped, with why.
ExportResult write(const QVector<StoredQuestion>& bank);

} // namespace GiftFormat
