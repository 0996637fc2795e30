// District lists of 内蒙: 12 cities, 101 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 阿拉善盟
constexpr std::u16string_view kCity1[] = {
    u"阿拉善右旗", u"阿拉善左旗", u"额济纳旗",
};
// 巴彦淖尔
constexpr std::u16string_view kCity2[] = {
    u"磴口县", u"杭锦后旗", u"临河区", u"乌拉特后旗", u"乌拉特前旗", u"乌拉特中旗", u"五原县",
};
// 包头
constexpr std::u16string_view kCity3[] = {
    u"白云鄂博矿区", u"达尔罕茂明安联合旗", u"东河区", u"固阳县", u"九原区", u"昆都仑区", u"青山区", u"石拐区", u"土默特右旗",
};
// 赤峰
constexpr std::u16string_view kCity4[] = {
    u"阿鲁科尔沁旗", u"敖汉旗", u"巴林右旗", u"巴林左旗", u"红山区", u"喀喇沁旗", u"克什克腾旗", u"林西县", u"宁城县", u"松山区",
    u"翁牛特旗", u"元宝山区",
};
// 鄂尔多斯
constexpr std::u16string_view kCity5[] = {
    u"达拉特旗", u"东胜区", u"鄂托克旗", u"鄂托克前旗", u"杭锦旗", u"乌审旗", u"伊金霍洛旗", u"准格尔旗",
};
// 呼和浩特
constexpr std::u16string_view kCity6[] = {
    u"和林格尔县", u"回民区", u"清水河县", u"赛罕区", u"土默特左旗", u"托克托县", u"武川县", u"新城区", u"玉泉区",
};
// 呼伦贝尔
constexpr std::u16string_view kCity7[] = {
    u"阿荣旗", u"陈巴尔虎旗", u"额尔古纳市", u"鄂伦春自治旗", u"鄂温克族自治旗", u"根河市", u"海拉尔区", u"满洲里市", u"莫力达瓦达斡尔族自治旗",
    u"新巴尔虎左旗", u"牙克石市", u"扎兰屯市", u"新巴尔虎右旗",
};
// 通辽
constexpr std::u16string_view kCity8[] = {
    u"霍林郭勒市", u"开鲁县", u"科尔沁区", u"科尔沁左翼后旗", u"科尔沁左翼中旗", u"库伦旗", u"奈曼旗", u"扎鲁特旗",
};
// 乌海
constexpr std::u16string_view kCity9[] = {
    u"海勃湾区", u"海南区", u"乌达区",
};
// 乌兰察布
constexpr std::u16string_view kCity10[] = {
    u"察哈尔右翼后旗", u"察哈尔右翼前旗", u"察哈尔右翼中旗", u"丰镇市", u"化德县", u"集宁区", u"凉城县", u"商都县", u"四子王旗", u"兴和县",
    u"卓资县",
};
// 锡林郭勒盟
constexpr std::u16string_view kCity11[] = {
    u"阿巴嘎旗", u"东乌珠穆沁旗", u"多伦县", u"二连浩特市", u"苏尼特右旗", u"苏尼特左旗", u"太仆寺旗", u"西乌珠穆沁旗", u"锡林浩特市", u"镶黄旗",
    u"正蓝旗", u"正镶白旗",
};
// 兴安盟
constexpr std::u16string_view kCity12[] = {
    u"阿尔山市", u"科尔沁右翼前旗", u"科尔沁右翼中旗", u"突泉县", u"乌兰浩特市", u"扎赉特旗",
};

constexpr CityBlock kBlocks[] = {
    {u"阿拉善盟", kCity1},
    {u"巴彦淖尔", kCity2},
    {u"包头", kCity3},
    {u"赤峰", kCity4},
    {u"鄂尔多斯", kCity5},
    {u"呼和浩特", kCity6},
    {u"呼伦贝尔", kCity7},
    {u"通辽", kCity8},
    {u"乌海", kCity9},
    {u"乌兰察布", kCity10},
    {u"锡林郭勒盟", kCity11},
    {u"兴安盟", kCity12},
};

}  // namespace

constinit const DistrictTable kNeiMeng{u"内蒙", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::NeiMeng() { showCityBlocks(district_lists::kNeiMeng); }
