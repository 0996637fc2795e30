// The province list and the city table.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace chengxi {

inline constexpr std::size_t kProvinceCount = 31;

struct ProvinceCities {
    std::u16string_view province;
    // The first city is the province's default city.
    std::span<const std::u16string_view> cities;
    // Shown in the district box on a province change: the default district
    // of the default city.
    std::u16string_view districtText;
};

// In province-list order: 北京, 上海, 天津, 重庆, then 安徽 … 浙江. The
// district-list and readings routines follow the same order.
extern const std::array<ProvinceCities, kProvinceCount> kCityTable;

}  // namespace chengxi
