#include "skin/SkinLoaders.h"

#include "platform/Dialogs.h"
#include "skin/SkinError.h"
#include "skin/SkinLookups.h"
#include "skin/SkinOptionsReader.h"
#include "skin/SkinPictures.h"
#include "skin/SkinValues.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const QString kGlobalInfo = QStringLiteral("GLOBALINFO");
constexpr qint64 kPatternMinPixels = 90000;

bool isJpegValue(const QString& upperValue)
{
    return upperValue.contains(QLatin1String(".JPG")) || upperValue.contains(QLatin1String(".JPEG"));
}

TsMaskData ownPictureEntry(Bitmap24 picture, const QString& section, const QString& property)
{
    TsMaskData entry;
    entry.Bitmap = std::move(picture);
    entry.SectionName = section.toUpper();
    entry.PropertyName = property.toUpper();
    return entry;
}

// Image entries of an ini text: "#" pieces of the master bitmap and ".BMP" files.
void appendIniImages(TsSkinTables& tables, const SkinIniFile& ini, const QString& folder,
                     bool skipGlobalInfo)
{
    const bool haveMaster = !tables.masterBitmap.isNull();
    for (const SkinIniFile::Section& section : ini.sections()) {
        if (skipGlobalInfo && section.name.compare(kGlobalInfo, Qt::CaseInsensitive) == 0)
            continue;
        for (const SkinIniFile::Key& key : section.keys) {
            const QString& value = key.value;
            if (haveMaster && value.contains(QLatin1Char('#'))) {
                if (value == QLatin1String("#"))
                    continue;
                if (std::optional<TsMaskData> piece = parsePieceValue(value)) {
                    piece->SectionName = section.name.toUpper();
                    piece->PropertyName = key.name.toUpper();
                    tables.masks.push_back(std::move(*piece));
                }
            } else if (value.toUpper().contains(QLatin1String(".BMP"))) {
                const QString path = SkinPictures::resolveExisting(folder, value);
                if (path.isEmpty())
                    continue;
                Bitmap24 picture = SkinPictures::loadBmp(path);
                if (picture.width() > 0)
                    tables.masks.push_back(ownPictureEntry(std::move(picture), section.name, key.name));
            }
        }
    }
}

// JPEG values of an ini text. A small picture of a skin is an image piece of its own;
// common sections make every picture a pattern.
void appendIniPatterns(TsSkinTables& tables, const SkinIniFile& ini, const QString& folder,
                       bool smallOnesAreImages)
{
    for (const SkinIniFile::Section& section : ini.sections()) {
        for (const SkinIniFile::Key& key : section.keys) {
            if (!isJpegValue(key.value.toUpper()))
                continue;
            const QString path = SkinPictures::resolveExisting(folder, key.value);
            if (path.isEmpty())
                continue;
            Bitmap24 picture = SkinPictures::loadJpeg(path);
            if (picture.width() <= 0)
                continue;
            const qint64 pixels = qint64(picture.width()) * picture.height();
            if (smallOnesAreImages && pixels < kPatternMinPixels) {
                tables.masks.push_back(ownPictureEntry(std::move(picture), section.name, key.name));
                continue;
            }
            tables.patterns.push_back(
                TsPatternData{std::move(picture), section.name.toUpper(), key.name.toUpper()});
        }
    }
}

const TsStoredSkin* storedSkin(const SkinLoadSource& source)
{
    return source.storedSkins ? findStoredSkin(*source.storedSkins, source.skinName) : nullptr;
}

void appendStoredImages(TsSkinTables& tables, const TsStoredSkin& skin)
{
    tables.masterBitmap = skin.MasterBitmap;
    for (const TsSkinImage& item : skin.Images) {
        TsMaskData entry;
        if (item.ImageCount == 0)
            entry.Bitmap = item.Image;
        entry.SectionName = item.SectionName.toUpper();
        entry.PropertyName = item.PropertyName.toUpper();
        entry.R = TsRect{item.Left, item.Top, item.Right, item.Bottom};
        entry.ImageCount = int16_t(item.ImageCount);
        entry.MaskType = int16_t(item.MaskType);
        entry.BorderWidth = int16_t(item.BorderWidth);
        tables.masks.push_back(std::move(entry));
    }
}

void appendStoredPatterns(TsSkinTables& tables, const TsStoredSkin& skin)
{
    for (const TsSkinPattern& item : skin.Patterns) {
        if (item.Image.width() <= 0)
            continue;
        const qint64 pixels = qint64(item.Image.width()) * item.Image.height();
        if (pixels < kPatternMinPixels)
            tables.masks.push_back(ownPictureEntry(item.Image, item.SectionName, item.PropertyName));
        else
            tables.patterns.push_back(
                TsPatternData{item.Image, item.SectionName.toUpper(), item.PropertyName.toUpper()});
    }
}

TsControlBevel toBevel(int32_t value)
{
    return value >= 0 && value <= 4 ? static_cast<TsControlBevel>(value) : TsControlBevel::cbNone;
}

// Copies one stored section: every property first, then the strings that must be read,
// the gradients and then the font colours. A word that cannot be read stops there, leaving
// the entry as far as it was filled.
void fillFromStored(TsGeneralData& entry, const TsSkinGeneral& item)
{
    entry.SectionName = item.SectionName;
    entry.ParentClass = item.ParentClass;
    entry.Color = item.Color;
    entry.Bevel = item.Bevel;
    entry.ShadowBlur = item.ShadowBlur;
    entry.ShadowColor = item.ShadowColor;
    entry.ShadowEnabled = item.ShadowEnabled;
    entry.ReservedBoolean = item.ReservedBoolean;
    entry.ShadowOffset = item.ShadowOffset;
    entry.ShadowTransparency = item.ShadowTransparency;
    entry.Transparency = item.Transparency;
    entry.GradientPercent = item.GradientPercent;
    entry.GradientData = item.GradientData;
    entry.ImagePercent = item.ImagePercent;
    entry.ShowFocus = item.ShowFocus;
    entry.FadingEnabled = item.FadingEnabled;
    entry.FadingIntervalIn = item.FadingIntervalIn;
    entry.FadingIntervalOut = item.FadingIntervalOut;
    entry.FadingIterations = item.FadingIterations;
    entry.HotColor = item.HotColor;
    entry.HotTransparency = item.HotTransparency;
    entry.HotBevel = item.HotBevel;
    entry.HotGradientPercent = item.HotGradientPercent;
    entry.HotGradientData = item.HotGradientData;
    entry.HotImagePercent = item.HotImagePercent;
    entry.BorderColor1 = item.BorderColor1;
    entry.BorderColor2 = item.BorderColor2;
    entry.Gradient = ParseGradientData(item.GradientData);
    entry.HotGradient = ParseGradientData(item.HotGradientData);
    entry.FontColor = parseFontColors(item.FontColor);
    entry.HotFontColor = parseFontColors(item.HotFontColor);
}

void appendStoredSections(TsSkinTables& tables, const TsStoredSkin& skin)
{
    for (const TsSkinGeneral& item : skin.GeneralData) {
        tables.sections.emplace_back();
        try {
            fillFromStored(tables.sections.back(), item);
        } catch (const SkinError&) {
            // A stored skin goes on with its next item.
        }
    }
}

// Fills an entry from an ini section: every value the reader has, the fallback's otherwise.
void fillFromIni(TsGeneralData& entry, const SkinOptionsReader& reader, const QString& section)
{
    auto integer = [&](const char* key, int32_t fallback) {
        return reader.integer(section, QLatin1String(key)).value_or(fallback);
    };
    auto boolean = [&](const char* key, bool fallback) {
        return reader.boolean(section, QLatin1String(key)).value_or(fallback);
    };
    auto gradient = [&](const char* key, QString& data, TsGradArray& steps) {
        if (const std::optional<QString> text = reader.text(section, QLatin1String(key), QStringLiteral("?"))) {
            data = *text;
            steps = data == QLatin1String(" ") ? TsGradArray() : ParseGradientData(data);
        }
    };
    auto fontColors = [&](TsFontColors& colors, const char* text, const char* l, const char* t,
                          const char* r, const char* b) {
        const char* keys[5] = {text, l, t, r, b};
        for (int i = 0; i < 5; ++i)
            colors[std::size_t(i)] = TsColor(integer(keys[i], int32_t(colors[std::size_t(i)])));
    };

    entry.Color = TsColor(integer("COLOR", int32_t(entry.Color)));
    entry.Bevel = toBevel(integer("BEVEL", int32_t(entry.Bevel)));
    entry.ShadowBlur = integer("SHADOWBLUR", entry.ShadowBlur);
    entry.ShadowColor = TsColor(reader.ownInteger(section, QStringLiteral("SHADOWCOLOR")).value_or(0));
    entry.ShadowEnabled = boolean("SHADOWENABLED", entry.ShadowEnabled);
    entry.ReservedBoolean = boolean("RESERVEDBOOLEAN", entry.ReservedBoolean);
    entry.ShadowOffset = integer("SHADOWOFFSET", entry.ShadowOffset);
    entry.ShadowTransparency = integer("SHADOWTRANSPARENCY", entry.ShadowTransparency);
    fontColors(entry.FontColor, "FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM");
    fontColors(entry.HotFontColor, "HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM");
    entry.Transparency = integer("TRANSPARENCY", entry.Transparency);
    entry.GradientPercent = integer("GRADIENTPERCENT", entry.GradientPercent);
    gradient("GRADIENTDATA", entry.GradientData, entry.Gradient);
    entry.ImagePercent = integer("IMAGEPERCENT", entry.ImagePercent);
    entry.ShowFocus = boolean("SHOWFOCUS", entry.ShowFocus);
    entry.FadingEnabled = boolean("FADINGENABLED", entry.FadingEnabled);
    entry.FadingIntervalIn = integer("FADINGINTERVALIN", entry.FadingIntervalIn);
    entry.FadingIntervalOut = integer("FADINGINTERVALOUT", entry.FadingIntervalOut);
    entry.FadingIterations = integer("FADINGITERATIONS", entry.FadingIterations);
    entry.HotColor = TsColor(integer("HOTCOLOR", int32_t(entry.HotColor)));
    entry.HotTransparency = integer("HOTTRANSPARENCY", entry.HotTransparency);
    entry.HotBevel = toBevel(integer("HOTBEVEL", int32_t(entry.HotBevel)));
    entry.HotGradientPercent = integer("HOTGRADIENTPERCENT", entry.HotGradientPercent);
    gradient("HOTGRADIENTDATA", entry.HotGradientData, entry.HotGradient);
    entry.HotImagePercent = integer("HOTIMAGEPERCENT", entry.HotImagePercent);
    entry.BorderColor1 = TsColor(integer("BORDERCOLOR1", int32_t(entry.BorderColor1)));
    entry.BorderColor2 = TsColor(integer("BORDERCOLOR2", int32_t(entry.BorderColor2)));
}

void appendOptionsSections(TsSkinTables& tables, const SkinIniFile& options)
{
    const SkinOptionsReader reader(options, SkinOptionsReader::Inheritance::ThroughParents);
    for (const SkinIniFile::Section& section : options.sections()) {
        TsGeneralData entry;
        entry.SectionName = section.name;
        entry.ParentClass = options.readString(section.name, QStringLiteral("PARENTCLASS"), QString());
        fillFromIni(entry, reader, section.name);
        tables.sections.push_back(std::move(entry));
    }
}

// A common section may take its missing values only from a section already in the table.
void appendCommonSections(TsSkinTables& tables, const SkinIniFile& common)
{
    const SkinOptionsReader reader(common, SkinOptionsReader::Inheritance::None);
    for (const SkinIniFile::Section& section : common.sections()) {
        const QString parentClass = common.readString(section.name, QStringLiteral("PARENTCLASS"), QString());
        const int parent = parentClass.isEmpty() ? -1 : FindSectionIndex(tables.sections, parentClass);
        TsGeneralData entry = parent >= 0 ? tables.sections[std::size_t(parent)] : TsGeneralData();
        entry.SectionName = section.name;
        entry.ParentClass = parentClass;
        fillFromIni(entry, reader, section.name);
        tables.sections.push_back(std::move(entry));
    }
}

bool hasOldFormatSection(const SkinIniFile& options)
{
    return std::any_of(options.sections().begin(), options.sections().end(),
                       [](const SkinIniFile::Section& s) { return s.name.toUpper() == QLatin1String("TSEDIT"); });
}

} // namespace

QString oldSkinFormatMessage()
{
    return QStringLiteral("This skin is of an old version and cannot be used. "
                          "Please get a newer version of the skin.");
}

std::optional<TsMaskData> parsePieceValue(const QString& value)
{
    // The numbers are taken from the parenthesised groups, so blanks inside them do no harm;
    // without parentheses the words are split at blanks.
    static const QRegularExpression group(QStringLiteral("\\(([^()]*)\\)"));
    static const QRegularExpression blanks(QStringLiteral("[ ()]+"));
    static const QRegularExpression numberSeparators(QStringLiteral("[, ]+"));
    QStringList words;
    for (QRegularExpressionMatchIterator it = group.globalMatch(value); it.hasNext();)
        words << it.next().captured(1);
    if (words.isEmpty())
        words = value.split(blanks, Qt::SkipEmptyParts).mid(1);
    if (words.isEmpty())
        return std::nullopt;
    const QStringList rect = words[0].split(numberSeparators, Qt::SkipEmptyParts);
    if (rect.size() < 4)
        return std::nullopt;
    int32_t r[4];
    for (int i = 0; i < 4; ++i) {
        const std::optional<int32_t> n = parseSkinInteger(rect[i]);
        if (!n)
            return std::nullopt;
        r[i] = *n;
    }
    const QStringList counts = words.size() > 1 ? words[1].split(numberSeparators, Qt::SkipEmptyParts) : QStringList();
    auto count = [&](int i, int32_t fallback) {
        return i < counts.size() ? parseSkinInteger(counts[i]).value_or(fallback) : fallback;
    };
    TsMaskData piece;
    piece.R = TsRect{r[0], r[1], r[2], r[3]};
    piece.ImageCount = int16_t(std::clamp(count(0, 1), 1, 0x7FFF));
    piece.MaskType = int16_t(std::clamp(count(1, 0), 0, 0x7FFF));
    piece.BorderWidth = int16_t(std::clamp(count(2, 0), 0, 0x7FFF));
    return piece;
}

void ClearImageTable(TsSkinTables& tables)
{
    tables.masks.clear();
    tables.masterBitmap = Bitmap24();
}

void ClearPatternTable(TsSkinTables& tables)
{
    tables.patterns.clear();
}

void LoadImageTable(TsSkinTables& tables, const SkinLoadSource& source)
{
    ClearImageTable(tables);
    if (source.options) {
        const QString master = source.options->readString(kGlobalInfo, QStringLiteral("MASTERBITMAP"), QString());
        const QString path = SkinPictures::resolveExisting(source.skinFolder, master);
        if (!path.isEmpty())
            tables.masterBitmap = SkinPictures::loadBmp(path);
        appendIniImages(tables, *source.options, source.skinFolder, false);
    } else if (const TsStoredSkin* skin = storedSkin(source)) {
        appendStoredImages(tables, *skin);
    } else {
        return;
    }
    if (source.commonSections)
        appendIniImages(tables, *source.commonSections, source.skinFolder, true);
}

void LoadPatternTable(TsSkinTables& tables, const SkinLoadSource& source)
{
    ClearPatternTable(tables);
    if (source.options) {
        appendIniPatterns(tables, *source.options, source.skinFolder, true);
    } else if (const TsStoredSkin* skin = storedSkin(source)) {
        appendStoredPatterns(tables, *skin);
    } else {
        return;
    }
    if (source.commonSections)
        appendIniPatterns(tables, *source.commonSections, source.skinFolder, false);
}

void LoadSectionTable(TsSkinTables& tables, const SkinLoadSource& source, SkinInfo* info)
{
    tables.sections.clear();
    if (source.options) {
        if (info) {
            const QString version = source.options->readString(kGlobalInfo, QStringLiteral("VERSION"), QString());
            bool ok = false;
            const double number = version.toDouble(&ok);
            info->version = ok ? number : 0;
            info->author = source.options->readString(kGlobalInfo, QStringLiteral("AUTHOR"), QString());
            info->description = source.options->readString(kGlobalInfo, QStringLiteral("DESCRIPTION"), QString());
        }
        if (hasOldFormatSection(*source.options)) {
            Dialogs::instance().skinnedError(oldSkinFormatMessage());
            return;
        }
        appendOptionsSections(tables, *source.options);
    } else if (const TsStoredSkin* skin = storedSkin(source)) {
        appendStoredSections(tables, *skin);
    } else {
        return;
    }
    if (source.commonSections)
        appendCommonSections(tables, *source.commonSections);
}
