// Shapes of the built-in catalogue: the district lists of each city and the
// readings of each district. All names are UTF-16 and compared exactly.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace chengxi {

// One city and its district entries, in the order they are listed.
struct CityBlock {
    std::u16string_view city;
    std::span<const std::u16string_view> districts;

    // The district shown when the city is chosen: the first entry, or the
    // empty text for a city without districts.
    constexpr std::u16string_view defaultDistrict() const
    {
        return districts.empty() ? std::u16string_view{} : districts.front();
    }
};

// The district lists of one province, its cities in city-table order.
struct DistrictTable {
    std::u16string_view province;
    std::span<const CityBlock> cities;
};

// The figures of one district. A row with both figures 0 is a no-data reading.
struct DistrictReading {
    std::u16string_view city;
    std::u16string_view district;
    std::int16_t tds;  // total dissolved solids
    double chlorine;   // residual chlorine, mg/L, at most two decimals
};

// The readings of one province, grouped by city in city-table order and
// within a city in the order of its district list.
struct ProvinceReadings {
    std::u16string_view province;
    std::span<const DistrictReading> rows;
};

}  // namespace chengxi
