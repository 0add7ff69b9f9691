#pragma once
// Arguments of the design screen's sizing functions (collector area,
// exchanger capacity, tank volume). They are passed as variants, and each
// operation between two of them takes the precision of its operands rather
// than the extended precision of the handlers:
//
//   + - *  integer with integer  -> 16-bit integer (32-bit when it overflows)
//          32-bit with integer   -> 32-bit integer (double when it overflows)
//          integer with single   -> single
//          32-bit with single    -> double
//          anything with double  -> double
//   /      16-bit integers and singles only -> single, otherwise double
//
// A single-precision result that overflows is carried as a double, as a
// variant is. Dividing by zero is a DivisionByZero failure; a double
// beyond range a FloatOverflow.

#include "model/values.h"

#include <cstdint>

namespace screens {

class Variant {
public:
    enum class Type : std::uint8_t { Integer, Long, Single, Double };

    Variant(int v); // an integer literal of a formula: 16-bit
    Variant(std::int16_t v) : type_(Type::Integer), v_(v) {}
    Variant(float v) : type_(Type::Single), v_(v) {}
    Variant(double v) : type_(Type::Double), v_(v) {}

    Type type() const { return type_; }
    double value() const { return v_; } // every type is exact in a double

    friend Variant operator+(const Variant& a, const Variant& b);
    friend Variant operator-(const Variant& a, const Variant& b);
    friend Variant operator*(const Variant& a, const Variant& b);
    friend Variant operator/(const Variant& a, const Variant& b);

private:
    Variant(Type t, double v) : type_(t), v_(v) {}
    enum class Op : std::uint8_t { Add, Sub, Mul };
    static Variant arith(Op op, const Variant& a, const Variant& b);

    Type type_;
    double v_;
};

} // namespace screens
