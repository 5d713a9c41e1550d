#include "PatShowdown.h"

#include "Cards.h"
#include "HandEvaluator.h"

#include <cstddef>
#include <map>
#include <utility>
#include <vector>

// Counted by rank pattern, not card by card. A hand's class follows from its
// rank multiset, except that a suited hand of five ranks may lie elsewhere.
// So the count splits in two:
// - every hand taken by its unsuited class: a sum over pairs of rank
//   multisets, where the suit choices of two hands are independent except
//   on the ranks they share. Writing the joint choices on a shared rank as
//   the independent ones plus a correction D, the sum expands over the sets
//   of shared ranks; each term needs, per class, the hands by what they hold
//   of those ranks (a sub-multiset of at most five cards), about 56,000
//   terms in all;
// - the suited hands whose class moves, a few thousand, each corrected
//   against the hands disjoint from it, counted the same way.

namespace {

using TWide = __int128;

constexpr int kClasses = 3;  // above, level, below the player
constexpr int kMaxParts = kHandSize;
constexpr unsigned kAllRanks = (1u << kRankCount) - 1;

int RankKeyOf(int rank)
{
    return CHandEvaluator::RankCode(CardIndex(0, rank));
}

// A multiset of one to five ranks, at most four of each: its distinct ranks
// and how many of each.
struct TPattern {
    int m_nKey = 0;
    unsigned m_nSupport = 0;  // rank bits
    int m_nParts = 0;
    int m_anRank[kMaxParts] = {};
    int m_anCount[kMaxParts] = {};
};

// Every pattern of one to five cards (the parts a hand may share), grouped by
// support; and every five-card pattern with the index of each of its
// sub-patterns, by the subset of its parts.
struct TPatterns {
    std::vector<TPattern> m_arrSubs;             // sorted by support
    std::vector<int> m_arrGroupStart;            // by support: first sub, or -1
    std::vector<int> m_arrGroupEnd;
    std::vector<TPattern> m_arrHands;            // five cards
    std::vector<int> m_arrHandSubs;              // 32 per hand, by subset of parts
    std::vector<unsigned> m_arrFiveRanks;        // every set of five ranks

    TPatterns()
    {
        // A rank key tells patterns of one size apart (the Ace's code is 0).
        std::map<std::pair<int, int>, int> indexOf;  // (cards, rank key)
        int counts[kRankCount] = {};
        auto visit = [&](auto& self, int rank, int cards) -> void {
            if (rank == kRankCount) {
                if (cards == 0)
                    return;
                TPattern p;
                for (int r = 0; r < kRankCount; ++r)
                    if (counts[r] > 0) {
                        p.m_nKey += counts[r] * RankKeyOf(r);
                        p.m_nSupport |= 1u << r;
                        p.m_anRank[p.m_nParts] = r;
                        p.m_anCount[p.m_nParts++] = counts[r];
                    }
                m_arrSubs.push_back(p);
                if (cards == kHandSize)
                    m_arrHands.push_back(p);
                return;
            }
            for (int n = 0; n <= 4 && cards + n <= kHandSize; ++n) {
                counts[rank] = n;
                self(self, rank + 1, cards + n);
            }
            counts[rank] = 0;
        };
        visit(visit, 0, 0);
        std::vector<std::vector<TPattern>> bySupport(1u << kRankCount);
        for (const TPattern& p : m_arrSubs)
            bySupport[p.m_nSupport].push_back(p);
        m_arrSubs.clear();
        m_arrGroupStart.assign(bySupport.size(), -1);
        m_arrGroupEnd.assign(bySupport.size(), -1);
        for (size_t mask = 0; mask < bySupport.size(); ++mask) {
            if (bySupport[mask].empty())
                continue;
            m_arrGroupStart[mask] = static_cast<int>(m_arrSubs.size());
            for (const TPattern& p : bySupport[mask]) {
                int cards = 0;
                for (int i = 0; i < p.m_nParts; ++i)
                    cards += p.m_anCount[i];
                indexOf[{cards, p.m_nKey}] = static_cast<int>(m_arrSubs.size());
                m_arrSubs.push_back(p);
            }
            m_arrGroupEnd[mask] = static_cast<int>(m_arrSubs.size());
            if (__builtin_popcount(static_cast<unsigned>(mask)) == kHandSize)
                m_arrFiveRanks.push_back(static_cast<unsigned>(mask));
        }
        for (const TPattern& hand : m_arrHands)
            for (unsigned subset = 0; subset < 32; ++subset) {
                int key = 0, cards = 0;
                for (int i = 0; i < hand.m_nParts; ++i)
                    if (subset >> i & 1u) {
                        key += hand.m_anCount[i] * RankKeyOf(hand.m_anRank[i]);
                        cards += hand.m_anCount[i];
                    }
                const bool inside = (subset >> hand.m_nParts) == 0;
                m_arrHandSubs.push_back(inside && subset != 0 ? indexOf.at({cards, key}) : -1);
            }
    }
};

const TPatterns& Patterns()
{
    static const TPatterns patterns;
    return patterns;
}

// C(n, k) for n, k up to 4, the cards of one rank.
constexpr std::int64_t kSmallChoose[5][5] = {
    {1, 0, 0, 0, 0}, {1, 1, 0, 0, 0}, {1, 2, 1, 0, 0}, {1, 3, 3, 1, 0}, {1, 4, 6, 4, 1}};

std::uint64_t Choose(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    std::uint64_t result = 1;
    for (int i = 0; i < k; ++i)
        result = result * static_cast<std::uint64_t>(n - i) / static_cast<std::uint64_t>(i + 1);
    return result;
}

} // namespace

bool CountPairShowdown(const int hand[5], const bool unseen[52], TPairShowdownCounts& counts)
{
    if (!IsValidHand(hand))
        return false;
    const CHandEvaluator& evaluator = CHandEvaluator::Instance();
    const TPatterns& patterns = Patterns();
    const unsigned player = evaluator.HandValue(hand);
    auto classOf = [player](unsigned value) { return value > player ? 0 : (value == player ? 1 : 2); };

    int ofRank[kRankCount] = {};
    unsigned ranksOfSuit[kSuitCount] = {};
    int n = 0;
    for (int c = 0; c < kCardCount; ++c)
        if (unseen[c]) {
            ++n;
            ++ofRank[CardRank(c)];
            ranksOfSuit[CardSuit(c)] |= 1u << CardRank(c);
        }

    // Per class: the hands in all (m_arrTotal) and, per sub-pattern of
    // theirs, the suit choices of the rest of each hand (m_arrRest).
    std::int64_t total[kClasses] = {};
    std::vector<std::int64_t> rest[kClasses];
    for (auto& r : rest)
        r.assign(patterns.m_arrSubs.size(), 0);
    for (size_t h = 0; h < patterns.m_arrHands.size(); ++h) {
        const TPattern& p = patterns.m_arrHands[h];
        std::int64_t ways[kMaxParts];
        bool any = true;
        for (int i = 0; i < p.m_nParts; ++i) {
            ways[i] = kSmallChoose[ofRank[p.m_anRank[i]]][p.m_anCount[i]];
            any = any && ways[i] != 0;
        }
        if (!any)
            continue;
        const int cls = classOf(evaluator.Value(p.m_nKey, 0));
        const int* subs = &patterns.m_arrHandSubs[32 * h];
        const unsigned full = (1u << p.m_nParts) - 1;
        for (unsigned subset = 0; subset <= full; ++subset) {
            std::int64_t outside = 1;
            for (int i = 0; i < p.m_nParts; ++i)
                if (!(subset >> i & 1u))
                    outside *= ways[i];
            if (subset == 0)
                total[cls] += outside;
            else
                rest[cls][static_cast<size_t>(subs[subset])] += outside;
        }
    }

    // Joint suit choices on a shared rank, less the independent ones.
    std::int64_t shared[kRankCount][5][5] = {};
    for (int r = 0; r < kRankCount; ++r)
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j) {
                const int u = ofRank[r];
                const std::int64_t joint = i <= u ? kSmallChoose[u][i] * kSmallChoose[u - i][j] : 0;
                shared[r][i][j] = joint - kSmallChoose[u][i] * kSmallChoose[u][j];
            }

    TWide pairs[kClasses][kClasses];
    for (int a = 0; a < kClasses; ++a)
        for (int b = 0; b < kClasses; ++b)
            pairs[a][b] = static_cast<TWide>(total[a]) * total[b];
    // Each term is below 10^12 and their sum, whatever the signs, far
    // below 2^63.
    std::int64_t corrections[kClasses][kClasses] = {};
    const size_t groups = patterns.m_arrGroupStart.size();
    for (size_t mask = 1; mask < groups; ++mask) {
        const int start = patterns.m_arrGroupStart[mask];
        if (start < 0)
            continue;
        const int end = patterns.m_arrGroupEnd[mask];
        for (int i = start; i < end; ++i) {
            const size_t si = static_cast<size_t>(i);
            if ((rest[0][si] | rest[1][si] | rest[2][si]) == 0)
                continue;
            const TPattern& pi = patterns.m_arrSubs[si];
            // The pattern's partners on the same ranks, weighed by D.
            std::int64_t partners[kClasses] = {};
            for (int j = start; j < end; ++j) {
                const size_t sj = static_cast<size_t>(j);
                if ((rest[0][sj] | rest[1][sj] | rest[2][sj]) == 0)
                    continue;
                const TPattern& pj = patterns.m_arrSubs[sj];
                std::int64_t d = 1;
                for (int k = 0; k < pi.m_nParts && d != 0; ++k)
                    d *= shared[pi.m_anRank[k]][pi.m_anCount[k]][pj.m_anCount[k]];
                for (int b = 0; b < kClasses; ++b)
                    partners[b] += d * rest[b][sj];
            }
            for (int a = 0; a < kClasses; ++a)
                for (int b = 0; b < kClasses; ++b)
                    corrections[a][b] += rest[a][si] * partners[b];
        }
    }
    for (int a = 0; a < kClasses; ++a)
        for (int b = 0; b < kClasses; ++b)
            pairs[a][b] += corrections[a][b];

    // Unsuited class of the hands disjoint from five cards of distinct
    // ranks: one card fewer of each of them, C(u - 1, j) = C(u, j) -
    // C(u - 1, j - 1), expanded over the ranks a hand shares with them. The
    // terms summed per support first, so a set of ranks costs its subsets.
    std::vector<std::int64_t> lessOne[kClasses];
    for (auto& l : lessOne)
        l.assign(groups, 0);
    for (size_t mask = 1; mask < groups; ++mask) {
        const int start = patterns.m_arrGroupStart[mask];
        if (start < 0 || __builtin_popcount(static_cast<unsigned>(mask)) > kHandSize)
            continue;
        for (int i = start; i < patterns.m_arrGroupEnd[mask]; ++i) {
            const TPattern& p = patterns.m_arrSubs[static_cast<size_t>(i)];
            std::int64_t e = 1;
            for (int k = 0; k < p.m_nParts && e != 0; ++k) {
                const int u = ofRank[p.m_anRank[k]];
                e *= u == 0 ? 0 : -kSmallChoose[u - 1][p.m_anCount[k] - 1];
            }
            if (e != 0)
                for (int c = 0; c < kClasses; ++c)
                    lessOne[c][mask] += e * rest[c][static_cast<size_t>(i)];
        }
    }
    auto disjointFrom = [&](unsigned ranks, std::int64_t out[kClasses]) {
        for (int c = 0; c < kClasses; ++c)
            out[c] = total[c];
        for (unsigned sub = ranks; sub != 0; sub = (sub - 1) & ranks)
            for (int c = 0; c < kClasses; ++c)
                out[c] += lessOne[c][sub];
    };

    // The suited hands whose class differs from their unsuited one: the
    // change of each class's indicator (+1 into the suited class, -1 out of
    // the unsuited one).
    // Its class before and after depend on the ranks only; per suit, the
    // moved hands' changes summed over every set of ranks inside a mask
    // (subset sums), for the moved hands of one suit disjoint from another.
    std::vector<int> fromOf, toOf;
    fromOf.reserve(patterns.m_arrFiveRanks.size());
    toOf.reserve(patterns.m_arrFiveRanks.size());
    std::int64_t movedOfSuit[kSuitCount][kClasses] = {};
    // At most 1287 sets of five ranks to a suit: 16 bits hold any sum.
    std::vector<std::int16_t> within[kSuitCount];
    for (unsigned ranks : patterns.m_arrFiveRanks) {
        const int rankKey = patterns.m_arrSubs[static_cast<size_t>(patterns.m_arrGroupStart[ranks])].m_nKey;
        fromOf.push_back(classOf(evaluator.Value(rankKey, 0)));
        toOf.push_back(classOf(evaluator.Value(rankKey, 1)));
    }
    constexpr size_t kMasks = kAllRanks + 1;
    for (int s = 0; s < kSuitCount; ++s) {
        std::vector<std::int16_t>& sums = within[s];
        bool classUsed[kClasses] = {};
        for (size_t k = 0; k < patterns.m_arrFiveRanks.size(); ++k) {
            const unsigned ranks = patterns.m_arrFiveRanks[k];
            if (fromOf[k] == toOf[k] || (ranks & ranksOfSuit[s]) != ranks)
                continue;
            if (sums.empty())
                sums.assign(kClasses * kMasks, 0);
            --sums[static_cast<size_t>(fromOf[k]) * kMasks + ranks];
            ++sums[static_cast<size_t>(toOf[k]) * kMasks + ranks];
            classUsed[fromOf[k]] = classUsed[toOf[k]] = true;
            --movedOfSuit[s][fromOf[k]];
            ++movedOfSuit[s][toOf[k]];
        }
        if (sums.empty())
            continue;
        for (int c = 0; c < kClasses; ++c) {
            if (!classUsed[c])
                continue;
            std::int16_t* g = sums.data() + static_cast<size_t>(c) * kMasks;
            for (unsigned bit = 1; bit < kMasks; bit <<= 1)
                for (unsigned base = 0; base < kMasks; base += 2 * bit)
                    for (unsigned mask = base + bit; mask < base + 2 * bit; ++mask)
                        g[mask] = static_cast<std::int16_t>(g[mask] + g[mask - bit]);
        }
    }
    for (size_t k = 0; k < patterns.m_arrFiveRanks.size(); ++k) {
        const unsigned ranks = patterns.m_arrFiveRanks[k];
        const int from = fromOf[k], to = toOf[k];
        if (from == to)
            continue;
        bool any = false;
        for (int s = 0; s < kSuitCount; ++s)
            any = any || (ranks & ranksOfSuit[s]) == ranks;
        if (!any)
            continue;
        std::int64_t unsuited[kClasses];
        disjointFrom(ranks, unsuited);
        for (int suit = 0; suit < kSuitCount; ++suit) {
            if ((ranks & ranksOfSuit[suit]) != ranks)
                continue;
            // Every class count of the hands disjoint from this one: the
            // unsuited count, corrected by the moved hands of other suits
            // and by those of its own suit on other ranks.
            std::int64_t full[kClasses];
            const unsigned others = ranksOfSuit[suit] & ~ranks;
            for (int c = 0; c < kClasses; ++c) {
                full[c] = unsuited[c] + within[suit][static_cast<size_t>(c) * kMasks + others];
                for (int s = 0; s < kSuitCount; ++s)
                    if (s != suit)
                        full[c] += movedOfSuit[s][c];
            }
            // Moved hand first: its new class counts in, its old one out,
            // against every hand; moved hand second, against the unsuited
            // classes only (the moved ones are in the first term already).
            for (int c = 0; c < kClasses; ++c) {
                pairs[to][c] += full[c];
                pairs[from][c] -= full[c];
                pairs[c][to] += unsuited[c];
                pairs[c][from] -= unsuited[c];
            }
        }
    }

    counts = TPairShowdownCounts{};
    counts.m_nPairs = Choose(n, kHandSize) * Choose(n - kHandSize, kHandSize);
    for (int a = 0; a < kClasses; ++a)
        for (int b = 0; b < kClasses; ++b)
            counts.m_anPairs[a][b] = static_cast<std::uint64_t>(pairs[a][b]);
    return true;
}
