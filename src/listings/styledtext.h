#pragma once

// Text whose characters carry attributes, held as runs: each run gives the attributes of
// the characters from its start up to the next run's start. Line breaks are stored as
// carriage return + line feed, so a position is an index into the text.

#include "listings/textattributes.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace mirandel {

struct AttributeRun
{
    int start = 0;
    TextAttributes attributes;

    friend bool operator==(const AttributeRun&, const AttributeRun&) = default;
};

class StyledText
{
public:
    const QString& text() const { return m_text; }
    int length() const { return int(m_text.size()); }
    bool isEmpty() const { return m_text.isEmpty(); }
    // Runs in text order, adjacent runs always different; empty when the text is.
    const std::vector<AttributeRun>& runs() const { return m_runs; }
    // Attributes of the character at `position` (0 <= position < length()).
    const TextAttributes& attributesAt(int position) const;
    // End of run `index` (the start of the next one, or the length).
    int runEnd(std::size_t index) const;

    void clear();
    void append(QStringView text, const TextAttributes& attributes);
    // Gives the characters from `from` up to, not including, `to` the listed attributes.
    void apply(int from, int to, const AttributeChange& change);
    // Replaces the attributes of one character.
    void setAttributesAt(int position, const TextAttributes& attributes);

    // Default tab width in twips (1/1440 inch): 720, every half inch.
    int defaultTab() const { return m_defaultTab; }
    void setDefaultTab(int twips) { m_defaultTab = twips; }

    friend bool operator==(const StyledText&, const StyledText&) = default;

private:
    std::size_t runIndexAt(int position) const;
    // Makes a run start at `position` (0 < position < length) and returns its index.
    std::size_t splitAt(int position);
    void mergeAround(std::size_t first, std::size_t last);

    QString m_text;
    std::vector<AttributeRun> m_runs;
    int m_defaultTab = 720;
};

} // namespace mirandel
