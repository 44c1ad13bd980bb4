#include "skin/SkinBroadcast.h"

#include "skin/SkinFormOrder.h"
#include "skin/SkinMessage.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace {

using Receivers = std::vector<QPointer<QObject>>;

// Qt empties an object's child slots one by one as it deletes them, so a gap means the
// object is on its way out.
bool beingDestroyed(const QObject* object)
{
    return object->children().contains(nullptr);
}

// Collected before any delivery, so that a receiver that adds or deletes objects does not
// upset the walk.
void collectReceivers(QObject* parent, Receivers& receivers)
{
    for (QObject* child : parent->children()) {
        if (!child)
            continue;
        if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow())
            continue;
        receivers.emplace_back(child);
        collectReceivers(child, receivers);
    }
}

void deliver(QObject* receiver, uint32_t number, uintptr_t wParam, intptr_t lParam)
{
    SkinMessage message(number, wParam, lParam);
    try {
        // Qt's own delivery (event filters, then the receiver), past the reporting
        // application's notify: an error here is dropped instead of being reported.
        if (QApplication* application = qobject_cast<QApplication*>(QCoreApplication::instance()))
            application->QApplication::notify(receiver, &message);
        else
            QCoreApplication::sendEvent(receiver, &message);
    } catch (...) {
    }
}

} // namespace

namespace SkinBroadcast {

void toAllForms(uint32_t number, uintptr_t wParam, intptr_t lParam)
{
    if (!QCoreApplication::instance())
        return;
    std::vector<QPointer<QWidget>> forms;
    for (QWidget* form : SkinFormOrder::forms())
        forms.emplace_back(form);
    for (const QPointer<QWidget>& form : forms) {
        if (form)
            toForm(form, number, wParam, lParam);
    }
}

void toForm(QWidget* form, uint32_t number, uintptr_t wParam, intptr_t lParam)
{
    if (!form || !QCoreApplication::instance() || beingDestroyed(form))
        return;
    QPointer<QWidget> alive(form);
    if (number == SKN_SKINCHANGED)
        deliver(form, number, wParam, lParam);
    if (!alive)
        return;
    Receivers receivers;
    collectReceivers(form, receivers);
    for (const QPointer<QObject>& receiver : receivers) {
        if (!receiver)
            continue;
        if (number == SKN_SKINCHANGED && receiver->inherits("TsSkinProvider"))
            continue;
        deliver(receiver, number, wParam, lParam);
    }
}

} // namespace SkinBroadcast
