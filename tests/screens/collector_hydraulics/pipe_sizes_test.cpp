#include "screens/collector_hydraulics/pipe_sizes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace screens::hydraulics;
using model::CalcError;
using model::FailureKind;

constexpr std::array<float, 10> kPprMetres{0.0146f, 0.018f, 0.026f, 0.032f, 0.0386f,
                                           0.0454f, 0.064f, 0.077f, 0.102f, 0.121f};

TEST(PipeSizeSelection, PicksFirstDiameterNotSmallerThanRequired)
{
    EXPECT_EQ(pickSize(0.0f, kPprMetres), 0);
    EXPECT_EQ(pickSize(0.0146f, kPprMetres), 0); // equal takes that size
    EXPECT_EQ(pickSize(std::nextafter(0.0146f, 1.0f), kPprMetres), 1);
    EXPECT_EQ(pickSize(0.045f, kPprMetres), 5);
    EXPECT_EQ(pickSize(0.121f, kPprMetres), 9);
    EXPECT_FALSE(pickSize(std::nextafter(0.121f, 1.0f), kPprMetres).has_value());
}

TEST(PipeSizeSelection, WholeMillimetresAgainstTableMillimetres)
{
    const std::array<float, 10> galvanized{14.6f, 18, 25.4f, 31.8f, 38.1f, 50.8f, 63.5f, 76.2f, 101.6f, 120};
    EXPECT_EQ(pickSize(18, galvanized), 1);
    EXPECT_EQ(pickSize(25, galvanized), 2);
    EXPECT_EQ(pickSize(26, galvanized), 3);
    EXPECT_FALSE(pickSize(121, galvanized).has_value());
}

// 105 x Ch^-1.85 x dj^-4.87 x qg^1.85, worked out to 40 digits apart from the program
TEST(HazenWilliams, UnitLossInKilopascalPerMetre)
{
    EXPECT_NEAR(static_cast<double>(unitLoss(0.002L, 0.0454L, 140)), 0.396183077878713685, 1e-15);
    EXPECT_NEAR(static_cast<double>(unitLoss(0.0008L, 0.0254L, 100)), 2.29279684300751592, 1e-14);
    EXPECT_EQ(unitLoss(0, 0.0454L, 140), 0);
}

TEST(HazenWilliams, ImpossibleArgumentsAreReportedFailures)
{
    try {
        (void)unitLoss(0.002L, 0, 140);
        FAIL() << "no failure for a zero diameter";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.kind(), FailureKind::DivisionByZero);
    }
    try {
        (void)unitLoss(-0.002L, 0.0454L, 140);
        FAIL() << "no failure for a negative flow";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.kind(), FailureKind::NegativePower);
    }
}

// The selection rule needs ascending tables; only plastic-lined steel and
// copper have none.
TEST(PipeMaterials, TablesAscendAndCoefficientsMatchMaterials)
{
    EXPECT_EQ(materialOf(0)->Ch, 100);
    EXPECT_EQ(materialOf(1)->Ch, 140);
    EXPECT_EQ(materialOf(3)->Ch, 130);
    EXPECT_EQ(materialOf(2), nullptr);
    EXPECT_EQ(materialOf(4), nullptr);
    for (const PipeMaterial* m : {&galvanizedSteel, &ppr, &stainlessSteel}) {
        double last = 0;
        for (const PipeSize& s : m->sizes) {
            if (!s.mm) continue;
            EXPECT_GT(*s.mm, last) << s.label;
            last = *s.mm;
        }
    }
    EXPECT_FALSE(stainlessSteel.sizes[9].mm.has_value());
}

} // namespace
