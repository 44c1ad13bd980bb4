#include "platform/ProgramFolder.h"
#include "common/ScriptedDialogs.h"
#include "skin/CommonSkinIndexes.h"
#include "skin/StoredSkinText.h"
#include "skin/TsSkinData.h"
#include "skin/TsSkinManager.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kGolden = QStringLiteral("Golden (internal)");

class ManagerIndexesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_program.isValid());
        ProgramFolder::setPathForTesting(m_program.path());
        ASSERT_EQ(TsSkinData::instance().ActiveManager, nullptr);
        m_manager = std::make_unique<TsSkinManager>();
        m_manager->SetInternalSkins(builtInStoredSkins());
        m_manager->SetSkinDirectory(m_program.path());
        m_manager->SetSkinName(kGolden);
        m_manager->Loaded();
    }
    void TearDown() override
    {
        m_manager.reset();
        ProgramFolder::setPathForTesting(QString());
    }

    QTemporaryDir m_program;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<TsSkinManager> m_manager;
};

// The piece an index points at, as "SECTION PROPERTY".
QString pieceAt(int16_t index)
{
    const TsMaskArray& masks = TsSkinData::instance().tables.masks;
    if (index < 0 || std::size_t(index) >= masks.size())
        return QStringLiteral("(none)");
    return masks[std::size_t(index)].SectionName + QLatin1Char(' ') + masks[std::size_t(index)].PropertyName;
}

TEST_F(ManagerIndexesTest, ResolvedForTheStoredSkin)
{
    const TsSkinTables& tables = TsSkinData::instance().tables;
    const CommonSkinIndexes& c = TsSkinData::instance().commonIndexes;

    struct SectionRow
    {
        const char* name;
        int16_t index;
    };
    const SectionRow sections[] = {
        {"GLOBALINFO", c.globalInfo},
        {"TABTOP", c.tabTop.section}, {"TABBOTTOM", c.tabBottom.section},
        {"TABLEFT", c.tabLeft.section}, {"TABRIGHT", c.tabRight.section},
        {"SCROLLBTNTOP", c.scrollBtnTop.section}, {"SCROLLBTNBOTTOM", c.scrollBtnBottom.section},
        {"SCROLLBTNLEFT", c.scrollBtnLeft.section}, {"SCROLLBTNRIGHT", c.scrollBtnRight.section},
        {"SCROLLSLIDERV", c.scrollSliderV.section}, {"SCROLLSLIDERH", c.scrollSliderH.section},
        {"SCROLLBAR1H", c.scrollBar1H.section}, {"SCROLLBAR1V", c.scrollBar1V.section},
        {"SCROLLBAR2H", c.scrollBar2H.section}, {"SCROLLBAR2V", c.scrollBar2V.section},
    };
    for (const SectionRow& row : sections) {
        ASSERT_GE(row.index, 0) << row.name;
        EXPECT_EQ(tables.sections[std::size_t(row.index)].SectionName, QLatin1String(row.name));
    }

    // The pieces of the stored skin, with their rectangles where the skin gives them.
    struct PieceRow
    {
        const char* piece;
        int16_t index;
        TsRect rect; // all zero: not checked
    };
    const PieceRow pieces[] = {
        {"GLOBALINFO BOXCHECKED", c.boxChecked, {99, 36, 144, 49}},
        {"GLOBALINFO BOXUNCHECKED", c.boxUnchecked, {144, 36, 189, 49}},
        {"GLOBALINFO RADIOCHECKED", c.radioChecked, {99, 49, 144, 62}},
        {"GLOBALINFO RADIOUNCHECKED", c.radioUnchecked, {144, 49, 189, 62}},
        {"TABTOP BORDERSMASK", c.tabTop.bordersMask, {}},
        {"TABBOTTOM BORDERSMASK", c.tabBottom.bordersMask, {}},
        {"TABLEFT BORDERSMASK", c.tabLeft.bordersMask, {}},
        {"TABRIGHT BORDERSMASK", c.tabRight.bordersMask, {}},
        {"SCROLLBTNTOP BORDERSMASK", c.scrollBtnTop.bordersMask, {114, 354, 186, 378}},
        {"SCROLLBTNTOP GLYPHMASK", c.scrollBtnTop.glyphMask, {150, 312, 177, 328}},
        {"SCROLLBTNBOTTOM BORDERSMASK", c.scrollBtnBottom.bordersMask, {42, 330, 114, 354}},
        {"SCROLLBTNBOTTOM GLYPHMASK", c.scrollBtnBottom.glyphMask, {54, 122, 81, 138}},
        {"SCROLLBTNLEFT BORDERSMASK", c.scrollBtnLeft.bordersMask, {114, 330, 186, 354}},
        {"SCROLLBTNLEFT GLYPHMASK", c.scrollBtnLeft.glyphMask, {131, 311, 149, 329}},
        {"SCROLLBTNRIGHT BORDERSMASK", c.scrollBtnRight.bordersMask, {42, 354, 114, 378}},
        {"SCROLLBTNRIGHT GLYPHMASK", c.scrollBtnRight.glyphMask, {112, 311, 130, 329}},
        {"SCROLLSLIDERV BORDERSMASK", c.scrollSliderV.bordersMask, {54, 234, 117, 282}},
        {"SCROLLSLIDERH BORDERSMASK", c.scrollSliderH.bordersMask, {117, 234, 189, 276}},
        {"SCROLLBAR1H BORDERSMASK", c.scrollBar1H.bordersMask, {42, 306, 111, 330}},
        {"SCROLLBAR1V BORDERSMASK", c.scrollBar1V.bordersMask, {0, 300, 21, 369}},
        {"SCROLLBAR2H BORDERSMASK", c.scrollBar2H.bordersMask, {42, 282, 111, 306}},
        {"SCROLLBAR2V BORDERSMASK", c.scrollBar2V.bordersMask, {21, 300, 42, 369}},
    };
    for (const PieceRow& row : pieces) {
        EXPECT_EQ(pieceAt(row.index), QLatin1String(row.piece));
        if (row.index >= 0 && row.rect != TsRect{}) {
            EXPECT_EQ(tables.masks[std::size_t(row.index)].R, row.rect) << row.piece;
        }
    }

    // What the stored skin does not have, including through SCROLLSLIDERH's parent.
    const int16_t absent[] = {
        c.boxGrayed, c.radioGrayed, c.smallChecked, c.smallUnchecked, c.smallGrayed,
        c.scrollBtnTop.pattern, c.scrollBtnTop.hotPattern, c.scrollBtnRight.hotPattern,
        c.scrollSliderV.glyphMask, c.scrollSliderH.glyphMask, c.scrollSliderV.pattern,
        c.scrollBar1H.pattern, c.scrollBar2V.hotPattern,
    };
    for (int16_t index : absent)
        EXPECT_EQ(index, -1);
}

TEST(CommonSkinIndexes, GlyphOnlyWithItsSectionAndNothingWithoutGlobalInfo)
{
    // A glyph piece whose section is missing is not looked up; an empty skin gives -1 throughout.
    TsSkinTables tables;
    TsMaskData glyph;
    glyph.SectionName = QStringLiteral("SCROLLBTNTOP");
    glyph.PropertyName = QStringLiteral("GLYPHMASK");
    tables.masks.push_back(glyph);
    TsMaskData box;
    box.SectionName = QStringLiteral("GLOBALINFO");
    box.PropertyName = QStringLiteral("BOXCHECKED");
    tables.masks.push_back(box);
    CommonSkinIndexes c = resolveCommonSkinIndexes(tables);
    EXPECT_EQ(c.scrollBtnTop.section, -1);
    EXPECT_EQ(c.scrollBtnTop.glyphMask, -1);
    EXPECT_EQ(c.globalInfo, -1);
    EXPECT_EQ(c.boxChecked, -1);

    TsGeneralData section;
    section.SectionName = QStringLiteral("scrollbtntop");
    tables.sections.push_back(section);
    section.SectionName = QStringLiteral("GlobalInfo");
    tables.sections.push_back(section);
    c = resolveCommonSkinIndexes(tables);
    EXPECT_EQ(c.scrollBtnTop.section, 0);
    EXPECT_EQ(c.scrollBtnTop.glyphMask, 0);
    EXPECT_EQ(c.globalInfo, 1);
    EXPECT_EQ(c.boxChecked, 1);
    EXPECT_EQ(c.scrollBtnTop.bordersMask, -1);
}

} // namespace
