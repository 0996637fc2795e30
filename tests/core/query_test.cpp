// The query button and the two figure captions.
#include <gtest/gtest.h>

#include "tests/core/fake_controls.h"

namespace chengxi::testing {
namespace {

struct Figures {
    std::u16string tds;
    std::u16string chlorine;
    bool operator==(const Figures&) const = default;
};

Figures figures(const FakeWindow& w)
{
    return {w.Label8.caption, w.Label10.caption};
}

TEST(Captions, TdsIsPlainDigits)
{
    EXPECT_EQ(tdsCaption(0), u"0");
    EXPECT_EQ(tdsCaption(2), u"2");
    EXPECT_EQ(tdsCaption(263), u"263");
    EXPECT_EQ(tdsCaption(3921), u"3921");
    EXPECT_EQ(tdsCaption(32767), u"32767");
    EXPECT_EQ(tdsCaption(-32768), u"-32768");
}

TEST(Captions, ChlorineHasTwoDecimalsAndTheUnit)
{
    FakeLocale locale;
    EXPECT_EQ(chlorineCaption(0.29, locale), u"0.29mg/L");
    EXPECT_EQ(chlorineCaption(0.2, locale), u"0.20mg/L");
    EXPECT_EQ(chlorineCaption(0, locale), u"0.00mg/L");
    EXPECT_EQ(chlorineCaption(1, locale), u"1.00mg/L");
    EXPECT_EQ(chlorineCaption(87, locale), u"87.00mg/L");
    EXPECT_EQ(chlorineCaption(0.57, locale), u"0.57mg/L");
    locale.separator = u',';
    EXPECT_EQ(chlorineCaption(0.05, locale), u"0,05mg/L");
}

TEST(Query, StartUpSelectionAnswersBeforeAndAfterTheFirstTick)
{
    FakeWindow w;
    EXPECT_EQ(figures(w), (Figures{u"", u""}));
    w.click();
    EXPECT_EQ(figures(w), (Figures{u"263", u"0.29mg/L"}));

    FakeWindow v;
    v.tick();
    v.click();
    EXPECT_EQ(figures(v), (Figures{u"263", u"0.29mg/L"}));
}

TEST(Query, TheMunicipalitiesAnswerThroughTheWholeRoad)
{
    FakeWindow w;
    w.tick();
    w.Combo1.type(u"上海");
    w.tick();
    w.click();
    EXPECT_EQ(figures(w), (Figures{u"231", u"0.19mg/L"}));

    w.Combo1.type(u"重庆");
    w.tick();
    w.Combo3.type(u"潼南县");
    w.click();
    EXPECT_EQ(figures(w), (Figures{u"203", u"0.88mg/L"}));

    w.query(u"北京", u"北京", u"门头沟区");
    EXPECT_EQ(figures(w), (Figures{u"366", u"0.20mg/L"}));
    w.query(u"重庆", u"重庆", u"武隆县");
    EXPECT_EQ(figures(w), (Figures{u"48", u"0.13mg/L"}));
    w.query(u"天津", u"天津", u"西青区");
    EXPECT_EQ(figures(w), (Figures{u"265", u"0.16mg/L"}));
}

TEST(Query, WritesTdsThenChlorineOnceAndTouchesNothingElse)
{
    FakeWindow w;
    w.tick();
    w.log.clear();
    w.click();
    Log writes;
    for (const std::u16string& entry : w.log) {
        if (entry.find(u"Text") == std::u16string::npos) {
            writes.push_back(entry);
        }
    }
    EXPECT_EQ(writes, (Log{u"Label8.setCaption(263)", u"Label10.setCaption(0.29mg/L)"}));
    // Pressed again: the same two captions are written again.
    w.click();
    EXPECT_EQ(figures(w), (Figures{u"263", u"0.29mg/L"}));
}

TEST(Query, SelectionWithoutARowLeavesTheLastFiguresStanding)
{
    FakeWindow w;
    w.query(u"北京", u"上海", u"宝山区");  // nothing matched yet: still blank
    EXPECT_EQ(figures(w), (Figures{u"", u""}));

    w.query(u"上海", u"上海", u"宝山区");
    const Figures shown{u"231", u"0.19mg/L"};
    ASSERT_EQ(figures(w), shown);
    for (const std::u16string_view district : {u"宝山", u"宝山区 ", u"朝阳区", u""}) {
        w.query(u"上海", u"上海", district);
        EXPECT_EQ(figures(w), shown);
    }
    w.query(u"北京", u"北京市", u"昌平区");
    EXPECT_EQ(figures(w), shown);
    w.query(u"", u"", u"");
    EXPECT_EQ(figures(w), shown);
}

TEST(Query, ClickBeforeTheTickSeesTheNewProvinceWithTheOldCity)
{
    FakeWindow w;
    w.tick();
    w.click();
    const Figures shown = figures(w);
    w.Combo1.type(u"上海");
    w.click();
    EXPECT_EQ(figures(w), shown);
    w.tick();
    w.click();
    EXPECT_EQ(figures(w), (Figures{u"231", u"0.19mg/L"}));
}

TEST(Query, TypedSelectionNeedsNoList)
{
    // The lists still hold 北京's entries; only the three texts count.
    FakeWindow w;
    w.tick();
    w.query(u"重庆", u"重庆", u"江北区");
    EXPECT_EQ(figures(w), (Figures{u"183", u"0.69mg/L"}));
}

TEST(Query, FailedCaptionWriteStopsTheQuery)
{
    FakeWindow w;
    w.Label8.failAfter(0);
    EXPECT_THROW(w.click(), ControlError);
    EXPECT_EQ(w.Label10.caption, u"");
}

}  // namespace
}  // namespace chengxi::testing
