#include "skin/paint/SkinTableLookups.h"

namespace {

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
    // Section names are ASCII, where this equals comparing the upper-cased names.
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (sections[i].SectionName.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

int FindImageIndex(const TsSkinTables& tables, int sectionIndex, const QString& sectionName,
                   const QString& propertyName)
{
    return findPiece(tables.sections, tables.masks, sectionIndex, sectionName, propertyName);
}

int FindPatternIndex(const TsSkinTables& tables, int sectionIndex, const QString& sectionName,
                     const QString& propertyName)
{
    return findPiece(tables.sections, tables.patterns, sectionIndex, sectionName, propertyName);
}

TsColor GlobalSkinColor(const TsGeneralDataArray& sections)
{
    const int index = FindSectionIndex(sections, QStringLiteral("GLOBALINFO"));
    return index < 0 ? kButtonFaceColor : sections[std::size_t(index)].Color;
}

bool SectionIndexValid(const TsSkinTables& tables, int index)
{
    return index >= 0 && index < int(tables.sections.size());
}

bool ImageIndexValid(const TsSkinTables& tables, int index)
{
    return index >= 0 && index < int(tables.masks.size());
}
