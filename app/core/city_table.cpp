// The province list and the city table: for each province, in list order, its
// cities (the first is the default city) and the district text that a province
// change shows, the default district of that default city.
#include "app/core/city_table.h"

namespace chengxi {
namespace {

// 北京
constexpr std::u16string_view kCities1[] = {
    u"北京",
};
// 上海
constexpr std::u16string_view kCities2[] = {
    u"上海",
};
// 天津
constexpr std::u16string_view kCities3[] = {
    u"天津",
};
// 重庆
constexpr std::u16string_view kCities4[] = {
    u"重庆",
};
// 安徽
constexpr std::u16string_view kCities5[] = {
    u"安庆", u"蚌埠", u"亳州", u"池州", u"滁州", u"阜阳", u"合肥", u"淮北", u"淮南", u"黄山", u"六安", u"马鞍山", u"宿州",
    u"铜陵", u"芜湖", u"宣城",
};
// 福建
constexpr std::u16string_view kCities6[] = {
    u"福州", u"龙岩", u"南平", u"宁德", u"莆田", u"泉州", u"三明", u"厦门", u"漳州",
};
// 甘肃
constexpr std::u16string_view kCities7[] = {
    u"白银", u"定西", u"甘南藏族自治州", u"嘉峪关", u"金昌", u"酒泉", u"兰州", u"临夏回族自治州", u"陇南", u"平凉", u"庆阳", u"天水",
    u"武威", u"张掖",
};
// 广东
constexpr std::u16string_view kCities8[] = {
    u"潮州", u"东莞", u"佛山", u"广州", u"河源", u"惠州", u"江门", u"揭阳", u"茂名", u"梅州", u"清远", u"汕头", u"汕尾",
    u"韶关", u"深圳", u"阳江", u"云浮", u"湛江", u"肇庆", u"中山", u"珠海",
};
// 广西
constexpr std::u16string_view kCities9[] = {
    u"百色", u"北海", u"崇左", u"防城港", u"贵港", u"桂林", u"河池", u"贺州", u"来宾", u"柳州", u"南宁", u"钦州", u"梧州",
    u"玉林",
};
// 贵州
constexpr std::u16string_view kCities10[] = {
    u"安顺", u"毕节", u"贵阳", u"六盘水", u"黔东南苗族侗族自治州", u"黔南布依族苗族自治州", u"黔西南布依族苗族自治州", u"铜仁", u"遵义",
};
// 海南
constexpr std::u16string_view kCities11[] = {
    u"海口", u"三亚",
};
// 河北
constexpr std::u16string_view kCities12[] = {
    u"保定", u"沧州", u"承德", u"邯郸", u"衡水", u"廊坊", u"秦皇岛", u"石家庄", u"唐山", u"邢台", u"张家口",
};
// 河南
constexpr std::u16string_view kCities13[] = {
    u"安阳", u"鹤壁", u"焦作", u"开封", u"洛阳", u"漯河", u"南阳", u"平顶山", u"濮阳", u"三门峡", u"商丘", u"新乡", u"信阳",
    u"许昌", u"郑州", u"周口", u"驻马店",
};
// 黑龙江
constexpr std::u16string_view kCities14[] = {
    u"大庆", u"大兴安岭", u"哈尔滨", u"鹤岗", u"黑河", u"鸡西", u"佳木斯", u"牡丹江", u"七台河", u"齐齐哈尔", u"双鸭山", u"绥化",
    u"伊春",
};
// 湖北
constexpr std::u16string_view kCities15[] = {
    u"鄂州", u"恩施土家族苗族自治州", u"黄冈", u"黄石", u"荆门", u"荆州", u"潜江", u"十堰", u"随州", u"天门", u"武汉", u"仙桃",
    u"咸宁", u"襄阳", u"孝感", u"宜昌", u"神农架",
};
// 湖南
constexpr std::u16string_view kCities16[] = {
    u"长沙", u"常德", u"郴州", u"衡阳", u"怀化", u"娄底", u"邵阳", u"湘潭", u"湘西土家族苗族自治州", u"益阳", u"永州", u"岳阳",
    u"张家界", u"株洲",
};
// 吉林
constexpr std::u16string_view kCities17[] = {
    u"白城", u"白山", u"长春", u"吉林", u"辽源", u"四平", u"松原", u"通化", u"延边朝鲜族自治州",
};
// 江苏
constexpr std::u16string_view kCities18[] = {
    u"常州", u"淮安", u"连云港", u"南京", u"南通", u"苏州", u"宿迁", u"泰州", u"无锡", u"徐州", u"盐城", u"扬州", u"镇江",
};
// 江西
constexpr std::u16string_view kCities19[] = {
    u"抚州", u"赣州", u"吉安", u"景德镇", u"九江", u"南昌", u"萍乡", u"上饶", u"新余", u"宜春", u"鹰潭",
};
// 辽宁
constexpr std::u16string_view kCities20[] = {
    u"鞍山", u"本溪", u"朝阳", u"大连", u"丹东", u"抚顺", u"阜新", u"葫芦岛", u"锦州", u"辽阳", u"盘锦", u"沈阳", u"铁岭",
    u"营口",
};
// 内蒙
constexpr std::u16string_view kCities21[] = {
    u"阿拉善盟", u"巴彦淖尔", u"包头", u"赤峰", u"鄂尔多斯", u"呼和浩特", u"呼伦贝尔", u"通辽", u"乌海", u"乌兰察布", u"锡林郭勒盟",
    u"兴安盟",
};
// 宁夏
constexpr std::u16string_view kCities22[] = {
    u"固原", u"石嘴山", u"吴忠", u"银川", u"中卫",
};
// 青海
constexpr std::u16string_view kCities23[] = {
    u"果洛藏族自治州", u"海北藏族自治州", u"海东地区", u"海南藏族自治州", u"海西蒙古族藏族自治州", u"黄南藏族自治州", u"西宁", u"玉树藏族自治州",
};
// 山东
constexpr std::u16string_view kCities24[] = {
    u"滨州", u"德州", u"东营", u"菏泽", u"济南", u"济宁", u"莱芜", u"聊城", u"临沂", u"青岛", u"日照", u"泰安", u"威海",
    u"潍坊", u"烟台", u"枣庄", u"淄博",
};
// 山西
constexpr std::u16string_view kCities25[] = {
    u"长治", u"大同", u"晋城", u"晋中", u"临汾", u"吕梁", u"朔州", u"太原", u"忻州", u"阳泉", u"运城",
};
// 陕西
constexpr std::u16string_view kCities26[] = {
    u"安康", u"宝鸡", u"汉中", u"商洛", u"铜川", u"渭南", u"西安", u"咸阳", u"延安", u"榆林",
};
// 四川
constexpr std::u16string_view kCities27[] = {
    u"阿坝藏族羌族自治州", u"巴中", u"成都", u"达州", u"德阳", u"甘孜藏族自治州", u"广安", u"广元", u"乐山", u"凉山彝族自治州", u"泸州",
    u"眉山", u"绵阳", u"内江", u"南充", u"攀枝花", u"遂宁", u"雅安", u"宜宾", u"资阳", u"自贡",
};
// 西藏
constexpr std::u16string_view kCities28[] = {
    u"昌都地区", u"拉萨", u"林芝地区", u"那曲地区", u"日喀则地区", u"山南地区", u"阿里地区",
};
// 新疆
constexpr std::u16string_view kCities29[] = {
    u"阿克苏地区", u"阿拉尔", u"阿勒泰地区", u"巴音郭楞蒙古自治州", u"博尔塔拉蒙古自治州", u"昌吉回族自治州", u"哈密地区", u"和田地区", u"喀什地区",
    u"克拉玛依", u"克孜勒苏柯尔克孜自治州", u"石河子", u"塔城地区", u"图木舒克", u"吐鲁番地区", u"乌鲁木齐", u"伊犁哈萨克自治州",
};
// 云南
constexpr std::u16string_view kCities30[] = {
    u"保山", u"楚雄彝族自治州", u"大理白族自治州", u"德宏傣族景颇族自治州", u"迪庆藏族自治州", u"红河哈尼族彝族自治州", u"昆明", u"丽江", u"临沧",
    u"怒江傈僳族自治州", u"普洱", u"曲靖", u"文山壮族苗族自治州", u"西双版纳傣族自治州", u"玉溪", u"昭通",
};
// 浙江
constexpr std::u16string_view kCities31[] = {
    u"杭州", u"湖州", u"嘉兴", u"金华", u"丽水", u"宁波", u"衢州", u"绍兴", u"台州", u"温州", u"舟山",
};

}  // namespace

constinit const std::array<ProvinceCities, kProvinceCount> kCityTable = {{
    {u"北京", kCities1, u"昌平区"},
    {u"上海", kCities2, u"宝山区"},
    {u"天津", kCities3, u"宝坻区"},
    {u"重庆", kCities4, u"巴南区"},
    {u"安徽", kCities5, u"枞阳县"},
    {u"福建", kCities6, u"仓山区"},
    {u"甘肃", kCities7, u"白银区"},
    {u"广东", kCities8, u"潮安县"},
    {u"广西", kCities9, u"德保县"},
    {u"贵州", kCities10, u"关岭布衣族苗族自治县"},
    {u"海南", kCities11, u"保亭黎族苗族自治县"},
    {u"河北", kCities12, u"安国市"},
    {u"河南", kCities13, u"安阳县"},
    {u"黑龙江", kCities14, u"大同区"},
    {u"湖北", kCities15, u"鄂城区"},
    {u"湖南", kCities16, u"长沙县"},
    {u"吉林", kCities17, u"大安市"},
    {u"江苏", kCities18, u"金坛市"},
    {u"江西", kCities19, u"崇仁县"},
    {u"辽宁", kCities20, u"海城市"},
    {u"内蒙", kCities21, u"阿拉善右旗"},
    {u"宁夏", kCities22, u"泾源县"},
    {u"青海", kCities23, u"玛沁县"},
    {u"山东", kCities24, u"滨城区"},
    {u"山西", kCities25, u"长治县"},
    {u"陕西", kCities26, u"白河县"},
    {u"四川", kCities27, u"红原县"},
    {u"西藏", kCities28, u"八宿县"},
    {u"新疆", kCities29, u"阿克苏市"},
    {u"云南", kCities30, u"昌宁县"},
    {u"浙江", kCities31, u"滨江区"},
}};

}  // namespace chengxi
