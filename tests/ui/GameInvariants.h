#pragma once

// What must hold of the running game whatever the player did: the stage agrees
// with what the scenes show, the picker never holds more cards than it asks
// for, OK and Discard are usable exactly when they may be pressed, a known card
// can be neither seen nor picked in the picker, and the hand always shows five
// proper pictures. Checked from outside, after the event loop has run.

#include "Bitmaps.h"
#include "CardText.h"
#include "CardsScene.h"
#include "PlayingScene.h"
#include "PokerDoc.h"
#include "PokerView.h"
#include "ResultsScene.h"
#include "ScrollableStatic.h"

#include <QPushButton>
#include <QTreeWidget>

#include <bitset>
#include <string>
#include <vector>

namespace gameinvariants {

using TCardSet = std::bitset<52>;

inline TCardSet KnownCards(const CCardDistributionManager& manager)
{
    TCardSet known;
    for (int card = 0; card < 52; ++card)
        known[static_cast<size_t>(card)] = manager.m_anCardCounts[card / 13][card % 13] != 0;
    return known;
}

inline TCardSet DiscardedCards(const CCardDistributionManager& manager)
{
    TCardSet discarded;
    for (int card = 0; card < 52; ++card)
        discarded[static_cast<size_t>(card)] = manager.m_abDiscarded[card / 13][card % 13];
    return discarded;
}

// The page band a picker card shows: a 40-pixel strip, or the whole card for
// the last visible card of its column.
inline QRect PickerStrip(const CCardsScene& picker, int card)
{
    const CGraphicObject& object = picker.m_cards[card];
    bool last = true;
    for (int below = card + 1; below < (card / 13 + 1) * 13; ++below)
        last = last && !picker.m_cards[below].m_visible;
    return QRect(object.m_x, object.m_y, object.m_width, last ? object.m_height : 40);
}

class CViolations {
public:
    void Require(bool holds, const std::string& rule)
    {
        if (!holds)
            m_lines.push_back(rule);
    }
    std::vector<std::string> m_lines;
};

inline std::string CardList(const TCardSet& cards)
{
    std::string text;
    for (int card = 0; card < 52; ++card) {
        if (cards[static_cast<size_t>(card)])
            text += (text.empty() ? "" : " ") + CardText(card);
    }
    return "{" + text + "}";
}

inline void CheckPicker(CViolations& v, CCardsScene& picker, const TCardSet& known)
{
    unsigned selected = 0;
    for (int card = 0; card < 52; ++card) {
        const CGraphicObject& object = picker.m_cards[card];
        selected += object.m_selected ? 1 : 0;
        v.Require(!object.m_selected || object.m_visible, "picker: hidden card " + CardText(card) + " is selected");
    }
    v.Require(picker.m_selectionCount == selected, "picker: selection count " + std::to_string(picker.m_selectionCount)
                                                       + " but " + std::to_string(selected) + " cards selected");
    v.Require(picker.m_selectionCount <= picker.m_maxSelection,
              "picker: " + std::to_string(picker.m_selectionCount) + " selected, more than the maximum "
                  + std::to_string(picker.m_maxSelection));
    v.Require(picker.m_okButton->isHidden() == !picker.m_active, "picker: OK shown while the picker is not in use");
    if (!picker.m_active)
        return;
    v.Require(picker.m_okButton->isEnabled() == (picker.m_selectionCount == picker.m_maxSelection),
              "picker: OK enabled with " + std::to_string(picker.m_selectionCount) + " of "
                  + std::to_string(picker.m_maxSelection) + " cards, or disabled at the count");

    for (int card = 0; card < 52; ++card) {
        const bool isKnown = known[static_cast<size_t>(card)];
        v.Require(picker.m_cards[card].m_visible != isKnown,
                  "picker: " + CardText(card) + (isKnown ? " is known but shown" : " is unknown but hidden"));
        if (!isKnown) {
            const QRect strip = PickerStrip(picker, card);
            v.Require(picker.HitTest(strip.center().x(), strip.center().y()) == &picker.m_cards[card],
                      "picker: the strip of " + CardText(card) + " does not pick it");
        }
    }
    // Every point of the picker, a little beyond its edges, picks an unknown card or nothing.
    const QRect area = picker.m_rect.adjusted(-3, -3, 3, 3);
    for (int y = area.top(); y <= area.bottom(); y += 7) {
        for (int x = area.left(); x <= area.right(); x += 5) {
            const CGraphicObject* hit = picker.HitTest(x, y);
            if (!hit)
                continue;
            const int card = static_cast<int>(hit - picker.m_cards);
            if (card < 0 || card >= 52 || known[static_cast<size_t>(card)] || !hit->m_visible) {
                v.Require(false, "picker: (" + std::to_string(x) + ", " + std::to_string(y) + ") picks a known or hidden card");
                return;
            }
        }
    }
}

// The faces on the table, left to right, and how many places show a back.
struct THand {
    std::vector<int> m_faces;
    TCardSet m_faceSet;
    int m_backs = 0;
    int m_marked = 0;
};

inline THand CheckHand(CViolations& v, const CPlayingScene& table)
{
    THand hand;
    for (int place = 0; place < 5; ++place) {
        const CGraphicObject& object = table.m_hand[place];
        const unsigned id = object.m_bitmapId;
        const std::string where = "hand place " + std::to_string(place);
        hand.m_marked += object.m_selected ? 1 : 0;
        v.Require(!LoadBitmap(id).isNull(), where + ": no picture under bitmap id " + std::to_string(id));
        v.Require(object.m_width == 71 && object.m_height == 96 && object.m_visible, where + ": not a whole card");
        if (id == kBitmapCardBack) {
            ++hand.m_backs;
        } else if (id >= kBitmapFirstCard && id < kBitmapFirstCard + 52) {
            const int card = static_cast<int>(id - kBitmapFirstCard);
            v.Require(!hand.m_faceSet[static_cast<size_t>(card)], where + ": " + CardText(card) + " shown twice");
            hand.m_faces.push_back(card);
            hand.m_faceSet[static_cast<size_t>(card)] = true;
        } else {
            v.Require(false, where + ": shows bitmap " + std::to_string(id) + ", neither a card nor a back");
        }
    }
    if (table.m_discardPhase)
        v.Require(table.m_discardCount == hand.m_marked, "table: discard count " + std::to_string(table.m_discardCount)
                                                             + " but " + std::to_string(hand.m_marked) + " cards marked");
    else
        v.Require(hand.m_marked == 0, "table: a card is marked outside the discard phase");
    return hand;
}

inline void CheckResults(CViolations& v, const CResultsScene& results, bool shown, bool suggestions)
{
    const std::string what = shown ? "shown" : "hidden";
    v.Require((results.m_shown != 0) == shown, "results: not " + what);
    v.Require(results.m_oneOpponentList->isHidden() == !shown, "results: table for one opponent not " + what);
    v.Require(results.m_atLeastOneList->isHidden() == !shown, "results: table for at least one not " + what);
    v.Require((results.m_suggestionsShown != 0) == suggestions && results.m_suggestionsBox->isHidden() == !suggestions,
              std::string("results: suggestions ") + (suggestions ? "missing" : "shown"));
    if (shown)
        v.Require(results.m_oneOpponentList->topLevelItemCount() > 0 && results.m_atLeastOneList->topLevelItemCount() > 0,
                  "results: a table without rows");
    if (suggestions)
        v.Require(!results.m_suggestionsBox->toPlainText().isEmpty(), "results: suggestions box empty");
}

// One line per broken rule; empty when the game is sound.
inline std::vector<std::string> Violations(CPokerView& view)
{
    CViolations v;
    CPokerDoc* document = view.GetDocument();
    if (!document)
        return {"the view has no document"};
    const CCardDistributionManager& manager = document->m_manager;
    CCardsScene& picker = view.m_cardsScene;
    CPlayingScene& table = view.m_playingScene;
    const int stage = view.m_nStage;

    const int opponents = document->m_nOpponents;
    v.Require(opponents >= 1 && opponents <= 5, "document: " + std::to_string(opponents) + " opponents");
    v.Require(table.m_opponentCount == static_cast<unsigned>(opponents)
                  && table.m_opponents.size() == static_cast<size_t>(opponents),
              "table: " + std::to_string(table.m_opponents.size()) + " seats for " + std::to_string(opponents)
                  + " opponents");
    for (const CGraphicObject& seat : table.m_opponents)
        v.Require(!LoadBitmap(seat.m_bitmapId).isNull(), "table: a seat without picture");

    for (int card = 0; card < 52; ++card) {
        const int count = manager.m_anCardCounts[card / 13][card % 13];
        v.Require(count == 0 || count == 1, "document: count " + std::to_string(count) + " for " + CardText(card));
    }
    const TCardSet known = KnownCards(manager);
    const TCardSet discarded = DiscardedCards(manager);
    v.Require((discarded & ~known).none(), "document: discarded but never known " + CardList(discarded & ~known));

    CheckPicker(v, picker, known);
    const THand hand = CheckHand(v, table);

    QPushButton* discard = table.m_discardButton;
    v.Require(discard->isHidden() == !table.m_discardPhase, "table: Discard shown outside the discard phase, or hidden in it");
    if (table.m_discardPhase)
        v.Require(discard->isEnabled() == (hand.m_marked > 0),
                  "table: Discard enabled with " + std::to_string(hand.m_marked) + " cards marked");
    v.Require(table.m_adviceBox->isHidden() == !(table.m_discardPhase || table.m_finalHand),
              "table: hand description shown without a hand, or hidden with one");

    const std::string at = "stage " + std::to_string(stage) + ": ";
    const TCardSet kept = known & ~discarded;
    switch (stage) {
    case 3:
        v.Require(picker.m_active && picker.m_initialPick && picker.m_maxSelection == 5, at + "picker not picking five");
        v.Require(known.none() && discarded.none(), at + "cards already known " + CardList(known));
        v.Require(hand.m_backs == 5, at + "hand not face down");
        v.Require(!table.m_discardPhase && !table.m_finalHand && !view.m_bFinalHand, at + "a hand is in play");
        v.Require(table.m_captionId == 102, at + "caption is not the initial hand's");
        CheckResults(v, view.m_resultsScene, false, false);
        break;
    case 4:
    case 5: {
        v.Require(!picker.m_active, at + "picker still in use");
        v.Require(table.m_discardPhase && !table.m_finalHand && !view.m_bFinalHand, at + "not in the discard phase");
        v.Require(known.count() == 5 && discarded.none(),
                  at + "known " + CardList(known) + ", discarded " + CardList(discarded));
        std::vector<int> inOrder;
        for (int card = 0; card < 52; ++card) {
            if (known[static_cast<size_t>(card)])
                inOrder.push_back(card);
        }
        v.Require(hand.m_faces == inOrder, at + "hand is not the known cards in card order");
        v.Require((stage == 5) == (hand.m_marked > 0), at + std::to_string(hand.m_marked) + " cards marked");
        v.Require(table.m_captionId == 102, at + "caption is not the initial hand's");
        v.Require(!table.m_adviceBox->toPlainText().isEmpty(), at + "no hand description");
        CheckResults(v, view.m_resultsScene, true, true);
        break;
    }
    case 6:
        v.Require(picker.m_active && !picker.m_initialPick, at + "picker not picking replacements");
        v.Require(discarded.count() >= 1 && known.count() == 5, at + "known " + CardList(known) + ", discarded "
                                                                     + CardList(discarded));
        v.Require(picker.m_maxSelection == discarded.count(),
                  at + "picker asks for " + std::to_string(picker.m_maxSelection) + " cards after "
                      + std::to_string(discarded.count()) + " discarded");
        v.Require(hand.m_backs == static_cast<int>(discarded.count()) && hand.m_faceSet == kept,
                  at + "hand does not show the kept cards and a back per discard");
        v.Require(!table.m_discardPhase && !table.m_finalHand && view.m_bFinalHand, at + "not waiting for replacements");
        CheckResults(v, view.m_resultsScene, false, false);
        break;
    case 7:
        v.Require(!picker.m_active, at + "picker still in use");
        v.Require(discarded.count() >= 1 && known.count() == 5 + discarded.count(),
                  at + "known " + CardList(known) + ", discarded " + CardList(discarded));
        v.Require(hand.m_backs == 0 && hand.m_faceSet == kept, at + "hand is not the known cards less the discarded");
        v.Require(!table.m_discardPhase && table.m_finalHand && view.m_bFinalHand, at + "not the final hand");
        v.Require(table.m_captionId == 106, at + "caption is not the final hand's");
        v.Require(!table.m_adviceBox->toPlainText().isEmpty(), at + "no hand description");
        CheckResults(v, view.m_resultsScene, true, false);
        break;
    default:
        v.Require(false, "stage " + std::to_string(stage) + " is not a stage of the game");
        break;
    }
    return v.m_lines;
}

}  // namespace gameinvariants
