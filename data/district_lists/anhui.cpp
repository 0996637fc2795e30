// District lists of 安徽: 16 cities, 100 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 安庆
constexpr std::u16string_view kCity1[] = {
    u"枞阳县", u"大观区", u"怀宁县", u"潜山县", u"宿松县", u"太湖县", u"桐城市", u"望江县", u"宜秀区", u"迎江区", u"岳西县",
};
// 蚌埠
constexpr std::u16string_view kCity2[] = {
    u"蚌山区", u"固镇县", u"怀远县", u"淮上区", u"龙子湖区", u"五河县", u"禹会区",
};
// 亳州
constexpr std::u16string_view kCity3[] = {
    u"利辛县", u"蒙城县", u"谯城区", u"涡阳县",
};
// 池州
constexpr std::u16string_view kCity4[] = {
    u"东至县", u"贵池区", u"青阳县", u"石台县",
};
// 滁州
constexpr std::u16string_view kCity5[] = {
    u"定远县", u"凤阳县", u"来安县", u"琅琊区", u"明光市", u"南谯区", u"全椒县", u"天长市",
};
// 阜阳
constexpr std::u16string_view kCity6[] = {
    u"阜南县", u"界首市", u"临泉县", u"太和县", u"颖东区", u"颍泉区", u"颍上县", u"颍州区",
};
// 合肥
constexpr std::u16string_view kCity7[] = {
    u"包河区", u"长丰县", u"巢湖市", u"肥东县", u"肥西县", u"庐江县", u"庐阳区", u"蜀山区", u"瑶海区",
};
// 淮北
constexpr std::u16string_view kCity8[] = {
    u"杜集区", u"烈山区", u"濉溪县", u"相山区",
};
// 淮南
constexpr std::u16string_view kCity9[] = {
    u"八公山区", u"大通区", u"凤台县", u"潘集区", u"田家庵区", u"谢家集区",
};
// 黄山
constexpr std::u16string_view kCity10[] = {
    u"黄山区", u"徽州区", u"祁门县", u"屯溪区", u"歙县", u"休宁县", u"黟县",
};
// 六安
constexpr std::u16string_view kCity11[] = {
    u"霍邱县", u"霍山县", u"金安区", u"金寨县", u"寿县", u"舒城县", u"裕安区",
};
// 马鞍山
constexpr std::u16string_view kCity12[] = {
    u"当涂县", u"含山县", u"和县", u"花山区", u"金家庄区", u"雨山区",
};
// 铜陵
constexpr std::u16string_view kCity14[] = {
    u"郊区", u"狮子山区", u"铜官山区", u"铜陵县",
};
// 芜湖
constexpr std::u16string_view kCity15[] = {
    u"繁昌县", u"镜湖区", u"鸠江区", u"南陵县", u"三山区", u"无为县", u"芜湖县", u"弋江区",
};
// 宣城
constexpr std::u16string_view kCity16[] = {
    u"广德县", u"绩溪县", u"泾县", u"旌德县", u"郎溪县", u"宁国市", u"宣州区",
};

constexpr CityBlock kBlocks[] = {
    {u"安庆", kCity1},
    {u"蚌埠", kCity2},
    {u"亳州", kCity3},
    {u"池州", kCity4},
    {u"滁州", kCity5},
    {u"阜阳", kCity6},
    {u"合肥", kCity7},
    {u"淮北", kCity8},
    {u"淮南", kCity9},
    {u"黄山", kCity10},
    {u"六安", kCity11},
    {u"马鞍山", kCity12},
    {u"宿州", {}},
    {u"铜陵", kCity14},
    {u"芜湖", kCity15},
    {u"宣城", kCity16},
};

}  // namespace

constinit const DistrictTable kAnHui{u"安徽", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::AnHui() { showCityBlocks(district_lists::kAnHui); }
