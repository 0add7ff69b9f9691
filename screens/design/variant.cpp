#include "screens/design/variant.h"

#include <cmath>
#include <cstdint>

namespace screens {

using model::CalcError;
using model::FailureKind;

namespace {

bool integral(Variant::Type t) { return t == Variant::Type::Integer || t == Variant::Type::Long; }

double checked(double r)
{
    if (!std::isfinite(r)) throw CalcError(FailureKind::FloatOverflow, "beyond double precision");
    return r;
}

} // namespace

Variant::Variant(int v) : type_(Type::Integer), v_(model::i16(v)) {}

Variant Variant::arith(Op op, const Variant& a, const Variant& b)
{
    if (integral(a.type_) && integral(b.type_)) {
        // both fit 32 bits, so the exact result fits 64
        const auto x = static_cast<long long>(a.v_);
        const auto y = static_cast<long long>(b.v_);
        const long long r = op == Op::Add ? x + y : op == Op::Sub ? x - y : x * y;
        if (a.type_ == Type::Integer && b.type_ == Type::Integer && r >= INT16_MIN && r <= INT16_MAX)
            return {Type::Integer, static_cast<double>(r)};
        if (r >= INT32_MIN && r <= INT32_MAX) return {Type::Long, static_cast<double>(r)};
        return {Type::Double, static_cast<double>(r)};
    }
    const bool wide =
        a.type_ == Type::Double || b.type_ == Type::Double || a.type_ == Type::Long || b.type_ == Type::Long;
    if (!wide) {
        const float x = static_cast<float>(a.v_);
        const float y = static_cast<float>(b.v_);
        const float r = op == Op::Add ? x + y : op == Op::Sub ? x - y : x * y;
        if (std::isfinite(r)) return {Type::Single, r};
    }
    const double x = a.v_;
    const double y = b.v_;
    return {Type::Double, checked(op == Op::Add ? x + y : op == Op::Sub ? x - y : x * y)};
}

Variant operator+(const Variant& a, const Variant& b) { return Variant::arith(Variant::Op::Add, a, b); }
Variant operator-(const Variant& a, const Variant& b) { return Variant::arith(Variant::Op::Sub, a, b); }
Variant operator*(const Variant& a, const Variant& b) { return Variant::arith(Variant::Op::Mul, a, b); }

Variant operator/(const Variant& a, const Variant& b)
{
    if (b.v_ == 0) throw CalcError(FailureKind::DivisionByZero);
    const bool narrow = (a.type_ == Variant::Type::Integer || a.type_ == Variant::Type::Single) &&
                        (b.type_ == Variant::Type::Integer || b.type_ == Variant::Type::Single);
    if (narrow) {
        const float r = static_cast<float>(a.v_) / static_cast<float>(b.v_);
        if (std::isfinite(r)) return {Variant::Type::Single, r};
    }
    return {Variant::Type::Double, checked(a.v_ / b.v_)};
}

} // namespace screens
