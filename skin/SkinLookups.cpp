#include "skin/SkinLookups.h"

#include "skin/TsSkinData.h"

namespace {

const TsSkinTables& globalTables()
{
    return TsSkinData::instance().tables;
}

} // namespace

int FindSectionIndex(const QString& name)
{
    return FindSectionIndex(globalTables().sections, name);
}

int FindImageIndex(int sectionIndex, const QString& sectionName, const QString& propertyName)
{
    return FindImageIndex(globalTables(), sectionIndex, sectionName, propertyName);
}

int FindPatternIndex(int sectionIndex, const QString& sectionName, const QString& propertyName)
{
    if (!TsSkinData::instance().SkinReady)
        return -1;
    return FindPatternIndex(globalTables(), sectionIndex, sectionName, propertyName);
}

bool SectionIndexValid(int index)
{
    return SectionIndexValid(globalTables(), index);
}

bool ImageIndexValid(int index)
{
    return ImageIndexValid(globalTables(), index);
}

TsColor GlobalSkinColor()
{
    return GlobalSkinColor(globalTables().sections);
}
