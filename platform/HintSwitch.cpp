#include "platform/HintSwitch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace {
bool g_showHint = true;
bool g_savedShowHint = true;
}

bool HintSwitch::showHint()
{
    return g_showHint;
}

void HintSwitch::setShowHint(bool show)
{
    g_showHint = show;
    if (!show)
        filter();
}

void HintSwitch::saveAndSwitchOff()
{
    g_savedShowHint = g_showHint;
    setShowHint(false);
}

void HintSwitch::restoreSaved()
{
    setShowHint(g_savedShowHint);
}

HintSwitch* HintSwitch::filter()
{
    static QPointer<HintSwitch> installed;
    QCoreApplication* application = QCoreApplication::instance();
    if (!installed && application) {
        installed = new HintSwitch;
        installed->setParent(application);
        application->installEventFilter(installed);
    }
    return installed;
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !g_showHint)
        return true;
    return QObject::eventFilter(watched, event);
}
