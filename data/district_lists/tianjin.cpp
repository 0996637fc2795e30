// District lists of 天津: 1 city, 16 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 天津
constexpr std::u16string_view kCity1[] = {
    u"宝坻区", u"北辰区", u"滨海新区", u"东丽区", u"和平区", u"河北区", u"河东区", u"河西区", u"红桥区", u"蓟县", u"津南区", u"静海县",
    u"南开区", u"宁河县", u"武清区", u"西青区",
};

constexpr CityBlock kBlocks[] = {
    {u"天津", kCity1},
};

}  // namespace

constinit const DistrictTable kTianJin{u"天津", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::TianJin() { showCityBlocks(district_lists::kTianJin); }
