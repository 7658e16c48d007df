#include "atmosphere/atmostext.h"

#include "common/numbertext.h"
#include "common/rounding.h"

namespace mirandel::atmosphere {

using namespace Qt::StringLiterals;

QString valueText(long double value, QChar separator)
{
    return numbertext::formatGeneral(static_cast<double>(value), separator);
}

QString metresText(qint32 metres)
{
    return QString::number(metres) + u" m"_s;
}

TAtmosphereTexts atmosphereTexts(const TAtmosphereValues& values, QChar separator)
{
    const auto text = [separator](long double value) { return valueText(value, separator); };
    TAtmosphereTexts t;
    t.feet = text(values.altitudepied) + u" ft"_s;
    t.metres = metresText(values.altitude);
    t.temperatureC = text(values.temperatureC) + u" °C"_s;
    t.temperatureF = text(values.temperatureF) + u" °F"_s;
    t.temperatureK = text(kelvin(values)) + u" °K"_s;
    t.pression = text(values.pression) + u" hPa"_s;
    t.rapport = text(values.rapport);
    t.masse = text(values.masse);
    t.densite = text(values.densite);
    t.racinede = text(values.racinede);
    t.vitesse = text(values.vitesse) + u" Kt"_s;
    return t;
}

int pressureGaugeValue(const TAtmosphereValues& values)
{
    return rounding::toInt32(values.pression);
}

} // namespace mirandel::atmosphere
