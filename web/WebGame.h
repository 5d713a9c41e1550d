#pragma once

#include "CardTyping.h"
#include "PokerDoc.h"

#include <string>
#include <vector>

// One table row as the page shows it: the cells already in the words and
// number formats of the desktop's results lists.
struct TWebRow {
    std::string m_strLabel;
    std::string m_strProbability;
    std::string m_strOdds;  // empty when the event cannot happen
};

// The figures of the last confirmed hand, as text.
struct TWebResult {
    bool m_bFinal = false;
    std::string m_strDescription;  // "\n" line breaks
    std::string m_strAdvice;       // empty for a final hand
    std::vector<TWebRow> m_arrOneOpponent;
    std::vector<TWebRow> m_arrAtLeastOne;
    std::string m_strShowdownHeading;
    std::vector<TWebRow> m_arrShowdown;
    std::string m_strShowdownHands;
};

// One way to keep cards from the initial hand, as the draw analysis lists it.
struct TWebHold {
    std::string m_strKeep;              // the kept cards with suit symbols, or "(none)"
    std::string m_strKeptCards;         // the same as typed ("Qh 10h" as "Qh Th"), empty for none
    std::vector<std::string> m_arrCells;  // one per category, then improve, at least as strong, odds
    unsigned m_nDiscardMask = 0;        // the hand places this hold throws away
};

// The game behind the page: the desktop's document and its typed picks. The
// page calls a verb, then reads back all it shows.
class CWebGame {
public:
    CWebGame();

    CPokerDoc& Doc() { return m_doc; }
    const CPokerDoc& Doc() const { return m_doc; }

    // One typed key (its first character) towards a card; the refusal, or empty.
    std::string TypeKey(const std::string& key);
    bool EraseKey() { return m_typing.Erase(m_doc); }
    void ClearTyping() { m_typing.Clear(); }
    // The prompt line for the keys typed so far, or empty.
    std::string TypedPrompt() const;
    // A pasted hand; the refusal, or empty.
    std::string Paste(const std::string& text);
    // Marks the discards of the `index`th hold, best first.
    bool MarkHold(unsigned index);

    // The picker's title for the pick under way.
    std::string PickTitle() const;
    TWebResult Result() const;
    // The holds of the initial hand shown, best first; empty at any other stage.
    const std::vector<TWebHold>& Holds();
    // The sentence above the holds: how many cards they draw from.
    std::string HoldsExplanation() const;

private:
    CPokerDoc m_doc;
    CCardTyping m_typing;
    std::vector<TWebHold> m_arrHolds;
    bool m_bHoldsStale = true;
};

// A stored text; a menu command's without its "&" and its shortcut.
std::string WebText(unsigned id);
// "Queen of hearts"; the card back's name for -1.
std::string WebCardName(int card);
