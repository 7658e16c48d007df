#pragma once

// An inch fraction n/d as millimetres (n × 25.4 ÷ d) and decimal inches (n ÷ d), both
// computed in extended precision and stored as doubles.

#include <QtGlobal>

namespace mirandel::wrench {

struct Size
{
    double millimetres;
    double inches;
};

// Throws MirandelError::divisionByZero() for n/0 and invalidFloatOperation() for 0/0.
Size fromFraction(qint32 numerator, qint32 denominator);

} // namespace mirandel::wrench
