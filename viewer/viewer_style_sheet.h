#pragma once

#include <string>

// The text of db.css, the page's style sheet: templates 113, 114 and 115 joined.
std::string BuildViewerStyleSheet();
