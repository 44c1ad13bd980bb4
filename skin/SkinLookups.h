#pragma once

#include "skin/paint/SkinTableLookups.h"

#include <QString>

// The lookups over the process-wide tables (TsSkinData::instance().tables); the forms
// on explicit tables are in skin/paint/SkinTableLookups.h.

int FindSectionIndex(const QString& name);
int FindImageIndex(int sectionIndex, const QString& sectionName, const QString& propertyName);
// Gives -1 while the skin is not ready.
int FindPatternIndex(int sectionIndex, const QString& sectionName, const QString& propertyName);

bool SectionIndexValid(int index);
bool ImageIndexValid(int index);

TsColor GlobalSkinColor();
