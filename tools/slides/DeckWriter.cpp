#include "DeckWriter.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>

namespace {

// Pages are 10 × 5.625 inches; at 128 dots per inch the painter works on 1280 × 720.
constexpr int kResolution = 128;
constexpr qreal kPageWidth = 1280;
constexpr qreal kPageHeight = 720;
constexpr qreal kMarginX = 80;
constexpr qreal kBodyBottom = 640;
constexpr qreal kBulletIndent = 44;
constexpr qreal kCodePad = 14;

const QColor kPaper(0xFA, 0xF3, 0xE6);
const QColor kTerracotta(0xB4, 0x53, 0x2A);
const QColor kAmber(0xD9, 0x8E, 0x3A);
const QColor kGold(0xE2, 0xB0, 0x4A);
const QColor kInk(0x3A, 0x2A, 0x1F);
const QColor kMuted(0x8A, 0x72, 0x60);
const QColor kCodePaper(0xF1, 0xE3, 0xCC);
const QColor kCodeInk(0x4A, 0x2E, 0x1C);

QFont makeFont(const QString& family, int pixelSize, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

DeckWriter::DeckWriter(const SlideOutline& outline)
    : m_outline(outline)
    , m_titleFont(makeFont(QStringLiteral("DejaVu Sans"), 40, true))
    , m_bodyFont(makeFont(QStringLiteral("DejaVu Sans"), 28))
    , m_codeFont(makeFont(QStringLiteral("DejaVu Sans Mono"), 22))
    , m_footerFont(makeFont(QStringLiteral("DejaVu Sans"), 15))
{
}

bool DeckWriter::write(const QString& path)
{
    const QString temporary = path + QStringLiteral(".tmp");
    QFile::remove(temporary);
    {
        QPdfWriter writer(temporary);
        writer.setResolution(kResolution);
        writer.setTitle(m_outline.title());
        writer.setCreator(QStringLiteral("Вестрон"));
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(254.0, 142.875), QPageSize::Millimeter),
                                         QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            m_error = QStringLiteral("cannot write %1").arg(temporary);
            return false;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        paintTitlePage(painter);

        int pageNumber = 1;
        for (const Slide& slide : m_outline.slides()) {
            const QVector<Row> rows = layoutBody(slide, &writer);
            int from = 0;
            bool continued = false;
            do {
                writer.newPage();
                ++pageNumber;
                paintBackground(painter);
                const QString title = continued ? slide.title + QStringLiteral(" (продолжение)") : slide.title;
                const qreal top = paintSlideTitle(painter, title);
                const int to = takeRows(rows, from, top);
                paintRows(painter, rows, from, to, top);
                paintFooter(painter, pageNumber);
                from = to;
                continued = true;
            } while (from < rows.size());
        }
        if (!painter.end()) {
            m_error = QStringLiteral("cannot finish %1").arg(temporary);
            return false;
        }
    }
    QFile::remove(path);
    if (!QFile::rename(temporary, path)) {
        m_error = QStringLiteral("cannot rename %1 to %2").arg(temporary, path);
        return false;
    }
    return true;
}

QStringList DeckWriter::wrap(const QString& text, const QFont& font, qreal width, QPaintDevice* device) const
{
    QStringList lines;
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.append(text.mid(line.textStart(), line.textLength()));
    }
    layout.endLayout();
    if (lines.isEmpty())
        lines.append(QString());
    return lines;
}

QVector<DeckWriter::Row> DeckWriter::layoutBody(const Slide& slide, QPaintDevice* device) const
{
    const qreal bodyWidth = kPageWidth - 2 * kMarginX;
    const qreal bodyLine = QFontMetricsF(m_bodyFont, device).height() * 1.2;
    const qreal codeLine = QFontMetricsF(m_codeFont, device).height() * 1.15;

    QVector<Row> rows;
    for (int i = 0; i < slide.items.size(); ++i) {
        const SlideItem& item = slide.items[i];
        const bool code = item.kind == SlideItem::Kind::Code;
        const bool prevCode = i > 0 && slide.items[i - 1].kind == SlideItem::Kind::Code;
        const bool nextCode = i + 1 < slide.items.size() && slide.items[i + 1].kind == SlideItem::Kind::Code;
        const QStringList lines = code
            ? wrap(item.text, m_codeFont, bodyWidth - kBulletIndent - 2 * kCodePad, device)
            : wrap(item.text, m_bodyFont, bodyWidth - kBulletIndent, device);
        for (int k = 0; k < lines.size(); ++k) {
            Row row;
            row.kind = item.kind;
            row.text = lines[k];
            row.height = code ? codeLine : bodyLine;
            row.startsItem = k == 0 && (!code || !prevCode);
            row.endsItem = code && k == lines.size() - 1 && !nextCode;
            if (code && row.startsItem)
                row.height += kCodePad;
            if (row.endsItem)
                row.height += kCodePad;
            rows.append(row);
        }
    }
    return rows;
}

// The rows from `from` that go on one page whose body starts at top. An item (a bullet with its
// wrapped lines, a code block) moves to the next page whole when it does not fit; only an item
// taller than a whole page is split. A page always takes at least one row.
int DeckWriter::takeRows(const QVector<Row>& rows, int from, qreal top) const
{
    int to = from;
    qreal y = top;
    while (to < rows.size()) {
        int end = to + 1;
        while (end < rows.size() && !rows[end].startsItem)
            ++end;
        qreal need = to == from ? 0 : gapBefore(rows[to]);
        for (int k = to; k < end; ++k)
            need += rows[k].height;
        if (y + need <= kBodyBottom) {
            y += need;
            to = end;
            continue;
        }
        if (to > from)
            break;
        while (to < end && (to == from || y + rows[to].height <= kBodyBottom)) {
            y += rows[to].height;
            ++to;
        }
        break;
    }
    return to;
}

qreal DeckWriter::gapBefore(const Row& row) const
{
    return row.startsItem ? 14 : 0;
}

void DeckWriter::paintTitlePage(QPainter& painter) const
{
    QLinearGradient gradient(0, 0, kPageWidth, kPageHeight);
    gradient.setColorAt(0, kTerracotta);
    gradient.setColorAt(1, kAmber);
    painter.fillRect(QRectF(0, 0, kPageWidth, kPageHeight), gradient);
    painter.fillRect(QRectF(0, kPageHeight - 120, kPageWidth, 120), kPaper);
    painter.fillRect(QRectF(kMarginX, 380, 160, 8), kGold);

    QFont big = m_titleFont;
    big.setPixelSize(56);
    painter.setFont(big);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(kMarginX, 110, kPageWidth - 2 * kMarginX, 260),
                     Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, m_outline.title());

    QFont subtitle = m_bodyFont;
    subtitle.setPixelSize(26);
    painter.setFont(subtitle);
    painter.setPen(QColor(0xFF, 0xF1, 0xDE));
    painter.drawText(QRectF(kMarginX, 405, kPageWidth - 2 * kMarginX, 60), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Курс «Базы данных»"));

    painter.setFont(m_footerFont);
    painter.setPen(kMuted);
    painter.drawText(QRectF(kMarginX, kPageHeight - 120, kPageWidth - 2 * kMarginX, 120),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Электронный учебник «Вестрон»"));
}

void DeckWriter::paintBackground(QPainter& painter) const
{
    painter.fillRect(QRectF(0, 0, kPageWidth, kPageHeight), kPaper);
    painter.fillRect(QRectF(0, 0, 18, kPageHeight), kTerracotta);
}

qreal DeckWriter::paintSlideTitle(QPainter& painter, const QString& title) const
{
    painter.setFont(m_titleFont);
    painter.setPen(kTerracotta);
    const QRectF area(kMarginX, 40, kPageWidth - 2 * kMarginX, 130);
    const QRectF used = painter.boundingRect(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, title);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, title);
    const qreal barY = std::min(used.bottom(), area.bottom()) + 12;
    painter.fillRect(QRectF(kMarginX, barY, 120, 6), kGold);
    return barY + 34;
}

void DeckWriter::paintRows(QPainter& painter, const QVector<Row>& rows, int from, int to, qreal top) const
{
    const qreal left = kMarginX + kBulletIndent;
    const qreal width = kPageWidth - kMarginX - left;
    qreal y = top;
    for (int i = from; i < to; ++i) {
        const Row& row = rows[i];
        if (i > from)
            y += gapBefore(row);
        if (row.kind == SlideItem::Kind::Bullet) {
            const QFontMetricsF metrics(m_bodyFont, painter.device());
            if (row.startsItem) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(kTerracotta);
                painter.drawEllipse(QPointF(kMarginX + 14, y + row.height / 2), 6, 6);
            }
            painter.setFont(m_bodyFont);
            painter.setPen(kInk);
            painter.drawText(QPointF(left, y + (row.height - metrics.height()) / 2 + metrics.ascent()), row.text);
        } else {
            // Code rows lie flush, so their backgrounds join into one block.
            const qreal padTop = row.startsItem ? kCodePad : 0;
            const qreal padBottom = row.endsItem ? kCodePad : 0;
            painter.fillRect(QRectF(left, y, width, row.height), kCodePaper);
            painter.fillRect(QRectF(left, y, 5, row.height), kAmber);
            const QFontMetricsF metrics(m_codeFont, painter.device());
            const qreal lineHeight = row.height - padTop - padBottom;
            painter.setFont(m_codeFont);
            painter.setPen(kCodeInk);
            painter.drawText(QPointF(left + kCodePad + 4, y + padTop + (lineHeight - metrics.height()) / 2 + metrics.ascent()),
                             row.text);
        }
        y += row.height;
    }
}

void DeckWriter::paintFooter(QPainter& painter, int pageNumber) const
{
    painter.setPen(QPen(QColor(0xE4, 0xD3, 0xBA), 1.5));
    painter.drawLine(QPointF(kMarginX, 668), QPointF(kPageWidth - kMarginX, 668));
    painter.setFont(m_footerFont);
    painter.setPen(kMuted);
    const QFontMetricsF metrics(m_footerFont, painter.device());
    const QString deck = metrics.elidedText(m_outline.title(), Qt::ElideRight, kPageWidth - 2 * kMarginX - 80);
    painter.drawText(QRectF(kMarginX, 674, kPageWidth - 2 * kMarginX, 36), Qt::AlignLeft | Qt::AlignVCenter, deck);
    painter.drawText(QRectF(kMarginX, 674, kPageWidth - 2 * kMarginX, 36), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(pageNumber));
}
