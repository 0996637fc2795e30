#include "app/win32/drawing.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

#include "app/win32/picture.h"
#include "app/win32/win32_controls.h"

namespace chengxi::win32 {

namespace {

// Every font style of the layout, in the order of the drawing's fonts.
constexpr const layout::FontStyle* kFontStyles[] = {
    &layout::kWindowFont, &layout::kBannerFont, &layout::kClockFont,
    &layout::kMakerFont,  &layout::kButtonFont, &layout::kFigureFont,
};

[[noreturn]] void cannotMake(const char* what)
{
    throw std::runtime_error(std::string("cannot make ") + what + " (error " + std::to_string(GetLastError()) + ")");
}

HFONT makeFont(const layout::FontStyle& style, UINT dpi)
{
    HFONT font = CreateFontW(-scaledAt(style.pixelHeight, dpi), 0, 0, 0, layout::kFontWeight, FALSE, FALSE, FALSE,
                             layout::kFontCharSet, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, toWide(style.face).c_str());
    if (font == nullptr) {
        cannotMake("a font");
    }
    return font;
}

// The logo drawn for the smallest scale at or above `dpi`'s, at Image1's
// place: as drawn where that is its size, else scaled down.
HBITMAP makeLogo(UINT dpi)
{
    const layout::LogoDrawing& drawing = layout::logoDrawingFor(dpi / 96.0);
    const RECT place = scaledRectAt(layout::find("Image1")->rect, dpi);
    const std::string resource = drawing.resource;
    return loadPictureResource(GetModuleHandleW(nullptr), std::wstring(resource.begin(), resource.end()).c_str(),
                               static_cast<UINT>(place.right - place.left),
                               static_cast<UINT>(place.bottom - place.top));
}

// The program's icon at `size` pixels, from the icon's image of that size
// where it has one, else scaled down from a larger one. Windows (and Wine)
// take, among the images of one size, the one of the screen's colour depth:
// the true-colour image rather than the 256-colour one that Explorer's
// oldest shells read first. LoadIconWithScaleDown is comctl32's, from
// version 6 on.
HICON makeIcon(int size)
{
    using LoadIconWithScaleDownFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
    static const auto scaleDown = systemFunction<LoadIconWithScaleDownFn>(L"comctl32.dll", "LoadIconWithScaleDown");
    HINSTANCE program = GetModuleHandleW(nullptr);
    HICON icon = nullptr;
    if (scaleDown == nullptr || FAILED(scaleDown(program, L"IDI_ICON1", size, size, &icon))) {
        icon = static_cast<HICON>(LoadImageW(program, L"IDI_ICON1", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    }
    if (icon == nullptr) {
        cannotMake("the icon");
    }
    return icon;
}

}  // namespace

RECT scaledRectAt(const layout::Rect& rect, UINT dpi)
{
    return RECT{scaledAt(rect.left, dpi), scaledAt(rect.top, dpi), scaledAt(rect.left + rect.width, dpi),
                scaledAt(rect.top + rect.height, dpi)};
}

int systemMetric(int index, UINT dpi)
{
    using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto forDpi = systemFunction<GetSystemMetricsForDpiFn>(L"user32.dll", "GetSystemMetricsForDpi");
    return forDpi != nullptr ? forDpi(index, dpi) : GetSystemMetrics(index);
}

Drawing::Drawing(UINT dpi)
{
    try {
        for (const layout::FontStyle* style : kFontStyles) {
            fonts_.push_back(makeFont(*style, dpi));
        }
        logo_ = makeLogo(dpi);
        bigIcon_ = makeIcon(systemMetric(SM_CXICON, dpi));
        smallIcon_ = makeIcon(systemMetric(SM_CXSMICON, dpi));
    } catch (...) {
        free();
        throw;
    }
}

Drawing& Drawing::operator=(Drawing&& other) noexcept
{
    if (this != &other) {
        free();
        fonts_ = std::exchange(other.fonts_, {});
        logo_ = std::exchange(other.logo_, nullptr);
        bigIcon_ = std::exchange(other.bigIcon_, nullptr);
        smallIcon_ = std::exchange(other.smallIcon_, nullptr);
    }
    return *this;
}

void Drawing::free() noexcept
{
    for (HFONT font : fonts_) {
        DeleteObject(font);
    }
    fonts_.clear();
    if (logo_ != nullptr) {
        DeleteObject(std::exchange(logo_, nullptr));
    }
    for (HICON* icon : {&bigIcon_, &smallIcon_}) {
        if (*icon != nullptr) {
            DestroyIcon(std::exchange(*icon, nullptr));
        }
    }
}

HFONT Drawing::font(const layout::FontStyle* style) const
{
    const auto found = std::find(std::begin(kFontStyles), std::end(kFontStyles), style);
    return fonts_.at(static_cast<std::size_t>(found - std::begin(kFontStyles)));
}

std::vector<HGDIOBJ> Drawing::gdiObjects() const
{
    std::vector<HGDIOBJ> objects(fonts_.begin(), fonts_.end());
    objects.push_back(logo_);
    return objects;
}

}  // namespace chengxi::win32
