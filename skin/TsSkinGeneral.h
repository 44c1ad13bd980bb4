#pragma once

#include "skin/paint/TsSkinTables.h"

#include <QString>

#include <vector>

// One section of a stored skin, as stored (the strings not yet parsed).
struct TsSkinGeneral
{
    QString SectionName;
    QString ParentClass;
    TsColor Color = 0xFFFFFF;
    TsControlBevel Bevel = TsControlBevel::cbNone;
    int32_t ShadowBlur = 6;
    TsColor ShadowColor = 0;
    bool ShadowDontUse = false;
    bool ShadowEnabled = false;
    bool ReservedBoolean = false;
    int32_t ShadowOffset = 3;
    int32_t ShadowTransparency = 60;
    QString FontColor = QStringLiteral("0 -1 -1 -1 -1");
    QString HotFontColor = QStringLiteral("0 -1 -1 -1 -1");
    int32_t Transparency = 0;
    int32_t GradientPercent = 0;
    QString GradientData = QStringLiteral(" ");
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
    QString HotGradientData = QStringLiteral(" ");
    int32_t HotImagePercent = 0;
    TsColor BorderColor1 = 0;
    TsColor BorderColor2 = 0;
    QString Name;
};
using TsSkinGenerals = std::vector<TsSkinGeneral>;
