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
    int rankCode[kCardCount];
    unsigned suitBit[kCardCount];
    for (int i = 0; i < n; ++i) {
        rankCode[i] = CHandEvaluator::RankCode(cards[static_cast<size_t>(i)]);
        suitBit[i] = CHandEvaluator::SuitBit(cards[static_cast<size_t>(i)]);
    }

    // f[s][3 * subset + class]: hands of the class holding the s-card
    // subset, the subset indexed by its combinatorial rank among positions
    // in `cards`; the three classes side by side share a cache line.
    std::vector<std::uint32_t> f[kMaxShared + 1];
    for (int s = 1; s <= kMaxShared; ++s)
        f[s].assign(static_cast<size_t>(kClasses * kChoose.m_an[n][s]), 0);
    std::uint64_t perClass[kClasses] = {};
    const auto& C = kChoose.m_an;

    int p[kHandSize];
    for (p[0] = 0; p[0] < n; ++p[0])
    for (p[1] = p[0] + 1; p[1] < n; ++p[1])
    for (p[2] = p[1] + 1; p[2] < n; ++p[2]) {
        const int key3 = rankCode[p[0]] + rankCode[p[1]] + rankCode[p[2]];
        const unsigned suits3 = suitBit[p[0]] & suitBit[p[1]] & suitBit[p[2]];
        for (p[3] = p[2] + 1; p[3] < n; ++p[3])
        for (p[4] = p[3] + 1; p[4] < n; ++p[4]) {
            const unsigned value = evaluator.Value(key3 + rankCode[p[3]] + rankCode[p[4]],
                                                   suits3 & suitBit[p[3]] & suitBit[p[4]]);
            const unsigned cls = value > player ? 0 : (value == player ? 1 : 2);
            ++perClass[cls];
            std::uint32_t* f1 = f[1].data() + cls;
            std::uint32_t* f2 = f[2].data() + cls;
            std::uint32_t* f3 = f[3].data() + cls;
            std::uint32_t* f4 = f[4].data() + cls;
            for (int i = 0; i < kHandSize; ++i) {
                ++f1[3 * C[p[i]][1]];
                for (int j = i + 1; j < kHandSize; ++j) {
                    const std::uint64_t ij = C[p[i]][1] + C[p[j]][2];
                    ++f2[3 * ij];
                    for (int k = j + 1; k < kHandSize; ++k) {
                        const std::uint64_t ijk = ij + C[p[k]][3];
                        ++f3[3 * ijk];
                        for (int l = k + 1; l < kHandSize; ++l)
                            ++f4[3 * (ijk + C[p[l]][4])];
                    }
                }
            }
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
                const std::uint32_t* fs = f[s].data();
                std::int64_t term = 0;
                for (std::uint64_t i = 0; i < subsets; ++i)
                    term += static_cast<std::int64_t>(fs[3 * i + a]) * fs[3 * i + b];
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
