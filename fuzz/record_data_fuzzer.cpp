// Feeds BuildRecordData rows of arbitrary bytes and checks that db.xml, as written to disk, is
// well-formed XML that gives back every cell: exactly, where the cell is UTF-8 made of XML
// characters, and otherwise with each maximal ill-formed UTF-8 subsequence and each character
// XML cannot carry replaced by U+FFFD. The expected cells come from a decoder of its own, written
// after the WHATWG Encoding Standard's UTF-8 decoder.

#include "publish/line_ends.h"
#include "publish/record_data.h"

#include <QXmlStreamReader>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsXmlCharacter(char32_t character)
{
    return character == 0x9 || character == 0xA || character == 0xD || (character >= 0x20 && character <= 0xD7FF)
           || (character >= 0xE000 && character <= 0xFFFD) || (character >= 0x10000 && character <= 0x10FFFF);
}

std::u32string ExpectedCharacters(const std::string& cell)
{
    std::u32string characters;
    auto add = [&characters](char32_t character) {
        characters += IsXmlCharacter(character) ? character : kReplacement;
    };
    char32_t codePoint = 0;
    int needed = 0;
    int seen = 0;
    unsigned lower = 0x80;
    unsigned upper = 0xBF;
    for (std::size_t index = 0; index < cell.size(); ++index) {
        const unsigned byte = static_cast<unsigned char>(cell[index]);
        if (needed == 0) {
            if (byte <= 0x7F) {
                add(byte);
            } else if (byte >= 0xC2 && byte <= 0xDF) {
                needed = 1;
                codePoint = byte & 0x1F;
            } else if (byte >= 0xE0 && byte <= 0xEF) {
                if (byte == 0xE0)
                    lower = 0xA0;
                if (byte == 0xED)
                    upper = 0x9F;
                needed = 2;
                codePoint = byte & 0xF;
            } else if (byte >= 0xF0 && byte <= 0xF4) {
                if (byte == 0xF0)
                    lower = 0x90;
                if (byte == 0xF4)
                    upper = 0x8F;
                needed = 3;
                codePoint = byte & 0x7;
            } else {
                add(kReplacement);
            }
            continue;
        }
        if (byte < lower || byte > upper) {
            codePoint = 0;
            needed = seen = 0;
            lower = 0x80;
            upper = 0xBF;
            add(kReplacement);
            --index; // the byte starts afresh
            continue;
        }
        lower = 0x80;
        upper = 0xBF;
        codePoint = (codePoint << 6) | (byte & 0x3F);
        if (++seen == needed) {
            add(codePoint);
            codePoint = 0;
            needed = seen = 0;
        }
    }
    if (needed != 0)
        add(kReplacement);
    return characters;
}

[[noreturn]] void Fail(const char* what, const std::string& detail = {})
{
    std::fprintf(stderr, "record data fuzzer: %s %s\n", what, detail.c_str());
    std::abort();
}

std::vector<std::u32string> ReadCells(const std::string& bytes, std::size_t rowCount)
{
    QXmlStreamReader reader(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    std::vector<std::u32string> cells;
    if (reader.readNext() != QXmlStreamReader::StartDocument || reader.documentEncoding() != u"UTF-8")
        Fail("no UTF-8 declaration");
    if (!reader.readNextStartElement() || reader.name() != u"db")
        Fail("no db root element", reader.errorString().toStdString());
    while (reader.readNextStartElement()) {
        if (reader.name() != u"dbparent")
            Fail("unexpected element", reader.name().toString().toStdString());
        for (int field = 1; field <= 4; ++field) {
            if (!reader.readNextStartElement() || reader.name() != QString("fld%1").arg(field))
                Fail("field element missing", reader.errorString().toStdString());
            const QList<uint> characters = reader.readElementText().toUcs4();
            cells.emplace_back(characters.begin(), characters.end());
        }
        if (reader.readNextStartElement())
            Fail("extra element in a record");
    }
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError())
        Fail("not well-formed:", reader.errorString().toStdString());
    if (cells.size() != 4 * rowCount)
        Fail("records lost");
    return cells;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    std::vector<Record> rows(provider.ConsumeIntegralInRange<std::size_t>(0, 4));
    for (auto& row : rows)
        for (auto& cell : row)
            cell = provider.ConsumeRandomLengthString(size);

    const std::string built = BuildRecordData(rows);
    std::string text(LineEndRoom(built.size()), '\0');
    text.resize(static_cast<std::size_t>(TranslateLineEnds(built, text.data()) - text.data()));
    const auto cells = ReadCells(text, rows.size());
    for (std::size_t index = 0; index < cells.size(); ++index)
        if (cells[index] != ExpectedCharacters(rows[index / 4][index % 4]))
            Fail("cell not read back", rows[index / 4][index % 4]);
    return 0;
}
