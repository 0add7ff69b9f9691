// The value rules: reading field text, writing numbers, integer and currency
// conversions, and the checked arithmetic helpers.
#include "model/values.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

using namespace model;

namespace {

struct ValCase {
    const char* text;
    double expected;
};

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsLongestNumericPrefix)
{
    EXPECT_EQ(Val(GetParam().text), GetParam().expected) << "Val(\"" << GetParam().text << "\")";
}

INSTANTIATE_TEST_SUITE_P(Values, ValTest,
                         ::testing::Values(
                             // the documented examples
                             ValCase{"", 0}, ValCase{"abc", 0}, ValCase{".5", 0.5}, ValCase{"5.", 5},
                             ValCase{"1e2", 100}, ValCase{"2,5", 2}, ValCase{" 3 4 ", 34},
                             // blanks, tabs and line feeds anywhere are dropped
                             ValCase{"1 2", 12}, ValCase{"\t1\n2 .5", 12.5}, ValCase{"- 3", -3},
                             // signs, exponents with E or D in either case
                             ValCase{"-2.5", -2.5}, ValCase{"+7", 7}, ValCase{"1D3", 1000}, ValCase{"1d-2", 0.01},
                             ValCase{"2.5E+1", 25}, ValCase{"1e", 1}, ValCase{"1e+", 1}, ValCase{"3ex", 3},
                             // stop at the first character that does not fit
                             ValCase{"12abc", 12}, ValCase{"1.2.3", 1.2}, ValCase{"0.775  ", 0.775}, ValCase{"-", 0},
                             ValCase{".", 0}, ValCase{"-.5", -0.5}, ValCase{"1,000.5", 1}, ValCase{"３", 0},
                             // hexadecimal and octal
                             ValCase{"&H10", 16}, ValCase{"&hff", 255}, ValCase{"&HFFFF", 65535}, ValCase{"&O17", 15},
                             ValCase{"&o779", 63}, ValCase{"&H", 0}, ValCase{"&HG", 0}, ValCase{"&12", 0},
                             // tiny exponents underflow to zero instead of failing
                             ValCase{"1e-400", 0}, ValCase{"1e-99999999999", 0}),
                         [](const ::testing::TestParamInfo<ValCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(Val, NumbersBeyondDoubleRangeAreOverflows)
{
    for (const char* t : {"1e309", "-1e309", "1D400", "1e99999999999"}) {
        try {
            Val(t);
            ADD_FAILURE() << t << " read without failure";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.kind(), FailureKind::FloatOverflow) << t;
        }
    }
    EXPECT_EQ(Val(std::string(400, '0') + "1"), 1);
}

TEST(Val, LongDigitStringsReadCorrectlyRounded)
{
    EXPECT_EQ(Val("0." + std::string(5000, '3')), 1.0 / 3.0);
    EXPECT_EQ(Val(std::string(300, '9')), 1e300);
}

void expectFailure(FailureKind kind, const std::string& what, auto&& f)
{
    try {
        f();
        ADD_FAILURE() << what << ": no failure";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.kind(), kind) << what << ": " << e.what();
    }
}

TEST(StrictReading, AcceptsWholeNumbersInThePrcLocale)
{
    EXPECT_EQ(CDbl("400"), 400);
    EXPECT_EQ(CDbl("  3.5  "), 3.5);
    EXPECT_EQ(CDbl("-0.25"), -0.25);
    EXPECT_EQ(CDbl("+2"), 2);
    EXPECT_EQ(CDbl(".5"), 0.5);
    EXPECT_EQ(CDbl("5."), 5);
    EXPECT_EQ(CDbl("1e3"), 1000);
    EXPECT_EQ(CDbl("1D-1"), 0.1);
    // thousands separators in groups of three
    EXPECT_EQ(CDbl("1,000"), 1000);
    EXPECT_EQ(CDbl("12,345,678.5"), 12345678.5);
    EXPECT_EQ(CSng("22.7"), 22.7f);
}

TEST(StrictReading, RejectsAnythingElseAsInvalidEntry)
{
    for (const char* t : {"",     " ",   "abc", "1 2", "1,5",   "1,00", "1,0000", ",100", "12a",      "1e",      "1e+",
                          "&H10", "--1", ".",   "-",   "1.2.3", "３",   "NaN",    "inf",  "1,000,00", "1000,000"}) {
        expectFailure(FailureKind::InvalidEntry, std::string("CDbl(\"") + t + "\")", [&] { CDbl(t); });
        expectFailure(FailureKind::InvalidEntry, std::string("CSng(\"") + t + "\")", [&] { CSng(t); });
    }
}

TEST(StrictReading, OutOfRangeIsOverflow)
{
    expectFailure(FailureKind::FloatOverflow, "CDbl 1e309", [] { CDbl("1e309"); });
    expectFailure(FailureKind::FloatOverflow, "CSng 1e39", [] { CSng("1e39"); });
    expectFailure(FailureKind::FloatOverflow, "CSng -3.5e38", [] { CSng("-3.5e38"); });
    EXPECT_EQ(CSng("3.4e38"), 3.4e38f);
}

TEST(CStr, DoublePrecisionShowsFifteenDigits)
{
    EXPECT_EQ(CStr(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(CStr(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(CStr(60.0), "60");
    EXPECT_EQ(CStr(0.50), "0.5");
    EXPECT_EQ(CStr(0.775), "0.775");
    EXPECT_EQ(CStr(-0.4), "-0.4");
    EXPECT_EQ(CStr(-12.5), "-12.5");
    EXPECT_EQ(CStr(0.4 + 0.1 * 2), "0.6");
    EXPECT_EQ(CStr(0.0), "0");
    EXPECT_EQ(CStr(-0.0), "0");
    EXPECT_EQ(CStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(CStr(0.0001), "0.0001");
}

TEST(CStr, SinglePrecisionShowsSevenDigits)
{
    EXPECT_EQ(CStr(1.0f / 3.0f), "0.3333333");
    EXPECT_EQ(CStr(22.7f), "22.7");
    EXPECT_EQ(CStr(800.65f), "800.65");
    EXPECT_EQ(CStr(sng(0.1f * 3)), "0.3");
    EXPECT_EQ(CStr(6.84f), "6.84");
    EXPECT_EQ(CStr(1234567.0f), "1234567");
    EXPECT_EQ(CStr(-0.5f), "-0.5");
}

TEST(CStr, ExponentNotationOnlyBeyondTheDigitsShown)
{
    EXPECT_EQ(CStr(1e15), "1E+15");
    EXPECT_EQ(CStr(1.5e300), "1.5E+300");
    EXPECT_EQ(CStr(0.00001), "1E-05");
    // large singles stay in plain notation, with 7 significant digits
    EXPECT_EQ(CStr(12345678.0f), "12345680");
    EXPECT_EQ(CStr(10633170.0f), "10633170");
    EXPECT_EQ(CStr(1e14f), "100000000000000");
    EXPECT_EQ(CStr(1e15f), "1E+15");
    EXPECT_EQ(CStr(123456789012345678.0), "1.23456789012346E+17");
    EXPECT_EQ(CStr(0.000123456789f), "0.0001234568");
    EXPECT_EQ(CStr(-2.5e-7), "-2.5E-07");
}

TEST(CStr, IntegersAndCurrency)
{
    EXPECT_EQ(CStr(std::int16_t{-32768}), "-32768");
    EXPECT_EQ(CStr(12), "12");
    EXPECT_EQ(CStr(CCur(1.04)), "1.04");
    EXPECT_EQ(CStr(CCur(24)), "24");
    EXPECT_EQ(CStr(CCur(-0.5)), "-0.5");
    EXPECT_EQ(CStr(CCur(0.00004)), "0");
    EXPECT_EQ(CStr(CCur(1.23456)), "1.2346");
    EXPECT_EQ(CStr(Currency::fromScaled(INT64_MIN)), "-922337203685477.5808");
}

TEST(Str, ListItemTexts)
{
    EXPECT_EQ(Str(0.4), " .4");
    EXPECT_EQ(Str(12.0), " 12");
    EXPECT_EQ(Str(-0.4), "-.4");
    EXPECT_EQ(Str(1.15), " 1.15");
    EXPECT_EQ(Str(0.0), " 0");
    EXPECT_EQ(Str(0.4 + 0.1 * 2), " .6");
    EXPECT_EQ(Str(1.1 + 0.05 * 1), " 1.15");
    EXPECT_EQ(Str(0.25f), " .25");
    EXPECT_EQ(Str(5), " 5");
    EXPECT_EQ(Str(-3), "-3");
}

TEST(IntAndCInt, RoundingRules)
{
    EXPECT_EQ(Int(2.7L), 2);
    EXPECT_EQ(Int(-2.5L), -3);
    EXPECT_EQ(Int(-0.5L), -1);
    EXPECT_EQ(Int(3.0L), 3);
    EXPECT_EQ(CInt(0.5L), 0);
    EXPECT_EQ(CInt(1.5L), 2);
    EXPECT_EQ(CInt(2.5L), 2);
    EXPECT_EQ(CInt(3.5L), 4);
    EXPECT_EQ(CInt(-2.5L), -2);
    EXPECT_EQ(CInt(-0.4L), 0);
    EXPECT_EQ(CInt(32767.4L), 32767);
    EXPECT_EQ(CInt(-32768.5L), -32768);
    EXPECT_EQ(CInt(-32767.5L), -32768); // half to the even neighbour, still in range
    expectFailure(FailureKind::IntegerOverflow, "CInt(32767.5)", [] { CInt(32767.5L); });
    expectFailure(FailureKind::IntegerOverflow, "CInt(-32769)", [] { CInt(-32769.0L); });
    expectFailure(FailureKind::IntegerOverflow, "CInt(1e10)", [] { CInt(1e10L); });
    expectFailure(FailureKind::IntegerOverflow, "CInt(1e300)", [] { CInt(1e300L); });
}

TEST(Currency, RangeAndArithmetic)
{
    EXPECT_EQ(CCur(2.5L).scaled(), 25000);
    EXPECT_EQ((CCur(1.5L) + CCur(2.25L)).scaled(), 37500);
    EXPECT_EQ((CCur(1.5L) * CCur(0.3L)).scaled(), 4500);
    EXPECT_EQ((CCur(0.0001L) * CCur(0.5L)).scaled(), 0); // 0.00005 -> even
    EXPECT_EQ((CCur(0.0003L) * CCur(0.5L)).scaled(), 2); // 0.00015 -> even
    expectFailure(FailureKind::CurrencyOverflow, "CCur(1e15)", [] { CCur(1e15L); });
    EXPECT_EQ(CCur(922337203685477.0L).scaled(), 9223372036854770000LL);
    expectFailure(FailureKind::CurrencyOverflow, "currency sum", [] { CCur(9e14L) + CCur(9e14L); });
    expectFailure(FailureKind::CurrencyOverflow, "currency product", [] { CCur(9e14L) * CCur(10.0L); });
}

// Every conversion of a floating value into a narrower type checks the range
// first: NaN, infinities and values beyond the target are the target's
// overflow, never a converted value.
TEST(OutOfRange, IntegerAndCurrencyConversionsFailBeforeConverting)
{
    const ext nan = std::numeric_limits<ext>::quiet_NaN();
    const ext inf = std::numeric_limits<ext>::infinity();
    for (const ext x : {nan, inf, -inf, 1e10L, -1e10L, Int(1e300L), Int(-1e300L), 1e4000L, 65535.0L})
        expectFailure(FailureKind::IntegerOverflow, "CInt", [&] { CInt(x); });
    for (const ext x : {nan, inf, -inf, 1e300L, -1e300L, 1e4000L, 1e15L})
        expectFailure(FailureKind::CurrencyOverflow, "CCur", [&] { CCur(x); });
    expectFailure(FailureKind::IntegerOverflow, "CInt(Val(1e300))", [] { CInt(Int(Val("1e300"))); });
    expectFailure(FailureKind::CurrencyOverflow, "CCur(-922337203685478)", [] { CCur(-922337203685478.0L); });
    EXPECT_EQ(CCur(-922337203685477.0L).scaled(), -9223372036854770000LL);
    // the ends of the currency range, where the magnitude of the smallest value has no positive counterpart
    const Currency max = Currency::fromScaled(INT64_MAX);
    const Currency min = Currency::fromScaled(INT64_MIN);
    expectFailure(FailureKind::CurrencyOverflow, "max + 0.0001", [&] { max + Currency::fromScaled(1); });
    expectFailure(FailureKind::CurrencyOverflow, "min - 0.0001", [&] { min - Currency::fromScaled(1); });
    expectFailure(FailureKind::CurrencyOverflow, "min x -1", [&] { min* CCur(-1); });
    EXPECT_EQ(min * CCur(1), min);
    EXPECT_EQ(max * CCur(-1), Currency::fromScaled(-INT64_MAX));
    EXPECT_EQ(CStr(max), "922337203685477.5807");
    // 16-bit stores of integers
    expectFailure(FailureKind::IntegerOverflow, "i16(-32769)", [] { i16(-32769); });
    expectFailure(FailureKind::IntegerOverflow, "i16(LLONG_MIN)", [] { i16(LLONG_MIN); });
    EXPECT_EQ(i16(-32768), -32768);
}

TEST(OutOfRange, FloatingStoresFailWhereTheValueWouldRoundToInfinity)
{
    // halfway between the largest finite value and the next power of two rounds up, to infinity
    EXPECT_EQ(sng(0x1.fffffep127L), FLT_MAX);
    EXPECT_EQ(sng(-0x1.fffffefffffp127L), -FLT_MAX);
    expectFailure(FailureKind::FloatOverflow, "sng(FLT_MAX + half an ulp)", [] { sng(0x1.ffffffp127L); });
    expectFailure(FailureKind::FloatOverflow, "sng(-FLT_MAX - half an ulp)", [] { sng(-0x1.ffffffp127L); });
    EXPECT_EQ(dbl(0x1.fffffffffffff7fp1023L), DBL_MAX);
    expectFailure(FailureKind::FloatOverflow, "dbl(DBL_MAX + half an ulp)", [] { dbl(0x1.fffffffffffff8p1023L); });
    expectFailure(FailureKind::FloatOverflow, "dbl(-1e4000)", [] { dbl(-1e4000L); });
    for (const ext x : {std::numeric_limits<ext>::quiet_NaN(), std::numeric_limits<ext>::infinity()}) {
        expectFailure(FailureKind::FloatOverflow, "sng", [&] { sng(x); });
        expectFailure(FailureKind::FloatOverflow, "dbl", [&] { dbl(x); });
    }
    // CSng reads the text as a double first, then stores it
    EXPECT_EQ(CSng("3.4028235E+38"), FLT_MAX);
    EXPECT_EQ(CSng("3.40282356E+38"), FLT_MAX);
    expectFailure(FailureKind::FloatOverflow, "CSng 3.4028236E+38", [] { CSng("3.4028236E+38"); });
    // writing never turns NaN or infinity into text
    expectFailure(FailureKind::FloatOverflow, "CStr(NaN)", [] { CStr(std::numeric_limits<double>::quiet_NaN()); });
    expectFailure(FailureKind::FloatOverflow, "CStr(-inf)", [] { CStr(-std::numeric_limits<float>::infinity()); });
    expectFailure(FailureKind::FloatOverflow, "Str(inf)", [] { Str(std::numeric_limits<double>::infinity()); });
    // hexadecimal and octal readings beyond double range
    expectFailure(FailureKind::FloatOverflow, "Val(&H + 300 F)", [] { Val("&H" + std::string(300, 'F')); });
    expectFailure(FailureKind::FloatOverflow, "Val(&O + 400 7)", [] { Val("&O" + std::string(400, '7')); });
    EXPECT_EQ(Val("&H" + std::string(13, 'F')), 4503599627370495.0);
}

TEST(StoringAndArithmetic, StoresRoundOnceAndCheckRange)
{
    // an extended product rounded straight to single precision
    EXPECT_EQ(sng(0.1L * 3), 0.3f);
    expectFailure(FailureKind::FloatOverflow, "sng(1e39)", [] { sng(1e39L); });
    expectFailure(FailureKind::FloatOverflow, "dbl(1e309)", [] { dbl(1e309L); });
    EXPECT_EQ(i16(32767), 32767);
    expectFailure(FailureKind::IntegerOverflow, "i16(32768)", [] { i16(32768); });
    expectFailure(FailureKind::DivisionByZero, "1/0", [] { quot(1, 0); });
    expectFailure(FailureKind::DivisionByZero, "0/0", [] { quot(0, 0); });
    expectFailure(FailureKind::NegativeSqrt, "sqr(-1)", [] { sqr(-1); });
    EXPECT_EQ(sqr(0), 0);
    EXPECT_EQ(power(-2, 3), -8);
    expectFailure(FailureKind::NegativePower, "(-2)^1.85", [] { power(-2, 1.85L); });
    expectFailure(FailureKind::DivisionByZero, "0^-4.87", [] { power(0, -4.87L); });
    expectFailure(FailureKind::FloatOverflow, "10^1e6", [] { power(10, 1e6L); });
}

TEST(StoringAndArithmetic, CutTruncatesDownwardByDecimals)
{
    EXPECT_EQ(dbl(cut(1.3153L, 2)), 1.31);
    EXPECT_EQ(dbl(cut(0.309L, 2)), 0.3);
    EXPECT_EQ(CStr(dbl(cut(66.105L, 1))), "66.1");
    EXPECT_EQ(CStr(dbl(cut(-0.001L, 2))), "-0.01");
    EXPECT_EQ(CStr(dbl(cut(0.02993L, 4))), "0.0299");
    // the extended product 1.4 x 3.6 x 100 lies just below 504, the double one just above
    const ext flow = 1.4;
    EXPECT_EQ(CStr(dbl(Int(flow * 3.6 * 100) * 0.01)), "5.03");
    EXPECT_EQ(CStr(std::floor(1.4 * 3.6 * 100) * 0.01), "5.04");
}

} // namespace
