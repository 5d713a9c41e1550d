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
    // Rank sets by bits, no counting arrays: the table simulation asks this
    // of every opponent's hand in every deal.
    int high[kHandSize];
    unsigned once = 0, twice = 0, thrice = 0, four = 0;  // ranks held at least so often
    unsigned suitCounts = 0;                             // a nibble per suit
    for (int i = 0; i < kHandSize; ++i) {
        high[i] = AceHigh(CardRank(hand[i]));
        const unsigned bit = 1u << high[i];
        four |= thrice & bit;
        thrice |= twice & bit;
        twice |= once & bit;
        once |= bit;
        suitCounts += 1u << (4 * CardSuit(hand[i]));
    }
    if (twice == 0) {
        const bool flush = suitCounts == 5u || suitCounts == 5u << 4 || suitCounts == 5u << 8 || suitCounts == 5u << 12;
        const unsigned lowest = once & (0u - once);
        const bool straight = once == kWheel || once == 0x1Fu * lowest;
        if (flush || straight)
            return kKeepAll;
    }
    // Four of a kind, or a full house (three of a rank and two of another).
    if (four != 0 || (thrice != 0 && (twice & (twice - 1)) != 0))
        return kKeepAll;
    // Three of a kind, two pair or one pair: keep every paired card.
    if (twice != 0)
        return KeepWhere(high, twice);
    for (int s = 0; s < kSuitCount; ++s)
        if ((suitCounts >> (4 * s) & 0xFu) == 4) {
            unsigned keep = 0;
            for (int i = 0; i < kHandSize; ++i)
                if (CardSuit(hand[i]) == s)
                    keep |= 1u << i;
            return keep;
        }
    for (int low = 0; low <= kHighestOpenLow; ++low)
        if ((once >> low & 0xFu) == 0xFu)
            return KeepWhere(high, 0xFu << low);
    const int top = 31 - __builtin_clz(once);
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
