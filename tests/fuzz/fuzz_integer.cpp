// The 32-bit whole-number parse: any text.
//
// The first byte chooses whether the rest reads as UTF-8 (bit 0 set) or Latin-1.
//
// Properties: parseInt32 agrees with tryParseInt32 and names the text in its error; a
// text is accepted exactly when it is blanks, an optional sign and decimal digits whose
// value (read by the C library, in 64 bits) fits 32 bits, and then gives that value.

#include "fuzzkit.h"

#include "common/error.h"
#include "common/numbertext.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

using namespace mirandel;

namespace {

std::optional<qint32> reference(const QString& text)
{
    // Leading spaces and tabs, an optional sign, then digits to the end; only ASCII.
    for (QChar c : text)
        if (c.unicode() > 0x7F)
            return std::nullopt;
    const std::string s = text.toStdString();
    std::size_t i = s.find_first_not_of(" \t");
    if (i == std::string::npos)
        return std::nullopt;
    if (s[i] == '+' || s[i] == '-')
        ++i;
    if (i == s.size() || s.find_first_not_of("0123456789", i) != std::string::npos)
        return std::nullopt;

    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(s.c_str(), &end, 10);
    FUZZ_CHECK(end == s.c_str() + s.size());
    if (errno == ERANGE || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const bool utf8 = (in.byte() & 1) != 0;
    const QString text =
        in.text(in.left(), utf8 ? fuzz::Input::Encoding::Utf8 : fuzz::Input::Encoding::Latin1);

    const std::optional<qint32> parsed = numbertext::tryParseInt32(text);
    FUZZ_CHECK(parsed == reference(text));
    try {
        const qint32 value = numbertext::parseInt32(text);
        FUZZ_CHECK(parsed && value == *parsed);
    } catch (const MirandelError& error) {
        FUZZ_CHECK(!parsed);
        const QString quoted = QStringLiteral("'") + text + QStringLiteral("'");
        FUZZ_CHECK(error.message().startsWith(quoted));
    }
    return 0;
}
