// Random sequences of user actions, run on a window and on the reference
// model side by side, compared after every action; a disagreement is cut
// down to a short sequence that still shows it.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "tests/model/reference_model.h"

namespace chengxi::model {

enum class ActionKind {
    Pick,                   // set a box's text to entry `index` of its list
    Type,                   // set a box's text to `text`
    Tick,                   // one tick of the timer
    Click,                  // the query button
    TypeProvinceThenClick,  // `text` into Combo1, then the button, no tick between
};

struct Action {
    ActionKind kind = ActionKind::Tick;
    int box = 0;             // Pick, Type: 0 for Combo1 … 2 for Combo3
    std::size_t index = 0;   // Pick: the entry
    std::u16string text;     // Type, TypeProvinceThenClick
    bool byMouse = false;    // Click, TypeProvinceThenClick: press and release rather than click()
};

// A text as a quoted, printable UTF-8 string: code units that do not show
// (controls, unpaired surrogates, invisible and combining marks) as \uXXXX.
std::string printable(std::u16string_view text);
// One action in words; `picked` is the text a Pick resolved to, if known.
std::string describe(const Action& action, const std::u16string* picked = nullptr);

// A window driven like a user would: what the model is compared against.
class Subject {
public:
    virtual ~Subject() = default;
    // Called only with an index below the box's list count.
    virtual void pick(int box, std::size_t index) = 0;
    virtual void type(int box, std::u16string_view text) = 0;
    virtual void tick() = 0;
    virtual void click(bool byMouse) = 0;
    virtual WindowView view() const = 0;
};
using SubjectFactory = std::function<std::unique_ptr<Subject>()>;

class ActionGenerator {
public:
    struct Options {
        // Whether clicks may also come as mouse presses.
        bool mouseClicks = false;
        // Typed texts without NUL, CR or LF, which a single-line Win32 edit
        // field cannot hold (typed or pasted).
        bool singleLineTexts = false;
    };
    ActionGenerator(std::uint64_t seed, Options options);

    // The next action, given what the window holds now.
    Action next(const WindowView& current);
    // How many actions the next run from a fresh window takes.
    std::size_t runLength();

private:
    std::size_t below(std::size_t bound);
    bool chance(int percent) { return below(100) < static_cast<std::size_t>(percent); }
    int pickBox();
    const std::u16string& anyOf(const std::vector<std::u16string>& names);
    const std::vector<std::u16string>& namesOfLevel(int box) const;
    std::u16string catalogueName(int box);
    std::u16string nearMiss(int box);
    std::u16string randomText();

    std::mt19937_64 random_;
    Options options_;
    const Catalogue& catalogue_;
    std::vector<std::u16string> namesWithAscii_;
};

struct Mismatch {
    std::size_t afterActions = 0;  // how many actions had run; 0 is right after the load
    std::string field;
    std::string expected;
    std::string actual;
};

// Applies one action to both sides.
void apply(const Action& action, ReferenceModel& model, Subject& subject);
// The first field in which the subject differs from the model.
std::optional<Mismatch> compare(const WindowView& expected, const WindowView& actual);
// Runs `actions` on a fresh subject and a fresh model, comparing after the
// load and after every action; the first mismatch, if any.
std::optional<Mismatch> replay(const std::vector<Action>& actions, const SubjectFactory& makeSubject);
// A shorter sequence that still ends in a mismatch of `field`, found by
// trying ever smaller cuts, each from a fresh window, within `budget`.
std::vector<Action> shrink(std::vector<Action> actions, const std::string& field, const SubjectFactory& makeSubject,
                           std::chrono::seconds budget);
// The sequence numbered one action a line, picks with the entry they took.
std::string listing(const std::vector<Action>& actions);

struct RunSettings {
    std::uint64_t seed = 0;
    std::size_t steps = 0;
    std::string seedVariable;
    std::string stepsVariable;
};
// The settings from the two environment variables, each falling back to
// its default when unset; an error message for an unreadable value.
std::optional<RunSettings> settingsFromEnvironment(const char* seedVariable, const char* stepsVariable,
                                                   std::uint64_t defaultSeed, std::size_t defaultSteps,
                                                   std::string& error);

// How much of the window's behaviour a run went through.
struct Coverage {
    std::size_t runs = 0;
    std::size_t provinceChanges = 0;  // ticks that took a new province
    std::size_t cityChanges = 0;      // ticks that refilled the district list
    std::size_t emptyDistrictLists = 0;
    std::size_t unnamedTexts = 0;     // ticks that remembered a text naming nothing
    std::size_t queries = 0;
    std::size_t rowsFound = 0;
    std::size_t staleQueries = 0;     // province typed and queried before a tick
};

struct RunResult {
    std::size_t steps = 0;
    Coverage coverage;
    std::optional<std::string> failure;  // the report of a disagreement
};

RunResult runRandomised(const RunSettings& settings, const SubjectFactory& makeSubject,
                        ActionGenerator::Options options, std::chrono::seconds shrinkBudget);

std::string summary(const RunResult& result);

}  // namespace chengxi::model
