// The program on Windows: the query window and its message loop.
#include <windows.h>

#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "app/win32/form1_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    // The logo is decoded by the Windows Imaging Component, a COM service.
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        MessageBoxW(nullptr, L"无法初始化 COM。", L"澄溪水质查询系统", MB_OK | MB_ICONERROR);
        return EXIT_FAILURE;
    }
    chengxi::win32::initialiseControls();
    int status = EXIT_SUCCESS;
    try {
        chengxi::win32::Form1Window window;
        window.show(showCommand);
        MSG message;
        BOOL got;
        while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
            if (!window.translateDialogMessage(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        status = got < 0 ? EXIT_FAILURE : static_cast<int>(message.wParam);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "chengxi-water: cannot open the window: %s\n", error.what());
        std::fflush(stderr);
        MessageBoxW(nullptr, L"无法打开澄溪水质查询系统的窗口。", L"澄溪水质查询系统", MB_OK | MB_ICONERROR);
        status = EXIT_FAILURE;
    }
    CoUninitialize();
    return status;
}
