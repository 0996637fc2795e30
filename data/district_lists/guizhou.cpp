// District lists of 贵州: 9 cities, 88 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 安顺
constexpr std::u16string_view kCity1[] = {
    u"关岭布衣族苗族自治县", u"平坝县", u"普定县", u"西秀区", u"镇宁布衣族苗族自治县", u"紫云苗族布衣族自治县",
};
// 毕节
constexpr std::u16string_view kCity2[] = {
    u"大方县", u"赫章县", u"金沙县", u"七星关区", u"黔西县", u"威宁彝族回族苗族自治县", u"织金县", u"纳雍县",
};
// 贵阳
constexpr std::u16string_view kCity3[] = {
    u"白云区", u"观山湖区", u"花溪区", u"开阳县", u"南明区", u"清镇市", u"乌当区", u"息烽县", u"修文县", u"云岩区",
};
// 六盘水
constexpr std::u16string_view kCity4[] = {
    u"六枝特区", u"盘县", u"水城县", u"钟山区",
};
// 黔东南苗族侗族自治州
constexpr std::u16string_view kCity5[] = {
    u"岑巩县", u"从江县", u"黄平县", u"凯里市", u"黎平县", u"三穗县", u"施秉县", u"台江县", u"天柱县", u"镇远县", u"剑河县", u"锦屏县",
    u"雷山县", u"榕江县", u"丹寨县", u"麻江县",
};
// 黔南布依族苗族自治州
constexpr std::u16string_view kCity6[] = {
    u"长顺县", u"都匀市", u"独山县", u"福泉市", u"贵定县", u"惠水县", u"荔波县", u"龙里县", u"罗甸县", u"平塘县", u"三都水族自治县",
    u"瓮安县",
};
// 黔西南布依族苗族自治州
constexpr std::u16string_view kCity7[] = {
    u"安龙县", u"册亨县", u"普安县", u"晴隆县", u"望谟县", u"兴仁县", u"兴义县", u"贞丰县",
};
// 铜仁
constexpr std::u16string_view kCity8[] = {
    u"碧江区", u"德江县", u"江口县", u"石阡县", u"思南县", u"松桃苗族自治县", u"沿河土家族自治县", u"印江土家族苗族自治县", u"玉屏侗族自治县",
    u"万山区",
};
// 遵义
constexpr std::u16string_view kCity9[] = {
    u"赤水市", u"道真仡佬族苗族自治县", u"凤冈县", u"红花岗区", u"汇川区", u"湄潭县", u"仁怀市", u"绥阳县", u"桐梓县", u"务川仡佬族苗族自治县",
    u"习水县", u"余庆县", u"正安县", u"遵义县",
};

constexpr CityBlock kBlocks[] = {
    {u"安顺", kCity1},
    {u"毕节", kCity2},
    {u"贵阳", kCity3},
    {u"六盘水", kCity4},
    {u"黔东南苗族侗族自治州", kCity5},
    {u"黔南布依族苗族自治州", kCity6},
    {u"黔西南布依族苗族自治州", kCity7},
    {u"铜仁", kCity8},
    {u"遵义", kCity9},
};

}  // namespace

constinit const DistrictTable kGuiZhou{u"贵州", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::GuiZhou() { showCityBlocks(district_lists::kGuiZhou); }
