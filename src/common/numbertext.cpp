#include "common/numbertext.h"

#include "common/error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace mirandel::numbertext {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The power of ten of the first significant digit of a number written as digits, an
// optional "." and digits, and an optional exponent ("e", optional "-", digits), however
// long its digits and exponent are (the exponent saturates far beyond any double).
long long leadingPower(std::string_view normal)
{
    const std::size_t e = std::min(normal.find('e'), normal.size());
    long long exponent = 0;
    std::size_t i = e + 1;
    const bool negative = i < normal.size() && normal[i] == '-';
    for (i += negative ? 1 : 0; i < normal.size(); ++i)
        exponent = std::min(exponent * 10 + (normal[i] - '0'), 1'000'000'000LL);
    const std::string_view mantissa = normal.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos)
        return 0;
    const long long power = first < point ? static_cast<long long>(point - first) - 1
                                          : -static_cast<long long>(first - point);
    return power + (negative ? -exponent : exponent);
}

} // namespace

std::optional<double> tryParseFloat(const QString& text, QChar separator)
{
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && isBlank(text[i]))
        ++i;
    while (end > i && isBlank(text[end - 1]))
        --end;

    // Rebuild the number in the form std::from_chars reads: digits, '.', 'e'.
    std::string normal;
    normal.reserve(static_cast<size_t>(end - i) + 2);
    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool mantissa = false;
    while (i < end && isAsciiDigit(text[i])) {
        normal.push_back(static_cast<char>(text[i].unicode()));
        mantissa = true;
        ++i;
    }
    if (i < end && text[i] == separator) {
        // "9," reads 9, ",5" reads 0.5 and a lone separator reads 0.
        if (!mantissa)
            normal.push_back('0');
        mantissa = true;
        ++i;
        bool fraction = false;
        while (i < end && isAsciiDigit(text[i])) {
            if (!fraction)
                normal.push_back('.');
            fraction = true;
            normal.push_back(static_cast<char>(text[i].unicode()));
            ++i;
        }
    }
    if (!mantissa)
        return std::nullopt;

    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        normal.push_back('e');
        if (i < end && (text[i] == u'+' || text[i] == u'-')) {
            if (text[i] == u'-')
                normal.push_back('-');
            ++i;
        }
        bool exponentDigits = false;
        while (i < end && isAsciiDigit(text[i])) {
            normal.push_back(static_cast<char>(text[i].unicode()));
            exponentDigits = true;
            ++i;
        }
        if (!exponentDigits)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;

    double value = 0.0;
    const char* first = normal.data();
    const char* last = first + normal.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ptr != last)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is not a value. Out of range, a number whose
        // first significant digit counts units or more is too big, any other too small.
        if (leadingPower(normal) >= 0)
            return std::nullopt;
        value = 0.0;
    } else if (ec != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

double parseFloat(const QString& text, QChar separator)
{
    if (const auto value = tryParseFloat(text, separator))
        return *value;
    throw MirandelError::notAFloat(text);
}

std::optional<qint32> tryParseInt32(const QString& text)
{
    qsizetype i = 0;
    const qsizetype end = text.size();
    while (i < end && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == end)
        return std::nullopt;
    qint64 magnitude = 0;
    for (; i < end; ++i) {
        if (!isAsciiDigit(text[i]))
            return std::nullopt;
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        if (magnitude > qint64(std::numeric_limits<qint32>::max()) + 1)
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(value);
}

qint32 parseInt32(const QString& text)
{
    if (const auto value = tryParseInt32(text))
        return *value;
    throw MirandelError::notAnInteger(text);
}

QString formatGeneral(double value, QChar separator, int precision)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0.0)
        return QStringLiteral("0");

    // d.ddddde±x, correctly rounded to `precision` significant digits.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, precision - 1);
    const std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    const bool negative = text.front() == '-';
    const size_t ePos = text.find('e');
    std::string digits;
    for (char c : text.substr(negative ? 1 : 0, ePos - (negative ? 1 : 0)))
        if (c != '.')
            digits.push_back(c);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    std::from_chars(text.data() + ePos + 1 + (text[ePos + 1] == '+' ? 1 : 0),
                    text.data() + text.size(), exponent);
    // Position of the decimal point counted from the first digit, as 0.ddd × 10^point.
    const int point = exponent + 1;
    const int count = static_cast<int>(digits.size());

    QString out;
    if (negative)
        out += u'-';
    if (point > precision || point < -3) {
        out += QLatin1Char(digits[0]);
        if (count > 1) {
            out += separator;
            out += QLatin1StringView(digits.data() + 1, count - 1);
        }
        out += u'E';
        out += QString::number(point - 1);
    } else if (point <= 0) {
        out += u'0';
        out += separator;
        out += QString(-point, u'0');
        out += QLatin1StringView(digits.data(), count);
    } else if (count <= point) {
        out += QLatin1StringView(digits.data(), count);
        out += QString(point - count, u'0');
    } else {
        out += QLatin1StringView(digits.data(), point);
        out += separator;
        out += QLatin1StringView(digits.data() + point, count - point);
    }
    return out;
}

} // namespace mirandel::numbertext
