// Screen switching through the Qt front end (run offscreen): the menu item's
// QAction triggered, as a click on the menu does, then events processed until
// the new screen's child window got its paint event (see first_paint.h).
//
// BM_Switch/<screen>: the screen's view exists (it was shown before); each
// timed switch comes from another screen, switched to untimed.
// BM_FirstSwitch/<screen>: the first time the screen is shown, in a program
// started as the application starts it, once the views it prepares while it
// waits for the user are made; the start and the preparation are untimed.
// BM_FirstSwitchAtOnce/<screen>: the same click at once after the start-up
// screen was painted, before any preparation (its view is built then).
#include "bench/first_paint.h"
#include "shell/qt/application.h"
#include "shell/qt/screen_view.h"

#include <QAction>
#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <ctime>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

struct MenuItem {
    const char* screen;
    const char* item; // the main window's menu item that shows it
    std::int16_t index;
};

const MenuItem kItems[] = {
    {"Form1", "B11", 0}, {"Form2", "B11", 1},  {"Form3", "C11", 0},  {"Form4", "C11", 1},
    {"Form5", "D11", 0}, {"Form6", "A11", 0},  {"Form7", "E11", 0},  {"Form8", "E11", 1},
    {"Form9", "E11", 2}, {"Form10", "E11", 3}, {"Form11", "E11", 4},
};

// A program started and shown as the application starts it, its start-up
// screen painted.
std::unique_ptr<ui::Program> startedProgram()
{
    auto p = ui::makeProgram();
    if (!p->startResult.ok()) throw std::runtime_error("the program's start failed");
    bench::PaintLog log;
    ui::showMainWindow(*p->window);
    if (!log.waitFor(bench::childWindowOf(p->window->viewOf(p->app.screen("Form1")))))
        throw std::runtime_error("the start-up screen was not painted");
    return p;
}

QAction* actionOf(ui::Program& p, const MenuItem& m)
{
    model::Control* c = p.app.screen("MDIForm1").find(m.item, m.index);
    QAction* a = c ? p.window->actionFor(*c) : nullptr;
    if (!a) throw std::runtime_error(std::string("no menu action for ") + m.screen);
    return a;
}

// CPU time of this thread, seconds: the switch's own work, whatever else
// runs on the machine.
double threadCpu()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct SwitchTime {
    double wall = 0; // seconds
    double cpu = 0;
};

// Triggers the menu item of a screen not shown and processes events until
// the screen's child window got a paint event (its whole content is painted
// in the same pass, before the event loop is back); the time from the
// trigger to the end of that pass.
SwitchTime switchTo(ui::Program& p, const MenuItem& m)
{
    QAction* a = actionOf(p, m);
    model::Screen& screen = p.app.screen(m.screen);
    if (screen.visible()) throw std::runtime_error(std::string(m.screen) + " is shown already");
    bench::PaintLog log;
    const double c0 = threadCpu();
    const auto t0 = Clock::now();
    a->trigger();
    QWidget* window = bench::childWindowOf(p.window->viewOf(screen));
    if (!window || !screen.visible()) throw std::runtime_error(std::string(m.screen) + " was not shown");
    if (!log.waitFor(window)) throw std::runtime_error(std::string(m.screen) + " was not painted");
    const auto t1 = Clock::now();
    return {std::chrono::duration<double>(t1 - t0).count(), threadCpu() - c0};
}

// The switch's wall time as the benchmark's time, its CPU time as the counter
// cpu_ms.
void record(benchmark::State& state, const SwitchTime& t, double& cpu)
{
    state.SetIterationTime(t.wall);
    cpu += t.cpu * 1e3;
}

// The program of the BM_Switch runs, every screen shown once; dropped
// before the application ends.
std::unique_ptr<ui::Program> warm;

ui::Program& warmProgram()
{
    if (!warm) {
        warm = startedProgram();
        for (const MenuItem& m : kItems)
            if (std::string(m.screen) != "Form1") switchTo(*warm, m);
        switchTo(*warm, kItems[0]);
    }
    return *warm;
}

void BM_Switch(benchmark::State& state, const MenuItem* m)
{
    try {
        ui::Program& p = warmProgram();
        const MenuItem& from = std::string(m->screen) == "Form1" ? kItems[1] : kItems[0];
        double cpu = 0;
        for (auto _ : state) {
            if (p.app.screen(m->screen).visible()) switchTo(p, from);
            record(state, switchTo(p, *m), cpu);
        }
        state.counters["cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void BM_FirstSwitch(benchmark::State& state, const MenuItem* m, bool prepared)
{
    try {
        double cpu = 0;
        for (auto _ : state) {
            auto p = startedProgram();
            if (prepared && !bench::prepareViews(*p->window)) throw std::runtime_error("the views were not prepared");
            record(state, switchTo(*p, *m), cpu);
        }
        state.counters["cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication qa(argc, argv);
    ui::setUpApplication(qa);
    for (const MenuItem& m : kItems) {
        if (std::string(m.screen) == "Form1") continue; // shown at start-up
        for (const bool prepared : {true, false})
            benchmark::RegisterBenchmark(
                (std::string(prepared ? "BM_FirstSwitch/" : "BM_FirstSwitchAtOnce/") + m.screen).c_str(),
                BM_FirstSwitch, &m, prepared)
                ->UseManualTime()
                ->Iterations(5)
                ->Unit(benchmark::kMillisecond);
    }
    for (const MenuItem& m : kItems)
        benchmark::RegisterBenchmark((std::string("BM_Switch/") + m.screen).c_str(), BM_Switch, &m)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    warm.reset();
    return 0;
}
