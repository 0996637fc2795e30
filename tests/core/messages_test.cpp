// What the user reads and sees: the labels' text colour on the window's
// ground, the message of a failed control operation, and the logo's drawing
// for the screen's scale.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "app/core/colours.h"
#include "app/core/fatal_message.h"
#include "app/core/form1_layout.h"

namespace chengxi {
namespace {

using layout::Rgb;

bool same(Rgb a, Rgb b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

TEST(LabelColours, ContrastFollowsWcag)
{
    EXPECT_NEAR(colours::contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(colours::contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);
    EXPECT_NEAR(colours::contrastRatio({192, 192, 255}, {192, 192, 255}), 1.0, 1e-9);
    // Light text on the light-blue ground: what a dark scheme gave.
    EXPECT_LT(colours::contrastRatio({0xf0, 0xf0, 0xf0}, layout::kBackground), 1.8);
    EXPECT_LT(colours::contrastRatio({255, 255, 255}, layout::kBackground), 1.8);
}

TEST(LabelColours, SchemeTextKeptWhereItReadsElseBlack)
{
    // The standard schemes' text stays as it is.
    EXPECT_TRUE(same(colours::labelText({0, 0, 0}), {0, 0, 0}));
    EXPECT_TRUE(same(colours::labelText({0, 0, 128}), {0, 0, 128}));
    // Light text of dark and high-contrast black schemes: black instead.
    for (Rgb light : {Rgb{255, 255, 255}, Rgb{0xf0, 0xf0, 0xf0}, Rgb{255, 255, 0}, Rgb{0x8c, 0x8c, 0x8c}}) {
        EXPECT_TRUE(same(colours::labelText(light), colours::kBlack));
    }
    // The threshold itself: a grey just on either side of 4.5:1.
    int lightestReadable = -1;
    for (int grey = 0; grey < 256; ++grey) {
        const auto g = static_cast<std::uint8_t>(grey);
        if (same(colours::labelText({g, g, g}), {g, g, g})) {
            lightestReadable = grey;
        }
    }
    const auto edge = static_cast<std::uint8_t>(lightestReadable);
    EXPECT_GE(colours::contrastRatio({edge, edge, edge}, layout::kBackground), colours::kMinimumContrast);
    const auto next = static_cast<std::uint8_t>(lightestReadable + 1);
    EXPECT_LT(colours::contrastRatio({next, next, next}, layout::kBackground), colours::kMinimumContrast);
}

TEST(LogoDrawings, EachFillsImage1AtItsScaleAndNoneIsScaledUp)
{
    // A pixel edge at `percent`, rounded half up as a window at that many
    // dots per inch places it.
    const auto edge = [](int pixels, int percent) { return (pixels * percent + 50) / 100; };
    const layout::Rect place = layout::find("Image1")->rect;
    int previous = 0;
    for (const layout::LogoDrawing& drawing : layout::kLogoDrawings) {
        SCOPED_TRACE(drawing.file);
        EXPECT_GT(drawing.percent, previous);
        previous = drawing.percent;
        EXPECT_EQ(drawing.width, edge(place.left + place.width, drawing.percent) - edge(place.left, drawing.percent));
        EXPECT_EQ(drawing.height, edge(place.top + place.height, drawing.percent) - edge(place.top, drawing.percent));
    }
    EXPECT_EQ(layout::kLogoDrawings.front().width, place.width);
    EXPECT_EQ(layout::kLogoDrawings.front().height, place.height);

    const std::pair<double, int> choices[] = {
        {0.5, 100}, {1.0, 100}, {1.01, 125}, {120 / 96.0, 125}, {144 / 96.0, 150},
        {1.75, 200}, {2.0, 200},  {2.5, 300},  {3.0, 300},         {4.0, 300},
    };
    for (const auto& [scale, percent] : choices) {
        EXPECT_EQ(layout::logoDrawingFor(scale).percent, percent) << "at scale " << scale;
    }
}

TEST(FatalMessage, NamesTheControlAsTheWindowShowsIt)
{
    EXPECT_EQ(controlDisplayName("Combo1"), u"省级列表");
    EXPECT_EQ(controlDisplayName("Combo2"), u"地级列表");
    EXPECT_EQ(controlDisplayName("Combo3"), u"县级列表");
    EXPECT_EQ(controlDisplayName("Label2"), u"时钟");
    EXPECT_EQ(controlDisplayName("Label8"), u"TDS值");
    EXPECT_EQ(controlDisplayName("Label10"), u"余氯值");

    const ControlError full(ControlFault::TooManyEntries, "Combo3", "Combo3: 32768 entries are more than the list can count");
    EXPECT_EQ(faultSentence(full), u"县级列表中的条目多于它能计数的 32767 项。");
    EXPECT_EQ(fatalErrorText(full), u"运行时错误：\n县级列表中的条目多于它能计数的 32767 项。\n\n澄溪水质查询系统将关闭。");
    // The technical sentence stays for standard error.
    EXPECT_STREQ(full.what(), "Combo3: 32768 entries are more than the list can count");
}

TEST(FatalMessage, EveryFaultInPlainChinese)
{
    constexpr std::array faults{
        ControlFault::Other,           ControlFault::CannotAddEntry,     ControlFault::NoRoomForEntry,
        ControlFault::TooManyEntries,  ControlFault::NoEntryToRemove,    ControlFault::CannotCountEntries,
        ControlFault::CannotSetText,   ControlFault::CannotSetCaption,   ControlFault::CannotFormDateTime,
        ControlFault::CannotFormNumber, ControlFault::CannotRedraw,
    };
    for (const char* control : {"Combo1", "Combo2", "Combo3", "Label2", "Label8", "Label10", ""}) {
        for (ControlFault fault : faults) {
            const std::u16string sentence = faultSentence(ControlError(fault, control, "technical"));
            SCOPED_TRACE(std::string(control) + " fault " + std::to_string(static_cast<int>(fault)));
            ASSERT_FALSE(sentence.empty());
            EXPECT_EQ(sentence.back(), u'。');
            // No English beyond the figure's own name.
            std::u16string letters;
            for (char16_t c : sentence) {
                if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) {
                    letters += c;
                }
            }
            EXPECT_TRUE(letters.empty() || letters == u"TDS") << std::string(letters.begin(), letters.end());
        }
    }
    // A failure raised without a fault still reads in Chinese, and the
    // window's own failures other than a redraw say no more than that.
    EXPECT_EQ(faultSentence(ControlError("injected failure")), u"窗口的一项操作失败。");
    EXPECT_EQ(faultSentence(ControlError(ControlFault::Other, {}, "no clock")), u"窗口的一项操作失败。");
    EXPECT_EQ(faultSentence(ControlError(ControlFault::CannotRedraw, {}, "no font")), u"无法按屏幕的缩放比例重新绘制窗口。");
}

}  // namespace
}  // namespace chengxi
