// The rich-text reader over any bytes, and the writer over what it read.
//
// What must hold: the reader takes any bytes (it says rich text exactly when they begin with
// "{\rtf"); the document has a paragraph at least; its text is UTF-8 with tabs and line
// separators but no other control character; sizes stay positive and bounded; what the writer
// makes of the document reads back as the same document, and writing that again gives the same
// bytes; the plain text survives a trip through a plain-text document.
#include "support/FuzzSupport.h"

#include "core/reports/RichDocument.h"
#include "core/reports/RtfReader.h"
#include "core/reports/RtfWriter.h"

#include <cstdio>

namespace {

using namespace tavolim;
using namespace tavolim::core;

// Well-formed UTF-8 of scalar values (no surrogates, nothing past U+10FFFF, shortest forms).
bool validUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= s.size()) {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((d & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (d & 0x3F);
        }
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (cp < least[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += 1 + static_cast<std::size_t>(extra);
    }
    return true;
}

void checkDocument(const RichDocument& doc)
{
    FUZZ_CHECK(!doc.paragraphs.empty());
    for (const auto& p : doc.paragraphs) {
        for (const auto& run : p.runs) {
            FUZZ_CHECK(validUtf8(run.text));
            for (const char c : run.text) {
                FUZZ_CHECK(c == '\t' || static_cast<unsigned char>(c) >= 0x20);
            }
            FUZZ_CHECK(validUtf8(run.format.font));
            FUZZ_CHECK(run.format.halfPoints > 0 && run.format.halfPoints <= 3276);
        }
        FUZZ_CHECK(p.mark.halfPoints > 0 && p.mark.halfPoints <= 3276);
    }
}

// The document as lines, for the report of a failed round trip.
void dump(const char* title, const RichDocument& doc)
{
    std::fprintf(stderr, "%s:\n", title);
    for (const auto& p : doc.paragraphs) {
        std::fprintf(stderr, " paragrafo alinhamento %d marcador %d\n",
                     static_cast<int>(p.alignment), p.bullet ? 1 : 0);
        for (const auto& r : p.runs) {
            std::fprintf(stderr, "  [%s|%d|%d%d%d|%s] '%s'\n", r.format.font.c_str(),
                         r.format.halfPoints, r.format.bold, r.format.italic, r.format.underline,
                         r.format.colour ? "cor" : "-", r.text.c_str());
        }
        std::fprintf(stderr, "  marca [%s|%d]\n", p.mark.font.c_str(), p.mark.halfPoints);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = parseRtf(bytes);
    FUZZ_CHECK(read.isRtf == bytes.starts_with("{\\rtf"));
    checkDocument(read.document);

    const std::string written = writeRtf(read.document);
    const auto again = parseRtf(written);
    FUZZ_CHECK(again.isRtf && again.complete);
    if (!(again.document == read.document)) {
        dump("lido", read.document);
        std::fprintf(stderr, "escrito: %s\n", written.c_str());
        dump("relido", again.document);
    }
    FUZZ_CHECK(again.document == read.document);
    FUZZ_CHECK(writeRtf(again.document) == written);

    const std::string plain = plainText(read.document);
    FUZZ_CHECK(plainText(documentFromPlainText(plain, TextFormat{})) == plain);
    return 0;
}
