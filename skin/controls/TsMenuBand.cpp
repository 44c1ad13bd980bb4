#include "skin/controls/TsMenuBand.h"

#include "skin/TsSkinData.h"
#include "skin/TsSkinManager.h"
#include "skin/TsSkinableMenus.h"
#include "skin/controls/TsFramePainter.h"
#include "skin/controls/TsSkinProvider.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <functional>

namespace {

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

TsMenuBand::TsMenuBand(TsSkinProvider& provider, QMenuBar* menuBar)
    : QObject(&provider)
    , m_p(provider)
    , m_menuBar(menuBar)
{
    new MenuKeyWatcher(this, [this](QObject* watched, QEvent* event) { return filterKey(watched, event); });
}

QList<QAction*> TsMenuBand::Actions() const
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

int TsMenuBand::Relayout(int formWidth)
{
    std::vector<int> widths;
    const QFont font = TsSkinableMenus::MenuFont();
    for (QAction* action : Actions())
        widths.push_back(TsSkinableMenus::MeasureBarItem(font, action->text(), action->shortcut().toString(QKeySequence::NativeText)));
    m_layout = MenuBarLayout::compute(widths, formWidth, m_p.m_metrics);
    return m_layout.lines;
}

void TsMenuBand::DrawItems()
{
    for (int i = 0; i < int(m_layout.items.size()); ++i)
        drawItem(i);
}

void TsMenuBand::drawItem(int index)
{
    const QList<QAction*> actions = Actions();
    if (index < 0 || index >= actions.size() || index >= int(m_layout.items.size()))
        return;
    QAction* action = actions[index];
    unsigned state = 0;
    if (index == m_selected)
        state |= odSelected;
    if (index == m_hot)
        state |= odHotLight;
    const Bitmap24& band = m_p.m_painter->MenuBarImage();
    const TsParentCache bar{&band, 0, 0, !band.isNull()};
    menuPainter().DrawBarItem(*m_p.SkinData.CacheBitmap, m_layout.items[std::size_t(index)], action->text(),
                              action->shortcut().toString(QKeySequence::NativeText), action->isEnabled(), state, bar,
                              m_p.m_metrics.titleHeight());
}

void TsMenuBand::repaintItem(int index)
{
    if (index < 0 || index >= int(m_layout.items.size()))
        return;
    const QRect rect = m_layout.items[std::size_t(index)];
    if (m_p.SkinData.CacheInvalid || !m_p.m_painter->RestoreMenuBackground(rect)) {
        m_p.m_form->update();
        return;
    }
    // The item's background is back from the clean bar; now its new face.
    drawItem(index);
    m_p.m_painter->RepaintRect(rect);
}

void TsMenuBand::SetHot(int index)
{
    if (index == m_hot)
        return;
    const int previous = m_hot;
    m_hot = index;
    repaintItem(previous);
    repaintItem(index);
}

void TsMenuBand::setSelected(int index)
{
    if (index == m_selected)
        return;
    const int previous = m_selected;
    m_selected = index;
    repaintItem(previous);
    repaintItem(index);
}

void TsMenuBand::Press(QPoint p)
{
    const int item = m_layout.itemAt(p);
    if (item < 0)
        return;
    if (Actions()[item]->menu()) {
        open(item, false);
    } else {
        m_pressed = item;
        setSelected(item);
    }
}

bool TsMenuBand::MoveWhilePressed(QPoint p)
{
    if (m_pressed < 0)
        return false;
    setSelected(m_layout.itemAt(p) == m_pressed ? m_pressed : -1);
    return true;
}

bool TsMenuBand::Release(QPoint p)
{
    if (m_pressed < 0)
        return false;
    const int pressed = m_pressed;
    m_pressed = -1;
    setSelected(-1);
    const QList<QAction*> actions = Actions();
    if (m_layout.itemAt(p) == pressed && pressed < actions.size())
        actions[pressed]->trigger();
    return true;
}

void TsMenuBand::open(int index, bool byKeyboard)
{
    const QList<QAction*> actions = Actions();
    if (index < 0 || index >= actions.size())
        return;
    QAction* action = actions[index];
    QMenu* menu = action->menu();
    if (!menu) {
        Leave();
        action->trigger();
        return;
    }
    setSelected(index);
    m_openMenu = menu;
    menu->installEventFilter(this);
    connect(menu, &QMenu::aboutToHide, this, [this, menu] {
        menu->removeEventFilter(this);
        m_openMenu = nullptr;
        if (!m_keyboard)
            setSelected(-1);
    }, Qt::SingleShotConnection);
    connect(menu, &QMenu::triggered, this, [this] { Leave(); }, Qt::SingleShotConnection);
    if (byKeyboard && !menu->actions().isEmpty())
        menu->setActiveAction(menu->actions().first());
    const QRect item = m_layout.items[std::size_t(index)];
    menu->popup(m_p.m_form->mapToGlobal(item.bottomLeft() + QPoint(0, 1)));
}

void TsMenuBand::Leave()
{
    m_keyboard = false;
    if (m_p.m_form)
        setSelected(-1);
}

int TsMenuBand::itemForLetter(QChar letter) const
{
    const QChar wanted = letter.toUpper();
    const QList<QAction*> actions = Actions();
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

bool TsMenuBand::filterKey(QObject* watched, QEvent* event)
{
    // A key taken by a shortcut (Alt+Left) never arrives as a press, but it is no lone Alt.
    // Any such key ends it, whatever it goes to, so the receiver is not looked at: it may be
    // an object of the web engine's own that is not a widget.
    if (event->type() == QEvent::ShortcutOverride) {
        if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Alt)
            m_altAlone = false;
        return false;
    }
    if (!m_p.m_frameSkinned || !m_p.m_form || !watched->isWidgetType() || QApplication::activePopupWidget())
        return false;
    if (static_cast<QWidget*>(watched)->window() != m_p.m_form || Actions().isEmpty())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        if (key->key() != Qt::Key_Alt || key->isAutoRepeat() || !m_altAlone)
            return false;
        m_altAlone = false;
        if (m_keyboard) {
            Leave();
        } else {
            m_keyboard = true;
            setSelected(0);
        }
        return true;
    }
    if (key->key() == Qt::Key_Alt) {
        m_altAlone = !key->isAutoRepeat() || m_altAlone;
        return false;
    }
    m_altAlone = false;
    if (m_keyboard)
        return keyInMenuMode(key);
    if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) {
        m_keyboard = true;
        setSelected(0);
        return true;
    }
    if (key->modifiers() == Qt::AltModifier && !key->text().isEmpty()) {
        const int item = itemForLetter(key->text()[0]);
        if (item < 0)
            return false;
        m_keyboard = true;
        open(item, true);
        return true;
    }
    return false;
}

bool TsMenuBand::keyInMenuMode(QKeyEvent* key)
{
    const int count = int(Actions().size());
    switch (key->key()) {
    case Qt::Key_Left: setSelected((m_selected - 1 + count) % count); break;
    case Qt::Key_Right: setSelected((m_selected + 1) % count); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down: open(m_selected, true); break;
    case Qt::Key_Escape:
    case Qt::Key_F10: Leave(); break;
    default:
        if (!key->text().isEmpty()) {
            if (const int item = itemForLetter(key->text()[0]); item >= 0)
                open(item, true);
        }
        break;
    }
    return true;
}

bool TsMenuBand::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_openMenu && event->type() == QEvent::KeyPress)
        return filterDropDownKey(static_cast<QKeyEvent*>(event));
    return false;
}

// Left and Right in an open drop-down go to the band's neighbouring item, as in a menu
// bar: its drop-down opens, or a plain item stays selected for Enter.
bool TsMenuBand::filterDropDownKey(QKeyEvent* key)
{
    if (key->key() != Qt::Key_Left && key->key() != Qt::Key_Right)
        return false;
    const QAction* active = m_openMenu->activeAction();
    if (key->key() == Qt::Key_Right && active && active->menu())
        return false; // Qt opens the submenu
    const int count = int(Actions().size());
    if (count == 0 || m_selected < 0)
        return false;
    const int next = (m_selected + (key->key() == Qt::Key_Right ? 1 : count - 1)) % count;
    m_keyboard = true;
    m_openMenu->hide();
    setSelected(next);
    if (Actions().at(next)->menu())
        open(next, true);
    return true;
}
