#include "publish/utf8.h"

Utf8Sequence ReadUtf8Sequence(const unsigned char* next, const unsigned char* end)
{
    const unsigned char lead = *next;
    if (lead < 0x80)
        return {1, lead, true};

    std::size_t trailing = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        trailing = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        trailing = 2;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F; // U+D800 to U+DFFF are surrogates, not characters.
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        trailing = 3;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F; // Nothing lies beyond U+10FFFF.
    } else {
        return {1, kReplacementCharacter, false};
    }

    char32_t codePoint = lead & (0x3F >> trailing);
    for (std::size_t length = 1; length <= trailing; ++length) {
        if (next + length == end || next[length] < low || next[length] > high)
            return {length, kReplacementCharacter, false};
        codePoint = codePoint << 6 | (next[length] & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return {trailing + 1, codePoint, true};
}
