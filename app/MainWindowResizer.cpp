#include "app/MainWindowResizer.h"

#include "app/FindBar.h"
#include "platform/SystemMetrics.h"
#include "skin/controls/TsFormScrollBars.h"

#include <QEvent>
#include <QWidget>

MainWindowResizer::MainWindowResizer(const Controls& controls, QSize designedClient, TsFormScrollBars* bars)
    : QObject(controls.client)
    , m_controls(controls)
    , m_layout(designedClient, designedRects(controls), SystemMetrics::SM_CXVSCROLL)
    , m_bars(bars)
{
    // Installed after the skin provider's filter (the last installed runs first), so the
    // controls are in place before the provider measures them for its scroll bars.
    m_controls.client->installEventFilter(this);
    connect(m_controls.findBar, &FindBar::openedOrClosed, this, &MainWindowResizer::place);
}

MainWindowLayout::Rects MainWindowResizer::designedRects(const Controls& controls)
{
    MainWindowLayout::Rects rects;
    rects.groupBox = controls.groupBox->geometry();
    rects.combo = controls.combo->geometry();
    rects.button = controls.button->geometry();
    rects.document = controls.document->geometry();
    return rects;
}

void MainWindowResizer::place()
{
    const bool findOpen = !m_controls.findBar->isHidden();
    const QSize findBar = findOpen ? m_controls.findBar->preferredSize() : QSize();
    const MainWindowLayout::Rects rects = m_layout.place(m_controls.client->size(), findBar);
    // A scrolled window has every control moved by the scrolled amount.
    const QPoint scrolled = m_bars ? m_bars->Scrolled() : QPoint();
    m_controls.groupBox->setGeometry(rects.groupBox.translated(-scrolled));
    m_controls.combo->setGeometry(rects.combo);
    m_controls.button->setGeometry(rects.button.translated(-scrolled));
    m_controls.document->setGeometry(rects.document.translated(-scrolled));
    m_controls.topicPanel->setGeometry(rects.document.translated(-scrolled));
    if (findOpen)
        m_controls.findBar->setGeometry(rects.findBar.translated(-scrolled));
}

bool MainWindowResizer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_controls.client && event->type() == QEvent::Resize)
        place();
    return QObject::eventFilter(watched, event);
}
