// District lists of 西藏: 7 cities, 67 district entries.
#include "app/core/form1.h"
#include "data/district_lists/district_lists.h"

namespace chengxi::district_lists {
namespace {

// 昌都地区
constexpr std::u16string_view kCity1[] = {
    u"八宿县", u"察雅县", u"昌都县", u"类乌齐县", u"洛隆县", u"边坝县", u"丁青县", u"贡觉县", u"江达县", u"芒康县",
};
// 拉萨
constexpr std::u16string_view kCity2[] = {
    u"城关区", u"达孜县", u"堆龙德庆县", u"林周县", u"墨竹工卡县", u"当雄县", u"尼木县", u"曲水县",
};
// 林芝地区
constexpr std::u16string_view kCity3[] = {
    u"林芝县", u"波密县", u"察隅县", u"工布江达县", u"朗县", u"米林县",
};
// 那曲地区
constexpr std::u16string_view kCity4[] = {
    u"安多县", u"比如县", u"那曲县", u"巴青县", u"班戈县", u"嘉黎县", u"尼玛县", u"聂荣县", u"申扎县",
};
// 日喀则地区
constexpr std::u16string_view kCity5[] = {
    u"江孜县", u"日喀则市", u"昂仁县", u"白朗县", u"定结县", u"定日县", u"岗巴县", u"康马县", u"拉孜县", u"南木林县", u"聂拉木县",
    u"仁布县", u"萨迦县", u"亚东县", u"谢通门县",
};
// 山南地区
constexpr std::u16string_view kCity6[] = {
    u"贡嘎县", u"隆子县", u"乃东县", u"琼结县", u"措美县", u"错那县", u"加查县", u"浪卡子县", u"洛扎县", u"曲松县", u"桑日县",
    u"扎囊县",
};
// 阿里地区
constexpr std::u16string_view kCity7[] = {
    u"措勤县", u"改则县", u"革吉县", u"扎达县", u"普兰县", u"噶尔县", u"日土县",
};

constexpr CityBlock kBlocks[] = {
    {u"昌都地区", kCity1},
    {u"拉萨", kCity2},
    {u"林芝地区", kCity3},
    {u"那曲地区", kCity4},
    {u"日喀则地区", kCity5},
    {u"山南地区", kCity6},
    {u"阿里地区", kCity7},
};

}  // namespace

constinit const DistrictTable kXiZang{u"西藏", kBlocks};

}  // namespace chengxi::district_lists

void chengxi::Form1::XiZang() { showCityBlocks(district_lists::kXiZang); }
