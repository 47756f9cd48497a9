#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Templates of the string table use "%s" as their only placeholder. Arguments are copied in
// verbatim and never scanned for placeholders themselves, so user text such as "%s" or "%d"
// comes out exactly as typed. A "%" not followed by "s" is an ordinary character. Placeholders
// beyond the last argument stay in the text as they are; arguments beyond the last placeholder
// are not used.

// Appends the filled template to text, so that a long text can be built without copies.
void AppendFilled(std::string& text, std::string_view pattern, std::initializer_list<std::string_view> arguments);

std::string FillTemplate(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// The pieces of a template between its placeholders: one more piece than there are placeholders.
// Code that fills the same template many times joins these pieces with its arguments itself.
std::vector<std::string_view> SplitAtPlaceholders(std::string_view pattern);
