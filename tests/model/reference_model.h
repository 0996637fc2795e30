// A reference model of the query window, written from the window's rules
// alone: plain texts and lists, looked up in plain maps built from the
// catalogue tables. It shares nothing with the window's logic but those
// tables, so the two can be run side by side and compared.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace chengxi::model {

// The three combo boxes, numbered as in the window.
inline constexpr int kBoxCount = 3;

// What the window holds at one moment. The remembered texts are known only
// where the window under test lets them be read.
struct WindowView {
    std::array<std::u16string, kBoxCount> texts;
    std::array<std::vector<std::u16string>, kBoxCount> lists;
    std::u16string tdsCaption;       // Label8
    std::u16string chlorineCaption;  // Label10
    std::optional<std::u16string> lastProvinceText;
    std::optional<std::u16string> lastCityText;
};

// The catalogue in the shape the model wants it.
class Catalogue {
public:
    struct Province {
        std::u16string name;
        std::vector<std::u16string> cities;  // the first is the default city
        std::u16string districtText;          // Combo3's text on a change to it
    };
    struct Figures {
        std::int16_t tds = 0;
        double chlorine = 0;
    };
    using ReadingKey = std::tuple<std::u16string, std::u16string, std::u16string>;

    static const Catalogue& get();

    // In province-list order.
    std::vector<Province> provinces;
    // Province name -> index into `provinces`.
    std::unordered_map<std::u16string, std::size_t> provinceByName;
    // City name -> its district list in list order (the default district is
    // the first entry, or the empty text for an empty list).
    std::unordered_map<std::u16string, std::vector<std::u16string>> districtsByCity;
    // (province, city, district) -> figures.
    std::map<ReadingKey, Figures> readings;

    // Every distinct name of each level, for generating input.
    std::vector<std::u16string> provinceNames;
    std::vector<std::u16string> cityNames;
    std::vector<std::u16string> districtNames;

private:
    Catalogue();
};

// The captions that a reading shows.
std::u16string tdsText(std::int16_t tds);
std::u16string chlorineText(double chlorine);

class ReferenceModel {
public:
    // The window as created from its layout and loaded.
    ReferenceModel();

    // The user sets the text of box `box` (0 for Combo1 … 2 for Combo3),
    // picking an entry or typing.
    void setText(int box, std::u16string_view text);
    // Picks entry `index` of box `box`'s list; false (and nothing happens)
    // when the list has no such entry.
    bool pick(int box, std::size_t index);
    void tick();
    void click();

    const WindowView& view() const { return view_; }

private:
    const Catalogue& catalogue_;
    WindowView view_;
};

}  // namespace chengxi::model
