// Readings of 上海: 17 rows, 0 of them without data.
#include "app/core/form1.h"
#include "data/readings/readings.h"

namespace chengxi::readings {
namespace {

// city, district, TDS, residual chlorine (mg/L)
constexpr DistrictReading kRows[] = {
    {u"上海", u"宝山区", 231, 0.19},
    {u"上海", u"长宁区", 201, 0.21},
    {u"上海", u"崇明县", 184, 0.12},
    {u"上海", u"奉贤区", 321, 0.24},
    {u"上海", u"虹口区", 184, 0.33},
    {u"上海", u"黄浦区", 174, 0.14},
    {u"上海", u"嘉定区", 207, 0.09},
    {u"上海", u"金山区", 296, 0.14},
    {u"上海", u"静安区", 173, 0.13},
    {u"上海", u"闵行区", 242, 0.25},
    {u"上海", u"浦东新区", 165, 0.22},
    {u"上海", u"普陀区", 175, 0.16},
    {u"上海", u"青浦区", 238, 0.2},
    {u"上海", u"松江区", 324, 0.22},
    {u"上海", u"徐汇区", 169, 0.13},
    {u"上海", u"杨浦区", 196, 0.23},
    {u"上海", u"闸北区", 180, 0.14},
};

}  // namespace

constinit const ProvinceReadings kShangHai{u"上海", kRows};

}  // namespace chengxi::readings

void chengxi::Form1::ShangHaiData() { showReadings(readings::kShangHai); }
