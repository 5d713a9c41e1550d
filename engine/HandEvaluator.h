#pragma once

// Category and full-rules value of a five-card hand, by table lookup.
//
// A hand is split into a rank part and a suit part that combine across
// partial hands: the rank key of a set of cards is the sum of their rank
// codes, the suit part the AND of their suit bits. The draw analysis keeps
// both for the cards held and for the cards drawn so far, and pays one
// addition, one AND and one table read per complete hand.

#include <cstdint>
#include <vector>

// Final-hand categories, exclusive and ascending in value.
enum EHandCategory {
    hcNothing = 0,        // no pair or better
    hcOnePair,
    hcTwoPair,
    hcThreeOfAKind,
    hcStraight,
    hcFlush,
    hcFullHouse,
    hcFourOfAKind,
    hcStraightFlush,      // royal flush excluded
    hcRoyalFlush,
    hcCategoryCount
};

// Machine-readable name of a category: "nothing", "one_pair", ...,
// "royal_flush"; an empty string outside 0..hcCategoryCount - 1.
const char* HandCategoryKey(int category);

class CHandEvaluator {
public:
    // Suit part of an empty set of cards: every suit still possible.
    static constexpr unsigned kAnySuit = 0xFu;

    // The tables are built once, on first use.
    static const CHandEvaluator& Instance();

    // Rank codes by primary rank index (Ace first). Chosen greedily, each the
    // smallest value that keeps the sums of every rank multiset of one to five
    // cards (at most four of a rank) distinct, so a five-card rank key is a
    // perfect hash and the table stays near 360 KB.
    static constexpr int kRankCodes[13] = {0, 1, 5, 22, 94, 312, 992, 2422, 5624, 12522, 19998, 43258, 79415};

    // Rank code of a card index 0..51. The codes of five cards sum to a key
    // unique to their multiset of ranks. Inline: the simulations' inner loops.
    static int RankCode(int card) { return kRankCodes[card % 13]; }
    // Bit of the card's suit (1 << suit).
    static unsigned SuitBit(int card) { return 1u << (card / 13); }

    // Category of five distinct cards from their rank key and the AND of
    // their suit bits (not zero exactly when all five share a suit).
    int Category(int rankKey, unsigned suitBits) const
    {
        const unsigned entry = m_pTable[rankKey];
        return static_cast<int>(suitBits != 0 ? entry >> 4 : entry & 0xFu);
    }

    // Full-rules value of five distinct cards from the same two parts: a
    // higher value is the better hand, equal values tie (formation, then the
    // deciding ranks, then the kickers; Ace high except in the wheel; suits
    // never rank). Values run from 0 to ValueCount() - 1.
    unsigned Value(int rankKey, unsigned suitBits) const
    {
        const unsigned plain = m_pValue[rankKey];
        if (suitBits == 0)
            return plain;
        // Only five distinct ranks can share a suit: a no-pair hand becomes
        // the flush of the same ranks, a straight the straight flush.
        return plain + (plain < m_nFirstPairValue ? m_nFlushLift : m_nStraightFlushLift);
    }
    // The value of five distinct valid cards.
    unsigned HandValue(const int cards[5]) const
    {
        int key = 0;
        unsigned suits = kAnySuit;
        for (int i = 0; i < 5; ++i) {
            key += RankCode(cards[i]);
            suits &= SuitBit(cards[i]);
        }
        return Value(key, suits);
    }
    unsigned ValueCount() const { return m_nValueCount; }

    // Category of five cards; -1 when a card is outside 0..51 or repeated.
    int Evaluate(const int cards[5]) const;
    // Value of five cards; -1 when a card is outside 0..51 or repeated.
    int EvaluateValue(const int cards[5]) const;

private:
    CHandEvaluator();

    // Per rank key: the category without a flush in the low nibble, with
    // one in the high nibble.
    std::vector<std::uint8_t> m_arrTable;
    const std::uint8_t* m_pTable = nullptr;
    // Per rank key: the value without a flush (the flush value follows from it).
    std::vector<std::uint16_t> m_arrValue;
    const std::uint16_t* m_pValue = nullptr;
    unsigned m_nFirstPairValue = 0;
    unsigned m_nFlushLift = 0;
    unsigned m_nStraightFlushLift = 0;
    unsigned m_nValueCount = 0;
};
