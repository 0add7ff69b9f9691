#pragma once
// The calculation report (计算书) of each calculation screen, declared in the
// screen's own folder (report.cpp).

#include "model/report.h"

#include <memory>
#include <string_view>

namespace screens {

// The report declaration of the screen; nullptr for a screen without one
// (the reference tables, the information page, the main window).
std::unique_ptr<model::report::Declaration> reportOf(const model::Screen& s);
// Whether the screen of that name has a report.
bool hasReport(std::string_view screen);

void declareDesignReport(model::report::Declaration& d);              // Form1
void declareCollectorHydraulicsReport(model::report::Declaration& d); // Form2
void declareSupplyNetworkReport(model::report::Declaration& d);       // Form3
void declareInsulationReport(model::report::Declaration& d);          // Form4
void declarePoolReport(model::report::Declaration& d);                // Form5

} // namespace screens
