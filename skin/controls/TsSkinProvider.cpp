#include "skin/controls/TsSkinProvider.h"

#include "platform/HitCodes.h"
#include "skin/SkinLookups.h"
#include "skin/SkinMessage.h"
#include "skin/TsSkinData.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinableMenus.h"
#include "skin/controls/FormHitTest.h"
#include "skin/controls/FormRegion.h"
#include "skin/controls/TsFormScrollBars.h"
#include "skin/controls/TsFramePainter.h"
#include "skin/controls/TsMenuBand.h"
#include "skin/controls/TsSystemMenu.h"
#include "skin/controls/TsTitleButtons.h"
#include "skin/paint/PaintText.h"

#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>

namespace {

const QString kForm = QStringLiteral("FORM");

} // namespace

TsSkinProvider::TsSkinProvider(QWidget* form, QWidget* clientArea, QMenuBar* menuBar, QSize outerSize)
    : QObject(form)
    , SkinData(this, ckSkinProvider, true)
    , m_form(form)
    , m_client(clientArea)
    , m_menuBar(menuBar)
    , m_outerSize(outerSize)
    , m_commands(*form)
    , m_painter(std::make_unique<TsFramePainter>(*this))
    , m_titleButtons(std::make_unique<TsTitleButtons>(*this))
    , m_menuBand(new TsMenuBand(*this, menuBar))
{
    CaptionText = form->windowTitle();
    SkinData.SetSkinSection(kForm);
    form->installEventFilter(this);
    if (clientArea)
        clientArea->installEventFilter(this);
    m_systemMenu = new TsSystemMenu(form);
    m_formBars = new TsFormScrollBars(form, clientArea, this);
    m_titleButtons->WireSystemMenu(m_systemMenu);
    updateIndexes();
    m_titleButtons->RefreshSystemMenu();
    if (skinUsable())
        skinFrame();
}

bool TsSkinProvider::ShowSystemMenu(QPoint globalPos)
{
    return m_titleButtons->ShowSystemMenu(globalPos);
}

void TsSkinProvider::RefreshFormStyle()
{
    updateIndexes();
    m_titleButtons->RefreshSystemMenu();
    if (skinUsable())
        skinFrame();
    else
        unskinFrame();
}

TsSkinProvider::~TsSkinProvider() = default;

bool TsSkinProvider::skinUsable() const
{
    const TsSkinData& state = TsSkinData::instance();
    return state.SkinReady && state.ActiveManager && state.ActiveManager->Active() && SkinData.IsSkinned();
}

void TsSkinProvider::updateIndexes()
{
    SkinData.UpdateIndexes();
    const TsSkinTables& tables = TsCommonData::Tables();
    m_titleButtons->FindImages(SkinData.SectionIndex, SkinData.SkinSection());

    FormMetricsInput input;
    input.style = BorderStyle;
    input.icons = BorderIcons;
    input.showAppIcon = ShowAppIcon;
    if (ImageIndexValid(m_titleButtons->ImageIndex(0)))
        input.closeButton = ImageFrameSize(tables.masks[std::size_t(m_titleButtons->ImageIndex(0))]);
    input.hasMaxImage = ImageIndexValid(m_titleButtons->ImageIndex(1));
    input.hasMinImage = ImageIndexValid(m_titleButtons->ImageIndex(2));
    input.hasHelpImage = ImageIndexValid(m_titleButtons->ImageIndex(3));
    input.hasMenuBar = !m_menuBand->Actions().isEmpty();
    input.menuLines = m_menuBand->Layout().lines;
    m_metrics = FormMetrics::compute(input);
    m_titleButtons->PlaceInSlots(m_metrics);
}

void TsSkinProvider::relayout()
{
    m_metrics.menuLines = m_menuBand->Relayout(m_form->width());
    if (!m_frameSkinned || !m_form->layout())
        return;
    const int side = m_metrics.FW + m_metrics.borderWidth;
    const QMargins margins(m_metrics.clientLeft(), m_metrics.clientTop(), side, m_metrics.FH + m_metrics.borderWidth);
    if (m_form->layout()->contentsMargins() == margins)
        return;
    // At once: the client's children read their parent picture at the client's place.
    m_form->layout()->setContentsMargins(margins);
    m_form->layout()->activate();
}

void TsSkinProvider::skinFrame()
{
    if (!m_form)
        return;
    FormActive = m_form->isActiveWindow();
    if (!m_frameSkinned) {
        const bool visible = m_form->isVisible();
        const QRect old = m_form->geometry();
        m_savedFlags = m_form->windowFlags();
        m_sizeDelta = m_outerSize - old.size();
        m_form->setWindowFlags(m_savedFlags | Qt::FramelessWindowHint);
        if (m_menuBar && m_form->layout()) {
            m_form->layout()->setMenuBar(nullptr);
            m_menuBar->hide();
        }
        m_form->setMouseTracking(true);
        m_form->setAttribute(Qt::WA_OpaquePaintEvent, true);
        m_frameSkinned = true;
        m_form->resize(m_outerSize);
        m_form->move(old.center() - QPoint(m_outerSize.width() / 2, m_outerSize.height() / 2));
        if (visible)
            m_form->show();
    }
    relayout();
    m_painter->RenderWholeNext();
    m_regionChanged = true;
    SkinData.CacheInvalid = true;
    m_form->setMask(WindowRegion());
    m_form->update();
    updateFormBars();
}

void TsSkinProvider::updateFormBars()
{
    m_formBars->Update(m_frameSkinned && skinUsable());
}

void TsSkinProvider::unskinFrame()
{
    m_menuBand->Leave();
    m_titleButtons->Reset();
    m_painter->ForgetTitleStrip();
    if (!m_frameSkinned || !m_form)
        return;
    m_formBars->Update(false);
    const bool visible = m_form->isVisible();
    const QRect old = m_form->geometry();
    m_frameSkinned = false;
    m_form->clearMask();
    m_form->setWindowFlags(m_savedFlags);
    m_form->setAttribute(Qt::WA_OpaquePaintEvent, false);
    m_form->unsetCursor();
    if (QLayout* layout = m_form->layout()) {
        layout->setContentsMargins(0, 0, 0, 0);
        if (m_menuBar) {
            layout->setMenuBar(m_menuBar);
            m_menuBar->show();
        }
    }
    const QSize client = old.size() - m_sizeDelta;
    m_form->setGeometry(QRect(old.topLeft(), client).translated((old.width() - client.width()) / 2, (old.height() - client.height()) / 2));
    if (visible)
        m_form->show();
}

QRegion TsSkinProvider::WindowRegion() const
{
    return m_painter->WindowRegion();
}

int TsSkinProvider::HitTest(QPoint p) const
{
    const FormSizing sizing = m_form->minimumSize() == m_form->maximumSize() ? FormSizing::Fixed : FormSizing::Sizeable;
    return FormHitTest(m_metrics, m_form->size(), sizing, m_commands.isMaximized() ? FormShow::Maximized : FormShow::Normal, p);
}

QString TsSkinProvider::FittedCaption(const QFont& font, const QString& caption, int maxWidth)
{
    Bitmap24 none;
    const PaintCanvas canvas{none, font, 0};
    return FitTextWithEllipsis(canvas, caption, maxWidth);
}

int TsSkinProvider::ButtonState(int hitCode) const
{
    return m_titleButtons->State(hitCode);
}

QRect TsSkinProvider::ButtonRect(int hitCode) const
{
    return m_titleButtons->Rect(hitCode);
}

const MenuBarLayout& TsSkinProvider::MenuLayout() const
{
    return m_menuBand->Layout();
}

int TsSkinProvider::SelectedMenuItem() const
{
    return m_menuBand->Selected();
}

int TsSkinProvider::HotMenuItem() const
{
    return m_menuBand->Hot();
}

const QImage& TsSkinProvider::ScreenPicture() const
{
    return m_painter->ScreenPicture();
}

void TsSkinProvider::Invalidate(Render what)
{
    SkinData.CacheInvalid = true;
    if (what == Render::Whole)
        m_painter->RenderWholeNext();
    if (m_form && m_frameSkinned)
        m_form->update(what == Render::Whole ? m_form->rect() : QRect(0, 0, m_form->width(), m_metrics.titleHeight()));
}

const Bitmap24& TsSkinProvider::RenderedCache()
{
    if (SkinData.CacheInvalid && m_frameSkinned)
        m_painter->Render(m_form->devicePixelRatioF());
    return *SkinData.CacheBitmap;
}

void TsSkinProvider::RenderWhole(double scale)
{
    m_painter->RenderWholeNext();
    m_painter->Render(scale);
}

void TsSkinProvider::updateCursor(int code)
{
    const Qt::CursorShape shape = CursorForHitCode(code);
    if (shape == Qt::ArrowCursor)
        m_form->unsetCursor();
    else
        m_form->setCursor(shape);
}

QSize TsSkinProvider::minimumFrameSize() const
{
    const int buttons = m_metrics.visibleSystemButtons() * (m_metrics.BW + 1);
    return QSize(std::max(m_form->minimumWidth(), 2 * m_metrics.FW + m_metrics.IW + buttons + 40),
                 std::max(m_form->minimumHeight(), m_metrics.clientTop() + m_metrics.FH + 1));
}

void TsSkinProvider::mousePressed(QMouseEvent* event)
{
    // A move or size begun from the system menu ends with the next click.
    if (m_commands.followsWithoutButton()) {
        m_commands.endDrag();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (m_menuBand->KeyboardMode())
        m_menuBand->Leave();
    const QPoint global = event->globalPosition().toPoint();
    const int code = HitTest(event->position().toPoint());
    if (code == HTSYSMENU) {
        ShowSystemMenu(m_form->mapToGlobal(QPoint(m_metrics.FW, m_metrics.FH + m_metrics.IH)));
    } else if (isTitleButtonCode(code) && m_titleButtons->Shown(code)) {
        m_titleButtons->Press(code);
    } else if (code == HTCAPTION) {
        m_titleButtons->PressCaption(global);
    } else if (isSizingCode(code)) {
        m_commands.startResize(code, global, minimumFrameSize());
    } else if (code == HTMENU) {
        m_menuBand->Press(event->position().toPoint());
    }
}

void TsSkinProvider::mouseMoved(QMouseEvent* event)
{
    if (m_titleButtons->FollowPointer(event->globalPosition().toPoint()))
        return;
    const QPoint p = event->position().toPoint();
    const int code = HitTest(p);
    if (m_titleButtons->Pressed()) {
        m_titleButtons->PressedMoveOver(code);
        return;
    }
    if (m_menuBand->MoveWhilePressed(p))
        return;
    m_titleButtons->SetHot(isTitleButtonCode(code) && m_titleButtons->Shown(code) ? code : 0);
    m_menuBand->SetHot(code == HTMENU ? m_menuBand->Layout().itemAt(p) : -1);
    updateCursor(code);
}

void TsSkinProvider::mouseReleased(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        const int code = HitTest(event->position().toPoint());
        if (code == HTCAPTION || code == HTSYSMENU)
            ShowSystemMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (m_titleButtons->EndDrag())
        return;
    const QPoint p = event->position().toPoint();
    if (m_titleButtons->Release(HitTest(p)))
        return;
    m_menuBand->Release(p);
}

void TsSkinProvider::mouseDoubleClicked(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (!m_titleButtons->DoubleClicked(HitTest(event->position().toPoint())))
        mousePressed(event);
}

void TsSkinProvider::activationChanged()
{
    const bool active = m_form->isActiveWindow();
    if (active == FormActive)
        return;
    FormActive = active;
    SkinData.CacheInvalid = true;
    m_form->update(QRect(0, 0, m_form->width(), m_metrics.titleHeight()));
    m_titleButtons->RefreshSystemMenu();
    if (TsSkinManager* manager = TsSkinData::instance().ActiveManager; active && manager && manager->SkinableMenus())
        manager->SkinableMenus()->UpdateFormPopups(m_form);
}

// ---- events ----------------------------------------------------------------------------

bool TsSkinProvider::event(QEvent* event)
{
    if (SkinMessage* message = SkinMessage::from(event)) {
        handleSkinMessage(*message);
        return true;
    }
    return QObject::event(event);
}

void TsSkinProvider::handleSkinMessage(SkinMessage& message)
{
    switch (message.number()) {
    case SKN_SKINCHANGING:
        SkinData.HandleSkinMessage(message);
        updateIndexes();
        if (m_form)
            FormActive = m_form->isActiveWindow();
        break;
    case SKN_SKINCHANGED:
        SkinData.HandleSkinMessage(message);
        m_painter->ForgetTitleStrip();
        m_painter->RenderWholeNext();
        updateIndexes();
        if (TsSkinManager* manager = TsSkinData::instance().ActiveManager; manager && manager->SkinableMenus())
            manager->SkinableMenus()->SetActive(TsSkinData::instance().SkinReady);
        if (skinUsable())
            skinFrame();
        else
            unskinFrame();
        break;
    case SKN_SKINREMOVED:
        SkinData.HandleSkinMessage(message);
        unskinFrame();
        if (TsSkinManager* manager = TsSkinData::instance().ActiveManager; manager && manager->SkinableMenus())
            manager->SkinableMenus()->SetActive(false);
        break;
    case SKN_GETPROVIDER:
        message.setResult(reinterpret_cast<intptr_t>(this));
        break;
    case SKN_ISSKINNEDWINDOW:
        message.setResult(1);
        break;
    case SKN_GETCACHE: {
        const bool ready = m_frameSkinned && !SkinData.CacheBitmap->isNull();
        TsCommonData::AnswerCache(message, {ready ? SkinData.CacheBitmap.get() : nullptr, m_metrics.clientLeft(),
                                                    m_metrics.clientTop(), ready});
        break;
    }
    case SKN_ISSUSPENDED:
        message.setResult(SkinData.CacheInvalid || SkinData.PaintSuspended ? 1 : 0);
        break;
    case SKN_ISPARTLYHIDDEN:
        message.setResult(0);
        break;
    case SKN_FREEZECACHE:
        SkinData.HandleSkinMessage(message);
        if (SkinData.CacheFrozen && m_frameSkinned)
            m_painter->Render(m_form->devicePixelRatioF());
        break;
    default:
        SkinData.HandleSkinMessage(message);
        break;
    }
}

bool TsSkinProvider::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form)
        return filterFormEvent(event);
    if (watched == m_client)
        return filterClientEvent(event);
    return false;
}

bool TsSkinProvider::filterClientEvent(QEvent* event)
{
    if (SkinMessage* message = SkinMessage::from(event)) {
        const uint32_t number = message->number();
        if (number == SKN_GETCACHE || number == SKN_ISSUSPENDED || number == SKN_ISPARTLYHIDDEN) {
            handleSkinMessage(*message);
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::Resize)
        updateFormBars();
    if (event->type() == QEvent::Enter && m_frameSkinned) {
        m_titleButtons->SetHot(0);
        m_menuBand->SetHot(-1);
        m_form->unsetCursor();
    }
    return false;
}

bool TsSkinProvider::filterFormEvent(QEvent* event)
{
    if (SkinMessage* message = SkinMessage::from(event)) {
        const uint32_t number = message->number();
        if (number == SKN_SKINCHANGED || number == SKN_GETPROVIDER || number == SKN_ISSKINNEDWINDOW || number == SKN_GETCACHE
            || number == SKN_ISSUSPENDED) {
            handleSkinMessage(*message);
            return number != SKN_SKINCHANGED;
        }
        return false;
    }
    if (!m_frameSkinned)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        m_painter->Paint(static_cast<QPaintEvent*>(event));
        return true;
    case QEvent::Resize:
        SkinData.CacheInvalid = true;
        relayout();
        m_form->setMask(WindowRegion());
        return false;
    case QEvent::ActivationChange:
        activationChanged();
        if (m_form->isActiveWindow())
            updateFormBars();
        return false;
    case QEvent::WindowTitleChange:
        CaptionText = m_form->windowTitle();
        SkinData.CacheInvalid = true;
        m_form->update(QRect(0, 0, m_form->width(), m_metrics.titleHeight()));
        return false;
    case QEvent::WindowStateChange:
        m_commands.windowStateChanged();
        m_titleButtons->RefreshSystemMenu();
        SkinData.CacheInvalid = true;
        m_form->update(QRect(0, 0, m_form->width(), m_metrics.titleHeight()));
        return false;
    case QEvent::MouseMove:
        mouseMoved(static_cast<QMouseEvent*>(event));
        return false;
    case QEvent::MouseButtonPress:
        mousePressed(static_cast<QMouseEvent*>(event));
        return false;
    case QEvent::MouseButtonRelease:
        mouseReleased(static_cast<QMouseEvent*>(event));
        return false;
    case QEvent::MouseButtonDblClick:
        mouseDoubleClicked(static_cast<QMouseEvent*>(event));
        return false;
    case QEvent::Leave:
        if (!m_titleButtons->Pressed())
            m_titleButtons->SetHot(0);
        m_menuBand->SetHot(-1);
        return false;
    default:
        return false;
    }
}
