#pragma once

#include "skin/TsSkinTables.h"

#include <QString>

// Lookups over the process-wide tables (TsSkinData::instance().tables). Each has an
// overload on explicit tables for loaders, tools and tests. None of them loops on a
// parent chain that comes back to itself.

int FindSectionIndex(const QString& name);
int FindSectionIndex(const TsGeneralDataArray& sections, const QString& name);

// propertyName is given in upper case. Searches the section's parents.
int FindImageIndex(int sectionIndex, const QString& sectionName, const QString& propertyName);
int FindImageIndex(const TsSkinTables& tables, int sectionIndex, const QString& sectionName,
                   const QString& propertyName);

// As FindImageIndex over the patterns; the process-wide form gives -1 while the skin is not ready.
int FindPatternIndex(int sectionIndex, const QString& sectionName, const QString& propertyName);
int FindPatternIndex(const TsSkinTables& tables, int sectionIndex, const QString& sectionName,
                     const QString& propertyName);

bool SectionIndexValid(int index);
bool ImageIndexValid(int index);

// Color of GLOBALINFO, or the button face system colour when the skin has no such section.
TsColor GlobalSkinColor();
TsColor GlobalSkinColor(const TsGeneralDataArray& sections);
