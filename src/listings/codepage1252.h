#pragma once

// The Western European single-byte code page (Windows-1252) that listing files use:
// "°" is the byte B0, "é" E9, "€" 80.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace mirandel::cp1252 {

// The byte for a UTF-16 unit, or nothing when the code page has no such character.
std::optional<char> encode(char16_t unit);
// The text in bytes; characters outside the code page become "?".
QByteArray encode(QStringView text);
// The character of a byte (the five undefined bytes map to the control of the same value).
char16_t decode(unsigned char byte);
QString decode(const QByteArray& bytes);

} // namespace mirandel::cp1252
