#include "publish/line_ends.h"

#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct LineEndCase
{
    const char* name;
    std::string text;
    std::string expanded;
};

class LineEnds : public testing::TestWithParam<LineEndCase>
{
};

TEST_P(LineEnds, EveryLineFeedGainsACarriageReturn)
{
    std::string text = GetParam().text;
    ExpandLineEnds(text);
    EXPECT_EQ(text, GetParam().expanded);
}

const LineEndCase kLineEndCases[] = {
    {"Empty", "", ""},
    {"NoLineFeed", "</db>", "</db>"},
    {"OnlyLineFeed", "\n", "\r\n"},
    {"TwoLineFeeds", "\n\n", "\r\n\r\n"},
    {"Lines", "<db>\n\n</db>", "<db>\r\n\r\n</db>"},
    {"FinalLineFeed", "a\nb\n", "a\r\nb\r\n"},
    {"CarriageReturnAlreadyThere", "a\r\nb", "a\r\r\nb"},
    {"LoneCarriageReturn", "a\rb", "a\rb"},
    {"EmbeddedZero", std::string("\0\n\0", 3), std::string("\0\r\n\0", 4)},
};

INSTANTIATE_TEST_SUITE_P(Cases, LineEnds, testing::ValuesIn(kLineEndCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LineEnds, GrowInPlaceWhenRoomIsReserved)
{
    std::string text;
    text.reserve(4000);
    for (int line = 0; line < 100; ++line)
        text += "line " + std::to_string(line) + "\n";
    const std::string expected = OnDisk(text);
    const char* const before = text.data();
    ExpandLineEnds(text);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.data(), before);
}

// Texts of every length up to a few hundred bytes, with line feeds sparse, dense and in runs,
// against the plain byte-by-byte translation; the expansion moves the text in blocks from its end.
TEST(LineEnds, MatchTheTranslationForManyTexts)
{
    std::mt19937 random(20261211);
    for (const int lineFeedsPerHundred : {0, 1, 10, 50, 90, 100}) {
        for (std::size_t length = 0; length < 300; ++length) {
            std::string text;
            for (std::size_t index = 0; index < length; ++index)
                text += static_cast<int>(random() % 100) < lineFeedsPerHundred ? '\n' : static_cast<char>('a' + random() % 26);
            const std::string expected = OnDisk(text);
            ExpandLineEnds(text);
            ASSERT_EQ(text, expected) << "length " << length << ", " << lineFeedsPerHundred << "% line feeds";
        }
    }
}

TEST(LineEnds, LongLinesAndLongRunsOfLineFeeds)
{
    for (const std::string& text : {std::string(100000, 'x') + "\n" + std::string(100000, 'y'),
                                    std::string(100000, '\n'), "\n" + std::string(100000, 'z') + "\n"}) {
        std::string expanded = text;
        ExpandLineEnds(expanded);
        EXPECT_EQ(expanded, OnDisk(text));
    }
}

} // namespace
