#include "RangeShowdown.h"

#include "Cards.h"
#include "HandEvaluator.h"

#include <vector>

bool CountRangeShowdown(const int hand[5], const bool unseen[52], const CHandRange& range,
                        TRangeShowdownCounts& counts)
{
    if (!IsValidHand(hand))
        return false;
    const CHandEvaluator& evaluator = CHandEvaluator::Instance();
    const int player = evaluator.EvaluateValue(hand);
    std::vector<int> cards;
    for (int c = 0; c < kCardCount; ++c)
        if (unseen[c])
            cards.push_back(c);
    int keys[kCardCount];
    unsigned suits[kCardCount];
    for (size_t i = 0; i < cards.size(); ++i) {
        keys[i] = CHandEvaluator::RankCode(cards[i]);
        suits[i] = CHandEvaluator::SuitBit(cards[i]);
    }
    TRangeShowdownCounts tally;
    const int n = static_cast<int>(cards.size());
    int five[kHandSize];
    for (int a = 0; a < n; ++a)
    for (int b = a + 1; b < n; ++b)
    for (int c = b + 1; c < n; ++c)
    for (int d = c + 1; d < n; ++d)
    for (int e = d + 1; e < n; ++e) {
        five[0] = cards[a]; five[1] = cards[b]; five[2] = cards[c]; five[3] = cards[d]; five[4] = cards[e];
        if (!range.Contains(five))
            continue;
        ++tally.m_nHands;
        const int value = static_cast<int>(evaluator.Value(keys[a] + keys[b] + keys[c] + keys[d] + keys[e],
                                                           suits[a] & suits[b] & suits[c] & suits[d] & suits[e]));
        if (value > player)
            ++tally.m_nAbove;
        else if (value == player)
            ++tally.m_nLevel;
        else
            ++tally.m_nBelow;
    }
    counts = tally;
    return true;
}
