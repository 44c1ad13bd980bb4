#pragma once

#include "skin/controls/MenuBarLayout.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QKeyEvent;
class QMenu;
class QMenuBar;
class TsSkinProvider;

// The menu band of a skinned frame: the actions of the form's QMenuBar laid out in lines,
// drawn into the frame's picture, hot under the mouse, selected from the keyboard (a lone
// Alt, F10, Alt with a letter, the arrows), and their drop-downs opened below them.
class TsMenuBand : public QObject
{
    Q_OBJECT
public:
    TsMenuBand(TsSkinProvider& provider, QMenuBar* menuBar);

    // The visible actions of the bar, in order.
    QList<QAction*> Actions() const;
    const MenuBarLayout& Layout() const { return m_layout; }
    // Lays the items out for the form's width; returns the number of lines.
    int Relayout(int formWidth);

    void DrawItems();
    int Selected() const { return m_selected; }
    int Hot() const { return m_hot; }
    bool KeyboardMode() const { return m_keyboard; }
    void SetHot(int index);
    // The left button went down, moved or came up at a point of the band.
    void Press(QPoint p);
    bool MoveWhilePressed(QPoint p);
    bool Release(QPoint p);
    void Leave();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void drawItem(int index);
    void repaintItem(int index);
    void setSelected(int index);
    void open(int index, bool byKeyboard);
    int itemForLetter(QChar letter) const;
    bool filterKey(QObject* watched, QEvent* event);
    bool keyInMenuMode(QKeyEvent* key);
    bool filterDropDownKey(QKeyEvent* key);

    TsSkinProvider& m_p;
    QPointer<QMenuBar> m_menuBar;
    MenuBarLayout m_layout;
    int m_hot = -1;
    int m_selected = -1;
    int m_pressed = -1;
    bool m_keyboard = false;
    bool m_altAlone = false;
    QPointer<QMenu> m_openMenu;
};
