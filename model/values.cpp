#include "model/values.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <system_error>
#include <type_traits>

namespace model {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c, int base)
{
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    return d < base ? d : -1;
}

// "[-]digits[.digits]" with a digit somewhere, the text of most fields and
// its own canonical form. Of at most 15 digits, the digits as a whole number
// m below 2^53 and k places make m / 10^k, the nearest double to the text
// (one correctly rounded division of exact numbers).
struct Plain {
    bool is = false;    // the text is such a decimal
    bool exact = false; // of at most 15 digits: value is the text's double
    double value = 0;
};

Plain readPlain(std::string_view s)
{
    static constexpr double kTen[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    Plain r;
    std::uint64_t m = 0;
    int digits = 0;
    int places = -1; // digits after the point, -1 without a point
    const bool neg = !s.empty() && s[0] == '-';
    for (std::size_t p = neg ? 1 : 0; p < s.size(); ++p) {
        const char c = s[p];
        if (isDigit(c)) {
            if (++digits <= 15) m = m * 10 + static_cast<std::uint64_t>(c - '0');
            if (places >= 0) ++places;
        } else if (c == '.' && places < 0) {
            places = 0;
        } else {
            return r;
        }
    }
    r.is = digits >= 1;
    r.exact = r.is && digits <= 15;
    if (r.exact) {
        const double v = static_cast<double>(m) / kTen[places < 0 ? 0 : places];
        r.value = neg ? -v : v;
    }
    return r;
}

// Converts a canonical "[-]digits[.digits][e[-]digits]" text, correctly
// rounded, with "." as the decimal point whatever the C locale says (the Qt
// front end takes the user's locale, whose decimal point may be a comma).
double toDouble(std::string_view canonical)
{
    if (const Plain p = readPlain(canonical); p.exact) return p.value;
    double d = 0;
    const char* const end = canonical.data() + canonical.size();
    const auto [ptr, ec] = std::from_chars(canonical.data(), end, d);
    if (ec != std::errc() || ptr != end) {
        // beyond double range either way: strtod tells overflow (infinity)
        // from underflow (0 or the nearest subnormal)
        static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
        d = strtod_l(std::string(canonical).c_str(), nullptr, c);
    }
    if (std::isinf(d)) throw CalcError(FailureKind::FloatOverflow, "number too large");
    return d;
}

// Reads the integer after "&H" / "&O" up to the first character that is not
// a digit of the base.
double readRadix(std::string_view s, int base)
{
    ext v = 0;
    for (char c : s) {
        const int d = digitValue(c, base);
        if (d < 0) break;
        v = v * base + d;
        if (v > DBL_MAX) throw CalcError(FailureKind::FloatOverflow, "number too large");
    }
    return static_cast<double>(v);
}

// The numeric prefix grammar shared by the lenient and the strict reading.
// Returns the number of characters used (0 when there is no digit).
struct Scan {
    std::string canonical;
    std::size_t used = 0;
    bool digits = false;
};

Scan scanNumber(std::string_view s, bool allowGrouping)
{
    Scan r;
    std::size_t p = 0;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
        if (s[p] == '-') r.canonical += '-';
        ++p;
    }
    // integer part, optionally grouped "1,234,567": a separator must follow
    // one to three digits at first, exactly three after an earlier separator,
    // and be followed by exactly three digits
    std::size_t groupLen = 0;
    bool grouped = false;
    while (p < s.size()) {
        if (isDigit(s[p])) {
            r.canonical += s[p];
            r.digits = true;
            ++groupLen;
            ++p;
            continue;
        }
        if (!allowGrouping || s[p] != ',' || groupLen == 0) break;
        if (grouped ? groupLen != 3 : groupLen > 3) break;
        bool three = true;
        for (std::size_t k = 1; k <= 3 && three; ++k) three = p + k < s.size() && isDigit(s[p + k]);
        if (!three || (p + 4 < s.size() && isDigit(s[p + 4]))) break;
        grouped = true;
        groupLen = 0;
        ++p;
    }
    if (p < s.size() && s[p] == '.') {
        std::size_t q = p + 1;
        std::string frac;
        while (q < s.size() && isDigit(s[q])) frac += s[q++];
        if (!frac.empty() || r.digits) {
            r.canonical += '.';
            r.canonical += frac;
            r.digits = r.digits || !frac.empty();
            p = q;
        }
    }
    if (!r.digits) {
        r.used = 0;
        return r;
    }
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E' || s[p] == 'd' || s[p] == 'D')) {
        std::size_t q = p + 1;
        std::string expo = "e";
        if (q < s.size() && (s[q] == '+' || s[q] == '-')) expo += s[q++];
        std::size_t firstDigit = q;
        // very long exponents: keep the value's meaning without feeding
        // strtod an unbounded text (any exponent past 99999 over/underflows)
        std::string digits;
        while (q < s.size() && isDigit(s[q])) {
            if (!(digits.empty() && s[q] == '0')) digits += s[q];
            ++q;
        }
        if (q > firstDigit) {
            if (digits.size() > 6) digits = "999999";
            expo += digits.empty() ? "0" : digits;
            r.canonical += expo;
            p = q;
        }
    }
    r.used = p;
    return r;
}

// A decimal number: the significant digits d1 d2 ... dn (no trailing zero
// after the first), d1 standing for d1 × 10^expo.
struct Decimal {
    char digits[24];
    int nd = 0;
    int expo = 0;
    bool neg = false;
};

// Reads to_chars' scientific form "[-]d[.ddd]e[+-]xx".
Decimal readScientific(const char* p, const char* end)
{
    Decimal d;
    d.neg = *p == '-';
    if (d.neg) ++p;
    d.digits[d.nd++] = *p++;
    if (*p == '.')
        for (++p; *p != 'e'; ++p) d.digits[d.nd++] = *p;
    ++p; // the exponent's sign
    const bool negExpo = *p == '-';
    for (++p; p < end; ++p) d.expo = d.expo * 10 + (*p - '0');
    if (negExpo) d.expo = -d.expo;
    while (d.nd > 1 && d.digits[d.nd - 1] == '0') --d.nd;
    return d;
}

// Whether the decimal n / scale (n and scale whole numbers below 2^53, so
// that q = n / scale is the double nearest to it) reads as x.
bool readsAs(double q, double x) { return q == x; }
bool readsAs(double q, float x)
{
    // q nearest to the decimal, then to a float: the float nearest to the
    // decimal too, unless q lies just halfway between two floats
    const float f = static_cast<float>(q);
    if (f != x) return false;
    if (static_cast<double>(f) == q) return true;
    const float other = std::nextafter(f, q > static_cast<double>(f) ? INFINITY : -INFINITY);
    return q - static_cast<double>(f) != static_cast<double>(other) - q;
}

// x (normal, not 0) correctly rounded to `precision` significant digits (15
// for a double, 7 for a float), halves to even: the digits of printf's
// "%.*e" with precision - 1.
//
// Most values shown are decimals of a few places (cut so), and such a
// decimal is quicker found: the first n / 10^k, k = 0 ... 8, that reads as x
// and has at most `precision` digits lies within half of x's spacing (ulp)
// of x. Where that ulp is smaller than a step of the last digit shown, no
// other number of `precision` digits lies as near: the decimal is x
// correctly rounded. For a double and 15 digits the ulp is always below a
// quarter of the step; a float's ulp may exceed a step of its 7th digit,
// which is checked, as is a power of ten, whose step below it is a tenth.
template <class F>
Decimal roundedTo(F x, int precision)
{
    Decimal d;
    const double a = std::fabs(static_cast<double>(x));
    const double limit = precision == 15 ? 1e15 : 1e7;
    double scale = 1;
    for (int k = 0; k <= 8; ++k, scale *= 10) {
        const double n = std::rint(a * scale);
        if (n >= limit) break;
        if (n == 0 || !readsAs((x < 0 ? -n : n) / scale, x)) continue;
        char buf[24];
        const char* const end = std::to_chars(buf, buf + sizeof buf, static_cast<std::uint64_t>(n)).ptr;
        d.neg = x < 0;
        d.nd = static_cast<int>(end - buf);
        d.expo = d.nd - 1 - k;
        std::memcpy(d.digits, buf, static_cast<std::size_t>(d.nd));
        while (d.nd > 1 && d.digits[d.nd - 1] == '0') --d.nd;
        if constexpr (std::is_same_v<F, double>) return d;
        // log2 of the ulp against log2 of the step, 10^(expo - precision + 1)
        const int ulpLog2 = std::ilogb(x) - (std::numeric_limits<F>::digits - 1);
        const double stepLog2 = (d.expo - precision + 1) * 3.321928094887362;
        if (!(d.nd == 1 && d.digits[0] == '1') && ulpLog2 < stepLog2) return d;
        break;
    }
    char buf[48];
    const char* end =
        std::to_chars(buf, buf + sizeof buf, static_cast<double>(x), std::chars_format::scientific, precision - 1).ptr;
    return readScientific(buf, end);
}

// x rounded to `precision` significant digits, in plain decimal notation when
// its decimal exponent lies in -4 ... 14, otherwise as "1.5E+15" / "1E-05".
template <class F>
std::string formatG(F x, int precision)
{
    if (!std::isfinite(x)) throw CalcError(FailureKind::FloatOverflow, "value out of range");
    if (x == 0) return "0";
    const Decimal d = roundedTo(x, precision);
    const int expo = d.expo;
    char out[48];
    int n = 0;
    if (d.neg) out[n++] = '-';
    if (expo < -4 || expo >= 15) {
        out[n++] = d.digits[0];
        if (d.nd > 1) {
            out[n++] = '.';
            for (int k = 1; k < d.nd; ++k) out[n++] = d.digits[k];
        }
        // at least two exponent digits
        const int a = expo < 0 ? -expo : expo;
        out[n++] = 'E';
        out[n++] = expo < 0 ? '-' : '+';
        if (a >= 100) out[n++] = static_cast<char>('0' + a / 100);
        out[n++] = static_cast<char>('0' + a / 10 % 10);
        out[n++] = static_cast<char>('0' + a % 10);
    } else if (expo < 0) {
        out[n++] = '0';
        out[n++] = '.';
        for (int k = 0; k < -expo - 1; ++k) out[n++] = '0';
        for (int k = 0; k < d.nd; ++k) out[n++] = d.digits[k];
    } else {
        // the point after digit expo + 1, zeros up to it
        const int point = expo + 1;
        for (int k = 0; k < d.nd || k < point; ++k) {
            if (k == point) out[n++] = '.';
            out[n++] = k < d.nd ? d.digits[k] : '0';
        }
    }
    return {out, static_cast<std::size_t>(n)};
}

std::string toStr(std::string s)
{
    if (s.empty() || s[0] != '-') {
        if (s.size() > 1 && s[0] == '0' && s[1] == '.') s.erase(0, 1);
        return " " + s;
    }
    if (s.size() > 2 && s[1] == '0' && s[2] == '.') s.erase(1, 1);
    return s;
}

constexpr std::int64_t kCurrencyMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kCurrencyMin = std::numeric_limits<std::int64_t>::min();

} // namespace

std::string_view failureText(FailureKind kind)
{
    switch (kind) {
    case FailureKind::InvalidEntry: return "输入无效";
    case FailureKind::DivisionByZero: return "除数为零";
    case FailureKind::NegativeSqrt: return "负数开平方";
    case FailureKind::NegativePower: return "负数的非整数次幂";
    case FailureKind::FloatOverflow: return "数值溢出";
    case FailureKind::IntegerOverflow: return "整数溢出";
    case FailureKind::CurrencyOverflow: return "货币值溢出";
    case FailureKind::IndexOutOfRange: return "下标越界";
    case FailureKind::Internal: return "程序内部错误";
    }
    return "?";
}

std::string_view failureName(FailureKind kind)
{
    switch (kind) {
    case FailureKind::InvalidEntry: return "invalid-entry";
    case FailureKind::DivisionByZero: return "division-by-zero";
    case FailureKind::NegativeSqrt: return "negative-sqrt";
    case FailureKind::NegativePower: return "negative-power";
    case FailureKind::FloatOverflow: return "float-overflow";
    case FailureKind::IntegerOverflow: return "integer-overflow";
    case FailureKind::CurrencyOverflow: return "currency-overflow";
    case FailureKind::IndexOutOfRange: return "index-out-of-range";
    case FailureKind::Internal: return "internal";
    }
    return "?";
}

// --- Currency -----------------------------------------------------------

Currency operator+(Currency a, Currency b)
{
    std::int64_t r;
    if (__builtin_add_overflow(a.v_, b.v_, &r)) throw CalcError(FailureKind::CurrencyOverflow);
    return Currency::fromScaled(r);
}

Currency operator-(Currency a, Currency b)
{
    std::int64_t r;
    if (__builtin_sub_overflow(a.v_, b.v_, &r)) throw CalcError(FailureKind::CurrencyOverflow);
    return Currency::fromScaled(r);
}

Currency operator*(Currency a, Currency b)
{
    const __int128 p = static_cast<__int128>(a.v_) * b.v_;
    __int128 q = p / 10000;
    const __int128 rem = p % 10000;
    // halves to even, symmetric for negative products
    const __int128 twice = (rem < 0 ? -rem : rem) * 2;
    if (twice > 10000 || (twice == 10000 && (q % 2 != 0))) q += (p < 0 ? -1 : 1);
    if (q > kCurrencyMax || q < kCurrencyMin) throw CalcError(FailureKind::CurrencyOverflow);
    return Currency::fromScaled(static_cast<std::int64_t>(q));
}

// --- reading ------------------------------------------------------------

double Val(std::string_view text)
{
    if (const Plain p = readPlain(text); p.is) return p.exact ? p.value : toDouble(text);
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') s += c;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return readRadix(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return readRadix(std::string_view(s).substr(2), 8);
    }
    const Scan scan = scanNumber(s, false);
    if (!scan.digits) return 0.0;
    return toDouble(scan.canonical);
}

double CDbl(std::string_view text)
{
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    const std::string_view s = text.substr(b, e - b);
    const Scan scan = scanNumber(s, true);
    if (!scan.digits || scan.used != s.size())
        throw CalcError(FailureKind::InvalidEntry, "\"" + std::string(text.substr(0, 40)) + "\" is not a number");
    return toDouble(scan.canonical);
}

float CSng(std::string_view text) { return sng(CDbl(text)); }

// --- conversions --------------------------------------------------------

// Both round with rint, in the x87 unit's own mode (to nearest, halves to
// even), and convert only whole numbers: a plain cast to an integer switches
// the unit's rounding mode and back, which costs more than the rest.

std::int16_t CInt(ext x)
{
    if (std::isnan(x)) throw CalcError(FailureKind::IntegerOverflow, "not a number");
    const ext r = std::rint(x); // halves to even
    if (r < -32768.0L || r > 32767.0L) throw CalcError(FailureKind::IntegerOverflow);
    // a whole number of 16 bits, exact as a double, converted there
    return static_cast<std::int16_t>(static_cast<double>(r));
}

Currency CCur(ext x)
{
    if (std::isnan(x)) throw CalcError(FailureKind::CurrencyOverflow, "not a number");
    const ext r = std::rint(x * 10000.0L);
    // 2^63 is exactly representable in extended precision
    if (r >= 9223372036854775808.0L || r < -9223372036854775808.0L) throw CalcError(FailureKind::CurrencyOverflow);
    return Currency::fromScaled(std::llrint(r)); // r is whole: llrint is r
}

// --- writing ------------------------------------------------------------

std::string CStr(double x) { return formatG(x, 15); }
std::string CStr(float x) { return formatG(x, 7); }

std::string CStr(Currency c)
{
    const std::int64_t v = c.scaled();
    const bool neg = v < 0;
    // magnitude as unsigned so that the most negative value is safe
    const std::uint64_t m = neg ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    std::string s = std::to_string(m / 10000);
    std::uint64_t frac = m % 10000;
    if (frac != 0) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%04u", static_cast<unsigned>(frac));
        std::string f = buf;
        while (!f.empty() && f.back() == '0') f.pop_back();
        s += "." + f;
    }
    return neg ? "-" + s : s;
}

std::string Str(double x) { return toStr(CStr(x)); }
std::string Str(float x) { return toStr(CStr(x)); }

// --- storing and arithmetic ---------------------------------------------

void throwFailure(FailureKind kind, const char* detail) { throw CalcError(kind, detail); }

std::int16_t i16(long long n)
{
    if (n < -32768 || n > 32767) throw CalcError(FailureKind::IntegerOverflow);
    return static_cast<std::int16_t>(n);
}

ext sqr(ext x)
{
    if (x < 0) throw CalcError(FailureKind::NegativeSqrt);
    if (std::isnan(x)) throw CalcError(FailureKind::FloatOverflow, "not a number");
    return std::sqrt(x);
}

ext power(ext x, ext y)
{
    if (std::isnan(x) || std::isnan(y)) throw CalcError(FailureKind::FloatOverflow, "not a number");
    if (x < 0 && Int(y) != y) throw CalcError(FailureKind::NegativePower);
    if (x == 0 && y < 0) throw CalcError(FailureKind::DivisionByZero);
    // A power with a fractional exponent costs as much as a whole row of a
    // pipe table, and the Hazen-Williams rows raise the same coefficient and
    // the same few table diameters again and again: the last such results
    // are kept. x is not negative here and a zero's sign changes no such
    // power, so equal arguments give the same result.
    struct Kept {
        ext x, y, r;
    };
    thread_local std::array<Kept, 16> kept{};
    thread_local std::size_t next = 0;
    thread_local std::size_t used = 0;
    const bool fractional = Int(y) != y;
    if (fractional)
        for (std::size_t k = 0; k < used; ++k)
            if (kept[k].x == x && kept[k].y == y) return kept[k].r;
    const ext r = std::pow(x, y);
    if (std::isinf(r) || std::isnan(r)) throw CalcError(FailureKind::FloatOverflow);
    if (fractional) {
        kept[next] = {x, y, r};
        next = (next + 1) % kept.size();
        used = std::max(used, next == 0 ? kept.size() : next);
    }
    return r;
}

} // namespace model
