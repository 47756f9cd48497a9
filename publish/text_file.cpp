#include "publish/text_file.h"

#include "publish/line_ends.h"

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
