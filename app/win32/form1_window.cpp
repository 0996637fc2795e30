#include "app/win32/form1_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <utility>

#include "app/core/colours.h"
#include "app/core/fatal_message.h"

namespace chengxi::win32 {

namespace {

using layout::Kind;

constexpr wchar_t kClassName[] = L"ChengxiWaterForm1";
constexpr int kFirstControlId = 1000;  // clear of IDOK and IDCANCEL
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;

[[noreturn]] void failCreating(const char* what)
{
    throw std::runtime_error(std::string("cannot create ") + what + " (error " + std::to_string(GetLastError()) +
                             ")");
}

// The control's place in the layout table, or the table's size.
std::size_t indexOf(std::string_view name)
{
    const layout::Control* entry = layout::find(name);
    return entry != nullptr ? static_cast<std::size_t>(entry - layout::kControls.data()) : layout::kControls.size();
}

// The display's dots per inch for `window`: per monitor where Windows knows
// it (Windows 10), else the system's.
UINT displayDpi(HWND window)
{
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = systemFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return dpi;
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

// `rect`, a client area, grown by the window's frame at `dpi`.
void addFrame(RECT& rect, UINT dpi)
{
    using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto forDpi = systemFunction<AdjustWindowRectExForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (forDpi == nullptr || !forDpi(&rect, kWindowStyle, FALSE, kWindowExStyle, dpi)) {
        AdjustWindowRectEx(&rect, kWindowStyle, FALSE, kWindowExStyle);
    }
}

// `frame` moved, not resized, just enough to lie inside `area` where it
// does not; its left and top edges win where it is larger.
void moveInside(RECT& frame, const RECT& area)
{
    OffsetRect(&frame, std::min(0L, area.right - frame.right), std::min(0L, area.bottom - frame.bottom));
    OffsetRect(&frame, std::max(0L, area.left - frame.left), std::max(0L, area.top - frame.top));
}

bool systemHighContrast()
{
    HIGHCONTRASTW scheme{};
    scheme.cbSize = sizeof scheme;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof scheme, &scheme, 0) &&
           (scheme.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void registerWindowClass(WNDPROC procedure)
{
    static bool registered = false;
    if (registered) {
        return;
    }
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExW(&windowClass) == 0) {
        failCreating("the window class");
    }
    registered = true;
}

}  // namespace

void initialiseControls()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

// ---------------------------------------------------------------------------
// Making and destroying the window

Form1Window::Form1Window(Options options) : options_(std::move(options))
{
    registerWindowClass(&Form1Window::windowProc);

    try {
        // Created at the origin first: its dots per inch give the frame's
        // size.
        hwnd_ = CreateWindowExW(kWindowExStyle, kClassName, toWide(layout::kTitle).c_str(), kWindowStyle, 0, 0,
                                layout::kClientArea.width, layout::kClientArea.height, nullptr, nullptr,
                                GetModuleHandleW(nullptr), this);
        if (hwnd_ == nullptr) {
            failCreating("the window");
        }
        // Enabled from the window's creation. Its first tick can come only
        // once the message loop runs, after the load; meanwhile the first
        // 100 ms pass while the controls are made.
        startTimer();
        build();
    } catch (...) {
        destroy();
        throw;
    }
}

void Form1Window::build()
{
    const UINT dpi = options_.dpi != 0 ? options_.dpi : displayDpi(hwnd_);
    updateColours();
    createControls();
    layOut(dpi, Drawing(dpi));
    placeWindow();

    auto box = [this](const char* name) { return std::make_unique<Win32ComboBox>(control(name), name); };
    auto label = [this](const char* name) { return std::make_unique<Win32Label>(control(name), name); };
    combo1_ = box("Combo1");
    combo2_ = box("Combo2");
    combo3_ = box("Combo3");
    label2_ = label("Label2");
    label8_ = label("Label8");
    label10_ = label("Label10");
    locale_ = std::make_unique<Win32LocaleServices>(options_.localeName, options_.now);
    form_ = std::make_unique<Form1>(
        Form1Controls{*combo1_, *combo2_, *combo3_, *label2_, *label8_, *label10_, *locale_});

    focus_ = control(layout::kTabOrder.front());
    run(&Form1::Form_Load);
}

Form1Window::~Form1Window()
{
    destroy();
}

void Form1Window::destroy()
{
    if (hwnd_ != nullptr && IsWindow(hwnd_)) {
        // Destroyed by its owner rather than closed by the user: the program
        // goes on.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        if (control("Image1") != nullptr) {
            showLogo(nullptr, drawing_.logo());
        }
        DestroyWindow(hwnd_);
    }
    drawing_ = Drawing();
    if (background_ != nullptr) {
        DeleteObject(background_);
    }
}

void Form1Window::createControls()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    auto create = [&](std::size_t index) {
        const layout::Control& entry = layout::kControls[index];
        const wchar_t* className = WC_STATICW;
        DWORD style = WS_CHILD | WS_VISIBLE;
        switch (entry.kind) {
        case Kind::Label:
            // Left-aligned from the top-left corner, not wrapped, clipped at
            // the label's edge; '&' is a character like any other.
            style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX;
            break;
        case Kind::ComboBox:
            // Editable, unsorted, scrolling its text as the user types.
            className = WC_COMBOBOXW;
            style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
            break;
        case Kind::Button:
            className = WC_BUTTONW;
            style |= WS_TABSTOP | BS_PUSHBUTTON;
            break;
        case Kind::Image:
            style |= SS_BITMAP;
            break;
        }
        const std::wstring text = toWide(entry.text);
        HWND window = CreateWindowExW(0, className, text.c_str(), style, 0, 0, entry.rect.width, entry.rect.height,
                                      hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(entry.name))),
                                      instance, nullptr);
        if (window == nullptr) {
            failCreating(entry.name);
        }
        controls_[index] = window;
    };

    // Z-order is creation order. The focus-taking controls stand in the
    // keyboard order, and each caption just before the box or figure it
    // names, where Windows takes a control's accessible name from.
    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        const layout::Control& entry = layout::kControls[i];
        if (entry.captionOf != nullptr) {
            continue;
        }
        for (std::size_t j = 0; j < layout::kControls.size(); ++j) {
            const char* of = layout::kControls[j].captionOf;
            if (of != nullptr && std::string_view(of) == entry.name) {
                create(j);
            }
        }
        create(i);
    }
    // A combo box does not hand its window name on to its edit field: the
    // texts at creation go in here.
    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        if (layout::kControls[i].kind == Kind::ComboBox) {
            SetWindowTextW(controls_[i], toWide(layout::kControls[i].text).c_str());
        }
    }
}

std::vector<HGDIOBJ> Form1Window::gdiObjects() const
{
    std::vector<HGDIOBJ> objects = drawing_.gdiObjects();
    objects.push_back(background_);
    return objects;
}

void Form1Window::show(int showCommand)
{
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(focus_);
}

bool Form1Window::translateDialogMessage(MSG& message)
{
    return IsWindow(hwnd_) && IsDialogMessageW(hwnd_, &message);
}

HWND Form1Window::control(std::string_view name) const
{
    const std::size_t index = indexOf(name);
    return index < controls_.size() ? controls_[index] : nullptr;
}

const layout::Control* Form1Window::entryOf(HWND window) const
{
    const auto found = std::find(controls_.begin(), controls_.end(), window);
    return found != controls_.end() ? &layout::kControls[static_cast<std::size_t>(found - controls_.begin())] : nullptr;
}

int Form1Window::controlId(std::string_view name)
{
    const std::size_t index = indexOf(name);
    return index < layout::kControls.size() ? kFirstControlId + static_cast<int>(index) : 0;
}

// ---------------------------------------------------------------------------
// Layout, place and colours

void Form1Window::layOut(UINT dpi, Drawing drawing)
{
    dpi_ = dpi;
    // From here `drawing` holds the previous one, freed on return, once no
    // control uses it any more.
    std::swap(drawing_, drawing);

    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        const layout::Control& entry = layout::kControls[i];
        HWND window = controls_[i];
        if (entry.kind != Kind::Image) {
            const layout::FontStyle* style = entry.font != nullptr ? entry.font : &layout::kWindowFont;
            SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(drawing_.font(style)), TRUE);
        }
        if (entry.kind == Kind::ComboBox) {
            // An open list shows this many entries, scrolling through more,
            // whatever the box's height; its edit field's height follows
            // the font.
            SendMessageW(window, CB_SETMINVISIBLE, kVisibleEntries, 0);
        }
        const RECT place = scaledRect(entry.rect);
        SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    showLogo(drawing_.logo(), drawing.logo());
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(drawing_.bigIcon()));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(drawing_.smallIcon()));
}

void Form1Window::showLogo(HBITMAP logo, HBITMAP shown)
{
    // With visual styles a STATIC shows its own copy of a bitmap with an
    // alpha channel, and hands that copy back here: it is the window's to
    // delete. The bitmap it was given, `shown`, goes with its drawing.
    const auto handedBack = reinterpret_cast<HBITMAP>(
        SendMessageW(control("Image1"), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logo)));
    if (handedBack != nullptr && handedBack != shown) {
        DeleteObject(handedBack);
    }
}

void Form1Window::placeWindow()
{
    RECT frame = scaledRect(layout::kClientArea);
    // The frame at the screen's own scale, whatever the layout's.
    addFrame(frame, displayDpi(hwnd_));
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    if (GetMonitorInfoW(MonitorFromPoint(POINT{frame.left, frame.top}, MONITOR_DEFAULTTONEAREST), &screen)) {
        moveInside(frame, screen.rcWork);
    }
    SetWindowPos(hwnd_, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1Window::changeDpi(UINT dpi, const RECT& suggested)
{
    pendingDpiChange_ = DpiChange{dpi, suggested};
    if (changingDpi_) {
        return;
    }
    changingDpi_ = true;
    struct Done {
        Form1Window& window;
        ~Done()
        {
            window.changingDpi_ = false;
            window.pendingDpiChange_.reset();
        }
    } done{*this};
    while (pendingDpiChange_) {
        const DpiChange change = *pendingDpiChange_;
        pendingDpiChange_.reset();
        Drawing drawing;
        try {
            drawing = Drawing(change.dpi);
        } catch (const std::exception& error) {
            throw ControlError(ControlFault::CannotRedraw, {}, error.what());
        }
        layOut(change.dpi, std::move(drawing));
        // Where Windows suggests, and nowhere else: a move elsewhere could
        // take the window to another screen again. A newer change, come
        // meanwhile, brings its own place.
        if (!pendingDpiChange_) {
            SetWindowPos(hwnd_, nullptr, change.suggested.left, change.suggested.top,
                         change.suggested.right - change.suggested.left,
                         change.suggested.bottom - change.suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

void Form1Window::updateColours()
{
    // A high-contrast scheme is the user's choice of colours for every
    // program: the window takes them whole. Otherwise the fixed ground,
    // with the scheme's text where it reads on it.
    const bool highContrast = options_.highContrast ? options_.highContrast() : systemHighContrast();
    if (highContrast) {
        ground_ = GetSysColor(COLOR_WINDOW);
        text_ = GetSysColor(COLOR_WINDOWTEXT);
    } else {
        ground_ = RGB(layout::kBackground.red, layout::kBackground.green, layout::kBackground.blue);
        const COLORREF scheme = GetSysColor(COLOR_WINDOWTEXT);
        const layout::Rgb text = colours::labelText({GetRValue(scheme), GetGValue(scheme), GetBValue(scheme)});
        text_ = RGB(text.red, text.green, text.blue);
    }
    HBRUSH brush = CreateSolidBrush(ground_);
    if (brush == nullptr) {
        failCreating("the background brush");
    }
    if (background_ != nullptr) {
        DeleteObject(background_);
    }
    background_ = brush;
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form1Window::startTimer()
{
    if (SetTimer(hwnd_, kTimer1Id, static_cast<UINT>(kTimer1IntervalMs), nullptr) == 0) {
        failCreating("the timer");
    }
}

int Form1Window::listWidthFor(HWND box) const
{
    HDC dc = GetDC(box);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
    const auto count = SendMessageW(box, CB_GETCOUNT, 0, 0);
    int widest = 0;
    std::wstring entry;
    for (LRESULT i = 0; i < count; ++i) {
        const auto length = SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length == CB_ERR) {
            continue;
        }
        entry.assign(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry.data()));
        SIZE extent{};
        GetTextExtentPoint32W(dc, entry.c_str(), static_cast<int>(length), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
    }
    SelectObject(dc, oldFont);
    ReleaseDC(box, dc);

    // The entry's margins inside the list, the list's border, and the scroll
    // bar when there are more entries than the list shows at once.
    int width = widest + 2 * scaled(3) + 2 * systemMetric(SM_CXBORDER, dpi_);
    if (count > kVisibleEntries) {
        width += systemMetric(SM_CXVSCROLL, dpi_);
    }
    RECT rect{};
    GetWindowRect(box, &rect);
    return std::max(width, static_cast<int>(rect.right - rect.left));
}

// ---------------------------------------------------------------------------
// Failures

void Form1Window::run(void (Form1::*handler)())
{
    try {
        ((*form_).*handler)();
    } catch (...) {
        reportCurrentException();
    }
}

namespace {

// The technical sentence, for whoever reads the log.
void writeToLog(const ControlError& error)
{
    std::fprintf(stderr, "chengxi-water: run-time error: %s\n", error.what());
    std::fflush(stderr);
}

}  // namespace

void Form1Window::reportFailure(const ControlError& error) noexcept
{
    KillTimer(hwnd_, kTimer1Id);
    // One report at a time: a failure while the error box is up (it runs a
    // message loop of its own) goes to the log alone.
    if (reporting_) {
        writeToLog(error);
        return;
    }
    reporting_ = true;
    try {
        if (options_.onFatalError) {
            options_.onFatalError(error);
        } else {
            writeToLog(error);
            // The user's sentence, in plain Chinese.
            MessageBoxW(hwnd_, toWide(fatalErrorText(error)).c_str(), toWide(kProductName).c_str(),
                        MB_OK | MB_ICONERROR);
        }
    } catch (...) {
        std::fputs("chengxi-water: the error could not be reported\n", stderr);
    }
    reporting_ = false;
    if (!options_.onFatalError) {
        std::exit(EXIT_FAILURE);
    }
}

void Form1Window::reportCurrentException() noexcept
{
    try {
        try {
            throw;
        } catch (const ControlError& error) {
            reportFailure(error);
        } catch (const std::exception& error) {
            reportFailure(ControlError(ControlFault::Other, {}, error.what()));
        } catch (...) {
            reportFailure(ControlError(ControlFault::Other, {}, "an unknown failure in the window procedure"));
        }
    } catch (...) {
        // Not even its description could be made.
        KillTimer(hwnd_, kTimer1Id);
        std::fputs("chengxi-water: run-time error\n", stderr);
    }
}

// ---------------------------------------------------------------------------
// Messages

LRESULT CALLBACK Form1Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* window = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    // Until CreateWindowExW returns, and once the owner destroys it, the
    // window is Windows' alone.
    if (window == nullptr || window->hwnd_ != hwnd) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    // No exception may cross into Windows' code: a failure inside any
    // handler ends as a failed control operation does.
    try {
        return window->handle(message, wParam, lParam);
    } catch (...) {
        window->reportCurrentException();
    }
    return 0;
}

LRESULT Form1Window::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam != kTimer1Id) {
            break;
        }
        run(&Form1::Timer1_Timer);
        return 0;
    case WM_COMMAND:
        command(wParam);
        return 0;
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush = labelColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
            return reinterpret_cast<LRESULT>(brush);
        }
        break;
    case WM_ERASEBKGND:
        if (background_ == nullptr) {
            break;
        }
        eraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_ACTIVATE:
        activate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(focus_);
        return 0;
    case WM_DPICHANGED:
        changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SYSCOLORCHANGE:
        systemColoursChanged();
        return 0;
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        // A high-contrast scheme switched on or off, among others.
        updateColours();
        break;
    case WM_DESTROY:
        // Closed by the user: the program ends. The timer goes with the
        // window.
        PostQuitMessage(EXIT_SUCCESS);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Form1Window::command(WPARAM wParam)
{
    const auto id = static_cast<int>(LOWORD(wParam));
    if (id == IDOK) {
        // Enter, as the dialog manager hands it on wherever the focus is not
        // on the default push button; only Tab makes 查询 that, so after a
        // click, or with the window back in front, Enter on 查询 comes here.
        // The focused button answers it; a combo box does not.
        if (const layout::Control* focused = entryOf(GetFocus()); focused != nullptr && focused->kind == Kind::Button) {
            run(&Form1::Command1_Click);
        }
        return;
    }
    const auto index = static_cast<std::size_t>(id - kFirstControlId);
    if (id < kFirstControlId || index >= controls_.size()) {
        return;
    }
    const Kind kind = layout::kControls[index].kind;
    if (kind == Kind::Button && HIWORD(wParam) == BN_CLICKED) {
        run(&Form1::Command1_Click);
    } else if (kind == Kind::ComboBox && HIWORD(wParam) == CBN_DROPDOWN) {
        fitOpenList(controls_[index]);
    }
}

void Form1Window::fitOpenList(HWND box) const
{
    // Fitted as the list opens, so it always follows the last refill.
    const auto width = static_cast<WPARAM>(listWidthFor(box));
    SendMessageW(box, CB_SETDROPPEDWIDTH, width, 0);
    // Wine's combo box refuses a width below the last open list's the first
    // time, and takes it once it has placed the list anew.
    if (SendMessageW(box, CB_GETDROPPEDWIDTH, 0, 0) != static_cast<LRESULT>(width)) {
        SendMessageW(box, CB_SETDROPPEDWIDTH, width, 0);
    }
}

HBRUSH Form1Window::labelColours(HDC dc, HWND control) const
{
    // The labels and the image are drawn on the window's own ground; the
    // combo boxes and the button keep the system's colours.
    const layout::Control* entry = entryOf(control);
    if (entry == nullptr || (entry->kind != Kind::Label && entry->kind != Kind::Image)) {
        return nullptr;
    }
    SetBkColor(dc, ground_);
    SetTextColor(dc, text_);
    return background_;
}

void Form1Window::eraseBackground(HDC dc) const
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, background_);
}

void Form1Window::activate(bool active)
{
    // The focus leaves with the window and comes back to where it was.
    if (active) {
        SetFocus(focus_);
        return;
    }
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd_, focus)) {
        focus_ = focus;
    }
}

void Form1Window::systemColoursChanged()
{
    // The controls are told too, as common controls expect.
    for (HWND window : controls_) {
        SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
    }
    updateColours();
}

}  // namespace chengxi::win32
