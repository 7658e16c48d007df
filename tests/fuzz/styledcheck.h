#pragma once

// The shape every styled text keeps, whoever built it: runs start at 0, climb strictly,
// each covers at least one character, neighbours differ, and the attributes are ones a
// listing can hold (sizes within the accepted range, colours without an alpha byte).

#include "fuzzkit.h"

#include "listings/styledtext.h"

namespace mirandel::fuzz {

inline void checkStyled(const StyledText& text)
{
    const std::vector<AttributeRun>& runs = text.runs();
    FUZZ_CHECK(runs.empty() == text.isEmpty());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const AttributeRun& run = runs[i];
        FUZZ_CHECK(run.start < text.runEnd(i));
        FUZZ_CHECK(text.runEnd(i) <= text.length());
        if (i == 0)
            FUZZ_CHECK(run.start == 0);
        else
            FUZZ_CHECK(run.start == text.runEnd(i - 1) && run.attributes != runs[i - 1].attributes);
        FUZZ_CHECK(run.attributes.size >= minimumPointSize &&
                   run.attributes.size <= maximumPointSize);
        FUZZ_CHECK(run.attributes.colour <= 0xFFFFFFu);
    }
    if (!runs.empty())
        FUZZ_CHECK(text.runEnd(runs.size() - 1) == text.length());
}

inline QString describe(const TextAttributes& a)
{
    return QStringLiteral("\"%1\" %2 pt #%3%4")
        .arg(a.font)
        .arg(a.size)
        .arg(a.colour, 6, 16, QChar(u'0'))
        .arg(a.bold ? QStringLiteral(" bold") : QString());
}

// The same text, the same attributes on every character, the same tab width and tab
// stops; on a difference, says where before failing.
inline void checkSame(const StyledText& expected, const StyledText& actual, const char* where)
{
    if (expected == actual)
        return;
    const QString& a = expected.text();
    const QString& b = actual.text();
    qsizetype at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at] &&
           expected.attributesAt(int(at)) == actual.attributesAt(int(at)))
        ++at;
    QString why;
    if (at < a.size() && at < b.size() && a[at] == b[at])
        why = QStringLiteral("attributes at %1: %2, not %3")
                  .arg(at)
                  .arg(describe(actual.attributesAt(int(at))),
                       describe(expected.attributesAt(int(at))));
    else if (at < a.size() || at < b.size())
        why = QStringLiteral("text at %1 of %2/%3: U+%4, not U+%5")
                  .arg(at)
                  .arg(b.size())
                  .arg(a.size())
                  .arg(at < b.size() ? b[at].unicode() : 0, 4, 16, QChar(u'0'))
                  .arg(at < a.size() ? a[at].unicode() : 0, 4, 16, QChar(u'0'));
    else if (actual.defaultTab() != expected.defaultTab())
        why = QStringLiteral("tab width %1, not %2")
                  .arg(actual.defaultTab())
                  .arg(expected.defaultTab());
    else
        why = QStringLiteral("%1 tab stops, not %2")
                  .arg(actual.tabStops().size())
                  .arg(expected.tabStops().size());
    std::fprintf(stderr, "%s: %s\n", where, qPrintable(why));
    fail("the same styled text", __FILE__, __LINE__);
}

} // namespace mirandel::fuzz
