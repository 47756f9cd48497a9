#include "viewer/viewer_page.h"

#include "tests/viewer/script_check.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

// The page with @CAPTION1@ to @CAPTION4@ where the sort buttons' captions go.
const std::string kPageWithCaptionMarks =
#include "tests/viewer/expected_page.inc"
    ;

std::string PageFor(const std::array<std::string, 4>& captionsAsWritten)
{
    std::string page = kPageWithCaptionMarks;
    for (std::size_t position = 0; position < 4; ++position) {
        const std::string mark = "@CAPTION" + std::to_string(position + 1) + "@";
        page.replace(page.find(mark), mark.size(), captionsAsWritten[position]);
    }
    return page;
}

std::string BuildPage(const std::array<std::string, 4>& captions)
{
    std::array<std::string, 4> sortButtons;
    for (int position = 1; position <= 4; ++position)
        sortButtons[position - 1] = BuildSortButton(position, captions[position - 1]);
    return BuildViewerPage(sortButtons);
}

struct CaptionCase
{
    const char* name;
    std::array<std::string, 4> captions;
    std::array<std::string, 4> captionsAsWritten;
};

class ViewerPageCaptions : public testing::TestWithParam<CaptionCase>
{
};

TEST_P(ViewerPageCaptions, GiveThePageWithEachCaptionInItsButton)
{
    EXPECT_EQ(BuildPage(GetParam().captions), PageFor(GetParam().captionsAsWritten));
}

const CaptionCase kCaptionCases[] = {
    {"FourEmpty", {"", "", "", ""}, {"", "", "", ""}},
    {"TwoCategories", {"Name", "Address", "", ""}, {"Name", "Address", "", ""}},
    {"FourCategories", {"Fruit", "Colour", "Taste", "Price"}, {"Fruit", "Colour", "Taste", "Price"}},
    {"PercentSigns", {"%", "%s", "%d%%", "100%s%s"}, {"%", "%s", "%d%%", "100%s%s"}},
    {"BlanksStayAsTyped", {" Size ", "  ", "\t", "a  b"}, {" Size ", "  ", "\t", "a  b"}},
    // The page names no character set, so characters outside ASCII travel as references.
    {"NonAsciiAsReferences",
     {"Größe", "цвет", "名前", "\xF0\x9F\x8D\x8B"},
     {"Gr&#246;&#223;e", "&#1094;&#1074;&#1077;&#1090;", "&#21517;&#21069;", "&#127819;"}},
    {"IllFormedUtf8AsReplacementCharacters",
     {"a\xFF" "b", "\xC3", "\xE2\x82", "\xED\xA0\x80"},
     {"a&#65533;b", "&#65533;", "&#65533;", "&#65533;&#65533;&#65533;"}},
    {"DoubleQuote", {"Size \"XL\"", "\"", "a\"b", "\"\""}, {"Size &quot;XL&quot;", "&quot;", "a&quot;b", "&quot;&quot;"}},
    {"MarkupCharacters",
     {"<b>bold</b>", "Fish & Chips", "&amp;", "\"><script>alert(1)</script>"},
     {"&lt;b&gt;bold&lt;/b&gt;", "Fish &amp; Chips", "&amp;amp;", "&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;"}},
    {"ApostropheStaysAsTyped", {"it's", "'", "", ""}, {"it's", "'", "", ""}},
};

INSTANTIATE_TEST_SUITE_P(Captions, ViewerPageCaptions, testing::ValuesIn(kCaptionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ViewerPage, Takes3022BytesOnDiskPlusTheCaptions)
{
    EXPECT_EQ(BytesOnDisk(BuildPage({"", "", "", ""})), 3022u);
    const std::string page = BuildPage({"", "", "", ""});
    EXPECT_EQ(page.size(), 2918u);
    EXPECT_EQ(std::count(page.begin(), page.end(), '\n'), 104);
    EXPECT_EQ(BytesOnDisk(BuildPage({"Name", "Address", "Size", "%s"})), 3022u + 4 + 7 + 4 + 2);
    // "Größe" is written as "Gr&#246;&#223;e".
    EXPECT_EQ(BytesOnDisk(BuildPage({"Größe", "", "", ""})), 3022u + 15);
}

TEST(ViewerPage, EndsWithTheHtmlEndTagAndNoLineFeed)
{
    const std::string page = BuildPage({"a", "b", "c", "d"});
    EXPECT_TRUE(page.ends_with("</BODY>\n</HTML>"));
    EXPECT_TRUE(page.starts_with("<HTML>\n"));
}

TEST(SortButton, CarriesItsPositionsIsland)
{
    for (int position = 1; position <= 4; ++position) {
        const std::string button = BuildSortButton(position, "Caption");
        EXPECT_NE(button.find("VALUE=\"Caption\" onclick=\"sort(by" + std::to_string(position) + ".XMLDocument);\""),
                  std::string::npos)
            << button;
    }
}

// The inline scripts of the page: the bodies of its SCRIPT elements that have no src.
std::vector<std::string> InlineScripts(const std::string& page)
{
    std::vector<std::string> scripts;
    const std::string start = "<SCRIPT>";
    const std::string end = "</SCRIPT>";
    for (auto open = page.find(start); open != std::string::npos; open = page.find(start, open + 1)) {
        const auto body = open + start.size();
        scripts.push_back(page.substr(body, page.find(end, body) - body));
    }
    return scripts;
}

TEST(ViewerPage, InlineScriptsAreValidJavaScript)
{
    SKIP_WITHOUT_NODE();
    const auto scripts = InlineScripts(BuildPage({"Size \"XL\"", "<&>", "", ""}));
    ASSERT_EQ(scripts.size(), 2u);
    for (const auto& script : scripts)
        EXPECT_EQ(NodeSyntaxErrors(script), "") << script;
}

TEST(ViewerPage, NodeRejectsABrokenScript)
{
    // The syntax check itself must be able to fail, or the checks above prove nothing.
    SKIP_WITHOUT_NODE();
    EXPECT_NE(NodeSyntaxErrors("function sort(xsldoc){\n"), "");
}

} // namespace
