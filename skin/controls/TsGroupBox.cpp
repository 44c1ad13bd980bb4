#include "skin/controls/TsGroupBox.h"

#include "skin/SkinMessage.h"
#include "skin/controls/ControlFace.h"
#include "skin/paint/PaintBorder.h"
#include "skin/paint/PaintCopy.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintText.h"
#include "skin/paint/TsSkinTables.h"

#include <QPainter>

#include <algorithm>

TsGroupBox::TsGroupBox(QWidget* parent)
    : QGroupBox(parent)
    , SkinData(this, ckGroupBox, true)
{
    SkinData.AfterLoad();
}

void TsGroupBox::setCaptionLayout(CaptionLayout layout)
{
    if (layout == m_captionLayout)
        return;
    m_captionLayout = layout;
    if (!title().isEmpty())
        SkinMessage::send(this, SKN_SKINCHANGED);
}

void TsGroupBox::setCaptionYOffset(int offset)
{
    if (offset == m_captionYOffset)
        return;
    m_captionYOffset = offset;
    if (!title().isEmpty())
        SkinMessage::send(this, SKN_SKINCHANGED);
}

TsRect TsGroupBox::CaptionBox(int width, int textWidth, int letterHeight, CaptionLayout layout)
{
    TsRect box;
    box.Bottom = std::max(4, letterHeight) + 2;
    switch (layout) {
    case clTopLeft:
        box.Left = 6;
        break;
    case clTopCenter:
        box.Left = (width - textWidth - 10) / 2;
        break;
    case clTopRight:
        box.Left = width - textWidth - 14;
        break;
    }
    box.Left = std::max(box.Left, 0);
    box.Right = std::min(box.Left + textWidth + 8, width);
    return box;
}

TsRect TsGroupBox::CaptionBox() const
{
    return CaptionBox(width(), MeasureText(font(), title()).width(), MeasureText(font(), QStringLiteral("W")).height(),
                      m_captionLayout);
}

int TsGroupBox::FrameTop() const
{
    return title().isEmpty() ? 0 : CaptionBox().height() / 2;
}

bool TsGroupBox::event(QEvent* event)
{
    SkinData.HandleCommonMessage(event);
    if (!SkinData.IsSkinned())
        return QGroupBox::event(event);
    switch (event->type()) {
    case QEvent::Move:
        if (SkinData.IsTransparentSection() || (SkinData.Section()->HotTransparency > 0 && SkinData.IsActiveState()))
            SkinData.CacheInvalid = true;
        break;
    case QEvent::FontChange:
        if (!title().isEmpty())
            SkinData.RequestRepaint();
        break;
    default:
        if (SkinMessage* message = SkinMessage::from(event)) {
            if (message->number() == SKN_REPAINT) {
                SkinData.RepaintNow();
                return true;
            }
            if (message->number() == SKN_ISSUSPENDED) {
                message->setResult(SkinData.CacheInvalid || renderedLookChanged() || SkinData.PaintingSuspended() ? 1 : 0);
                return true;
            }
        }
        break;
    }
    return QGroupBox::event(event);
}

bool TsGroupBox::renderedLookChanged() const
{
    return title() != m_renderedTitle || font() != m_renderedFont;
}

void TsGroupBox::paintEvent(QPaintEvent* event)
{
    TsCommonData::PaintScope scope(SkinData);
    if (!SkinData.IsSkinned()) {
        QGroupBox::paintEvent(event);
        return;
    }
    if (!isVisible() || SkinData.PaintingSuspended() || SkinData.PaintGuard)
        return;
    // A caption or font set without an event: the face remembers what it was rendered with.
    if (renderedLookChanged())
        SkinData.CacheInvalid = true;
    QPainter dc(this);
    SkinData.PaintFace(dc, TsRenderRule::PartlyHiddenEdgeOutside, [this] { renderFace(); });
}

void TsGroupBox::PrepareCache()
{
    SkinData.RenderFace([this] { renderFace(); });
}

void TsGroupBox::renderFace()
{
    const TsSkinTables& tables = TsCommonData::Tables();
    Bitmap24& cache = *SkinData.CacheBitmap;
    Bitmap24 fallback;
    const TsParentCache parent = ParentBackground(SkinData, fallback);
    PaintSectionBackground(tables, SkinData.SectionIndex, SkinData.SkinSection(), parent, cache, pos(),
                           RectOfSize(width(), height()), 0);
    paintFrame(cache, parent);
    const TsGeneralData* section = SkinData.Section();
    if (!title().isEmpty() && section && !section->HidesCaption()) {
        TsRect box = CaptionBox();
        PaintCanvas canvas{cache, font(), 0};
        DrawSkinText(tables, canvas, title(), isEnabled(), false, SkinData.SectionIndex,
                     TextCenter | TextVCenter | TextSingleLine | TextNoPrefix, box);
    }
    m_renderedTitle = title();
    m_renderedFont = font();
}

void TsGroupBox::paintFrame(Bitmap24& cache, const TsParentCache& parent)
{
    const TsSkinTables& tables = TsCommonData::Tables();
    if (SkinData.BorderMaskIndex < 0 || SkinData.BorderMaskIndex >= int(tables.masks.size()))
        return;
    const TsMaskData& piece = tables.masks[std::size_t(SkinData.BorderMaskIndex)];
    const bool captioned = !title().isEmpty();
    if (captioned && piece.hasOwnPicture())
        return;
    TsRect frame = RectOfSize(width(), height());
    const TsRect box = CaptionBox();
    Bitmap24 saved;
    if (captioned) {
        frame.Top += box.height() / 2;
        saved.resize(box.width(), box.height());
        CopyRect(saved, 0, 0, cache, box);
    }
    TsParentCache shifted = parent;
    shifted.OffsetX += x();
    shifted.OffsetY += y();
    PaintBorderMask(tables, cache, frame, false, 0, piece, shifted);
    if (captioned)
        CopyRect(cache, box.Left, box.Top, saved, RectOfSize(box.width(), box.height()));
}
