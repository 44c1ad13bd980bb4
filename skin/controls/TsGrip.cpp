#include "skin/controls/TsGrip.h"

TsGrip::TsGrip(QWidget* parent)
    : TsPanel(parent)
{
    setCaption(QStringLiteral(" "));
    setSkinSection(QStringLiteral("CHECKBOX"));
    resize(20, 20);
}

void TsGrip::paintEvent(QPaintEvent* event)
{
    TsPanel::paintEvent(event);
    // Raising from inside a paint would ask for a paint at once; after it is safe.
    QWidget* parent = parentWidget();
    if (parent && !parent->children().isEmpty() && parent->children().constLast() != this)
        QMetaObject::invokeMethod(this, &QWidget::raise, Qt::QueuedConnection);
}
