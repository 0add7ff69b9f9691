// Fuzz target for scenario scripts run against a fresh program: every line
// that parses is carried out as formscript carries it out, through the
// model's user-action entry point. An action the user could not do is
// refused (std::runtime_error); a calculation may fail with its kind; but no
// action may end in an internal error, and nothing may crash or leak.
// `report` lines are skipped: they write a file.
#include "model/app.h"
#include "shell/mdiform1.h"
#include "tools/formscript/script.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void finding(const std::string& what, std::string_view line)
{
    std::fprintf(stderr, "FINDING: %s: %.*s\n", what.c_str(), static_cast<int>(line.size() > 200 ? 200 : line.size()),
                 line.data());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using Op = formscript::Statement::Op;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    model::App app;
    shell::registerScreens(app);
    shell::startProgram(app);
    std::size_t pos = 0;
    while (pos < text.size() && !app.ended()) {
        std::size_t nl = text.find('\n', pos);
        if (nl == std::string_view::npos) nl = text.size();
        const std::string_view line = text.substr(pos, nl - pos);
        pos = nl + 1;
        formscript::Statement st;
        try {
            st = formscript::parseLine(line);
        } catch (const std::runtime_error&) {
            continue; // blank, comment or not a statement
        }
        if (st.op == Op::Report) continue;
        try {
            if (st.op == Op::Expect || st.op == Op::ExpectList) (void)formscript::controlAt(app, st.address);
            else if (formscript::perform(app, st)) {
                const model::ActionResult& r = app.lastResult();
                if (r.outcome == model::Outcome::Failed && r.failure->kind == model::FailureKind::Internal)
                    finding("internal error in " + r.failure->screen + "." + r.failure->handler + ": " +
                                r.failure->detail,
                            line);
            }
        } catch (const model::CalcError& e) {
            finding(std::string("calculation failure escaped the action: ") + e.what(), line);
        } catch (const std::runtime_error&) {
            // refused, or an address that names nothing: the user could not do it
        }
    }
    return 0;
}
