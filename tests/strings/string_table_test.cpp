#include "StringTable.h"

#include <gtest/gtest.h>

TEST(StringTable, UnknownIdGivesEmptyText)
{
    for (unsigned id : {0u, 108u, 999999u})
        EXPECT_EQ(LoadString(id), "") << id;
}

TEST(StringTable, FormatStringGrowsToAnyLength)
{
    const std::string longText(5000, 'x');
    EXPECT_EQ(FormatString("%s!", longText.c_str()), longText + "!");
}
