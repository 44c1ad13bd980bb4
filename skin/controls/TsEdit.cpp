#include "skin/controls/TsEdit.h"

#include "skin/SkinMessage.h"
#include "skin/controls/ControlFace.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintText.h"
#include "skin/paint/TsSkinTables.h"

#include <QPainter>
#include <QStyle>

namespace {

constexpr int kFrameWidth = 2;

} // namespace

TsEdit::TsEdit(QWidget* parent)
    : QLineEdit(parent)
    , SkinData(this, ckEdit, true)
    , BoundLabel(this, &SkinData)
{
    SkinData.SetSkinSection(QStringLiteral("EDIT"));
    connect(this, &QLineEdit::textChanged, this, [this] { SkinData.RequestRepaint(); });
    syncLook();
}

TsEdit::~TsEdit() = default;

void TsEdit::setSkinSection(const QString& section)
{
    SkinData.SetSkinSection(section.isEmpty() ? QStringLiteral("EDIT") : section);
    syncLook();
}

void TsEdit::setDisabledKind(TsDisabledKind kind)
{
    if (kind == m_disabledKind)
        return;
    m_disabledKind = kind;
    SkinData.RequestRepaint();
}

QString TsEdit::SkinText() const
{
    if (echoMode() == QLineEdit::Normal)
        return text();
    if (echoMode() == QLineEdit::NoEcho)
        return {};
    const QChar mask(style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, this));
    return QString(text().size(), mask);
}

bool TsEdit::ShowsLiveEditor() const
{
    return SkinData.IsActiveState();
}

// Skinned, the platform's frame gives way to the face's, and the text stands inside it.
void TsEdit::syncLook()
{
    const bool skinned = SkinData.IsSkinned();
    if (skinned == m_skinnedLook)
        return;
    m_skinnedLook = skinned;
    setFrame(!skinned);
    setTextMargins(skinned ? QMargins(1, 1, 1, 1) : QMargins());
}

bool TsEdit::event(QEvent* event)
{
    SkinData.HandleCommonMessage(event);
    if (SkinMessage* message = SkinMessage::from(event)) {
        const bool handled = QLineEdit::event(event);
        if (message->number() == SKN_SKINCHANGED || message->number() == SKN_SKINREMOVED)
            syncLook();
        return handled;
    }
    if (!SkinData.IsSkinned())
        return QLineEdit::event(event);
    switch (event->type()) {
    case QEvent::FocusIn:
        SkinData.MouseInside = false;
        SkinData.CacheInvalid = true;
        break;
    case QEvent::FocusOut: {
        const bool handled = QLineEdit::event(event);
        SkinData.HasFocus = false;
        SkinData.MouseInside = false;
        SkinData.CacheInvalid = true;
        if (isVisible())
            SkinData.RepaintNow();
        return handled;
    }
    case QEvent::Enter:
    case QEvent::Leave: {
        const TsGeneralData* section = SkinData.Section();
        if (section && section->ActiveUnderMouse()) {
            SkinData.MouseInside = event->type() == QEvent::Enter;
            SkinData.CacheInvalid = true;
            SkinData.RepaintNow();
        } else {
            SkinData.MouseInside = false;
        }
        break;
    }
    case QEvent::FontChange:
    case QEvent::EnabledChange:
    case QEvent::Show:
        SkinData.RequestRepaint();
        break;
    default:
        break;
    }
    const bool handled = QLineEdit::event(event);
    BoundLabel.ControlEvent(*event);
    return handled;
}

void TsEdit::paintEvent(QPaintEvent* event)
{
    TsCommonData::PaintScope scope(SkinData);
    if (!SkinData.IsSkinned()) {
        QLineEdit::paintEvent(event);
        return;
    }
    if (SkinData.PaintingSuspended())
        return;
    const auto render = [this] { renderFace(); };
    if (!ShowsLiveEditor()) {
        QPainter dc(this);
        SkinData.PaintFace(dc, TsRenderRule::PartlyHiddenEdgeInside, render);
        return;
    }
    // The live editor paints its text first; the frame of the face goes round it.
    const QRect inside = rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    {
        QPainter dc(this);
        dc.fillRect(inside, palette().color(QPalette::Base));
    }
    QLineEdit::paintEvent(event);
    QPainter dc(this);
    SkinData.PaintFace(dc, TsRenderRule::WhenInvalid, render, inside);
}

void TsEdit::PrepareCache()
{
    SkinData.RenderFace([this] { renderFace(); });
}

void TsEdit::renderFace()
{
    const TsSkinTables& tables = TsCommonData::Tables();
    Bitmap24& cache = *SkinData.CacheBitmap;
    const bool hot = SkinData.IsActiveState();
    Bitmap24 fallback;
    const TsParentCache parent = ParentBackground(SkinData, fallback);
    PaintSectionWithBorders(tables, SkinData.SectionIndex, SkinData.SkinSection(), parent, cache, pos(),
                            RectOfSize(width(), height()), hot ? 1 : 0, true);
    TsRect textRect{3, 3, width() - 3, height() - 3};
    PaintCanvas canvas{cache, font(), 0};
    DrawSkinText(tables, canvas, SkinText(), isEnabled(), hot, SkinData.SectionIndex,
                 TextLeft | TextSingleLine | TextNoPrefix, textRect);
    if (!isEnabled())
        ApplyDisabledEffect(cache, m_disabledKind, ParentColour(*this), x(), y(), parent);
}
