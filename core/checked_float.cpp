#include "core/checked_float.h"

#include <cmath>

namespace kelvo {

namespace {

const char* FloatErrorText(FloatError::Kind kind) {
    switch (kind) {
    case FloatError::Kind::DivisionByZero:
        return "Floating point division by zero";
    case FloatError::Kind::InvalidOperation:
        return "Invalid floating point operation";
    case FloatError::Kind::Overflow:
        return "Floating point overflow";
    }
    return "Floating point error";
}

// Judged from the values alone, so the outcome does not depend on FPU flags or traps.
long double CheckResult(long double result, long double a, long double b) {
    if (std::isnan(result) && !std::isnan(a) && !std::isnan(b))
        throw FloatError(FloatError::Kind::InvalidOperation);
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b))
        throw FloatError(FloatError::Kind::Overflow);
    return result;
}

std::int32_t CheckedInt32(long double integral) {
    // NaN fails both comparisons.
    if (!(integral >= std::numeric_limits<std::int32_t>::min() &&
          integral <= std::numeric_limits<std::int32_t>::max()))
        throw FloatError(FloatError::Kind::InvalidOperation);
    return static_cast<std::int32_t>(integral);
}

std::int64_t CheckedInt64(long double integral) {
    // 2^63 is exact in extended precision; NaN fails both comparisons.
    constexpr long double kLimit = 9223372036854775808.0L;
    if (!(integral >= -kLimit && integral < kLimit))
        throw FloatError(FloatError::Kind::InvalidOperation);
    return static_cast<std::int64_t>(integral);
}

} // namespace

FloatError::FloatError(Kind kind) : std::runtime_error(FloatErrorText(kind)), kind_(kind) {}

long double CheckedAdd(long double a, long double b) {
    return CheckResult(a + b, a, b);
}

long double CheckedSub(long double a, long double b) {
    return CheckResult(a - b, a, b);
}

long double CheckedMul(long double a, long double b) {
    return CheckResult(a * b, a, b);
}

long double CheckedDiv(long double a, long double b) {
    if (b == 0 && !std::isnan(a))
        throw FloatError(a == 0 ? FloatError::Kind::InvalidOperation
                                : FloatError::Kind::DivisionByZero);
    return CheckResult(a / b, a, b);
}

std::int32_t CheckedTrunc(long double value) {
    return CheckedInt32(std::trunc(value));
}

std::int32_t CheckedRound(long double value) {
    // remainder() rounds the quotient to even and is exact, whatever the rounding mode.
    return CheckedInt32(value - std::remainder(value, 1.0L));
}

std::int64_t CheckedTrunc64(long double value) {
    return CheckedInt64(std::trunc(value));
}

std::int64_t CheckedRound64(long double value) {
    return CheckedInt64(value - std::remainder(value, 1.0L));
}

double CheckedToDouble(long double value) {
    const auto stored = static_cast<double>(value);
    if (std::isinf(stored) && std::isfinite(value))
        throw FloatError(FloatError::Kind::Overflow);
    return stored;
}

} // namespace kelvo
