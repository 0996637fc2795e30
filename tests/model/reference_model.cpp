#include "tests/model/reference_model.h"

#include <cmath>
#include <unordered_set>

#include "app/core/city_table.h"
#include "data/district_lists/district_lists.h"
#include "data/readings/readings.h"

namespace chengxi::model {
namespace {

std::u16string ascii(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

void addDistinct(std::vector<std::u16string>& names, std::unordered_set<std::u16string>& seen,
                 std::u16string_view name)
{
    if (seen.emplace(name).second) {
        names.emplace_back(name);
    }
}

}  // namespace

const Catalogue& Catalogue::get()
{
    static const Catalogue catalogue;
    return catalogue;
}

// Where a name stands twice, the later entry wins: every matching block of
// the window acts in turn, so the last one's effect is what remains.
Catalogue::Catalogue()
{
    std::unordered_set<std::u16string> seenProvinces;
    std::unordered_set<std::u16string> seenCities;
    std::unordered_set<std::u16string> seenDistricts;

    for (const ProvinceCities& row : kCityTable) {
        Province province;
        province.name = row.province;
        province.cities.assign(row.cities.begin(), row.cities.end());
        province.districtText = row.districtText;
        provinceByName.insert_or_assign(province.name, provinces.size());
        provinces.push_back(std::move(province));
        addDistinct(provinceNames, seenProvinces, row.province);
        for (std::u16string_view city : row.cities) {
            addDistinct(cityNames, seenCities, city);
        }
    }

    for (const DistrictTable* table : district_lists::kAll) {
        for (const CityBlock& block : table->cities) {
            districtsByCity.insert_or_assign(std::u16string(block.city),
                                             std::vector<std::u16string>(block.districts.begin(), block.districts.end()));
            addDistinct(cityNames, seenCities, block.city);
            for (std::u16string_view district : block.districts) {
                addDistinct(districtNames, seenDistricts, district);
            }
        }
    }

    for (const ProvinceReadings* table : readings::kAll) {
        for (const DistrictReading& row : table->rows) {
            readings.insert_or_assign(
                ReadingKey{std::u16string(table->province), std::u16string(row.city), std::u16string(row.district)},
                Figures{row.tds, row.chlorine});
        }
    }
}

std::u16string tdsText(std::int16_t tds)
{
    return ascii(std::to_string(tds));
}

std::u16string chlorineText(double chlorine)
{
    // Rounded to whole hundredths, then written as units and two digits.
    const long long hundredths = std::llround(chlorine * 100.0);
    const long long magnitude = hundredths < 0 ? -hundredths : hundredths;
    std::string text = hundredths < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    text += '.';
    text += static_cast<char>('0' + magnitude % 100 / 10);
    text += static_cast<char>('0' + magnitude % 10);
    return ascii(text) + u"mg/L";
}

ReferenceModel::ReferenceModel() : catalogue_(Catalogue::get())
{
    // The layout's texts; the load fills the province list and sets both
    // remembered texts to "0", which names nothing.
    view_.texts = {u"北京", u"北京", u"昌平区"};
    for (const Catalogue::Province& province : catalogue_.provinces) {
        view_.lists[0].push_back(province.name);
    }
    view_.lastProvinceText = u"0";
    view_.lastCityText = u"0";
}

void ReferenceModel::setText(int box, std::u16string_view text)
{
    view_.texts[static_cast<std::size_t>(box)] = text;
}

bool ReferenceModel::pick(int box, std::size_t index)
{
    const auto& list = view_.lists[static_cast<std::size_t>(box)];
    if (index >= list.size()) {
        return false;
    }
    view_.texts[static_cast<std::size_t>(box)] = list[index];
    return true;
}

void ReferenceModel::tick()
{
    auto& [province, city, district] = view_.texts;

    // Province change. The text is remembered whether or not it names a
    // province; a province refills the city list and sets all three texts,
    // leaving the district list as it is.
    std::u16string& lastProvince = *view_.lastProvinceText;
    if (province != lastProvince) {
        lastProvince = province;
        if (const auto found = catalogue_.provinceByName.find(province); found != catalogue_.provinceByName.end()) {
            const Catalogue::Province& chosen = catalogue_.provinces[found->second];
            view_.lists[1] = chosen.cities;
            province = chosen.name;
            city = chosen.cities.empty() ? std::u16string() : chosen.cities.front();
            district = chosen.districtText;
        }
    }

    // City change, against the city text as the province change left it. A
    // city of any province refills the district list.
    std::u16string& lastCity = *view_.lastCityText;
    if (city != lastCity) {
        lastCity = city;
        if (const auto found = catalogue_.districtsByCity.find(city); found != catalogue_.districtsByCity.end()) {
            view_.lists[2] = found->second;
            district = found->second.empty() ? std::u16string() : found->second.front();
        }
    }
}

void ReferenceModel::click()
{
    const auto found = catalogue_.readings.find(Catalogue::ReadingKey{view_.texts[0], view_.texts[1], view_.texts[2]});
    if (found == catalogue_.readings.end()) {
        return;  // no row: the figures of the last query stay
    }
    view_.tdsCaption = tdsText(found->second.tds);
    view_.chlorineCaption = chlorineText(found->second.chlorine);
}

}  // namespace chengxi::model
