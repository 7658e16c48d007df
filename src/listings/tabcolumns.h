#pragma once

// The columns of a listing's table, placed by tab stops that every line of the document
// shares. The rows separate their cells by runs of tab characters whose length differs
// from row to row ("seven tabs", "six in row 5"), and a tab moves on from wherever the
// text before it ends, so one stop per column would put a row whose first cell is long
// one stop further than the others. A column therefore gets as many stops as the longest
// run before it, one twip apart and ending on the column: a run of k tabs that starts
// left of them lands on the k-th, so every row's cell starts on the column or a twip or
// two (a tenth of a point) before it, whatever the width of the cell before it.
//
// Positions are twips (1/1440 inch) from the left edge of the text: of the rich-text box
// on a report page, of the text area in a word processor.

#include <QList>

#include <initializer_list>

namespace mirandel::tabcolumns {

struct Column
{
    int twips;          // where the longest run lands
    int longestRun = 1; // the most tab characters a row puts before the column
};

// The stops of the columns, in ascending order.
QList<int> stops(std::initializer_list<Column> columns);

// The right half of a two-column listing on the general report page: under the left edge
// of the right column heading (95.2 mm into the band, less the rich-text box's 2.1 mm).
inline constexpr int rightHalf = 5280;

// Millimetres to the nearest twip.
constexpr int fromMm(double mm)
{
    return int(mm * 1440.0 / 25.4 + 0.5);
}

} // namespace mirandel::tabcolumns
