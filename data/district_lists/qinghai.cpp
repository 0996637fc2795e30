// District lists of 青海: 8 cities, 43 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 果洛藏族自治州
constexpr std::u16string_view kCity1[] = {
    u"玛沁县", u"班玛县", u"达日县", u"甘德县", u"久治县", u"玛多县",
};
// 海北藏族自治州
constexpr std::u16string_view kCity2[] = {
    u"刚察县", u"海晏县", u"门源回族自治县", u"祁连县",
};
// 海东地区
constexpr std::u16string_view kCity3[] = {
    u"互助土族自治县", u"乐都县", u"民和回族土族自治县", u"平安县", u"循化撒拉族自治县", u"化隆回族自治县",
};
// 海南藏族自治州
constexpr std::u16string_view kCity4[] = {
    u"共和县", u"贵德县", u"兴海县", u"贵南县", u"同德县",
};
// 海西蒙古族藏族自治州
constexpr std::u16string_view kCity5[] = {
    u"德令哈市", u"都兰县", u"格尔木市", u"乌兰县", u"天峻县",
};
// 黄南藏族自治州
constexpr std::u16string_view kCity6[] = {
    u"尖扎县", u"同仁县", u"河南蒙古族自治县", u"泽库县",
};
// 西宁
constexpr std::u16string_view kCity7[] = {
    u"城北区", u"城东区", u"城西区", u"城中区", u"大通回族土族自治县", u"湟源县", u"湟中县",
};
// 玉树藏族自治州
constexpr std::u16string_view kCity8[] = {
    u"称多县", u"囊谦县", u"玉树县", u"曲麻莱县", u"治多县", u"杂多县",
};

constexpr CityBlock kBlocks[] = {
    {u"果洛藏族自治州", kCity1},
    {u"海北藏族自治州", kCity2},
    {u"海东地区", kCity3},
    {u"海南藏族自治州", kCity4},
    {u"海西蒙古族藏族自治州", kCity5},
    {u"黄南藏族自治州", kCity6},
    {u"西宁", kCity7},
    {u"玉树藏族自治州", kCity8},
};

}  // namespace

constinit const DistrictTable kQingHai{u"青海", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::QingHai() { showCityBlocks(district_lists::kQingHai); }
