#pragma once

#include "skin/paint/Bitmap24.h"

#include <QString>

#include <cstdint>
#include <vector>

// One image item of a stored skin: a piece of the master bitmap, or (ImageCount 0) a
// picture of its own.
struct TsSkinImage
{
    QString SectionName;
    Bitmap24 Image;
    QString Name;
    QString PropertyName;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    int32_t ImageCount = 0;
    int32_t MaskType = 0;
    int32_t BorderWidth = 0;
};
using TsSkinImages = std::vector<TsSkinImage>;
