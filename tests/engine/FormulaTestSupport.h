#pragma once

// Test states for the formation formulas: known cards turned into the count
// arrays the engine's distributions address, the player's ranks as hand
// analysis hands them to the higher-formation rows, and seeded random states.

#include "BruteForce.h"
#include "CardDistribution.h"
#include "CardText.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace FormulaTest {

inline bool Sanitized() { return std::getenv("QUINTARA_SANITIZED") != nullptr; }

// A game state: every card the player has seen, and his current five.
struct TState {
    std::vector<int> m_known;
    std::vector<int> m_hand;
};

inline std::string Describe(const TState& state)
{
    std::string text = "known:";
    for (int card : state.m_known)
        text += " " + CardText(card);
    text += "  hand:";
    for (int card : state.m_hand)
        text += " " + CardText(card);
    return text;
}

// The player's five cards, all known; `extra` are further known cards
// (discards and replacements that are not in the hand).
inline TState HandState(const std::string& hand, const std::string& extra = "")
{
    TState state;
    state.m_hand = Cards(hand);
    state.m_known = state.m_hand;
    for (int card : Cards(extra))
        state.m_known.push_back(card);
    return state;
}

// The known cards counted the four ways the distributions read them.
struct TKnownCounts {
    explicit TKnownCounts(const std::vector<int>& known)
        : m_nKnown(static_cast<unsigned>(known.size()))
    {
        for (int card : known) {
            const int rank = card % 13;
            ++m_anRanks[rank];
            ++m_anRanksAceHigh[rank == 0 ? 12 : rank - 1];
            ++m_anSuits[card / 13];
            m_anMatrix[card] = 1;
        }
    }

    CCardDistribution Ranks() const { return CCardDistribution(m_nKnown, m_anRanks, 13); }
    CCardDistribution Suits() const { return CCardDistribution(m_nKnown, m_anSuits, 4); }
    C2IndexesCardDistribution Matrix() const { return C2IndexesCardDistribution(m_nKnown, m_anMatrix); }

    unsigned m_nKnown;
    int m_anRanks[13] = {};        // Ace first
    int m_anRanksAceHigh[13] = {}; // Two first, Ace last
    int m_anSuits[4] = {};
    int m_anMatrix[52] = {};       // [suit][rank]
};

// The player's ranks as the higher-formation rows receive them: Ace-high
// indices for the pair family, and for straights and flushes the top card as
// a primary index with 0 standing for an Ace on top.
struct TPlayerRanks {
    int m_nPair = -1;     // one pair
    int m_nKicker = -1;   // one pair: highest unpaired card; two pair: the fifth card
    int m_nLowPair = -1;  // two pair
    int m_nHighPair = -1;
    int m_nMain = -1;     // the three or four of a kind
    int m_nTop = -1;      // straight, flush, straight flush
};

inline TPlayerRanks RanksOf(const std::vector<int>& hand)
{
    int count[13] = {}; // Ace-high
    for (int card : hand) {
        const int rank = card % 13;
        ++count[rank == 0 ? 12 : rank - 1];
    }
    TPlayerRanks ranks;
    for (int r = 0; r < 13; ++r) {
        if (count[r] == 1)
            ranks.m_nKicker = r; // ascending, so the highest single stays
        if (count[r] == 2) {
            ranks.m_nPair = r;
            if (ranks.m_nLowPair < 0)
                ranks.m_nLowPair = r;
            else
                ranks.m_nHighPair = r;
        }
        if (count[r] >= 3)
            ranks.m_nMain = r;
    }
    const bool ace = count[12] > 0;
    const bool wheel = ace && count[0] && count[1] && count[2] && count[3];
    if (wheel)
        ranks.m_nTop = 4; // the Five
    else if (ace)
        ranks.m_nTop = 0;
    else
        for (int r = 0; r < 12; ++r)
            if (count[r])
                ranks.m_nTop = r + 1; // back to the primary index
    return ranks;
}

// Seeded, repeatable states. Uses only the engine-independent mt19937 stream.
class CStateDealer {
public:
    explicit CStateDealer(std::uint32_t seed) : m_rng(seed) {}

    // Five dealt cards, 0 to 5 of them discarded and as many replacements
    // (k = 5 to 10); the hand is what the player holds after the draw.
    TState DealGame()
    {
        std::vector<int> deck = ShuffledDeck();
        const int discards = Pick(6);
        TState state;
        state.m_known.assign(deck.begin(), deck.begin() + 5 + discards);
        state.m_hand.assign(deck.begin() + discards, deck.begin() + 5 + discards);
        return state;
    }

    // A made hand of the category (straight flushes include royal ones), plus
    // 0 to 5 further known cards standing for discards and replacements.
    TState DealMadeHand(int category)
    {
        std::vector<int> deck;
        if (category == pcStraightFlush) {
            const int suit = Pick(4);
            const int first = Pick(10); // 9 is Ten to Ace
            for (int j = 0; j < 5; ++j)
                deck.push_back(13 * suit + (first + j) % 13);
            for (int card = 0; card < 52; ++card)
                if (std::find(deck.begin(), deck.begin() + 5, card) == deck.begin() + 5)
                    deck.push_back(card);
            ShuffleFrom(deck, 5);
        } else {
            do
                deck = ShuffledDeck();
            while (ClassifyPlain(deck.data()).m_nCategory != category);
        }
        TState state;
        state.m_hand.assign(deck.begin(), deck.begin() + 5);
        state.m_known.assign(deck.begin(), deck.begin() + 5 + Pick(6));
        return state;
    }

private:
    int Pick(int n) { return static_cast<int>(m_rng() % static_cast<std::uint32_t>(n)); }

    // Fisher-Yates on our own Pick, so the states do not depend on the
    // standard library's shuffle.
    void ShuffleFrom(std::vector<int>& deck, int from)
    {
        for (int i = static_cast<int>(deck.size()) - 1; i > from; --i)
            std::swap(deck[i], deck[from + Pick(i - from + 1)]);
    }

    std::vector<int> ShuffledDeck()
    {
        std::vector<int> deck(52);
        for (int i = 0; i < 52; ++i)
            deck[i] = i;
        ShuffleFrom(deck, 0);
        return deck;
    }

    std::mt19937 m_rng;
};

// Enumeration costs a fraction of a second per state, several seconds under
// the sanitizers; there every fourth state is kept, which still runs each
// formula on each kind of state through the instrumented code.
inline std::vector<TState> Thinned(const std::vector<TState>& states)
{
    if (!Sanitized())
        return states;
    std::vector<TState> kept;
    for (size_t i = 0; i < states.size(); i += 4)
        kept.push_back(states[i]);
    return kept;
}

} // namespace FormulaTest
