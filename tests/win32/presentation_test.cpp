// The Win32 window as people meet it: open lists that show whole names, set
// texts that show their beginning while the caret stays where the user types,
// boxes named for screen readers, and figures and clock in the user's locale.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/win32/window_support.h"

namespace chengxi::testing {
namespace {

// The width the widest entry of `box`'s list takes in the list's font.
int widestEntry(const Window& w, int box)
{
    HWND list = w.list(box);
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::wstring& entry : w.items(box)) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, entry.c_str(), static_cast<int>(entry.size()), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    return widest;
}

struct OpenList {
    int clientWidth = 0;  // where entries are drawn, less border and scroll bar
    int windowWidth = 0;
    int clientHeight = 0;  // kVisibleEntries entries, whatever the box's height
    bool scrolls = false;
};

// Opens the list of `box` as a click on its arrow does, and closes it again.
OpenList open(const Window& w, int box)
{
    SendMessageW(w.combo(box), CB_SHOWDROPDOWN, TRUE, 0);
    OpenList seen;
    EXPECT_TRUE(SendMessageW(w.combo(box), CB_GETDROPPEDSTATE, 0, 0)) << box;
    RECT client{};
    GetClientRect(w.list(box), &client);
    RECT window{};
    GetWindowRect(w.list(box), &window);
    seen.clientWidth = client.right;
    seen.clientHeight = client.bottom;
    seen.windowWidth = window.right - window.left;
    seen.scrolls = (GetWindowLongW(w.list(box), GWL_STYLE) & WS_VSCROLL) != 0;
    SendMessageW(w.combo(box), CB_SHOWDROPDOWN, FALSE, 0);
    return seen;
}

int boxWidth(const Window& w, int box)
{
    RECT rect{};
    GetWindowRect(w.combo(box), &rect);
    return rect.right - rect.left;
}

TEST(Win32OpenList, ShowsEveryEntryWholeAndFollowsEachRefill)
{
    Window w;
    w.form->show();
    w.tick();

    // 贵州's three 黔…自治州 cities are far wider than the box.
    w.type(1, L"贵州");
    w.tick();
    OpenList cities = open(w, 2);
    EXPECT_GE(cities.clientWidth, widestEntry(w, 2) + 2);
    EXPECT_GT(cities.windowWidth, 2 * boxWidth(w, 2));
    EXPECT_FALSE(cities.scrolls);

    // Its default city's districts, 关岭布衣族苗族自治县 among them.
    OpenList districts = open(w, 3);
    EXPECT_GE(districts.clientWidth, widestEntry(w, 3) + 2);

    // 四川: 21 cities, more than the list shows at once; the scroll bar
    // takes none of the entries' room.
    w.type(1, L"四川");
    w.tick();
    cities = open(w, 2);
    EXPECT_TRUE(cities.scrolls);
    EXPECT_GE(cities.clientWidth, widestEntry(w, 2) + 2);
    EXPECT_EQ(cities.clientHeight,
              win32::Form1Window::kVisibleEntries * SendMessageW(w.list(2), LB_GETITEMHEIGHT, 0, 0));

    // 海南's two short cities: the list shrinks back to the box.
    w.type(1, L"海南");
    w.tick();
    cities = open(w, 2);
    EXPECT_EQ(cities.windowWidth, boxWidth(w, 2));
    EXPECT_GE(cities.clientWidth, widestEntry(w, 2) + 2);
}

std::pair<DWORD, DWORD> selection(const Window& w, int box)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(w.combo(box), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

TEST(Win32SetText, ShowsFromItsStartUnlessTheUserIsTypingThere)
{
    Window w;
    w.form->show();
    SetForegroundWindow(w.hwnd());
    w.tick();
    ASSERT_EQ(GetFocus(), w.edit(1));

    // A province typed one character at a time: each tick in between sees a
    // text that names nothing, and the caret stays at the end for the next
    // character.
    SendMessageW(w.edit(1), EM_SETSEL, 0, -1);
    for (const wchar_t c : std::wstring(L"黑龙江")) {
        SendMessageW(w.edit(1), WM_CHAR, c, 1);
        w.tick();
    }
    EXPECT_EQ(w.comboText(1), L"黑龙江");
    EXPECT_EQ(w.comboText(2), L"大庆");
    // The box that took the focus keeps its caret through the text its
    // province block set.
    EXPECT_EQ(selection(w, 1), (std::pair<DWORD, DWORD>{3, 3}));

    // The boxes without the focus show their texts from the first character.
    w.type(1, L"贵州");
    w.tick();
    ASSERT_EQ(w.comboText(3), L"关岭布衣族苗族自治县");
    for (int box : {2, 3}) {
        EXPECT_EQ(selection(w, box), (std::pair<DWORD, DWORD>{0, 0})) << box;
        EXPECT_EQ(SendMessageW(w.edit(box), EM_GETFIRSTVISIBLELINE, 0, 0), 0) << box;
    }
}

TEST(Win32ScreenReader, EachBoxAndFigureIsNamedByTheCaptionJustBeforeItAndTheClockOnlyWhenItChanges)
{
    // Windows names a control after the static text that stands just before
    // it in z-order: a combo box, and a figure read with its caption.
    Window w;
    const struct {
        HWND named;
        int label;
        const wchar_t* caption;
    } captions[] = {{w.combo(1), 4, L"省级"},   {w.combo(2), 5, L"地级"},    {w.combo(3), 6, L"县级"},
                    {w.label(8), 7, L"TDS值："}, {w.label(10), 9, L"余氯值："}};
    for (const auto& caption : captions) {
        HWND before = GetWindow(caption.named, GW_HWNDPREV);
        EXPECT_EQ(before, w.label(caption.label)) << caption.label;
        EXPECT_EQ(w.text(before), caption.caption) << caption.label;
    }
    // The clock's text is set only when it changes: each setting repaints
    // the label and tells screen readers of a new name.
    int settings = 0;
    const SUBCLASSPROC count = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR counter) -> LRESULT {
        *reinterpret_cast<int*>(counter) += message == WM_SETTEXT ? 1 : 0;
        return DefSubclassProc(window, message, wParam, lParam);
    };
    ASSERT_TRUE(SetWindowSubclass(w.label(2), count, 1, reinterpret_cast<DWORD_PTR>(&settings)));
    for (int tick = 0; tick < 5; ++tick) {
        w.tick();
    }
    RemoveWindowSubclass(w.label(2), count, 1);
    EXPECT_EQ(settings, 1);
    EXPECT_EQ(w.caption(2), L"2026/12/8 18:53:07");

    // The keyboard order is the z-order of the controls that take the focus.
    std::vector<HWND> stops;
    for (HWND child = GetWindow(w.hwnd(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) {
            stops.push_back(child);
        }
    }
    EXPECT_EQ(stops, (std::vector<HWND>{w.combo(1), w.button(), w.combo(2), w.combo(3)}));
}

// Clock and figures as each locale forms them, through the window.
struct LocaleCase {
    const wchar_t* locale;
    const wchar_t* clock;
    const wchar_t* chlorine;
};
constexpr LocaleCase kLocales[] = {
    {L"zh-CN", L"2026/12/8 18:53:07", L"0.29mg/L"},
    {L"de-DE", L"8.12.2026 18:53:07", L"0,29mg/L"},
    {L"ar-EG", L"8\u200f/12\u200f/2026 6:53:07 \u0645", L"0.29mg/L"},
    {L"fi-FI", L"8.12.2026 18.53.07", L"0,29mg/L"},
};

TEST(Win32Locale, FiguresAndClockInTheGivenLocale)
{
    for (const LocaleCase& c : kLocales) {
        SCOPED_TRACE(std::string(c.locale, c.locale + wcslen(c.locale)));
        Window w(fixedClock(c.locale));
        w.tick();
        w.click();
        EXPECT_EQ(w.caption(2), c.clock);
        EXPECT_EQ(w.caption(8), L"263");
        EXPECT_EQ(w.caption(10), c.chlorine);
    }
}

// Run by CTest once for each of these locales as the user's own, named in
// CHENGXI_USER_LOCALE (with LANG set to match: tests/win32/CMakeLists.txt);
// skipped in a run without it.
TEST(Win32Locale, FiguresAndClockInTheUsersLocale)
{
    const char* expected = std::getenv("CHENGXI_USER_LOCALE");
    if (expected == nullptr) {
        GTEST_SKIP() << "CHENGXI_USER_LOCALE names no locale";
    }
    wchar_t user[LOCALE_NAME_MAX_LENGTH] = {};
    ASSERT_GT(GetUserDefaultLocaleName(user, LOCALE_NAME_MAX_LENGTH), 0);
    ASSERT_EQ(std::wstring(user), std::wstring(expected, expected + std::strlen(expected)));
    for (const LocaleCase& c : kLocales) {
        if (std::wstring_view(user) == c.locale) {
            win32::Form1WindowOptions options = fixedClock();
            options.localeName.clear();
            Window w(std::move(options));
            w.tick();
            w.click();
            EXPECT_EQ(w.caption(2), c.clock);
            EXPECT_EQ(w.caption(10), c.chlorine);
            return;
        }
    }
    FAIL() << expected << " is none of the cases";
}

}  // namespace
}  // namespace chengxi::testing
