#pragma once

#include "skin/paint/TsSkinTables.h"

#include <cstdint>

// Indexes that the controls would otherwise look up on every paint, resolved once after each
// load. Every entry is a section index or an image index, -1 when the skin has none.
struct CommonSkinIndexes
{
    // A section with its border piece only (tabs).
    struct Bordered
    {
        int16_t section = -1;
        int16_t bordersMask = -1;
    };
    // Scroll buttons and sliders.
    struct ScrollPart
    {
        int16_t section = -1;
        int16_t bordersMask = -1;
        int16_t glyphMask = -1; // looked up only when the section exists
        int16_t pattern = -1;
        int16_t hotPattern = -1;
    };
    // Scroll bar tracks.
    struct Track
    {
        int16_t section = -1;
        int16_t bordersMask = -1;
        int16_t pattern = -1;
        int16_t hotPattern = -1;
    };

    int16_t globalInfo = -1;
    int16_t boxChecked = -1;
    int16_t boxUnchecked = -1;
    int16_t boxGrayed = -1;
    int16_t radioChecked = -1;
    int16_t radioUnchecked = -1;
    int16_t radioGrayed = -1;
    int16_t smallChecked = -1;
    int16_t smallUnchecked = -1;
    int16_t smallGrayed = -1;

    Bordered tabTop, tabBottom, tabLeft, tabRight;
    ScrollPart scrollBtnTop, scrollBtnBottom, scrollBtnLeft, scrollBtnRight;
    ScrollPart scrollSliderV, scrollSliderH;
    Track scrollBar1H, scrollBar1V, scrollBar2H, scrollBar2V;
};

// All entries looked up in the given tables: the section indexes first, then the image
// indexes of each section under its own index and name. An index past the 16-bit range
// counts as absent.
CommonSkinIndexes resolveCommonSkinIndexes(const TsSkinTables& tables);
