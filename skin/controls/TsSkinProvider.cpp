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
#include "skin/controls/TsSystemMenu.h"
#include "skin/paint/PaintBorder.h"
#include "skin/paint/PaintCopy.h"
#include "skin/paint/PaintImagePiece.h"
#include "skin/paint/PaintRows.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintText.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

const QString kForm = QStringLiteral("FORM");
const QString kFormTitle = QStringLiteral("FORMTITLE");
const QString kMenuLine = QStringLiteral("MENULINE");

TsRect tsRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

Bitmap24 copyOf(const Bitmap24& source, const QRect& r)
{
    Bitmap24 part(r.width(), r.height());
    if (!part.isNull())
        CopyRect(part, 0, 0, source, tsRect(r));
    return part;
}

Qt::CursorShape cursorFor(int code)
{
    switch (code) {
    case HTLEFT:
    case HTRIGHT: return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM: return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

unsigned captionFlags(Qt::Alignment alignment)
{
    const unsigned horizontal = alignment & Qt::AlignRight ? TextRight : alignment & Qt::AlignHCenter ? TextCenter : TextLeft;
    return horizontal | TextVCenter | TextExpandTabs | TextSingleLine;
}

const TsSkinableMenus& menuPainter()
{
    static const TsSkinableMenus fallback(nullptr);
    TsSkinManager* manager = TsSkinData::instance().ActiveManager;
    return manager && manager->SkinableMenus() ? *manager->SkinableMenus() : fallback;
}

// Watches the keys of the whole application for the form's menu bar: they reach the
// focused control, not the form.
class MenuKeyWatcher : public QObject
{
public:
    using Handler = std::function<bool(QObject*, QEvent*)>;
    MenuKeyWatcher(QObject* parent, Handler handler) : QObject(parent), m_handler(std::move(handler))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease &&
            event->type() != QEvent::ShortcutOverride)
            return false;
        return m_handler(watched, event);
    }

private:
    Handler m_handler;
};

} // namespace

TsSkinProvider::TsSkinProvider(QWidget* form, QWidget* clientArea, QMenuBar* menuBar, QSize outerSize)
    : QObject(form)
    , SkinData(this, ckSkinProvider, true)
    , m_form(form)
    , m_client(clientArea)
    , m_menuBar(menuBar)
    , m_outerSize(outerSize)
    , m_commands(*form)
{
    m_buttons[0].code = HTCLOSE;
    m_buttons[1].code = HTMAXBUTTON;
    m_buttons[2].code = HTMINBUTTON;
    m_buttons[3].code = HTHELP;
    CaptionText = form->windowTitle();
    SkinData.SetSkinSection(kForm);
    form->installEventFilter(this);
    if (clientArea)
        clientArea->installEventFilter(this);
    new MenuKeyWatcher(this, [this](QObject* watched, QEvent* event) { return filterKey(watched, event); });
    m_systemMenu = new TsSystemMenu(form);
    m_formBars = new TsFormScrollBars(form, clientArea, this);
    connect(m_systemMenu, &TsSystemMenu::restoreChosen, this, [this] { m_commands.restore(); refreshSystemMenu(); });
    connect(m_systemMenu, &TsSystemMenu::maximizeChosen, this, [this] { m_commands.maximize(); refreshSystemMenu(); });
    connect(m_systemMenu, &TsSystemMenu::minimizeChosen, this, [this] { minimizeApplication(); refreshSystemMenu(); });
    connect(m_systemMenu, &TsSystemMenu::closeChosen, form, &QWidget::close);
    connect(m_systemMenu, &TsSystemMenu::moveChosen, this, [this] { m_commands.startMoveByMenu(QCursor::pos()); });
    connect(m_systemMenu, &TsSystemMenu::sizeChosen, this,
            [this] { m_commands.startResizeByMenu(QCursor::pos(), minimumFrameSize()); });
    updateIndexes();
    refreshSystemMenu();
    if (skinUsable())
        skinFrame();
}

void TsSkinProvider::refreshSystemMenu()
{
    if (!m_form || !m_systemMenu)
        return;
    const TsWindowState state = m_form->isMinimized() ? TsWindowState::wsMinimized
                                : m_commands.isMaximized() ? TsWindowState::wsMaximized
                                                           : TsWindowState::wsNormal;
    m_systemMenu->Refresh(BorderStyle, BorderIcons, state);
}

bool TsSkinProvider::ShowSystemMenu(QPoint globalPos)
{
    if (!m_systemMenu)
        return false;
    refreshSystemMenu();
    return m_systemMenu->ShowAt(globalPos, MakeSkinMenu);
}

void TsSkinProvider::RefreshFormStyle()
{
    updateIndexes();
    refreshSystemMenu();
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
    const int section = SkinData.SectionIndex;
    const char* names[] = {"BICONCLOSE", "BICONMAX", "BICONMIN", "BICONHELP"};
    for (int i = 0; i < 4; ++i)
        m_buttons[i].imageIndex = section >= 0 ? FindImageIndex(section, SkinData.SkinSection(), QString::fromLatin1(names[i])) : -1;

    FormMetricsInput input;
    input.style = BorderStyle;
    input.icons = BorderIcons;
    input.showAppIcon = ShowAppIcon;
    if (ImageIndexValid(m_buttons[0].imageIndex))
        input.closeButton = ImageFrameSize(tables.masks[std::size_t(m_buttons[0].imageIndex)]);
    input.hasMaxImage = ImageIndexValid(m_buttons[1].imageIndex);
    input.hasMinImage = ImageIndexValid(m_buttons[2].imageIndex);
    input.hasHelpImage = ImageIndexValid(m_buttons[3].imageIndex);
    input.hasMenuBar = !menuActions().isEmpty();
    input.menuLines = m_menuLayout.lines;
    m_metrics = FormMetrics::compute(input);
    m_buttons[0].slot = m_metrics.closeSlot;
    m_buttons[1].slot = m_metrics.maxSlot;
    m_buttons[2].slot = m_metrics.minSlot;
    m_buttons[3].slot = m_metrics.helpSlot;
}

QList<QAction*> TsSkinProvider::menuActions() const
{
    QList<QAction*> visible;
    if (!m_menuBar)
        return visible;
    for (QAction* action : m_menuBar->actions()) {
        if (action->isVisible() && !action->isSeparator())
            visible << action;
    }
    return visible;
}

void TsSkinProvider::relayout()
{
    std::vector<int> widths;
    const QFont font = TsSkinableMenus::MenuFont();
    for (QAction* action : menuActions())
        widths.push_back(TsSkinableMenus::MeasureBarItem(font, action->text(), action->shortcut().toString(QKeySequence::NativeText)));
    m_menuLayout = MenuBarLayout::compute(widths, m_form->width(), m_metrics);
    m_metrics.menuLines = m_menuLayout.lines;
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
    m_fullRepaint = true;
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
    leaveMenuMode();
    HotButton = 0;
    m_pressedButton = 0;
    m_titleStrip = Bitmap24();
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
    const QSize size = m_form ? m_form->size() : QSize();
    QRegion region(0, 0, size.width(), size.height());
    const TsSkinTables& tables = TsCommonData::Tables();
    if (!m_metrics.framed())
        return region;
    if (ImageIndexValid(SkinData.BorderMaskIndex))
        CutMagentaCorners(region, tables, tables.masks[std::size_t(SkinData.BorderMaskIndex)], size, Corners::All);
    const int titleSection = FindSectionIndex(kFormTitle);
    const int titleBorder = titleSection >= 0 ? FindImageIndex(titleSection, kFormTitle, QStringLiteral("BORDERSMASK")) : -1;
    if (ImageIndexValid(titleBorder))
        CutMagentaCorners(region, tables, tables.masks[std::size_t(titleBorder)], size, Corners::Top);
    return region;
}

int TsSkinProvider::HitTest(QPoint p) const
{
    const FormSizing sizing = m_form->minimumSize() == m_form->maximumSize() ? FormSizing::Fixed : FormSizing::Sizeable;
    return FormHitTest(m_metrics, m_form->size(), sizing, m_commands.isMaximized() ? FormShow::Maximized : FormShow::Normal, p);
}

int TsSkinProvider::ButtonState(int hitCode) const
{
    for (const TitleButton& button : m_buttons) {
        if (button.code == hitCode)
            return button.state;
    }
    return 0;
}

QRect TsSkinProvider::ButtonRect(int hitCode) const
{
    for (const TitleButton& button : m_buttons) {
        if (button.code == hitCode)
            return m_metrics.buttonRect(button.slot, m_form->width());
    }
    return {};
}

QString TsSkinProvider::FittedCaption(const QFont& font, const QString& caption, int maxWidth)
{
    Bitmap24 none;
    const PaintCanvas canvas{none, font, 0};
    return FitTextWithEllipsis(canvas, caption, maxWidth);
}

void TsSkinProvider::Invalidate(Render what)
{
    SkinData.CacheInvalid = true;
    if (what == Render::Whole)
        m_fullRepaint = true;
    if (m_form && m_frameSkinned)
        m_form->update(what == Render::Whole ? m_form->rect() : QRect(0, 0, m_form->width(), m_metrics.titleHeight()));
}

const Bitmap24& TsSkinProvider::RenderedCache()
{
    if (SkinData.CacheInvalid && m_frameSkinned)
        renderFrame();
    return *SkinData.CacheBitmap;
}

// ---- rendering -------------------------------------------------------------------------

void TsSkinProvider::renderFrame()
{
    const TsGeneralData* section = SkinData.Section();
    if (!section || !m_form)
        return;
    const TsSkinTables& tables = TsCommonData::Tables();
    Bitmap24& cache = *SkinData.CacheBitmap;
    const int W = m_form->width(), H = m_form->height(), th = m_metrics.titleHeight();
    const int state = FormActive ? 1 : 0;
    const TsParentCache own{&cache, 0, 0, true};
    const int titleSection = FindSectionIndex(kFormTitle);
    const bool fast = !m_fullRepaint && section->ReservedBoolean && m_titleStrip.width() == W && cache.width() == W
                      && cache.height() == H && m_metrics.framed();
    if (fast) {
        CopyRect(cache, 0, 0, m_titleStrip, {0, 0, W, th});
        PaintSectionWithBorders(tables, titleSection, kFormTitle, own, cache, {}, {0, 0, W, th}, state, true);
        renderTitle();
        ++TitleRenderCount;
        toScreen(QRect(0, 0, W, th));
    } else {
        if (cache.width() != W || cache.height() != H)
            cache.resize(W, H);
        m_regionChanged = true;
        PaintSectionWithBorders(tables, SkinData.SectionIndex, SkinData.SkinSection(), EmptyParentCache(), cache, {}, {0, 0, W, H}, state, true);
        if (section->ReservedBoolean)
            m_titleStrip = copyOf(cache, QRect(0, 0, W, th));
        if (m_metrics.framed())
            PaintSectionWithBorders(tables, titleSection, kFormTitle, own, cache, {}, {0, 0, W, th}, state, true);
        if (m_metrics.hasMenuBar) {
            const int band = m_metrics.menuBandHeight();
            PaintSectionWithBorders(tables, FindSectionIndex(kMenuLine), kMenuLine, own, cache, {}, {0, th, W, th + band}, 0, true);
            // The clean bar, before the items: a transparent item shows it.
            m_menuBarImage = copyOf(cache, QRect(0, th, W, band + 1));
            drawMenuItems();
        }
        if (m_metrics.framed())
            renderTitle();
        m_fullRepaint = false;
        toScreen(QRect(0, 0, W, H));
    }
    SkinData.CacheInvalid = false;
    SkinData.ResumePainting();
    ++SkinData.RenderCount;
}

void TsSkinProvider::renderTitle()
{
    const TsSkinTables& tables = TsCommonData::Tables();
    Bitmap24& cache = *SkinData.CacheBitmap;
    const int W = m_form->width(), th = m_metrics.titleHeight();

    if (m_metrics.iconShown && m_metrics.IW > 0) {
        QIcon icon = m_form->windowIcon();
        if (icon.isNull())
            icon = QApplication::windowIcon();
        QImage view = cache.imageView();
        QPainter painter(&view);
        painter.drawPixmap(m_metrics.iconRect(), icon.pixmap(m_metrics.IW, m_metrics.IH));
    }
    const int visible = m_metrics.visibleSystemButtons();
    const int titleBar = FindImageIndex(SkinData.SectionIndex, SkinData.SkinSection(), QStringLiteral("TITLEBAR"));
    if (visible > 0 && ImageIndexValid(titleBar)) {
        const TsMaskData& piece = tables.masks[std::size_t(titleBar)];
        const int cell = ImageFrameSize(piece).width() / 3;
        PaintBorderMask(tables, cache, {W - (2 * cell + visible * m_metrics.BW), 0, W, th}, true, 0, piece, EmptyParentCache());
    }
    const int stripWidth = (visible + 1) * (m_metrics.BW + 1) + m_metrics.FW;
    m_buttonStrip = copyOf(cache, QRect(W - stripWidth - 1, 0, stripWidth, m_metrics.clientTop()));
    if (BorderIcons.biSystemMenu) {
        for (const TitleButton& button : m_buttons) {
            if (button.slot > 0)
                paintTitleButton(button);
        }
    }
    QFont font = m_form->font();
    font.setBold(true);
    const QString text = FittedCaption(font, CaptionText, m_metrics.captionMaxWidth(W));
    TsRect rect = tsRect(m_metrics.captionRect(W));
    if (!text.isEmpty() && !rect.isEmpty()) {
        PaintCanvas canvas{cache, font, 0};
        DrawSkinText(tables, canvas, text, m_form->isEnabled(), FormActive, FindSectionIndex(kFormTitle),
                     captionFlags(CaptionAlignment), rect);
    }
}

void TsSkinProvider::paintTitleButton(const TitleButton& button)
{
    const TsSkinTables& tables = TsCommonData::Tables();
    Bitmap24& cache = *SkinData.CacheBitmap;
    const QRect rect = m_metrics.buttonRect(button.slot, m_form->width());
    int image = button.imageIndex;
    if (button.code == HTMAXBUTTON && m_commands.isMaximized())
        image = FindImageIndex(SkinData.SectionIndex, SkinData.SkinSection(), QStringLiteral("BICONNORM"));
    if (!ImageIndexValid(image))
        return;
    bool enabledLook = FormActive;
    if (button.code == HTMAXBUTTON)
        enabledLook = enabledLook && BorderIcons.biMaximize;
    if (button.code == HTMINBUTTON)
        enabledLook = enabledLook && BorderIcons.biMinimize;
    // Draw mode 0 mixes the piece half over the title, mode 1 copies it.
    const int drawMode = button.state == 0 && !enabledLook ? 0 : 1;
    DrawImagePiece(tables, cache, rect.left(), rect.top(), button.state, image, drawMode);
}

void TsSkinProvider::drawMenuItems()
{
    for (int i = 0; i < int(m_menuLayout.items.size()); ++i)
        drawMenuItem(i);
}

void TsSkinProvider::drawMenuItem(int index)
{
    const QList<QAction*> actions = menuActions();
    if (index < 0 || index >= actions.size() || index >= int(m_menuLayout.items.size()))
        return;
    QAction* action = actions[index];
    unsigned state = 0;
    if (index == m_menuSelected)
        state |= odSelected;
    if (index == m_menuHot)
        state |= odHotLight;
    const TsParentCache bar{&m_menuBarImage, 0, 0, !m_menuBarImage.isNull()};
    menuPainter().DrawBarItem(*SkinData.CacheBitmap, m_menuLayout.items[std::size_t(index)], action->text(),
                              action->shortcut().toString(QKeySequence::NativeText), action->isEnabled(), state, bar,
                              m_metrics.titleHeight());
}

// Copies a rectangle of the cache into the screen picture, row by row.
void TsSkinProvider::toScreen(QRect rect)
{
    const Bitmap24& cache = *SkinData.CacheBitmap;
    if (m_screen.size() != QSize(cache.width(), cache.height())) {
        // The rows live in a buffer that keeps its capacity, so sizing by dragging does
        // not allocate (and clear) a new screen picture at every step.
        m_screenBits.resize(std::size_t(cache.width()) * std::size_t(cache.height()));
        m_screen = QImage(reinterpret_cast<uchar*>(m_screenBits.data()), cache.width(), cache.height(),
                          qsizetype(cache.width()) * 4, QImage::Format_RGB32);
        rect = QRect(0, 0, cache.width(), cache.height());
    }
    rect &= QRect(0, 0, cache.width(), cache.height());
    if (rect.isEmpty())
        return;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto* target = reinterpret_cast<uint32_t*>(m_screen.scanLine(y)) + rect.left();
        ConvertRowToRgb32(target, cache.scanLine(y) + rect.left() * 3, std::size_t(rect.width()));
    }
}

void TsSkinProvider::paintForm(QEvent* event)
{
    if (SkinData.CacheInvalid && !SkinData.CacheFrozen)
        renderFrame();
    if (m_screen.isNull())
        return;
    const QRect rect = static_cast<QPaintEvent*>(event)->rect();
    QPainter painter(m_form);
    painter.drawImage(rect.topLeft(), m_screen, rect);
}

void TsSkinProvider::repaintRect(QRect rect)
{
    toScreen(rect);
    m_form->repaint(rect);
}

// ---- title buttons ---------------------------------------------------------------------

TsSkinProvider::TitleButton* TsSkinProvider::buttonOf(int code)
{
    for (TitleButton& button : m_buttons) {
        if (button.code == code && button.slot > 0)
            return &button;
    }
    return nullptr;
}

void TsSkinProvider::setButtonState(int code, int state)
{
    TitleButton* button = buttonOf(code);
    if (!button || button->state == state)
        return;
    button->state = state;
    if (SkinData.CacheInvalid || m_buttonStrip.isNull() || !BorderIcons.biSystemMenu) {
        m_form->update();
        return;
    }
    // Only this button: its background back from the strip, then its new face.
    const QRect rect = m_metrics.buttonRect(button->slot, m_form->width());
    const int stripLeft = m_form->width() - m_buttonStrip.width() - 1;
    CopyRect(*SkinData.CacheBitmap, rect.left(), rect.top(), m_buttonStrip, tsRect(rect.translated(-stripLeft, 0)));
    paintTitleButton(*button);
    repaintRect(rect);
}

void TsSkinProvider::setHotButton(int code)
{
    if (code == HotButton)
        return;
    const int previous = HotButton;
    HotButton = code;
    setButtonState(previous, 0);
    setButtonState(code, 1);
}

void TsSkinProvider::buttonReleased(int code)
{
    switch (code) {
    case HTCLOSE:
        m_form->close();
        return;
    case HTMAXBUTTON:
        m_commands.toggleMaximized();
        break;
    case HTMINBUTTON:
        minimizeApplication();
        break;
    default:
        break;
    }
    HotButton = 0;
    refreshSystemMenu();
}

void TsSkinProvider::minimizeApplication()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == m_form)
            m_commands.minimize();
        else if (window->isVisible() && window->windowType() == Qt::Window)
            window->showMinimized();
    }
}

void TsSkinProvider::updateCursor(int code)
{
    const Qt::CursorShape shape = cursorFor(code);
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
    if (m_menuKeyboard)
        leaveMenuMode();
    const QPoint global = event->globalPosition().toPoint();
    const int code = HitTest(event->position().toPoint());
    if (code == HTSYSMENU) {
        ShowSystemMenu(m_form->mapToGlobal(QPoint(m_metrics.FW, m_metrics.FH + m_metrics.IH)));
    } else if (isTitleButtonCode(code) && buttonOf(code)) {
        m_pressedButton = code;
        HotButton = code;
        setButtonState(code, 2);
    } else if (code == HTCAPTION) {
        if (!m_commands.isMaximized())
            m_commands.startMove(global);
    } else if (isSizingCode(code)) {
        m_commands.startResize(code, global, minimumFrameSize());
    } else if (code == HTMENU) {
        const int item = m_menuLayout.itemAt(event->position().toPoint());
        if (item < 0)
            return;
        if (menuActions()[item]->menu()) {
            openMenuItem(item, false);
        } else {
            m_menuPressed = item;
            setMenuSelected(item);
        }
    }
}

void TsSkinProvider::mouseMoved(QMouseEvent* event)
{
    if (m_commands.dragging()) {
        m_commands.dragTo(event->globalPosition().toPoint());
        return;
    }
    const QPoint p = event->position().toPoint();
    const int code = HitTest(p);
    if (m_pressedButton) {
        setButtonState(m_pressedButton, code == m_pressedButton ? 2 : 0);
        return;
    }
    if (m_menuPressed >= 0) {
        setMenuSelected(m_menuLayout.itemAt(p) == m_menuPressed ? m_menuPressed : -1);
        return;
    }
    setHotButton(isTitleButtonCode(code) && buttonOf(code) ? code : 0);
    setMenuHot(code == HTMENU ? m_menuLayout.itemAt(p) : -1);
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
    if (m_commands.dragging()) {
        m_commands.endDrag();
        return;
    }
    const QPoint p = event->position().toPoint();
    if (m_pressedButton) {
        const int pressed = m_pressedButton;
        m_pressedButton = 0;
        const bool inside = HitTest(p) == pressed;
        setButtonState(pressed, inside ? 1 : 0);
        if (inside)
            buttonReleased(pressed);
        return;
    }
    if (m_menuPressed >= 0) {
        const int pressed = m_menuPressed;
        m_menuPressed = -1;
        setMenuSelected(-1);
        const QList<QAction*> actions = menuActions();
        if (m_menuLayout.itemAt(p) == pressed && pressed < actions.size())
            actions[pressed]->trigger();
    }
}

void TsSkinProvider::mouseDoubleClicked(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int code = HitTest(event->position().toPoint());
    if (code == HTCAPTION && m_metrics.maxSlot > 0 && BorderIcons.biMaximize)
        m_commands.toggleMaximized();
    else if (code == HTSYSMENU)
        m_form->close();
    else
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
    refreshSystemMenu();
    if (TsSkinManager* manager = TsSkinData::instance().ActiveManager; active && manager && manager->SkinableMenus())
        manager->SkinableMenus()->UpdateFormPopups(m_form);
}

// ---- the menu bar ----------------------------------------------------------------------

void TsSkinProvider::repaintMenuItem(int index)
{
    if (index < 0 || index >= int(m_menuLayout.items.size()))
        return;
    if (SkinData.CacheInvalid || m_menuBarImage.isNull()) {
        m_form->update();
        return;
    }
    // The item's background back from the clean bar, then its new face.
    const QRect rect = m_menuLayout.items[std::size_t(index)];
    CopyRect(*SkinData.CacheBitmap, rect.left(), rect.top(), m_menuBarImage, tsRect(rect.translated(0, -m_metrics.titleHeight())));
    drawMenuItem(index);
    repaintRect(rect);
}

void TsSkinProvider::setMenuHot(int index)
{
    if (index == m_menuHot)
        return;
    const int previous = m_menuHot;
    m_menuHot = index;
    repaintMenuItem(previous);
    repaintMenuItem(index);
}

void TsSkinProvider::setMenuSelected(int index)
{
    if (index == m_menuSelected)
        return;
    const int previous = m_menuSelected;
    m_menuSelected = index;
    repaintMenuItem(previous);
    repaintMenuItem(index);
}

void TsSkinProvider::openMenuItem(int index, bool byKeyboard)
{
    const QList<QAction*> actions = menuActions();
    if (index < 0 || index >= actions.size())
        return;
    QAction* action = actions[index];
    QMenu* menu = action->menu();
    if (!menu) {
        leaveMenuMode();
        action->trigger();
        return;
    }
    setMenuSelected(index);
    m_openMenu = menu;
    menu->installEventFilter(this);
    connect(menu, &QMenu::aboutToHide, this, [this, menu] {
        menu->removeEventFilter(this);
        m_openMenu = nullptr;
        if (!m_menuKeyboard)
            setMenuSelected(-1);
    }, Qt::SingleShotConnection);
    connect(menu, &QMenu::triggered, this, [this] { leaveMenuMode(); }, Qt::SingleShotConnection);
    if (byKeyboard && !menu->actions().isEmpty())
        menu->setActiveAction(menu->actions().first());
    const QRect item = m_menuLayout.items[std::size_t(index)];
    menu->popup(m_form->mapToGlobal(item.bottomLeft() + QPoint(0, 1)));
}

void TsSkinProvider::leaveMenuMode()
{
    m_menuKeyboard = false;
    if (m_form)
        setMenuSelected(-1);
}

int TsSkinProvider::menuItemForLetter(QChar letter) const
{
    const QChar wanted = letter.toUpper();
    const QList<QAction*> actions = menuActions();
    for (int i = 0; i < actions.size(); ++i) {
        const QString text = actions[i]->text();
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < text.size() && text[amp + 1].toUpper() == wanted)
            return i;
    }
    // Without a marked letter, the first letter of the caption.
    for (int i = 0; i < actions.size(); ++i) {
        const QString text = actions[i]->text();
        if (!text.isEmpty() && text[0].toUpper() == wanted)
            return i;
    }
    return -1;
}

bool TsSkinProvider::filterKey(QObject* watched, QEvent* event)
{
    if (!m_frameSkinned || !m_form || !watched->isWidgetType() || QApplication::activePopupWidget())
        return false;
    if (static_cast<QWidget*>(watched)->window() != m_form || menuActions().isEmpty())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // A key taken by a shortcut (Alt+Left) never arrives as a press, but it is no lone Alt.
    if (event->type() == QEvent::ShortcutOverride) {
        if (key->key() != Qt::Key_Alt)
            m_altAlone = false;
        return false;
    }
    if (event->type() == QEvent::KeyRelease) {
        if (key->key() != Qt::Key_Alt || key->isAutoRepeat() || !m_altAlone)
            return false;
        m_altAlone = false;
        if (m_menuKeyboard) {
            leaveMenuMode();
        } else {
            m_menuKeyboard = true;
            setMenuSelected(0);
        }
        return true;
    }
    if (key->key() == Qt::Key_Alt) {
        m_altAlone = !key->isAutoRepeat() || m_altAlone;
        return false;
    }
    m_altAlone = false;
    const int count = int(menuActions().size());
    if (m_menuKeyboard) {
        switch (key->key()) {
        case Qt::Key_Left: setMenuSelected((m_menuSelected - 1 + count) % count); break;
        case Qt::Key_Right: setMenuSelected((m_menuSelected + 1) % count); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down: openMenuItem(m_menuSelected, true); break;
        case Qt::Key_Escape:
        case Qt::Key_F10: leaveMenuMode(); break;
        default:
            if (!key->text().isEmpty()) {
                if (const int item = menuItemForLetter(key->text()[0]); item >= 0)
                    openMenuItem(item, true);
            }
            break;
        }
        return true;
    }
    if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) {
        m_menuKeyboard = true;
        setMenuSelected(0);
        return true;
    }
    if (key->modifiers() == Qt::AltModifier && !key->text().isEmpty()) {
        const int item = menuItemForLetter(key->text()[0]);
        if (item < 0)
            return false;
        m_menuKeyboard = true;
        openMenuItem(item, true);
        return true;
    }
    return false;
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
        m_titleStrip = Bitmap24();
        m_fullRepaint = true;
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
        TsSkinData::instance().SharedParentCache = {ready ? SkinData.CacheBitmap.get() : nullptr, m_metrics.clientLeft(),
                                                    m_metrics.clientTop(), ready};
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
            renderFrame();
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
    if (watched == m_openMenu && event->type() == QEvent::KeyPress)
        return filterDropDownKey(static_cast<QKeyEvent*>(event));
    return false;
}

// Left and Right in an open drop-down go to the band's neighbouring item, as in a menu
// bar: its drop-down opens, or a plain item stays selected for Enter.
bool TsSkinProvider::filterDropDownKey(QKeyEvent* key)
{
    if (key->key() != Qt::Key_Left && key->key() != Qt::Key_Right)
        return false;
    const QAction* active = m_openMenu->activeAction();
    if (key->key() == Qt::Key_Right && active && active->menu())
        return false; // Qt opens the submenu
    const int count = int(menuActions().size());
    if (count == 0 || m_menuSelected < 0)
        return false;
    const int next = (m_menuSelected + (key->key() == Qt::Key_Right ? 1 : count - 1)) % count;
    m_menuKeyboard = true;
    m_openMenu->hide();
    setMenuSelected(next);
    if (menuActions().at(next)->menu())
        openMenuItem(next, true);
    return true;
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
        setHotButton(0);
        setMenuHot(-1);
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
        paintForm(event);
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
        refreshSystemMenu();
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
        if (!m_pressedButton)
            setHotButton(0);
        setMenuHot(-1);
        return false;
    default:
        return false;
    }
}
