#pragma once

// Number text shared by every window and listing: text to number with the regional
// decimal separator, number to text in the general form (at most 15 significant digits,
// no trailing zeros, E notation from 10^15 upward), and the 32-bit whole-number parse.
// The separator is always passed in; nothing here reads the locale.

#include <QChar>
#include <QString>

#include <optional>

namespace mirandel::numbertext {

// Blanks are skipped at both ends; then an optional sign, digits, optionally the separator
// with optional digits (a lone separator reads as 0), optionally an exponent (E or e,
// optional sign, digits). Anything else, and a value beyond the double range, fails.
std::optional<double> tryParseFloat(const QString& text, QChar separator);

// As tryParseFloat; throws MirandelError::notAFloat(text) on failure.
double parseFloat(const QString& text, QChar separator);

// A 32-bit signed whole number: leading blanks, optional sign, decimal digits.
std::optional<qint32> tryParseInt32(const QString& text);

// As tryParseInt32; throws MirandelError::notAnInteger(text) on failure.
qint32 parseInt32(const QString& text);

// The general form: rounded to `precision` significant digits, trailing zeros removed,
// no separator for whole numbers, scientific ("1.5E15", "1E-5") when the decimal point
// would sit more than `precision` digits to the right or more than 3 zeros to the left.
QString formatGeneral(double value, QChar separator, int precision = 15);

} // namespace mirandel::numbertext
