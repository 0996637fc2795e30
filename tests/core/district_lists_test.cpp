// The built-in district lists: their shape, and a few lists as the user sees
// them through the tick.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "app/core/city_table.h"
#include "data/district_lists/district_lists.h"
#include "tests/core/fake_controls.h"

namespace chengxi::testing {
namespace {

using Items = std::vector<std::u16string>;

TEST(DistrictTables, CountsPerProvince)
{
    // City blocks and district entries of each province, in province-list order.
    const std::pair<int, int> expected[kProvinceCount] = {
        {1, 16},   {1, 17},   {1, 16},   {1, 38},   {16, 100}, {9, 84},   {14, 87},  {21, 123},
        {14, 109}, {9, 88},   {2, 21},   {11, 172}, {17, 159}, {13, 129}, {17, 103}, {14, 122},
        {9, 60},   {13, 103}, {11, 98},  {14, 100}, {12, 101}, {5, 22},   {8, 43},   {17, 138},
        {11, 119}, {10, 107}, {21, 178}, {7, 67},   {17, 98},  {16, 129}, {11, 90},
    };
    int cities = 0;
    int entries = 0;
    for (std::size_t i = 0; i < kProvinceCount; ++i) {
        const DistrictTable& table = *district_lists::kAll[i];
        int provinceEntries = 0;
        for (const CityBlock& block : table.cities) {
            provinceEntries += static_cast<int>(block.districts.size());
        }
        EXPECT_EQ(static_cast<int>(table.cities.size()), expected[i].first) << i;
        EXPECT_EQ(provinceEntries, expected[i].second) << i;
        cities += static_cast<int>(table.cities.size());
        entries += provinceEntries;
    }
    EXPECT_EQ(cities, 343);
    EXPECT_EQ(entries, 2837);
}

TEST(DistrictTables, AgreeWithTheCityTable)
{
    std::set<std::u16string_view> cityNames;
    for (std::size_t i = 0; i < kProvinceCount; ++i) {
        const ProvinceCities& row = kCityTable[i];
        const DistrictTable& table = *district_lists::kAll[i];
        // The routine at a province's position holds exactly its cities, in order.
        EXPECT_EQ(table.province, row.province);
        ASSERT_EQ(table.cities.size(), row.cities.size()) << i;
        for (std::size_t c = 0; c < row.cities.size(); ++c) {
            EXPECT_EQ(table.cities[c].city, row.cities[c]) << i << "/" << c;
            EXPECT_TRUE(cityNames.insert(row.cities[c]).second) << "city named twice, province " << i;
        }
        // A province change shows the default district of the default city.
        EXPECT_EQ(row.districtText, table.cities.front().defaultDistrict()) << i;
        EXPECT_FALSE(row.districtText.empty()) << i;
    }
    EXPECT_EQ(cityNames.size(), 343u);

    std::set<std::u16string_view> provinces;
    for (const ProvinceCities& row : kCityTable) {
        provinces.insert(row.province);
    }
    EXPECT_EQ(provinces.size(), kProvinceCount);
}

TEST(DistrictTables, NoListHoldsANameTwiceAndOnlyOneListIsEmpty)
{
    std::vector<std::u16string_view> empty;
    for (const DistrictTable* table : district_lists::kAll) {
        for (const CityBlock& block : table->cities) {
            const std::set<std::u16string_view> names(block.districts.begin(), block.districts.end());
            EXPECT_EQ(names.size(), block.districts.size());
            EXPECT_EQ(names.count(u""), 0u);
            if (block.districts.empty()) {
                empty.push_back(block.city);
            }
        }
    }
    EXPECT_EQ(empty, std::vector<std::u16string_view>{u"宿州"});
}

// The district box as a tick leaves it after `city` was typed into Combo2.
struct Shown {
    Items items;
    std::u16string text;
};

Shown afterTypingCity(std::u16string_view city, std::u16string_view province = u"北京")
{
    FakeWindow w;
    w.tick();
    w.Combo1.type(province);
    w.tick();
    w.Combo2.type(city);
    w.tick();
    return {w.Combo3.items, w.Combo3.text()};
}

TEST(DistrictLists, SampleListsThroughTheTick)
{
    const struct {
        std::u16string_view city;
        std::size_t count;
        std::u16string_view first;
        std::u16string_view last;
    } samples[] = {
        {u"安庆", 11, u"枞阳县", u"岳西县"},
        {u"兰州", 8, u"安宁区", u"榆中县"},
        {u"重庆", 38, u"巴南区", u"忠县"},
        {u"吉林", 9, u"昌邑区", u"永吉县"},
        {u"白城", 5, u"大安市", u"镇赉县"},
        {u"长春", 10, u"朝阳区", u"榆树市"},
        {u"松原", 5, u"长岭县", u"乾安县"},
        {u"南京", 11, u"南淳区", u"雨花台区"},
        {u"洛阳", 15, u"e河回族区", u"宜阳县"},
        {u"嘉峪关", 1, u"嘉峪关市", u"嘉峪关市"},
    };
    for (const auto& sample : samples) {
        const Shown shown = afterTypingCity(sample.city);
        ASSERT_EQ(shown.items.size(), sample.count) << std::string(sample.city.begin(), sample.city.end());
        EXPECT_EQ(shown.items.front(), sample.first);
        EXPECT_EQ(shown.items.back(), sample.last);
        EXPECT_EQ(shown.text, sample.first);
    }
}

TEST(DistrictLists, OddNamesAreKeptAsStored)
{
    const std::pair<std::u16string_view, std::u16string_view> odd[] = {
        {u"洛阳", u"e河回族区"}, {u"武汉", u"~口区"}, {u"宜昌", u"V亭区"},
        {u"信阳", u"负忧"},      {u"安顺", u"关岭布衣族苗族自治县"}, {u"南京", u"南淳区"},
    };
    for (const auto& [city, name] : odd) {
        const Items items = afterTypingCity(city).items;
        EXPECT_NE(std::find(items.begin(), items.end(), name), items.end());
    }
}

TEST(DistrictLists, ProvinceIsNotConsultedAndNearMissesChangeNothing)
{
    // 兰州 of 甘肃 typed while 北京 is chosen.
    FakeWindow w;
    w.tick();
    w.Combo2.type(u"兰州");
    w.tick();
    EXPECT_EQ(w.Combo3.items.size(), 8u);
    EXPECT_EQ(w.Combo3.text(), u"安宁区");
    EXPECT_EQ(w.Combo1.text(), u"北京");
    EXPECT_EQ(w.Combo2.items, Items{u"北京"});

    const Items lanzhou = w.Combo3.items;
    for (const std::u16string_view nearMiss : {u"兰州 ", u"兰州市", u" 兰州", u"兰", u"安徽", u""}) {
        w.Combo2.type(nearMiss);
        w.tick();
        EXPECT_EQ(w.Combo3.items, lanzhou);
        EXPECT_EQ(w.Combo3.text(), u"安宁区");
    }
}

TEST(DistrictLists, SuZhouEmptiesTheListAndTheNextCityFillsItAgain)
{
    FakeWindow w;
    w.tick();
    w.Combo1.type(u"安徽");
    w.tick();
    w.Combo2.type(u"宿州");
    w.tick();
    EXPECT_TRUE(w.Combo3.items.empty());
    EXPECT_EQ(w.Combo3.text(), u"");

    w.log.clear();
    w.Combo2.type(u"铜陵");
    w.tick();
    EXPECT_EQ(w.Combo3.items, (Items{u"郊区", u"狮子山区", u"铜官山区", u"铜陵县"}));
    EXPECT_TRUE(std::none_of(w.log.begin(), w.log.end(),
                             [](const std::u16string& e) { return e.starts_with(u"Combo3.RemoveItem"); }));
}

TEST(DistrictLists, JiLinIsBothAProvinceAndACity)
{
    // As a city: its own nine districts.
    const Shown city = afterTypingCity(u"吉林");
    EXPECT_EQ(city.items.size(), 9u);
    EXPECT_EQ(city.text, u"昌邑区");

    // As a province: its default city 白城, and 吉林 fourth in the city list.
    FakeWindow w;
    w.tick();
    w.Combo1.type(u"吉林");
    w.tick();
    EXPECT_EQ(w.Combo2.items.size(), 9u);
    EXPECT_EQ(w.Combo2.items[3], u"吉林");
    EXPECT_EQ(w.Combo2.text(), u"白城");
    EXPECT_EQ(w.Combo3.items.size(), 5u);
    EXPECT_EQ(w.Combo3.text(), u"大安市");
}

TEST(DistrictLists, EveryCityOfEveryProvinceFillsItsOwnList)
{
    FakeWindow w;
    w.tick();
    for (std::size_t i = 0; i < kProvinceCount; ++i) {
        w.Combo1.type(kCityTable[i].province);
        w.tick();
        for (const CityBlock& block : district_lists::kAll[i]->cities) {
            w.Combo2.type(block.city);
            w.tick();
            ASSERT_EQ(w.Combo3.items, Items(block.districts.begin(), block.districts.end()));
            ASSERT_EQ(w.Combo3.text(), block.defaultDistrict());
        }
    }
}

}  // namespace
}  // namespace chengxi::testing
