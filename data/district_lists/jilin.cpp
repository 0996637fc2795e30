// District lists of 吉林: 9 cities, 60 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 白城
constexpr std::u16string_view kCity1[] = {
    u"大安市", u"洮北区", u"洮南市", u"通榆县", u"镇赉县",
};
// 白山
constexpr std::u16string_view kCity2[] = {
    u"长白朝鲜族自治县", u"抚松县", u"浑江区", u"江源区", u"靖宇县", u"临江市",
};
// 长春
constexpr std::u16string_view kCity3[] = {
    u"朝阳区", u"德惠市", u"二道区", u"九台市", u"宽城区", u"绿园区", u"南关区", u"农安县", u"双阳区", u"榆树市",
};
// 吉林
constexpr std::u16string_view kCity4[] = {
    u"昌邑区", u"船营区", u"丰满区", u"桦甸市", u"蛟河市", u"龙潭区", u"磐石市", u"舒兰市", u"永吉县",
};
// 辽源
constexpr std::u16string_view kCity5[] = {
    u"东丰县", u"东辽县", u"龙山区", u"西安区",
};
// 四平
constexpr std::u16string_view kCity6[] = {
    u"公主岭市", u"梨树县", u"双辽市", u"铁东区", u"铁西区", u"伊通满族自治县",
};
// 松原
constexpr std::u16string_view kCity7[] = {
    u"长岭县", u"扶余县", u"宁江区", u"前郭尔罗斯蒙古族自治县", u"乾安县",
};
// 通化
constexpr std::u16string_view kCity8[] = {
    u"东昌区", u"二道江区", u"辉南县", u"集安市", u"柳河县", u"梅河口市", u"通化县",
};
// 延边朝鲜族自治州
constexpr std::u16string_view kCity9[] = {
    u"安图县", u"敦化市", u"和龙市", u"珲春市", u"龙井市", u"图们市", u"汪清县", u"延吉市",
};

constexpr CityBlock kBlocks[] = {
    {u"白城", kCity1},
    {u"白山", kCity2},
    {u"长春", kCity3},
    {u"吉林", kCity4},
    {u"辽源", kCity5},
    {u"四平", kCity6},
    {u"松原", kCity7},
    {u"通化", kCity8},
    {u"延边朝鲜族自治州", kCity9},
};

}  // namespace

constinit const DistrictTable kJiLin{u"吉林", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::JiLin() { showCityBlocks(district_lists::kJiLin); }
