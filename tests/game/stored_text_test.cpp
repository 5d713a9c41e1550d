#include <gtest/gtest.h>

#include "StoredText.h"

// An edited table can never make the formatting read past its arguments.
TEST(PlaceholderCheck, AcceptsOnlyTextsThatAgreeWithTheArguments)
{
    const std::pair<const char*, const char*> agree[] = {{"keep the %s %sand (%.3f%% and %.2f : 1)", "ssff"},
                                                         {"100%% sure", ""}};
    const std::pair<const char*, const char*> disagree[] = {
        {"%s and %s", "s"}, {"%s", "ss"}, {"%.3f", "s"}, {"%d", "f"}, {"%5s", "s"},
        {"%n", ""},         {"ends with %", ""}, {"a stored 15.985%, odds", ""}};
    for (const auto& [format, conversions] : agree)
        EXPECT_TRUE(HasConversions(format, conversions)) << format;
    for (const auto& [format, conversions] : disagree)
        EXPECT_FALSE(HasConversions(format, conversions)) << format;
}

TEST(FormattedStoredText, IsEmptyWhenTheTextWantsOtherArguments)
{
    // 185 takes eight numbers; 137 takes one name; 150 takes numbers.
    EXPECT_EQ(FormatStoredText(185, 1.0), "");
    EXPECT_EQ(FormatStoredText(137, 1.0), "");
    EXPECT_EQ(FormatStoredText(150, "x"), "");
}

TEST(FormattedStoredText, KeepsLongArgumentsWhole)
{
    const std::string longName(3000, 'x');
    const std::string text = FormatStoredText(137, longName.c_str());
    EXPECT_NE(text.find(longName), std::string::npos);
    EXPECT_GT(text.size(), longName.size());
}
