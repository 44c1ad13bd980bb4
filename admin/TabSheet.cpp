#include "admin/TabSheet.h"

#include "platform/ErrorReport.h"

#include <QShowEvent>

#include <exception>

TabSheet::TabSheet(QWidget* parent)
    : QWidget(parent)
{
}

void TabSheet::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window coming back from minimised shows its pages spontaneously; that is no showing.
    if (event->spontaneous())
        return;
    // Caught here: an error escaping a show event would leave the rest of the window unshown.
    try {
        emit shown();
    } catch (const std::exception& error) {
        ErrorReport::show(error);
    }
}
