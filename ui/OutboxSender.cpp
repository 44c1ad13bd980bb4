#include "ui/OutboxSender.h"

#include "data/DataError.h"
#include "platform/ErrorReport.h"

OutboxSender::OutboxSender(Connection& server, const QString& outboxFile, QObject* parent)
    : QObject(parent)
    , m_server(server)
    , m_outbox(outboxFile)
{
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { ErrorReport::guard([this] { sendNow(); }); });
    m_timer.start();
}

int OutboxSender::sendNow()
{
    return m_outbox.send(m_server);
}
