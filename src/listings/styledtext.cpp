#include "listings/styledtext.h"

#include <algorithm>

namespace mirandel {

void AttributeChange::applyTo(TextAttributes& target) const
{
    if (font)
        target.font = *font;
    if (size)
        target.size = std::clamp(*size, minimumPointSize, maximumPointSize);
    if (colour)
        target.colour = *colour & 0xFFFFFFu;
    if (bold)
        target.bold = *bold;
}

std::size_t StyledText::runIndexAt(int position) const
{
    // The last run that starts at or before `position`.
    auto it = std::upper_bound(m_runs.begin(), m_runs.end(), position,
                               [](int pos, const AttributeRun& run) { return pos < run.start; });
    return std::size_t(it - m_runs.begin()) - 1;
}

const TextAttributes& StyledText::attributesAt(int position) const
{
    Q_ASSERT(position >= 0 && position < length());
    return m_runs[runIndexAt(position)].attributes;
}

int StyledText::runEnd(std::size_t index) const
{
    return index + 1 < m_runs.size() ? m_runs[index + 1].start : length();
}

void StyledText::clear()
{
    m_text.clear();
    m_runs.clear();
    m_defaultTab = 720;
    m_tabStops = QList<int>();
}

void StyledText::setTabStops(QList<int> twips)
{
    twips.removeIf([](int stop) { return stop < 1 || stop > maximumTabStop; });
    std::sort(twips.begin(), twips.end());
    twips.erase(std::unique(twips.begin(), twips.end()), twips.end());
    if (twips.size() > maximumTabStops)
        twips.resize(maximumTabStops);
    // No stops is the empty list without storage, whatever storage the argument had, so
    // that comparing two texts never hands a null and a real array to memcmp.
    m_tabStops = twips.isEmpty() ? QList<int>() : std::move(twips);
}

void StyledText::append(QStringView text, const TextAttributes& attributes)
{
    if (text.isEmpty())
        return;
    if (m_runs.empty() || m_runs.back().attributes != attributes)
        m_runs.push_back({length(), attributes});
    m_text.append(text);
}

std::size_t StyledText::splitAt(int position)
{
    const std::size_t index = runIndexAt(position);
    if (m_runs[index].start == position)
        return index;
    AttributeRun tail{position, m_runs[index].attributes};
    m_runs.insert(m_runs.begin() + std::ptrdiff_t(index) + 1, std::move(tail));
    return index + 1;
}

void StyledText::mergeAround(std::size_t first, std::size_t last)
{
    // Joins equal neighbours between the run before `first` and the run after `last`.
    std::size_t from = first > 0 ? first - 1 : 0;
    std::size_t to = std::min(last + 1, m_runs.size() - 1);
    std::size_t keep = from;
    for (std::size_t i = from + 1; i <= to; ++i) {
        if (m_runs[i].attributes == m_runs[keep].attributes)
            continue;
        ++keep;
        if (keep != i)
            m_runs[keep] = std::move(m_runs[i]);
    }
    m_runs.erase(m_runs.begin() + std::ptrdiff_t(keep) + 1,
                 m_runs.begin() + std::ptrdiff_t(to) + 1);
}

void StyledText::apply(int from, int to, const AttributeChange& change)
{
    from = std::max(from, 0);
    to = std::min(to, length());
    if (from >= to)
        return;
    const std::size_t first = splitAt(from);
    const std::size_t last = to < length() ? splitAt(to) - 1 : m_runs.size() - 1;
    for (std::size_t i = first; i <= last; ++i)
        change.applyTo(m_runs[i].attributes);
    mergeAround(first, last);
}

void StyledText::setAttributesAt(int position, const TextAttributes& attributes)
{
    if (position < 0 || position >= length() || attributesAt(position) == attributes)
        return;
    const std::size_t index = splitAt(position);
    if (position + 1 < length())
        splitAt(position + 1);
    m_runs[index].attributes = attributes;
    mergeAround(index, index);
}

} // namespace mirandel
