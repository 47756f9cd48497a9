#pragma once

#include "publish/publish.h"

#include <string>
#include <vector>

// The text of db.xml: the document of template 105 around one record per row, in row order, each
// record template 107 around the field elements 108 to 111 filled with the row's four cells.
// Cells go in as XML character data (publish/xml_text.h), so every cell reads back as it was,
// apart from what XML cannot carry.
std::string BuildRecordData(const std::vector<Record>& rows);
