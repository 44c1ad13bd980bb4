#include "skin/controls/TsMemo.h"

#include "skin/SkinMessage.h"
#include "skin/controls/ControlFace.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/TsSkinTables.h"

#include <QPainter>

namespace {

constexpr int kFrameWidth = 2;

} // namespace

TsMemo::TsMemo(QWidget* parent)
    : QPlainTextEdit(parent)
    , SkinData(this, ckMemo, true)
    , BoundLabel(this, &SkinData)
{
    SkinData.SetSkinSection(QStringLiteral("EDIT"));
    syncLook();
}

TsMemo::~TsMemo() = default;

void TsMemo::setSkinSection(const QString& section)
{
    SkinData.SetSkinSection(section.isEmpty() ? QStringLiteral("EDIT") : section);
    syncLook();
}

QColor TsMemo::TextBackground() const
{
    return viewport()->palette().color(QPalette::Base);
}

// Skinned, the frame is two pixels of the face; the platform's frame returns without it.
void TsMemo::syncLook()
{
    const bool skinned = SkinData.IsSkinned();
    if (skinned != m_skinnedLook) {
        m_skinnedLook = skinned;
        if (skinned) {
            m_ownColour = palette().color(QPalette::Base);
            setFrameStyle(QFrame::Box | QFrame::Plain);
            setLineWidth(kFrameWidth);
        } else {
            setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
            setLineWidth(1);
            QPalette own = palette();
            own.setColor(QPalette::Base, m_ownColour);
            setPalette(own);
        }
    }
    syncColour();
}

void TsMemo::syncColour()
{
    const TsGeneralData* section = SkinData.IsSkinned() ? SkinData.Section() : nullptr;
    if (!section)
        return;
    const QColor wanted = ToQColor(SkinData.IsActiveState() ? section->HotColor : section->Color);
    if (palette().color(QPalette::Base) == wanted)
        return;
    QPalette colours = palette();
    colours.setColor(QPalette::Base, wanted);
    setPalette(colours);
}

bool TsMemo::event(QEvent* event)
{
    SkinMessage* message = SkinMessage::from(event);
    // A memo offers no picture to children.
    if (message && message->number() == SKN_GETCACHE)
        return true;
    SkinData.HandleCommonMessage(event);
    if (message) {
        const bool handled = QPlainTextEdit::event(event);
        if (message->number() == SKN_SKINCHANGED || message->number() == SKN_SKINREMOVED) {
            syncLook();
            update();
        }
        return handled;
    }
    if (!SkinData.IsSkinned())
        return QPlainTextEdit::event(event);
    switch (event->type()) {
    case QEvent::Paint:
        paintFrame();
        return true;
    case QEvent::Enter:
    case QEvent::Leave: {
        const TsGeneralData* section = SkinData.Section();
        SkinData.MouseInside = section && section->ReservedBoolean && event->type() == QEvent::Enter;
        SkinData.CacheInvalid = true;
        break;
    }
    case QEvent::FocusOut:
        SkinData.HasFocus = false;
        SkinData.MouseInside = false;
        SkinData.CacheInvalid = true;
        break;
    case QEvent::FocusIn:
        SkinData.MouseInside = false;
        SkinData.CacheInvalid = true;
        break;
    default:
        break;
    }
    const bool handled = QPlainTextEdit::event(event);
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
        syncColour();
        SkinData.RequestRepaint();
        break;
    default:
        break;
    }
    BoundLabel.ControlEvent(*event);
    return handled;
}

// The memo's own paint is its frame; the viewport paints the text.
void TsMemo::paintFrame()
{
    TsCommonData::PaintScope scope(SkinData);
    if (SkinData.PaintingSuspended())
        return;
    if (SkinData.CacheInvalid)
        PrepareCache();
    QPainter dc(this);
    CopyCacheAround(SkinData, dc, rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth));
}

void TsMemo::PrepareCache()
{
    SkinData.PrepareCacheBitmap();
    Bitmap24& cache = *SkinData.CacheBitmap;
    const bool hot = SkinData.IsActiveState();
    Bitmap24 fallback;
    const TsParentCache parent = ParentBackground(SkinData, fallback);
    // Only the frame of the face is ever shown; the middle is the viewport's.
    PaintSectionWithBorders(TsCommonData::Tables(), SkinData.SectionIndex, SkinData.SkinSection(), parent, cache, pos(),
                            RectOfSize(width(), height()), hot ? 1 : 0, false);
    if (!isEnabled())
        ApplyDisabledEffect(cache, DisabledKind, ParentColour(*this), x(), y(), parent);
    SkinData.CacheRendered();
}
