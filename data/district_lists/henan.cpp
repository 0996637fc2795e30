// District lists of 河南: 17 cities, 159 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 安阳
constexpr std::u16string_view kCity1[] = {
    u"安阳县", u"北关区", u"滑县", u"林州市", u"龙安区", u"内黄县", u"汤阴县", u"文峰区", u"殷都区",
};
// 鹤壁
constexpr std::u16string_view kCity2[] = {
    u"鹤山区", u"浚县", u"淇滨县", u"淇县", u"山城区",
};
// 焦作
constexpr std::u16string_view kCity3[] = {
    u"博爱县", u"济源市", u"解放区", u"马村区", u"孟州市", u"沁阳市", u"山阳区", u"温县", u"武陟县", u"修武县", u"中站区",
};
// 开封
constexpr std::u16string_view kCity4[] = {
    u"鼓楼区", u"金明区", u"开封县", u"兰考县", u"龙亭区", u"杞县", u"顺河回族区", u"通许县", u"尉氏县", u"禹王台区",
};
// 洛阳
constexpr std::u16string_view kCity5[] = {
    u"e河回族区", u"吉利区", u"涧西区", u"老城区", u"栾川县", u"洛龙区", u"洛宁县", u"孟津县", u"汝阳县", u"嵩县", u"西工区",
    u"新安县", u"偃师市", u"伊川县", u"宜阳县",
};
// 漯河
constexpr std::u16string_view kCity6[] = {
    u"临颍县", u"舞阳县", u"郾城区", u"源汇区", u"召陵区",
};
// 南阳
constexpr std::u16string_view kCity7[] = {
    u"邓州市", u"方城县", u"内乡县", u"南召县", u"社旗县", u"唐河县", u"桐柏县", u"宛城区", u"卧龙区", u"西峡县", u"淅川县", u"新野县",
    u"镇平县",
};
// 平顶山
constexpr std::u16string_view kCity8[] = {
    u"宝丰县", u"郏县", u"鲁山县", u"汝州市", u"石龙区", u"卫东区", u"舞钢市", u"新华区", u"叶县", u"湛河区",
};
// 濮阳
constexpr std::u16string_view kCity9[] = {
    u"范县", u"华龙区", u"南乐县", u"濮阳县", u"台前县", u"清丰县",
};
// 三门峡
constexpr std::u16string_view kCity10[] = {
    u"湖滨区", u"灵宝市", u"卢氏县", u"陕县", u"渑池县", u"义马市",
};
// 商丘
constexpr std::u16string_view kCity11[] = {
    u"梁园区", u"民权县", u"宁陵县", u"睢县", u"睢阳区", u"夏邑县", u"永城市", u"虞城县", u"柘城县",
};
// 新乡
constexpr std::u16string_view kCity12[] = {
    u"长垣县", u"封丘县", u"凤泉区", u"红旗区", u"辉县市", u"获嘉县", u"牧野区", u"卫滨区", u"卫辉市", u"新乡县", u"延津县", u"原阳县",
};
// 信阳
constexpr std::u16string_view kCity13[] = {
    u"固始县", u"光山县", u"淮滨县", u"潢川县", u"罗山县", u"平桥区", u"商城县", u"负忧", u"息县", u"新县",
};
// 许昌
constexpr std::u16string_view kCity14[] = {
    u"长葛市", u"魏都区", u"襄城县", u"许昌县", u"鄢陵县", u"禹州市",
};
// 郑州
constexpr std::u16string_view kCity15[] = {
    u"登封市", u"二七区", u"巩义市", u"管城回族区", u"惠济区", u"金水区", u"上街区", u"新密市", u"新郑市", u"荥阳市", u"中牟县",
    u"中原区",
};
// 周口
constexpr std::u16string_view kCity16[] = {
    u"川汇区", u"郸城县", u"扶沟县", u"淮阳县", u"鹿邑县", u"商水县", u"沈丘县", u"太康县", u"西华县", u"项城市",
};
// 驻马店
constexpr std::u16string_view kCity17[] = {
    u"泌阳县", u"平舆县", u"确山县", u"汝南县", u"上蔡县", u"遂平县", u"西平县", u"新蔡县", u"驿城区", u"正阳县",
};

constexpr CityBlock kBlocks[] = {
    {u"安阳", kCity1},
    {u"鹤壁", kCity2},
    {u"焦作", kCity3},
    {u"开封", kCity4},
    {u"洛阳", kCity5},
    {u"漯河", kCity6},
    {u"南阳", kCity7},
    {u"平顶山", kCity8},
    {u"濮阳", kCity9},
    {u"三门峡", kCity10},
    {u"商丘", kCity11},
    {u"新乡", kCity12},
    {u"信阳", kCity13},
    {u"许昌", kCity14},
    {u"郑州", kCity15},
    {u"周口", kCity16},
    {u"驻马店", kCity17},
};

}  // namespace

constinit const DistrictTable kHeNan{u"河南", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::HeNan() { showCityBlocks(district_lists::kHeNan); }
