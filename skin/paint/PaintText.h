#pragma once

#include "skin/paint/PaintColor.h"
#include "skin/paint/TsRect.h"

#include <QFont>
#include <QSize>
#include <QString>


class Bitmap24;
class QPainter;
struct TsSkinTables;

// What text is drawn onto: a picture with the font (and its colour) in use.
struct PaintCanvas
{
    Bitmap24& bitmap;
    QFont font;
    TsColor fontColor = 0;
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
    TextExpandTabs = 0x40,
    TextNoPrefix = 0x800,
    TextRtlReading = 0x20000,
};

// Draws text with its contours: left, top, right and bottom contour one pixel off,
// then the text in place. Unless the format breaks words, the text is placed inside
// rect (centred vertically, horizontally by the format) and rect becomes that place
// grown by one pixel; a disabled text is drawn embossed in system colours instead.
void DrawContourText(PaintCanvas& canvas, const QString& text, bool enabled, const TsFontColors& colors,
                     unsigned format, TsRect& rect);

// Text without skin colours, embossed when disabled, in the canvas font's colour otherwise.
void DrawEmbossedText(PaintCanvas& canvas, const QString& text, bool enabled, unsigned format, TsRect& rect);

// The text, or as much of its start as fits in maxWidth followed by "...", or empty.
QString FitTextWithEllipsis(const PaintCanvas& canvas, const QString& text, int maxWidth);

// Width and height of a text in a font; 0 × 0 for an empty text.
QSize MeasureText(const QFont& font, const QString& text);
// The size a text takes with `format` when it may use `width` pixels: with TextWordBreak
// its lines are broken to fit; 0 × 0 for an empty text.
QSize MeasureTextIn(const QFont& font, const QString& text, int width, unsigned format);

// Dotted frame: every third pixel black, each with a white one up and to the left.
void DrawFocusFrame(PaintCanvas& canvas, TsRect rect);

// Solid fill of a rectangle of a painter's device; the painter's state is kept.
void FillSolidRect(QPainter& dc, TsRect rect, TsColor colour);

// Text in the colours of a section (FontColor, or HotFontColor when hot); for an invalid
// section once in the canvas font's colour.
void DrawSkinText(const TsSkinTables& tables, PaintCanvas& canvas, const QString& text, bool enabled, bool hot, int sectionIndex, unsigned format,
                  TsRect& rect);
