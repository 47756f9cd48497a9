#pragma once

#include <string>

// Turns every line feed of text into a carriage return and line feed. The text grows in place
// from its end, so a text with room reserved for its carriage returns is never copied.
void ExpandLineEnds(std::string& text);
