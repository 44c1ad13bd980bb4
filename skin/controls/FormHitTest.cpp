#include "skin/controls/FormHitTest.h"

#include "platform/HitCodes.h"
#include "skin/controls/FormMetrics.h"

namespace {

bool between(int v, int low, int high) { return v >= low && v <= high; }

// The title band: buttons, icon, caption; 0 when the point is not in it.
int titleBandCode(const FormMetrics& m, QSize size, QPoint p)
{
    const int W = size.width(), x = p.x();
    if (!between(p.y(), m.BT, m.BT + m.BH))
        return 0;
    const int bw = m.BW, fw = m.FW;
    if (m.icons.biSystemMenu && m.closeSlot > 0 && between(x, W - fw - bw - 1, W - fw))
        return HTCLOSE;
    if (m.icons.biMaximize && m.maxSlot > 0 && between(x, W - fw - 2 * bw - 2, W - fw - bw - 1))
        return HTMAXBUTTON;
    if (m.icons.biMinimize && m.minSlot > 0) {
        const int k = m.minSlot;
        if (between(x, W - fw - k * (bw + 1), W - fw - (k - 1) * (bw + 1)))
            return HTMINBUTTON;
    }
    if (m.iconShown && between(x, fw, fw + m.IW))
        return HTSYSMENU;
    if (m.icons.biHelp && m.maxSlot > 0 && m.helpSlot > 0) {
        const int k = m.helpSlot;
        if (between(x, W - fw - k * (bw + 1), W - fw - (k - 1) * (bw + 1)))
            return HTHELP;
    }
    return HTCAPTION;
}

// Our stand-in for the desktop's own answer: border bands, with corner zones as long as
// the title band, then caption, menu and client.
int platformCode(const FormMetrics& m, QSize size, FormSizing sizing, FormShow show, QPoint p)
{
    const int W = size.width(), H = size.height(), x = p.x(), y = p.y();
    if (sizing == FormSizing::Sizeable && show == FormShow::Normal && m.framed()) {
        const int corner = m.CH + m.FW;
        const bool left = x < m.FW, right = x >= W - m.FW, top = y < m.FH, bottom = y >= H - m.FH;
        const bool nearLeft = x < corner, nearRight = x >= W - corner;
        const bool nearTop = y < corner, nearBottom = y >= H - corner;
        if ((top && nearLeft) || (left && nearTop))
            return HTTOPLEFT;
        if ((top && nearRight) || (right && nearTop))
            return HTTOPRIGHT;
        if ((bottom && nearLeft) || (left && nearBottom))
            return HTBOTTOMLEFT;
        if ((bottom && nearRight) || (right && nearBottom))
            return HTBOTTOMRIGHT;
        if (left)
            return HTLEFT;
        if (right)
            return HTRIGHT;
        if (top)
            return HTTOP;
        if (bottom)
            return HTBOTTOM;
    }
    if (y < m.titleHeight())
        return HTCAPTION;
    if (y < m.titleHeight() + m.menuBandHeight())
        return HTMENU;
    return HTCLIENT;
}

} // namespace

int FormHitTest(const FormMetrics& m, QSize size, FormSizing sizing, FormShow show, QPoint p)
{
    const int W = size.width(), H = size.height();
    if (p.x() < 0 || p.y() < 0 || p.x() >= W || p.y() >= H)
        return HTNOWHERE;
    if (show == FormShow::Maximized && !(p.x() >= 2 && p.y() >= 2 && p.x() < W - 4 && p.y() < H - 4))
        return HTTRANSPARENT;
    const int code = m.framed() ? titleBandCode(m, size, p) : 0;
    if (code != 0 && code != HTCAPTION)
        return code;
    if (code == HTCAPTION && show == FormShow::Maximized)
        return HTCAPTION;
    return platformCode(m, size, sizing, show, p);
}

Qt::CursorShape CursorForHitCode(int code)
{
    switch (code) {
    case HTLEFT:
    case HTRIGHT: return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM: return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}
