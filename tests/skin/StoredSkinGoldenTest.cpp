#include "PaintTestSupport.h"

#include "skin/SkinLoaders.h"
#include "skin/SkinLookups.h"
#include "skin/StoredSkinText.h"
#include "skin/paint/PaintBorder.h"
#include "skin/paint/PaintImagePiece.h"
#include "skin/paint/TsParentCache.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString kGolden = QStringLiteral("Golden (internal)");
const QString G1 = QStringLiteral("5872819;8306902;25;1;0;8306902;13890042;25;1;0;13890042;10278635;24;1;0;10278635;5807808;25;1;0;5807808;5807808;0;1;0");
const QString G2 = QStringLiteral("16777215;11462640;20;0;0;11462640;9356501;50;0;0;9356501;12575726;15;0;0;12575726;7188167;14;0;0;7188167;7188167;0;0;0");
const QString G3 = QStringLiteral("16777215;11462640;20;0;0;11462640;16777215;50;0;0;16777215;12575726;15;0;0;12575726;7188167;14;0;0;7188167;7188167;0;0;0");

const TsStoredSkin& golden()
{
    static const TsStoredSkins skins = builtInStoredSkins();
    return skins.at(0);
}

const TsSkinTables& loadedGolden()
{
    static const TsSkinTables tables = [] {
        TsSkinTables t;
        const TsStoredSkins skins = builtInStoredSkins();
        const SkinLoadSource source{nullptr, QString(), &skins, kGolden, nullptr};
        LoadImageTable(t, source);
        LoadPatternTable(t, source);
        LoadSectionTable(t, source);
        return t;
    }();
    return tables;
}

const TsSkinGeneral& item(const char* name)
{
    for (const TsSkinGeneral& g : golden().GeneralData) {
        if (g.SectionName == QLatin1String(name))
            return g;
    }
    ADD_FAILURE() << "no section " << name;
    static const TsSkinGeneral none;
    return none;
}

TEST(StoredSkinGolden, HoldsOneSkinWithItsItemsInStoredOrder)
{
    const TsStoredSkins skins = builtInStoredSkins();
    ASSERT_EQ(skins.size(), 1u);
    EXPECT_EQ(skins[0].Name, kGolden);
    const QStringList order = QStringLiteral(
        "PAGECONTROLLEFT PAGECONTROLBOTTOM SPLITTER MENULINE MAINMENU MENUITEM BUTTON_BIG SCROLLSLIDERH "
        "SCROLLSLIDERV DIVIDER COMBOBOX SCROLLBAR1H SCROLLBAR1V SCROLLBAR2H SCROLLBAR2V SCROLLBTNBOTTOM "
        "SCROLLBTNRIGHT SCROLLBTNLEFT SCROLLBTNTOP TABSHEET TABSHEETBOTTOM TABSHEETLEFT TABSHEETRIGHT DIALOG "
        "EDIT GLOBALINFO PROGRESSH PROGRESSV TOOLBAR PANEL FORMTITLE PANEL_LOW GAUGE TRACKBAR EDIT_EXT "
        "TABBOTTOM TABCONTROL TABCONTROLBOTTOM TABCONTROLLEFT TABCONTROLRIGHT TABLEFT DRAGBAR BUTTON "
        "SPEEDBUTTON TOOLBUTTON STATUSBAR GROUPBOX CHECKBOX RADIOBUTTON PAGECONTROL PAGECONTROLRIGHT "
        "TABRIGHT COMBOBOX_EXT TABTOP FORM SPEEDBUTTON_SMALL").split(QLatin1Char(' '));
    ASSERT_EQ(golden().GeneralData.size(), 57u);
    for (int i = 0; i < order.size(); ++i)
        EXPECT_EQ(golden().GeneralData[std::size_t(i)].SectionName, order[i]) << i;
    EXPECT_EQ(golden().Images.size(), 69u);
    EXPECT_TRUE(golden().Patterns.empty());
    EXPECT_EQ(golden().MasterBitmap.width(), 189);
    EXPECT_EQ(golden().MasterBitmap.height(), 403);
}

TEST(StoredSkinGolden, LastItemIsUnnamedAndEmpty)
{
    const TsSkinGeneral& last = golden().GeneralData.back();
    EXPECT_TRUE(last.SectionName.isEmpty());
    EXPECT_EQ(last.Color, 0u);
    EXPECT_EQ(last.HotColor, 0u);
    EXPECT_EQ(last.ShadowBlur, 0);
    EXPECT_EQ(last.ShadowOffset, 0);
    EXPECT_EQ(last.ShadowTransparency, 0);
    EXPECT_EQ(last.FadingIterations, 0);
    EXPECT_EQ(last.FadingIntervalIn, 0);
    EXPECT_TRUE(last.FontColor.isEmpty());
    EXPECT_TRUE(last.GradientData.isEmpty());
    EXPECT_TRUE(last.HotGradientData.isEmpty());
    // Loaded, it is a section no lookup finds by an empty name.
    const TsSkinTables& t = loadedGolden();
    ASSERT_EQ(t.sections.size(), 57u);
    EXPECT_TRUE(t.sections.back().SectionName.isEmpty());
    EXPECT_EQ(t.sections.back().FontColor, kDefaultFontColors);
    EXPECT_EQ(FindImageIndex(t, 56, QString(), QStringLiteral("BORDERSMASK")), -1);
}

TEST(StoredSkinGolden, SectionsTheWindowsUse)
{
    struct Row
    {
        const char* section;
        const char* parent;
        TsColor color, hotColor;
        int transparency, hotTransparency, gradientPercent, hotGradientPercent;
        QString gradient, hotGradient;
        const char* fontColor;
        const char* hotFontColor;
        bool reserved, showFocus, fading;
    };
    const QString none = QStringLiteral(" ");
    const char* plain = "0 -1 -1 -1 -1";
    const char* brown = "1258566 -1 -1 -1 -1";
    const char* whiteHot = "16777215 -1 -1 -1 -1";
    const Row rows[] = {
        {"FORM", "", 5283512, 14145495, 0, 0, 100, 100, G1, G1, plain, plain, true, false, false},
        {"DIALOG", "FORM", 5283512, 14145495, 0, 0, 100, 100, G1, G1, plain, plain, true, false, false},
        {"FORMTITLE", "", 0xFFFFFF, 0xFFFFFF, 100, 0, 100, 100,
         QStringLiteral("14079702;11842740;99;0;0;11842740;11842740;0;0;0"),
         QStringLiteral("820391;26240;99;0;0;26240;26240;0;0;0"), "91518 -1 -1 -1 -1", "15400959 18517 18517 -1 -1",
         false, false, false},
        {"BUTTON", "", 13487565, 0xFFFFFF, 0, 0, 100, 100, G2, G3, brown, "0 -1 -1 16777215 16777215", false, true, true},
        {"EDIT", "", 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0, none, none, plain, plain, false, false, false},
        {"COMBOBOX", "EDIT", 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0, none, none, plain, plain, false, true, false},
        {"GROUPBOX", "", 14215660, 0xFFFFFF, 100, 0, 0, 0, QString(), none, brown, plain, false, false, false},
        {"RADIOBUTTON", "", 0xFFFFFF, 0xFFFFFF, 100, 100, 0, 0, none, none, brown, plain, false, false, false},
        {"CHECKBOX", "", 0xFFFFFF, 0xFFFFFF, 100, 100, 0, 0, none, none, brown, plain, false, false, false},
        {"PANEL", "", 0xC0C0C0, 0xFFFFFF, 0, 0, 100, 0, G1, none, plain, plain, false, false, false},
        {"MAINMENU", "", 15790320, 15790320, 0, 0, 90, 0,
         QStringLiteral("16777215;10871025;99;1;0;10871025;10871025;0;1;0"), none, plain, plain, false, false, false},
        {"MENUITEM", "", 0xFFFFFF, 685722, 100, 0, 0, 0, none, none, plain, whiteHot, false, false, false},
        {"MENULINE", "", 0xFFFFFF, 0xFFFFFF, 100, 100, 0, 0, none, none, plain, whiteHot, false, false, false},
        {"GLOBALINFO", "", 8239058, 0xFFFFFF, 0, 0, 0, 0, none, none, plain, plain, false, false, false},
        {"SCROLLBAR1H", "", 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0, none, none, plain, plain, false, false, false},
        {"SCROLLBAR2V", "", 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0, none, none, plain, plain, false, false, false},
        {"SCROLLBTNTOP", "", 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0, none, none, plain, plain, true, false, false},
        {"SCROLLBTNBOTTOM", "", 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0, none, none, plain, plain, true, false, false},
        {"SCROLLBTNLEFT", "", 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0, none, none, plain, plain, true, false, false},
        {"SCROLLBTNRIGHT", "", 0xFFFFFF, 0xFFFFFF, 0, 0, 0, 0, none, none, plain, plain, true, false, false},
        {"SCROLLSLIDERV", "", 0xFFFFFF, 0xFFFFFF, 100, 100, 0, 0, none, none, plain, plain, false, false, false},
        {"SCROLLSLIDERH", "SCROLLSLIDERV", 0xFFFFFF, 0xFFFFFF, 100, 100, 0, 0, none, none, plain, plain, false, false, false},
    };
    for (const Row& row : rows) {
        const TsSkinGeneral& g = item(row.section);
        SCOPED_TRACE(row.section);
        EXPECT_EQ(g.ParentClass, QString::fromLatin1(row.parent));
        EXPECT_EQ(g.Color, row.color);
        EXPECT_EQ(g.HotColor, row.hotColor);
        EXPECT_EQ(g.Transparency, row.transparency);
        EXPECT_EQ(g.HotTransparency, row.hotTransparency);
        EXPECT_EQ(g.GradientPercent, row.gradientPercent);
        EXPECT_EQ(g.HotGradientPercent, row.hotGradientPercent);
        EXPECT_EQ(g.GradientData, row.gradient);
        EXPECT_EQ(g.HotGradientData, row.hotGradient);
        EXPECT_EQ(g.FontColor, QString::fromLatin1(row.fontColor));
        EXPECT_EQ(g.HotFontColor, QString::fromLatin1(row.hotFontColor));
        EXPECT_EQ(g.ReservedBoolean, row.reserved);
        EXPECT_EQ(g.ShowFocus, row.showFocus);
        EXPECT_EQ(g.FadingEnabled, row.fading);
        EXPECT_EQ(g.ImagePercent, 0);
        EXPECT_EQ(g.FadingIntervalIn, 5);
        EXPECT_EQ(g.FadingIterations, 5);
        EXPECT_EQ(g.BorderColor1, 0u);
    }
    struct Shadow
    {
        const char* section;
        int blur;
        TsColor color;
        int offset, transparency;
    };
    const Shadow shadows[] = {{"BUTTON", 4, 0, 4, 85}, {"PANEL", 3, 160149, 4, 80}, {"EDIT", 6, 0, 3, 60}};
    for (const Shadow& s : shadows) {
        const TsSkinGeneral& g = item(s.section);
        EXPECT_EQ(g.ShadowBlur, s.blur) << s.section;
        EXPECT_EQ(g.ShadowColor, s.color) << s.section;
        EXPECT_EQ(g.ShadowOffset, s.offset) << s.section;
        EXPECT_EQ(g.ShadowTransparency, s.transparency) << s.section;
        EXPECT_FALSE(g.ShadowEnabled) << s.section;
    }
    EXPECT_EQ(item("GROUPBOX").Bevel, TsControlBevel::cbLoweredHard);
}

TEST(StoredSkinGolden, LoadedSectionsParseTheirStrings)
{
    const TsSkinTables& t = loadedGolden();
    const TsGeneralData& button = t.sections[std::size_t(FindSectionIndex(t.sections, QStringLiteral("button")))];
    ASSERT_EQ(button.Gradient.size(), 5u);
    EXPECT_EQ(button.Gradient[0].Color1, 16777215u);
    EXPECT_EQ(button.Gradient[1].Percent, 50);
    EXPECT_EQ(button.Gradient[0].Mode, 0);
    EXPECT_EQ(button.HotFontColor, (TsFontColors{0, kNoColor, kNoColor, 0xFFFFFF, 0xFFFFFF}));
    const TsGeneralData& form = t.sections[std::size_t(FindSectionIndex(t.sections, QStringLiteral("FORM")))];
    ASSERT_EQ(form.Gradient.size(), 5u);
    EXPECT_EQ(form.Gradient[3].Mode, 1);
    const TsGeneralData& title = t.sections[std::size_t(FindSectionIndex(t.sections, QStringLiteral("FORMTITLE")))];
    EXPECT_EQ(title.HotFontColor, (TsFontColors{15400959, 18517, 18517, kNoColor, kNoColor}));
    const TsGeneralData& edit = t.sections[std::size_t(FindSectionIndex(t.sections, QStringLiteral("EDIT")))];
    EXPECT_TRUE(edit.Gradient.empty());
    EXPECT_EQ(GlobalSkinColor(t.sections), 8239058u);
}

TEST(StoredSkinGolden, ImagePiecesTheWindowsUse)
{
    struct Row
    {
        const char* section;
        const char* property;
        TsRect r;
        int count, mask, border;
    };
    const Row rows[] = {
        {"FORM", "BICONCLOSE", {78, 198, 132, 216}, 3, 0, 0},
        {"FORM", "BICONHELP", {132, 198, 186, 216}, 3, 0, 0},
        {"FORM", "BICONMAX", {78, 216, 132, 234}, 3, 0, 0},
        {"FORM", "BICONMIN", {132, 216, 186, 234}, 3, 0, 0},
        {"FORM", "BICONNORM", {78, 216, 132, 234}, 3, 0, 0},
        {"FORM", "BORDERSMASK", {96, 80, 129, 107}, 1, 0, 2},
        {"FORM", "GRIPIMAGE", {0, 369, 17, 403}, 1, 1, 0},
        {"FORM", "TITLEBUTTON", {96, 62, 150, 80}, 3, 0, 0},
        {"DIALOG", "BORDERSMASK", {27, 234, 54, 282}, 1, 1, 0},
        {"FORMTITLE", "BORDERSMASK", {0, 198, 24, 246}, 1, 1, 0},
        {"BUTTON", "BORDERSMASK", {24, 198, 78, 234}, 3, 1, 0},
        {"EDIT", "BORDERSMASK", {153, 0, 189, 36}, 1, 0, 0},
        {"COMBOBOX", "GLYPHMASK", {117, 276, 174, 310}, 3, 1, 0},
        {"GROUPBOX", "BORDERSMASK", {0, 246, 27, 300}, 1, 1, 0},
        {"PANEL", "BORDERSMASK", {45, 108, 90, 198}, 1, 1, 0},
        {"PANEL", "PATTERN", {0, 62, 138, 107}, 3, 1, 0},
        {"CHECKBOX", "GLYPHCHECKED", {0, 378, 48, 414}, 3, 1, 0},
        {"CHECKBOX", "GLYPHUNCHECKED", {48, 378, 96, 414}, 3, 1, 0},
        {"RADIOBUTTON", "GLYPHCHECKED", {94, 378, 142, 414}, 3, 1, 0},
        {"RADIOBUTTON", "GLYPHUNCHECKED", {142, 378, 190, 414}, 3, 1, 0},
        {"GLOBALINFO", "BOXCHECKED", {99, 36, 144, 49}, 3, 0, 0},
        {"GLOBALINFO", "BOXUNCHECKED", {144, 36, 189, 49}, 3, 0, 0},
        {"GLOBALINFO", "RADIOCHECKED", {99, 49, 144, 62}, 3, 0, 0},
        {"GLOBALINFO", "RADIOUNCHECKED", {144, 49, 189, 62}, 3, 0, 0},
        {"GLOBALINFO", "MASTERBITMAP", {0, 0, 0, 0}, 0, 0, 0},
        {"SCROLLBAR1H", "BORDERSMASK", {42, 306, 111, 330}, 1, 0, 0},
        {"SCROLLBAR1V", "BORDERSMASK", {0, 300, 21, 369}, 1, 0, 0},
        {"SCROLLBAR2H", "BORDERSMASK", {42, 282, 111, 306}, 1, 0, 0},
        {"SCROLLBAR2V", "BORDERSMASK", {21, 300, 42, 369}, 1, 0, 0},
        {"SCROLLBTNTOP", "BORDERSMASK", {114, 354, 186, 378}, 3, 0, 0},
        {"SCROLLBTNTOP", "GLYPHMASK", {150, 312, 177, 328}, 3, 1, 0},
        {"SCROLLBTNBOTTOM", "BORDERSMASK", {42, 330, 114, 354}, 3, 0, 0},
        {"SCROLLBTNBOTTOM", "GLYPHMASK", {54, 122, 81, 138}, 3, 1, 0},
        {"SCROLLBTNLEFT", "BORDERSMASK", {114, 330, 186, 354}, 3, 0, 0},
        {"SCROLLBTNLEFT", "GLYPHMASK", {131, 311, 149, 329}, 3, 1, 0},
        {"SCROLLBTNRIGHT", "BORDERSMASK", {42, 354, 114, 378}, 3, 0, 0},
        {"SCROLLBTNRIGHT", "GLYPHMASK", {112, 311, 130, 329}, 3, 1, 0},
        {"SCROLLSLIDERV", "BORDERSMASK", {54, 234, 117, 282}, 3, 1, 0},
        {"SCROLLSLIDERH", "BORDERSMASK", {117, 234, 189, 276}, 3, 1, 0},
    };
    const TsSkinTables& t = loadedGolden();
    ASSERT_EQ(t.masks.size(), 69u);
    for (const Row& row : rows) {
        const QString section = QString::fromLatin1(row.section);
        const int index = FindImageIndex(t, FindSectionIndex(t.sections, section), section, QString::fromLatin1(row.property));
        ASSERT_GE(index, 0) << row.section << ' ' << row.property;
        const TsMaskData& m = t.masks[std::size_t(index)];
        SCOPED_TRACE(std::string(row.section) + " " + row.property);
        EXPECT_EQ(m.R, row.r);
        EXPECT_EQ(m.ImageCount, row.count);
        EXPECT_EQ(m.MaskType, row.mask);
        EXPECT_EQ(m.BorderWidth, row.border);
        EXPECT_EQ(m.hasOwnPicture(), row.count == 0);
    }
    const TsMaskData& master = t.masks[std::size_t(FindImageIndex(t, FindSectionIndex(t.sections, QStringLiteral("GLOBALINFO")),
                                                                  QStringLiteral("GLOBALINFO"), QStringLiteral("MASTERBITMAP")))];
    EXPECT_TRUE(master.Bitmap == t.masterBitmap);
}

TEST(StoredSkinGolden, BorrowedPiecesThroughParentClass)
{
    const TsSkinTables& t = loadedGolden();
    auto find = [&](const char* section, const char* property) {
        const QString name = QString::fromLatin1(section);
        return FindImageIndex(t, FindSectionIndex(t.sections, name), name, QString::fromLatin1(property));
    };
    EXPECT_EQ(find("SPLITTER", "BORDERSMASK"), find("SPEEDBUTTON_SMALL", "BORDERSMASK"));
    EXPECT_GE(find("SPLITTER", "BORDERSMASK"), 0);
    EXPECT_EQ(find("COMBOBOX", "BORDERSMASK"), find("EDIT", "BORDERSMASK"));
    EXPECT_EQ(find("SCROLLSLIDERH", "GLYPHMASK"), -1);
    EXPECT_EQ(find("button", "BORDERSMASK"), find("BUTTON", "BORDERSMASK"));
}

// Every piece without a mask holds some picture; every mask row of a masked piece is grey.
TEST(StoredSkinGolden, MasterBitmapHoldsThePieces)
{
    const TsSkinTables& t = loadedGolden();
    const Bitmap24& bitmap = t.masterBitmap;
    for (const TsMaskData& m : t.masks) {
        if (m.hasOwnPicture())
            continue;
        SCOPED_TRACE((m.SectionName + QLatin1Char(' ') + m.PropertyName).toStdString());
        const int right = std::min(m.R.Right, bitmap.width()), bottom = std::min(m.R.Bottom, bitmap.height());
        const int pictureBottom = m.MaskType ? m.R.Top + m.R.height() / 2 : bottom;
        int drawn = 0;
        for (int y = m.R.Top; y < pictureBottom; ++y)
            for (int x = m.R.Left; x < right; ++x)
                drawn += bitmap.pixel(x, y) != kTransparentColor;
        EXPECT_GT(drawn, 0);
        if (m.MaskType == 0 || m.SectionName == QLatin1String("FORM") || m.SectionName.endsWith(QLatin1String("BUTTON")) ||
            m.SectionName == QLatin1String("CHECKBOX") || m.SectionName == QLatin1String("PANEL"))
            continue; // these masks share rows with other pieces
        for (int y = pictureBottom; y < bottom; ++y) {
            for (int x = m.R.Left; x < right; ++x) {
                const uint32_t p = bitmap.pixel(x, y);
                ASSERT_TRUE((p & 0xFF) == ((p >> 8) & 0xFF) && (p & 0xFF) == ((p >> 16) & 0xFF)) << x << ',' << y;
            }
        }
    }
}

// Regression: the inside of the panel and title border cells was magenta, so the corners
// showed the parent instead of the control's own background (and the title's corner cells
// would have been cut out of the main window's region); the unmasked title-button back of
// the normal state was drawn as a pink square.
TEST(StoredSkinGolden, PiecesShowTheParentOnlyAtTheirOutline)
{
    painttest::TablesScope scope(loadedGolden());
    const TsSkinTables& t = TsSkinData::instance().tables;
    auto pieceOf = [&](const char* section, const char* property) -> const TsMaskData& {
        const QString name = QString::fromLatin1(section);
        const int index = FindImageIndex(t, FindSectionIndex(t.sections, name), name, QString::fromLatin1(property));
        EXPECT_GE(index, 0) << section;
        return t.masks.at(std::size_t(std::max(index, 0)));
    };
    constexpr TsColor background = 0x123456, parentColour = 0x00FF00;
    Bitmap24 parent(80, 60);
    parent.fill(parentColour);
    const TsParentCache cache{&parent, 0, 0, true};
    for (const char* section : {"FORMTITLE", "BUTTON", "PANEL", "DIALOG", "GROUPBOX", "SCROLLSLIDERV", "SCROLLSLIDERH",
                                "EDIT", "SCROLLBTNTOP", "SCROLLBAR1H"}) {
        const TsMaskData& piece = pieceOf(section, "BORDERSMASK");
        for (int state = 0; state < 3; ++state) {
            Bitmap24 picture(80, 60);
            picture.fill(background);
            PaintBorderMask(painttest::ProcessTables(), picture, {0, 0, 80, 60}, true, state, piece, cache);
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < 80; ++x) {
                    const bool outline = (x < 3 || x >= 77) && (y < 3 || y >= 57);
                    if (!outline) {
                        ASSERT_NE(picture.pixel(x, y), parentColour) << section << " state " << state << " at " << x << ',' << y;
                    }
                }
        }
    }
    // The title's top corner cells: magenta only in the rounded outline the window loses.
    const TsMaskData& title = pieceOf("FORMTITLE", "BORDERSMASK");
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 24; ++x)
            if ((x >= 3 && x < 21) || y >= 2) {
                ASSERT_NE(t.masterBitmap.pixel(title.R.Left + x, title.R.Top + y), kTransparentColor) << x << ',' << y;
            }
    Bitmap24 back(18, 18);
    back.fill(background);
    DrawImagePiece(painttest::ProcessTables(), back, 0, 0, 0, pieceOf("FORM", "TITLEBUTTON"), 1);
    EXPECT_EQ(back.pixel(9, 9), background);
}

TEST(StoredSkinGolden, StoredAsA256ColourBitmapFile)
{
    QFile file(QStringLiteral(":/skins/golden.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.size(), 78454);
    ASSERT_GE(bytes.size(), 54);
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(uint8_t(bytes[28]), 8);  // bits per pixel
    EXPECT_EQ(uint8_t(bytes[10]) | uint8_t(bytes[11]) << 8, 1078); // pixels after the 256-colour palette
}

TEST(StoredSkinText, ReportsProblemsWithTheirLines)
{
    const SkinIniFile ini = SkinIniFile::fromText(QStringLiteral(
        "[Skin]\nName=Test\nMasterBitmap=none.bmp\n[Section A]\nColour=1\nColor=clGreen\nShowFocus=yes\n"
        "[Image A BORDERSMASK]\nRect=1,2,3\nImageCount=x\n[Widget]\n"), QStringLiteral("test.skin"));
    SkinIssues issues;
    const TsStoredSkin skin = StoredSkinText::parse(ini, QString(), &issues);
    std::vector<int> lines;
    for (const SkinIssue& issue : issues) {
        lines.push_back(issue.line);
        EXPECT_EQ(issue.file, QStringLiteral("test.skin"));
    }
    EXPECT_EQ(lines, (std::vector<int>{1, 5, 6, 7, 9, 10, 11}));
    ASSERT_EQ(skin.GeneralData.size(), 1u);
    EXPECT_EQ(skin.GeneralData[0].Color, 0xFFFFFFu); // the unreadable colour keeps the default
    ASSERT_EQ(skin.Images.size(), 1u);
    EXPECT_EQ(skin.Images[0].Right, 0);
}

TEST(StoredSkinLoaders, BadItemKeepsWhatWasFilledAndLoadingGoesOn)
{
    // The properties are copied first, then the gradients are parsed, then the font colours
    // split; an unreadable word stops its own item there and nothing else.
    struct Row
    {
        const char* name;
        const char* gradient;
        const char* hotGradient;
        const char* fontColor;
        std::size_t steps, hotSteps;
        TsColor textColour;
    };
    const Row rows[] = {
        {"bad gradient: no hot gradient, no font colours", "1;x;3;0;0", "1;2;3;0;0", "255 -1 -1 -1 -1", 0, 0, 0},
        {"bad hot gradient: the gradient is there", "1;2;3;0;0", "1;2;x;0;0", "255 -1 -1 -1 -1", 1, 0, 0},
        {"bad font colour: both gradients are there", "1;2;3;0;0", "1;2;3;0;0", "255 x -1 -1 -1", 1, 1, 0},
        {"regression: nothing bad", "1;2;3;0;0", "1;2;3;0;0", "255 -1 -1 -1 -1", 1, 1, 255},
    };
    for (const Row& row : rows) {
        TsStoredSkin skin;
        skin.Name = QStringLiteral("S");
        TsSkinGeneral bad;
        bad.SectionName = QStringLiteral("BAD");
        bad.Color = 123;
        bad.GradientData = QString::fromLatin1(row.gradient);
        bad.HotGradientData = QString::fromLatin1(row.hotGradient);
        bad.FontColor = QString::fromLatin1(row.fontColor);
        bad.ImagePercent = 40;
        bad.BorderColor2 = 77;
        TsSkinGeneral good;
        good.SectionName = QStringLiteral("GOOD");
        good.ImagePercent = 30;
        skin.GeneralData = {bad, good};
        const TsStoredSkins skins{skin};
        TsSkinTables t;
        LoadSectionTable(t, SkinLoadSource{nullptr, QString(), &skins, QStringLiteral("S"), nullptr});
        SCOPED_TRACE(row.name);
        ASSERT_EQ(t.sections.size(), 2u);
        EXPECT_EQ(t.sections[0].Color, 123u);
        EXPECT_EQ(t.sections[0].ImagePercent, 40);
        EXPECT_EQ(t.sections[0].BorderColor2, 77u);
        EXPECT_EQ(t.sections[0].Gradient.size(), row.steps);
        EXPECT_EQ(t.sections[0].HotGradient.size(), row.hotSteps);
        EXPECT_EQ(t.sections[0].FontColor[0], row.textColour);
        EXPECT_EQ(t.sections[1].ImagePercent, 30);
    }
}

TEST(StoredSkinLoaders, SkinNamesDecideWhatIsLoaded)
{
    const TsStoredSkins skins = builtInStoredSkins();
    struct Row
    {
        const char* name;
        const char* skinName;
        bool external;
        std::size_t sections;
    };
    const Row rows[] = {
        {"stored skin by its exact name", "Golden (internal)", false, 57},
        {"the name is compared with case", "golden (internal)", false, 0},
        {"unknown name loads nothing", "Silver", false, 0},
        {"an external skin of the same name wins", "Golden (internal)", true, 1},
    };
    const SkinIniFile options = SkinIniFile::fromText(QStringLiteral("[ONLYEXTERNAL]\nCOLOR=1\n"));
    for (const Row& row : rows) {
        TsSkinTables t;
        t.sections.resize(3); // a previous skin's tables are replaced
        t.masks.resize(3);
        const SkinLoadSource source{row.external ? &options : nullptr, QString(), &skins,
                                    QString::fromLatin1(row.skinName), nullptr};
        LoadImageTable(t, source);
        LoadPatternTable(t, source);
        LoadSectionTable(t, source);
        EXPECT_EQ(t.sections.size(), row.sections) << row.name;
        EXPECT_EQ(t.masks.size(), row.sections == 57 ? 69u : 0u) << row.name;
        EXPECT_EQ(t.masterBitmap.isNull(), row.sections != 57) << row.name;
    }
}

} // namespace
