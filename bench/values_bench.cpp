// The value conversions on typical field texts.
#include "model/values.h"

#include <benchmark/benchmark.h>

using namespace model;

static void BM_Val(benchmark::State& s)
{
    const char* texts[] = {"20", "0.775", " .25", "14.7", "106331", "1,5", ""};
    for (auto _ : s)
        for (const char* t : texts) benchmark::DoNotOptimize(Val(t));
    s.SetItemsProcessed(s.iterations() * 7);
}
BENCHMARK(BM_Val);

static void BM_CStrDouble(benchmark::State& s)
{
    double v[] = {66.1, 5999, 0.0299, 1.0 / 3.0, 22.84, 106331, 0.6000000000000001};
    for (auto _ : s)
        for (double d : v) benchmark::DoNotOptimize(CStr(d));
    s.SetItemsProcessed(s.iterations() * 7);
}
BENCHMARK(BM_CStrDouble);

static void BM_CStrSingle(benchmark::State& s)
{
    float v[] = {800.65f, 22.7f, 6.84f, 1.0f / 3.0f, 4.372f, 8000.0f, 0.3f};
    for (auto _ : s)
        for (float f : v) benchmark::DoNotOptimize(CStr(f));
    s.SetItemsProcessed(s.iterations() * 7);
}
BENCHMARK(BM_CStrSingle);
