#include "DrawEnumeration.h"

#include "Cards.h"
#include "HandEvaluator.h"

#include <algorithm>
#include <cstdint>

std::vector<TDrawOutcome> EnumerateDraws(const int hand[5], const bool known[52])
{
    if (!IsValidHand(hand))
        return {};
    const CHandEvaluator& evaluator = CHandEvaluator::Instance();

    bool seen[kCardCount] = {};
    if (known)
        std::copy(known, known + kCardCount, seen);
    for (int i = 0; i < kHandSize; ++i)
        seen[hand[i]] = true;

    int unseenKey[kCardCount];
    unsigned unseenSuit[kCardCount];
    int unseen = 0;
    for (int card = 0; card < kCardCount; ++card) {
        if (seen[card])
            continue;
        unseenKey[unseen] = CHandEvaluator::RankCode(card);
        unseenSuit[unseen] = CHandEvaluator::SuitBit(card);
        ++unseen;
    }

    // The kept cards' share of the key and suit bits, and the holds grouped
    // by how many cards they draw, so each partial draw serves every hold
    // that completes with it.
    int holdKey[kHoldCount];
    unsigned holdSuits[kHoldCount];
    unsigned holdsByDraws[kHandSize + 1][10];
    int holdsByDrawsCount[kHandSize + 1] = {};
    for (unsigned mask = 0; mask < kHoldCount; ++mask) {
        int key = 0;
        unsigned suits = CHandEvaluator::kAnySuit;
        int kept = 0;
        for (int i = 0; i < kHandSize; ++i) {
            if (mask >> i & 1u) {
                key += CHandEvaluator::RankCode(hand[i]);
                suits &= CHandEvaluator::SuitBit(hand[i]);
                ++kept;
            }
        }
        holdKey[mask] = key;
        holdSuits[mask] = suits;
        const int draws = kHandSize - kept;
        holdsByDraws[draws][holdsByDrawsCount[draws]++] = mask;
    }

    // Category index padded to 16 so each hold's counters are one aligned row.
    std::uint32_t counts[kHoldCount][16] = {};
    auto countHolds = [&](int draws, int key, unsigned suits) {
        for (int h = 0; h < holdsByDrawsCount[draws]; ++h) {
            const unsigned mask = holdsByDraws[draws][h];
            ++counts[mask][evaluator.Category(key + holdKey[mask], suits & holdSuits[mask])];
        }
    };

    countHolds(0, 0, CHandEvaluator::kAnySuit);
    std::uint32_t* const discardAll = counts[0];
    for (int a = 0; a < unseen; ++a) {
        const int keyA = unseenKey[a];
        const unsigned suitsA = unseenSuit[a];
        countHolds(1, keyA, suitsA);
        for (int b = a + 1; b < unseen; ++b) {
            const int keyB = keyA + unseenKey[b];
            const unsigned suitsB = suitsA & unseenSuit[b];
            countHolds(2, keyB, suitsB);
            for (int c = b + 1; c < unseen; ++c) {
                const int keyC = keyB + unseenKey[c];
                const unsigned suitsC = suitsB & unseenSuit[c];
                countHolds(3, keyC, suitsC);
                for (int d = c + 1; d < unseen; ++d) {
                    const int keyD = keyC + unseenKey[d];
                    const unsigned suitsD = suitsC & unseenSuit[d];
                    countHolds(4, keyD, suitsD);
                    // Discarding all five: most of the work, one hold.
                    for (int e = d + 1; e < unseen; ++e)
                        ++discardAll[evaluator.Category(keyD + unseenKey[e], suitsD & unseenSuit[e])];
                }
            }
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
