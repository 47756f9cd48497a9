#pragma once

#include "test_folder.h"

#include <filesystem>

// A fresh temporary folder made the current directory, which is where Finish writes, for the
// object's life; the previous current directory comes back afterwards.
class TemporaryCurrentFolder
{
public:
    TemporaryCurrentFolder();
    ~TemporaryCurrentFolder();
    TemporaryCurrentFolder(const TemporaryCurrentFolder&) = delete;
    TemporaryCurrentFolder& operator=(const TemporaryCurrentFolder&) = delete;

    const std::filesystem::path& Path() const { return m_folder.Path(); }

private:
    std::filesystem::path m_previous;
    TemporaryFolder m_folder;
};
