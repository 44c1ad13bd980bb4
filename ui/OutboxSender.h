#pragma once

#include "data/Outbox.h"

#include <QObject>
#include <QTimer>

class Connection;

// Sends the outbox to the server at start and then once a minute, quietly: a server still
// away leaves everything waiting for the next round.
class OutboxSender : public QObject
{
    Q_OBJECT
public:
    OutboxSender(Connection& server, const QString& outboxFile, QObject* parent);

    Outbox& outbox() { return m_outbox; }
    // One round now; how many statements were delivered.
    int sendNow();

    static constexpr int kIntervalMs = 60 * 1000;

private:
    Connection& m_server;
    Outbox m_outbox;
    QTimer m_timer;
};
