#include "skin/StoredSkinText.h"

#include "skin/SkinPictures.h"
#include "skin/SkinValues.h"

#include <QFileInfo>

#include <functional>
#include <map>

namespace {

const QString kSectionPrefix = QStringLiteral("Section");
const QString kImagePrefix = QStringLiteral("Image");

class ItemReader
{
public:
    ItemReader(const SkinIniFile& ini, SkinIssues* issues) : m_ini(ini), m_issues(issues) {}

    void report(int line, const QString& message) const
    {
        if (m_issues)
            m_issues->push_back(SkinIssue{m_ini.fileName(), line, message});
    }

    static QString unquoted(const QString& value)
    {
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            return value.mid(1, value.size() - 2);
        return value;
    }

    std::optional<TsColor> colour(const SkinIniFile::Key& key) const
    {
        static const std::map<QString, TsColor> names = {
            {QStringLiteral("clblack"), 0}, {QStringLiteral("clwhite"), 0xFFFFFF}, {QStringLiteral("clsilver"), 0xC0C0C0}};
        if (auto it = names.find(key.value.toLower()); it != names.end())
            return it->second;
        const std::optional<int32_t> value = integer(key);
        return value ? std::optional<TsColor>(TsColor(*value)) : std::nullopt;
    }

    std::optional<int32_t> integer(const SkinIniFile::Key& key) const
    {
        const std::optional<int32_t> value = parseSkinInteger(key.value);
        if (!value)
            report(key.line, QStringLiteral("%1: «%2» не является числом").arg(key.name, key.value));
        return value;
    }

    std::optional<bool> boolean(const SkinIniFile::Key& key) const
    {
        if (key.value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (key.value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        report(key.line, QStringLiteral("%1: «%2» не является True или False").arg(key.name, key.value));
        return std::nullopt;
    }

    std::optional<TsControlBevel> bevel(const SkinIniFile::Key& key) const
    {
        static const QStringList names = {QStringLiteral("cbNone"), QStringLiteral("cbRaisedSoft"),
                                          QStringLiteral("cbLoweredSoft"), QStringLiteral("cbRaisedHard"),
                                          QStringLiteral("cbLoweredHard")};
        for (int i = 0; i < names.size(); ++i) {
            if (names[i].compare(key.value, Qt::CaseInsensitive) == 0)
                return static_cast<TsControlBevel>(i);
        }
        report(key.line, QStringLiteral("%1: неизвестный вид рамки «%2»").arg(key.name, key.value));
        return std::nullopt;
    }

    QString text(const SkinIniFile::Key& key) const
    {
        const QString value = unquoted(key.value);
        if (const SkinIniFile::Key* named = m_ini.key(QStringLiteral("Gradients"), value))
            return named->value;
        return value;
    }

private:
    const SkinIniFile& m_ini;
    SkinIssues* m_issues;
};

using GeneralSetter = std::function<void(TsSkinGeneral&, const SkinIniFile::Key&, const ItemReader&)>;

template <typename T, typename Read>
GeneralSetter setter(T TsSkinGeneral::*field, Read read)
{
    return [field, read](TsSkinGeneral& item, const SkinIniFile::Key& key, const ItemReader& reader) {
        if (auto value = read(reader, key))
            item.*field = T(*value);
    };
}

const std::map<QString, GeneralSetter>& generalSetters()
{
    auto colour = [](const ItemReader& r, const SkinIniFile::Key& k) { return r.colour(k); };
    auto integer = [](const ItemReader& r, const SkinIniFile::Key& k) { return r.integer(k); };
    auto boolean = [](const ItemReader& r, const SkinIniFile::Key& k) { return r.boolean(k); };
    auto bevel = [](const ItemReader& r, const SkinIniFile::Key& k) { return r.bevel(k); };
    auto text = [](const ItemReader& r, const SkinIniFile::Key& k) { return std::optional<QString>(r.text(k)); };
    static const std::map<QString, GeneralSetter> setters = {
        {QStringLiteral("PARENTCLASS"), setter(&TsSkinGeneral::ParentClass, text)},
        {QStringLiteral("COLOR"), setter(&TsSkinGeneral::Color, colour)},
        {QStringLiteral("BEVEL"), setter(&TsSkinGeneral::Bevel, bevel)},
        {QStringLiteral("SHADOWBLUR"), setter(&TsSkinGeneral::ShadowBlur, integer)},
        {QStringLiteral("SHADOWCOLOR"), setter(&TsSkinGeneral::ShadowColor, colour)},
        {QStringLiteral("SHADOWDONTUSE"), setter(&TsSkinGeneral::ShadowDontUse, boolean)},
        {QStringLiteral("SHADOWENABLED"), setter(&TsSkinGeneral::ShadowEnabled, boolean)},
        {QStringLiteral("RESERVEDBOOLEAN"), setter(&TsSkinGeneral::ReservedBoolean, boolean)},
        {QStringLiteral("SHADOWOFFSET"), setter(&TsSkinGeneral::ShadowOffset, integer)},
        {QStringLiteral("SHADOWTRANSPARENCY"), setter(&TsSkinGeneral::ShadowTransparency, integer)},
        {QStringLiteral("FONTCOLOR"), setter(&TsSkinGeneral::FontColor, text)},
        {QStringLiteral("HOTFONTCOLOR"), setter(&TsSkinGeneral::HotFontColor, text)},
        {QStringLiteral("TRANSPARENCY"), setter(&TsSkinGeneral::Transparency, integer)},
        {QStringLiteral("GRADIENTPERCENT"), setter(&TsSkinGeneral::GradientPercent, integer)},
        {QStringLiteral("GRADIENTDATA"), setter(&TsSkinGeneral::GradientData, text)},
        {QStringLiteral("IMAGEPERCENT"), setter(&TsSkinGeneral::ImagePercent, integer)},
        {QStringLiteral("SHOWFOCUS"), setter(&TsSkinGeneral::ShowFocus, boolean)},
        {QStringLiteral("FADINGENABLED"), setter(&TsSkinGeneral::FadingEnabled, boolean)},
        {QStringLiteral("FADINGINTERVALIN"), setter(&TsSkinGeneral::FadingIntervalIn, integer)},
        {QStringLiteral("FADINGINTERVALOUT"), setter(&TsSkinGeneral::FadingIntervalOut, integer)},
        {QStringLiteral("FADINGITERATIONS"), setter(&TsSkinGeneral::FadingIterations, integer)},
        {QStringLiteral("HOTCOLOR"), setter(&TsSkinGeneral::HotColor, colour)},
        {QStringLiteral("HOTTRANSPARENCY"), setter(&TsSkinGeneral::HotTransparency, integer)},
        {QStringLiteral("HOTBEVEL"), setter(&TsSkinGeneral::HotBevel, bevel)},
        {QStringLiteral("HOTGRADIENTPERCENT"), setter(&TsSkinGeneral::HotGradientPercent, integer)},
        {QStringLiteral("HOTGRADIENTDATA"), setter(&TsSkinGeneral::HotGradientData, text)},
        {QStringLiteral("HOTIMAGEPERCENT"), setter(&TsSkinGeneral::HotImagePercent, integer)},
        {QStringLiteral("BORDERCOLOR1"), setter(&TsSkinGeneral::BorderColor1, colour)},
        {QStringLiteral("BORDERCOLOR2"), setter(&TsSkinGeneral::BorderColor2, colour)},
        {QStringLiteral("NAME"), setter(&TsSkinGeneral::Name, text)},
    };
    return setters;
}

void applyGeneralKeys(TsSkinGeneral& item, const SkinIniFile::Section& section, const ItemReader& reader)
{
    for (const SkinIniFile::Key& key : section.keys) {
        const auto it = generalSetters().find(key.name.toUpper());
        if (it == generalSetters().end())
            reader.report(key.line, QStringLiteral("неизвестный ключ «%1»").arg(key.name));
        else
            it->second(item, key, reader);
    }
}

void applyImageKeys(TsSkinImage& item, const SkinIniFile::Section& section, const ItemReader& reader,
                    const TsStoredSkin& skin, const QString& folder)
{
    for (const SkinIniFile::Key& key : section.keys) {
        const QString name = key.name.toUpper();
        if (name == QLatin1String("RECT")) {
            const QStringList parts = key.value.split(QLatin1Char(','));
            std::optional<int32_t> v[4];
            for (int i = 0; i < 4 && parts.size() == 4; ++i)
                v[i] = parseSkinInteger(parts[i]);
            if (parts.size() != 4 || !v[0] || !v[1] || !v[2] || !v[3]) {
                reader.report(key.line, QStringLiteral("Rect: нужны четыре числа, а не «%1»").arg(key.value));
                continue;
            }
            item.Left = *v[0];
            item.Top = *v[1];
            item.Right = *v[2];
            item.Bottom = *v[3];
        } else if (name == QLatin1String("IMAGECOUNT")) {
            item.ImageCount = reader.integer(key).value_or(item.ImageCount);
        } else if (name == QLatin1String("MASKTYPE")) {
            item.MaskType = reader.integer(key).value_or(item.MaskType);
        } else if (name == QLatin1String("BORDERWIDTH")) {
            item.BorderWidth = reader.integer(key).value_or(item.BorderWidth);
        } else if (name == QLatin1String("NAME")) {
            item.Name = reader.text(key);
        } else if (name == QLatin1String("IMAGE")) {
            if (key.value.compare(QLatin1String("MASTER"), Qt::CaseInsensitive) == 0) {
                item.Image = skin.MasterBitmap;
                continue;
            }
            const QString path = SkinPictures::resolveExisting(folder, reader.text(key));
            item.Image = path.isEmpty() ? Bitmap24() : SkinPictures::loadBmp(path);
            if (item.Image.isNull())
                reader.report(key.line, QStringLiteral("нет картинки «%1»").arg(key.value));
        } else {
            reader.report(key.line, QStringLiteral("неизвестный ключ «%1»").arg(key.name));
        }
    }
}

// "Section NAME" or "Image SECTION PROPERTY"; the kind word and the rest.
std::pair<QString, QStringList> splitHeader(const QString& header)
{
    QStringList words = header.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString kind = words.isEmpty() ? QString() : words.takeFirst();
    return {kind, words};
}

} // namespace

namespace StoredSkinText {

TsStoredSkin parse(const SkinIniFile& ini, const QString& folder, SkinIssues* issues)
{
    const ItemReader reader(ini, issues);
    TsStoredSkin skin;
    TsSkinGeneral defaults;
    for (const SkinIniFile::Section& section : ini.sections()) {
        const auto [kind, words] = splitHeader(section.name);
        if (section.name == QLatin1String("Skin")) {
            skin.Name = ini.readString(section.name, QStringLiteral("Name"), QString());
            const QString master = ini.readString(section.name, QStringLiteral("MasterBitmap"), QString());
            const QString path = SkinPictures::resolveExisting(folder, master);
            skin.MasterBitmap = path.isEmpty() ? Bitmap24() : SkinPictures::loadBmp(path);
            if (skin.MasterBitmap.isNull())
                reader.report(section.line, QStringLiteral("нет основной картинки «%1»").arg(master));
        } else if (section.name == QLatin1String("Gradients")) {
            continue;
        } else if (section.name == QLatin1String("Defaults")) {
            applyGeneralKeys(defaults, section, reader);
        } else if (kind == kSectionPrefix && words.size() <= 1) {
            TsSkinGeneral item = defaults;
            item.SectionName = words.value(0);
            applyGeneralKeys(item, section, reader);
            skin.GeneralData.push_back(std::move(item));
        } else if (kind == kImagePrefix && words.size() == 2) {
            TsSkinImage item;
            item.SectionName = words[0];
            item.PropertyName = words[1];
            applyImageKeys(item, section, reader, skin, folder);
            skin.Images.push_back(std::move(item));
        } else {
            reader.report(section.line, QStringLiteral("непонятный раздел [%1]").arg(section.name));
        }
    }
    return skin;
}

TsStoredSkin load(const QString& path, SkinIssues* issues)
{
    const std::optional<SkinIniFile> ini = SkinIniFile::fromFile(path);
    if (!ini) {
        if (issues)
            issues->push_back(SkinIssue{path, 0, QStringLiteral("файл не читается")});
        return TsStoredSkin();
    }
    return parse(*ini, QFileInfo(path).path(), issues);
}

QString builtInPath()
{
    return QStringLiteral(":/skins/golden.skin");
}

} // namespace StoredSkinText

TsStoredSkins builtInStoredSkins()
{
    static const TsStoredSkin golden = StoredSkinText::load(StoredSkinText::builtInPath());
    return TsStoredSkins{golden};
}
