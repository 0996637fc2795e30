// The window on the screens and colour schemes people have: moved to a
// screen of another scale, under light-text and high-contrast schemes, and
// failing inside a handler that Windows calls. Wine does none of this by
// itself: the tests send what Windows would.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/core/form1_layout.h"
#include "tests/win32/window_support.h"

namespace chengxi::testing {
namespace {

// Every move or resize the watched window is asked to take
// (WM_WINDOWPOSCHANGING), and a hook into the first move of one of its
// controls.
class PositionRecorder {
public:
    explicit PositionRecorder(HWND window)
    {
        watched_ = window;
        seen_.clear();
        onControlMoved_ = nullptr;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &record, nullptr, GetCurrentThreadId());
    }
    ~PositionRecorder()
    {
        UnhookWindowsHookEx(hook_);
        onControlMoved_ = nullptr;
    }
    PositionRecorder(const PositionRecorder&) = delete;
    PositionRecorder& operator=(const PositionRecorder&) = delete;

    bool hooked() const { return hook_ != nullptr; }
    // The rectangles the window was asked to take, in order.
    const std::vector<RECT>& seen() const { return seen_; }
    // Called once, at the first move of a control of the window.
    void onControlMoved(std::function<void()> call) { onControlMoved_ = std::move(call); }

private:
    static LRESULT CALLBACK record(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && call->message == WM_WINDOWPOSCHANGING) {
            const auto* place = reinterpret_cast<const WINDOWPOS*>(call->lParam);
            const bool movesOrSizes = (place->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE);
            if (call->hwnd == watched_ && movesOrSizes) {
                seen_.push_back(RECT{place->x, place->y, place->x + place->cx, place->y + place->cy});
            } else if (GetParent(call->hwnd) == watched_ && movesOrSizes && onControlMoved_) {
                auto once = std::move(onControlMoved_);
                onControlMoved_ = nullptr;
                once();
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline HWND watched_ = nullptr;
    static inline std::vector<RECT> seen_;
    static inline std::function<void()> onControlMoved_;
    HHOOK hook_ = nullptr;
};

// What Windows sends when the window is dragged to a screen of `dpi`.
void moveToScreen(const Window& w, UINT dpi, RECT suggested)
{
    SendMessageW(w.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

RECT windowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

LONG fontHeight(HWND window)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// Every control at the table's place and with the table's font, scaled to
// `dpi`.
void expectLaidOutAt(const Window& w, UINT dpi)
{
    SCOPED_TRACE("laid out at " + std::to_string(dpi) + " dpi");
    EXPECT_EQ(w.form->dpi(), dpi);
    const auto s = [dpi](int pixels) { return MulDiv(pixels, static_cast<int>(dpi), 96); };
    for (const layout::Control& entry : layout::kControls) {
        const RECT place = w.clientRect(w.control(entry.name));
        const layout::Rect& r = entry.rect;
        EXPECT_EQ(place.left, s(r.left)) << entry.name;
        EXPECT_EQ(place.top, s(r.top)) << entry.name;
        EXPECT_EQ(place.right, s(r.left + r.width)) << entry.name;
        if (entry.kind != layout::Kind::ComboBox) {
            EXPECT_EQ(place.bottom, s(r.top + r.height)) << entry.name;
        }
        if (entry.kind != layout::Kind::Image) {
            const layout::FontStyle& style = entry.font != nullptr ? *entry.font : layout::kWindowFont;
            EXPECT_EQ(fontHeight(w.control(entry.name)), -s(style.pixelHeight)) << entry.name;
        }
    }
}

SIZE iconSize(HICON icon)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return SIZE{0, 0};
    }
    BITMAP bitmap{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return SIZE{bitmap.bmWidth, info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

HICON windowIcon(const Window& w, WPARAM which)
{
    return reinterpret_cast<HICON>(SendMessageW(w.hwnd(), WM_GETICON, which, 0));
}

HBITMAP shownLogo(const Window& w)
{
    return reinterpret_cast<HBITMAP>(SendMessageW(w.control("Image1"), STM_GETIMAGE, IMAGE_BITMAP, 0));
}

bool isIcon(HICON icon)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return false;
    }
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

// How many more GDI objects this process can make: Windows and Wine give
// each process a fixed number. A leak shows as fewer. Made as brushes and
// all deleted again before returning.
std::size_t gdiHeadroom()
{
    std::vector<HBRUSH> brushes;
    for (;;) {
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        if (brush == nullptr) {
            break;
        }
        brushes.push_back(brush);
    }
    for (HBRUSH brush : brushes) {
        DeleteObject(brush);
    }
    return brushes.size();
}

TEST(Win32Screens, MovedToAScreenOfAnotherScaleTakesOnlyTheSuggestedPlace)
{
    Window w;
    w.tick();
    expectLaidOutAt(w, 96);

    // To a 150 % screen, then back: each time the window is asked to take
    // Windows' suggestion and nothing else, and lays its controls out anew.
    for (const auto& [dpi, suggested] : {std::pair{144u, rect(600, 400, 1000, 480)},
                                         std::pair{96u, rect(120, 90, 672, 321)}}) {
        PositionRecorder recorder(w.hwnd());
        ASSERT_TRUE(recorder.hooked());
        moveToScreen(w, dpi, suggested);
        ASSERT_EQ(recorder.seen().size(), 1u) << dpi << " dpi";
        EXPECT_EQ(recorder.seen().front(), suggested);
        EXPECT_EQ(windowRect(w.hwnd()), suggested);
        expectLaidOutAt(w, dpi);
    }

    // And it still answers.
    w.type(1, L"安徽");
    w.tick();
    w.click();
    EXPECT_EQ(w.caption(8), L"146");
    EXPECT_EQ(w.caption(10), L"0.06mg/L");
}

TEST(Win32Screens, ADpiChangeArrivingDuringOneIsTakenAfterIt)
{
    Window w;
    PositionRecorder recorder(w.hwnd());
    ASSERT_TRUE(recorder.hooked());
    const RECT first = rect(600, 400, 1000, 480);
    const RECT second = rect(300, 200, 830, 400);
    // While the window lays itself out for 144 dpi, Windows tells it of
    // another screen at 120.
    bool sent = false;
    recorder.onControlMoved([&] {
        sent = true;
        moveToScreen(w, 120, second);
    });
    moveToScreen(w, 144, first);
    ASSERT_TRUE(sent);
    // The later change wins; the window went to its place alone.
    ASSERT_EQ(recorder.seen().size(), 1u);
    EXPECT_EQ(recorder.seen().front(), second);
    EXPECT_EQ(windowRect(w.hwnd()), second);
    expectLaidOutAt(w, 120);
    // The next change is handled as any other.
    moveToScreen(w, 96, first);
    expectLaidOutAt(w, 96);
    EXPECT_EQ(windowRect(w.hwnd()), first);
}

TEST(Win32Screens, IconsAtTheSizesOfTheScreen)
{
    Window w;
    HICON big = windowIcon(w, ICON_BIG);
    HICON small = windowIcon(w, ICON_SMALL);
    EXPECT_EQ(iconSize(big).cx, 32);
    EXPECT_EQ(iconSize(small).cx, 16);

    moveToScreen(w, 144, rect(600, 400, 1000, 480));
    // Windows' own sizes at 150 %, from the icon's own images.
    EXPECT_EQ(iconSize(windowIcon(w, ICON_BIG)).cx, 48);
    EXPECT_EQ(iconSize(windowIcon(w, ICON_BIG)).cy, 48);
    EXPECT_EQ(iconSize(windowIcon(w, ICON_SMALL)).cx, 24);
    // The icons of the other screen are gone.
    EXPECT_FALSE(isIcon(big));
    EXPECT_FALSE(isIcon(small));

    // A window opened on a 150 % screen starts with them.
    Window large(fixedClock(L"zh-CN", 144));
    EXPECT_EQ(iconSize(windowIcon(large, ICON_BIG)).cx, 48);
    EXPECT_EQ(iconSize(windowIcon(large, ICON_SMALL)).cx, 24);
}

// Opens the list of `box` as a click on its arrow does, and closes it again:
// the window fits the list to its widest entry as it opens.
void openAndCloseList(const Window& w, int box)
{
    SendMessageW(w.combo(box), CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(w.combo(box), CB_SHOWDROPDOWN, FALSE, 0);
}

TEST(Win32Screens, DpiChangesAndOpenListsLeakNothing)
{
    Window w;
    w.form->show(SW_SHOWNOACTIVATE);
    w.tick();
    // Once to each screen first, and a list opened on each: what Windows
    // itself keeps the first time (the brushes and fonts of the frame at a
    // new scale, the list's device context) is not the window's.
    moveToScreen(w, 144, rect(100, 100, 1000, 480));
    openAndCloseList(w, 3);
    moveToScreen(w, 96, rect(100, 100, 672, 321));
    openAndCloseList(w, 3);
    const std::size_t headroom = gdiHeadroom();
    ASSERT_GT(headroom, 1000u);

    HBITMAP logo = shownLogo(w);
    std::vector<HGDIOBJ> objects = w.form->gdiObjects();
    std::vector<HICON> icons = w.form->icons();
    ASSERT_NE(GetObjectType(logo), 0u);
    for (int change = 1; change <= 100; ++change) {
        const UINT dpi = change % 2 == 1 ? 144 : 96;
        moveToScreen(w, dpi, rect(100 + change, 100, 1000, 480));
        openAndCloseList(w, 3);
        SCOPED_TRACE("change " + std::to_string(change));
        // The bitmap shown before is no GDI object any more, nor are the
        // fonts and the logo the window drew with; the brush stays.
        ASSERT_EQ(GetObjectType(logo), 0u);
        const std::vector<HGDIOBJ> now = w.form->gdiObjects();
        ASSERT_EQ(now.size(), objects.size());
        for (std::size_t i = 0; i + 1 < objects.size(); ++i) {
            ASSERT_EQ(GetObjectType(objects[i]), 0u) << "object " << i;
        }
        for (HGDIOBJ object : now) {
            ASSERT_NE(GetObjectType(object), 0u);
        }
        for (HICON icon : icons) {
            ASSERT_FALSE(isIcon(icon));
        }
        logo = shownLogo(w);
        ASSERT_NE(GetObjectType(logo), 0u);
        objects = now;
        icons = w.form->icons();
    }
    // As many objects left to make as before: each device context taken to
    // measure the entries was given back.
    EXPECT_EQ(gdiHeadroom(), headroom);
}

TEST(Win32Screens, ARedrawThatCannotBeMadeEndsAsAFailedOperationAndLeaksNothing)
{
    std::vector<ControlFault> faults;
    win32::Form1WindowOptions options = fixedClock();
    options.onFatalError = [&faults](const ControlError& error) { faults.push_back(error.fault()); };
    Window w(std::move(options));
    w.tick();
    const std::size_t headroom = gdiHeadroom();
    const RECT place = windowRect(w.hwnd());
    const HFONT banner = reinterpret_cast<HFONT>(SendMessageW(w.label(1), WM_GETFONT, 0, 0));
    const HBITMAP logo = shownLogo(w);

    // Every GDI object this process may have is taken: the fonts for the
    // new screen cannot be made.
    std::vector<HBRUSH> taken;
    while (HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3))) {
        taken.push_back(brush);
    }
    {
        PositionRecorder recorder(w.hwnd());
        moveToScreen(w, 144, rect(600, 400, 1000, 480));
        EXPECT_TRUE(recorder.seen().empty());
    }
    for (HBRUSH brush : taken) {
        DeleteObject(brush);
    }

    // Reported as a failed operation, not thrown into Windows' code.
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults.front(), ControlFault::CannotRedraw);
    // The window keeps what it drew with, where it was.
    expectLaidOutAt(w, 96);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(w.label(1), WM_GETFONT, 0, 0)), banner);
    EXPECT_NE(GetObjectType(banner), 0u);
    EXPECT_EQ(shownLogo(w), logo);
    EXPECT_NE(GetObjectType(logo), 0u);
    EXPECT_EQ(windowRect(w.hwnd()), place);
    // What was made before the failure was freed again.
    EXPECT_EQ(gdiHeadroom(), headroom);
    // The timer is stopped, as after any failed operation.
    SetWindowTextW(w.label(2), L"stopped");
    pumpUntil([] { return false; }, 300);
    EXPECT_EQ(w.caption(2), L"stopped");
}

// The colours a label is drawn in, as it asks its parent while painting.
struct LabelColours {
    COLORREF ground;
    COLORREF text;
    COLORREF brush;
};

LabelColours coloursOf(const Window& w, HWND label)
{
    HDC dc = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(w.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    LOGBRUSH fill{};
    GetObjectW(brush, sizeof fill, &fill);
    const LabelColours colours{GetBkColor(dc), GetTextColor(dc), fill.lbColor};
    DeleteDC(dc);
    return colours;
}

// The pixels of the window's client area as it paints itself.
std::vector<COLORREF> paintedPixels(const Window& w, RECT area)
{
    RedrawWindow(w.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC dc = GetDC(w.hwnd());
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            pixels.push_back(GetPixel(dc, x, y));
        }
    }
    ReleaseDC(w.hwnd(), dc);
    return pixels;
}

int brightness(COLORREF colour)
{
    return (GetRValue(colour) + GetGValue(colour) + GetBValue(colour)) / 3;
}

constexpr COLORREF kGround = RGB(192, 192, 255);

void expectLabelsIn(const Window& w, COLORREF ground, COLORREF text)
{
    for (int n = 1; n <= 10; ++n) {
        const LabelColours colours = coloursOf(w, w.label(n));
        EXPECT_EQ(colours.ground, ground) << "Label" << n;
        EXPECT_EQ(colours.brush, ground) << "Label" << n;
        EXPECT_EQ(colours.text, text) << "Label" << n;
    }
    // The combo boxes and the button are left to the system.
    for (const char* name : {"Combo1", "Combo2", "Combo3", "Command1"}) {
        HDC dc = CreateCompatibleDC(nullptr);
        SetBkColor(dc, RGB(1, 2, 3));
        SendMessageW(w.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(w.control(name)));
        EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_3DFACE)) << name;
        DeleteDC(dc);
    }
}

TEST(Win32Scheme, HighContrastTakesTheSchemesOwnColoursAndFollowsItsChangesLeakingNothing)
{
    bool highContrast = false;
    win32::Form1WindowOptions options = fixedClock();
    options.highContrast = [&highContrast] { return highContrast; };
    Window w(std::move(options));
    w.form->show(SW_SHOWNOACTIVATE);
    expectLabelsIn(w, kGround, GetSysColor(COLOR_WINDOWTEXT));

    // Switched on while the window is open: Windows tells every window.
    highContrast = true;
    SendMessageW(w.hwnd(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    expectLabelsIn(w, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(paintedPixels(w, rect(10, 270, 1, 1)).front(), GetSysColor(COLOR_WINDOW));

    // And off again.
    highContrast = false;
    SendMessageW(w.hwnd(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    expectLabelsIn(w, kGround, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(paintedPixels(w, rect(10, 270, 1, 1)).front(), kGround);

    // A hundred changes of the scheme leave as many GDI objects to make as
    // before: each ground's brush goes with the next.
    const std::size_t headroom = gdiHeadroom();
    for (int change = 0; change < 100; ++change) {
        highContrast = change % 2 == 0;
        SendMessageW(w.hwnd(), change % 4 < 2 ? WM_SETTINGCHANGE : WM_SYSCOLORCHANGE, 0, 0);
    }
    EXPECT_EQ(gdiHeadroom(), headroom);
}

// Run by CTest in a prefix of its own whose scheme has white text on black
// (tests/win32/CMakeLists.txt sets CHENGXI_LIGHT_TEXT_SCHEME there);
// skipped in a run without it.
TEST(Win32Scheme, LabelsReadableUnderALightTextScheme)
{
    if (std::getenv("CHENGXI_LIGHT_TEXT_SCHEME") == nullptr) {
        GTEST_SKIP() << "not in the light-text scheme's prefix";
    }
    ASSERT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(255, 255, 255)) << "the prefix's scheme did not take";
    Window w;
    w.tick();
    w.form->show(SW_SHOWNOACTIVATE);
    // White on the light-blue ground would be 1.6 : 1: black instead.
    expectLabelsIn(w, kGround, RGB(0, 0, 0));
    // Painted so: the banner's text is dark, nothing in it light.
    const std::vector<COLORREF> banner = paintedPixels(w, w.clientRect(w.label(1)));
    int dark = 0;
    for (COLORREF pixel : banner) {
        dark += brightness(pixel) < 64 ? 1 : 0;
        ASSERT_LE(brightness(pixel), brightness(kGround) + 1);
    }
    EXPECT_GT(dark, 100);

    // The scheme changes while the window is open, to one whose text reads
    // on the ground: the labels take it.
    const int element = COLOR_WINDOWTEXT;
    const COLORREF navy = RGB(0, 0, 128);
    ASSERT_TRUE(SetSysColors(1, &element, &navy));
    expectLabelsIn(w, kGround, navy);
    const COLORREF white = RGB(255, 255, 255);
    ASSERT_TRUE(SetSysColors(1, &element, &white));
    expectLabelsIn(w, kGround, RGB(0, 0, 0));

    // A high-contrast black scheme is taken whole: white text on black, not
    // the black of the light-blue ground.
    win32::Form1WindowOptions options = fixedClock();
    options.highContrast = [] { return true; };
    Window contrast(std::move(options));
    contrast.tick();
    contrast.form->show(SW_SHOWNOACTIVATE);
    expectLabelsIn(contrast, RGB(0, 0, 0), white);
    int light = 0;
    for (COLORREF pixel : paintedPixels(contrast, contrast.clientRect(contrast.label(1)))) {
        light += brightness(pixel) > 192 ? 1 : 0;
    }
    EXPECT_GT(light, 100);
    EXPECT_EQ(paintedPixels(contrast, rect(10, 270, 1, 1)).front(), RGB(0, 0, 0));
}

}  // namespace
}  // namespace chengxi::testing
