#pragma once

#include <string_view>

namespace res {

// The text of a string-table entry, UTF-8; an id the table lacks gives an empty text.
std::string_view LoadResourceString(unsigned id);

} // namespace res
