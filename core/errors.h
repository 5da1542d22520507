#pragma once

#include <stdexcept>
#include <string>

namespace kelvo {

// Raised when text cannot be read as a number; what() is the text shown to the user (without the
// final full stop, which the error display adds).
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Raised by the checked floating-point operations (division by zero, invalid operation,
// overflow). Underflow and inexact results never raise.
class FloatError : public std::runtime_error {
  public:
    enum class Kind { DivisionByZero, InvalidOperation, Overflow };
    explicit FloatError(Kind kind);
    [[nodiscard]] Kind kind() const { return kind_; }

  private:
    Kind kind_;
};

} // namespace kelvo
