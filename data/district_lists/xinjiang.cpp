// District lists of 新疆: 17 cities, 98 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 阿克苏地区
constexpr std::u16string_view kCity1[] = {
    u"阿克苏市", u"阿瓦提县", u"拜城县", u"柯坪县", u"库车县", u"沙雅县", u"温宿县", u"乌什县", u"新和县",
};
// 阿拉尔
constexpr std::u16string_view kCity2[] = {
    u"阿拉尔市",
};
// 阿勒泰地区
constexpr std::u16string_view kCity3[] = {
    u"阿勒泰市", u"布尔津县", u"福海县", u"富蕴县", u"哈巴河县", u"吉木乃县", u"青河县",
};
// 巴音郭楞蒙古自治州
constexpr std::u16string_view kCity4[] = {
    u"博湖县", u"和静县", u"和硕县", u"库尔勒市", u"轮台县", u"若羌县", u"尉犁县", u"焉耆回族自治县", u"且末县",
};
// 博尔塔拉蒙古自治州
constexpr std::u16string_view kCity5[] = {
    u"博乐市", u"精河县", u"温泉县",
};
// 昌吉回族自治州
constexpr std::u16string_view kCity6[] = {
    u"昌吉市", u"阜康市", u"呼图壁县", u"吉木萨尔县", u"玛纳斯县", u"木垒哈萨克自治县", u"奇台县", u"五家渠市",
};
// 哈密地区
constexpr std::u16string_view kCity7[] = {
    u"巴里坤哈萨克自治县", u"哈密市", u"伊吾县",
};
// 和田地区
constexpr std::u16string_view kCity8[] = {
    u"策勒县", u"和田市", u"洛浦县", u"民丰县", u"墨玉县", u"皮山县", u"于田县", u"和田县",
};
// 喀什地区
constexpr std::u16string_view kCity9[] = {
    u"巴楚县", u"伽师县", u"喀什市", u"麦盖提县", u"莎车县", u"疏附县", u"疏勒县", u"叶城县", u"岳普湖县", u"泽普县",
    u"塔什库尔干塔吉克自治县", u"英吉沙县",
};
// 克拉玛依
constexpr std::u16string_view kCity10[] = {
    u"白碱滩区", u"独山子区", u"克拉玛依区", u"乌尔禾区",
};
// 克孜勒苏柯尔克孜自治州
constexpr std::u16string_view kCity11[] = {
    u"阿合奇县", u"阿克陶县", u"阿图什市", u"乌恰县",
};
// 石河子
constexpr std::u16string_view kCity12[] = {
    u"石河子市",
};
// 塔城地区
constexpr std::u16string_view kCity13[] = {
    u"额敏县", u"和布克赛尔蒙古族自治县", u"沙湾县", u"塔城市", u"托里县", u"乌苏市", u"裕民县",
};
// 图木舒克
constexpr std::u16string_view kCity14[] = {
    u"图木舒克市",
};
// 吐鲁番地区
constexpr std::u16string_view kCity15[] = {
    u"鄯善县", u"吐鲁番市", u"托克逊县",
};
// 乌鲁木齐
constexpr std::u16string_view kCity16[] = {
    u"米东区", u"沙依巴克区", u"水磨沟区", u"天山区", u"头屯河区", u"乌鲁木齐县", u"新市区", u"达坂城区",
};
// 伊犁哈萨克自治州
constexpr std::u16string_view kCity17[] = {
    u"察布查尔锡伯自治县", u"巩留县", u"霍城县", u"奎屯市", u"尼勒克县", u"特克斯县", u"新源县", u"伊宁市", u"伊宁县", u"昭苏县",
};

constexpr CityBlock kBlocks[] = {
    {u"阿克苏地区", kCity1},
    {u"阿拉尔", kCity2},
    {u"阿勒泰地区", kCity3},
    {u"巴音郭楞蒙古自治州", kCity4},
    {u"博尔塔拉蒙古自治州", kCity5},
    {u"昌吉回族自治州", kCity6},
    {u"哈密地区", kCity7},
    {u"和田地区", kCity8},
    {u"喀什地区", kCity9},
    {u"克拉玛依", kCity10},
    {u"克孜勒苏柯尔克孜自治州", kCity11},
    {u"石河子", kCity12},
    {u"塔城地区", kCity13},
    {u"图木舒克", kCity14},
    {u"吐鲁番地区", kCity15},
    {u"乌鲁木齐", kCity16},
    {u"伊犁哈萨克自治州", kCity17},
};

}  // namespace

constinit const DistrictTable kXinJiang{u"新疆", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::XinJiang() { showCityBlocks(district_lists::kXinJiang); }
