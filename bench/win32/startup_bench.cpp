// Start-up to the first complete selection, and peak working set, of the
// Windows program beside a bare Win32 window with a 100 ms timer, measured
// the same way in the same run:
//   startup_bench.exe [--runs=N] [--poll=MS] [--program=chengxi-water.exe] [--bare=bare_window.exe]
// The two are started alternately, each run timed from just before
// CreateProcessW until the window is ready, as seen from here, looking every
// MS milliseconds (default 5):
//  - the query window when its three combo boxes all hold entries: the
//    province list is filled as it loads, the city and district lists at the
//    first tick of its timer, in one handler;
//  - the bare window when its title reads "ready", which it sets at its
//    first tick.
// Then its peak working set is read, the window closed with WM_CLOSE and the
// process waited for. One run of each first, not counted, warms the caches.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kQueryClass[] = L"ChengxiWaterForm1";
constexpr wchar_t kBareClass[] = L"ChengxiBareWindow";
constexpr std::size_t kQueryComboBoxes = 3;
constexpr DWORD kReadyTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr UINT kAnswerTimeoutMs = 1000;
// Under Wine every look is a round trip to the wineserver that the starting
// program needs too: looking every 1 or 2 ms delays it by tens of
// milliseconds, every 5 or 10 ms hardly at all.
DWORD pollMs = 5;

struct Sample {
    double windowMs = 0;  // until its top-level window exists
    double readyMs = 0;
    double peakMiB = 0;     // peak working set
    double privateMiB = 0;  // private (committed) memory when ready
};

struct Target {
    const wchar_t* label;
    std::wstring path;
    const wchar_t* className;
    // Whether `window` is ready; `seen` keeps what it found between looks.
    bool (*isReady)(HWND window, std::vector<HWND>& seen);
    std::vector<Sample> samples;
};

double now()
{
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e3;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticksPerMs;
}

std::wstring besideSelf(const std::wstring& relative)
{
    std::wstring self(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()))) == self.size()) {
        self.resize(self.size() * 2);
    }
    self.resize(length);
    std::wstring path = self.substr(0, self.find_last_of(L"\\/") + 1) + relative;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// The top-level window of class `className` that belongs to `processId`.
HWND windowOf(const wchar_t* className, DWORD processId)
{
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, className, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) {
            return window;
        }
    }
    return nullptr;
}

bool bareReady(HWND window, std::vector<HWND>&)
{
    wchar_t title[16] = {};
    GetWindowTextW(window, title, static_cast<int>(std::size(title)));
    return std::wcscmp(title, L"ready") == 0;
}

BOOL CALLBACK collectComboBox(HWND child, LPARAM boxes)
{
    wchar_t className[32] = {};
    GetClassNameW(child, className, static_cast<int>(std::size(className)));
    if (_wcsicmp(className, L"ComboBox") == 0) {
        reinterpret_cast<std::vector<HWND>*>(boxes)->push_back(child);
    }
    return TRUE;
}

// Each look costs the program's wineserver a round trip or more per call, so
// the boxes are listed once all three exist, and the look stops at the first
// empty one.
bool queryReady(HWND window, std::vector<HWND>& boxes)
{
    if (boxes.size() != kQueryComboBoxes) {
        boxes.clear();
        EnumChildWindows(window, &collectComboBox, reinterpret_cast<LPARAM>(&boxes));
        if (boxes.size() != kQueryComboBoxes) {
            return false;
        }
    }
    for (HWND box : boxes) {
        DWORD_PTR count = 0;
        if (SendMessageTimeoutW(box, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &count) == 0 ||
            static_cast<LRESULT>(count) <= 0) {
            return false;
        }
    }
    return true;
}

std::optional<Sample> runOnce(const Target& target)
{
    std::wstring commandLine = L"\"" + target.path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = now();
    if (!CreateProcessW(target.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", target.path.c_str(), GetLastError());
        return std::nullopt;
    }
    CloseHandle(process.hThread);

    Sample sample;
    HWND window = nullptr;
    std::vector<HWND> seen;
    bool ready = false;
    while (now() - start < kReadyTimeoutMs) {
        if (window == nullptr && (window = windowOf(target.className, process.dwProcessId)) != nullptr) {
            sample.windowMs = now() - start;
        }
        if (window != nullptr && target.isReady(window, seen)) {
            sample.readyMs = now() - start;
            ready = true;
            break;
        }
        if (WaitForSingleObject(process.hProcess, pollMs) == WAIT_OBJECT_0) {
            break;
        }
    }

    // PagefileUsage is the process's commit charge, its private memory: Wine
    // fills it (from the Linux process's anonymous pages and swap) where it
    // leaves PrivateUsage zero for another process.
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    const bool measured = ready && GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory) != 0;
    sample.peakMiB = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
    sample.privateMiB = static_cast<double>(memory.PagefileUsage) / (1024.0 * 1024.0);

    if (window != nullptr) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    DWORD exitCode = 1;
    if (WaitForSingleObject(process.hProcess, kExitTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, kExitTimeoutMs);
    } else {
        GetExitCodeProcess(process.hProcess, &exitCode);
    }
    CloseHandle(process.hProcess);

    if (!ready) {
        std::fwprintf(stderr, L"%ls: not ready within %lu ms\n", target.label, kReadyTimeoutMs);
        return std::nullopt;
    }
    if (!measured) {
        std::fwprintf(stderr, L"%ls: no memory counters (error %lu)\n", target.label, GetLastError());
        return std::nullopt;
    }
    if (exitCode != 0) {
        std::fwprintf(stderr, L"%ls: exit code %lu after WM_CLOSE\n", target.label, exitCode);
        return std::nullopt;
    }
    return sample;
}

double median(const std::vector<Sample>& samples, double Sample::*field)
{
    std::vector<double> values;
    for (const Sample& sample : samples) {
        values.push_back(sample.*field);
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool startsWith(const wchar_t* argument, const wchar_t* prefix, const wchar_t** value)
{
    const std::size_t length = std::wcslen(prefix);
    if (std::wcsncmp(argument, prefix, length) != 0) {
        return false;
    }
    *value = argument + length;
    return true;
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    int runs = 15;
    Target bare{L"bare Win32 window", besideSelf(L"bare_window.exe"), kBareClass, &bareReady, {}};
    Target query{L"query window", besideSelf(CHENGXI_PROGRAM_PATH), kQueryClass, &queryReady, {}};
    for (int i = 1; i < argc; ++i) {
        const wchar_t* value = nullptr;
        if (startsWith(argv[i], L"--runs=", &value)) {
            runs = static_cast<int>(std::wcstol(value, nullptr, 10));
        } else if (startsWith(argv[i], L"--poll=", &value)) {
            pollMs = static_cast<DWORD>(std::wcstoul(value, nullptr, 10));
        } else if (startsWith(argv[i], L"--program=", &value)) {
            query.path = value;
        } else if (startsWith(argv[i], L"--bare=", &value)) {
            bare.path = value;
        } else {
            std::fwprintf(stderr, L"usage: startup_bench [--runs=N] [--poll=MS] [--program=PATH] [--bare=PATH]\n");
            return 2;
        }
    }
    if (runs < 1) {
        std::fwprintf(stderr, L"startup_bench: --runs must be at least 1\n");
        return 2;
    }

    for (Target* target : {&bare, &query}) {
        if (!runOnce(*target)) {
            return 1;
        }
    }
    std::wprintf(L"%-4ls %-20ls %10ls %10ls %10ls %12ls\n", L"run", L"", L"window ms", L"ready ms", L"peak MiB",
                 L"private MiB");
    for (int run = 1; run <= runs; ++run) {
        for (Target* target : {&bare, &query}) {
            const std::optional<Sample> sample = runOnce(*target);
            if (!sample) {
                return 1;
            }
            std::wprintf(L"%-4d %-20ls %10.1f %10.1f %10.1f %12.1f\n", run, target->label, sample->windowMs,
                         sample->readyMs, sample->peakMiB, sample->privateMiB);
            std::fflush(stdout);
            target->samples.push_back(*sample);
        }
    }

    std::wprintf(L"\nmedians of %d runs        bare window  query window  ratio\n", runs);
    const struct {
        const wchar_t* name;
        double Sample::*field;
        const wchar_t* unit;
    } rows[] = {
        {L"window created", &Sample::windowMs, L"ms "},
        {L"start-up (ready)", &Sample::readyMs, L"ms "},
        {L"peak working set", &Sample::peakMiB, L"MiB"},
        {L"private memory", &Sample::privateMiB, L"MiB"},
    };
    for (const auto& row : rows) {
        const double bareValue = median(bare.samples, row.field);
        const double queryValue = median(query.samples, row.field);
        std::wprintf(L"%-20ls %8.1f %ls %9.1f %ls %7.2f\n", row.name, bareValue, row.unit, queryValue, row.unit,
                     queryValue / bareValue);
    }
    return 0;
}
