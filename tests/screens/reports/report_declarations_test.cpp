// The report of every calculation screen accounts for each of its fields:
// a field added to a screen and not to its report fails here. At load no
// calculation has run, and the report says so.
#include "model/app.h"
#include "screens/reports.h"
#include "shell/mdiform1.h"
#include "shell/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace model;
using model::report::Block;

namespace {

struct ReportDeclarations : ::testing::TestWithParam<const char*> {
    App app;
    void SetUp() override
    {
        shell::registerScreens(app);
        ASSERT_TRUE(shell::startProgram(app).ok());
    }
    Screen& screen() { return app.screen(GetParam()); }
};

TEST_P(ReportDeclarations, EveryFieldOptionCheckBoxAndWarningIsReportedOrExcluded)
{
    const auto d = screens::reportOf(screen());
    ASSERT_NE(d, nullptr);
    std::string missing;
    for (const Control* c : d->uncovered()) missing += " " + c->address();
    EXPECT_EQ(missing, "") << GetParam() << ": fields its report neither lists nor excludes";
}

TEST_P(ReportDeclarations, LinesFollowTheReadingOrderOfTheirContainers)
{
    const auto d = screens::reportOf(screen());
    ASSERT_NE(d, nullptr);
    for (const auto& fields : d->fieldsBySection())
        for (std::size_t a = 0; a < fields.size(); ++a)
            for (std::size_t b = a + 1; b < fields.size(); ++b) {
                if (fields[a]->container() != fields[b]->container()) continue;
                const Cell& x = fields[a]->cell();
                const Cell& y = fields[b]->cell();
                EXPECT_TRUE(x.row < y.row || (x.row == y.row && x.col < y.col))
                    << GetParam() << ": " << fields[a]->address() << " is listed before " << fields[b]->address();
            }
}

TEST_P(ReportDeclarations, AtLoadTheReportSaysNothingIsCalculatedYet)
{
    const auto doc = shell::calculationReport(screen());
    ASSERT_TRUE(doc);
    EXPECT_FALSE(doc->calculated);
    bool says = false;
    for (const Block& b : doc->blocks) {
        EXPECT_NE(b.kind, Block::Kind::Results) << GetParam();
        if (b.kind == Block::Kind::Note && b.text.find("本页尚未计算") != std::string::npos) says = true;
    }
    EXPECT_TRUE(says) << GetParam();
    EXPECT_NE(doc->title.find(screen().caption()), std::string::npos);
    EXPECT_FALSE(doc->codes.empty());
    EXPECT_EQ(doc->header.program, "太阳能系统计算");
}

INSTANTIATE_TEST_SUITE_P(CalculationScreens, ReportDeclarations,
                         ::testing::Values("Form1", "Form2", "Form3", "Form4", "Form5"));

bool hasLine(const model::report::Document& doc, const std::string& label)
{
    return std::ranges::any_of(model::report::rows(doc),
                               [&](const auto& row) { return !row.empty() && row.front() == label; });
}

TEST(ReportDeclarations, AResultTheLastCalculationDidNotWriteIsLeftOut)
{
    App app;
    shell::registerScreens(app);
    ASSERT_TRUE(shell::startProgram(app).ok());
    Screen& f = app.screen("Form1");
    app.click(*f.find("Option1", 1));
    app.type(*f.find("Text13", 0), "100");
    app.click(*f.find("Command3"));
    EXPECT_TRUE(hasLine(*shell::calculationReport(f), "间接系统换热器面积S"));
    EXPECT_FALSE(hasLine(*shell::calculationReport(f), "小时变化系数Kh")); // dormitories have none
    // no demand: the indirect calculation leaves the old exchanger area on the screen
    app.type(*f.find("Text13", 0), "0");
    app.click(*f.find("Command3"));
    EXPECT_EQ(f.find("Text14", 4)->text(), "22.84");
    EXPECT_FALSE(hasLine(*shell::calculationReport(f), "间接系统换热器面积S"));
    EXPECT_TRUE(hasLine(*shell::calculationReport(f), "间接系统太阳能计算面积 Ain"));
}

TEST(ReportDeclarations, OnlyTheCalculationScreensHaveReports)
{
    App app;
    shell::registerScreens(app);
    ASSERT_TRUE(shell::startProgram(app).ok());
    for (const auto& name : app.screenNames()) {
        const bool calculation =
            name == "Form1" || name == "Form2" || name == "Form3" || name == "Form4" || name == "Form5";
        EXPECT_EQ(screens::hasReport(name), calculation) << name;
        EXPECT_EQ(screens::reportOf(app.screen(name)) != nullptr, calculation) << name;
        EXPECT_EQ(shell::calculationReport(app.screen(name)).has_value(), calculation) << name;
    }
}

} // namespace
