// Fuzz target for the scenario parser: any line either parses into a
// statement or is refused with a std::runtime_error that says why; nothing
// else may escape, and nothing may crash. A parsed statement holds what its
// keyword needs.
#include "tools/formscript/script.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace {

[[noreturn]] void finding(const char* what, std::string_view line)
{
    std::fprintf(stderr, "FINDING: %s: %.*s\n", what, static_cast<int>(line.size() > 200 ? 200 : line.size()),
                 line.data());
    std::abort();
}

void parse(std::string_view line)
{
    using Op = formscript::Statement::Op;
    try {
        for (const auto& w : formscript::splitWords(line)) {
            try {
                const formscript::Address a = formscript::parseAddress(w.text);
                if (a.screen.empty() || a.name.empty()) finding("address without screen or name", line);
            } catch (const std::runtime_error&) {}
        }
    } catch (const std::runtime_error&) {}
    try {
        const formscript::Statement st = formscript::parseLine(line);
        switch (st.op) {
        case Op::Type:
            if (!std::holds_alternative<formscript::Text>(st.value)) finding("type without a text", line);
            [[fallthrough]];
        case Op::Pick:
        case Op::Click:
        case Op::Expect:
        case Op::ExpectList:
            if (st.address.screen.empty() || st.address.name.empty()) finding("statement without an address", line);
            break;
        case Op::Dump:
            if (st.words.size() != 1) finding("dump without one screen", line);
            break;
        case Op::Report:
            if (st.words.size() != 2 || st.words[1].empty()) finding("report without screen and file", line);
            break;
        case Op::ExpectReport:
        case Op::ExpectReportRow:
            if (st.words.size() < 2) finding("expect-report without texts", line);
            break;
        case Op::ExpectScreens:
        case Op::ExpectFailure:
        case Op::ExpectNoFailure: break;
        }
    } catch (const std::runtime_error&) {}
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    parse(text); // the whole input as one line, line feeds included
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        if (nl == std::string_view::npos) nl = text.size();
        parse(text.substr(pos, nl - pos));
        pos = nl + 1;
    }
    return 0;
}
