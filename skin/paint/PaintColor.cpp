#include "skin/paint/PaintColor.h"

#include <QGuiApplication>
#include <QColor>
#include <QPalette>

namespace {

struct SystemRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Index of the platform's system colours (scroll bar, desktop, active caption, ...)
// to the palette entry that plays the same part.
SystemRole roleForIndex(int index)
{
    switch (index) {
    case 0: return {QPalette::Active, QPalette::Button};            // scroll bar
    case 1: return {QPalette::Active, QPalette::Window};            // desktop
    case 2: return {QPalette::Active, QPalette::Highlight};         // active caption
    case 3: return {QPalette::Inactive, QPalette::Highlight};       // inactive caption
    case 4: return {QPalette::Active, QPalette::Window};            // menu
    case 5: return {QPalette::Active, QPalette::Base};              // window
    case 6: return {QPalette::Active, QPalette::Shadow};            // window frame
    case 7: return {QPalette::Active, QPalette::WindowText};        // menu text
    case 8: return {QPalette::Active, QPalette::Text};              // window text
    case 9: return {QPalette::Active, QPalette::HighlightedText};   // caption text
    case 10: return {QPalette::Active, QPalette::Window};           // active border
    case 11: return {QPalette::Inactive, QPalette::Window};         // inactive border
    case 12: return {QPalette::Active, QPalette::Dark};             // application workspace
    case 13: return {QPalette::Active, QPalette::Highlight};        // highlight
    case 14: return {QPalette::Active, QPalette::HighlightedText};  // highlight text
    case 15: return {QPalette::Active, QPalette::Button};           // button face
    case 16: return {QPalette::Active, QPalette::Dark};             // button shadow
    case 17: return {QPalette::Disabled, QPalette::Text};           // grey text
    case 18: return {QPalette::Active, QPalette::ButtonText};       // button text
    case 19: return {QPalette::Inactive, QPalette::HighlightedText};// inactive caption text
    case 20: return {QPalette::Active, QPalette::Light};            // button highlight
    case 21: return {QPalette::Active, QPalette::Shadow};           // dark shadow
    case 22: return {QPalette::Active, QPalette::Midlight};         // light
    case 23: return {QPalette::Active, QPalette::ToolTipText};      // info text
    case 24: return {QPalette::Active, QPalette::ToolTipBase};      // info background
    case 26: return {QPalette::Active, QPalette::Link};             // hot light
    case 27: return {QPalette::Active, QPalette::Highlight};        // gradient active caption
    case 28: return {QPalette::Inactive, QPalette::Highlight};      // gradient inactive caption
    case 29: return {QPalette::Active, QPalette::Highlight};        // menu highlight
    case 30: return {QPalette::Active, QPalette::Window};           // menu bar
    default: return {QPalette::Active, QPalette::Window};
    }
}

} // namespace

QColor SystemColor(int index)
{
    const SystemRole entry = roleForIndex(index);
    return QGuiApplication::palette().color(entry.group, entry.role);
}

TsColor ResolveColor(TsColor color)
{
    if (!IsSystemColor(color))
        return color & 0x00FFFFFF;
    const QColor c = SystemColor(int(color & 0xFF));
    return TsColor(c.red()) | TsColor(c.green()) << 8 | TsColor(c.blue()) << 16;
}

PaintRgb ColorToRgb(TsColor color)
{
    const TsColor c = ResolveColor(color);
    return {uint8_t(c & 0xFF), uint8_t((c >> 8) & 0xFF), uint8_t((c >> 16) & 0xFF)};
}

QColor ToQColor(TsColor color)
{
    const PaintRgb rgb = ColorToRgb(color);
    return QColor(rgb.r, rgb.g, rgb.b);
}
