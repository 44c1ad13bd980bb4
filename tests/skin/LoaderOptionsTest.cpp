#include "common/ScriptedDialogs.h"
#include "skin/SkinError.h"
#include "skin/SkinLoaders.h"
#include "skin/SkinLookups.h"
#include "skin/SkinPictures.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// An external skin folder in a temporary directory.
class SkinFolder
{
public:
    SkinFolder() { EXPECT_TRUE(m_dir.isValid()); }

    QString path() const { return m_dir.path() + QLatin1Char('/'); }

    void writeOptions(const char* text)
    {
        QFile file(QDir(m_dir.path()).filePath(QStringLiteral("Options.dat")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    void writePicture(const QString& name, int width, int height, const char* format, QRgb colour = 0xFFC08040)
    {
        QDir(m_dir.path()).mkpath(QFileInfo(name).path());
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QDir(m_dir.path()).filePath(name), format));
    }

    void truncate(const QString& name, qint64 size)
    {
        QFile file(QDir(m_dir.path()).filePath(name));
        ASSERT_TRUE(file.resize(size));
    }

    SkinIniFile options() const
    {
        return SkinIniFile::fromFile(QDir(m_dir.path()).filePath(QStringLiteral("Options.dat"))).value_or(SkinIniFile());
    }

private:
    QTemporaryDir m_dir;
};

struct Loaded
{
    TsSkinTables tables;
    SkinInfo info;
};

Loaded loadAll(const SkinIniFile& options, const QString& folder, const SkinIniFile* common = nullptr)
{
    Loaded loaded;
    const SkinLoadSource source{&options, folder, nullptr, QString(), common};
    LoadImageTable(loaded.tables, source);
    LoadPatternTable(loaded.tables, source);
    LoadSectionTable(loaded.tables, source, &loaded.info);
    return loaded;
}

const TsGeneralData& sectionOf(const TsSkinTables& tables, const char* name)
{
    const int index = FindSectionIndex(tables.sections, QString::fromLatin1(name));
    EXPECT_GE(index, 0) << name;
    static const TsGeneralData none;
    return index < 0 ? none : tables.sections[std::size_t(index)];
}

TEST(LoaderOptions, ReadRulesInheritThroughParentClass)
{
    const SkinIniFile options = SkinIniFile::fromText(QStringLiteral(R"(
[GLOBALINFO]
COLOR=$7DB7D2
VERSION=5.25
AUTHOR=Кафедра
DESCRIPTION=Проба
[BASE]
COLOR=255
SHADOWCOLOR=77
TCRIGHT=16777215
GRADIENTDATA=1;2;50;1;0
SHOWFOCUS=true
BEVEL=3
[CHILD]
PARENTCLASS=BASE
COLOR=-1
[ALONE]
COLOR=-1
[GRAND]
parentclass=child
[BADNUMBER]
PARENTCLASS=BASE
COLOR=abc
[OWNGRADIENT]
PARENTCLASS=BASE
GRADIENTDATA=?
HOTGRADIENTDATA=3;4;100;0;0
[SELF]
PARENTCLASS=SELF
COLOR=-1
[QUESTION]
PARENTCLASS=?
[LOOP1]
PARENTCLASS=LOOP2
[LOOP2]
PARENTCLASS=LOOP3
[LOOP3]
PARENTCLASS=loop1
[BADBEVEL]
BEVEL=9
HOTBEVEL=4
)"));
    const Loaded loaded = loadAll(options, QString());
    const TsSkinTables& t = loaded.tables;
    using Get = std::function<int64_t(const TsGeneralData&)>;
    const Get color = [](const TsGeneralData& d) { return int64_t(d.Color); };
    struct Row
    {
        const char* name;
        const char* section;
        Get get;
        int64_t expected;
    };
    const Row rows[] = {
        {"-1 inherits the parent's 255", "CHILD", color, 255},
        {"-1 without parent defaults to white", "ALONE", color, 0xFFFFFF},
        {"grandparent through lower-case key and name", "GRAND", color, 255},
        {"unreadable value inherits", "BADNUMBER", color, 255},
        {"self parent is no parent", "SELF", color, 0xFFFFFF},
        {"question mark is no parent", "QUESTION", color, 0xFFFFFF},
        {"loop of three ends as unset", "LOOP1", color, 0xFFFFFF},
        {"hexadecimal colour", "GLOBALINFO", color, 0x7DB7D2},
        {"shadow colour is read", "BASE", [](const TsGeneralData& d) { return int64_t(d.ShadowColor); }, 77},
        {"shadow colour is not inherited", "CHILD", [](const TsGeneralData& d) { return int64_t(d.ShadowColor); }, 0},
        {"contour inherits", "CHILD", [](const TsGeneralData& d) { return int64_t(d.FontColor[3]); }, 0xFFFFFF},
        {"contour defaults to none", "CHILD", [](const TsGeneralData& d) { return int64_t(d.FontColor[1]); }, int64_t(kNoColor)},
        {"boolean inherits", "GRAND", [](const TsGeneralData& d) { return int64_t(d.ShowFocus); }, 1},
        {"boolean defaults to false", "ALONE", [](const TsGeneralData& d) { return int64_t(d.ShowFocus); }, 0},
        {"bevel inherits", "CHILD", [](const TsGeneralData& d) { return int64_t(d.Bevel); }, int64_t(TsControlBevel::cbRaisedHard)},
        {"bevel out of range is none", "BADBEVEL", [](const TsGeneralData& d) { return int64_t(d.Bevel); }, 0},
        {"hot bevel 4", "BADBEVEL", [](const TsGeneralData& d) { return int64_t(d.HotBevel); }, int64_t(TsControlBevel::cbLoweredHard)},
        {"gradient inherits", "CHILD", [](const TsGeneralData& d) { return int64_t(d.Gradient.size()); }, 1},
        {"gradient ? inherits", "OWNGRADIENT", [](const TsGeneralData& d) { return int64_t(d.Gradient.size()); }, 1},
        {"hot gradient read", "OWNGRADIENT", [](const TsGeneralData& d) { return int64_t(d.HotGradient.at(0).Color2); }, 4},
        {"default gradient is none", "ALONE", [](const TsGeneralData& d) { return int64_t(d.Gradient.size()); }, 0},
        {"default shadow blur", "ALONE", [](const TsGeneralData& d) { return int64_t(d.ShadowBlur); }, 6},
        {"default shadow transparency", "ALONE", [](const TsGeneralData& d) { return int64_t(d.ShadowTransparency); }, 50},
        {"default fading", "ALONE", [](const TsGeneralData& d) { return int64_t(d.FadingIterations); }, 5},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.get(sectionOf(t, row.section)), row.expected) << row.name;

    EXPECT_EQ(sectionOf(t, "CHILD").ParentClass, QStringLiteral("BASE"));
    EXPECT_EQ(sectionOf(t, "ALONE").GradientData, QStringLiteral(" "));
    EXPECT_EQ(sectionOf(t, "ALONE").HotGradientData, QString());
    ASSERT_EQ(t.sections.size(), options.sections().size());
    EXPECT_EQ(t.sections.front().SectionName, QStringLiteral("GLOBALINFO"));
    EXPECT_DOUBLE_EQ(loaded.info.version, 5.25);
    EXPECT_EQ(loaded.info.author, QStringLiteral("Кафедра"));
    EXPECT_EQ(loaded.info.description, QStringLiteral("Проба"));
    EXPECT_EQ(GlobalSkinColor(t.sections), 0x7DB7D2u);
}

// A skin of 2,000 sections, each inheriting from the one before: its loading once took
// cubic time (minutes here). The values still come down the whole chain, a loop at its
// end still reads as unset, and names still match in any case.
TEST(LoaderOptions, AGeneratedSkinOfTwoThousandSectionsLoadsWithItsInheritance)
{
    constexpr int kSections = 2000;
    QString text = QStringLiteral("[GLOBALINFO]\nVERSION=5\n[S0]\nCOLOR=4242\nSHOWFOCUS=TRUE\n");
    for (int i = 1; i < kSections; ++i)
        text += QStringLiteral("[S%1]\nparentclass=s%2\nBEVEL=%3\n").arg(i).arg(i - 1).arg(i % 4);
    text += QStringLiteral("[LOOPA]\nPARENTCLASS=LOOPB\n[LOOPB]\nPARENTCLASS=LOOPA\nCOLOR=-1\n");
    const SkinIniFile options = SkinIniFile::fromText(text);
    ASSERT_EQ(options.sections().size(), std::size_t(kSections + 3));

    SkinLoadSource source;
    source.options = &options;
    TsSkinTables tables;
    LoadSectionTable(tables, source);
    ASSERT_EQ(tables.sections.size(), std::size_t(kSections + 3));
    const auto entry = [&](const char* name) -> const TsGeneralData& {
        const auto found = std::find_if(tables.sections.begin(), tables.sections.end(),
                                        [&](const TsGeneralData& d) { return d.SectionName == QLatin1String(name); });
        static const TsGeneralData none;
        EXPECT_NE(found, tables.sections.end()) << name;
        return found == tables.sections.end() ? none : *found;
    };
    for (const auto& [section, bevel] : {std::pair{"S1", 1}, {"S1000", 0}, {"S1999", 3}}) {
        const TsGeneralData& data = entry(section);
        EXPECT_EQ(int32_t(data.Color), 4242) << section;
        EXPECT_TRUE(data.ShowFocus) << section;
        EXPECT_EQ(int(data.Bevel), bevel) << section;
    }
    EXPECT_NE(int32_t(entry("LOOPA").Color), 4242) << "a loop inherits nothing";
    EXPECT_EQ(options.readString(QStringLiteral("s1999"), QStringLiteral("ParentClass"), QString()),
              QStringLiteral("s1998"));
}

// A child's own FALSE stands against its parent's TRUE; a value that is no boolean is
// unset and comes from the parent.
TEST(LoaderOptions, BooleansFromASkinFolder)
{
    SkinFolder folder;
    folder.writeOptions("[PARENT]\n"
                        "SHOWFOCUS=TRUE\nFADINGENABLED=TRUE\nSHADOWENABLED=TRUE\nRESERVEDBOOLEAN=FALSE\n"
                        "[CHILD]\nPARENTCLASS=PARENT\n"
                        "SHOWFOCUS=FALSE\nFADINGENABLED=yes\nSHADOWENABLED=False\nRESERVEDBOOLEAN= true \n"
                        "[GRANDCHILD]\nPARENTCLASS=CHILD\nSHOWFOCUS=?\nFADINGENABLED=\n"
                        "[ORPHAN]\nSHOWFOCUS=1\n");
    const Loaded loaded = loadAll(folder.options(), folder.path());
    struct Row
    {
        const char* name;
        const char* section;
        bool TsGeneralData::*field;
        bool expected;
    };
    const Row rows[] = {
        {"own FALSE under TRUE", "CHILD", &TsGeneralData::ShowFocus, false},
        {"own False under TRUE", "CHILD", &TsGeneralData::ShadowEnabled, false},
        {"own TRUE with blanks under FALSE", "CHILD", &TsGeneralData::ReservedBoolean, true},
        {"no boolean inherits TRUE", "CHILD", &TsGeneralData::FadingEnabled, true},
        {"? inherits the child's FALSE", "GRANDCHILD", &TsGeneralData::ShowFocus, false},
        {"empty inherits through the child", "GRANDCHILD", &TsGeneralData::FadingEnabled, true},
        {"missing inherits the child's own", "GRANDCHILD", &TsGeneralData::ShadowEnabled, false},
        {"no boolean without parent is FALSE", "ORPHAN", &TsGeneralData::ShowFocus, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(sectionOf(loaded.tables, row.section).*row.field, row.expected) << row.name;
}

TEST(LoaderOptions, PiecesAndOwnPictures)
{
    SkinFolder folder;
    folder.writePicture(QStringLiteral("master.bmp"), 60, 40, "BMP");
    folder.writePicture(QStringLiteral("glyph.bmp"), 9, 4, "BMP");
    folder.writePicture(QStringLiteral("sub/Arrow.bmp"), 6, 2, "BMP");
    folder.writeOptions(R"(
[GLOBALINFO]
MASTERBITMAP=Master.BMP
[BUTTON]
BORDERSMASK=# (0,0,30,20) (3,1)
GLYPHMASK=#
TITLEBUTTON=# ( 1, 2, 3, 4 ) ( 0 , -2, -5 )
BICONMIN=# (1,2,3,4) (2,1,7)
SLIDERMASK=# 5,6,7,8 2,1
PATTERN=# (1,2) (3,1)
[EDIT]
GLYPHMASK=glyph.bmp
GRIPIMAGE=sub\arrow.BMP
BICONHELP=missing.bmp
)");
    const Loaded loaded = loadAll(folder.options(), folder.path());
    const TsSkinTables& t = loaded.tables;
    ASSERT_EQ(t.masterBitmap.width(), 60);
    ASSERT_EQ(t.masterBitmap.height(), 40);
    EXPECT_EQ(t.masterBitmap.pixel(5, 5), 0x4080C0u); // 00BBGGRR of the written colour

    struct Row
    {
        const char* section;
        const char* property;
        TsRect rect;
        int count, mask, border, ownWidth;
    };
    const Row rows[] = {
        {"GLOBALINFO", "MASTERBITMAP", {}, 0, 0, 0, 60},
        {"BUTTON", "BORDERSMASK", {0, 0, 30, 20}, 3, 1, 0, 0},
        {"BUTTON", "TITLEBUTTON", {1, 2, 3, 4}, 1, 0, 0, 0},
        {"BUTTON", "BICONMIN", {1, 2, 3, 4}, 2, 1, 7, 0},
        {"BUTTON", "SLIDERMASK", {5, 6, 7, 8}, 2, 1, 0, 0},
        {"EDIT", "GLYPHMASK", {}, 0, 0, 0, 9},
        {"EDIT", "GRIPIMAGE", {}, 0, 0, 0, 6},
    };
    ASSERT_EQ(t.masks.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        const TsMaskData& m = t.masks[i];
        EXPECT_EQ(m.SectionName, QString::fromLatin1(row.section)) << i;
        EXPECT_EQ(m.PropertyName, QString::fromLatin1(row.property)) << i;
        EXPECT_EQ(m.R, row.rect) << row.property;
        EXPECT_EQ(m.ImageCount, row.count) << row.property;
        EXPECT_EQ(m.MaskType, row.mask) << row.property;
        EXPECT_EQ(m.BorderWidth, row.border) << row.property;
        EXPECT_EQ(m.Bitmap.width(), row.ownWidth) << row.property;
    }
}

TEST(LoaderOptions, PiecesNeedAMasterBitmap)
{
    SkinFolder folder;
    folder.writePicture(QStringLiteral("master.bmp"), 60, 40, "BMP");
    folder.truncate(QStringLiteral("master.bmp"), 200);
    folder.writeOptions("[GLOBALINFO]\nMASTERBITMAP=master.bmp\n[BUTTON]\nBORDERSMASK=# (0,0,30,20) (3,1)\n");
    const Loaded loaded = loadAll(folder.options(), folder.path());
    EXPECT_TRUE(loaded.tables.masterBitmap.isNull());
    EXPECT_TRUE(loaded.tables.masks.empty());
}

TEST(LoaderOptions, JpegSizeDecidesPatternOrImage)
{
    SkinFolder folder;
    folder.writePicture(QStringLiteral("big.jpg"), 400, 300, "JPG");
    folder.writePicture(QStringLiteral("small.JPEG"), 200, 200, "JPG");
    folder.writePicture(QStringLiteral("edge.jpg"), 300, 300, "JPG");
    folder.writePicture(QStringLiteral("broken.jpg"), 400, 300, "JPG");
    folder.truncate(QStringLiteral("broken.jpg"), 100);
    folder.writeOptions(R"(
[PANEL]
PATTERN=big.jpg
HOTPATTERN=small.jpeg
[FORM]
PATTERN=edge.jpg
HOTPATTERN=broken.jpg
GLYPHMASK=nothere.jpg
)");
    const Loaded loaded = loadAll(folder.options(), folder.path());
    const TsSkinTables& t = loaded.tables;
    ASSERT_EQ(t.patterns.size(), 2u);
    EXPECT_EQ(t.patterns[0].SectionName, QStringLiteral("PANEL"));
    EXPECT_EQ(t.patterns[0].PropertyName, QStringLiteral("PATTERN"));
    EXPECT_EQ(t.patterns[0].Image.width(), 400);
    EXPECT_EQ(t.patterns[1].SectionName, QStringLiteral("FORM"));
    EXPECT_EQ(t.patterns[1].Image.width() * t.patterns[1].Image.height(), 90000);
    ASSERT_EQ(t.masks.size(), 1u);
    EXPECT_EQ(t.masks[0].PropertyName, QStringLiteral("HOTPATTERN"));
    EXPECT_EQ(t.masks[0].Bitmap.width(), 200);
    EXPECT_EQ(t.masks[0].Bitmap.height(), 200);

    // Common sections make every picture a pattern, whatever its size.
    const SkinIniFile common = SkinIniFile::fromCommonSections(
        {QStringLiteral("[EXTRA]"), QStringLiteral("PATTERN = small.JPEG")});
    const Loaded withCommon = loadAll(folder.options(), folder.path(), &common);
    ASSERT_EQ(withCommon.tables.patterns.size(), 3u);
    EXPECT_EQ(withCommon.tables.patterns[2].SectionName, QStringLiteral("EXTRA"));
    EXPECT_EQ(withCommon.tables.patterns[2].Image.width(), 200);
}

TEST(LoaderOptions, OldFormatShowsTheErrorAndLeavesNoSections)
{
    SkinFolder folder;
    folder.writePicture(QStringLiteral("master.bmp"), 20, 20, "BMP");
    folder.writeOptions("[GLOBALINFO]\nMASTERBITMAP=master.bmp\n[tsEdit]\nCOLOR=1\n[BUTTON]\nBORDERSMASK=# (0,0,9,9) (3,0)\n");
    ScriptedDialogs dialogs;
    const Loaded loaded = loadAll(folder.options(), folder.path());
    EXPECT_TRUE(loaded.tables.sections.empty());
    EXPECT_EQ(loaded.tables.masks.size(), 2u); // MASTERBITMAP and BORDERSMASK still load
    ASSERT_EQ(dialogs.boxes.size(), 1);
    // The engine's own dialog, error kind, OK only.
    EXPECT_EQ(dialogs.boxes[0].kind, QStringLiteral("skinned"));
    EXPECT_EQ(dialogs.boxes[0].messageKind, Dialogs::MessageKind::Error);
    EXPECT_EQ(dialogs.boxes[0].buttons, Dialogs::mbOK);
    EXPECT_EQ(dialogs.boxes[0].text, oldSkinFormatMessage());
    EXPECT_TRUE(dialogs.boxes[0].text.contains(QLatin1String("old version")));
}

TEST(LoaderOptions, GradientWordThatIsNoNumberStopsTheLoad)
{
    const SkinIniFile options = SkinIniFile::fromText(QStringLiteral("[A]\nCOLOR=1\n[B]\nGRADIENTDATA=1;x;3;0;0\n"));
    TsSkinTables tables;
    const SkinLoadSource source{&options, QString(), nullptr, QString(), nullptr};
    EXPECT_THROW(LoadSectionTable(tables, source), SkinError);
}

TEST(LoaderOptions, CommonSectionsFollowTheSkin)
{
    const SkinIniFile options = SkinIniFile::fromText(QStringLiteral("[BUTTON]\nCOLOR=255\nSHOWFOCUS=TRUE\n"));
    const SkinIniFile common = SkinIniFile::fromCommonSections({
        QStringLiteral("; a comment with blanks"),
        QStringLiteral("[ MY BUTTON ]"),
        QStringLiteral("PARENT CLASS = button"),
        QStringLiteral("HOT COLOR = 12"),
        QStringLiteral("[ORPHAN]"),
        QStringLiteral("PARENTCLASS=LATER"),
        QStringLiteral("[LATER]"),
        QStringLiteral("COLOR=7"),
    });
    const Loaded loaded = loadAll(options, QString(), &common);
    const TsSkinTables& t = loaded.tables;
    ASSERT_EQ(t.sections.size(), 4u);
    EXPECT_EQ(t.sections[1].SectionName, QStringLiteral("MYBUTTON"));
    EXPECT_EQ(t.sections[1].Color, 255u);   // copied from BUTTON
    EXPECT_TRUE(t.sections[1].ShowFocus);   // copied from BUTTON
    EXPECT_EQ(t.sections[1].HotColor, 12u); // its own
    EXPECT_EQ(t.sections[2].Color, 0xFFFFFFu); // LATER is not yet in the table
    EXPECT_EQ(t.sections[3].Color, 7u);
}

TEST(LoaderOptions, ClearingEmptiesTheTables)
{
    SkinFolder folder;
    folder.writePicture(QStringLiteral("master.bmp"), 20, 20, "BMP");
    folder.writePicture(QStringLiteral("big.jpg"), 400, 300, "JPG");
    folder.writeOptions("[GLOBALINFO]\nMASTERBITMAP=master.bmp\n[PANEL]\nPATTERN=big.jpg\n");
    Loaded loaded = loadAll(folder.options(), folder.path());
    ASSERT_FALSE(loaded.tables.masks.empty());
    ASSERT_FALSE(loaded.tables.patterns.empty());
    ClearImageTable(loaded.tables);
    ClearPatternTable(loaded.tables);
    EXPECT_TRUE(loaded.tables.masks.empty());
    EXPECT_TRUE(loaded.tables.patterns.empty());
    EXPECT_TRUE(loaded.tables.masterBitmap.isNull());
}

TEST(LoaderOptions, DamagedPicturesGiveNothing)
{
    SkinFolder folder;
    folder.writePicture(QStringLiteral("a.bmp"), 50, 50, "BMP");
    folder.writePicture(QStringLiteral("b.jpg"), 50, 50, "JPG");
    const QString base = folder.path();
    for (qint64 size : {5000, 1000, 54, 10, 0}) {
        folder.truncate(QStringLiteral("a.bmp"), size);
        EXPECT_TRUE(SkinPictures::loadBmp(base + QStringLiteral("a.bmp")).isNull()) << size;
    }
    for (qint64 size : {300, 100, 2, 0}) {
        folder.truncate(QStringLiteral("b.jpg"), size);
        EXPECT_TRUE(SkinPictures::loadJpeg(base + QStringLiteral("b.jpg")).isNull()) << size;
    }
    EXPECT_TRUE(SkinPictures::loadBmp(base + QStringLiteral("none.bmp")).isNull());
}

} // namespace
