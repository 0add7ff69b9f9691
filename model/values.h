#pragma once
// Value rules shared by every screen: reading field text as numbers and
// writing numbers back as field text, the integer and currency conversions,
// and the checked arithmetic that turns every impossible operation into a
// CalcError instead of NaN or infinity.
//
// Precision: expressions are evaluated in `ext` (the 80-bit x87 extended type)
// and rounded only where a value is stored: `sng()` for a single-precision
// quantity, `dbl()` for a double. Constants written in a formula are plain
// double literals (0.01, 4.1868), promoted to extended, exactly as the design
// tables state them.

#include "model/calc_error.h"

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace model {

using ext = long double;

// Fixed-point currency: 4 decimals, range +-922337203685477.5807.
class Currency {
public:
    constexpr Currency() = default;
    static constexpr Currency fromScaled(std::int64_t scaled)
    {
        Currency c;
        c.v_ = scaled;
        return c;
    }
    constexpr std::int64_t scaled() const { return v_; }
    constexpr ext value() const { return static_cast<ext>(v_) / 10000.0L; }

    friend Currency operator+(Currency a, Currency b);
    friend Currency operator-(Currency a, Currency b);
    friend Currency operator*(Currency a, Currency b); // rounded half to even
    Currency& operator+=(Currency b) { return *this = *this + b; }
    friend constexpr auto operator<=>(Currency, Currency) = default;

private:
    std::int64_t v_ = 0;
};

// --- reading field text -------------------------------------------------

// Lenient reading: blanks, tabs and line feeds anywhere are dropped, "&H"/"&O"
// prefixes read hexadecimal/octal, otherwise the longest numeric prefix.
// Text with no digits reads as 0. A number beyond double range (for example
// "1e309") cannot be represented and is a FloatOverflow.
double Val(std::string_view text);

// Strict readings: the whole text (leading and trailing blanks allowed) must be
// a number with "." as decimal point and "," only as thousands separator in
// groups of three. Otherwise InvalidEntry; beyond range FloatOverflow.
double CDbl(std::string_view text);
float CSng(std::string_view text);

// --- numeric conversions ------------------------------------------------

inline ext Int(ext x);    // largest integer not greater than x
std::int16_t CInt(ext x); // nearest, halves to even; IntegerOverflow outside 16 bits
Currency CCur(ext x);     // nearest 1/10000, halves to even; CurrencyOverflow

// --- writing field text -------------------------------------------------
// Plain decimal notation, trailing zeros and a bare point removed, leading
// zero kept. A single-precision value shows 7 significant digits, a double
// 15; a large single is padded with zeros (12345678 stored as single shows
// "12345680"). Exponent notation ("1.5E+15", "1E-05") is used only when the
// decimal exponent is below -4 or above 14, far beyond any design value.

std::string CStr(double x);   // 15 significant digits
std::string CStr(float x);    // 7 significant digits
std::string CStr(Currency c); // up to 4 decimals
std::string CStr(std::integral auto n) requires(!std::same_as<decltype(n), bool>) { return std::to_string(n); }
std::string CStr(long double) = delete; // say the precision: CStr(sng(x)) or CStr(dbl(x))

// As CStr, but a value that is not negative starts with a blank and a
// magnitude below 1 has no zero before the point: Str(0.4) == " .4".
std::string Str(double x);
std::string Str(float x);
std::string Str(std::integral auto n) requires(!std::same_as<decltype(n), bool>)
{
    std::string s = std::to_string(n);
    if (n >= 0) s.insert(s.begin(), ' ');
    return s;
}
std::string Str(long double) = delete;

// --- storing and checked arithmetic -------------------------------------

inline float sng(ext x);       // store into single precision (FloatOverflow)
inline double dbl(ext x);      // store into double precision (FloatOverflow)
std::int16_t i16(long long n); // store into a 16-bit integer (IntegerOverflow)

inline ext quot(ext a, ext b); // a / b, DivisionByZero when b is 0
ext sqr(ext x);                // square root, NegativeSqrt when x < 0
ext power(ext x, ext y);       // x ^ y: NegativePower, DivisionByZero, FloatOverflow

// Cut x down to n decimals (0 <= n <= 4): Int(x * 10^n) * 10^-n, with the
// factors as the double constants 100 and 0.01 etc.
inline ext cut(ext x, int n);

// --- the small ones, inline: every formula calls them, and a call passes
// its extended-precision arguments through memory. They throw through
// throwFailure, out of line, so that they stay small.

[[noreturn]] void throwFailure(FailureKind kind, const char* detail = "");

inline ext Int(ext x)
{
    // floor: x rounded to nearest, one less where that lies above x (floorl
    // switches the x87 unit's rounding mode and back, slowly)
    ext r = std::rint(x);
    if (r > x) r -= 1;
    return r;
}

// The smallest magnitudes that no longer round to a finite single or double
// when stored: halfway between the largest finite value and the next power
// of two, where the tie goes to the even neighbour, up. Stores compare with
// these before converting, so no out-of-range value is ever converted.
inline constexpr ext kSingleOverflow = 0x1.ffffffp127L;
inline constexpr ext kDoubleOverflow = 0x1.fffffffffffff8p1023L;
static_assert(std::numeric_limits<ext>::digits == 64, "extended precision is the x87 80-bit type");

inline float sng(ext x)
{
    if (std::isnan(x)) throwFailure(FailureKind::FloatOverflow, "not a number");
    if (std::fabs(x) >= kSingleOverflow) throwFailure(FailureKind::FloatOverflow, "beyond single precision");
    return static_cast<float>(x);
}

inline double dbl(ext x)
{
    if (std::isnan(x)) throwFailure(FailureKind::FloatOverflow, "not a number");
    if (std::fabs(x) >= kDoubleOverflow) throwFailure(FailureKind::FloatOverflow, "beyond double precision");
    return static_cast<double>(x);
}

inline ext quot(ext a, ext b)
{
    if (b == 0) throwFailure(FailureKind::DivisionByZero);
    const ext q = a / b;
    if (std::isinf(q) || std::isnan(q)) throwFailure(FailureKind::FloatOverflow);
    return q;
}

inline ext cut(ext x, int n)
{
    static constexpr double up[] = {1, 10, 100, 1000, 10000};
    static constexpr double down[] = {1, 0.1, 0.01, 0.001, 0.0001};
    if (n < 0 || n > 4) throwFailure(FailureKind::Internal, "cut: decimals out of range");
    return Int(x * up[n]) * down[n];
}

} // namespace model
