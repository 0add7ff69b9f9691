#pragma once
// Scenario scripts: drive the program's screens as a user would, through the
// model's user actions, and check what the screens then show.

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace model {
class App;
class Control;
} // namespace model

namespace formscript {

// A value written in a script: "text", true/false, an integer, a colour 0x….
struct Text {
    std::string s;
};
struct Colour {
    std::uint32_t v;
};
using Value = std::variant<Text, bool, long long, Colour>;

// Screen.Control(i).Property, Screen.Variable, Screen.Caption.
struct Address {
    std::string screen;
    std::string name; // control or variable; empty for Screen.Caption alone
    std::optional<long long> index;
    std::string property; // empty: the default property
    std::string spelled;  // as written, for messages
};

struct Statement {
    enum class Op {
        Type,
        Pick,
        Click,
        Expect,
        ExpectList,
        ExpectScreens,
        ExpectFailure,
        ExpectNoFailure,
        Dump,
        Report,
        ExpectReport,
        ExpectReportRow,
    };
    Op op{};
    Address address;
    Value value;          // type, expect
    long long number = 0; // pick
    // expect-list items, expect-screens names, dump screen; report: screen and
    // file; expect-report, expect-report-row: screen, then the texts or cells
    std::vector<std::string> words;
};

// Splits a line into words; quoted texts keep their blanks and escapes are
// resolved. Throws std::runtime_error on an unterminated quote.
struct Word {
    std::string text;
    bool quoted = false;
};
std::vector<Word> splitWords(std::string_view line);

// Parses one non-blank, non-comment line. Throws std::runtime_error with the
// reason when the line cannot be parsed.
Statement parseLine(std::string_view line);
Address parseAddress(std::string_view word);

// The control an address names in the running program; throws
// std::runtime_error when it names no control.
model::Control& controlAt(model::App& app, const Address& a);

// Performs an action statement (type, pick, click) as a user would; returns
// false when the statement is not an action. Throws std::runtime_error when
// the user could not do it.
bool perform(model::App& app, const Statement& st);

struct Totals {
    int passed = 0;
    int failed = 0;
    bool unreadable = false;
};

// Where `report Screen FILE` writes: an absolute FILE as it is, a relative one
// under the system's temporary directory, in "formscript/".
std::string reportPath(std::string_view file);

// Runs one script text from a fresh program start, adding to `totals` and
// writing failed expectations and errors to `out` as FILE:LINE: ….
void runScript(std::string_view fileName, std::string_view text, std::ostream& out, Totals& totals);

// Runs the files one after another, prints "N passed, M failed" and returns
// the exit status: 0 all passed, 1 a failure, 2 a file could not be read.
int runFiles(const std::vector<std::string>& files, std::ostream& out);

} // namespace formscript
