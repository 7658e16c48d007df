#pragma once

// The written forms of the standard atmosphere, as the atmosphere window shows them: each
// value in the general number form (at most 15 significant digits, no trailing zeros, the
// regional decimal separator) followed by the suffix of its box. The separator is passed
// in; nothing here reads the locale.

#include "atmosphere/model.h"

#include <QChar>
#include <QString>

namespace mirandel::atmosphere {

struct TAtmosphereTexts
{
    QString feet;         // altitudepied + " ft"        0 m: "0 ft"
    QString metres;       // altitude + " m"             "0 m"
    QString temperatureC; // temperatureC + " °C"        "15 °C"
    QString temperatureF; // temperatureF + " °F"        "59 °F"
    QString temperatureK; // (temperatureC + 273) + " °K" "288 °K"
    QString pression;     // pression + " hPa"           "1013.25 hPa"
    QString rapport;      // no suffix                   "1.0002"
    QString masse;        // no suffix                   "1.2259"
    QString densite;      // no suffix                   "1.0007"
    QString racinede;     // no suffix                   "1.0003"
    QString vitesse;      // vitesse + " Kt"             "661.85 Kt"
};

TAtmosphereTexts atmosphereTexts(const TAtmosphereValues& values, QChar separator);

// The general number form of one value (what the boxes show before their suffix).
QString valueText(long double value, QChar separator);

// A whole number of metres as the metres box shows it: "-274 m".
QString metresText(qint32 metres);

// The pressure gauge's value: the pressure rounded to a whole hPa, halves to even.
int pressureGaugeValue(const TAtmosphereValues& values);

} // namespace mirandel::atmosphere
