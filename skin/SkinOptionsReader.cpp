#include "skin/SkinOptionsReader.h"

#include "skin/SkinValues.h"

template <typename Read>
auto SkinOptionsReader::inherited(const QString& section, Read read) const -> decltype(read(section))
{
    QString current = section;
    // Each step moves to another section, so more steps than sections means a loop.
    for (std::size_t step = 0; step <= m_ini.sections().size(); ++step) {
        if (auto value = read(current))
            return value;
        if (m_inheritance == Inheritance::None)
            break;
        current = parentOf(current);
        if (current.isEmpty() || !m_ini.section(current))
            break;
    }
    return std::nullopt;
}

std::optional<int32_t> SkinOptionsReader::integer(const QString& section, const QString& key) const
{
    return inherited(section, [&](const QString& name) -> std::optional<int32_t> {
        const SkinIniFile::Key* k = m_ini.key(name, key);
        if (!k)
            return std::nullopt;
        const std::optional<int32_t> value = parseSkinInteger(k->value);
        if (!value || *value == -1)
            return std::nullopt;
        return value;
    });
}

std::optional<QString> SkinOptionsReader::text(const QString& section, const QString& key,
                                               const QString& unsetMarker) const
{
    return inherited(section, [&](const QString& name) -> std::optional<QString> {
        const SkinIniFile::Key* k = m_ini.key(name, key);
        if (!k || k->value.compare(unsetMarker, Qt::CaseInsensitive) == 0)
            return std::nullopt;
        return k->value;
    });
}

std::optional<bool> SkinOptionsReader::boolean(const QString& section, const QString& key) const
{
    return inherited(section, [&](const QString& name) -> std::optional<bool> {
        const SkinIniFile::Key* k = m_ini.key(name, key);
        if (!k)
            return std::nullopt;
        const QString value = k->value.trimmed().toUpper();
        if (value == QLatin1String("TRUE"))
            return true;
        if (value == QLatin1String("FALSE"))
            return false;
        return std::nullopt;
    });
}

std::optional<int32_t> SkinOptionsReader::ownInteger(const QString& section, const QString& key) const
{
    const SkinIniFile::Key* k = m_ini.key(section, key);
    return k ? parseSkinInteger(k->value) : std::nullopt;
}

QString SkinOptionsReader::parentOf(const QString& section) const
{
    const QString parent = m_ini.readString(section, QStringLiteral("PARENTCLASS"), QString());
    if (parent.isEmpty() || parent == QLatin1String("?") || parent == section)
        return QString();
    return parent;
}
