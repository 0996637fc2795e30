// Readings of 海南: 21 rows, 0 of them without data.
#include "app/core/form1.h"
#include "data/readings/readings.h"

namespace chengxi::readings {
namespace {

// city, district, TDS, residual chlorine (mg/L)
constexpr DistrictReading kRows[] = {
    {u"海口", u"保亭黎族苗族自治县", 41, 0.05},
    {u"海口", u"昌江黎族自治县", 35, 0.05},
    {u"海口", u"澄迈县", 49, 0.06},
    {u"海口", u"儋州市", 40, 0.05},
    {u"海口", u"定安县", 66, 0.05},
    {u"海口", u"东方市", 46, 0.06},
    {u"海口", u"乐东黎族自治县", 38, 0.05},
    {u"海口", u"临高县", 53, 0.05},
    {u"海口", u"陵水黎族自治县", 37, 0.17},
    {u"海口", u"龙华区", 101, 0.14},
    {u"海口", u"美兰区", 146, 0.13},
    {u"海口", u"琼海市", 46, 0.05},
    {u"海口", u"琼山区", 125, 0.12},
    {u"海口", u"琼中黎族苗族自治县", 41, 0.05},
    {u"海口", u"屯昌县", 121, 0.08},
    {u"海口", u"万宁市", 30, 0.05},
    {u"海口", u"文昌市", 53, 0.05},
    {u"海口", u"五指山市", 30, 0.06},
    {u"海口", u"秀英区", 130, 0.08},
    {u"海口", u"白沙黎族自治县", 24, 0.05},
    {u"三亚", u"三亚市", 43, 0.06},
};

}  // namespace

constinit const ProvinceReadings kHaiNan{u"海南", kRows};

}  // namespace chengxi::readings

void chengxi::Form1::HaiNanData() { showReadings(readings::kHaiNan); }
