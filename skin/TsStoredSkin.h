#pragma once

#include "skin/TsSkinGeneral.h"
#include "skin/TsSkinImage.h"
#include "skin/TsSkinPattern.h"
#include "skin/paint/Bitmap24.h"

#include <QString>

#include <vector>

// A skin carried inside the program. Copying a stored skin copies its items.
struct TsStoredSkin
{
    QString Name;
    TsSkinGenerals GeneralData;
    TsSkinImages Images;
    TsSkinPatterns Patterns;
    Bitmap24 MasterBitmap;
};
using TsStoredSkins = std::vector<TsStoredSkin>;

// The first stored skin whose Name equals name (case-sensitive), or none.
const TsStoredSkin* findStoredSkin(const TsStoredSkins& skins, const QString& name);
