#include "screens/insulation/insulation_formulas.h"

#include <gtest/gtest.h>

namespace {

using namespace screens::insulation;
using model::CStr;

const std::array<float, kSizes> pprBores{18, 22, 26, 32, 38.6f, 45.4f, 64, 77, 102, 121};

TEST(InsulationSizeChoice, FirstBoreNotSmallerThanRequired)
{
    EXPECT_EQ(sizeFor(0, pprBores), 0);
    EXPECT_EQ(sizeFor(18, pprBores), 0); // a tie keeps the smaller size
    EXPECT_EQ(sizeFor(18.0001f, pprBores), 1);
    EXPECT_EQ(sizeFor(38.6f, pprBores), 4);
    EXPECT_EQ(sizeFor(45.51f, pprBores), 6);
    EXPECT_EQ(sizeFor(121, pprBores), 9);
    EXPECT_EQ(sizeFor(121.001f, pprBores), std::nullopt); // beyond the largest size
}

TEST(InsulationSizeChoice, ReturnTwoSizesBelowButNotBelowTheSecond)
{
    EXPECT_EQ(returnSizeOf[0], 0);
    EXPECT_EQ(returnSizeOf[2], 1);
    EXPECT_EQ(returnSizeOf[3], 1);
    EXPECT_EQ(returnSizeOf[6], 4);
    EXPECT_EQ(returnSizeOf[9], 7);
}

// 10 m of pipe of 38 mm under 20 mm of insulation
TEST(InsulationTakeOff, VolumeAndEveryJacket)
{
    EXPECT_EQ(CStr(insulationVolume(38, 20, 10)), "0.036");
    EXPECT_EQ(CStr(insulationVolume(28, 13, 17.4)), "0.029");
    EXPECT_EQ(CStr(insulationVolume(38, 0, 10)), "0"); // a blanked thickness
    EXPECT_EQ(CStr(jacketQuantity("铝板", 38, 10)), "0.06");
    EXPECT_EQ(CStr(jacketQuantity("不锈钢板", 38, 10)), "0.25");
    EXPECT_EQ(CStr(jacketQuantity("玻璃布", 38, 10)), "1.59");
    EXPECT_EQ(CStr(jacketQuantity("UPVC管", 38, 10)), "10");
    // any other text, a blanked one too, is aluminium sheet
    EXPECT_EQ(CStr(jacketQuantity(" ", 38, 10)), "0.06");
    EXPECT_EQ(CStr(jacketQuantity(" 铝板", 108, 36)), "0.55");
}

TEST(InsulationTakeOff, GirthIsCircumferencePlusOverlap)
{
    EXPECT_NEAR(static_cast<double>(girth(38)), 0.15938042, 1e-12);
    EXPECT_NEAR(static_cast<double>(girth(0)), 0.04, 1e-15);
}

} // namespace
