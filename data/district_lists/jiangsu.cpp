// District lists of 江苏: 13 cities, 103 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 常州
constexpr std::u16string_view kCity1[] = {
    u"金坛市", u"溧阳市", u"戚墅堰区", u"天宁区", u"武进区", u"新北区", u"钟楼区",
};
// 淮安
constexpr std::u16string_view kCity2[] = {
    u"洪泽县", u"淮安区", u"淮阴区", u"金湖县", u"涟水县", u"清河区", u"青浦区", u"盱眙县",
};
// 连云港
constexpr std::u16string_view kCity3[] = {
    u"东海县", u"赣榆县", u"灌南县", u"灌云县", u"海州区", u"连云区", u"新浦区",
};
// 南京
constexpr std::u16string_view kCity4[] = {
    u"南淳区", u"鼓楼区", u"建邺区", u"江宁区", u"溧水区", u"六合区", u"浦口区", u"栖霞区", u"秦淮区", u"玄武区", u"雨花台区",
};
// 南通
constexpr std::u16string_view kCity5[] = {
    u"崇川区", u"港闸区", u"海安县", u"海门市", u"启东市", u"如东县", u"如皋市", u"通州区",
};
// 苏州
constexpr std::u16string_view kCity6[] = {
    u"沧浪区", u"常熟市", u"虎丘区", u"金阊区", u"昆山市", u"平江区", u"太仓市", u"吴江区", u"吴中区", u"相城区", u"张家港市",
    u"姑苏区",
};
// 宿迁
constexpr std::u16string_view kCity7[] = {
    u"沭阳县", u"泗洪县", u"泗阳县", u"宿城区", u"宿豫区",
};
// 泰州
constexpr std::u16string_view kCity8[] = {
    u"高港区", u"海陵区", u"姜堰区", u"靖江市", u"泰兴市", u"兴化市",
};
// 无锡
constexpr std::u16string_view kCity9[] = {
    u"北塘区", u"滨湖区", u"崇安区", u"惠山区", u"江阴市", u"南长区", u"锡山区", u"宜兴市",
};
// 徐州
constexpr std::u16string_view kCity10[] = {
    u"丰县", u"鼓楼区", u"贾汪区", u"沛县", u"邳州市", u"泉山区", u"睢宁县", u"铜山区", u"新沂市", u"云龙区",
};
// 盐城
constexpr std::u16string_view kCity11[] = {
    u"滨海县", u"大丰市", u"东台市", u"阜宁县", u"建湖县", u"射阳县", u"亭湖区", u"响水县", u"盐都区",
};
// 扬州
constexpr std::u16string_view kCity12[] = {
    u"宝应县", u"高邮市", u"广陵区", u"邗江区", u"江都区", u"仪征市",
};
// 镇江
constexpr std::u16string_view kCity13[] = {
    u"丹徒区", u"丹阳市", u"京口区", u"句容市", u"润州区", u"扬中市",
};

constexpr CityBlock kBlocks[] = {
    {u"常州", kCity1},
    {u"淮安", kCity2},
    {u"连云港", kCity3},
    {u"南京", kCity4},
    {u"南通", kCity5},
    {u"苏州", kCity6},
    {u"宿迁", kCity7},
    {u"泰州", kCity8},
    {u"无锡", kCity9},
    {u"徐州", kCity10},
    {u"盐城", kCity11},
    {u"扬州", kCity12},
    {u"镇江", kCity13},
};

}  // namespace

constinit const DistrictTable kJiangSu{u"江苏", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::JiangSu() { showCityBlocks(district_lists::kJiangSu); }
