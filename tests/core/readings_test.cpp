// The built-in readings: their shape, and the figures the user sees.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/core/city_table.h"
#include "data/district_lists/district_lists.h"
#include "data/readings/readings.h"
#include "tests/core/fake_controls.h"

namespace chengxi::testing {
namespace {

TEST(ReadingsTables, CountsPerProvince)
{
    // Rows and no-data rows of each province, in province-list order.
    const std::pair<int, int> expected[kProvinceCount] = {
        {16, 0},  {17, 0},   {16, 0},  {38, 0},   {101, 1}, {84, 0},   {87, 0},   {123, 5},
        {109, 1}, {88, 14},  {21, 0},  {172, 12}, {159, 19}, {129, 1}, {103, 72}, {122, 64},
        {60, 4},  {103, 39}, {98, 7},  {100, 21}, {101, 11}, {22, 4},  {43, 0},   {138, 27},
        {119, 8}, {107, 2},  {178, 19}, {67, 0},  {98, 0},   {129, 3}, {90, 18},
    };
    int rows = 0;
    int noData = 0;
    for (std::size_t i = 0; i < kProvinceCount; ++i) {
        const ProvinceReadings& table = *readings::kAll[i];
        EXPECT_EQ(table.province, kCityTable[i].province);
        int provinceNoData = 0;
        for (const DistrictReading& row : table.rows) {
            provinceNoData += row.tds == 0 ? 1 : 0;
        }
        EXPECT_EQ(static_cast<int>(table.rows.size()), expected[i].first) << i;
        EXPECT_EQ(provinceNoData, expected[i].second) << i;
        rows += static_cast<int>(table.rows.size());
        noData += provinceNoData;
    }
    EXPECT_EQ(rows, 2838);
    EXPECT_EQ(noData, 352);
}

TEST(ReadingsTables, OneRowPerDistrictEntryInListOrder)
{
    for (std::size_t i = 0; i < kProvinceCount; ++i) {
        const ProvinceReadings& readings = *readings::kAll[i];
        std::size_t r = 0;
        for (const CityBlock& block : district_lists::kAll[i]->cities) {
            if (block.districts.empty()) {
                // The city without districts has one row for the empty text.
                ASSERT_LT(r, readings.rows.size());
                EXPECT_EQ(readings.rows[r].city, block.city);
                EXPECT_EQ(readings.rows[r].district, u"");
                ++r;
                continue;
            }
            for (std::u16string_view district : block.districts) {
                ASSERT_LT(r, readings.rows.size()) << i;
                EXPECT_EQ(readings.rows[r].city, block.city) << i << "/" << r;
                EXPECT_EQ(readings.rows[r].district, district) << i << "/" << r;
                ++r;
            }
        }
        EXPECT_EQ(r, readings.rows.size()) << i;
    }
}

TEST(ReadingsTables, FiguresStayInTheirRanges)
{
    int above1 = 0;
    for (const ProvinceReadings* table : readings::kAll) {
        for (const DistrictReading& row : table->rows) {
            // No data means both figures are 0, and only then is either 0.
            EXPECT_EQ(row.tds == 0, row.chlorine == 0.0);
            EXPECT_GE(row.tds, 0);
            EXPECT_LE(row.tds, 3921);
            // At most two decimals.
            EXPECT_NEAR(row.chlorine * 100, std::round(row.chlorine * 100), 1e-9);
            if (row.chlorine != 0.0) {
                EXPECT_GE(row.chlorine, 0.05);
            }
            if (row.chlorine > 1.0) {
                ++above1;
                EXPECT_EQ(row.chlorine, 87.0);
            }
        }
    }
    EXPECT_EQ(above1, 1);
}

struct Named {
    std::u16string_view province, city, district;
    std::u16string_view tds, chlorine;
};

// Figures as the labels show them after a query.
TEST(Readings, NamedFiguresThroughTheQuery)
{
    const Named named[] = {
        // The odd figures.
        {u"辽宁", u"葫芦岛", u"南票区", u"3921", u"0.11mg/L"},
        {u"湖北", u"襄阳", u"樊城区", u"126", u"87.00mg/L"},
        {u"山东", u"济宁", u"嘉祥区", u"572", u"0.57mg/L"},
        {u"四川", u"宜宾", u"高县", u"2", u"0.05mg/L"},
        {u"广东", u"湛江", u"遂溪县", u"69", u"1.00mg/L"},
        {u"湖北", u"随州", u"随县", u"125", u"1.00mg/L"},
        {u"河北", u"张家口", u"桥西区", u"405", u"0.60mg/L"},
        // No-data readings, the empty district of 宿州 among them.
        {u"广东", u"湛江", u"徐闻县", u"0", u"0.00mg/L"},
        {u"四川", u"乐山", u"市中区", u"0", u"0.00mg/L"},
        {u"安徽", u"宿州", u"", u"0", u"0.00mg/L"},
        // Shared names, each with figures of its own.
        {u"北京", u"北京", u"朝阳区", u"254", u"0.24mg/L"},
        {u"吉林", u"长春", u"朝阳区", u"123", u"0.10mg/L"},
        {u"福建", u"福州", u"鼓楼区", u"45", u"0.18mg/L"},
        {u"河南", u"开封", u"鼓楼区", u"279", u"0.35mg/L"},
        {u"江苏", u"南京", u"鼓楼区", u"154", u"0.33mg/L"},
        {u"江苏", u"徐州", u"鼓楼区", u"542", u"0.31mg/L"},
        {u"河北", u"石家庄", u"桥东区", u"460", u"0.19mg/L"},
        {u"河北", u"邢台", u"桥东区", u"329", u"0.29mg/L"},
        {u"河北", u"张家口", u"桥东区", u"415", u"0.63mg/L"},
        {u"山东", u"济南", u"市中区", u"420", u"0.39mg/L"},
        {u"山东", u"济宁", u"市中区", u"462", u"0.23mg/L"},
        {u"山东", u"枣庄", u"市中区", u"448", u"0.33mg/L"},
        {u"山东", u"临沂", u"河东区", u"241", u"0.11mg/L"},
        {u"重庆", u"重庆", u"江北区", u"183", u"0.69mg/L"},
        {u"浙江", u"宁波", u"江北区", u"43", u"0.28mg/L"},
        {u"北京", u"北京", u"通州区", u"302", u"0.13mg/L"},
        {u"江苏", u"南通", u"通州区", u"0", u"0.00mg/L"},
        {u"广东", u"广州", u"白云区", u"94", u"0.28mg/L"},
        {u"贵州", u"贵阳", u"白云区", u"217", u"0.18mg/L"},
        {u"黑龙江", u"佳木斯", u"郊区", u"85", u"0.16mg/L"},
        {u"山西", u"长治", u"郊区", u"327", u"0.10mg/L"},
        {u"山西", u"阳泉", u"郊区", u"448", u"0.13mg/L"},
        // Defaults and plain rows.
        {u"安徽", u"安庆", u"枞阳县", u"146", u"0.06mg/L"},
        {u"海南", u"海口", u"龙华区", u"101", u"0.14mg/L"},
        {u"海南", u"海口", u"保亭黎族苗族自治县", u"41", u"0.05mg/L"},
    };
    FakeWindow w;
    for (const Named& row : named) {
        w.query(u"", u"", u"");  // a miss first: the figures below are this row's own
        w.query(row.province, row.city, row.district);
        EXPECT_EQ(w.Label8.caption, row.tds) << std::string(row.district.begin(), row.district.end()).size();
        EXPECT_EQ(w.Label10.caption, row.chlorine);
    }
}

TEST(Readings, KeyIsTheWholeTriple)
{
    FakeWindow w;
    w.query(u"海南", u"海口", u"龙华区");
    const std::u16string tds = w.Label8.caption;
    const Named misses[] = {
        {u"吉林", u"北京", u"朝阳区", {}, {}},   // district of another province's city
        {u"广东", u"海口", u"龙华区", {}, {}},   // city of another province
        {u"海南", u"三亚", u"龙华区", {}, {}},   // district of another city
        {u"海南 ", u"海口", u"龙华区", {}, {}},  // trailing blanks
        {u"海南", u"海口 ", u"龙华区", {}, {}},
        {u"海南", u"海口", u"龙华区 ", {}, {}},
        {u"四川", u"临沂", u"河东区", {}, {}},
        {u"安徽", u"宿州", u" ", {}, {}},
    };
    for (const Named& miss : misses) {
        w.query(miss.province, miss.city, miss.district);
        EXPECT_EQ(w.Label8.caption, tds);
        EXPECT_EQ(w.Label10.caption, u"0.14mg/L");
    }
}

TEST(Readings, EveryRowAnswersAndWritesTheCaptionsOnce)
{
    FakeWindow w;
    int answered = 0;
    for (const ProvinceReadings* table : readings::kAll) {
        for (const DistrictReading& row : table->rows) {
            w.log.clear();
            w.query(table->province, row.city, row.district);
            int writes = 0;
            for (const std::u16string& entry : w.log) {
                writes += entry.find(u"setCaption") != std::u16string::npos ? 1 : 0;
            }
            ASSERT_EQ(writes, 2);
            ASSERT_EQ(w.Label8.caption, tdsCaption(row.tds));
            ++answered;
        }
    }
    EXPECT_EQ(answered, 2838);
}

TEST(Readings, SuZhouAnswersRightAfterItIsChosen)
{
    FakeWindow w;
    w.tick();
    w.Combo1.type(u"安徽");
    w.tick();
    w.Combo2.type(u"宿州");
    w.tick();
    w.click();
    EXPECT_EQ(w.Label8.caption, u"0");
    EXPECT_EQ(w.Label10.caption, u"0.00mg/L");
}

}  // namespace
}  // namespace chengxi::testing
