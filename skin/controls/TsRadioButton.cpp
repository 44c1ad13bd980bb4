#include "skin/controls/TsRadioButton.h"

#include "skin/SkinLookups.h"
#include "skin/SkinMessage.h"
#include "skin/controls/ControlFace.h"
#include "skin/paint/PaintImagePiece.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintSharedState.h"
#include "skin/paint/PaintText.h"
#include "skin/paint/TsSkinTables.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The size of one state frame of a piece.
QSize pieceFrameSize(const TsMaskData& piece)
{
    if (piece.hasOwnPicture())
        return {piece.Bitmap.width() / 3, piece.Bitmap.height() / 2};
    return {piece.R.width() / std::max<int>(piece.ImageCount, 1), piece.R.height() / (std::max<int>(piece.MaskType, 0) + 1)};
}

} // namespace

TsRadioButton::TsRadioButton(QWidget* parent)
    : QRadioButton(parent)
    , SkinData(this, ckRadioButton, false)
{
    // The group decides which button is checked.
    setAutoExclusive(false);
    SkinData.AfterLoad();
}

void TsRadioButton::SetChecked(bool checked)
{
    if (checked == isChecked())
        return;
    setChecked(checked);
    SkinData.RequestRepaint();
    if (checked && !m_clicksDisabled)
        emit clicked(true);
}

int TsRadioButton::glyphImageIndex() const
{
    if (!SkinData.IsSkinned())
        return -1;
    const QString globalInfo = QStringLiteral("GLOBALINFO");
    return FindImageIndex(FindSectionIndex(globalInfo), globalInfo,
                          isChecked() ? QStringLiteral("RADIOCHECKED") : QStringLiteral("RADIOUNCHECKED"));
}

TsRect TsRadioButton::GlyphRect() const
{
    QSize size(16, 16);
    const int image = glyphImageIndex();
    const TsSkinTables& tables = TsCommonData::Tables();
    if (image >= 0 && image < int(tables.masks.size()))
        size = pieceFrameSize(tables.masks[std::size_t(image)]);
    const bool glyphLeft = layoutDirection() == Qt::LeftToRight;
    const int x = glyphLeft ? Margin : width() - size.width() - Margin;
    const int y = (height() - size.height()) / 2;
    return {x, y, x + size.width(), y + size.height()};
}

bool TsRadioButton::event(QEvent* event)
{
    SkinData.HandleCommonMessage(event);
    if (!SkinData.IsSkinned())
        return QRadioButton::event(event);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        QRadioButton::event(event);
        if (isEnabled())
            SkinData.RepaintNow();
        return true;
    case QEvent::Enter:
        if (isEnabled())
            SkinData.RepaintNow();
        break;
    case QEvent::Leave:
        if (isEnabled()) {
            m_pressed = false;
            SkinData.RepaintNow();
        }
        break;
    case QEvent::EnabledChange:
        QRadioButton::event(event);
        SkinData.RepaintNow();
        return true;
    default:
        if (SkinMessage* message = SkinMessage::from(event); message && message->number() == SKN_REPAINT)
            SkinData.RepaintNow();
        break;
    }
    return QRadioButton::event(event);
}

void TsRadioButton::press()
{
    m_pressed = true;
    if (!hasFocus()) {
        // Taking the focus must not check the button.
        m_clicksDisabled = true;
        setFocus(Qt::MouseFocusReason);
        m_clicksDisabled = false;
    }
    SkinData.RepaintNow();
}

void TsRadioButton::release()
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed)
        SetChecked(true);
    SkinData.RepaintNow();
}

void TsRadioButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (!m_readOnly)
        press();
}

void TsRadioButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void TsRadioButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // Wherever the mouse is let go: a press on the button checks it.
    if (!m_readOnly)
        release();
}

void TsRadioButton::mouseMoveEvent(QMouseEvent*)
{
}

void TsRadioButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && !m_readOnly)
        press();
    // Every other key ends here, so arrows do not check a neighbour.
}

void TsRadioButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat() || m_readOnly)
        return;
    release();
}

void TsRadioButton::paintEvent(QPaintEvent* event)
{
    TsCommonData::PaintScope scope(SkinData);
    if (!SkinData.IsSkinned()) {
        QRadioButton::paintEvent(event);
        return;
    }
    if (SkinData.PaintingSuspended())
        return;
    // Every paint renders anew; no picture is kept between paints.
    QPainter dc(this);
    SkinData.PaintFace(dc, TsRenderRule::EveryPaint, [this] { renderFace(); });
}

void TsRadioButton::renderFace()
{
    const TsSkinTables& tables = TsCommonData::Tables();
    SharedParentColorScope parentColour(ParentColour(*this));
    Bitmap24& cache = *SkinData.CacheBitmap;
    const bool hot = SkinData.IsActiveState() && !m_readOnly;
    Bitmap24 fallback;
    const TsParentCache parent = ParentBackground(SkinData, fallback);
    PaintSectionWithBorders(tables, SkinData.SectionIndex, SkinData.SkinSection(), parent, cache, pos(),
                            RectOfSize(width(), height()), hot ? 1 : 0, true);
    const TsRect glyph = GlyphRect();
    if (!text().isEmpty()) {
        const int a = glyph.width() + TextIndent + Margin;
        const bool glyphLeft = layoutDirection() == Qt::LeftToRight;
        TsRect rect = glyphLeft ? TsRect{a, Margin, width() - Margin - 2, height() - Margin}
                                : TsRect{Margin, Margin, width() - a - 2, height() - Margin};
        PaintCanvas canvas{cache, font(), 0};
        const unsigned align = glyphLeft ? TextLeft : TextRight;
        DrawSkinText(tables, canvas, text(), isEnabled(), hot, SkinData.SectionIndex,
                     align | TextSingleLine | TextVCenter | TextNoPrefix, rect);
        if (hasFocus() && ShowFocus) {
            rect.Top += 1;
            rect.Bottom -= 2;
            DrawFocusFrame(canvas, {rect.Left - 1, rect.Top - 1, rect.Right + 1, rect.Bottom + 1});
        }
    }
    const int state = m_pressed ? 2 : hot ? 1 : 0;
    DrawImagePiece(tables, cache, glyph.Left, glyph.Top, state, glyphImageIndex(), 1);
    if (!isEnabled())
        ApplyDisabledEffect(cache, DisabledKind, ParentColour(*this), x(), y(), parent);
}
