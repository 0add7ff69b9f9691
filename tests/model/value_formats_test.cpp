// Reading and writing numbers exactly as the C library does in the C locale
// (Val and CDbl as strtod, CStr with the digits of printf's "%.*e"), on a
// large sample of the values the screens write and read and of the hard
// cases, whatever the locale the program runs under; the powers kept by
// power() and the rounding conversions against the library's own.
#include "model/values.h"

#include <gtest/gtest.h>

#include <bit>
#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace model;

namespace {

// CStr's layout of the digits printf gives: plain notation for decimal
// exponents -4 ... 14, otherwise "d.dddE+xx".
std::string printfCStr(double x, int digits)
{
    if (x == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, x);
    std::string s = buf;
    const bool neg = s[0] == '-';
    if (neg) s.erase(0, 1);
    const auto e = s.find('e');
    const int expo = std::atoi(s.c_str() + e + 1);
    std::string d = s.substr(0, 1) + (e > 2 ? s.substr(2, e - 2) : "");
    while (d.size() > 1 && d.back() == '0') d.pop_back();
    std::string out;
    if (expo < -4 || expo >= 15) {
        out = d.substr(0, 1) + (d.size() > 1 ? "." + d.substr(1) : "");
        char ex[16];
        std::snprintf(ex, sizeof ex, "E%c%02d", expo < 0 ? '-' : '+', std::abs(expo));
        out += ex;
    } else if (expo < 0) {
        out = "0." + std::string(static_cast<std::size_t>(-expo - 1), '0') + d;
    } else {
        const auto point = static_cast<std::size_t>(expo) + 1;
        out = d.size() <= point ? d + std::string(point - d.size(), '0') : d.substr(0, point) + "." + d.substr(point);
    }
    return neg ? "-" + out : out;
}

double fromBits(std::uint64_t b)
{
    double d;
    std::memcpy(&d, &b, sizeof d);
    return d;
}

float fromBits32(std::uint32_t b)
{
    float f;
    std::memcpy(&f, &b, sizeof f);
    return f;
}

// Values as the screens produce them: decimals of a few places and their
// single-precision roundings, results of formulas, binary fractions whose
// digits end in a 5 (halfway cases), subnormals and arbitrary bit patterns.
struct Samples {
    std::vector<double> doubles;
    std::vector<float> floats;
    Samples()
    {
        std::mt19937_64 rng(20240611);
        for (int i = 0; i < 40000; ++i) {
            const double decimal =
                static_cast<double>(rng() % 100000000) / std::pow(10.0, static_cast<int>(rng() % 16));
            const double formula = decimal * 0.001 * 3.6 / 1.7;
            const long double extended = static_cast<long double>(decimal) * 0.01L * 3.14159L;
            const double half = std::ldexp(static_cast<double>(rng() % (1U << 24)), -static_cast<int>(rng() % 40));
            const double wide = std::ldexp(static_cast<double>(rng() % (1ULL << 53)), -static_cast<int>(rng() % 80));
            for (double d : {decimal, -decimal, formula, static_cast<double>(extended), half, wide}) {
                doubles.push_back(d);
                floats.push_back(static_cast<float>(d));
            }
            const double bits = fromBits(rng());
            if (std::isfinite(bits)) doubles.push_back(bits);
            const float bits32 = fromBits32(static_cast<std::uint32_t>(rng()));
            if (std::isfinite(bits32)) floats.push_back(bits32);
            doubles.push_back(fromBits(rng() % (1ULL << 52)));                            // subnormal
            floats.push_back(fromBits32(static_cast<std::uint32_t>(rng() % (1U << 23)))); // subnormal
        }
    }
};

TEST(CStr, ShowsTheDigitsPrintfRoundsToOnValuesOfEveryKind)
{
    const Samples s;
    int wrong = 0;
    for (double d : s.doubles)
        if (CStr(d) != printfCStr(d, 15) && ++wrong <= 5) ADD_FAILURE() << "CStr(double " << std::hexfloat << d << ")";
    for (float f : s.floats)
        if (CStr(f) != printfCStr(f, 7) && ++wrong <= 10) ADD_FAILURE() << "CStr(float " << std::hexfloat << f << ")";
    EXPECT_EQ(wrong, 0);
}

TEST(CStr, HardCasesOfRounding)
{
    // halfway between two 7-digit numbers: to the even one
    EXPECT_EQ(CStr(1234567.5f), "1234568");
    EXPECT_EQ(CStr(1234568.5f), "1234568");
    EXPECT_EQ(CStr(0.125), "0.125");
    // a float whose spacing is larger than a step of its 7th digit: the
    // shortest text that reads back ("0.000980045") is not its rounding
    EXPECT_EQ(CStr(0x1.00e9b4p-10f), "0.0009800449");
    EXPECT_EQ(CStr(0x1.0061ap-20f), "9.550949E-07");
    // a power of ten read back, the number just below it rounded
    EXPECT_EQ(CStr(std::nextafter(1000.0f, 0.0f)), "999.9999");
    EXPECT_EQ(CStr(std::nextafter(0.001, 0.0)), "0.001");
    // the smallest numbers
    EXPECT_EQ(CStr(5e-324), "4.94065645841247E-324");
    EXPECT_EQ(CStr(FLT_TRUE_MIN), "1.401298E-45");
    EXPECT_EQ(CStr(-DBL_MAX), "-1.79769313486232E+308");
}

// strtod in the C locale: the reading every field text must get.
double cStrtod(const std::string& s)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(s.c_str(), nullptr, c);
}

TEST(Val, ReadsNumbersAsStrtodDoes)
{
    std::mt19937_64 rng(7);
    auto digits = [&](int n) {
        std::string d;
        for (int i = 0; i < n; ++i) d += static_cast<char>('0' + rng() % 10);
        return d;
    };
    int wrong = 0;
    for (int i = 0; i < 60000; ++i) {
        std::string t = rng() % 2 ? "-" : "";
        const int form = static_cast<int>(rng() % 6);
        t += digits(1 + static_cast<int>(rng() % (form == 5 ? 40 : 16)));
        if (form >= 1) t += "." + digits(static_cast<int>(rng() % (form == 4 ? 30 : 16)));
        if (form == 2 || form == 3) t += "e" + std::string(rng() % 2 ? "-" : "") + std::to_string(rng() % 330);
        char shortest[40];
        std::snprintf(shortest, sizeof shortest, "%.17g", fromBits(rng() % 0x7fefffffffffffffULL));
        for (const std::string& text : {t, std::string(shortest)}) {
            const double want = cStrtod(text);
            if (std::isinf(want)) continue; // an overflow, which Val reports
            const double got = Val(text);
            if (std::bit_cast<std::uint64_t>(got) != std::bit_cast<std::uint64_t>(want) && ++wrong <= 5)
                ADD_FAILURE() << "Val(\"" << text << "\")";
            const double strict = CDbl(text);
            if (std::bit_cast<std::uint64_t>(strict) != std::bit_cast<std::uint64_t>(want) && ++wrong <= 5)
                ADD_FAILURE() << "CDbl(\"" << text << "\")";
        }
    }
    EXPECT_EQ(wrong, 0);
}

// A locale with a comma as its decimal point, as the Qt front end takes
// from the user's environment: one installed, or one made for the test.
bool useCommaLocale()
{
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"})
        if (std::setlocale(LC_ALL, name) != nullptr) return std::strcmp(std::localeconv()->decimal_point, ",") == 0;
    const std::string dir = ::testing::TempDir() + "comma-locale";
    const std::string make =
        "mkdir -p '" + dir + "' && localedef -i de_DE -f UTF-8 '" + dir + "/de_DE.UTF-8' >/dev/null 2>&1";
    [[maybe_unused]] const int status = std::system(make.c_str()); // warnings give a status; the files count
    setenv("LOCPATH", dir.c_str(), 1);
    const bool made = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    unsetenv("LOCPATH");
    return made && std::strcmp(std::localeconv()->decimal_point, ",") == 0;
}

TEST(DecimalPoint, FieldsReadAndShowAPointUnderALocaleOfCommas)
{
    if (!useCommaLocale()) {
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no locale with a decimal comma here, and localedef could not make one";
    }
    const double efficiency = Val("0.775");
    const double irradiation = Val("14.7");
    const double strict = CDbl("1,234.5");
    const std::string shown = CStr(0.775);
    const std::string single = CStr(22.7f);
    const std::string small = CStr(0.00001);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(efficiency, 0.775);
    EXPECT_EQ(irradiation, 14.7);
    EXPECT_EQ(strict, 1234.5);
    EXPECT_EQ(shown, "0.775");
    EXPECT_EQ(single, "22.7");
    EXPECT_EQ(small, "1E-05");
}

TEST(Power, AKeptPowerIsTheOneComputedAfresh)
{
    // the Hazen-Williams factors of a pipe table, again and again, between
    // more other powers than are kept
    const long double factors[][2] = {{130, -1.85L}, {0.0261L, -4.87L}, {0.00042L, 1.85L}, {0.0326L, -4.87L}};
    for (int round = 0; round < 3; ++round) {
        for (const auto& f : factors) {
            const long double kept = power(f[0], f[1]);
            const long double fresh = std::pow(f[0], f[1]);
            EXPECT_EQ(std::memcmp(&kept, &fresh, 10), 0) << f[0] << "^" << f[1];
        }
        for (int k = 0; k < 40; ++k) EXPECT_EQ(power(2 + k * 0.25L, 1.5L), std::pow(2 + k * 0.25L, 1.5L));
    }
    // a zero of either sign: +0 for a fractional power
    EXPECT_FALSE(std::signbit(power(-0.0L, 1.85L)));
    EXPECT_FALSE(std::signbit(power(0.0L, 1.85L)));
    // whole powers keep the sign of a negative number, and are not kept
    EXPECT_EQ(power(-2, 3), -8);
    EXPECT_TRUE(std::signbit(power(-0.0L, 3)));
}

TEST(Conversions, RoundAsTheLibraryDoes)
{
    const long double edges[] = {0.0L,      -0.0L,        0.5L,       -0.5L,          1.5L,
                                 2.5L,      -2.5L,        0.49999L,   1e-30L,         -1e-30L,
                                 32767.49L, -32768.49L,   1234.5678L, -0.3L,          0.3L,
                                 99.99L,    1e18L + 0.5L, -1e18L - 1, 4.5e15L + 0.5L, 922337203685477.5L};
    for (long double x : edges) {
        const long double i = Int(x);
        const long double floor = std::floor(x);
        EXPECT_EQ(std::memcmp(&i, &floor, 10), 0) << "Int(" << x << ")";
        if (std::fabs(x) < 32767) {
            EXPECT_EQ(CInt(x), static_cast<std::int16_t>(std::nearbyint(x))) << "CInt(" << x << ")";
        }
        if (std::fabs(x) < 9e14L) {
            EXPECT_EQ(CCur(x).scaled(), static_cast<std::int64_t>(std::nearbyint(x * 10000.0L))) << "CCur(" << x << ")";
        }
    }
}

} // namespace
