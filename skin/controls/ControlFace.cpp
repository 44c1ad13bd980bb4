#include "skin/controls/ControlFace.h"

#include "skin/TsCommonData.h"

#include <QColor>
#include <QWidget>

TsColor ToTsColor(const QColor& colour)
{
    return TsColor(colour.red()) | TsColor(colour.green()) << 8 | TsColor(colour.blue()) << 16;
}

TsColor ParentColour(const QWidget& control)
{
    const QWidget* parent = control.parentWidget();
    const QWidget& source = parent ? *parent : control;
    return ToTsColor(source.palette().color(source.backgroundRole()));
}

TsParentCache ParentBackground(const TsCommonData& data, Bitmap24& fallback)
{
    const QWidget* control = data.OwnerControl;
    TsParentCache cache = data.GetParentCache();
    if (cache.usable() || !control)
        return cache;
    // A picture of the control's size; the offsets cancel the control's position, which
    // the painters add.
    fallback.resize(control->width(), control->height());
    fallback.fill(ParentColour(*control));
    return {&fallback, -control->x(), -control->y(), !fallback.isNull()};
}
