#pragma once

// Loads cards into a manager the way the card picker and the playing scene
// do, and keeps the same cards in the enumerator's form.

#include "BruteForce.h"
#include "CardDistributionManager.h"
#include "CardText.h"
#include "Cards.h"

#include <algorithm>
#include <string>
#include <vector>

struct TDrawState {
    std::vector<int> m_dealt;
    std::vector<int> m_discards;      // a subset of the dealt cards
    std::vector<int> m_replacements;  // as many as discards, none known before

    // Every card the player has seen: the dealt five and the replacements.
    std::vector<int> Known() const
    {
        std::vector<int> known = m_dealt;
        known.insert(known.end(), m_replacements.begin(), m_replacements.end());
        return known;
    }

    // The five cards he now holds.
    std::vector<int> Hand() const
    {
        std::vector<int> hand;
        for (int c : m_dealt)
            if (std::find(m_discards.begin(), m_discards.end(), c) == m_discards.end())
                hand.push_back(c);
        hand.insert(hand.end(), m_replacements.begin(), m_replacements.end());
        return hand;
    }

    std::string Describe() const
    {
        const auto text = [](const std::vector<int>& cards, std::string out) {
            for (int c : cards) out += " " + CardText(c);
            return out;
        };
        return text(m_dealt, "dealt") + text(m_discards, "  discards") + text(m_replacements, "  replacements");
    }
};

// A final hand reached by throwing `thrown` (at most five cards, all known)
// and drawing the first cards of `hand` in their place.
inline TDrawState Holding(const std::string& hand, const std::string& thrown = "")
{
    const std::vector<int> final = Cards(hand), discards = Cards(thrown);
    TDrawState state{discards, discards, {}};
    state.m_replacements.assign(final.begin(), final.begin() + static_cast<long>(discards.size()));
    state.m_dealt.insert(state.m_dealt.end(), final.begin() + static_cast<long>(discards.size()), final.end());
    return state;
}

// One game up to the analysis of the current hand: the card picker marks
// the cards it confirms known, the playing scene flags those thrown away.
inline void PlayAndAnalyze(CCardDistributionManager& manager, const TDrawState& state)
{
    for (int c : state.Known())
        manager.m_anCardCounts[CardSuit(c)][CardRank(c)] = 1;
    for (int c : state.m_discards)
        manager.m_abDiscarded[CardSuit(c)][CardRank(c)] = true;
    manager.AnalyzeHand();
}

// A fresh manager that has analysed the five dealt cards given as "As Kd ...".
inline CCardDistributionManager AnalyzedHand(const std::string& dealt)
{
    CCardDistributionManager manager;
    PlayAndAnalyze(manager, TDrawState{Cards(dealt), {}, {}});
    return manager;
}
