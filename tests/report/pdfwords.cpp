#include "pdfwords.h"

#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace mirandel::test {

PdfWords readWords(const QString& pdf)
{
    PdfWords result;
    const QString tool = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (tool.isEmpty()) {
        result.error = u"pdftotext is not installed (Debian package poppler-utils, which "
                       u"scripts/test.sh installs)"_s;
        return result;
    }
    QProcess process;
    process.start(tool, {u"-bbox-layout"_s, u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        result.error = u"pdftotext failed on "_s + pdf + u": "_s +
                       QString::fromLocal8Bit(process.readAllStandardError());
        return result;
    }
    QXmlStreamReader xml(process.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const auto number = [&a](const char* name) {
            return a.value(QLatin1StringView(name)).toDouble();
        };
        if (xml.name() == "page"_L1) {
            result.pages.append(QSizeF(number("width"), number("height")));
        } else if (xml.name() == "word"_L1) {
            Word word{QString(),      number("xMin"), number("yMin"),
                      number("xMax"), number("yMax"), int(result.pages.size()) - 1};
            word.text = xml.readElementText();
            result.words.append(word);
        }
    }
    if (xml.hasError())
        result.error = u"pdftotext's output does not read: "_s + xml.errorString();
    return result;
}

QList<QList<Word>> printedLines(const QList<Word>& words)
{
    QList<Word> sorted = words;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Word& a, const Word& b) {
        if (a.page != b.page)
            return a.page < b.page;
        if (qAbs(a.top - b.top) >= 0.5)
            return a.top < b.top;
        return a.left < b.left;
    });
    QList<QList<Word>> lines;
    for (const Word& word : sorted) {
        if (lines.isEmpty() || lines.back().front().page != word.page ||
            qAbs(lines.back().front().top - word.top) >= 0.5)
            lines.append(QList<Word>());
        lines.back().append(word);
    }
    return lines;
}

namespace {

QStringList wordsOf(const QString& text)
{
    static const QRegularExpression blanks(u"\\s+"_s);
    return text.split(blanks, Qt::SkipEmptyParts);
}

} // namespace

QList<PrintedRow> findRows(const PdfWords& pdf, const QStringList& lines, QStringList& faults)
{
    QHash<QString, QList<QList<Word>>> printed;
    for (const QList<Word>& line : printedLines(pdf.words)) {
        QStringList texts;
        for (const Word& word : line)
            texts << word.text;
        printed[texts.join(u' ')].append(line);
    }
    QHash<QString, int> wanted;
    for (const QString& line : lines)
        if (!wordsOf(line).isEmpty())
            ++wanted[wordsOf(line).join(u' ')];

    QList<PrintedRow> rows;
    QHash<QString, int> taken;
    for (const QString& line : lines) {
        const QString key = wordsOf(line).join(u' ');
        if (key.isEmpty())
            continue;
        const QList<QList<Word>> found = printed.value(key);
        if (found.size() != wanted[key]) {
            faults << u"\"%1\" is printed on %2 line(s), not %3"_s.arg(key)
                          .arg(found.size())
                          .arg(wanted[key]);
            continue;
        }
        const QList<Word>& words = found[taken[key]++];
        PrintedRow row;
        row.text = line;
        row.page = words.front().page;
        row.top = words.front().top;
        static const QRegularExpression tabRun(u"\\t+"_s);
        qsizetype next = 0;
        for (const QString& cell : line.split(tabRun)) {
            const QStringList cellWords = wordsOf(cell);
            row.cells << cellWords;
            if (cellWords.isEmpty())
                continue;
            row.starts << words[next].left;
            next += cellWords.size();
            row.ends << words[next - 1].right;
        }
        rows << row;
    }
    return rows;
}

QStringList columnFaults(const QList<PrintedRow>& rows, qreal tolerance, qreal gap)
{
    QStringList faults;
    QList<qreal> first; // each column's start in the first row that has it
    QStringList firstRow;
    for (const PrintedRow& row : rows) {
        for (qsizetype c = 0; c < row.starts.size(); ++c) {
            if (c == first.size()) {
                first << row.starts[c];
                firstRow << row.text;
            } else if (qAbs(row.starts[c] - first[c]) > tolerance) {
                faults << u"column %1 starts at %2 pt in \"%3\" but at %4 pt in \"%5\""_s.arg(c + 1)
                              .arg(row.starts[c], 0, 'f', 2)
                              .arg(row.text, QString::number(first[c], 'f', 2), firstRow[c]);
            }
            if (c > 0 && row.starts[c] - row.ends[c - 1] < gap)
                faults << u"columns %1 and %2 are %3 pt apart in \"%4\""_s.arg(c)
                              .arg(c + 1)
                              .arg(row.starts[c] - row.ends[c - 1], 0, 'f', 2)
                              .arg(row.text);
        }
    }
    return faults;
}

} // namespace mirandel::test
