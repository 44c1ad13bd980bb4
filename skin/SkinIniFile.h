#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// An ini text held in memory as a whole: sections and keys in file order, looked up
// without regard to case, each remembering the line it came from.
class SkinIniFile
{
public:
    struct Key
    {
        QString name;
        QString value;
        int line = 0;
    };
    struct Section
    {
        QString name;
        int line = 0;
        std::vector<Key> keys;
        // Case-folded key name -> place in keys.
        QHash<QString, std::size_t> keyIndex;
    };

    SkinIniFile() = default;
    // Lines "[name]" open a section, "key=value" lines fill it, ";" lines are comments.
    // Names and values are trimmed. A repeated section adds to the first of that name; a
    // repeated key keeps its first value.
    static SkinIniFile fromText(const QString& text, const QString& fileName = QString());
    // Reads the file whole; nothing when it cannot be read.
    static std::optional<SkinIniFile> fromFile(const QString& path);
    // Common-sections text: blanks are removed from every non-comment line first.
    static SkinIniFile fromCommonSections(const QStringList& lines);

    const QString& fileName() const { return m_fileName; }
    const std::vector<Section>& sections() const { return m_sections; }
    const Section* section(const QString& name) const;
    const Key* key(const QString& section, const QString& key) const;
    // The key's value, or the fallback when the section or key is missing.
    QString readString(const QString& section, const QString& key, const QString& fallback) const;

private:
    Section* findSection(const QString& name);

    QString m_fileName;
    std::vector<Section> m_sections;
    // Case-folded section name -> place in m_sections: lookups do not grow with the file.
    QHash<QString, std::size_t> m_sectionIndex;
};
