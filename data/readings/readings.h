// The readings of each province, one unit per province.
#pragma once

#include <array>

#include "app/core/city_table.h"
#include "app/core/region_tables.h"

namespace chengxi::readings {

extern const ProvinceReadings kBeiJing;
extern const ProvinceReadings kShangHai;
extern const ProvinceReadings kTianJin;
extern const ProvinceReadings kChongQing;
extern const ProvinceReadings kAnHui;
extern const ProvinceReadings kFuJian;
extern const ProvinceReadings kGanSu;
extern const ProvinceReadings kGuangDong;
extern const ProvinceReadings kGuangXi;
extern const ProvinceReadings kGuiZhou;
extern const ProvinceReadings kHaiNan;
extern const ProvinceReadings kHeBei;
extern const ProvinceReadings kHeNan;
extern const ProvinceReadings kHeiLongJiang;
extern const ProvinceReadings kHuBei;
extern const ProvinceReadings kHuNan;
extern const ProvinceReadings kJiLin;
extern const ProvinceReadings kJiangSu;
extern const ProvinceReadings kJiangXi;
extern const ProvinceReadings kLiaoNing;
extern const ProvinceReadings kNeiMeng;
extern const ProvinceReadings kNingXia;
extern const ProvinceReadings kQingHai;
extern const ProvinceReadings kShanDong;
extern const ProvinceReadings kShanXi;
extern const ProvinceReadings kShan3Xi;
extern const ProvinceReadings kSiChuan;
extern const ProvinceReadings kXiZang;
extern const ProvinceReadings kXinJiang;
extern const ProvinceReadings kYunNan;
extern const ProvinceReadings kZheJiang;

// All provinces, in province-list order.
inline constexpr std::array<const ProvinceReadings*, kProvinceCount> kAll = {
    &kBeiJing, &kShangHai, &kTianJin, &kChongQing, &kAnHui, &kFuJian, &kGanSu, &kGuangDong,
    &kGuangXi, &kGuiZhou, &kHaiNan, &kHeBei, &kHeNan, &kHeiLongJiang, &kHuBei, &kHuNan, &kJiLin,
    &kJiangSu, &kJiangXi, &kLiaoNing, &kNeiMeng, &kNingXia, &kQingHai, &kShanDong, &kShanXi,
    &kShan3Xi, &kSiChuan, &kXiZang, &kXinJiang, &kYunNan, &kZheJiang,
};

}  // namespace chengxi::readings
