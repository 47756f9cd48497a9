#include "publish/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Linux moves at most this much in one write call; a larger request continues where it stopped.
constexpr std::size_t kLargestWrite = 0x7ffff000;

FileFailure Failure(const std::filesystem::path& path, int error)
{
    return {path.filename().string(), std::generic_category().message(error)};
}

// Writes all of text to file, continuing after a partial write; gives the error number on failure.
int WriteAll(int file, std::string_view text)
{
    while (!text.empty()) {
        const auto written = ::write(file, text.data(), std::min(text.size(), kLargestWrite));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return EIO;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

} // namespace

void ExpandLineEnds(std::string& text)
{
    const auto lineFeeds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    if (lineFeeds == 0)
        return;
    const std::size_t length = text.size();
    text.resize(length + lineFeeds);

    // Moves each line, last first, to its place at the end and puts CR LF before it.
    char* const start = text.data();
    char* source = start + length;
    char* target = source + lineFeeds;
    while (source != target) {
        char* const lineFeed = static_cast<char*>(::memrchr(start, '\n', static_cast<std::size_t>(source - start)));
        const auto lineLength = static_cast<std::size_t>(source - lineFeed - 1);
        target -= lineLength;
        std::memmove(target, lineFeed + 1, lineLength);
        *--target = '\n';
        *--target = '\r';
        source = lineFeed;
    }
}

std::optional<FileFailure> WriteTextFile(const std::filesystem::path& path, std::string text)
{
    // Expanded before the file is opened, so that running out of memory leaves the file untouched.
    ExpandLineEnds(text);

    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file < 0)
        return Failure(path, errno);
    const int writeError = WriteAll(file, text);
    const int closeResult = ::close(file);
    const int closeError = errno;
    if (writeError != 0)
        return Failure(path, writeError);
    if (closeResult != 0)
        return Failure(path, closeError);
    return std::nullopt;
}
