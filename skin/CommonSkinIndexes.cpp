#include "skin/CommonSkinIndexes.h"

#include "skin/SkinLookups.h"

#include <limits>

namespace {

int16_t narrow(int index)
{
    return index >= 0 && index <= std::numeric_limits<int16_t>::max() ? int16_t(index) : int16_t(-1);
}

class Resolver
{
public:
    explicit Resolver(const TsSkinTables& tables) : m_tables(tables) {}

    int16_t section(const char* name) const
    {
        return narrow(FindSectionIndex(m_tables.sections, QLatin1String(name)));
    }
    int16_t image(int16_t section, const char* sectionName, const char* property) const
    {
        return narrow(FindImageIndex(m_tables, section, QLatin1String(sectionName), QLatin1String(property)));
    }

    void images(CommonSkinIndexes::Bordered& entry, const char* name) const
    {
        entry.bordersMask = image(entry.section, name, "BORDERSMASK");
    }
    void images(CommonSkinIndexes::ScrollPart& entry, const char* name) const
    {
        entry.bordersMask = image(entry.section, name, "BORDERSMASK");
        entry.glyphMask = entry.section >= 0 ? image(entry.section, name, "GLYPHMASK") : int16_t(-1);
        entry.pattern = image(entry.section, name, "PATTERN");
        entry.hotPattern = image(entry.section, name, "HOTPATTERN");
    }
    void images(CommonSkinIndexes::Track& entry, const char* name) const
    {
        entry.bordersMask = image(entry.section, name, "BORDERSMASK");
        entry.pattern = image(entry.section, name, "PATTERN");
        entry.hotPattern = image(entry.section, name, "HOTPATTERN");
    }

private:
    const TsSkinTables& m_tables;
};

} // namespace

CommonSkinIndexes resolveCommonSkinIndexes(const TsSkinTables& tables)
{
    const Resolver r(tables);
    CommonSkinIndexes c;

    c.globalInfo = r.section("GLOBALINFO");
    c.tabTop.section = r.section("TABTOP");
    c.tabBottom.section = r.section("TABBOTTOM");
    c.tabLeft.section = r.section("TABLEFT");
    c.tabRight.section = r.section("TABRIGHT");
    c.scrollBtnTop.section = r.section("SCROLLBTNTOP");
    c.scrollBtnBottom.section = r.section("SCROLLBTNBOTTOM");
    c.scrollBtnLeft.section = r.section("SCROLLBTNLEFT");
    c.scrollBtnRight.section = r.section("SCROLLBTNRIGHT");
    c.scrollSliderV.section = r.section("SCROLLSLIDERV");
    c.scrollSliderH.section = r.section("SCROLLSLIDERH");
    c.scrollBar1H.section = r.section("SCROLLBAR1H");
    c.scrollBar1V.section = r.section("SCROLLBAR1V");
    c.scrollBar2H.section = r.section("SCROLLBAR2H");
    c.scrollBar2V.section = r.section("SCROLLBAR2V");

    // Without GLOBALINFO the image lookups below give -1, as they must.
    c.boxChecked = r.image(c.globalInfo, "GLOBALINFO", "BOXCHECKED");
    c.boxUnchecked = r.image(c.globalInfo, "GLOBALINFO", "BOXUNCHECKED");
    c.boxGrayed = r.image(c.globalInfo, "GLOBALINFO", "BOXGRAYED");
    c.radioChecked = r.image(c.globalInfo, "GLOBALINFO", "RADIOCHECKED");
    c.radioUnchecked = r.image(c.globalInfo, "GLOBALINFO", "RADIOUNCHECKED");
    c.radioGrayed = r.image(c.globalInfo, "GLOBALINFO", "RADIOGRAYED");
    c.smallChecked = r.image(c.globalInfo, "GLOBALINFO", "SMALLCHECKED");
    c.smallUnchecked = r.image(c.globalInfo, "GLOBALINFO", "SMALLUNCHECKED");
    c.smallGrayed = r.image(c.globalInfo, "GLOBALINFO", "SMALLGRAYED");

    r.images(c.tabTop, "TABTOP");
    r.images(c.tabBottom, "TABBOTTOM");
    r.images(c.tabLeft, "TABLEFT");
    r.images(c.tabRight, "TABRIGHT");
    r.images(c.scrollBtnTop, "SCROLLBTNTOP");
    r.images(c.scrollBtnBottom, "SCROLLBTNBOTTOM");
    r.images(c.scrollBtnLeft, "SCROLLBTNLEFT");
    r.images(c.scrollBtnRight, "SCROLLBTNRIGHT");
    r.images(c.scrollSliderV, "SCROLLSLIDERV");
    r.images(c.scrollSliderH, "SCROLLSLIDERH");
    r.images(c.scrollBar1H, "SCROLLBAR1H");
    r.images(c.scrollBar1V, "SCROLLBAR1V");
    r.images(c.scrollBar2H, "SCROLLBAR2H");
    r.images(c.scrollBar2V, "SCROLLBAR2V");
    return c;
}
