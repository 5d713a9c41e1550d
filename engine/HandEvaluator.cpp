#include "HandEvaluator.h"

#include "Cards.h"

namespace {

// Rank codes by primary rank index (Ace first). Chosen greedily, each the
// smallest value that keeps the sums of every rank multiset of one to five
// cards (at most four of a rank) distinct, so a five-card rank key is a
// perfect hash and the table stays near 360 KB.
constexpr int kRankCodes[kRankCount] = {0,    1,     5,     22,    94,    312,  992,
                                        2422, 5624, 12522, 19998, 43258, 79415};

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

} // namespace

const char* HandCategoryKey(int category)
{
    if (category < 0 || category >= hcCategoryCount)
        return "";
    return kCategoryKeys[category];
}

int CHandEvaluator::RankCode(int card)
{
    return kRankCodes[CardRank(card)];
}

const CHandEvaluator& CHandEvaluator::Instance()
{
    static const CHandEvaluator evaluator;
    return evaluator;
}

CHandEvaluator::CHandEvaluator() : m_arrTable(kLargestKey + 1, 0)
{
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
