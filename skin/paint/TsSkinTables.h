#pragma once

#include "skin/paint/Bitmap24.h"
#include "skin/paint/PaintColor.h"
#include "skin/paint/TsRect.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The run-time skin tables that every skinned control paints from. Loading fills them
// (skin/SkinLoaders.h); the section painters take them as a parameter.

enum class TsControlBevel : uint8_t { cbNone, cbRaisedSoft, cbLoweredSoft, cbRaisedHard, cbLoweredHard };

struct TsGradientStep
{
    TsColor Color1 = 0;
    TsColor Color2 = 0;
    uint8_t Percent = 0;  // 0..100
    int32_t Mode = 0;     // 0: stacked top to bottom, 1: side by side left to right
    int32_t Reserved = 0; // never set
};
using TsGradArray = std::vector<TsGradientStep>;

struct TsGeneralData
{
    QString ParentClass;
    QString SectionName;
    TsColor Color = 0xFFFFFF;
    TsControlBevel Bevel = TsControlBevel::cbNone;
    TsFontColors FontColor = kDefaultFontColors;
    TsFontColors HotFontColor = kDefaultFontColors;
    // One flag of the skin format, read by each kind of section in its own sense; the
    // accessors below name those senses.
    bool ReservedBoolean = false;
    int32_t ShadowBlur = 6;
    TsColor ShadowColor = 0;
    bool ShadowEnabled = false;
    int32_t ShadowOffset = 3;
    int32_t ShadowTransparency = 50;
    int32_t Transparency = 0;
    int32_t GradientPercent = 0;
    QString GradientData = QStringLiteral(" ");
    TsGradArray Gradient;
    int32_t ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    int32_t FadingIntervalIn = 5;
    int32_t FadingIntervalOut = 5;
    int32_t FadingIterations = 5;
    TsColor HotColor = 0xFFFFFF;
    int32_t HotTransparency = 0;
    TsControlBevel HotBevel = TsControlBevel::cbNone;
    int32_t HotGradientPercent = 0;
    QString HotGradientData;
    TsGradArray HotGradient;
    int32_t HotImagePercent = 0;
    TsColor BorderColor1 = 0;
    TsColor BorderColor2 = 0;

    // FORM: activation and caption changes redraw only the title over its kept strip.
    bool FastTitle() const { return ReservedBoolean; }
    // GROUPBOX: the caption is not drawn.
    bool HidesCaption() const { return ReservedBoolean; }
    // EDIT (and the memo): the mouse over the control makes it active.
    bool ActiveUnderMouse() const { return ReservedBoolean; }
    // Scroll-bar arrows: the arrow's piece, not the system metric, gives its length.
    bool ArrowSizedByPiece() const { return ReservedBoolean; }
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

// One image piece. A piece with a non-null Bitmap brings its own picture (three frames
// side by side, picture above and mask below); otherwise it lies at R in the master bitmap.
struct TsMaskData
{
    Bitmap24 Bitmap;
    QString SectionName;  // upper case
    QString PropertyName; // upper case
    TsRect R;
    int16_t ImageCount = 0;
    int16_t MaskType = 0;
    int16_t BorderWidth = 0;

    bool hasOwnPicture() const { return !Bitmap.isNull(); }
};
using TsMaskArray = std::vector<TsMaskData>;

struct TsPatternData
{
    Bitmap24 Image;       // the decoded JPEG picture
    QString SectionName;  // upper case
    QString PropertyName; // upper case
};
using TsPatternArray = std::vector<TsPatternData>;

// The four tables of one loaded skin. The master bitmap is 24-bit; magenta is transparent.
struct TsSkinTables
{
    TsGeneralDataArray sections;
    TsMaskArray masks;
    TsPatternArray patterns;
    Bitmap24 masterBitmap;

    void clear()
    {
        sections.clear();
        masks.clear();
        patterns.clear();
        masterBitmap = Bitmap24();
    }
};
