#pragma once

#include "skin/SkinIniFile.h"
#include "skin/SkinIssue.h"
#include "skin/TsStoredSkin.h"

#include <QString>

// Our text form of a stored skin (resources/skins/golden.skin): an ini text whose [Section ...]
// and [Image ...] items appear in stored order, next to the master bitmap it names.
namespace StoredSkinText {

// Builds the stored skin; picture files are found in folder. Problems (unknown keys, values
// that cannot be read, missing pictures) go to issues when given; the item keeps its default.
TsStoredSkin parse(const SkinIniFile& ini, const QString& folder, SkinIssues* issues = nullptr);
// Reads the file; an unreadable file gives an empty skin and an issue.
TsStoredSkin load(const QString& path, SkinIssues* issues = nullptr);

// The resource path of the program's own skin text.
QString builtInPath();

} // namespace StoredSkinText

// The stored skins the program carries: "Golden (internal)".
TsStoredSkins builtInStoredSkins();
