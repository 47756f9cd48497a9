#include "publish/text_file.h"

#include "publish/line_ends.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The text is translated and handed to the system this much at a time, as a C runtime's text-mode
// write does, so a long text needs no translated copy of itself. A piece this size still sits in
// the processor's cache when the system copies it, and the calls cost little beside the copying;
// at 1,000,000 records it publishes about a fifth faster than pieces of 256 KiB.
constexpr std::size_t kPieceLength = 1024 * 1024;

FileFailure Failure(const std::filesystem::path& path, int error)
{
    return {path.filename().string(), std::generic_category().message(error)};
}

// Writes all of text to file, continuing after a partial write; gives the error number on failure.
int WriteAll(int file, std::string_view text)
{
    while (!text.empty()) {
        const auto written = ::write(file, text.data(), text.size());
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

// Writes text with its line feeds translated, a piece at a time through buffer.
int WriteTranslated(int file, std::string_view text, char* buffer)
{
    while (!text.empty()) {
        const std::string_view piece = text.substr(0, kPieceLength);
        const char* const end = TranslateLineEnds(piece, buffer);
        if (const int error = WriteAll(file, std::string_view(buffer, static_cast<std::size_t>(end - buffer))))
            return error;
        text.remove_prefix(piece.size());
    }
    return 0;
}

// A buffer of at least size bytes, kept for the next file: a new one of a few hundred kilobytes
// would come fresh from the system each time, page by page, and cost more than writing a small file.
char* TranslationBuffer(std::size_t size)
{
    thread_local std::unique_ptr<char[]> buffer;
    thread_local std::size_t bufferSize = 0;
    if (size > bufferSize) {
        buffer = std::make_unique_for_overwrite<char[]>(size);
        bufferSize = size;
    }
    return buffer.get();
}

} // namespace

std::optional<FileFailure> WriteTextFile(const std::filesystem::path& path, std::string_view text)
{
    // Found before the file is opened, so that running out of memory leaves the file untouched.
    char* const buffer = TranslationBuffer(LineEndRoom(std::min(text.size(), kPieceLength)));

    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file < 0)
        return Failure(path, errno);
    const int writeError = WriteTranslated(file, text, buffer);
    const int closeResult = ::close(file);
    const int closeError = errno;
    if (writeError != 0)
        return Failure(path, writeError);
    if (closeResult != 0)
        return Failure(path, closeError);
    return std::nullopt;
}
