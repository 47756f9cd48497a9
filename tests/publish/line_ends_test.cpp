#include "publish/line_ends.h"

#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const char* Name(LineEndTranslation translation)
{
    switch (translation) {
    case LineEndTranslation::ThirtyTwoBytes:
        return "32 bytes at a time";
    case LineEndTranslation::SixteenBytes:
        return "16 bytes at a time";
    case LineEndTranslation::ByteByByte:
        return "byte by byte";
    }
    return "unknown";
}

std::string Translated(LineEndTranslation translation, const std::string& text)
{
    std::string room(LineEndRoom(text.size()), '?');
    const char* const end = TranslateLineEnds(translation, text, room.data());
    room.resize(static_cast<std::size_t>(end - room.data()));
    return room;
}

// Every way this processor runs is checked, not only the fastest that the writer takes.
const std::vector<LineEndTranslation>& Ways()
{
    static const std::vector<LineEndTranslation> ways = SupportedLineEndTranslations();
    return ways;
}

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
    for (const LineEndTranslation way : Ways())
        EXPECT_EQ(Translated(way, GetParam().text), GetParam().expanded) << Name(way);
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

TEST(LineEnds, ByteByByteRunsEverywhere)
{
    EXPECT_EQ(Ways().back(), LineEndTranslation::ByteByByte);
}

TEST(LineEnds, StayWithinTheRoomTheyAskFor)
{
    // Block stores go past the translation's end, but never past the room it was given.
    for (const LineEndTranslation way : Ways()) {
        for (const std::string& text : {std::string(40, '\n'), std::string(64, '\n'), std::string(32, '\n') + "xxxxxxx",
                                        std::string(41, 'x'), std::string(65, 'x'), std::string("a\nb\nc\nd\ne\nf\ng\nh\n"),
                                        std::string(31, 'x') + std::string(33, '\n')}) {
            std::string room(LineEndRoom(text.size()) + 8, '#');
            TranslateLineEnds(way, text, room.data());
            EXPECT_EQ(room.substr(LineEndRoom(text.size())), "########") << Name(way) << ": " << text;
        }
    }
}

// Texts of every length up to a few hundred bytes, with line feeds sparse, dense and in runs,
// against the plain translation; the fast ways work in blocks of 16 and 32 bytes.
TEST(LineEnds, MatchTheTranslationForManyTexts)
{
    for (const LineEndTranslation way : Ways()) {
        std::mt19937 random(20261211);
        for (const int lineFeedsPerHundred : {0, 1, 10, 50, 90, 100}) {
            for (std::size_t length = 0; length < 300; ++length) {
                std::string text;
                for (std::size_t index = 0; index < length; ++index)
                    text += static_cast<int>(random() % 100) < lineFeedsPerHundred ? '\n' : static_cast<char>('a' + random() % 26);
                ASSERT_EQ(Translated(way, text), OnDisk(text))
                    << Name(way) << ", length " << length << ", " << lineFeedsPerHundred << "% line feeds";
            }
        }
    }
}

TEST(LineEnds, LongLinesAndLongRunsOfLineFeeds)
{
    for (const LineEndTranslation way : Ways()) {
        for (const std::string& text : {std::string(100000, 'x') + "\n" + std::string(100000, 'y'),
                                        std::string(100000, '\n'), "\n" + std::string(100000, 'z') + "\n"}) {
            EXPECT_EQ(Translated(way, text), OnDisk(text)) << Name(way);
        }
    }
}

} // namespace
