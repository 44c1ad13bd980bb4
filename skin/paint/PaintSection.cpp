#include "skin/paint/PaintSection.h"

#include "skin/paint/Bitmap24.h"
#include "skin/paint/PaintBlend.h"
#include "skin/paint/PaintBorder.h"
#include "skin/paint/PaintCopy.h"
#include "skin/paint/PaintGradient.h"
#include "skin/paint/PaintImagePiece.h"
#include "skin/paint/PaintSharedState.h"
#include "skin/paint/SkinTableLookups.h"
#include "skin/paint/TsParentCache.h"
#include "skin/paint/TsSkinTables.h"

#include <QPainter>

#include <algorithm>

namespace {

// The values of a section for one state.
struct StateValues
{
    TsColor color = 0;
    int imagePercent = 0;
    int gradientPercent = 0;
    const TsGradArray* gradient = nullptr;
    int transparency = 0;
};

StateValues valuesFor(const TsGeneralData& s, int state)
{
    if (state == 0)
        return {s.Color, s.ImagePercent, s.GradientPercent, &s.Gradient, s.Transparency};
    return {s.HotColor, s.HotImagePercent, s.HotGradientPercent, &s.HotGradient, s.HotTransparency};
}

// Tiles the state's pattern over rect; false when there is none.
bool tilePattern(const TsSkinTables& tables, Bitmap24& bitmap, TsRect rect, int sectionIndex, const QString& sectionName, int state,
                 const SectionPatterns& patterns)
{
    const int image = state == 0 ? patterns.normalImage : patterns.hotImage;
    if (ImageIndexValid(tables, image)) {
        TileGraphic(tables, bitmap, rect, nullptr, &tables.masks[std::size_t(image)]);
        return true;
    }
    if (!patterns.jpegAllowed)
        return false;
    const int pattern =
        FindPatternIndex(tables, sectionIndex, sectionName, state == 0 ? QStringLiteral("PATTERN") : QStringLiteral("HOTPATTERN"));
    if (pattern < 0 || pattern >= int(tables.patterns.size()))
        return false;
    TileGraphic(tables, bitmap, rect, &tables.patterns[std::size_t(pattern)].Image, nullptr);
    return true;
}

void paintGradientOrColor(Bitmap24& bitmap, TsRect rect, const StateValues& v)
{
    if (v.gradient->empty())
        FillRect(bitmap, rect, v.color);
    else
        PaintGradient(bitmap, rect, *v.gradient);
}

int transparencyByte(int percent) { return std::clamp(percent, 0, 100) * 255 / 100; }

uint32_t threeBytes(int e) { return uint32_t(e) | uint32_t(e) << 8 | uint32_t(e) << 16; }

// The parent's pixels behind rect into rect; nothing when the target is the parent's picture.
void copyParent(Bitmap24& bitmap, const TsParentCache& cache, QPoint offset, TsRect rect)
{
    if (cache.Bitmap == &bitmap)
        return;
    const int x = cache.OffsetX + offset.x(), y = cache.OffsetY + offset.y();
    CopyRect(bitmap, rect.Left, rect.Top, *cache.Bitmap, {x, y, x + WidthOf(rect), y + HeightOf(rect)});
}

void paintBorderPiece(const TsSkinTables& tables, int imageIndex, Bitmap24& bitmap, TsRect rect, bool fillCentre, int state,
                      const TsParentCache& parentCache, QPoint offset)
{
    if (!ImageIndexValid(tables, imageIndex))
        return;
    TsParentCache shifted = parentCache;
    shifted.OffsetX += offset.x();
    shifted.OffsetY += offset.y();
    PaintBorderMask(tables, bitmap, rect, fillCentre, state, tables.masks[std::size_t(imageIndex)],
                    shifted);
}

void paintBackground(const TsSkinTables& tables, int sectionIndex, const QString& sectionName, const TsParentCache& parentCache, Bitmap24& bitmap,
                     QPoint offset, TsRect rect, int state, const SectionPatterns& patterns)
{
    if (!SectionIndexValid(tables, sectionIndex) || rect.isEmpty())
        return;
    const int t = valuesFor(tables.sections[std::size_t(sectionIndex)], state).transparency;
    if (!parentCache.usable() || t <= 0) {
        PaintSectionFill(tables, bitmap, rect, sectionIndex, sectionName, state, patterns);
        return;
    }
    if (t >= 100) {
        copyParent(bitmap, parentCache, offset, rect);
        return;
    }
    // t percent of the parent shows through the fill.
    Bitmap24 fill(WidthOf(rect), HeightOf(rect));
    if (fill.isNull())
        return;
    PaintSectionFill(tables, fill, RectOfSize(fill.width(), fill.height()), sectionIndex, sectionName, state, patterns);
    copyParent(bitmap, parentCache, offset, rect);
    BlendBitmapOver(bitmap, fill, threeBytes(transparencyByte(t)), rect.Left, rect.Top,
                    RectOfSize(fill.width(), fill.height()));
}

bool insidePicture(const Bitmap24& bitmap, TsRect rect)
{
    return !bitmap.isNull() && rect.Left >= 0 && rect.Top >= 0 && rect.Right <= bitmap.width() &&
           rect.Bottom <= bitmap.height() && !rect.isEmpty();
}

} // namespace

SectionPatterns SectionPatternsByName(const TsSkinTables& tables, int sectionIndex, const QString& sectionName)
{
    return {FindImageIndex(tables, sectionIndex, sectionName, QStringLiteral("PATTERN")),
            FindImageIndex(tables, sectionIndex, sectionName, QStringLiteral("HOTPATTERN")), true};
}

void PaintSectionFill(const TsSkinTables& tables, Bitmap24& bitmap, TsRect rect, int sectionIndex, const QString& sectionName, int state,
                      const SectionPatterns& patterns)
{
    if (!SectionIndexValid(tables, sectionIndex))
        return;
    const StateValues v = valuesFor(tables.sections[std::size_t(sectionIndex)], state);
    bool tiled = false;
    if (v.imagePercent > 0) {
        tiled = tilePattern(tables, bitmap, rect, sectionIndex, sectionName, state, patterns);
        if (!tiled)
            FillRect(bitmap, rect, v.color);
    }
    if (v.gradientPercent > 0) {
        if (tiled) {
            Bitmap24 gradient(WidthOf(rect), HeightOf(rect));
            if (!gradient.isNull()) {
                paintGradientOrColor(gradient, RectOfSize(gradient.width(), gradient.height()), v);
                BlendBitmapOver(bitmap, gradient, threeBytes(transparencyByte(v.imagePercent)), rect.Left, rect.Top,
                                RectOfSize(gradient.width(), gradient.height()));
            }
        } else {
            paintGradientOrColor(bitmap, rect, v);
        }
    }
    const int total = v.gradientPercent + v.imagePercent;
    if (total >= 1 && total <= 99)
        BlendColorOver(bitmap, rect, total, v.color);
    else if (total != 100)
        FillRect(bitmap, rect, SharedParentColor() != kTransparentColor ? SharedParentColor() : v.color);
}

void PaintSectionBackground(const TsSkinTables& tables, int sectionIndex, const QString& sectionName, const TsParentCache& parentCache,
                            Bitmap24& bitmap, QPoint offset, TsRect rect, int state)
{
    paintBackground(tables, sectionIndex, sectionName, parentCache, bitmap, offset, rect, state,
                    SectionPatternsByName(tables, sectionIndex, sectionName));
}

void PaintSectionWithBorders(const TsSkinTables& tables, int sectionIndex, const QString& sectionName, const TsParentCache& parentCache,
                             Bitmap24& bitmap, QPoint offset, TsRect rect, int state, bool fillCentre)
{
    if (!insidePicture(bitmap, rect) || !SectionIndexValid(tables, sectionIndex))
        return;
    PaintSectionBackground(tables, sectionIndex, sectionName, parentCache, bitmap, offset, rect, state);
    paintBorderPiece(tables, FindImageIndex(tables, sectionIndex, sectionName, QStringLiteral("BORDERSMASK")), bitmap, rect,
                     fillCentre, state, parentCache, offset);
}

void PaintWholeSection(const TsSkinTables& tables, int sectionIndex, const QString& sectionName, Bitmap24& bitmap, QPoint offset, int state,
                       bool fillCentre, const TsParentCache& parentCache)
{
    PaintSectionWithBorders(tables, sectionIndex, sectionName, parentCache, bitmap, offset,
                            RectOfSize(bitmap.width(), bitmap.height()), state, fillCentre);
}

void PaintSectionToDC(const TsSkinTables& tables, int sectionIndex, const QString& sectionName, const TsParentCache& parentCache, QPainter& dc,
                      QPoint offset, TsRect rect, int state, bool fillCentre)
{
    if (!SectionIndexValid(tables, sectionIndex) || rect.Left < 0 || rect.Top < 0 || rect.isEmpty())
        return;
    Bitmap24 picture(WidthOf(rect), HeightOf(rect));
    if (picture.isNull())
        return;
    PaintSectionWithBorders(tables, sectionIndex, sectionName, parentCache, picture, offset,
                            RectOfSize(picture.width(), picture.height()), state, fillCentre);
    dc.drawImage(rect.Left, rect.Top, picture.imageView());
}

void PaintScrollPart(const TsSkinTables& tables, int sectionIndex, int borderIndex, int patternIndex, Bitmap24& bitmap, QPoint offset,
                     TsRect rect, int state, bool fillCentre, const TsParentCache& parentCache,
                     const QString& sectionName, int hotPatternIndex)
{
    if (!insidePicture(bitmap, rect) || !SectionIndexValid(tables, sectionIndex))
        return;
    paintBackground(tables, sectionIndex, sectionName, parentCache, bitmap, offset, rect, state,
                    {patternIndex, hotPatternIndex, false});
    paintBorderPiece(tables, borderIndex, bitmap, rect, fillCentre, state, parentCache, offset);
}
