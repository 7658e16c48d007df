#pragma once

// The listing document: the shared scratch rich-text document every listing is written
// into. A writer Clears it, adds lines (Add line, Add coloured line), gives character
// ranges their attributes (Format range), saves it as a Rich Text Format file in the
// program's folder (Save rich text), then previews that file on a report page or hands it
// to the shell (Open with shell). A table's writer sets the tab stops of its columns, so
// that the report page and a word processor put every row's cells in the same place.
//
// Positions count each line break as two (carriage return and line feed); the document
// holds at most 65,536 positions. Every operation that fails throws a MirandelError.

#include "listings/styledtext.h"

#include <QStringList>

namespace mirandel {

class Platform;

class ListingDocument
{
public:
    static constexpr int capacity = 65536;

    // Holds the single line "RichEdit1" until the first Clear.
    ListingDocument();

    // Empties the document, resets the insertion attributes to the defaults and leaves
    // only the default tab stops.
    void clear();
    // The tab stops of every line, in twips from the left edge (see tabcolumns.h).
    void setTabStops(const QList<int>& twips) { m_content.setTabStops(twips); }
    // Appends the text and a line break in the insertion attributes. A line that would
    // take the document past its capacity is not added: "Erreur d'insertion de ligne
    // RichEdit".
    void addLine(const QString& text);
    // Gives the positions start .. start + length - 1 (cut back to the document's length)
    // the listed attributes; a range that reaches or passes the end also sets them as the
    // insertion attributes.
    void formatRange(int start, int length, const AttributeChange& change);
    // Sets the colour, 8 points and "MS Sans Serif" as insertion attributes (bold stays),
    // then adds the line.
    void addColouredLine(const QString& text, QRgb colour);

    // Makes the program's folder the current directory and writes the document there as
    // a Rich Text Format file named `fileName`, replacing any file of that name.
    void saveRichText(Platform& platform, const QString& fileName) const;
    void saveRichText(const QString& folder, const QString& fileName) const;
    // Asks the shell to open `fileName` of the program's folder. When no program opens it,
    // an information box names the file and its folder.
    static void openWithShell(Platform& platform, const QString& fileName);

    const StyledText& content() const { return m_content; }
    const QString& text() const { return m_content.text(); }
    int length() const { return m_content.length(); }
    const TextAttributes& attributesAt(int position) const
    {
        return m_content.attributesAt(position);
    }
    const TextAttributes& insertionAttributes() const { return m_insertion; }
    // The lines, without their line breaks.
    QStringList lines() const;

private:
    StyledText m_content;
    TextAttributes m_insertion;
};

} // namespace mirandel
