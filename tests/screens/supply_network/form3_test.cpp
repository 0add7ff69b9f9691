// What the supply network scenarios cannot see: keyboard focus, the kind of a
// reported failure, and the size choice at an inner diameter the built-in
// tables never produce.
#include "model/app.h"
#include "shell/mdiform1.h"

#include <gtest/gtest.h>

namespace {

using namespace model;

class SupplyNetwork : public ::testing::Test {
protected:
    void SetUp() override
    {
        shell::registerScreens(app);
        ASSERT_TRUE(shell::startProgram(app).ok());
        ASSERT_TRUE(app.click(*app.screen("MDIForm1").find("C11", 0)).ok());
    }
    Control& at(std::string_view name, std::optional<std::int16_t> index = std::nullopt)
    {
        Control* c = app.screen("Form3").find(name, index);
        if (!c) throw std::runtime_error("no control " + std::string(name));
        return *c;
    }
    void type(std::string_view name, std::string_view text) { ASSERT_TRUE(app.type(at(name), text).ok()); }
    ActionResult click(std::string_view name) { return app.click(at(name)); }

    App app;
};

TEST_F(SupplyNetwork, RiserButtonTakesTheFocusAndTheMainButtonLeavesIt)
{
    EXPECT_FALSE(at("Command1").hasFocus());
    ASSERT_TRUE(click("Command1").ok());
    EXPECT_TRUE(at("Command1").hasFocus());
    ASSERT_TRUE(click("Command2").ok());
    EXPECT_TRUE(at("Command1").hasFocus());
    EXPECT_FALSE(at("Command2").hasFocus());
}

TEST_F(SupplyNetwork, FailuresNameTheirKindAndHandler)
{
    type("Text3", "-1");
    ActionResult r = click("Command1");
    ASSERT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.failure->kind, FailureKind::NegativeSqrt);
    EXPECT_EQ(r.failure->handler, "Command1_Click");
    EXPECT_EQ(r.failure->screen, "Form3");

    type("Text3", "1");
    type("Text5", "-0.5"); // no storey for the riser, a negative sum for the main
    EXPECT_TRUE(click("Command1").ok());
    r = click("Command2");
    ASSERT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.failure->kind, FailureKind::NegativeSqrt);

    type("Text6", "32767.5");
    r = click("Command2");
    ASSERT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.failure->kind, FailureKind::IntegerOverflow);

    type("Text5", "5");
    type("Text3", "1e38");
    r = click("Command1");
    ASSERT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.failure->kind, FailureKind::FloatOverflow);

    type("Text3", "3e14");
    type("Text5", "1");
    type("Text6", "4");
    r = click("Command2");
    ASSERT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.failure->kind, FailureKind::CurrencyOverflow);
    EXPECT_EQ(at("Text24", 2).text(), "无合适管径");
}

// One unit per storey needs 20.6012993 mm (single precision) for 1.5 m/s.
TEST_F(SupplyNetwork, RequiredDiameterEqualToAnInnerDiameterTakesThatSize)
{
    at("Text30", 1).setText("20.6012993");
    ASSERT_TRUE(click("Command1").ok());
    EXPECT_EQ(at("Text14", 0).text(), "De25");
    EXPECT_EQ(at("Text15", 0).text(), "1.5");
    EXPECT_EQ(at("Text16", 0).text(), "1.42");
    EXPECT_EQ(at("Text18", 0).text(), "0.99");

    // one single-precision step smaller, and the next size is needed
    at("Text30", 1).setText("20.6012974");
    ASSERT_TRUE(click("Command1").ok());
    EXPECT_EQ(at("Text14", 0).text(), "De32");
    EXPECT_EQ(at("Text15", 0).text(), "0.94");
    EXPECT_EQ(at("Text18", 0).text(), "1.59");
}

} // namespace
