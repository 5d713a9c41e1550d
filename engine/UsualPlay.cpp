#include "UsualPlay.h"

#include "Cards.h"

namespace {

constexpr unsigned kKeepAll = 31;
constexpr unsigned kWheel = (1u << 12) | 0xFu;  // Ace-high bits of A-2-3-4-5
constexpr int kHighestOpenLow = 8;              // T-J-Q-K is the top open draw
constexpr int kKing = 11;                       // Ace-high index

unsigned KeepWhere(const int high[5], unsigned rankBits)
{
    unsigned keep = 0;
    for (int i = 0; i < kHandSize; ++i)
        if (rankBits >> high[i] & 1u)
            keep |= 1u << i;
    return keep;
}

} // namespace

unsigned UsualPlayKeepMaskOf(const int hand[5])
{
    int high[kHandSize];
    int rankCount[kRankCount] = {};
    int suitCount[kSuitCount] = {};
    unsigned ranks = 0;
    for (int i = 0; i < kHandSize; ++i) {
        high[i] = AceHigh(CardRank(hand[i]));
        ++rankCount[high[i]];
        ++suitCount[CardSuit(hand[i])];
        ranks |= 1u << high[i];
    }
    unsigned paired = 0;  // ranks held twice or more
    int most = 1, pairs = 0;
    for (int r = 0; r < kRankCount; ++r) {
        if (rankCount[r] >= 2)
            paired |= 1u << r;
        most = rankCount[r] > most ? rankCount[r] : most;
        pairs += rankCount[r] == 2;
    }
    if (paired == 0) {
        const bool flush = suitCount[CardSuit(hand[0])] == kHandSize;
        const unsigned lowest = ranks & (0u - ranks);
        const bool straight = ranks == kWheel || ranks == 0x1Fu * lowest;
        if (flush || straight)
            return kKeepAll;
    }
    if (most == 4 || (most == 3 && pairs == 1))
        return kKeepAll;
    // Three of a kind, two pair or one pair: keep every paired card.
    if (paired != 0)
        return KeepWhere(high, paired);
    for (int s = 0; s < kSuitCount; ++s)
        if (suitCount[s] == 4) {
            unsigned keep = 0;
            for (int i = 0; i < kHandSize; ++i)
                if (CardSuit(hand[i]) == s)
                    keep |= 1u << i;
            return keep;
        }
    for (int low = 0; low <= kHighestOpenLow; ++low)
        if ((ranks >> low & 0xFu) == 0xFu)
            return KeepWhere(high, 0xFu << low);
    int top = kRankCount - 1;
    while (!(ranks >> top & 1u))
        --top;
    return top >= kKing ? KeepWhere(high, 1u << top) : 0;
}

unsigned UsualPlayKeepMask(const int hand[5])
{
    return IsValidHand(hand) ? UsualPlayKeepMaskOf(hand) : 0;
}

int UsualPlayDrawCount(const int hand[5])
{
    if (!IsValidHand(hand))
        return -1;
    return kHandSize - __builtin_popcount(UsualPlayKeepMaskOf(hand));
}
