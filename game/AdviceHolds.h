#pragma once

// The cards each advice paragraph tells the player to keep, and the events
// its figures are the chances of. Every hold is a keep mask over the hand's
// five cards in ascending card index (bit i: card i kept), the mask the draw
// analysis indexes its outcomes by.

#include <vector>

#include "DrawAnalysis.h"

class CCardDistributionManager;

// One figure of a paragraph: the chance that the hold ends in a category from
// m_nLowest to m_nHighest (EHandCategory).
struct TAdviceFigure {
    unsigned m_nHold;
    int m_nLowest;
    int m_nHighest;
};

// A formation listed under "playing for": exactly that category. A straight
// flush is never listed; its figure counts the royal flush too (OrBetter).
inline TAdviceFigure Exactly(unsigned hold, int category) { return {hold, category, category}; }
inline TAdviceFigure OrBetter(unsigned hold, int category) { return {hold, category, hcRoyalFlush}; }

// The holds of one analysed hand. A hold the hand does not have (codes set
// without cards, or analysis fields of another hand) is 0, which no paragraph
// describes: the advice then stays empty rather than give a wrong figure.
class CAdviceHolds {
public:
    explicit CAdviceHolds(const CCardDistributionManager& manager);

    // The five cards held, ascending card index; false when the hand has not
    // exactly five.
    bool HasHand() const { return m_bHand; }
    const int* Cards() const { return m_anCards; }

    // Without a pair: the highest-ranked card, Ace high. With one or two
    // pairs: the highest-ranked unpaired card (with two pairs, the card that
    // "discard the pairs" keeps).
    unsigned HighCard() const;
    // The two highest-ranked cards, Ace high.
    unsigned TwoHighCards() const;
    unsigned Pair() const;    // the pair of a one-pair hand
    unsigned Pairs() const;   // both pairs of a two-pair hand
    // With two pairs, "one pair and the high card": the higher pair (both
    // pairs draw alike) and the unpaired card.
    unsigned HigherPairAndHighCard() const;
    unsigned Triple() const;
    unsigned SuitedCards(int count) const;  // the three or four suited cards found
    // The cards of the highest three-card straight window.
    unsigned ThreeStraightCards() const;
    // The four-card straight window the hand is named by: its open-ended
    // window for an open-ended straight draw, else the highest one.
    unsigned FourStraightCards() const;

private:
    unsigned CardsOfRank(int rank) const;
    // The cards of a window of hand-rank positions, one card per rank; of a
    // rank held twice or thrice, the card of the suit the hand holds most of.
    unsigned WindowCards(unsigned start, unsigned length) const;
    bool IsOpenEnded(unsigned start) const;

    const CCardDistributionManager& m_manager;
    int m_anCards[5] = {-1, -1, -1, -1, -1};
    bool m_bHand = false;
};

// The chance of a figure from the 32 outcomes of the draw analysis; false
// when the hold is 0 or has no draws.
bool FigureProbability(const std::vector<TDrawOutcome>& outcomes, const TAdviceFigure& figure, double& probability);
