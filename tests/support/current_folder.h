#pragma once

#include <QTemporaryDir>

#include <filesystem>
#include <string>

// A fresh temporary folder made the current directory, which is where Finish writes, for the
// object's life; the previous current directory comes back afterwards.
class TemporaryCurrentFolder
{
public:
    TemporaryCurrentFolder();
    ~TemporaryCurrentFolder();
    TemporaryCurrentFolder(const TemporaryCurrentFolder&) = delete;
    TemporaryCurrentFolder& operator=(const TemporaryCurrentFolder&) = delete;

    bool IsValid() const;
    std::filesystem::path Path() const;

private:
    QTemporaryDir m_folder;
    std::filesystem::path m_previous;
};

// The whole content of a file, byte for byte; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);
