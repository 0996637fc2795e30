// Start-up to the first complete selection, and peak resident memory, of the
// query window beside an empty Qt window measured the same way: each run
// starts startup_probe, times it until it reports, and reads its peak memory.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string probePath;
struct Samples {
    std::vector<double> seconds;
    std::vector<double> peakKiB;
    std::vector<double> privateKiB;
};
Samples bare;
Samples window;

double median(std::vector<double> values)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void runProbe(benchmark::State& state, const char* mode, Samples& samples)
{
    const std::string command = probePath + " " + mode;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        long peak = 0;
        long privateMemory = 0;
        const int read = std::fscanf(pipe, "%ld %ld", &peak, &privateMemory);
        const auto ready = std::chrono::steady_clock::now();
        if (pclose(pipe) != 0 || read != 2) {
            state.SkipWithError("the probe failed");
            return;
        }
        const double seconds = std::chrono::duration<double>(ready - start).count();
        state.SetIterationTime(seconds);
        samples.seconds.push_back(seconds);
        samples.peakKiB.push_back(static_cast<double>(peak));
        samples.privateKiB.push_back(static_cast<double>(privateMemory));
    }
    state.counters["peak_KiB"] = median(samples.peakKiB);
    state.counters["private_KiB"] = median(samples.privateKiB);
}

void StartupBareWindow(benchmark::State& state)
{
    runProbe(state, "bare", bare);
}
void StartupQueryWindow(benchmark::State& state)
{
    runProbe(state, "window", window);
}
BENCHMARK(StartupBareWindow)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK(StartupQueryWindow)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    const std::string self = argv[0];
    probePath = self.substr(0, self.find_last_of('/') + 1) + "startup_probe";
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!bare.seconds.empty() && !window.seconds.empty()) {
        std::printf("start-up  (median): bare %.1f ms, query window %.1f ms, ratio %.2f\n",
                    median(bare.seconds) * 1e3, median(window.seconds) * 1e3,
                    median(window.seconds) / median(bare.seconds));
        std::printf("peak RSS  (median): bare %.0f KiB, query window %.0f KiB, ratio %.2f\n",
                    median(bare.peakKiB), median(window.peakKiB), median(window.peakKiB) / median(bare.peakKiB));
        std::printf("private   (median): bare %.0f KiB, query window %.0f KiB, ratio %.2f\n",
                    median(bare.privateKiB), median(window.privateKiB),
                    median(window.privateKiB) / median(bare.privateKiB));
    }
    return 0;
}
