#include "model/values.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

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

// Converts a canonical "[-]digits[.digits][e[-]digits]" text, correctly rounded.
double toDouble(const std::string& canonical)
{
    errno = 0;
    const double d = std::strtod(canonical.c_str(), nullptr);
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

// x rounded to `precision` significant digits, in plain decimal notation when
// its decimal exponent lies in -4 ... 14, otherwise as "1.5E+15" / "1E-05".
std::string formatG(double x, int precision)
{
    if (!std::isfinite(x)) throw CalcError(FailureKind::FloatOverflow, "value out of range");
    if (x == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, x);
    // buf: [-]d.ddddde[+-]xx
    std::string s = buf;
    const bool neg = s[0] == '-';
    if (neg) s.erase(0, 1);
    const auto e = s.find('e');
    const int expo = std::atoi(s.c_str() + e + 1);
    std::string digits = s.substr(0, 1) + (e > 2 ? s.substr(2, e - 2) : "");
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out;
    if (expo < -4 || expo >= 15) {
        out = digits.substr(0, 1);
        if (digits.size() > 1) out += "." + digits.substr(1);
        char ex[16];
        std::snprintf(ex, sizeof ex, "E%c%02d", expo < 0 ? '-' : '+', expo < 0 ? -expo : expo);
        out += ex;
    } else if (expo < 0) {
        out = "0." + std::string(static_cast<std::size_t>(-expo - 1), '0') + digits;
    } else {
        const std::size_t point = static_cast<std::size_t>(expo) + 1;
        if (digits.size() <= point) {
            out = digits + std::string(point - digits.size(), '0');
        } else {
            out = digits.substr(0, point) + "." + digits.substr(point);
        }
    }
    return neg ? "-" + out : out;
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

// The smallest magnitudes that no longer round to a finite single or double
// when stored: halfway between the largest finite value and the next power
// of two, where the tie goes to the even neighbour, up. Stores compare with
// these before converting, so no out-of-range value is ever converted.
constexpr ext kSingleOverflow = 0x1.ffffffp127L;
constexpr ext kDoubleOverflow = 0x1.fffffffffffff8p1023L;
static_assert(std::numeric_limits<ext>::digits == 64, "extended precision is the x87 80-bit type");

float toSingle(ext x)
{
    if (std::isnan(x)) throw CalcError(FailureKind::FloatOverflow, "not a number");
    if (std::fabs(x) >= kSingleOverflow) throw CalcError(FailureKind::FloatOverflow, "beyond single precision");
    return static_cast<float>(x);
}

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

float CSng(std::string_view text) { return toSingle(CDbl(text)); }

// --- conversions --------------------------------------------------------

ext Int(ext x) { return std::floor(x); }

std::int16_t CInt(ext x)
{
    if (std::isnan(x)) throw CalcError(FailureKind::IntegerOverflow, "not a number");
    const ext r = std::nearbyint(x); // default rounding: halves to even
    if (r < -32768.0L || r > 32767.0L) throw CalcError(FailureKind::IntegerOverflow);
    return static_cast<std::int16_t>(r);
}

Currency CCur(ext x)
{
    if (std::isnan(x)) throw CalcError(FailureKind::CurrencyOverflow, "not a number");
    const ext r = std::nearbyint(x * 10000.0L);
    // 2^63 is exactly representable in extended precision
    if (r >= 9223372036854775808.0L || r < -9223372036854775808.0L) throw CalcError(FailureKind::CurrencyOverflow);
    return Currency::fromScaled(static_cast<std::int64_t>(r));
}

// --- writing ------------------------------------------------------------

std::string CStr(double x) { return formatG(x, 15); }
std::string CStr(float x) { return formatG(static_cast<double>(x), 7); }

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

float sng(ext x) { return toSingle(x); }

double dbl(ext x)
{
    if (std::isnan(x)) throw CalcError(FailureKind::FloatOverflow, "not a number");
    if (std::fabs(x) >= kDoubleOverflow) throw CalcError(FailureKind::FloatOverflow, "beyond double precision");
    return static_cast<double>(x);
}

std::int16_t i16(long long n)
{
    if (n < -32768 || n > 32767) throw CalcError(FailureKind::IntegerOverflow);
    return static_cast<std::int16_t>(n);
}

ext quot(ext a, ext b)
{
    if (b == 0) throw CalcError(FailureKind::DivisionByZero);
    const ext q = a / b;
    if (std::isinf(q) || std::isnan(q)) throw CalcError(FailureKind::FloatOverflow);
    return q;
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
    if (x < 0 && std::floor(y) != y) throw CalcError(FailureKind::NegativePower);
    if (x == 0 && y < 0) throw CalcError(FailureKind::DivisionByZero);
    const ext r = std::pow(x, y);
    if (std::isinf(r) || std::isnan(r)) throw CalcError(FailureKind::FloatOverflow);
    return r;
}

ext cut(ext x, int n)
{
    static constexpr double up[] = {1, 10, 100, 1000, 10000};
    static constexpr double down[] = {1, 0.1, 0.01, 0.001, 0.0001};
    if (n < 0 || n > 4) throw CalcError(FailureKind::Internal, "cut: decimals out of range");
    return Int(x * up[n]) * down[n];
}

} // namespace model
