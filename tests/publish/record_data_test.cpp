#include "publish/record_data.h"

#include "tests/support/test_folder.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::string kEmptyDocument = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<db>\n\n</db>";

const std::string kAppleRecord = "\n<dbparent>\n"
                                 "<fld1>Apple</fld1>\n"
                                 "<fld2>Red</fld2>\n"
                                 "<fld3></fld3>\n"
                                 "<fld4></fld4>\n"
                                 "</dbparent>\n";

const std::string kLemonRecord = "\n<dbparent>\n"
                                 "<fld1>Lemon</fld1>\n"
                                 "<fld2>Yellow</fld2>\n"
                                 "<fld3></fld3>\n"
                                 "<fld4></fld4>\n"
                                 "</dbparent>\n";

// The document for cells that need no escaping, laid out line by line: the declaration, <db>,
// per record an empty line, <dbparent>, one line per field and </dbparent>, an empty line, </db>.
std::string PlainDocument(const std::vector<Record>& rows)
{
    std::string document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<db>\n";
    for (const auto& row : rows) {
        document += "\n<dbparent>\n";
        for (int field = 1; field <= 4; ++field) {
            const std::string name = "fld" + std::to_string(field);
            document += "<" + name + ">" + row[field - 1] + "</" + name + ">" + (field < 4 ? "\n" : "");
        }
        document += "\n</dbparent>\n";
    }
    return document + "\n</db>";
}

TEST(RecordData, EmptyListGivesTheBareDocument)
{
    const std::string text = BuildRecordData({});
    EXPECT_EQ(text, kEmptyDocument);
    EXPECT_EQ(text.size(), 50u);
    EXPECT_EQ(OnDisk(text).size(), 53u);
}

TEST(RecordData, WorkedExamples)
{
    const std::string apple = BuildRecordData({{"Apple", "Red", "", ""}});
    EXPECT_EQ(apple, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<db>\n" + kAppleRecord + "\n</db>");
    EXPECT_EQ(apple.size(), 138u);
    EXPECT_EQ(std::count(apple.begin(), apple.end(), '\n') + 1, 11);
    EXPECT_EQ(OnDisk(apple).size(), 148u);

    const std::string both = BuildRecordData({{"Apple", "Red", "", ""}, {"Lemon", "Yellow", "", ""}});
    EXPECT_EQ(both, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<db>\n" + kAppleRecord + kLemonRecord + "\n</db>");
    EXPECT_EQ(OnDisk(both).size(), 246u);
}

struct PlainCase
{
    const char* name;
    std::vector<Record> rows;
};

class RecordDataPlainCells : public testing::TestWithParam<PlainCase>
{
};

TEST_P(RecordDataPlainCells, GoInByteForByte)
{
    const auto& rows = GetParam().rows;
    const std::string text = BuildRecordData(rows);
    EXPECT_EQ(text, PlainDocument(rows));

    std::size_t cellBytes = 0;
    for (const auto& row : rows)
        for (const auto& cell : row)
            cellBytes += cell.size() + static_cast<std::size_t>(std::count(cell.begin(), cell.end(), '\n'));
    EXPECT_EQ(OnDisk(text).size(), 53 + 87 * rows.size() + cellBytes);
}

const PlainCase kPlainCases[] = {
    {"TwoCategoriesOnly", {{"Name", "Address", "", ""}, {"Ann", "1 Main St", "", ""}}},
    {"FourCategories", {{"a", "b", "c", "d"}}},
    {"PercentSigns", {{"100%", "%s", "%d%n%x", "%s%s%s%s"}}},
    {"Quotes", {{"\"quoted\"", "it's", "'\"'", "`"}}},
    {"BlanksAtTheEnds", {{" lead", "trail ", "  both  ", " "}}},
    {"TabsAndLineFeeds", {{"a\tb", "line 1\nline 2", "\n", "\t"}}},
    {"NonAscii", {{"Größe", "цвет", "名前", "😀 U+FFFD \xEF\xBF\xBD"}}},
    {"EqualRecordsKeptInOrder", {{"b", "", "", ""}, {"a", "", "", ""}, {"b", "", "", ""}}},
    {"DeleteAndMarkupLookalikes", {{"\x7F", "#x26;", "a]]b", "/"}}},
};

INSTANTIATE_TEST_SUITE_P(Cells, RecordDataPlainCells, testing::ValuesIn(kPlainCases),
                         [](const auto& info) { return std::string(info.param.name); });

std::string Replacements(int count)
{
    std::string replaced;
    for (int replacement = 0; replacement < count; ++replacement)
        replaced += "\xEF\xBF\xBD";
    return replaced;
}

struct EscapeCase
{
    const char* name;
    std::string cell;
    std::string written; // as it stands between the tags
    std::string readBack; // as an XML reader gives it back
};

const EscapeCase kEscapeCases[] = {
    {"Ampersand", "Fish & Chips", "Fish &amp; Chips", "Fish & Chips"},
    {"LessThan", "a<b", "a&lt;b", "a<b"},
    {"GreaterThan", "a>b", "a&gt;b", "a>b"},
    {"MarkupLookingCell", "<fld1>x</fld1>", "&lt;fld1&gt;x&lt;/fld1&gt;", "<fld1>x</fld1>"},
    {"EntityLookingCell", "&amp;&lt;", "&amp;amp;&amp;lt;", "&amp;&lt;"},
    {"CdataEnd", "]]>", "]]&gt;", "]]>"},
    {"CarriageReturn", "a\rb", "a&#13;b", "a\rb"},
    {"CarriageReturnLineFeed", "a\r\nb", "a&#13;\nb", "a\r\nb"},
    {"StartOfHeading", "a\x01z", "a\xEF\xBF\xBDz", "a\xEF\xBF\xBDz"},
    {"Zero", std::string("a\0z", 3), "a\xEF\xBF\xBDz", "a\xEF\xBF\xBDz"},
    {"EveryOtherC0Control",
     std::string("\x00\x01\x02\x03\x04\x05\x06\x07\x08\x0B\x0C\x0E\x0F\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B"
                 "\x1C\x1D\x1E\x1F",
                 29),
     Replacements(29), Replacements(29)},
    {"NoncharacterFFFE", "a\xEF\xBF\xBEz", "a\xEF\xBF\xBDz", "a\xEF\xBF\xBDz"},
    {"NoncharacterFFFF", "\xEF\xBF\xBF", "\xEF\xBF\xBD", "\xEF\xBF\xBD"},
    // Ill-formed UTF-8: each maximal ill-formed subsequence becomes one U+FFFD. The first case is
    // the example of the Unicode Standard, section 3.9.
    {"UnicodeStandardExample", "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
     "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD" "b\xEF\xBF\xBD" "c\xEF\xBF\xBD\xEF\xBF\xBD" "d",
     "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD" "b\xEF\xBF\xBD" "c\xEF\xBF\xBD\xEF\xBF\xBD" "d"},
    {"Latin1Byte", "caf\xE9", "caf\xEF\xBF\xBD", "caf\xEF\xBF\xBD"},
    {"TruncatedAtCellEnd", "ab\xE2\x82", "ab\xEF\xBF\xBD", "ab\xEF\xBF\xBD"},
    {"OverlongSlash", "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD", "\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"OverlongThreeBytes", "\xE0\x80\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD",
     "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"Surrogate", "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"BeyondU10FFFF", "\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD",
     "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"NeverALeadByte", "\xF5\xFF<", "\xEF\xBF\xBD\xEF\xBF\xBD&lt;", "\xEF\xBF\xBD\xEF\xBF\xBD<"},
    {"InvalidThenMarkup", "\xE2\x82&", "\xEF\xBF\xBD&amp;", "\xEF\xBF\xBD&"},
};

class RecordDataEscapedCells : public testing::TestWithParam<EscapeCase>
{
};

TEST_P(RecordDataEscapedCells, AreWrittenAsXmlCharacterData)
{
    for (std::size_t field = 0; field < 4; ++field) {
        Record row {"x", "", "", ""};
        row[field] = GetParam().cell;
        Record written = row;
        written[field] = GetParam().written;
        EXPECT_EQ(BuildRecordData({row}), PlainDocument({written})) << "field " << field + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, RecordDataEscapedCells, testing::ValuesIn(kEscapeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Reads db.xml as it stands on disk with Qt's XML reader, which checks well-formedness, the
// encoding and the characters; gives the records, or the reader's complaint.
struct ReadBack
{
    std::vector<Record> rows;
    std::string error;
};

ReadBack ReadRecordData(const std::string& bytes)
{
    QXmlStreamReader reader(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
    ReadBack result;
    auto fail = [&](const std::string& what) {
        result.error = what + " (" + reader.errorString().toStdString() + ")";
        return result;
    };
    if (reader.readNext() != QXmlStreamReader::StartDocument || reader.documentEncoding() != u"UTF-8")
        return fail("not declared UTF-8");
    if (!reader.readNextStartElement() || reader.name() != u"db")
        return fail("no db root element");
    while (reader.readNextStartElement()) {
        if (reader.name() != u"dbparent")
            return fail("unexpected element " + reader.name().toString().toStdString());
        Record row;
        for (std::size_t field = 0; field < row.size(); ++field) {
            if (!reader.readNextStartElement() || reader.name() != QString("fld%1").arg(field + 1))
                return fail("field element missing");
            row[field] = reader.readElementText().toStdString();
        }
        if (reader.readNextStartElement())
            return fail("extra element in a record");
        result.rows.push_back(row);
    }
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError())
        return fail("not well-formed");
    return result;
}

TEST(RecordDataReadBack, ReaderRejectsRawMarkupCharacters)
{
    // The reader must catch what the escaping mends, or the round trips below prove nothing.
    EXPECT_NE(ReadRecordData(OnDisk(PlainDocument({{"Fish & Chips", "", "", ""}}))).error, "");
    EXPECT_NE(ReadRecordData(OnDisk(PlainDocument({{"a<b", "", "", ""}}))).error, "");
    EXPECT_NE(ReadRecordData(OnDisk(PlainDocument({{"\x01", "", "", ""}}))).error, "");
    EXPECT_NE(ReadRecordData(OnDisk(PlainDocument({{"caf\xE9", "", "", ""}}))).error, "");
}

TEST(RecordDataReadBack, EveryNastyCellComesBack)
{
    std::vector<Record> rows;
    std::vector<Record> expected;
    for (const auto& escape : kEscapeCases) {
        rows.push_back({escape.cell, "(" + escape.cell + ")", "", escape.cell + escape.cell});
        expected.push_back({escape.readBack, "(" + escape.readBack + ")", "", escape.readBack + escape.readBack});
    }
    for (const auto& plain : kPlainCases)
        for (const auto& row : plain.rows) {
            rows.push_back(row);
            expected.push_back(row);
        }

    const ReadBack readBack = ReadRecordData(OnDisk(BuildRecordData(rows)));
    ASSERT_EQ(readBack.error, "");
    ASSERT_EQ(readBack.rows.size(), expected.size());
    for (std::size_t row = 0; row < rows.size(); ++row)
        EXPECT_EQ(readBack.rows[row], expected[row]) << "row " << row;
}

TEST(RecordDataReadBack, EmptyListHasNoRecord)
{
    const ReadBack readBack = ReadRecordData(OnDisk(BuildRecordData({})));
    EXPECT_EQ(readBack.error, "");
    EXPECT_TRUE(readBack.rows.empty());
}

TEST(RecordData, MegabyteCell)
{
    std::string cell;
    while (cell.size() < 1'000'000)
        cell += "Apple, Größe 12; ";
    const Record row {cell, "Red", "", cell};
    const std::string text = BuildRecordData({row});
    EXPECT_EQ(text, PlainDocument({row}));
    EXPECT_EQ(OnDisk(text).size(), 53 + 87 + 2 * cell.size() + 3);

    const ReadBack readBack = ReadRecordData(OnDisk(text));
    ASSERT_EQ(readBack.error, "");
    ASSERT_EQ(readBack.rows.size(), 1u);
    EXPECT_EQ(readBack.rows[0], row);
}

TEST(RecordData, MegabyteCellOfMarkup)
{
    const std::string cell(1'000'000, '&');
    const ReadBack readBack = ReadRecordData(OnDisk(BuildRecordData({{cell, "<", ">", ""}})));
    ASSERT_EQ(readBack.error, "");
    ASSERT_EQ(readBack.rows.size(), 1u);
    EXPECT_EQ(readBack.rows[0], (Record {cell, "<", ">", ""}));
}

TEST(RecordData, SameRowsGiveTheSameText)
{
    const std::vector<Record> rows {{"a", "b", "c", "d"}, {"&", "<", "\r", "\x01"}};
    EXPECT_EQ(BuildRecordData(rows), BuildRecordData(rows));
}

} // namespace
