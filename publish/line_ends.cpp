#include "publish/line_ends.h"

#include <algorithm>
#include <iterator>

#if defined(__x86_64__)
#include <immintrin.h>
#define TABLOOM_VECTOR_TRANSLATION 1
#endif

namespace {

// Each way translates whole blocks from next and leaves the rest to TranslateByteByByte; next is
// moved past what it translated.
using BlockTranslation = char* (*)(const char*& next, const char* end, char* out);

char* TranslateByteByByte(const char* next, const char* end, char* out)
{
    for (; next != end; ++next) {
        if (*next == '\n')
            *out++ = '\r';
        *out++ = *next;
    }
    return out;
}

char* TranslateNoBlocks(const char*&, const char*, char* out)
{
    return out;
}

#ifdef TABLOOM_VECTOR_TRANSLATION

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

// Stores the eight low bytes of bytes, spread by the pattern of their line feeds, as sixteen at
// out; gives the end of the 8 + n that count.
__attribute__((target("ssse3,popcnt"))) inline char* StoreEightBytes(__m128i bytes, unsigned lineFeeds, char* out)
{
    const __m128i shuffle = _mm_load_si128(reinterpret_cast<const __m128i*>(kShuffleTables.shuffle[lineFeeds]));
    const __m128i returns = _mm_load_si128(reinterpret_cast<const __m128i*>(kShuffleTables.carriageReturns[lineFeeds]));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_or_si128(_mm_shuffle_epi8(bytes, shuffle), returns));
    return out + 8 + __builtin_popcount(lineFeeds);
}

// Sixteen bytes at a time, as two halves of eight, each stored as sixteen of which the next store
// overwrites the unused end. While sixteen bytes are left, at most twice the bytes consumed have
// been written, so a store never reaches past twice the text's length.
__attribute__((target("ssse3,popcnt"))) char* TranslateSixteenBytesAtATime(const char*& next, const char* end, char* out)
{
    const __m128i lineFeed = _mm_set1_epi8('\n');
    for (; end - next >= 16; next += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(next));
        const auto lineFeeds = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeed)));
        out = StoreEightBytes(bytes, lineFeeds & 0xFF, out);
        out = StoreEightBytes(_mm_srli_si128(bytes, 8), lineFeeds >> 8, out);
    }
    return out;
}

// Thirty-two bytes at a time, expanded into sixty-four with a carriage return before each line
// feed; the same bound on the stores holds as above. The expansion mask marks where the text's
// bytes go: give every byte two places, the first kept only for a line feed, then drop the places
// not kept.
__attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi2,bmi2,popcnt"))) char*
TranslateThirtyTwoBytesAtATime(const char*& next, const char* end, char* out)
{
    constexpr unsigned long long kSecondPlaces = 0xAAAA'AAAA'AAAA'AAAAull;
    const __m256i lineFeed = _mm256_set1_epi8('\n');
    const __m512i carriageReturns = _mm512_set1_epi8('\r');
    for (; end - next >= 32; next += 32) {
        const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(next));
        const unsigned lineFeeds = _mm256_cmpeq_epi8_mask(bytes, lineFeed);
        const unsigned long long kept = _pdep_u64(lineFeeds, ~kSecondPlaces) | kSecondPlaces;
        const unsigned long long textBytes = _pext_u64(kSecondPlaces, kept);
        const __m512i spread = _mm512_maskz_expand_epi8(textBytes, _mm512_castsi256_si512(bytes));
        _mm512_storeu_si512(out, _mm512_mask_blend_epi8(textBytes, carriageReturns, spread));
        out += 32 + __builtin_popcount(lineFeeds);
    }
    return out;
}

#endif

struct Way
{
    LineEndTranslation translation;
    BlockTranslation blocks;
    bool (*supported)();
};

// Fastest first; the last runs everywhere.
constexpr Way kWays[] = {
#ifdef TABLOOM_VECTOR_TRANSLATION
    {LineEndTranslation::ThirtyTwoBytes, TranslateThirtyTwoBytesAtATime,
     [] {
         return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl")
             && __builtin_cpu_supports("avx512vbmi2") && __builtin_cpu_supports("bmi2");
     }},
    {LineEndTranslation::SixteenBytes, TranslateSixteenBytesAtATime,
     [] { return __builtin_cpu_supports("ssse3") && __builtin_cpu_supports("popcnt"); }},
#endif
    {LineEndTranslation::ByteByByte, TranslateNoBlocks, [] { return true; }},
};

const Way* FindWay(LineEndTranslation translation)
{
    for (const Way& way : kWays)
        if (way.translation == translation && way.supported())
            return &way;
    return nullptr;
}

char* Translate(const Way& way, std::string_view text, char* out)
{
    const char* next = text.data();
    const char* const end = next + text.size();
    out = way.blocks(next, end, out);
    return TranslateByteByByte(next, end, out);
}

} // namespace

std::vector<LineEndTranslation> SupportedLineEndTranslations()
{
    std::vector<LineEndTranslation> supported;
    for (const Way& way : kWays)
        if (way.supported())
            supported.push_back(way.translation);
    return supported;
}

char* TranslateLineEnds(std::string_view text, char* out)
{
    static const Way& fastest = *std::find_if(std::begin(kWays), std::end(kWays), [](const Way& way) { return way.supported(); });
    return Translate(fastest, text, out);
}

char* TranslateLineEnds(LineEndTranslation translation, std::string_view text, char* out)
{
    const Way* way = FindWay(translation);
    return way == nullptr ? nullptr : Translate(*way, text, out);
}
