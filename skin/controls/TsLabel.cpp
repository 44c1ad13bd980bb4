#include "skin/controls/TsLabel.h"

TsLabel::TsLabel(QWidget* parent)
    : QLabel(parent)
{
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TsLabel::paintEvent(QPaintEvent* event)
{
    const QFont current = GetCurrentFont();
    if (current != font())
        setFont(current);
    QLabel::paintEvent(event);
}
