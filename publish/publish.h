#pragma once

#include "publish/text_file.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

// One record of the record list: cells 1 to 4, UTF-8.
using Record = std::array<std::string, 4>;

// The four sort-button captions, positions 1 to 4, UTF-8.
using Captions = std::array<std::string, 4>;

struct PublishResult
{
    std::vector<FileFailure> notWritten;
    bool outOfMemory = false;
};

// Writes db.xml, by1.xsl to by4.xsl, db.htm, findT.js and db.css into folder, in that order.
// Every file is attempted; what could not be written is returned rather than reported. Memory
// running out while a text is built stops the run there: the files written before stay, the
// later ones are not written, and outOfMemory is set.
PublishResult Publish(const std::vector<Record>& rows, const Captions& captions, const std::filesystem::path& folder);

// The message that names each file not written and the system's reason, one a line after
// string 138; empty when every file was written. Running out of memory is not part of it.
std::string DescribeNotWritten(const PublishResult& result);
