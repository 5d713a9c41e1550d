#pragma once

// An opponent's range: the five-card hands he may have been dealt, read from
// the words a draw player uses. Case does not matter; parts joined by `/`
// make a union.
//   `?` or `any`   any hand
//   `open`         the table's opening requirement: a pair of R or better
//   `JJ+`          one pair of jacks or higher, or any formation above one pair
//   `77-TT`        one pair, sevens to tens, and nothing more
//   `AA`           one pair of aces and nothing more
//   `2P` `3K` `ST` `FL` `FH` `4K` `SF`   that formation (royal flushes are
//                  straight flushes); with `+`, that or any formation above
//   `4F`           four cards of one suit, not a flush
//   `OE`           four consecutive ranks open at both ends, 2-3-4-5 up to
//                  T-J-Q-K as the usual play reads them, not a straight
// A hand belongs to the range when any part takes it: a pair of kings with
// four hearts is in `4F` as well as in `KK`.
//
// Membership is a class of the hand (no pair, one pair by rank, each
// formation above) and two draw flags, tested against bit masks: cheap enough
// for the dealer to sift every hand of the unseen cards.

#include <cstdint>
#include <string>

class CHandRange {
public:
    // Ace-high rank index of the default opening requirement: jacks.
    static constexpr int kDefaultOpenRank = 9;

    // Any hand.
    CHandRange() = default;

    // Reads `text` with `openRank` (Ace-high index, 0 Two .. 12 Ace) for the
    // word `open`. On an empty or unknown part returns false, leaves `range`
    // as it was and puts that part, as typed, in `badPart`.
    static bool Parse(const std::string& text, int openRank, CHandRange& range, std::string& badPart);

    // A rank as `--open` takes it: 2-9, T or 10, J, Q, K, A, any case; the
    // Ace-high index, or -1.
    static int ParseRank(const std::string& text);

    bool IsAny() const { return m_bAny; }
    // The words as read: upper case, `open` spelled out as the pair it asks
    // for, `any` for every hand.
    const std::string& Text() const { return m_strText; }

    // Five distinct cards (card indices, any order).
    bool Contains(const int hand[5]) const
    {
        if (m_bAny)
            return true;
        unsigned cls = 0, draws = 0;
        Classify(hand, cls, draws);
        return Takes(cls, draws);
    }
    // The same from the hand's class and draw flags (Classify), for a caller
    // that tests one hand against several ranges.
    bool Takes(unsigned cls, unsigned draws) const
    {
        return m_bAny || (m_nClasses >> cls & 1u) != 0 || (m_nDraws & draws) != 0;
    }

    // Class of five distinct cards: 0 no pair (neither straight nor flush),
    // 1 + r one pair of Ace-high rank r, then two pair, three of a kind,
    // straight, flush, full house, four of a kind and straight flush; and the
    // draw flags the hand has (kFourFlush, kOpenEnded).
    static constexpr unsigned kFourFlush = 1, kOpenEnded = 2;
    static void Classify(const int hand[5], unsigned& cls, unsigned& draws);

    bool operator==(const CHandRange& other) const
    {
        return m_bAny == other.m_bAny && m_nClasses == other.m_nClasses && m_nDraws == other.m_nDraws;
    }

private:
    bool m_bAny = true;
    std::uint32_t m_nClasses = 0;  // bit per class taken whole
    unsigned m_nDraws = 0;         // draw flags taken
    std::string m_strText = "any";
};
