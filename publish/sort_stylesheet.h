#pragma once

#include <string>

// The sort stylesheet of position 1 to 4: template 112 with the position's digit, ordering the
// records ascending by that position's field.
std::string BuildSortStylesheet(int position);
