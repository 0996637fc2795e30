// Readings of 天津: 16 rows, 0 of them without data.
#include "app/core/form1.h"
#include "data/readings/readings.h"

namespace chengxi::readings {
namespace {

// city, district, TDS, residual chlorine (mg/L)
constexpr DistrictReading kRows[] = {
    {u"天津", u"宝坻区", 294, 0.2},
    {u"天津", u"北辰区", 257, 0.4},
    {u"天津", u"滨海新区", 252, 0.29},
    {u"天津", u"东丽区", 260, 0.44},
    {u"天津", u"和平区", 224, 0.2},
    {u"天津", u"河北区", 274, 0.46},
    {u"天津", u"河东区", 250, 0.38},
    {u"天津", u"河西区", 279, 0.39},
    {u"天津", u"红桥区", 300, 0.43},
    {u"天津", u"蓟县", 286, 0.28},
    {u"天津", u"津南区", 317, 0.33},
    {u"天津", u"静海县", 327, 0.18},
    {u"天津", u"南开区", 281, 0.2},
    {u"天津", u"宁河县", 229, 0.07},
    {u"天津", u"武清区", 375, 0.23},
    {u"天津", u"西青区", 265, 0.16},
};

}  // namespace

constinit const ProvinceReadings kTianJin{u"天津", kRows};

}  // namespace chengxi::readings

void chengxi::Form1::TianJinData() { showReadings(readings::kTianJin); }
