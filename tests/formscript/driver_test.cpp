// The scenario driver's own behaviour: what it prints for a failed
// expectation, a refused action, an unknown address and a line it cannot
// parse, how it counts, and its exit status.
#include "tools/formscript/script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

using namespace formscript;

namespace {

struct ScriptRun {
    std::string out;
    Totals totals;
};

ScriptRun run(const std::string& script)
{
    ScriptRun r;
    std::ostringstream out;
    runScript("s.scenario", script, out, r.totals);
    r.out = out.str();
    return r;
}

TEST(Driver, PassingAndFailingExpectationsAreCountedAndPrinted)
{
    const ScriptRun r = run("# comment\n\n   \n"
                            "expect Form6.Caption \"编著说明\"\n"
                            "expect Form6.Caption \"wrong\"\n"
                            "expect Form6.Label1.Visible true\n"
                            "expect Form6.Label1.Shown false\n"
                            "expect-screens Form1\n"
                            "expect-screens Form2 Form3\n");
    EXPECT_EQ(r.totals.passed, 4);
    EXPECT_EQ(r.totals.failed, 2);
    EXPECT_EQ(r.out, "s.scenario:5: Form6.Caption: expected \"wrong\", got \"编著说明\"\n"
                     "s.scenario:9: expect-screens: expected \"Form2 Form3\", got \"Form1\"\n");
}

TEST(Driver, AFailedExpectationDoesNotStopTheFileButAnErrorDoes)
{
    const ScriptRun r = run("expect Form6.Caption \"x\"\n"
                            "type Form6.Label1 \"12\"\n"
                            "expect Form6.Caption \"编著说明\"\n");
    EXPECT_EQ(r.totals.passed, 0);
    EXPECT_EQ(r.totals.failed, 2);
    EXPECT_NE(r.out.find("s.scenario:2: error: refused: Label1 is a Label"), std::string::npos) << r.out;
}

// Each thing a user could not do is refused and printed as an error of its
// line, which ends the file.
TEST(Driver, ActionsTheUserCouldNotDoAreRefused)
{
    struct Case {
        const char* line;
        const char* why;
    };
    for (const Case c : {Case{"type Form1.Text9 \"1\"", "Text9 is read-only"},
                         Case{"click Form1.Option2(0)", "Option2(0) is disabled"},
                         Case{"click Form2.Command1", "Command1 is not shown"},
                         Case{"type Form1.Text13(1) \"1\"\nclick MDIForm1.B11(1)\ntype Form1.Text13(1) \"2\"",
                              "Text13(1) is not shown"},
                         Case{"pick Form1.Combo1 9999", "Combo1 has no item 9999 (3 items)"},
                         Case{"pick Form1.Text1 0", "Text1 is not a combo box"},
                         Case{"click Form1.Label4(0)", "Label4(0) is a Label, nothing to click"}}) {
        const ScriptRun r = run(std::string(c.line) + "\nexpect Form1.Text9 \"46.67\"\n");
        const int line = static_cast<int>(std::count(c.line, c.line + std::strlen(c.line), '\n')) + 1;
        EXPECT_EQ(r.out, "s.scenario:" + std::to_string(line) + ": error: refused: " + c.why + "\n") << c.line;
        EXPECT_EQ(r.totals.failed, 1) << c.line;
        EXPECT_EQ(r.totals.passed, 0) << c.line;
    }
}

TEST(Driver, UnknownAddressesAndBadLinesAreErrors)
{
    for (const char* line :
         {"expect Form6.NoSuchThing \"1\"", "expect Form99.Text1 \"1\"", "click MDIForm1.B11(7)", "click MDIForm1.B11",
          "expect Form6.Label1.Colour 1", "frobnicate Form6", "expect Form6.Caption \"unterminated",
          "expect Form6.Caption bare", "type Form6.Label1.Text \"1\"", "pick Form6.Label1 x"}) {
        const ScriptRun r = run(std::string(line) + "\nexpect Form6.Caption \"编著说明\"\n");
        EXPECT_EQ(r.totals.failed, 1) << line;
        EXPECT_EQ(r.totals.passed, 0) << line << ": the file stops at the error";
        EXPECT_EQ(r.out.rfind("s.scenario:1: error: ", 0), 0u) << line << " -> " << r.out;
    }
}

TEST(Driver, ActionsGoThroughTheUserPathAndFailuresAreObserved)
{
    const ScriptRun r = run("click MDIForm1.B11(1)\n"
                            "expect-screens Form2\n"
                            "expect-no-failure\n"
                            "expect-failure\n"
                            "click MDIForm1.A11(1)\n"
                            "expect-screens Form2\n");
    EXPECT_EQ(r.totals.passed, 2);
    EXPECT_EQ(r.totals.failed, 2);
    EXPECT_NE(r.out.find("s.scenario:4: expect-failure: expected \"failure\", got \"no failure\""), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("s.scenario:6: error: the program has ended"), std::string::npos) << r.out;
}

TEST(Driver, QuotedTextsKeepBlanksAndEscapes)
{
    const auto words = splitWords(R"(type Form1.Text1 "a \"b\" \\ c  " 12)");
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[2].text, "a \"b\" \\ c  ");
    EXPECT_TRUE(words[2].quoted);
    EXPECT_FALSE(words[3].quoted);
    const Address a = parseAddress("Form3.Text13(2).Visible");
    EXPECT_EQ(a.screen, "Form3");
    EXPECT_EQ(a.name, "Text13");
    EXPECT_EQ(*a.index, 2);
    EXPECT_EQ(a.property, "Visible");
    const Address g = parseAddress("Form1.ηL");
    EXPECT_EQ(g.name, "ηL");
    EXPECT_FALSE(g.index);
}

TEST(Driver, ClosingLineAndExitStatus)
{
    const std::string good = ::testing::TempDir() + "good.scenario";
    const std::string bad = ::testing::TempDir() + "bad.scenario";
    std::ofstream(good) << "expect MDIForm1.Caption \"太阳能系统计算\"\n";
    std::ofstream(bad) << "expect MDIForm1.Caption \"x\"\n";
    std::ostringstream out;
    EXPECT_EQ(runFiles({good}, out), 0);
    EXPECT_EQ(out.str(), "1 passed, 0 failed\n");
    std::ostringstream out2;
    EXPECT_EQ(runFiles({good, bad}, out2), 1);
    EXPECT_NE(out2.str().find("1 passed, 1 failed\n"), std::string::npos);
    std::ostringstream out3;
    EXPECT_EQ(runFiles({good, ::testing::TempDir() + "missing.scenario"}, out3), 2);
    EXPECT_NE(out3.str().find("1 passed, 0 failed"), std::string::npos);
    std::remove(good.c_str());
    std::remove(bad.c_str());
}

TEST(Driver, ReportStatementsWriteTheHtmlAndFindTextsAndRows)
{
    const std::string file = ::testing::TempDir() + "form3_report.html";
    const ScriptRun r = run("click MDIForm1.C11(0)\n"
                            "click Form3.Command1\n"
                            "report Form3 \"" +
                            file +
                            "\"\n"
                            "expect-report Form3 \"宿舍等水力计算 计算书\" \"1. 立管水力计算\"\n"
                            "expect-report Form3 \"1. 立管水力计算\" \"宿舍等水力计算 计算书\"\n"
                            "expect-report-row Form3 \"1\" \"3\" \"1\" \"0.5\" \"De25\"\n"
                            "expect-report-row Form3 \"层数\" \"2\"\n");
    EXPECT_EQ(r.totals.passed, 2) << r.out;
    EXPECT_EQ(r.totals.failed, 2) << r.out;
    // texts are found in the order given; a row names its first cells
    EXPECT_NE(r.out.find("s.scenario:5: expect-report Form3: expected \"1. 立管水力计算 | 宿舍等水力计算 计算书\", got "
                         "\"no \"宿舍等水力计算 计算书\" (in this order)\""),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("s.scenario:7: expect-report-row Form3: expected \"层数 | 2\", got \"层数 | 1 | \""),
              std::string::npos)
        << r.out;
    std::ifstream in(file);
    std::ostringstream html;
    html << in.rdbuf();
    EXPECT_EQ(html.str().rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.str().find("<td align=\"center\">De25</td>"), std::string::npos);
    std::remove(file.c_str());
}

TEST(Driver, ReportStatementsNeedAScreenWithAReportAndQuotedTexts)
{
    for (const char* line : {"report Form7 x.html", "report Form3", "report \"Form3\" x.html", "expect-report Form3",
                             "expect-report Form3 bare", "expect-report-row Form99 \"x\"",
                             "expect-report Form6 \"编著说明\"", "report Form3 /dev/null/x.html"}) {
        const ScriptRun r = run(std::string(line) + "\n");
        EXPECT_EQ(r.totals.failed, 1) << line;
        EXPECT_EQ(r.out.rfind("s.scenario:1: error: ", 0), 0u) << line << " -> " << r.out;
    }
    // where a relative file goes
    EXPECT_EQ(reportPath("/abs/x.html"), "/abs/x.html");
    const std::string rel = reportPath("sub/x.html");
    EXPECT_NE(rel.find("formscript/sub/x.html"), std::string::npos) << rel;
    EXPECT_EQ(rel.front(), '/');
}

TEST(Driver, EachFileRunsFromAFreshProgram)
{
    const std::string a = ::testing::TempDir() + "a.scenario";
    const std::string b = ::testing::TempDir() + "b.scenario";
    std::ofstream(a) << "click MDIForm1.B11(1)\nexpect-screens Form2\n";
    std::ofstream(b) << "expect-screens Form1\n";
    std::ostringstream out;
    EXPECT_EQ(runFiles({a, b}, out), 0) << out.str();
    std::remove(a.c_str());
    std::remove(b.c_str());
}

} // namespace
