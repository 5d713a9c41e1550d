#pragma once

// Card vocabulary shared by the whole engine.
// Suit: 0 clubs, 1 diamonds, 2 hearts, 3 spades.
// Primary rank index: 0 Ace, 1 Two, ..., 12 King.
// Ace-high rank index (for comparing heights): 0 Two, ..., 11 King, 12 Ace.
// Card index: 13 x suit + primary rank, 0..51.

constexpr int kSuitCount = 4;
constexpr int kRankCount = 13;
constexpr int kCardCount = 52;
constexpr int kHandSize = 5;

inline constexpr int CardIndex(int suit, int rank) { return 13 * suit + rank; }
inline constexpr int CardSuit(int card) { return card / 13; }
inline constexpr int CardRank(int card) { return card % 13; }

// Ace-high index of a primary rank index.
inline constexpr int AceHigh(int rank) { return rank == 0 ? 12 : rank - 1; }

// Five cards, each in 0..51, none twice.
inline bool IsValidHand(const int hand[kHandSize])
{
    unsigned long long seen = 0;
    for (int i = 0; i < kHandSize; ++i) {
        if (hand[i] < 0 || hand[i] >= kCardCount || (seen >> hand[i] & 1u))
            return false;
        seen |= 1ull << hand[i];
    }
    return true;
}

// Ace, Ten, Jack, Queen or King.
inline constexpr bool IsHighCard(int rank) { return rank == 0 || rank >= 9; }

// Formation codes produced by hand analysis. 0..7 are hands without a made
// formation, told apart by what they could be drawn to; 8..16 ascend in value.
enum EFormation {
    fmNothing = 0,
    fmHighCard = 1,
    fmTwoHighCards = 2,
    fmThreeSuited = 3,
    fmFourSuited = 4,
    fmThreeStraight = 5,
    fmFourStraight = 6,
    fmOpenEndedStraight = 7,
    fmOnePair = 8,
    fmTwoPairs = 9,
    fmThreeOfAKind = 10,
    fmStraight = 11,
    fmFlush = 12,
    fmFullHouse = 13,
    fmFourOfAKind = 14,
    fmStraightFlush = 15,
    fmRoyalFlush = 16
};

// Draw codes: what a hand could additionally be drawn to.
enum EDrawCode {
    dcNone = 0,
    dcHighCard = 1,
    dcTwoHighCards = 2,
    dcHighCards = 3,
    dcThreeSuited = 4,
    dcFourSuited = 5,
    dcThreeStraight = 6,
    dcFourStraight = 7,
    dcOpenEndedStraight = 8
};

// Display name (string id) of a formation code, as the hand sentence and the
// command line name it.
int FormationNameId(int formation);
