#include "skin/SkinLookups.h"

#include "skin/TsSkinData.h"

namespace {

const TsSkinTables& globalTables()
{
    return TsSkinData::instance().tables;
}

// Walks the section's parent chain, at most once through every section, so a chain that
// loops back through several sections ends like an unset parent.
template <typename Entries>
int findPiece(const TsGeneralDataArray& sections, const Entries& entries, int sectionIndex,
              const QString& sectionName, const QString& propertyName)
{
    QString name = sectionName;
    for (std::size_t depth = 0; depth <= sections.size(); ++depth) {
        if (sectionIndex < 0 || sectionIndex >= int(sections.size()) || name.isEmpty())
            return -1;
        const QString upperName = name.toUpper();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].PropertyName == propertyName && entries[i].SectionName == upperName)
                return int(i);
        }
        const QString parent = sections[std::size_t(sectionIndex)].ParentClass.toUpper();
        if (parent.isEmpty() || parent == upperName)
            return -1;
        sectionIndex = FindSectionIndex(sections, parent);
        name = parent;
    }
    return -1;
}

} // namespace

int FindSectionIndex(const TsGeneralDataArray& sections, const QString& name)
{
    const QString upper = name.toUpper();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (sections[i].SectionName.toUpper() == upper)
            return int(i);
    }
    return -1;
}

int FindSectionIndex(const QString& name)
{
    return FindSectionIndex(globalTables().sections, name);
}

int FindImageIndex(const TsSkinTables& tables, int sectionIndex, const QString& sectionName,
                   const QString& propertyName)
{
    return findPiece(tables.sections, tables.masks, sectionIndex, sectionName, propertyName);
}

int FindImageIndex(int sectionIndex, const QString& sectionName, const QString& propertyName)
{
    return FindImageIndex(globalTables(), sectionIndex, sectionName, propertyName);
}

int FindPatternIndex(const TsSkinTables& tables, int sectionIndex, const QString& sectionName,
                     const QString& propertyName)
{
    return findPiece(tables.sections, tables.patterns, sectionIndex, sectionName, propertyName);
}

int FindPatternIndex(int sectionIndex, const QString& sectionName, const QString& propertyName)
{
    if (!TsSkinData::instance().SkinReady)
        return -1;
    return FindPatternIndex(globalTables(), sectionIndex, sectionName, propertyName);
}

bool SectionIndexValid(int index)
{
    return index >= 0 && index < int(globalTables().sections.size());
}

bool ImageIndexValid(int index)
{
    return index >= 0 && index < int(globalTables().masks.size());
}

TsColor GlobalSkinColor(const TsGeneralDataArray& sections)
{
    const int index = FindSectionIndex(sections, QStringLiteral("GLOBALINFO"));
    return index < 0 ? kButtonFaceColor : sections[std::size_t(index)].Color;
}

TsColor GlobalSkinColor()
{
    return GlobalSkinColor(globalTables().sections);
}
