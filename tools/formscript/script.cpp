#include "tools/formscript/script.h"

#include "model/app.h"
#include "shell/mdiform1.h"
#include "shell/report.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <stdexcept>

namespace formscript {

using namespace model;

namespace {

[[noreturn]] void fail(const std::string& why) { throw std::runtime_error(why); }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string quote(std::string_view s)
{
    std::string q;
    q.reserve(s.size() + 2);
    q += '"';
    q += s;
    q += '"';
    return q;
}

std::string hex(std::uint32_t v)
{
    std::ostringstream o;
    o << "0x" << std::hex << v;
    return o.str();
}

std::string show(const Value& v)
{
    if (const auto* t = std::get_if<Text>(&v)) return t->s;
    if (const auto* b = std::get_if<bool>(&v)) return *b ? "true" : "false";
    if (const auto* n = std::get_if<long long>(&v)) return std::to_string(*n);
    return hex(std::get<Colour>(v).v);
}

Value parseValue(const Word& w)
{
    if (w.quoted) return Text{w.text};
    if (w.text == "true") return true;
    if (w.text == "false") return false;
    const std::string& s = w.text;
    try {
        std::size_t used = 0;
        if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
            const unsigned long long v = std::stoull(s.substr(2), &used, 16);
            if (used == s.size() - 2 && v <= 0xffffffffULL) return Colour{static_cast<std::uint32_t>(v)};
        } else {
            const long long v = std::stoll(s, &used, 10);
            if (used == s.size()) return v;
        }
    } catch (const std::exception&) {}
    fail("not a value: " + s + " (texts are written in double quotes)");
}

// --- resolving addresses against the running program ---------------------

struct Target {
    Screen* screen = nullptr;
    Control* control = nullptr;
    const VariableRef* variable = nullptr;
    bool caption = false; // Screen.Caption
};

Target resolve(App& app, const Address& a)
{
    if (!app.known(a.screen)) fail("no screen " + a.screen + " in " + a.spelled);
    Target t;
    t.screen = &app.screen(a.screen);
    if (a.name.empty()) fail("no control in " + a.spelled);
    if (a.index) {
        if (*a.index < -32768 || *a.index > 32767) fail("no control " + a.spelled);
        t.control = t.screen->find(a.name, static_cast<std::int16_t>(*a.index));
        if (!t.control) fail("no control " + a.name + "(" + std::to_string(*a.index) + ") on " + a.screen);
        return t;
    }
    t.control = t.screen->find(a.name);
    if (t.control) return t;
    if (t.screen->hasArray(a.name)) fail(a.name + " on " + a.screen + " is a control array: give an index");
    if (!a.property.empty()) fail("no control " + a.name + " on " + a.screen);
    if (a.name == "Caption") {
        t.caption = true;
        return t;
    }
    t.variable = t.screen->variable(a.name);
    if (!t.variable) fail("no control or variable " + a.name + " on " + a.screen);
    return t;
}

// The property's value, in the form scripts write it.
Value property(const Control& c, std::string_view prop)
{
    if (prop.empty()) {
        switch (c.kind()) {
        case Kind::OptionButton: return c.value() != 0;
        case Kind::CheckBox: return static_cast<long long>(c.value());
        default: return Text{c.text()};
        }
    }
    if (prop == "Text" || prop == "Caption") return Text{c.text()};
    if (prop == "Value")
        return c.kind() == Kind::OptionButton ? Value{c.value() != 0} : Value{static_cast<long long>(c.value())};
    if (prop == "Visible") return c.visible();
    if (prop == "Shown") return c.shown();
    if (prop == "Enabled") return c.enabled();
    if (prop == "Locked") return c.readOnly();
    if (prop == "BackColor") return Colour{c.backColor()};
    if (prop == "ForeColor") return Colour{c.foreColor()};
    if (prop == "ListIndex") return static_cast<long long>(c.listIndex());
    if (prop == "ListCount") return static_cast<long long>(c.listCount());
    if (prop == "Left") return static_cast<long long>(c.left());
    if (prop == "Top") return static_cast<long long>(c.top());
    if (prop == "Width") return static_cast<long long>(c.width());
    if (prop == "Height") return static_cast<long long>(c.height());
    fail("no property " + std::string(prop));
}

bool same(const Value& expected, const Value& actual)
{
    // numbers, booleans and colours compare by value; texts exactly
    auto number = [](const Value& v) -> std::optional<long long> {
        if (const auto* b = std::get_if<bool>(&v)) return *b ? 1 : 0;
        if (const auto* n = std::get_if<long long>(&v)) return *n;
        if (const auto* c = std::get_if<Colour>(&v)) return static_cast<long long>(c->v);
        return std::nullopt;
    };
    const auto* te = std::get_if<Text>(&expected);
    const auto* ta = std::get_if<Text>(&actual);
    if (te != nullptr || ta != nullptr) return te != nullptr && ta != nullptr && te->s == ta->s;
    if (std::holds_alternative<bool>(expected) != std::holds_alternative<bool>(actual)) {
        // Value of a check box is 0/1; of an option button true/false: accept either spelling
        return number(expected) == number(actual) && (*number(expected) == 0 || *number(expected) == 1);
    }
    return number(expected) == number(actual);
}

void dump(std::ostream& out, const Screen& s)
{
    out << s.name() << ".Caption " << quote(s.caption()) << (s.visible() ? " shown" : " hidden") << "\n";
    for (const Control* c : s.controls()) {
        out << "  " << s.name() << "." << c->address() << " " << kindName(c->kind()) << " " << quote(c->text());
        out << " Visible=" << (c->visible() ? "true" : "false") << " Shown=" << (c->shown() ? "true" : "false");
        out << " Enabled=" << (c->enabled() ? "true" : "false");
        if (c->readOnly()) out << " Locked=true";
        if (c->kind() == Kind::OptionButton || c->kind() == Kind::CheckBox) out << " Value=" << c->value();
        out << " BackColor=" << hex(c->backColor());
        if (c->kind() == Kind::ComboBox) {
            out << " ListIndex=" << c->listIndex() << " List=[";
            for (std::size_t k = 0; k < c->list().size(); ++k) out << (k ? ", " : "") << quote(c->list()[k]);
            out << "]";
        }
        if (c->left() || c->top() || c->width() || c->height())
            out << " Left=" << c->left() << " Top=" << c->top() << " Width=" << c->width() << " Height=" << c->height();
        out << "\n";
    }
    for (const auto& [name, v] : s.variables())
        out << "  " << s.name() << "." << name << " = " << variableText(v) << "\n";
}

// The report of the named screen as it stands now.
model::report::Document reportOf(App& app, const std::string& screen)
{
    if (!app.known(screen)) fail("no screen " + screen);
    auto doc = shell::calculationReport(app.screen(screen));
    if (!doc) fail(screen + " has no calculation report");
    return std::move(*doc);
}

std::string joinCells(const std::vector<std::string>& cells)
{
    std::string s;
    for (std::size_t k = 0; k < cells.size(); ++k) s += (k ? " | " : "") + cells[k];
    return s;
}

} // namespace

std::string reportPath(std::string_view file)
{
    std::filesystem::path p{std::string(file)};
    if (p.is_absolute()) return p.string();
    return (std::filesystem::temp_directory_path() / "formscript" / p).string();
}

Control& controlAt(App& app, const Address& a)
{
    const Target t = resolve(app, a);
    if (!t.control) fail(a.spelled + " is not a control");
    return *t.control;
}

bool perform(App& app, const Statement& st)
{
    if (st.op != Statement::Op::Type && st.op != Statement::Op::Pick && st.op != Statement::Op::Click) return false;
    if (app.ended()) fail("the program has ended");
    Control& c = controlAt(app, st.address);
    ActionResult r;
    if (st.op == Statement::Op::Type) r = app.type(c, std::get<Text>(st.value).s);
    else if (st.op == Statement::Op::Click) r = app.click(c);
    else if (st.number < 0 || st.number > 1000000) fail("no item " + std::to_string(st.number));
    else r = app.pick(c, static_cast<int>(st.number));
    if (r.outcome == Outcome::Refused) fail("refused: " + r.refusal);
    return true;
}

std::vector<Word> splitWords(std::string_view line)
{
    std::vector<Word> words;
    std::size_t p = 0;
    while (p < line.size()) {
        while (p < line.size() && isBlank(line[p])) ++p;
        if (p >= line.size()) break;
        Word w;
        if (line[p] == '"') {
            w.quoted = true;
            ++p;
            bool closed = false;
            while (p < line.size()) {
                char c = line[p++];
                if (c == '\\' && p < line.size() && (line[p] == '"' || line[p] == '\\')) {
                    w.text += line[p++];
                } else if (c == '"') {
                    closed = true;
                    break;
                } else {
                    w.text += c;
                }
            }
            if (!closed) fail("unterminated text");
            if (p < line.size() && !isBlank(line[p])) fail("blank expected after a closing quote");
        } else {
            while (p < line.size() && !isBlank(line[p])) {
                if (line[p] == '"') fail("quote inside a word");
                w.text += line[p++];
            }
        }
        words.push_back(std::move(w));
    }
    return words;
}

Address parseAddress(std::string_view word)
{
    Address a;
    a.spelled = std::string(word);
    const auto dot = word.find('.');
    if (dot == std::string_view::npos || dot == 0) fail("not an address: " + a.spelled);
    a.screen = std::string(word.substr(0, dot));
    std::string_view rest = word.substr(dot + 1);
    std::size_t p = 0;
    while (p < rest.size() && rest[p] != '(' && rest[p] != '.') ++p;
    a.name = std::string(rest.substr(0, p));
    if (a.name.empty()) fail("not an address: " + a.spelled);
    if (p < rest.size() && rest[p] == '(') {
        const auto close = rest.find(')', p);
        if (close == std::string_view::npos) fail("missing ) in " + a.spelled);
        const std::string idx(rest.substr(p + 1, close - p - 1));
        std::size_t used = 0;
        long long i = 0;
        try {
            i = std::stoll(idx, &used, 10);
        } catch (const std::exception&) {
            used = 0;
        }
        if (idx.empty() || used != idx.size()) fail("not an index: " + idx);
        a.index = i;
        p = close + 1;
    }
    if (p < rest.size()) {
        if (rest[p] != '.') fail("not an address: " + a.spelled);
        a.property = std::string(rest.substr(p + 1));
        if (a.property.empty() || a.property.find_first_of(".()") != std::string::npos)
            fail("not a property in " + a.spelled);
    }
    return a;
}

Statement parseLine(std::string_view line)
{
    const auto words = splitWords(line);
    if (words.empty()) fail("empty statement");
    if (words[0].quoted) fail("a statement starts with a keyword");
    const std::string& op = words[0].text;
    Statement st;
    auto need = [&](std::size_t n) {
        if (words.size() != n) fail(op + " takes " + std::to_string(n - 1) + " argument(s)");
    };
    auto addressAt = [&](std::size_t k) {
        if (words[k].quoted) fail("an address is not quoted");
        return parseAddress(words[k].text);
    };
    if (op == "type") {
        need(3);
        st.op = Statement::Op::Type;
        st.address = addressAt(1);
        if (!words[2].quoted) fail("type takes a quoted text");
        st.value = Text{words[2].text};
    } else if (op == "pick") {
        need(3);
        st.op = Statement::Op::Pick;
        st.address = addressAt(1);
        const Value v = parseValue(words[2]);
        if (!std::holds_alternative<long long>(v)) fail("pick takes an item number");
        st.number = std::get<long long>(v);
    } else if (op == "click") {
        need(2);
        st.op = Statement::Op::Click;
        st.address = addressAt(1);
    } else if (op == "expect") {
        need(3);
        st.op = Statement::Op::Expect;
        st.address = addressAt(1);
        st.value = parseValue(words[2]);
    } else if (op == "expect-list") {
        if (words.size() < 2) fail("expect-list takes an address");
        st.op = Statement::Op::ExpectList;
        st.address = addressAt(1);
        for (std::size_t k = 2; k < words.size(); ++k) {
            if (!words[k].quoted) fail("list items are quoted");
            st.words.push_back(words[k].text);
        }
    } else if (op == "expect-screens") {
        st.op = Statement::Op::ExpectScreens;
        for (std::size_t k = 1; k < words.size(); ++k) {
            if (words[k].quoted) fail("screen names are not quoted");
            st.words.push_back(words[k].text);
        }
    } else if (op == "expect-failure") {
        need(1);
        st.op = Statement::Op::ExpectFailure;
    } else if (op == "expect-no-failure") {
        need(1);
        st.op = Statement::Op::ExpectNoFailure;
    } else if (op == "dump") {
        need(2);
        if (words[1].quoted) fail("dump takes a screen name");
        st.op = Statement::Op::Dump;
        st.words.push_back(words[1].text);
    } else if (op == "report") {
        need(3);
        if (words[1].quoted) fail("report takes a screen name");
        if (words[2].text.empty()) fail("report takes a file name");
        st.op = Statement::Op::Report;
        st.words = {words[1].text, words[2].text};
    } else if (op == "expect-report" || op == "expect-report-row") {
        if (words.size() < 3) fail(op + " takes a screen name and at least one text");
        if (words[1].quoted) fail(op + " takes a screen name");
        st.op = op == "expect-report" ? Statement::Op::ExpectReport : Statement::Op::ExpectReportRow;
        st.words.push_back(words[1].text);
        for (std::size_t k = 2; k < words.size(); ++k) {
            if (!words[k].quoted) fail("report texts are quoted");
            st.words.push_back(words[k].text);
        }
    } else {
        fail("unknown statement " + op);
    }
    if (!st.address.spelled.empty() && st.op != Statement::Op::Expect && !st.address.property.empty())
        fail(op + " takes a control, not a property: " + st.address.spelled);
    return st;
}

void runScript(std::string_view fileName, std::string_view text, std::ostream& out, Totals& totals)
{
    App app;
    shell::registerScreens(app);
    shell::startProgram(app);

    std::size_t lineNo = 0;
    std::size_t pos = 0;
    const std::string file(fileName);
    while (pos <= text.size()) {
        auto nl = text.find('\n', pos);
        if (nl == std::string_view::npos) nl = text.size();
        const std::string_view line = text.substr(pos, nl - pos);
        pos = nl + 1;
        ++lineNo;
        std::size_t first = 0;
        while (first < line.size() && isBlank(line[first])) ++first;
        if (first == line.size() || line[first] == '#') {
            if (nl == text.size()) break;
            continue;
        }
        const std::string where = file + ":" + std::to_string(lineNo) + ": ";
        auto expectation = [&](bool ok, const std::string& what, const std::string& expected, const std::string& got) {
            if (ok) {
                ++totals.passed;
                return;
            }
            ++totals.failed;
            out << where << what << ": expected " << quote(expected) << ", got " << quote(got) << "\n";
        };
        try {
            const Statement st = parseLine(line);
            if (app.ended() && st.op != Statement::Op::Dump) fail("the program has ended");
            switch (st.op) {
            case Statement::Op::Type:
            case Statement::Op::Pick:
            case Statement::Op::Click: perform(app, st); break;
            case Statement::Op::Expect: {
                const Target t = resolve(app, st.address);
                Value actual;
                if (t.caption) actual = Text{t.screen->caption()};
                else if (t.variable) actual = Text{variableText(*t.variable)};
                else actual = property(*t.control, st.address.property);
                expectation(same(st.value, actual), st.address.spelled, show(st.value), show(actual));
                break;
            }
            case Statement::Op::ExpectList: {
                const Target t = resolve(app, st.address);
                if (!t.control || t.control->kind() != Kind::ComboBox) fail(st.address.spelled + " is not a combo box");
                auto join = [](const std::vector<std::string>& v) {
                    std::string s;
                    for (std::size_t k = 0; k < v.size(); ++k) s += (k ? "\", \"" : "") + v[k];
                    return s;
                };
                expectation(t.control->list() == st.words, st.address.spelled, join(st.words), join(t.control->list()));
                break;
            }
            case Statement::Op::ExpectScreens: {
                std::vector<std::string> want = st.words;
                std::vector<std::string> got;
                for (const auto& w : want)
                    if (!app.known(w)) fail("no screen " + w);
                for (const auto& name : app.screenNames()) {
                    const Screen* s = app.existing(name);
                    if (name != "MDIForm1" && s && s->visible()) got.push_back(name);
                }
                auto join = [](std::vector<std::string> v) {
                    std::sort(v.begin(), v.end());
                    std::string s;
                    for (std::size_t k = 0; k < v.size(); ++k) s += (k ? " " : "") + v[k];
                    return s;
                };
                expectation(join(want) == join(got), "expect-screens", join(want), join(got));
                break;
            }
            case Statement::Op::ExpectFailure:
            case Statement::Op::ExpectNoFailure: {
                const auto& last = app.lastResult();
                const bool failed = last.outcome == Outcome::Failed;
                const std::string got = failed
                                            ? "failure: " + std::string(failureName(last.failure->kind)) +
                                                  (last.failure->handler.empty() ? "" : " in " + last.failure->handler)
                                            : "no failure";
                if (st.op == Statement::Op::ExpectFailure) expectation(failed, "expect-failure", "failure", got);
                else expectation(!failed, "expect-no-failure", "no failure", got);
                break;
            }
            case Statement::Op::Dump: {
                if (!app.known(st.words[0])) fail("no screen " + st.words[0]);
                dump(out, app.screen(st.words[0]));
                break;
            }
            case Statement::Op::Report: {
                const std::string html = model::report::toHtml(reportOf(app, st.words[0]));
                const std::filesystem::path path = reportPath(st.words[1]);
                std::error_code ec;
                if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
                std::ofstream file(path, std::ios::binary | std::ios::trunc);
                if (!(file << html) || !file.flush()) fail("cannot write " + path.string());
                break;
            }
            case Statement::Op::ExpectReport: {
                const std::string text = model::report::toText(reportOf(app, st.words[0]));
                std::size_t at = 0;
                std::string missing;
                for (std::size_t k = 1; k < st.words.size() && missing.empty(); ++k) {
                    const auto found = text.find(st.words[k], at);
                    if (found == std::string::npos) missing = st.words[k];
                    else at = found + st.words[k].size();
                }
                std::vector<std::string> want(st.words.begin() + 1, st.words.end());
                expectation(missing.empty(), "expect-report " + st.words[0], joinCells(want),
                            missing.empty() ? joinCells(want) : "no \"" + missing + "\" (in this order)");
                break;
            }
            case Statement::Op::ExpectReportRow: {
                const auto rows = model::report::rows(reportOf(app, st.words[0]));
                const std::vector<std::string> want(st.words.begin() + 1, st.words.end());
                bool found = false;
                std::string near;
                for (const auto& row : rows) {
                    if (row.size() >= want.size() && std::equal(want.begin(), want.end(), row.begin())) found = true;
                    else if (!row.empty() && row.front() == want.front() && near.empty()) near = joinCells(row);
                }
                expectation(found, "expect-report-row " + st.words[0], joinCells(want),
                            near.empty() ? "no such row" : near);
                break;
            }
            }
        } catch (const std::exception& e) {
            ++totals.failed;
            out << where << "error: " << e.what() << "\n";
            return;
        }
        if (nl == text.size()) break;
    }
}

int runFiles(const std::vector<std::string>& files, std::ostream& out)
{
    Totals totals;
    for (const auto& f : files) {
        std::ifstream in(f, std::ios::binary);
        if (!in) {
            out << f << ": error: cannot read the file\n";
            totals.unreadable = true;
            continue;
        }
        std::ostringstream text;
        text << in.rdbuf();
        runScript(f, text.str(), out, totals);
    }
    out << totals.passed << " passed, " << totals.failed << " failed\n";
    if (totals.unreadable) return 2;
    return totals.failed == 0 ? 0 : 1;
}

} // namespace formscript
