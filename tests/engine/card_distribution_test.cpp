#include "CardDistribution.h"

#include <gtest/gtest.h>

TEST(CardDistributionDump, WritesEachCountFollowedByADash)
{
    const int suits[4] = {1, 2, 0, 2};
    const CCardDistribution dist(5, suits, 4);
    std::string text;
    dist.Dump(text);
    EXPECT_EQ(text, "1-2-0-2-\r\n");
}

TEST(CardDistributionDump, NothingKnownGivesThirteenZeros)
{
    const int ranks[13] = {};
    const CCardDistribution dist(0, ranks, 13);
    std::string text;
    dist.Dump(text);
    EXPECT_EQ(text, "0-0-0-0-0-0-0-0-0-0-0-0-0-\r\n");
}

TEST(CardDistributionDump, MatrixDistributionDumpsOnlyTheLineBreak)
{
    const int matrix[52] = {1, 1, 1, 1, 1};
    const C2IndexesCardDistribution dist(5, matrix);
    std::string text;
    dist.Dump(text);
    EXPECT_EQ(text, "\r\n");
}

TEST(CardDistributionDump, AppendsToWhatIsThere)
{
    const int suits[4] = {0, 0, 3, 10};
    const CCardDistribution dist(13, suits, 4);
    std::string text = "suits: ";
    dist.Dump(text);
    dist.Dump(text);
    EXPECT_EQ(text, "suits: 0-0-3-10-\r\n0-0-3-10-\r\n");
}
