#include "model/report.h"

#include "model/values.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace model::report {

using detail::Piece;
using detail::Source;

namespace {

std::string trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return std::string(s.substr(first, last - first + 1));
}

std::string join(const std::vector<std::string>& parts, std::string_view sep)
{
    std::string s;
    for (std::size_t k = 0; k < parts.size(); ++k) s += (k ? std::string(sep) : "") + parts[k];
    return s;
}

// "Text14(2)" -> ("Text14", 2); "Text1" -> ("Text1", none)
struct Address {
    std::string name;
    std::optional<std::int16_t> index;
};

Address parseAddress(std::string_view a)
{
    Address r;
    const auto open = a.find('(');
    if (open == std::string_view::npos) {
        r.name = trim(a);
        return r;
    }
    r.name = trim(a.substr(0, open));
    const auto close = a.find(')', open);
    const std::string idx = close == std::string_view::npos ? "" : trim(a.substr(open + 1, close - open - 1));
    try {
        std::size_t used = 0;
        const int i = std::stoi(idx, &used);
        if (used == idx.size() && i >= -32768 && i <= 32767) r.index = static_cast<std::int16_t>(i);
    } catch (const std::exception&) {}
    if (!r.index || close + 1 != a.size()) throw std::invalid_argument("not an address: " + std::string(a));
    return r;
}

// A value as it goes into a formula: the field's text, a blank field as the
// 0 it reads as, a negative value in brackets.
std::string number(std::string_view shown)
{
    std::string t = trim(shown);
    if (t.empty()) return "0";
    if (t[0] == '-') return "(" + t + ")";
    return t;
}

bool isZero(const std::string& text)
{
    try {
        return Val(text) == 0;
    } catch (const CalcError&) {
        return false; // beyond double range: certainly not zero
    }
}

std::string sourceText(const Source& s)
{
    if (s.fixed) return *s.fixed;
    if (s.variable) return variableText(*s.variable);
    if (!s.control) return {};
    if (s.selectedIn) {
        for (const Control* c : s.control->screen().controls())
            if (c->container() == s.control && c->kind() == Kind::OptionButton && c->value()) return c->caption();
        return {};
    }
    return valueText(*s.control);
}

std::string substitute(const std::vector<Piece>& pieces)
{
    std::string out;
    for (const Piece& p : pieces) {
        switch (p.kind) {
        case Piece::Kind::Text: out += p.text; break;
        case Piece::Kind::Ref: out += number(sourceText(p.ref)); break;
        case Piece::Kind::Sum: {
            std::vector<std::string> terms;
            const std::size_t n = p.factors.front().size();
            for (std::size_t k = 0; k < n; ++k) {
                std::vector<std::string> f;
                bool zero = false;
                for (const auto& factor : p.factors) {
                    const std::string t = valueText(*factor[k]);
                    if (isZero(t)) zero = true;
                    f.push_back(number(t));
                }
                if (!zero) terms.push_back(join(f, "×"));
            }
            out += terms.empty() ? "0" : join(terms, " + ");
            break;
        }
        case Piece::Kind::Pick: {
            std::string v = "—";
            const std::string key = trim(valueText(*p.ref.control));
            for (std::size_t k = 0; k < p.keys.size(); ++k)
                if (trim(valueText(*p.keys[k])) == key) {
                    v = number(valueText(*p.values[k]));
                    break;
                }
            out += v;
            break;
        }
        }
    }
    return out;
}

} // namespace

bool onView(const Control& c)
{
    for (const Control* k = &c; k; k = k->container())
        if (!k->visible() || k->clipped()) return false;
    return true;
}

std::string valueText(const Control& c)
{
    switch (c.kind()) {
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::Document: return c.text();
    case Kind::CheckBox:
    case Kind::OptionButton: return c.value() ? "√" : "";
    default: return c.caption();
    }
}

std::string longDate(int year, int month, int day)
{
    return std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日";
}

// ======================================================================
// Declarations
// ======================================================================

LineDecl& LineDecl::formula(std::string symbolic, std::string_view numbers, Condition when)
{
    formulas_.push_back({std::move(symbolic), decl_.parseNumbers(numbers), std::move(when)});
    return *this;
}

LineDecl& LineDecl::note(std::string text, Condition when)
{
    notes_.emplace_back(std::move(text), std::move(when));
    return *this;
}

LineDecl& LineDecl::when(Condition c)
{
    when_ = std::move(c);
    return *this;
}

LineDecl& LineDecl::always()
{
    always_ = true;
    return *this;
}

TableDecl& TableDecl::add(const Caption& header, std::string_view array, bool input, bool caption)
{
    Column col;
    col.header = decl_.source(header);
    col.headerControl = col.header.control;
    col.input = input;
    col.caption = caption;
    const std::string name = trim(array);
    for (int r = first_; r <= last_; ++r) {
        const Control* c = decl_.screen().find(name, static_cast<std::int16_t>(r));
        if (!c)
            throw std::invalid_argument("report of " + decl_.screen().name() + ": no control " + name + "(" +
                                        std::to_string(r) + ")");
        col.cells.push_back(c);
        decl_.cover(c);
    }
    if (col.headerControl) decl_.cover(col.headerControl);
    columns_.push_back(std::move(col));
    return *this;
}

TableDecl& TableDecl::column(const Caption& header, std::string_view array) { return add(header, array, false, false); }
TableDecl& TableDecl::inputColumn(const Caption& header, std::string_view array)
{
    return add(header, array, true, false);
}
TableDecl& TableDecl::captionColumn(const Caption& header, std::string_view array)
{
    return add(header, array, false, true);
}

TableDecl& TableDecl::note(std::string formula)
{
    notes_.push_back(std::move(formula));
    return *this;
}

TableDecl& TableDecl::dropBlankRows()
{
    dropBlank_ = true;
    return *this;
}

LineDecl& Section::line(bool input)
{
    LineDecl& l = decl_.lines_.emplace_back(decl_);
    l.input_ = input;
    items_.push_back({&l, nullptr, nullptr});
    return l;
}

LineDecl& Section::field(std::string_view address, const Caption& label, const Caption& unit)
{
    LineDecl& l = line(inputs());
    const Control& c = decl_.control(address);
    l.value_.control = &c;
    l.anchor_ = &c;
    l.label_ = decl_.source(label);
    l.unit_ = decl_.source(unit);
    l.covers_.push_back(&c);
    decl_.cover(&c);
    return l;
}

LineDecl& Part::input(std::string_view address, const Caption& label, const Caption& unit)
{
    LineDecl& l = field(address, label, unit);
    l.input_ = true;
    return l;
}

LineDecl& Section::options(std::string_view container, const Caption& label)
{
    LineDecl& l = line(inputs());
    const Control& box = decl_.control(container);
    l.value_.control = &box;
    l.value_.selectedIn = true;
    l.label_ = decl_.source(label);
    for (const Control* c : decl_.screen().controls())
        if (c->container() == &box && c->kind() == Kind::OptionButton) {
            if (!l.anchor_) l.anchor_ = c;
            l.covers_.push_back(c);
            decl_.cover(c);
        }
    if (!l.anchor_)
        throw std::invalid_argument("report of " + decl_.screen().name() + ": no option buttons in " +
                                    std::string(container));
    return l;
}

LineDecl& Section::variable(std::string_view name, const Caption& label, const Caption& unit)
{
    LineDecl& l = line(inputs());
    l.value_.variable = decl_.screen().variable(trim(name));
    if (!l.value_.variable)
        throw std::invalid_argument("report of " + decl_.screen().name() + ": no variable " + std::string(name));
    l.label_ = decl_.source(label);
    l.unit_ = decl_.source(unit);
    return l;
}

TableDecl& Section::table(std::string caption, int first, int last)
{
    TableDecl& t = decl_.tables_.emplace_back(decl_, std::move(caption), first, last);
    items_.push_back({nullptr, &t, nullptr});
    return t;
}

Section& Section::warning(std::string_view label)
{
    const Control& c = decl_.control(label);
    decl_.cover(&c);
    items_.push_back({nullptr, nullptr, &c});
    return *this;
}

Part& Part::clearedBy(std::initializer_list<std::string_view> controls)
{
    for (auto a : controls)
        for (const Control* c : decl_.members(a)) resets_.push_back(c);
    return *this;
}

Part& Part::uses(std::initializer_list<std::string_view> buttons)
{
    for (auto a : buttons) uses_.push_back(&decl_.control(a));
    return *this;
}

Part& Part::reads(std::initializer_list<std::string_view> groups)
{
    for (auto g : groups) reads_.emplace_back(g);
    return *this;
}

Declaration::Declaration(const Screen& screen) : screen_(screen) {}
Declaration::~Declaration() = default;

void Declaration::codes(std::initializer_list<std::string_view> codes)
{
    for (auto c : codes) codes_.emplace_back(c);
}

Group& Declaration::inputs(std::string heading) { return groups_.emplace_back(*this, std::move(heading)); }

Part& Declaration::part(std::string title, std::string_view button)
{
    return parts_.emplace_back(*this, std::move(title), &control(button));
}

void Declaration::exclude(std::string_view address, std::string_view why)
{
    if (trim(why).empty()) throw std::invalid_argument("an exclusion from a report says why");
    for (const Control* c : members(address)) excluded_.push_back(c);
}

const Control& Declaration::control(std::string_view address) const
{
    const Address a = parseAddress(address);
    const Control* c = screen_.find(a.name, a.index);
    if (!c) throw std::invalid_argument("report of " + screen_.name() + ": no control " + std::string(address));
    return *c;
}

std::vector<const Control*> Declaration::members(std::string_view address) const
{
    const Address a = parseAddress(address);
    if (a.index || screen_.find(a.name)) return {&control(address)};
    std::vector<const Control*> m;
    for (const Control* c : screen_.controls())
        if (c->name() == a.name && c->index()) m.push_back(c);
    if (m.empty()) throw std::invalid_argument("report of " + screen_.name() + ": no control " + std::string(address));
    std::sort(m.begin(), m.end(), [](const Control* x, const Control* y) { return *x->index() < *y->index(); });
    return m;
}

Source Declaration::source(const Caption& c) const
{
    Source s;
    if (c.text) s.fixed = c.text;
    else if (!c.address.empty()) s.control = &control(c.address);
    return s;
}

std::vector<Piece> Declaration::parseNumbers(std::string_view numbers) const
{
    std::vector<Piece> pieces;
    std::size_t p = 0;
    auto bad = [&](const std::string& why) {
        return std::invalid_argument("report of " + screen_.name() + ": " + why + " in \"" + std::string(numbers) +
                                     "\"");
    };
    while (p < numbers.size()) {
        const auto open = numbers.find('{', p);
        if (open != p) {
            Piece t;
            t.text = std::string(numbers.substr(p, open == std::string_view::npos ? std::string_view::npos : open - p));
            pieces.push_back(std::move(t));
            if (open == std::string_view::npos) break;
        }
        const auto close = numbers.find('}', open);
        if (close == std::string_view::npos) throw bad("unclosed {");
        const std::string inside = trim(numbers.substr(open + 1, close - open - 1));
        Piece piece;
        if (inside.rfind("sum ", 0) == 0) {
            piece.kind = Piece::Kind::Sum;
            std::string rest = inside.substr(4);
            std::vector<std::string> names;
            for (std::size_t s = 0;;) {
                const auto star = rest.find('*', s);
                names.push_back(trim(rest.substr(s, star == std::string::npos ? std::string::npos : star - s)));
                if (star == std::string::npos) break;
                s = star + 1;
            }
            const std::vector<const Control*> first = members(names.front());
            piece.factors.push_back(first);
            for (std::size_t f = 1; f < names.size(); ++f) {
                std::vector<const Control*> col;
                for (const Control* c : first) {
                    const Control* m = screen_.find(names[f], c->index());
                    if (!m) throw bad("no member of " + names[f] + " beside " + c->address());
                    col.push_back(m);
                }
                piece.factors.push_back(std::move(col));
            }
        } else if (inside.rfind("pick ", 0) == 0) {
            piece.kind = Piece::Kind::Pick;
            const std::string rest = inside.substr(5);
            const auto eq = rest.find('=');
            const auto arrow = rest.find("->");
            if (eq == std::string::npos || arrow == std::string::npos || arrow < eq) throw bad("not a pick");
            piece.keys = members(trim(rest.substr(0, eq)));
            piece.ref.control = &control(trim(rest.substr(eq + 1, arrow - eq - 1)));
            const std::string values = trim(rest.substr(arrow + 2));
            for (const Control* k : piece.keys) {
                const Control* v = screen_.find(values, k->index());
                if (!v) throw bad("no member of " + values + " beside " + k->address());
                piece.values.push_back(v);
            }
        } else {
            piece.kind = Piece::Kind::Ref;
            const Address a = parseAddress(inside);
            if (const Control* c = screen_.find(a.name, a.index)) piece.ref.control = c;
            else if (!a.index && screen_.variable(a.name)) piece.ref.variable = screen_.variable(a.name);
            else throw bad("no control or variable " + inside);
        }
        pieces.push_back(std::move(piece));
        p = close + 1;
    }
    return pieces;
}

void Declaration::cover(const Control* c) { covered_.push_back(c); }

bool Declaration::excluded(const Control& c) const
{
    for (const Control* k = &c; k; k = k->container())
        if (std::find(excluded_.begin(), excluded_.end(), k) != excluded_.end()) return true;
    return false;
}

std::vector<const Control*> Declaration::uncovered() const
{
    std::vector<const Control*> out;
    for (const Control* c : screen_.controls()) {
        const bool field = c->kind() == Kind::TextBox || c->kind() == Kind::ComboBox ||
                           c->kind() == Kind::OptionButton || c->kind() == Kind::CheckBox;
        const bool warning = c->kind() == Kind::Label && c->foreColor() == colors::red;
        if (!field && !warning) continue;
        if (std::find(covered_.begin(), covered_.end(), c) != covered_.end() || excluded(*c)) continue;
        out.push_back(c);
    }
    return out;
}

Condition Declaration::selected(std::string_view option) const
{
    const Control* c = &control(option);
    return [c] { return c->value() != 0; };
}

Condition Declaration::onView(std::string_view control) const
{
    const Control* c = &this->control(control);
    return [c] { return report::onView(*c); };
}

Condition Declaration::variableIn(std::string_view variable, std::initializer_list<int> values) const
{
    const VariableRef* v = screen_.variable(variable);
    if (!v) throw std::invalid_argument("report of " + screen_.name() + ": no variable " + std::string(variable));
    std::vector<int> set(values);
    return [v, set] {
        const long double x = std::visit(
            [](auto* p) -> long double {
                if constexpr (std::is_same_v<std::remove_pointer_t<decltype(p)>, Currency>) return p->value();
                else return static_cast<long double>(*p);
            },
            *v);
        return std::find(set.begin(), set.end(), x) != set.end();
    };
}

Condition Declaration::zero(std::string_view field) const
{
    const Control* c = &control(field);
    return [c] { return isZero(c->text()); };
}

Condition Declaration::negate(Condition c)
{
    return [c = std::move(c)] { return !c(); };
}

Condition Declaration::both(Condition a, Condition b)
{
    return [a = std::move(a), b = std::move(b)] { return a() && b(); };
}

// ======================================================================
// Building the document
// ======================================================================

struct Declaration::Builder {
    const Declaration& d;

    static bool shows(const LineDecl& l)
    {
        if (l.when_ && !l.when_()) return false;
        return l.always_ || l.anchor_ == nullptr || report::onView(*l.anchor_);
    }

    static Line render(const LineDecl& l)
    {
        Line out;
        out.label = trim(sourceText(l.label_));
        out.value = sourceText(l.value_);
        out.unit = trim(sourceText(l.unit_));
        for (const auto& f : l.formulas_) {
            if (f.when && !f.when()) continue;
            const std::string numbers = substitute(f.numbers);
            out.formulas.push_back(numbers.empty() ? f.symbolic : f.symbolic + " = " + numbers);
        }
        std::vector<std::string> notes;
        for (const auto& [text, when] : l.notes_)
            if (!when || when()) notes.push_back(text);
        out.note = join(notes, "；");
        return out;
    }

    static std::vector<std::size_t> shownColumns(const TableDecl& t)
    {
        std::vector<std::size_t> cols;
        for (std::size_t k = 0; k < t.columns_.size(); ++k) {
            const auto& c = t.columns_[k];
            const bool shown = c.headerControl ? report::onView(*c.headerControl)
                                               : std::any_of(c.cells.begin(), c.cells.end(),
                                                             [](const Control* x) { return report::onView(*x); });
            if (shown) cols.push_back(k);
        }
        return cols;
    }

    // Rows (by index into the cells) with a cell on view.
    static std::vector<std::size_t> shownRows(const TableDecl& t, const std::vector<std::size_t>& cols)
    {
        std::vector<std::size_t> rows;
        const std::size_t n = static_cast<std::size_t>(t.last_ - t.first_) + 1;
        for (std::size_t r = 0; r < n; ++r) {
            bool any = false;
            for (std::size_t c : cols) any = any || report::onView(*t.columns_[c].cells[r]);
            if (!any) continue;
            if (t.dropBlank_) {
                bool blank = true;
                for (std::size_t k = 1; k < cols.size(); ++k) blank = blank && trim(cellText(t, cols[k], r)).empty();
                if (blank) continue;
            }
            rows.push_back(r);
        }
        return rows;
    }

    static std::string cellText(const TableDecl& t, std::size_t col, std::size_t row)
    {
        const auto& c = t.columns_[col];
        const Control& cell = *c.cells[row];
        if (!report::onView(cell)) return {};
        return c.caption ? cell.caption() : valueText(cell);
    }

    static Table render(const TableDecl& t)
    {
        Table out;
        out.caption = t.caption_;
        const auto cols = shownColumns(t);
        out.header.reserve(cols.size());
        for (std::size_t c : cols) out.header.push_back(trim(sourceText(t.columns_[c].header)));
        for (std::size_t r : shownRows(t, cols)) {
            std::vector<std::string> row;
            row.reserve(cols.size());
            for (std::size_t c : cols) row.push_back(cellText(t, c, r));
            out.rows.push_back(std::move(row));
        }
        out.notes = t.notes_;
        return out;
    }

    // The section's items in order; results only when `results`.
    static void renderItems(const Section& s, bool results, std::vector<Block>& out)
    {
        for (const auto& item : s.items_) {
            if (item.line) {
                const LineDecl& l = *item.line;
                if (!l.input_ && !results) continue;
                if (!shows(l)) continue;
                const Block::Kind kind = l.input_ ? Block::Kind::Inputs : Block::Kind::Results;
                if (out.empty() || out.back().kind != kind) out.push_back(Block{kind, {}, {}, {}});
                out.back().lines.push_back(render(l));
            } else if (item.table) {
                const bool input = std::all_of(item.table->columns_.begin(), item.table->columns_.end(),
                                               [](const auto& c) { return c.input || c.caption; }) ||
                                   s.inputs();
                if (!results && !input) continue;
                Block b;
                b.kind = Block::Kind::Table;
                b.table = render(*item.table);
                // an input table with nothing on view is not part of this report
                if (b.table.rows.empty() && (s.inputs() || !results)) continue;
                out.push_back(std::move(b));
            } else if (item.warning && report::onView(*item.warning)) {
                out.push_back(Block{Block::Kind::Warning, trim(item.warning->caption()), {}, {}});
            }
        }
    }

    struct State {
        bool calculated = false;
        bool failed = false;
        std::vector<std::string> changed, rerun, missing;
    };

    std::string titleOf(const Control* button) const
    {
        for (const Part& p : d.parts_)
            if (p.button_ == button) return p.heading_;
        std::string caption;
        for (char ch : button->caption())
            if (ch != ' ') caption += ch;
        return caption;
    }

    State state(const Part& p) const
    {
        State st;
        const ActionMark m = d.screen_.lastAction(*p.button_);
        if (m.serial == 0) return st;
        for (const Control* r : p.resets_)
            if (d.screen_.lastAction(*r).serial > m.serial) return st;
        st.calculated = true;
        st.failed = m.failed;
        auto newer = [&](const Control* c) { return d.screen_.lastAction(*c).serial > m.serial; };
        auto check = [&](const Section& s) {
            for (const auto& item : s.items_) {
                if (item.line && item.line->input_ && shows(*item.line)) {
                    const LineDecl& l = *item.line;
                    if (std::any_of(l.covers_.begin(), l.covers_.end(), newer)) st.changed.push_back(render(l).label);
                } else if (item.table) {
                    const auto cols = shownColumns(*item.table);
                    for (std::size_t c : cols) {
                        const auto& col = item.table->columns_[c];
                        if ((col.input || s.inputs()) && std::any_of(col.cells.begin(), col.cells.end(), newer))
                            st.changed.push_back(trim(sourceText(col.header)));
                    }
                }
            }
        };
        for (const Group& g : d.groups_)
            if (p.reads_.empty() || std::find(p.reads_.begin(), p.reads_.end(), g.heading_) != p.reads_.end()) check(g);
        check(p);
        for (const Control* u : p.uses_) {
            const ActionMark mu = d.screen_.lastAction(*u);
            if (mu.serial == 0) st.missing.push_back(titleOf(u));
            else if (mu.serial > m.serial) st.rerun.push_back(titleOf(u));
        }
        return st;
    }

    static std::string quoted(const std::vector<std::string>& names)
    {
        std::vector<std::string> q;
        q.reserve(names.size());
        for (const auto& n : names) q.push_back("“" + n + "”");
        return join(q, "、");
    }

    Document build(const Header& header) const
    {
        Document doc;
        doc.title = trim(d.screen_.caption()) + " 计算书";
        doc.header = header;
        doc.codes = d.codes_;

        // the groups of inputs in one table, each under a heading row, as
        // long as no input table comes between them
        std::vector<Block> inputs;
        for (const Group& g : d.groups_) {
            std::vector<Block> blocks;
            renderItems(g, true, blocks);
            if (blocks.empty()) continue;
            if (blocks.front().kind == Block::Kind::Inputs) {
                Line heading;
                heading.group = true;
                heading.label = g.heading_;
                blocks.front().lines.insert(blocks.front().lines.begin(), heading);
            } else {
                blocks.insert(blocks.begin(), Block{Block::Kind::SubHeading, g.heading_, {}, {}});
            }
            for (Block& b : blocks) {
                if (b.kind == Block::Kind::Inputs && !inputs.empty() && inputs.back().kind == Block::Kind::Inputs)
                    inputs.back().lines.insert(inputs.back().lines.end(), b.lines.begin(), b.lines.end());
                else inputs.push_back(std::move(b));
            }
        }

        std::vector<Block> parts;
        int number = 0;
        for (const Part& p : d.parts_) {
            if (!report::onView(*p.button_)) continue;
            const State st = state(p);
            parts.push_back(Block{Block::Kind::SubHeading, std::to_string(++number) + ". " + p.heading_, {}, {}});
            if (!st.calculated) {
                renderItems(p, false, parts);
                parts.push_back(Block{Block::Kind::Note,
                                      "尚未计算：按“" + titleOf(p.button_) +
                                          "”所在的计算按钮后才有本部分的结果"
                                          "（或结果已被归0清除）。",
                                      {},
                                      {}});
                continue;
            }
            doc.calculated = true;
            if (st.failed)
                parts.push_back(Block{Block::Kind::Warning,
                                      "上次计算未能完成（计算失败，原因见状态栏）；以下只是失败前已写出的结果，"
                                      "请检查输入后重新计算。",
                                      {},
                                      {}});
            if (!st.changed.empty())
                parts.push_back(
                    Block{Block::Kind::Warning,
                          "计算后又修改了" + quoted(st.changed) + "：以下结果不是按所列输入算得的，请重新计算。",
                          {},
                          {}});
            if (!st.missing.empty())
                parts.push_back(Block{Block::Kind::Warning,
                                      "本计算所依据的" + quoted(st.missing) + "尚未计算，以下结果不是由其结果算得的。",
                                      {},
                                      {}});
            if (!st.rerun.empty())
                parts.push_back(Block{Block::Kind::Warning,
                                      "本计算所依据的" + quoted(st.rerun) + "在本计算之后又重新计算过，请重新计算。",
                                      {},
                                      {}});
            renderItems(p, true, parts);
        }

        if (!doc.calculated)
            doc.blocks.push_back(Block{Block::Kind::Note, "本页尚未计算：以下只列出输入参数，没有计算结果。", {}, {}});
        if (!inputs.empty()) {
            doc.blocks.push_back(Block{Block::Kind::Heading, "一、设计参数", {}, {}});
            doc.blocks.insert(doc.blocks.end(), inputs.begin(), inputs.end());
        }
        if (!parts.empty()) {
            doc.blocks.push_back(Block{Block::Kind::Heading, inputs.empty() ? "一、计算" : "二、计算", {}, {}});
            doc.blocks.insert(doc.blocks.end(), parts.begin(), parts.end());
        }
        return doc;
    }

    std::vector<Grid> grids() const
    {
        std::vector<Grid> out;
        for (const TableDecl& t : d.tables_) {
            const bool text = std::all_of(t.columns_.begin(), t.columns_.end(), [](const auto& c) {
                return !c.caption && std::all_of(c.cells.begin(), c.cells.end(),
                                                 [](const Control* x) { return x->kind() == Kind::TextBox; });
            });
            if (!text) continue;
            Grid g;
            const auto cols = shownColumns(t);
            for (std::size_t c : cols) {
                g.header.push_back(t.columns_[c].headerControl);
                g.headerText.push_back(trim(sourceText(t.columns_[c].header)));
            }
            for (std::size_t r : shownRows(t, cols)) {
                std::vector<const Control*> row;
                row.reserve(cols.size());
                for (std::size_t c : cols) row.push_back(t.columns_[c].cells[r]);
                g.rows.push_back(std::move(row));
            }
            out.push_back(std::move(g));
        }
        return out;
    }
};

Document Declaration::build(const Header& header) const { return Builder{*this}.build(header); }

std::vector<std::vector<const Control*>> Declaration::fieldsBySection() const
{
    std::vector<std::vector<const Control*>> out;
    auto add = [&](const Section& s) {
        std::vector<const Control*> fields;
        for (const auto& item : s.items_)
            if (item.line && item.line->anchor_) fields.push_back(item.line->anchor_);
        out.push_back(std::move(fields));
    };
    for (const Group& g : groups_) add(g);
    for (const Part& p : parts_) add(p);
    return out;
}

std::vector<Grid> Declaration::grids() const { return Builder{*this}.grids(); }

// ======================================================================
// Writers
// ======================================================================

namespace {

std::string escape(std::string_view s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// A formula: what follows "^" raised ("Ch^−1.85").
std::string formulaHtml(std::string_view s)
{
    std::string out;
    for (std::size_t k = 0; k < s.size();) {
        if (s[k] != '^') {
            const std::size_t next = std::min(s.find('^', k), s.size());
            out += escape(s.substr(k, next - k));
            k = next;
            continue;
        }
        std::size_t e = k + 1;
        if (s.compare(e, 3, "−") == 0) e += 3; // U+2212 MINUS SIGN
        else if (e < s.size() && s[e] == '-') ++e;
        while (e < s.size() && (std::isdigit(static_cast<unsigned char>(s[e])) || s[e] == '.')) ++e;
        out += "<sup>" + escape(s.substr(k + 1, e - k - 1)) + "</sup>";
        k = e;
    }
    return out;
}

// A value as the field shows it: leading blanks kept.
std::string escapeValue(std::string_view s)
{
    std::string out;
    std::size_t k = 0;
    for (; k < s.size() && s[k] == ' '; ++k) out += "&#160;";
    return out + escape(s.substr(k));
}

constexpr const char* kTableOpen =
    "<table class=\"grid\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"";
void htmlGrid(std::string& h, const std::string& head, const std::vector<std::string>& rows)
{
    h += std::string(kTableOpen) + ">\n" + head;
    for (const auto& r : rows) h += r;
    h += "</table>\n";
}

void htmlLines(std::string& h, const Block& b)
{
    std::string head;
    std::vector<std::string> rows;
    if (b.kind == Block::Kind::Inputs) {
        head = "<thead><tr><th width=\"46%\">参数</th><th width=\"34%\">数值</th><th "
               "width=\"20%\">单位</th></tr></thead>\n";
        for (const Line& l : b.lines)
            rows.push_back(l.group ? "<tr><td colspan=\"3\" class=\"group\" bgcolor=\"#f2f2f2\"><b>" + escape(l.label) +
                                         "</b></td></tr>\n"
                                   : "<tr><td>" + escape(l.label) + "</td><td>" + escapeValue(l.value) + "</td><td>" +
                                         escape(l.unit) + "</td></tr>\n");
    } else {
        head = "<thead><tr><th width=\"23%\">项目</th><th width=\"12%\">结果</th><th width=\"12%\">单位</th>"
               "<th width=\"53%\">计算式</th></tr></thead>\n";
        for (const Line& l : b.lines) {
            std::string f;
            for (const auto& x : l.formulas) f += (f.empty() ? "" : "<br>") + formulaHtml(x);
            if (!l.note.empty())
                f += (f.empty() ? "" : "<br>") + std::string("<span class=\"note\">") + formulaHtml(l.note) + "</span>";
            rows.push_back("<tr><td>" + escape(l.label) + "</td><td><b>" + escapeValue(l.value) + "</b></td><td>" +
                           escape(l.unit) + "</td><td>" + f + "</td></tr>\n");
        }
    }
    htmlGrid(h, head, rows);
}

void htmlTable(std::string& h, const Table& t)
{
    if (!t.caption.empty()) h += "<p class=\"caption\"><b>" + escape(t.caption) + "</b></p>\n";
    std::string head = "<thead><tr>";
    for (const auto& c : t.header) head += "<th>" + escape(c) + "</th>";
    head += "</tr></thead>\n";
    std::vector<std::string> rows;
    for (const auto& row : t.rows) {
        std::string r = "<tr>";
        for (const auto& c : row) r += "<td align=\"center\">" + escapeValue(c) + "</td>";
        rows.push_back(r + "</tr>\n");
    }
    htmlGrid(h, head, rows);
    if (t.rows.empty()) h += "<p class=\"note\">表中没有计算行。</p>\n";
    for (const auto& n : t.notes) h += "<p class=\"note\">" + formulaHtml(n) + "</p>\n";
}

} // namespace

std::string toHtml(const Document& d)
{
    std::string h = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n<title>" + escape(d.title) +
                    "</title>\n<meta name=\"generator\" content=\"" + escape(d.header.program) + " " +
                    escape(d.header.version) +
                    "\">\n"
                    "<style>\n"
                    "body { font-size: 10pt; }\n"
                    "h1 { font-size: 16pt; text-align: center; margin-bottom: 6pt; }\n"
                    "h2 { font-size: 13pt; margin-top: 12pt; margin-bottom: 4pt; }\n"
                    "h3 { font-size: 11pt; margin-top: 8pt; margin-bottom: 3pt; }\n"
                    "table.grid { border-collapse: collapse; border-color: #000000; }\n"
                    "table.grid th { background-color: #e6e6e6; font-weight: bold; }\n"
                    "p.note { color: #333333; margin-top: 2pt; margin-bottom: 2pt; }\n"
                    "span.note { color: #555555; }\n"
                    "p.warning { color: #c00000; font-weight: bold; margin-top: 3pt; margin-bottom: 3pt; }\n"
                    "p.caption { margin-top: 6pt; margin-bottom: 2pt; }\n"
                    "</style></head>\n<body>\n";
    h += "<h1>" + escape(d.title) + "</h1>\n";
    h += "<table class=\"info\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">\n";
    h += "<tr><td width=\"16%\">计算程序：</td><td>" + escape(d.header.program) + " " + escape(d.header.version) +
         "</td></tr>\n";
    h += "<tr><td>计算日期：</td><td>" + escape(d.header.date) + "</td></tr>\n";
    std::string codes;
    for (const auto& c : d.codes) codes += (codes.empty() ? "" : "<br>") + escape(c);
    h += "<tr><td>设计依据：</td><td>" + codes + "</td></tr>\n</table>\n";
    for (const Block& b : d.blocks) {
        switch (b.kind) {
        case Block::Kind::Heading: h += "<h2>" + escape(b.text) + "</h2>\n"; break;
        case Block::Kind::SubHeading: h += "<h3>" + escape(b.text) + "</h3>\n"; break;
        case Block::Kind::Inputs:
        case Block::Kind::Results: htmlLines(h, b); break;
        case Block::Kind::Table: htmlTable(h, b.table); break;
        case Block::Kind::Note: h += "<p class=\"note\">" + escape(b.text) + "</p>\n"; break;
        case Block::Kind::Warning: h += "<p class=\"warning\">注意：" + escape(b.text) + "</p>\n"; break;
        }
    }
    h += "<p>&#160;</p>\n<table class=\"sign\" cellspacing=\"0\" cellpadding=\"6\" width=\"100%\"><tr>"
         "<td width=\"33%\">设计：</td><td width=\"33%\">校对：</td><td width=\"34%\">审核：</td></tr>"
         "<tr><td>日期：</td><td>日期：</td><td>日期：</td></tr></table>\n";
    h += "</body></html>\n";
    return h;
}

namespace {
std::string cells(const std::vector<std::string>& row)
{
    std::string s;
    for (std::size_t k = 0; k < row.size(); ++k) {
        std::string c = row[k];
        std::replace(c.begin(), c.end(), '\t', ' ');
        std::replace(c.begin(), c.end(), '\n', ' ');
        s += (k ? "\t" : "") + c;
    }
    return s + "\n";
}

std::vector<std::string> resultCells(const Line& l)
{
    std::vector<std::string> r{l.label, l.value, l.unit};
    std::string f = join(l.formulas, "；");
    if (!l.note.empty()) f += (f.empty() ? "" : "；") + l.note;
    r.push_back(f);
    return r;
}
} // namespace

std::string toText(const Document& d)
{
    std::string t = d.title + "\n";
    t += cells({"计算程序", d.header.program + " " + d.header.version});
    t += cells({"计算日期", d.header.date});
    t += cells({"设计依据", join(d.codes, "；")});
    for (const Block& b : d.blocks) {
        switch (b.kind) {
        case Block::Kind::Heading:
        case Block::Kind::SubHeading: t += "\n" + b.text + "\n"; break;
        case Block::Kind::Inputs:
            t += cells({"参数", "数值", "单位"});
            for (const Line& l : b.lines) t += l.group ? cells({l.label}) : cells({l.label, l.value, l.unit});
            break;
        case Block::Kind::Results:
            t += cells({"项目", "结果", "单位", "计算式"});
            for (const Line& l : b.lines) t += cells(resultCells(l));
            break;
        case Block::Kind::Table:
            if (!b.table.caption.empty()) t += b.table.caption + "\n";
            t += cells(b.table.header);
            for (const auto& r : b.table.rows) t += cells(r);
            for (const auto& n : b.table.notes) t += n + "\n";
            break;
        case Block::Kind::Note: t += b.text + "\n"; break;
        case Block::Kind::Warning: t += "注意：" + b.text + "\n"; break;
        }
    }
    t += "\n" + cells({"设计：", "校对：", "审核："});
    return t;
}

std::vector<std::vector<std::string>> rows(const Document& d)
{
    std::vector<std::vector<std::string>> out;
    for (const Block& b : d.blocks) {
        if (b.kind == Block::Kind::Inputs)
            for (const Line& l : b.lines)
                out.push_back(l.group ? std::vector<std::string>{l.label}
                                      : std::vector<std::string>{l.label, l.value, l.unit});
        else if (b.kind == Block::Kind::Results)
            for (const Line& l : b.lines) {
                std::vector<std::string> r{l.label, l.value, l.unit};
                r.insert(r.end(), l.formulas.begin(), l.formulas.end());
                out.push_back(std::move(r));
            }
        else if (b.kind == Block::Kind::Table) {
            out.push_back(b.table.header);
            out.insert(out.end(), b.table.rows.begin(), b.table.rows.end());
        }
    }
    return out;
}

} // namespace model::report
