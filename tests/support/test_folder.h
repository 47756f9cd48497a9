#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

// A fresh folder under the system's temporary folder, removed with everything in it.
class TemporaryFolder
{
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tabloom-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        m_path = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, ignored))
            if (entry.is_directory(ignored) && !entry.is_symlink(ignored))
                std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, ignored);
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const char* name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A text as it stands on disk: every line feed as carriage return and line feed.
inline std::string OnDisk(const std::string& text)
{
    std::string bytes;
    for (const char character : text) {
        if (character == '\n')
            bytes += '\r';
        bytes += character;
    }
    return bytes;
}

inline constexpr const char* kPublishedFiles[] = {"db.xml",  "by1.xsl", "by2.xsl",  "by3.xsl",
                                                  "by4.xsl", "db.htm",  "findT.js", "db.css"};
