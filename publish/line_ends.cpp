#include "publish/line_ends.h"

#if defined(__x86_64__)
#include <immintrin.h>
#define TABLOOM_SHUFFLE_TRANSLATION 1
#endif

namespace {

char* TranslateByteByByte(const char* next, const char* end, char* out)
{
    for (; next != end; ++next) {
        if (*next == '\n')
            *out++ = '\r';
        *out++ = *next;
    }
    return out;
}

#ifdef TABLOOM_SHUFFLE_TRANSLATION

// For each pattern of line feeds among eight bytes: the byte shuffle that spreads the eight bytes
// over the first 8 + n bytes of sixteen with a gap before each line feed, and the carriage returns
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
        for (int index = 0; index < 16; ++index)
            tables.shuffle[lineFeeds][index] = 0x80; // gives a zero byte
        int position = 0;
        for (int byte = 0; byte < 8; ++byte) {
            if (lineFeeds >> byte & 1)
                tables.carriageReturns[lineFeeds][position++] = '\r';
            tables.shuffle[lineFeeds][position++] = static_cast<unsigned char>(byte);
        }
    }
    return tables;
}

constexpr ShuffleTables kShuffleTables = MakeShuffleTables();

// Eight bytes at a time, each stored as sixteen of which the next store overwrites the unused end.
// While eight bytes are left, at most twice the bytes consumed have been written, so a store never
// reaches past twice the text's length.
__attribute__((target("ssse3,popcnt"))) char* TranslateEightBytesAtATime(const char*& next, const char* end, char* out)
{
    const __m128i lineFeed = _mm_set1_epi8('\n');
    for (; end - next >= 8; next += 8) {
        const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(next));
        const auto lineFeeds = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeed))) & 0xFF;
        const __m128i shuffle = _mm_load_si128(reinterpret_cast<const __m128i*>(kShuffleTables.shuffle[lineFeeds]));
        const __m128i returns = _mm_load_si128(reinterpret_cast<const __m128i*>(kShuffleTables.carriageReturns[lineFeeds]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_or_si128(_mm_shuffle_epi8(bytes, shuffle), returns));
        out += 8 + __builtin_popcount(lineFeeds);
    }
    return out;
}

bool CanShuffleBytes()
{
    static const bool supported = __builtin_cpu_supports("ssse3") && __builtin_cpu_supports("popcnt");
    return supported;
}

#endif

} // namespace

char* TranslateLineEnds(std::string_view text, char* out)
{
    const char* next = text.data();
    const char* const end = next + text.size();
#ifdef TABLOOM_SHUFFLE_TRANSLATION
    if (CanShuffleBytes())
        out = TranslateEightBytesAtATime(next, end, out);
#endif
    return TranslateByteByByte(next, end, out);
}
