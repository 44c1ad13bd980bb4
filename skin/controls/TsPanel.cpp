#include "skin/controls/TsPanel.h"

#include "skin/SkinMessage.h"
#include "skin/controls/ControlFace.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintText.h"
#include "skin/paint/TsSkinTables.h"

#include <QPainter>

TsPanel::TsPanel(QWidget* parent)
    : QFrame(parent)
    , SkinData(this, ckPanel, true)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    SkinData.AfterLoad();
}

void TsPanel::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    SkinData.RequestRepaint();
    update();
}

bool TsPanel::event(QEvent* event)
{
    SkinData.HandleCommonMessage(event);
    if (!SkinData.IsSkinned())
        return QFrame::event(event);
    switch (event->type()) {
    case QEvent::Move:
        if (SkinData.IsTransparentSection() || (SkinData.Section()->HotTransparency > 0 && SkinData.IsActiveState()))
            SkinData.CacheInvalid = true;
        break;
    case QEvent::Show:
    case QEvent::Hide:
        SkinData.CacheInvalid = true;
        SkinData.PaintSuspended = false;
        break;
    case QEvent::FontChange:
        if (!m_caption.isEmpty())
            SkinData.RequestRepaint();
        break;
    default:
        if (SkinMessage* message = SkinMessage::from(event); message && message->number() == SKN_REPAINT) {
            SkinData.RepaintNow();
            return true;
        }
        break;
    }
    return QFrame::event(event);
}

void TsPanel::paintEvent(QPaintEvent* event)
{
    TsCommonData::PaintScope scope(SkinData);
    if (!SkinData.IsSkinned()) {
        paintUnskinned(event);
        return;
    }
    if (SkinData.PaintingSuspended())
        return;
    QPainter dc(this);
    SkinData.PaintFace(dc, TsRenderRule::PartlyHiddenEdgeOutside, [this] { renderFace(); });
}

void TsPanel::PrepareCache()
{
    SkinData.RenderFace([this] { renderFace(); });
}

void TsPanel::renderFace()
{
    Bitmap24& cache = *SkinData.CacheBitmap;
    Bitmap24 fallback;
    const TsParentCache parent = ParentBackground(SkinData, fallback);
    // The section's fill is the panel's middle; the piece gives only the border.
    PaintSectionWithBorders(TsCommonData::Tables(), SkinData.SectionIndex, SkinData.SkinSection(), parent, cache, pos(),
                            RectOfSize(width(), height()), 0, false);
    paintCaption(cache);
}

void TsPanel::paintCaption(Bitmap24& cache)
{
    if (m_caption.isEmpty())
        return;
    TsRect rect = RectOfSize(width(), height());
    unsigned format = TextCenter | TextVCenter | TextExpandTabs;
    // A caption wider than the panel is wrapped rather than cut at both ends, so a long
    // topic name stays readable.
    if (MeasureText(font(), m_caption).width() > width()) {
        format |= TextWordBreak;
    } else {
        const int h = MeasureText(font(), QStringLiteral("W")).height();
        rect.Top = (rect.Top + rect.Bottom - h) / 2;
        rect.Bottom = rect.Top + h;
        format |= TextSingleLine;
    }
    if (layoutDirection() == Qt::RightToLeft)
        format |= TextRtlReading;
    PaintCanvas canvas{cache, font(), ToTsColor(palette().color(QPalette::WindowText))};
    if (testAttribute(Qt::WA_SetFont))
        DrawEmbossedText(canvas, m_caption, isEnabled(), format, rect);
    else
        DrawSkinText(TsCommonData::Tables(), canvas, m_caption, isEnabled(), false, SkinData.SectionIndex,
                     format | TextNoPrefix, rect);
}

void TsPanel::paintUnskinned(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(backgroundRole()));
    painter.end();
    QFrame::paintEvent(event);
    if (m_caption.isEmpty())
        return;
    painter.begin(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, m_caption);
}
