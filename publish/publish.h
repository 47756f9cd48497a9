#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

// One record of the record list: cells 1 to 4, UTF-8.
using Record = std::array<std::string, 4>;

// The four sort-button captions, positions 1 to 4, UTF-8.
using Captions = std::array<std::string, 4>;

struct FileFailure
{
    std::string fileName;
    std::string reason;
};

struct PublishResult
{
    std::vector<FileFailure> notWritten;
    bool outOfMemory = false;
};

// Writes db.xml, by1.xsl to by4.xsl, db.htm, findT.js and db.css into folder, in that order.
// Every file is attempted; what could not be written is returned rather than reported.
PublishResult Publish(const std::vector<Record>& rows, const Captions& captions, const std::filesystem::path& folder);
