#include "app/MainWindowLayout.h"

#include <algorithm>

MainWindowLayout::MainWindowLayout(QSize designedClient, const Rects& designed, int scrollBarThickness)
    : m_designedClient(designedClient)
    , m_designed(designed)
    , m_scrollBar(scrollBarThickness)
{
    const QRect united = designed.groupBox.united(designed.button).united(designed.document);
    m_contentRight = united.x() + united.width();
    m_contentBottom = united.y() + united.height();
}

// A bar shows in a direction whose designed controls do not fit; it takes its thickness
// from the other direction's room.
QSize MainWindowLayout::growth(QSize client) const
{
    const bool vertBar = client.height() < m_contentBottom;
    const bool horzBar = client.width() < m_contentRight;
    const int width = client.width() - m_designedClient.width() - (vertBar ? m_scrollBar : 0);
    const int height = client.height() - m_designedClient.height() - (horzBar ? m_scrollBar : 0);
    return {std::max(0, width), std::max(0, height)};
}

MainWindowLayout::Rects MainWindowLayout::place(QSize client, QSize findBar) const
{
    const QSize grow = growth(client);
    Rects rects = m_designed;
    rects.groupBox.setWidth(m_designed.groupBox.width() + grow.width());
    rects.combo.setWidth(m_designed.combo.width() + grow.width());
    rects.button.moveLeft(m_designed.button.x() + grow.width());
    rects.document.setSize(m_designed.document.size() + grow);
    if (findBar.isEmpty()) {
        rects.findBar = QRect();
        return rects;
    }
    // The bar takes the document's top rows; the document starts below it.
    const QRect document = rects.document;
    const int barHeight = std::min(findBar.height(), document.height());
    const int barWidth = std::min(findBar.width(), document.width());
    const int barLeft = std::max(document.x(), document.x() + document.width() - barWidth - kFindBarRightRoom);
    rects.findBar = QRect(barLeft, document.y(), barWidth, barHeight);
    rects.document.setTop(document.y() + barHeight);
    return rects;
}
