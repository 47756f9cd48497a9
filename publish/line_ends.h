#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// The room TranslateLineEnds needs for a text of length bytes: all line feeds at worst.
constexpr std::size_t LineEndRoom(std::size_t length)
{
    return 2 * length;
}

// Writes text to out with every line feed as a carriage return and line feed, and returns the end
// of what it wrote. out must hold LineEndRoom(text.size()) bytes and must not overlap text; bytes
// past the returned end may have been overwritten. Uses the fastest way the processor supports.
char* TranslateLineEnds(std::string_view text, char* out);

// The ways of translating, by the block of text each takes at a time.
enum class LineEndTranslation { ThirtyTwoBytes, SixteenBytes, ByteByByte };

// The ways this processor can run, fastest first; byte by byte is always among them.
std::vector<LineEndTranslation> SupportedLineEndTranslations();

// As above, in the given way; nullptr when the processor cannot run it.
char* TranslateLineEnds(LineEndTranslation translation, std::string_view text, char* out);
