#pragma once

// The skin's one rectangle type, in the tables and in the painting routines: left and
// top inclusive, right and bottom exclusive (QRect's right() is inclusive, which is why
// the routines do not use it).
struct TsRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int width() const { return Right - Left; }
    int height() const { return Bottom - Top; }
    bool isEmpty() const { return Right <= Left || Bottom <= Top; }
    TsRect translated(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    TsRect intersected(const TsRect& other) const;
    bool operator==(const TsRect& other) const = default;
};

inline int WidthOf(const TsRect& r) { return r.Right - r.Left; }
inline int HeightOf(const TsRect& r) { return r.Bottom - r.Top; }
inline TsRect RectOfSize(int width, int height) { return {0, 0, width, height}; }
// From a QRect (or anything with left, top, width and height).
template <class R>
inline TsRect ToTsRect(const R& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

inline TsRect TsRect::intersected(const TsRect& other) const
{
    TsRect r{Left > other.Left ? Left : other.Left, Top > other.Top ? Top : other.Top,
                Right < other.Right ? Right : other.Right, Bottom < other.Bottom ? Bottom : other.Bottom};
    return r;
}

// Where a source rectangle lands: `dst` is the destination part that lies inside both
// pictures, (srcLeft, srcTop) the source pixel copied to dst's top-left corner.
struct PaintPlacement
{
    TsRect dst;
    int srcLeft = 0;
    int srcTop = 0;
    bool isEmpty() const { return dst.isEmpty(); }
};

// Clips srcRect to the source (0, 0, srcWidth, srcHeight), moves it so that its
// top-left corner goes to (dstX, dstY), and clips that to the destination.
inline PaintPlacement PlaceRect(TsRect srcRect, int srcWidth, int srcHeight, int dstX, int dstY, int dstWidth,
                                int dstHeight)
{
    const TsRect s = srcRect.intersected(RectOfSize(srcWidth, srcHeight));
    const int dx = dstX - srcRect.Left, dy = dstY - srcRect.Top;
    PaintPlacement p;
    p.dst = s.translated(dx, dy).intersected(RectOfSize(dstWidth, dstHeight));
    p.srcLeft = p.dst.Left - dx;
    p.srcTop = p.dst.Top - dy;
    return p;
}
