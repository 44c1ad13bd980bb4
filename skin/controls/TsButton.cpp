#include "skin/controls/TsButton.h"

#include "platform/HintSwitch.h"
#include "skin/SkinMessage.h"
#include "skin/TsFadeTimer.h"
#include "skin/TsSkinData.h"
#include "skin/paint/PaintBorder.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintText.h"
#include "skin/paint/SkinTableLookups.h"
#include "skin/paint/TsSkinTables.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

TsButton::TsButton(QWidget* parent)
    : TsButton(parent, ckButton)
{
}

TsButton::TsButton(QWidget* parent, int controlKind)
    : QPushButton(parent)
    , SkinData(this, controlKind, true)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(false);
    SkinData.AfterLoad();
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

TsButton::~TsButton()
{
    // ~QWidget clears the focus and would call back into a button already taken apart.
    disconnect(m_focusConnection);
    delete SkinData.FadeTimer;
}

void TsButton::SetDown(bool down)
{
    if (down == m_down)
        return;
    m_down = down;
    markPressChange();
    SkinData.RepaintNow();
}

void TsButton::setDisabledKind(int kind)
{
    if (TsDisabledKind(kind) == m_disabledKind)
        return;
    m_disabledKind = TsDisabledKind(kind);
    SkinData.RequestRepaint();
}

void TsButton::setCancel(bool cancel)
{
    m_cancel = cancel;
    updateDialogKeys();
}

void TsButton::setDefault(bool isDefault)
{
    QPushButton::setDefault(isDefault);
    m_showsDefault = isDefault;
    updateDialogKeys();
    SkinData.RequestRepaint();
}

int TsButton::CurrentState() const
{
    if (Down())
        return 2;
    return SkinData.IsActiveState() || m_showsDefault ? 1 : 0;
}

bool TsButton::IsSkinnedNow() const
{
    return SkinData.IsSkinned() && parentWidget() != nullptr;
}

unsigned TsButton::CaptionFlags() const
{
    unsigned flags = TextCenter | TextWordBreak | TextExpandTabs;
    if (layoutDirection() == Qt::RightToLeft)
        flags |= TextRtlReading;
    return flags;
}

// The caption measured in width − 2; dx = (W − tw) div 2, dy = (H − th) div 2.
TsRect TsButton::CaptionRect(PaintCanvas& canvas) const
{
    const QSize size = MeasureTextIn(canvas.font, text(), text().isEmpty() ? 0 : width() - 2, CaptionFlags());
    const int dx = (width() - size.width()) / 2, dy = (height() - size.height()) / 2;
    TsRect r{dx - 1, dy, width() - dx + 2, height() - dy};
    if (Down())
        r = r.translated(1, 1);
    return r;
}

void TsButton::DrawCaptionText(PaintCanvas& canvas, TsRect rect, unsigned flags)
{
    const bool hot = SkinData.IsActiveState() || m_showsDefault || m_down;
    DrawSkinText(TsCommonData::Tables(), canvas, text(), true, hot, SkinData.SectionIndex, flags, rect);
}

void TsButton::DrawCaption(PaintCanvas& canvas)
{
    TsRect rect = CaptionRect(canvas);
    DrawCaptionText(canvas, rect, CaptionFlags());
    const TsGeneralData* section = SkinData.Section();
    const bool focused = hasFocus() || SkinData.HasFocus;
    if (isEnabled() && focused && !text().isEmpty() && section && section->ShowFocus && FocusFrameAllowed()) {
        const int m = m_focusMargin;
        DrawFocusFrame(canvas, {rect.Left - m, rect.Top - m, rect.Right + m, rect.Bottom + m});
    }
}

void TsButton::PrepareCache(double scale)
{
    SkinData.RenderFace([this] { renderFace(); }, scale);
}

void TsButton::renderFace()
{
    const TsSkinTables& tables = TsCommonData::Tables();
    const TsParentCache parent = SkinData.GetParentCache();
    Bitmap24& cache = *SkinData.CacheBitmap;
    const int state = CurrentState();
    PaintSectionBackground(tables, SkinData.SectionIndex, SkinData.SkinSection(), parent, cache, pos(),
                           RectOfSize(width(), height()), state);
    // The region is cut only when it is rebuilt: the cuts combine by exclusive-or.
    QRegion scratch;
    if (m_regionChanged)
        m_faceRegion = QRegion(0, 0, width(), height());
    if (ImageIndexValid(tables, SkinData.BorderMaskIndex))
        PaintBorderMaskWithRegion(tables, cache, m_regionChanged ? m_faceRegion : scratch, false, state,
                                  tables.masks[std::size_t(SkinData.BorderMaskIndex)]);
    PaintCanvas canvas{cache, font(), 0};
    DrawCaption(canvas);
    DrawGlyph();
    if (m_regionChanged) {
        setMask(m_faceRegion);
        m_regionChanged = false;
    }
    if (!isEnabled()) {
        const TsParentCache background = SkinData.GetParentCache();
        const QColor parentColor = parentWidget()->palette().color(QPalette::Window);
        const TsColor colour = TsColor(parentColor.red()) | TsColor(parentColor.green()) << 8 |
                               TsColor(parentColor.blue()) << 16;
        ApplyDisabledEffect(cache, m_disabledKind, colour, x(), y(), background);
    }
    m_renderedText = text();
    m_renderedFont = font();
}

// Qt sends no event when the caption changes, so the face remembers what it shows.
bool TsButton::FaceOutdated() const
{
    return text() != m_renderedText || font() != m_renderedFont;
}

void TsButton::paintEvent(QPaintEvent* event)
{
    if (!IsSkinnedNow()) {
        QPushButton::paintEvent(event);
        return;
    }
    TsCommonData::PaintScope scope(SkinData);
    if (SkinData.PaintingSuspended())
        return;
    if (FaceOutdated())
        SkinData.CacheInvalid = true;
    QPainter dc(this);
    SkinData.PaintFace(dc, TsRenderRule::PartlyHiddenEdgeInside, [this] { renderFace(); });
}

bool TsButton::event(QEvent* event)
{
    if (!IsSkinnedNow()) {
        if (SkinMessage* message = SkinMessage::from(event)) {
            if (message->number() == SKN_SKINCHANGING || message->number() == SKN_SKINREMOVED)
                SkinData.HandleCommonMessage(event);
            if (message->number() == SKN_SKINREMOVED)
                clearMask();
            return true;
        }
        return QPushButton::event(event);
    }
    if (skinnedEvent(event))
        return true;
    SkinData.HandleCommonMessage(event);
    const bool result = SkinMessage::from(event) ? true : QPushButton::event(event);
    afterBaseEvent(event);
    return result;
}

// The button's own look at an event; true when the event is fully handled.
bool TsButton::skinnedEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
        if (SkinData.IsTransparentSection() ||
            (SkinData.Section() && SkinData.Section()->HotTransparency > 0 && SkinData.IsActiveState())) {
            SkinData.CacheInvalid = true;
            SkinData.RepaintNow();
        }
        return false;
    case QEvent::Resize:
        m_regionChanged = true;
        return false;
    case QEvent::FocusIn:
        QPushButton::event(event);
        if (hasFocus() && isEnabled()) {
            StopFade();
            SkinData.HasFocus = true;
            SkinData.MouseInside = false;
            SkinData.CacheInvalid = true;
            SkinData.RepaintNow();
        }
        return true;
    case QEvent::FocusOut:
        m_pressed = false;
        if (isEnabled()) {
            StopFade();
            SkinData.HasFocus = false;
            SkinData.MouseInside = false;
            SkinData.CacheInvalid = true;
            m_regionChanged = true;
            SkinData.RepaintNow();
        }
        return false;
    case QEvent::Enter:
    case QEvent::Leave: {
        if (!isEnabled())
            return false;
        const bool enter = event->type() == QEvent::Enter;
        enter ? emit OnMouseEnter() : emit OnMouseLeave();
        SkinData.MouseInside = enter;
        SkinData.CacheInvalid = true;
        const TsGeneralData* section = SkinData.Section();
        if (section && section->FadingEnabled && section->FadingIterations > 0)
            enter ? StartFadeIn() : StartFadeOut();
        else
            SkinData.RepaintNow();
        return false;
    }
    default:
        break;
    }
    SkinMessage* message = SkinMessage::from(event);
    if (!message)
        return false;
    switch (message->number()) {
    case SKN_SKINCHANGED:
        m_regionChanged = true;
        return false;
    case SKN_SKINREMOVED:
        SkinData.BorderMaskIndex = -1;
        SkinData.SectionIndex = -1;
        StopFade();
        clearMask();
        SkinData.HandleCommonMessage(event);
        return true;
    case SKN_REPAINT:
        SkinData.RepaintNow();
        return true;
    case SKN_FADEDONE:
        StopFade();
        return true;
    default:
        return false;
    }
}

void TsButton::afterBaseEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
        SkinData.RequestRepaint();
        break;
    case QEvent::EnabledChange:
        StopFade();
        [[fallthrough]];
    case QEvent::Show:
    case QEvent::Hide:
        SkinData.CacheInvalid = true;
        SkinData.RepaintNow();
        break;
    default:
        if (SkinMessage* message = SkinMessage::from(event);
            message && message->number() == SKN_FREEZECACHE && SkinData.CacheFrozen)
            PrepareCache();
        break;
    }
}

void TsButton::markPressChange()
{
    m_regionChanged = true;
    SkinData.CacheInvalid = true;
}

void TsButton::mousePressEvent(QMouseEvent* event)
{
    if (!IsSkinnedNow() || !isEnabled()) {
        QPushButton::mousePressEvent(event);
        return;
    }
    HintSwitch::saveAndSwitchOff();
    m_clickArmed = true;
    StopFade();
    if (event->button() == Qt::LeftButton && !Down()) {
        m_pressed = true;
        markPressChange();
        SkinData.RepaintNow();
    }
    event->accept();
}

void TsButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!IsSkinnedNow() || !isEnabled()) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    HintSwitch::restoreSaved();
    event->accept();
    if (!m_clickArmed)
        return;
    m_clickArmed = false;
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    QPointer<TsButton> alive(this);
    if (rect().contains(event->position().toPoint()))
        click();
    if (!alive)
        return;
    markPressChange();
    SkinData.RepaintNow();
}

void TsButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!IsSkinnedNow())
        QPushButton::mouseMoveEvent(event);
}

void TsButton::keyPressEvent(QKeyEvent* event)
{
    if (!IsSkinnedNow()) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && isEnabled() && hasFocus()) {
        m_pressed = true;
        markPressChange();
        SkinData.RepaintNow();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

// Any key released while the button is down clicks it.
void TsButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!IsSkinnedNow()) {
        QPushButton::keyReleaseEvent(event);
        return;
    }
    if (event->isAutoRepeat() || !Down()) {
        event->ignore();
        return;
    }
    m_pressed = false;
    markPressChange();
    SkinData.RepaintNow();
    event->accept();
    click();
}

// The default look: a Default button shows it while the focus is on itself or on a
// control that is not a button.
void TsButton::focusMoved(QWidget* now)
{
    if (!IsSkinnedNow())
        return;
    if (isDefault()) {
        const bool shows = qobject_cast<TsButton*>(now) ? now == this : true;
        if (shows != m_showsDefault) {
            m_showsDefault = shows;
            SkinData.RequestRepaint();
        }
    }
    if (!TsSkinData::instance().SkinChangeInProgress)
        SkinData.RequestRepaint();
}

void TsButton::updateDialogKeys()
{
    auto shortcut = [this](QPointer<QShortcut>& key, bool wanted, Qt::Key which) {
        if (!wanted || !HandlesDialogKeys()) {
            delete key;
            return;
        }
        if (key)
            return;
        key = new QShortcut(QKeySequence(which), this, nullptr, nullptr, Qt::WindowShortcut);
        connect(key, &QShortcut::activated, this, [this, which] { dialogKey(which); });
    };
    shortcut(m_enterKey, isDefault(), Qt::Key_Return);
    shortcut(m_escapeKey, m_cancel, Qt::Key_Escape);
}

void TsButton::dialogKey(Qt::Key key)
{
    const bool wanted = (key == Qt::Key_Return && isDefault()) || (key == Qt::Key_Escape && m_cancel);
    const bool canFocus = isEnabled() && isVisible() && (focusPolicy() & Qt::TabFocus);
    if (wanted && canFocus)
        click();
}

void TsButton::StartFadeIn()
{
    if (!SkinData.FadeTimer) {
        SkinData.FadeTimer = new TsFadeTimer(this);
        SkinData.FadeTimer->Level = 1;
    }
    SkinData.FadeTimer->Prepare(SkinData);
    PrepareCache();
    SkinData.FadeTimer->SetDirection(TsFadeTimer::FadingIn);
}

void TsButton::StartFadeOut()
{
    if (!SkinData.FadeTimer)
        SkinData.FadeTimer = new TsFadeTimer(this);
    SkinData.FadeTimer->Prepare(SkinData);
    PrepareCache();
    SkinData.FadeTimer->SetDirection(TsFadeTimer::FadingOut);
}

// Frees the timer after the running tick, if any, has returned.
void TsButton::StopFade()
{
    if (!SkinData.FadeTimer)
        return;
    TsFadeTimer* timer = SkinData.FadeTimer;
    SkinData.FadeTimer = nullptr;
    timer->SetDirection(TsFadeTimer::None);
    if (timer->Level != 0)
        SkinData.RequestRepaint();
    timer->deleteLater();
}
