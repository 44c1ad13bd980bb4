#include "skin/controls/ControlFace.h"

#include "skin/SkinMessage.h"
#include "skin/TsCommonData.h"

#include <QColor>
#include <QPainter>
#include <QRegion>
#include <QWidget>

bool OutsideParentClient(const QWidget& control, ParentEdge edge)
{
    const QWidget* parent = control.parentWidget();
    if (!parent)
        return false;
    const QRect g = control.geometry();
    const int w = parent->width(), h = parent->height();
    auto inside = [&](int x, int y) {
        if (edge == ParentEdge::CountsInside)
            return x >= 0 && y >= 0 && x <= w && y <= h;
        return x >= 0 && y >= 0 && x < w && y < h;
    };
    return !(inside(g.x(), g.y()) && inside(g.x() + g.width(), g.y() + g.height()));
}

bool FaceNeedsRender(TsCommonData& data, ParentEdge edge)
{
    QWidget* control = data.OwnerControl;
    QWidget* parent = control ? control->parentWidget() : nullptr;
    const bool parentHidden = parent && SkinMessage::send(parent, SKN_ISPARTLYHIDDEN) == 1;
    data.CacheInvalid = data.CacheInvalid || data.PartlyHidden || parentHidden;
    data.PartlyHidden = control && OutsideParentClient(*control, edge);
    return data.CacheInvalid || data.PartlyHidden;
}

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

void CopyCacheAround(const TsCommonData& data, QPainter& dc, const QRect& hole)
{
    const QWidget* control = data.OwnerControl;
    if (!control)
        return;
    dc.save();
    dc.setClipRegion(QRegion(control->rect()) - QRegion(hole));
    data.CopyCacheToDC(dc);
    dc.restore();
}
