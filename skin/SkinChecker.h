#pragma once

#include "skin/SkinIniFile.h"
#include "skin/SkinIssue.h"
#include "skin/TsStoredSkin.h"

#include <QString>

// Checks a skin with the same loaders the program uses and lists what is wrong with it:
// unknown keys, pieces outside the master bitmap, PARENTCLASS names that name no section
// or loop, files that are missing.
namespace SkinChecker {

// A skin folder holding Options.dat.
SkinIssues checkFolder(const QString& folder);
// A stored skin in our text form; sourceFile is the text it came from (for the lines).
SkinIssues checkStoredText(const QString& sourceFile);

// The known problems of a skin, one message a line (";" starts a comment).
QStringList readKnownIssues(const QString& path);
// The issues whose message is not among the known ones.
SkinIssues withoutKnown(const SkinIssues& issues, const QStringList& known);

QString format(const SkinIssue& issue);

} // namespace SkinChecker
