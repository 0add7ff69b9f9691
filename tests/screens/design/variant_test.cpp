// Arithmetic of the variant arguments of the design screen's sizing
// functions: each operation takes the precision of its two operands.
#include "screens/design/variant.h"

#include <gtest/gtest.h>

using namespace screens;
using model::CalcError;
using model::FailureKind;

namespace {

using T = Variant::Type;

FailureKind failureOf(void (*f)())
{
    try {
        f();
    } catch (const CalcError& e) {
        return e.kind();
    }
    return FailureKind::Internal;
}

TEST(Variant, SinglesAndIntegersStayInSinglePrecision)
{
    // 0.1f × 3 is 0.30000000447 exactly; stored in single it is 0.3f
    const Variant p = Variant(0.1f) * Variant(3.0f);
    EXPECT_EQ(p.type(), T::Single);
    EXPECT_EQ(p.value(), static_cast<double>(0.3f));
    EXPECT_NE(p.value(), static_cast<double>(0.1f) * 3.0);

    // 1 − ηL with ηL = 0.2f: the single nearest 0.8, not 0.79999999702
    const Variant d = 1 - Variant(0.2f);
    EXPECT_EQ(d.type(), T::Single);
    EXPECT_EQ(d.value(), static_cast<double>(0.8f));

    const Variant s = Variant(60.0f) - Variant(20.0f) + 1;
    EXPECT_EQ(s.type(), T::Single);
    EXPECT_EQ(s.value(), 41.0);
}

TEST(Variant, ADoubleOperandMakesTheOperationDouble)
{
    const Variant q = Variant(6000.0f) * Variant(4.1868);
    EXPECT_EQ(q.type(), T::Double);
    EXPECT_EQ(q.value(), 6000.0 * 4.1868);

    const Variant r = Variant(0.1f) / Variant(4.1868);
    EXPECT_EQ(r.type(), T::Double);
    EXPECT_EQ(r.value(), static_cast<double>(0.1f) / 4.1868);
}

TEST(Variant, IntegersWidenInsteadOfOverflowing)
{
    const Variant small = Variant(100) * Variant(300);
    EXPECT_EQ(small.type(), T::Integer);
    EXPECT_EQ(small.value(), 30000.0);

    const Variant wide = Variant(1000) * Variant(3600);
    EXPECT_EQ(wide.type(), T::Long);
    EXPECT_EQ(wide.value(), 3600000.0);

    // a 32-bit integer with a single is done in double precision
    const Variant mixed = wide * Variant(0.1f);
    EXPECT_EQ(mixed.type(), T::Double);
    EXPECT_EQ(mixed.value(), 3600000.0 * static_cast<double>(0.1f));

    const Variant huge = wide * wide;
    EXPECT_EQ(huge.type(), T::Double);
    EXPECT_EQ(huge.value(), 12960000000000.0);
}

TEST(Variant, DivisionOfIntegersAndSinglesIsSingle)
{
    const Variant third = Variant(1) / Variant(3);
    EXPECT_EQ(third.type(), T::Single);
    EXPECT_EQ(third.value(), static_cast<double>(1.0f / 3.0f));

    const Variant perHour = Variant(14.7f) / Variant(3600);
    EXPECT_EQ(perHour.type(), T::Single);
    EXPECT_EQ(perHour.value(), static_cast<double>(14.7f / 3600.0f));

    const Variant wide = (Variant(1000) * Variant(3600)) / Variant(7);
    EXPECT_EQ(wide.type(), T::Double);
    EXPECT_EQ(wide.value(), 3600000.0 / 7.0);
}

TEST(Variant, FailuresAreReportedNotProduced)
{
    EXPECT_EQ(failureOf([] { (void)(Variant(1.0f) / Variant(0.0f)); }), FailureKind::DivisionByZero);
    EXPECT_EQ(failureOf([] { (void)(Variant(0) / Variant(0)); }), FailureKind::DivisionByZero);
    EXPECT_EQ(failureOf([] { (void)(Variant(1e308) * Variant(10)); }), FailureKind::FloatOverflow);
    EXPECT_EQ(failureOf([] { (void)Variant(40000); }), FailureKind::IntegerOverflow);

    // a single that overflows is carried on as a double
    const Variant big = Variant(3e38f) * Variant(10);
    EXPECT_EQ(big.type(), T::Double);
    EXPECT_EQ(big.value(), static_cast<double>(3e38f) * 10.0);
}

} // namespace
