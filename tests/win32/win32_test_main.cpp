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
    // One case per run: a run that selects none fails rather than passes.
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fputs("no test case matches the filter\n", stderr);
        return 1;
    }
    return result;
}
