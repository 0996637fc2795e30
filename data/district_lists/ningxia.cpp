// District lists of 宁夏: 5 cities, 22 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 固原
constexpr std::u16string_view kCity1[] = {
    u"泾源县", u"隆德县", u"彭阳县", u"西吉县", u"原州区",
};
// 石嘴山
constexpr std::u16string_view kCity2[] = {
    u"大武口区", u"惠农区", u"平罗县",
};
// 吴忠
constexpr std::u16string_view kCity3[] = {
    u"红寺堡区", u"利通区", u"青铜峡市", u"同心县", u"盐池县",
};
// 银川
constexpr std::u16string_view kCity4[] = {
    u"贺兰县", u"金凤区", u"灵武市", u"西夏区", u"兴庆区", u"永宁县",
};
// 中卫
constexpr std::u16string_view kCity5[] = {
    u"海原县", u"沙坡头区", u"中宁县",
};

constexpr CityBlock kBlocks[] = {
    {u"固原", kCity1},
    {u"石嘴山", kCity2},
    {u"吴忠", kCity3},
    {u"银川", kCity4},
    {u"中卫", kCity5},
};

}  // namespace

constinit const DistrictTable kNingXia{u"宁夏", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::NingXia() { showCityBlocks(district_lists::kNingXia); }
