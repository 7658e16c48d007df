// Number text: any text with either decimal separator, and any double in the general form.
//
// The first byte chooses: bit 0 the separator ("," or "."), bit 1 whether the rest reads
// as UTF-8 or Latin-1, bit 2 whether the next 8 bytes are a double to format (otherwise
// the value read from the text is formatted), bits 3-7 a precision for one more format.
//
// Properties: parseFloat agrees with tryParseFloat; a text is accepted exactly when it
// follows the number grammar (checked by a small automaton) and names a finite double, and
// then gives the value the C library reads from the same text; the general form of a
// finite value reads back within its 15 digits, formats again to the same text, does not
// depend on the separator beyond the separator itself, and with 17 digits reads back
// exactly.

#include "fuzzkit.h"

#include "common/error.h"
#include "common/numbertext.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

using namespace mirandel;

namespace {

bool sameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The number grammar as an automaton: blanks, sign, digits, separator, digits, exponent,
// blanks. A lone separator is a mantissa (it reads as 0).
bool followsGrammar(const QString& text, QChar separator)
{
    enum
    {
        Start,
        Sign,
        Whole,
        Point,
        Fraction,
        Exp,
        ExpSign,
        ExpDigits,
        Trail,
        Dead
    };
    int state = Start;
    for (QChar c : text) {
        const bool blank = c == u' ' || c == u'\t';
        const bool sign = c == u'+' || c == u'-';
        const bool digit = c >= u'0' && c <= u'9';
        const bool point = c == separator;
        const bool exp = c == u'e' || c == u'E';
        switch (state) {
        case Start:
            state = blank ? Start : sign ? Sign : digit ? Whole : point ? Point : Dead;
            break;
        case Sign:
            state = digit ? Whole : point ? Point : Dead;
            break;
        case Whole:
            state = digit ? Whole : point ? Point : exp ? Exp : blank ? Trail : Dead;
            break;
        case Point:
        case Fraction:
            state = digit ? Fraction : exp ? Exp : blank ? Trail : Dead;
            break;
        case Exp:
            state = sign ? ExpSign : digit ? ExpDigits : Dead;
            break;
        case ExpSign:
        case ExpDigits:
            state = digit ? ExpDigits : (blank && state == ExpDigits) ? Trail : Dead;
            break;
        case Trail:
            state = blank ? Trail : Dead;
            break;
        default:
            return false;
        }
    }
    return state == Whole || state == Point || state == Fraction || state == ExpDigits ||
           state == Trail;
}

// What the C library reads from a text of the grammar: the separator becomes ".", a
// mantissa without digits gets a 0. Nothing when the value overflows.
std::optional<double> referenceValue(const QString& text, QChar separator)
{
    std::string c = text.trimmed().toStdString();
    for (char& ch : c)
        if (ch == char(separator.unicode()))
            ch = '.';
    const std::size_t digitsFrom = (!c.empty() && (c[0] == '+' || c[0] == '-')) ? 1 : 0;
    if (c.size() > digitsFrom && c[digitsFrom] == '.' &&
        (c.size() == digitsFrom + 1 || c[digitsFrom + 1] < '0' || c[digitsFrom + 1] > '9'))
        c.insert(digitsFrom, 1, '0');
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(c.c_str(), &end);
    FUZZ_CHECK(end == c.c_str() + c.size());
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value;
}

void checkParse(const QString& text, QChar separator, std::optional<double> parsed)
{
    try {
        const double value = numbertext::parseFloat(text, separator);
        FUZZ_CHECK(parsed && sameDouble(value, *parsed));
    } catch (const MirandelError&) {
        FUZZ_CHECK(!parsed);
    }
    if (parsed)
        FUZZ_CHECK(std::isfinite(*parsed));

    const bool grammar = followsGrammar(text, separator);
    if (!grammar) {
        FUZZ_CHECK(!parsed);
        return;
    }
    const std::optional<double> expected = referenceValue(text, separator);
    FUZZ_CHECK(parsed.has_value() == expected.has_value());
    if (parsed)
        FUZZ_CHECK(sameDouble(*parsed, *expected));
}

void checkFormat(double value, QChar separator, int precision)
{
    const QString text = numbertext::formatGeneral(value, separator);
    if (std::isnan(value)) {
        FUZZ_CHECK(text == QStringLiteral("NAN"));
        return;
    }
    if (std::isinf(value)) {
        FUZZ_CHECK(text == (value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF")));
        return;
    }
    FUZZ_CHECK(!text.isEmpty() && text.size() <= 24);
    for (QChar c : text)
        FUZZ_CHECK((c >= u'0' && c <= u'9') || c == separator || c == u'-' || c == u'E');
    const QChar other = separator == u'.' ? u',' : u'.';
    QString swapped = numbertext::formatGeneral(value, other);
    FUZZ_CHECK(swapped.replace(other, separator) == text);

    const std::optional<double> back = numbertext::tryParseFloat(text, separator);
    if (!back) {
        // Only the largest doubles round up past the double range at 15 digits.
        FUZZ_CHECK(std::fabs(value) > 1.797693134862315e308);
    } else {
        FUZZ_CHECK(std::fabs(*back - value) <= 6e-15 * std::fabs(value) + DBL_TRUE_MIN);
        // 15 significant digits survive a trip through a double of full precision; tiny
        // (subnormal) doubles have fewer bits and may not give the same digits back.
        if (std::fabs(value) >= DBL_MIN)
            FUZZ_CHECK(numbertext::formatGeneral(*back, separator) == text);
    }

    // 17 digits tell every double apart.
    const std::optional<double> exact =
        numbertext::tryParseFloat(numbertext::formatGeneral(value, separator, 17), separator);
    FUZZ_CHECK(exact && *exact == value);

    // Any number of digits: no crash, and a value within the rounding to those digits and
    // the rounding of the parse, unless rounding up passed the double range.
    const QString shorter = numbertext::formatGeneral(value, separator, precision);
    if (const auto near = numbertext::tryParseFloat(shorter, separator))
        FUZZ_CHECK(std::fabs(*near - value) <=
                   (0.5 * std::pow(10.0, 1 - precision) + DBL_EPSILON) * std::fabs(value) +
                       DBL_TRUE_MIN);
    else
        FUZZ_CHECK(std::fabs(value) > 1e307);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const std::uint8_t mode = in.byte();
    const QChar separator = (mode & 1) ? u',' : u'.';
    const bool utf8 = (mode & 2) != 0;
    const bool rawDouble = (mode & 4) != 0;
    const int precision = 1 + (mode >> 3) % 17;

    std::optional<double> toFormat;
    if (rawDouble) {
        std::uint64_t bits = std::uint64_t(in.u32()) << 32;
        bits |= in.u32();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        toFormat = value;
    }

    const QString text =
        in.text(in.left(), utf8 ? fuzz::Input::Encoding::Utf8 : fuzz::Input::Encoding::Latin1);
    const std::optional<double> parsed = numbertext::tryParseFloat(text, separator);
    checkParse(text, separator, parsed);
    if (!toFormat)
        toFormat = parsed;
    if (toFormat)
        checkFormat(*toFormat, separator, precision);
    return 0;
}
