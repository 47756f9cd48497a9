#include "publish/xml_text.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Bytes that stand for themselves in character data.
constexpr std::array<bool, 256> kPlainBytes = [] {
    std::array<bool, 256> plain {};
    for (int byte = 0x20; byte < 0x80; ++byte)
        plain[byte] = true;
    plain['\t'] = plain['\n'] = true;
    plain['&'] = plain['<'] = plain['>'] = false;
    return plain;
}();

struct Sequence
{
    std::size_t length;
    bool valid;
};

// The UTF-8 sequence that starts at next: its length when it is well formed and an XML character,
// otherwise the length of its maximal ill-formed subpart, which is replaced as a whole.
Sequence ReadSequence(const std::uint8_t* next, const std::uint8_t* end)
{
    const std::uint8_t lead = *next;
    std::size_t trailing = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
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
        return {1, false};
    }

    std::size_t length = 1;
    for (; length <= trailing; ++length) {
        if (next + length == end || next[length] < low || next[length] > high)
            return {length, false};
        low = 0x80;
        high = 0xBF;
    }
    // U+FFFE and U+FFFF are well-formed UTF-8 but no XML character.
    if (lead == 0xEF && next[1] == 0xBF && next[2] >= 0xBE)
        return {length, false};
    return {length, true};
}

} // namespace

void AppendXmlText(std::string& text, std::string_view cell)
{
    const auto* next = reinterpret_cast<const std::uint8_t*>(cell.data());
    const auto* const end = next + cell.size();
    while (next != end) {
        const auto* const runStart = next;
        Sequence sequence {0, true};
        while (next != end) {
            if (kPlainBytes[*next]) {
                ++next;
                continue;
            }
            if (*next < 0x80)
                break;
            sequence = ReadSequence(next, end);
            if (!sequence.valid)
                break;
            next += sequence.length;
        }
        text.append(reinterpret_cast<const char*>(runStart), static_cast<std::size_t>(next - runStart));
        if (next == end)
            return;

        switch (*next) {
        case '&':
            text.append("&amp;");
            break;
        case '<':
            text.append("&lt;");
            break;
        case '>':
            text.append("&gt;");
            break;
        case '\r':
            text.append("&#13;");
            break;
        default:
            text.append(kReplacementCharacter);
            if (*next >= 0x80) {
                next += sequence.length;
                continue;
            }
        }
        ++next;
    }
}
