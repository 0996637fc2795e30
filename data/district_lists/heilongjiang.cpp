// District lists of 黑龙江: 13 cities, 129 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 大庆
constexpr std::u16string_view kCity1[] = {
    u"大同区", u"杜尔伯特蒙古族自治县", u"红岗区", u"林甸县", u"龙凤区", u"让胡路区", u"萨尔图区", u"肇源县", u"肇州县",
};
// 大兴安岭
constexpr std::u16string_view kCity2[] = {
    u"呼玛县", u"呼中区", u"加格达奇区", u"漠河县", u"塔河县", u"新林区", u"松岭区",
};
// 哈尔滨
constexpr std::u16string_view kCity3[] = {
    u"阿城区", u"巴彦县", u"宾县", u"道里区", u"道外区", u"方正县", u"呼兰区", u"木兰县", u"南岗区", u"平房区", u"尚志市", u"双城市",
    u"松北区", u"通河县", u"五常市", u"香坊区", u"延寿县", u"依兰县",
};
// 鹤岗
constexpr std::u16string_view kCity4[] = {
    u"东山区", u"工农区", u"萝北区", u"南山区", u"绥滨县", u"向阳区", u"兴安区", u"兴山区",
};
// 黑河
constexpr std::u16string_view kCity5[] = {
    u"爱辉区", u"北安市", u"嫩江县", u"孙吴县", u"五大连池市", u"逊克县",
};
// 鸡西
constexpr std::u16string_view kCity6[] = {
    u"城子河区", u"滴道区", u"鸡东县", u"鸡冠区", u"密山市", u"虎林市", u"恒山区", u"梨树区", u"麻山区",
};
// 佳木斯
constexpr std::u16string_view kCity7[] = {
    u"东风区", u"抚远县", u"富锦市", u"桦川县", u"桦南县", u"郊区", u"前进区", u"汤原县", u"同江市", u"向阳区",
};
// 牡丹江
constexpr std::u16string_view kCity8[] = {
    u"爱民区", u"东安区", u"东宁县", u"海林市", u"宁安市", u"绥芬河市", u"西安区", u"阳明区", u"林口县", u"穆棱市",
};
// 七台河
constexpr std::u16string_view kCity9[] = {
    u"勃利县", u"茄子河区", u"桃山区", u"新兴区",
};
// 齐齐哈尔
constexpr std::u16string_view kCity10[] = {
    u"昂昂溪区", u"拜泉县", u"富拉尔基区", u"富裕县", u"甘南县", u"建华区", u"克东县", u"克山县", u"龙江县", u"龙沙区", u"梅里斯特斡尔族区",
    u"讷河市", u"碾子山区", u"泰来县", u"铁锋区", u"依安县",
};
// 双鸭山
constexpr std::u16string_view kCity11[] = {
    u"集贤县", u"尖山区", u"岭东区", u"饶河县", u"友谊县", u"宝清县", u"宝山区", u"四方台区",
};
// 绥化
constexpr std::u16string_view kCity12[] = {
    u"安达市", u"北林区", u"海伦市", u"兰西县", u"明水县", u"青冈县", u"庆安县", u"绥棱县", u"望奎县", u"肇东市",
};
// 伊春
constexpr std::u16string_view kCity13[] = {
    u"带岭区", u"嘉荫县", u"南岔区", u"铁力市", u"乌马河区", u"伊春区", u"翠峦区", u"西林区", u"新青区", u"友好区", u"美溪区",
    u"上甘岭区", u"红星区", u"汤旺河区",
};

constexpr CityBlock kBlocks[] = {
    {u"大庆", kCity1},
    {u"大兴安岭", kCity2},
    {u"哈尔滨", kCity3},
    {u"鹤岗", kCity4},
    {u"黑河", kCity5},
    {u"鸡西", kCity6},
    {u"佳木斯", kCity7},
    {u"牡丹江", kCity8},
    {u"七台河", kCity9},
    {u"齐齐哈尔", kCity10},
    {u"双鸭山", kCity11},
    {u"绥化", kCity12},
    {u"伊春", kCity13},
};

}  // namespace

constinit const DistrictTable kHeiLongJiang{u"黑龙江", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::HeiLongJiang() { showCityBlocks(district_lists::kHeiLongJiang); }
