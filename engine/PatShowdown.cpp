#include "PatShowdown.h"

#include "Cards.h"
#include "HandEvaluator.h"

#include <cstddef>
#include <vector>

namespace {

constexpr int kClasses = 3;  // above, level, below the player
constexpr int kMaxShared = 4;

// C(n, k) for n up to a deck and k up to a hand.
struct TBinomials {
    std::uint64_t m_an[kCardCount + 1][kHandSize + 1] = {};
    constexpr TBinomials()
    {
        for (int n = 0; n <= kCardCount; ++n) {
            m_an[n][0] = 1;
            for (int k = 1; k <= kHandSize && k <= n; ++k)
                m_an[n][k] = m_an[n - 1][k - 1] + m_an[n - 1][k];
        }
    }
};
constexpr TBinomials kChoose;

} // namespace

bool CountPairShowdown(const int hand[5], const bool unseen[52], TPairShowdownCounts& counts)
{
    if (!IsValidHand(hand))
        return false;
    const CHandEvaluator& evaluator = CHandEvaluator::Instance();
    int key = 0;
    unsigned suits = CHandEvaluator::kAnySuit;
    for (int i = 0; i < kHandSize; ++i) {
        key += CHandEvaluator::RankCode(hand[i]);
        suits &= CHandEvaluator::SuitBit(hand[i]);
    }
    const unsigned player = evaluator.Value(key, suits);
    std::vector<int> cards;
    for (int c = 0; c < kCardCount; ++c)
        if (unseen[c])
            cards.push_back(c);
    const int n = static_cast<int>(cards.size());

    // f[s][class][subset]: hands of the class holding the s-card subset,
    // the subset indexed by its combinatorial rank among positions in `cards`.
    std::vector<std::uint32_t> f[kMaxShared + 1];
    for (int s = 1; s <= kMaxShared; ++s)
        f[s].assign(static_cast<size_t>(kClasses * kChoose.m_an[n][s]), 0);
    std::uint64_t perClass[kClasses] = {};

    int p[kHandSize];
    for (p[0] = 0; p[0] < n; ++p[0])
    for (p[1] = p[0] + 1; p[1] < n; ++p[1])
    for (p[2] = p[1] + 1; p[2] < n; ++p[2])
    for (p[3] = p[2] + 1; p[3] < n; ++p[3])
    for (p[4] = p[3] + 1; p[4] < n; ++p[4]) {
        int handKey = 0;
        unsigned handSuits = CHandEvaluator::kAnySuit;
        for (int i = 0; i < kHandSize; ++i) {
            handKey += CHandEvaluator::RankCode(cards[static_cast<size_t>(p[i])]);
            handSuits &= CHandEvaluator::SuitBit(cards[static_cast<size_t>(p[i])]);
        }
        const unsigned value = evaluator.Value(handKey, handSuits);
        const int cls = value > player ? 0 : (value == player ? 1 : 2);
        ++perClass[cls];
        // Every proper non-empty subset of the hand, by bit pattern.
        for (unsigned subset = 1; subset < 31; ++subset) {
            const int size = __builtin_popcount(subset);
            std::uint64_t rank = 0;
            int k = 0;
            for (int i = 0; i < kHandSize; ++i)
                if (subset >> i & 1u)
                    rank += kChoose.m_an[p[i]][++k];
            ++f[size][static_cast<size_t>(cls) * kChoose.m_an[n][size] + rank];
        }
    }

    // Disjoint pairs by inclusion and exclusion over the shared subset A:
    // the sum over A of (-1)^|A| f_a(A) f_b(A). A pair sharing all five is
    // one hand twice, in one class.
    std::int64_t pairs[kClasses][kClasses] = {};
    for (int a = 0; a < kClasses; ++a)
        for (int b = 0; b < kClasses; ++b) {
            std::int64_t sum = static_cast<std::int64_t>(perClass[a] * perClass[b]);
            if (a == b)
                sum -= static_cast<std::int64_t>(perClass[a]);
            for (int s = 1; s <= kMaxShared; ++s) {
                const std::uint64_t subsets = kChoose.m_an[n][s];
                const std::uint32_t* fa = f[s].data() + a * subsets;
                const std::uint32_t* fb = f[s].data() + b * subsets;
                std::int64_t term = 0;
                for (std::uint64_t i = 0; i < subsets; ++i)
                    term += static_cast<std::int64_t>(fa[i]) * fb[i];
                sum += (s % 2 ? -term : term);
            }
            pairs[a][b] = sum;
        }
    counts = TPairShowdownCounts{};
    counts.m_nPairs = kChoose.m_an[n][kHandSize] * (n >= 2 * kHandSize ? kChoose.m_an[n - kHandSize][kHandSize] : 0);
    for (int a = 0; a < kClasses; ++a)
        for (int b = 0; b < kClasses; ++b)
            counts.m_anPairs[a][b] = static_cast<std::uint64_t>(pairs[a][b]);
    return true;
}
