#include "skin/paint/PaintText.h"

#include "skin/paint/Bitmap24.h"
#include "skin/paint/SkinTableLookups.h"
#include "skin/paint/TsTextLayer.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

int qtTextFlags(unsigned format)
{
    int flags = (format & TextNoPrefix) ? 0 : Qt::TextShowMnemonic;
    if (format & TextWordBreak) {
        flags |= Qt::TextWordWrap;
        flags |= (format & TextCenter) ? Qt::AlignHCenter : (format & TextRight) ? Qt::AlignRight : Qt::AlignLeft;
        flags |= (format & TextVCenter) ? Qt::AlignVCenter : (format & TextBottom) ? Qt::AlignBottom : Qt::AlignTop;
    } else {
        flags |= Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignTop;
    }
    if (format & TextExpandTabs)
        flags |= Qt::TextExpandTabs;
    if (format & TextRtlReading)
        flags |= Qt::TextForceRightToLeft;
    return flags;
}

QSize measureInCanvas(const QFont& font, const QString& text, unsigned format)
{
    if (text.isEmpty())
        return {0, 0};
    const QSize size = QFontMetrics(font).size(qtTextFlags(format & ~TextWordBreak), text);
    return size.isValid() ? size : QSize(0, 0);
}

// Places the text inside rect and returns where it goes; rect becomes that place
// grown by one pixel (callers draw the focus frame there).
TsRect placeText(const PaintCanvas& canvas, const QString& text, unsigned format, TsRect& rect)
{
    if (format & TextWordBreak)
        return rect;
    const QSize size = measureInCanvas(canvas.font, text, format);
    const int dy = (HeightOf(rect) - size.height()) / 2;
    TsRect place{rect.Left, rect.Top + dy, rect.Left + size.width(), rect.Bottom - dy};
    if (format & TextCenter) {
        place.Left = rect.Left + (WidthOf(rect) - size.width()) / 2;
        place.Right = place.Left + size.width();
    } else if (format & TextRight) {
        place.Left = rect.Right - size.width();
        place.Right = rect.Right;
    }
    rect = {place.Left - 1, place.Top - 1, place.Right + 1, place.Bottom + 1};
    return place;
}

class TextPainter
{
public:
    TextPainter(PaintCanvas& canvas, const QString& text, unsigned format, TsRect place)
        : m_layer(canvas.bitmap.textLayer()), m_font(canvas.font), m_text(text), m_flags(qtTextFlags(format)), m_place(place)
    {
        if (m_layer)
            return;
        m_image = canvas.bitmap.imageView();
        if (!m_image.isNull()) {
            m_painter.begin(&m_image);
            m_painter.setFont(canvas.font);
            m_painter.setBrush(Qt::NoBrush);
        }
    }

    void draw(int dx, int dy, TsColor colour)
    {
        if (m_text.isEmpty())
            return;
        const QRect place(m_place.Left + dx, m_place.Top + dy, WidthOf(m_place), HeightOf(m_place));
        if (m_layer) {
            m_layer->addText({m_text, m_font, m_flags, place, colour});
            return;
        }
        if (!m_painter.isActive())
            return;
        m_painter.setPen(ToQColor(colour));
        m_painter.drawText(place, m_flags, m_text);
    }

private:
    TsTextLayer* m_layer;
    QFont m_font;
    QImage m_image;
    QPainter m_painter;
    QString m_text;
    int m_flags;
    TsRect m_place;
};

void drawDisabled(TextPainter& painter)
{
    painter.draw(1, 1, clSystemHighlight);
    painter.draw(0, 0, clSystemShadow);
}

} // namespace

void DrawContourText(PaintCanvas& canvas, const QString& text, bool enabled, const TsFontColors& colors,
                     unsigned format, TsRect& rect)
{
    TextPainter painter(canvas, text, format, placeText(canvas, text, format, rect));
    if (!enabled) {
        drawDisabled(painter);
        return;
    }
    struct Pass { int index; int dx; int dy; };
    static constexpr Pass contours[] = {{1, -1, 0}, {2, 0, -1}, {3, 1, 0}, {4, 0, 1}};
    for (const Pass& pass : contours) {
        if (colors[pass.index] != kNoColor)
            painter.draw(pass.dx, pass.dy, colors[pass.index]);
    }
    painter.draw(0, 0, colors[0]);
}

void DrawEmbossedText(PaintCanvas& canvas, const QString& text, bool enabled, unsigned format, TsRect& rect)
{
    TextPainter painter(canvas, text, format, placeText(canvas, text, format, rect));
    if (!enabled)
        drawDisabled(painter);
    else
        painter.draw(0, 0, canvas.fontColor);
}

QString FitTextWithEllipsis(const PaintCanvas& canvas, const QString& text, int maxWidth)
{
    if (maxWidth <= 0)
        return {};
    const QFontMetrics metrics(canvas.font);
    if (metrics.horizontalAdvance(text) <= maxWidth)
        return text;
    // The longest start of the text that fits with "..." after it; widths grow with the
    // length, so a binary search over the length finds it.
    const QString ellipsis = QStringLiteral("...");
    auto fits = [&](qsizetype length) { return metrics.horizontalAdvance(text.left(length) + ellipsis) <= maxWidth; };
    qsizetype low = 0, high = text.size() - 1; // fits(low) is assumed, fits(high + 1) known false
    if (!fits(1))
        return {};
    low = 1;
    while (low < high) {
        const qsizetype mid = low + (high - low + 1) / 2;
        if (fits(mid))
            low = mid;
        else
            high = mid - 1;
    }
    // Never split a surrogate pair.
    if (low > 1 && text.at(low - 1).isHighSurrogate())
        --low;
    return text.left(low) + ellipsis;
}

QSize MeasureText(const QFont& font, const QString& text)
{
    if (text.isEmpty())
        return {0, 0};
    const QSize size = QFontMetrics(font).size(Qt::TextSingleLine, text);
    return size.isValid() ? size : QSize(0, 0);
}

QSize MeasureTextIn(const QFont& font, const QString& text, int width, unsigned format)
{
    if (text.isEmpty())
        return {0, 0};
    if (!(format & TextWordBreak))
        return measureInCanvas(font, text, format);
    const QRect bounds = QFontMetrics(font).boundingRect(QRect(0, 0, std::max(width, 1), 1 << 20),
                                                         qtTextFlags(format) & ~(Qt::AlignVCenter | Qt::AlignBottom),
                                                         text);
    return bounds.size();
}

void DrawFocusFrame(PaintCanvas& canvas, TsRect rect)
{
    Bitmap24& b = canvas.bitmap;
    auto dot = [&b](int x, int y, TsColor colour) {
        if (x >= 0 && y >= 0 && x < b.width() && y < b.height())
            b.setPixel(x, y, colour);
    };
    for (int i = 0; i <= WidthOf(rect) / 3; ++i) {
        const int x = rect.Left + 3 * i;
        dot(x, rect.Top, 0x000000);
        dot(x, rect.Bottom, 0x000000);
        dot(x - 1, rect.Top - 1, 0xFFFFFF);
        dot(x - 1, rect.Bottom - 1, 0xFFFFFF);
    }
    for (int j = 0; j <= HeightOf(rect) / 3; ++j) {
        const int y = rect.Top + 3 * j;
        dot(rect.Left, y, 0x000000);
        dot(rect.Right, y, 0x000000);
        dot(rect.Left - 1, y - 1, 0xFFFFFF);
        dot(rect.Right - 1, y - 1, 0xFFFFFF);
    }
}

void FillSolidRect(QPainter& dc, TsRect rect, TsColor colour)
{
    if (rect.isEmpty())
        return;
    dc.save();
    dc.fillRect(QRect(rect.Left, rect.Top, WidthOf(rect), HeightOf(rect)), ToQColor(colour));
    dc.restore();
}

void DrawSkinText(const TsSkinTables& tables, PaintCanvas& canvas, const QString& text, bool enabled, bool hot, int sectionIndex, unsigned format,
                  TsRect& rect)
{
    if (!enabled || !SectionIndexValid(tables, sectionIndex)) {
        DrawEmbossedText(canvas, text, enabled, format, rect);
        return;
    }
    const TsGeneralData& section = tables.sections[std::size_t(sectionIndex)];
    DrawContourText(canvas, text, true, hot ? section.HotFontColor : section.FontColor, format, rect);
}
