#include "skin/controls/FormMetrics.h"

#include "platform/SystemMetrics.h"

using namespace SystemMetrics;

namespace {

int frameWidth(TsBorderStyle style)
{
    switch (style) {
    case TsBorderStyle::bsNone: return 0;
    case TsBorderStyle::bsSizeable:
    case TsBorderStyle::bsSizeToolWin: return SM_CXFRAME;
    default: return SM_CXFRAME - 1;
    }
}

int frameHeight(TsBorderStyle style)
{
    switch (style) {
    case TsBorderStyle::bsNone: return 0;
    case TsBorderStyle::bsSingle:
    case TsBorderStyle::bsDialog: return SM_CYFRAME - 1;
    default: return SM_CYFRAME;
    }
}

int captionHeight(TsBorderStyle style)
{
    switch (style) {
    case TsBorderStyle::bsNone: return 0;
    case TsBorderStyle::bsToolWindow: return SM_CYSMCAPTION - 1;
    case TsBorderStyle::bsSizeToolWin: return SM_CYSMCAPTION;
    default: return SM_CYCAPTION;
    }
}

} // namespace

int IconSizeClass(int height)
{
    if (height < 9)
        return 0;
    if (height <= 16)
        return 8;
    if (height <= 24)
        return 16;
    if (height <= 32)
        return 24;
    return 32;
}

FormMetrics FormMetrics::compute(const FormMetricsInput& input)
{
    FormMetrics m;
    m.FW = frameWidth(input.style);
    m.FH = frameHeight(input.style);
    m.CH = captionHeight(input.style);
    if (!input.closeButton.isEmpty()) {
        m.BW = input.closeButton.width();
        m.BH = input.closeButton.height();
    }
    m.BT = (m.CH + m.FH - m.BH) / 2 + (m.BH < 16 ? 2 : 0);
    m.hasMenuBar = input.hasMenuBar && input.style != TsBorderStyle::bsDialog;
    m.ML = m.hasMenuBar ? SM_CYMENU - 1 : 0;
    m.MX = SM_CXMENUSIZE;
    m.menuLines = input.menuLines < 1 ? 1 : input.menuLines;
    m.borderWidth = input.borderWidth;
    m.icons = input.icons;

    const bool sizeable = input.style == TsBorderStyle::bsSizeable;
    const bool single = input.style == TsBorderStyle::bsSingle;
    m.iconShown = input.showAppIcon && (sizeable || single);
    if (m.iconShown) {
        m.IW = input.titleIconSize.width() > 0 ? input.titleIconSize.width() : IconSizeClass(m.CH);
        m.IH = input.titleIconSize.height() > 0 ? input.titleIconSize.height() : IconSizeClass(m.CH);
    }

    const bool system = input.icons.biSystemMenu;
    int next = 1;
    if (system && !input.closeButton.isEmpty())
        m.closeSlot = next++;
    if (system && sizeable && input.hasMaxImage) {
        m.maxSlot = 2;
        next = 3;
    }
    if (system && (sizeable || single) && input.hasMinImage)
        m.minSlot = next++;
    if (input.icons.biHelp && input.hasHelpImage)
        m.helpSlot = next++;
    return m;
}

int FormMetrics::visibleSystemButtons() const
{
    return (closeSlot > 0) + (maxSlot > 0) + (minSlot > 0) + (helpSlot > 0);
}

int FormMetrics::clientTop() const
{
    if (!framed())
        return 1;
    return FH + CH + menuBandHeight() + borderWidth + 1;
}

QRect FormMetrics::clientRect(QSize formSize) const
{
    const int left = clientLeft(), top = clientTop();
    const int right = formSize.width() - FW - borderWidth;
    const int bottom = formSize.height() - FH - borderWidth;
    return QRect(left, top, right - left, bottom - top);
}

QRect FormMetrics::buttonRect(int slot, int formWidth) const
{
    if (slot <= 0)
        return {};
    return QRect(formWidth - FW - slot * (BW + 1), BT, BW, BH);
}

QRect FormMetrics::iconRect() const
{
    if (!iconShown)
        return {};
    return QRect(FW, (CH + FH - IH) / 2, IW, IH);
}

int FormMetrics::captionMaxWidth(int formWidth) const
{
    const int iconRight = iconShown ? FW + IW : FW;
    return formWidth - iconRight - 16 - visibleSystemButtons() * (BW + 1);
}

QRect FormMetrics::captionRect(int formWidth) const
{
    const int left = (iconShown ? IW : 0) + FW + 4;
    const int right = formWidth - visibleSystemButtons() * (BW + 1) - 16;
    return QRect(left, FH, right - left, CH - FH);
}
