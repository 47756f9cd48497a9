#include "publish/sort_stylesheet.h"

#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

namespace {

std::string Stylesheet(char digit)
{
    return std::string("<db>\n<xsl:for-each order-by=\"+ fld") + digit
           + "\" select=\"dbparent\" xmlns:xsl=\"http://www.w3.org/TR/WD-xsl\">\n"
             "<dbparent>\n"
             "<fld1><xsl:value-of select=\"fld1\"/></fld1>\n"
             "<fld2><xsl:value-of select=\"fld2\"/></fld2>\n"
             "<fld3><xsl:value-of select=\"fld3\"/></fld3>\n"
             "<fld4><xsl:value-of select=\"fld4\"/></fld4>\n"
             "</dbparent>\n"
             "</xsl:for-each>\n"
             "</db>";
}

TEST(SortStylesheet, OrdersByThePositionsField)
{
    for (int position = 1; position <= 4; ++position)
        EXPECT_EQ(BuildSortStylesheet(position), Stylesheet(static_cast<char>('0' + position)));
}

TEST(SortStylesheet, Takes321BytesOnDisk)
{
    for (int position = 1; position <= 4; ++position) {
        const std::string stylesheet = BuildSortStylesheet(position);
        EXPECT_EQ(stylesheet.size(), 312u);
        EXPECT_EQ(std::count(stylesheet.begin(), stylesheet.end(), '\n'), 9);
        EXPECT_EQ(OnDisk(stylesheet).size(), 321u);
    }
}

TEST(SortStylesheet, FourDifferOnlyInTheDigitAfterPlusFld)
{
    const std::string first = BuildSortStylesheet(1);
    const auto digit = first.find("+ fld") + 5;
    for (int position = 2; position <= 4; ++position) {
        const std::string other = BuildSortStylesheet(position);
        ASSERT_EQ(other.size(), first.size());
        for (std::size_t index = 0; index < first.size(); ++index)
            if (index == digit)
                EXPECT_EQ(other[index], '0' + position);
            else
                EXPECT_EQ(other[index], first[index]) << "position " << position << ", byte " << index;
    }
}

} // namespace
