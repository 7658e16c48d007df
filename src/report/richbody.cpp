#include "report/richbody.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <unordered_map>

using namespace Qt::StringLiterals;

namespace mirandel::richbody {

void installFontSubstitutes()
{
    const QStringList families = QFontDatabase::families();
    QString face;
    for (const QString& candidate :
         {u"Liberation Sans"_s, u"Arimo"_s, u"Helvetica"_s, u"Nimbus Sans"_s, u"DejaVu Sans"_s}) {
        if (families.contains(candidate)) {
            face = candidate;
            break;
        }
    }
    if (face.isEmpty())
        return;
    for (const QString& name : {u"MS Sans Serif"_s, u"Arial"_s}) {
        if (!QFont::substitutes(name).contains(face))
            QFont::insertSubstitution(name, face);
    }
}

namespace {

// The format of text in `attributes`. The face is named as installFontSubstitutes chose
// it, and Latin text is set without OpenType shaping (the face's kerning still applies):
// Qt otherwise resolves the substitution and shapes anew for each piece of text between
// tabs, on every page it draws, which made a long table slow to preview.
QTextCharFormat charFormat(const TextAttributes& attributes)
{
    QTextCharFormat format;
    format.setFontFamilies({QFont::substitute(attributes.font)});
    format.setFontStyleStrategy(QFont::PreferNoShaping);
    format.setFontPointSize(attributes.size);
    format.setFontWeight(attributes.bold ? QFont::Bold : QFont::Normal);
    format.setForeground(QColor::fromRgb(attributes.colour));
    return format;
}

} // namespace

std::unique_ptr<QTextDocument> build(const StyledText& text, QPaintDevice& device, qreal widthPx)
{
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    document->documentLayout()->setPaintDevice(&device);
    document->setDocumentMargin(0);
    QFont defaultFont(u"Arial"_s);
    defaultFont.setPointSize(10);
    document->setDefaultFont(defaultFont);
    QTextOption option = document->defaultTextOption();
    // Tab stops are given at the screen's resolution, rounded as the layout rounds it when
    // it scales them to the device.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal screenDpi = screen ? qRound(screen->logicalDotsPerInchY()) : 100.0;
    const auto fromTwips = [screenDpi](int twips) { return twips / 1440.0 * screenDpi; };
    option.setTabStopDistance(fromTwips(text.defaultTab()));
    // The file's stops belong to every paragraph (the layout takes a block's own list).
    QList<QTextOption::Tab> stops;
    for (int twips : text.tabStops())
        stops.append(QTextOption::Tab(fromTwips(twips), QTextOption::LeftTab));
    QTextBlockFormat paragraph;
    paragraph.setTabPositions(stops);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);
    document->setTextWidth(widthPx);

    QTextCursor cursor(document.get());
    cursor.beginEditBlock();
    cursor.setBlockFormat(paragraph);
    const QString& characters = text.text();
    const auto& runs = text.runs();
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const QTextCharFormat format = charFormat(runs[r].attributes);
        int pos = runs[r].start;
        const int end = text.runEnd(r);
        if (r == 0)
            cursor.setBlockCharFormat(format);
        while (pos < end) {
            int brk = pos;
            while (brk < end && characters[brk] != u'\r' && characters[brk] != u'\n')
                ++brk;
            if (brk > pos)
                cursor.insertText(characters.mid(pos, brk - pos), format);
            if (brk == end)
                break;
            // A line break: CR LF, or a lone CR or LF, ends the paragraph; its mark gives
            // an empty line its height.
            cursor.setBlockCharFormat(format);
            pos = brk + 1;
            if (characters[brk] == u'\r' && pos < characters.size() && characters[pos] == u'\n')
                ++pos;
            if (pos < characters.size())
                cursor.insertBlock(paragraph, format);
        }
    }
    cursor.endEditBlock();
    document->size(); // lays the whole document out
    return document;
}

std::vector<LineExtent> lines(const QTextDocument& document)
{
    std::vector<LineExtent> extents;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const qreal y = layout->position().y();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            extents.push_back({y + line.y(), y + line.y() + line.height()});
        }
    }
    return extents;
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
