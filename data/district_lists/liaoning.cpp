// District lists of 辽宁: 14 cities, 100 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 鞍山
constexpr std::u16string_view kCity1[] = {
    u"海城市", u"立山区", u"千山区", u"台安县", u"铁东区", u"铁西区", u"岫岩满族自治县",
};
// 本溪
constexpr std::u16string_view kCity2[] = {
    u"本溪满族自治县", u"桓仁满族自治县", u"明山区", u"南芬区", u"平山区", u"溪湖区",
};
// 朝阳
constexpr std::u16string_view kCity3[] = {
    u"北票市", u"朝阳县", u"建平县", u"喀喇沁左翼蒙古族自治县", u"凌源市", u"龙城区", u"双塔区",
};
// 大连
constexpr std::u16string_view kCity4[] = {
    u"长海县", u"甘井子区", u"金州区", u"旅顺口区", u"普兰店市", u"沙河口区", u"瓦房店市", u"西岗区", u"中山区", u"庄河市",
};
// 丹东
constexpr std::u16string_view kCity5[] = {
    u"东港市", u"凤城市", u"宽甸满族自治县", u"元宝区", u"振安区", u"振兴区",
};
// 抚顺
constexpr std::u16string_view kCity6[] = {
    u"东洲区", u"抚顺县", u"清原满族自治县", u"顺城区", u"望花区", u"新宾满族自治县", u"新抚区",
};
// 阜新
constexpr std::u16string_view kCity7[] = {
    u"阜新蒙古族自治县", u"海州区", u"清河门区", u"太平区", u"细河区", u"新邱区", u"彰武县",
};
// 葫芦岛
constexpr std::u16string_view kCity8[] = {
    u"建昌县", u"连山区", u"龙港区", u"南票区", u"绥中县", u"兴城市",
};
// 锦州
constexpr std::u16string_view kCity9[] = {
    u"北镇市", u"古塔区", u"黑山县", u"凌海市", u"凌河区", u"太和区", u"义县",
};
// 辽阳
constexpr std::u16string_view kCity10[] = {
    u"白塔区", u"灯塔市", u"弓长岭区", u"宏伟区", u"辽阳县", u"太子河区", u"文圣区",
};
// 盘锦
constexpr std::u16string_view kCity11[] = {
    u"大洼县", u"盘山县", u"双台子区", u"兴隆台区",
};
// 沈阳
constexpr std::u16string_view kCity12[] = {
    u"大东区", u"东陵区", u"法库县", u"和平区", u"皇姑区", u"康平县", u"辽中县", u"沈北新区", u"沈河区", u"苏家屯区", u"铁西区",
    u"新民市", u"于洪区",
};
// 铁岭
constexpr std::u16string_view kCity13[] = {
    u"昌图县", u"调兵山市", u"开原市", u"清河区", u"铁岭县", u"西丰县", u"银州区",
};
// 营口
constexpr std::u16string_view kCity14[] = {
    u"鲅鱼圈区", u"大石桥市", u"盖州市", u"老边区", u"西市区", u"站前区",
};

constexpr CityBlock kBlocks[] = {
    {u"鞍山", kCity1},
    {u"本溪", kCity2},
    {u"朝阳", kCity3},
    {u"大连", kCity4},
    {u"丹东", kCity5},
    {u"抚顺", kCity6},
    {u"阜新", kCity7},
    {u"葫芦岛", kCity8},
    {u"锦州", kCity9},
    {u"辽阳", kCity10},
    {u"盘锦", kCity11},
    {u"沈阳", kCity12},
    {u"铁岭", kCity13},
    {u"营口", kCity14},
};

}  // namespace

constinit const DistrictTable kLiaoNing{u"辽宁", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::LiaoNing() { showCityBlocks(district_lists::kLiaoNing); }
