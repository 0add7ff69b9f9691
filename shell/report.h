#pragma once
// The calculation report of a screen with the program's name, version and
// today's date: what printing, PDF export, copying and formscript write.

#include "model/report.h"

#include <optional>

namespace shell {

// The program's name and version and today's date.
model::report::Header reportHeader();

// The report of the screen as it stands; none for a screen without one.
std::optional<model::report::Document> calculationReport(const model::Screen& s);

} // namespace shell
