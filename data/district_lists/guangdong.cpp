// District lists of 广东: 21 cities, 123 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 潮州
constexpr std::u16string_view kCity1[] = {
    u"潮安县", u"饶平县", u"湘桥区",
};
// 东莞
constexpr std::u16string_view kCity2[] = {
    u"东莞市",
};
// 佛山
constexpr std::u16string_view kCity3[] = {
    u"禅城区", u"高明区", u"南海区", u"三水区", u"顺德区",
};
// 广州
constexpr std::u16string_view kCity4[] = {
    u"白云区", u"从化市", u"番禺区", u"海珠区", u"花都区", u"黄浦区", u"荔湾区", u"萝岗区", u"南沙区", u"天河区", u"越秀区", u"增城市",
};
// 河源
constexpr std::u16string_view kCity5[] = {
    u"东源县", u"和平县", u"连平县", u"龙川县", u"源城区", u"紫金县",
};
// 惠州
constexpr std::u16string_view kCity6[] = {
    u"博罗县", u"惠城区", u"惠东县", u"惠阳区", u"龙门县",
};
// 江门
constexpr std::u16string_view kCity7[] = {
    u"恩平市", u"鹤山市", u"江海区", u"开平市", u"蓬江区", u"台山市", u"新会区",
};
// 揭阳
constexpr std::u16string_view kCity8[] = {
    u"惠来县", u"揭东区", u"揭西区", u"普宁市", u"榕城区",
};
// 茂名
constexpr std::u16string_view kCity9[] = {
    u"电白县", u"高州市", u"化州市", u"茂港区", u"茂南区", u"信宜市",
};
// 梅州
constexpr std::u16string_view kCity10[] = {
    u"大埔县", u"丰顺县", u"蕉岭县", u"梅江区", u"梅县", u"平远县", u"五华县", u"兴宁市",
};
// 清远
constexpr std::u16string_view kCity11[] = {
    u"佛冈县", u"连南瑶族自治县", u"连山壮族瑶族自治县", u"连州市", u"清城区", u"清新区", u"阳山县", u"英德市",
};
// 汕头
constexpr std::u16string_view kCity12[] = {
    u"潮南区", u"潮阳区", u"澄海区", u"濠江区", u"金平区", u"龙湖区", u"南澳县",
};
// 汕尾
constexpr std::u16string_view kCity13[] = {
    u"城区", u"海丰县", u"陆丰市", u"陆河县",
};
// 韶关
constexpr std::u16string_view kCity14[] = {
    u"乐昌市", u"南雄市", u"曲江区", u"仁化县", u"乳源瑶族自治县", u"始兴县", u"翁源县", u"武江区", u"新丰县", u"浈江区",
};
// 深圳
constexpr std::u16string_view kCity15[] = {
    u"宝安区", u"福田区", u"龙岗区", u"罗湖区", u"南山区", u"盐田区",
};
// 阳江
constexpr std::u16string_view kCity16[] = {
    u"江城区", u"阳春市", u"阳东县", u"阳西县",
};
// 云浮
constexpr std::u16string_view kCity17[] = {
    u"罗定市", u"新兴县", u"郁南县", u"云城区", u"云安县",
};
// 湛江
constexpr std::u16string_view kCity18[] = {
    u"赤坎区", u"雷州市", u"廉江市", u"麻章区", u"坡头区", u"遂溪县", u"吴川市", u"霞山区", u"徐闻县",
};
// 肇庆
constexpr std::u16string_view kCity19[] = {
    u"德庆县", u"鼎湖区", u"端州区", u"封开县", u"高要市", u"广宁县", u"怀集县", u"四会市",
};
// 中山
constexpr std::u16string_view kCity20[] = {
    u"中山市",
};
// 珠海
constexpr std::u16string_view kCity21[] = {
    u"斗门区", u"金湾区", u"香洲区",
};

constexpr CityBlock kBlocks[] = {
    {u"潮州", kCity1},
    {u"东莞", kCity2},
    {u"佛山", kCity3},
    {u"广州", kCity4},
    {u"河源", kCity5},
    {u"惠州", kCity6},
    {u"江门", kCity7},
    {u"揭阳", kCity8},
    {u"茂名", kCity9},
    {u"梅州", kCity10},
    {u"清远", kCity11},
    {u"汕头", kCity12},
    {u"汕尾", kCity13},
    {u"韶关", kCity14},
    {u"深圳", kCity15},
    {u"阳江", kCity16},
    {u"云浮", kCity17},
    {u"湛江", kCity18},
    {u"肇庆", kCity19},
    {u"中山", kCity20},
    {u"珠海", kCity21},
};

}  // namespace

constinit const DistrictTable kGuangDong{u"广东", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::GuangDong() { showCityBlocks(district_lists::kGuangDong); }
