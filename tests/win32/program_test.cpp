// The program as Windows sees it: the one file's version information, icon
// and manifest read back through Windows' own resource functions, and the
// program started as a user starts it and driven from another process, the
// way assistive tools and test robots reach its window.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "app/win32/form1_window.h"
#include "app/win32/win32_controls.h"
#include "tests/win32/window_support.h"

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

TEST(Win32Program, Icon)
{
    HMODULE program = LoadLibraryExW(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);

    // Explorer shows the first icon group. Its first images are the
    // butterfly at 32 and 16 pixels of 256 colours, for the oldest shells;
    // true colour with alpha follows at the same sizes, which Windows takes
    // on today's screens, and at the sizes of the common scales.
    std::wstring first;
    EnumResourceNamesW(program, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, &firstName,
                       reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ(first, L"IDI_ICON1");
    HRSRC group = FindResourceW(program, L"IDI_ICON1", MAKEINTRESOURCEW(14));
    ASSERT_NE(group, nullptr);
    const auto* icons = static_cast<const IconGroup*>(LockResource(LoadResource(program, group)));
    struct Image {
        int width;  // 0: 256
        int bitCount;
    };
    const Image expected[] = {{32, 8}, {16, 8}, {32, 32}, {16, 32}, {20, 32}, {24, 32}, {40, 32}, {48, 32}, {64, 32}, {0, 32}};
    ASSERT_EQ(icons->count, std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const IconGroupEntry& entry = icons->entries[i];
        EXPECT_EQ(entry.width, expected[i].width) << i;
        EXPECT_EQ(entry.height, expected[i].width) << i;
        EXPECT_EQ(entry.bitCount, expected[i].bitCount) << i;
    }
    EXPECT_NE(LoadImageW(program, L"IDI_ICON1", IMAGE_ICON, 16, 16, 0), nullptr);
    FreeLibrary(program);
}

// One element of an XML text: where it starts and ends, its attributes and
// the text between its tags.
struct Element {
    std::size_t begin = std::string::npos;
    std::size_t end = std::string::npos;
    std::string attributes;
    std::string content;

    bool found() const { return begin != std::string::npos; }
    bool within(const Element& outer) const { return found() && outer.found() && outer.begin < begin && end <= outer.end; }
    // An attribute's value, or "(none)".
    std::string attribute(std::string_view name) const
    {
        for (std::size_t at = attributes.find(name); at != std::string::npos; at = attributes.find(name, at + 1)) {
            const bool starts = at == 0 || std::isspace(static_cast<unsigned char>(attributes[at - 1]));
            std::size_t next = at + name.size();
            while (next < attributes.size() && std::isspace(static_cast<unsigned char>(attributes[next]))) {
                ++next;
            }
            if (!starts || next >= attributes.size() || attributes[next] != '=') {
                continue;
            }
            const std::size_t open = attributes.find_first_of("\"'", next + 1);
            const std::size_t close = open == std::string::npos ? open : attributes.find(attributes[open], open + 1);
            if (close != std::string::npos) {
                return attributes.substr(open + 1, close - open - 1);
            }
        }
        return "(none)";
    }
};

// The elements named `name` (no namespace prefix), in document order.
std::vector<Element> elements(const std::string& xml, std::string_view name)
{
    std::vector<Element> found;
    const std::string open = "<" + std::string(name);
    for (std::size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1)) {
        const std::size_t afterName = at + open.size();
        if (afterName >= xml.size() || !(std::isspace(static_cast<unsigned char>(xml[afterName])) ||
                                          xml[afterName] == '>' || xml[afterName] == '/')) {
            continue;  // a longer name
        }
        const std::size_t tagEnd = xml.find('>', afterName);
        if (tagEnd == std::string::npos) {
            break;
        }
        Element element;
        element.begin = at;
        const bool empty = xml[tagEnd - 1] == '/';
        element.attributes = xml.substr(afterName, tagEnd - afterName - (empty ? 1 : 0));
        if (empty) {
            element.end = tagEnd + 1;
        } else {
            const std::string close = "</" + std::string(name) + ">";
            const std::size_t closeAt = xml.find(close, tagEnd);
            if (closeAt == std::string::npos) {
                continue;
            }
            element.content = xml.substr(tagEnd + 1, closeAt - tagEnd - 1);
            element.end = closeAt + close.size();
        }
        found.push_back(element);
    }
    return found;
}

Element only(const std::string& xml, std::string_view name)
{
    const std::vector<Element> found = elements(xml, name);
    EXPECT_EQ(found.size(), 1u) << name;
    return found.empty() ? Element{} : found.front();
}

std::string trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first, last - first + 1));
}

// The manifest as Windows' loader reads it from the program file: the
// Common Controls 6 for visual styles, and DPI awareness per monitor, in the
// form each Windows version reads (the 2005 element up to Windows 10 1511,
// the 2016 element from 1607 on). A test program linking the same resources
// cannot tell: Wine answers IsProcessDPIAware() true whatever the manifest.
TEST(Win32Program, ManifestAsksForVisualStylesAndPerMonitorDpiAwareness)
{
    HMODULE program =
        LoadLibraryExW(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    // The loader reads the manifest of id 1 for a program.
    HRSRC resource = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */);
    ASSERT_NE(resource, nullptr);
    const std::string xml(static_cast<const char*>(LockResource(LoadResource(program, resource))),
                          SizeofResource(program, resource));
    FreeLibrary(program);

    // Common Controls 6.0.0.0, a dependency of the program.
    const Element dependency = only(xml, "dependency");
    const Element dependent = only(xml, "dependentAssembly");
    EXPECT_TRUE(dependent.within(dependency));
    int commonControls = 0;
    for (const Element& identity : elements(xml, "assemblyIdentity")) {
        if (identity.attribute("name") != "Microsoft.Windows.Common-Controls") {
            continue;
        }
        ++commonControls;
        EXPECT_TRUE(identity.within(dependent));
        EXPECT_EQ(identity.attribute("type"), "win32");
        EXPECT_EQ(identity.attribute("version"), "6.0.0.0");
        EXPECT_EQ(identity.attribute("publicKeyToken"), "6595b64144ccf1df");
        const std::string architecture = identity.attribute("processorArchitecture");
        EXPECT_TRUE(architecture == "*" || architecture == "amd64") << architecture;
    }
    EXPECT_EQ(commonControls, 1);

    // DPI awareness: settings of the application, each element in its own
    // namespace, without which Windows ignores it.
    const Element application = [&] {
        for (const Element& element : elements(xml, "application")) {
            if (element.attribute("xmlns") == "urn:schemas-microsoft-com:asm.v3") {
                return element;
            }
        }
        return Element{};
    }();
    ASSERT_TRUE(application.found()) << xml;
    const Element settings = only(xml, "windowsSettings");
    EXPECT_TRUE(settings.within(application));

    const Element dpiAware = only(xml, "dpiAware");
    EXPECT_TRUE(dpiAware.within(settings));
    EXPECT_EQ(dpiAware.attribute("xmlns"), "http://schemas.microsoft.com/SMI/2005/WindowsSettings");
    EXPECT_EQ(trimmed(dpiAware.content), "true/pm");

    const Element dpiAwareness = only(xml, "dpiAwareness");
    EXPECT_TRUE(dpiAwareness.within(settings));
    EXPECT_EQ(dpiAwareness.attribute("xmlns"), "http://schemas.microsoft.com/SMI/2016/WindowsSettings");
    // A list, the first entry this Windows knows applies.
    const std::string& list = dpiAwareness.content;
    EXPECT_EQ(trimmed(std::string_view(list).substr(0, list.find(','))), "PerMonitorV2") << list;
}

// The program, started and closed again; its window found by its class. Its
// standard error goes into a pipe, read once it has ended.
class RunningProgram {
public:
    RunningProgram()
    {
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        HANDLE errorWrite = nullptr;
        if (!CreatePipe(&errorRead_, &errorWrite, &inherited, 0)) {
            return;
        }
        SetHandleInformation(errorRead_, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdError = errorWrite;
        std::wstring command = L"\"" + programPath + L"\"";
        const BOOL started = CreateProcessW(programPath.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                            nullptr, &startup, &process_);
        CloseHandle(errorWrite);
        if (!started) {
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
        if (errorRead_ != nullptr) {
            CloseHandle(errorRead_);
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND window() const { return window_; }
    DWORD processId() const { return process_.dwProcessId; }
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
    // What the program has written to standard error so far, without
    // waiting for more.
    const std::string& errorsSoFar()
    {
        char buffer[4096];
        DWORD available = 0;
        DWORD read = 0;
        while (PeekNamedPipe(errorRead_, nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
               ReadFile(errorRead_, buffer, std::min<DWORD>(available, sizeof buffer), &read, nullptr) && read > 0) {
            errors_.append(buffer, read);
        }
        return errors_;
    }
    // All the program wrote to standard error; once it has ended.
    std::string errorOutput()
    {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(errorRead_, buffer, sizeof buffer, &read, nullptr) && read > 0) {
            errors_.append(buffer, read);
        }
        return errors_;
    }

private:
    PROCESS_INFORMATION process_{};
    HANDLE errorRead_ = nullptr;
    HWND window_ = nullptr;
    std::string errors_;
};

// How often `part` stands in `text`.
std::size_t occurrences(const std::string& text, std::string_view part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

TEST(Win32Program, RunsAndAnswersFromAnotherProcess)
{
    RunningProgram program;
    ASSERT_NE(program.window(), nullptr) << "no window of the program";
    EXPECT_TRUE(IsWindowVisible(program.window()));
    EXPECT_EQ(win32::windowText(program.window()), L"欢迎使用澄溪水质查询系统");

    // The first tick completes the selection.
    ASSERT_TRUE(pumpUntil([&] { return program.count("Combo3") == 16; }, 5000));
    EXPECT_EQ(program.count("Combo1"), 31);
    EXPECT_NE(program.text("Label2"), L"Label2");

    // A province set into the first box, as a tool would type it.
    HWND edit = GetWindow(program.control("Combo1"), GW_CHILD);
    ASSERT_NE(edit, nullptr);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"安徽"));
    ASSERT_TRUE(pumpUntil([&] { return program.text("Combo3") == L"枞阳县" && program.count("Combo3") == 11; }, 5000));
    EXPECT_EQ(program.text("Combo2"), L"安庆");
    SendMessageW(program.control("Command1"), BM_CLICK, 0, 0);
    EXPECT_EQ(program.text("Label8"), L"146");
    EXPECT_EQ(program.text("Label10"), L"0.06mg/L");

    // Closing the window ends the program, successfully.
    PostMessageW(program.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.exitCode(10000), 0);
}

// The dialog boxes (window class #32770) of the given process.
std::vector<HWND> dialogsOf(DWORD processId)
{
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* into = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t className[16] = {};
            GetClassNameW(window, className, static_cast<int>(std::size(className)));
            if (owner == into->processId && std::wstring_view(className) == L"#32770") {
                into->found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The program's own answer to a failed control operation, seen from outside:
// a list filled past its 16-bit count by another process cannot be emptied
// when the city changes. The user reads why in a box of the window, the
// clock stops, and closing the box ends the program with a failure.
TEST(Win32Program, FailedControlOperationIsShownAndEndsTheProgram)
{
    // Each wait is for the event itself, and long: Wine on a busy machine
    // may take seconds where it usually takes milliseconds.
    constexpr DWORD kPatience = 30000;
    RunningProgram program;
    ASSERT_NE(program.window(), nullptr) << "no window of the program";
    ASSERT_TRUE(pumpUntil([&] { return program.count("Combo3") == 16; }, kPatience)) << "no first tick";
    // The clock runs: it shows the seconds.
    const std::wstring started = program.text("Label2");
    ASSERT_TRUE(pumpUntil([&] { return program.text("Label2") != started; }, kPatience)) << "the clock stands still";

    // Past the 16-bit count: a few seconds under Wine, where each message
    // crosses to the program and back.
    HWND districts = program.control("Combo3");
    for (LRESULT count = program.count("Combo3"); count <= 32800; ++count) {
        ASSERT_EQ(SendMessageW(districts, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"x")), count);
    }
    ASSERT_TRUE(dialogsOf(program.processId()).empty());
    HWND cityEdit = GetWindow(program.control("Combo2"), GW_CHILD);
    ASSERT_NE(cityEdit, nullptr);
    SendMessageW(cityEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"上海"));

    ASSERT_TRUE(pumpUntil([&] { return !dialogsOf(program.processId()).empty(); }, kPatience)) << "no message box";
    HWND box = dialogsOf(program.processId()).front();
    EXPECT_EQ(GetWindow(box, GW_OWNER), program.window());
    EXPECT_EQ(win32::windowText(box), L"澄溪水质查询系统");
    // The message, in the box's static text.
    const std::wstring message = win32::windowText(GetDlgItem(box, 0xFFFF));
    EXPECT_TRUE(message.starts_with(L"运行时错误：")) << utf8(message);
    EXPECT_NE(message.find(L"县级列表中的条目多于它能计数的 32767 项。"), std::wstring::npos) << utf8(message);
    EXPECT_TRUE(message.ends_with(L"澄溪水质查询系统将关闭。")) << utf8(message);
    // The technical sentence, for a log, written before the box came up.
    const std::string line = "chengxi-water: run-time error: Combo3: ";
    EXPECT_EQ(occurrences(program.errorsSoFar(), line), 1u) << program.errorsSoFar();

    // A tick that comes all the same (one posted here, after the city
    // changed back) fails again while the box is up, and goes to standard
    // error alone.
    SendMessageW(cityEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"北京"));
    PostMessageW(program.window(), WM_TIMER, win32::Form1Window::kTimer1Id, 0);
    ASSERT_TRUE(pumpUntil([&] { return occurrences(program.errorsSoFar(), line) == 2; }, kPatience))
        << "the tick did not fail again: " << program.errorsSoFar();
    EXPECT_EQ(dialogsOf(program.processId()), std::vector<HWND>{box}) << "a box for each failure";
    // The timer is stopped: over more than a second, the clock keeps its last
    // second.
    const std::wstring clock = program.text("Label2");
    Sleep(1100);
    EXPECT_EQ(program.text("Label2"), clock);

    // OK closes the box, and the program ends with a failure, having written
    // nothing more.
    HWND ok = GetDlgItem(box, IDOK);
    ASSERT_NE(ok, nullptr);
    SendMessageTimeoutW(ok, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kPatience, nullptr);
    ASSERT_EQ(program.exitCode(kPatience), 1);
    EXPECT_EQ(occurrences(program.errorOutput(), line), 2u) << program.errorOutput();
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
