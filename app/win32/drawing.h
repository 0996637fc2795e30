// What the window draws with at one scale of the screen: its fonts, the logo
// drawn for that scale, and the program's icons at that screen's sizes.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "app/core/form1_layout.h"

namespace chengxi::win32 {

// A function of a loaded system module (user32, comctl32) that only newer
// Windows has, such as the per-monitor DPI ones of Windows 10, looked up at
// run time so that the program still starts without it; null where it is
// missing.
template <typename Function>
Function systemFunction(const wchar_t* module, const char* name)
{
    HMODULE loaded = GetModuleHandleW(module);
    return loaded != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name)))
                             : nullptr;
}

// A pixel length of the layout (96 dpi) at `dpi`.
inline int scaledAt(int pixels, UINT dpi)
{
    return MulDiv(pixels, static_cast<int>(dpi), 96);
}

// A rectangle of the layout at `dpi`, its edges scaled, so that neighbours
// stay as far apart as they are in the table.
RECT scaledRectAt(const layout::Rect& rect, UINT dpi);

// A system metric (icon sizes, borders, scroll bars) at `dpi`, where the
// window may stand on a screen of a scale other than the system's; the
// system's metric where Windows cannot tell it for another DPI.
int systemMetric(int index, UINT dpi);

// Owns what it holds and frees it when it goes. Needs COM on the thread, for
// the logo's decoder.
class Drawing {
public:
    Drawing() = default;
    // Everything for `dpi`: the fonts of kFontStyles at that size, the logo
    // drawn for the smallest scale at or above it, scaled down to Image1's
    // place where that differs from the drawing's size, and the icons at the
    // title bar's and task bar's sizes. Throws std::runtime_error, leaking
    // nothing, when any of it cannot be made.
    explicit Drawing(UINT dpi);
    Drawing(Drawing&& other) noexcept { *this = std::move(other); }
    Drawing& operator=(Drawing&& other) noexcept;
    ~Drawing() { free(); }

    HFONT font(const layout::FontStyle* style) const;
    HBITMAP logo() const { return logo_; }
    HICON bigIcon() const { return bigIcon_; }
    HICON smallIcon() const { return smallIcon_; }
    // The fonts and the logo.
    std::vector<HGDIOBJ> gdiObjects() const;

private:
    void free() noexcept;

    std::vector<HFONT> fonts_;  // in kFontStyles order
    HBITMAP logo_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
};

}  // namespace chengxi::win32
