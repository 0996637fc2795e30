// Finding and driving the real Win32 window's controls in tests, by
// messages, the way a user's typing, picks and clicks arrive.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/win32/form1_window.h"

// RECT is Windows' own, in the global namespace, where GoogleTest looks for
// its comparison and printing.
inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "(" << r.left << ", " << r.top << ") " << r.right - r.left << " x " << r.bottom - r.top;
}

namespace chengxi::testing {

// UTF-8, for GoogleTest's messages.
inline std::string utf8(std::wstring_view text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                        nullptr);
    return result;
}

// A rectangle by its corner and size.
inline RECT rect(int left, int top, int width, int height)
{
    return RECT{left, top, left + width, top + height};
}

// 2026-12-08 18:53:07, a Tuesday.
inline SYSTEMTIME fixedTime()
{
    SYSTEMTIME time{};
    time.wYear = 2026;
    time.wMonth = 12;
    time.wDayOfWeek = 2;
    time.wDay = 8;
    time.wHour = 18;
    time.wMinute = 53;
    time.wSecond = 7;
    return time;
}

inline win32::Form1WindowOptions fixedClock(std::wstring locale = L"zh-CN", UINT dpi = 96)
{
    win32::Form1WindowOptions options;
    options.now = &fixedTime;
    options.localeName = std::move(locale);
    options.dpi = dpi;
    return options;
}

// The clock fixed, and a failed control operation's message kept in
// `reported` rather than shown.
inline win32::Form1WindowOptions reportingTo(std::wstring& reported)
{
    win32::Form1WindowOptions options = fixedClock();
    options.onFatalError = [&reported](const ControlError& error) {
        const std::string what = error.what();
        reported.assign(what.begin(), what.end());
    };
    return options;
}

// The window with its controls found by name, the clock fixed.
struct Window {
    explicit Window(win32::Form1WindowOptions options = fixedClock())
        : form(std::make_unique<win32::Form1Window>(std::move(options)))
    {
    }

    HWND hwnd() const { return form->hwnd(); }
    HWND control(std::string_view name) const { return form->control(name); }
    HWND combo(int n) const { return control("Combo" + std::to_string(n)); }
    HWND label(int n) const { return control("Label" + std::to_string(n)); }
    HWND button() const { return control("Command1"); }
    HWND edit(int n) const
    {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(combo(n), &info);
        return info.hwndItem;
    }
    HWND list(int n) const
    {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(combo(n), &info);
        return info.hwndList;
    }

    // One tick, as the timer delivers it.
    void tick() const { SendMessageW(hwnd(), WM_TIMER, win32::Form1Window::kTimer1Id, 0); }
    void click() const { SendMessageW(button(), BM_CLICK, 0, 0); }
    // Typed into a combo box's edit field: the old text selected and
    // replaced, one character at a time.
    void type(int n, std::wstring_view text) const
    {
        SendMessageW(edit(n), EM_SETSEL, 0, -1);
        if (text.empty()) {
            SendMessageW(edit(n), WM_CHAR, VK_BACK, 0);
        }
        for (wchar_t c : text) {
            SendMessageW(edit(n), WM_CHAR, c, 1);
        }
    }
    // Picked from the list, as a click on an entry of the open list does.
    void pick(int n, int index) const
    {
        SendMessageW(combo(n), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo(n)), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo(n)));
    }

    std::wstring text(HWND window) const { return win32::windowText(window); }
    std::wstring comboText(int n) const { return text(combo(n)); }
    std::wstring caption(int n) const { return text(label(n)); }
    std::vector<std::wstring> items(int n) const
    {
        std::vector<std::wstring> result;
        const auto count = SendMessageW(combo(n), CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring entry(static_cast<std::size_t>(SendMessageW(combo(n), CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
            const auto length = SendMessageW(combo(n), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
            entry.resize(static_cast<std::size_t>(length));
            result.push_back(entry);
        }
        return result;
    }
    // The control's rectangle in the window's client coordinates.
    RECT clientRect(HWND window) const
    {
        RECT rect{};
        GetWindowRect(window, &rect);
        MapWindowPoints(HWND_DESKTOP, hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    std::unique_ptr<win32::Form1Window> form;
};

// Runs the thread's message loop until `done()` or `milliseconds` pass.
// `handled(message)`, where given, sees each message first and may take it.
template <typename Done, typename Handled = bool (*)(MSG&)>
bool pumpUntil(Done done, DWORD milliseconds, Handled handled = [](MSG&) { return false; })
{
    const ULONGLONG until = GetTickCount64() + milliseconds;
    while (!done()) {
        if (GetTickCount64() > until) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!handled(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
    return true;
}

// Presses and releases `key` as the keyboard's messages reach the focused
// control: queued for it, and taken by the program's message loop (keyboard
// navigation first, as in main.cpp) until the key is up again, so that what
// the key does is done on return. Queued here rather than through SendInput,
// whose keys go to whichever window is in front, where other tests running
// in the same prefix at the same time open theirs. False if the key never
// came through.
inline bool pressKey(const Window& w, WORD key, bool extended = false)
{
    HWND focus = GetFocus();
    const auto scanCode = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    const LPARAM down = 1 | scanCode << 16 | (extended ? LPARAM{1} << 24 : 0);
    const LPARAM up = down | LPARAM{1} << 30 | LPARAM{1} << 31;
    if (focus == nullptr || !PostMessageW(focus, WM_KEYDOWN, key, down) || !PostMessageW(focus, WM_KEYUP, key, up)) {
        return false;
    }
    bool released = false;
    return pumpUntil(
        [&] { return released; }, 5000, [&](MSG& message) {
            released = released || (message.message == WM_KEYUP && message.wParam == key);
            return w.form->translateDialogMessage(message);
        });
}

}  // namespace chengxi::testing
