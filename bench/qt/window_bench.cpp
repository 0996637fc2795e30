// The same handlers through the real Qt widgets, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

#include "tests/qt/window_support.h"

namespace chengxi::bench {
namespace {

using testing::Window;

void WindowIdleTick(benchmark::State& state)
{
    Window w;
    w.tick();
    for (auto _ : state) {
        w.tick();
    }
}
BENCHMARK(WindowIdleTick);

void WindowProvinceChange(benchmark::State& state)
{
    Window w;
    w.tick();
    bool sichuan = false;
    for (auto _ : state) {
        sichuan = !sichuan;
        w.type(1, sichuan ? QStringLiteral("四川") : QStringLiteral("北京"));
        w.tick();
    }
}
BENCHMARK(WindowProvinceChange);

void WindowCityChangeWithoutMatch(benchmark::State& state)
{
    Window w;
    w.tick();
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        w.type(2, odd ? QStringLiteral("重") : QStringLiteral("重庆市"));
        w.tick();
    }
}
BENCHMARK(WindowCityChangeWithoutMatch);

// Two ticks per iteration: the 38-entry refill of 重庆, then a text that
// names nothing.
void WindowCityChangeRefill38(benchmark::State& state)
{
    Window w;
    w.tick();
    for (auto _ : state) {
        w.type(2, QStringLiteral("重庆"));
        w.tick();
        w.type(2, QStringLiteral("重"));
        w.tick();
    }
}
BENCHMARK(WindowCityChangeRefill38);

void WindowQuery(benchmark::State& state)
{
    Window w;
    w.tick();
    w.type(1, QStringLiteral("浙江"));
    w.type(2, QStringLiteral("舟山"));
    w.type(3, QStringLiteral("嵊泗区"));
    for (auto _ : state) {
        w.button()->click();
    }
}
BENCHMARK(WindowQuery);

}  // namespace
}  // namespace chengxi::bench

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
