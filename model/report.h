#pragma once
// Calculation reports (计算书). A screen's report is declared once, in the
// screen's own terms: which fields are its inputs, grouped under headings in
// the screen's reading order; which calculations it holds, each with the
// button that runs it, the buttons that clear it, its results with the
// formulas they come from, its tables and its warnings. From a declaration
// and the screen's current state `build` makes a Document, which the writers
// below turn into HTML (for printing, PDF and the clipboard) or tab-separated
// text. Nothing here knows a toolkit or a particular screen.
//
// A calculation counts as done when its button's last completed user action
// is newer than the last action on any of the buttons that clear it. Inputs
// acted on after it, and calculations it builds on that ran again after it,
// make its results stale; the report says so instead of passing them off as
// the results of the inputs it lists.

#include "model/screen.h"

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace model::report {

// ======================================================================
// What a report holds, whatever it is written to
// ======================================================================

struct Line {
    bool group = false; // the heading of a group of inputs (label only)
    std::string label, value, unit;
    std::vector<std::string> formulas; // "Ac = … = 6000×4.1868×…"
    std::string note;                  // how the value was cut or chosen
};

struct Table {
    std::string caption;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> notes; // the formulas of its columns
};

struct Block {
    enum class Kind { Heading, SubHeading, Inputs, Results, Table, Note, Warning };
    Kind kind = Kind::Note;
    std::string text;        // Heading, SubHeading, Note, Warning
    std::vector<Line> lines; // Inputs, Results
    Table table;             // Table
};

struct Header {
    std::string program; // "太阳能系统计算"
    std::string version; // "1.0.0"
    std::string date;    // "2025年3月4日"
};

struct Document {
    std::string title; // the screen's caption and "计算书"
    Header header;
    std::vector<std::string> codes; // the design codes the values follow
    std::vector<Block> blocks;
    bool calculated = false; // holds the results of at least one calculation
};

// HTML that Qt's rich text and word processors both lay out: a table of the
// program, date and codes, then one ruled table per block of lines or rows
// (its first row the header), the signature block (设计 / 校对 / 审核) at the end.
std::string toHtml(const Document& d);
// The same as text: one line per row, cells separated by tabs.
std::string toText(const Document& d);
// Every row of the report as its cells: an input (label, value, unit), a
// result (label, value, unit, formulas…), a table's header and rows.
std::vector<std::vector<std::string>> rows(const Document& d);

// The long date of a report, "2025年3月4日".
std::string longDate(int year, int month, int day);

// ======================================================================
// Declaring a report
// ======================================================================

// A label, unit or header: a control's caption as the screen shows it now
// (an address, "Label1(6)"), or a fixed text (`fixed("m2")`).
struct Caption {
    Caption() = default;
    Caption(const char* address) : address(address) {}
    Caption(std::string_view address) : address(address) {}
    std::string address;
    std::optional<std::string> text;
};
inline Caption fixed(std::string text)
{
    Caption c;
    c.text = std::move(text);
    return c;
}

// A test made when the report is built.
using Condition = std::function<bool()>;

class Declaration;

namespace detail {
struct Source {
    const Control* control = nullptr;
    const VariableRef* variable = nullptr;
    std::optional<std::string> fixed;
    bool selectedIn = false; // caption of the option selected in `control`
};
struct Piece {
    enum class Kind { Text, Ref, Sum, Pick };
    Kind kind = Kind::Text;
    std::string text;
    Source ref;
    std::vector<std::vector<const Control*>> factors; // Sum: one list of members per factor
    std::vector<const Control*> keys, values;         // Pick
};
struct Formula {
    std::string symbolic;
    std::vector<Piece> numbers;
    Condition when;
};
} // namespace detail

// One input or result.
class LineDecl {
public:
    // A formula in engineering notation and the same with the numbers
    // substituted: "{Text5}" stands for the text Text5 shows (a blank field
    // for 0, a negative value in brackets), "{Ch}" for a screen-level
    // variable, "{sum Text24*Text22}" for the non-zero products of the
    // members of two arrays ("120×10 + 240×20"), "{pick Text31=Text9(2)->Text30}"
    // for the member of Text30 at the index where Text31 shows Text9(2)'s text.
    // A formula with a condition is written only while it holds.
    LineDecl& formula(std::string symbolic, std::string_view numbers = {}, Condition when = {});
    // A remark on how the value was cut or chosen; one with a condition is
    // written only while it holds.
    LineDecl& note(std::string text, Condition when = {});
    // Only while this holds (besides the field being on view).
    LineDecl& when(Condition c);
    // Also while the field is kept out of sight (data the screen hides).
    LineDecl& always();

    explicit LineDecl(Declaration& d) : decl_(d) {} // made by a section

private:
    friend class Declaration;
    friend class Section;
    friend class Part;
    Declaration& decl_;
    detail::Source label_, value_, unit_;
    const Control* anchor_ = nullptr; // the field whose being on view decides
    std::vector<const Control*> covers_;
    std::vector<detail::Formula> formulas_;
    std::vector<std::pair<std::string, Condition>> notes_;
    Condition when_;
    bool always_ = false;
    bool input_ = false;
};

// A table of control arrays: one column per array, rows first … last.
class TableDecl {
public:
    // A column of the members of `array`; its header is a header cell of
    // the screen (hidden with its column) or a fixed text.
    TableDecl& column(const Caption& header, std::string_view array);
    // A column whose cells the user types into (an input of the calculation).
    TableDecl& inputColumn(const Caption& header, std::string_view array);
    // A column of the captions of the members of `array` (check boxes).
    TableDecl& captionColumn(const Caption& header, std::string_view array);
    TableDecl& note(std::string formula);
    // Leaves out rows whose cells after the first are all blank.
    TableDecl& dropBlankRows();

    TableDecl(Declaration& d, std::string caption, int first, int last) // made by a section
        : decl_(d), caption_(std::move(caption)), first_(first), last_(last)
    {}

private:
    friend class Declaration;
    friend class Section;
    TableDecl& add(const Caption& header, std::string_view array, bool input, bool caption);
    struct Column {
        detail::Source header;
        const Control* headerControl = nullptr;
        std::vector<const Control*> cells; // by row, first … last
        bool input = false;
        bool caption = false;
    };
    Declaration& decl_;
    std::string caption_;
    int first_, last_;
    std::vector<Column> columns_;
    std::vector<std::string> notes_;
    bool dropBlank_ = false;
};

// Lines, tables and warnings under one heading.
class Section {
public:
    // A field (text box, combo box, check box) with its label and unit.
    LineDecl& field(std::string_view address, const Caption& label = {}, const Caption& unit = {});
    // The option selected among the option buttons of a container.
    LineDecl& options(std::string_view container, const Caption& label);
    // A screen-level variable (a value the screen keeps but does not show).
    LineDecl& variable(std::string_view name, const Caption& label, const Caption& unit = {});
    TableDecl& table(std::string caption, int first, int last);
    // A warning label: in the report while the screen shows it.
    Section& warning(std::string_view label);

    Section(Declaration& d, std::string heading) : decl_(d), heading_(std::move(heading)) {}
    virtual ~Section() = default;
    const std::string& heading() const { return heading_; }

protected:
    friend class Declaration;
    LineDecl& line(bool input);
    virtual bool inputs() const { return true; }
    struct Item {
        LineDecl* line = nullptr;
        TableDecl* table = nullptr;
        const Control* warning = nullptr;
    };
    Declaration& decl_;
    std::string heading_;
    std::vector<Item> items_;
};

// A group of inputs of the report's first part.
class Group : public Section {
public:
    using Section::Section;
};

// One calculation: its results (`field`, `options`, `variable` declare
// results here), its own inputs, tables and warnings.
class Part : public Section {
public:
    // An input only this calculation reads, listed with it.
    LineDecl& input(std::string_view address, const Caption& label = {}, const Caption& unit = {});
    // Buttons (or whole control arrays) whose use clears these results.
    Part& clearedBy(std::initializer_list<std::string_view> controls);
    // Calculations (by their buttons) whose results this one reads.
    Part& uses(std::initializer_list<std::string_view> buttons);
    // The input groups this calculation reads (by heading); all when none is named.
    Part& reads(std::initializer_list<std::string_view> groups);

    Part(Declaration& d, std::string heading, const Control* button) // made by the declaration
        : Section(d, std::move(heading)), button_(button)
    {}

private:
    friend class Declaration;
    bool inputs() const override { return false; }
    const Control* button_;
    std::vector<const Control*> resets_;
    std::vector<const Control*> uses_;
    std::vector<std::string> reads_;
};

// The cells of one table of text boxes, as the screen lays it out: for
// copying a selection of them to a spreadsheet.
struct Grid {
    std::vector<const Control*> header;            // by column (nullptr: a fixed header)
    std::vector<std::string> headerText;           // as shown now
    std::vector<std::vector<const Control*>> rows; // by row, then by column
};

class Declaration {
public:
    explicit Declaration(const Screen& screen);
    Declaration(const Declaration&) = delete;
    Declaration& operator=(const Declaration&) = delete;
    ~Declaration();

    const Screen& screen() const { return screen_; }

    void codes(std::initializer_list<std::string_view> codes);
    Group& inputs(std::string heading);
    Part& part(std::string title, std::string_view button);
    // Controls that are neither inputs nor results of any calculation (hidden
    // data, a lookup no calculation reads), with the reason; a container
    // excludes everything in it, an array name all its members.
    void exclude(std::string_view address, std::string_view why);

    // --- conditions
    Condition selected(std::string_view option) const; // option button or check box is set
    Condition onView(std::string_view control) const;  // shown on the screen as laid out now
    Condition variableIn(std::string_view variable, std::initializer_list<int> values) const;
    Condition zero(std::string_view field) const; // the field reads (Val) as 0
    static Condition negate(Condition c);
    static Condition both(Condition a, Condition b);

    Document build(const Header& header) const;

    // Text boxes, combo boxes, option buttons and check boxes, and labels
    // with red text (warnings), that the report neither lists nor excludes.
    std::vector<const Control*> uncovered() const;
    // The tables whose cells are all text boxes, laid out as they are shown now.
    std::vector<Grid> grids() const;
    // The field of each line (the first option of an option group; none for a
    // variable), section by section, inputs first, in the order declared.
    std::vector<std::vector<const Control*>> fieldsBySection() const;

    // --- used by the sections
    const Control& control(std::string_view address) const;              // throws on an unknown address
    std::vector<const Control*> members(std::string_view address) const; // an array, or the one control
    detail::Source source(const Caption& c) const;
    std::vector<detail::Piece> parseNumbers(std::string_view numbers) const;

private:
    void cover(const Control* c);
    bool excluded(const Control& c) const;

    const Screen& screen_;
    std::vector<std::string> codes_;
    std::deque<Group> groups_;
    std::deque<Part> parts_;
    std::deque<LineDecl> lines_;
    std::deque<TableDecl> tables_;
    std::vector<const Control*> covered_;
    std::vector<const Control*> excluded_;
    friend class Section;
    friend class Part;
    friend class TableDecl;
    friend class LineDecl;
    struct Builder;
};

// Whether a control is on view as the screen is laid out now (its own and
// every container's Visible, none clipped), whether or not the screen itself
// is the one shown.
bool onView(const Control& c);

// The text a control stands for in a report: a field's text, "√" for a set
// check box or option button, a label's caption.
std::string valueText(const Control& c);

} // namespace model::report
