#include "listings/rtfreader.h"

#include "listings/codepage1252.h"

#include <QHash>

#include <algorithm>
#include <cctype>
#include <optional>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace mirandel::rtf {

namespace {

enum class Destination
{
    Text,
    FontTable,
    ColourTable,
    LineFeed,
    Skip
};

struct State
{
    Destination destination = Destination::Text;
    int font = -1; // font number; -1 is the document's default font
    int halfPoints = 24;
    int colour = 0; // colour table index; 0 is the automatic colour
    bool bold = false;
    int unicodeSkip = 1;
    QList<int> tabStops; // of the paragraph being read (\pard clears them, \tx adds one)
};

bool isSkippedDestination(QByteArrayView word)
{
    static const QByteArrayView words[] = {
        "stylesheet",
        "info",
        "pict",
        "object",
        "header",
        "headerl",
        "headerr",
        "headerf",
        "footer",
        "footerl",
        "footerr",
        "footerf",
        "footnote",
        "fldinst",
        "listtable",
        "listoverridetable",
        "revtbl",
        "rsidtbl",
        "xmlnstbl",
        "themedata",
        "colorschememapping",
        "datastore",
        "latentstyles",
        "pgdsctbl",
        "generator",
        "annotation",
        "atnid",
        "atnauthor",
        "bkmkstart",
        "bkmkend",
        "filetbl",
        "mmathPr",
        "nonshppict",
        "shppict",
        "shpinst",
        "txe",
        "xe",
        "tc",
        "template",
        "userprops",
        "wgrffmtfilter",
        "docvar",
        "fchars",
        "lchars",
        "pnseclvl",
        "pntext",
        "pntxta",
        "pntxtb",
        "listtext",
        "ftnsep",
        "ftnsepc",
        "aftnsep",
        "aftnsepc",
        "falt",
        "panose",
    };
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

class Reader
{
public:
    explicit Reader(const QByteArray& bytes) : m_in(bytes) { m_stack.push_back(State()); }

    StyledText run()
    {
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos++];
            switch (c) {
            case '{':
                flush();
                m_unicodeSkipLeft = 0;
                m_stack.push_back(m_stack.back());
                m_groupStart = true;
                continue;
            case '}':
                closeGroup();
                continue;
            case '\\':
                controlSequence();
                if (m_ignorable)
                    continue; // "\*" belongs to the control word that follows it
                break;
            case '\r':
            case '\n':
                break;
            default:
                literal(cp1252::decode(static_cast<unsigned char>(c)));
                break;
            }
            m_groupStart = false;
        }
        flush();
        m_out.setDefaultTab(m_defaultTab);
        m_out.setTabStops(m_paragraphSeen ? m_firstTabStops : m_lastTabStops);
        return std::move(m_out);
    }

private:
    State& state() { return m_stack.back(); }

    void closeGroup()
    {
        flush();
        m_unicodeSkipLeft = 0;
        m_groupStart = false;
        if (m_stack.size() == 1)
            return; // an unmatched brace
        const State closed = m_stack.back();
        m_stack.pop_back();
        if (closed.destination == Destination::LineFeed && !m_out.isEmpty() &&
            m_out.text().back() == u'\n')
            m_out.setAttributesAt(m_out.length() - 1, attributes(closed));
        if (closed.destination == Destination::FontTable && !m_name.isEmpty())
            commitFont(); // a last entry without ";"
    }

    // Reads what follows a backslash.
    void controlSequence()
    {
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (std::isalpha(static_cast<unsigned char>(c))) {
            controlWord();
            return;
        }
        ++m_pos;
        switch (c) {
        case '\'':
            hexCharacter();
            return;
        case '\\':
        case '{':
        case '}':
            literal(char16_t(c));
            return;
        case '~':
            literal(u'\u00A0');
            return;
        case '_':
            literal(u'\u2011');
            return;
        case '\t':
            literal(u'\t');
            return;
        case '\r':
        case '\n':
            special(u"\r\n");
            return;
        case '*':
            m_ignorable = true;
            return;
        default:
            countSkipped(); // "\-" and the other symbols write nothing
            return;
        }
    }

    void controlWord()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_in.size() && std::isalpha(static_cast<unsigned char>(m_in[m_pos])))
            ++m_pos;
        const QByteArrayView word = QByteArrayView(m_in).sliced(start, m_pos - start);
        std::optional<qint64> parameter;
        bool negative = false;
        if (m_pos < m_in.size() && m_in[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        qint64 value = 0;
        int digits = 0;
        while (m_pos < m_in.size() && std::isdigit(static_cast<unsigned char>(m_in[m_pos]))) {
            if (value < 1'000'000'000'000)
                value = value * 10 + (m_in[m_pos] - '0');
            ++digits;
            ++m_pos;
        }
        if (digits > 0)
            parameter = negative ? -value : value;
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos;
        const bool ignorable = std::exchange(m_ignorable, false);
        const bool groupStart = m_groupStart;
        apply(word, parameter, ignorable, groupStart);
    }

    static int clampInt(std::optional<qint64> value, int fallback, int low, int high)
    {
        return value ? int(std::clamp<qint64>(*value, low, high)) : fallback;
    }

    void apply(QByteArrayView word, std::optional<qint64> parameter, bool ignorable,
               bool groupStart)
    {
        State& s = state();
        if (word == "bin") {
            // Binary data: its bytes are not RTF.
            m_pos +=
                std::min<qint64>(std::max<qint64>(parameter.value_or(0), 0), m_in.size() - m_pos);
            return;
        }
        if (s.destination == Destination::Skip)
            return;
        if (ignorable) {
            flush();
            s.destination =
                word == "mirandellf" && groupStart ? Destination::LineFeed : Destination::Skip;
            return;
        }
        if (isSkippedDestination(word)) {
            flush();
            s.destination = Destination::Skip;
            return;
        }
        if (word == "fonttbl") {
            s.destination = Destination::FontTable;
            return;
        }
        if (word == "colortbl") {
            s.destination = Destination::ColourTable;
            m_colourPending = {};
            return;
        }
        if (s.destination == Destination::ColourTable) {
            const int component = clampInt(parameter, 0, 0, 255);
            if (word == "red")
                m_colourPending = (m_colourPending & 0x00FFFF) | QRgb(component) << 16;
            else if (word == "green")
                m_colourPending = (m_colourPending & 0xFF00FF) | QRgb(component) << 8;
            else if (word == "blue")
                m_colourPending = (m_colourPending & 0xFFFF00) | QRgb(component);
            if (word == "red" || word == "green" || word == "blue")
                m_colourSet = true;
            return;
        }
        if (s.destination == Destination::FontTable) {
            if (word == "f") {
                commitFont();
                m_fontNumber = clampInt(parameter, 0, 0, 1 << 20);
            } else if (word == "u" || word == "uc") {
                characterControl(word, parameter); // a font name outside the code page
            }
            return;
        }
        characterControl(word, parameter);
    }

    void characterControl(QByteArrayView word, std::optional<qint64> parameter)
    {
        State& s = state();
        if (word == "f") {
            setState(s.font, clampInt(parameter, 0, 0, 1 << 20));
        } else if (word == "fs") {
            setState(s.halfPoints,
                     clampInt(parameter, 24, 2 * minimumPointSize, 2 * maximumPointSize));
        } else if (word == "cf") {
            setState(s.colour, clampInt(parameter, 0, 0, 1 << 20));
        } else if (word == "b") {
            setState(s.bold, parameter.value_or(1) != 0);
        } else if (word == "plain") {
            setState(s.font, -1);
            setState(s.halfPoints, 24);
            setState(s.colour, 0);
            setState(s.bold, false);
        } else if (word == "uc") {
            s.unicodeSkip = clampInt(parameter, 1, 0, 16);
        } else if (word == "u") {
            const int value = clampInt(parameter, u'?', -32768, 65535);
            literal(char16_t(value < 0 ? value + 65536 : value), true);
            m_unicodeSkipLeft = s.unicodeSkip;
            return;
        } else if (word == "deff") {
            m_defaultFont = clampInt(parameter, 0, 0, 1 << 20);
        } else if (word == "deftab") {
            if (parameter && *parameter > 0)
                m_defaultTab = clampInt(parameter, 720, 1, 1440 * 22);
        } else if (word == "pard" || word == "tx") {
            // Paragraph properties: the text takes the tab stops of its first paragraph.
            if (s.destination == Destination::Text) {
                if (word == "pard")
                    s.tabStops.clear();
                else if (parameter && s.tabStops.size() < 4 * StyledText::maximumTabStops)
                    s.tabStops.append(clampInt(parameter, 0, 0, StyledText::maximumTabStop + 1));
                m_lastTabStops = s.tabStops;
            }
        } else if (word == "par" || word == "line" || word == "page" || word == "sect" ||
                   word == "row") {
            special(u"\r\n");
            return;
        } else if (word == "tab" || word == "cell") {
            special(u"\t");
            return;
        } else if (word == "emdash") {
            special(u"\u2014");
            return;
        } else if (word == "endash") {
            special(u"\u2013");
            return;
        } else if (word == "bullet") {
            special(u"\u2022");
            return;
        } else if (word == "lquote") {
            special(u"\u2018");
            return;
        } else if (word == "rquote") {
            special(u"\u2019");
            return;
        } else if (word == "ldblquote") {
            special(u"\u201C");
            return;
        } else if (word == "rdblquote") {
            special(u"\u201D");
            return;
        }
        countSkipped();
    }

    template <typename T> void setState(T& field, T value)
    {
        if (field == value)
            return;
        flush();
        field = value;
    }

    void hexCharacter()
    {
        int value = 0;
        for (int i = 0; i < 2; ++i) {
            if (m_pos >= m_in.size())
                return;
            const int digit = QChar::fromLatin1(m_in[m_pos]).digitValue();
            const char c = char(std::tolower(static_cast<unsigned char>(m_in[m_pos])));
            const int hex = digit >= 0 ? digit : (c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1);
            if (hex < 0)
                return;
            value = value * 16 + hex;
            ++m_pos;
        }
        literal(cp1252::decode(static_cast<unsigned char>(value)), true);
    }

    void countSkipped()
    {
        if (m_unicodeSkipLeft > 0)
            --m_unicodeSkipLeft;
    }

    // A character written by a control word (\tab, \par...).
    void special(QStringView text)
    {
        if (m_unicodeSkipLeft > 0) {
            --m_unicodeSkipLeft;
            return;
        }
        if (state().destination != Destination::Text)
            return;
        if (text == u"\r\n" && !m_paragraphSeen) {
            m_firstTabStops = state().tabStops;
            m_paragraphSeen = true;
        }
        m_pending += text;
    }

    // A character of text; an `escaped` one (\'xx, \uN) never ends a table entry.
    void literal(char16_t unit, bool escaped = false)
    {
        if (m_unicodeSkipLeft > 0) {
            --m_unicodeSkipLeft;
            return;
        }
        switch (state().destination) {
        case Destination::Text:
            m_pending += QChar(unit);
            return;
        case Destination::FontTable:
            if (unit == u';' && !escaped)
                commitFont();
            else
                m_name += QChar(unit);
            return;
        case Destination::ColourTable:
            if (unit == u';' && !escaped) {
                m_colours.push_back(m_colourSet ? std::optional<QRgb>(m_colourPending)
                                                : std::nullopt);
                m_colourPending = 0;
                m_colourSet = false;
            }
            return;
        case Destination::LineFeed:
        case Destination::Skip:
            return;
        }
    }

    void commitFont()
    {
        if (m_fontNumber >= 0 && !m_fonts.contains(m_fontNumber))
            m_fonts.insert(m_fontNumber, m_name.trimmed());
        m_name.clear();
        m_fontNumber = -1;
    }

    TextAttributes attributes(const State& s) const
    {
        TextAttributes a;
        const int number = s.font >= 0 ? s.font : m_defaultFont;
        a.font = m_fonts.value(number, m_fonts.value(m_defaultFont, u"Arial"_s));
        a.size = std::clamp((s.halfPoints + 1) / 2, minimumPointSize, maximumPointSize);
        const std::size_t index = std::size_t(s.colour);
        a.colour = index > 0 && index < m_colours.size() && m_colours[index] ? *m_colours[index]
                                                                             : QRgb(0x000000);
        a.bold = s.bold;
        return a;
    }

    // Writes the text gathered under the current state.
    void flush()
    {
        if (m_pending.isEmpty())
            return;
        m_out.append(m_pending, attributes(state()));
        m_pending.clear();
    }

    const QByteArray& m_in;
    qsizetype m_pos = 0;
    std::vector<State> m_stack;
    bool m_groupStart = false;
    bool m_ignorable = false;
    int m_unicodeSkipLeft = 0;
    QString m_pending;
    StyledText m_out;

    QHash<int, QString> m_fonts;
    int m_fontNumber = -1;
    QString m_name;
    int m_defaultFont = 0;
    int m_defaultTab = 720;
    bool m_paragraphSeen = false;
    QList<int> m_firstTabStops; // in force at the first paragraph mark
    QList<int> m_lastTabStops;  // set last, for a text without a paragraph mark
    std::vector<std::optional<QRgb>> m_colours;
    QRgb m_colourPending = 0;
    bool m_colourSet = false;
};

StyledText readPlain(const QByteArray& bytes)
{
    QString text = cp1252::decode(bytes);
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    text.replace(u"\n"_s, u"\r\n"_s);
    StyledText out;
    out.append(text, TextAttributes{u"Arial"_s, 10, 0x000000, false});
    return out;
}

} // namespace

StyledText read(const QByteArray& bytes)
{
    const QByteArray start = bytes.left(64).trimmed();
    if (!start.startsWith("{\\rtf"))
        return readPlain(bytes);
    return Reader(bytes).run();
}

} // namespace mirandel::rtf
