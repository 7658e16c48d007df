#pragma once

// The standard atmosphere for one altitude in whole metres: a troposphere with a linear
// lapse below 11000 m and an isothermal layer from 11000 m up. Every quantity is rounded
// as soon as it is computed and the later ones are computed from the rounded values, so
// the rounding steps are part of the model:
//
//   h -> feet (2 dec.) -> layer -> °C (2 dec.) -> °F: 9/5 of the rounded °C (2 dec.)
//     + 32 (2 dec.) -> pressure (stored as a double, then 2 dec.) -> ratio δ (4 dec.)
//     -> unrounded density q -> ρ (4 dec.) and σ = q / 1.225 (4 dec.)
//     -> √σ from the rounded σ (4 dec.) -> speed of sound (whole hundredths of a knot)
//
// All arithmetic runs in extended precision; each stored result is a double.

#include <QtGlobal>

namespace mirandel {

struct TAtmosphereValues
{
    qint32 altitude = 0;       // m, as asked
    double altitudepied = 0.0; // ft, 2 decimals
    double temperatureC = 0.0; // °C, 2 decimals
    double temperatureF = 0.0; // °F, 2 decimals
    double pression = 0.0;     // hPa, 2 decimals
    double rapport = 0.0;      // pressure ratio δ = P / 1013, 4 decimals
    double masse = 0.0;        // density ρ in kg/m³, 4 decimals
    double densite = 0.0;      // relative density σ = ρ / 1.225, 4 decimals
    double racinede = 0.0;     // √σ, 4 decimals
    double vitesse = 0.0;      // speed of sound in knots, 2 decimals
};

namespace atmosphere {

inline constexpr long double feetPerMetre = 3.2808L;
// Altitudes from this one up are in the isothermal layer.
inline constexpr qint32 layerBoundary = 11000;
// The altitudes the window accepts (typed metres are held within these).
inline constexpr qint32 lowestAltitude = -305;
inline constexpr qint32 highestTypedAltitude = 13720;

// The temperature in kelvin as the program shows it: °C + 273.
long double kelvin(const TAtmosphereValues& values);

// The nearest whole metre to `feet` (÷ 3.2808, halves to even). Throws
// MirandelError::invalidFloatOperation() beyond the 32-bit range.
qint32 metresFromFeet(double feet);

} // namespace atmosphere

// The standard atmosphere at `altitude` metres. No side effects. Every result is finite
// and nothing fails from some −20 000 km up to the top of the 32-bit range (the window
// passes −305 m to 13720 m); further down the pressure leaves the range of the rounding
// and MirandelError::invalidFloatOperation() is thrown.
TAtmosphereValues calculatmosphere(qint32 altitude);

} // namespace mirandel
