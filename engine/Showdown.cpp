#include "Showdown.h"

#include "Cards.h"
#include "HandEvaluator.h"

#include <algorithm>
#include <vector>

namespace {

// Values of a rank multiset, given as counts per Ace-high rank, by the one
// evaluator on ShowdownValue's scale: without a flush, and with one (only
// five distinct ranks can be suited; otherwise both are the same).
void ValuesOf(const int counts[kRankCount], std::uint32_t& plain, std::uint32_t& flush)
{
    const CHandEvaluator& evaluator = CHandEvaluator::Instance();
    int key = 0;
    int distinct = 0;
    for (int r = 0; r < kRankCount; ++r) {
        key += counts[r] * CHandEvaluator::RankCode(CardIndex(0, r == 12 ? 0 : r + 1));
        distinct += counts[r] > 0;
    }
    plain = evaluator.Value(key, 0) + 1;
    flush = distinct == kHandSize ? evaluator.Value(key, 1u) + 1 : plain;
}

// Five distinct ranks: each may come in any unseen suit.
struct TDistinctCase {
    std::uint32_t m_nValue;
    std::uint32_t m_nFlushValue;
    unsigned m_nMask;                 // Ace-high rank bits
    std::uint8_t m_anRank[kHandSize];
};

// A pair or more: never a flush.
struct TPairedCase {
    std::uint32_t m_nValue;
    int m_nGroups;
    std::uint8_t m_anRank[4];
    std::uint8_t m_anCount[4];
};

struct TRankCases {
    std::vector<TDistinctCase> m_arrDistinct;
    std::vector<TPairedCase> m_arrPaired;
};

const TRankCases& RankCases()
{
    static const TRankCases cases = [] {
        TRankCases built;
        int counts[kRankCount] = {};
        auto visit = [&](auto& self, int rank, int left) -> void {
            if (rank == kRankCount) {
                if (left != 0)
                    return;
                std::uint32_t plain = 0, flush = 0;
                ValuesOf(counts, plain, flush);
                if (plain == flush) {
                    TPairedCase c{plain, 0, {}, {}};
                    for (int r = 0; r < kRankCount; ++r)
                        if (counts[r] > 0) {
                            c.m_anRank[c.m_nGroups] = static_cast<std::uint8_t>(r);
                            c.m_anCount[c.m_nGroups++] = static_cast<std::uint8_t>(counts[r]);
                        }
                    built.m_arrPaired.push_back(c);
                } else {
                    TDistinctCase c{plain, flush, 0, {}};
                    int i = 0;
                    for (int r = 0; r < kRankCount; ++r)
                        if (counts[r] > 0) {
                            c.m_nMask |= 1u << r;
                            c.m_anRank[i++] = static_cast<std::uint8_t>(r);
                        }
                    built.m_arrDistinct.push_back(c);
                }
                return;
            }
            for (int n = 0; n <= 4 && n <= left; ++n) {
                counts[rank] = n;
                self(self, rank + 1, left - n);
            }
            counts[rank] = 0;
        };
        visit(visit, 0, kHandSize);
        return built;
    }();
    return cases;
}

int AceHighRankOf(int card)
{
    return AceHigh(CardRank(card));
}

using TWide = unsigned __int128;

// Exact C(n, k); each partial product is itself a binomial, so every
// division is exact. Fits up to k = 5 for n in the millions.
TWide Choose(std::uint64_t n, int k)
{
    if (k < 0 || static_cast<std::uint64_t>(k) > n)
        return 0;
    TWide result = 1;
    for (int i = 0; i < k; ++i)
        result = result * (n - static_cast<std::uint64_t>(i)) / static_cast<unsigned>(i + 1);
    return result;
}

double Ratio(TWide numerator, TWide denominator)
{
    return static_cast<double>(static_cast<long double>(numerator) / static_cast<long double>(denominator));
}

} // namespace

std::uint32_t ShowdownValue(const int cards[5])
{
    // Shifted by one so that 0 stays free for a bad hand.
    return static_cast<std::uint32_t>(CHandEvaluator::Instance().EvaluateValue(cards) + 1);
}

bool CountShowdown(const int hand[5], const bool known[52], TShowdownCounts& counts)
{
    const std::uint32_t player = ShowdownValue(hand);
    if (player == 0)
        return false;

    bool seen[kCardCount] = {};
    if (known)
        std::copy(known, known + kCardCount, seen);
    for (int i = 0; i < kHandSize; ++i)
        seen[hand[i]] = true;

    std::uint64_t unseenOfRank[kRankCount] = {};
    unsigned unseenRanksOfSuit[kSuitCount] = {};
    std::uint64_t unseen = 0;
    for (int card = 0; card < kCardCount; ++card) {
        if (seen[card])
            continue;
        ++unseen;
        ++unseenOfRank[AceHighRankOf(card)];
        unseenRanksOfSuit[CardSuit(card)] |= 1u << AceHighRankOf(card);
    }
    // Ways to pick the suits of c cards of one rank: C(unseen of rank, c).
    std::uint64_t suitChoices[kRankCount][5];
    for (int r = 0; r < kRankCount; ++r)
        for (int c = 0; c <= 4; ++c)
            suitChoices[r][c] = static_cast<std::uint64_t>(Choose(unseenOfRank[r], c));

    std::uint64_t beating = 0, tying = 0, losing = 0;
    auto tally = [&](std::uint32_t value, std::uint64_t ways) {
        if (value > player)
            beating += ways;
        else if (value == player)
            tying += ways;
        else
            losing += ways;
    };

    const TRankCases& cases = RankCases();
    for (const TDistinctCase& c : cases.m_arrDistinct) {
        const std::uint64_t ways = unseenOfRank[c.m_anRank[0]] * unseenOfRank[c.m_anRank[1]] *
                                   unseenOfRank[c.m_anRank[2]] * unseenOfRank[c.m_anRank[3]] *
                                   unseenOfRank[c.m_anRank[4]];
        if (ways == 0)
            continue;
        std::uint64_t suited = 0;
        for (unsigned ranks : unseenRanksOfSuit)
            suited += (ranks & c.m_nMask) == c.m_nMask;
        tally(c.m_nValue, ways - suited);
        if (suited)
            tally(c.m_nFlushValue, suited);
    }
    for (const TPairedCase& c : cases.m_arrPaired) {
        std::uint64_t ways = 1;
        for (int g = 0; g < c.m_nGroups && ways; ++g)
            ways *= suitChoices[c.m_anRank[g]][c.m_anCount[g]];
        if (ways)
            tally(c.m_nValue, ways);
    }

    counts.m_nHands = static_cast<std::uint64_t>(Choose(unseen, kHandSize));
    counts.m_nBeating = beating;
    counts.m_nTying = tying;
    counts.m_nLosing = losing;
    return true;
}

TShowdownOdds ShowdownOdds(const TShowdownCounts& counts, int opponents)
{
    TShowdownOdds odds;
    odds.m_nOpponents = opponents;
    // Counts that cannot come from one deck give no odds rather than wrong
    // ones (and keep the binomials inside 128 bits).
    constexpr std::uint64_t kAllHands = 2598960;  // C(52, 5)
    const std::uint64_t hands = counts.m_nHands;
    if (opponents < 1 || opponents > kMaxShowdownOpponents || hands > kAllHands ||
        counts.m_nBeating > hands || counts.m_nTying > hands ||
        counts.m_nBeating + counts.m_nTying + counts.m_nLosing != hands)
        return odds;
    const TWide all = Choose(hands, opponents);
    if (all == 0)
        return odds;

    const TWide noneAbove = Choose(hands - counts.m_nBeating, opponents);
    const TWide allBelow = Choose(counts.m_nLosing, opponents);
    odds.m_dLose = Ratio(all - noneAbove, all);
    odds.m_dWin = Ratio(allBelow, all);
    odds.m_dTie = Ratio(noneAbove - allBelow, all);

    // Over a common denominator 60 = lcm(1..6), so the sum stays whole.
    constexpr unsigned kCommon = 60;
    TWide share = 0;
    for (int j = 0; j <= opponents; ++j)
        share += Choose(counts.m_nTying, j) * Choose(counts.m_nLosing, opponents - j) *
                 (kCommon / static_cast<unsigned>(j + 1));
    odds.m_dPotShare = Ratio(share, all * kCommon);
    return odds;
}
