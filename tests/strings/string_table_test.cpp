#include "StringTable.h"

#include <gtest/gtest.h>

TEST(StringTable, UnknownIdGivesEmptyText)
{
    EXPECT_EQ(LoadString(0), "");
    EXPECT_EQ(LoadString(108), "");
    EXPECT_EQ(LoadString(999999), "");
}

TEST(StringTable, TextsKeepTheirSpacingAndLineBreaks)
{
    EXPECT_EQ(LoadString(147), "a higher formation than yours");
    EXPECT_EQ(LoadString(174), "from the highest straight ");
    EXPECT_EQ(LoadString(100), "OLE initialization failed.  Make sure that the OLE libraries are the correct version.");
    EXPECT_EQ(LoadString(175), "1) %s\r\n\r\n2) %s");
    // A tab between two line breaks, and double spaces before figures, as stored.
    const std::string text158 = LoadString(158);
    EXPECT_NE(text158.find("%.3f%% (%.2f : 1 odds).\r\n\t\r\n2) "), std::string::npos);
    EXPECT_NE(LoadString(153).find("succeeding is  %.3f%%"), std::string::npos);
    EXPECT_NE(LoadString(166).find("odds:  %.2f : 1"), std::string::npos);
}

TEST(StringTable, FormatStringGrowsToAnyLength)
{
    const std::string longText(5000, 'x');
    EXPECT_EQ(FormatString("%s!", longText.c_str()).size(), 5001u);
    EXPECT_EQ(FormatString(LoadString(135).c_str(), 42.0), "42.000%");
    EXPECT_EQ(FormatString(LoadString(136).c_str(), 1.3771), "1.38 : 1");
}
