#include "skin/SkinChecker.h"

#include "skin/SkinError.h"
#include "skin/SkinLoaders.h"
#include "skin/SkinLookups.h"
#include "skin/SkinPictures.h"
#include "skin/StoredSkinText.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QSet>

namespace SkinChecker {
namespace {

const QSet<QString>& optionKeys()
{
    static const QSet<QString> keys = {
        "PARENTCLASS", "COLOR", "BEVEL", "SHADOWBLUR", "SHADOWCOLOR", "SHADOWENABLED", "RESERVEDBOOLEAN",
        "SHADOWOFFSET", "SHADOWTRANSPARENCY", "FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM",
        "HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM", "TRANSPARENCY",
        "GRADIENTPERCENT", "GRADIENTDATA", "IMAGEPERCENT", "SHOWFOCUS", "FADINGENABLED",
        "FADINGINTERVALIN", "FADINGINTERVALOUT", "FADINGITERATIONS", "HOTCOLOR", "HOTTRANSPARENCY",
        "HOTBEVEL", "HOTGRADIENTPERCENT", "HOTGRADIENTDATA", "HOTIMAGEPERCENT", "BORDERCOLOR1",
        "BORDERCOLOR2"};
    return keys;
}

const QSet<QString>& globalInfoKeys()
{
    static const QSet<QString> keys = {"VERSION", "AUTHOR", "DESCRIPTION", "MASTERBITMAP"};
    return keys;
}

const QSet<QString>& imageProperties()
{
    static const QSet<QString> names = {
        "BORDERSMASK", "GLYPHMASK", "PATTERN", "HOTPATTERN", "ACTIVETABBORDERSMASK", "INACTIVETABBORDERSMASK",
        "BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED", "RADIOGRAYED",
        "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED", "MASTERBITMAP", "GAUGEPROGRESSMASK",
        "SLIDERCHANNEL", "SLIDERMASK", "SLIDERVMASK", "GRIPIMAGE", "GLYPHCHECKED", "GLYPHUNCHECKED",
        "BICONCLOSE", "BICONHELP", "BICONMAX", "BICONMIN", "BICONNORM", "TITLEBUTTON"};
    return names;
}

bool namesFile(const QString& value)
{
    const QString upper = value.toUpper();
    return upper.contains(QLatin1String(".BMP")) || upper.contains(QLatin1String(".JPG")) ||
           upper.contains(QLatin1String(".JPEG"));
}

struct Checker
{
    QString file;
    SkinIssues issues;

    void add(int line, const QString& message) { issues.push_back(SkinIssue{file, line, message}); }

    // Follows every section's parent chain; names that name nothing and chains that come
    // back are reported once, at the section that starts them.
    template <typename Parent, typename Line>
    void checkParents(const QStringList& names, Parent parentOf, Line lineOf)
    {
        for (const QString& start : names) {
            QStringList visited{start.toUpper()};
            QString current = start;
            while (true) {
                const QString parent = parentOf(current);
                if (parent.isEmpty())
                    break;
                const auto found = std::find_if(names.begin(), names.end(), [&](const QString& n) {
                    return n.compare(parent, Qt::CaseInsensitive) == 0;
                });
                if (found == names.end()) {
                    if (current == start)
                        add(lineOf(start), QStringLiteral("%1: PARENTCLASS «%2» не называет ни одного раздела").arg(start, parent));
                    break;
                }
                if (visited.contains(parent.toUpper())) {
                    if (parent.compare(start, Qt::CaseInsensitive) == 0)
                        add(lineOf(start), QStringLiteral("%1: цепочка PARENTCLASS замыкается на себя").arg(start));
                    break;
                }
                visited << parent.toUpper();
                current = *found;
            }
        }
    }

    void checkRectangles(const TsSkinTables& tables, const std::function<int(const TsMaskData&)>& lineOf)
    {
        const TsRect bounds{0, 0, tables.masterBitmap.width(), tables.masterBitmap.height()};
        for (const TsMaskData& piece : tables.masks) {
            if (piece.hasOwnPicture() || piece.ImageCount == 0)
                continue;
            const TsRect& r = piece.R;
            if (r.Left < bounds.Left || r.Top < bounds.Top || r.Right > bounds.Right || r.Bottom > bounds.Bottom ||
                r.Left >= r.Right || r.Top >= r.Bottom) {
                add(lineOf(piece), QStringLiteral("%1 %2: прямоугольник (%3, %4, %5, %6) выходит за основную картинку %7 × %8")
                                       .arg(piece.SectionName, piece.PropertyName)
                                       .arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom)
                                       .arg(bounds.Right).arg(bounds.Bottom));
            }
        }
    }
};

void checkOptionKeys(Checker& checker, const SkinIniFile& options, const QString& folder)
{
    for (const SkinIniFile::Section& section : options.sections()) {
        const bool global = section.name.compare(QLatin1String("GLOBALINFO"), Qt::CaseInsensitive) == 0;
        for (const SkinIniFile::Key& key : section.keys) {
            const QString name = key.name.toUpper();
            const bool image = key.value.contains(QLatin1Char('#')) || namesFile(key.value);
            if (namesFile(key.value) && !key.value.contains(QLatin1Char('#')) &&
                SkinPictures::resolveExisting(folder, key.value).isEmpty())
                checker.add(key.line, QStringLiteral("%1 %2: нет файла «%3»").arg(section.name, key.name, key.value));
            if (key.value.contains(QLatin1Char('#')) && key.value != QLatin1String("#") && !parsePieceValue(key.value))
                checker.add(key.line, QStringLiteral("%1 %2: не прочитать кусок «%3»").arg(section.name, key.name, key.value));
            const bool known = optionKeys().contains(name) || (global && globalInfoKeys().contains(name)) ||
                               (image && imageProperties().contains(name));
            if (!known)
                checker.add(key.line, QStringLiteral("%1: неизвестный ключ «%2»").arg(section.name, key.name));
        }
    }
}

} // namespace

SkinIssues checkFolder(const QString& folder)
{
    const QString path = QDir(folder).filePath(QStringLiteral("Options.dat"));
    Checker checker{path, {}};
    const std::optional<SkinIniFile> options = SkinIniFile::fromFile(path);
    if (!options) {
        checker.add(0, QStringLiteral("нет файла Options.dat"));
        return checker.issues;
    }
    const QString master = options->readString(QStringLiteral("GLOBALINFO"), QStringLiteral("MASTERBITMAP"), QString());
    const SkinIniFile::Key* masterKey = options->key(QStringLiteral("GLOBALINFO"), QStringLiteral("MASTERBITMAP"));
    if (!masterKey)
        checker.add(0, QStringLiteral("GLOBALINFO: нет ключа MASTERBITMAP"));
    checkOptionKeys(checker, *options, folder);

    QStringList names;
    bool oldFormat = false;
    for (const SkinIniFile::Section& section : options->sections()) {
        names << section.name;
        if (section.name.toUpper() == QLatin1String("TSEDIT")) {
            checker.add(section.line, QStringLiteral("раздел TSEDIT: скин старого формата"));
            oldFormat = true;
        }
    }
    auto lineOf = [&](const QString& section) {
        const SkinIniFile::Key* k = options->key(section, QStringLiteral("PARENTCLASS"));
        return k ? k->line : 0;
    };
    auto parentOf = [&](const QString& section) {
        const QString parent = options->readString(section, QStringLiteral("PARENTCLASS"), QString());
        return parent == QLatin1String("?") ? QString() : parent;
    };
    checker.checkParents(names, parentOf, lineOf);

    TsSkinTables tables;
    const SkinLoadSource source{&*options, folder, nullptr, QString(), nullptr};
    LoadImageTable(tables, source);
    LoadPatternTable(tables, source);
    // The loader would show its old-format box and load no section; the finding above
    // already says so.
    if (!oldFormat) {
        try {
            LoadSectionTable(tables, source);
        } catch (const SkinError& error) {
            checker.add(0, error.message());
        }
    }
    if (masterKey && tables.masterBitmap.isNull())
        checker.add(masterKey->line, QStringLiteral("основная картинка «%1» не загружается").arg(master));
    checker.checkRectangles(tables, [&](const TsMaskData& piece) {
        const SkinIniFile::Key* k = options->key(piece.SectionName, piece.PropertyName);
        return k ? k->line : 0;
    });
    return checker.issues;
}

SkinIssues checkStoredText(const QString& sourceFile)
{
    Checker checker{sourceFile, {}};
    const std::optional<SkinIniFile> ini = SkinIniFile::fromFile(sourceFile);
    if (!ini) {
        checker.add(0, QStringLiteral("файл не читается"));
        return checker.issues;
    }
    const TsStoredSkin skin = StoredSkinText::parse(*ini, QFileInfo(sourceFile).path(), &checker.issues);

    QStringList names;
    QStringList parents;
    for (const TsSkinGeneral& item : skin.GeneralData) {
        names << item.SectionName;
        parents << item.ParentClass;
    }
    auto lineOf = [&](const QString& section) {
        const SkinIniFile::Section* s = ini->section(QStringLiteral("Section ") + section);
        return s ? s->line : 0;
    };
    auto parentOf = [&](const QString& section) {
        const qsizetype i = names.indexOf(section);
        return i < 0 ? QString() : parents[i];
    };
    checker.checkParents(names, parentOf, lineOf);

    TsSkinTables tables;
    const TsStoredSkins skins{skin};
    const SkinLoadSource source{nullptr, QString(), &skins, skin.Name, nullptr};
    LoadImageTable(tables, source);
    LoadPatternTable(tables, source);
    LoadSectionTable(tables, source);
    checker.checkRectangles(tables, [&](const TsMaskData& piece) {
        for (const SkinIniFile::Section& s : ini->sections()) {
            const QStringList words = s.name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (words.size() == 3 && words[0] == QLatin1String("Image") &&
                words[1].toUpper() == piece.SectionName && words[2].toUpper() == piece.PropertyName)
                return s.line;
        }
        return 0;
    });
    return checker.issues;
}

QStringList readKnownIssues(const QString& path)
{
    QStringList known;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return known;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(QLatin1Char(';')))
            known << trimmed;
    }
    return known;
}

SkinIssues withoutKnown(const SkinIssues& issues, const QStringList& known)
{
    SkinIssues left;
    for (const SkinIssue& issue : issues) {
        if (!known.contains(issue.message))
            left.push_back(issue);
    }
    return left;
}

QString format(const SkinIssue& issue)
{
    return QStringLiteral("%1:%2: %3").arg(issue.file).arg(issue.line).arg(issue.message);
}

} // namespace SkinChecker
