#include "report/richbody.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace mirandel::richbody {

namespace {

// The face is named as windowkit::installFontSubstitutes chose it, and Latin text is set without
// OpenType shaping (the face's kerning still applies): resolving the substitution and
// shaping anew for each piece of text, on every page drawn, made long tables slow.
QFont fontFor(const TextAttributes& attributes, const QPaintDevice& device)
{
    QFont font(QFont::substitute(attributes.font));
    font.setPointSize(attributes.size);
    font.setWeight(attributes.bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return QFont(font, &device);
}

QTextCharFormat formatFor(const TextAttributes& attributes)
{
    QTextCharFormat format;
    format.setFontFamilies({QFont::substitute(attributes.font)});
    format.setFontStyleStrategy(QFont::PreferNoShaping);
    format.setFontPointSize(attributes.size);
    format.setFontWeight(attributes.bold ? QFont::Bold : QFont::Normal);
    format.setForeground(QColor::fromRgb(attributes.colour));
    return format;
}

bool isBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

} // namespace

Body::Body(const StyledText& text, QPaintDevice& device, qreal widthPx)
    : m_device(device), m_width(widthPx),
      m_grid(std::max(text.defaultTab(), 1) / 1440.0 * device.logicalDpiX())
{
    for (int twips : text.tabStops())
        m_stops.push_back(twips / 1440.0 * device.logicalDpiX());
    // A line break, CR LF or a lone CR or LF, ends a paragraph; the text after the last
    // one makes no paragraph of its own.
    const QString& characters = text.text();
    int from = 0;
    while (from < characters.size()) {
        int to = from;
        while (to < characters.size() && !isBreak(characters[to]))
            ++to;
        addParagraph(text, from, to, to < characters.size() ? to : -1);
        from = to + 1;
        if (to + 1 < characters.size() && characters[to] == u'\r' && characters[to + 1] == u'\n')
            ++from;
    }
}

Body::~Body() = default;

Body::Piece Body::layOut(const StyledText& text, int paragraphStart, int from, int to,
                         const TextAttributes& empty, qreal width) const
{
    Piece piece{nullptr, QColor(), from - paragraphStart};
    const QString characters = text.text().mid(from, to - from);
    QList<QTextLayout::FormatRange> formats;
    const auto& runs = text.runs();
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const int start = std::max(runs[r].start, from);
        const int end = std::min(text.runEnd(r), to);
        if (start < end)
            formats.append({start - from, end - start, formatFor(runs[r].attributes)});
    }
    const TextAttributes& first = characters.isEmpty() ? empty : text.attributesAt(from);
    piece.layout = std::make_unique<QTextLayout>(characters, fontOf(first), &m_device);
    // One format is the layout's font and the pen: Qt then resolves no font per piece of
    // text, in the layout or on any page drawn.
    if (formats.size() <= 1)
        piece.colour = QColor::fromRgb(first.colour);
    else
        piece.layout->setFormats(formats);
    QTextOption option;
    option.setWrapMode(width > 0 ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    piece.layout->setTextOption(option);
    piece.layout->beginLayout();
    for (QTextLine line = piece.layout->createLine(); line.isValid();
         line = piece.layout->createLine()) {
        line.setLeadingIncluded(true);
        if (width > 0)
            line.setLineWidth(width);
    }
    piece.layout->endLayout();
    return piece;
}

void Body::addParagraph(const StyledText& text, int from, int to, int breakAt)
{
    Paragraph paragraph;
    paragraph.text = text.text().mid(from, to - from);
    const auto& runs = text.runs();
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const int start = std::max(runs[r].start, from);
        if (start < to && text.runEnd(r) > start)
            paragraph.runs.append({start - from, formatFor(runs[r].attributes)});
    }
    // An empty paragraph is as tall as its line break.
    const TextAttributes& empty = text.attributesAt(breakAt >= 0 ? breakAt : to - 1);
    const int index = int(m_paragraphs.size());
    if (!paragraph.text.contains(u'\t')) {
        // Lines as wide as the body, broken between words.
        Piece piece = layOut(text, from, from, to, empty, m_width);
        for (int i = 0; i < piece.layout->lineCount(); ++i) {
            QTextLine line = piece.layout->lineAt(i);
            line.setPosition(QPointF(0, m_y));
            m_extents.push_back({m_y, m_y + line.height()});
            m_printed.push_back({index, i});
            m_y += line.height();
        }
        paragraph.pieces.push_back(std::move(piece));
    } else {
        // One printed line: each piece of text, its blanks included, where the tabs before
        // it end, and all of them on one baseline.
        qreal x = 0;
        qreal base = 0;    // the highest ascent and leading of the pieces
        qreal descent = 0; // and their deepest descent
        int pos = 0;
        const QString& characters = paragraph.text;
        while (pos < characters.size()) {
            int end = pos;
            while (end < characters.size() && characters[end] != u'\t')
                ++end;
            if (end > pos) {
                Piece piece = layOut(text, from, from + pos, from + end, empty, 0);
                QTextLine line = piece.layout->lineAt(0);
                line.setPosition(QPointF(x, 0));
                x += line.horizontalAdvance();
                base = std::max(base, line.ascent() + line.leading());
                descent = std::max(descent, line.descent());
                paragraph.pieces.push_back(std::move(piece));
            }
            for (pos = end; pos < characters.size() && characters[pos] == u'\t'; ++pos)
                x = tabAfter(x);
        }
        if (paragraph.pieces.empty()) { // tabs only: as tall as their font
            Piece piece = layOut(text, from, to, to, text.attributesAt(from), 0);
            const QTextLine line = piece.layout->lineAt(0);
            base = line.ascent() + line.leading();
            descent = line.descent();
            paragraph.pieces.push_back(std::move(piece));
        }
        for (Piece& piece : paragraph.pieces) {
            QTextLine line = piece.layout->lineAt(0);
            line.setPosition(QPointF(line.x(), m_y + base - line.ascent() - line.leading()));
        }
        const qreal height = std::ceil(base + descent);
        m_extents.push_back({m_y, m_y + height});
        m_printed.push_back({index, -1});
        m_y += height;
    }
    m_paragraphs.push_back(std::move(paragraph));
}

QFont Body::fontOf(const TextAttributes& attributes) const
{
    // One font for each set of attributes, so that its face is looked up once.
    for (const auto& [known, font] : m_fonts)
        if (known == attributes)
            return font;
    m_fonts.emplace_back(attributes, fontFor(attributes, m_device));
    return m_fonts.back().second;
}

qreal Body::tabAfter(qreal x) const
{
    for (qreal stop : m_stops)
        if (stop > x)
            return stop;
    return (std::floor(x / m_grid) + 1) * m_grid;
}

void Body::draw(QPainter& painter, QPointF origin, int first, int end) const
{
    painter.save();
    for (int printed = std::max(first, 0); printed < std::min<int>(end, int(m_printed.size()));
         ++printed) {
        const Printed& line = m_printed[std::size_t(printed)];
        for (const Piece& piece : m_paragraphs[std::size_t(line.paragraph)].pieces) {
            if (piece.colour.isValid())
                painter.setPen(piece.colour);
            if (line.line >= 0)
                piece.layout->lineAt(line.line).draw(&painter, origin);
            else
                piece.layout->draw(&painter, origin);
        }
    }
    painter.restore();
}

QString Body::paragraphText(int paragraph) const
{
    return m_paragraphs[std::size_t(paragraph)].text;
}

QTextCharFormat Body::formatAt(int paragraph, int index) const
{
    QTextCharFormat format;
    for (const auto& [start, runFormat] : m_paragraphs[std::size_t(paragraph)].runs)
        if (start <= index)
            format = runFormat;
    return format;
}

qreal Body::xOf(int paragraph, int index) const
{
    // The piece that holds the character, or the end of the last one.
    const auto& pieces = m_paragraphs[std::size_t(paragraph)].pieces;
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        const Piece& piece = pieces[p];
        const int length = int(piece.layout->text().size());
        if (index < piece.start + length || p + 1 == pieces.size()) {
            const int at = std::clamp(index - piece.start, 0, length);
            return piece.layout->lineForTextPosition(at).cursorToX(at);
        }
    }
    return 0;
}

std::unique_ptr<Body> build(const StyledText& text, QPaintDevice& device, qreal widthPx)
{
    return std::make_unique<Body>(text, device, widthPx);
}

std::vector<Slice> paginate(const std::vector<LineExtent>& lines, qreal firstHeight,
                            qreal nextHeight)
{
    std::vector<Slice> slices;
    const int count = int(lines.size());
    int first = 0;
    qreal top = 0;
    while (first < count) {
        const qreal height = slices.empty() ? firstHeight : nextHeight;
        int end = first;
        while (end < count && lines[std::size_t(end)].bottom - top <= height)
            ++end;
        if (end == first && slices.empty() &&
            lines[std::size_t(first)].bottom - top > firstHeight &&
            lines[std::size_t(first)].bottom - top <= nextHeight) {
            slices.push_back({top, top, first, first}); // starts on the next page
            top = lines[std::size_t(first)].top;
            continue;
        }
        if (end == first)
            end = first + 1; // taller than a page: printed alone, cut at the page's end
        slices.push_back({top, lines[std::size_t(end - 1)].bottom, first, end});
        first = end;
        if (first < count)
            top = lines[std::size_t(first)].top;
    }
    return slices;
}

} // namespace mirandel::richbody
