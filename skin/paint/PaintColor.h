#pragma once

#include <array>
#include <cstdint>

class QColor;

// The skin's one colour type, in the tables and in the painting routines: 00BBGGRR, or
// FF0000ii naming system colour ii.
using TsColor = uint32_t;

// Magenta marks the transparent pixels of every skin picture.
constexpr TsColor kTransparentColor = 0x00FF00FF;
// "No colour" in the font contour slots (-1 in the stored form).
constexpr TsColor kNoColor = 0xFFFFFFFFu;
constexpr TsColor clSystemShadow = 0xFF000010;
constexpr TsColor clSystemHighlight = 0xFF000014;
constexpr TsColor kButtonFaceColor = 0xFF00000F;

// Text colour, then the contour colours left, top, right, bottom (kNoColor = no contour).
using TsFontColors = std::array<TsColor, 5>;
constexpr TsFontColors kDefaultFontColors = {0, kNoColor, kNoColor, kNoColor, kNoColor};

struct PaintRgb
{
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
};

inline bool IsSystemColor(TsColor color) { return (color >> 24) == 0xFF; }

// The current value of system colour `index` from the application palette.
QColor SystemColor(int index);

// The colour as 00BBGGRR with system colours resolved; other high bytes are dropped.
TsColor ResolveColor(TsColor color);
PaintRgb ColorToRgb(TsColor color);
QColor ToQColor(TsColor color);
