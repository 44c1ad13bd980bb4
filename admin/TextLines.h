#pragma once

#include <QString>
#include <QStringList>

namespace TextLines {

// The lines of a text: CRLF, LF and a lone CR all end a line, and a byte-order mark at the
// start is dropped. Line i of the result is line i + 1 of the file.
QStringList split(const QString& text);

} // namespace TextLines
