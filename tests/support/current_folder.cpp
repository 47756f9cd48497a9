#include "current_folder.h"

TemporaryCurrentFolder::TemporaryCurrentFolder()
    : m_previous(std::filesystem::current_path())
{
    std::filesystem::current_path(m_folder.Path());
}

TemporaryCurrentFolder::~TemporaryCurrentFolder()
{
    std::filesystem::current_path(m_previous);
}
