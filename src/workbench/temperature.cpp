#include "workbench/temperature.h"

#include "common/numbertext.h"
#include "common/rounding.h"

namespace mirandel::temperature {

using namespace Qt::StringLiterals;

// Both conversions are worked out in extended precision and held as doubles.
double celsiusOf(int fahrenheit)
{
    return static_cast<double>(static_cast<long double>((fahrenheit - 32) * 5) / 9.0L);
}

double fahrenheitOf(int celsius)
{
    return static_cast<double>(1.8L * celsius + 32.0L);
}

int wholePosition(double degrees)
{
    return rounding::toInt32(degrees);
}

FieldReading readField(const QString& text)
{
    if (text == u"--"_s)
        return {QString(), std::nullopt};
    if (text.isEmpty() || text == u"-"_s)
        return {text, std::nullopt};
    const qint32 value = numbertext::parseInt32(text);
    if (value > typedHighest)
        return {QString::number(typedHighest), typedHighest};
    if (value < typedLowest)
        return {QString::number(typedLowest), typedLowest};
    return {text, value};
}

} // namespace mirandel::temperature
