#include "listings/rtfwriter.h"

#include "listings/codepage1252.h"

#include <QList>

#include <optional>

namespace mirandel::rtf {

namespace {

// Appends a character of text or of a font name in RTF's escaped form.
void appendEscaped(QByteArray& out, char16_t unit)
{
    if (unit == u'\\' || unit == u'{' || unit == u'}') {
        out += '\\';
        out += char(unit);
        return;
    }
    if (unit >= 0x20 && unit < 0x7F && unit != u';') {
        out += char(unit);
        return;
    }
    if (const auto byte = cp1252::encode(unit)) {
        static const char digits[] = "0123456789abcdef";
        const auto value = static_cast<unsigned char>(*byte);
        out += "\\'";
        out += digits[value >> 4];
        out += digits[value & 0xF];
        return;
    }
    out += "\\u";
    out += QByteArray::number(int(static_cast<short>(unit)));
    out += '?';
}

class Writer
{
public:
    explicit Writer(const StyledText& text) : m_text(text) { collectTables(); }

    QByteArray run()
    {
        m_out.reserve(m_text.length() + 64 * qsizetype(m_text.runs().size()) + 256);
        m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab";
        m_out += QByteArray::number(m_text.defaultTab());
        writeFontTable();
        writeColourTable();
        // A4, 210 mm x 297 mm, in twips; 10 mm margins.
        m_out += "\r\n\\paperw11906\\paperh16838\\margl567\\margr567\\margt567\\margb567";
        m_out += "\r\n\\viewkind4\\uc1\\pard";
        for (int stop : m_text.tabStops())
            m_out += "\\tx" + QByteArray::number(stop);
        m_out += "\\plain";
        writeBody();
        m_out += "}\r\n";
        return std::move(m_out);
    }

private:
    void collectTables()
    {
        for (const AttributeRun& run : m_text.runs()) {
            if (!m_fonts.contains(run.attributes.font))
                m_fonts.append(run.attributes.font);
            if (!m_colours.contains(run.attributes.colour))
                m_colours.append(run.attributes.colour);
        }
        if (m_fonts.isEmpty())
            m_fonts.append(TextAttributes().font);
    }

    void writeFontTable()
    {
        m_out += "{\\fonttbl";
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            m_out += "{\\f" + QByteArray::number(i) + "\\fswiss\\fcharset0 ";
            for (QChar c : m_fonts[i])
                appendEscaped(m_out, c.unicode());
            m_out += ";}";
        }
        m_out += '}';
    }

    void writeColourTable()
    {
        m_out += "\r\n{\\colortbl ;";
        for (QRgb colour : m_colours)
            m_out += "\\red" + QByteArray::number(qRed(colour)) + "\\green" +
                     QByteArray::number(qGreen(colour)) + "\\blue" +
                     QByteArray::number(qBlue(colour)) + ';';
        m_out += '}';
    }

    // The control words that take the current state to `attributes`; all of them first.
    void switchTo(const TextAttributes& attributes, QByteArray& out)
    {
        const bool all = !m_current;
        const TextAttributes& was = all ? attributes : *m_current;
        if (all || was.font != attributes.font)
            out += "\\f" + QByteArray::number(m_fonts.indexOf(attributes.font));
        if (all || was.size != attributes.size)
            out += "\\fs" + QByteArray::number(attributes.size * 2);
        if (all || was.colour != attributes.colour)
            out += "\\cf" + QByteArray::number(m_colours.indexOf(attributes.colour) + 1);
        if (all || was.bold != attributes.bold)
            out += attributes.bold ? "\\b" : "\\b0";
        m_current = attributes;
    }

    QByteArray controls(const TextAttributes& attributes)
    {
        QByteArray out;
        m_current.reset();
        switchTo(attributes, out);
        return out;
    }

    void writeBody()
    {
        const QString& text = m_text.text();
        const auto& runs = m_text.runs();
        std::size_t run = 0;
        bool pendingSpace = false; // a control word must be ended before literal text
        for (int pos = 0; pos < m_text.length(); ++pos) {
            if (run + 1 < runs.size() && runs[run + 1].start == pos)
                ++run;
            const TextAttributes& attributes = runs[run].attributes;
            if (!m_current || *m_current != attributes) {
                switchTo(attributes, m_out);
                pendingSpace = true;
            }
            const char16_t unit = text[pos].unicode();
            if (unit == u'\r' && pos + 1 < m_text.length() && text[pos + 1] == u'\n') {
                m_out += "\\par\r\n";
                pendingSpace = false;
                ++pos;
                // The line feed's own attributes, when a range set them apart from the
                // carriage return's, in a group that word processors skip.
                if (run + 1 < runs.size() && runs[run + 1].start == pos)
                    ++run;
                if (runs[run].attributes != attributes) {
                    const TextAttributes lineFeed = runs[run].attributes;
                    const TextAttributes current = attributes;
                    m_out += "{\\*\\mirandellf" + controls(lineFeed) + '}';
                    m_current = current;
                }
                continue;
            }
            if (unit == u'\t') {
                m_out += "\\tab";
                pendingSpace = true;
                continue;
            }
            if (pendingSpace) {
                m_out += ' ';
                pendingSpace = false;
            }
            appendEscaped(m_out, unit);
        }
    }

    const StyledText& m_text;
    QList<QString> m_fonts;
    QList<QRgb> m_colours;
    std::optional<TextAttributes> m_current;
    QByteArray m_out;
};

} // namespace

QByteArray write(const StyledText& text)
{
    return Writer(text).run();
}

} // namespace mirandel::rtf
