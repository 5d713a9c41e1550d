#include "HandOrder.h"

#include "Cards.h"

#include <algorithm>

namespace {

// Two = 0 .. Ace = 12.
int AceHighRank(int card) { return (CardRank(card) + 12) % 13; }

}  // namespace

void SortAsPlayersHold(int* cards, int count)
{
    int ofRank[13] = {};
    for (int i = 0; i < count; ++i)
        if (cards[i] >= 0)
            ++ofRank[AceHighRank(cards[i])];
    std::sort(cards, cards + count, [&ofRank](int a, int b) {
        if ((a < 0) != (b < 0))
            return b < 0;
        if (a < 0)
            return false;
        const int rankA = AceHighRank(a), rankB = AceHighRank(b);
        if (ofRank[rankA] != ofRank[rankB])
            return ofRank[rankA] > ofRank[rankB];
        if (rankA != rankB)
            return rankA > rankB;
        return CardSuit(a) < CardSuit(b);
    });
}
