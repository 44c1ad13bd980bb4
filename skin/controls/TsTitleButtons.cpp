#include "skin/controls/TsTitleButtons.h"

#include "platform/HitCodes.h"
#include "skin/SkinLookups.h"
#include "skin/controls/FormMetrics.h"
#include "skin/controls/TsFramePainter.h"
#include "skin/controls/TsSkinProvider.h"
#include "skin/controls/TsSystemMenu.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

TsTitleButtons::TsTitleButtons(TsSkinProvider& provider)
    : m_p(provider)
{
    m_buttons[0].code = HTCLOSE;
    m_buttons[1].code = HTMAXBUTTON;
    m_buttons[2].code = HTMINBUTTON;
    m_buttons[3].code = HTHELP;
}

void TsTitleButtons::FindImages(int sectionIndex, const QString& sectionName)
{
    const char* names[] = {"BICONCLOSE", "BICONMAX", "BICONMIN", "BICONHELP"};
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i].imageIndex = sectionIndex >= 0 ? FindImageIndex(sectionIndex, sectionName, QString::fromLatin1(names[i])) : -1;
}

void TsTitleButtons::PlaceInSlots(const FormMetrics& metrics)
{
    m_buttons[0].slot = metrics.closeSlot;
    m_buttons[1].slot = metrics.maxSlot;
    m_buttons[2].slot = metrics.minSlot;
    m_buttons[3].slot = metrics.helpSlot;
}

TsTitleButtons::Button* TsTitleButtons::find(int code)
{
    for (Button& button : m_buttons) {
        if (button.code == code && button.slot > 0)
            return &button;
    }
    return nullptr;
}

bool TsTitleButtons::Shown(int code) const
{
    return const_cast<TsTitleButtons*>(this)->find(code) != nullptr;
}

int TsTitleButtons::State(int code) const
{
    for (const Button& button : m_buttons) {
        if (button.code == code)
            return button.state;
    }
    return 0;
}

QRect TsTitleButtons::Rect(int code) const
{
    for (const Button& button : m_buttons) {
        if (button.code == code)
            return m_p.m_metrics.buttonRect(button.slot, m_p.m_form->width());
    }
    return {};
}

void TsTitleButtons::PaintAll()
{
    for (const Button& button : m_buttons) {
        if (button.slot > 0)
            m_p.m_painter->PaintButton(button.code, button.slot, button.imageIndex, button.state);
    }
}

void TsTitleButtons::setState(int code, int state)
{
    Button* button = find(code);
    if (!button || button->state == state)
        return;
    button->state = state;
    const QRect rect = m_p.m_metrics.buttonRect(button->slot, m_p.m_form->width());
    if (m_p.SkinData.CacheInvalid || !m_p.BorderIcons.biSystemMenu || !m_p.m_painter->RestoreButtonBackground(rect)) {
        m_p.m_form->update();
        return;
    }
    // Only this button: its background back from the strip, then its new face.
    m_p.m_painter->PaintButton(button->code, button->slot, button->imageIndex, button->state);
    m_p.m_painter->RepaintRect(rect);
}

void TsTitleButtons::SetHot(int code)
{
    if (code == m_p.HotButton)
        return;
    const int previous = m_p.HotButton;
    m_p.HotButton = code;
    setState(previous, 0);
    setState(code, 1);
}

void TsTitleButtons::Press(int code)
{
    m_pressed = code;
    m_p.HotButton = code;
    setState(code, 2);
}

void TsTitleButtons::PressedMoveOver(int code)
{
    setState(m_pressed, code == m_pressed ? 2 : 0);
}

bool TsTitleButtons::Release(int code)
{
    if (!m_pressed)
        return false;
    const int pressed = m_pressed;
    m_pressed = 0;
    const bool inside = code == pressed;
    setState(pressed, inside ? 1 : 0);
    if (inside)
        clicked(pressed);
    return true;
}

void TsTitleButtons::clicked(int code)
{
    switch (code) {
    case HTCLOSE:
        m_p.m_form->close();
        return;
    case HTMAXBUTTON:
        m_p.m_commands.toggleMaximized();
        break;
    case HTMINBUTTON:
        // The main window only; the program's other windows stay as they are.
        m_p.m_commands.minimize();
        break;
    default:
        break;
    }
    // The window changed under the pointer: the button shows its normal face until the
    // pointer comes back.
    SetHot(0);
    RefreshSystemMenu();
}

void TsTitleButtons::Reset()
{
    m_p.HotButton = 0;
    m_pressed = 0;
}

void TsTitleButtons::WireSystemMenu(TsSystemMenu* menu)
{
    WindowCommands& commands = m_p.m_commands;
    QObject::connect(menu, &TsSystemMenu::restoreChosen, &m_p, [this, &commands] { commands.restore(); RefreshSystemMenu(); });
    QObject::connect(menu, &TsSystemMenu::maximizeChosen, &m_p, [this, &commands] { commands.maximize(); RefreshSystemMenu(); });
    QObject::connect(menu, &TsSystemMenu::minimizeChosen, &m_p, [this, &commands] { commands.minimize(); RefreshSystemMenu(); });
    QObject::connect(menu, &TsSystemMenu::closeChosen, m_p.m_form, &QWidget::close);
    QObject::connect(menu, &TsSystemMenu::moveChosen, &m_p, [&commands] { commands.startMoveByMenu(QCursor::pos()); });
    QObject::connect(menu, &TsSystemMenu::sizeChosen, &m_p,
                     [this, &commands] { commands.startResizeByMenu(QCursor::pos(), m_p.minimumFrameSize()); });
}

void TsTitleButtons::RefreshSystemMenu()
{
    if (!m_p.m_form || !m_p.m_systemMenu)
        return;
    const TsWindowState state = m_p.m_form->isMinimized() ? TsWindowState::wsMinimized
                                : m_p.m_commands.isMaximized() ? TsWindowState::wsMaximized
                                                               : TsWindowState::wsNormal;
    m_p.m_systemMenu->Refresh(m_p.BorderStyle, m_p.BorderIcons, state);
}

bool TsTitleButtons::ShowSystemMenu(QPoint globalPos)
{
    if (!m_p.m_systemMenu)
        return false;
    RefreshSystemMenu();
    return m_p.m_systemMenu->ShowAt(globalPos, m_p.MakeSkinMenu);
}

void TsTitleButtons::PressCaption(QPoint global)
{
    if (!m_p.m_commands.isMaximized())
        m_movePress = global;
}

bool TsTitleButtons::FollowPointer(QPoint global)
{
    WindowCommands& commands = m_p.m_commands;
    if (m_movePress) {
        if ((global - *m_movePress).manhattanLength() >= QApplication::startDragDistance()) {
            commands.continueMove(*m_movePress, global);
            m_movePress.reset();
        }
        return true;
    }
    if (!commands.dragging())
        return false;
    commands.dragTo(global);
    return true;
}

bool TsTitleButtons::EndDrag()
{
    m_movePress.reset();
    if (!m_p.m_commands.dragging())
        return false;
    m_p.m_commands.endDrag();
    return true;
}

bool TsTitleButtons::DoubleClicked(int code)
{
    if (code == HTCAPTION && m_p.m_metrics.maxSlot > 0 && m_p.BorderIcons.biMaximize) {
        m_p.m_commands.toggleMaximized();
        return true;
    }
    if (code == HTSYSMENU) {
        m_p.m_form->close();
        return true;
    }
    return false;
}
