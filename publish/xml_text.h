#pragma once

#include <cstddef>
#include <string_view>

// Cell text as XML character data that any XML 1.0 reader gives back as the same text: "&", "<"
// and ">" become entity references and a carriage return becomes "&#13;", which a reader would
// otherwise turn into a line feed. Tab and line feed stay as they are. What XML 1.0 cannot carry
// at all becomes U+FFFD REPLACEMENT CHARACTER: the C0 controls other than tab, line feed and
// carriage return, U+FFFE and U+FFFF, and every maximal ill-formed UTF-8 subsequence (the
// substitution practice of the Unicode Standard, chapter 3). Text without any of these characters
// stays byte for byte.

// The largest number of bytes one byte of cell text can become.
inline constexpr std::size_t kXmlTextGrowth = 5;

std::size_t XmlTextLength(std::string_view cell);

// Writes the character data of cell at out, XmlTextLength(cell) bytes; returns their end.
char* WriteXmlText(char* out, std::string_view cell);
