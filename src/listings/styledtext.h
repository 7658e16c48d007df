#pragma once

// Text whose characters carry attributes, held as runs: each run gives the attributes of
// the characters from its start up to the next run's start. Line breaks are stored as
// carriage return + line feed, so a position is an index into the text. The text's tab
// stops (twips from the left edge, every line alike) come before the default ones.

#include "listings/textattributes.h"

#include <QList>
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

    // Empties the text and takes the tab stops back to the default ones.
    void clear();
    void append(QStringView text, const TextAttributes& attributes);
    // Gives the characters from `from` up to, not including, `to` the listed attributes.
    void apply(int from, int to, const AttributeChange& change);
    // Replaces the attributes of one character.
    void setAttributesAt(int position, const TextAttributes& attributes);

    // Default tab width in twips (1/1440 inch): 720, every half inch.
    int defaultTab() const { return m_defaultTab; }
    void setDefaultTab(int twips) { m_defaultTab = twips; }
    // Tab stops in twips, ascending; a tab goes to the first one right of the text before
    // it, and past the last one to the default stops.
    const QList<int>& tabStops() const { return m_tabStops; }
    // Keeps the stops from 1 twip to `maximumTabStop`, sorted, each once, at most
    // `maximumTabStops` of them.
    void setTabStops(QList<int> twips);
    static constexpr int maximumTabStop = 1440 * 22;
    static constexpr int maximumTabStops = 64;

    friend bool operator==(const StyledText&, const StyledText&) = default;

private:
    std::size_t runIndexAt(int position) const;
    // Makes a run start at `position` (0 < position < length) and returns its index.
    std::size_t splitAt(int position);
    void mergeAround(std::size_t first, std::size_t last);

    QString m_text;
    std::vector<AttributeRun> m_runs;
    int m_defaultTab = 720;
    QList<int> m_tabStops;
};

} // namespace mirandel
