// District lists of 湖南: 14 cities, 122 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 长沙
constexpr std::u16string_view kCity1[] = {
    u"长沙县", u"芙蓉区", u"开福区", u"浏阳市", u"宁乡县", u"天心区", u"望城区", u"雨花区", u"岳麓区",
};
// 常德
constexpr std::u16string_view kCity2[] = {
    u"安乡县", u"鼎城区", u"汉寿县", u"津市市", u"澧县", u"临澧县", u"石门县", u"桃源县", u"武陵区",
};
// 郴州
constexpr std::u16string_view kCity3[] = {
    u"安仁县", u"北湖区", u"桂东县", u"桂阳县", u"嘉禾县", u"临武县", u"汝城县", u"苏仙区", u"宜章县", u"永兴县", u"资兴市",
};
// 衡阳
constexpr std::u16string_view kCity4[] = {
    u"常宁市", u"衡东县", u"衡南县", u"衡山县", u"衡阳县", u"耒阳市", u"南岳区", u"祁东县", u"石鼓区", u"雁峰区", u"蒸湘区", u"珠晖区",
};
// 怀化
constexpr std::u16string_view kCity5[] = {
    u"辰溪县", u"鹤城区", u"洪江市", u"会同县", u"靖州苗族侗族自治县", u"麻阳苗族自治县", u"通道侗族自治县", u"新晃侗族自治县", u"溆浦县",
    u"沅陵县", u"芷江侗族自治县", u"中方县",
};
// 娄底
constexpr std::u16string_view kCity6[] = {
    u"冷水江市", u"涟源市", u"娄星区", u"双峰县", u"新化县",
};
// 邵阳
constexpr std::u16string_view kCity7[] = {
    u"北塔区", u"城步苗族自治县", u"大祥区", u"洞口县", u"隆回县", u"邵东县", u"邵阳县", u"双清区", u"绥宁县", u"武冈市", u"新宁县",
    u"新邵县",
};
// 湘潭
constexpr std::u16string_view kCity8[] = {
    u"韶山市", u"湘潭县", u"湘乡市", u"雨湖区", u"岳塘区",
};
// 湘西土家族苗族自治州
constexpr std::u16string_view kCity9[] = {
    u"保靖县", u"凤凰县", u"古丈县", u"花垣县", u"吉首县", u"龙山县", u"泸溪县", u"永顺县",
};
// 益阳
constexpr std::u16string_view kCity10[] = {
    u"安化县", u"赫山区", u"南县", u"桃江县", u"沅江市", u"资阳区",
};
// 永州
constexpr std::u16string_view kCity11[] = {
    u"道县", u"东安县", u"江华瑶族自治县", u"蓝山县", u"冷水滩区", u"零陵区", u"宁远县", u"祁阳县", u"双牌县", u"新田县", u"江永县",
};
// 岳阳
constexpr std::u16string_view kCity12[] = {
    u"华容县", u"君山区", u"临湘市", u"汨罗市", u"平江县", u"湘阴县", u"岳阳楼区", u"岳阳县", u"云溪区",
};
// 张家界
constexpr std::u16string_view kCity13[] = {
    u"慈利县", u"桑植县", u"武陵源区", u"永定区",
};
// 株洲
constexpr std::u16string_view kCity14[] = {
    u"茶陵县", u"荷塘区", u"醴陵市", u"芦淞区", u"石峰区", u"天元区", u"炎陵县", u"攸县", u"株洲县",
};

constexpr CityBlock kBlocks[] = {
    {u"长沙", kCity1},
    {u"常德", kCity2},
    {u"郴州", kCity3},
    {u"衡阳", kCity4},
    {u"怀化", kCity5},
    {u"娄底", kCity6},
    {u"邵阳", kCity7},
    {u"湘潭", kCity8},
    {u"湘西土家族苗族自治州", kCity9},
    {u"益阳", kCity10},
    {u"永州", kCity11},
    {u"岳阳", kCity12},
    {u"张家界", kCity13},
    {u"株洲", kCity14},
};

}  // namespace

constinit const DistrictTable kHuNan{u"湖南", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::HuNan() { showCityBlocks(district_lists::kHuNan); }
