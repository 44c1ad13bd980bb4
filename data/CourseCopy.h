#pragma once

#include "data/ServerSchema.h"

class Connection;

// Copies the course's tables row by row between two connections of either kind (the
// server set-up, and backups of a course on the server). Callers hold the transaction.
// Throws DataError.
namespace CourseCopy {

// Appends every row of the table in from to the same table in to; returns how many. A
// table the source lacks (an old file without otvety) copies nothing.
qint64 copyTable(Connection& from, Connection& to, const ServerSchema::CopiedTable& table);

// Every course table, emptied in to first when replace is set.
enum class Mode { Append, Replace };
QStringList copyAll(Connection& from, Connection& to, Mode mode);

} // namespace CourseCopy
