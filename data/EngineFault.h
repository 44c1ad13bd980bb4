#pragma once

#include "data/DataError.h"

#include <QString>

// What the user is told when the database engine fails for a reason outside the program:
// another program holding the file, a full disk, a file that cannot be written or read,
// or one that was deleted or replaced. The engine's own text goes into the details.
namespace EngineFault {

// How long a connection waits for another program's lock before giving up.
constexpr int kBusyTimeoutMs = 3000;

// A Russian explanation for the engine's extended result code with the engine's message as
// its details; other codes give the engine's message as it is.
DataError fault(int extendedCode, const QString& engineMessage);

// The file at path is no longer the one the connection opened.
QString fileMoved(const QString& path);

} // namespace EngineFault
