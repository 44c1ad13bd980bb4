#include "skin/TsPopupItemPainter.h"

#include "skin/SkinLookups.h"
#include "skin/TsSkinData.h"
#include "skin/paint/Bitmap24.h"
#include "skin/paint/PaintBlend.h"
#include "skin/paint/PaintCopy.h"
#include "skin/paint/PaintRows.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintText.h"
#include "skin/paint/TsParentCache.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr TsColor kGrey = 0x808080;
constexpr TsColor kWhite = 0xFFFFFF;

// Grey at top and left, white at bottom and right; the white right column includes the
// top-right pixel, so a two-row rectangle is a grey line over a white one.
void etchedFrame(Bitmap24& bitmap, TsRect r)
{
    if (r.isEmpty())
        return;
    FillRect(bitmap, {r.Left, r.Top, r.Right - 1, r.Top + 1}, kGrey);
    FillRect(bitmap, {r.Left, r.Top, r.Left + 1, r.Bottom - 1}, kGrey);
    FillRect(bitmap, {r.Right - 1, r.Top, r.Right, r.Bottom}, kWhite);
    FillRect(bitmap, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, kWhite);
}

QFont itemFont(unsigned state)
{
    QFont font = TsSkinableMenus::MenuFont();
    font.setBold((state & odDefault) != 0);
    return font;
}

} // namespace

TsMenuItemType TsPopupItemPainter::ItemType(const QString& caption)
{
    if (caption == QLatin1String("-"))
        return smDivider;
    if (caption.size() > 1 && caption.startsWith(QLatin1Char('-')) && caption.endsWith(QLatin1Char('-')))
        return smCaption;
    return smNormal;
}

QSize TsPopupItemPainter::Measure(const QFont& font, const QString& caption, const QString& shortcut) const
{
    const TsMenuItemType type = ItemType(caption);
    const QSize glyph = GlyphSize();
    QString text;
    if (type == smCaption)
        text = QLatin1Char('-') + caption + QLatin1Char('-');
    else if (type == smNormal)
        text = TsSkinableMenus::WithoutMnemonic(caption) + (shortcut.isEmpty() ? QString() : QLatin1Char('\t') + shortcut);
    const QFontMetrics metrics(font);
    const int textWidth = text.isEmpty() ? 0
                          : metrics.boundingRect(QRect(0, 0, 12, 0), Qt::TextSingleLine | Qt::TextExpandTabs, text).width();
    const int width = 2 * glyph.width() + textWidth + 3 * m_menus.Margin;
    const int line = int(RoundHalfEven(1.25 * metrics.height()));
    switch (type) {
    case smDivider: return QSize(width, 2);
    case smCaption: return QSize(width, line + 2 * m_menus.Margin);
    default: return QSize(width, std::max(line, glyph.height()) + 2 * m_menus.Margin);
    }
}

Bitmap24 TsPopupItemPainter::RenderBackground(QSize size)
{
    Bitmap24 background(size.width(), size.height());
    if (background.isNull())
        return background;
    const TsSkinTables& tables = TsSkinData::instance().tables;
    const QString name = QStringLiteral("MAINMENU");
    PaintSectionBackground(tables, FindSectionIndex(tables.sections, name), name, EmptyParentCache(), background, {},
                           {0, 0, size.width(), size.height()}, 0);
    return background;
}

void TsPopupItemPainter::Draw(Bitmap24& item, QPoint at, const TsPopupItem& entry, unsigned state,
                              const Bitmap24& background) const
{
    const int W = item.width(), H = item.height();
    if (item.isNull())
        return;
    // What the drop-down shows behind the item.
    CopyRect(item, 0, 0, background, {at.x(), at.y(), at.x() + W, at.y() + H});
    const TsMenuItemType type = ItemType(entry.caption);
    if (type == smDivider) {
        const int inset = m_menus.BorderWidth + m_menus.Margin;
        etchedFrame(item, {inset, 0, W - inset, H});
        return;
    }
    if (type == smCaption)
        return;
    const TsSkinTables& tables = TsSkinData::instance().tables;
    const QString name = QStringLiteral("MENUITEM");
    const TsParentCache dropDown{&background, 0, 0, !background.isNull()};
    PaintSectionBackground(tables, FindSectionIndex(tables.sections, name), name, dropDown, item, at, {0, 0, W, H},
                           (state & odSelected) ? 1 : 0);
    drawCheck(item, entry, state);
    drawGlyph(item, entry, state);
    drawTexts(item, entry, state);
    if (m_menus.OnDrawItem)
        m_menus.OnDrawItem(entry.caption, item, QRect(0, 0, W, H), state, smNormal);
}

void TsPopupItemPainter::drawCheck(Bitmap24& item, const TsPopupItem& entry, unsigned state) const
{
    if (!(state & odChecked))
        return;
    const QSize glyph = GlyphSize();
    const TsRect box{m_menus.Margin, (item.height() - glyph.height()) / 2, m_menus.Margin + glyph.width(),
                     (item.height() - glyph.height()) / 2 + glyph.height()};
    BlendColorOver(item, box, 50, kWhite);
    etchedFrame(item, box);
    if (!entry.icon.isNull())
        return;
    // A tick: black when enabled, embossed (highlight one pixel off, then shadow) when not.
    QImage view = item.imageView();
    QPainter painter(&view);
    const QPointF tick[] = {{box.Left + 4.0, box.Top + 8.0}, {box.Left + 7.0, box.Top + 11.0}, {box.Left + 12.0, box.Top + 5.0}};
    auto drawTick = [&](QColor colour, QPointF shift) {
        painter.setPen(QPen(colour, 2));
        const QPointF moved[] = {tick[0] + shift, tick[1] + shift, tick[2] + shift};
        painter.drawPolyline(moved, 3);
    };
    if (state & odDisabled) {
        drawTick(Qt::white, QPointF(1, 1));
        drawTick(QColor(128, 128, 128), QPointF(0, 0));
    } else {
        drawTick(Qt::black, QPointF(0, 0));
    }
}

void TsPopupItemPainter::drawGlyph(Bitmap24& item, const TsPopupItem& entry, unsigned state) const
{
    if (entry.icon.isNull())
        return;
    const QSize glyph = GlyphSize();
    const int offset = (item.height() - glyph.height()) / 2;
    QImage view = item.imageView();
    QPainter painter(&view);
    const QIcon::Mode mode = (state & odDisabled) ? QIcon::Disabled : QIcon::Normal;
    painter.drawPixmap(offset, offset, entry.icon.pixmap(glyph, mode));
}

void TsPopupItemPainter::drawTexts(Bitmap24& item, const TsPopupItem& entry, unsigned state) const
{
    const TsSkinTables& tables = TsSkinData::instance().tables;
    const int W = item.width(), H = item.height();
    const int gw = GlyphSize().width();
    const bool hot = (state & (odSelected | odHotLight)) != 0;
    const int section = FindSectionIndex(tables.sections, QStringLiteral("MENUITEM"));
    PaintCanvas canvas{item, itemFont(state), 0};

    QString caption = TsSkinableMenus::WithoutMnemonic(entry.caption);
    unsigned horizontal = TsSkinableMenus::AlignmentFlags(m_menus.Alignment);
    // A leading backspace puts the caption at the right edge, six spaces in from it.
    if (caption.startsWith(QChar(8))) {
        caption = caption.mid(1) + QStringLiteral("      ");
        horizontal = TextRight;
    }
    TsRect captionRect{gw + 2 * m_menus.Margin, 0, W, H};
    DrawSkinText(tables, canvas, caption, entry.enabled, hot, section,
                 horizontal | TextVCenter | TextSingleLine | TextExpandTabs, captionRect);
    if (entry.shortcut.isEmpty())
        return;
    // Right-aligned before the right edge; the rectangle reaches back to the caption so a
    // long shortcut is shown whole.
    TsRect shortcutRect{gw + 2 * m_menus.Margin, 0, W - 8, H};
    DrawSkinText(tables, canvas, entry.shortcut, entry.enabled, hot, section, TextRight | TextVCenter | TextSingleLine,
                 shortcutRect);
}
