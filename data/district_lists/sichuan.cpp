// District lists of 四川: 21 cities, 178 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 阿坝藏族羌族自治州
constexpr std::u16string_view kCity1[] = {
    u"红原县", u"九寨沟县", u"马尔康县", u"茂县", u"松潘县", u"汶川县", u"阿坝县", u"壤塘县", u"若尔盖县",
};
// 巴中
constexpr std::u16string_view kCity2[] = {
    u"巴州区", u"南江县", u"平昌县", u"通江县",
};
// 成都
constexpr std::u16string_view kCity3[] = {
    u"成华区", u"崇州市", u"大邑县", u"都江堰市", u"金牛区", u"金堂县", u"锦江区", u"龙泉驿区", u"彭州市", u"郫县", u"浦江县",
    u"青白江区", u"青羊区", u"邛崃市", u"双流县", u"温江区", u"武侯区", u"新都区", u"新津县",
};
// 达州
constexpr std::u16string_view kCity4[] = {
    u"达县", u"大竹县", u"开江县", u"渠县", u"通川区", u"万源市", u"宣汉县", u"达川区",
};
// 德阳
constexpr std::u16string_view kCity5[] = {
    u"广汉市", u"旌阳区", u"罗江县", u"绵竹市", u"什邡市", u"中江县",
};
// 甘孜藏族自治州
constexpr std::u16string_view kCity6[] = {
    u"巴塘县", u"康定县", u"泸定县", u"色达县", u"丹巴县", u"白玉县", u"道孚县", u"甘孜县", u"炉霍县", u"德格县", u"得荣县", u"乡城县",
    u"稻城县", u"理塘县", u"新龙县", u"九龙县", u"雅江县",
};
// 广安
constexpr std::u16string_view kCity7[] = {
    u"广安区", u"华蓥市", u"邻水县", u"武胜县", u"岳池县", u"前锋区",
};
// 广元
constexpr std::u16string_view kCity8[] = {
    u"苍溪县", u"朝天区", u"剑阁县", u"利州区", u"旺苍县", u"元坝区", u"青川县",
};
// 乐山
constexpr std::u16string_view kCity9[] = {
    u"峨边彝族自治县", u"峨眉山市", u"夹江县", u"犍为县", u"金口河区", u"井研县", u"马边彝族自治县", u"沐川县", u"沙湾区", u"市中区",
    u"五通桥区",
};
// 凉山彝族自治州
constexpr std::u16string_view kCity10[] = {
    u"德昌县", u"会东县", u"会理县", u"美姑县", u"冕宁县", u"宁南县", u"普格县", u"西昌市", u"喜德县", u"盐源县", u"越西县", u"昭觉县",
    u"雷波县", u"布拖县", u"甘洛县", u"金阳县", u"木里藏族自治县",
};
// 泸州
constexpr std::u16string_view kCity11[] = {
    u"古蔺县", u"合江县", u"江阳区", u"龙马潭区", u"泸县", u"纳溪区", u"叙永县",
};
// 眉山
constexpr std::u16string_view kCity12[] = {
    u"丹棱县", u"东坡区", u"洪雅县", u"彭山县", u"青神县", u"仁寿县",
};
// 绵阳
constexpr std::u16string_view kCity13[] = {
    u"安县", u"北川羌族自治县", u"涪城区", u"江油市", u"平武县", u"三台县", u"盐亭县", u"游仙区", u"梓潼县",
};
// 内江
constexpr std::u16string_view kCity14[] = {
    u"东兴区", u"隆昌区", u"市中区", u"威远县", u"资中县",
};
// 南充
constexpr std::u16string_view kCity15[] = {
    u"高坪区", u"嘉陵区", u"阆中市", u"南部县", u"蓬安县", u"顺庆区", u"西充县", u"仪陇县", u"营山县",
};
// 攀枝花
constexpr std::u16string_view kCity16[] = {
    u"东区", u"米易县", u"仁和区", u"西区", u"盐边县",
};
// 遂宁
constexpr std::u16string_view kCity17[] = {
    u"安居区", u"船山区", u"大英县", u"蓬溪县", u"射洪县",
};
// 雅安
constexpr std::u16string_view kCity18[] = {
    u"宝兴县", u"汉源县", u"芦山县", u"名山区", u"石棉县", u"天全县", u"荥经县", u"雨城区",
};
// 宜宾
constexpr std::u16string_view kCity19[] = {
    u"长宁县", u"翠屏区", u"高县", u"珙县", u"江安县", u"筠连县", u"南溪区", u"宜宾县", u"屏山县", u"兴文县",
};
// 资阳
constexpr std::u16string_view kCity20[] = {
    u"安岳县", u"简阳市", u"乐至县", u"雁江区",
};
// 自贡
constexpr std::u16string_view kCity21[] = {
    u"大安区", u"富顺县", u"贡井区", u"荣县", u"沿滩区", u"自流井区",
};

constexpr CityBlock kBlocks[] = {
    {u"阿坝藏族羌族自治州", kCity1},
    {u"巴中", kCity2},
    {u"成都", kCity3},
    {u"达州", kCity4},
    {u"德阳", kCity5},
    {u"甘孜藏族自治州", kCity6},
    {u"广安", kCity7},
    {u"广元", kCity8},
    {u"乐山", kCity9},
    {u"凉山彝族自治州", kCity10},
    {u"泸州", kCity11},
    {u"眉山", kCity12},
    {u"绵阳", kCity13},
    {u"内江", kCity14},
    {u"南充", kCity15},
    {u"攀枝花", kCity16},
    {u"遂宁", kCity17},
    {u"雅安", kCity18},
    {u"宜宾", kCity19},
    {u"资阳", kCity20},
    {u"自贡", kCity21},
};

}  // namespace

constinit const DistrictTable kSiChuan{u"四川", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::SiChuan() { showCityBlocks(district_lists::kSiChuan); }
