#include "app/core/form1.h"

#include <charconv>

#include "app/core/city_table.h"

namespace chengxi {

Form1::Form1(const Form1Controls& controls)
    : Combo1(controls.Combo1),
      Combo2(controls.Combo2),
      Combo3(controls.Combo3),
      Label2(controls.Label2),
      Label8(controls.Label8),
      Label10(controls.Label10),
      locale(controls.locale)
{
}

void Form1::Form_Load()
{
    std::int16_t position = 0;
    for (const ProvinceCities& row : kCityTable) {
        Combo1.AddItem(row.province, position++);
    }
    // "0" names nothing, so the first tick finds both texts changed.
    lastProvinceText = u"0";
    lastCityText = u"0";
}

void Form1::Timer1_Timer()
{
    Label2.setCaption(locale.dateTimeText());

    // Taken over before any test, so a text that names nothing is not tested
    // again until it changes.
    std::u16string province = Combo1.Text();
    if (province != lastProvinceText) {
        lastProvinceText = province;
        for (const ProvinceCities& row : kCityTable) {
            if (province != row.province) {
                continue;
            }
            refillList(Combo2, row.cities);
            Combo1.setText(row.province);
            Combo2.setText(row.cities.front());
            Combo3.setText(row.districtText);
        }
    }

    // A province change above has just set the default city, so the same tick
    // normally fills the district list too.
    std::u16string city = Combo2.Text();
    if (city != lastCityText) {
        lastCityText = std::move(city);
        showDistricts();
    }
}

void Form1::Command1_Click()
{
    BeiJingData();
    ShangHaiData();
    TianJinData();
    ChongQingData();
    AnHuiData();
    FuJianData();
    GanSuData();
    GuangDongData();
    GuangXiData();
    GuiZhouData();
    HaiNanData();
    HeBeiData();
    HeNanData();
    HeiLongJiangData();
    HuBeiData();
    HuNanData();
    JiLinData();
    JiangSuData();
    JiangXiData();
    LiaoNingData();
    NeiMengData();
    NingXiaData();
    QingHaiData();
    ShanDongData();
    ShanXiData();
    Shan3XiData();
    SiChuanData();
    XiZangData();
    XinJiangData();
    YunNanData();
    ZheJiangData();
}

// Empties a list from the last entry down to the first.
void Form1::clearList(ComboBox& combo)
{
    clearIndex = static_cast<std::int16_t>(combo.ListCount() - 1);
    while (clearIndex >= 0) {
        combo.RemoveItem(clearIndex);
        --clearIndex;
    }
}

// Empties the list, then adds the entries at the positions 0, 1, 2, … in
// order. The text is left to the caller to set afterwards, since a control
// may change it as entries come and go.
void Form1::refillList(ComboBox& combo, std::span<const std::u16string_view> entries)
{
    clearList(combo);
    std::int16_t position = 0;
    for (std::u16string_view entry : entries) {
        combo.AddItem(entry, position++);
    }
}

// Every routine is asked in turn; city names are unique across the catalogue,
// so at most one acts. The province is not consulted.
void Form1::showDistricts()
{
    BeiJing();
    ShangHai();
    TianJin();
    ChongQing();
    AnHui();
    FuJian();
    GanSu();
    GuangDong();
    GuangXi();
    GuiZhou();
    HaiNan();
    HeBei();
    HeNan();
    HeiLongJiang();
    HuBei();
    HuNan();
    JiLin();
    JiangSu();
    JiangXi();
    LiaoNing();
    NeiMeng();
    NingXia();
    QingHai();
    ShanDong();
    ShanXi();
    Shan3Xi();
    SiChuan();
    XiZang();
    XinJiang();
    YunNan();
    ZheJiang();
}

void Form1::showCityBlocks(const DistrictTable& table)
{
    // Nothing in a routine writes Combo2, so one read serves every block.
    const std::u16string city = Combo2.Text();
    for (const CityBlock& block : table.cities) {
        if (city != block.city) {
            continue;
        }
        refillList(Combo3, block.districts);
        Combo3.setText(block.defaultDistrict());
    }
}

void Form1::showReadings(const ProvinceReadings& table)
{
    if (Combo1.Text() != table.province) {
        return;
    }
    const std::u16string city = Combo2.Text();
    const std::u16string district = Combo3.Text();
    for (const DistrictReading& row : table.rows) {
        if (city == row.city && district == row.district) {
            showReading(row.tds, row.chlorine);
        }
    }
}

void Form1::showReading(std::int16_t tds, double chlorine)
{
    Label8.setCaption(tdsCaption(tds));
    Label10.setCaption(chlorineCaption(chlorine, locale));
}

std::u16string tdsCaption(std::int16_t tds)
{
    char digits[8];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), tds);
    return std::u16string(digits, result.ptr);
}

std::u16string chlorineCaption(double chlorine, const LocaleServices& locale)
{
    return locale.fixed2(chlorine) + u"mg/L";
}

}  // namespace chengxi
