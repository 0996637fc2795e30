// District lists of 广西: 14 cities, 109 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 百色
constexpr std::u16string_view kCity1[] = {
    u"德保县", u"靖西县", u"乐业县", u"凌云县", u"隆林各族自治县", u"平果县", u"田东县", u"田阳县", u"右江区", u"田林县", u"西林县",
    u"那坡县",
};
// 北海
constexpr std::u16string_view kCity2[] = {
    u"海城区", u"合浦县", u"银海区", u"铁山港区",
};
// 崇左
constexpr std::u16string_view kCity3[] = {
    u"大新县", u"扶绥县", u"江洲区", u"龙州县", u"凭祥市", u"天等县", u"宁明县",
};
// 防城港
constexpr std::u16string_view kCity4[] = {
    u"东兴市", u"防城区", u"港口区", u"上思县",
};
// 贵港
constexpr std::u16string_view kCity5[] = {
    u"港北区", u"港南区", u"桂平市", u"平南县", u"覃塘区",
};
// 桂林
constexpr std::u16string_view kCity6[] = {
    u"叠彩区", u"恭城瑶族自治县", u"灌阳县", u"荔浦县", u"临桂县", u"灵川县", u"龙胜各族自治县", u"平乐县", u"七星区", u"全州县", u"象山区",
    u"兴安县", u"秀峰区", u"雁山区", u"阳朔县", u"永福县", u"资源县",
};
// 河池
constexpr std::u16string_view kCity7[] = {
    u"巴马瑶族自治县", u"大化瑶族自治县", u"都安瑶族自治县", u"凤山县", u"环江毛南族自治县", u"金城江区", u"南丹县", u"宜州市", u"东兰县",
    u"罗成仫佬族自治县", u"天峨县",
};
// 贺州
constexpr std::u16string_view kCity8[] = {
    u"八步区", u"富川瑶族自治县", u"昭平县", u"钟山县",
};
// 来宾
constexpr std::u16string_view kCity9[] = {
    u"合山市", u"金秀瑶族自治县", u"武宣区", u"象州县", u"忻城县", u"兴宾区",
};
// 柳州
constexpr std::u16string_view kCity10[] = {
    u"城中区", u"柳北区", u"柳城区", u"柳江县", u"柳南区", u"鹿寨县", u"融安县", u"融水苗族自治县", u"三江侗族自治县", u"鱼峰区",
};
// 南宁
constexpr std::u16string_view kCity11[] = {
    u"宾阳县", u"横县", u"江南区", u"良庆区", u"隆安县", u"马山县", u"青秀区", u"上林县", u"武鸣县", u"西乡塘区", u"兴宁区", u"邕宁区",
};
// 钦州
constexpr std::u16string_view kCity12[] = {
    u"灵山县", u"埔北区", u"钦北区", u"钦南区",
};
// 梧州
constexpr std::u16string_view kCity13[] = {
    u"苍梧县", u"岑溪市", u"长洲区", u"蝶山区", u"蒙山县", u"藤县", u"万秀区",
};
// 玉林
constexpr std::u16string_view kCity14[] = {
    u"北流市", u"博白县", u"陆川县", u"容县", u"兴业县", u"玉州区",
};

constexpr CityBlock kBlocks[] = {
    {u"百色", kCity1},
    {u"北海", kCity2},
    {u"崇左", kCity3},
    {u"防城港", kCity4},
    {u"贵港", kCity5},
    {u"桂林", kCity6},
    {u"河池", kCity7},
    {u"贺州", kCity8},
    {u"来宾", kCity9},
    {u"柳州", kCity10},
    {u"南宁", kCity11},
    {u"钦州", kCity12},
    {u"梧州", kCity13},
    {u"玉林", kCity14},
};

}  // namespace

constinit const DistrictTable kGuangXi{u"广西", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::GuangXi() { showCityBlocks(district_lists::kGuangXi); }
