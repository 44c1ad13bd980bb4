#pragma once

#include "skin/PaintColor.h"
#include "skin/PaintRect.h"

#include <QFont>
#include <QSize>
#include <QString>

#include <array>

class Bitmap24;
class QPainter;

// What text is drawn onto: a picture with the font (and its colour) in use.
struct PaintCanvas
{
    Bitmap24& bitmap;
    QFont font;
    TColor fontColor = 0;
};

// Text-drawing flags of `format`.
enum PaintTextFlag : unsigned {
    TextLeft = 0x0,
    TextCenter = 0x1,
    TextRight = 0x2,
    TextVCenter = 0x4,
    TextBottom = 0x8,
    TextWordBreak = 0x10,
    TextSingleLine = 0x20,
    TextNoPrefix = 0x800,
};

// Text colour and the contours left, top, right, bottom; -1 (0xFFFFFFFF) is no contour.
using PaintTextColors = std::array<TColor, 5>;
constexpr TColor NoContour = 0xFFFFFFFF;

// Draws text with its contours: left, top, right and bottom contour one pixel off,
// then the text in place. Unless the format breaks words, the text is placed inside
// rect (centred vertically, horizontally by the format) and rect becomes that place
// grown by one pixel; a disabled text is drawn embossed in system colours instead.
void DrawContourText(PaintCanvas& canvas, const QString& text, bool enabled, const PaintTextColors& colors,
                     unsigned format, PaintRect& rect);

// Text without skin colours, embossed when disabled, in the canvas font's colour otherwise.
void DrawEmbossedText(PaintCanvas& canvas, const QString& text, bool enabled, unsigned format, PaintRect& rect);

// The text, or as much of its start as fits in maxWidth followed by "...", or empty.
QString FitTextWithEllipsis(const PaintCanvas& canvas, const QString& text, int maxWidth);

// Width and height of a text in a font; 0 × 0 for an empty text.
QSize MeasureText(const QFont& font, const QString& text);

// Dotted frame: every third pixel black, each with a white one up and to the left.
void DrawFocusFrame(PaintCanvas& canvas, PaintRect rect);

// Solid fill of a rectangle of a painter's device; the painter's state is kept.
void FillSolidRect(QPainter& dc, PaintRect rect, TColor colour);

// Text in the colours of a section (FontColor, or HotFontColor when hot); for an invalid
// section once in the canvas font's colour.
void DrawSkinText(PaintCanvas& canvas, const QString& text, bool enabled, bool hot, int sectionIndex, unsigned format,
                  PaintRect& rect);
