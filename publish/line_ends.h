#pragma once

#include <cstddef>
#include <string_view>

// The room TranslateLineEnds needs for a text of length bytes: all line feeds at worst.
constexpr std::size_t LineEndRoom(std::size_t length)
{
    return 2 * length;
}

// Writes text to out with every line feed as a carriage return and line feed, and returns the end
// of what it wrote. out must hold LineEndRoom(text.size()) bytes and must not overlap text; bytes
// past the returned end may have been overwritten.
char* TranslateLineEnds(std::string_view text, char* out);
