// District lists of 上海: 1 city, 17 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 上海
constexpr std::u16string_view kCity1[] = {
    u"宝山区", u"长宁区", u"崇明县", u"奉贤区", u"虹口区", u"黄浦区", u"嘉定区", u"金山区", u"静安区", u"闵行区", u"浦东新区",
    u"普陀区", u"青浦区", u"松江区", u"徐汇区", u"杨浦区", u"闸北区",
};

constexpr CityBlock kBlocks[] = {
    {u"上海", kCity1},
};

}  // namespace

constinit const DistrictTable kShangHai{u"上海", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::ShangHai() { showCityBlocks(district_lists::kShangHai); }
