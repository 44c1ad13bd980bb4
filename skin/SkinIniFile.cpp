#include "skin/SkinIniFile.h"

#include <QFile>
#include <QStringDecoder>

namespace {

const SkinIniFile::Key* findKey(const SkinIniFile::Section& section, const QString& name)
{
    const auto found = section.keyIndex.constFind(name.toCaseFolded());
    return found == section.keyIndex.cend() ? nullptr : &section.keys[*found];
}

} // namespace

SkinIniFile SkinIniFile::fromText(const QString& text, const QString& fileName)
{
    SkinIniFile ini;
    ini.m_fileName = fileName;
    Section* current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const int lineNumber = i + 1;
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            current = ini.findSection(name);
            if (!current) {
                ini.m_sectionIndex.insert(name.toCaseFolded(), ini.m_sections.size());
                ini.m_sections.push_back(Section{name, lineNumber, {}, {}});
                current = &ini.m_sections.back();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!current || eq <= 0)
            continue;
        const QString name = line.left(eq).trimmed();
        if (!findKey(*current, name)) {
            current->keyIndex.insert(name.toCaseFolded(), current->keys.size());
            current->keys.push_back(Key{name, line.mid(eq + 1).trimmed(), lineNumber});
        }
    }
    return ini;
}

std::optional<SkinIniFile> SkinIniFile::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    // Old skins were written in an 8-bit code page; take UTF-8 when it is valid, else Latin-1.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return fromText(text, path);
}

SkinIniFile SkinIniFile::fromCommonSections(const QStringList& lines)
{
    QStringList cleaned;
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            cleaned << line;
        else
            cleaned << QString(line).remove(QLatin1Char(' '));
    }
    return fromText(cleaned.join(QLatin1Char('\n')));
}

const SkinIniFile::Section* SkinIniFile::section(const QString& name) const
{
    const auto found = m_sectionIndex.constFind(name.toCaseFolded());
    return found == m_sectionIndex.cend() ? nullptr : &m_sections[*found];
}

SkinIniFile::Section* SkinIniFile::findSection(const QString& name)
{
    return const_cast<Section*>(std::as_const(*this).section(name));
}

const SkinIniFile::Key* SkinIniFile::key(const QString& sectionName, const QString& keyName) const
{
    const Section* s = section(sectionName);
    return s ? findKey(*s, keyName) : nullptr;
}

QString SkinIniFile::readString(const QString& sectionName, const QString& keyName,
                                const QString& fallback) const
{
    const Key* k = key(sectionName, keyName);
    return k ? k->value : fallback;
}
