// The query window's logic: start-up, the 100 ms tick that follows the user's
// choices in the three combo boxes, and the query button. It works on the
// controls only through the control layer.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/core/controls.h"
#include "app/core/region_tables.h"

namespace chengxi {

inline constexpr int kTimer1IntervalMs = 100;

// The controls that the logic reads and writes.
struct Form1Controls {
    ComboBox& Combo1;  // 省级
    ComboBox& Combo2;  // 地级
    ComboBox& Combo3;  // 县级
    Label& Label2;     // clock
    Label& Label8;     // TDS figure
    Label& Label10;    // residual-chlorine figure
    const LocaleServices& locale;
};

class Form1 {
public:
    explicit Form1(const Form1Controls& controls);

    // Run once, after the controls are created and before any tick or click.
    void Form_Load();
    // Run at every tick of Timer1: the clock, then a change of province, then
    // a change of city.
    void Timer1_Timer();
    // Run at every click of the query button.
    void Command1_Click();

    const std::u16string& getLastProvinceText() const { return lastProvinceText; }
    const std::u16string& getLastCityText() const { return lastCityText; }
    std::int16_t getClearIndex() const { return clearIndex; }

private:
    void clearList(ComboBox& combo);
    void refillList(ComboBox& combo, std::span<const std::u16string_view> entries);
    void showDistricts();
    void showCityBlocks(const DistrictTable& table);
    void showReadings(const ProvinceReadings& table);
    void showReading(std::int16_t tds, double chlorine);

    // District-list routines, one per province (data/district_lists/).
    void BeiJing();
    void ShangHai();
    void TianJin();
    void ChongQing();
    void AnHui();
    void FuJian();
    void GanSu();
    void GuangDong();
    void GuangXi();
    void GuiZhou();
    void HaiNan();
    void HeBei();
    void HeNan();
    void HeiLongJiang();
    void HuBei();
    void HuNan();
    void JiLin();
    void JiangSu();
    void JiangXi();
    void LiaoNing();
    void NeiMeng();
    void NingXia();
    void QingHai();
    void ShanDong();
    void ShanXi();
    void Shan3Xi();
    void SiChuan();
    void XiZang();
    void XinJiang();
    void YunNan();
    void ZheJiang();

    // Readings routines, one per province (data/readings/).
    void BeiJingData();
    void ShangHaiData();
    void TianJinData();
    void ChongQingData();
    void AnHuiData();
    void FuJianData();
    void GanSuData();
    void GuangDongData();
    void GuangXiData();
    void GuiZhouData();
    void HaiNanData();
    void HeBeiData();
    void HeNanData();
    void HeiLongJiangData();
    void HuBeiData();
    void HuNanData();
    void JiLinData();
    void JiangSuData();
    void JiangXiData();
    void LiaoNingData();
    void NeiMengData();
    void NingXiaData();
    void QingHaiData();
    void ShanDongData();
    void ShanXiData();
    void Shan3XiData();
    void SiChuanData();
    void XiZangData();
    void XinJiangData();
    void YunNanData();
    void ZheJiangData();

    ComboBox& Combo1;
    ComboBox& Combo2;
    ComboBox& Combo3;
    Label& Label2;
    Label& Label8;
    Label& Label10;
    const LocaleServices& locale;

    // The texts of Combo1 and Combo2 that the tick last took over.
    std::u16string lastProvinceText;
    std::u16string lastCityText;
    // The counter of every clearing loop; -1 after each.
    std::int16_t clearIndex = 0;
};

// The TDS figure: decimal digits, no grouping, no unit ("263", "3921", "0").
std::u16string tdsCaption(std::int16_t tds);
// The chlorine figure: two decimals in the locale's form, then "mg/L".
std::u16string chlorineCaption(double chlorine, const LocaleServices& locale);

}  // namespace chengxi
