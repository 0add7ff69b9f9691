#pragma once
// The one error type of a failed calculation. Thrown by the value rules and
// the checked arithmetic helpers; caught only where a user action enters the
// model (App::act), which reports it and lets the program go on.

#include <stdexcept>
#include <string>
#include <string_view>

namespace model {

enum class FailureKind {
    InvalidEntry, // strict reading (CDbl, CSng) of empty or non-numeric text
    DivisionByZero,
    NegativeSqrt,     // square root of a negative number
    NegativePower,    // negative number raised to a fractional power
    FloatOverflow,    // beyond the range of single or double precision
    IntegerOverflow,  // beyond -32768 ... 32767
    CurrencyOverflow, // beyond the fixed-point currency range
    IndexOutOfRange,  // control-array index that names no member
    Internal,         // a defect of the program itself, never a user's doing
};

// Short Chinese name of a failure kind, as the status bar shows it.
std::string_view failureText(FailureKind kind);
// Stable ASCII name, for logs and tests ("division-by-zero").
std::string_view failureName(FailureKind kind);

class CalcError : public std::runtime_error {
public:
    CalcError(FailureKind kind, std::string detail = {})
        : std::runtime_error(std::string(failureName(kind)) + (detail.empty() ? "" : ": " + detail)), kind_(kind),
          detail_(std::move(detail))
    {}
    FailureKind kind() const noexcept { return kind_; }
    const std::string& detail() const noexcept { return detail_; }
    // The handler in which the failure happened (innermost), set on its way out.
    const std::string& handler() const noexcept { return handler_; }
    void setHandler(std::string h)
    {
        if (handler_.empty()) handler_ = std::move(h);
    }

private:
    FailureKind kind_;
    std::string detail_;
    std::string handler_;
};

} // namespace model
