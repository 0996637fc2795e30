// District lists of 江西: 11 cities, 98 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 抚州
constexpr std::u16string_view kCity1[] = {
    u"崇仁县", u"东乡县", u"广昌县", u"金溪县", u"乐安县", u"黎川县", u"临川区", u"南城县", u"南丰县", u"宜黄县", u"资溪县",
};
// 赣州
constexpr std::u16string_view kCity2[] = {
    u"安远县", u"崇义县", u"大余县", u"定南县", u"赣县", u"会昌县", u"龙南县", u"南康市", u"宁都县", u"全南县", u"瑞金市", u"上犹县",
    u"石城县", u"信丰县", u"兴国县", u"寻乌县", u"于都县", u"章贡区",
};
// 吉安
constexpr std::u16string_view kCity3[] = {
    u"安福县", u"吉安县", u"吉水县", u"吉州区", u"井冈山市", u"青原区", u"遂川县", u"泰和县", u"峡江县", u"新干县", u"永丰县",
    u"永新县", u"万安县",
};
// 景德镇
constexpr std::u16string_view kCity4[] = {
    u"昌江区", u"浮梁县", u"乐平市", u"珠山区",
};
// 九江
constexpr std::u16string_view kCity5[] = {
    u"德安县", u"都昌县", u"湖口县", u"九江县", u"庐山区", u"彭泽县", u"瑞昌市", u"武宁县", u"星子县", u"修水县", u"浔阳区", u"永修县",
};
// 南昌
constexpr std::u16string_view kCity6[] = {
    u"安义县", u"东湖区", u"进贤县", u"南昌县", u"青山湖区", u"青云谱区", u"湾里区", u"西湖区", u"新建县",
};
// 萍乡
constexpr std::u16string_view kCity7[] = {
    u"安源区", u"芦溪县", u"湘东区", u"上栗县", u"莲花县",
};
// 上饶
constexpr std::u16string_view kCity8[] = {
    u"德兴市", u"广丰县", u"鄱阳县", u"铅山县", u"上饶县", u"万年县", u"婺源县", u"信州区", u"弋阳县", u"余干县", u"玉山县",
};
// 新余
constexpr std::u16string_view kCity9[] = {
    u"分宜县", u"渝水区",
};
// 宜春
constexpr std::u16string_view kCity10[] = {
    u"丰城市", u"奉新县", u"高安市", u"靖安县", u"上高县", u"铜鼓县", u"万载县", u"宜丰县", u"袁州区", u"樟树市",
};
// 鹰潭
constexpr std::u16string_view kCity11[] = {
    u"贵溪市", u"余江县", u"月湖区",
};

constexpr CityBlock kBlocks[] = {
    {u"抚州", kCity1},
    {u"赣州", kCity2},
    {u"吉安", kCity3},
    {u"景德镇", kCity4},
    {u"九江", kCity5},
    {u"南昌", kCity6},
    {u"萍乡", kCity7},
    {u"上饶", kCity8},
    {u"新余", kCity9},
    {u"宜春", kCity10},
    {u"鹰潭", kCity11},
};

}  // namespace

constinit const DistrictTable kJiangXi{u"江西", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::JiangXi() { showCityBlocks(district_lists::kJiangXi); }
