// District lists of 云南: 16 cities, 129 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 保山
constexpr std::u16string_view kCity1[] = {
    u"昌宁县", u"龙陵县", u"隆阳区", u"施甸县", u"腾冲县",
};
// 楚雄彝族自治州
constexpr std::u16string_view kCity2[] = {
    u"楚雄市", u"大姚县", u"禄丰县", u"牟定县", u"南华县", u"双柏县", u"武定县", u"姚安县", u"永仁县", u"元谋县",
};
// 大理白族自治州
constexpr std::u16string_view kCity3[] = {
    u"宾川县", u"大理市", u"鹤庆县", u"弥渡县", u"南涧彝族自治县", u"巍山彝族回族自治县", u"祥云县", u"洱源县", u"云龙县", u"剑川县",
    u"永平县", u"漾濞彝族自治县",
};
// 德宏傣族景颇族自治州
constexpr std::u16string_view kCity4[] = {
    u"梁河县", u"陇川县", u"芒市", u"瑞丽市", u"盈江县",
};
// 迪庆藏族自治州
constexpr std::u16string_view kCity5[] = {
    u"维西傈僳族自治县", u"香格里拉县", u"德钦县",
};
// 红河哈尼族彝族自治州
constexpr std::u16string_view kCity6[] = {
    u"个旧市", u"河口瑶族自治县", u"建水县", u"金平苗族瑶族傣族自治县", u"开远市", u"泸西县", u"蒙自市", u"弥勒县", u"石屏县", u"红河县",
    u"绿春县", u"屏边苗族自治县", u"元阳县",
};
// 昆明
constexpr std::u16string_view kCity7[] = {
    u"安宁市", u"呈贡区", u"东川区", u"富民县", u"官渡区", u"晋宁县", u"禄劝彝族苗族自治县", u"盘龙区", u"石林彝族自治县", u"嵩明县",
    u"五华区", u"西山区", u"寻甸回族彝族自治县", u"宜良县",
};
// 丽江
constexpr std::u16string_view kCity8[] = {
    u"古城区", u"华坪县", u"宁蒗彝族自治县", u"永胜县", u"玉龙纳西族自治县",
};
// 临沧
constexpr std::u16string_view kCity9[] = {
    u"沧源佤族自治县", u"凤庆县", u"耿马傣族佤族自治县", u"临翔区", u"双江拉祜族佤族布朗族傣族自治县", u"永德县", u"云县", u"镇康县",
};
// 怒江傈僳族自治州
constexpr std::u16string_view kCity10[] = {
    u"福贡县", u"贡山独龙族怒族自治县", u"兰坪白族普米族自治县", u"泸水县",
};
// 普洱
constexpr std::u16string_view kCity11[] = {
    u"景东彝族自治县", u"景谷傣族彝族自治县", u"澜沧拉祜族自治县", u"墨江哈尼族自治县", u"宁洱哈尼族彝族自治县", u"思茅区", u"镇沅彝族哈尼族拉祜族自治县",
    u"江城哈尼族彝族自治县", u"孟连傣族拉祜族佤族自治县", u"西盟佤族自治县",
};
// 曲靖
constexpr std::u16string_view kCity12[] = {
    u"富源县", u"会泽县", u"陆良县", u"罗平县", u"马龙县", u"麒麟区", u"师宗县", u"宣威市", u"沾益县",
};
// 文山壮族苗族自治州
constexpr std::u16string_view kCity13[] = {
    u"富宁县", u"广南县", u"麻栗坡县", u"马关县", u"丘北县", u"文山市", u"砚山县", u"西畴县",
};
// 西双版纳傣族自治州
constexpr std::u16string_view kCity14[] = {
    u"景洪市", u"勐海县", u"勐腊县",
};
// 玉溪
constexpr std::u16string_view kCity15[] = {
    u"澄江县", u"峨山彝族自治县", u"红塔区", u"华宁县", u"江川县", u"通海县", u"新平彝族傣族自治县", u"易门县", u"元江哈尼族彝族傣族自治县",
};
// 昭通
constexpr std::u16string_view kCity16[] = {
    u"鲁甸县", u"巧家县", u"永富县", u"威信县", u"盐津县", u"永善县", u"昭阳区", u"镇雄县", u"彝良县", u"大关县", u"绥江县",
};

constexpr CityBlock kBlocks[] = {
    {u"保山", kCity1},
    {u"楚雄彝族自治州", kCity2},
    {u"大理白族自治州", kCity3},
    {u"德宏傣族景颇族自治州", kCity4},
    {u"迪庆藏族自治州", kCity5},
    {u"红河哈尼族彝族自治州", kCity6},
    {u"昆明", kCity7},
    {u"丽江", kCity8},
    {u"临沧", kCity9},
    {u"怒江傈僳族自治州", kCity10},
    {u"普洱", kCity11},
    {u"曲靖", kCity12},
    {u"文山壮族苗族自治州", kCity13},
    {u"西双版纳傣族自治州", kCity14},
    {u"玉溪", kCity15},
    {u"昭通", kCity16},
};

}  // namespace

constinit const DistrictTable kYunNan{u"云南", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::YunNan() { showCityBlocks(district_lists::kYunNan); }
