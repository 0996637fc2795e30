// The district lists of each province, one unit per province.
#pragma once

#include <array>

#include "app/core/city_table.h"
#include "app/core/region_tables.h"

namespace chengxi::district_lists {

extern const DistrictTable kBeiJing;
extern const DistrictTable kShangHai;
extern const DistrictTable kTianJin;
extern const DistrictTable kChongQing;
extern const DistrictTable kAnHui;
extern const DistrictTable kFuJian;
extern const DistrictTable kGanSu;
extern const DistrictTable kGuangDong;
extern const DistrictTable kGuangXi;
extern const DistrictTable kGuiZhou;
extern const DistrictTable kHaiNan;
extern const DistrictTable kHeBei;
extern const DistrictTable kHeNan;
extern const DistrictTable kHeiLongJiang;
extern const DistrictTable kHuBei;
extern const DistrictTable kHuNan;
extern const DistrictTable kJiLin;
extern const DistrictTable kJiangSu;
extern const DistrictTable kJiangXi;
extern const DistrictTable kLiaoNing;
extern const DistrictTable kNeiMeng;
extern const DistrictTable kNingXia;
extern const DistrictTable kQingHai;
extern const DistrictTable kShanDong;
extern const DistrictTable kShanXi;
extern const DistrictTable kShan3Xi;
extern const DistrictTable kSiChuan;
extern const DistrictTable kXiZang;
extern const DistrictTable kXinJiang;
extern const DistrictTable kYunNan;
extern const DistrictTable kZheJiang;

// All provinces, in province-list order.
inline constexpr std::array<const DistrictTable*, kProvinceCount> kAll = {
    &kBeiJing, &kShangHai, &kTianJin, &kChongQing, &kAnHui, &kFuJian, &kGanSu, &kGuangDong,
    &kGuangXi, &kGuiZhou, &kHaiNan, &kHeBei, &kHeNan, &kHeiLongJiang, &kHuBei, &kHuNan, &kJiLin,
    &kJiangSu, &kJiangXi, &kLiaoNing, &kNeiMeng, &kNingXia, &kQingHai, &kShanDong, &kShanXi,
    &kShan3Xi, &kSiChuan, &kXiZang, &kXinJiang, &kYunNan, &kZheJiang,
};

}  // namespace chengxi::district_lists
