#include "publish/xml_text.h"

#include <array>
#include <cstdint>
#include <cstring>

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

// Calls emit with each piece of the character data of cell, in order: runs of bytes that stand
// for themselves, and the replacement of each byte or sequence that does not.
template <typename Emit>
void TranslateXmlText(std::string_view cell, Emit&& emit)
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
        if (next != runStart)
            emit(std::string_view(reinterpret_cast<const char*>(runStart), static_cast<std::size_t>(next - runStart)));
        if (next == end)
            return;

        switch (*next) {
        case '&':
            emit(std::string_view("&amp;"));
            break;
        case '<':
            emit(std::string_view("&lt;"));
            break;
        case '>':
            emit(std::string_view("&gt;"));
            break;
        case '\r':
            emit(std::string_view("&#13;"));
            break;
        default:
            emit(kReplacementCharacter);
            if (*next >= 0x80) {
                next += sequence.length;
                continue;
            }
        }
        ++next;
    }
}

// Most cells are a few bytes long, where a call to memcpy costs more than the copy: these are
// copied as two overlapping loads and stores.
inline void CopyBytes(char* out, const char* in, std::size_t length)
{
    if (length >= 8 && length <= 16) {
        std::uint64_t head;
        std::uint64_t tail;
        std::memcpy(&head, in, 8);
        std::memcpy(&tail, in + length - 8, 8);
        std::memcpy(out, &head, 8);
        std::memcpy(out + length - 8, &tail, 8);
    } else if (length >= 4 && length < 8) {
        std::uint32_t head;
        std::uint32_t tail;
        std::memcpy(&head, in, 4);
        std::memcpy(&tail, in + length - 4, 4);
        std::memcpy(out, &head, 4);
        std::memcpy(out + length - 4, &tail, 4);
    } else if (length < 4) {
        for (std::size_t index = 0; index < length; ++index)
            out[index] = in[index];
    } else {
        std::memcpy(out, in, length);
    }
}

} // namespace

std::size_t XmlTextLength(std::string_view cell)
{
    std::size_t length = 0;
    TranslateXmlText(cell, [&length](std::string_view piece) { length += piece.size(); });
    return length;
}

char* WriteXmlText(char* out, std::string_view cell)
{
    TranslateXmlText(cell, [&out](std::string_view piece) {
        CopyBytes(out, piece.data(), piece.size());
        out += piece.size();
    });
    return out;
}
