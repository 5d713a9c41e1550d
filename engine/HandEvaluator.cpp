#include "HandEvaluator.h"

#include "Cards.h"

#include <algorithm>

namespace {

constexpr const int* kRankCodes = CHandEvaluator::kRankCodes;

constexpr int kLargestKey = 4 * kRankCodes[12] + kRankCodes[11];

const char* const kCategoryKeys[hcCategoryCount] = {
    "nothing", "one_pair", "two_pair", "three_of_a_kind", "straight", "flush",
    "full_house", "four_of_a_kind", "straight_flush", "royal_flush"};

// Category of five distinct ranks given as a set of Ace-high indices, with
// and without a flush.
void ClassifyDistinct(unsigned aceHighMask, int& plain, int& flush)
{
    constexpr unsigned kWheel = (1u << 12) | 0xFu;  // Ace, Two, Three, Four, Five
    constexpr unsigned kBroadway = 0x1Fu << 8;       // Ten to Ace
    bool straight = aceHighMask == kWheel;
    for (int low = 0; low + 4 < kRankCount && !straight; ++low)
        straight = aceHighMask == 0x1Fu << low;
    plain = straight ? hcStraight : hcNothing;
    if (!straight)
        flush = hcFlush;
    else
        flush = aceHighMask == kBroadway ? hcRoyalFlush : hcStraightFlush;
}

// Category of a rank multiset holding a pair or more; no flush is possible.
int ClassifyPaired(const int counts[kRankCount])
{
    int pairs = 0, triples = 0, quads = 0;
    for (int r = 0; r < kRankCount; ++r) {
        pairs += counts[r] == 2;
        triples += counts[r] == 3;
        quads += counts[r] == 4;
    }
    if (quads)
        return hcFourOfAKind;
    if (triples)
        return pairs ? hcFullHouse : hcThreeOfAKind;
    return pairs == 2 ? hcTwoPair : hcOnePair;
}

// Orders hands by the full rules while the tables are built: the category in
// bits 20 and up, then up to five Ace-high ranks of four bits each, most
// significant first, the ranks ordered by how many cards share them, then by
// height. A straight keeps only its top card (the Five in the wheel).
std::uint32_t Pack(int category, const int ranks[], int count)
{
    std::uint32_t packed = static_cast<std::uint32_t>(category) << 20;
    for (int i = 0; i < count; ++i)
        packed |= static_cast<std::uint32_t>(ranks[i]) << (16 - 4 * i);
    return packed;
}

// Packed orders of a rank multiset (counts per Ace-high rank), without and
// with a flush; the category is the evaluator's own.
void PackedOrders(const int aceHighCounts[kRankCount], int plainCategory, int flushCategory,
                  std::uint32_t& plain, std::uint32_t& flush)
{
    int ranks[kHandSize];
    int groups = 0;
    for (int n = 4; n >= 1; --n)
        for (int r = kRankCount - 1; r >= 0; --r)
            if (aceHighCounts[r] == n)
                ranks[groups++] = r;
    // Royal flushes are the top straight flushes: one category for ordering.
    const int plainOrder = plainCategory;
    const int flushOrder = flushCategory == hcRoyalFlush ? hcStraightFlush : flushCategory;
    if (plainCategory == hcStraight) {
        const int top = ranks[0] == 12 && ranks[1] == 3 ? 3 : ranks[0];
        plain = Pack(plainOrder, &top, 1);
        flush = Pack(flushOrder, &top, 1);
        return;
    }
    plain = Pack(plainOrder, ranks, groups);
    flush = Pack(flushOrder, ranks, groups);
}

} // namespace

const char* HandCategoryKey(int category)
{
    if (category < 0 || category >= hcCategoryCount)
        return "";
    return kCategoryKeys[category];
}

const CHandEvaluator& CHandEvaluator::Instance()
{
    static const CHandEvaluator evaluator;
    return evaluator;
}

CHandEvaluator::CHandEvaluator() : m_arrTable(kLargestKey + 1, 0), m_arrValue(kLargestKey + 1, 0)
{
    struct TOrder {
        int m_nKey;
        std::uint32_t m_nPlain, m_nFlush;
        bool m_bDistinct;
    };
    std::vector<TOrder> orders;
    // Walk every multiset of five ranks with at most four of a rank.
    int counts[kRankCount] = {};
    auto visit = [&](auto& self, int rank, int left) -> void {
        if (rank == kRankCount) {
            if (left != 0)
                return;
            int key = 0;
            unsigned aceHighMask = 0;
            bool distinct = true;
            for (int r = 0; r < kRankCount; ++r) {
                key += counts[r] * kRankCodes[r];
                if (counts[r] > 1)
                    distinct = false;
                if (counts[r] > 0)
                    aceHighMask |= 1u << AceHigh(r);
            }
            int plain = hcNothing, flush = hcNothing;
            if (distinct) {
                ClassifyDistinct(aceHighMask, plain, flush);
            } else {
                plain = ClassifyPaired(counts);
                flush = plain;
            }
            m_arrTable[key] = static_cast<std::uint8_t>(plain | (flush << 4));
            int aceHighCounts[kRankCount] = {};
            for (int r = 0; r < kRankCount; ++r)
                aceHighCounts[AceHigh(r)] = counts[r];
            TOrder order{key, 0, 0, distinct};
            PackedOrders(aceHighCounts, plain, flush, order.m_nPlain, order.m_nFlush);
            orders.push_back(order);
            return;
        }
        for (int n = 0; n <= 4 && n <= left; ++n) {
            counts[rank] = n;
            self(self, rank + 1, left - n);
        }
        counts[rank] = 0;
    };
    visit(visit, 0, kHandSize);
    m_pTable = m_arrTable.data();

    // Values are the ranks of the packed orders among every distinct one.
    std::vector<std::uint32_t> all;
    for (const TOrder& order : orders) {
        all.push_back(order.m_nPlain);
        if (order.m_bDistinct)
            all.push_back(order.m_nFlush);
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    auto valueOf = [&all](std::uint32_t packed) {
        return static_cast<unsigned>(std::lower_bound(all.begin(), all.end(), packed) - all.begin());
    };
    m_nValueCount = static_cast<unsigned>(all.size());
    m_nFirstPairValue = valueOf(static_cast<std::uint32_t>(hcOnePair) << 20);
    for (const TOrder& order : orders) {
        const unsigned plain = valueOf(order.m_nPlain);
        m_arrValue[static_cast<size_t>(order.m_nKey)] = static_cast<std::uint16_t>(plain);
        if (!order.m_bDistinct)
            continue;
        // The same lift for every no-pair hand, and for every straight.
        const unsigned lift = valueOf(order.m_nFlush) - plain;
        if (plain < m_nFirstPairValue)
            m_nFlushLift = lift;
        else
            m_nStraightFlushLift = lift;
    }
    m_pValue = m_arrValue.data();
}

int CHandEvaluator::Evaluate(const int cards[5]) const
{
    unsigned long long seen = 0;
    int key = 0;
    unsigned suits = kAnySuit;
    for (int i = 0; i < kHandSize; ++i) {
        const int card = cards[i];
        if (card < 0 || card >= kCardCount || (seen >> card & 1u))
            return -1;
        seen |= 1ull << card;
        key += RankCode(card);
        suits &= SuitBit(card);
    }
    return Category(key, suits);
}

int CHandEvaluator::EvaluateValue(const int cards[5]) const
{
    if (!IsValidHand(cards))
        return -1;
    int key = 0;
    unsigned suits = kAnySuit;
    for (int i = 0; i < kHandSize; ++i) {
        key += RankCode(cards[i]);
        suits &= SuitBit(cards[i]);
    }
    return static_cast<int>(Value(key, suits));
}
