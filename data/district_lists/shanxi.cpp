// District lists of 山西: 11 cities, 119 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 长治
constexpr std::u16string_view kCity1[] = {
    u"长治县", u"长子县", u"城区", u"壶关县", u"郊区", u"黎城县", u"潞城市", u"平顺县", u"沁县", u"沁源县", u"屯留县", u"武乡县",
    u"襄垣县",
};
// 大同
constexpr std::u16string_view kCity2[] = {
    u"城区", u"大同县", u"广灵县", u"浑源县", u"矿区", u"灵丘县", u"南郊区", u"天镇县", u"新荣区", u"阳高县", u"左云县",
};
// 晋城
constexpr std::u16string_view kCity3[] = {
    u"城区", u"高平市", u"陵川县", u"沁水县", u"阳城县", u"泽州县",
};
// 晋中
constexpr std::u16string_view kCity4[] = {
    u"和顺县", u"介休市", u"灵石县", u"平遥县", u"祁县", u"寿阳县", u"太谷县", u"昔阳县", u"榆次区", u"榆社区", u"左权县",
};
// 临汾
constexpr std::u16string_view kCity5[] = {
    u"安泽县", u"大宁县", u"汾西县", u"浮山县", u"古县", u"洪洞县", u"侯马市", u"霍州市", u"吉县", u"蒲县", u"曲沃县", u"隰县",
    u"乡宁县", u"襄汾县", u"尧都区", u"翼城县", u"永和县",
};
// 吕梁
constexpr std::u16string_view kCity6[] = {
    u"方山县", u"汾阳市", u"交城县", u"交口县", u"岚县", u"离石区", u"临县", u"柳林县", u"石楼县", u"文水县", u"孝义市", u"兴县",
    u"中阳县",
};
// 朔州
constexpr std::u16string_view kCity7[] = {
    u"怀仁县", u"平鲁区", u"山阴县", u"朔城区", u"应县", u"右玉县",
};
// 太原
constexpr std::u16string_view kCity8[] = {
    u"古交市", u"尖草坪区", u"晋源区", u"娄烦县", u"清徐县", u"万柏林区", u"小店区", u"杏花岭区", u"阳曲县", u"迎泽区",
};
// 忻州
constexpr std::u16string_view kCity9[] = {
    u"保德县", u"代县", u"定襄县", u"繁峙县", u"河曲县", u"静乐县", u"岢岚县", u"宁武县", u"神池县", u"五台县", u"五寨县", u"忻府区",
    u"原平市", u"偏关县",
};
// 阳泉
constexpr std::u16string_view kCity10[] = {
    u"城区", u"郊区", u"矿区", u"平定县", u"盂县",
};
// 运城
constexpr std::u16string_view kCity11[] = {
    u"河津市", u"稷山县", u"绛县", u"临猗县", u"平陆县", u"芮城县", u"万荣县", u"闻喜县", u"夏县", u"新绛县", u"盐湖区", u"永济市",
    u"垣曲县",
};

constexpr CityBlock kBlocks[] = {
    {u"长治", kCity1},
    {u"大同", kCity2},
    {u"晋城", kCity3},
    {u"晋中", kCity4},
    {u"临汾", kCity5},
    {u"吕梁", kCity6},
    {u"朔州", kCity7},
    {u"太原", kCity8},
    {u"忻州", kCity9},
    {u"阳泉", kCity10},
    {u"运城", kCity11},
};

}  // namespace

constinit const DistrictTable kShanXi{u"山西", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::ShanXi() { showCityBlocks(district_lists::kShanXi); }
