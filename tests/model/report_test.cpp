// Calculation reports from a declaration: what is on view goes in, a
// calculation counts from its button's last completed action until it is
// cleared, later input changes and failures are flagged, formulas get the
// shown numbers, and the writers keep every cell.
#include "model/app.h"
#include "model/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace model;
using namespace model::report;

namespace {
using model::report::Document; // not the control kind of the same name
}

namespace {

class CalcForm : public Screen {
public:
    explicit CalcForm(App& app) : Screen(app, "CalcForm")
    {
        Opt.add(0, in(Frame1, 0, 0), "直接式").setValue(true);
        Opt.add(1, in(Frame1, 0, 1), "间接式");
        Opt.onClick([this](std::int16_t i) { Extra.setVisible(i == 1); });
        for (std::int16_t r = 0; r < 3; ++r) {
            No.add(r, in(Grid1, r + 1, 0), std::to_string(r + 1)).locked();
            Flow.add(r, in(Grid1, r + 1, 1)).locked();
            Length.add(r, in(Grid1, r + 1, 2), "7200");
        }
        Extra.hidden();
        Warn.fore(colors::red).hidden();
        Data.hidden();
        Command1.onClick = [this] { // doubles the flow, one row per unit
            const int n = static_cast<int>(Val(Text1.text()));
            Text3.setText(CStr(Val(Text1.text()) * 2));
            for (std::int16_t r = 0; r < 3; ++r) {
                No(r).setVisible(r < n);
                Flow(r).setVisible(r < n);
                Length(r).setVisible(r < n);
                Flow(r).setText(CStr(r + 1.5));
            }
            Warn.setVisible(n > 3);
        };
        Command2.onClick = [this] { Text3.setText(""); };
        Command3.onClick = [this] {
            Text4.setText(CStr(Val(Text3.text()) + 1));
            Text4.setText(CStr(dbl(quot(1, Val(Text1.text()) - Val(Text1.text())))));
        };
        var("k", k);
        var("neg", neg);
    }

    Frame Frame1{*this, "Frame1", at(0, 0), "系统"};
    ControlArray<OptionButton> Opt{*this, "Opt"};
    Label L1{*this, "L1", at(1, 0), "流量 q"};
    TextBox Text1{*this, "Text1", at(1, 1), "2"};
    Label U1{*this, "U1", at(1, 2), "L/s"};
    TextBox Extra{*this, "Extra", at(2, 1), "9"};
    ComboBox Combo1{*this, "Combo1", at(3, 1), " .25"};
    CheckBox Check1{*this, "Check1", at(4, 0), "选用"};
    CommandButton Command1{*this, "Command1", at(5, 0), "计 算"};
    CommandButton Command2{*this, "Command2", at(5, 1), "归0"};
    CommandButton Command3{*this, "Command3", at(5, 2), "再算"};
    TextBox Text3{*this, "Text3", at(6, 1)};
    TextBox Text4{*this, "Text4", at(7, 1)};
    Label Warn{*this, "Warn", at(8, 0), "行数超过表格!"};
    PictureBox Grid1{*this, "Grid1", at(9, 0)};
    TextBox HNo{*this, "HNo", in(Grid1, 0, 0), "编号"};
    TextBox HFlow{*this, "HFlow", in(Grid1, 0, 1), "q(L/s)"};
    ControlArray<TextBox> No{*this, "No"};
    ControlArray<TextBox> Flow{*this, "Flow"};
    ControlArray<TextBox> Length{*this, "Length"};
    Frame Data{*this, "Data", at(10, 0)};
    TextBox Hidden1{*this, "Hidden1", in(Data, 0, 0), "kept"};
    std::int16_t k = 4;
    float neg = -1.5f;
};

void declare(Declaration& d)
{
    d.codes({"GB 50015-2003"});
    auto& g = d.inputs("参数");
    g.options("Frame1", "Frame1");
    g.field("Text1", "L1", "U1");
    g.field("Extra", fixed("附加"));
    g.field("Combo1", fixed("系数"));
    g.field("Check1", fixed("选用"));
    auto& p = d.part("流量计算", "Command1").clearedBy({"Command2"});
    p.field("Text3", fixed("结果"), "U1")
        .formula("Q = 2·q", "2×{Text1}")
        .formula("附加 = e", "{Extra}", d.selected("Opt(1)"))
        .note("不截取");
    p.table("管段表", 0, 2).column("HNo", "No").column("HFlow", "Flow").inputColumn(fixed("长度"), "Length");
    p.warning("Warn");
    d.part("再算", "Command3").uses({"Command1"}).field("Text4", fixed("再算结果"));
    d.exclude("Data", "隐藏的数据");
}

struct Reports : ::testing::Test {
    App app;
    CalcForm* f = nullptr;
    Header header{"程序", "1.0", "2025年1月2日"};
    void SetUp() override
    {
        app.registerScreen("CalcForm", [](App& a) { return std::make_unique<CalcForm>(a); });
        app.start([this] { app.screen("CalcForm").Show(); });
        f = &app.screen<CalcForm>("CalcForm");
    }
    Document build()
    {
        Declaration d(*f);
        declare(d);
        return d.build(header);
    }
    static bool hasRow(const Document& doc, std::vector<std::string> cells)
    {
        for (const auto& r : rows(doc))
            if (r.size() >= cells.size() && std::equal(cells.begin(), cells.end(), r.begin())) return true;
        return false;
    }
    static std::vector<std::string> texts(const Document& doc, Block::Kind kind)
    {
        std::vector<std::string> out;
        for (const auto& b : doc.blocks)
            if (b.kind == kind) out.push_back(b.text);
        return out;
    }
    static bool mentions(const std::vector<std::string>& texts, const std::string& what)
    {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const auto& t) { return t.find(what) != std::string::npos; });
    }
};

TEST_F(Reports, AnUncalculatedScreenListsItsInputsAndSaysSo)
{
    const Document doc = build();
    EXPECT_FALSE(doc.calculated);
    EXPECT_EQ(doc.title, "CalcForm 计算书");
    EXPECT_EQ(doc.codes, (std::vector<std::string>{"GB 50015-2003"}));
    EXPECT_TRUE(hasRow(doc, {"系统", "直接式", ""}));
    EXPECT_TRUE(hasRow(doc, {"流量 q", "2", "L/s"}));
    EXPECT_TRUE(hasRow(doc, {"系数", " .25"})); // the text as the field shows it
    EXPECT_TRUE(hasRow(doc, {"选用", ""}));
    EXPECT_FALSE(hasRow(doc, {"附加"})); // hidden with its field
    EXPECT_FALSE(hasRow(doc, {"结果"}));
    const auto notes = texts(doc, Block::Kind::Note);
    EXPECT_TRUE(mentions(notes, "本页尚未计算"));
    EXPECT_EQ(std::count_if(notes.begin(), notes.end(), [](auto& t) { return t.rfind("尚未计算", 0) == 0; }), 2);
    for (const auto& b : doc.blocks) EXPECT_NE(b.kind, Block::Kind::Results);
}

TEST_F(Reports, ACalculationCountsUntilItsResetAndShowsWhatIsOnView)
{
    app.click(f->Command1);
    Document doc = build();
    EXPECT_TRUE(doc.calculated);
    EXPECT_TRUE(hasRow(doc, {"结果", "4", "L/s", "Q = 2·q = 2×2"}));
    EXPECT_FALSE(hasRow(doc, {"结果", "4", "L/s", "Q = 2·q = 2×2", "附加 = e = 9"}));
    // the table: its header and the rows on view
    EXPECT_TRUE(hasRow(doc, {"编号", "q(L/s)", "长度"}));
    EXPECT_TRUE(hasRow(doc, {"1", "1.5", "7200"}));
    EXPECT_TRUE(hasRow(doc, {"2", "2.5", "7200"}));
    EXPECT_FALSE(hasRow(doc, {"3", "3.5", "7200"}));
    EXPECT_TRUE(texts(doc, Block::Kind::Warning).empty());

    app.click(f->Opt(1)); // the indirect system shows the extra field and its formula
    app.click(f->Command1);
    doc = build();
    EXPECT_TRUE(hasRow(doc, {"附加", "9"}));
    EXPECT_TRUE(hasRow(doc, {"结果", "4", "L/s", "Q = 2·q = 2×2", "附加 = e = 9"}));

    app.type(f->Text1, "5");
    app.click(f->Command1);
    doc = build();
    EXPECT_TRUE(mentions(texts(doc, Block::Kind::Warning), "行数超过表格!"));
    EXPECT_TRUE(hasRow(doc, {"3", "3.5", "7200"}));

    app.click(f->Command2);
    doc = build();
    EXPECT_FALSE(hasRow(doc, {"结果"}));
    EXPECT_TRUE(mentions(texts(doc, Block::Kind::Note), "尚未计算"));
    EXPECT_FALSE(doc.calculated);
}

TEST_F(Reports, InputsChangedAfterACalculationAndFailedCalculationsAreFlagged)
{
    app.click(f->Command1);
    app.type(f->Length(0), "6000"); // a typed table cell
    app.type(f->Text1, "3");
    Document doc = build();
    auto warnings = texts(doc, Block::Kind::Warning);
    ASSERT_FALSE(warnings.empty());
    EXPECT_TRUE(mentions(warnings, "计算后又修改了“流量 q”、“长度”"));
    // the results still show, as the screen shows them
    EXPECT_TRUE(hasRow(doc, {"结果", "4"}));

    app.click(f->Command1);
    EXPECT_TRUE(texts(build(), Block::Kind::Warning).empty());

    const ActionResult r = app.click(f->Command3);
    ASSERT_EQ(r.outcome, Outcome::Failed);
    doc = build();
    EXPECT_TRUE(mentions(texts(doc, Block::Kind::Warning), "上次计算未能完成"));
    EXPECT_TRUE(hasRow(doc, {"再算结果", "7"})); // written before the failure

    app.click(f->Command1); // what it builds on ran again after it
    EXPECT_TRUE(mentions(texts(build(), Block::Kind::Warning), "“流量计算”在本计算之后又重新计算过"));
}

TEST_F(Reports, ACalculationWhoseBasisNeverRanSaysSo)
{
    const ActionResult r = app.click(f->Command3);
    ASSERT_EQ(r.outcome, Outcome::Failed);
    EXPECT_TRUE(mentions(texts(build(), Block::Kind::Warning), "本计算所依据的“流量计算”尚未计算"));
}

TEST_F(Reports, TablesLeaveOutHiddenColumnsAndOnRequestBlankRows)
{
    Declaration d(*f);
    d.part("表", "Command1").table("管段表", 0, 2).column("HNo", "No").column("HFlow", "Flow").dropBlankRows();
    app.click(f->Command1);
    app.start([this] { f->Flow(1).setText(" "); });
    Document doc = d.build(header);
    EXPECT_TRUE(hasRow(doc, {"1", "1.5"}));
    EXPECT_FALSE(hasRow(doc, {"2"}));       // nothing but its number
    app.start([this] { f->HFlow.Hide(); }); // a column goes with its header cell
    doc = d.build(header);
    EXPECT_TRUE(hasRow(doc, {"编号"}));
    EXPECT_FALSE(hasRow(doc, {"编号", "q(L/s)"}));
    EXPECT_FALSE(hasRow(doc, {"1"})); // the only cell left after the first is gone, the row too
    // the grids to copy follow the same rows and columns
    const auto grids = d.grids();
    ASSERT_EQ(grids.size(), 1u);
    EXPECT_EQ(grids[0].headerText, (std::vector<std::string>{"编号"}));
}

TEST(ReportNumbers, PlaceholdersTakeTheShownTextsAndVariables)
{
    App app;
    app.registerScreen("CalcForm", [](App& a) { return std::make_unique<CalcForm>(a); });
    auto& f = app.screen<CalcForm>("CalcForm");
    app.start([&] { f.Show(); });
    Declaration d(f);
    auto& p = d.part("式", "Command1");
    p.field("Text1", fixed("a"))
        .formula("x", "{Text3}+{Text4}")   // blank reads as 0, negative in brackets
        .formula("y", "{k}×{neg}")         // screen-level variables
        .formula("Σ", "{sum Flow*Length}") // zero products left out
        .formula("Σq", "{sum Flow}")
        .formula("dj", "{pick No=Text1->Length}") // the length where No shows Text1's text
        .formula("none", "{pick No=Combo1->Length}")
        .formula("只有文字");
    app.click(f.Command1);
    app.start([&] {
        f.Text3.setText("");
        f.Text4.setText("-2.5");
        f.Flow(1).setText("0");
        f.Length(2).setText(" 3");
    });
    const Document doc = d.build({});
    std::vector<std::string> formulas;
    for (const auto& b : doc.blocks)
        for (const auto& l : b.lines) formulas.insert(formulas.end(), l.formulas.begin(), l.formulas.end());
    EXPECT_EQ(formulas, (std::vector<std::string>{"x = 0+(-2.5)", "y = 4×(-1.5)", "Σ = 1.5×7200 + 3.5×3",
                                                  "Σq = 1.5 + 3.5", "dj = 7200", "none = —", "只有文字"}));

    // a placeholder or address that names nothing is refused when declared
    EXPECT_THROW(p.field("Text9"), std::invalid_argument);
    EXPECT_THROW(p.field("Text1").formula("x", "{Text9}"), std::invalid_argument);
    EXPECT_THROW(p.field("Text1").formula("x", "{Text1"), std::invalid_argument);
    EXPECT_THROW(p.field("Text1").formula("x", "{sum Flow*Nothing}"), std::invalid_argument);
    EXPECT_THROW(p.field("Text1").formula("x", "{pick No Length}"), std::invalid_argument);
    EXPECT_THROW(d.part("x", "Command9"), std::invalid_argument);
    EXPECT_THROW(d.exclude("Data", " "), std::invalid_argument);
    EXPECT_THROW(p.table("t", 0, 3).column("HNo", "No"), std::invalid_argument); // no No(3)
}

TEST(ReportCoverage, EveryFieldOptionCheckBoxAndWarningIsReportedOrExcluded)
{
    App app;
    app.registerScreen("CalcForm", [](App& a) { return std::make_unique<CalcForm>(a); });
    auto& f = app.screen<CalcForm>("CalcForm");
    {
        Declaration d(f);
        declare(d);
        EXPECT_TRUE(d.uncovered().empty());
    }
    {
        // a field the report forgets, and a warning it does not declare
        Declaration d(f);
        d.inputs("参数").field("Text1");
        auto& p = d.part("流量计算", "Command1");
        for (const char* field : {"Text3", "Text4", "Extra", "Combo1", "Check1"}) p.field(field);
        d.exclude("Frame1", "选项另列");
        d.exclude("Grid1", "表格另列");
        d.exclude("Hidden1", "隐藏的数据");
        std::vector<std::string> left;
        for (const Control* c : d.uncovered()) left.push_back(c->address());
        EXPECT_EQ(left, (std::vector<std::string>{"Warn"}));
    }
}

TEST(ReportWriters, HtmlKeepsEveryCellAndTextSeparatesThemWithTabs)
{
    Document d;
    d.title = "表<1> 计算书";
    d.header = {"程序", "1.0", "2025年1月2日"};
    d.codes = {"GB 50015-2003", "GB 50364-2005"};
    Block inputs{Block::Kind::Inputs, {}, {}, {}};
    Line group;
    group.group = true;
    group.label = "气象参数";
    inputs.lines = {group, Line{false, "冷水温度 TL", " .25", "℃", {}, {}}};
    Block results{Block::Kind::Results, {}, {}, {}};
    results.lines = {Line{false, "i", "0.39", "kPa/m", {"i = 105·Ch^−1.85·Q^1.85 = 105×140^−1.85", "a & b"}, "截取"}};
    Block table{Block::Kind::Table, {}, {}, {}};
    table.table = {"管段表", {"编号", "q"}, {{"1", "0.5"}, {"2", "0.7"}}, {"q = 0.2·α·√Ng"}};
    d.blocks = {inputs, results, table, Block{Block::Kind::Warning, "用水量不能为0!", {}, {}}};

    const std::string h = toHtml(d);
    EXPECT_NE(h.find("<title>表&lt;1&gt; 计算书</title>"), std::string::npos);
    EXPECT_NE(h.find("<td colspan=\"3\""), std::string::npos);
    EXPECT_NE(h.find("<td>&#160;.25</td>"), std::string::npos);
    EXPECT_NE(h.find("Ch<sup>−1.85</sup>·Q<sup>1.85</sup> = 105×140<sup>−1.85</sup>"), std::string::npos);
    EXPECT_NE(h.find("a &amp; b"), std::string::npos);
    EXPECT_NE(h.find("GB 50015-2003<br>GB 50364-2005"), std::string::npos);
    EXPECT_NE(h.find("注意：用水量不能为0!"), std::string::npos);
    EXPECT_NE(h.find("设计："), std::string::npos);
    EXPECT_NE(h.find("校对："), std::string::npos);
    EXPECT_NE(h.find("审核："), std::string::npos);
    // one ruled table per block, each with its header row
    std::size_t grids = 0;
    for (std::size_t p = h.find("class=\"grid\""); p != std::string::npos; p = h.find("class=\"grid\"", p + 1)) ++grids;
    EXPECT_EQ(grids, 3u);

    const std::string t = toText(d);
    EXPECT_NE(t.find("气象参数\n冷水温度 TL\t .25\t℃\n"), std::string::npos);
    EXPECT_NE(t.find("i\t0.39\tkPa/m\ti = 105·Ch^−1.85·Q^1.85 = 105×140^−1.85；a & b；截取\n"), std::string::npos);
    EXPECT_NE(t.find("编号\tq\n1\t0.5\n2\t0.7\n"), std::string::npos);
    EXPECT_NE(t.find("设计：\t校对：\t审核："), std::string::npos);

    const auto r = rows(d);
    EXPECT_EQ(r.front(), (std::vector<std::string>{"气象参数"}));
    EXPECT_EQ(r.back(), (std::vector<std::string>{"2", "0.7"}));
    EXPECT_EQ(longDate(2025, 3, 4), "2025年3月4日");
}

} // namespace
