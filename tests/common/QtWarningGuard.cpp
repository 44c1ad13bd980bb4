#include "common/QtWarningGuard.h"

#include <QtGlobal>

#include <gtest/gtest.h>

namespace {

struct GuardState
{
    QtMessageHandler previous = nullptr;
    QStringList allowed;
    QStringList seen;
};
GuardState* g_state = nullptr;

void collect(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        bool allowed = false;
        for (const QString& piece : g_state->allowed)
            allowed = allowed || text.contains(piece);
        if (!allowed) {
            g_state->seen << text;
            ADD_FAILURE() << "Qt warning: " << text.toStdString();
            return;
        }
    }
    if (g_state->previous)
        g_state->previous(type, context, text);
}

} // namespace

QtWarningGuard::QtWarningGuard(QStringList allowed)
{
    Q_ASSERT(!g_state);
    g_state = new GuardState;
    g_state->allowed = std::move(allowed);
    g_state->previous = qInstallMessageHandler(collect);
}

QtWarningGuard::~QtWarningGuard()
{
    qInstallMessageHandler(g_state->previous);
    delete g_state;
    g_state = nullptr;
}

const QStringList& QtWarningGuard::warnings() const
{
    return g_state->seen;
}
