#include "skin/SkinOptionsReader.h"

#include "skin/SkinValues.h"

#include <QSet>
#include <QStringList>

namespace {

QString providerKey(char kind, const QString& section, const QString& key)
{
    return QLatin1Char(kind) + section.toCaseFolded() + QLatin1Char('\x1f') + key.toCaseFolded();
}

} // namespace

template <typename Read>
auto SkinOptionsReader::inherited(const QString& section, const QString& key, char kind, Read read) const
    -> decltype(read(section))
{
    if (m_inheritance == Inheritance::None)
        return read(section);
    QStringList asked; // the memo keys of the sections walked through
    QSet<QString> walked;
    QString current = section;
    QString provider;
    for (;;) {
        const QString memo = providerKey(kind, current, key);
        const auto known = m_provider.constFind(memo);
        if (known != m_provider.cend()) {
            provider = *known;
            break;
        }
        asked << memo;
        if (read(current)) {
            provider = current;
            break;
        }
        walked.insert(current.toCaseFolded());
        current = parentOf(current);
        // A chain that comes back to a section walked through is a loop: unset.
        if (current.isEmpty() || !m_ini.section(current) || walked.contains(current.toCaseFolded()))
            break;
    }
    for (const QString& memo : asked)
        m_provider.insert(memo, provider);
    if (provider.isEmpty())
        return std::nullopt;
    return read(provider);
}

std::optional<int32_t> SkinOptionsReader::integer(const QString& section, const QString& key) const
{
    return inherited(section, key, 'i', [&](const QString& name) -> std::optional<int32_t> {
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
    return inherited(section, key + QLatin1Char('\x1e') + unsetMarker, 't', [&](const QString& name) -> std::optional<QString> {
        const SkinIniFile::Key* k = m_ini.key(name, key);
        if (!k || k->value.compare(unsetMarker, Qt::CaseInsensitive) == 0)
            return std::nullopt;
        return k->value;
    });
}

std::optional<bool> SkinOptionsReader::boolean(const QString& section, const QString& key) const
{
    return inherited(section, key, 'b', [&](const QString& name) -> std::optional<bool> {
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
