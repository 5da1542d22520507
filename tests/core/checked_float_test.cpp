#include "core/checked_float.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace kelvo {
namespace {

using Kind = FloatError::Kind;
using Operation = long double (*)(long double, long double);

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double kMax = std::numeric_limits<long double>::max();
constexpr long double kDenormMin = std::numeric_limits<long double>::denorm_min();

// Every checked operation behind one signature, so one table can hold them all.
constexpr Operation kAdd = [](long double a, long double b) { return CheckedAdd(a, b); };
constexpr Operation kSub = [](long double a, long double b) { return CheckedSub(a, b); };
constexpr Operation kMul = [](long double a, long double b) { return CheckedMul(a, b); };
constexpr Operation kDiv = [](long double a, long double b) { return CheckedDiv(a, b); };
constexpr Operation kTrunc = [](long double a, long double) -> long double {
    return CheckedTrunc(a);
};
constexpr Operation kRound = [](long double a, long double) -> long double {
    return CheckedRound(a);
};
constexpr Operation kTrunc64 = [](long double a, long double) -> long double {
    return static_cast<long double>(CheckedTrunc64(a));
};
constexpr Operation kRound64 = [](long double a, long double) -> long double {
    return static_cast<long double>(CheckedRound64(a));
};
constexpr Operation kToDouble = [](long double a, long double) -> long double {
    return CheckedToDouble(a);
};

struct Row {
    const char* name;
    Operation op;
    long double a;
    long double b;
    long double result;
};
constexpr Row kResults[] = {
    {"Add", kAdd, 1.5L, 2.25L, 3.75L},
    {"Add", kAdd, kInf, 1, kInf},
    {"Add", kAdd, kNaN, 1, kNaN},
    {"Sub", kSub, 5, 7.5L, -2.5L},
    {"Sub", kSub, kInf, -kInf, kInf},
    {"Mul", kMul, -3, 0.5L, -1.5L},
    {"Mul", kMul, kDenormMin, 0.5L, 0},
    {"Mul", kMul, kInf, -2, -kInf},
    {"Div", kDiv, 1, 4, 0.25L},
    {"Div", kDiv, 1, kInf, 0},
    {"Div", kDiv, kNaN, 0, kNaN},
    {"Div", kDiv, kDenormMin, 4, 0},
    {"Trunc", kTrunc, 2.9L, 0, 2},
    {"Trunc", kTrunc, -2.9L, 0, -2},
    {"Trunc", kTrunc, 2147483647.9L, 0, 2147483647},
    {"Trunc", kTrunc, -2147483648.9L, 0, -2147483648.0L},
    {"Round", kRound, 2.5L, 0, 2},
    {"Round", kRound, 3.5L, 0, 4},
    {"Round", kRound, -2.5L, 0, -2},
    {"Round", kRound, -3.5L, 0, -4},
    {"Round", kRound, 0.5L, 0, 0},
    {"Round", kRound, 2.5000000001L, 0, 3},
    {"Round", kRound, -1.4L, 0, -1},
    {"Round", kRound, 2147483647.4L, 0, 2147483647},
    {"Round", kRound, -2147483648.5L, 0, -2147483648.0L},
    {"Trunc64", kTrunc64, 254.999999999999999L, 0, 254},
    {"Trunc64", kTrunc64, 9223372036854775807.0L, 0, 9223372036854775807.0L},
    {"Trunc64", kTrunc64, -9223372036854775808.0L, 0, -9223372036854775808.0L},
    {"Round64", kRound64, 4294967296.5L, 0, 4294967296.0L},
    {"Round64", kRound64, -0.5L, 0, 0},
    {"ToDouble", kToDouble, 0.1L, 0, static_cast<long double>(0.1)},
    {"ToDouble", kToDouble, 1e-4000L, 0, 0},
    {"ToDouble", kToDouble, kInf, 0, kInf},
};

TEST(CheckedFloat, ComputesResults) {
    for (const auto& row : kResults) {
        SCOPED_TRACE(testing::Message() << row.name << "(" << row.a << ", " << row.b << ")");
        const long double result = row.op(row.a, row.b);
        if (std::isnan(row.result))
            EXPECT_TRUE(std::isnan(result)) << result;
        else
            EXPECT_EQ(result, row.result);
    }
}

struct ErrorRow {
    const char* name;
    Operation op;
    long double a;
    long double b;
    Kind kind;
    const char* message;
};
constexpr ErrorRow kErrors[] = {
    {"Div", kDiv, 1, 0, Kind::DivisionByZero, "Floating point division by zero"},
    {"Div", kDiv, -kDenormMin, 0, Kind::DivisionByZero, "Floating point division by zero"},
    {"Div", kDiv, kInf, 0, Kind::DivisionByZero, "Floating point division by zero"},
    {"Div", kDiv, 0, 0, Kind::InvalidOperation, "Invalid floating point operation"},
    {"Div", kDiv, kInf, kInf, Kind::InvalidOperation, "Invalid floating point operation"},
    {"Sub", kSub, kInf, kInf, Kind::InvalidOperation, "Invalid floating point operation"},
    {"Add", kAdd, kInf, -kInf, Kind::InvalidOperation, "Invalid floating point operation"},
    {"Mul", kMul, 0, kInf, Kind::InvalidOperation, "Invalid floating point operation"},
    {"Add", kAdd, kMax, kMax, Kind::Overflow, "Floating point overflow"},
    {"Sub", kSub, -kMax, kMax, Kind::Overflow, "Floating point overflow"},
    {"Mul", kMul, 1e3000L, -1e3000L, Kind::Overflow, "Floating point overflow"},
    {"Div", kDiv, kMax, 0.5L, Kind::Overflow, "Floating point overflow"},
    {"Trunc", kTrunc, 2147483648.0L, 0, Kind::InvalidOperation, "Invalid floating point operation"},
    {"Trunc", kTrunc, -2147483649.0L, 0, Kind::InvalidOperation,
     "Invalid floating point operation"},
    {"Trunc", kTrunc, kNaN, 0, Kind::InvalidOperation, "Invalid floating point operation"},
    {"Trunc", kTrunc, kInf, 0, Kind::InvalidOperation, "Invalid floating point operation"},
    {"Round", kRound, 2147483647.5L, 0, Kind::InvalidOperation, "Invalid floating point operation"},
    {"Round", kRound, -2147483648.6L, 0, Kind::InvalidOperation,
     "Invalid floating point operation"},
    {"Round", kRound, kNaN, 0, Kind::InvalidOperation, "Invalid floating point operation"},
    {"Round", kRound, -kInf, 0, Kind::InvalidOperation, "Invalid floating point operation"},
    {"Trunc64", kTrunc64, 9223372036854775808.0L, 0, Kind::InvalidOperation,
     "Invalid floating point operation"},
    {"Round64", kRound64, kNaN, 0, Kind::InvalidOperation, "Invalid floating point operation"},
    {"ToDouble", kToDouble, 1e400L, 0, Kind::Overflow, "Floating point overflow"},
};

TEST(CheckedFloat, RaisesErrors) {
    for (const auto& row : kErrors) {
        SCOPED_TRACE(testing::Message() << row.name << "(" << row.a << ", " << row.b << ")");
        try {
            const long double result = row.op(row.a, row.b);
            ADD_FAILURE() << "no error, result " << result;
        } catch (const FloatError& e) {
            EXPECT_EQ(e.kind(), row.kind);
            EXPECT_EQ(std::string(e.what()), row.message);
        }
    }
}

} // namespace
} // namespace kelvo
