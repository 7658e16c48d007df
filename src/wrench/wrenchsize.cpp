#include "wrench/wrenchsize.h"

#include "common/error.h"

namespace mirandel::wrench {

Size fromFraction(qint32 numerator, qint32 denominator)
{
    if (denominator == 0) {
        if (numerator == 0)
            throw MirandelError::invalidFloatOperation();
        throw MirandelError::divisionByZero();
    }
    const long double n = numerator;
    return {static_cast<double>(n * 25.4L / denominator), static_cast<double>(n / denominator)};
}

} // namespace mirandel::wrench
