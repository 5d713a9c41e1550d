// The table simulation against the tests' own plain simulation: every
// compared hold's pot share within the combined interval, the bound set for
// 99.9% over the whole table of states at once.

#include "PlainTable.h"
#include "TableSimulation.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct TTableState {
    const char* m_szHand;
    const char* m_szSeen;  // the player's discards on a final hand
    bool m_bFinal;
    int m_nOpponents;
    ETableModel m_eModel;
    std::vector<int> m_arrDrew;     // per opponent, kDrawUnseen when not seen
    std::vector<unsigned> m_arrHolds;  // the holds compared (keep masks)
    std::vector<const char*> m_arrRanges = {};  // per opponent, any hand when missing
};

constexpr int U = kDrawUnseen;
constexpr ETableModel kUsual = ETableModel::UsualPlay;
constexpr ETableModel kPat = ETableModel::StandPat;

// Holds: 31 all, 3 the first two cards, 7 the first three, 15 four, 0 none.
const TTableState kStates[] = {
    {"Kd Ks 8s 4h 2c", "", false, 1, kUsual, {U}, {31, 3, 7, 0}},
    {"Kd Ks 8s 4h 2c", "", false, 3, kUsual, {U, U, U}, {31, 3, 7, 0}},
    // Five opponents run through the stub into the reshuffled discards.
    {"Kd Ks 8s 4h 2c", "", false, 5, kUsual, {U, U, U, U, U}, {31, 3, 7, 0}},
    {"7h 8h 9h Th 2c", "", false, 3, kUsual, {0, U, U}, {31, 15, 0}},
    {"Jc Jd 4h 4s Ac", "", false, 3, kUsual, {1, 3, U}, {31, 15, 3}},
    {"Ac Qd 9h 6s 3c", "", false, 5, kUsual, {5, 3, U, U, U}, {31, 1, 0}},
    {"Qc Qd 9h 5s 3c", "", false, 1, kPat, {U}, {3, 0}},
    {"Qc Qd 9h 5s 3c", "", false, 3, kPat, {U, U, U}, {31, 3, 0}},
    {"Tc Td Ts 2h 2d", "Ac 5s", true, 3, kUsual, {U, U, U}, {31}},
    {"9c 9d Kh Qs 3d", "4c 7h 8s", true, 1, kUsual, {3}, {31}},
    {"As Ks Qd Jh 4c", "2c", true, 5, kPat, {U, U, U, U, U}, {31}},
    {"As Ks Qd Jh 4c", "2c", true, 2, kPat, {U, U}, {31}},
    // Against three or more standing pat: with control variates (a strong
    // hand), and plain, stopping at the first hand above (a weak one).
    {"7c 7d 7h 2s 2c", "", true, 3, kPat, {U, U, U}, {31}},
    {"Qc Jd 9h 6s 3c", "Kh", true, 4, kPat, {U, U, U, U}, {31}},
    // Ranged opponents: an opener, an opener seen to draw 1 beside a caller
    // seen to draw 3, draws in a range, ranges that share most of their cards,
    // a range beside seen counts of others, final hands, standing pat.
    {"Kd Ks 8s 4h 2c", "", false, 1, kUsual, {U}, {31, 3, 7, 0}, {"open"}},
    {"Qs Qd 7c 7h Ac", "", false, 2, kUsual, {1, 3}, {31, 15, 3, 0}, {"open", "any"}},
    {"Ah Kd 9s 6c 2h", "", false, 3, kUsual, {U, U, U}, {31, 1, 0}, {"77-TT/4F/OE", "?", "2P+"}},
    {"Ac 9d 7h 4s 2c", "", false, 3, kUsual, {U, U, U}, {31, 1, 0}, {"KK", "KK/QQ", "?"}},
    {"Jc Jd 4h 4s Ac", "", false, 5, kUsual, {U, 3, 1, U, U}, {31, 15, 3}, {"22+"}},
    {"9c 9d Kh Qs 3d", "4c 7h 8s", true, 3, kUsual, {1, U, U}, {31}, {"JJ+", "?", "4F/OE"}},
    {"Qc Qd 9h 5s 3c", "", false, 1, kPat, {U}, {31, 3, 0}, {"JJ+"}},
    {"As Ks Qd Jh 4c", "2c", true, 2, kPat, {U, U}, {31}, {"2P+", "open"}},
    {"7c 7d 7h 2s 2c", "", true, 3, kPat, {U, U, U}, {31}, {"?", "2P+"}},
};

TTableSetup SetupOf(const TTableState& state, std::uint64_t trials, std::uint64_t seed)
{
    TTableSetup setup;
    const std::vector<int> hand = Cards(state.m_szHand);
    std::copy(hand.begin(), hand.end(), setup.m_anHand);
    for (int c : Cards(state.m_szSeen))
        setup.m_abSeen[c] = true;
    setup.m_bFinal = state.m_bFinal;
    setup.m_nOpponents = state.m_nOpponents;
    setup.m_eModel = state.m_eModel;
    for (size_t o = 0; o < state.m_arrDrew.size(); ++o)
        setup.m_anDrew[o] = state.m_arrDrew[o];
    for (size_t o = 0; o < state.m_arrRanges.size(); ++o) {
        std::string bad;
        EXPECT_TRUE(CHandRange::Parse(state.m_arrRanges[o], CHandRange::kDefaultOpenRank, setup.m_aRanges[o], bad))
            << state.m_arrRanges[o];
    }
    setup.m_nTrials = trials;
    setup.m_nSeed = seed;
    return setup;
}

const THoldEquity* Find(const TTableResult& result, unsigned mask)
{
    for (const THoldEquity& hold : result.m_arrHolds)
        if (hold.m_nKeepMask == mask)
            return &hold;
    return nullptr;
}

// Two-sided normal quantile for a tail of `alpha`, by bisection on erfc.
double NormalQuantile(double alpha)
{
    double low = 0, high = 10;
    for (int i = 0; i < 100; ++i) {
        const double mid = (low + high) / 2;
        (std::erfc(mid / std::sqrt(2.0)) > alpha ? low : high) = mid;
    }
    return low;
}

std::string Describe(const TTableState& state, unsigned mask)
{
    std::string text = std::string(state.m_szHand) + " keep " + std::to_string(mask) + " vs " +
                       std::to_string(state.m_nOpponents) + (state.m_eModel == kPat ? " pat" : " drawing");
    for (int drew : state.m_arrDrew)
        text += drew == U ? " ?" : " " + std::to_string(drew);
    for (const char* range : state.m_arrRanges)
        text += std::string(" ") + range;
    return text + (state.m_bFinal ? " final" : "");
}

TEST(TableSimulation, EveryComparedHoldAgreesWithThePlainSimulation)
{
    const std::uint64_t engineTrials = Sanitized() ? 20000 : 200000;
    const std::uint64_t plainTrials = Sanitized() ? 3000 : 30000;
    size_t comparisons = 0;
    for (const TTableState& state : kStates)
        comparisons += state.m_arrHolds.size();
    const double z = NormalQuantile(0.001 / static_cast<double>(comparisons));

    std::uint64_t seed = 11;
    for (const TTableState& state : kStates) {
        const TTableSetup engineSetup = SetupOf(state, engineTrials, seed++);
        ASSERT_EQ(CheckTableSetup(engineSetup), ETableError::None) << Describe(state, 31);
        const TTableResult engine = SimulateTable(engineSetup);
        ASSERT_TRUE(engine.m_bDone) << Describe(state, 31);
        const std::vector<TPlainHoldFigures> plain =
            PlainTableSimulation(SetupOf(state, plainTrials, seed++), state.m_arrHolds);
        for (const TPlainHoldFigures& p : plain) {
            const THoldEquity* e = Find(engine, p.m_nKeepMask);
            ASSERT_NE(e, nullptr) << Describe(state, p.m_nKeepMask);
            // The engine's half-width is 1.96 standard errors (0 when counted).
            const double engineError = e->m_dPotShareError / 1.96;
            const double bound = z * std::sqrt(engineError * engineError + p.m_dVariance / p.m_nTrials);
            EXPECT_NEAR(e->m_dPotShare, p.m_dPotShare, bound) << Describe(state, p.m_nKeepMask);
        }
    }
}

// Kings kept against kings with the eight: close holds on the same deals.
// Over many seeds the paired margin's interval covers the long run's margin
// about 95% of the time, and is far narrower than the two intervals added.
TEST(TableSimulation, TheMarginOfTwoHoldsHasAnHonestPairedInterval)
{
    const TTableState state = {"Kd Ks 8s 4h 2c", "", false, 3, kUsual, {U, U, U}, {}};
    const unsigned kings = 3, kingsAndEight = 7;
    const int seeds = Sanitized() ? 30 : 120;
    const std::uint64_t trials = 8192;
    const TTableResult longRun = SimulateTable(SetupOf(state, Sanitized() ? 400000 : 2000000, 7));
    const double truth = HoldMargin(longRun, kings, kingsAndEight).m_dMargin;
    int covered = 0;
    double sumOfErrors = 0, sumOfAddedErrors = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        const TTableResult run = SimulateTable(SetupOf(state, trials, 100 + seed));
        const THoldMargin margin = HoldMargin(run, kings, kingsAndEight);
        ASSERT_TRUE(margin.m_bValid);
        covered += std::fabs(margin.m_dMargin - truth) <= margin.m_dError;
        sumOfErrors += margin.m_dError;
        sumOfAddedErrors += Find(run, kings)->m_dPotShareError + Find(run, kingsAndEight)->m_dPotShareError;
    }
    // Binomial(120, 0.95) falls below 100 or the interval's bias shows in
    // fewer than one run in ten thousand; the long run's own error is a
    // few per cent of one interval.
    EXPECT_GE(covered, seeds * 5 / 6) << "of " << seeds;
    EXPECT_LT(sumOfErrors, 0.5 * sumOfAddedErrors);
}

} // namespace
