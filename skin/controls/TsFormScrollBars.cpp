#include "skin/controls/TsFormScrollBars.h"

#include "platform/SystemMetrics.h"
#include "skin/SkinMessage.h"
#include "skin/controls/TsGrip.h"
#include "skin/controls/TsScrollBar.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int kLargeChange = 80;
// Page = client - 4; maximum = extent - client + 4.
constexpr int kClientInset = 4;
// Room kept after the lowest and rightmost control; a bar shows once it no longer fits.
constexpr int kContentMargin = 2;

} // namespace

TsFormScrollBars::TsFormScrollBars(QWidget* form, QWidget* client, QObject* parent)
    : QObject(parent)
    , m_form(form)
    , m_client(client)
{
}

TsFormScrollBars::~TsFormScrollBars()
{
    delete m_horz;
    delete m_vert;
    delete m_grip;
}

TsScrollBar* TsFormScrollBars::HorzBar() const { return m_horz; }
TsScrollBar* TsFormScrollBars::VertBar() const { return m_vert; }
TsGrip* TsFormScrollBars::Grip() const { return m_grip; }

bool TsFormScrollBars::isOurs(const QWidget* widget) const
{
    return widget == m_horz || widget == m_vert || widget == m_grip;
}

// Counted where the controls lie unscrolled, so that a scrolled form measures the same.
QSize TsFormScrollBars::ContentExtent() const
{
    int right = 0, bottom = 0;
    if (m_client) {
        for (QObject* child : m_client->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (!widget || widget->isWindow() || widget->isHidden() || isOurs(widget))
                continue;
            right = std::max(right, widget->x() + widget->width() + m_scrolledX);
            bottom = std::max(bottom, widget->y() + widget->height() + m_scrolledY);
        }
    }
    return {right + kContentMargin, bottom + kContentMargin};
}

void TsFormScrollBars::Update(bool skinReady)
{
    if (!m_client || !m_form || !SavedAutoScroll)
        return;
    if (!skinReady || !m_form->isVisible()) {
        removeBar(m_horz);
        removeBar(m_vert);
        delete m_grip;
        return;
    }
    const QSize client = m_client->size();
    const QSize content = ContentExtent();
    // Each bar adds its thickness to the other direction's extent; three rounds settle it.
    bool needH = false, needV = false;
    int extentW = 0, extentH = 0;
    for (int round = 0; round < 3; ++round) {
        extentW = std::max(content.width() + (needV ? SystemMetrics::SM_CXVSCROLL : 0), HorzScrollBar.Range);
        extentH = std::max(content.height() + (needH ? SystemMetrics::SM_CYHSCROLL : 0), VertScrollBar.Range);
        // Needed when the extent exceeds page + 4, the page being client - 4.
        needH = HorzScrollBar.Visible && extentW > client.width();
        needV = VertScrollBar.Visible && extentH > client.height();
    }
    if (needH) {
        if (!m_horz)
            m_horz = makeBar(true);
        configure(m_horz, HorzScrollBar, extentW, client.width());
    } else {
        removeBar(m_horz);
    }
    if (needV) {
        if (!m_vert)
            m_vert = makeBar(false);
        configure(m_vert, VertScrollBar, extentH, client.height());
    } else {
        removeBar(m_vert);
    }
    placeBars(client);
}

TsScrollBar* TsFormScrollBars::makeBar(bool horizontal)
{
    auto* bar = new TsScrollBar(m_client);
    bar->setObjectName(horizontal ? QStringLiteral("HorzScrollBar") : QStringLiteral("VertScrollBar"));
    bar->HostControl = m_form;
    bar->setFocusPolicy(Qt::NoFocus);
    bar->SetKind(horizontal ? sbHorizontal : sbVertical);
    bar->HostScrolled = [this](QWidget*, TsScrollBar* scrolled, int) { hostScrolled(scrolled); };
    return bar;
}

void TsFormScrollBars::configure(TsScrollBar* bar, const TsFormScrollSetting& setting, int extent, int clientSize)
{
    bar->SetPageSize(clientSize - kClientInset);
    bar->SetSmallChange(setting.Increment);
    bar->SetLargeChange(kLargeChange);
    bar->Smooth = setting.Smooth;
    bar->SetParams(bar->Position(), 0, extent - clientSize + kClientInset);
}

// Scrolled home first, so the controls are back where they belong.
void TsFormScrollBars::removeBar(QPointer<TsScrollBar>& bar)
{
    if (!bar)
        return;
    bar->SetPosition(0);
    bar->hide();
    // The bar may be inside its own event handling further up the stack.
    bar->deleteLater();
    bar = nullptr;
}

void TsFormScrollBars::placeBars(QSize client)
{
    const bool rtl = m_form->layoutDirection() == Qt::RightToLeft;
    const int vw = SystemMetrics::SM_CXVSCROLL, hh = SystemMetrics::SM_CYHSCROLL;
    const bool both = m_horz && m_vert;
    if (m_vert) {
        const int height = client.height() - (both ? hh : 0);
        m_vert->setGeometry(rtl ? QRect(1, 1, vw, height - 2) : QRect(client.width() - vw, 0, vw, height));
        m_vert->show();
        m_vert->raise();
    }
    if (m_horz) {
        const int left = rtl && both ? vw : 0;
        m_horz->setGeometry(left, client.height() - hh, client.width() - (both ? vw : 0), hh);
        m_horz->show();
        m_horz->raise();
    }
    if (!both) {
        delete m_grip;
        return;
    }
    if (!m_grip)
        m_grip = new TsGrip(m_client);
    m_grip->setGeometry(m_vert->x(), m_horz->y(), m_vert->width(), m_horz->height());
    m_grip->show();
    m_grip->raise();
}

// Reports that come while the controls are moving are caught up by the loop, so the
// controls always end where the bar says.
void TsFormScrollBars::hostScrolled(TsScrollBar* bar)
{
    if (m_scrolling || !bar)
        return;
    QScopedValueRollback guard(m_scrolling, true);
    QPointer<TsScrollBar> alive(bar);
    const bool horizontal = bar == m_horz;
    int& scrolled = horizontal ? m_scrolledX : m_scrolledY;
    bar->PaintPostponed = true;
    while (alive && scrolled != bar->Position()) {
        const int delta = scrolled - bar->Position();
        scrolled = bar->Position();
        moveControls(horizontal ? QPoint(delta, 0) : QPoint(0, delta));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    if (alive)
        bar->Update();
}

void TsFormScrollBars::moveControls(QPoint delta)
{
    if (!m_client)
        return;
    for (QObject* child : m_client->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow() || isOurs(widget))
            continue;
        SkinMessage::send(widget, SKN_SETCACHEINVALID, 0, 1);
        widget->move(widget->pos() + delta);
        widget->update();
    }
}
