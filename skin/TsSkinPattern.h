#pragma once

#include "skin/paint/Bitmap24.h"

#include <QString>

#include <vector>

// One pattern item of a stored skin: a JPEG fill picture, kept decoded.
struct TsSkinPattern
{
    QString SectionName;
    Bitmap24 Image;
    QString Name;
    QString PropertyName;
};
using TsSkinPatterns = std::vector<TsSkinPattern>;
