#include "skin/TsStoredSkin.h"

const TsStoredSkin* findStoredSkin(const TsStoredSkins& skins, const QString& name)
{
    for (const TsStoredSkin& skin : skins) {
        if (skin.Name == name)
            return &skin;
    }
    return nullptr;
}
