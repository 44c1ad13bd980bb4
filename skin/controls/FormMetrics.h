#pragma once

#include <QRect>
#include <QSize>

// The border styles a skinned form can have.
enum class TsBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

// The title buttons a form offers (the provider's BorderIcons).
struct TsBorderIcons
{
    bool biSystemMenu = true;
    bool biMinimize = true;
    bool biMaximize = true;
    bool biHelp = false;
};

// What the frame's geometry is derived from: the form's style and the skin's pieces.
struct FormMetricsInput
{
    TsBorderStyle style = TsBorderStyle::bsSizeable;
    TsBorderIcons icons;
    bool showAppIcon = true;
    QSize titleIconSize; // 0 × 0: the size class of the caption height
    // Size of one frame of the section's BICONCLOSE piece; empty when the skin has none.
    QSize closeButton;
    bool hasMaxImage = true;
    bool hasMinImage = true;
    bool hasHelpImage = true;
    bool hasMenuBar = true;
    int menuLines = 1;
    int borderWidth = 0;
};

// The skinned frame's geometry: frame, caption, title buttons, icon, menu band and the
// client rectangle, in window coordinates.
struct FormMetrics
{
    int FW = 0, FH = 0, CH = 0;
    int BW = 21, BH = 21, BT = 0;
    int ML = 0;
    int IW = 0, IH = 0;
    int MX = 0;
    static constexpr int MG = 6;
    int borderWidth = 0;
    int menuLines = 1;
    bool hasMenuBar = false;
    TsBorderIcons icons;
    bool iconShown = false;
    // Slot of each standard button counted from the right (1 is the rightmost), 0 hidden.
    int closeSlot = 0, maxSlot = 0, minSlot = 0, helpSlot = 0;

    static FormMetrics compute(const FormMetricsInput& input);

    bool framed() const { return FW > 0 || CH > 0; }
    int visibleSystemButtons() const;
    int clientLeft() const { return FW + borderWidth; }
    int clientTop() const;
    QRect clientRect(QSize formSize) const;
    // The height of the title band (CH + FH) and of the whole menu band.
    int titleHeight() const { return CH + FH; }
    int menuBandHeight() const { return hasMenuBar ? ML * menuLines : 0; }
    // A button's rectangle by its slot; empty for slot 0.
    QRect buttonRect(int slot, int formWidth) const;
    QRect iconRect() const;
    // How wide the caption may be before it is shortened; 0 or less: no caption.
    int captionMaxWidth(int formWidth) const;
    QRect captionRect(int formWidth) const;
};

// The icon size that suits a caption height.
int IconSizeClass(int height);
