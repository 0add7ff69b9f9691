// The area block of the residential panel shrinks for a semi-centralized
// system so that its rows from the tank volume down fall outside it, whatever
// their own visibility says.
#include "model/app.h"
#include "shell/mdiform1.h"

#include <gtest/gtest.h>

#include <utility>

using namespace model;

namespace {

TEST(AreaBlock, ShrinkingCutsOffTheTankAndHeatPumpRows)
{
    App app;
    shell::registerScreens(app);
    ASSERT_TRUE(shell::startProgram(app).ok());
    Screen& form = app.screen("Form1");
    const auto at = [&](const char* name, std::int16_t index) -> Control& { return *form.find(name, index); };
    const std::pair<const char*, std::int16_t> kept[] = {{"Label8", 0}, {"Label8", 1}, {"Label8", 4},
                                                         {"Label8", 7}, {"Text16", 0}, {"Text16", 2}};
    const std::pair<const char*, std::int16_t> cut[] = {{"Label8", 8},  {"Label8", 9}, {"Label8", 10},
                                                        {"Label8", 11}, {"Text16", 3}, {"Text16", 4}};

    for (auto [name, i] : cut) EXPECT_FALSE(at(name, i).clipped()) << name << "(" << i << ") at load";
    ASSERT_TRUE(app.click(*form.find("Command2")).ok());
    EXPECT_FALSE(form.find("Command6")->clipped());

    ASSERT_TRUE(app.click(at("Option4", 1)).ok());
    for (auto [name, i] : kept) EXPECT_FALSE(at(name, i).clipped()) << name << "(" << i << ")";
    for (auto [name, i] : cut) {
        EXPECT_TRUE(at(name, i).clipped()) << name << "(" << i << ")";
        EXPECT_FALSE(at(name, i).shown()) << name << "(" << i << ")";
    }
    EXPECT_FALSE(form.find("Combo12")->clipped());

    ASSERT_TRUE(app.click(at("Option4", 0)).ok());
    for (auto [name, i] : cut) {
        EXPECT_FALSE(at(name, i).clipped()) << name << "(" << i << ")";
        EXPECT_TRUE(at(name, i).shown()) << name << "(" << i << ")";
    }
}

} // namespace
