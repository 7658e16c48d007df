#include "common/rounding.h"

#include "common/error.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace mirandel::rounding {

long double powerOfTen(int n)
{
    long double result = 1.0L;
    for (int i = 0; i < (n < 0 ? -n : n); ++i)
        result *= 10.0L;
    return n < 0 ? 1.0L / result : result;
}

qint64 toInt64(long double value)
{
    // Well inside the 64-bit range no conversion can be invalid: skip saving the FPU state.
    constexpr long double safe = 4611686018427387904.0L; // 2^62
    if (value > -safe && value < safe)
        return std::llrintl(value);
    std::fenv_t saved;
    std::feholdexcept(&saved);
    const long long rounded = std::llrintl(value);
    const bool invalid = std::fetestexcept(FE_INVALID) != 0;
    std::fesetenv(&saved);
    if (invalid)
        throw MirandelError::invalidFloatOperation();
    return rounded;
}

qint32 toInt32(long double value)
{
    const qint64 rounded = toInt64(value);
    if (rounded < std::numeric_limits<qint32>::min() ||
        rounded > std::numeric_limits<qint32>::max())
        throw MirandelError::invalidFloatOperation();
    return static_cast<qint32>(rounded);
}

double toDecimals(long double value, int decimals)
{
    const long double scale = powerOfTen(decimals);
    const qint64 scaled = toInt64(value * scale);
    return static_cast<double>(static_cast<long double>(scaled) / scale);
}

} // namespace mirandel::rounding
