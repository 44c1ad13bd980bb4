#pragma once

#include "skin/SkinLoaders.h"
#include "skin/StoredSkinText.h"
#include "skin/TsSkinData.h"

// The program's own skin, loaded once into the process-wide skin data, as every skin
// benchmark needs it.
inline void loadBuiltInSkin()
{
    TsSkinData& data = TsSkinData::instance();
    if (data.SkinReady)
        return;
    const TsStoredSkins skins = builtInStoredSkins();
    const SkinLoadSource source{nullptr, QString(), &skins, QStringLiteral("Golden (internal)"), nullptr};
    LoadImageTable(data.tables, source);
    LoadPatternTable(data.tables, source);
    LoadSectionTable(data.tables, source);
    data.SkinReady = true;
}
