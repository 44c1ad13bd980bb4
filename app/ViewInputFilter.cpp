#include "app/ViewInputFilter.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace {

// One notch of a common mouse wheel.
constexpr int kNotch = 120;

} // namespace

ViewInputFilter::ViewInputFilter(QWidget* watched)
    : QObject(watched)
{
    watchTree(watched);
}

void ViewInputFilter::watchAlone(QWidget* widget)
{
    widget->installEventFilter(this);
}

void ViewInputFilter::watchTree(QObject* object)
{
    object->installEventFilter(this);
    object->setProperty("vestronWatchesTree", true);
    for (QObject* child : object->children()) {
        if (child->isWidgetType())
            watchTree(child);
    }
}

bool ViewInputFilter::handleMouse(QEvent* event)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::BackButton && mouse->button() != Qt::ForwardButton)
        return false;
    // Pressing steps; the release and a double click are taken so nothing steps twice.
    if (event->type() == QEvent::MouseButtonPress) {
        if (mouse->button() == Qt::BackButton)
            emit back();
        else
            emit forward();
    }
    return true;
}

bool ViewInputFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded: {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType() && watched->property("vestronWatchesTree").toBool())
            watchTree(child);
        break;
    }
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier))
            break;
        // Fine-grained wheels add up to a notch first.
        m_wheel += wheel->angleDelta().y();
        const int steps = m_wheel / kNotch;
        m_wheel -= steps * kNotch;
        if (steps != 0)
            emit zoomSteps(steps);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (handleMouse(event))
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
