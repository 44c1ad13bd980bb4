#include "skin/SkinMessage.h"

#include <QCoreApplication>

SkinMessage::SkinMessage(uint32_t number, uintptr_t wParam, intptr_t lParam)
    : QEvent(eventType())
    , m_number(number)
    , m_wParam(wParam)
    , m_lParam(lParam)
{
}

QEvent::Type SkinMessage::eventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

SkinMessage* SkinMessage::from(QEvent* event)
{
    return event && event->type() == eventType() ? static_cast<SkinMessage*>(event) : nullptr;
}

intptr_t SkinMessage::send(QObject* receiver, uint32_t number, uintptr_t wParam, intptr_t lParam)
{
    if (!receiver)
        return 0;
    SkinMessage message(number, wParam, lParam);
    QCoreApplication::sendEvent(receiver, &message);
    return message.result();
}
