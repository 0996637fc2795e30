// The main of the Win32 window tests: COM for the logo's decoder and the
// accessibility interfaces, and the common controls, as the program has them.
// A run that would otherwise wait for CTest's timeout fails at once instead:
// an exception that leaves a window procedure uncaught, a crash, or an error
// box, which nobody can close under Wine's null driver.
#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <exception>

#include "app/win32/form1_window.h"

namespace {

constexpr UINT kStuck = 3;

[[noreturn]] void endRun(const char* why)
{
    std::fprintf(stderr, "\n*** %s: the test run ends here\n", why);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), kStuck);
    ExitProcess(kStuck);
}

LONG WINAPI crashed(EXCEPTION_POINTERS* exception)
{
    char why[64];
    std::snprintf(why, sizeof why, "unhandled exception 0x%08lx",
                  static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode));
    endRun(why);
}

// Any dialog box the process opens: the window's error box, shown because a
// failure reached no handler.
LRESULT CALLBACK watchDialogs(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (create->lpcs->lpszClass == MAKEINTATOM(32770)) {
            endRun("a dialog box opened");
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    std::set_terminate([] { endRun("an exception was not caught"); });
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(&crashed);
    SetWindowsHookExW(WH_CBT, &watchDialogs, nullptr, GetCurrentThreadId());
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
