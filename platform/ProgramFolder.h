#pragma once

#include <QString>

// The folder of the running executable (links resolved), with a trailing separator.
// Documents, the database and presentations are found from it, never from the current
// directory. Tests may point it at a temporary folder.
namespace ProgramFolder {

QString path();
void setPathForTesting(const QString& folder);

} // namespace ProgramFolder
