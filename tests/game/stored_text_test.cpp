#include <gtest/gtest.h>

#include "StoredText.h"

TEST(PlaceholderCheck, AcceptsTheAdvicePlaceholders)
{
    EXPECT_TRUE(HasConversions("keep the %s %sand (%.3f%% and %.2f : 1)", "ssff"));
    EXPECT_TRUE(HasConversions("100%% sure", ""));
}

TEST(PlaceholderCheck, RejectsTextsThatDisagreeWithTheArguments)
{
    EXPECT_FALSE(HasConversions("%s and %s", "s"));
    EXPECT_FALSE(HasConversions("%s", "ss"));
    EXPECT_FALSE(HasConversions("%.3f", "s"));
    EXPECT_FALSE(HasConversions("%d", "f"));
    EXPECT_FALSE(HasConversions("%5s", "s"));
    EXPECT_FALSE(HasConversions("%n", ""));
    EXPECT_FALSE(HasConversions("ends with %", ""));
    EXPECT_FALSE(HasConversions("a stored 15.985%, odds", ""));
}

TEST(FormattedStoredText, FillsThePlaceholdersOfTheStoredText)
{
    EXPECT_EQ(FormatStoredText(138, "one pair", "a high card"), "You hold one pair and a high card.");
}

TEST(FormattedStoredText, IsEmptyWhenTheTextWantsOtherArguments)
{
    // 185 takes eight numbers; 137 takes one name; 150 is used as stored.
    EXPECT_EQ(FormatStoredText(185, 1.0), "");
    EXPECT_EQ(FormatStoredText(137, 1.0), "");
    EXPECT_EQ(FormatStoredText(150, "x"), "");
}

TEST(FormattedStoredText, KeepsLongArgumentsWhole)
{
    const std::string longName(3000, 'x');
    EXPECT_EQ(FormatStoredText(137, longName.c_str()), "You hold " + longName + ".");
}
