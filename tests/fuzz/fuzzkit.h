#pragma once

// What every fuzz target shares: the entry point libFuzzer calls (the replay main calls
// it too), a failed property that stops the process with a message, and a reader that
// turns the fuzzer's bytes into choices, numbers and text.

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// A property that does not hold is a crash for libFuzzer and a failed replay for CTest.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            mirandel::fuzz::fail(#condition, __FILE__, __LINE__);                                  \
    } while (false)

namespace mirandel::fuzz {

[[noreturn]] inline void fail(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, what);
    std::fflush(stderr);
    std::abort();
}

// Takes the input from the front; once it is used up every read gives zeros.
class Input
{
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_pos >= m_size; }
    std::size_t left() const { return m_size - std::min(m_pos, m_size); }

    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    bool flag() { return (byte() & 1) != 0; }

    std::uint32_t u32()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | byte();
        return value;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

    // A value in [low, high] (low <= high).
    int between(int low, int high)
    {
        const std::uint32_t span = std::uint32_t(high) - std::uint32_t(low) + 1u;
        return int(std::uint32_t(low) + (span == 0 ? u32() : u32() % span));
    }

    // A small count: one byte, at most `high`.
    int count(int high) { return std::min<int>(byte(), high); }

    enum class Encoding
    {
        Latin1,
        Utf8,
        Utf16 // two bytes a unit, so lone surrogates come too
    };

    // Text from the next `length` bytes (fewer at the end).
    QString text(std::size_t length, Encoding encoding)
    {
        length = std::min(length, left());
        const char* first = reinterpret_cast<const char*>(m_data + m_pos);
        m_pos += length;
        switch (encoding) {
        case Encoding::Latin1:
            return QString::fromLatin1(first, qsizetype(length));
        case Encoding::Utf8:
            return QString::fromUtf8(first, qsizetype(length));
        case Encoding::Utf16:
            break;
        }
        QString out;
        for (std::size_t i = 0; i + 1 < length; i += 2)
            out += QChar(char16_t(std::uint8_t(first[i]) << 8 | std::uint8_t(first[i + 1])));
        return out;
    }
    Encoding encoding() { return static_cast<Encoding>(byte() % 3); }

    // A length byte (at most `maxLength`), an encoding byte, then the text, in that order.
    QString anyText(int maxLength)
    {
        const int length = count(maxLength);
        const Encoding how = encoding();
        return text(std::size_t(length), how);
    }

    // Everything not read yet.
    QByteArray rest()
    {
        const std::size_t length = left();
        QByteArray out(reinterpret_cast<const char*>(m_data + m_pos), qsizetype(length));
        m_pos = m_size;
        return out;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace mirandel::fuzz
