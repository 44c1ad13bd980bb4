#pragma once

#include <QString>
#include <QStringList>

class Connection;

// Copies of the whole course database, made and put back through the engine's online
// backup, so the copy is consistent while the program runs.
namespace DatabaseBackup {

// Writes the database behind the connection into the file (replacing it only once the copy
// is complete: a failure leaves an older file of that name as it was). The copy is a
// single self-contained file. Opens a closed connection; throws DataError.
void save(Connection& connection, const QString& file);

// What keeps the file from standing in for the course database, in Russian: not a
// database, damaged, a table or column missing, no parameter record. Empty when the file
// will do. Never changes the file.
QStringList check(const QString& file);

// Replaces everything in the database behind the connection by the file's contents, in one
// step: a failure leaves the database as it was. Call check() first. Throws DataError.
void restore(Connection& connection, const QString& file);

} // namespace DatabaseBackup
