// The query window's fixed layout: every control with its kind, place, size,
// text at creation and font, the window's own frame and colours, and the
// keyboard order. Plain data, so that each toolkit binding builds the same
// window from it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace chengxi::layout {

// Pixels of the client area at 96 dots per inch.
struct Rect {
    int left;
    int top;
    int width;
    int height;
};

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// A font by face name and character height in pixels at 96 dpi (the sizes
// are 14.25, 15.75, 18 and 21.75 points). Every font is of normal weight,
// upright, and of the GB2312 character set.
struct FontStyle {
    std::u16string_view face;
    int pixelHeight;
};
inline constexpr int kFontWeight = 400;
inline constexpr int kFontCharSet = 134;  // GB2312

enum class Kind { Label, ComboBox, Button, Image };

struct Control {
    const char* name;
    Kind kind;
    // A combo box's height is nominal: its edit field follows the font.
    Rect rect;
    std::u16string_view text;
    // Null: the window's font.
    const FontStyle* font;
    // A caption: the control it names for assistive technology (a level
    // caption its combo box, a figure's caption the figure).
    const char* captionOf;
};

inline constexpr std::u16string_view kTitle = u"欢迎使用澄溪水质查询系统";
// The client area on the screen: not centred.
inline constexpr Rect kClientArea{175, 197, 656, 282};
// Behind the window and every label; the combo boxes and the button keep the
// system's colours.
inline constexpr Rgb kBackground{192, 192, 255};

inline constexpr FontStyle kWindowFont{u"宋体", 12};
inline constexpr FontStyle kBannerFont{u"宋体", 29};
inline constexpr FontStyle kClockFont{u"宋体", 24};
inline constexpr FontStyle kMakerFont{u"华文新魏", 24};
inline constexpr FontStyle kButtonFont{u"宋体", 19};
inline constexpr FontStyle kFigureFont{u"宋体", 21};

// In the order of their tab index.
inline constexpr std::array kControls{
    Control{"Label1", Kind::Label, {144, 32, 353, 33}, u"欢迎使用澄溪水质查询系统", &kBannerFont, nullptr},
    Control{"Label2", Kind::Label, {192, 88, 267, 32}, u"Label2", &kClockFont, nullptr},
    Control{"Label3", Kind::Label, {168, 232, 321, 25}, u"山东澄溪水处理设备有限公司", &kMakerFont, nullptr},
    Control{"Combo1", Kind::ComboBox, {152, 176, 65, 20}, u"北京", nullptr, nullptr},
    Control{"Command1", Kind::Button, {416, 168, 80, 35}, u"查询", &kButtonFont, nullptr},
    Control{"Label4", Kind::Label, {165, 152, 65, 20}, u"省级", nullptr, "Combo1"},
    Control{"Label5", Kind::Label, {253, 152, 65, 20}, u"地级", nullptr, "Combo2"},
    Control{"Label6", Kind::Label, {349, 152, 65, 20}, u"县级", nullptr, "Combo3"},
    Control{"Combo2", Kind::ComboBox, {240, 176, 65, 20}, u"北京", nullptr, nullptr},
    Control{"Combo3", Kind::ComboBox, {336, 176, 65, 20}, u"昌平区", nullptr, nullptr},
    Control{"Label7", Kind::Label, {544, 49, 93, 33}, u"TDS值：", &kFigureFont, "Label8"},
    Control{"Label8", Kind::Label, {544, 97, 93, 33}, u"", &kFigureFont, nullptr},
    Control{"Label9", Kind::Label, {544, 144, 93, 33}, u"余氯值：", &kFigureFont, "Label10"},
    Control{"Label10", Kind::Label, {544, 192, 93, 33}, u"", &kFigureFont, nullptr},
    // The logo, shown at its natural size.
    Control{"Image1", Kind::Image, {32, 8, 94, 72}, u"", nullptr, nullptr},
};

// The logo as drawn for one scale of the screen: the picture at 100 % and
// sharper drawings of the same emblem for larger scales, each the size of
// Image1's place at that scale (its edges scaled and rounded, as a window
// at that many dots per inch lays it out).
struct LogoDrawing {
    int percent;
    // The file in assets/, and the name of the Windows resource.
    const char* file;
    const char* resource;
    int width;
    int height;
};
inline constexpr std::array kLogoDrawings{
    LogoDrawing{100, "logo.jpg", "LOGO", 94, 72},
    LogoDrawing{125, "logo-125.png", "LOGO_125", 118, 90},
    LogoDrawing{150, "logo-150.png", "LOGO_150", 141, 108},
    LogoDrawing{200, "logo-200.png", "LOGO_200", 188, 144},
    LogoDrawing{300, "logo-300.png", "LOGO_300", 282, 216},
};

// The drawing to show at `scale` (1.0 at 96 dots per inch): the one made for
// the smallest scale at or above it, so that a picture is only ever scaled
// down; beyond the largest, the largest.
constexpr const LogoDrawing& logoDrawingFor(double scale)
{
    for (const LogoDrawing& drawing : kLogoDrawings) {
        // A hundredth of a percent for the rounding of a ratio such as
        // 120 / 96.
        if (scale * 100.0 <= drawing.percent + 0.01) {
            return drawing;
        }
    }
    return kLogoDrawings.back();
}

// The controls that take the focus, in the order Tab visits them; the first
// has the focus when the window opens.
inline constexpr std::array<std::string_view, 4> kTabOrder{"Combo1", "Command1", "Combo2", "Combo3"};

// The control of that name, or null; the table names each control once.
constexpr const Control* find(std::string_view name)
{
    for (const Control& entry : kControls) {
        if (name == entry.name) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace chengxi::layout
