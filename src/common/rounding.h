#pragma once

// Rounding in extended (80-bit) precision with halves going to the even neighbour.
// An integer out of the 64-bit range (or a NaN) is an invalid floating-point operation,
// detected through the FPU's invalid flag, never by the returned value.

#include <QtGlobal>

namespace mirandel::rounding {

// 10^n in extended precision, built by repeated multiplication (negative n divides 1).
long double powerOfTen(int n);

// Nearest 64-bit integer, ties to even; throws MirandelError::invalidFloatOperation().
qint64 toInt64(long double value);

// Nearest 32-bit integer, ties to even; throws MirandelError::invalidFloatOperation().
qint32 toInt32(long double value);

// value × 10^decimals rounded to an integer, divided back, stored as a double.
double toDecimals(long double value, int decimals);

} // namespace mirandel::rounding
