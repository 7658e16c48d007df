#pragma once

// Degrees Fahrenheit and Celsius for the temperature panel: the two conversions, the
// rounding of a converted value to a whole slider position, and what a temperature field
// holds when a key is released. The panel's sliders settle the rest (temperaturepanel.h).

#include <QString>

#include <optional>

namespace mirandel::temperature {

// Slider ranges.
inline constexpr int celsiusLowest = -400;
inline constexpr int celsiusHighest = 1500;
inline constexpr int fahrenheitLowest = -400;
inline constexpr int fahrenheitHighest = 2200;
// The thermometers' range, the same on both sides.
inline constexpr int gaugeLowest = -273;
inline constexpr int gaugeHighest = 2200;
// A typed value is held between these before it moves its slider.
inline constexpr int typedLowest = -273;
inline constexpr int typedHighest = 2000;

// (F − 32) × 5 ÷ 9, held as a double.
double celsiusOf(int fahrenheit);
// 1.8 × C + 32, held as a double.
double fahrenheitOf(int celsius);
// The nearest whole position, halves to the even neighbour.
int wholePosition(double degrees);

// What a key release does with the text of a temperature field.
struct FieldReading
{
    // The text the field must show afterwards (unchanged, emptied, or held at a limit).
    QString text;
    // The slider position to set; nullopt when there is nothing to convert.
    std::optional<int> position;
};

// "--" empties the field; an empty field or a lone "-" converts nothing; otherwise the
// text is read as a 32-bit whole number (throws MirandelError::notAnInteger) and held
// between -273 and 2000, the field then showing the held value.
FieldReading readField(const QString& text);

} // namespace mirandel::temperature
