// The Win32 control layer where Windows refuses: a real combo box whose
// answer to one message is replaced by a refusal, so that every refusal the
// layer looks for is met once. And the logo the window shows, against the
// picture in the program's resources decoded here on its own.
#include <windows.h>

#include <commctrl.h>
#include <wincodec.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <ostream>
#include <optional>
#include <string>
#include <vector>

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

// The pixels of a bitmap, read back as a 32-bit top-down DIB.
Pixels readBitmap(HBITMAP bitmap)
{
    Pixels pixels;
    BITMAP header{};
    if (GetObjectW(bitmap, sizeof header, &header) == 0) {
        ADD_FAILURE() << "not a bitmap";
        return pixels;
    }
    pixels.width = static_cast<UINT>(header.bmWidth);
    pixels.height = static_cast<UINT>(header.bmHeight);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = header.bmWidth;
    info.bmiHeader.biHeight = -header.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<BYTE> raw(static_cast<std::size_t>(pixels.width) * pixels.height * 4);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, pixels.height, raw.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(rows, static_cast<int>(pixels.height));
    for (std::size_t i = 0; i < raw.size(); i += 4) {
        pixels.rgb.push_back({raw[i + 2], raw[i + 1], raw[i]});  // stored blue, green, red
    }
    return pixels;
}

constexpr int kTolerance = 2;

bool alike(const Rgb& a, const Rgb& b)
{
    return std::abs(a.red - b.red) <= kTolerance && std::abs(a.green - b.green) <= kTolerance &&
           std::abs(a.blue - b.blue) <= kTolerance;
}

std::string describe(const Rgb& c)
{
    return "(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue) + ")";
}

// How clearly red, green and blue differ from one another in a pixel.
int distinctness(const Rgb& c)
{
    return std::min({std::abs(c.red - c.green), std::abs(c.green - c.blue), std::abs(c.blue - c.red)});
}

// At 96 dpi the logo is shown at its natural size, pixel for pixel as
// decoded: the right way up and its colours in their places.
TEST(Win32Logo, ShownAsThePictureAt96Dpi)
{
    const Pixels picture = decodeResource(L"LOGO");
    ASSERT_FALSE(picture.rgb.empty());
    Window w(fixedClock(L"zh-CN", 96));
    const auto shown = reinterpret_cast<HBITMAP>(SendMessageW(w.control("Image1"), STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(shown, nullptr);
    const Pixels logo = readBitmap(shown);
    ASSERT_EQ(logo.width, picture.width);
    ASSERT_EQ(logo.height, picture.height);

    // Rows that tell top from bottom, and a pixel whose channels differ
    // clearly, so that red and blue cannot change places unseen.
    bool rowsDiffer = false;
    UINT distinctX = 0;
    UINT distinctY = 0;
    for (UINT y = 0; y < picture.height; ++y) {
        for (UINT x = 0; x < picture.width; ++x) {
            if (distinctness(picture.at(x, y)) > distinctness(picture.at(distinctX, distinctY))) {
                distinctX = x;
                distinctY = y;
            }
        }
    }
    for (UINT x = 0; x < picture.width; ++x) {
        rowsDiffer = rowsDiffer || !alike(picture.at(x, 0), picture.at(x, picture.height - 1));
    }
    ASSERT_TRUE(rowsDiffer) << "the picture's top and bottom rows are alike";
    ASSERT_GE(distinctness(picture.at(distinctX, distinctY)), 10 * kTolerance) << "no pixel of distinct channels";

    for (const UINT y : {0u, picture.height - 1}) {
        for (UINT x = 0; x < picture.width; ++x) {
            ASSERT_TRUE(alike(logo.at(x, y), picture.at(x, y)))
                << "at (" << x << ", " << y << "): " << describe(logo.at(x, y)) << " for "
                << describe(picture.at(x, y));
        }
    }
    EXPECT_TRUE(alike(logo.at(distinctX, distinctY), picture.at(distinctX, distinctY)))
        << "at (" << distinctX << ", " << distinctY << "): " << describe(logo.at(distinctX, distinctY)) << " for "
        << describe(picture.at(distinctX, distinctY));
}

}  // namespace
}  // namespace testing
}  // namespace chengxi
