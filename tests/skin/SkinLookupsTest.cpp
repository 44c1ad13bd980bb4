#include "skin/SkinLookups.h"
#include "skin/TsSkinData.h"

#include <gtest/gtest.h>

namespace {

TsGeneralData section(const char* name, const char* parent = "")
{
    TsGeneralData data;
    data.SectionName = QString::fromLatin1(name);
    data.ParentClass = QString::fromLatin1(parent);
    return data;
}

TsMaskData piece(const char* section, const char* property, int left)
{
    TsMaskData data;
    data.SectionName = QString::fromLatin1(section);
    data.PropertyName = QString::fromLatin1(property);
    data.R = TsRect{left, 0, left + 3, 3};
    data.ImageCount = 1;
    return data;
}

TsSkinTables sampleTables()
{
    TsSkinTables tables;
    tables.sections = {section("BUTTON"), section("SPLITTER", "SPEEDBUTTON_SMALL"), section("SPEEDBUTTON_SMALL"),
                       section("Edit"), section("COMBOBOX", "edit"), section("SELF", "self"),
                       section("LOOPA", "LOOPB"), section("LOOPB", "LOOPC"), section("LOOPC", "LOOPA"),
                       section("ORPHAN", "MISSING"), section("button")};
    tables.masks = {piece("SPEEDBUTTON_SMALL", "BORDERSMASK", 0), piece("EDIT", "BORDERSMASK", 10),
                    piece("BUTTON", "BORDERSMASK", 20), piece("BUTTON", "GLYPHMASK", 30),
                    piece("LOOPC", "GLYPHMASK", 40)};
    tables.patterns = {TsPatternData{Bitmap24(2, 2), QStringLiteral("EDIT"), QStringLiteral("PATTERN")}};
    return tables;
}

TEST(SkinLookups, FindSectionIndexIgnoresCaseAndTakesTheFirst)
{
    const TsSkinTables tables = sampleTables();
    struct Row
    {
        const char* name;
        int expected;
    };
    const Row rows[] = {{"button", 0}, {"BUTTON", 0}, {"Button", 0}, {"edit", 3}, {"EDIT", 3},
                        {"splitter", 1}, {"", -1}, {"NOSUCH", -1}};
    for (const Row& row : rows)
        EXPECT_EQ(FindSectionIndex(tables.sections, QString::fromLatin1(row.name)), row.expected) << row.name;
    EXPECT_EQ(FindSectionIndex(TsGeneralDataArray(), QStringLiteral("BUTTON")), -1);
}

TEST(SkinLookups, FindImageIndexSearchesParents)
{
    const TsSkinTables tables = sampleTables();
    struct Row
    {
        const char* name;
        int sectionIndex;
        const char* sectionName;
        const char* property;
        int expected;
    };
    const Row rows[] = {
        {"own piece", 0, "BUTTON", "BORDERSMASK", 2},
        {"section name is upper-cased", 0, "button", "GLYPHMASK", 3},
        {"property must match exactly", 0, "BUTTON", "bordersmask", -1},
        {"splitter borrows speed button border", 1, "SPLITTER", "BORDERSMASK", 0},
        {"combo box borrows edit border through lower-case parent", 4, "COMBOBOX", "BORDERSMASK", 1},
        {"self parent ends", 5, "SELF", "BORDERSMASK", -1},
        {"loop of three finds a piece inside the loop", 6, "LOOPA", "GLYPHMASK", 4},
        {"loop of three ends", 6, "LOOPA", "BORDERSMASK", -1},
        {"missing parent", 9, "ORPHAN", "BORDERSMASK", -1},
        {"invalid section index", 99, "BUTTON", "BORDERSMASK", -1},
        {"negative section index", -1, "BUTTON", "BORDERSMASK", -1},
        {"empty section name", 0, "", "BORDERSMASK", -1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FindImageIndex(tables, row.sectionIndex, QString::fromLatin1(row.sectionName),
                                 QString::fromLatin1(row.property)),
                  row.expected)
            << row.name;
    }
}

// Uses the process-wide state; leaves it empty again.
struct GlobalTables
{
    explicit GlobalTables(TsSkinTables tables, bool ready)
    {
        TsSkinData::instance().tables = std::move(tables);
        TsSkinData::instance().SkinReady = ready;
    }
    ~GlobalTables()
    {
        TsSkinData::instance().tables.clear();
        TsSkinData::instance().SkinReady = false;
    }
};

TEST(SkinLookups, PatternsNeedAReadySkin)
{
    {
        GlobalTables global(sampleTables(), false);
        EXPECT_EQ(FindPatternIndex(4, QStringLiteral("COMBOBOX"), QStringLiteral("PATTERN")), -1);
    }
    GlobalTables global(sampleTables(), true);
    EXPECT_EQ(FindPatternIndex(4, QStringLiteral("COMBOBOX"), QStringLiteral("PATTERN")), 0);
    EXPECT_EQ(FindPatternIndex(0, QStringLiteral("BUTTON"), QStringLiteral("PATTERN")), -1);
}

TEST(SkinLookups, ProcessWideLookupsAndValidity)
{
    GlobalTables global(sampleTables(), true);
    EXPECT_EQ(FindSectionIndex(QStringLiteral("splitter")), 1);
    EXPECT_EQ(FindImageIndex(1, QStringLiteral("SPLITTER"), QStringLiteral("BORDERSMASK")), 0);
    const int sections = int(TsSkinData::instance().tables.sections.size());
    const int masks = int(TsSkinData::instance().tables.masks.size());
    for (int i : {-1, 0, sections - 1, sections, masks - 1, masks}) {
        EXPECT_EQ(SectionIndexValid(i), i >= 0 && i < sections) << i;
        EXPECT_EQ(ImageIndexValid(i), i >= 0 && i < masks) << i;
    }
}

TEST(SkinLookups, GlobalSkinColor)
{
    TsGeneralDataArray sections = {section("BUTTON")};
    EXPECT_EQ(GlobalSkinColor(sections), kButtonFaceColor);
    sections.push_back(section("globalinfo"));
    sections.back().Color = 8239058;
    EXPECT_EQ(GlobalSkinColor(sections), 8239058u);
    GlobalTables global(TsSkinTables(), false);
    EXPECT_EQ(GlobalSkinColor(), kButtonFaceColor);
}

} // namespace
