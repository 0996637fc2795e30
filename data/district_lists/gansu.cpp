// District lists of 甘肃: 14 cities, 87 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 白银
constexpr std::u16string_view kCity1[] = {
    u"白银区", u"会宁县", u"景泰县", u"靖远县", u"平川区",
};
// 定西
constexpr std::u16string_view kCity2[] = {
    u"安定区", u"临洮县", u"陇西县", u"岷县", u"通渭县", u"渭源县", u"漳县",
};
// 甘南藏族自治州
constexpr std::u16string_view kCity3[] = {
    u"合作市", u"临潭县", u"玛曲县", u"夏河县", u"舟曲县", u"迭部县", u"碌曲县", u"卓尼县",
};
// 嘉峪关
constexpr std::u16string_view kCity4[] = {
    u"嘉峪关市",
};
// 金昌
constexpr std::u16string_view kCity5[] = {
    u"金川区", u"永昌县",
};
// 酒泉
constexpr std::u16string_view kCity6[] = {
    u"敦煌市", u"瓜州县", u"金塔县", u"肃北蒙古族自治县", u"肃州区", u"玉门市", u"阿克塞哈萨克族自治县",
};
// 兰州
constexpr std::u16string_view kCity7[] = {
    u"安宁区", u"城关区", u"皋兰县", u"红古区", u"七里河区", u"西固区", u"永登县", u"榆中县",
};
// 临夏回族自治州
constexpr std::u16string_view kCity8[] = {
    u"东乡族自治县", u"广河县", u"和政县", u"积石山保安族东乡族撒拉族自治县", u"康乐县", u"临夏市", u"临夏县", u"永靖县",
};
// 陇南
constexpr std::u16string_view kCity9[] = {
    u"成县", u"宕昌县", u"徽县", u"礼县", u"武都区", u"西和县", u"康县", u"文县", u"两当县",
};
// 平凉
constexpr std::u16string_view kCity10[] = {
    u"华亭县", u"泾川县", u"静宁县", u"崆峒区", u"灵台县", u"庄浪县", u"崇信县",
};
// 庆阳
constexpr std::u16string_view kCity11[] = {
    u"合水县", u"华池县", u"环县", u"宁县", u"庆城县", u"西峰区", u"镇原县", u"正宁县",
};
// 天水
constexpr std::u16string_view kCity12[] = {
    u"甘谷县", u"麦积区", u"秦安县", u"秦州区", u"清水县", u"武山县", u"张家川回族自治县",
};
// 武威
constexpr std::u16string_view kCity13[] = {
    u"古浪县", u"凉州区", u"民勤县", u"天祝藏族自治县",
};
// 张掖
constexpr std::u16string_view kCity14[] = {
    u"甘州区", u"高台县", u"临泽县", u"民乐县", u"山丹县", u"肃南裕固族自治县",
};

constexpr CityBlock kBlocks[] = {
    {u"白银", kCity1},
    {u"定西", kCity2},
    {u"甘南藏族自治州", kCity3},
    {u"嘉峪关", kCity4},
    {u"金昌", kCity5},
    {u"酒泉", kCity6},
    {u"兰州", kCity7},
    {u"临夏回族自治州", kCity8},
    {u"陇南", kCity9},
    {u"平凉", kCity10},
    {u"庆阳", kCity11},
    {u"天水", kCity12},
    {u"武威", kCity13},
    {u"张掖", kCity14},
};

}  // namespace

constinit const DistrictTable kGanSu{u"甘肃", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::GanSu() { showCityBlocks(district_lists::kGanSu); }
