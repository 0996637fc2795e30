// The Win32 control layer where Windows refuses: a real combo box whose
// answer to one message is replaced by a refusal, so that every refusal the
// layer looks for is met once. And the logo the window shows, against the
// picture in the program's resources decoded here on its own, each of its
// bitmaps deleted once whether or not the image control copies it.
#include <windows.h>

#include <commctrl.h>
#include <wincodec.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <ostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/picture.h"
#include "app/win32/win32_controls.h"
#include "tests/win32/window_support.h"

namespace chengxi {

// A fault by its name in a failure's message.
static void PrintTo(ControlFault fault, std::ostream* out)
{
    static constexpr const char* kNames[] = {
        "Other",
        "CannotAddEntry",
        "NoRoomForEntry",
        "TooManyEntries",
        "NoEntryToRemove",
        "CannotCountEntries",
        "CannotSetText",
        "CannotSetCaption",
        "CannotFormDateTime",
        "CannotFormNumber",
        "CannotRedraw",
    };
    const auto index = static_cast<std::size_t>(fault);
    *out << (index < std::size(kNames) ? kNames[index] : "ControlFault(" + std::to_string(index) + ")");
}

namespace testing {
namespace {

using win32::Win32ComboBox;

// A drop-down combo box of three cities in a hidden window of its own; once
// `refuse` is called, one message gets a fixed answer and never reaches the
// box.
class RefusingBox {
public:
    RefusingBox()
    {
        parent_ = CreateWindowExW(0, WC_STATICW, L"", WS_OVERLAPPED, 0, 0, 300, 300, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        box_ = CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                               0, 0, 200, 200, parent_, nullptr, GetModuleHandleW(nullptr), nullptr);
        for (const wchar_t* city : {L"北京", L"上海", L"天津"}) {
            SendMessageW(box_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(city));
        }
        SetWindowTextW(box_, L"上海");
    }
    ~RefusingBox()
    {
        RemoveWindowSubclass(box_, &refusing, 1);
        DestroyWindow(parent_);
    }
    RefusingBox(const RefusingBox&) = delete;
    RefusingBox& operator=(const RefusingBox&) = delete;

    HWND hwnd() const { return box_; }
    void refuse(UINT message, LRESULT answer)
    {
        refusal_ = {message, answer};
        ASSERT_TRUE(SetWindowSubclass(box_, &refusing, 1, reinterpret_cast<DWORD_PTR>(&refusal_)));
    }
    std::vector<std::wstring> items() const
    {
        std::vector<std::wstring> result;
        const auto count = SendMessageW(box_, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring entry(static_cast<std::size_t>(SendMessageW(box_, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
            entry.resize(static_cast<std::size_t>(
                SendMessageW(box_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
            result.push_back(entry);
        }
        return result;
    }

private:
    struct Refusal {
        UINT message = 0;
        LRESULT answer = 0;
    };
    static LRESULT CALLBACK refusing(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR data)
    {
        const auto* refusal = reinterpret_cast<const Refusal*>(data);
        if (message == refusal->message) {
            return refusal->answer;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }

    HWND parent_ = nullptr;
    HWND box_ = nullptr;
    Refusal refusal_;
};

// Each refusal: the operation raises the fault it stands for, naming the
// box, and leaves the list and the text as they were.
TEST(Win32ComboBoxRefused, RaisesItsFaultNamingTheBoxAndChangesNothing)
{
    struct Case {
        const char* what;
        UINT message;
        LRESULT answer;
        std::function<void(Win32ComboBox&)> operation;
        ControlFault fault;
    };
    const Case cases[] = {
        {"an entry refused for want of memory", CB_INSERTSTRING, CB_ERRSPACE,
         [](Win32ComboBox& box) { box.AddItem(u"重庆", 1); }, ControlFault::NoRoomForEntry},
        {"an entry refused", CB_INSERTSTRING, CB_ERR, [](Win32ComboBox& box) { box.AddItem(u"重庆", 3); },
         ControlFault::CannotAddEntry},
        {"a text refused", WM_SETTEXT, FALSE, [](Win32ComboBox& box) { box.setText(u"天津"); },
         ControlFault::CannotSetText},
        {"a text refused for want of room", WM_SETTEXT, CB_ERRSPACE,
         [](Win32ComboBox& box) { box.setText(u"天津"); }, ControlFault::CannotSetText},
        {"a removal refused", CB_DELETESTRING, CB_ERR, [](Win32ComboBox& box) { box.RemoveItem(0); },
         ControlFault::NoEntryToRemove},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RefusingBox refusing;
        refusing.refuse(c.message, c.answer);
        Win32ComboBox box(refusing.hwnd(), "Combo2");
        std::optional<ControlError> raised;
        try {
            c.operation(box);
        } catch (const ControlError& error) {
            raised = error;
        }
        if (!raised) {
            ADD_FAILURE() << "no error raised";
            continue;
        }
        EXPECT_EQ(raised->fault(), c.fault) << raised->what();
        EXPECT_EQ(raised->control(), "Combo2");
        EXPECT_EQ(refusing.items(), (std::vector<std::wstring>{L"北京", L"上海", L"天津"}));
        EXPECT_EQ(win32::windowText(refusing.hwnd()), L"上海");
    }
}

// Owns one COM interface pointer.
template <typename T>
struct Com {
    T* p = nullptr;
    Com() = default;
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    ~Com()
    {
        if (p != nullptr) {
            p->Release();
        }
    }
    T* operator->() const { return p; }
};

struct Rgb {
    int red;
    int green;
    int blue;
};

// A picture's pixels, row by row from the top.
struct Pixels {
    UINT width = 0;
    UINT height = 0;
    std::vector<Rgb> rgb;
    const Rgb& at(UINT x, UINT y) const { return rgb[y * width + x]; }
};

// The RCDATA resource `name` of this program, decoded by WIC into RGB bytes
// in that order, the reverse of a device-independent bitmap's.
Pixels decodeResource(const wchar_t* name)
{
    Pixels pixels;
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    EXPECT_NE(resource, nullptr);
    if (resource == nullptr) {
        return pixels;
    }
    auto* bytes = static_cast<BYTE*>(LockResource(LoadResource(module, resource)));
    Com<IWICImagingFactory> factory;
    Com<IWICStream> stream;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    Com<IWICFormatConverter> converter;
    const bool decoded =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory.p))) &&
        SUCCEEDED(factory->CreateStream(&stream.p)) &&
        SUCCEEDED(stream->InitializeFromMemory(bytes, SizeofResource(module, resource))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, &decoder.p)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame.p)) && SUCCEEDED(factory->CreateFormatConverter(&converter.p)) &&
        SUCCEEDED(converter->Initialize(frame.p, GUID_WICPixelFormat24bppRGB, WICBitmapDitherTypeNone, nullptr, 0.0,
                                        WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(&pixels.width, &pixels.height));
    EXPECT_TRUE(decoded);
    if (!decoded) {
        return pixels;
    }
    const UINT stride = (pixels.width * 3 + 3) / 4 * 4;
    std::vector<BYTE> raw(static_cast<std::size_t>(stride) * pixels.height);
    EXPECT_TRUE(SUCCEEDED(converter->CopyPixels(nullptr, stride, static_cast<UINT>(raw.size()), raw.data())));
    for (UINT y = 0; y < pixels.height; ++y) {
        for (UINT x = 0; x < pixels.width; ++x) {
            const BYTE* p = &raw[y * stride + x * 3];
            pixels.rgb.push_back({p[0], p[1], p[2]});
        }
    }
    return pixels;
}

constexpr int kTolerance = 2;

bool alike(const Rgb& a, const Rgb& b)
{
    return std::abs(a.red - b.red) <= kTolerance && std::abs(a.green - b.green) <= kTolerance &&
           std::abs(a.blue - b.blue) <= kTolerance;
}

// How clearly red, green and blue differ from one another in a pixel.
int distinctness(const Rgb& c)
{
    return std::min({std::abs(c.red - c.green), std::abs(c.green - c.blue), std::abs(c.blue - c.red)});
}

// The pixels of `control` as it paints itself, read back in this process
// (Wine's null driver reads another process's window as white).
Pixels painted(HWND control)
{
    RECT client{};
    GetClientRect(control, &client);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pixels pixels;
    pixels.width = static_cast<UINT>(client.right);
    pixels.height = static_cast<UINT>(client.bottom);
    void* bits = nullptr;
    HBITMAP copy = win32::createPixelBitmap(client.right, client.bottom, &bits);
    HDC window = GetDC(control);
    HDC dc = CreateCompatibleDC(window);
    HGDIOBJ old = SelectObject(dc, copy);
    EXPECT_TRUE(BitBlt(dc, 0, 0, client.right, client.bottom, window, 0, 0, SRCCOPY));
    GdiFlush();
    const auto* raw = static_cast<const BYTE*>(bits);
    for (std::size_t i = 0; i < std::size_t{pixels.width} * pixels.height; ++i) {
        pixels.rgb.push_back({raw[4 * i + 2], raw[4 * i + 1], raw[4 * i]});
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(control, window);
    DeleteObject(copy);
    return pixels;
}

// How sharp a picture's edges are: the 95th percentile of its luma's
// gradient magnitude, from central differences inside its border.
double sharpness(const Pixels& picture)
{
    const auto luma = [&](UINT x, UINT y) {
        const Rgb& c = picture.at(x, y);
        return 0.299 * c.red + 0.587 * c.green + 0.114 * c.blue;
    };
    std::vector<double> gradients;
    for (UINT y = 1; y + 1 < picture.height; ++y) {
        for (UINT x = 1; x + 1 < picture.width; ++x) {
            gradients.push_back(
                std::hypot(luma(x + 1, y) - luma(x - 1, y), luma(x, y + 1) - luma(x, y - 1)) / 2);
        }
    }
    if (gradients.empty()) {
        return 0;
    }
    const auto at = gradients.begin() + static_cast<std::ptrdiff_t>(gradients.size() * 95 / 100);
    std::nth_element(gradients.begin(), at, gradients.end());
    return *at;
}

// The rows (or columns) that repeat the one before them while not of one
// colour throughout.
int repeatedLines(const Pixels& picture, bool columns)
{
    const UINT lines = columns ? picture.width : picture.height;
    const UINT length = columns ? picture.height : picture.width;
    const auto pixel = [&](UINT line, UINT i) { return columns ? picture.at(line, i) : picture.at(i, line); };
    int repeated = 0;
    for (UINT line = 1; line < lines; ++line) {
        bool same = true;
        bool plain = true;
        for (UINT i = 0; i < length && same; ++i) {
            same = alike(pixel(line, i), pixel(line - 1, i));
            plain = plain && alike(pixel(line, i), pixel(line, 0));
        }
        repeated += same && !plain ? 1 : 0;
    }
    return repeated;
}

// Every DeleteObject this test program makes while a ledger lives, with
// those that failed: a GDI object deleted twice fails the second time, as
// does a handle that never was one. It takes the place of DeleteObject in
// the program's import table, through which the window's code calls it.
class DeletionLedger {
public:
    DeletionLedger() : slot_(importSlot("gdi32.dll", "DeleteObject"))
    {
        if (slot_ != nullptr) {
            failed_.clear();
            real_ = reinterpret_cast<DeleteObjectFn>(*slot_);
            replace(reinterpret_cast<void*>(&recorded));
        }
    }
    ~DeletionLedger()
    {
        if (slot_ != nullptr) {
            replace(reinterpret_cast<void*>(real_));
        }
    }
    DeletionLedger(const DeletionLedger&) = delete;
    DeletionLedger& operator=(const DeletionLedger&) = delete;

    bool hooked() const { return slot_ != nullptr; }
    const std::vector<HGDIOBJ>& failed() const { return failed_; }

private:
    using DeleteObjectFn = BOOL(WINAPI*)(HGDIOBJ);

    // The entry of the import table through which this program calls
    // `function` of `module`; null where it imports no such function.
    static void** importSlot(const char* module, const char* function)
    {
        auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
        const auto* headers =
            reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* dll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             dll->Name != 0; ++dll) {
            if (lstrcmpiA(reinterpret_cast<const char*>(base + dll->Name), module) != 0) {
                continue;
            }
            const auto* name = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
            auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
            for (; name->u1.AddressOfData != 0; ++name, ++slot) {
                if (!IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) &&
                    std::string_view(reinterpret_cast<const char*>(
                        reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData)->Name)) ==
                        function) {
                    return reinterpret_cast<void**>(&slot->u1.Function);
                }
            }
        }
        return nullptr;
    }
    void replace(void* function)
    {
        DWORD protection = 0;
        VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
        *slot_ = function;
        VirtualProtect(slot_, sizeof *slot_, protection, &protection);
    }
    static BOOL WINAPI recorded(HGDIOBJ object)
    {
        const BOOL deleted = real_(object);
        if (!deleted && object != nullptr) {
            failed_.push_back(object);
        }
        return deleted;
    }

    static inline DeleteObjectFn real_ = nullptr;
    static inline std::vector<HGDIOBJ> failed_;
    void** slot_;
};

// Makes an image control hand back the very bitmap it was last given, as a
// static control does that shows that bitmap rather than a copy of its own
// (Windows' own, for a bitmap without alpha); Wine's always copies. The copy
// it made is deleted here.
class KeepingImageControl {
public:
    explicit KeepingImageControl(HWND control) : control_(control)
    {
        given_ = nullptr;
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&procedure)));
    }
    ~KeepingImageControl()
    {
        if (IsWindow(control_)) {
            SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        }
    }
    KeepingImageControl(const KeepingImageControl&) = delete;
    KeepingImageControl& operator=(const KeepingImageControl&) = delete;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        const LRESULT result = CallWindowProcW(original_, window, message, wParam, lParam);
        if (message != STM_SETIMAGE || wParam != IMAGE_BITMAP) {
            return result;
        }
        const HBITMAP previous = std::exchange(given_, reinterpret_cast<HBITMAP>(lParam));
        // Until the first bitmap given here, what the control held is unknown.
        if (previous == nullptr) {
            return result;
        }
        if (result != 0 && reinterpret_cast<HBITMAP>(result) != previous) {
            DeleteObject(reinterpret_cast<HBITMAP>(result));
        }
        return reinterpret_cast<LRESULT>(previous);
    }

    static inline WNDPROC original_ = nullptr;
    static inline HBITMAP given_ = nullptr;
    HWND control_;
};

// Each screen's scale shows the logo drawn for it, pixel for pixel as
// decoded, the right way up and its colours in their places: the picture at
// 100 %, and at 125 and 150 % drawings whose edges are as sharp as the
// picture's at 100 %, not the picture blown up. Taken at the start and on a
// move to a screen of another scale alike. And each bitmap is deleted
// once, whichever of the window and its image control owns it.
TEST(Win32Logo, ShownAsTheDrawingForItsScaleAndDeletedOnce)
{
    DeletionLedger ledger;
    ASSERT_TRUE(ledger.hooked());
    const Pixels picture = decodeResource(L"LOGO");
    ASSERT_FALSE(picture.rgb.empty());
    // A picture that tells top from bottom, and a pixel whose channels differ
    // clearly, so that neither a flip nor red and blue changing places can
    // pass unseen.
    bool rowsDiffer = false;
    for (UINT x = 0; x < picture.width; ++x) {
        rowsDiffer = rowsDiffer || !alike(picture.at(x, 0), picture.at(x, picture.height - 1));
    }
    ASSERT_TRUE(rowsDiffer) << "the picture's top and bottom rows are alike";
    ASSERT_GE(distinctness(*std::max_element(picture.rgb.begin(), picture.rgb.end(),
                                             [](const Rgb& a, const Rgb& b) { return distinctness(a) < distinctness(b); })),
              10 * kTolerance)
        << "no pixel of distinct channels";

    Window atStart(fixedClock(L"zh-CN", 96));
    atStart.form->show(SW_SHOWNOACTIVATE);
    Window large(fixedClock(L"zh-CN", 120));
    large.form->show(SW_SHOWNOACTIVATE);
    Window moved(fixedClock(L"zh-CN", 96));
    moved.form->show(SW_SHOWNOACTIVATE);
    RECT suggested{100, 100, 1100, 580};
    SendMessageW(moved.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

    double sharpnessAt100 = 0;
    for (const auto& [window, drawing] : {std::pair{&atStart, L"LOGO"}, std::pair{&large, L"LOGO_125"},
                                          std::pair{&moved, L"LOGO_150"}}) {
        SCOPED_TRACE(utf8(drawing));
        const Pixels expected = decodeResource(drawing);
        const Pixels logo = painted(window->control("Image1"));
        ASSERT_EQ(logo.width, expected.width);
        ASSERT_EQ(logo.height, expected.height);
        std::size_t unlike = 0;
        for (std::size_t i = 0; i < logo.rgb.size(); ++i) {
            unlike += alike(logo.rgb[i], expected.rgb[i]) ? 0 : 1;
        }
        EXPECT_EQ(unlike, 0u) << "pixels unlike the drawing's, of " << logo.rgb.size();

        const double edges = sharpness(logo);
        if (sharpnessAt100 == 0) {
            sharpnessAt100 = edges;
            ASSERT_GT(edges, 10.0);
        }
        EXPECT_GE(edges, 0.8 * sharpnessAt100);
        // A blow-up by repeating pixels repeats every second to fifth line;
        // a drawing, hardly any.
        EXPECT_LE(repeatedLines(logo, false), static_cast<int>(logo.height / 20));
        EXPECT_LE(repeatedLines(logo, true), static_cast<int>(logo.width / 20));
    }

    // Moved on, and the windows closed, with an image control that copies
    // (Wine's) and with one that hands back the bitmap it was given: neither
    // a copy nor the drawing's own logo is deleted a second time.
    KeepingImageControl keeping(moved.control("Image1"));
    for (const UINT dpi : {96u, 120u, 144u}) {
        suggested = RECT{100, 100, 100 + MulDiv(672, static_cast<int>(dpi), 96), 421};
        SendMessageW(moved.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    for (Window* window : {&atStart, &large, &moved}) {
        window->form.reset();
    }
    EXPECT_TRUE(ledger.failed().empty()) << ledger.failed().size() << " objects deleted that were none";
}

}  // namespace
}  // namespace testing
}  // namespace chengxi
