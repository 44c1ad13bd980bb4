#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVector>

// A table as a CSV file that a spreadsheet on a Russian desktop opens with the right
// letters and columns: UTF-8 with a byte-order mark, ";" between fields, CRLF after each
// record.
namespace CsvFile {

// A field holding ";", a quote, a line break or blanks at an edge is put in quotes with
// inner quotes doubled. A field that a spreadsheet would take for a formula (first
// character "=", "+", "-" or "@") gets an apostrophe in front, so a student's name cannot
// run anything on the dean's office computer.
QByteArray write(const QStringList& header, const QVector<QStringList>& rows);

QString field(const QString& value);

} // namespace CsvFile
