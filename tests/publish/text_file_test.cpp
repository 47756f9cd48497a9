#include "publish/text_file.h"

#include "tests/publish/child_process.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

class TextFile : public testing::Test
{
protected:
    TemporaryFolder m_folder;
};

TEST_F(TextFile, WritesTheTextWithCrLf)
{
    const auto failure = WriteTextFile(m_folder / "db.xml", "<db>\n\n</db>");
    EXPECT_FALSE(failure.has_value());
    EXPECT_EQ(ReadFile(m_folder / "db.xml"), "<db>\r\n\r\n</db>");
}

TEST_F(TextFile, LongTextIsWrittenWhole)
{
    // Lines of every length up to a hundred bytes, and line feeds on both sides of every 64 KiB
    // boundary, so that the text is handed to the system in many pieces cut at awkward places.
    std::string text;
    for (int line = 0; text.size() < 1'500'000; ++line)
        text += std::string(static_cast<std::size_t>(line % 101), static_cast<char>('a' + line % 26)) + "\n";
    for (std::size_t boundary = 65536; boundary < text.size(); boundary += 65536)
        text[boundary - 1] = text[boundary] = '\n';
    const auto path = m_folder / "db.xml";
    EXPECT_FALSE(WriteTextFile(path, text).has_value());
    EXPECT_EQ(ReadFile(path), OnDisk(text));
}

TEST_F(TextFile, NewFileIsReadableAndWritableByAllBeforeTheUmask)
{
    const mode_t previous = ::umask(0);
    WriteTextFile(m_folder / "open.txt", "x");
    ::umask(022);
    WriteTextFile(m_folder / "masked.txt", "x");
    ::umask(previous);

    struct stat status {};
    ASSERT_EQ(::stat((m_folder / "open.txt").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0666u);
    ASSERT_EQ(::stat((m_folder / "masked.txt").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0644u);
}

TEST_F(TextFile, CutsALongerFileInPlace)
{
    const auto path = m_folder / "db.css";
    WriteFile(path, std::string(10000, 'x'));
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);

    EXPECT_FALSE(WriteTextFile(path, "a\nb").has_value());
    EXPECT_EQ(ReadFile(path), "a\r\nb");
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced rather than rewritten";
}

TEST_F(TextFile, EmptyTextGivesEmptyFile)
{
    WriteFile(m_folder / "findT.js", "old");
    EXPECT_FALSE(WriteTextFile(m_folder / "findT.js", "").has_value());
    EXPECT_EQ(ReadFile(m_folder / "findT.js"), "");
}

struct FailureCase
{
    const char* name;
    std::function<void(const TemporaryFolder&)> prepare;
    const char* target;
    int error;
};

class TextFileFailure : public testing::TestWithParam<FailureCase>
{
protected:
    TemporaryFolder m_folder;
};

TEST_P(TextFileFailure, NamesTheFileAndTheSystemsReason)
{
    if (GetParam().error == ENOSPC && !std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "/dev/full is missing, so a full disk cannot be made";
    GetParam().prepare(m_folder);
    const auto failure = WriteTextFile(m_folder / GetParam().target, "text\n");
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->fileName, std::filesystem::path(GetParam().target).filename().string());
    EXPECT_EQ(failure->reason, std::strerror(GetParam().error));
}

const FailureCase kFailureCases[] = {
    {"MissingFolder", [](const TemporaryFolder&) {}, "missing/db.xml", ENOENT},
    {"Directory", [](const TemporaryFolder& folder) { std::filesystem::create_directory(folder / "db.xml"); },
     "db.xml", EISDIR},
    {"FullDisk", [](const TemporaryFolder& folder) { std::filesystem::create_symlink("/dev/full", folder / "db.xml"); },
     "db.xml", ENOSPC},
};

INSTANTIATE_TEST_SUITE_P(Cases, TextFileFailure, testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextFile, ShortWriteIsAFailure)
{
    // A file size limit makes the kernel take only part of the text and refuse the rest.
    const auto path = m_folder / "db.htm";
    const auto report = RunInChildProcess([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit {100, 100};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return std::string("no limit");
        const auto failure = WriteTextFile(path, std::string(1000, 'x'));
        return failure ? failure->fileName + ": " + failure->reason : std::string("written");
    });
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(*report, std::string("db.htm: ") + std::strerror(EFBIG));
    EXPECT_EQ(std::filesystem::file_size(path), 100u);
}

} // namespace
