#include "tests/model/model_runner.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iterator>
#include <sstream>
#include <utility>

namespace chengxi::model {
namespace {

constexpr std::array<const char*, kBoxCount> kBoxNames = {"Combo1", "Combo2", "Combo3"};

const char* boxName(int box)
{
    return kBoxNames[static_cast<std::size_t>(box)];
}

bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Whether a code point shows as something a reader can see and tell apart.
bool shows(char32_t c)
{
    if (c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || c == 0x34F || c == 0x61C || c == 0x115F ||
        c == 0x1160 || c == 0x180E || c == 0x3000 || c == 0x3164 || c == 0xFEFF || c == 0xFFA0) {
        return false;
    }
    const std::array<std::pair<char32_t, char32_t>, 11> hidden = {{
        {0x0300, 0x036F},    // combining marks
        {0x1AB0, 0x1AFF},
        {0x1DC0, 0x1DFF},
        {0x2000, 0x200F},    // spaces, zero-width characters, direction marks
        {0x2028, 0x202F},
        {0x205F, 0x206F},
        {0x20D0, 0x20FF},
        {0xE000, 0xF8FF},    // private use
        {0xFE00, 0xFE0F},    // variation selectors
        {0xFE20, 0xFE2F},
        {0xFFF0, 0xFFFF},
    }};
    for (const auto& [first, last] : hidden) {
        if (c >= first && c <= last) {
            return false;
        }
    }
    return c < 0xE0000;  // tags, variation selectors and private planes above
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendEscape(std::string& out, char32_t unit)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(unit));
    out += buffer;
}

std::string listText(const std::vector<std::u16string>& list)
{
    std::string out = std::to_string(list.size()) + (list.size() == 1 ? " entry [" : " entries [");
    for (std::size_t i = 0; i < list.size(); ++i) {
        out += (i == 0 ? "" : ", ") + printable(list[i]);
    }
    return out + "]";
}

std::string firstDifference(const std::vector<std::u16string>& expected, const std::vector<std::u16string>& actual)
{
    const auto [e, a] = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    return " (first difference at entry " + std::to_string(e - expected.begin()) + ")";
}

// Stands in for the window where only the model's course is wanted.
class NoSubject final : public Subject {
public:
    void pick(int, std::size_t) override {}
    void type(int, std::u16string_view) override {}
    void tick() override {}
    void click(bool) override {}
    WindowView view() const override { return {}; }
};

// Applies `action` and reports a failing operation as a mismatch.
std::optional<Mismatch> step(const Action& action, ReferenceModel& model, Subject& subject)
{
    try {
        apply(action, model, subject);
        return compare(model.view(), subject.view());
    } catch (const std::exception& error) {
        return Mismatch{0, "raised error", "none", error.what()};
    }
}

std::string describeMismatch(const Mismatch& mismatch, const char* indent)
{
    std::string out;
    out += std::string(indent) + "field:  " + mismatch.field + "\n";
    out += std::string(indent) + "model:  " + mismatch.expected + "\n";
    out += std::string(indent) + "window: " + mismatch.actual + "\n";
    return out;
}

}  // namespace

std::string printable(std::u16string_view text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            const char32_t low = text[i + 1];
            const char32_t c = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            if (shows(c)) {
                appendUtf8(out, c);
            } else {
                appendEscape(out, unit);
                appendEscape(out, low);
            }
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit) || !shows(unit)) {
            appendEscape(out, unit);
        } else if (unit == u'"' || unit == u'\\') {
            out += '\\';
            out += static_cast<char>(unit);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out + "\"";
}

std::string describe(const Action& action, const std::u16string* picked)
{
    const char* click = action.byMouse ? "click by mouse" : "click";
    switch (action.kind) {
    case ActionKind::Pick:
        return "pick entry " + std::to_string(action.index) + " of " + boxName(action.box) +
               (picked != nullptr ? " (" + printable(*picked) + ")" : std::string());
    case ActionKind::Type:
        return "type " + printable(action.text) + " into " + boxName(action.box);
    case ActionKind::Tick:
        return "tick";
    case ActionKind::Click:
        return click;
    case ActionKind::TypeProvinceThenClick:
        return "type " + printable(action.text) + " into Combo1, then " + click + " before any tick";
    }
    return "?";
}

// ---------------------------------------------------------------------------
// Generating actions

ActionGenerator::ActionGenerator(std::uint64_t seed, Options options)
    : random_(seed), options_(options), catalogue_(Catalogue::get())
{
    for (const auto* names : {&catalogue_.provinceNames, &catalogue_.cityNames, &catalogue_.districtNames}) {
        for (const std::u16string& name : *names) {
            if (std::any_of(name.begin(), name.end(), [](char16_t c) { return c > 0x20 && c < 0x7F; })) {
                namesWithAscii_.push_back(name);
            }
        }
    }
}

std::size_t ActionGenerator::below(std::size_t bound)
{
    return bound == 0 ? 0 : static_cast<std::size_t>(random_() % bound);
}

int ActionGenerator::pickBox()
{
    // The city box most, the district box least: changing the city is where
    // the two handlers meet.
    const std::size_t r = below(100);
    return r < 35 ? 0 : r < 75 ? 1 : 2;
}

const std::u16string& ActionGenerator::anyOf(const std::vector<std::u16string>& names)
{
    return names[below(names.size())];
}

const std::vector<std::u16string>& ActionGenerator::namesOfLevel(int box) const
{
    return box == 0 ? catalogue_.provinceNames : box == 1 ? catalogue_.cityNames : catalogue_.districtNames;
}

std::u16string ActionGenerator::catalogueName(int box)
{
    const std::size_t r = below(100);
    if (r < 5) {
        return {};
    }
    if (r < 75) {
        return anyOf(namesOfLevel(box));
    }
    // A name of another level: a city in the province box (吉林 is both),
    // a province in the city box (the municipalities are both), and so on.
    return anyOf(namesOfLevel((box + 1 + static_cast<int>(below(2))) % kBoxCount));
}

std::u16string ActionGenerator::nearMiss(int box)
{
    std::u16string name = anyOf(namesOfLevel(chance(80) ? box : static_cast<int>(below(kBoxCount))));
    if (name.empty()) {
        name = u"北京";
    }
    switch (below(9)) {
    case 0:
        return name + u" ";
    case 1:
        return name + u"市";
    case 2:  // a proper prefix, as while typing
        return name.substr(0, below(name.size()));
    case 3: {  // a Latin letter, digit or sign written full-width, or a full-width letter put in
        if (!namesWithAscii_.empty() && chance(60)) {
            name = anyOf(namesWithAscii_);
            std::vector<std::size_t> positions;
            for (std::size_t i = 0; i < name.size(); ++i) {
                if (name[i] > 0x20 && name[i] < 0x7F) {
                    positions.push_back(i);
                }
            }
            const std::size_t at = positions[below(positions.size())];
            name[at] = static_cast<char16_t>(name[at] + 0xFEE0);
            return name;
        }
        name[below(name.size())] = static_cast<char16_t>(u'Ａ' + below(26));
        return name;
    }
    case 4: {  // one character swapped for one that looks or sorts alike
        static const std::array<std::pair<char16_t, char16_t>, 16> alike = {{
            {u'市', u'巿'}, {u'县', u'悬'}, {u'区', u'匹'}, {u'州', u'洲'}, {u'江', u'汀'}, {u'山', u'出'},
            {u'口', u'囗'}, {u'阳', u'阴'}, {u'安', u'按'}, {u'京', u'亰'}, {u'族', u'旅'}, {u'自', u'白'},
            {u'治', u'冶'}, {u'旗', u'棋'}, {u'盟', u'萌'}, {u'地', u'他'},
        }};
        char16_t& c = name[below(name.size())];
        for (const auto& [a, b] : alike) {
            if (c == a || c == b) {
                c = c == a ? b : a;
                return name;
            }
        }
        c = static_cast<char16_t>(chance(50) ? c + 1 : c - 1);
        return name;
    }
    case 5:
        return {};
    case 6:  // a blank in front, or an ideographic space behind
        return chance(50) ? u" " + name : name + u"\u3000";
    case 7:  // the name cut by a NUL, as a C string would see it (or, where
             // a NUL cannot be typed, by another control character)
        return name + (options_.singleLineTexts ? u'\x1F' : u'\0') +
               (chance(50) ? std::u16string() : anyOf(namesOfLevel(box)));
    default:  // doubled, or its last character dropped
        return chance(50) ? name + name : name.substr(0, name.size() - 1);
    }
}

std::u16string ActionGenerator::randomText()
{
    static constexpr std::array<char16_t, 10> oddities = {0xFEFF, 0xFFFE, 0xFFFF, 0x200B, 0x200D,
                                                          0x202E, 0x3000, 0x00A0, 0xFFFD, 0x0301};
    std::u16string text;
    const std::size_t length = below(7);
    for (std::size_t i = 0; i < length; ++i) {
        switch (below(10)) {
        case 0:
            text += static_cast<char16_t>(0x20 + below(0x5F));
            break;
        case 1: {
            const char16_t control = chance(25) ? u'\0' : static_cast<char16_t>(below(0x20));
            const bool lineBreakOrNul = control == u'\0' || control == u'\r' || control == u'\n';
            text += options_.singleLineTexts && lineBreakOrNul ? u'\x1F' : control;
            break;
        }
        case 2:
            text += static_cast<char16_t>(0x7F + below(0x21));
            break;
        case 3:
            text += static_cast<char16_t>(0x4E00 + below(0x5200));
            break;
        case 4:  // unpaired halves of a surrogate pair
            text += static_cast<char16_t>(0xD800 + below(0x400));
            break;
        case 5:
            text += static_cast<char16_t>(0xDC00 + below(0x400));
            break;
        case 6: {  // an emoji, as a proper pair
            const std::size_t c = 0x1F300 + below(0x700) - 0x10000;
            text += static_cast<char16_t>(0xD800 + (c >> 10));
            text += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
            break;
        }
        case 7:
            text += oddities[below(oddities.size())];
            break;
        case 8:
            text += static_cast<char16_t>(0xFF01 + below(0x5E));
            break;
        default:
            text += anyOf(namesOfLevel(static_cast<int>(below(kBoxCount))));
            break;
        }
    }
    return text;
}

Action ActionGenerator::next(const WindowView& current)
{
    Action action;
    const std::size_t r = below(1000);
    if (r < 300) {
        action.kind = ActionKind::Tick;
    } else if (r < 580) {
        action.kind = ActionKind::Pick;
        action.box = pickBox();
        action.index = below(current.lists[static_cast<std::size_t>(action.box)].size());
    } else if (r < 710) {
        action.kind = ActionKind::Click;
    } else if (r < 860) {
        action.kind = ActionKind::Type;
        action.box = pickBox();
        action.text = catalogueName(action.box);
    } else if (r < 930) {
        action.kind = ActionKind::Type;
        action.box = pickBox();
        action.text = nearMiss(action.box);
    } else if (r < 960) {
        action.kind = ActionKind::Type;
        action.box = pickBox();
        action.text = randomText();
    } else {
        action.kind = ActionKind::TypeProvinceThenClick;
        action.text = chance(90) ? anyOf(catalogue_.provinceNames) : nearMiss(0);
    }
    if (options_.mouseClicks &&
        (action.kind == ActionKind::Click || action.kind == ActionKind::TypeProvinceThenClick)) {
        action.byMouse = chance(50);
    }
    return action;
}

std::size_t ActionGenerator::runLength()
{
    // Many short runs, for the states right after the load, among long ones.
    return chance(20) ? 1 + below(20) : 1 + below(4000);
}

// ---------------------------------------------------------------------------
// Running and comparing

void apply(const Action& action, ReferenceModel& model, Subject& subject)
{
    switch (action.kind) {
    case ActionKind::Pick:
        if (model.pick(action.box, action.index)) {
            subject.pick(action.box, action.index);
        }
        break;
    case ActionKind::Type:
        model.setText(action.box, action.text);
        subject.type(action.box, action.text);
        break;
    case ActionKind::Tick:
        model.tick();
        subject.tick();
        break;
    case ActionKind::Click:
        model.click();
        subject.click(action.byMouse);
        break;
    case ActionKind::TypeProvinceThenClick:
        model.setText(0, action.text);
        model.click();
        subject.type(0, action.text);
        subject.click(action.byMouse);
        break;
    }
}

std::optional<Mismatch> compare(const WindowView& expected, const WindowView& actual)
{
    for (std::size_t box = 0; box < kBoxCount; ++box) {
        const std::string name = kBoxNames[box];
        if (expected.texts[box] != actual.texts[box]) {
            return Mismatch{0, name + " text", printable(expected.texts[box]), printable(actual.texts[box])};
        }
        if (expected.lists[box] != actual.lists[box]) {
            return Mismatch{0, name + " list", listText(expected.lists[box]),
                            listText(actual.lists[box]) + firstDifference(expected.lists[box], actual.lists[box])};
        }
    }
    if (expected.tdsCaption != actual.tdsCaption) {
        return Mismatch{0, "Label8 caption", printable(expected.tdsCaption), printable(actual.tdsCaption)};
    }
    if (expected.chlorineCaption != actual.chlorineCaption) {
        return Mismatch{0, "Label10 caption", printable(expected.chlorineCaption), printable(actual.chlorineCaption)};
    }
    // The remembered texts, where the window under test shows them.
    if (actual.lastProvinceText && expected.lastProvinceText != actual.lastProvinceText) {
        return Mismatch{0, "lastProvinceText", printable(*expected.lastProvinceText),
                        printable(*actual.lastProvinceText)};
    }
    if (actual.lastCityText && expected.lastCityText != actual.lastCityText) {
        return Mismatch{0, "lastCityText", printable(*expected.lastCityText), printable(*actual.lastCityText)};
    }
    return std::nullopt;
}

std::optional<Mismatch> replay(const std::vector<Action>& actions, const SubjectFactory& makeSubject)
{
    ReferenceModel model;
    std::unique_ptr<Subject> subject;
    try {
        subject = makeSubject();
    } catch (const std::exception& error) {
        return Mismatch{0, "raised error", "none", error.what()};
    }
    if (auto mismatch = compare(model.view(), subject->view())) {
        return mismatch;
    }
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (auto mismatch = step(actions[i], model, *subject)) {
            mismatch->afterActions = i + 1;
            return mismatch;
        }
    }
    return std::nullopt;
}

std::vector<Action> shrink(std::vector<Action> actions, const std::string& field, const SubjectFactory& makeSubject,
                           std::chrono::seconds budget)
{
    const auto deadline = std::chrono::steady_clock::now() + budget;
    const auto inTime = [&] { return std::chrono::steady_clock::now() < deadline; };
    // Keeps `candidate`, cut after the action that shows the mismatch, if it
    // still ends in a mismatch of the same field.
    const auto stillFails = [&](std::vector<Action>& candidate) {
        const std::optional<Mismatch> mismatch = replay(candidate, makeSubject);
        if (!mismatch || mismatch->field != field) {
            return false;
        }
        candidate.resize(mismatch->afterActions);
        return true;
    };

    // What comes shortly before the mismatch usually suffices on its own.
    for (std::size_t length = 1; length < actions.size() && inTime(); length *= 2) {
        std::vector<Action> tail(actions.end() - static_cast<std::ptrdiff_t>(length), actions.end());
        if (stillFails(tail)) {
            actions = std::move(tail);
            break;
        }
    }

    // Then leave out ever smaller stretches, down to single actions, until
    // none can go.
    std::size_t chunk = std::max<std::size_t>(actions.size() / 2, 1);
    while (inTime()) {
        bool removed = false;
        for (std::size_t at = 0; at < actions.size() && inTime();) {
            std::vector<Action> candidate(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(at));
            const std::size_t end = std::min(at + chunk, actions.size());
            candidate.insert(candidate.end(), actions.begin() + static_cast<std::ptrdiff_t>(end), actions.end());
            if (stillFails(candidate)) {
                actions = std::move(candidate);
                removed = true;
            } else {
                at += chunk;
            }
        }
        if (chunk > 1) {
            chunk /= 2;
        } else if (!removed) {
            break;
        }
    }
    return actions;
}

std::string listing(const std::vector<Action>& actions)
{
    ReferenceModel model;
    NoSubject none;
    std::string out;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const Action& action = actions[i];
        std::optional<std::u16string> picked;
        if (action.kind == ActionKind::Pick) {
            const auto& list = model.view().lists[static_cast<std::size_t>(action.box)];
            if (action.index < list.size()) {
                picked = list[action.index];
            }
        }
        char number[32];
        std::snprintf(number, sizeof number, "%4zu. ", i + 1);
        out += number + describe(action, picked ? &*picked : nullptr) + "\n";
        apply(action, model, none);
    }
    return out;
}

std::optional<RunSettings> settingsFromEnvironment(const char* seedVariable, const char* stepsVariable,
                                                   std::uint64_t defaultSeed, std::size_t defaultSteps,
                                                   std::string& error)
{
    RunSettings settings{defaultSeed, defaultSteps, seedVariable, stepsVariable};
    const auto read = [&](const char* variable, std::uint64_t& value) {
        const char* text = std::getenv(variable);
        if (text == nullptr || *text == '\0') {
            return true;
        }
        errno = 0;
        char* end = nullptr;
        const unsigned long long parsed = std::strtoull(text, &end, 0);
        if (errno != 0 || *end != '\0' || *text == '-') {
            error = std::string(variable) + " is not a whole number: \"" + text + "\"";
            return false;
        }
        value = parsed;
        return true;
    };
    std::uint64_t steps = defaultSteps;
    if (!read(seedVariable, settings.seed) || !read(stepsVariable, steps)) {
        return std::nullopt;
    }
    settings.steps = static_cast<std::size_t>(steps);
    return settings;
}

RunResult runRandomised(const RunSettings& settings, const SubjectFactory& makeSubject,
                        ActionGenerator::Options options, std::chrono::seconds shrinkBudget)
{
    const Catalogue& catalogue = Catalogue::get();
    RunResult result;
    Coverage& coverage = result.coverage;
    ActionGenerator generator(settings.seed, options);

    while (result.steps < settings.steps) {
        const std::size_t runStart = result.steps;
        const std::size_t length = std::min(generator.runLength(), settings.steps - runStart);
        ++coverage.runs;

        ReferenceModel model;
        std::unique_ptr<Subject> subject = makeSubject();
        std::vector<Action> actions;
        actions.reserve(length);
        std::optional<Mismatch> mismatch = compare(model.view(), subject->view());

        for (std::size_t i = 0; !mismatch && i < length; ++i) {
            const Action action = generator.next(model.view());
            actions.push_back(action);
            ++result.steps;

            // What the model is about to do, counted to show what the run
            // went through.
            const WindowView& before = model.view();
            if (action.kind == ActionKind::Tick) {
                const std::u16string lastCity = *before.lastCityText;
                if (before.texts[0] != *before.lastProvinceText) {
                    ++(catalogue.provinceByName.contains(before.texts[0]) ? coverage.provinceChanges
                                                                          : coverage.unnamedTexts);
                }
                mismatch = step(action, model, *subject);
                const WindowView& after = model.view();
                if (*after.lastCityText != lastCity) {
                    const auto found = catalogue.districtsByCity.find(*after.lastCityText);
                    if (found == catalogue.districtsByCity.end()) {
                        ++coverage.unnamedTexts;
                    } else {
                        ++coverage.cityChanges;
                        coverage.emptyDistrictLists += found->second.empty() ? 1 : 0;
                    }
                }
            } else if (action.kind == ActionKind::Click || action.kind == ActionKind::TypeProvinceThenClick) {
                mismatch = step(action, model, *subject);
                ++coverage.queries;
                coverage.staleQueries += action.kind == ActionKind::TypeProvinceThenClick ? 1 : 0;
                const auto& texts = model.view().texts;
                coverage.rowsFound += catalogue.readings.contains(Catalogue::ReadingKey{texts[0], texts[1], texts[2]});
            } else {
                mismatch = step(action, model, *subject);
            }
            if (mismatch) {
                mismatch->afterActions = actions.size();
            }
        }
        if (!mismatch) {
            continue;
        }

        std::ostringstream report;
        report << "The window and the model disagree: seed " << settings.seed << ", ";
        if (mismatch->afterActions == 0) {
            report << "right after the load of the window that follows step " << runStart << "\n";
        } else {
            report << "step " << result.steps << " (action " << mismatch->afterActions
                   << " after the load of a fresh window)\n";
        }
        report << describeMismatch(*mismatch, "  ");
        report << "  repeat with " << settings.seedVariable << "=" << settings.seed << " " << settings.stepsVariable
               << "=" << result.steps << "\n";
        if (!actions.empty()) {
            report << "  the action: " << describe(actions.back()) << "\n";
        }
        const std::vector<Action> shortened = shrink(actions, mismatch->field, makeSubject, shrinkBudget);
        const std::optional<Mismatch> again = replay(shortened, makeSubject);
        if (again) {
            report << "Shortened to " << shortened.size() << " action(s) from a fresh window:\n"
                   << listing(shortened) << "  which ends in\n"
                   << describeMismatch(*again, "  ");
        } else {
            report << "The sequence does not fail again when run anew; all " << actions.size()
                   << " actions from the load:\n"
                   << listing(actions);
        }
        result.failure = report.str();
        return result;
    }
    return result;
}

std::string summary(const RunResult& result)
{
    const Coverage& c = result.coverage;
    std::ostringstream out;
    out << result.steps << " actions in " << c.runs << " runs from a fresh window: " << c.provinceChanges
        << " province changes, " << c.cityChanges << " city changes (" << c.emptyDistrictLists
        << " to the empty district list), " << c.unnamedTexts << " texts that named nothing, " << c.queries
        << " queries (" << c.rowsFound << " found a row, " << c.staleQueries << " before a tick)";
    return out.str();
}

}  // namespace chengxi::model
