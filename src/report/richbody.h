#pragma once

// The body of a report: a listing's styled text laid out for the device it is printed on
// (fonts, sizes, colours, weights), one paragraph per line of the listing, and the page
// slices of it. A slice always ends between two text lines, never through one.
//
// Tabs are placed the way a word processor places them: each tab moves on to the first of
// the file's stops right of the text before it, then to the default stops (every half
// inch unless the file says otherwise). The body sets the text between tabs itself, each
// piece where its tabs end, which costs a line the same whatever its number of tabs; a
// line with tabs is one printed line, a line without them breaks between words.

#include "listings/styledtext.h"

#include <QColor>
#include <QFont>
#include <QTextCharFormat>

#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;
class QTextLayout;

namespace mirandel::richbody {

struct LineExtent
{
    qreal top;
    qreal bottom;
};

class Body
{
public:
    // The text, `widthPx` device units wide, laid out for `device`.
    Body(const StyledText& text, QPaintDevice& device, qreal widthPx);
    ~Body();
    Body(const Body&) = delete;
    Body& operator=(const Body&) = delete;

    // The top and bottom of every printed line, in order (body coordinates, from 0).
    const std::vector<LineExtent>& lines() const { return m_extents; }
    qreal width() const { return m_width; }

    // Draws the printed lines `first` up to, not including, `end`, the body's top-left
    // corner at `origin`.
    void draw(QPainter& painter, QPointF origin, int first, int end) const;

    // What the paragraphs hold: their text (tabs included, without the line break), the
    // format of a character and where it starts (device units from the left edge).
    int paragraphCount() const { return int(m_paragraphs.size()); }
    QString paragraphText(int paragraph) const;
    QTextCharFormat formatAt(int paragraph, int index) const;
    qreal xOf(int paragraph, int index) const;

private:
    // Text set in one layout: a whole paragraph without tabs, or a piece between tabs.
    struct Piece
    {
        std::unique_ptr<QTextLayout> layout;
        QColor colour; // the pen, when the piece has one format only
        int start;     // where its text starts in the paragraph
    };
    struct Paragraph
    {
        QString text;
        std::vector<Piece> pieces;
        QList<std::pair<int, QTextCharFormat>> runs; // where each format starts
    };
    // A printed line: one line of a paragraph without tabs, or all pieces of one with them.
    struct Printed
    {
        int paragraph;
        int line; // -1: every piece
    };
    void addParagraph(const StyledText& text, int from, int to, int breakAt);
    // The piece of the paragraph's characters [from, to), on one line or, with `width`,
    // broken into lines that wide.
    Piece layOut(const StyledText& text, int paragraphStart, int from, int to,
                 const TextAttributes& empty, qreal width) const;
    // Where a tab that starts at `x` ends.
    qreal tabAfter(qreal x) const;
    QFont fontOf(const TextAttributes& attributes) const;

    QPaintDevice& m_device;
    qreal m_width;
    std::vector<qreal> m_stops; // device units
    qreal m_grid;
    qreal m_y = 0;
    std::vector<Paragraph> m_paragraphs;
    std::vector<LineExtent> m_extents;
    std::vector<Printed> m_printed;
    mutable std::vector<std::pair<TextAttributes, QFont>> m_fonts;
};

// The body of the text, `widthPx` device units wide, laid out for `device`.
std::unique_ptr<Body> build(const StyledText& text, QPaintDevice& device, qreal widthPx);

struct Slice
{
    qreal top;    // body coordinate where the slice starts
    qreal bottom; // and where it ends
    int firstLine;
    int endLine; // one past the last line of the slice
};

// Cuts the lines into slices: the first at most `firstHeight` high, the others at most
// `nextHeight`. A line higher than a whole page gets a slice of its own.
std::vector<Slice> paginate(const std::vector<LineExtent>& lines, qreal firstHeight,
                            qreal nextHeight);

} // namespace mirandel::richbody
