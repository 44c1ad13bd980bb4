#include "skin/controls/TsMemo.h"

#include "skin/SkinMessage.h"
#include "skin/controls/ControlFace.h"
#include "skin/controls/TsScrollBar.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/TsSkinTables.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kFrameWidth = 2;
// A memo this narrow or low has no room for bars.
constexpr int kSmallestWithBars = 16;

TsScrollBar* makeBar(TsMemo* memo, Qt::Orientation orientation)
{
    auto* bar = new TsScrollBar;
    bar->setOrientation(orientation);
    bar->HostControl = memo;
    bar->setFocusPolicy(Qt::NoFocus);
    bar->Smooth = true;
    return bar;
}

} // namespace

TsMemo::TsMemo(QWidget* parent)
    : QPlainTextEdit(parent)
    , SkinData(this, ckMemo, true)
    , BoundLabel(this, &SkinData)
{
    SkinData.SetSkinSection(QStringLiteral("EDIT"));
    setVerticalScrollBar(makeBar(this, Qt::Vertical));
    setHorizontalScrollBar(makeBar(this, Qt::Horizontal));
    for (TsScrollBar* bar : {VertBar(), HorzBar()})
        connect(bar, &QAbstractSlider::rangeChanged, this, [this, bar] { syncBarEnabled(bar); });
    syncLook();
    UpdateScrollBars();
}

TsMemo::~TsMemo() = default;

TsScrollBar* TsMemo::VertBar() const { return static_cast<TsScrollBar*>(verticalScrollBar()); }
TsScrollBar* TsMemo::HorzBar() const { return static_cast<TsScrollBar*>(horizontalScrollBar()); }

void TsMemo::SetScrollBars(int style)
{
    m_scrollBars = TScrollStyle(std::clamp(style, int(ssNone), int(ssBoth)));
    UpdateScrollBars();
}

// The bars asked for are always there; one with nothing to scroll is disabled.
void TsMemo::UpdateScrollBars()
{
    const bool room = width() >= kSmallestWithBars && height() >= kSmallestWithBars;
    const bool vertical = room && (m_scrollBars == ssVertical || m_scrollBars == ssBoth);
    const bool horizontal = room && (m_scrollBars == ssHorizontal || m_scrollBars == ssBoth);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    syncBarEnabled(VertBar());
    syncBarEnabled(HorzBar());
}

void TsMemo::syncBarEnabled(TsScrollBar* bar)
{
    bar->setEnabled(isEnabled() && bar->maximum() > bar->minimum());
}

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
        SkinData.MouseInside = section && section->ActiveUnderMouse() && event->type() == QEvent::Enter;
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
    if (event->type() == QEvent::Resize || event->type() == QEvent::EnabledChange)
        UpdateScrollBars();
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
    QPainter dc(this);
    SkinData.PaintFace(dc, TsRenderRule::WhenInvalid, [this] { renderFace(); },
                       rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth));
    // The square between two bars takes the text's colour.
    TsScrollBar* vertical = VertBar();
    TsScrollBar* horizontal = HorzBar();
    if (vertical->isVisible() && horizontal->isVisible()) {
        const QPoint corner(vertical->mapTo(this, QPoint(0, 0)).x(), horizontal->mapTo(this, QPoint(0, 0)).y());
        dc.fillRect(QRect(corner, QSize(vertical->width(), horizontal->height())), TextBackground());
    }
}

void TsMemo::PrepareCache()
{
    SkinData.RenderFace([this] { renderFace(); });
}

void TsMemo::renderFace()
{
    Bitmap24& cache = *SkinData.CacheBitmap;
    const bool hot = SkinData.IsActiveState();
    Bitmap24 fallback;
    const TsParentCache parent = ParentBackground(SkinData, fallback);
    // Only the frame of the face is ever shown; the middle is the viewport's.
    PaintSectionWithBorders(TsCommonData::Tables(), SkinData.SectionIndex, SkinData.SkinSection(), parent, cache, pos(),
                            RectOfSize(width(), height()), hot ? 1 : 0, false);
    if (!isEnabled())
        ApplyDisabledEffect(cache, DisabledKind, ParentColour(*this), x(), y(), parent);
}
