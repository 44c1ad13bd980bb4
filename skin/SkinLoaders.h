#pragma once

#include "skin/SkinIniFile.h"
#include "skin/paint/TsSkinTables.h"
#include "skin/TsStoredSkin.h"

#include <QString>

// What the loaders read from. With an options file the skin is external (its files lie in
// skinFolder); otherwise the stored skin named skinName is loaded. Common sections, when
// given, are appended to either.
struct SkinLoadSource
{
    const SkinIniFile* options = nullptr;
    QString skinFolder;
    const TsStoredSkins* storedSkins = nullptr;
    QString skinName;
    const SkinIniFile* commonSections = nullptr;
};

// VERSION, AUTHOR and DESCRIPTION of an external skin.
struct SkinInfo
{
    double version = 0;
    QString author;
    QString description;
};

// The loaders, run in this order. Each empties its own table first.
void LoadImageTable(TsSkinTables& tables, const SkinLoadSource& source);
void LoadPatternTable(TsSkinTables& tables, const SkinLoadSource& source);
// Throws SkinError when a gradient word of an options file is not a number. An options file
// of the old format (a section "TSEDIT") shows an error box and leaves the table empty.
void LoadSectionTable(TsSkinTables& tables, const SkinLoadSource& source, SkinInfo* info = nullptr);

// Frees the image entries and the master bitmap.
void ClearImageTable(TsSkinTables& tables);
void ClearPatternTable(TsSkinTables& tables);

// The English text of the old-format error box.
QString oldSkinFormatMessage();

// Piece values of an options file ("# (left,top,right,bottom) (count,mask[,border])").
// Nothing when the rectangle is not four numbers.
std::optional<TsMaskData> parsePieceValue(const QString& value);
