#include "publish/xml_text.h"

#include "publish/utf8.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view kReplacementBytes = "\xEF\xBF\xBD";

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
    const Utf8Sequence sequence = ReadUtf8Sequence(next, end);
    // U+FFFE and U+FFFF are well-formed UTF-8 but no XML character.
    const bool xmlCharacter = sequence.codePoint != 0xFFFE && sequence.codePoint != 0xFFFF;
    return {sequence.length, sequence.wellFormed && xmlCharacter};
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
            emit(kReplacementBytes);
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
