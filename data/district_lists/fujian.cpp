// District lists of 福建: 9 cities, 84 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 福州
constexpr std::u16string_view kCity1[] = {
    u"仓山区", u"长乐市", u"福清市", u"鼓楼区", u"晋安区", u"连江县", u"罗源县", u"马尾区", u"闽侯县", u"闽清县", u"平潭县", u"台江区",
    u"永泰县",
};
// 龙岩
constexpr std::u16string_view kCity2[] = {
    u"长汀县", u"连城县", u"上杭县", u"武平县", u"新罗区", u"永定县", u"漳平市",
};
// 南平
constexpr std::u16string_view kCity3[] = {
    u"光泽县", u"建瓯市", u"建阳市", u"浦城县", u"邵武市", u"顺昌县", u"松溪县", u"武夷山市", u"延平区", u"政和县",
};
// 宁德
constexpr std::u16string_view kCity4[] = {
    u"福安市", u"福鼎市", u"古田县", u"蕉城区", u"屏南县", u"寿宁县", u"霞浦县", u"柘荣县", u"周宁县",
};
// 莆田
constexpr std::u16string_view kCity5[] = {
    u"城厢区", u"涵江区", u"荔城区", u"仙游县", u"秀屿区",
};
// 泉州
constexpr std::u16string_view kCity6[] = {
    u"安溪县", u"德化县", u"丰泽区", u"惠安县", u"晋江市", u"鲤城区", u"洛江区", u"南安市", u"泉港区", u"石狮市", u"永春县",
};
// 三明
constexpr std::u16string_view kCity7[] = {
    u"大田县", u"建宁县", u"将乐县", u"梅列区", u"明溪县", u"宁化县", u"清流县", u"三元区", u"沙县", u"泰宁县", u"永安市", u"尤溪县",
};
// 厦门
constexpr std::u16string_view kCity8[] = {
    u"海沧区", u"湖里区", u"集美区", u"思明区", u"同安区", u"翔安区",
};
// 漳州
constexpr std::u16string_view kCity9[] = {
    u"长泰县", u"东山县", u"华安县", u"龙海市", u"龙文区", u"南靖县", u"平和县", u"芗城区", u"云霄县", u"漳浦县", u"诏安县",
};

constexpr CityBlock kBlocks[] = {
    {u"福州", kCity1},
    {u"龙岩", kCity2},
    {u"南平", kCity3},
    {u"宁德", kCity4},
    {u"莆田", kCity5},
    {u"泉州", kCity6},
    {u"三明", kCity7},
    {u"厦门", kCity8},
    {u"漳州", kCity9},
};

}  // namespace

constinit const DistrictTable kFuJian{u"福建", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::FuJian() { showCityBlocks(district_lists::kFuJian); }
