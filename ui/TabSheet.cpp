#include "ui/TabSheet.h"

#include "ui/ShowHandler.h"

#include <QShowEvent>


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
    // Reported here: an error escaping a show event would leave the rest of the window unshown.
    ShowHandler::runReported([this] { emit shown(); });
}
