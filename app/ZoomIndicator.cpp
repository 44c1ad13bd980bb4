#include "app/ZoomIndicator.h"

#include <QWebEngineView>

namespace {

QWidget* hostOf(QWebEngineView* view)
{
    return view->parentWidget() ? view->parentWidget() : view;
}

} // namespace

ZoomIndicator::ZoomIndicator(QWebEngineView* view)
    : QLabel(hostOf(view))
    , m_view(view)
{
    setObjectName(QStringLiteral("ZoomIndicator"));
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QStringLiteral("QLabel { background: rgba(40, 40, 40, 190); color: white;"
                                 " border-radius: 10px; padding: 10px 22px; font-size: 24px; font-weight: bold; }"));
    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(kShownMs);
    connect(&m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

QString ZoomIndicator::label(int percent)
{
    // A no-break space: the sign never goes to a line of its own.
    return QStringLiteral("%1\u00A0%").arg(percent);
}

void ZoomIndicator::showPercent(int percent)
{
    setText(label(percent));
    adjustSize();
    const QRect area = m_view->geometry();
    const QPoint centre = parentWidget() == m_view ? m_view->rect().center() : area.center();
    move(centre - QPoint(width() / 2, height() / 2));
    show();
    raise();
    m_hideTimer.start();
}
