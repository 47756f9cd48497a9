#pragma once

#include <array>
#include <string>
#include <string_view>

// The piece of the viewer page that holds the sort button of position 1 to 4 (templates 125, 126,
// 131 and 132). The caption is escaped for the attribute it stands in ("&", the double quote, "<"
// and ">" as entity references, every character outside ASCII as a numeric character reference,
// ill-formed UTF-8 as U+FFFD), so the button shows it as typed; ASCII text is kept as is.
std::string BuildSortButton(int position, std::string_view caption);

// The text of db.htm: the fixed pieces of the page with the four sort-button pieces in position
// order, and every cell's two handlers (template 133) in the row templates 127 and 128.
std::string BuildViewerPage(const std::array<std::string, 4>& sortButtons);
