#pragma once

#include "skin/SkinIniFile.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>

// The read rules of an options file: a value that is missing or holds the unset marker is
// looked up in the section named by PARENTCLASS, and so on up the chain. A chain that comes
// back to a section already visited ends as unset.
class SkinOptionsReader
{
public:
    enum class Inheritance { None, ThroughParents };

    SkinOptionsReader(const SkinIniFile& ini, Inheritance inheritance)
        : m_ini(ini), m_inheritance(inheritance) {}

    // An integer; missing, unreadable and -1 count as unset.
    std::optional<int32_t> integer(const QString& section, const QString& key) const;
    // A text; missing and the unset marker (compared without regard to case) count as unset.
    std::optional<QString> text(const QString& section, const QString& key, const QString& unsetMarker) const;
    // "TRUE" or "FALSE" in any case; anything else counts as unset.
    std::optional<bool> boolean(const QString& section, const QString& key) const;
    // The section's own integer, never inherited; nothing when missing or unreadable.
    std::optional<int32_t> ownInteger(const QString& section, const QString& key) const;

    // The section named by this section's PARENTCLASS, or empty when it names none.
    QString parentOf(const QString& section) const;

private:
    template <typename Read>
    auto inherited(const QString& section, const QString& key, char kind, Read read) const
        -> decltype(read(section));

    const SkinIniFile& m_ini;
    Inheritance m_inheritance;
    // Which section gives a value of a kind and key to a section (empty: none). Every
    // section met on a chain is remembered, so reading all sections' keys costs time in
    // proportion to the sections, not to the square of the chain's length.
    mutable QHash<QString, QString> m_provider;
};
