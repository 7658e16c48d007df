#pragma once

// The body of a report: a listing's styled text turned into a QTextDocument laid out for
// the device it is printed on (fonts, sizes, colours, weights; the file's tab stops, then
// stops every half inch unless the file says otherwise), and the page slices of that
// document. A slice always ends between two text lines, never through one.

#include "listings/styledtext.h"

#include <QTextDocument>

#include <memory>
#include <vector>

class QPaintDevice;

namespace mirandel::richbody {

// Makes "MS Sans Serif" and "Arial", absent from Linux desktops, print in the
// metric-compatible Liberation Sans (or the closest installed sans serif).
void installFontSubstitutes();

// A document of the text, `widthPx` device units wide, laid out for `device`.
std::unique_ptr<QTextDocument> build(const StyledText& text, QPaintDevice& device, qreal widthPx);

struct LineExtent
{
    qreal top;
    qreal bottom;
};

// The top and bottom of every text line, in document order (document coordinates).
std::vector<LineExtent> lines(const QTextDocument& document);

struct Slice
{
    qreal top;    // document coordinate where the slice starts
    qreal bottom; // and where it ends
    int firstLine;
    int endLine; // one past the last line of the slice
};

// Cuts the lines into slices: the first at most `firstHeight` high, the others at most
// `nextHeight`. A line higher than a whole page gets a slice of its own.
std::vector<Slice> paginate(const std::vector<LineExtent>& lines, qreal firstHeight,
                            qreal nextHeight);

} // namespace mirandel::richbody
