#pragma once

#include <string>

// The text of findT.js, the page's search script: templates 129 and 130 joined.
std::string BuildSearchScript();
