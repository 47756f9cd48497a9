#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

// Bytes a text takes on disk, where every line feed is written as CR LF.
inline std::size_t BytesOnDisk(const std::string& text)
{
    return text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

inline bool NodeInstalled()
{
    return std::system("command -v node >/dev/null 2>&1") == 0;
}

// Runs "node --check" on script; gives node's complaint, or an empty text when the syntax is sound.
inline std::string NodeSyntaxErrors(const std::string& script)
{
    char path[] = "/tmp/tabloom-script-XXXXXX.js";
    const int file = ::mkstemps(path, 3);
    if (file < 0)
        return "cannot create a temporary script file";
    ::close(file);
    std::ofstream(path, std::ios::binary) << script;

    std::string output;
    const std::string command = std::string("node --check ") + path + " 2>&1";
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[512];
        while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, count);
        if (::pclose(pipe) == 0)
            output.clear();
        else if (output.empty())
            output = "node --check failed";
    }
    std::remove(path);
    return output;
}

#define SKIP_WITHOUT_NODE()                                                                                  \
    if (!NodeInstalled())                                                                                    \
    GTEST_SKIP() << "node is not installed, so the script syntax cannot be checked"
