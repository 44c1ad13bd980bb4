#pragma once

#include <cstdint>

class QColor;

// A colour value of the skin: 00BBGGRR, or FF0000ii naming system colour ii.
using TColor = uint32_t;

constexpr TColor clTransparentMagenta = 0x00FF00FF;
constexpr TColor clSystemShadow = 0xFF000010;
constexpr TColor clSystemHighlight = 0xFF000014;
constexpr TColor clSystemButtonFace = 0xFF00000F;

struct PaintRgb
{
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
};

inline bool IsSystemColor(TColor color) { return (color >> 24) == 0xFF; }

// The current value of system colour `index` from the application palette.
QColor SystemColor(int index);

// The colour as 00BBGGRR with system colours resolved; other high bytes are dropped.
TColor ResolveColor(TColor color);
PaintRgb ColorToRgb(TColor color);
QColor ToQColor(TColor color);
