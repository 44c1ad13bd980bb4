#pragma once

// The desktop metrics the skinned frame, menus and scroll bars are laid out with. They are
// fixed values of a classic 96-dpi desktop, not read from the running system, so every
// machine lays the skinned windows out alike.
namespace SystemMetrics {

// Sizeable frame; single and dialog frames are one pixel thinner.
constexpr int SM_CXFRAME = 4;
constexpr int SM_CYFRAME = 4;
constexpr int kThinFrame = 3;

constexpr int SM_CYCAPTION = 19;
// Tool windows only.
constexpr int SM_CYSMCAPTION = 16;

constexpr int SM_CYMENU = 19;
// Extra width of a menu-bar item beyond its text.
constexpr int SM_CXMENUSIZE = 18;

constexpr int SM_CXHSCROLL = 16;
constexpr int SM_CYHSCROLL = 16;
constexpr int SM_CXVSCROLL = 16;
constexpr int SM_CYVSCROLL = 16;

// The menu, message and caption font: family as the layouts name it and pixel size.
constexpr const char* kMenuFontFamily = "MS Sans Serif";
constexpr int kMenuFontPixelSize = 11;

} // namespace SystemMetrics
