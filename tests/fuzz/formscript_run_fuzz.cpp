// Fuzz target for scenario scripts run against a fresh program: every line
// that parses is carried out as formscript carries it out, through the
// model's user-action entry point. An action the user could not do is
// refused (std::runtime_error); a calculation may fail with its kind; but no
// action may end in an internal error, no text the program writes may be
// garbage ("NaN", "inf", "1E+"), and nothing may crash or leak. `report`
// lines are skipped: they write a file.
#include "model/app.h"
#include "shell/mdiform1.h"
#include "tools/formscript/script.h"
#include "tools/randomuse/random_use.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

[[noreturn]] void finding(const std::string& what, std::string_view line)
{
    std::fprintf(stderr, "FINDING: %s: %.*s\n", what.c_str(), static_cast<int>(line.size() > 200 ? 200 : line.size()),
                 line.data());
    std::abort();
}

// The texts of every control of every screen, in order.
std::vector<std::string> texts(model::App& app)
{
    std::vector<std::string> all;
    for (std::string_view name : shell::MDIForm1::screenOrder)
        for (const model::Control* c : app.screen(name).controls()) all.push_back(c->text());
    return all;
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
            else {
                const std::vector<std::string> before = texts(app);
                if (!formscript::perform(app, st)) continue;
                const model::ActionResult& r = app.lastResult();
                if (r.outcome == model::Outcome::Failed && r.failure->kind == model::FailureKind::Internal)
                    finding("internal error in " + r.failure->screen + "." + r.failure->handler + ": " +
                                r.failure->detail,
                            line);
                const std::vector<std::string> after = texts(app);
                const auto* typed = std::get_if<formscript::Text>(&st.value);
                for (std::size_t k = 0; k < after.size(); ++k)
                    if (after[k] != before[k] && !(typed && after[k] == typed->s) && randomuse::garbage(after[k]))
                        finding("the program wrote \"" + after[k].substr(0, 60) + "\"", line);
            }
        } catch (const model::CalcError& e) {
            finding(std::string("calculation failure escaped the action: ") + e.what(), line);
        } catch (const std::runtime_error&) {
            // refused, or an address that names nothing: the user could not do it
        }
    }
    return 0;
}
