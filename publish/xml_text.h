#pragma once

#include <string>
#include <string_view>

// Appends cell as XML character data that any XML 1.0 reader gives back as the same text:
// "&", "<" and ">" become entity references and a carriage return becomes "&#13;", which a
// reader would otherwise turn into a line feed. Tab and line feed stay as they are. What XML 1.0
// cannot carry at all becomes U+FFFD REPLACEMENT CHARACTER: the C0 controls other than tab, line
// feed and carriage return, U+FFFE and U+FFFF, and every maximal ill-formed UTF-8 subsequence
// (the substitution practice of the Unicode Standard, chapter 3). Text without any of these
// characters is appended byte for byte.
void AppendXmlText(std::string& text, std::string_view cell);
