#pragma once

#include <QString>

// A name a person typed or pasted (a student's name and group, a topic name). Control
// characters (a NUL survives a paste) cannot be stored and invisible ones make two equal
// looking names differ, so both are dropped; tabs and line breaks become spaces.
namespace TypedName {

// The name without control and zero-width characters, in composed form (NFC), with the
// spaces as typed.
QString clean(const QString& typed);

// clean() without spaces at either end; empty when nothing visible is left.
QString cleanTrimmed(const QString& typed);

} // namespace TypedName
