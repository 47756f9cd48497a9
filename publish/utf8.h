#pragma once

#include <cstddef>

// One UTF-8 sequence read off the start of a text. An ill-formed sequence is taken as its maximal
// ill-formed subpart, which stands for one U+FFFD REPLACEMENT CHARACTER (the substitution
// practice of the Unicode Standard, chapter 3).
struct Utf8Sequence
{
    std::size_t length;
    char32_t codePoint;
    bool wellFormed;
};

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Reads the sequence that starts at next; next must be before end.
Utf8Sequence ReadUtf8Sequence(const unsigned char* next, const unsigned char* end);
