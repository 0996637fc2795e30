// Fixed digests of the built-in catalogue, which was checked entry by entry
// against its source. They pin every entry: the province list, each
// province's row of the city table (its cities in order and the district text
// of a province change), its district lists (city names, district names and
// their order) and its readings (city, district, TDS and residual chlorine of
// each row, in order). A single slip anywhere, such as one digit of a figure,
// 0.05 written as 0.5, two figures or two districts swapped, or a name changed
// by one character in every table where it stands, changes a digest, and the
// failure names the province and the table.
//
// Each digest is 64-bit FNV-1a over a canonical form of one table: every list
// is preceded by its length, every name by its length in UTF-16 code units
// followed by the code units, TDS as an integer and residual chlorine as an
// integer count of hundredths (a chlorine figure that is not a whole number of
// hundredths fails on its own).
//
// When a figure or a name is deliberately corrected, run core_tests: the
// failure of the table concerned prints the digest it now has; paste that
// value into kExpected below, in the province's row and the table's column
// (or into kProvinceListDigest), and commit it together with the correction.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

#include "app/core/city_table.h"
#include "app/core/region_tables.h"
#include "data/district_lists/district_lists.h"
#include "data/readings/readings.h"

namespace chengxi::testing {
namespace {

class Digest {
public:
    void addNumber(std::int64_t value)
    {
        auto bits = static_cast<std::uint64_t>(value);
        for (int i = 0; i < 8; ++i) {
            addByte(static_cast<std::uint8_t>(bits & 0xffu));
            bits >>= 8;
        }
    }

    void addText(std::u16string_view text)
    {
        addNumber(static_cast<std::int64_t>(text.size()));
        for (const char16_t unit : text) {
            addByte(static_cast<std::uint8_t>(unit & 0xffu));
            addByte(static_cast<std::uint8_t>(unit >> 8));
        }
    }

    void addTexts(std::span<const std::u16string_view> texts)
    {
        addNumber(static_cast<std::int64_t>(texts.size()));
        for (const std::u16string_view text : texts) {
            addText(text);
        }
    }

    std::uint64_t value() const { return hash_; }

private:
    void addByte(std::uint8_t byte)
    {
        hash_ ^= byte;
        hash_ *= 0x100000001b3u;
    }

    std::uint64_t hash_ = 0xcbf29ce484222325u;
};

std::uint64_t provinceListDigest()
{
    Digest d;
    d.addNumber(static_cast<std::int64_t>(kCityTable.size()));
    for (const ProvinceCities& row : kCityTable) {
        d.addText(row.province);
    }
    return d.value();
}

std::uint64_t cityTableDigest(const ProvinceCities& row)
{
    Digest d;
    d.addText(row.province);
    d.addTexts(row.cities);
    d.addText(row.districtText);
    return d.value();
}

std::uint64_t districtListsDigest(const DistrictTable& table)
{
    Digest d;
    d.addText(table.province);
    d.addNumber(static_cast<std::int64_t>(table.cities.size()));
    for (const CityBlock& block : table.cities) {
        d.addText(block.city);
        d.addTexts(block.districts);
    }
    return d.value();
}

// Residual chlorine in hundredths of a mg/L.
std::int64_t hundredths(double chlorine)
{
    return static_cast<std::int64_t>(std::lround(chlorine * 100));
}

std::uint64_t readingsDigest(const ProvinceReadings& table)
{
    Digest d;
    d.addText(table.province);
    d.addNumber(static_cast<std::int64_t>(table.rows.size()));
    for (const DistrictReading& row : table.rows) {
        d.addText(row.city);
        d.addText(row.district);
        d.addNumber(row.tds);
        d.addNumber(hundredths(row.chlorine));
    }
    return d.value();
}

std::string utf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xd800 && c < 0xdc00 && i + 1 < text.size() && text[i + 1] >= 0xdc00 && text[i + 1] < 0xe000) {
            c = 0x10000 + ((c - 0xd800) << 10) + (text[++i] - 0xdc00);
        } else if (c >= 0xd800 && c < 0xe000) {
            c = 0xfffd;
        }
        const auto unit = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
        if (c < 0x80) {
            unit(c);
        } else if (c < 0x800) {
            unit(0xc0 | (c >> 6));
            unit(0x80 | (c & 0x3f));
        } else if (c < 0x10000) {
            unit(0xe0 | (c >> 12));
            unit(0x80 | ((c >> 6) & 0x3f));
            unit(0x80 | (c & 0x3f));
        } else {
            unit(0xf0 | (c >> 18));
            unit(0x80 | ((c >> 12) & 0x3f));
            unit(0x80 | ((c >> 6) & 0x3f));
            unit(0x80 | (c & 0x3f));
        }
    }
    return out;
}

std::string hex(std::uint64_t value)
{
    char text[19];
    std::snprintf(text, sizeof text, "0x%016" PRIx64, value);
    return text;
}

// The digest of the province list as a whole.
constexpr std::uint64_t kProvinceListDigest = 0x022e7f19b396ff76;

// The digests of each province's tables, in province-list order.
struct Expected {
    std::u16string_view province;
    std::uint64_t cityTable;
    std::uint64_t districtLists;
    std::uint64_t readings;
};

constexpr Expected kExpected[] = {
    // province, city table, district lists, readings
    {u"北京", 0x961dc3e77b924d23, 0xbea0459f34a91fa2, 0x23a98dfd0d13bea5},
    {u"上海", 0x1f0af597fae0066d, 0x92123b5818b7be1b, 0x74fb9f5c447ff7cb},
    {u"天津", 0xfe2e84d61bc6f806, 0xf67ee1dfb3ddf14d, 0x5c40c19e99c1eb7e},
    {u"重庆", 0xd3229b881532cfed, 0xf0c93fd69ef8259c, 0xff14f863da4b8a80},
    {u"安徽", 0x3f33355558260bba, 0x957edb0f30ee82e1, 0x25d62a9b598204dd},
    {u"福建", 0xa47e11c3b620d0ed, 0xa372c0eda3e470a6, 0xafeeff7bd9f07159},
    {u"甘肃", 0x6527b3569b320afe, 0xb0568de506dff229, 0x468fbc27f40bfe75},
    {u"广东", 0x44243759f37de6f4, 0x488901f8621d7780, 0x197302561767343c},
    {u"广西", 0x49fc5ac049a1e936, 0x7433d64b4ed3041c, 0x3a1d44c02f49efb0},
    {u"贵州", 0xbfebebf211492789, 0xa4a35f3877c4a680, 0x9c85b0c3c59f0dbc},
    {u"海南", 0x83e64a18f60ea0ed, 0xb75c15de6d385a3f, 0xd54a43cb69c16c73},
    {u"河北", 0x6f4810b3a699f270, 0x6df89cef367f9553, 0x754685b1264c3547},
    {u"河南", 0xaba2be015823e6dd, 0xb42666d89f5b4269, 0xbcb21b975d7359e1},
    {u"黑龙江", 0xd3ef908fcdb47b26, 0xdd2eceb89223bab0, 0x414dd6ae0fa0d0a3},
    {u"湖北", 0xa7bffdf2cd935e47, 0xe35fd90207d28568, 0xa1f194659139826f},
    {u"湖南", 0xa830e361ab172a03, 0x1aaecaff5b93bfc6, 0x37eea233eb6c2927},
    {u"吉林", 0xfe07d73b39ff9f01, 0x5531becbc373ae4f, 0x4fc518b9a92ec4c0},
    {u"江苏", 0x45f6f3c7f7d18358, 0x8a7efde4035c0c78, 0x9281e1278d2f7a44},
    {u"江西", 0x1fbb0f4486211534, 0x76aef0d7ab8f6d6f, 0x90a3c70e3606846e},
    {u"辽宁", 0xec913ab0707c40c4, 0xc4ff07887d46d4c2, 0x0bdc2c5ed7c4541e},
    {u"内蒙", 0x35ec85a3ab186b25, 0xc1373ac8de8148d4, 0x8ec4a5983124d82a},
    {u"宁夏", 0x78c4787d36c1137f, 0x24180f48d6ae996d, 0x4f66a0b95631799f},
    {u"青海", 0xb7f7d691afeedca5, 0x89c72955fd6624db, 0xd9d081f1607a0bd2},
    {u"山东", 0x9436b69a2ee79fef, 0x0b2e2104591526be, 0x301a5eb1d7cf8da8},
    {u"山西", 0x8c376c84aea2807c, 0xcc9bd79f3e9d18f4, 0x1b1f7e3410726b62},
    {u"陕西", 0x91845b46ecb1aa6b, 0x549127eb96cbc8f8, 0x3aeba04486f16908},
    {u"四川", 0xa3f26090b6752f74, 0xe9259843151534a5, 0x7841f3965c2d220e},
    {u"西藏", 0x9a8a2a9ef4993875, 0x3dce387fa9d4a7fa, 0xf29c106fd8d450f9},
    {u"新疆", 0xe8b79c0b17188f43, 0xb341eadb3b915e49, 0x76722f75d221315c},
    {u"云南", 0xa2ffca50478aeb64, 0x8085a5fce4c1a468, 0x40b127594a9a85fd},
    {u"浙江", 0x745cde244c682b6b, 0x9b18b3a72b7b7f05, 0x45a415369ede2bf4},
};
static_assert(std::size(kExpected) == kProvinceCount);

// Reports a digest that no longer matches, naming the province by its row in
// kExpected (and by its present name if that differs) and the table.
void expectDigest(const Expected& row, std::u16string_view present, std::string_view table, std::uint64_t actual,
                  std::uint64_t expected)
{
    if (actual == expected) {
        return;
    }
    std::string where = utf8(row.province);
    if (present != row.province) {
        where += " (now named " + utf8(present) + ")";
    }
    ADD_FAILURE() << where << ": " << table << " digest changed, now " << hex(actual) << " (was " << hex(expected)
                  << ")";
}

TEST(CatalogueDigests, ProvinceList)
{
    for (std::size_t i = 0; i < kProvinceCount; ++i) {
        if (kCityTable[i].province != kExpected[i].province) {
            ADD_FAILURE() << utf8(kExpected[i].province) << ": province list, position " << i + 1 << " now holds "
                          << utf8(kCityTable[i].province);
        }
    }
    const std::uint64_t actual = provinceListDigest();
    if (actual != kProvinceListDigest) {
        ADD_FAILURE() << "province list digest changed, now " << hex(actual) << " (was " << hex(kProvinceListDigest)
                      << ")";
    }
}

TEST(CatalogueDigests, CityTable)
{
    for (std::size_t i = 0; i < kProvinceCount; ++i) {
        const ProvinceCities& row = kCityTable[i];
        expectDigest(kExpected[i], row.province, "city table", cityTableDigest(row), kExpected[i].cityTable);
    }
}

TEST(CatalogueDigests, DistrictLists)
{
    for (std::size_t i = 0; i < kProvinceCount; ++i) {
        const DistrictTable& table = *district_lists::kAll[i];
        expectDigest(kExpected[i], table.province, "district lists", districtListsDigest(table),
                     kExpected[i].districtLists);
    }
}

TEST(CatalogueDigests, Readings)
{
    for (std::size_t i = 0; i < kProvinceCount; ++i) {
        const ProvinceReadings& table = *readings::kAll[i];
        expectDigest(kExpected[i], table.province, "readings", readingsDigest(table), kExpected[i].readings);
        // The digest counts hundredths; a figure between two of them would
        // otherwise pass as the nearer one. Division is correctly rounded, so
        // a figure written with at most two decimals is exactly its
        // hundredths over 100.
        for (const DistrictReading& row : table.rows) {
            EXPECT_EQ(static_cast<double>(hundredths(row.chlorine)) / 100, row.chlorine)
                << utf8(kExpected[i].province) << ": readings, " << utf8(row.city) << " " << utf8(row.district)
                << ": residual chlorine is not a whole number of hundredths";
        }
    }
}

}  // namespace
}  // namespace chengxi::testing
