#include "skin/controls/TsScrollBar.h"

#include "platform/Dialogs.h"
#include "platform/HintSwitch.h"
#include "platform/SystemMetrics.h"
#include "skin/SkinMessage.h"
#include "skin/TsSkinData.h"
#include "skin/controls/ControlFace.h"
#include "skin/controls/FormRegion.h"
#include "skin/paint/PaintCopy.h"
#include "skin/paint/PaintImagePiece.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/SkinTableLookups.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int kFirstDelay = 500;
constexpr int kRepeatDelay = 100;
constexpr int kDefaultLength = 121;
// A disabled hosted bar keeps this share of its face, the rest is the track colour.
constexpr int kHostedDisabledKeep = 40;

// One part's section and pieces, and the name its patterns are looked up under.
struct PartSkin
{
    int section = -1;
    int bordersMask = -1;
    int glyphMask = -1;
    int pattern = -1;
    int hotPattern = -1;
    const char* name = "";
};

template <typename Entry>
PartSkin partSkin(const Entry& entry, const char* name)
{
    PartSkin skin{entry.section, entry.bordersMask, -1, entry.pattern, entry.hotPattern, name};
    if constexpr (requires { entry.glyphMask; })
        skin.glyphMask = entry.glyphMask;
    return skin;
}


// The part with the bar's own picture as its parent, so magenta shows what lies under it.
void paintPart(const PartSkin& skin, Bitmap24& cache, const QRect& rect, int state)
{
    if (skin.section < 0 || rect.isEmpty())
        return;
    const TsParentCache self{&cache, 0, 0, true};
    PaintScrollPart(TsCommonData::Tables(), skin.section, skin.bordersMask, skin.pattern, cache, QPoint(0, 0), ToTsRect(rect),
                    state, true, self, QString::fromLatin1(skin.name), skin.hotPattern);
}

// The part painted apart with the cache as its parent and copied back, so the transparent
// corners of its border show what lies under the part, not the section's own fill.
void paintPartOver(const PartSkin& skin, Bitmap24& cache, const QRect& rect, int state)
{
    if (skin.section < 0 || rect.isEmpty())
        return;
    Bitmap24 part(rect.width(), rect.height());
    if (part.isNull())
        return;
    const TsParentCache under{&cache, rect.left(), rect.top(), true};
    const TsRect whole = RectOfSize(part.width(), part.height());
    PaintScrollPart(TsCommonData::Tables(), skin.section, skin.bordersMask, skin.pattern, part, QPoint(0, 0), whole, state,
                    true, under, QString::fromLatin1(skin.name), skin.hotPattern);
    CopyRect(cache, rect.left(), rect.top(), part, whole);
}

// The glyph piece's frame `state` centred in rect (moved by `shift` both ways).
void paintGlyph(const PartSkin& skin, Bitmap24& cache, const QRect& rect, int state, int shift)
{
    const TsSkinTables& tables = TsCommonData::Tables();
    if (!ImageIndexValid(tables, skin.glyphMask))
        return;
    const QSize glyph = ImageFrameSize(tables.masks[std::size_t(skin.glyphMask)]);
    DrawImagePiece(tables, cache, rect.left() + (rect.width() - glyph.width()) / 2 + shift,
                   rect.top() + (rect.height() - glyph.height()) / 2 + shift, state, skin.glyphMask, 1);
}

} // namespace

TsScrollBar::TsScrollBar(QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent)
    , SkinData(this, ckScrollBar, true)
{
    setRange(0, 100);
    setPageStep(0);
    setSingleStep(1);
    resize(kDefaultLength, SystemMetrics::SM_CYHSCROLL);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    SkinData.AfterLoad();
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TsScrollBar::RepeatTick);
    m_knownPosition = value();
}

TsScrollBar::~TsScrollBar()
{
    m_timer.stop();
    restoreHints();
}

void TsScrollBar::restoreHints()
{
    if (!m_hintsOff)
        return;
    m_hintsOff = false;
    HintSwitch::restoreSaved();
}

QSize TsScrollBar::sizeHint() const
{
    return orientation() == Qt::Horizontal ? QSize(kDefaultLength, SystemMetrics::SM_CYHSCROLL)
                                           : QSize(SystemMetrics::SM_CXVSCROLL, kDefaultLength);
}

void TsScrollBar::SetKind(int kind)
{
    const Qt::Orientation wanted = kind == sbVertical ? Qt::Vertical : Qt::Horizontal;
    if (wanted == orientation())
        return;
    const QRect bounds = geometry();
    setOrientation(wanted);
    setGeometry(bounds);
    SkinData.RequestRepaint();
}

void TsScrollBar::SetDisabledKind(int kind)
{
    if (TsDisabledKind(kind) == m_disabledKind)
        return;
    m_disabledKind = TsDisabledKind(kind);
    SkinData.RequestRepaint();
}

int TsScrollBar::Direction() const
{
    return orientation() == Qt::Horizontal && layoutDirection() == Qt::RightToLeft ? -1 : 1;
}

QString TsScrollBar::RangeErrorText(int max) const
{
    const QString owner = HostControl ? QStringLiteral("(Owner=") + HostControl->objectName() + u')'
                                      : u'(' + objectName() + u')';
    return QStringLiteral("Scrollbar property out of range\n\rMax = ") + QString::number(max) + owner;
}

void TsScrollBar::SetParams(int position, int min, int max)
{
    // Reported, not refused: the values are applied all the same (the platform range
    // keeps its maximum at least at its minimum).
    if (min >= max)
        Dialogs::instance().skinnedError(RangeErrorText(max));
    const int previous = Position();
    const bool rangeChanged = min != Min() || max != Max();
    m_ownChange = true;
    if (rangeChanged)
        setRange(min, max);
    position = std::clamp(position, Min(), Max());
    if (position != value())
        setValue(position);
    m_ownChange = false;
    if (rangeChanged)
        m_needsRepaint = true;
    if (Position() != previous) {
        m_needsRepaint = true;
        ReportChange(previous);
    }
}

void TsScrollBar::SetPosition(int position)
{
    const int now = Position();
    if (position == now || (now == Min() && position < Min()) || (now == Max() && position >= Max()))
        return;
    SetParams(position, Min(), Max());
    if (!PaintPostponed)
        Update();
}

void TsScrollBar::SetPageSize(int page)
{
    if (page < 0)
        return;
    setPageStep(page);
    SkinData.RequestRepaint();
}

void TsScrollBar::ReportChange(int previous)
{
    m_knownPosition = Position();
    if (m_reportsSuppressed)
        return;
    QPointer<TsScrollBar> alive(this);
    if (HostScrolled)
        HostScrolled(HostControl, this, previous);
    if (!alive)
        return;
    if (OnScroll) {
        int position = Position();
        OnScroll(this, m_scrollCode, position);
    }
    if (alive)
        emit OnChange();
}

// Changes the scroll area or the plain bar makes through the QScrollBar reach the owner too.
void TsScrollBar::sliderChange(SliderChange change)
{
    QScrollBar::sliderChange(change);
    SkinData.CacheInvalid = true;
    m_needsRepaint = true;
    if (change == SliderValueChange && !m_ownChange && value() != m_knownPosition)
        ReportChange(m_knownPosition);
}

// ---- part states ---------------------------------------------------------------------

void TsScrollBar::SetPartState(Part part, int state)
{
    auto set = [this](Part p, int s) {
        if (m_partStates[p] != s) {
            m_partStates[p] = s;
            m_needsRepaint = true;
            SkinData.CacheInvalid = true;
        }
    };
    set(part, state);
    if (state == 0)
        return;
    if (part == Part::Track1 || part == Part::Track2) {
        set(Part::Arrow1, 0);
        set(Part::Arrow2, 0);
        set(Part::Thumb, 0);
        set(part == Part::Track1 ? Part::Track2 : Part::Track1, 1);
        return;
    }
    for (Part other : {Part::Arrow1, Part::Arrow2, Part::Thumb}) {
        if (other != part)
            set(other, 0);
    }
    set(Part::Track1, 1);
    set(Part::Track2, 1);
}

void TsScrollBar::Update()
{
    PaintPostponed = false;
    if (!m_needsRepaint)
        return;
    m_needsRepaint = false;
    SkinData.CacheInvalid = true;
    if (IsSkinnedNow() && isVisible())
        SkinData.RepaintNow();
    else
        update();
}

// ---- geometry --------------------------------------------------------------------------

bool TsScrollBar::IsSkinnedNow() const
{
    const TsSkinData& skin = TsSkinData::instance();
    if (!skin.SkinReady || skin.SkinChangeInProgress || !parentWidget())
        return false;
    resolveIndexes();
    return (orientation() == Qt::Horizontal ? m_indexes.scrollBar1H.section : m_indexes.scrollBar1V.section) >= 0;
}

void TsScrollBar::resolveIndexes() const
{
    if (!m_indexesStale)
        return;
    m_indexes = resolveCommonSkinIndexes(TsCommonData::Tables());
    m_indexesStale = false;
}

int TsScrollBar::ArrowLength() const
{
    const bool horizontal = orientation() == Qt::Horizontal;
    const int metric = horizontal ? SystemMetrics::SM_CXHSCROLL : SystemMetrics::SM_CYVSCROLL;
    if (!IsSkinnedNow())
        return metric;
    const CommonSkinIndexes::ScrollPart& button = horizontal ? m_indexes.scrollBtnLeft : m_indexes.scrollBtnTop;
    const TsSkinTables& tables = TsCommonData::Tables();
    if (!SectionIndexValid(tables, button.section) || !tables.sections[std::size_t(button.section)].ArrowSizedByPiece() ||
        !ImageIndexValid(tables, button.bordersMask))
        return metric;
    const QSize frame = ImageFrameSize(tables.masks[std::size_t(button.bordersMask)]);
    return std::max(metric, horizontal ? frame.width() : frame.height());
}

ScrollBarGeometry TsScrollBar::Geometry() const
{
    ScrollBarGeometry::Input in;
    const bool horizontal = orientation() == Qt::Horizontal;
    in.length = horizontal ? width() : height();
    // The metric, not the painted length: the thumb and the hit areas are computed with it.
    in.arrow = horizontal ? SystemMetrics::SM_CXHSCROLL : SystemMetrics::SM_CYVSCROLL;
    in.min = Min();
    in.max = Max();
    in.page = PageSize();
    in.position = Position();
    in.enabled = isEnabled();
    return ScrollBarGeometry::compute(in);
}

QRect TsScrollBar::PartRect(Part part) const
{
    const ScrollBarGeometry g = Geometry();
    int from = 0, to = 0;
    switch (part) {
    case Part::Arrow1: to = g.arrow1End; break;
    case Part::Arrow2: from = g.arrow2Start; to = g.length; break;
    case Part::Track1: to = g.thumbCentre; break;
    case Part::Track2: from = g.thumbCentre; to = g.length; break;
    default: from = g.thumbStart; to = g.thumbStart + g.thumbLength; break;
    }
    to = std::max(from, to);
    return orientation() == Qt::Horizontal ? QRect(from, 0, to - from, height()) : QRect(0, from, width(), to - from);
}

// Arrow 1 from 0, min(length, total div 2) long; arrow 2 from max(total - length, total div 2).
QRect TsScrollBar::PaintedArrowRect(Part arrow) const
{
    const bool horizontal = orientation() == Qt::Horizontal;
    const int total = horizontal ? width() : height();
    const int length = ArrowLength();
    const int from = arrow == Part::Arrow1 ? 0 : std::max(total - length, total / 2);
    const int to = arrow == Part::Arrow1 ? std::min(length, total / 2) : total;
    return horizontal ? QRect(from, 0, to - from, height()) : QRect(0, from, width(), to - from);
}

int TsScrollBar::along(QPointF point) const
{
    return orientation() == Qt::Horizontal ? int(point.x()) : int(point.y());
}

// ---- actions ---------------------------------------------------------------------------

void TsScrollBar::moveBy(int delta)
{
    SetPosition(Position() + delta);
}

void TsScrollBar::ScrollAction(int scrollCode, int trackPosition)
{
    // A dragged thumb without Smooth owns the vertical bar until its release.
    if (m_reportsSuppressed && orientation() == Qt::Vertical)
        return;
    int position = Position();
    switch (scrollCode) {
    case scLineUp: position -= SmallChange() * Direction(); break;
    case scLineDown: position += SmallChange() * Direction(); break;
    case scPageUp: position -= LargeChange() * Direction(); break;
    case scPageDown: position += LargeChange() * Direction(); break;
    case scTop: position = Min(); break;
    case scBottom: position = Max(); break;
    case scPosition:
    case scTrack: position = Direction() == -1 ? Max() - trackPosition : trackPosition; break;
    default: return;
    }
    position = std::clamp(position, Min(), Max());
    m_scrollCode = scrollCode;
    QPointer<TsScrollBar> alive(this);
    if (OnScroll)
        OnScroll(this, scrollCode, position);
    if (alive)
        SetPosition(position);
}

void TsScrollBar::startRepeat(RepeatKind kind)
{
    m_repeat = kind;
    m_timer.start(kFirstDelay);
}

void TsScrollBar::stopRepeat()
{
    m_repeat = RepeatKind::None;
    m_timer.stop();
}

// Arrows move while one is held; a held track moves toward the pointer until the thumb
// has passed it; a dragged thumb follows a pointer that has left the bar.
void TsScrollBar::RepeatTick()
{
    if (m_repeat == RepeatKind::None)
        return;
    if (m_timer.interval() != kRepeatDelay)
        m_timer.setInterval(kRepeatDelay);
    switch (m_repeat) {
    case RepeatKind::Arrow:
        if (m_partStates[Part::Arrow1] == 2)
            moveBy(-SmallChange());
        else if (m_partStates[Part::Arrow2] == 2)
            moveBy(SmallChange());
        else
            stopRepeat();
        break;
    case RepeatKind::Page: {
        const int target = Geometry().positionAt(m_cursor);
        if (m_partStates[Part::Track1] == 2 && target < Position())
            moveBy(-LargeChange());
        else if (m_partStates[Part::Track2] == 2 && target > Position())
            moveBy(LargeChange());
        else
            stopRepeat();
        break;
    }
    case RepeatKind::Drag:
        if (!SkinData.MouseInside && parentWidget())
            SetPosition(Geometry().positionAt(m_cursor) - m_dragOffset);
        break;
    case RepeatKind::None:
        break;
    }
    Update();
}

void TsScrollBar::leftPress(int p)
{
    if (!m_hintsOff)
        HintSwitch::saveAndSwitchOff();
    m_hintsOff = true;
    m_dragOffset = 0;
    m_cursor = p;
    if (focusPolicy() & Qt::TabFocus)
        setFocus(Qt::MouseFocusReason);
    const ScrollBarGeometry g = Geometry();
    switch (g.partAt(p)) {
    case Part::Arrow1:
        if (m_partStates[Part::Arrow1] != 2) {
            SetPartState(Part::Arrow1, 2);
            m_scrollCode = scLineUp;
            if (Position() != Min())
                moveBy(-SmallChange());
            startRepeat(RepeatKind::Arrow);
        }
        break;
    case Part::Arrow2:
        SetPartState(Part::Arrow2, 2);
        m_scrollCode = scLineDown;
        if (Position() != Max())
            moveBy(SmallChange());
        startRepeat(RepeatKind::Arrow);
        break;
    case Part::Thumb:
        m_scrollCode = scTrack;
        if (!Smooth && !m_reportsSuppressed) {
            m_positionBeforeDrag = Position();
            m_reportsSuppressed = true;
        }
        if (m_partStates[Part::Thumb] != 2) {
            m_dragOffset = g.positionAt(p) - Position();
            SetPartState(Part::Thumb, 2);
            m_dragging = true;
            startRepeat(RepeatKind::Drag);
        }
        break;
    case Part::Track1:
        m_scrollCode = scPageUp;
        if (m_partStates[Part::Track1] != 2) {
            SetPartState(Part::Track1, 2);
            if (!active())
                SetPartState(Part::Track2, 0);
            moveBy(-LargeChange());
            startRepeat(RepeatKind::Page);
        }
        break;
    default:
        m_scrollCode = scPageDown;
        SetPartState(Part::Track2, 2);
        if (!active())
            SetPartState(Part::Track1, 0);
        moveBy(LargeChange());
        startRepeat(RepeatKind::Page);
        break;
    }
    Update();
}

void TsScrollBar::leftRelease(int p)
{
    stopRepeat();
    m_cursor = p;
    const Part part = Geometry().partAt(p);
    const int hotIfActive = active() ? 1 : 0;
    if (part == Part::Thumb || m_dragging) {
        m_scrollCode = scPosition;
        if (m_partStates[Part::Track1] != hotIfActive) {
            m_partStates[Part::Track1] = hotIfActive;
            m_needsRepaint = true;
        }
        if (m_dragging) {
            m_dragging = false;
            SetPosition(Geometry().positionAt(p) - m_dragOffset);
            const int thumb = Geometry().partAt(p) == Part::Thumb ? 1 : 0;
            if (m_partStates[Part::Thumb] != thumb) {
                m_partStates[Part::Thumb] = thumb;
                m_needsRepaint = true;
            }
            if (m_reportsSuppressed) {
                m_reportsSuppressed = false;
                if (Position() != m_positionBeforeDrag)
                    ReportChange(m_positionBeforeDrag);
            }
        }
    } else {
        for (Part arrow : {Part::Arrow1, Part::Arrow2}) {
            // A pressed arrow left elsewhere goes back to normal rather than staying down.
            if (m_partStates[arrow] == 2) {
                m_partStates[arrow] = arrow == part ? 1 : 0;
                m_needsRepaint = true;
            }
        }
        for (Part track : {Part::Track1, Part::Track2}) {
            if (m_partStates[track] == 2) {
                m_partStates[track] = hotIfActive;
                m_needsRepaint = true;
            }
        }
    }
    m_reportsSuppressed = false;
    Update();
    restoreHints();
}

// Hover tracking without a button held; a held thumb follows the pointer, a held arrow
// stops once the pointer leaves it.
void TsScrollBar::trackPoint(int p, bool inside)
{
    m_cursor = p;
    if (m_dragging) {
        PaintPostponed = true;
        SetPosition(Geometry().positionAt(p) - m_dragOffset);
        Update();
        return;
    }
    const Part part = inside ? Geometry().partAt(p) : Part::PartCount;
    if (m_repeat == RepeatKind::Arrow) {
        for (Part arrow : {Part::Arrow1, Part::Arrow2}) {
            if (m_partStates[arrow] == 2 && part != arrow) {
                SetPartState(arrow, 0);
                stopRepeat();
            }
        }
        Update();
        return;
    }
    if (m_repeat != RepeatKind::None)
        return;
    if (part == Part::Thumb) {
        SetPartState(Part::Thumb, 1);
    } else if (part == Part::Arrow1 || part == Part::Arrow2) {
        if (m_partStates[part] != 2)
            SetPartState(part, 1);
    } else {
        SetPartState(Part::Thumb, 0);
        SetPartState(Part::Arrow1, 0);
        SetPartState(Part::Arrow2, 0);
    }
    Update();
}

void TsScrollBar::mouseEntered()
{
    m_partStates[Part::Track1] = m_partStates[Part::Track1] == 2 ? 2 : 1;
    m_partStates[Part::Track2] = m_partStates[Part::Track2] == 2 ? 2 : 1;
    m_needsRepaint = true;
    Update();
}

void TsScrollBar::mouseLeft()
{
    SetPartState(Part::Arrow1, 0);
    SetPartState(Part::Arrow2, 0);
    if (!m_dragging) {
        SetPartState(Part::Thumb, 0);
        SetPartState(Part::Track1, 0);
        SetPartState(Part::Track2, 0);
    }
    Update();
}

// ---- events ----------------------------------------------------------------------------

bool TsScrollBar::event(QEvent* event)
{
    SkinData.HandleCommonMessage(event);
    if (SkinMessage* message = SkinMessage::from(event)) {
        switch (message->number()) {
        case SKN_SKINCHANGING:
        case SKN_SKINREMOVED:
            m_indexesStale = true;
            stopRepeat();
            // The release may come to the plain bar, which knows nothing of the press.
            restoreHints();
            update();
            break;
        case SKN_SKINCHANGED:
            m_indexesStale = true;
            SkinData.CacheInvalid = true;
            SkinData.RepaintNow();
            break;
        case SKN_REPAINT:
            SkinData.CacheInvalid = true;
            SkinData.RepaintNow();
            break;
        default:
            break;
        }
        return true;
    }
    if (IsSkinnedNow() && isEnabled()) {
        if (event->type() == QEvent::Enter)
            mouseEntered();
        else if (event->type() == QEvent::Leave)
            mouseLeft();
    }
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::LayoutDirectionChange)
        SkinData.RequestRepaint();
    return QScrollBar::event(event);
}

void TsScrollBar::mousePressEvent(QMouseEvent* event)
{
    if (!IsSkinnedNow() || !isEnabled()) {
        QScrollBar::mousePressEvent(event);
        return;
    }
    event->accept();
    if (event->button() == Qt::LeftButton)
        leftPress(along(event->position()));
}

void TsScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (!IsSkinnedNow() || !isEnabled()) {
        restoreHints();
        QScrollBar::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->button() == Qt::LeftButton)
        leftRelease(along(event->position()));
}

void TsScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!IsSkinnedNow() || !isEnabled()) {
        QScrollBar::mouseMoveEvent(event);
        return;
    }
    event->accept();
    trackPoint(along(event->position()), rect().contains(event->position().toPoint()));
}

void TsScrollBar::keyPressEvent(QKeyEvent* event)
{
    if (!IsSkinnedNow()) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_PageUp: m_scrollCode = scPageUp; moveBy(-LargeChange()); break;
    case Qt::Key_PageDown: m_scrollCode = scPageDown; moveBy(LargeChange()); break;
    case Qt::Key_End: m_scrollCode = scBottom; SetPosition(Max()); break;
    case Qt::Key_Home: m_scrollCode = scTop; SetPosition(Min()); break;
    case Qt::Key_Left:
    case Qt::Key_Up: m_scrollCode = scLineUp; moveBy(-SmallChange()); break;
    case Qt::Key_Right:
    case Qt::Key_Down: m_scrollCode = scLineDown; moveBy(SmallChange()); break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    event->accept();
    Update();
}

// A wheel notch is the usual number of line steps.
void TsScrollBar::wheelEvent(QWheelEvent* event)
{
    if (!IsSkinnedNow() || !isEnabled()) {
        QScrollBar::wheelEvent(event);
        return;
    }
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    const int lines = delta / 120 * QApplication::wheelScrollLines();
    for (int i = 0; i < std::abs(lines); ++i)
        ScrollAction(lines > 0 ? scLineUp : scLineDown);
    event->accept();
}

// The platform bar's own menu (in English, with its own scroll commands) is not offered.
void TsScrollBar::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
}

// ---- painting --------------------------------------------------------------------------

void TsScrollBar::paintEvent(QPaintEvent* event)
{
    if (!IsSkinnedNow()) {
        QScrollBar::paintEvent(event);
        return;
    }
    TsCommonData::PaintScope scope(SkinData);
    if (SkinData.PaintingSuspended())
        return;
    QPainter dc(this);
    SkinData.PaintFace(dc, PaintPostponed ? TsRenderRule::KeepPicture : TsRenderRule::WhenInvalid,
                       [this] { renderFace(); });
}

// The host's picture when the bar lies over a host that is not its parent, else the parent's.
TsParentCache TsScrollBar::background(Bitmap24& fallback, QPoint& offset) const
{
    QWidget* host = HostControl;
    if (host && host != parentWidget() && !host->isWindow()) {
        const TsParentCache cache = TsCommonData::AskCache(host);
        if (cache.usable()) {
            offset = mapTo(host, QPoint(0, 0));
            return cache;
        }
    }
    offset = pos();
    return ParentBackground(SkinData, fallback);
}

void TsScrollBar::PrepareCache()
{
    SkinData.RenderFace([this] { renderFace(); });
}

void TsScrollBar::renderFace()
{
    resolveIndexes();
    Bitmap24& cache = *SkinData.CacheBitmap;
    if (cache.isNull())
        return;
    Bitmap24 fallback;
    QPoint offset;
    const TsParentCache parent = background(fallback, offset);
    if (parent.usable()) {
        const int x = parent.OffsetX + offset.x(), y = parent.OffsetY + offset.y();
        CopyRect(cache, 0, 0, *parent.Bitmap, {x, y, x + cache.width(), y + cache.height()});
    } else {
        cache.fill(ParentColour(*this));
    }
    const ScrollBarGeometry g = Geometry();
    paintTracks(g);
    paintArrows();
    paintThumb(g);
    if (!isEnabled()) {
        QWidget* host = HostControl;
        const int track = orientation() == Qt::Horizontal ? m_indexes.scrollBar1H.section : m_indexes.scrollBar1V.section;
        const TsSkinTables& tables = TsCommonData::Tables();
        if (host && host != parentWidget() && !host->isWindow() && SectionIndexValid(tables, m_indexes.scrollBar1H.section))
            BlendColorOver(cache, RectOfSize(cache.width(), cache.height()), kHostedDisabledKeep,
                           tables.sections[std::size_t(m_indexes.scrollBar1H.section)].Color);
        else if (track >= 0)
            ApplyDisabledEffect(cache, m_disabledKind, ParentColour(*this), offset.x(), offset.y(), parent);
    }
}

void TsScrollBar::paintTracks(const ScrollBarGeometry& g)
{
    const bool horizontal = orientation() == Qt::Horizontal;
    const PartSkin track1 = horizontal ? partSkin(m_indexes.scrollBar1H, "SCROLLBAR1H") : partSkin(m_indexes.scrollBar1V, "SCROLLBAR1V");
    const PartSkin track2 = horizontal ? partSkin(m_indexes.scrollBar2H, "SCROLLBAR2H") : partSkin(m_indexes.scrollBar2V, "SCROLLBAR2V");
    const int enabled = isEnabled() ? 1 : 0;
    const int normal = active() ? 1 : 0;
    auto stateOf = [&](Part part) { return (m_partStates[part] != 0 ? m_partStates[part] : normal) * enabled; };
    if (g.thumbCentre > 0)
        paintPart(track1, *SkinData.CacheBitmap, PartRect(Part::Track1), stateOf(Part::Track1));
    if (g.thumbCentre < g.length)
        paintPart(track2, *SkinData.CacheBitmap, PartRect(Part::Track2), stateOf(Part::Track2));
}

void TsScrollBar::paintArrows()
{
    const bool horizontal = orientation() == Qt::Horizontal;
    const PartSkin buttons[2] = {
        horizontal ? partSkin(m_indexes.scrollBtnLeft, "SCROLLBTNLEFT") : partSkin(m_indexes.scrollBtnTop, "SCROLLBTNTOP"),
        horizontal ? partSkin(m_indexes.scrollBtnRight, "SCROLLBTNRIGHT") : partSkin(m_indexes.scrollBtnBottom, "SCROLLBTNBOTTOM"),
    };
    const Part parts[2] = {Part::Arrow1, Part::Arrow2};
    for (int i = 0; i < 2; ++i) {
        const QRect rect = PaintedArrowRect(parts[i]);
        const int state = isEnabled() ? m_partStates[parts[i]] : 0;
        paintPartOver(buttons[i], *SkinData.CacheBitmap, rect, state);
        paintGlyph(buttons[i], *SkinData.CacheBitmap, rect, state, 0);
    }
}

void TsScrollBar::paintThumb(const ScrollBarGeometry& g)
{
    QWidget* host = HostControl;
    if ((host && !isEnabled() && host->isEnabled()) || !g.thumbFits())
        return;
    const PartSkin slider = orientation() == Qt::Horizontal ? partSkin(m_indexes.scrollSliderH, "SCROLLSLIDERH")
                                                            : partSkin(m_indexes.scrollSliderV, "SCROLLSLIDERV");
    const QRect rect = PartRect(Part::Thumb);
    const int state = isEnabled() ? m_partStates[Part::Thumb] : 0;
    paintPart(slider, *SkinData.CacheBitmap, rect, state);
    paintGlyph(slider, *SkinData.CacheBitmap, rect, state, state == 2 ? 1 : 0);
}
