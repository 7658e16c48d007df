#pragma once

// The kerosene correction table: one factor per whole degree from -12 °C to 40 °C, each
// written out with four decimals, in the comma list and in the point list. The main
// window shows the entry of the product temperature in the form of its decimal separator
// convention; the factor lookup parses it back from the label at each conversion.

#include <QChar>
#include <QString>
#include <QStringList>

namespace mirandel::kerosene {

inline constexpr int lowestTemperature = -12;
inline constexpr int highestTemperature = 40;
inline constexpr int defaultTemperature = 15;

// The 53 entries written with the given separator ("1,0249" or "1.0249").
QStringList correctionList(QChar separator);

// The entry for temperature T (index T + 12) written with `separator`.
QString correctionText(int temperature, QChar separator);

} // namespace mirandel::kerosene
