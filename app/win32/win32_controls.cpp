#include "app/win32/win32_controls.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace chengxi::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 code units");

std::wstring toWide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

std::u16string fromWide(std::wstring_view text)
{
    return std::u16string(text.begin(), text.end());
}

std::wstring windowText(HWND window)
{
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    const auto copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
    return text;
}

namespace {

constexpr LRESULT kMaxCount = std::numeric_limits<std::int16_t>::max();

std::string describeAt(const char* what, int position, LRESULT count)
{
    return std::string(what) + " at position " + std::to_string(position) + " of a list of " +
           std::to_string(count) + " entries";
}

}  // namespace

void Win32ComboBox::raise(ControlFault fault, const std::string& what) const
{
    throw ControlError(fault, name_, name_ + ": " + what);
}

void Win32ComboBox::AddItem(std::u16string_view item, std::int16_t position)
{
    const LRESULT count = SendMessageW(box_, CB_GETCOUNT, 0, 0);
    if (count >= kMaxCount) {
        raise(ControlFault::TooManyEntries, describeAt("no room for an entry", position, count));
    }
    if (count == CB_ERR || position < 0 || position > count) {
        raise(ControlFault::CannotAddEntry, describeAt("cannot add an entry", position, count));
    }
    const std::wstring entry = toWide(item);
    const LRESULT result =
        SendMessageW(box_, CB_INSERTSTRING, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(entry.c_str()));
    if (result == CB_ERRSPACE) {
        raise(ControlFault::NoRoomForEntry, describeAt("no memory for an entry", position, count));
    }
    if (result != position) {
        raise(ControlFault::CannotAddEntry, describeAt("cannot add an entry", position, count));
    }
}

void Win32ComboBox::RemoveItem(std::int16_t position)
{
    const LRESULT count = SendMessageW(box_, CB_GETCOUNT, 0, 0);
    if (count == CB_ERR || position < 0 || position >= count ||
        SendMessageW(box_, CB_DELETESTRING, static_cast<WPARAM>(position), 0) == CB_ERR) {
        raise(ControlFault::NoEntryToRemove, describeAt("no entry to remove", position, count));
    }
}

std::int16_t Win32ComboBox::ListCount() const
{
    const LRESULT count = SendMessageW(box_, CB_GETCOUNT, 0, 0);
    if (count == CB_ERR) {
        raise(ControlFault::CannotCountEntries, "cannot count the entries");
    }
    if (count > kMaxCount) {
        raise(ControlFault::TooManyEntries, std::to_string(count) + " entries are more than the list can count");
    }
    return static_cast<std::int16_t>(count);
}

std::u16string Win32ComboBox::Text() const
{
    return fromWide(windowText(box_));
}

void Win32ComboBox::setText(std::u16string_view text)
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(box_, &info) || info.hwndItem == nullptr) {
        raise(ControlFault::CannotSetText, "has no edit field");
    }
    // Where the user may be typing, the caret stays where it was. Elsewhere
    // the text shows from its first character, which tells long names apart,
    // rather than scrolled to its end.
    DWORD start = 0;
    DWORD end = 0;
    if (GetFocus() == info.hwndItem) {
        SendMessageW(box_, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    }
    const std::wstring wide = toWide(text);
    const LRESULT result = SendMessageW(box_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    if (result == CB_ERRSPACE) {
        raise(ControlFault::CannotSetText, "no room for the text");
    }
    if (result != TRUE) {
        raise(ControlFault::CannotSetText, "cannot set the text");
    }
    // The edit field clamps a caret beyond the new text to its end.
    SendMessageW(box_, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
}

void Win32Label::setCaption(std::u16string_view caption)
{
    // Set only when it changes: each setting repaints the label and tells
    // screen readers of a new name, which the clock would otherwise do ten
    // times a second.
    const std::wstring text = toWide(caption);
    if (windowText(label_) == text) {
        return;
    }
    if (!SetWindowTextW(label_, text.c_str())) {
        throw ControlError(ControlFault::CannotSetCaption, name_,
                           name_ + ": cannot set the caption (error " + std::to_string(GetLastError()) + ")");
    }
}

namespace {

SYSTEMTIME localNow()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
}

// One NLS text: `call(buffer, size)` returns the length with the terminator,
// or 0 on failure; called first with no buffer to learn the size.
template <typename Call>
std::wstring nlsText(ControlFault fault, const char* what, Call call)
{
    const int size = call(nullptr, 0);
    if (size > 0) {
        std::wstring text(static_cast<std::size_t>(size), L'\0');
        const int written = call(text.data(), size);
        if (written > 0) {
            text.resize(static_cast<std::size_t>(written - 1));
            return text;
        }
    }
    throw ControlError(fault, {}, std::string("locale: cannot form the ") + what + " (error " + std::to_string(GetLastError()) +
                       ")");
}

}  // namespace

Win32LocaleServices::Win32LocaleServices(std::wstring localeName, TimeSource now)
    : localeName_(std::move(localeName)), now_(now ? std::move(now) : TimeSource(&localNow))
{
}

const wchar_t* Win32LocaleServices::locale() const
{
    return localeName_.empty() ? LOCALE_NAME_USER_DEFAULT : localeName_.c_str();
}

std::u16string Win32LocaleServices::dateTimeText() const
{
    const SYSTEMTIME when = now_();
    const std::wstring date = nlsText(ControlFault::CannotFormDateTime, "date", [&](wchar_t* buffer, int size) {
        return GetDateFormatEx(locale(), DATE_SHORTDATE, &when, nullptr, buffer, size, nullptr);
    });
    const std::wstring time = nlsText(ControlFault::CannotFormDateTime, "time", [&](wchar_t* buffer, int size) {
        return GetTimeFormatEx(locale(), 0, &when, nullptr, buffer, size);
    });
    return fromWide(date + L' ' + time);
}

std::u16string Win32LocaleServices::fixed2(double value) const
{
    char digits[32];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value, std::chars_format::fixed, 2);
    const std::wstring separator = nlsText(ControlFault::CannotFormNumber, "decimal separator", [&](wchar_t* buffer, int size) {
        return GetLocaleInfoEx(locale(), LOCALE_SDECIMAL, buffer, size);
    });
    std::u16string text;
    for (const char* c = digits; c != result.ptr; ++c) {
        if (*c == '.') {
            text += fromWide(separator);
        } else {
            text += static_cast<char16_t>(*c);
        }
    }
    return text;
}

}  // namespace chengxi::win32
