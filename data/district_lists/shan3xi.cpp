// District lists of 陕西: 10 cities, 107 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 安康
constexpr std::u16string_view kCity1[] = {
    u"白河县", u"汉滨区", u"汉阴县", u"岚皋县", u"宁陕县", u"石泉县", u"旬阳县", u"紫阳县", u"平利县", u"镇平县",
};
// 宝鸡
constexpr std::u16string_view kCity2[] = {
    u"陈仓区", u"凤县", u"凤翔县", u"扶风县", u"金台区", u"陇县", u"眉县", u"岐山县", u"千阳县", u"太白县", u"渭滨区", u"麟游县",
};
// 汉中
constexpr std::u16string_view kCity3[] = {
    u"城固县", u"汉台区", u"略阳县", u"勉县", u"南郑县", u"宁强县", u"西乡县", u"洋县", u"镇巴县", u"佛坪县", u"留坝县",
};
// 商洛
constexpr std::u16string_view kCity4[] = {
    u"丹凤县", u"洛南县", u"商南县", u"商州区", u"镇安县", u"柞水县", u"山阳县",
};
// 铜川
constexpr std::u16string_view kCity5[] = {
    u"王益区", u"耀州区", u"宜君县", u"印台区",
};
// 渭南
constexpr std::u16string_view kCity6[] = {
    u"白水县", u"澄城县", u"大荔县", u"富平县", u"韩城市", u"合阳县", u"华县", u"华阴市", u"临渭区", u"蒲城县", u"潼关县",
};
// 西安
constexpr std::u16string_view kCity7[] = {
    u"灞桥区", u"碑林区", u"长安区", u"高陵县", u"户县", u"蓝田县", u"莲湖区", u"临潼区", u"未央区", u"新城区", u"阎良区", u"雁塔区",
    u"周至县",
};
// 咸阳
constexpr std::u16string_view kCity8[] = {
    u"彬县", u"长武县", u"淳化县", u"泾阳县", u"礼泉县", u"乾县", u"泰都区", u"三原县", u"渭城区", u"武功县", u"兴平市", u"旬邑县",
    u"杨陵区", u"永寿县",
};
// 延安
constexpr std::u16string_view kCity9[] = {
    u"安塞县", u"宝塔区", u"富县", u"甘泉县", u"黄陵县", u"黄龙县", u"洛川县", u"吴起县", u"延长县", u"延川县", u"宜川县", u"志丹县",
    u"子长县",
};
// 榆林
constexpr std::u16string_view kCity10[] = {
    u"定边县", u"府谷县", u"横山县", u"佳县", u"靖边县", u"米脂县", u"神木县", u"绥德县", u"榆阳区", u"子洲县", u"清涧县", u"吴堡县",
};

constexpr CityBlock kBlocks[] = {
    {u"安康", kCity1},
    {u"宝鸡", kCity2},
    {u"汉中", kCity3},
    {u"商洛", kCity4},
    {u"铜川", kCity5},
    {u"渭南", kCity6},
    {u"西安", kCity7},
    {u"咸阳", kCity8},
    {u"延安", kCity9},
    {u"榆林", kCity10},
};

}  // namespace

constinit const DistrictTable kShan3Xi{u"陕西", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::Shan3Xi() { showCityBlocks(district_lists::kShan3Xi); }
