#include "skin/controls/TsPanel.h"

#include <QPainter>

TsPanel::TsPanel(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
}

void TsPanel::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void TsPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_caption.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, m_caption);
}
