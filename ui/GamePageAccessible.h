#pragma once

#include "PageAccessible.h"

#include <functional>

class CCardsScene;
class CPlayingScene;
class CPokerDoc;
class CResultsScene;

// The game's page for assistive technology: the picker's 52 cards in
// card-index order, then the hand's five places, then the five seats. Each
// card is named ("Ace of hearts", a face-down place "Card back"), is checked
// while picked or marked, is enabled while a click on it counts, and covers
// the strip of it the page shows. A seat is named "Opponent 2", gives his
// seen draw as its value and is invisible when nobody sits there. Read from
// the document and the scenes when asked.
class CGamePageItems : public CPageItems {
public:
    static constexpr int kCards = 52;

    // The document and the scenes outlive the items; pressCard, pressPlace
    // and pressSeat are what a click on a card, a place or a seat does.
    CGamePageItems(const CPokerDoc& document, const CCardsScene& cards, const CPlayingScene& playing,
                   std::function<void(int card)> pressCard, std::function<void(int place)> pressPlace,
                   std::function<void(int seat)> pressSeat);

    int ItemCount() const override;
    TPageItem Item(int item) const override;
    void Press(int item) override;

private:
    const CPokerDoc& m_document;
    const CCardsScene& m_cards;
    const CPlayingScene& m_playing;
    std::function<void(int)> m_pressCard;
    std::function<void(int)> m_pressPlace;
    std::function<void(int)> m_pressSeat;
};

// Gives the page's text controls (the tables, the hand's description, the
// suggestions) the names a screen reader announces.
void NamePageControls(const CPlayingScene& playing, const CResultsScene& results);
