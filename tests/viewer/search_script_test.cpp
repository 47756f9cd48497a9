#include "viewer/search_script.h"

#include "tests/viewer/script_check.h"

#include <gtest/gtest.h>

namespace {

const std::string kSearchScript =
#include "tests/viewer/expected_search_script.inc"
    ;

TEST(SearchScript, IsTheTwoHalvesOfExSearchJoined)
{
    EXPECT_EQ(BuildSearchScript(), kSearchScript);
}

TEST(SearchScript, Takes483BytesOnDisk)
{
    const std::string script = BuildSearchScript();
    EXPECT_EQ(script.size(), 451u);
    EXPECT_EQ(script.back(), '\n');
    EXPECT_EQ(BytesOnDisk(script), 483u);
}

TEST(SearchScript, IsValidJavaScript)
{
    SKIP_WITHOUT_NODE();
    EXPECT_EQ(NodeSyntaxErrors(BuildSearchScript()), "");
}

} // namespace
