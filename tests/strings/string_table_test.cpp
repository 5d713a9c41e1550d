#include "StringTable.h"

#include <gtest/gtest.h>

TEST(StringTable, UnknownIdGivesEmptyText)
{
    for (unsigned id : {0u, 108u, 999999u})
        EXPECT_EQ(LoadString(id), "") << id;
}

// The stored texts are shown as they are: a trailing space or a tab between
// two line breaks is part of the layout.
TEST(StringTable, TextsKeepTheirSpacing)
{
    EXPECT_EQ(LoadString(174).back(), ' ');
    EXPECT_NE(LoadString(158).find("\r\n\t\r\n"), std::string::npos);
}

TEST(StringTable, FormatStringGrowsToAnyLength)
{
    const std::string longText(5000, 'x');
    EXPECT_EQ(FormatString("%s!", longText.c_str()), longText + "!");
}
