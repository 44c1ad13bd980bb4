#pragma once

#include "skin/paint/TsSkinTables.h"

#include <QString>

// Lookups over explicit skin tables: the section painters, the loaders, tools and tests
// use these. None of them loops on a parent chain that comes back to itself.

int FindSectionIndex(const TsGeneralDataArray& sections, const QString& name);

// propertyName is given in upper case. Searches the section's parents.
int FindImageIndex(const TsSkinTables& tables, int sectionIndex, const QString& sectionName,
                   const QString& propertyName);
int FindPatternIndex(const TsSkinTables& tables, int sectionIndex, const QString& sectionName,
                     const QString& propertyName);

bool SectionIndexValid(const TsSkinTables& tables, int index);
bool ImageIndexValid(const TsSkinTables& tables, int index);

// Color of GLOBALINFO, or the button face system colour when the skin has no such section.
TsColor GlobalSkinColor(const TsGeneralDataArray& sections);
