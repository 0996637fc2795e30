// District lists of 山东: 17 cities, 138 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 滨州
constexpr std::u16string_view kCity1[] = {
    u"滨城区", u"博兴县", u"惠民县", u"无棣县", u"阳信县", u"沾化县", u"邹平县",
};
// 德州
constexpr std::u16string_view kCity2[] = {
    u"德城区", u"乐陵市", u"临邑县", u"陵县", u"宁津县", u"平原县", u"齐河县", u"庆云县", u"武城县", u"夏津县", u"禹城市",
};
// 东营
constexpr std::u16string_view kCity3[] = {
    u"东营区", u"广饶县", u"河口区", u"垦利县", u"利津县",
};
// 菏泽
constexpr std::u16string_view kCity4[] = {
    u"曹县", u"成武县", u"单县", u"定陶县", u"东明县", u"巨野县", u"鄄城县", u"牡丹区", u"郓城县",
};
// 济南
constexpr std::u16string_view kCity5[] = {
    u"长清区", u"槐荫区", u"济阳县", u"历城区", u"历下区", u"平阴县", u"商河县", u"市中区", u"天桥区", u"章丘市",
};
// 济宁
constexpr std::u16string_view kCity6[] = {
    u"嘉祥区", u"金乡县", u"梁山县", u"曲阜市", u"任城区", u"市中区", u"泗水县", u"微山县", u"汶上县", u"兖州市", u"鱼台县", u"邹城市",
};
// 莱芜
constexpr std::u16string_view kCity7[] = {
    u"钢城区", u"莱城区",
};
// 聊城
constexpr std::u16string_view kCity8[] = {
    u"茌平县", u"东阿县", u"东昌府区", u"高唐县", u"冠县", u"临清市", u"莘县", u"阳谷县",
};
// 临沂
constexpr std::u16string_view kCity9[] = {
    u"苍山县", u"费县", u"河东区", u"莒南县", u"兰山区", u"临沭县", u"罗庄区", u"蒙阴县", u"平邑县", u"郯城县", u"沂南县", u"沂水县",
};
// 青岛
constexpr std::u16string_view kCity10[] = {
    u"城阳区", u"黄岛区", u"即墨市", u"胶州市", u"莱西市", u"崂山区", u"李沧区", u"平度市", u"市北区", u"市南区",
};
// 日照
constexpr std::u16string_view kCity11[] = {
    u"东港区", u"莒县", u"岚山区", u"五莲县",
};
// 泰安
constexpr std::u16string_view kCity12[] = {
    u"岱岳区", u"东平县", u"肥城市", u"宁阳县", u"泰山区", u"新泰市",
};
// 威海
constexpr std::u16string_view kCity13[] = {
    u"环翠区", u"荣成市", u"乳山市", u"文登市",
};
// 潍坊
constexpr std::u16string_view kCity14[] = {
    u"安丘市", u"昌乐县", u"昌邑市", u"坊子区", u"高密市", u"寒亭区", u"奎文区", u"临朐县", u"青州市", u"寿光市", u"潍城区", u"诸城市",
};
// 烟台
constexpr std::u16string_view kCity15[] = {
    u"长岛县", u"福山区", u"海阳市", u"莱山区", u"莱阳市", u"莱州市", u"龙口市", u"牟平区", u"蓬莱市", u"栖霞市", u"招远市", u"芝罘区",
};
// 枣庄
constexpr std::u16string_view kCity16[] = {
    u"山亭区", u"市中区", u"台儿庄区", u"滕州市", u"薛城区", u"峄城区",
};
// 淄博
constexpr std::u16string_view kCity17[] = {
    u"博山区", u"高青县", u"桓台县", u"临淄区", u"沂源县", u"张店区", u"周村区", u"淄川区",
};

constexpr CityBlock kBlocks[] = {
    {u"滨州", kCity1},
    {u"德州", kCity2},
    {u"东营", kCity3},
    {u"菏泽", kCity4},
    {u"济南", kCity5},
    {u"济宁", kCity6},
    {u"莱芜", kCity7},
    {u"聊城", kCity8},
    {u"临沂", kCity9},
    {u"青岛", kCity10},
    {u"日照", kCity11},
    {u"泰安", kCity12},
    {u"威海", kCity13},
    {u"潍坊", kCity14},
    {u"烟台", kCity15},
    {u"枣庄", kCity16},
    {u"淄博", kCity17},
};

}  // namespace

constinit const DistrictTable kShanDong{u"山东", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::ShanDong() { showCityBlocks(district_lists::kShanDong); }
