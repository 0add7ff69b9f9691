#include "screens/reports.h"

#include <algorithm>
#include <string_view>

namespace screens {

namespace {
constexpr struct {
    std::string_view screen;
    void (*declare)(model::report::Declaration&);
} reports[] = {
    {"Form1", declareDesignReport},        {"Form2", declareCollectorHydraulicsReport},
    {"Form3", declareSupplyNetworkReport}, {"Form4", declareInsulationReport},
    {"Form5", declarePoolReport},
};
} // namespace

bool hasReport(std::string_view screen)
{
    return std::ranges::any_of(reports, [&](const auto& r) { return r.screen == screen; });
}

std::unique_ptr<model::report::Declaration> reportOf(const model::Screen& s)
{
    for (const auto& r : reports)
        if (r.screen == s.name()) {
            auto d = std::make_unique<model::report::Declaration>(s);
            r.declare(*d);
            return d;
        }
    return nullptr;
}

} // namespace screens
