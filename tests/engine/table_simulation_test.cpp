// The table simulation against the tests' own plain simulation: every
// compared hold's pot share within the combined interval, the bound set for
// 99.9% over the whole table of states at once. Its intervals against an
// exact figure, and the holds' shared deals.

#include "PlainTable.h"
#include "TableSimulation.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
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
    // Seen opponents rarely dealt together keep their hands for a few deals,
    // moved a little between them; at five the draws run the stub out.
    {"Kd Ks 8s 4h 2c", "", false, 5, kUsual, {3, 3, 3, U, U}, {31, 3, 7, 0}},
    {"9c 9d Kh Qs 3d", "4c 7h 8s", true, 4, kUsual, {1, 3, 3, U}, {31}},
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
    TTableSetup setup = TableSetupOf(state.m_szHand, state.m_nOpponents, state.m_arrDrew, state.m_szSeen,
                                     state.m_arrRanges);
    setup.m_bFinal = state.m_bFinal;
    setup.m_eModel = state.m_eModel;
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
    return std::string(state.m_szHand) + " keep " + std::to_string(mask) + " vs " + std::to_string(state.m_nOpponents) +
           (state.m_eModel == kPat ? " pat" : " drawing") + (state.m_bFinal ? " final" : "") + " (" +
           std::to_string(&state - kStates) + ")";
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

// Runs of one setup over seeds first, first + 1, ...: the pot share and
// its half-width of each hold in `masks`, per run.
std::vector<std::vector<THoldEquity>> OverSeeds(TTableSetup setup, int runs, const std::vector<unsigned>& masks)
{
    setup.m_nThreads = 1;
    std::vector<std::vector<THoldEquity>> figures;
    for (int r = 0; r < runs; ++r) {
        setup.m_nSeed = 1000 + static_cast<std::uint64_t>(r);
        const TTableResult result = SimulateTable(setup);
        std::vector<THoldEquity> run;
        for (unsigned mask : masks)
            run.push_back(*Find(result, mask));
        figures.push_back(run);
    }
    return figures;
}

// Holds that draw the same number of cards take the same replacements in a
// deal, so the difference of two that differ only in a King's suit varies
// far less over seeds than either figure: its spread is under a quarter of
// the two standard errors added (unpaired it would be about 0.7 of them).
TEST(TableSimulation, HoldsDrawingAlikeShareTheirDealsSoTheirDifferenceIsPaired)
{
    // Either King alone (drawing four), either King with the 4 and the 2 (drawing two).
    const std::vector<std::pair<unsigned, unsigned>> pairs = {{1, 2}, {25, 26}};
    std::vector<unsigned> masks;
    for (const auto& [a, b] : pairs)
        masks.insert(masks.end(), {a, b});
    const TTableSetup setup = SetupOf({"Kd Ks 8s 4h 2c", "", false, 3, kUsual, {U, U, U}, {}}, 4096, 0);
    const int runs = Sanitized() ? 30 : 60;
    const auto figures = OverSeeds(setup, runs, masks);
    for (size_t p = 0; p < pairs.size(); ++p) {
        double sum = 0, squares = 0, errors = 0;
        for (const auto& run : figures) {
            const double difference = run[2 * p].m_dPotShare - run[2 * p + 1].m_dPotShare;
            sum += difference;
            squares += difference * difference;
            errors += (run[2 * p].m_dPotShareError + run[2 * p + 1].m_dPotShareError) / 1.96;
        }
        const double spread = std::sqrt((squares - sum * sum / runs) / (runs - 1));
        EXPECT_LT(spread, errors / runs / 4) << "keep " << pairs[p].first << " against keep " << pairs[p].second;
    }
}

// The exact pot share of a hold against one opponent standing pat: every
// draw of the unseen cards, then every hand of what is left.
double ExactPotShareAgainstOne(const TTableSetup& setup, unsigned mask)
{
    const std::vector<int> unseen = UnseenAt(setup);
    std::vector<int> kept;
    for (int i = 0; i < 5; ++i)
        if (mask >> i & 1u)
            kept.push_back(setup.m_anHand[i]);
    const int draw = 5 - static_cast<int>(kept.size());
    double shares = 0, deals = 0;
    const int n = static_cast<int>(unseen.size());
    for (unsigned pick = 0; pick < 1u << n; ++pick) {
        if (__builtin_popcount(pick) != draw)
            continue;
        std::vector<int> player = kept, rest;
        for (int i = 0; i < n; ++i)
            (pick >> i & 1u ? player : rest).push_back(unseen[static_cast<size_t>(i)]);
        const auto mine = ClassifyPlain(player.data()).m_anRanking;
        ForEachFiveOf(rest, [&](const int* hand) {
            const auto theirs = ClassifyPlain(hand).m_anRanking;
            shares += mine > theirs ? 1 : mine == theirs ? 0.5 : 0;
            deals += 1;
        });
    }
    return shares / deals;
}

// Over many seeds the 95% interval of a simulated pot share covers the
// exact one about 95% of the time: the half-width is 1.96 standard errors,
// neither narrower nor wider. The bounds are 4.5 standard deviations of the
// count of covering runs, so they never flake.
TEST(TableSimulation, TheIntervalCoversTheExactFigureNineteenTimesInTwenty)
{
    TTableSetup setup = SetupOf({"Kd Ks 8s 4h 2c", "", false, 1, kPat, {U}, {}}, 1000, 0);
    // A deck of 18 unseen cards, for the exact figure to be counted here.
    LeaveUnseen(setup, "Ac Ad Kh 8c 8d 4c 4d 2h Qs Js Ts 9s 5h 3h 6c 7d Jh 9c");
    ASSERT_EQ(CheckTableSetup(setup), ETableError::None);
    const unsigned mask = 1;  // the King, drawing four
    const double exact = ExactPotShareAgainstOne(setup, mask);
    const int runs = Sanitized() ? 300 : 1000;
    int covered = 0;
    for (const auto& run : OverSeeds(setup, runs, {mask})) {
        ASSERT_FALSE(run[0].m_bExact);
        covered += std::fabs(run[0].m_dPotShare - exact) <= run[0].m_dPotShareError;
    }
    const double expected = 0.95 * runs, slack = 4.5 * std::sqrt(runs * 0.95 * 0.05);
    EXPECT_GT(covered, expected - slack) << "of " << runs << " runs, exact " << exact;
    EXPECT_LT(covered, expected + slack) << "of " << runs << " runs, exact " << exact;
}

// Seen opponents dealt rarely together keep their hands for a group of
// deals; the interval counts groups, so over many seeds the figures spread
// as their half-widths say (1.96 standard errors), neither more nor less.
TEST(TableSimulation, AGroupOfDealsOnTheSameSeenHandsCountsOnceInTheInterval)
{
    TTableSetup setup = SetupOf({"Ah Qh 9h 6h 2h", "", true, 3, kUsual, {0, 0, 0}, {}}, 2048, 0);
    std::fill(setup.m_abSeen, setup.m_abSeen + 52, true);
    for (int c : Cards("Ah Qh 9h 6h 2h 3c 4c 5c 6c 7c 8c 9d Td Jd Qd Kd 3s 4s 5s 6s 7s 8s 9s 2d 3d 4d 5d Kc Qc Jc"))
        setup.m_abSeen[c] = false;
    ASSERT_EQ(CheckTableSetup(setup), ETableError::None);
    ASSERT_GT(PlayTableBlocks(setup, 0, 1).m_nReuse, 1u) << "the hands are not reused: nothing is tested";
    const int runs = Sanitized() ? 200 : 400;
    double sum = 0, squares = 0, variances = 0;
    for (const auto& run : OverSeeds(setup, runs, {31})) {
        sum += run[0].m_dPotShare;
        squares += run[0].m_dPotShare * run[0].m_dPotShare;
        variances += std::pow(run[0].m_dPotShareError / 1.96, 2);
    }
    const double spread = std::sqrt((squares - sum * sum / runs) / (runs - 1));
    // The spread's own relative error is about 1 / sqrt(2 runs): 4.5 of them.
    EXPECT_NEAR(spread / std::sqrt(variances / runs), 1.0, 4.5 / std::sqrt(2.0 * runs));
}

// Holds of equal pot share go to the one keeping more cards, then to the
// lower keep mask, whatever order they come in.
TEST(TableSimulation, EqualPotSharesAreOrderedByCardsKeptThenKeepMask)
{
    std::vector<THoldEquity> holds(32);
    for (unsigned mask = 0; mask < 32; ++mask) {
        holds[mask].m_nKeepMask = mask;
        holds[mask].m_dPotShare = mask % 3 == 0 ? 0.25 : 0.5;
    }
    std::vector<unsigned> expected;
    for (double share : {0.5, 0.25})
        for (int kept = 5; kept >= 0; --kept)
            for (const THoldEquity& hold : holds)
                if (hold.m_dPotShare == share && __builtin_popcount(hold.m_nKeepMask) == kept)
                    expected.push_back(hold.m_nKeepMask);
    std::mt19937 random(3);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(holds.begin(), holds.end(), random);
        std::vector<THoldEquity> sorted = holds;
        SortByPotShare(sorted);
        for (size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(sorted[i].m_nKeepMask, expected[i]) << "position " << i << ", round " << round;
    }
}

} // namespace
