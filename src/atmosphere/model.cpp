#include "atmosphere/model.h"

#include "common/rounding.h"

#include <cmath>

namespace mirandel {

namespace {

using rounding::toDecimals;

constexpr long double seaLevelTemperature = 15.0L; // °C
constexpr long double lapseRate = 6.5L;            // °C per 1000 m
constexpr double isothermalTemperatureC = -56.5;
constexpr double isothermalTemperatureF = -69.7;      // held as such, not computed from °C
constexpr long double boundaryPressure = 226.3126L;   // hPa at 11000 m
constexpr long double isothermalDecay = -0.00015769L; // per metre above 11000 m
constexpr long double pressureLawFactor = 2.25577L;   // × 10^-5 per metre
constexpr long double pressureLawExponent = 5.25588L;
constexpr long double seaLevelPressure = 1013.25L;
constexpr long double ratioReference = 1013.0L; // the ratio is taken against 1013 hPa
constexpr long double kelvinOffset = 273.0L;
constexpr long double gasConstant = 287.0L;
constexpr long double seaLevelDensity = 1.225L;
constexpr long double soundFactor = 3900.0L; // 39 kt per √K, in hundredths

} // namespace

namespace atmosphere {

long double kelvin(const TAtmosphereValues& values)
{
    return static_cast<long double>(values.temperatureC) + kelvinOffset;
}

qint32 metresFromFeet(double feet)
{
    return rounding::toInt32(static_cast<long double>(feet) / feetPerMetre);
}

} // namespace atmosphere

TAtmosphereValues calculatmosphere(qint32 altitude)
{
    TAtmosphereValues v;
    v.altitude = altitude;
    const long double h = altitude;
    v.altitudepied = toDecimals(h * atmosphere::feetPerMetre, 2);

    // Both tests are made, one after the other; together they cover every integer.
    if (altitude > atmosphere::layerBoundary - 1) {
        v.temperatureC = isothermalTemperatureC;
        v.temperatureF = isothermalTemperatureF;
        v.pression = toDecimals(
            boundaryPressure * std::exp(isothermalDecay * (h - atmosphere::layerBoundary)), 2);
    }
    if (altitude < atmosphere::layerBoundary) {
        v.temperatureC = toDecimals(seaLevelTemperature - h * lapseRate / 1000.0L, 2);
        const long double celsius = v.temperatureC;
        // The sum is rounded again: 32 added to a rounded value in binary is not always
        // a value of two decimals (-32.62 + 32 gives -0.619999999999997).
        v.temperatureF = toDecimals(toDecimals(celsius * 9.0L / 5.0L, 2) + 32.0L, 2);
        const long double k = rounding::powerOfTen(-5) * pressureLawFactor * h;
        // The power is taken as e^(y·ln x); the product is stored before it is rounded.
        const double stored = static_cast<double>(
            std::exp(pressureLawExponent * std::log(1.0L - k)) * seaLevelPressure);
        v.pression = toDecimals(stored, 2);
    }

    const long double pression = v.pression;
    v.rapport = toDecimals(pression / ratioReference, 4);
    // The density stays unrounded for the relative density.
    const long double q = pression * 100.0L / (atmosphere::kelvin(v) * gasConstant);
    v.masse = toDecimals(q, 4);
    v.densite = toDecimals(q / seaLevelDensity, 4);
    v.racinede = toDecimals(std::sqrt(static_cast<long double>(v.densite)), 4);
    v.vitesse = static_cast<double>(static_cast<long double>(rounding::toInt64(
                                        std::sqrt(atmosphere::kelvin(v)) * soundFactor)) /
                                    100.0L);
    return v;
}

} // namespace mirandel
