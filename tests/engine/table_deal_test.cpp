// The dealer of one trial and the run around it: seen opponents get only
// hands their usual play draws their count to, dealt jointly so that each
// consistent deal is equally likely; the setup check; the same figures on
// any number of threads; cancelling.

#include "PlainTable.h"
#include "TableDeal.h"
#include "TableSimulation.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int U = kDrawUnseen;

std::uint64_t MaskOf(const int* cards, int count)
{
    std::uint64_t mask = 0;
    for (int i = 0; i < count; ++i)
        mask |= 1ull << cards[i];
    return mask;
}

// The opponents' hands and the stub split the unseen cards, and a seen
// opponent holds only hands his usual play draws his count to. After every
// draw, the player's hand (his dealt five, the kept ones and the discards
// that never come back, and the replacements from the stub's first places)
// and every opponent's final hand hold 5 + d + 5n different cards: on the
// whole deck, with seen counts, and on decks so short that the opponents'
// draws run the stub out and the discards are reshuffled, at every table
// size and draw.
TEST(TableDeal, ACardIsInOnePlaceAtATime)
{
    const std::vector<int> spare = Cards("Ac Ad Ah As Kc Kh 2d 2h 2s 3c 3d 3h 3s 5c 5d 5h 5s 6c 6d 6h 6s 7c 7d 7h "
                                         "7s 8c 8d 8h 9c 9d 9h 9s Tc Td Th Ts Jc Jd");
    for (int opponents = 1; opponents <= kMaxTableOpponents; ++opponents)
        for (int deck : {0, 1, 2}) {
            // The whole deck; seen counts and a seen card; the least deck
            // CheckTableSetup allows (the hands, the player's draw and one more five).
            TTableSetup setup = TableSetupOf("Kd Ks 8s 4h 2c", opponents, deck == 1 ? std::vector<int>{1, U, 3, 2, 0}
                                                                                 : std::vector<int>{});
            setup.m_abSeen[Cards("Qs")[0]] = deck == 1;
            if (deck == 2) {
                std::fill(setup.m_abSeen, setup.m_abSeen + 52, true);
                for (size_t i = 0; i < static_cast<size_t>(5 * opponents + 10); ++i)
                    setup.m_abSeen[spare[i]] = false;
                for (int card : setup.m_anHand)
                    setup.m_abSeen[card] = false;
            }
            ASSERT_EQ(CheckTableSetup(setup), ETableError::None);
            const CTableDealer dealer(setup);
            const std::uint64_t unseen = MaskOf(dealer.Unseen().data(), static_cast<int>(dealer.Unseen().size()));
            CTableRandom random(static_cast<std::uint64_t>(opponents), static_cast<std::uint64_t>(deck));
            TTableDeal deal;
            int runOuts = 0;
            for (int t = 0; t < 300; ++t) {
                ASSERT_TRUE(dealer.Deal(random, deal, 100000));
                std::uint64_t dealt = MaskOf(deal.Stub(), deal.StubSize());
                int opponentDraws = 0;
                for (int o = 0; o < opponents; ++o) {
                    dealt |= MaskOf(deal.m_anHands[o], 5);
                    opponentDraws += deal.m_anDraw[o];
                    // A seen opponent holds only hands that draw his count.
                    if (setup.m_anDrew[o] != U) {
                        ASSERT_EQ(5 - __builtin_popcount(PlainUsualKeep(deal.m_anHands[o])), setup.m_anDrew[o]) << o;
                    }
                }
                ASSERT_EQ(dealt, unseen);
                ASSERT_EQ(__builtin_popcountll(dealt), 5 * opponents + deal.StubSize());
                runOuts += CTableDealer::kPlayerPositions + opponentDraws > deal.StubSize();
                for (int draw = 0; draw <= 5; ++draw) {
                    int finals[kMaxTableOpponents][5];
                    OpponentsFinalHands(deal, opponents, draw, random.Next(), finals);
                    std::uint64_t cards = MaskOf(setup.m_anHand, 5) | MaskOf(deal.Stub(), draw);
                    for (int o = 0; o < opponents; ++o)
                        cards |= MaskOf(finals[o], 5);
                    ASSERT_EQ(__builtin_popcountll(cards), 5 + draw + 5 * opponents)
                        << opponents << " opponents, deck " << deck << ", player draws " << draw;
                }
            }
            if (deck == 2 && opponents > 1) {
                EXPECT_GT(runOuts, 0) << opponents << " opponents never ran the stub out";
            }
        }
}

// On a small deck every pair of disjoint hands the two seen counts allow is
// counted; the first seen opponent's hand must then come up in proportion
// to how many hands it leaves the second. Dealing one opponent at a time
// would make the first uniform over his hands instead.
TEST(TableDeal, SeenOpponentsAreDealtJointlyNotOneAtATime)
{
    TTableSetup setup = TableSetupOf("Kd Ks 8s 4h 2c", 2, {3, 1});
    LeaveUnseen(setup, "Ac Ad Ah 2h 3d 3s 7c 7d 9h 9s Jc Qd Kh 5s 6c 6h");
    const CTableDealer dealer(setup);
    const std::vector<int>& cards = dealer.Unseen();
    std::vector<std::uint64_t> first, second;
    ForEachFiveOf(cards, [&](const int* hand) {
        const int draw = 5 - __builtin_popcount(PlainUsualKeep(hand));
        if (draw == 3)
            first.push_back(MaskOf(hand, 5));
        if (draw == 1)
            second.push_back(MaskOf(hand, 5));
    });
    std::map<std::uint64_t, double> expected;
    double pairs = 0;
    for (std::uint64_t h : first) {
        double partners = 0;
        for (std::uint64_t g : second)
            partners += (h & g) == 0;
        expected[h] = partners;
        pairs += partners;
    }
    ASSERT_GT(pairs, 0);

    // Dealt anew each time, and kept for groups of 16 deals, moved a little
    // between them: the last deal of each group is as fair as the first.
    for (int reuse : {1, 16}) {
        CTableDealer grouped(setup);
        grouped.SetReuse(reuse);
        const int deals = Sanitized() ? 20000 : 100000;
        std::map<std::uint64_t, double> seen;
        CTableRandom random(5, 0);
        TTableDeal deal;
        for (int t = 0; t < deals; ++t) {
            for (int r = 0; r < reuse; ++r)
                ASSERT_TRUE(grouped.Deal(random, deal, 100000));
            seen[MaskOf(deal.m_anHands[0], 5)] += 1;
        }
        double chi = 0;
        int cells = 0;
        for (const auto& [h, partners] : expected) {
            if (partners == 0) {
                EXPECT_EQ(seen.count(h), 0u) << "a hand that leaves no partner was dealt";
                continue;
            }
            const double e = deals * partners / pairs;
            const double o = seen.count(h) ? seen[h] : 0;
            chi += (o - e) * (o - e) / e;
            ++cells;
        }
        // Upper 99.9% point of chi-square by Wilson and Hilferty.
        const double df = cells - 1, z = 3.09;
        const double bound = df * std::pow(1 - 2 / (9 * df) + z * std::sqrt(2 / (9 * df)), 3);
        EXPECT_LT(chi, bound) << cells << " hands, groups of " << reuse;
    }
}

// Fifteen cards with no straight, flush, full house or four of a kind and
// no three of a rank: no hand stands pat or holds three of a kind.
const char* const kNoMadeHands = "Ac 3c 7c Jc Ad 4d 8d Qd 2h 6h 9h Kh 3s 7s Qs";

// Each case: the first opponent's seen draw and range, on the whole deck or
// with only kNoMadeHands unseen, and a change to the setup.
struct TCheckCase {
    const char* m_szWhat;
    int m_nDrew;
    const char* m_szRange;
    bool m_bNoMadeHands;
    void (*m_pChange)(TTableSetup&);
    ETableError m_eExpected;
};

const TCheckCase kCheckCases[] = {
    {"a card twice", U, "?", false, [](TTableSetup& s) { s.m_anHand[1] = s.m_anHand[0]; }, ETableError::BadHand},
    {"a hand card seen", U, "?", false, [](TTableSetup& s) { s.m_abSeen[s.m_anHand[2]] = true; }, ETableError::BadHand},
    {"no opponent", U, "?", false, [](TTableSetup& s) { s.m_nOpponents = 0; }, ETableError::BadOpponents},
    {"six opponents", U, "?", false, [](TTableSetup& s) { s.m_nOpponents = 6; }, ETableError::BadOpponents},
    {"drew six", 6, "?", false, nullptr, ETableError::BadDrew},
    {"drew with stand pat", 1, "?", false, [](TTableSetup& s) { s.m_eModel = ETableModel::StandPat; },
     ETableError::BadDrew},
    {"no trials", U, "?", false, [](TTableSetup& s) { s.m_nTrials = 0; }, ETableError::ZeroTrials},
    {"no trials, counted", U, "?", false,
     [](TTableSetup& s) {
         s.m_nTrials = 0;
         s.m_bFinal = true;
         s.m_eModel = ETableModel::StandPat;
     },
     ETableError::None},
    {"stands pat on no straight or better", 0, "?", true, nullptr, ETableError::ImpossibleDrew},
    {"three of a kind from pairs at most", 2, "?", true, nullptr, ETableError::ImpossibleDrew},
    {"one pair is there", 3, "?", true, nullptr, ETableError::None},
    {"a range with no hand left", U, "3K+", true, nullptr, ETableError::EmptyRange},
    {"a range that never draws the seen count", 2, "JJ+", true, nullptr, ETableError::RangeNeverDraws},
    {"a range and its seen count", 1, "JJ+", true, nullptr, ETableError::None},
    {"a card short of a draw after the draw", U, "?", false,
     [](TTableSetup& s) { LeaveUnseen(s, "Ac 3c 7c Jc Ad 4d 8d Qd 2h 6h 9h Kh 3s 7s"); }, ETableError::TooFewCards},
};

TEST(TableSetupCheck, NamesWhatIsWrong)
{
    for (const TCheckCase& c : kCheckCases) {
        TTableSetup setup = TableSetupOf("Kd Ks 8s 4h 2c", 1, {c.m_nDrew}, "", {c.m_szRange});
        if (c.m_bNoMadeHands)
            LeaveUnseen(setup, kNoMadeHands);
        if (c.m_pChange)
            c.m_pChange(setup);
        EXPECT_EQ(CheckTableSetup(setup), c.m_eExpected) << c.m_szWhat;
        if (c.m_eExpected != ETableError::None) {
            EXPECT_TRUE(SimulateTable(setup).m_arrHolds.empty()) << c.m_szWhat;
        }
    }
}

// Conditions each possible alone but never together stop the run, whole or
// in blocks, with no figures: two opponents who can each hold a pair of aces
// but never both at once, and two seen to draw two where one rank has three
// unseen cards.
TEST(TableSetupCheck, ConditionsThatCannotBeDealtTogetherStopTheRun)
{
    TTableSetup aces = TableSetupOf("Kd Ks 8s 4h 2c", 2, {}, "Ah As", {"AA", "AA"});
    TTableSetup trips = TableSetupOf("Kd Ks 8s 4h 2c", 2, {2, 2});
    LeaveUnseen(trips, "7c 7d 7h Ac Ad 3c 3d 5c 5d 6c 6d 9c 9d Tc Td Jc Jd Qc Qd 2d");
    for (const TTableSetup& setup : {aces, trips}) {
        ASSERT_EQ(CheckTableSetup(setup), ETableError::None);
        const TTableResult result = SimulateTable(setup);
        EXPECT_EQ(result.m_eError, ETableError::ImpossibleDrew);
        EXPECT_TRUE(result.m_arrHolds.empty());
        const TTableTally first = PlayTableBlocks(setup, 0, 1);
        EXPECT_EQ(first.m_eError, ETableError::ImpossibleDrew);
        const TTableResult apart = TableResultOf(setup, {first});
        EXPECT_EQ(apart.m_eError, ETableError::ImpossibleDrew);
        EXPECT_TRUE(apart.m_arrHolds.empty());
    }
}

void ExpectSameFigures(const TTableResult& a, const TTableResult& b, const std::string& what)
{
    EXPECT_EQ(a.m_nTrials, b.m_nTrials) << what;
    EXPECT_EQ(a.m_arrPairSquares, b.m_arrPairSquares) << what;
    EXPECT_EQ(a.m_nBatchSquares, b.m_nBatchSquares) << what;
    ASSERT_EQ(a.m_arrHolds.size(), b.m_arrHolds.size()) << what;
    for (size_t h = 0; h < a.m_arrHolds.size(); ++h) {
        const THoldEquity &x = a.m_arrHolds[h], &y = b.m_arrHolds[h];
        EXPECT_TRUE(x.m_dWin == y.m_dWin && x.m_dTie == y.m_dTie && x.m_dPotShare == y.m_dPotShare &&
                    x.m_dPotShareError == y.m_dPotShareError && x.m_bExact == y.m_bExact)
            << what << ", hold " << h;
    }
}

// One seed gives the same figures to the last bit on one, two and four
// threads; and the web page's workers, who play ranges of blocks apart and in
// any order, add up to them too, counted holds and the paired margins
// included, saying done only once every block is in.
TEST(TableSimulation, OneSeedGivesTheSameFiguresOnAnyThreadsAndInBlocksPlayedApart)
{
    const std::uint64_t trials = Sanitized() ? 9000 : 30000;  // several blocks, the last one short
    struct TSplitCase {
        const char* m_szWhat;
        TTableSetup m_setup;
    } cases[] = {
        {"seen draws, their hands kept for groups of deals", TableSetupOf("Jc Jd 4h 4s Ac", 5, {3, 3, U, 1})},
        {"three standing pat", TableSetupOf("Kd Ks 8s 4h 2c", 3)},
        {"two standing pat, the keep-all counted", TableSetupOf("Kd Ks 8s 4h 2c", 2)},
    };
    cases[1].m_setup.m_eModel = cases[2].m_setup.m_eModel = ETableModel::StandPat;
    for (TSplitCase& c : cases) {
        c.m_setup.m_nTrials = trials;
        c.m_setup.m_nSeed = 99;
        c.m_setup.m_nThreads = 1;
        const TTableResult run = SimulateTable(c.m_setup);
        ASSERT_EQ(run.m_arrHolds.size(), 32u) << c.m_szWhat;
        for (unsigned threads : {2u, 4u}) {
            c.m_setup.m_nThreads = threads;
            ExpectSameFigures(SimulateTable(c.m_setup), run, std::string(c.m_szWhat) + ", threads " + std::to_string(threads));
        }
        const std::uint64_t blocks = TableBlockCount(c.m_setup);
        ASSERT_GE(blocks, 3u) << c.m_szWhat;
        // Backwards, uneven, the last range running past the end.
        std::vector<TTableTally> tallies = {PlayTableBlocks(c.m_setup, 2, blocks), PlayTableBlocks(c.m_setup, 1, 1)};
        EXPECT_FALSE(TableResultOf(c.m_setup, tallies).m_bDone) << c.m_szWhat;
        tallies.push_back(PlayTableBlocks(c.m_setup, 0, 1));
        if (&c == &cases[0]) {
            ASSERT_GT(tallies.back().m_nReuse, 1u) << "the seen hands are not reused: that path is untested";
        }
        const TTableResult apart = TableResultOf(c.m_setup, tallies);
        EXPECT_TRUE(apart.m_bDone) << c.m_szWhat;
        ExpectSameFigures(apart, run, std::string(c.m_szWhat) + ", blocks apart");
        c.m_setup.m_nSeed = 100;
        EXPECT_NE(SimulateTable(c.m_setup).m_arrHolds[3].m_dPotShare, run.m_arrHolds[3].m_dPotShare) << c.m_szWhat;
    }
    // A final hand counted whole has no blocks: the (0, 0) range counts it;
    // against three it is simulated apart, whole, with the run's deals.
    TTableSetup counted = TableSetupOf("Kd Ks 8s 4h 2c", 2);
    counted.m_eModel = ETableModel::StandPat;
    counted.m_bFinal = true;
    for (int opponents : {2, 3}) {
        counted.m_nOpponents = opponents;
        EXPECT_EQ(TableBlockCount(counted), 0u);
        const TTableResult apart = TableResultOf(counted, {PlayTableBlocks(counted, 0, 0)});
        ASSERT_EQ(apart.m_arrHolds.size(), 1u);
        EXPECT_TRUE(apart.m_bDone);
        ExpectSameFigures(apart, SimulateTable(counted), "final hand against " + std::to_string(opponents));
    }
}

TEST(TableSimulation, CancelStopsTheRunAndKeepsWhatWasPlayed)
{
    TTableSetup setup = TableSetupOf("Kd Ks 8s 4h 2c", 5);
    setup.m_nTrials = 1ull << 40;
    CTableSimulation run(setup);
    while (run.Snapshot().m_nTrials == 0)
        std::this_thread::yield();
    run.Cancel();
    run.Wait();
    EXPECT_TRUE(run.IsDone());
    const TTableResult result = run.Snapshot();
    EXPECT_FALSE(result.m_bDone);
    EXPECT_GT(result.m_nTrials, 0u);
    EXPECT_LT(result.m_nTrials, setup.m_nTrials);
    EXPECT_GT(result.m_arrHolds[3].m_dPotShare, 0);
}

} // namespace
