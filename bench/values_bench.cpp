// The value conversions on typical field texts and results: one conversion
// per iteration, going round the typical ones.
#include "model/values.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <iterator>

using namespace model;

namespace {

template <class T, std::size_t N, class F>
void roundOf(benchmark::State& s, const T (&values)[N], F convert)
{
    std::size_t k = 0;
    for (auto _ : s) {
        benchmark::DoNotOptimize(convert(values[k]));
        if (++k == N) k = 0;
    }
}

void BM_Val(benchmark::State& s)
{
    const char* const texts[] = {"20", "0.775", " .25", "14.7", "106331", "1,5", "", "64.62", "3000", "0.0299"};
    roundOf(s, texts, [](const char* t) { return Val(t); });
}
BENCHMARK(BM_Val);

void BM_CStr_double(benchmark::State& s)
{
    const double values[] = {66.1, 5999, 0.0299, 1.0 / 3.0, 22.84, 106331, 0.6000000000000001, 17.4, 0.029, 51.493};
    roundOf(s, values, [](double d) { return CStr(d); });
}
BENCHMARK(BM_CStr_double);

void BM_CStr_single(benchmark::State& s)
{
    const float values[] = {800.65f, 22.7f, 6.84f, 1.0f / 3.0f, 4.372f, 8000.0f, 0.3f, 1.31f, 46.6f, 0.0299f};
    roundOf(s, values, [](float f) { return CStr(f); });
}
BENCHMARK(BM_CStr_single);

} // namespace
