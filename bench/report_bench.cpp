// Building a calculation report: the declaration, the document from the
// screen's state and its HTML, for the longest report (the pool heating after
// its worked example) and for the segment table of the collector field.
#include "model/app.h"
#include "model/report.h"
#include "screens/reports.h"
#include "shell/mdiform1.h"

#include <benchmark/benchmark.h>

namespace {

void act(model::App& app, const char* screen, const char* name, std::optional<std::int16_t> index = {})
{
    app.click(*app.screen(screen).find(name, index));
}

void BM_PoolReport(benchmark::State& state)
{
    model::App app;
    shell::registerScreens(app);
    shell::startProgram(app);
    act(app, "MDIForm1", "D11", 0);
    act(app, "Form5", "Command1");
    act(app, "Form5", "Option1", 1);
    act(app, "Form5", "Command3");
    for (auto _ : state) {
        const auto d = screens::reportOf(app.screen("Form5"));
        const std::string html = model::report::toHtml(d->build({"程序", "1.0", "2025年1月1日"}));
        benchmark::DoNotOptimize(html.data());
    }
}
BENCHMARK(BM_PoolReport);

void BM_CollectorFieldReport(benchmark::State& state)
{
    model::App app;
    shell::registerScreens(app);
    shell::startProgram(app);
    act(app, "MDIForm1", "B11", 1);
    app.type(*app.screen("Form2").find("Text7", 0), "20");
    app.type(*app.screen("Form2").find("Text7", 1), "10");
    act(app, "Form2", "Command1");
    for (auto _ : state) {
        const auto d = screens::reportOf(app.screen("Form2"));
        const std::string html = model::report::toHtml(d->build({"程序", "1.0", "2025年1月1日"}));
        benchmark::DoNotOptimize(html.data());
    }
}
BENCHMARK(BM_CollectorFieldReport);

} // namespace
