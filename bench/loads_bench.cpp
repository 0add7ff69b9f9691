// The load handlers, through the model with no front end.
//
// BM_Create/<screen>: the screen created on a fresh program as the main
// window's load creates it (App::screen: constructor with every control, then
// Form_Load); for MDIForm1 that is MDIForm_Load, which creates and loads every
// other screen. The fresh program is made and dropped untimed.
//
// BM_Form_Load/<screen>: the load handler called directly on the screen of a
// started program, as a screen's reset calls it again. Form7 ... Form10 have
// no load handler of their own (their document is set by the constructor,
// timed by BM_Create).
//
// BM_ProgramStart: the whole start in the model, the screens registered and
// shell::startProgram (MDIForm1 loads every screen, Form1 is shown).
#include "bench/session.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

const char* const kScreens[] = {"MDIForm1", "Form1", "Form2", "Form3", "Form4",  "Form5",
                                "Form6",    "Form7", "Form8", "Form9", "Form10", "Form11"};
// the screens with a Form_Load of their own
const char* const kLoaders[] = {"MDIForm1", "Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form11"};

void BM_Create(benchmark::State& state, const char* name)
{
    for (auto _ : state) {
        auto app = std::make_unique<model::App>();
        shell::registerScreens(*app);
        const auto t0 = Clock::now();
        model::Screen& s = app->screen(name);
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(&s);
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
}

void BM_Form_Load(benchmark::State& state, const char* name)
{
    bench::Session s;
    model::Screen& screen = s.app.screen(name);
    for (auto _ : state) screen.Form_Load();
}

void BM_ProgramStart(benchmark::State& state)
{
    for (auto _ : state) {
        const auto t0 = Clock::now();
        auto app = std::make_unique<model::App>();
        shell::registerScreens(*app);
        bench::Session::must(shell::startProgram(*app), "program start");
        const auto t1 = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
}
BENCHMARK(BM_ProgramStart)->UseManualTime()->Unit(benchmark::kMicrosecond);

const bool registered = [] {
    for (const char* name : kScreens)
        benchmark::RegisterBenchmark((std::string("BM_Create/") + name).c_str(), BM_Create, name)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    for (const char* name : kLoaders)
        benchmark::RegisterBenchmark((std::string("BM_Form_Load/") + name).c_str(), BM_Form_Load, name)
            ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
