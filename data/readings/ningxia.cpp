// Readings of 宁夏: 22 rows, 4 of them without data.
#include "app/core/form1.h"
#include "data/readings/readings.h"

namespace chengxi::readings {
namespace {

// city, district, TDS, residual chlorine (mg/L)
constexpr DistrictReading kRows[] = {
    {u"固原", u"泾源县", 248, 0.05},
    {u"固原", u"隆德县", 241, 0.05},
    {u"固原", u"彭阳县", 0, 0},
    {u"固原", u"西吉县", 0, 0},
    {u"固原", u"原州区", 0, 0},
    {u"石嘴山", u"大武口区", 314, 0.13},
    {u"石嘴山", u"惠农区", 444, 0.25},
    {u"石嘴山", u"平罗县", 282, 0.14},
    {u"吴忠", u"红寺堡区", 577, 0.41},
    {u"吴忠", u"利通区", 528, 0.27},
    {u"吴忠", u"青铜峡市", 376, 0.39},
    {u"吴忠", u"同心县", 0, 0},
    {u"吴忠", u"盐池县", 430, 0.2},
    {u"银川", u"贺兰县", 580, 0.45},
    {u"银川", u"金凤区", 379, 0.14},
    {u"银川", u"灵武市", 559, 0.75},
    {u"银川", u"西夏区", 319, 0.1},
    {u"银川", u"兴庆区", 479, 0.15},
    {u"银川", u"永宁县", 486, 0.67},
    {u"中卫", u"海原县", 472, 0.6},
    {u"中卫", u"沙坡头区", 639, 0.68},
    {u"中卫", u"中宁县", 464, 0.26},
};

}  // namespace

constinit const ProvinceReadings kNingXia{u"宁夏", kRows};

}  // namespace chengxi::readings

void chengxi::Form1::NingXiaData() { showReadings(readings::kNingXia); }
