#pragma once

// An independent, plain enumeration of every opponent hand and every draw,
// written for the tests only. Ranks here are Ace-high (0 Two .. 12 Ace);
// cards are the engine's card indices (13 x suit + rank, rank 0 the Ace).

#include <array>
#include <string>
#include <vector>

enum EPlainCategory {
    pcHighCard = 0,
    pcOnePair,
    pcTwoPair,
    pcThreeOfAKind,
    pcStraight,
    pcFlush,
    pcFullHouse,
    pcFourOfAKind,
    pcStraightFlush  // royal flushes included
};

struct TPlainHand {
    int m_nCategory = pcHighCard;
    bool m_bStraight = false;   // five consecutive ranks, any suits
    bool m_bFlush = false;      // five cards of one suit
    int m_nStraightTop = -1;    // Ace-high top of a straight; 3 (the Five) for the wheel
    int m_nPair = -1;           // one pair: its rank
    int m_nHighPair = -1;       // two pair
    int m_nLowPair = -1;
    int m_nTriple = -1;         // three of a kind or full house
    int m_nQuad = -1;
    // Category, then the ranks that break ties by the full rules (unused
    // places -1): compared as a whole, the larger ranking is the better hand.
    std::array<int, 6> m_anRanking{};
};

// A card's rank counted Ace-high, 0 (Two) to 12 (Ace).
int AceHighRank(int card);

// The cards outside `known`, in index order.
std::vector<int> Unseen(const std::vector<int>& known);

// Calls visit(hand) on every five of `cards`, one by one, in index order.
template <typename TVisit>
void ForEachFiveOf(const std::vector<int>& cards, TVisit visit)
{
    const size_t n = cards.size();
    int hand[5];
    for (size_t a = 0; a < n; ++a)
    for (size_t b = a + 1; b < n; ++b)
    for (size_t c = b + 1; c < n; ++c)
    for (size_t d = c + 1; d < n; ++d)
    for (size_t e = d + 1; e < n; ++e) {
        hand[0] = cards[a]; hand[1] = cards[b]; hand[2] = cards[c]; hand[3] = cards[d]; hand[4] = cards[e];
        visit(static_cast<const int*>(hand));
    }
}

TPlainHand ClassifyPlain(const int cards[5]);

// The four cards of one suit (bit i: cards[i]), or 0.
unsigned FourSuitedMask(const int cards[5]);
// Four cards of consecutive ranks below the Ace, Two-to-Five up to
// Ten-to-King (bit i: cards[i]), or 0.
unsigned OpenEndedMask(const int cards[5]);

struct TBruteForceCounts {
    double m_dTotal = 0;
    // Opponent hands by plain category; straight and flush include the
    // straight flushes.
    double m_adPlain[pcStraightFlush + 1] = {};
    // Opponent hands of the player's own category that rank above his by the
    // full rules (straight flushes are a category of their own; hands without
    // a pair, straight or flush are one too).
    double m_dHigher = 0;
    // The showdown by the full rules: opponent hands above, level with and
    // below the player's.
    double m_dRulesAbove = 0, m_dRulesLevel = 0, m_dRulesBelow = 0;
};

// Every five-card hand of the cards outside `known`. `hand` is the player's
// current five cards (a subset of `known`); it may be empty, in which case the
// higher and showdown counts stay 0.
TBruteForceCounts CountOpponentHands(const std::vector<int>& known, const std::vector<int>& hand);

// Parses "As Kd 7c" (ranks 2-9, T, J, Q, K, A; suits c d h s) into card
// indices; aborts the test program on a typo.
std::vector<int> Cards(const std::string& text);

// Every way to draw to `kept` (up to five cards) from the cards outside
// `known`, counted by the plain category of the five cards it ends with.
struct TDrawCounts {
    double m_dTotal = 0;
    double m_adCategory[pcStraightFlush + 1] = {};
    double m_dRoyalFlush = 0;  // among the straight flushes
};
TDrawCounts CountDraws(const std::vector<int>& kept, const std::vector<int>& known);
