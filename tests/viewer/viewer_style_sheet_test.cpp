#include "viewer/viewer_style_sheet.h"

#include "tests/viewer/script_check.h"

#include <gtest/gtest.h>

namespace {

const std::string kStyleSheet =
#include "tests/viewer/expected_style_sheet.inc"
    ;

TEST(ViewerStyleSheet, IsTheThreeRuleGroupsJoined)
{
    EXPECT_EQ(BuildViewerStyleSheet(), kStyleSheet);
}

TEST(ViewerStyleSheet, Takes752BytesOnDisk)
{
    const std::string styleSheet = BuildViewerStyleSheet();
    EXPECT_EQ(styleSheet.size(), 715u);
    EXPECT_EQ(std::count(styleSheet.begin(), styleSheet.end(), '\t'), 1);
    EXPECT_EQ(styleSheet.back(), '\n');
    EXPECT_EQ(BytesOnDisk(styleSheet), 752u);
}

} // namespace
