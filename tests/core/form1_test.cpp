// The window's logic against in-memory controls: start-up, the tick and its
// cascade, and the query button.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/core/fake_controls.h"

namespace chengxi::testing {
namespace {

using Items = std::vector<std::u16string>;

const Items kBeiJingDistricts = {u"昌平区", u"朝阳区", u"大兴区", u"东城区", u"房山区", u"丰台区",
                                  u"海淀区", u"怀柔区", u"门头沟区", u"密云县", u"平谷区", u"石景山区",
                                  u"顺义区", u"通州区", u"西城区", u"延庆区"};

// Log entries of `control` only.
Log entriesOf(const Log& log, std::u16string_view control)
{
    Log result;
    for (const std::u16string& entry : log) {
        if (entry.starts_with(control) && entry.size() > control.size() && entry[control.size()] == u'.') {
            result.push_back(entry);
        }
    }
    return result;
}

bool listTouched(const Log& log, std::u16string_view control)
{
    return std::any_of(log.begin(), log.end(), [&](const std::u16string& entry) {
        return entry.starts_with(std::u16string(control) + u".AddItem") ||
               entry.starts_with(std::u16string(control) + u".RemoveItem");
    });
}

TEST(StartUp, FillsTheProvinceListAndNothingElse)
{
    FakeWindow w;
    ASSERT_EQ(w.Combo1.items.size(), 31u);
    EXPECT_EQ(w.Combo1.items.front(), u"北京");
    EXPECT_EQ(w.Combo1.items[4], u"安徽");
    EXPECT_EQ(w.Combo1.items[25], u"陕西");
    EXPECT_EQ(w.Combo1.items.back(), u"浙江");
    // Added at the explicit positions 0 … 30, one after the other.
    EXPECT_EQ(w.log.front(), u"Combo1.AddItem(北京,0)");
    EXPECT_EQ(w.log.back(), u"Combo1.AddItem(浙江,30)");
    EXPECT_EQ(w.log.size(), 31u);

    EXPECT_TRUE(w.Combo2.items.empty());
    EXPECT_TRUE(w.Combo3.items.empty());
    EXPECT_EQ(w.Combo1.text(), u"北京");
    EXPECT_EQ(w.Combo2.text(), u"北京");
    EXPECT_EQ(w.Combo3.text(), u"昌平区");
    EXPECT_EQ(w.form.getLastProvinceText(), u"0");
    EXPECT_EQ(w.form.getLastCityText(), u"0");
}

TEST(Tick, FirstTickRunsClockThenProvinceThenCityInOrder)
{
    FakeWindow w;
    w.log.clear();
    w.tick();
    const Log expected = {
        u"Label2.setCaption(2026/12/8 18:53:07)",
        u"Combo1.Text",
        // The 北京 block: empty the (empty) list, fill it, set the three texts.
        u"Combo2.ListCount",
        u"Combo2.AddItem(北京,0)",
        u"Combo1.setText(北京)",
        u"Combo2.setText(北京)",
        u"Combo3.setText(昌平区)",
        u"Combo2.Text",
    };
    ASSERT_GE(w.log.size(), expected.size());
    EXPECT_EQ(Log(w.log.begin(), w.log.begin() + static_cast<long>(expected.size())), expected);

    EXPECT_EQ(w.Combo2.items, Items{u"北京"});
    EXPECT_EQ(w.Combo3.items, kBeiJingDistricts);
    EXPECT_EQ(w.Combo3.text(), u"昌平区");
    EXPECT_EQ(w.form.getLastProvinceText(), u"北京");
    EXPECT_EQ(w.form.getLastCityText(), u"北京");
    // The district list was filled after the city text was taken over, and
    // ends with its default district.
    EXPECT_EQ(entriesOf(w.log, u"Combo3").back(), u"Combo3.setText(昌平区)");
}

TEST(Tick, IdleTickOnlyRewritesTheClockAndReadsTwoTexts)
{
    FakeWindow w;
    w.tick();
    w.log.clear();
    w.locale.clock = u"2026/12/8 18:53:08";
    w.tick();
    EXPECT_EQ(w.log, (Log{u"Label2.setCaption(2026/12/8 18:53:08)", u"Combo1.Text", u"Combo2.Text"}));
}

TEST(Tick, ProvinceChangeCascadesToTheDefaultCityInOneTick)
{
    FakeWindow w;
    w.tick();
    w.Combo1.type(u"安徽");
    w.tick();
    ASSERT_EQ(w.Combo2.items.size(), 16u);
    EXPECT_EQ(w.Combo2.items.front(), u"安庆");
    EXPECT_EQ(w.Combo2.items[12], u"宿州");
    EXPECT_EQ(w.Combo2.items.back(), u"宣城");
    EXPECT_EQ(w.Combo2.text(), u"安庆");
    EXPECT_EQ(w.Combo3.items.size(), 11u);
    EXPECT_EQ(w.Combo3.items.front(), u"枞阳县");
    EXPECT_EQ(w.Combo3.items.back(), u"岳西县");
    EXPECT_EQ(w.Combo3.text(), u"枞阳县");
    EXPECT_EQ(w.form.getLastCityText(), u"安庆");
    // The old list of Combo2 went from the last entry to the first.
    const Log combo2 = entriesOf(w.log, u"Combo2");
    EXPECT_NE(std::find(combo2.begin(), combo2.end(), u"Combo2.RemoveItem(0)"), combo2.end());
    EXPECT_EQ(w.form.getClearIndex(), -1);

    // A municipality: its one city is also the shown text.
    w.Combo1.type(u"上海");
    w.tick();
    EXPECT_EQ(w.Combo2.items, Items{u"上海"});
    EXPECT_EQ(w.Combo2.text(), u"上海");
    EXPECT_EQ(w.Combo3.items.size(), 17u);
    EXPECT_EQ(w.Combo3.text(), u"宝山区");
}

TEST(Tick, ClearingLoopRemovesFromTheLastPositionDown)
{
    FakeWindow w;
    w.tick();  // Combo3 holds the 16 districts of 北京
    w.log.clear();
    w.Combo2.type(u"重庆");
    w.tick();
    Log removals;
    for (const std::u16string& entry : entriesOf(w.log, u"Combo3")) {
        if (entry.starts_with(u"Combo3.RemoveItem")) {
            removals.push_back(entry);
        }
    }
    ASSERT_EQ(removals.size(), 16u);
    EXPECT_EQ(removals.front(), u"Combo3.RemoveItem(15)");
    EXPECT_EQ(removals.back(), u"Combo3.RemoveItem(0)");
    EXPECT_EQ(w.Combo3.items.size(), 38u);
    EXPECT_EQ(w.Combo3.items.back(), u"忠县");
    EXPECT_EQ(w.form.getClearIndex(), -1);
}

TEST(Tick, TextsThatNameNothingAreRememberedAndChangeNothing)
{
    FakeWindow w;
    w.tick();
    const Items cities = w.Combo2.items;
    const Items districts = w.Combo3.items;
    w.log.clear();

    // Half-typed, padded, with 市 appended, empty: each is taken over once.
    for (const std::u16string_view text : {u"安", u"安徽 ", u"北京市", u"", u" 北京"}) {
        w.Combo1.type(text);
        w.tick();
        EXPECT_EQ(w.form.getLastProvinceText(), text);
        EXPECT_EQ(w.Combo1.text(), text);
    }
    for (const std::u16string_view text : {u"安庆 ", u"安庆市", u"", u"安徽", u"宿"}) {
        w.Combo2.type(text);
        w.tick();
        EXPECT_EQ(w.form.getLastCityText(), text);
        EXPECT_EQ(w.Combo2.text(), text);
    }
    EXPECT_EQ(w.Combo2.items, cities);
    EXPECT_EQ(w.Combo3.items, districts);
    EXPECT_EQ(w.Combo3.text(), u"昌平区");
    EXPECT_FALSE(listTouched(w.log, u"Combo2"));
    EXPECT_FALSE(listTouched(w.log, u"Combo3"));
    EXPECT_TRUE(entriesOf(w.log, u"Combo1").size() > 0);
    EXPECT_TRUE(std::none_of(w.log.begin(), w.log.end(),
                             [](const std::u16string& e) { return e.find(u"setText") != e.npos; }));

    // The same unknown text is not tested again; once complete, it acts.
    w.Combo1.type(u"安");
    w.tick();
    w.log.clear();
    w.tick();
    EXPECT_EQ(w.log.size(), 3u);
    w.Combo1.type(u"安徽");
    w.tick();
    EXPECT_EQ(w.Combo2.text(), u"安庆");
}

TEST(Tick, RememberedTextIsStoredBeforeAnyTestEvenWhenTheBlockFails)
{
    FakeWindow w;
    w.tick();
    w.Combo1.type(u"安徽");
    w.Combo2.failAfter(0);
    EXPECT_THROW(w.tick(), ControlError);
    EXPECT_EQ(w.form.getLastProvinceText(), u"安徽");
    EXPECT_EQ(w.form.getLastCityText(), u"北京");

    FakeWindow v;
    v.tick();
    v.Combo2.type(u"上海");
    v.Combo3.failAfter(0);
    EXPECT_THROW(v.tick(), ControlError);
    EXPECT_EQ(v.form.getLastCityText(), u"上海");
}

TEST(Tick, ProvinceChangeLeavesTheDistrictListWhenTheCityWasTypedBefore)
{
    FakeWindow w;
    w.tick();
    w.Combo2.type(u"安庆");  // a city of another province, typed under 北京
    w.tick();
    EXPECT_EQ(w.Combo3.items.size(), 11u);
    EXPECT_EQ(w.Combo1.text(), u"北京");
    EXPECT_EQ(w.Combo2.items, Items{u"北京"});

    w.Combo3.type(u"怀宁县");
    w.log.clear();
    w.Combo1.type(u"安徽");
    w.tick();
    // lastCityText already holds 安庆: no district routine runs, the list of
    // Combo3 is left alone and only its text is set.
    EXPECT_FALSE(listTouched(w.log, u"Combo3"));
    EXPECT_EQ(entriesOf(w.log, u"Combo3"), Log{u"Combo3.setText(枞阳县)"});
    EXPECT_EQ(w.Combo2.items.size(), 16u);
    EXPECT_EQ(w.Combo3.items.size(), 11u);
    EXPECT_EQ(w.Combo3.text(), u"枞阳县");
}

TEST(Tick, BothTextsChangedBeforeOneTick)
{
    // A province wins: its block replaces the typed city with the default.
    FakeWindow w;
    w.tick();
    w.Combo1.type(u"重庆");
    w.Combo2.type(u"上海");
    w.tick();
    EXPECT_EQ(w.Combo2.text(), u"重庆");
    EXPECT_EQ(w.Combo3.items.size(), 38u);

    // No province: the typed city stands and fills the district list.
    w.Combo1.type(u"重");
    w.Combo2.type(u"上海");
    w.tick();
    EXPECT_EQ(w.Combo2.text(), u"上海");
    EXPECT_EQ(w.Combo2.items, Items{u"重庆"});
    EXPECT_EQ(w.Combo3.items.size(), 17u);
    EXPECT_EQ(w.Combo3.text(), u"宝山区");
}

TEST(Tick, CityChangeResetsTheDistrictTextAndLeavesCombo1Alone)
{
    FakeWindow w;
    w.tick();
    w.Combo3.type(u"门头沟区");
    w.tick();
    EXPECT_EQ(w.Combo3.text(), u"门头沟区");  // an edit of Combo3 alone changes nothing

    w.Combo2.type(u"天津");
    w.tick();
    w.Combo2.type(u"北京");
    w.tick();
    EXPECT_EQ(w.Combo3.text(), u"昌平区");
    EXPECT_EQ(w.Combo1.text(), u"北京");
    EXPECT_EQ(w.Combo2.items, Items{u"北京"});
}

TEST(Tick, LongAndOddTextsAreTakenAsTheyStand)
{
    FakeWindow w;
    w.tick();
    std::u16string odd(30000, u'京');
    odd += u"\0\x1b\xd800\xdfff\U0001F600\x200f";
    odd.push_back(u'\0');
    w.Combo1.type(odd);
    w.Combo2.type(odd);
    w.tick();
    EXPECT_EQ(w.form.getLastProvinceText(), odd);
    EXPECT_EQ(w.form.getLastCityText(), odd);
    EXPECT_EQ(w.Combo3.items, kBeiJingDistricts);
    // A province name followed by a NUL is not that province.
    w.Combo1.type(std::u16string(u"上海") + u'\0');
    w.tick();
    EXPECT_EQ(w.Combo2.items, Items{u"北京"});
}

TEST(Tick, FailedControlOperationPropagatesAndStopsTheHandler)
{
    FakeWindow w;
    w.tick();
    w.Combo2.type(u"重庆");
    // Let the clearing loop run, then fail on the fourth addition.
    w.Combo3.failAfter(1 + 16 + 3);
    EXPECT_THROW(w.tick(), ControlError);
    EXPECT_EQ(w.Combo3.items.size(), 3u);
    EXPECT_EQ(w.Combo3.text(), u"昌平区");
}

}  // namespace
}  // namespace chengxi::testing
