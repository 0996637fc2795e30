// District lists of 浙江: 11 cities, 90 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 杭州
constexpr std::u16string_view kCity1[] = {
    u"滨江区", u"淳安县", u"富阳市", u"拱墅区", u"建德市", u"江干区", u"临安市", u"上城区", u"桐庐县", u"西湖区", u"下城区", u"萧山区",
    u"余杭区",
};
// 湖州
constexpr std::u16string_view kCity2[] = {
    u"安吉县", u"长兴县", u"德清县", u"南浔区", u"吴兴区",
};
// 嘉兴
constexpr std::u16string_view kCity3[] = {
    u"海宁市", u"海盐县", u"嘉善县", u"南湖区", u"平湖市", u"桐乡市", u"秀洲区",
};
// 金华
constexpr std::u16string_view kCity4[] = {
    u"东阳市", u"金东区", u"兰溪市", u"磐安县", u"浦江县", u"武义县", u"婺城区", u"义乌市", u"永康市",
};
// 丽水
constexpr std::u16string_view kCity5[] = {
    u"缙云县", u"景宁畲族自治县", u"莲都区", u"龙泉市", u"青田县", u"庆元县", u"松阳县", u"遂昌县", u"云和县",
};
// 宁波
constexpr std::u16string_view kCity6[] = {
    u"北仑区", u"慈溪市", u"奉化市", u"海曙区", u"江北区", u"江东区", u"宁海县", u"象山县", u"鄞州区", u"余姚市", u"镇海区",
};
// 衢州
constexpr std::u16string_view kCity7[] = {
    u"常山县", u"江山市", u"开化县", u"柯城区", u"龙游县", u"衢江区",
};
// 绍兴
constexpr std::u16string_view kCity8[] = {
    u"上虞市", u"绍兴县", u"嵊州市", u"新昌县", u"越城区", u"诸暨市",
};
// 台州
constexpr std::u16string_view kCity9[] = {
    u"黄岩区", u"椒江区", u"临海市", u"路桥区", u"三门县", u"天台县", u"温岭市", u"仙居县", u"玉环县",
};
// 温州
constexpr std::u16string_view kCity10[] = {
    u"苍南县", u"洞头县", u"乐清市", u"龙湾区", u"鹿城区", u"瓯海区", u"平阳县", u"瑞安市", u"泰顺县", u"文成县", u"永嘉县",
};
// 舟山
constexpr std::u16string_view kCity11[] = {
    u"岱山县", u"定海区", u"普陀区", u"嵊泗区",
};

constexpr CityBlock kBlocks[] = {
    {u"杭州", kCity1},
    {u"湖州", kCity2},
    {u"嘉兴", kCity3},
    {u"金华", kCity4},
    {u"丽水", kCity5},
    {u"宁波", kCity6},
    {u"衢州", kCity7},
    {u"绍兴", kCity8},
    {u"台州", kCity9},
    {u"温州", kCity10},
    {u"舟山", kCity11},
};

}  // namespace

constinit const DistrictTable kZheJiang{u"浙江", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::ZheJiang() { showCityBlocks(district_lists::kZheJiang); }
