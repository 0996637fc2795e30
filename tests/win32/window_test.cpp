// The real Win32 window: its layout and fonts at 96 and 144 dpi, its
// keyboard order, the timer, and the road from province to figures through
// its controls.
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/win32/picture.h"
#include "tests/win32/window_support.h"

namespace chengxi::testing {
namespace {

TEST(Win32Window, StartUpState)
{
    Window w;
    EXPECT_EQ(w.text(w.hwnd()), L"欢迎使用澄溪水质查询系统");
    const auto provinces = w.items(1);
    ASSERT_EQ(provinces.size(), 31u);
    EXPECT_EQ(provinces.front(), L"北京");
    EXPECT_EQ(provinces[20], L"内蒙");
    EXPECT_EQ(provinces.back(), L"浙江");
    EXPECT_TRUE(w.items(2).empty());
    EXPECT_TRUE(w.items(3).empty());
    EXPECT_EQ(w.comboText(1), L"北京");
    EXPECT_EQ(w.comboText(2), L"北京");
    EXPECT_EQ(w.comboText(3), L"昌平区");
    EXPECT_EQ(w.caption(2), L"Label2");
    EXPECT_EQ(w.caption(8), L"");
    EXPECT_EQ(w.caption(10), L"");
    const wchar_t* fixed[][2] = {
        {L"Label1", L"欢迎使用澄溪水质查询系统"}, {L"Label3", L"山东澄溪水处理设备有限公司"},
        {L"Label4", L"省级"}, {L"Label5", L"地级"}, {L"Label6", L"县级"},
        {L"Label7", L"TDS值："}, {L"Label9", L"余氯值："}, {L"Command1", L"查询"},
    };
    for (const auto& [name, text] : fixed) {
        const std::wstring wide(name);
        EXPECT_EQ(w.text(w.control(std::string(wide.begin(), wide.end()))), text) << utf8(name);
    }
}

TEST(Win32Window, ControlsAreOfTheirKindWithTheirStyles)
{
    Window w;
    auto className = [](HWND window) {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        return std::wstring(name);
    };
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(className(w.combo(n)), L"ComboBox");
        const auto style = GetWindowLongW(w.combo(n), GWL_STYLE);
        // Editable drop-down, never sorted, and the edit scrolls as one types.
        EXPECT_EQ(style & 3, CBS_DROPDOWN) << n;
        EXPECT_FALSE(style & CBS_SORT) << n;
        EXPECT_TRUE(style & CBS_AUTOHSCROLL) << n;
        EXPECT_TRUE(style & WS_TABSTOP) << n;
        EXPECT_NE(w.edit(n), nullptr) << n;
    }
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(className(w.label(n)), L"Static") << n;
        const auto style = GetWindowLongW(w.label(n), GWL_STYLE);
        EXPECT_EQ(style & SS_TYPEMASK, SS_LEFTNOWORDWRAP) << n;
        EXPECT_TRUE(style & SS_NOPREFIX) << n;
        EXPECT_FALSE(style & WS_TABSTOP) << n;
    }
    EXPECT_EQ(className(w.button()), L"Button");
    EXPECT_EQ(className(w.control("Image1")), L"Static");
    EXPECT_EQ(GetWindowLongW(w.control("Image1"), GWL_STYLE) & SS_TYPEMASK, SS_BITMAP);
    // An ordinary resizable top-level window with the three frame buttons.
    const auto style = GetWindowLongW(w.hwnd(), GWL_STYLE);
    for (const LONG bit : {WS_CAPTION, WS_SYSMENU, WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX}) {
        EXPECT_EQ(style & bit, bit);
    }
}

// The layout at `dpi`: the table's pixels at 96 dpi, scaled by dpi / 96.
void expectLayout(UINT dpi)
{
    Window w(fixedClock(L"zh-CN", dpi));
    const auto s = [dpi](int pixels) { return MulDiv(pixels, static_cast<int>(dpi), 96); };
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    EXPECT_EQ(w.form->dpi(), dpi);

    RECT client{};
    GetClientRect(w.hwnd(), &client);
    EXPECT_EQ(client, rect(0, 0, s(656), s(282)));
    // At its fixed place where that fits the screen's work area, frame and
    // all; moved, never resized, just enough to lie inside it where not. The
    // tests' screen is 1024 × 768 (tests/win32/wine-prefix.sh): at 150 % the
    // window, about 1000 pixels wide, would stand out beyond its right edge.
    POINT origin{0, 0};
    ClientToScreen(w.hwnd(), &origin);
    RECT frame{};
    GetWindowRect(w.hwnd(), &frame);
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(w.hwnd(), MONITOR_DEFAULTTONEAREST), &screen));
    ASSERT_EQ(screen.rcWork, rect(0, 0, 1024, 768));
    RECT within{};
    IntersectRect(&within, &frame, &screen.rcWork);
    EXPECT_EQ(within, frame);
    EXPECT_EQ(origin.y, s(197));
    if (dpi == 96) {
        EXPECT_EQ(origin.x, s(175));
    } else {
        EXPECT_EQ(frame.right, screen.rcWork.right);
        EXPECT_LT(origin.x, s(175));
    }

    const struct {
        const char* name;
        RECT rect;
    } expected[] = {
        {"Label1", rect(144, 32, 353, 33)},  {"Label2", rect(192, 88, 267, 32)},
        {"Label3", rect(168, 232, 321, 25)}, {"Label4", rect(165, 152, 65, 20)},
        {"Label5", rect(253, 152, 65, 20)},  {"Label6", rect(349, 152, 65, 20)},
        {"Label7", rect(544, 49, 93, 33)},   {"Label8", rect(544, 97, 93, 33)},
        {"Label9", rect(544, 144, 93, 33)},  {"Label10", rect(544, 192, 93, 33)},
        {"Command1", rect(416, 168, 80, 35)}, {"Image1", rect(32, 8, 94, 72)},
    };
    for (const auto& [name, r] : expected) {
        const RECT scaled{s(r.left), s(r.top), s(r.right), s(r.bottom)};
        EXPECT_EQ(w.clientRect(w.control(name)), scaled) << name;
    }
    // The combo boxes: place and width exact, the height the font's.
    const POINT comboTopLeft[] = {{152, 176}, {240, 176}, {336, 176}};
    for (int n = 1; n <= 3; ++n) {
        const RECT r = w.clientRect(w.combo(n));
        EXPECT_EQ(r.left, s(comboTopLeft[n - 1].x)) << n;
        EXPECT_EQ(r.top, s(comboTopLeft[n - 1].y)) << n;
        EXPECT_EQ(r.right, s(comboTopLeft[n - 1].x + 65)) << n;
        EXPECT_GE(r.bottom - r.top, s(12)) << n;
        EXPECT_LE(r.bottom - r.top, s(30)) << n;
    }
    // No two controls overlap.
    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        for (std::size_t j = i + 1; j < layout::kControls.size(); ++j) {
            const RECT a = w.clientRect(w.control(layout::kControls[i].name));
            const RECT b = w.clientRect(w.control(layout::kControls[j].name));
            RECT both{};
            EXPECT_FALSE(IntersectRect(&both, &a, &b))
                << layout::kControls[i].name << " and " << layout::kControls[j].name;
        }
    }

    // The logo, scaled with the layout: its natural size at 96 dpi, and
    // drawn sharp from the picture rather than blown up by the control.
    const auto logo = reinterpret_cast<HBITMAP>(SendMessageW(w.control("Image1"), STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP bitmap{};
    ASSERT_NE(GetObjectW(logo, sizeof bitmap, &bitmap), 0);
    EXPECT_EQ(bitmap.bmWidth, s(32 + 94) - s(32));
    EXPECT_EQ(bitmap.bmHeight, s(8 + 72) - s(8));

    // Nothing moves when the window is resized.
    SetWindowPos(w.hwnd(), nullptr, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(w.clientRect(w.label(10)), (RECT{s(544), s(192), s(637), s(225)}));
    SetWindowPos(w.hwnd(), nullptr, 0, 0, 1000, 700, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(w.clientRect(w.combo(3)).left, s(336));
}

TEST(Win32Window, LayoutAt96Dpi)
{
    expectLayout(96);
}

TEST(Win32Window, LayoutAt144DpiIsOneAndAHalfTimesAsLarge)
{
    expectLayout(144);
}

// The font's face as the font was asked for, and the face Windows drew with.
struct FontSeen {
    LOGFONTW asked{};
    std::wstring drawn;
};

FontSeen fontOf(HWND window)
{
    FontSeen seen;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    GetObjectW(font, sizeof seen.asked, &seen.asked);
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    seen.drawn = face;
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return seen;
}

void expectFonts(UINT dpi)
{
    Window w(fixedClock(L"zh-CN", dpi));
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    const struct {
        const char* name;
        int pixels;
        const wchar_t* face;
    } expected[] = {
        {"Label1", 29, L"宋体"},   {"Label2", 24, L"宋体"},  {"Label3", 24, L"华文新魏"},
        {"Label7", 21, L"宋体"},   {"Label8", 21, L"宋体"},  {"Label9", 21, L"宋体"},
        {"Label10", 21, L"宋体"},  {"Command1", 19, L"宋体"}, {"Combo1", 12, L"宋体"},
        {"Combo2", 12, L"宋体"},   {"Combo3", 12, L"宋体"},  {"Label4", 12, L"宋体"},
        {"Label5", 12, L"宋体"},   {"Label6", 12, L"宋体"},
    };
    for (const auto& [name, pixels, face] : expected) {
        const FontSeen font = fontOf(w.control(name));
        EXPECT_EQ(font.asked.lfHeight, -MulDiv(pixels, static_cast<int>(dpi), 96)) << name;
        EXPECT_EQ(font.asked.lfWeight, FW_NORMAL) << name;
        EXPECT_EQ(font.asked.lfCharSet, GB2312_CHARSET) << name;
        EXPECT_FALSE(font.asked.lfItalic || font.asked.lfUnderline || font.asked.lfStrikeOut) << name;
        EXPECT_EQ(std::wstring(font.asked.lfFaceName), face) << name;
        // Drawn in a face of that script, not a fallback without it.
        EXPECT_FALSE(font.drawn.empty()) << name;
        TEXTMETRICW metrics{};
        HDC dc = GetDC(w.control(name));
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(w.control(name), WM_GETFONT, 0, 0)));
        GetTextMetricsW(dc, &metrics);
        SIZE extent{};
        GetTextExtentPoint32W(dc, L"澄溪", 2, &extent);
        SelectObject(dc, old);
        ReleaseDC(w.control(name), dc);
        EXPECT_EQ(metrics.tmCharSet, GB2312_CHARSET) << name << " drawn in " << utf8(font.drawn);
        // A CJK face draws each ideograph an em wide.
        EXPECT_NEAR(extent.cx, 2 * MulDiv(pixels, static_cast<int>(dpi), 96), 2) << name;
    }
}

TEST(Win32Window, FontsAt96Dpi)
{
    expectFonts(96);
}

TEST(Win32Window, FontsAt144Dpi)
{
    expectFonts(144);
}

// `icon` drawn at `size` pixels on a ground of `ground`, read back.
std::vector<COLORREF> drawnOn(HICON icon, int size, COLORREF ground)
{
    void* bits = nullptr;
    HBITMAP canvas = win32::createPixelBitmap(size, size, &bits);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, canvas);
    HBRUSH brush = CreateSolidBrush(ground);
    const RECT all{0, 0, size, size};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    EXPECT_TRUE(DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL));
    GdiFlush();
    std::vector<COLORREF> pixels;
    for (int i = 0; i < size * size; ++i) {
        const DWORD pixel = static_cast<const DWORD*>(bits)[i];  // 0x00RRGGBB
        pixels.push_back(RGB((pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(canvas);
    return pixels;
}

TEST(Win32Window, ColoursAndIcon)
{
    Window w;
    const COLORREF background = RGB(192, 192, 255);
    // Each label asks its parent for its colours, as it paints.
    HDC dc = CreateCompatibleDC(nullptr);
    for (int n = 1; n <= 10; ++n) {
        SetBkColor(dc, RGB(0, 0, 0));
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(w.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(w.label(n))));
        LOGBRUSH fill{};
        ASSERT_NE(GetObjectW(brush, sizeof fill, &fill), 0) << n;
        EXPECT_EQ(fill.lbColor, background) << n;
        EXPECT_EQ(GetBkColor(dc), background) << n;
        EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT)) << n;
    }
    // The combo boxes and the button keep the system's colours.
    for (const char* name : {"Combo1", "Command1"}) {
        SetBkColor(dc, RGB(1, 2, 3));
        SendMessageW(w.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(w.control(name)));
        EXPECT_NE(GetBkColor(dc), background) << name;
    }
    DeleteDC(dc);

    // What the window paints: its ground, and a label's ground beside its text.
    w.form->show(SW_SHOWNOACTIVATE);
    UpdateWindow(w.hwnd());
    HDC window = GetDC(w.hwnd());
    EXPECT_EQ(GetPixel(window, 10, 270), background);
    EXPECT_EQ(GetPixel(window, 630, 60), background);  // Label7, right of its text
    ReleaseDC(w.hwnd(), window);

    // The butterfly, 32 and 16 pixels, in the title bar and the task bar,
    // from the icon's true-colour images: their edges blend into whatever
    // ground they stand on, where the 256-colour images' mask leaves each
    // pixel either the ground or the butterfly's.
    for (const auto& [which, size] : {std::pair{ICON_BIG, 32}, std::pair{ICON_SMALL, 16}}) {
        const auto icon = reinterpret_cast<HICON>(SendMessageW(w.hwnd(), WM_GETICON, which, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info)) << size;
        BITMAP bitmap{};
        GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);

        const std::vector<COLORREF> onBlack = drawnOn(icon, size, RGB(0, 0, 0));
        const std::vector<COLORREF> onWhite = drawnOn(icon, size, RGB(255, 255, 255));
        int blended = 0;
        for (std::size_t i = 0; i < onBlack.size(); ++i) {
            const bool dependsOnGround = onBlack[i] != onWhite[i];
            const bool isGround = onBlack[i] == RGB(0, 0, 0) && onWhite[i] == RGB(255, 255, 255);
            blended += dependsOnGround && !isGround ? 1 : 0;
        }
        EXPECT_GT(blended, size / 2) << size << " px: no edge blends into its ground";
    }
}

HWND focusedControl(const Window& w)
{
    HWND focus = GetFocus();
    while (focus != nullptr && GetParent(focus) != w.hwnd()) {
        focus = GetParent(focus);
    }
    return focus;
}

TEST(Win32Window, TabOrderInitialFocusAndEnterOnTheButton)
{
    Window w;
    w.form->show();
    SetForegroundWindow(w.hwnd());
    EXPECT_EQ(GetFocus(), w.edit(1));
    const char* order[] = {"Command1", "Combo2", "Combo3", "Combo1"};
    for (const char* next : order) {
        MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        EXPECT_TRUE(w.form->translateDialogMessage(tab));
        EXPECT_EQ(focusedControl(w), w.control(next)) << next;
    }
    // The labels and the image take no focus.
    for (const char* name : {"Label1", "Label8", "Image1"}) {
        EXPECT_FALSE(GetWindowLongW(w.control(name), GWL_STYLE) & WS_TABSTOP) << name;
    }
    // The focus comes back to where it was when the window is activated again.
    SetFocus(w.combo(3));
    SendMessageW(w.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(nullptr);
    SendMessageW(w.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), w.edit(3));

    // Enter on 查询 queries however the button came to have the focus: Tab,
    // a click, the window coming back to the front; in a combo box it does
    // nothing. The keys go through the program's message loop; each time
    // another district stands in the box, so that a query shows.
    w.tick();
    w.type(1, L"安徽");
    w.tick();
    ASSERT_EQ(w.comboText(3), L"枞阳县");

    // Tabbed onto.
    SetFocus(w.edit(1));
    ASSERT_TRUE(pressKey(w, VK_TAB));
    ASSERT_EQ(GetFocus(), w.button());
    ASSERT_TRUE(pressKey(w, VK_RETURN));
    EXPECT_EQ(w.caption(8), L"146");

    // Tabbed away, then clicked: the click queries and leaves the focus there.
    ASSERT_TRUE(pressKey(w, VK_TAB));
    ASSERT_EQ(focusedControl(w), w.combo(2));
    w.type(3, L"大观区");
    w.click();
    ASSERT_EQ(GetFocus(), w.button());
    EXPECT_EQ(w.caption(8), L"144");
    w.type(3, L"怀宁县");
    ASSERT_TRUE(pressKey(w, VK_RETURN));
    EXPECT_EQ(w.caption(8), L"121");
    EXPECT_EQ(w.caption(10), L"0.13mg/L");
    // The keypad's Enter, and Space, as before.
    w.type(3, L"潜山县");
    ASSERT_TRUE(pressKey(w, VK_RETURN, true));
    EXPECT_EQ(w.caption(8), L"48");
    w.type(3, L"宿松县");
    ASSERT_TRUE(pressKey(w, VK_SPACE));
    EXPECT_EQ(w.caption(8), L"89");

    // The window sent to the back and brought to the front again.
    SendMessageW(w.hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(nullptr);
    SendMessageW(w.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    ASSERT_EQ(GetFocus(), w.button());
    w.type(3, L"太湖县");
    ASSERT_TRUE(pressKey(w, VK_RETURN));
    EXPECT_EQ(w.caption(8), L"65");

    // In a combo box, reached by Tab or by a click, Enter stays the box's.
    w.type(3, L"桐城市");
    const auto expectEnterIgnoredIn = [&](HWND box) {
        ASSERT_EQ(GetFocus(), box);
        ASSERT_TRUE(pressKey(w, VK_RETURN));
        ASSERT_TRUE(pressKey(w, VK_RETURN, true));
        EXPECT_EQ(w.caption(8), L"65");
    };
    ASSERT_TRUE(pressKey(w, VK_TAB));
    expectEnterIgnoredIn(w.edit(2));
    SendMessageW(w.edit(3), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(w.edit(3), WM_LBUTTONUP, 0, 0);
    expectEnterIgnoredIn(w.edit(3));
}

TEST(Win32Window, TimerTicksEvery100MsAndDrivesTheFirstTick)
{
    // The timer runs from the window's creation.
    const ULONGLONG started = GetTickCount64();
    Window w;
    ASSERT_TRUE(pumpUntil([&] { return w.caption(2) != L"Label2"; }, 3000));
    EXPECT_GE(GetTickCount64() - started, 80u);
    EXPECT_EQ(w.caption(2), L"2026/12/8 18:53:07");
    EXPECT_EQ(w.items(2), std::vector<std::wstring>{L"北京"});
    const auto districts = w.items(3);
    ASSERT_EQ(districts.size(), 16u);
    EXPECT_EQ(districts.back(), L"延庆区");
    EXPECT_EQ(w.comboText(3), L"昌平区");
    // And it goes on, every 100 ms: each tick writes the clock again.
    int ticks = 0;
    const ULONGLONG second = GetTickCount64() + 1000;
    while (GetTickCount64() < second) {
        SetWindowTextW(w.label(2), L"");
        if (pumpUntil([&] { return !w.caption(2).empty(); }, 1000)) {
            ++ticks;
        }
    }
    EXPECT_GE(ticks, 6);
    EXPECT_LE(ticks, 12);
}

TEST(Win32Window, FullRoadFromProvinceToFigures)
{
    Window w;
    // Before the first tick the layout's texts answer.
    w.click();
    EXPECT_EQ(w.caption(8), L"263");
    EXPECT_EQ(w.caption(10), L"0.29mg/L");

    w.tick();
    w.type(1, L"安徽");
    w.tick();
    EXPECT_EQ(w.comboText(2), L"安庆");
    EXPECT_EQ(w.comboText(3), L"枞阳县");
    EXPECT_EQ(w.items(2).size(), 16u);
    EXPECT_EQ(w.items(3).size(), 11u);
    w.click();
    EXPECT_EQ(w.caption(8), L"146");
    EXPECT_EQ(w.caption(10), L"0.06mg/L");

    // Picked from the lists rather than typed.
    w.pick(1, 1);  // 上海
    w.tick();
    EXPECT_EQ(w.comboText(2), L"上海");
    EXPECT_EQ(w.comboText(3), L"宝山区");
    w.click();
    EXPECT_EQ(w.caption(8), L"231");
}

TEST(Win32Window, QueryWithoutARowLeavesTheFiguresStanding)
{
    Window w;
    w.tick();
    w.click();
    ASSERT_EQ(w.caption(8), L"263");
    // A district of another city, a text naming nothing, the empty text.
    for (const wchar_t* district : {L"枞阳县", L"昌平", L""}) {
        w.type(3, district);
        w.tick();
        w.click();
        EXPECT_EQ(w.caption(8), L"263");
        EXPECT_EQ(w.caption(10), L"0.29mg/L");
    }
    // A province picked but not yet taken over by a tick.
    w.type(3, L"昌平区");
    w.type(1, L"安徽");
    w.click();
    EXPECT_EQ(w.caption(8), L"263");
    // 宿州 has no districts: its one row has the empty district.
    w.tick();
    w.type(2, L"宿州");
    w.tick();
    ASSERT_EQ(w.comboText(1), L"安徽");
    EXPECT_TRUE(w.items(3).empty());
    EXPECT_EQ(w.comboText(3), L"");
    w.click();
    EXPECT_EQ(w.caption(8), L"0");  // a no-data row
    EXPECT_EQ(w.caption(10), L"0.00mg/L");
}

TEST(Win32Window, FailedControlOperationIsReportedAndStopsTheTimer)
{
    std::wstring reported;
    Window w(reportingTo(reported));
    w.tick();
    // A list longer than its 16-bit count can hold cannot be emptied.
    for (int i = 0; i < 40000; ++i) {
        SendMessageW(w.combo(3), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"x"));
    }
    w.type(2, L"上海");
    w.tick();
    EXPECT_NE(reported.find(L"Combo3"), std::wstring::npos) << utf8(reported);
    // The timer is stopped: no tick comes any more.
    SetWindowTextW(w.label(2), L"stopped");
    pumpUntil([] { return false; }, 300);
    EXPECT_EQ(w.caption(2), L"stopped");
}

TEST(Win32Window, FailuresAreReportedAsWhatFailedAndNothingLeavesTheWindowProcedure)
{
    std::wstring reported;
    Window w(reportingTo(reported));
    DestroyWindow(w.label(2));
    w.tick();
    EXPECT_NE(reported.find(L"Label2: cannot set the caption"), std::wstring::npos) << utf8(reported);
    // The tick ended at the failure: nothing else of it ran.
    EXPECT_TRUE(w.items(2).empty());

    // A clock that cannot be read fails no control and no redraw: a failure
    // of the window's. A report that fails in turn goes no further than the
    // window procedure (the test's main ends the run at once otherwise).
    std::vector<ControlFault> faults;
    win32::Form1WindowOptions options = fixedClock();
    options.now = []() -> SYSTEMTIME { throw std::runtime_error("no clock"); };
    options.onFatalError = [&faults](const ControlError& error) {
        faults.push_back(error.fault());
        throw std::runtime_error("the report fails too");
    };
    Window failing(std::move(options));
    failing.tick();
    EXPECT_EQ(faults, std::vector<ControlFault>{ControlFault::Other});
}

}  // namespace
}  // namespace chengxi::testing
