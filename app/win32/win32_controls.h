// The control layer over the Win32 API's own controls: an editable drop-down
// COMBOBOX, a STATIC label, and the user's locale through the National
// Language Support functions. Every call's result is tested; a failed one
// raises ControlError.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "app/core/controls.h"

namespace chengxi::win32 {

// wchar_t is UTF-16 on Windows: the texts pass code unit for code unit.
std::wstring toWide(std::u16string_view text);
std::u16string fromWide(std::wstring_view text);

// The text of any window (WM_GETTEXT), exactly as it stands.
std::wstring windowText(HWND window);

// A CBS_DROPDOWN combo box. The list changes only at explicit positions; a
// position out of range is an error. A text set into a box without the focus
// shows from its first character; in the focused box the caret and the
// selection stay where the user left them.
class Win32ComboBox final : public ComboBox {
public:
    // `name` names the box in error messages.
    Win32ComboBox(HWND box, std::string name) : box_(box), name_(std::move(name)) {}

    void AddItem(std::u16string_view item, std::int16_t position) override;
    void RemoveItem(std::int16_t position) override;
    std::int16_t ListCount() const override;
    std::u16string Text() const override;
    void setText(std::u16string_view text) override;

private:
    [[noreturn]] void raise(ControlFault fault, const std::string& what) const;

    HWND box_;
    std::string name_;
};

// A STATIC label, its text set only when it changes.
class Win32Label final : public Label {
public:
    Win32Label(HWND label, std::string name) : label_(label), name_(std::move(name)) {}
    void setCaption(std::u16string_view caption) override;

private:
    HWND label_;
    std::string name_;
};

// The date, time and number forms of a locale: the user's own unless a
// locale name ("zh-CN", "de-DE") is given. The time source is injectable so
// that tests can fix the clock.
class Win32LocaleServices final : public LocaleServices {
public:
    using TimeSource = std::function<SYSTEMTIME()>;
    explicit Win32LocaleServices(std::wstring localeName = {}, TimeSource now = {});

    // Its short date, a space, and its long time, as Windows forms them.
    std::u16string dateTimeText() const override;
    // ASCII digits, like the TDS figure beside it; only the decimal
    // separator is the locale's.
    std::u16string fixed2(double value) const override;

private:
    const wchar_t* locale() const;

    std::wstring localeName_;
    TimeSource now_;
};

}  // namespace chengxi::win32
