#include "app/win32/picture.h"

#include <wincodec.h>

#include <stdexcept>
#include <string>

namespace chengxi::win32 {

namespace {

// Owns one COM interface pointer.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef()
    {
        if (p_ != nullptr) {
            p_->Release();
        }
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T** put() { return &p_; }
    T* get() const { return p_; }
    T* operator->() const { return p_; }

private:
    T* p_ = nullptr;
};

void check(HRESULT result, const char* what)
{
    if (FAILED(result)) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08lx", static_cast<unsigned long>(result));
        throw std::runtime_error(std::string("logo: ") + what + " failed (" + code + ")");
    }
}

}  // namespace

HBITMAP loadPictureResource(HMODULE module, const wchar_t* name, UINT width, UINT height)
{
    HRSRC resource = FindResourceW(module, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    auto* bytes = static_cast<BYTE*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    const DWORD size = resource != nullptr ? SizeofResource(module, resource) : 0;
    if (bytes == nullptr || size == 0) {
        throw std::runtime_error("logo: the picture is missing from the program's resources");
    }

    ComRef<IWICImagingFactory> factory;
    check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                           reinterpret_cast<void**>(factory.put())),
          "creating the imaging factory");
    ComRef<IWICStream> stream;
    check(factory->CreateStream(stream.put()), "creating a stream");
    check(stream->InitializeFromMemory(bytes, size), "reading the resource");
    ComRef<IWICBitmapDecoder> decoder;
    check(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnLoad, decoder.put()),
          "finding a decoder");
    ComRef<IWICBitmapFrameDecode> frame;
    check(decoder->GetFrame(0, frame.put()), "decoding");
    ComRef<IWICFormatConverter> converter;
    check(factory->CreateFormatConverter(converter.put()), "creating a converter");
    check(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                WICBitmapPaletteTypeCustom),
          "converting to 32-bit BGR");

    UINT naturalWidth = 0;
    UINT naturalHeight = 0;
    check(converter->GetSize(&naturalWidth, &naturalHeight), "reading the size");
    width = width != 0 ? width : naturalWidth;
    height = height != 0 ? height : naturalHeight;
    IWICBitmapSource* source = converter.get();
    ComRef<IWICBitmapScaler> scaler;
    if (width != naturalWidth || height != naturalHeight) {
        check(factory->CreateBitmapScaler(scaler.put()), "creating a scaler");
        check(scaler->Initialize(converter.get(), width, height, WICBitmapInterpolationModeFant), "scaling");
        source = scaler.get();
    }

    void* pixels = nullptr;
    HBITMAP bitmap = createPixelBitmap(static_cast<int>(width), static_cast<int>(height), &pixels);
    if (bitmap == nullptr) {
        throw std::runtime_error("logo: no memory for the picture");
    }
    const UINT stride = width * 4;
    const HRESULT copied = source->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(pixels));
    if (FAILED(copied)) {
        DeleteObject(bitmap);
        check(copied, "copying the pixels");
    }
    return bitmap;
}

HBITMAP createPixelBitmap(int width, int height, void** bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

}  // namespace chengxi::win32
