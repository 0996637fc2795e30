// District lists of 河北: 11 cities, 172 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 保定
constexpr std::u16string_view kCity1[] = {
    u"安国市", u"安新县", u"北市区", u"博野县", u"定兴县", u"定州市", u"阜平县", u"高碑店市", u"高阳县", u"涞水县", u"涞源县", u"蠡县",
    u"满城县", u"南市区", u"清苑县", u"曲阳县", u"容城县", u"顺平县", u"唐县", u"望都县", u"新市区", u"雄县", u"徐水县", u"易县",
    u"涿州市",
};
// 沧州
constexpr std::u16string_view kCity2[] = {
    u"泊头市", u"沧县", u"东光县", u"海兴县", u"河间市", u"黄骅市", u"孟村回族自治县", u"南皮县", u"青县", u"任丘市", u"肃宁县",
    u"吴桥县", u"献县", u"新华区", u"盐山区", u"运河区",
};
// 承德
constexpr std::u16string_view kCity3[] = {
    u"承德县", u"丰宁满族自治县", u"宽城满族自治县", u"隆化县", u"滦平县", u"平泉县", u"双滦区", u"双桥区", u"围场满族蒙古族自治县", u"兴隆县",
    u"鹰手营子矿区",
};
// 邯郸
constexpr std::u16string_view kCity4[] = {
    u"成安县", u"磁县", u"丛台区", u"大名县", u"肥乡县", u"峰峰矿区", u"复兴区", u"馆陶县", u"广平县", u"邯郸县", u"邯山区", u"鸡泽县",
    u"临漳县", u"邱县", u"曲周县", u"涉县", u"魏县", u"武安市", u"永年县",
};
// 衡水
constexpr std::u16string_view kCity5[] = {
    u"安平县", u"阜城县", u"故城县", u"冀州市", u"景县", u"饶阳县", u"深州市", u"桃城区", u"武强县", u"武邑县", u"枣强县",
};
// 廊坊
constexpr std::u16string_view kCity6[] = {
    u"安次区", u"霸州市", u"大厂回族自治县", u"大城县", u"固安县", u"广阳区", u"三河市", u"文安县", u"香河县", u"永清县",
};
// 秦皇岛
constexpr std::u16string_view kCity7[] = {
    u"北戴河区", u"昌黎县", u"抚宁县", u"海港区", u"卢龙县", u"青龙满族自治县", u"山海关区",
};
// 石家庄
constexpr std::u16string_view kCity8[] = {
    u"长安区", u"高邑县", u"藁城市", u"晋州市", u"井陉矿区", u"灵寿县", u"鹿泉市", u"栾城县", u"平山县", u"桥东区", u"桥西区",
    u"深泽县", u"无极县", u"辛集市", u"新华区", u"新乐市", u"行唐县", u"裕华区", u"元氏县", u"赞皇县", u"赵县", u"正定县", u"井陉县",
};
// 唐山
constexpr std::u16string_view kCity9[] = {
    u"丰南区", u"丰润区", u"古冶区", u"开平区", u"乐亭县", u"路北区", u"路南区", u"滦南县", u"滦县", u"迁安市", u"迁西县", u"唐海县",
    u"玉田县", u"遵化市",
};
// 邢台
constexpr std::u16string_view kCity10[] = {
    u"柏乡县", u"广宗县", u"巨鹿县", u"临城县", u"临西县", u"隆尧县", u"内丘县", u"南宫市", u"南和县", u"宁晋县", u"平乡县", u"桥东区",
    u"桥西区", u"清河县", u"任县", u"沙河市", u"威县", u"新河县", u"邢台县",
};
// 张家口
constexpr std::u16string_view kCity11[] = {
    u"赤城县", u"崇礼县", u"沽源县", u"怀安县", u"怀来县", u"康保县", u"桥东区", u"桥西区", u"尚义县", u"万全县", u"蔚县", u"下花园区",
    u"宣化区", u"宣化县", u"阳原县", u"张北县", u"涿鹿县",
};

constexpr CityBlock kBlocks[] = {
    {u"保定", kCity1},
    {u"沧州", kCity2},
    {u"承德", kCity3},
    {u"邯郸", kCity4},
    {u"衡水", kCity5},
    {u"廊坊", kCity6},
    {u"秦皇岛", kCity7},
    {u"石家庄", kCity8},
    {u"唐山", kCity9},
    {u"邢台", kCity10},
    {u"张家口", kCity11},
};

}  // namespace

constinit const DistrictTable kHeBei{u"河北", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::HeBei() { showCityBlocks(district_lists::kHeBei); }
