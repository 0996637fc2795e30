// District lists of 湖北: 17 cities, 103 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 鄂州
constexpr std::u16string_view kCity1[] = {
    u"鄂城区", u"华容区", u"梁子湖区",
};
// 恩施土家族苗族自治州
constexpr std::u16string_view kCity2[] = {
    u"巴东县", u"恩施市", u"建始县", u"来凤县", u"利川市", u"咸丰县", u"宣恩县", u"鹤峰县",
};
// 黄冈
constexpr std::u16string_view kCity3[] = {
    u"红安县", u"黄梅县", u"黄州区", u"罗田县", u"麻城市", u"蕲春县", u"团风县", u"武穴市", u"浠水县", u"英山县",
};
// 黄石
constexpr std::u16string_view kCity4[] = {
    u"大冶市", u"黄石港区", u"铁山区", u"西塞山区", u"下陆区", u"阳新县",
};
// 荆门
constexpr std::u16string_view kCity5[] = {
    u"东宝区", u"掇刀区", u"京山区", u"沙洋县", u"钟祥市",
};
// 荆州
constexpr std::u16string_view kCity6[] = {
    u"公安县", u"洪湖市", u"监利县", u"江陵县", u"荆州区", u"沙市区", u"石首市", u"松溪市",
};
// 潜江
constexpr std::u16string_view kCity7[] = {
    u"潜江市",
};
// 十堰
constexpr std::u16string_view kCity8[] = {
    u"丹江口市", u"房县", u"茅箭区", u"郧县", u"张湾区", u"竹山县", u"竹溪县", u"郧西县",
};
// 随州
constexpr std::u16string_view kCity9[] = {
    u"广水市", u"曾都区", u"随县",
};
// 天门
constexpr std::u16string_view kCity10[] = {
    u"天门市",
};
// 武汉
constexpr std::u16string_view kCity11[] = {
    u"蔡甸区", u"东西湖区", u"汉南区", u"汉阳区", u"洪山区", u"黄陂区", u"江岸区", u"江汉区", u"江夏区", u"~口区", u"青山区",
    u"武昌区", u"新洲区",
};
// 仙桃
constexpr std::u16string_view kCity12[] = {
    u"仙桃市",
};
// 咸宁
constexpr std::u16string_view kCity13[] = {
    u"赤壁市", u"崇阳县", u"嘉鱼县", u"通城县", u"通山县", u"咸安区",
};
// 襄阳
constexpr std::u16string_view kCity14[] = {
    u"保康县", u"樊城区", u"谷城县", u"老河口市", u"南漳县", u"襄城区", u"襄州区", u"宜城市", u"枣阳市",
};
// 孝感
constexpr std::u16string_view kCity15[] = {
    u"安陆市", u"大悟县", u"汉川市", u"孝昌区", u"孝南区", u"应城市", u"云梦县",
};
// 宜昌
constexpr std::u16string_view kCity16[] = {
    u"长阳土家族自治县", u"当阳市", u"点军区", u"五峰土家族自治县", u"伍家岗区", u"西陵区", u"V亭区", u"兴山县", u"夷陵区", u"宜都市",
    u"远安县", u"枝江市", u"秭归县",
};
// 神农架
constexpr std::u16string_view kCity17[] = {
    u"神农架林区",
};

constexpr CityBlock kBlocks[] = {
    {u"鄂州", kCity1},
    {u"恩施土家族苗族自治州", kCity2},
    {u"黄冈", kCity3},
    {u"黄石", kCity4},
    {u"荆门", kCity5},
    {u"荆州", kCity6},
    {u"潜江", kCity7},
    {u"十堰", kCity8},
    {u"随州", kCity9},
    {u"天门", kCity10},
    {u"武汉", kCity11},
    {u"仙桃", kCity12},
    {u"咸宁", kCity13},
    {u"襄阳", kCity14},
    {u"孝感", kCity15},
    {u"宜昌", kCity16},
    {u"神农架", kCity17},
};

}  // namespace

constinit const DistrictTable kHuBei{u"湖北", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::HuBei() { showCityBlocks(district_lists::kHuBei); }
