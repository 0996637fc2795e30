// District lists of 重庆: 1 city, 38 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 重庆
constexpr std::u16string_view kCity1[] = {
    u"巴南区", u"北碚区", u"璧山县", u"长寿区", u"城口县", u"大渡口区", u"大足区", u"垫江县", u"丰都县", u"奉节县", u"涪陵区",
    u"合川区", u"江北区", u"江津区", u"九龙坡区", u"开县", u"梁平县", u"南岸区", u"南川区", u"彭水苗族土家族自治县", u"綦江区", u"黔江区",
    u"荣昌县", u"沙坪坝区", u"石柱土家族自治县", u"铜梁县", u"潼南县", u"万州区", u"巫山县", u"巫溪县", u"武隆县", u"秀山土家族苗族自治县",
    u"永川区", u"酉阳土家族苗族自治县", u"渝北区", u"渝中区", u"云阳县", u"忠县",
};

constexpr CityBlock kBlocks[] = {
    {u"重庆", kCity1},
};

}  // namespace

constinit const DistrictTable kChongQing{u"重庆", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::ChongQing() { showCityBlocks(district_lists::kChongQing); }
