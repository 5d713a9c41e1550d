#include "DrawAnalysis.h"

#include "Cards.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

// A chance as an exact fraction of draws; a hold without draws counts as 0
// of 1 so that it still compares consistently with the others.
struct TFraction {
    double m_dCount;
    double m_dTotal;
};

TFraction ChanceFrom(const TDrawOutcome& outcome, int lowestCategory)
{
    if (outcome.m_dDrawCount <= 0)
        return {0, 1};
    double count = 0;
    for (int c = lowestCategory; c < hcCategoryCount; ++c)
        count += outcome.m_adCount[c];
    return {count, outcome.m_dDrawCount};
}

// -1, 0 or 1 as a is below, equal to or above b. Counts stay below 2^21, so
// the cross products are exact.
int CompareFractions(const TFraction& a, const TFraction& b)
{
    const double left = a.m_dCount * b.m_dTotal;
    const double right = b.m_dCount * a.m_dTotal;
    return left < right ? -1 : (left > right ? 1 : 0);
}

// C(n, k) for n up to the 13 cards of a suit and k up to a hand.
struct TSmallBinomials {
    std::uint32_t m_an[kRankCount + 1][kHandSize + 1] = {};
    constexpr TSmallBinomials()
    {
        for (int n = 0; n <= kRankCount; ++n) {
            m_an[n][0] = 1;
            for (int k = 1; k <= kHandSize && k <= n; ++k)
                m_an[n][k] = m_an[n - 1][k - 1] + m_an[n - 1][k];
        }
    }
};
constexpr TSmallBinomials kBinomials;

// The ten straights as sets of primary rank bits (Ace is bit 0), wheel first.
constexpr unsigned kStraightRanks[10] = {0x1Fu,      0x1Fu << 1, 0x1Fu << 2, 0x1Fu << 3, 0x1Fu << 4,
                                         0x1Fu << 5, 0x1Fu << 6, 0x1Fu << 7, 0x1Fu << 8, 0x1E01u};

} // namespace

std::vector<TDrawOutcome> AnalyzeDraws(const int hand[5], const bool known[52])
{
    if (!IsValidHand(hand))
        return {};
    const CHandEvaluator& evaluator = CHandEvaluator::Instance();

    bool seen[kCardCount] = {};
    if (known)
        std::copy(known, known + kCardCount, seen);
    for (int i = 0; i < kHandSize; ++i)
        seen[hand[i]] = true;

    // Unseen cards by rank (how many) and by suit (which ranks).
    int unseenOfRank[kRankCount] = {};
    int unseenOfSuit[kSuitCount] = {};
    unsigned unseenRanksOfSuit[kSuitCount] = {};
    for (int card = 0; card < kCardCount; ++card) {
        if (seen[card])
            continue;
        ++unseenOfRank[CardRank(card)];
        ++unseenOfSuit[CardSuit(card)];
        unseenRanksOfSuit[CardSuit(card)] |= 1u << CardRank(card);
    }

    // The kept cards' share of the key and suit bits, their ranks, and the
    // holds grouped by how many cards they draw.
    int holdKey[kHoldCount];
    unsigned holdSuits[kHoldCount];
    unsigned holdRanks[kHoldCount];
    int holdDraws[kHoldCount];
    unsigned holdsByDraws[kHandSize + 1][10];
    int holdsByDrawsCount[kHandSize + 1] = {};
    for (unsigned mask = 0; mask < kHoldCount; ++mask) {
        int key = 0;
        unsigned suits = CHandEvaluator::kAnySuit;
        unsigned ranks = 0;
        int kept = 0;
        for (int i = 0; i < kHandSize; ++i) {
            if (mask >> i & 1u) {
                key += CHandEvaluator::RankCode(hand[i]);
                suits &= CHandEvaluator::SuitBit(hand[i]);
                ranks |= 1u << CardRank(hand[i]);
                ++kept;
            }
        }
        holdKey[mask] = key;
        holdSuits[mask] = suits;
        holdRanks[mask] = ranks;
        const int draws = kHandSize - kept;
        holdDraws[mask] = draws;
        holdsByDraws[draws][holdsByDrawsCount[draws]++] = mask;
    }

    // Draws counted by their multiset of ranks, every hand scored as if no
    // flush: a multiset stands for the product over its ranks of C(unseen
    // of the rank, drawn of the rank) draws. Each multiset serves every hold
    // drawing that many cards. Category index padded to 16 so each hold's
    // counters are one aligned row.
    std::uint32_t counts[kHoldCount][16] = {};
    auto countRanks = [&](auto& self, int fromRank, int drawn, int key, std::uint32_t ways) -> void {
        for (int h = 0; h < holdsByDrawsCount[drawn]; ++h) {
            const unsigned mask = holdsByDraws[drawn][h];
            counts[mask][evaluator.Category(key + holdKey[mask], 0)] += ways;
        }
        if (drawn == kHandSize)
            return;
        for (int rank = fromRank; rank < kRankCount; ++rank) {
            const int code = CHandEvaluator::RankCode(CardIndex(0, rank));
            for (int n = 1; n <= unseenOfRank[rank] && drawn + n <= kHandSize; ++n)
                self(self, rank + 1, drawn + n, key + n * code, ways * kBinomials.m_an[unseenOfRank[rank]][n]);
        }
    };
    countRanks(countRanks, 0, 0, 0, 1);

    // Then the draws that complete five of one suit move up: from nothing
    // to a flush, from a straight to a straight flush or a royal.
    int straightKey[std::size(kStraightRanks)] = {};
    for (size_t s = 0; s < std::size(kStraightRanks); ++s)
        for (int rank = 0; rank < kRankCount; ++rank)
            if (kStraightRanks[s] >> rank & 1u)
                straightKey[s] += CHandEvaluator::RankCode(CardIndex(0, rank));
    for (unsigned mask = 0; mask < kHoldCount; ++mask) {
        const int draws = holdDraws[mask];
        for (int suit = 0; suit < kSuitCount; ++suit) {
            if (!(holdSuits[mask] >> suit & 1u))
                continue;
            const unsigned unseenRanks = unseenRanksOfSuit[suit];
            std::uint32_t suited = kBinomials.m_an[unseenOfSuit[suit]][draws];
            for (size_t s = 0; s < std::size(kStraightRanks); ++s) {
                const unsigned straight = kStraightRanks[s];
                const unsigned missing = straight & ~holdRanks[mask];
                if ((holdRanks[mask] & ~straight) != 0 || (missing & ~unseenRanks) != 0)
                    continue;
                --counts[mask][hcStraight];
                ++counts[mask][evaluator.Category(straightKey[s], 1u)];
                --suited;
            }
            counts[mask][hcNothing] -= suited;
            counts[mask][hcFlush] += suited;
        }
    }

    const int current = evaluator.Category(holdKey[kHoldCount - 1], holdSuits[kHoldCount - 1]);
    std::vector<TDrawOutcome> outcomes(kHoldCount);
    for (unsigned mask = 0; mask < kHoldCount; ++mask) {
        TDrawOutcome& outcome = outcomes[mask];
        outcome.m_nKeepMask = mask;
        outcome.m_nCurrentCategory = current;
        int discarded = 0;
        for (int i = 0; i < kHandSize; ++i) {
            if (mask >> i & 1u)
                outcome.m_anKept[outcome.m_nKeptCount++] = hand[i];
            else
                outcome.m_anDiscarded[discarded++] = hand[i];
        }
        double total = 0, improve = 0, atLeast = 0;
        for (int c = 0; c < hcCategoryCount; ++c) {
            const double n = counts[mask][c];
            outcome.m_adCount[c] = n;
            total += n;
            if (c > current)
                improve += n;
            if (c >= current)
                atLeast += n;
        }
        outcome.m_dDrawCount = total;
        if (total > 0) {
            for (int c = 0; c < hcCategoryCount; ++c)
                outcome.m_adProbability[c] = outcome.m_adCount[c] / total;
            outcome.m_dImprove = improve / total;
            outcome.m_dAtLeastCurrent = atLeast / total;
        }
    }
    return outcomes;
}

bool IsBetterHold(const TDrawOutcome& a, const TDrawOutcome& b)
{
    const int current = a.m_nCurrentCategory;
    int order = CompareFractions(ChanceFrom(a, current), ChanceFrom(b, current));
    if (order == 0)
        order = CompareFractions(ChanceFrom(a, current + 1), ChanceFrom(b, current + 1));
    if (order != 0)
        return order > 0;
    if (a.m_nKeptCount != b.m_nKeptCount)
        return a.m_nKeptCount > b.m_nKeptCount;
    // Same size: the set holding the earliest card the other lacks goes first.
    const unsigned differ = a.m_nKeepMask ^ b.m_nKeepMask;
    return differ != 0 && (a.m_nKeepMask & differ & (~differ + 1)) != 0;
}

void SortHoldsBestFirst(std::vector<TDrawOutcome>& outcomes)
{
    std::sort(outcomes.begin(), outcomes.end(), IsBetterHold);
}
