#pragma once

// The words of a PDF as a reader sees them on paper, read with poppler's
// `pdftotext -bbox-layout`, and the rows of a listing found among them.

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace mirandel::test {

struct Word
{
    QString text;
    qreal left, top, right, bottom; // points from the page's top-left corner
    int page;                       // from 0
};

struct PdfWords
{
    QList<QSizeF> pages; // in points
    QList<Word> words;
    QString error; // why the file could not be read; empty when it was
};

// Runs pdftotext on `pdf`; a missing tool or an unreadable file sets `error`.
PdfWords readWords(const QString& pdf);

// The words of one printed line: same page, same top (within half a point), left to right.
QList<QList<Word>> printedLines(const QList<Word>& words);

// A row of a listing as printed: its cells (the text between runs of tabs) split into
// words, and where each cell starts and ends on the page.
struct PrintedRow
{
    QString text;              // the document line
    QList<QStringList> cells;  // the words of each cell
    QList<qreal> starts, ends; // of each cell with words, in points
    int page = -1;
    qreal top = 0;
};

// Finds every line of `lines` that has words (as the listing document holds them, tabs
// and blanks included) among the printed lines, each exactly as often as it is listed.
// A line printed more or fewer times, or broken over two printed lines, is reported in
// `faults`.
QList<PrintedRow> findRows(const PdfWords& pdf, const QStringList& lines, QStringList& faults);

// The column faults of the rows: a cell that does not start within `tolerance` of the
// same cell of the other rows, or that comes nearer than `gap` to the next cell.
QStringList columnFaults(const QList<PrintedRow>& rows, qreal tolerance = 0.5, qreal gap = 2.0);

} // namespace mirandel::test
