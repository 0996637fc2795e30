// The query window over the Win32 API's own controls, built from the fixed
// layout table and bound to the window's logic through the control layer.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/form1.h"
#include "app/core/form1_layout.h"
#include "app/win32/drawing.h"
#include "app/win32/win32_controls.h"

namespace chengxi::win32 {

struct Form1WindowOptions {
    // The clock's time source; empty: the local time.
    Win32LocaleServices::TimeSource now;
    // The locale of the clock and the figures; empty: the user's.
    std::wstring localeName;
    // Dots per inch to lay the window out at; 0: the display's.
    UINT dpi = 0;
    // Whether a high-contrast scheme is on; empty: as Windows says
    // (SPI_GETHIGHCONTRAST). Asked again whenever the settings change.
    std::function<bool()> highContrast;
    // Called with a failed control operation, or with any other failure of
    // the window's as ControlFault::Other. When empty, the error is written
    // to standard error and shown in a message box, and the program exits
    // with a failure.
    std::function<void(const ControlError&)> onFatalError;
};

class Form1Window {
public:
    using Options = Form1WindowOptions;

    // Creates the window, hidden, and runs the load handler; the timer runs
    // from here on. Throws std::runtime_error when Windows cannot create it.
    explicit Form1Window(Options options = {});
    ~Form1Window();
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    // Shows the window and gives the first control of the keyboard order
    // the focus.
    void show(int showCommand = SW_SHOWNORMAL);
    // For the message loop: keyboard navigation between the controls.
    bool translateDialogMessage(MSG& message);

    HWND hwnd() const { return hwnd_; }
    // A control by its name in the layout ("Combo1", "Label8", "Image1" …).
    HWND control(std::string_view name) const;
    // A control's ID, the same in every run, so that tools outside the
    // program find it with GetDlgItem; 0 for a name the layout lacks.
    static int controlId(std::string_view name);
    UINT dpi() const { return dpi_; }
    // A pixel length, and a rectangle, of the layout at the window's dots
    // per inch.
    int scaled(int pixels) const { return scaledAt(pixels, dpi_); }
    RECT scaledRect(const layout::Rect& rect) const { return scaledRectAt(rect, dpi_); }
    // The width an open list of `box` needs to show its widest entry whole,
    // and never less than the box.
    int listWidthFor(HWND box) const;
    // The colours of the labels: their ground and their text.
    COLORREF labelGround() const { return ground_; }
    COLORREF labelText() const { return text_; }
    // Every font, bitmap and brush the window holds now, and its icons, for
    // the tests that look for leaks.
    std::vector<HGDIOBJ> gdiObjects() const;
    std::vector<HICON> icons() const { return {drawing_.bigIcon(), drawing_.smallIcon()}; }

    static constexpr UINT_PTR kTimer1Id = 1;
    static constexpr int kVisibleEntries = 10;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    // The controls, the layout, the logic and the load, once the window
    // stands.
    void build();
    // Destroys the window and frees what it drew with.
    void destroy();
    void createControls();
    // The controls laid out at `dpi` with `drawing`; the previous drawing is
    // freed once no control uses it. The top-level window itself is not
    // moved. Fails on nothing.
    void layOut(UINT dpi, Drawing drawing);
    // Shows `logo` in Image1 in place of `shown`, the bitmap the window gave
    // it before, whose drawing frees it.
    void showLogo(HBITMAP logo, HBITMAP shown);
    // At its place on the screen, the frame around the client area, and
    // moved just enough to lie inside the work area of a screen too small
    // for that place.
    void placeWindow();
    // Moved to a screen of another DPI: laid out anew, then placed where
    // Windows suggests. One that arrives meanwhile is taken after it.
    void changeDpi(UINT dpi, const RECT& suggested);
    // The labels' colours from the system's scheme, and the window redrawn
    // in them.
    void updateColours();
    void startTimer();

    // The layout's entry of one of the window's controls; null for any other
    // window.
    const layout::Control* entryOf(HWND window) const;

    // The window's answers to Windows' messages.
    void command(WPARAM wParam);
    void fitOpenList(HWND box) const;
    HBRUSH labelColours(HDC dc, HWND control) const;
    void eraseBackground(HDC dc) const;
    void activate(bool active);
    void systemColoursChanged();

    // Runs one of the logic's handlers; a failure stops the timer and is
    // reported.
    void run(void (Form1::*handler)());
    // Stops the timer and reports the failure: to the handler of the
    // options, or on standard error and in an error box, after which the
    // program ends. A failure while the box is up goes to standard error
    // only. Throws nothing.
    void reportFailure(const ControlError& error) noexcept;
    // The exception being handled, reported as a failure: a failed control
    // operation as itself, anything else as a failure of the window's.
    void reportCurrentException() noexcept;

    Options options_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    // In the order of the layout table.
    std::array<HWND, layout::kControls.size()> controls_{};
    HWND focus_ = nullptr;  // the control to give the focus back to
    HBRUSH background_ = nullptr;
    COLORREF ground_ = 0;
    COLORREF text_ = 0;
    Drawing drawing_;
    bool reporting_ = false;  // a failure is being reported
    bool changingDpi_ = false;
    struct DpiChange {
        UINT dpi;
        RECT suggested;
    };
    std::optional<DpiChange> pendingDpiChange_;

    std::unique_ptr<Win32ComboBox> combo1_;
    std::unique_ptr<Win32ComboBox> combo2_;
    std::unique_ptr<Win32ComboBox> combo3_;
    std::unique_ptr<Win32Label> label2_;
    std::unique_ptr<Win32Label> label8_;
    std::unique_ptr<Win32Label> label10_;
    std::unique_ptr<Win32LocaleServices> locale_;
    std::unique_ptr<Form1> form_;
};

// Registers the common controls the window uses. Called once by the program
// (and by the tests) before the first window.
void initialiseControls();

}  // namespace chengxi::win32
