#include "publish/line_ends.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#define TABLOOM_SHUFFLE_EXPANSION 1
#endif

// The text is moved up from its end: source is the end of what is still to be moved, target
// where it ends once moved, and target - source is the number of line feeds before source.

namespace {

// One line at a time, last first; fast where lines are long.
void ExpandLineByLine(char* start, char* source, char* target)
{
    while (source != target) {
        char* const lineFeed = static_cast<char*>(::memrchr(start, '\n', static_cast<std::size_t>(source - start)));
        const auto lineLength = static_cast<std::size_t>(source - lineFeed - 1);
        target -= lineLength;
        std::memmove(target, lineFeed + 1, lineLength);
        *--target = '\n';
        *--target = '\r';
        source = lineFeed;
    }
}

#ifdef TABLOOM_SHUFFLE_EXPANSION

// For each pattern of line feeds among eight bytes: the byte shuffle that spreads the eight bytes
// over the last 8 + n bytes of sixteen with a gap before each line feed, and the carriage returns
// that fill the gaps.
struct ShuffleTables
{
    alignas(16) unsigned char shuffle[256][16];
    alignas(16) unsigned char carriageReturns[256][16];
};

constexpr ShuffleTables MakeShuffleTables()
{
    ShuffleTables tables {};
    for (int lineFeeds = 0; lineFeeds < 256; ++lineFeeds) {
        int length = 8 + __builtin_popcount(static_cast<unsigned>(lineFeeds));
        int position = 16 - length;
        for (int index = 0; index < 16; ++index)
            tables.shuffle[lineFeeds][index] = 0x80; // gives a zero byte
        for (int byte = 0; byte < 8; ++byte) {
            if (lineFeeds >> byte & 1)
                tables.carriageReturns[lineFeeds][position++] = '\r';
            tables.shuffle[lineFeeds][position++] = static_cast<unsigned char>(byte);
        }
    }
    return tables;
}

constexpr ShuffleTables kShuffleTables = MakeShuffleTables();

// Eight bytes at a time, each stored as sixteen whose first bytes are overwritten later; stops
// while eight line feeds are still ahead, so that those first bytes never reach unmoved text.
__attribute__((target("ssse3,popcnt"))) void ExpandEightBytesAtATime(const char* start, char*& source, char*& target)
{
    const __m128i lineFeed = _mm_set1_epi8('\n');
    while (source - start >= 8) {
        const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source - 8));
        const auto lineFeeds = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeed))) & 0xFF;
        const auto count = __builtin_popcount(lineFeeds);
        if ((target - source) - count < 8)
            return;
        const __m128i shuffle = _mm_load_si128(reinterpret_cast<const __m128i*>(kShuffleTables.shuffle[lineFeeds]));
        const __m128i returns = _mm_load_si128(reinterpret_cast<const __m128i*>(kShuffleTables.carriageReturns[lineFeeds]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target - 16), _mm_or_si128(_mm_shuffle_epi8(bytes, shuffle), returns));
        source -= 8;
        target -= 8 + count;
    }
}

__attribute__((target("ssse3,popcnt"))) std::size_t CountLineFeedsSixteenAtATime(const char* start, const char* end)
{
    const __m128i lineFeed = _mm_set1_epi8('\n');
    std::size_t count = 0;
    for (; end - start >= 16; start += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(start));
        count += static_cast<std::size_t>(__builtin_popcount(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeed)))));
    }
    return count + static_cast<std::size_t>(std::count(start, end, '\n'));
}

bool CanShuffleBytes()
{
    static const bool supported = __builtin_cpu_supports("ssse3") && __builtin_cpu_supports("popcnt");
    return supported;
}

#endif

std::size_t CountLineFeeds(const std::string& text)
{
#ifdef TABLOOM_SHUFFLE_EXPANSION
    if (CanShuffleBytes())
        return CountLineFeedsSixteenAtATime(text.data(), text.data() + text.size());
#endif
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

void ExpandLineEnds(std::string& text)
{
    const std::size_t lineFeeds = CountLineFeeds(text);
    if (lineFeeds == 0)
        return;
    const std::size_t length = text.size();
    text.resize(length + lineFeeds);

    char* const start = text.data();
    char* source = start + length;
    char* target = source + lineFeeds;
#ifdef TABLOOM_SHUFFLE_EXPANSION
    if (CanShuffleBytes())
        ExpandEightBytesAtATime(start, source, target);
#endif
    ExpandLineByLine(start, source, target);
}
