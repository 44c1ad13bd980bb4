#include "skin/SkinFormOrder.h"

#include <QApplication>
#include <QEvent>
#include <QSet>
#include <QWidget>

#include <algorithm>

namespace {

bool isForm(const QWidget* widget)
{
    return widget && widget->isWindow() && widget->windowType() != Qt::Desktop;
}

void installWhenTheApplicationIsMade()
{
    SkinFormOrder::install();
}

} // namespace

// The application object calls this from its constructor, before any window can exist.
Q_COREAPP_STARTUP_FUNCTION(installWhenTheApplicationIsMade)

SkinFormOrder::SkinFormOrder(QObject* application)
    : QObject(application)
{
    setObjectName(QStringLiteral("SkinFormOrder"));
    application->installEventFilter(this);
}

void SkinFormOrder::install()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application && !instance())
        new SkinFormOrder(application);
}

SkinFormOrder* SkinFormOrder::instance()
{
    QCoreApplication* application = QCoreApplication::instance();
    return application ? application->findChild<SkinFormOrder*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

bool SkinFormOrder::eventFilter(QObject* watched, QEvent* event)
{
    // A widget is told it was created at the end of its QWidget constructor.
    if (event->type() == QEvent::Create && watched->isWidgetType()) {
        QWidget* widget = static_cast<QWidget*>(watched);
        if (isForm(widget)) {
            std::erase_if(m_created, [](const QPointer<QWidget>& w) { return w.isNull(); });
            m_created.emplace_back(widget);
        }
    }
    return false;
}

QList<QWidget*> SkinFormOrder::forms()
{
    QList<QWidget*> result;
    QSet<QWidget*> seen;
    if (SkinFormOrder* order = instance()) {
        for (const QPointer<QWidget>& widget : order->m_created) {
            if (isForm(widget) && !seen.contains(widget)) {
                result.append(widget);
                seen.insert(widget);
            }
        }
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (isForm(widget) && !seen.contains(widget)) {
                result.append(widget);
                seen.insert(widget);
            }
        }
    }
    return result;
}
