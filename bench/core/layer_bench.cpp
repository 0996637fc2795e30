// The window's handlers through the control layer, on in-memory controls.
#include <benchmark/benchmark.h>

#include "bench/core/memory_controls.h"

namespace chengxi::bench {
namespace {

void IdleTick(benchmark::State& state)
{
    MemoryWindow w;
    for (auto _ : state) {
        w.form.Timer1_Timer();
    }
}
BENCHMARK(IdleTick);

// 北京 → 四川 and back: each tick refills the city list and, in the same
// tick, the district list of the default city.
void ProvinceChange(benchmark::State& state)
{
    MemoryWindow w;
    bool sichuan = false;
    for (auto _ : state) {
        sichuan = !sichuan;
        w.Combo1.setText(sichuan ? u"四川" : u"北京");
        w.form.Timer1_Timer();
    }
}
BENCHMARK(ProvinceChange);

// A city change that names nothing: all routines test the text and none acts.
void CityChangeWithoutMatch(benchmark::State& state)
{
    MemoryWindow w;
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        w.Combo2.setText(odd ? u"重" : u"重庆市");
        w.form.Timer1_Timer();
    }
}
BENCHMARK(CityChangeWithoutMatch);

// 重庆 refills the district list with its 38 entries. Each iteration is two
// ticks: the refill, then a change to a text that names nothing.
void CityChangeRefill38(benchmark::State& state)
{
    MemoryWindow w;
    for (auto _ : state) {
        w.Combo2.setText(u"重庆");
        w.form.Timer1_Timer();
        w.Combo2.setText(u"重");
        w.form.Timer1_Timer();
    }
}
BENCHMARK(CityChangeRefill38);

void Query(benchmark::State& state)
{
    MemoryWindow w;
    w.Combo1.setText(u"浙江");
    w.Combo2.setText(u"舟山");
    w.Combo3.setText(u"嵊泗区");
    for (auto _ : state) {
        w.form.Command1_Click();
    }
}
BENCHMARK(Query);

}  // namespace
}  // namespace chengxi::bench

BENCHMARK_MAIN();
