#pragma once

#include "CardTyping.h"
#include "PokerDoc.h"

#include <cstdint>

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
    // Against one opponent counted with the hand's own figures; against more,
    // card-disjoint: counted for two, simulated beyond, as the command line does.
    std::vector<TWebRow> m_arrShowdown;
    std::string m_strShowdownNote;  // exact or simulated; empty against one
    std::string m_strShowdownHands;
};

// The pot share at the table of the game's size, the opponents drawing by the
// usual play: every hold of an initial hand best first, or the final hand.
struct TWebEquityHold {
    std::string m_strKeep;          // as TWebHold's
    std::string m_strKeptCards;
    std::vector<std::string> m_arrFigures;  // win, tie, lose, pot share, each with its interval when simulated
    unsigned m_nDiscardMask = 0;
};
struct TWebEquity {
    std::string m_strHeading;  // the table in words
    std::vector<TWebEquityHold> m_arrHolds;  // empty until the first deals are in
    std::string m_strNote;     // exact or simulated, over how many deals, still going; or why none
};

// The answer shown first on an initial hand: the hold that wins the pot
// most often, the runner-up and the margin (DescribeDecision), and the
// sentence when the classic advice keeps other cards. Empty texts until the
// first deals are in, and at every other stage.
struct TWebDecision {
    std::string m_strHeading;
    std::string m_strBest;
    std::string m_strRunnerUp;
    std::string m_strClassicDiffers;
    unsigned m_nDiscardMask = 0;  // the best hold's
};

// The price of a call for the best hold, or for the final hand, as the
// command line words it; empty texts without a price or figures.
struct TWebCall {
    std::string m_strNeeded;
    std::string m_strVerdict;
    std::string m_strAssumption;
    std::string m_strKey;  // "call", "fold" or "close"
};

// One way to keep cards from the initial hand, as the draw analysis lists it.
struct TWebHold {
    std::string m_strKeep;              // the kept cards with suit symbols, or "(none)"
    std::string m_strKeptCards;         // the same as typed ("Qh 10h" as "Qh Th"), empty for none
    // The pot share at the table, one per category, then improve, at least
    // as strong, odds.
    std::vector<std::string> m_arrCells;
    unsigned m_nKeepMask = 0;
    unsigned m_nDiscardMask = 0;        // the hand places this hold throws away
};

// A simulation the page's workers play, range by range: the setup and the
// tallies in so far. Its units are its blocks, or the one count when every
// figure is counted.
struct TWebRun {
    TTableSetup m_setup;
    std::uint64_t m_nUnits = 0;
    std::vector<TTableTally> m_arrTallies;
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

    // The picker's title for the pick under way.
    std::string PickTitle() const;
    // The figures of the hand shown (empty while picking): counted once per
    // step, the simulated ones as their tallies come in.
    const TWebResult& Result();
    // The holds of the initial hand shown, best first by pot share at the
    // table once its first deals are in; empty at any other stage.
    const std::vector<TWebHold>& Holds();
    const TWebEquity& Equity();
    const TWebDecision& Decision();
    const TWebCall& Call();
    // Why the table's run is refused, naming the opponent at fault; empty
    // while it is not.
    const std::string& Refusal();
    // The table as set, in one sentence, with the price: what a screen
    // reader is told when it changes.
    std::string TableSummary() const;
    // The sentence above the holds: how many cards they draw from, in which order.
    std::string HoldsExplanation();

    // The simulations of the hand shown, for the workers: they change
    // whenever the generation does. A tally of an earlier generation, or
    // one that is not a tally of the run, is refused.
    unsigned Generation();
    const std::vector<TWebRun>& Runs();
    bool AddTally(unsigned generation, unsigned run, const TTableTally& tally);

private:
    CPokerDoc m_doc;
    CCardTyping m_typing;
    void Refresh();
    void RefreshFigures();
    void RefreshShowdown();
    void RefreshEquity();

    TWebResult m_result;
    std::vector<TWebHold> m_arrHolds;
    TWebEquity m_equity;
    TWebDecision m_decision;
    TWebCall m_call;
    std::string m_strRefusal;
    std::vector<TWebRun> m_arrRuns;
    unsigned m_nGeneration = 0;
    bool m_bStale = true;
    bool m_bFiguresStale = true;
};

// A stored text; a menu command's without its "&" and its shortcut.
std::string WebText(unsigned id);
// "Queen of hearts"; the card back's name for -1.
std::string WebCardName(int card);
