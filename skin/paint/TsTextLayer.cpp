#include "skin/paint/TsTextLayer.h"

#include "skin/paint/Bitmap24.h"
#include "skin/paint/PaintCopy.h"
#include "skin/paint/PaintScale.h"

#include <QPainter>

void TsTextLayer::deferDisabledEffect(TsDisabledKind kind, TsColor background, int offsetX, int offsetY,
                                      const TsParentCache& parent)
{
    m_effect = {true, kind, background, offsetX, offsetY, parent};
}

void TsTextLayer::drawAt(Bitmap24& device, QSize logical, double scale) const
{
    if (!m_texts.empty()) {
        QImage view = device.imageView();
        if (!view.isNull()) {
            view.setDevicePixelRatio(scale);
            QPainter painter(&view);
            painter.setBrush(Qt::NoBrush);
            for (const TextPass& pass : m_texts) {
                painter.setFont(pass.font);
                painter.setPen(ToQColor(pass.colour));
                painter.drawText(pass.place, pass.flags, pass.text);
            }
        }
    }
    applyEffect(device, logical, scale);
}

void TsTextLayer::finish(Bitmap24& face, double scale, QImage& screen) const
{
    const QSize logical(face.width(), face.height());
    Bitmap24 device;
    ScaleBitmap(device, face, scale);
    drawAt(device, logical, scale);
    drawAt(face, logical, 1.0);
    device.copyToRgb32(screen);
    screen.setDevicePixelRatio(scale);
}

// The parent's picture under the face, scaled like the face, stands in for the parent.
void TsTextLayer::applyEffect(Bitmap24& device, QSize logical, double scale) const
{
    if (!m_effect.wanted)
        return;
    if (!m_effect.parent.usable() || !(m_effect.kind & dkBlended)) {
        ApplyDisabledEffect(device, m_effect.kind, m_effect.background, 0, 0, EmptyParentCache());
        return;
    }
    const int x = m_effect.parent.OffsetX + m_effect.offsetX, y = m_effect.parent.OffsetY + m_effect.offsetY;
    Bitmap24 under(logical.width(), logical.height());
    CopyRect(under, 0, 0, *m_effect.parent.Bitmap, {x, y, x + logical.width(), y + logical.height()});
    Bitmap24 scaledUnder;
    ScaleBitmap(scaledUnder, under, scale);
    ApplyDisabledEffect(device, m_effect.kind, m_effect.background, 0, 0, {&scaledUnder, 0, 0, true});
}
