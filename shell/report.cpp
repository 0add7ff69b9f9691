#include "shell/report.h"

#include "screens/reports.h"
#include "shell/version.h"

#include <ctime>

namespace shell {

model::report::Header reportHeader()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {std::string(kProgramName), std::string(kVersion),
            model::report::longDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)};
}

std::optional<model::report::Document> calculationReport(const model::Screen& s)
{
    const auto declaration = screens::reportOf(s);
    if (!declaration) return std::nullopt;
    return declaration->build(reportHeader());
}

} // namespace shell
