#include "publish/template_fill.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct FillCase
{
    const char* name;
    std::string_view pattern;
    std::vector<std::string_view> arguments;
    std::string_view filled;
};

class TemplateFill : public testing::TestWithParam<FillCase>
{
};

std::string Fill(const FillCase& fill)
{
    switch (fill.arguments.size()) {
    case 0:
        return FillTemplate(fill.pattern, {});
    case 1:
        return FillTemplate(fill.pattern, {fill.arguments[0]});
    case 2:
        return FillTemplate(fill.pattern, {fill.arguments[0], fill.arguments[1]});
    default:
        return FillTemplate(fill.pattern, {fill.arguments[0], fill.arguments[1], fill.arguments[2]});
    }
}

TEST_P(TemplateFill, ReplacesEachPlaceholderWithItsArgumentVerbatim)
{
    EXPECT_EQ(Fill(GetParam()), GetParam().filled);
}

const FillCase kFillCases[] = {
    {"NoPlaceholder", "plain text\n", {}, "plain text\n"},
    {"PercentWithoutS", "100% %d %x %", {}, "100% %d %x %"},
    {"OnePlaceholder", "<fld1>%s</fld1>\n", {"Apple"}, "<fld1>Apple</fld1>\n"},
    {"PlaceholdersInOrder", "%s-%s-%s", {"a", "b", "c"}, "a-b-c"},
    {"EmptyArgument", "<fld3>%s</fld3>", {""}, "<fld3></fld3>"},
    {"ArgumentHoldingPlaceholder", "[%s]", {"%s"}, "[%s]"},
    {"ArgumentHoldingConversions", "[%s][%s]", {"%d%n%x", "%s%s%s"}, "[%d%n%x][%s%s%s]"},
    {"ArgumentIsNotRescanned", "%s%s", {"%", "s"}, "%s"},
    {"EmbeddedZero", "<%s>", {std::string_view("a\0b", 3)}, std::string_view("<a\0b>", 5)},
    {"MissingArgumentLeavesPlaceholder", "%s and %s", {"one"}, "one and %s"},
    {"ExtraArgumentUnused", "%s", {"one", "two"}, "one"},
    {"PlaceholderAtBothEnds", "%sx%s", {"<", ">"}, "<x>"},
};

INSTANTIATE_TEST_SUITE_P(Cases, TemplateFill, testing::ValuesIn(kFillCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AppendFilled, AppendsToWhatIsThere)
{
    std::string text = "start:";
    AppendFilled(text, "<%s>", {"one"});
    AppendFilled(text, "<%s>", {"two"});
    EXPECT_EQ(text, "start:<one><two>");
}

TEST(SplitAtPlaceholders, GivesThePiecesAround)
{
    EXPECT_EQ(SplitAtPlaceholders("a%sb%s"), (std::vector<std::string_view> {"a", "b", ""}));
    EXPECT_EQ(SplitAtPlaceholders("none"), (std::vector<std::string_view> {"none"}));
    EXPECT_EQ(SplitAtPlaceholders("%s"), (std::vector<std::string_view> {"", ""}));
}

} // namespace
