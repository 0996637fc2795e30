// The main of the Win32 window tests: COM for the logo's decoder and the
// accessibility interfaces, and the common controls, as the program has them.
#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include "app/win32/form1_window.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        return 2;
    }
    chengxi::win32::initialiseControls();
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
