// The price of a call: the gain a call expects, the share it needs, and the
// verdict, where the pot share's interval decides the close calls.

#include "CallPrice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

struct TCallCase {
    double m_dPot, m_dCall, m_dShare, m_dError;
    ECallVerdict m_eVerdict;
};

// A pot of 60 and 20 to call needs a quarter of the pot.
const TCallCase kCases[] = {
    {60, 20, 0.30, 0.010, ECallVerdict::Call},    // clear gain
    {60, 20, 0.20, 0.010, ECallVerdict::Fold},    // clear loss
    {60, 20, 0.27, 0.005, ECallVerdict::Call},    // a small gain, a narrow interval
    {60, 20, 0.27, 0.030, ECallVerdict::Close},   // the same gain, an interval reaching 0
    {60, 20, 0.24, 0.005, ECallVerdict::Fold},
    {60, 20, 0.24, 0.030, ECallVerdict::Close},
    {60, 20, 0.25, 0.000, ECallVerdict::Close},   // counted exactly at the break-even share
    {60, 20, 0.2501, 0.000, ECallVerdict::Call},  // counted: no interval to hide behind
    {1, 3, 0.70, 0.010, ECallVerdict::Fold},      // a call dearer than the pot
    {1000, 1, 0.01, 0.020, ECallVerdict::Close},
};

TEST(CallPrice, GainIsTheShareOfThePotWonLessTheCallLost)
{
    for (const TCallCase& c : kCases) {
        const TCallPrice price = PriceCall(c.m_dPot, c.m_dCall, c.m_dShare, c.m_dError);
        ASSERT_TRUE(price.m_bValid);
        // Wins his share of the pot as it stands; loses the call the rest of the time.
        const double gain = c.m_dShare * c.m_dPot - (1 - c.m_dShare) * c.m_dCall;
        EXPECT_NEAR(price.m_dGain, gain, 1e-9) << c.m_dShare;
        EXPECT_NEAR(price.m_dGainError, c.m_dError * (c.m_dPot + c.m_dCall), 1e-9);
        // The needed share is where the gain is nil.
        EXPECT_NEAR(price.m_dNeeded * c.m_dPot - (1 - price.m_dNeeded) * c.m_dCall, 0, 1e-9);
        EXPECT_EQ(price.m_eVerdict, c.m_eVerdict) << c.m_dPot << " " << c.m_dCall << " " << c.m_dShare << " ± "
                                                  << c.m_dError;
    }
}

TEST(CallPrice, AmountsThatAreNotPositiveGiveNoPrice)
{
    for (double amount : {0.0, -5.0, std::nan(""), HUGE_VAL}) {
        EXPECT_FALSE(PriceCall(amount, 20, 0.3, 0.01).m_bValid) << amount;
        EXPECT_FALSE(PriceCall(60, amount, 0.3, 0.01).m_bValid) << amount;
        EXPECT_TRUE(DescribeCall(PriceCall(60, amount, 0.3, 0.01)).m_strVerdict.empty());
    }
}

TEST(CallPrice, EachVerdictHasItsOwnWordsAndTheAssumption)
{
    std::set<std::string> verdicts;
    for (const TCallCase& c : kCases) {
        const TCallText text = DescribeCall(PriceCall(c.m_dPot, c.m_dCall, c.m_dShare, c.m_dError));
        EXPECT_FALSE(text.m_strNeeded.empty());
        EXPECT_FALSE(text.m_strAssumption.empty());
        verdicts.insert(text.m_strVerdict.substr(0, text.m_strVerdict.find(':')));
    }
    EXPECT_EQ(verdicts.size(), 3u);
}

} // namespace
