// Draws the master bitmap of the program's own skin and writes it as a 256-colour BMP file.
// Every piece is drawn at the rectangle the stored skin gives it; pieces with a mask carry
// it in their lower half (0 shows the picture, 255 the background); magenta is transparent.
//
// Usage: skingen <output.bmp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <vector>

namespace {

constexpr int kWidth = 189;
constexpr int kHeight = 403;

struct Rgb
{
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
    bool operator<(const Rgb& o) const { return std::tie(r, g, b) < std::tie(o.r, o.g, o.b); }
};

constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// The skin's colours (the sections use the same shades).
constexpr Rgb kDarkBrown{70, 52, 19};
constexpr Rgb kBrown{118, 88, 30};
constexpr Rgb kDeepGold{154, 118, 10};
constexpr Rgb kGold{184, 158, 80};
constexpr Rgb kMidGold{199, 174, 109};
constexpr Rgb kLightGold{213, 196, 142};
constexpr Rgb kPaleGold{240, 231, 174};
constexpr Rgb kCream{255, 252, 234};
constexpr Rgb kRed{178, 40, 24};
constexpr Rgb kDarkRed{120, 22, 12};

Rgb mix(Rgb a, Rgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    // Sixteen steps keep the number of colours within the palette.
    t = std::round(t * 16) / 16;
    return Rgb{int(std::lround(a.r + (b.r - a.r) * t)), int(std::lround(a.g + (b.g - a.g) * t)),
               int(std::lround(a.b + (b.b - a.b) * t))};
}

Rgb grey(int v)
{
    v = std::clamp(v, 0, 255);
    return Rgb{v, v, v};
}

class Canvas
{
public:
    Canvas() : m_pixels(std::size_t(kWidth) * kHeight, kMagenta) {}

    void set(int x, int y, Rgb c)
    {
        if (x >= 0 && y >= 0 && x < kWidth && y < kHeight)
            m_pixels[std::size_t(y) * kWidth + x] = c;
    }
    Rgb get(int x, int y) const { return m_pixels[std::size_t(y) * kWidth + x]; }
    void fill(int l, int t, int r, int b, Rgb c)
    {
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x)
                set(x, y, c);
    }

private:
    std::vector<Rgb> m_pixels;
};

// Signed distance from (px, py) to a rounded rectangle (negative inside).
double roundedDistance(double px, double py, double l, double t, double r, double b, double radius)
{
    const double cx = (l + r) / 2, cy = (t + b) / 2;
    const double hx = (r - l) / 2 - radius, hy = (b - t) / 2 - radius;
    const double qx = std::abs(px - cx) - hx, qy = std::abs(py - cy) - hy;
    const double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
    return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0) - radius;
}

// A rounded frame of one state: rings of colours from the outside in. The picture gets the
// ring colours (magenta outside the shape), the mask 0 under the rings and 255 inside.
struct Frame
{
    int radius = 3;
    std::vector<Rgb> rings; // outermost first, one pixel each
    bool fillInside = false;
    Rgb insideTop, insideBottom;
    bool maskInside = true; // false: the inside shows the picture too
};

void drawFrame(Canvas& c, int l, int t, int w, int h, const Frame& f, int maskTop)
{
    constexpr int kSub = 4;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int outside = 0, inside = 0;
            std::map<int, int> ringHits;
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    const double px = x + (sx + 0.5) / kSub, py = y + (sy + 0.5) / kSub;
                    const double d = -roundedDistance(px, py, 0, 0, w, h, f.radius);
                    if (d < 0)
                        ++outside;
                    else if (int ring = int(d); ring < int(f.rings.size()))
                        ++ringHits[ring];
                    else
                        ++inside;
                }
            }
            const int total = kSub * kSub;
            if (outside * 2 > total) {
                c.set(l + x, t + y, kMagenta);
                if (maskTop >= 0)
                    c.set(l + x, maskTop + y, kWhite);
                continue;
            }
            double r = 0, g = 0, b = 0;
            int ringCount = 0;
            for (auto [ring, n] : ringHits) {
                r += f.rings[ring].r * n;
                g += f.rings[ring].g * n;
                b += f.rings[ring].b * n;
                ringCount += n;
            }
            const Rgb insideColour = mix(f.insideTop, f.insideBottom, double(y) / std::max(1, h - 1));
            if (ringCount == 0 && !f.fillInside) {
                // Nothing of the frame here. Magenta would show the parent in the corner cells
                // (and cut the window region); white under mask 255 leaves the background exactly.
                c.set(l + x, t + y, maskTop >= 0 ? kWhite : kMagenta);
                if (maskTop >= 0)
                    c.set(l + x, maskTop + y, kWhite);
                continue;
            }
            Rgb colour;
            if (ringCount == 0) {
                colour = insideColour;
            } else if (f.fillInside && inside > 0) {
                const int n = ringCount + inside;
                colour = Rgb{int((r + insideColour.r * inside) / n), int((g + insideColour.g * inside) / n),
                             int((b + insideColour.b * inside) / n)};
            } else {
                colour = Rgb{int(r / ringCount), int(g / ringCount), int(b / ringCount)};
            }
            // Colour steps of eight keep the palette small.
            colour = Rgb{colour.r / 8 * 8 + (colour.r >= 248 ? 7 : 0), colour.g / 8 * 8 + (colour.g >= 248 ? 7 : 0),
                         colour.b / 8 * 8 + (colour.b >= 248 ? 7 : 0)};
            if (colour == kMagenta)
                colour = Rgb{255, 8, 255};
            c.set(l + x, t + y, colour);
            if (maskTop >= 0) {
                const int shown = ringCount + (f.maskInside ? 0 : inside);
                const int hidden = total - shown;
                int m = 255 * hidden / total;
                m = m / 32 * 32;
                if (hidden == total)
                    m = 255;
                c.set(l + x, maskTop + y, grey(m));
            }
        }
    }
}

// Frames side by side in a rectangle; with a mask the lower half holds it.
void drawStates(Canvas& c, int l, int t, int r, int b, int count, bool masked, const std::vector<Frame>& frames)
{
    const int w = (r - l) / count;
    const int h = (b - t) / (masked ? 2 : 1);
    for (int k = 0; k < count; ++k)
        drawFrame(c, l + k * w, t, w, h, frames[std::size_t(std::min<int>(k, int(frames.size()) - 1))],
                  masked ? t + h : -1);
}

// A glyph is a shape given by a test on cell coordinates; drawn in ink with a mask of 0
// under the ink (with a mask) or on magenta (without one).
template <typename Shape>
void drawGlyph(Canvas& c, int l, int t, int w, int h, int maskTop, Rgb ink, Rgb halo, Shape inShape)
{
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool on = inShape(x, y);
            bool near = false;
            for (int dy = -1; dy <= 1 && !on && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = (dx || dy) && x + dx >= 0 && y + dy >= 0 && x + dx < w && y + dy < h && inShape(x + dx, y + dy);
            if (on || near) {
                c.set(l + x, t + y, on ? ink : halo);
                if (maskTop >= 0)
                    c.set(l + x, maskTop + y, grey(on ? 0 : 160));
            } else if (maskTop >= 0) {
                // White under mask 255 leaves the background as magenta would, and also where
                // the glyph lies inside another piece (the bottom arrow in the panel's cells).
                c.set(l + x, t + y, kWhite);
                c.set(l + x, maskTop + y, kWhite);
            }
        }
    }
}

// Arrow triangles pointing in a direction inside a w x h cell.
enum class Direction { Up, Down, Left, Right };

bool inArrow(Direction d, int x, int y, int w, int h)
{
    const double cx = (w - 1) / 2.0, cy = (h - 1) / 2.0;
    // The side arrows' cells are narrow: their triangle takes its size from the height,
    // which still leaves a halo column on both sides.
    const bool sideways = d == Direction::Left || d == Direction::Right;
    const double s = sideways ? h / 2.0 - 1 : std::min(w, h) / 2.0 - 1;
    double along = 0, across = 0;
    switch (d) {
    case Direction::Up: along = cy - y; across = x - cx; break;
    case Direction::Down: along = y - cy; across = x - cx; break;
    case Direction::Left: along = cx - x; across = y - cy; break;
    case Direction::Right: along = x - cx; across = y - cy; break;
    }
    // A triangle whose tip lies at along = s/2 and whose base is at along = -s/2.
    return along <= s / 2 + 0.01 && along >= -s / 2 - 0.01 && std::abs(across) <= (s / 2 - along) + 0.5;
}

void drawArrowStates(Canvas& c, int l, int t, int r, int b, Direction d)
{
    const int w = (r - l) / 3, h = (b - t) / 2;
    const Rgb inks[3] = {kDarkBrown, kDeepGold, kCream};
    const Rgb halos[3] = {kLightGold, kPaleGold, kBrown};
    for (int k = 0; k < 3; ++k)
        drawGlyph(c, l + k * w, t, w, h, t + h, inks[k], halos[k],
                  [&](int x, int y) { return inArrow(d, x, y, w, h); });
}

Frame buttonFrame(int state)
{
    Frame f;
    f.radius = 4;
    switch (state) {
    case 0: f.rings = {kBrown, kCream}; break;
    case 1: f.rings = {kDeepGold, kPaleGold, kCream}; break;
    default: f.rings = {kDarkBrown, kGold}; break;
    }
    return f;
}

Frame plateFrame(int radius, Rgb edge, Rgb top, Rgb bottom)
{
    Frame f;
    f.radius = radius;
    f.rings = {edge};
    f.fillInside = true;
    f.insideTop = top;
    f.insideBottom = bottom;
    f.maskInside = false;
    return f;
}

// --- Pieces --------------------------------------------------------------------------

void drawEditFrame(Canvas& c, int l, int t, int w, int h, Rgb outer, Rgb inner, Rgb face)
{
    Frame f;
    f.radius = 2;
    f.rings = {outer, inner};
    f.fillInside = true;
    f.insideTop = face;
    f.insideBottom = face;
    drawFrame(c, l, t, w, h, f, -1);
}

void drawButtons(Canvas& c, int l, int t, int r, int b)
{
    drawStates(c, l, t, r, b, 3, true, {buttonFrame(0), buttonFrame(1), buttonFrame(2)});
}

void drawTitleIcons(Canvas& c)
{
    struct Icon
    {
        int l, t;
        bool (*shape)(int x, int y);
        bool closing;
    };
    static const Icon icons[] = {
        {78, 198, [](int x, int y) { return x >= 5 && x <= 12 && y >= 5 && y <= 12 && (std::abs(x - y) <= 0 || std::abs(x + y - 17) <= 0 || std::abs(x - y) == 1 || std::abs(x + y - 17) == 1); }, true},
        {132, 198, [](int x, int y) {
             // A question mark.
             const bool hook = (y == 4 && x >= 7 && x <= 10) || (y >= 5 && y <= 7 && (x == 6 || x == 11)) ||
                               (y == 5 && (x == 7 || x == 10)) || (y == 8 && (x == 10 || x == 11)) || (y == 9 && (x == 9 || x == 10));
             const bool stem = y >= 10 && y <= 11 && x >= 8 && x <= 9;
             const bool dot = y >= 13 && y <= 14 && x >= 8 && x <= 9;
             return hook || stem || dot;
         }, false},
        {78, 216, [](int x, int y) {
             const bool box = x >= 5 && x <= 12 && y >= 5 && y <= 12;
             const bool hole = x >= 6 && x <= 11 && y >= 7 && y <= 11;
             return box && !hole;
         }, false},
        {132, 216, [](int x, int y) { return x >= 5 && x <= 12 && y >= 11 && y <= 12; }, false},
    };
    for (const Icon& icon : icons) {
        for (int k = 0; k < 3; ++k) {
            const int l = icon.l + k * 18;
            Rgb plateTop = k == 1 ? kCream : kPaleGold, plateBottom = k == 1 ? kLightGold : kMidGold;
            Rgb edge = kBrown, ink = kDarkBrown;
            if (icon.closing && k > 0) {
                plateTop = k == 1 ? Rgb{226, 96, 70} : kRed;
                plateBottom = k == 1 ? kRed : kDarkRed;
                edge = kDarkRed;
                ink = kCream;
            } else if (k == 2) {
                plateTop = kGold;
                plateBottom = kDeepGold;
                ink = kCream;
            }
            drawFrame(c, l + 1, icon.t + 1, 16, 16, plateFrame(3, edge, plateTop, plateBottom), -1);
            const int shift = k == 2 ? 1 : 0;
            for (int y = 0; y < 18; ++y)
                for (int x = 0; x < 18; ++x)
                    if (icon.shape(x - shift, y - shift))
                        c.set(l + x, icon.t + y, ink);
        }
    }
}

void drawTitleButtonBacks(Canvas& c)
{
    // Normal: nothing; hot: a soft golden ring; pressed: a dark ring.
    Frame none;
    none.radius = 3;
    Frame hot;
    hot.radius = 3;
    hot.rings = {kPaleGold, kLightGold};
    Frame down;
    down.radius = 3;
    down.rings = {kDarkBrown, kBrown};
    drawStates(c, 96, 62, 150, 80, 3, false, {none, hot, down});
}

void drawFormBorder(Canvas& c)
{
    // 33 x 27, cells 11 x 9; the form paints 2 pixels of it on every side.
    for (int y = 0; y < 27; ++y) {
        for (int x = 0; x < 33; ++x) {
            const int d = std::min({x, y, 32 - x, 26 - y});
            Rgb colour = d == 0 ? kDarkBrown : d == 1 ? kGold : mix(kGold, kPaleGold, (d - 2) / 8.0);
            c.set(96 + x, 80 + y, colour);
        }
    }
}

void drawTitleBorder(Canvas& c)
{
    // A highlight along the top of the title bar and a dark line below it; the rest lets the
    // title's own background show. Only the rounded top corners are magenta: the form cuts
    // them out of its window region.
    const int l = 0, t = 198, w = 24, h = 24, maskTop = 222;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Rgb colour = kWhite;
            int m = 255;
            const int side = std::min(x, w - 1 - x);
            if (y + side < 2) {
                colour = kMagenta;
            } else if (y == 0) {
                colour = kCream;
                m = 96;
            } else if (y == h - 1) {
                colour = kBrown;
                m = 64;
            }
            c.set(l + x, t + y, colour);
            c.set(l + x, maskTop + y, grey(m));
        }
    }
}

void drawDialogBorder(Canvas& c)
{
    Frame f;
    f.radius = 2;
    f.rings = {kDarkBrown, kGold, kPaleGold, kGold, kBrown};
    drawStates(c, 27, 234, 54, 282, 1, true, {f});
}

void drawGroupBox(Canvas& c)
{
    Frame f;
    f.radius = 4;
    f.rings = {kBrown, kCream};
    drawStates(c, 0, 246, 27, 300, 1, true, {f});
}

void drawPanelBorder(Canvas& c)
{
    // A raised frame three pixels wide; the rest of the cells shows the panel's own colours.
    const int l = 45, t = 108, w = 45, h = 45, maskTop = 153;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int d = std::min({x, y, w - 1 - x, h - 1 - y});
            const bool lightSide = x + y < w - 1 && (x == d || y == d);
            Rgb colour = kWhite;
            int m = 255;
            if (d == 0) {
                colour = kDarkBrown;
                m = 0;
            } else if (d == 1) {
                colour = lightSide ? kCream : kBrown;
                m = 0;
            } else if (d == 2) {
                colour = lightSide ? kPaleGold : kGold;
                m = 128;
            }
            c.set(l + x, t + y, colour);
            c.set(l + x, maskTop + y, grey(m));
        }
    }
}

void drawPanelPattern(Canvas& c)
{
    // Frames 0 and 1 (46 x 22 each): fine diagonal weave; frame 2 lies under the title pieces.
    for (int k = 0; k < 2; ++k) {
        for (int y = 0; y < 22; ++y) {
            for (int x = 0; x < 46; ++x) {
                const bool line = (x + y) % 6 == 0 || (x - y + 60) % 6 == 0;
                c.set(k * 46 + x, 62 + y, line ? (k ? kPaleGold : kLightGold) : (k ? kLightGold : kMidGold));
                c.set(k * 46 + x, 84 + y, grey(line ? 64 : 160));
            }
        }
    }
}

void drawTrack(Canvas& c, int l, int t, int r, int b, bool horizontal, bool pressed)
{
    const int w = r - l, h = b - t;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int across = horizontal ? y : x;
            const int extent = horizontal ? h : w;
            const int edge = std::min(across, extent - 1 - across);
            Rgb colour = mix(pressed ? kGold : kLightGold, pressed ? kMidGold : kPaleGold,
                             double(across) / (extent - 1));
            if (edge == 0)
                colour = kBrown;
            else if (across == 1)
                colour = pressed ? kDeepGold : kGold;
            c.set(l + x, t + y, colour);
        }
    }
}

void drawScrollButtons(Canvas& c, int l, int t)
{
    for (int k = 0; k < 3; ++k) {
        const Rgb top = k == 0 ? kPaleGold : k == 1 ? kCream : kGold;
        const Rgb bottom = k == 0 ? kMidGold : k == 1 ? kLightGold : kDeepGold;
        drawFrame(c, l + k * 24, t, 24, 24, plateFrame(3, k == 2 ? kDarkBrown : kBrown, top, bottom), -1);
    }
}

void drawSlider(Canvas& c, int l, int t, int r, int b, bool vertical)
{
    std::vector<Frame> frames;
    for (int k = 0; k < 3; ++k) {
        Frame f;
        f.radius = 4;
        f.rings = {k == 2 ? kDarkBrown : kBrown, k == 1 ? kCream : kPaleGold};
        f.fillInside = true;
        f.insideTop = k == 1 ? kPaleGold : k == 2 ? kGold : kLightGold;
        f.insideBottom = k == 2 ? kDeepGold : kMidGold;
        f.maskInside = false;
        frames.push_back(f);
    }
    drawStates(c, l, t, r, b, 3, true, frames);
    // Grip lines across the middle of each thumb.
    const int w = (r - l) / 3, h = (b - t) / 2;
    for (int k = 0; k < 3; ++k) {
        for (int i = -1; i <= 1; ++i) {
            for (int s = -3; s <= 3; ++s) {
                const int x = vertical ? l + k * w + w / 2 + s : l + k * w + w / 2 + 2 * i;
                const int y = vertical ? t + h / 2 + 2 * i : t + h / 2 + s;
                c.set(x, y, kBrown);
            }
        }
    }
}

void drawCheckBox(Canvas& c, int l, int t, int w, int h, int maskTop, int state, bool checked, bool round)
{
    const int size = std::min(w, h) - 2;
    const int ox = (w - size) / 2, oy = (h - size) / 2;
    const Rgb top = state == 1 ? kCream : state == 2 ? kGold : kWhite;
    const Rgb bottom = state == 2 ? kMidGold : kPaleGold;
    Frame f = plateFrame(round ? size / 2 : 2, state == 1 ? kDeepGold : kBrown, top, bottom);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            c.set(l + x, t + y, kMagenta);
            if (maskTop >= 0)
                c.set(l + x, maskTop + y, kWhite);
        }
    }
    drawFrame(c, l + ox, t + oy, size, size, f, maskTop >= 0 ? maskTop + oy : -1);
    if (maskTop >= 0) {
        // The frame drew the mask one cell to the side; move it under the box.
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                c.set(l + ox + x, maskTop + oy + y, c.get(l + ox + x, t + oy + y) == kMagenta ? kWhite : kBlack);
    }
    if (!checked)
        return;
    const Rgb ink = state == 2 ? kCream : kDarkBrown;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            bool on;
            if (round) {
                const double dx = x - (size - 1) / 2.0, dy = y - (size - 1) / 2.0;
                on = dx * dx + dy * dy <= (size / 4.0) * (size / 4.0) + 0.5;
            } else {
                // A tick: two strokes, down to the lower third and up to the top right.
                auto segment = [&](double x0, double y0, double x1, double y1) {
                    const double vx = x1 - x0, vy = y1 - y0;
                    const double u = std::clamp(((x - x0) * vx + (y - y0) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
                    return std::hypot(x - (x0 + u * vx), y - (y0 + u * vy));
                };
                const double s = size - 1;
                on = std::min(segment(0.22 * s, 0.5 * s, 0.42 * s, 0.72 * s),
                              segment(0.42 * s, 0.72 * s, 0.8 * s, 0.26 * s)) <= 0.75;
            }
            if (on)
                c.set(l + ox + x, t + oy + y, ink);
        }
    }
}

void drawCheckStates(Canvas& c, int l, int t, int r, int b, bool masked, bool checked, bool round)
{
    const int w = (r - l) / 3, h = (b - t) / (masked ? 2 : 1);
    for (int k = 0; k < 3; ++k)
        drawCheckBox(c, l + k * w, t, w, h, masked ? t + h : -1, k, checked, round);
}

void drawGrip(Canvas& c, int l, int t, int w, int h)
{
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int gx = w - 1 - x, gy = h - 1 - y;
            const bool dot = gx % 4 < 2 && gy % 4 < 2 && gx + gy < w - 2 && gx >= 1 && gy >= 1;
            const bool light = dot && gx % 4 == 0 && gy % 4 == 0;
            c.set(l + x, t + y, dot ? (light ? kCream : kBrown) : kMagenta);
            c.set(l + x, t + h + y, dot ? kBlack : kWhite);
        }
    }
}

void drawTab(Canvas& c, int l, int t, int r, int b, int count)
{
    const int w = (r - l) / count;
    for (int k = 0; k < count; ++k)
        drawEditFrame(c, l + k * w, t, w, b - t, k == 2 ? kDarkBrown : kBrown, k == 1 ? kCream : kPaleGold,
                      k == 2 ? kGold : kLightGold);
}

void drawPieces(Canvas& c)
{
    // Edit frame: the edges are copied whole, so the cells hold the white face too.
    drawEditFrame(c, 153, 0, 36, 36, kBrown, kLightGold, kWhite);
    drawCheckStates(c, 99, 36, 144, 49, false, true, false);
    drawCheckStates(c, 144, 36, 189, 49, false, false, false);
    drawCheckStates(c, 99, 49, 144, 62, false, true, true);
    drawCheckStates(c, 144, 49, 189, 62, false, false, true);
    drawPanelPattern(c);
    drawTitleButtonBacks(c);
    drawFormBorder(c);
    drawPanelBorder(c);
    drawArrowStates(c, 54, 122, 81, 138, Direction::Down); // lies inside the panel's hidden cells
    drawTitleIcons(c);
    drawTitleBorder(c);
    drawButtons(c, 24, 198, 78, 234);
    drawDialogBorder(c);
    drawGroupBox(c);
    drawSlider(c, 54, 234, 117, 282, true);
    drawSlider(c, 117, 234, 189, 276, false);
    drawArrowStates(c, 117, 276, 174, 310, Direction::Down);
    drawTrack(c, 42, 282, 111, 306, true, true);
    drawTrack(c, 42, 306, 111, 330, true, false);
    drawTrack(c, 0, 300, 21, 369, false, false);
    drawTrack(c, 21, 300, 42, 369, false, true);
    drawArrowStates(c, 112, 311, 130, 329, Direction::Right);
    drawArrowStates(c, 131, 311, 149, 329, Direction::Left);
    drawArrowStates(c, 150, 312, 177, 328, Direction::Up);
    drawScrollButtons(c, 42, 330);
    drawScrollButtons(c, 114, 330);
    drawScrollButtons(c, 42, 354);
    drawScrollButtons(c, 114, 354);
    // The check and radio glyphs reach below the picture; their lowest mask rows are cut.
    // The form's grip shares columns 0..16 with the first frame of the checked check glyph
    // and is drawn over it; the program's windows draw neither (radio buttons take the
    // GLOBALINFO pieces, and the form shows no grip).
    drawCheckStates(c, 0, 378, 48, 414, true, true, false);
    drawCheckStates(c, 48, 378, 96, 414, true, false, false);
    drawCheckStates(c, 94, 378, 142, 414, true, true, true);
    drawCheckStates(c, 142, 378, 190, 414, true, false, true);
    drawGrip(c, 0, 369, 17, 17);

    // Pieces of the sections no window uses.
    drawStates(c, 0, 0, 72, 48, 3, true, {buttonFrame(0), buttonFrame(1), buttonFrame(2)}); // BUTTON_BIG
    drawStates(c, 72, 0, 126, 36, 3, true, {buttonFrame(0), buttonFrame(1), buttonFrame(2)}); // SPEEDBUTTON
    drawStates(c, 126, 0, 153, 18, 3, true, {buttonFrame(0), buttonFrame(1), buttonFrame(2)}); // SPEEDBUTTON_SMALL
    drawTrack(c, 126, 18, 153, 36, true, false);                                                // DIVIDER
    drawEditFrame(c, 72, 36, 27, 24, kBrown, kPaleGold, kLightGold);                             // PAGECONTROL
    drawTrack(c, 0, 48, 72, 60, true, true);                                                    // DRAGBAR
    drawTrack(c, 0, 108, 45, 126, true, false);                                                 // PROGRESSH
    drawTrack(c, 0, 126, 18, 171, false, false);                                                // PROGRESSV
    drawEditFrame(c, 18, 126, 27, 27, kBrown, kLightGold, kPaleGold);                            // GAUGE
    drawStates(c, 18, 153, 45, 171, 1, true, {plateFrame(2, kBrown, kGold, kDeepGold)});        // GAUGEPROGRESSMASK
    drawGrip(c, 0, 171, 15, 13);                                                                 // STATUSBAR
    drawTrack(c, 18, 171, 45, 180, true, true);                                                  // SLIDERCHANNEL
    drawSlider(c, 15, 180, 45, 198, false);                                                      // SLIDERMASK
    drawStates(c, 90, 108, 144, 144, 3, true, {buttonFrame(0), buttonFrame(1), buttonFrame(2)}); // TOOLBUTTON
    {
        Frame low;
        low.radius = 2;
        low.rings = {kBrown, kGold};
        drawStates(c, 144, 108, 174, 162, 1, true, {low}); // PANEL_LOW
    }
    drawStates(c, 90, 144, 120, 164, 3, true, {plateFrame(2, kGold, kLightGold, kMidGold)}); // PANEL_LOW PATTERN
    drawSlider(c, 120, 144, 144, 164, true);                                                  // SLIDERVMASK
    drawTab(c, 90, 164, 126, 176, 3);  // TABTOP
    drawTab(c, 90, 176, 126, 188, 3);  // TABBOTTOM
    drawTab(c, 126, 164, 162, 176, 3); // TABLEFT
    drawTab(c, 126, 176, 162, 188, 3); // TABRIGHT
    for (int i = 0; i < 8; ++i) {      // TABSHEET* active and inactive
        const int x = 150 + (i % 3) * 12, y = 62 + (i / 3) * 12;
        const bool active = i % 2 == 0;
        drawEditFrame(c, x, y, 12, 12, kBrown, active ? kCream : kLightGold, active ? kPaleGold : kMidGold);
    }
    drawArrowStates(c, 129, 80, 150, 106, Direction::Down); // COMBOBOX_EXT
}

// --- Output ----------------------------------------------------------------------------

// Up to 256 colours: the picture's own colours, merging the closest pairs while too many.
std::vector<Rgb> buildPalette(const Canvas& c, std::vector<int>& indexes)
{
    std::map<Rgb, int> counts;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ++counts[c.get(x, y)];
    std::vector<Rgb> colours;
    std::vector<int> weight;
    for (auto [colour, n] : counts) {
        colours.push_back(colour);
        weight.push_back(n);
    }
    auto distance = [](Rgb a, Rgb b) {
        return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b);
    };
    while (colours.size() > 256) {
        std::size_t bi = 0, bj = 1;
        int best = 1 << 30;
        for (std::size_t i = 0; i < colours.size(); ++i) {
            if (colours[i] == kMagenta)
                continue;
            for (std::size_t j = i + 1; j < colours.size(); ++j) {
                if (colours[j] == kMagenta)
                    continue;
                const int d = distance(colours[i], colours[j]);
                if (d < best) {
                    best = d;
                    bi = i;
                    bj = j;
                }
            }
        }
        if (weight[bj] > weight[bi])
            std::swap(bi, bj);
        weight[bi] += weight[bj];
        colours.erase(colours.begin() + long(bj));
        weight.erase(weight.begin() + long(bj));
    }
    indexes.assign(std::size_t(kWidth) * kHeight, 0);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Rgb p = c.get(x, y);
            int best = 1 << 30, index = 0;
            for (std::size_t i = 0; i < colours.size(); ++i) {
                const int d = distance(p, colours[i]);
                if (d < best) {
                    best = d;
                    index = int(i);
                }
            }
            indexes[std::size_t(y) * kWidth + x] = index;
        }
    }
    colours.resize(256, kBlack);
    return colours;
}

void put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::vector<uint8_t> encodeBmp(const Canvas& c)
{
    std::vector<int> indexes;
    const std::vector<Rgb> palette = buildPalette(c, indexes);
    const uint32_t stride = (kWidth + 3) / 4 * 4;
    const uint32_t offset = 14 + 40 + 256 * 4;
    const uint32_t imageSize = stride * kHeight;
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, kWidth);
    put32(out, kHeight);
    put16(out, 1);
    put16(out, 8);
    put32(out, 0);
    put32(out, imageSize);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 256);
    put32(out, 0);
    for (const Rgb& p : palette) {
        out.push_back(uint8_t(p.b));
        out.push_back(uint8_t(p.g));
        out.push_back(uint8_t(p.r));
        out.push_back(0);
    }
    for (int y = kHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kWidth; ++x)
            out.push_back(uint8_t(indexes[std::size_t(y) * kWidth + x]));
        for (uint32_t x = kWidth; x < stride; ++x)
            out.push_back(0);
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: skingen <output.bmp>\n");
        return 2;
    }
    Canvas canvas;
    drawPieces(canvas);
    const std::vector<uint8_t> bytes = encodeBmp(canvas);
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        std::fprintf(stderr, "skingen: cannot write %s\n", argv[1]);
        if (file)
            std::fclose(file);
        return 1;
    }
    return std::fclose(file) == 0 ? 0 : 1;
}
