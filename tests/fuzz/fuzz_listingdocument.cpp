// The listing document under any sequence of Clear, Add line, Add coloured line and Format
// range, with any start, length and attributes (huge and negative ones too).
//
// A model keeps the attributes of every position and the insertion attributes as the
// header states them; after each operation the document must hold the model's text and
// attributes, keep the shape of styled text and never pass 65,536 positions. A line that
// does not fit is refused with the document unchanged.

#include "fuzzkit.h"
#include "styledcheck.h"

#include "common/error.h"
#include "listings/listingdocument.h"

#include <algorithm>
#include <limits>
#include <map>
#include <tuple>

using namespace mirandel;

namespace {

class Model
{
public:
    Model() { add(QStringLiteral("RichEdit1")); }

    void clear()
    {
        m_text.clear();
        m_ids.clear();
        m_insertion = TextAttributes();
    }

    bool fits(const QString& line) const
    {
        return qint64(m_text.size()) + line.size() + 2 <= ListingDocument::capacity;
    }

    void add(const QString& line)
    {
        m_text += line + QStringLiteral("\r\n");
        m_ids.resize(std::size_t(m_text.size()), intern(m_insertion));
    }

    void colour(QRgb colour)
    {
        m_insertion.font = QStringLiteral("MS Sans Serif");
        m_insertion.size = 8;
        m_insertion.colour = colour & 0xFFFFFF;
    }

    // Positions start .. start + length - 1 that lie in the document take the change;
    // a range that reaches the end (or lies past it) also changes the insertion.
    void format(int start, int length, const AttributeChange& change)
    {
        const qint64 from = std::max<qint64>(start, 0);
        const qint64 to = std::max<qint64>(qint64(start) + std::max(length, 0), from);
        const qint64 size = m_text.size();
        // Neighbours mostly share their attributes: the last id changed is remembered.
        std::uint32_t was = 0;
        std::uint32_t now = 0;
        bool known = false;
        for (qint64 p = from; p < std::min(to, size); ++p) {
            std::uint32_t& id = m_ids[std::size_t(p)];
            if (!known || id != was) {
                was = id;
                now = intern(changedBy(change, m_pool[id]));
                known = true;
            }
            id = now;
        }
        if (to >= size)
            m_insertion = changedBy(change, m_insertion);
    }

    void check(const ListingDocument& doc) const
    {
        FUZZ_CHECK(doc.text() == m_text);
        FUZZ_CHECK(doc.length() == m_text.size());
        FUZZ_CHECK(doc.length() <= ListingDocument::capacity);
        FUZZ_CHECK(doc.insertionAttributes() == m_insertion);
        const StyledText& content = doc.content();
        fuzz::checkStyled(content);
        for (std::size_t r = 0; r < content.runs().size(); ++r) {
            const int start = content.runs()[r].start;
            FUZZ_CHECK(m_pool[m_ids[std::size_t(start)]] == content.runs()[r].attributes);
            for (int p = start + 1; p < content.runEnd(r); ++p)
                FUZZ_CHECK(m_ids[std::size_t(p)] == m_ids[std::size_t(start)]);
        }
    }

private:
    static TextAttributes changedBy(const AttributeChange& change, TextAttributes a)
    {
        if (change.font)
            a.font = *change.font;
        if (change.size)
            a.size = std::min(std::max(*change.size, 1), 1638);
        if (change.colour)
            a.colour = *change.colour % 0x1000000u;
        if (change.bold)
            a.bold = *change.bold;
        return a;
    }

    std::uint32_t intern(const TextAttributes& a)
    {
        const auto key = std::make_tuple(a.font, a.size, a.colour, a.bold);
        const auto [it, added] = m_index.emplace(key, std::uint32_t(m_pool.size()));
        if (added)
            m_pool.push_back(a);
        return it->second;
    }

    QString m_text;
    std::vector<std::uint32_t> m_ids; // per position, an index into m_pool
    TextAttributes m_insertion;
    std::vector<TextAttributes> m_pool;
    std::map<std::tuple<QString, int, QRgb, bool>, std::uint32_t> m_index;
};

int anyPosition(fuzz::Input& in, int documentLength)
{
    switch (in.byte() % 4) {
    case 0:
        return in.between(-3, documentLength + 3);
    case 1:
        return in.i32();
    case 2:
        return in.flag() ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
    default:
        return in.between(-300, 300);
    }
}

AttributeChange anyChange(fuzz::Input& in)
{
    AttributeChange change;
    const std::uint8_t listed = in.byte();
    if (listed & 1)
        change.font = in.text(in.count(12), fuzz::Input::Encoding::Latin1);
    if (listed & 2)
        change.size = (listed & 16) ? in.i32() : in.between(-2, 40);
    if (listed & 4)
        change.colour = in.u32();
    if (listed & 8)
        change.bold = in.flag();
    return change;
}

QString anyLine(fuzz::Input& in)
{
    const QString piece = in.anyText(16);
    // Now and then a long line, so the capacity is reached in few operations.
    const int repeat = in.byte() < 32 ? in.between(0, 40000) / std::max<int>(piece.size(), 1) : 1;
    return piece.repeated(repeat);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    ListingDocument doc;
    Model model;
    model.check(doc);
    for (int op = 0; op < 48 && !in.empty(); ++op) {
        switch (in.byte() % 5) {
        case 0:
            doc.clear();
            model.clear();
            break;
        case 1:
        case 2: {
            const bool coloured = in.flag();
            const QRgb colour = in.u32();
            const QString line = anyLine(in);
            if (coloured)
                model.colour(colour);
            const bool fits = model.fits(line);
            try {
                if (coloured)
                    doc.addColouredLine(line, colour);
                else
                    doc.addLine(line);
                FUZZ_CHECK(fits);
                model.add(line);
            } catch (const MirandelError& error) {
                FUZZ_CHECK(!fits);
                FUZZ_CHECK(error.message() ==
                           QString::fromUtf8("Erreur d'insertion de ligne RichEdit"));
            }
            break;
        }
        default: {
            const int start = anyPosition(in, doc.length());
            const int length = anyPosition(in, doc.length());
            const AttributeChange change = anyChange(in);
            doc.formatRange(start, length, change);
            model.format(start, length, change);
            break;
        }
        }
        model.check(doc);
    }
    if (!doc.text().isEmpty())
        FUZZ_CHECK(doc.lines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n") == doc.text());
    return 0;
}
