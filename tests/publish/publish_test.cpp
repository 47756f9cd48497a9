#include "publish/publish.h"

#include "publish/record_data.h"
#include "publish/sort_stylesheet.h"
#include "tests/publish/child_process.h"
#include "tests/support/test_folder.h"
#include "viewer/search_script.h"
#include "viewer/viewer_page.h"
#include "viewer/viewer_style_sheet.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>
#include <set>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const std::vector<Record> kRows {{"Apple", "Red", "", ""}, {"Lemon", "Yellow", "", ""}};
const Captions kCaptions {"Fruit", "Colour", "", ""};

// The bytes each of the eight files must hold after publishing rows and captions.
std::map<std::string, std::string> ExpectedFiles(const std::vector<Record>& rows, const Captions& captions)
{
    std::array<std::string, 4> sortButtons;
    for (int position = 1; position <= 4; ++position)
        sortButtons[position - 1] = BuildSortButton(position, captions[position - 1]);
    return {
        {"db.xml", OnDisk(BuildRecordData(rows))},
        {"by1.xsl", OnDisk(BuildSortStylesheet(1))},
        {"by2.xsl", OnDisk(BuildSortStylesheet(2))},
        {"by3.xsl", OnDisk(BuildSortStylesheet(3))},
        {"by4.xsl", OnDisk(BuildSortStylesheet(4))},
        {"db.htm", OnDisk(BuildViewerPage(sortButtons))},
        {"findT.js", OnDisk(BuildSearchScript())},
        {"db.css", OnDisk(BuildViewerStyleSheet())},
    };
}

std::set<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class PublishFiles : public testing::Test
{
protected:
    TemporaryFolder m_folder;
};

TEST_F(PublishFiles, EmptyListWritesAllEightFilesAtTheirSizes)
{
    const PublishResult result = Publish({}, {"", "", "", ""}, m_folder.Path());
    EXPECT_TRUE(result.notWritten.empty());
    EXPECT_FALSE(result.outOfMemory);

    const std::map<std::string, std::uintmax_t> sizes {
        {"db.xml", 53},   {"by1.xsl", 321}, {"by2.xsl", 321},  {"by3.xsl", 321},
        {"by4.xsl", 321}, {"db.htm", 3022}, {"findT.js", 483}, {"db.css", 752},
    };
    EXPECT_EQ(FilesIn(m_folder.Path()).size(), 8u);
    for (const auto& [name, size] : sizes)
        EXPECT_EQ(std::filesystem::file_size(m_folder / name.c_str()), size) << name;
    EXPECT_EQ(ReadFile(m_folder / "db.xml"), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<db>\r\n\r\n</db>");
}

TEST_F(PublishFiles, WorkedExample)
{
    Publish({{"Apple", "Red", "", ""}}, kCaptions, m_folder.Path());
    EXPECT_EQ(ReadFile(m_folder / "db.xml"), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                             "<db>\r\n"
                                             "\r\n"
                                             "<dbparent>\r\n"
                                             "<fld1>Apple</fld1>\r\n"
                                             "<fld2>Red</fld2>\r\n"
                                             "<fld3></fld3>\r\n"
                                             "<fld4></fld4>\r\n"
                                             "</dbparent>\r\n"
                                             "\r\n"
                                             "</db>");
    Publish(kRows, kCaptions, m_folder.Path());
    EXPECT_EQ(std::filesystem::file_size(m_folder / "db.xml"), 246u);
    EXPECT_EQ(std::filesystem::file_size(m_folder / "db.htm"), 3022u + 5 + 6);
}

TEST_F(PublishFiles, EachFileHoldsItsTextWithCrLfAndNothingElse)
{
    const std::vector<Record> rows {{"%s", "<&>", " blank ", "Größe"}, {"line\nbreak", "\"", "", "%d"}};
    const Captions captions {"Size \"XL\"", "%s", "名前", ""};
    Publish(rows, captions, m_folder.Path());

    const auto expected = ExpectedFiles(rows, captions);
    const std::map<std::string, std::string> endings {
        {"db.xml", "</db>"},   {"by1.xsl", "</db>"}, {"by2.xsl", "</db>"},    {"by3.xsl", "</db>"},
        {"by4.xsl", "</db>"},  {"db.htm", "</HTML>"}, {"findT.js", "}\r\n"}, {"db.css", "}\r\n"},
    };
    EXPECT_EQ(FilesIn(m_folder.Path()).size(), 8u);
    for (const char* name : kPublishedFiles) {
        const std::string bytes = ReadFile(m_folder / name);
        EXPECT_EQ(bytes, expected.at(name)) << name;
        EXPECT_TRUE(bytes.ends_with(endings.at(name))) << name;
        EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF")) << name;
        for (std::size_t index = bytes.find('\n'); index != std::string::npos; index = bytes.find('\n', index + 1))
            ASSERT_TRUE(index > 0 && bytes[index - 1] == '\r') << name << ": bare line feed at " << index;
    }
}

TEST_F(PublishFiles, PublishingTwiceGivesIdenticalFiles)
{
    Publish(kRows, kCaptions, m_folder.Path());
    std::map<std::string, std::string> first;
    for (const char* name : kPublishedFiles)
        first[name] = ReadFile(m_folder / name);
    Publish(kRows, kCaptions, m_folder.Path());
    for (const char* name : kPublishedFiles)
        EXPECT_EQ(ReadFile(m_folder / name), first[name]) << name;
}

TEST_F(PublishFiles, CaptionsGoIntoThePageAlone)
{
    Publish(kRows, {"Fruitname", "Colourname", "", ""}, m_folder.Path());
    for (const char* name : kPublishedFiles) {
        const bool inPage = std::string_view(name) == "db.htm";
        EXPECT_EQ(ReadFile(m_folder / name).find("Fruitname") != std::string::npos, inPage) << name;
    }
}

TEST_F(PublishFiles, TheStylesheetsOfUnusedPositionsAreWrittenToo)
{
    Publish({{"Name", "Address", "", ""}}, {"Name", "Address", "", ""}, m_folder.Path());
    EXPECT_NE(ReadFile(m_folder / "by3.xsl").find("order-by=\"+ fld3\""), std::string::npos);
    EXPECT_NE(ReadFile(m_folder / "by4.xsl").find("order-by=\"+ fld4\""), std::string::npos);
}

TEST_F(PublishFiles, EmptyFolderMeansTheCurrentFolder)
{
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(m_folder.Path());
    const PublishResult result = Publish(kRows, kCaptions, {});
    std::filesystem::current_path(previous);
    EXPECT_TRUE(result.notWritten.empty());
    EXPECT_EQ(FilesIn(m_folder.Path()).size(), 8u);
}

// Publishing where permission bits take effect: as the user nobody in a child when the tests
// run as root, whose writes no permission bit stops.
struct Outcome
{
    std::vector<std::string> notWritten; // "name: reason"
    bool outOfMemory = false;
};

std::string Report(const PublishResult& result)
{
    std::string report = result.outOfMemory ? "out of memory\n" : "memory sufficed\n";
    for (const auto& failure : result.notWritten)
        report += failure.fileName + ": " + failure.reason + "\n";
    return report;
}

std::optional<Outcome> ReadReport(const std::optional<std::string>& report)
{
    if (!report || !(report->starts_with("out of memory\n") || report->starts_with("memory sufficed\n")))
        return std::nullopt;
    Outcome outcome;
    outcome.outOfMemory = report->starts_with("out of memory\n");
    std::string_view lines(*report);
    lines.remove_prefix(lines.find('\n') + 1);
    while (!lines.empty()) {
        const auto end = lines.find('\n');
        outcome.notWritten.emplace_back(lines.substr(0, end));
        lines.remove_prefix(end + 1);
    }
    return outcome;
}

std::string Failure(const char* name, int error)
{
    return std::string(name) + ": " + std::strerror(error);
}

struct FaultCase
{
    const char* name;
    std::function<void(const TemporaryFolder&)> prepare;
    std::vector<std::string> notWritten;
    std::map<std::string, std::string> keptContent; // files that must keep what they held
};

void MakeReadOnlyFile(const std::filesystem::path& path, const std::string& content)
{
    WriteFile(path, content);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read
                                           | std::filesystem::perms::others_read);
}

std::vector<std::string> EveryFileFailing(int error)
{
    std::vector<std::string> failures;
    for (const char* name : kPublishedFiles)
        failures.push_back(Failure(name, error));
    return failures;
}

const FaultCase kFaultCases[] = {
    {"ReadOnlyDbXml", [](const TemporaryFolder& folder) { MakeReadOnlyFile(folder / "db.xml", "earlier run"); },
     {Failure("db.xml", EACCES)},
     {{"db.xml", "earlier run"}}},
    {"FolderWithoutWritePermission",
     [](const TemporaryFolder& folder) {
         std::filesystem::permissions(folder.Path(),
                                      std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec
                                          | std::filesystem::perms::group_read | std::filesystem::perms::group_exec
                                          | std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
     },
     EveryFileFailing(EACCES),
     {}},
    {"DirectoryNamedDbXml", [](const TemporaryFolder& folder) { std::filesystem::create_directory(folder / "db.xml"); },
     {Failure("db.xml", EISDIR)},
     {}},
    {"FullDisk", [](const TemporaryFolder& folder) { std::filesystem::create_symlink("/dev/full", folder / "db.xml"); },
     {Failure("db.xml", ENOSPC)},
     {}},
    {"FailuresInTheMiddle",
     [](const TemporaryFolder& folder) {
         MakeReadOnlyFile(folder / "by2.xsl", "old sort");
         std::filesystem::create_directory(folder / "findT.js");
     },
     {Failure("by2.xsl", EACCES), Failure("findT.js", EISDIR)},
     {{"by2.xsl", "old sort"}}},
};

class PublishFaults : public testing::TestWithParam<FaultCase>
{
protected:
    TemporaryFolder m_folder;
};

TEST_P(PublishFaults, AreReturnedAndEveryOtherFileIsWritten)
{
    if (GetParam().name == std::string_view("FullDisk") && !std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "/dev/full is missing, so a full disk cannot be made";
    if (::geteuid() == 0 && ::chown(m_folder.Path().c_str(), kUnprivilegedUser, kUnprivilegedGroup) != 0)
        GTEST_SKIP() << "cannot hand the folder to the unprivileged user: " << std::strerror(errno);
    GetParam().prepare(m_folder);

    const auto outcome = ReadReport(RunInChildProcess([&] {
        if (!DropPrivileges())
            return std::string("cannot drop privileges: ") + std::strerror(errno);
        return Report(Publish(kRows, kCaptions, m_folder.Path()));
    }));
    if (!outcome)
        GTEST_SKIP() << "no unprivileged user to publish as, so permission bits stop no write";

    EXPECT_FALSE(outcome->outOfMemory);
    EXPECT_EQ(outcome->notWritten, GetParam().notWritten);
    const auto expected = ExpectedFiles(kRows, kCaptions);
    for (const char* name : kPublishedFiles) {
        const auto path = m_folder / name;
        if (GetParam().keptContent.contains(name)) {
            EXPECT_EQ(ReadFile(path), GetParam().keptContent.at(name)) << name;
        } else if (std::filesystem::is_regular_file(std::filesystem::symlink_status(path))) {
            EXPECT_EQ(ReadFile(path), expected.at(name)) << name;
        }
    }
    const std::size_t written = 8 - GetParam().notWritten.size();
    std::size_t regularFiles = 0;
    for (const char* name : kPublishedFiles)
        regularFiles += std::filesystem::is_regular_file(std::filesystem::symlink_status(m_folder / name));
    EXPECT_EQ(regularFiles, written + GetParam().keptContent.size());
}

INSTANTIATE_TEST_SUITE_P(Cases, PublishFaults, testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PublishFaults, MissingFolderFailsEveryFile)
{
    TemporaryFolder folder;
    const PublishResult result = Publish(kRows, kCaptions, folder / "missing");
    std::vector<std::string> failures;
    for (const auto& failure : result.notWritten)
        failures.push_back(failure.fileName + ": " + failure.reason);
    EXPECT_EQ(failures, EveryFileFailing(ENOENT));
}

// Running out of memory, made real with an address-space limit in a child: the run stops where
// the allocation fails, files written before stay, later ones are not written.
struct MemoryCase
{
    const char* name;
    char hugeCell; // the byte a huge cell 1 is made of, 0 for none
    std::size_t hugeCaptionPosition; // 1 to 4, 0 for none
    std::size_t headroom; // address space allowed beyond what the child already uses
    std::set<std::string> written;
};

class PublishOutOfMemory : public testing::TestWithParam<MemoryCase>
{
protected:
    TemporaryFolder m_folder;
};

std::size_t AddressSpaceInUse()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("VmSize:"))
            return std::stoul(line.substr(7)) * 1024;
    return 0;
}

// Publishes in a child whose address space may grow by headroom beyond what it holds once
// makeInputs has given the rows and captions, made in the child so that the parent is spared them.
std::optional<Outcome> PublishWithinMemory(std::size_t headroom, const std::filesystem::path& folder,
                                           const std::function<std::pair<std::vector<Record>, Captions>()>& makeInputs)
{
    return ReadReport(RunInChildProcess([&] {
        const auto [rows, captions] = makeInputs();
        const rlimit limit {AddressSpaceInUse() + headroom, RLIM_INFINITY};
        if (::setrlimit(RLIMIT_AS, &limit) != 0)
            return std::string("cannot limit the address space");
        return Report(Publish(rows, captions, folder));
    }));
}

#ifdef TABLOOM_ADDRESS_SANITIZER
#define SKIP_WITHOUT_ADDRESS_SPACE_LIMIT() \
    GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space, so an address-space limit cannot be set"
#else
#define SKIP_WITHOUT_ADDRESS_SPACE_LIMIT() static_cast<void>(0)
#endif

TEST_P(PublishOutOfMemory, StopsAndKeepsTheFilesWrittenBefore)
{
    SKIP_WITHOUT_ADDRESS_SPACE_LIMIT();
    constexpr std::size_t kHuge = 256u << 20;
    for (const char* name : kPublishedFiles)
        WriteFile(m_folder / name, "earlier run");

    const auto outcome = PublishWithinMemory(GetParam().headroom, m_folder.Path(), [this] {
        std::vector<Record> rows = kRows;
        Captions captions = kCaptions;
        if (GetParam().hugeCell != 0)
            rows.push_back({std::string(kHuge, GetParam().hugeCell), "", "", ""});
        if (GetParam().hugeCaptionPosition != 0)
            captions[GetParam().hugeCaptionPosition - 1] = std::string(kHuge, 'x');
        return std::pair(std::move(rows), std::move(captions));
    });
    ASSERT_TRUE(outcome.has_value());
    EXPECT_TRUE(outcome->outOfMemory);
    EXPECT_TRUE(outcome->notWritten.empty());

    const auto expected = ExpectedFiles(kRows, kCaptions);
    for (const char* name : kPublishedFiles) {
        if (GetParam().written.contains(name))
            EXPECT_EQ(ReadFile(m_folder / name), expected.at(name)) << name;
        else
            EXPECT_EQ(ReadFile(m_folder / name), "earlier run") << name;
    }
}

constexpr std::size_t kMegabyte = 1u << 20;

const MemoryCase kMemoryCases[] = {
    {"BuildingRecordData", 'x', 0, 64 * kMegabyte, {}},
    {"BuildingSortButton1", 0, 1, 64 * kMegabyte, {"db.xml"}},
    {"BuildingSortButton4", 0, 4, 64 * kMegabyte, {"db.xml", "by1.xsl", "by2.xsl", "by3.xsl"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, PublishOutOfMemory, testing::ValuesIn(kMemoryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PublishOutOfMemory, EnoughMemoryUnderTheSameLimitPublishesEverything)
{
    // The limit above fails a run only through the huge text, not through the ordinary ones.
    SKIP_WITHOUT_ADDRESS_SPACE_LIMIT();
    TemporaryFolder folder;
    const auto outcome = PublishWithinMemory(64u << 20, folder.Path(), [] { return std::pair(kRows, kCaptions); });
    ASSERT_TRUE(outcome.has_value());
    EXPECT_FALSE(outcome->outOfMemory);
    EXPECT_TRUE(outcome->notWritten.empty());
    EXPECT_EQ(ReadFile(folder / "db.htm"), ExpectedFiles(kRows, kCaptions).at("db.htm"));
}

TEST(PublishOutOfMemory, LineEndsNeedNoCopyOfTheText)
{
    // Room for db.xml once, but not for a second copy with a carriage return before each line feed.
    SKIP_WITHOUT_ADDRESS_SPACE_LIMIT();
    constexpr std::size_t kLineFeeds = 48u << 20;
    TemporaryFolder folder;
    const auto outcome = PublishWithinMemory(kLineFeeds + (16u << 20), folder.Path(), [] {
        return std::pair(std::vector<Record> {{std::string(kLineFeeds, '\n'), "", "", ""}}, kCaptions);
    });
    ASSERT_TRUE(outcome.has_value());
    EXPECT_FALSE(outcome->outOfMemory);
    EXPECT_TRUE(outcome->notWritten.empty());
    EXPECT_EQ(std::filesystem::file_size(folder / "db.xml"),
              ExpectedFiles({{"", "", "", ""}}, kCaptions).at("db.xml").size() + 2 * kLineFeeds);
}

struct MessageCase
{
    const char* name;
    std::vector<FileFailure> notWritten;
    std::string message;
};

class NotWrittenMessage : public testing::TestWithParam<MessageCase>
{
};

TEST_P(NotWrittenMessage, NamesEachFileAndReason)
{
    PublishResult result;
    result.notWritten = GetParam().notWritten;
    EXPECT_EQ(DescribeNotWritten(result), GetParam().message);
}

const MessageCase kMessageCases[] = {
    {"EverythingWritten", {}, ""},
    {"OneFile", {{"db.xml", "Permission denied"}}, "These files were not written:\ndb.xml: Permission denied"},
    {"TwoFiles",
     {{"db.xml", "No space left on device"}, {"db.htm", "Is a directory"}},
     "These files were not written:\ndb.xml: No space left on device\ndb.htm: Is a directory"},
    {"ReasonWithPlaceholder", {{"%s", "100% %s"}}, "These files were not written:\n%s: 100% %s"},
};

INSTANTIATE_TEST_SUITE_P(Cases, NotWrittenMessage, testing::ValuesIn(kMessageCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NotWrittenMessage, FromARealFailure)
{
    TemporaryFolder folder;
    std::filesystem::create_directory(folder / "db.css");
    EXPECT_EQ(DescribeNotWritten(Publish(kRows, kCaptions, folder.Path())),
              std::string("These files were not written:\ndb.css: ") + std::strerror(EISDIR));
}

} // namespace
