#pragma once

#include <QObject>

// Watches a widget and every child it gets (the HTML view renders into a child widget it
// makes when it needs one) for the input the view does not handle itself: Ctrl+wheel and
// the mouse's back and forward buttons. Those events are taken; all others go on.
class ViewInputFilter : public QObject
{
    Q_OBJECT
public:
    explicit ViewInputFilter(QWidget* watched);

    // Watches one more widget, without its children (for the window around the view).
    void watchAlone(QWidget* widget);

signals:
    // Whole wheel notches with Ctrl held: positive away from the student.
    void zoomSteps(int steps);
    void back();
    void forward();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchTree(QObject* object);
    bool handleMouse(QEvent* event);

    int m_wheel = 0;
};
