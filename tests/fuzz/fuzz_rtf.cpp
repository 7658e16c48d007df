// The Rich Text Format reader and writer.
//
// The first byte chooses. Bit 0 clear: the rest is a file for the reader (bit 1 set puts
// "{\rtf1 " before it, so the fuzzer starts inside RTF); whatever it reads keeps the shape
// of styled text, is at most two characters per input byte, and comes back unchanged when
// written and read again. Bit 0 set: the rest drives a listing document (lines, coloured
// lines, ranges with any attributes), whose file reads back as the same text with the same
// attributes on every character.

#include "fuzzkit.h"
#include "styledcheck.h"

#include "common/error.h"
#include "listings/listingdocument.h"
#include "listings/rtfreader.h"
#include "listings/rtfwriter.h"

using namespace mirandel;

namespace {

void readAnything(fuzz::Input& in, bool rtfStart)
{
    QByteArray bytes = in.rest();
    if (rtfStart)
        bytes.prepend("{\\rtf1 ");
    const StyledText read = rtf::read(bytes);
    fuzz::checkStyled(read);
    FUZZ_CHECK(read.length() <= 2 * bytes.size());

    fuzz::checkSame(read, rtf::read(rtf::write(read)), "written and read again");
}

AttributeChange anyChange(fuzz::Input& in)
{
    static const char* const fonts[] = {"MS Sans Serif", "arial", "Arial", "Courier New", ""};
    AttributeChange change;
    const std::uint8_t listed = in.byte();
    if (listed & 1) {
        // Blanks around a font name are not kept by the reader, as word processors put
        // some there.
        change.font = (listed & 16) ? in.anyText(24).trimmed()
                                    : QString::fromLatin1(fonts[in.byte() % std::size(fonts)]);
    }
    if (listed & 2)
        change.size = (listed & 32) ? in.i32() : in.between(1, 80);
    if (listed & 4)
        change.colour = in.u32();
    if (listed & 8)
        change.bold = in.flag();
    return change;
}

void roundTripDocument(fuzz::Input& in)
{
    ListingDocument doc;
    if (in.flag())
        doc.clear();
    for (int op = 0; op < 64 && !in.empty(); ++op) {
        try {
            switch (in.byte() % 3) {
            case 0:
                doc.addLine(in.anyText(80));
                break;
            case 1: {
                const QRgb colour = in.u32();
                doc.addColouredLine(in.anyText(80), colour);
                break;
            }
            default: {
                const int start = in.between(-4, doc.length() + 4);
                const int length = in.between(-4, 300);
                doc.formatRange(start, length, anyChange(in));
                break;
            }
            }
        } catch (const MirandelError&) {
            // A full document refuses the line; the text so far is still written.
        }
    }
    const StyledText& content = doc.content();
    fuzz::checkStyled(content);
    const QByteArray file = rtf::write(content);
    for (char c : file)
        FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80);
    fuzz::checkSame(content, rtf::read(file), "listing document read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const std::uint8_t mode = in.byte();
    if (mode & 1)
        roundTripDocument(in);
    else
        readAnything(in, (mode & 2) != 0);
    return 0;
}
