// Every calculate handler of the calculation screens, through the model with
// no front end, driven as the user drives it: App::click on the button (the
// user-action entry point the window and formscript use), after the inputs
// of a worked example of the scenarios were typed and picked. The first
// click's results are checked against the scenario before anything is timed;
// every timed click must complete.
//
// Each timed click is wall time from the click to its return. A handler that
// gives the same results when pressed again is clicked again; the pipe
// calculations (Form2, Form3 riser and main), whose fractional powers
// model::power keeps, first have those displaced by others, untimed, so that
// no click finds the powers of the click before. The insulation take-off
// (Form4.Command1) disables itself and counts its lengths again without a
// reset, so its reset and inputs are repeated untimed before each click.
#include "bench/session.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

namespace {

using bench::Session;
using Clock = std::chrono::steady_clock;

// Fractional powers never asked for before, as many as model::power keeps.
void displacePowers()
{
    static long n = 0;
    for (int k = 0; k < 16; ++k) benchmark::DoNotOptimize(model::power(2 + 1e-9L * static_cast<model::ext>(++n), 1.5));
}

// Times a click of `c` after `between`, untimed.
bool timedClick(benchmark::State& state, Session& s, model::Control& c, const std::function<void()>& between = {})
{
    if (between) between();
    const auto t0 = Clock::now();
    const model::ActionResult r = s.app.click(c);
    const auto t1 = Clock::now();
    if (r.outcome != model::Outcome::Done) {
        state.SkipWithError("the calculation did not complete");
        return false;
    }
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    return true;
}

// Times repeated clicks of `button` after `setUp`; with `powers`, the kept
// powers displaced before each.
void clicks(benchmark::State& state, const std::function<void(Session&)>& setUp, const char* screen, const char* button,
            bool powers = false)
{
    Session s;
    try {
        setUp(s);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    model::Control& c = s.control(screen, button);
    const std::function<void()> between = powers ? std::function<void()>(displacePowers) : nullptr;
    for (auto _ : state)
        if (!timedClick(state, s, c, between)) break;
}

// Every handler benchmark: manual time, in microseconds.
void handler(benchmark::internal::Benchmark* b) { b->UseManualTime()->Unit(benchmark::kMicrosecond); }

// Form1, centralized panel: 100 dormitory users in Shenzhen, direct system.
void centralized(Session& s)
{
    s.type("Form1", "Text13", 0, "100");
    s.click("Form1", "Command3");
    s.expect("Form1", "Text14", 2, "66.1");
    s.expect("Form1", "Text14", 3, "5999");
    s.expect("Form1", "Text14", 9, "106331");
    s.expect("Form1", "Text14", 5, "14");
}

void BM_Form1_Command3_direct(benchmark::State& state) { clicks(state, centralized, "Form1", "Command3"); }
BENCHMARK(BM_Form1_Command3_direct)->Apply(handler);

void BM_Form1_Command3_indirect(benchmark::State& state)
{
    clicks(
        state,
        [](Session& s) {
            centralized(s);
            s.click("Form1", "Option1", 1);
            s.click("Form1", "Command3");
            s.expect("Form1", "Text14", 2, "68.1");
            s.expect("Form1", "Text14", 4, "22.84");
        },
        "Form1", "Command3");
}
BENCHMARK(BM_Form1_Command3_indirect)->Apply(handler);

// Tank checks: 66.1 m2 installed with the 100-user efficiency, f 0.5.
void tankInputs(Session& s)
{
    s.type("Form1", "Text11", {}, "64.62");
    s.click("Form1", "Command2");
    s.type("Form1", "Combo11", {}, "0.5");
}

void BM_Form1_Command4_tank_check(benchmark::State& state)
{
    clicks(
        state,
        [](Session& s) {
            tankInputs(s);
            s.click("Form1", "Command1");
            s.type("Form1", "Text15", 0, "66.1");
            s.click("Form1", "Command4");
            s.expect("Form1", "Text15", 1, "6");
        },
        "Form1", "Command4");
}
BENCHMARK(BM_Form1_Command4_tank_check)->Apply(handler);

// Residential panel: 10 one-room and 20 three-room apartments.
void households(Session& s)
{
    s.click("Form1", "Command2");
    s.click("Form1", "Check1", 0);
    s.type("Form1", "Text26", 0, "10");
    s.click("Form1", "Check1", 2);
    s.type("Form1", "Text26", 2, "20");
    s.click("Form1", "Command5");
    s.expect("Form1", "Text21", 0, "一房");
    s.expect("Form1", "Text22", 0, "10");
    s.expect("Form1", "Text23", 0, "100");
}

void BM_Form1_Command5_household_table(benchmark::State& state) { clicks(state, households, "Form1", "Command5"); }
BENCHMARK(BM_Form1_Command5_household_table)->Apply(handler);

void BM_Form1_Command6_residential(benchmark::State& state)
{
    clicks(
        state,
        [](Session& s) {
            households(s);
            s.click("Form1", "Command6");
            s.expect("Form1", "Text16", 0, "6000");
            s.expect("Form1", "Text16", 2, "66.1");
            s.expect("Form1", "Text16", 4, "11");
        },
        "Form1", "Command6");
}
BENCHMARK(BM_Form1_Command6_residential)->Apply(handler);

void BM_Form1_Command7_residential_tank(benchmark::State& state)
{
    clicks(
        state,
        [](Session& s) {
            tankInputs(s);
            s.type("Form1", "Text18", 0, "66.1");
            s.click("Form1", "Command7");
            s.expect("Form1", "Text18", 1, "6");
        },
        "Form1", "Command7");
}
BENCHMARK(BM_Form1_Command7_residential_tank)->Apply(handler);

// Form2: PPR, 4 rows of 10 flat-plate collectors, segments of 2700 mm.
void BM_Form2_Command1_collector_array(benchmark::State& state)
{
    clicks(
        state,
        [](Session& s) {
            s.menu("B11", 1);
            s.type("Form2", "Text7", 0, "4");
            s.type("Form2", "Text7", 1, "10");
            s.click("Form2", "Command1");
            s.expect("Form2", "Text5", 3, "De50");
            s.expect("Form2", "Text6", 0, "4.93");
            s.expect("Form2", "Text7", 7, "43.72");
        },
        "Form2", "Command1", true);
}
BENCHMARK(BM_Form2_Command1_collector_array)->Apply(handler);

// Form2: main pipe of 2 L/s over 100 m.
void BM_Form2_Command3_main_pipe(benchmark::State& state)
{
    clicks(
        state,
        [](Session& s) {
            s.menu("B11", 1);
            s.type("Form2", "Text9", 0, "2");
            s.type("Form2", "Text9", 1, "100");
            s.click("Form2", "Command3");
            s.expect("Form2", "Text9", 2, "De63");
            s.expect("Form2", "Text9", 6, "51.493");
        },
        "Form2", "Command3", true);
}
BENCHMARK(BM_Form2_Command3_main_pipe)->Apply(handler);

// Form3: galvanised riser of 8 storeys, a main of 4 risers, allowance .35.
void network(Session& s)
{
    s.menu("C11", 0);
    s.click("Form3", "Option2", 0);
    s.pick("Form3", "Combo3", 0);
    s.type("Form3", "Text3", {}, "2.5");
    s.type("Form3", "Text5", {}, "8");
    s.type("Form3", "Text6", {}, "4");
    s.click("Form3", "Command1");
    s.click("Form3", "Command2");
    s.expect("Form3", "Text14", 7, "DN50");
    s.expect("Form3", "Text18", 7, "6.08");
    s.expect("Form3", "Text24", 3, "DN65");
    s.expect("Form3", "Text28", 3, "22.8");
}

void BM_Form3_Command1_riser(benchmark::State& state) { clicks(state, network, "Form3", "Command1", true); }
BENCHMARK(BM_Form3_Command1_riser)->Apply(handler);

void BM_Form3_Command2_horizontal(benchmark::State& state) { clicks(state, network, "Form3", "Command2", true); }
BENCHMARK(BM_Form3_Command2_horizontal)->Apply(handler);

void BM_Form3_Command3_pump(benchmark::State& state)
{
    clicks(
        state,
        [](Session& s) {
            network(s);
            s.pick("Form3", "Combo2", 2);
            s.type("Form3", "Text9", {}, "12.5");
            s.click("Form3", "Command3");
            s.expect("Form3", "Text4", {}, "3.08");
            s.expect("Form3", "Text19", {}, "17.27");
            s.expect("Form3", "Text29", {}, "0.75");
        },
        "Form3", "Command3");
}
BENCHMARK(BM_Form3_Command3_pump)->Apply(handler);

// Form4: six floors of Ng 4 on two risers, PPR. Reset and inputs untimed,
// the calculation timed.
void BM_Form4_Command1_takeoff(benchmark::State& state)
{
    Session s;
    auto inputs = [&s] {
        s.click("Form4", "Command2");
        s.type("Form4", "Text1", {}, "4");
        s.pick("Form4", "Combo3", 5);
        s.pick("Form4", "Combo4", 1);
    };
    model::Control* calc = nullptr;
    try {
        s.menu("C11", 1);
        inputs();
        s.click("Form4", "Command1");
        s.expect("Form4", "Text8", 5, "24");
        s.expect("Form4", "Text6", 5, "6");
        calc = &s.control("Form4", "Command1");
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    for (auto _ : state)
        if (!timedClick(state, s, *calc, inputs)) break;
}
BENCHMARK(BM_Form4_Command1_takeoff)->Apply(handler);

// Form5 with every default: a school pool of 50 x 21 x 1.637 m in Shenzhen.
void heatLoads(Session& s)
{
    s.menu("D11", 0);
    s.click("Form5", "Command1");
    s.expect("Form5", "Text7", 0, "1718");
    s.expect("Form5", "Text7", 4, "3.88");
}

void BM_Form5_Command1_heat_loads(benchmark::State& state) { clicks(state, heatLoads, "Form5", "Command1"); }
BENCHMARK(BM_Form5_Command1_heat_loads)->Apply(handler);

void BM_Form5_Command2_heat_pumps_only(benchmark::State& state)
{
    clicks(
        state,
        [](Session& s) {
            heatLoads(s);
            s.click("Form5", "Command2");
            s.expect("Form5", "Text8", 1, "7.1");
        },
        "Form5", "Command2");
}
BENCHMARK(BM_Form5_Command2_heat_pumps_only)->Apply(handler);

// The design (Command3) and the check of 500 m2 installed (Command4) of the
// solar group's systems: 1 heat-pump-assisted solar, 2 boilers only (no
// collector, no check), 3 boiler-assisted solar.
void design(Session& s, std::int16_t system)
{
    heatLoads(s);
    s.click("Form5", "Option1", system);
    s.click("Form5", "Command3");
    switch (system) {
    case 1: s.expect("Form5", "Text9", 6, "40.64"); break;
    case 2: s.expect("Form5", "Text9", 6, "53.58"); break;
    default: s.expect("Form5", "Text9", 6, "79.94"); break;
    }
}

void check(Session& s, std::int16_t system)
{
    design(s, system);
    s.type("Form5", "Text9", 8, "500");
    s.click("Form5", "Command4");
    s.expect("Form5", "Text9", 10, system == 1 ? "44.85" : "82.11");
}

void BM_Form5_Command3_design(benchmark::State& state)
{
    const auto system = static_cast<std::int16_t>(state.range(0));
    clicks(
        state, [system](Session& s) { design(s, system); }, "Form5", "Command3");
}
BENCHMARK(BM_Form5_Command3_design)->ArgName("system")->Arg(1)->Arg(2)->Arg(3)->Apply(handler);

void BM_Form5_Command4_check(benchmark::State& state)
{
    const auto system = static_cast<std::int16_t>(state.range(0));
    clicks(
        state, [system](Session& s) { check(s, system); }, "Form5", "Command4");
}
BENCHMARK(BM_Form5_Command4_check)->ArgName("system")->Arg(1)->Arg(3)->Apply(handler);

} // namespace
