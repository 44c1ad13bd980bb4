#include "skin/PaintSection.h"

#include "skin/Bitmap24.h"
#include "skin/PaintBlend.h"
#include "skin/PaintBorder.h"
#include "skin/PaintCopy.h"
#include "skin/PaintGradient.h"
#include "skin/PaintImagePiece.h"
#include "skin/PaintSharedState.h"
#include "skin/SkinLookups.h"
#include "skin/TsParentCache.h"
#include "skin/TsSkinData.h"

#include <QPainter>

#include <algorithm>

namespace {

// The values of a section for one state.
struct StateValues
{
    TColor color = 0;
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

const TsGeneralData& sectionAt(int index) { return TsSkinData::instance().tables.sections[std::size_t(index)]; }

// Tiles the state's pattern over rect; false when there is none.
bool tilePattern(Bitmap24& bitmap, PaintRect rect, int sectionIndex, const QString& sectionName, int state,
                 const SectionPatterns& patterns)
{
    const TsSkinTables& tables = TsSkinData::instance().tables;
    const int image = state == 0 ? patterns.normalImage : patterns.hotImage;
    if (ImageIndexValid(image)) {
        TileGraphic(bitmap, rect, nullptr, &tables.masks[std::size_t(image)]);
        return true;
    }
    if (!patterns.jpegAllowed)
        return false;
    const int pattern =
        FindPatternIndex(sectionIndex, sectionName, state == 0 ? QStringLiteral("PATTERN") : QStringLiteral("HOTPATTERN"));
    if (pattern < 0 || pattern >= int(tables.patterns.size()))
        return false;
    TileGraphic(bitmap, rect, &tables.patterns[std::size_t(pattern)].Image, nullptr);
    return true;
}

void paintGradientOrColor(Bitmap24& bitmap, PaintRect rect, const StateValues& v)
{
    if (v.gradient->empty())
        FillRect(bitmap, rect, v.color);
    else
        PaintGradient(bitmap, rect, *v.gradient);
}

int transparencyByte(int percent) { return std::clamp(percent, 0, 100) * 255 / 100; }

uint32_t threeBytes(int e) { return uint32_t(e) | uint32_t(e) << 8 | uint32_t(e) << 16; }

// The parent's pixels behind rect into rect; nothing when the target is the parent's picture.
void copyParent(Bitmap24& bitmap, const TsParentCache& cache, QPoint offset, PaintRect rect)
{
    if (cache.Bitmap == &bitmap)
        return;
    const int x = cache.OffsetX + offset.x(), y = cache.OffsetY + offset.y();
    CopyRect(bitmap, rect.Left, rect.Top, *cache.Bitmap, {x, y, x + WidthOf(rect), y + HeightOf(rect)});
}

void paintBorderPiece(int imageIndex, Bitmap24& bitmap, PaintRect rect, bool fillCentre, int state,
                      const TsParentCache& parentCache, QPoint offset)
{
    if (!ImageIndexValid(imageIndex))
        return;
    TsParentCache shifted = parentCache;
    shifted.OffsetX += offset.x();
    shifted.OffsetY += offset.y();
    PaintBorderMask(bitmap, rect, fillCentre, state, TsSkinData::instance().tables.masks[std::size_t(imageIndex)],
                    shifted);
}

void paintBackground(int sectionIndex, const QString& sectionName, const TsParentCache& parentCache, Bitmap24& bitmap,
                     QPoint offset, PaintRect rect, int state, const SectionPatterns& patterns)
{
    if (!SectionIndexValid(sectionIndex) || rect.isEmpty())
        return;
    const int t = valuesFor(sectionAt(sectionIndex), state).transparency;
    if (!parentCache.usable() || t <= 0) {
        PaintSectionFill(bitmap, rect, sectionIndex, sectionName, state, patterns);
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
    PaintSectionFill(fill, RectOfSize(fill.width(), fill.height()), sectionIndex, sectionName, state, patterns);
    copyParent(bitmap, parentCache, offset, rect);
    BlendBitmapOver(bitmap, fill, threeBytes(transparencyByte(t)), rect.Left, rect.Top,
                    RectOfSize(fill.width(), fill.height()));
}

bool insidePicture(const Bitmap24& bitmap, PaintRect rect)
{
    return !bitmap.isNull() && rect.Left >= 0 && rect.Top >= 0 && rect.Right <= bitmap.width() &&
           rect.Bottom <= bitmap.height() && !rect.isEmpty();
}

} // namespace

SectionPatterns SectionPatternsByName(int sectionIndex, const QString& sectionName)
{
    return {FindImageIndex(sectionIndex, sectionName, QStringLiteral("PATTERN")),
            FindImageIndex(sectionIndex, sectionName, QStringLiteral("HOTPATTERN")), true};
}

void PaintSectionFill(Bitmap24& bitmap, PaintRect rect, int sectionIndex, const QString& sectionName, int state,
                      const SectionPatterns& patterns)
{
    if (!SectionIndexValid(sectionIndex))
        return;
    const StateValues v = valuesFor(sectionAt(sectionIndex), state);
    bool tiled = false;
    if (v.imagePercent > 0) {
        tiled = tilePattern(bitmap, rect, sectionIndex, sectionName, state, patterns);
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
        FillRect(bitmap, rect, SharedParentColor() != clTransparentMagenta ? SharedParentColor() : v.color);
}

void PaintSectionBackground(int sectionIndex, const QString& sectionName, const TsParentCache& parentCache,
                            Bitmap24& bitmap, QPoint offset, PaintRect rect, int state)
{
    paintBackground(sectionIndex, sectionName, parentCache, bitmap, offset, rect, state,
                    SectionPatternsByName(sectionIndex, sectionName));
}

void PaintSectionWithBorders(int sectionIndex, const QString& sectionName, const TsParentCache& parentCache,
                             Bitmap24& bitmap, QPoint offset, PaintRect rect, int state, bool fillCentre)
{
    if (!insidePicture(bitmap, rect) || !SectionIndexValid(sectionIndex))
        return;
    PaintSectionBackground(sectionIndex, sectionName, parentCache, bitmap, offset, rect, state);
    paintBorderPiece(FindImageIndex(sectionIndex, sectionName, QStringLiteral("BORDERSMASK")), bitmap, rect,
                     fillCentre, state, parentCache, offset);
}

void PaintWholeSection(int sectionIndex, const QString& sectionName, Bitmap24& bitmap, QPoint offset, int state,
                       bool fillCentre, const TsParentCache& parentCache)
{
    PaintSectionWithBorders(sectionIndex, sectionName, parentCache, bitmap, offset,
                            RectOfSize(bitmap.width(), bitmap.height()), state, fillCentre);
}

void PaintSectionToDC(int sectionIndex, const QString& sectionName, const TsParentCache& parentCache, QPainter& dc,
                      QPoint offset, PaintRect rect, int state, bool fillCentre)
{
    if (!SectionIndexValid(sectionIndex) || rect.Left < 0 || rect.Top < 0 || rect.isEmpty())
        return;
    Bitmap24 picture(WidthOf(rect), HeightOf(rect));
    if (picture.isNull())
        return;
    PaintSectionWithBorders(sectionIndex, sectionName, parentCache, picture, offset,
                            RectOfSize(picture.width(), picture.height()), state, fillCentre);
    dc.drawImage(rect.Left, rect.Top, picture.imageView());
}

void PaintScrollPart(int sectionIndex, int borderIndex, int patternIndex, Bitmap24& bitmap, QPoint offset,
                     PaintRect rect, int state, bool fillCentre, const TsParentCache& parentCache,
                     const QString& sectionName, int hotPatternIndex)
{
    if (!insidePicture(bitmap, rect) || !SectionIndexValid(sectionIndex))
        return;
    paintBackground(sectionIndex, sectionName, parentCache, bitmap, offset, rect, state,
                    {patternIndex, hotPatternIndex, false});
    paintBorderPiece(borderIndex, bitmap, rect, fillCentre, state, parentCache, offset);
}
