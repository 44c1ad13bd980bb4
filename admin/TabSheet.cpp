#include "admin/TabSheet.h"

#include <QShowEvent>

TabSheet::TabSheet(QWidget* parent)
    : QWidget(parent)
{
}

void TabSheet::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window coming back from minimised shows its pages spontaneously; that is no showing.
    if (!event->spontaneous())
        emit shown();
}
