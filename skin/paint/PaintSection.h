#pragma once

#include "skin/paint/TsRect.h"

#include <QPoint>
#include <QString>

class Bitmap24;
class QPainter;
struct TsGeneralData;
struct TsParentCache;
struct TsSkinTables;

// The pattern pieces a section fill tiles: image indexes for the normal and the hot
// state, and whether JPEG patterns of the section may be used when there is no piece.
struct SectionPatterns
{
    int normalImage = -1;
    int hotImage = -1;
    bool jpegAllowed = true;
};

// The patterns of a section by name (PATTERN, HOTPATTERN), JPEG patterns allowed.
SectionPatterns SectionPatternsByName(const TsSkinTables& tables, int sectionIndex, const QString& sectionName);

// Section fill of rect for a state (0 normal, other hot): pattern, gradient, colour.
void PaintSectionFill(const TsSkinTables& tables, Bitmap24& bitmap, TsRect rect, int sectionIndex, const QString& sectionName, int state,
                      const SectionPatterns& patterns);

// The background of a section in rect; offset is where rect lies in the parent's picture.
void PaintSectionBackground(const TsSkinTables& tables, int sectionIndex, const QString& sectionName, const TsParentCache& parentCache,
                            Bitmap24& bitmap, QPoint offset, TsRect rect, int state);

// Background, then the section's BORDERSMASK piece.
void PaintSectionWithBorders(const TsSkinTables& tables, int sectionIndex, const QString& sectionName, const TsParentCache& parentCache,
                             Bitmap24& bitmap, QPoint offset, TsRect rect, int state, bool fillCentre);

// PaintSectionWithBorders over the whole picture.
void PaintWholeSection(const TsSkinTables& tables, int sectionIndex, const QString& sectionName, Bitmap24& bitmap, QPoint offset, int state,
                       bool fillCentre, const TsParentCache& parentCache);

// The same through a temporary picture of rect's size, drawn onto dc at rect's corner.
void PaintSectionToDC(const TsSkinTables& tables, int sectionIndex, const QString& sectionName, const TsParentCache& parentCache, QPainter& dc,
                      QPoint offset, TsRect rect, int state, bool fillCentre);

// Scroll-bar parts: the section with the given pattern and border pieces.
void PaintScrollPart(const TsSkinTables& tables, int sectionIndex, int borderIndex, int patternIndex, Bitmap24& bitmap, QPoint offset,
                     TsRect rect, int state, bool fillCentre, const TsParentCache& parentCache,
                     const QString& sectionName, int hotPatternIndex);
