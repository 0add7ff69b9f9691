// Fuzz target for the value rules. Any text read with Val, CDbl or CSng gives
// a finite number or the failure its rule names, never a crash, NaN or
// infinity. Every number read, and the input's first bytes taken as a double
// and as a single, go through the conversions and the writing rules: CStr of a
// finite double reads back with Val and CDbl as the double rounded to 15
// significant digits (7 for a single), never as "NaN" or "inf" text; CInt,
// CCur, Int, cut and the stores give a value or their overflow failure.
#include "model/values.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace model;

namespace {

[[noreturn]] void finding(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "FINDING: %s: %s\n", what, detail.c_str());
    std::abort();
}

// Runs `f`; a CalcError is allowed only of the kinds given.
template <class F>
bool attempt(const char* what, F f, FailureKind allowed, FailureKind alsoAllowed)
{
    try {
        f();
        return true;
    } catch (const CalcError& e) {
        if (e.kind() != allowed && e.kind() != alsoAllowed) finding(what, e.what());
        return false;
    }
}
template <class F>
bool attempt(const char* what, F f, FailureKind allowed)
{
    return attempt(what, f, allowed, allowed);
}

// x rounded to `digits` significant decimal digits, read back correctly rounded.
double rounded(double x, int digits)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, x);
    return std::strtod(buf, nullptr);
}

// Anything but digits, a point, signs and the exponent marker.
bool garbage(const std::string& s)
{
    constexpr std::string_view allowed = "0123456789.-+E";
    return s.empty() || std::ranges::any_of(s, [&](char c) { return allowed.find(c) == std::string_view::npos; });
}

void writeAndReadBack(double d)
{
    const std::string s = CStr(d);
    if (garbage(s)) finding("CStr(double) wrote", s);
    const double want = rounded(d, 15);
    const std::string t = Str(d);
    if (t.empty() || (d >= 0 ? t[0] != ' ' : t[0] != '-')) finding("Str(double) wrote", t);
    if (std::isinf(want)) {
        // the largest doubles round, in 15 digits, to beyond the double range:
        // reading that text back is an overflow
        for (const std::string& text : {s, t}) {
            attempt(
                "Val(CStr(double)) near the range", [&] { finding("read beyond range", std::to_string(Val(text))); },
                FailureKind::FloatOverflow);
            attempt(
                "CDbl(CStr(double)) near the range", [&] { finding("read beyond range", std::to_string(CDbl(text))); },
                FailureKind::FloatOverflow);
        }
        return;
    }
    if (Val(s) != want) finding("Val(CStr(double)) differs", s);
    if (CDbl(s) != want) finding("CDbl(CStr(double)) differs", s);
    if (Val(t) != want) finding("Val(Str(double)) differs", t);
}

void writeAndReadBack(float f)
{
    const std::string s = CStr(f);
    if (garbage(s)) finding("CStr(float) wrote", s);
    const double want = rounded(static_cast<double>(f), 7);
    if (Val(s) != want) finding("Val(CStr(float)) differs", s);
    float back = 0;
    // a single at the edge of its range may round, in 7 digits, to beyond it
    if (attempt(
            "CSng(CStr(float))", [&] { back = CSng(s); }, FailureKind::FloatOverflow) &&
        back != static_cast<float>(want))
        finding("CSng(CStr(float)) differs", s);
}

void convert(double d)
{
    if (!std::isfinite(d)) {
        // never written: CStr of NaN or infinity is an overflow, not text
        attempt(
            "CStr(non-finite)", [&] { finding("CStr(non-finite) wrote", CStr(d)); }, FailureKind::FloatOverflow);
        attempt(
            "CInt(non-finite)", [&] { CInt(d); }, FailureKind::IntegerOverflow);
        attempt(
            "CCur(non-finite)", [&] { CCur(d); }, FailureKind::CurrencyOverflow);
        attempt(
            "sng(non-finite)", [&] { sng(d); }, FailureKind::FloatOverflow);
        attempt(
            "dbl(non-finite)", [&] { dbl(d); }, FailureKind::FloatOverflow);
        return;
    }
    writeAndReadBack(d);
    std::int16_t n = 0;
    if (attempt(
            "CInt", [&] { n = CInt(d); }, FailureKind::IntegerOverflow) &&
        std::fabs(n - d) > 0.5)
        finding("CInt is not the nearest integer", CStr(d));
    Currency c;
    if (attempt(
            "CCur", [&] { c = CCur(d); }, FailureKind::CurrencyOverflow)) {
        const std::string s = CStr(c);
        if (garbage(s)) finding("CStr(Currency) wrote", s);
        // exact in a double up to 2^52 ten-thousandths
        if (std::llabs(c.scaled()) < (1LL << 50) && CCur(Val(s)) != c) finding("CCur(Val(CStr(Currency))) differs", s);
        attempt(
            "currency sum", [&] { (void)(c + c); }, FailureKind::CurrencyOverflow);
        attempt(
            "currency difference", [&] { (void)(c - CCur(-d)); }, FailureKind::CurrencyOverflow);
        attempt(
            "currency product", [&] { (void)(c * c); }, FailureKind::CurrencyOverflow);
    }
    const ext i = Int(d);
    // an integer not above d, and the next one above it (a double with a
    // fraction lies below 2^52, where i + 1 is exact)
    if (!(std::floor(i) == i && i <= d && (i == d || i + 1 > d))) finding("Int is not the floor", CStr(d));
    for (int k = 0; k <= 4; ++k) {
        ext r = 0;
        attempt(
            "cut", [&] { r = dbl(cut(d, k)); }, FailureKind::FloatOverflow);
        if (std::isnan(r)) finding("cut gave NaN", CStr(d));
    }
    float f = 0;
    if (attempt(
            "sng", [&] { f = sng(d); }, FailureKind::FloatOverflow))
        writeAndReadBack(f);
    attempt(
        "quot", [&] { (void)dbl(quot(1, d)); }, FailureKind::DivisionByZero, FailureKind::FloatOverflow);
    attempt(
        "sqr", [&] { (void)dbl(sqr(d)); }, FailureKind::NegativeSqrt);
    attempt(
        "power", [&] { (void)dbl(power(d, 1.85)); }, FailureKind::NegativePower, FailureKind::FloatOverflow);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    double v = 0;
    if (attempt(
            "Val", [&] { v = Val(text); }, FailureKind::FloatOverflow)) {
        if (!std::isfinite(v)) finding("Val gave a non-finite number", std::string(text.substr(0, 60)));
        convert(v);
    }
    double d = 0;
    const bool strict = attempt(
        "CDbl", [&] { d = CDbl(text); }, FailureKind::InvalidEntry, FailureKind::FloatOverflow);
    if (strict) {
        if (!std::isfinite(d)) finding("CDbl gave a non-finite number", std::string(text.substr(0, 60)));
        convert(d);
    }
    float f = 0;
    if (attempt(
            "CSng", [&] { f = CSng(text); }, FailureKind::InvalidEntry, FailureKind::FloatOverflow)) {
        if (!strict || f != static_cast<float>(d)) finding("CSng is not CDbl stored as single", CStr(f));
        writeAndReadBack(f);
    }

    // the first bytes as numbers of either precision, NaN and infinities included
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        convert(raw);
    }
    if (size >= sizeof(float)) {
        float raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw)) writeAndReadBack(raw);
        else convert(static_cast<double>(raw));
    }
    return 0;
}
