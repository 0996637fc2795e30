// Readings of 北京: 16 rows, 0 of them without data.
#include "app/core/form1.h"
#include "data/readings/readings.h"

namespace chengxi::readings {
namespace {

// city, district, TDS, residual chlorine (mg/L)
constexpr DistrictReading kRows[] = {
    {u"北京", u"昌平区", 263, 0.29},
    {u"北京", u"朝阳区", 254, 0.24},
    {u"北京", u"大兴区", 408, 0.24},
    {u"北京", u"东城区", 255, 0.22},
    {u"北京", u"房山区", 331, 0.12},
    {u"北京", u"丰台区", 313, 0.33},
    {u"北京", u"海淀区", 303, 0.27},
    {u"北京", u"怀柔区", 243, 0.19},
    {u"北京", u"门头沟区", 366, 0.2},
    {u"北京", u"密云县", 290, 0.25},
    {u"北京", u"平谷区", 208, 0.07},
    {u"北京", u"石景山区", 323, 0.24},
    {u"北京", u"顺义区", 288, 0.16},
    {u"北京", u"通州区", 302, 0.13},
    {u"北京", u"西城区", 322, 0.3},
    {u"北京", u"延庆区", 272, 0.36},
};

}  // namespace

constinit const ProvinceReadings kBeiJing{u"北京", kRows};

}  // namespace chengxi::readings

void chengxi::Form1::BeiJingData() { showReadings(readings::kBeiJing); }
