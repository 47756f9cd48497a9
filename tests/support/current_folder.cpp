#include "current_folder.h"

#include <fstream>
#include <sstream>

TemporaryCurrentFolder::TemporaryCurrentFolder()
    : m_previous(std::filesystem::current_path())
{
    if (m_folder.isValid())
        std::filesystem::current_path(Path());
}

TemporaryCurrentFolder::~TemporaryCurrentFolder()
{
    std::filesystem::current_path(m_previous);
}

bool TemporaryCurrentFolder::IsValid() const
{
    return m_folder.isValid();
}

std::filesystem::path TemporaryCurrentFolder::Path() const
{
    return std::filesystem::path(m_folder.path().toStdString());
}

std::string ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
