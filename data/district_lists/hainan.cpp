// District lists of 海南: 2 cities, 21 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 海口
constexpr std::u16string_view kCity1[] = {
    u"保亭黎族苗族自治县", u"昌江黎族自治县", u"澄迈县", u"儋州市", u"定安县", u"东方市", u"乐东黎族自治县", u"临高县", u"陵水黎族自治县",
    u"龙华区", u"美兰区", u"琼海市", u"琼山区", u"琼中黎族苗族自治县", u"屯昌县", u"万宁市", u"文昌市", u"五指山市", u"秀英区",
    u"白沙黎族自治县",
};
// 三亚
constexpr std::u16string_view kCity2[] = {
    u"三亚市",
};

constexpr CityBlock kBlocks[] = {
    {u"海口", kCity1},
    {u"三亚", kCity2},
};

}  // namespace

constinit const DistrictTable kHaiNan{u"海南", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::HaiNan() { showCityBlocks(district_lists::kHaiNan); }
