#pragma once

#include <cstddef>
#include <string>

// Reserves room for capacity bytes in text. A reservation of many megabytes is offered to the
// kernel for transparent huge pages: first touching a hundred megabytes in 4 KiB pages can take
// longer than building the text in them, notably in virtual machines.
void ReserveText(std::string& text, std::size_t capacity);
