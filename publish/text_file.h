#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// A file that could not be written: its name and the system's reason.
struct FileFailure
{
    std::string fileName;
    std::string reason;
};

// Creates path or cuts it to length zero, and writes text with every line feed as a carriage
// return and line feed, as one text-mode write request; nothing else is added. The request is
// carried out a piece at a time, each translated into a buffer and then handed to the system.
// The file is written where it stands, never through a temporary file, so a file that cannot be
// opened keeps its content. Returns what failed, naming the file by its name alone, or nothing
// when the whole text was written and the file closed. The buffer is found before the file is
// opened: std::bad_alloc leaves the file untouched.
std::optional<FileFailure> WriteTextFile(const std::filesystem::path& path, std::string_view text);
