#pragma once

#include "admin/BankFileTypes.h"
#include "data/StoredQuestion.h"

#include <QString>
#include <QVector>

// The XML question format of the web-based test systems teachers move from: a <quiz> of
// <question type="…"> elements. Multiple-choice questions with one right answer
// (fraction 100, the others 0) come into the bank, their HTML turned into text; categories
// are passed over; every other kind of question is refused by name with its line.
namespace MoodleXmlFormat {

ImportResult parse(const QString& text);

// Whether the text is an XML document rather than a plain question file.
bool looksLikeXml(const QString& text);

// The bank as single-answer multiple-choice questions in HTML, options in bank order.
ExportResult write(const QVector<StoredQuestion>& bank);

} // namespace MoodleXmlFormat
