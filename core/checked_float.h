#pragma once

#include <cstdint>
#include <limits>

#include "core/errors.h"

namespace kelvo {

// The program computes in the 80-bit x87 extended format; results printed to 15 and more
// digits depend on its 64-bit significand.
static_assert(std::numeric_limits<long double>::digits == 64,
              "extended precision needs the 80-bit long double of x86");

// Each operation checks its operands and its result and raises FloatError for division by
// zero, invalid operations and overflow, whatever the optimiser does with the FPU flags.
[[nodiscard]] long double CheckedAdd(long double a, long double b);
[[nodiscard]] long double CheckedSub(long double a, long double b);
[[nodiscard]] long double CheckedMul(long double a, long double b);
[[nodiscard]] long double CheckedDiv(long double a, long double b);
// Cuts toward zero; a value outside the signed 32-bit range is an invalid operation.
[[nodiscard]] std::int32_t CheckedTrunc(long double value);
// Nearest integer, halves to the even neighbour; outside the 32-bit range is invalid.
[[nodiscard]] std::int32_t CheckedRound(long double value);

// The same for the signed 64-bit range.
[[nodiscard]] std::int64_t CheckedTrunc64(long double value);
[[nodiscard]] std::int64_t CheckedRound64(long double value);
// Stores an extended value as a double, rounding to nearest; a finite value beyond the double
// range overflows.
[[nodiscard]] double CheckedToDouble(long double value);

} // namespace kelvo
