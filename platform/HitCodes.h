#pragma once

// Where a point of a window lies: the codes the skinned frame answers for its title
// buttons, bands and borders, numbered as the desktop has always numbered them.
enum HitCode : int {
    HTTRANSPARENT = -1,
    HTNOWHERE = 0,
    HTCLIENT = 1,
    HTCAPTION = 2,
    HTSYSMENU = 3,
    HTMENU = 5,
    HTMINBUTTON = 8,
    HTMAXBUTTON = 9,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17,
    HTCLOSE = 20,
    HTHELP = 21,
};

constexpr bool isSizingCode(int code) { return code >= HTLEFT && code <= HTBOTTOMRIGHT; }
constexpr bool isTitleButtonCode(int code)
{
    return code == HTCLOSE || code == HTMAXBUTTON || code == HTMINBUTTON || code == HTHELP;
}
