// The program as Windows sees it: the one file's version information, icon
// and manifest read back through Windows' own resource functions, and the
// program started as a user starts it and driven from another process, the
// way assistive tools and test robots reach its window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win32/form1_window.h"
#include "app/win32/win32_controls.h"

namespace chengxi::testing {

// The program under test, from the command line (--program=PATH).
std::wstring programPath;

namespace {

std::wstring versionString(const std::vector<BYTE>& info, const wchar_t* name)
{
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
    if (!VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || value == nullptr) {
        return L"(none)";
    }
    return std::wstring(value, length > 0 ? length - 1 : 0);
}

TEST(Win32Program, VersionInformation)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(programPath.c_str(), &handle);
    ASSERT_GT(size, 0u) << "no version information";
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(programPath.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));  // 1.0
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);              // .0.0
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    // Chinese (PRC), Unicode.
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);

    EXPECT_EQ(versionString(info, L"FileVersion"), L"1.00");
    EXPECT_EQ(versionString(info, L"ProductVersion"), L"1.00");
    EXPECT_EQ(versionString(info, L"ProductName"), L"澄溪水质查询系统");
    EXPECT_EQ(versionString(info, L"CompanyName"), L"山东澄溪水处理设备有限公司");
    EXPECT_EQ(versionString(info, L"OriginalFilename"), L"chengxi-water.exe");
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
struct IconGroup {
    WORD reserved;
    WORD type;
    WORD count;
    IconGroupEntry entries[1];
};
#pragma pack(pop)

BOOL CALLBACK firstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    *reinterpret_cast<std::wstring*>(found) =
        IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : std::wstring(name);
    return FALSE;
}

TEST(Win32Program, IconAndManifest)
{
    HMODULE program = LoadLibraryExW(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);

    // Explorer shows the first icon group: the butterfly, 32 and 16 pixels
    // of 256 colours.
    std::wstring first;
    EnumResourceNamesW(program, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, &firstName,
                       reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ(first, L"IDI_ICON1");
    HRSRC group = FindResourceW(program, L"IDI_ICON1", MAKEINTRESOURCEW(14));
    ASSERT_NE(group, nullptr);
    const auto* icons = static_cast<const IconGroup*>(LockResource(LoadResource(program, group)));
    ASSERT_EQ(icons->count, 2);
    EXPECT_EQ(icons->entries[0].width, 32);
    EXPECT_EQ(icons->entries[1].width, 16);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(icons->entries[i].bitCount, 8) << i;
    }
    EXPECT_NE(LoadImageW(program, L"IDI_ICON1", IMAGE_ICON, 16, 16, 0), nullptr);

    // The manifest asks for visual styles and declares DPI awareness.
    HRSRC manifest = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */);
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(program, manifest))),
                           SizeofResource(program, manifest));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("<dpiAware"), std::string::npos);
    EXPECT_NE(text.find("PerMonitorV2"), std::string::npos);
    FreeLibrary(program);
}

// The program, started and closed again; its window found by its class.
class RunningProgram {
public:
    RunningProgram()
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + programPath + L"\"";
        if (!CreateProcessW(programPath.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_)) {
            return;
        }
        WaitForInputIdle(process_.hProcess, 10000);
        const ULONGLONG until = GetTickCount64() + 10000;
        while (window_ == nullptr && GetTickCount64() < until) {
            HWND found = nullptr;
            while ((found = FindWindowExW(nullptr, found, L"ChengxiWaterForm1", nullptr)) != nullptr) {
                DWORD owner = 0;
                GetWindowThreadProcessId(found, &owner);
                if (owner == process_.dwProcessId) {
                    window_ = found;
                }
            }
            Sleep(10);
        }
    }
    ~RunningProgram()
    {
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 99);
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }

    HWND window() const { return window_; }
    HWND control(const char* name) const { return GetDlgItem(window_, win32::Form1Window::controlId(name)); }
    std::wstring text(const char* name) const { return win32::windowText(control(name)); }
    LRESULT count(const char* name) const { return SendMessageW(control(name), CB_GETCOUNT, 0, 0); }
    // Waits for the program to end; its exit status, or -1.
    long exitCode(DWORD milliseconds) const
    {
        DWORD code = 0;
        if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0 ||
            !GetExitCodeProcess(process_.hProcess, &code)) {
            return -1;
        }
        return static_cast<long>(code);
    }

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

template <typename Done>
bool waitFor(Done done, DWORD milliseconds)
{
    const ULONGLONG until = GetTickCount64() + milliseconds;
    while (!done()) {
        if (GetTickCount64() > until) {
            return false;
        }
        Sleep(5);
    }
    return true;
}

TEST(Win32Program, RunsAndAnswersFromAnotherProcess)
{
    RunningProgram program;
    ASSERT_NE(program.window(), nullptr) << "no window of the program";
    EXPECT_TRUE(IsWindowVisible(program.window()));
    EXPECT_EQ(win32::windowText(program.window()), L"欢迎使用澄溪水质查询系统");

    // The first tick completes the selection.
    ASSERT_TRUE(waitFor([&] { return program.count("Combo3") == 16; }, 5000));
    EXPECT_EQ(program.count("Combo1"), 31);
    EXPECT_NE(program.text("Label2"), L"Label2");

    // A province set into the first box, as a tool would type it.
    HWND edit = GetWindow(program.control("Combo1"), GW_CHILD);
    ASSERT_NE(edit, nullptr);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"安徽"));
    ASSERT_TRUE(waitFor([&] { return program.text("Combo3") == L"枞阳县" && program.count("Combo3") == 11; }, 5000));
    EXPECT_EQ(program.text("Combo2"), L"安庆");
    SendMessageW(program.control("Command1"), BM_CLICK, 0, 0);
    EXPECT_EQ(program.text("Label8"), L"146");
    EXPECT_EQ(program.text("Label10"), L"0.06mg/L");

    // Closing the window ends the program, successfully.
    PostMessageW(program.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(10000), 0);
}

}  // namespace
}  // namespace chengxi::testing

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--program=", 0) == 0) {
            // A path of the Linux host reaches the program as Wine maps it.
            std::string path = argument.substr(10);
            if (!path.empty() && path.front() == '/') {
                path = "Z:" + path;
            }
            chengxi::testing::programPath.assign(path.begin(), path.end());
        }
    }
    if (chengxi::testing::programPath.empty()) {
        std::fputs("usage: win32_program_tests --program=PATH-OF-chengxi-water.exe\n", stderr);
        return 2;
    }
    const int result = RUN_ALL_TESTS();
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fputs("no test case matches the filter\n", stderr);
        return 1;
    }
    return result;
}
