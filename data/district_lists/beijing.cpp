// District lists of 北京: 1 city, 16 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 北京
constexpr std::u16string_view kCity1[] = {
    u"昌平区", u"朝阳区", u"大兴区", u"东城区", u"房山区", u"丰台区", u"海淀区", u"怀柔区", u"门头沟区", u"密云县", u"平谷区",
    u"石景山区", u"顺义区", u"通州区", u"西城区", u"延庆区",
};

constexpr CityBlock kBlocks[] = {
    {u"北京", kCity1},
};

}  // namespace

constinit const DistrictTable kBeiJing{u"北京", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::BeiJing() { showCityBlocks(district_lists::kBeiJing); }
