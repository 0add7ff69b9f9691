// What kind of failure each impossible input of the design screen reports,
// and in which handler; the scenarios only see that a failure happened.
#include "model/app.h"
#include "shell/mdiform1.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using namespace model;

namespace {

struct Entry {
    const char* control;
    std::optional<std::int16_t> index;
    const char* text;
};

struct FailureCase {
    const char* name;
    std::vector<const char*> clicksFirst; // panel tab or options to reach the fields
    std::vector<Entry> entries;
    const char* button;
    FailureKind kind;
    const char* handler;
    // read-only fields that only a lookup writes, set here as a lookup would
    std::vector<Entry> lookedUp = {};
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class DesignFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(DesignFailure, IsReportedWithItsKindAndHandler)
{
    const FailureCase& c = GetParam();
    App app;
    shell::registerScreens(app);
    ASSERT_TRUE(shell::startProgram(app).ok());
    Screen& form = app.screen("Form1");
    const auto control = [&](const char* name, std::optional<std::int16_t> index = std::nullopt) -> Control& {
        Control* found = form.find(name, index);
        if (!found) throw std::runtime_error(std::string("no control ") + name);
        return *found;
    };
    for (const char* name : c.clicksFirst) {
        const std::string s = name;
        const auto open = s.find('(');
        Control& target = open == std::string::npos ? control(name)
                                                    : control(s.substr(0, open).c_str(),
                                                              static_cast<std::int16_t>(std::stoi(s.substr(open + 1))));
        ASSERT_TRUE(app.click(target).ok()) << name;
    }
    for (const Entry& e : c.entries) ASSERT_TRUE(app.type(control(e.control, e.index), e.text).ok()) << e.control;
    for (const Entry& e : c.lookedUp) control(e.control, e.index).setText(e.text);

    const ActionResult r = app.click(control(c.button));
    ASSERT_EQ(r.outcome, Outcome::Failed) << c.name;
    ASSERT_TRUE(r.failure.has_value());
    EXPECT_EQ(r.failure->kind, c.kind) << failureName(r.failure->kind);
    EXPECT_EQ(r.failure->handler, c.handler);
    EXPECT_EQ(r.failure->screen, "Form1");
    EXPECT_NE(r.failure->message().find(std::string(failureText(c.kind))), std::string::npos) << r.failure->message();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Form1, DesignFailure,
    ::testing::Values(
        FailureCase{"EmptyExchangerCoefficient", {"Option1(1)"}, {{"Text12", {}, ""}, {"Text13", 0, "100"}},
                    "Command3", FailureKind::InvalidEntry, "Command3_Click"},
        FailureCase{"ExchangerCoefficientNotANumber", {"Option1(1)"}, {{"Text12", {}, "4 00"}}, "Command3",
                    FailureKind::InvalidEntry, "Command3_Click"},
        FailureCase{"UsersBeyondSixteenBits", {}, {{"Text13", 0, "32767.5"}}, "Command3",
                    FailureKind::IntegerOverflow, "Command3_Click"},
        FailureCase{"UsersBelowSixteenBits", {}, {{"Text13", 0, "-40000"}}, "Command3",
                    FailureKind::IntegerOverflow, "Command3_Click"},
        FailureCase{"PipeLossOfOne", {}, {{"Text13", 0, "100"}, {"Combo5", {}, "1"}}, "Command3",
                    FailureKind::DivisionByZero, "Command3_Click"},
        FailureCase{"NoSolarFraction", {}, {{"Text13", 0, "100"}, {"Combo4", {}, "0"}}, "Command3",
                    FailureKind::DivisionByZero, "Command3_Click"},
        FailureCase{"NoTemperatureRise", {}, {{"Text13", 0, "100"}, {"Text2", {}, "20"}}, "Command3",
                    FailureKind::DivisionByZero, "Command3_Click"},
        FailureCase{"NoTemperatureDifferenceInTheExchanger", {"Option1(1)"},
                    {{"Text13", 0, "100"}, {"Combo10", {}, "0"}}, "Command3", FailureKind::DivisionByZero,
                    "Command3_Click"},
        FailureCase{"DemandBeyondSinglePrecision", {}, {{"Text13", 0, "100"}, {"Text13", 1, "1e38"}}, "Command3",
                    FailureKind::FloatOverflow, "Command3_Click"},
        FailureCase{"TankCheckWithoutSolarFraction", {}, {{"Text15", 0, "20"}, {"Combo4", {}, "0"}}, "Command4",
                    FailureKind::DivisionByZero, "Command4_Click"},
        FailureCase{"TankCheckBeyondSinglePrecision", {}, {{"Text15", 0, "1e38"}}, "Command4",
                    FailureKind::FloatOverflow, "Command4_Click"},
        FailureCase{"HouseholdsWithoutFouling", {"Command2", "Option4(1)"}, {{"Combo9", {}, "0"}}, "Command5",
                    FailureKind::DivisionByZero, "Command5_Click"},
        FailureCase{"HouseholdsWithEmptyExchangerCoefficient", {"Command2", "Option4(1)"}, {{"Text12", {}, ""}},
                    "Command5", FailureKind::DivisionByZero, "Command5_Click"},
        FailureCase{"ResidentialPipeLossOfOne", {"Command2"}, {{"Combo12", {}, "1"}}, "Command6",
                    FailureKind::DivisionByZero, "Command6_Click"},
        FailureCase{"NoSunshineHours", {}, {{"Text13", 0, "100"}}, "Command3", FailureKind::DivisionByZero,
                    "Command3_Click", {{"Text4", {}, "0"}}},
        FailureCase{"NoIrradiation", {}, {{"Text13", 0, "100"}}, "Command3", FailureKind::DivisionByZero,
                    "Command3_Click", {{"Text5", {}, "0"}}},
        FailureCase{"NoCollectorEfficiency", {}, {{"Text13", 0, "100"}, {"Text7", {}, "0"}}, "Command3",
                    FailureKind::DivisionByZero, "Command3_Click", {{"Text6", {}, "0"}}},
        FailureCase{"HouseholdsWithoutSunshine", {"Command2"}, {}, "Command5", FailureKind::DivisionByZero,
                    "Command5_Click", {{"Text4", {}, "0"}}},
        FailureCase{"ResidentialWithoutSunshine", {"Command2"}, {}, "Command6", FailureKind::DivisionByZero,
                    "Command6_Click", {{"Text4", {}, "0"}}},
        FailureCase{"ResidentialWithoutIrradiation", {"Command2"}, {}, "Command6", FailureKind::DivisionByZero,
                    "Command6_Click", {{"Text5", {}, "0"}}},
        FailureCase{"ResidentialWithoutCollectorEfficiency", {"Command2"}, {{"Text7", {}, "0"}}, "Command6",
                    FailureKind::DivisionByZero, "Command6_Click", {{"Text6", {}, "0"}}},
        FailureCase{"ResidentialTankCheckNoTemperatureRise", {"Command2"},
                    {{"Text18", 0, "20"}, {"Text1", {}, "60"}}, "Command7", FailureKind::DivisionByZero,
                    "Command7_Click"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });
// clang-format on

// A failure stops the run where it happens: the irradiance written before a
// zero irradiation stays, the efficiency after it keeps its earlier text.
TEST(DesignFailureStops, ResultsBeforeTheFailureStay)
{
    App app;
    shell::registerScreens(app);
    ASSERT_TRUE(shell::startProgram(app).ok());
    Screen& form = app.screen("Form1");
    form.find("Text5")->setText("0");
    ASSERT_TRUE(app.type(*form.find("Text13", 0), "100").ok());
    EXPECT_EQ(app.click(*form.find("Command3")).outcome, Outcome::Failed);
    EXPECT_EQ(form.find("Text8")->text(), "0");
    EXPECT_EQ(form.find("Text9")->text(), "46.6");
    EXPECT_EQ(form.find("Text11")->text(), "64.64");
    EXPECT_EQ(form.find("Text14", 0)->text(), "");
}

} // namespace
