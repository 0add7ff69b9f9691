// Pool heating screen: what a scenario cannot see — the grid cells the boiler
// controls move into, which control covers which, the kind of each failure,
// and the check button's silence for the systems that have no check.
#include "model/app.h"
#include "shell/mdiform1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace model;

namespace {

class PoolScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        shell::registerScreens(app);
        ASSERT_TRUE(shell::startProgram(app).ok());
        ASSERT_TRUE(app.click(control("MDIForm1", "D11", 0)).ok());
    }

    Control& control(std::string_view screen, std::string_view name, std::optional<std::int16_t> index = {})
    {
        Control* c = app.screen(screen).find(name, index);
        if (!c) throw std::runtime_error("no control " + std::string(name));
        return *c;
    }
    Control& f5(std::string_view name, std::optional<std::int16_t> index = {}) { return control("Form5", name, index); }

    static bool cellsEqual(const Cell& a, const Cell& b)
    {
        return a.row == b.row && a.col == b.col && a.rowSpan == b.rowSpan && a.colSpan == b.colSpan;
    }

    App app;
};

TEST_F(PoolScreen, BoilerControlsMoveIntoTheHeatPumpCellsAndCoverThem)
{
    const Cell model = f5("Combo8").cell();
    const Cell capacity = f5("Text9", 0).cell();
    // at first they stand beside the heat pump's controls
    EXPECT_FALSE(cellsEqual(f5("Combo15").cell(), model));
    EXPECT_FALSE(cellsEqual(f5("Text10").cell(), capacity));

    for (std::int16_t choice = 2; choice <= 3; ++choice) {
        ASSERT_TRUE(app.click(f5("Option1", 1)).ok());
        ASSERT_TRUE(app.click(f5("Option1", choice)).ok());
        EXPECT_TRUE(cellsEqual(f5("Combo15").cell(), model)) << "choice " << choice;
        EXPECT_TRUE(cellsEqual(f5("Text10").cell(), capacity)) << "choice " << choice;
        EXPECT_EQ(f5("Combo15").container(), f5("Combo8").container());
        EXPECT_EQ(f5("Text10").container(), f5("Text9", 0).container());
        // the heat pump's capacity stays visible underneath the boiler's
        EXPECT_TRUE(f5("Text9", 0).visible());
        EXPECT_TRUE(f5("Text10").shown());
    }

    // declared after the heat pump's capacity, the boiler's is drawn on top
    const auto& all = app.screen("Form5").controls();
    const auto pos = [&](Control& c) { return std::find(all.begin(), all.end(), &c) - all.begin(); };
    EXPECT_GT(pos(f5("Text10")), pos(f5("Text9", 0)));
    EXPECT_GT(pos(f5("Combo15")), pos(f5("Combo8")));
}

struct FailureCase {
    const char* what;
    const char* field;
    int index; // -1: no index
    const char* text;
    int system; // option to choose first, -1 for none
    const char* button;
    FailureKind kind;
    const char* handler;
};

void PrintTo(const FailureCase& f, std::ostream* os) { *os << f.what; }

class PoolFailure : public PoolScreen, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PoolFailure, IsReportedWithItsKindAndHandler)
{
    const FailureCase& f = GetParam();
    ASSERT_TRUE(app.click(f5("Command1")).ok());
    if (f.system >= 0) {
        ASSERT_TRUE(app.click(f5("Option1", f.system == 1 ? 2 : 1)).ok());
        ASSERT_TRUE(app.click(f5("Option1", static_cast<std::int16_t>(f.system))).ok());
        ASSERT_TRUE(app.click(f5("Command3")).ok());
        if (f.system != 2) {
            ASSERT_TRUE(app.type(f5("Text9", 8), "500").ok());
        }
    }
    Control& field = f.index < 0 ? f5(f.field) : f5(f.field, static_cast<std::int16_t>(f.index));
    ASSERT_TRUE(app.type(field, f.text).ok());
    const ActionResult r = app.click(f5(f.button));
    ASSERT_EQ(r.outcome, Outcome::Failed) << f.what;
    ASSERT_TRUE(r.failure);
    EXPECT_EQ(r.failure->kind, f.kind) << f.what;
    EXPECT_EQ(r.failure->screen, "Form5");
    EXPECT_EQ(r.failure->handler, f.handler) << f.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PoolFailure,
    ::testing::Values(
        FailureCase{"empty hall vapour pressure", "Text3", -1, "", -1, "Command1", FailureKind::InvalidEntry,
                    "Command1_Click"},
        FailureCase{"text as hall vapour pressure", "Text3", -1, "十八", -1, "Command1", FailureKind::InvalidEntry,
                    "Command1_Click"},
        FailureCase{"no circulation period", "Text4", 0, "0", -1, "Command1", FailureKind::DivisionByZero,
                    "Command1_Click"},
        FailureCase{"no make-up heating time", "Text5", -1, "", -1, "Command1", FailureKind::DivisionByZero,
                    "Command1_Click"},
        FailureCase{"no first-heating time", "Combo6", -1, "0", -1, "Command1", FailureKind::DivisionByZero,
                    "Command1_Click"},
        FailureCase{"no pool width", "Text6", 1, "0", -1, "Command1", FailureKind::DivisionByZero, "Command1_Click"},
        FailureCase{"no sunshine hours", "Text1", 3, "", 1, "Command3", FailureKind::DivisionByZero, "Command3_Click"},
        FailureCase{"no irradiation", "Text1", 4, "0", 3, "Command3", FailureKind::DivisionByZero, "Command3_Click"},
        FailureCase{"whole pipe loss", "Combo14", -1, "1", 1, "Command3", FailureKind::DivisionByZero,
                    "Command3_Click"},
        FailureCase{"no fouling factor", "Combo10", -1, "0", 2, "Command3", FailureKind::DivisionByZero,
                    "Command3_Click"},
        FailureCase{"no boiler capacity", "Text10", -1, "0", 3, "Command4", FailureKind::DivisionByZero,
                    "Command4_Click"},
        FailureCase{"no heat-pump capacity", "Text9", 0, "0", 1, "Command4", FailureKind::DivisionByZero,
                    "Command4_Click"},
        FailureCase{"irradiation beyond range", "Text1", 4, "1e39", 1, "Command3", FailureKind::FloatOverflow,
                    "Command3_Click"}),
    [](const ::testing::TestParamInfo<FailureCase>& i) {
        std::string n = i.param.what;
        std::replace_if(
            n.begin(), n.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return n;
    });

TEST_F(PoolScreen, PickingWithSunshineHoursZeroFailsInTheCollectorPick)
{
    ASSERT_TRUE(app.click(f5("Option1", 1)).ok());
    ASSERT_TRUE(app.type(f5("Text1", 3), "0").ok());
    const ActionResult r = app.pick(f5("Combo12"), 2);
    ASSERT_TRUE(r.failure);
    EXPECT_EQ(r.failure->kind, FailureKind::DivisionByZero);
    EXPECT_EQ(r.failure->handler, "Combo12_Click");
    // the table row was written before the efficiency failed
    EXPECT_EQ(f5("Text12", 0).text(), "0.73");
    EXPECT_EQ(f5("Text9", 2).text(), "70.71");
}

TEST_F(PoolScreen, CheckDoesNothingWithoutACheckedSystem)
{
    ASSERT_TRUE(app.click(f5("Command1")).ok());
    ASSERT_TRUE(app.click(f5("Option1", 1)).ok());
    ASSERT_TRUE(app.click(f5("Command3")).ok());
    for (const std::int16_t choice : {std::int16_t{2}, std::int16_t{0}}) {
        ASSERT_TRUE(app.click(f5("Option1", choice)).ok());
        f5("Text9", 4).setText("453");
        f5("Text9", 8).setText("500");
        for (std::int16_t k = 9; k <= 11; ++k) f5("Text9", k).setText("unchanged");
        // the user cannot reach the button with these systems; the handler
        // itself must still write nothing
        f5("Command4").raiseClick();
        for (std::int16_t k = 9; k <= 11; ++k)
            EXPECT_EQ(f5("Text9", k).text(), "unchanged") << "choice " << choice << " Text9(" << k << ")";
    }
    // the same fields are written once a solar system is chosen again
    ASSERT_TRUE(app.click(f5("Option1", 3)).ok());
    f5("Text9", 4).setText("453");
    f5("Text9", 8).setText("500");
    f5("Command4").raiseClick();
    EXPECT_EQ(f5("Text9", 9).text(), "1.3");
}

} // namespace
