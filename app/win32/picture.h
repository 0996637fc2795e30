// Pictures from the program's resources, decoded by the Windows Imaging
// Component.
#pragma once

#include <windows.h>

namespace chengxi::win32 {

// The JPEG (or any format WIC decodes) stored as RCDATA resource `name` of
// `module`, as a 32-bit top-down DIB section of `width` × `height` pixels,
// scaled when that is not its natural size. 0 for either: the natural size.
// Needs COM on the calling thread; throws std::runtime_error on failure.
HBITMAP loadPictureResource(HMODULE module, const wchar_t* name, UINT width = 0, UINT height = 0);

// A 32-bit top-down DIB section of `width` × `height` pixels, each 0x00RRGGBB,
// whose pixels start at `*bits`; null where it cannot be made.
HBITMAP createPixelBitmap(int width, int height, void** bits);

}  // namespace chengxi::win32
