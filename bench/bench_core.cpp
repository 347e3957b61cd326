#include <benchmark/benchmark.h>

#include "calculator.h"
#include "fake_window.h"
#include "numeric_text.h"

namespace {

void BM_RecalculateWholeClimb(benchmark::State& state) {
    ranktally::FakeWindow window;
    window.inputs = {{ranktally::Input::CurrentLevel, "1"},
                     {ranktally::Input::TargetLevel, "220"},
                     {ranktally::Input::HoursPerDay, "24"},
                     {ranktally::Input::Rate, "10000"}};
    window.logging = false;
    ranktally::Calculator calculator(window);
    for (auto _ : state) {
        calculator.Recalculate();
    }
}
BENCHMARK(BM_RecalculateWholeClimb);

void BM_ParseNumber(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ranktally::ParseNumber("207626.1991"));
    }
}
BENCHMARK(BM_ParseNumber);

void BM_FormatGeneral(benchmark::State& state) {
    double value = 8651.091629166666;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ranktally::FormatGeneral(value, "."));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FormatGeneral);

}  // namespace

BENCHMARK_MAIN();
