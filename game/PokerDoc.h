#pragma once

#include "CardDistributionManager.h"
#include "ConfirmedHand.h"
#include "TableEquity.h"

#include <cstdint>

#include <functional>
#include <string>
#include <vector>

// Where a game stands; the numbers are the help topics of the stages.
enum class EStage {
    PickInitialHand = 3,
    InitialHand = 4,       // shown, nothing marked
    CardsMarked = 5,       // at least one card marked for discarding
    PickReplacements = 6,
    FinalHand = 7,
};

// What changed, for the view.
enum class EUpdateHint {
    NewGame,       // same opponents, every card forgotten
    OpponentsSet,  // a new game with another table
    Picked,        // the picker's selection changed
    InitialHand,   // the initial hand was confirmed and analysed
    Marked,        // the marks on the hand changed
    Discarded,     // the marked cards were thrown; the picker asks for as many
    FinalHand,     // the final hand was confirmed and analysed
    DrawSeen,      // an opponent's seen draw changed
    TableSet,      // a range, the opening rank or the price changed
    Restored,      // an undo or redo brought back an earlier state whole
};

// One game: the table (number of opponents), the engine state with every card
// the player has seen, the stage, the cards being picked, the five places of
// the hand with their marks, and the figures of the last confirmed hand.
// Plain C++; the view listens and shows it.
class CPokerDoc {
public:
    static constexpr int kPlaces = 5;
    using TListener = std::function<void(EUpdateHint)>;

    // A game at a table of `opponents` (held to 1..5), with no history.
    explicit CPokerDoc(int opponents = 1);
    void SetListener(TListener listener) { m_listener = std::move(listener); }

    // A new game: forgets every card; the number of opponents stays. One
    // undoable step, unless nothing had been picked yet.
    bool OnNewDocument();
    // The table gets `opponents` (held to 1..5): the cards, marks and stage
    // stay and the figures are recomputed for the new table; seats beyond
    // the new count forget their seen draws. One undoable step; the same
    // number changes nothing.
    void OnChangeOpponents(int opponents);

    int GetOpponents() const { return m_nOpponents; }
    EStage GetStage() const { return m_eStage; }
    bool IsFinalHand() const { return m_eStage >= EStage::PickReplacements; }
    const CCardDistributionManager& GetManager() const { return m_manager; }
    const TConfirmedHand& GetResult() const { return m_result; }

    // The picker: how many cards this pick takes (0 while not picking), and
    // which cards it offers (those not seen yet) and holds.
    unsigned GetPickCount() const;
    bool IsOffered(int card) const;
    bool IsPicked(int card) const;
    const std::vector<int>& GetPicked() const { return m_arrPicked; }
    // Picks or unpicks; false when refused (not offered, or the pick is full).
    bool TogglePick(int card);
    // Replaces the selection with `cards`, in that order; false, and nothing
    // changes, unless they are exactly the pick's count of distinct offered cards.
    bool SetPicked(const std::vector<int>& cards);
    bool CanConfirm() const;
    // The picked cards become known and the hand is analysed; false unless
    // exactly the required cards are picked.
    bool ConfirmCards();

    // The hand's places, left to right: a card index, or -1 face down.
    int GetHandCard(int place) const;
    bool IsMarked(int place) const;
    int GetMarkedCount() const;
    bool CanMark() const;
    // Marks or unmarks a place while the initial hand is shown.
    bool ToggleMark(int place);
    // Marks exactly the places whose bit is set (bit i for place i).
    bool MarkPlaces(unsigned placeMask);
    // Throws the marked cards; the picker asks for as many.
    bool Discard();

    // Seen draws: after the discard the player may say how many cards each
    // opponent drew (kDrawUnseen or 0..5), seat 0 first. Setting one is a
    // step; a new game or table forgets them all.
    bool CanSetSeenDraws() const { return IsFinalHand(); }
    const TTable& GetTable() const { return m_table; }
    int GetSeenDraw(int seat) const;
    // False, and nothing changes, for a seat outside the table, a count
    // outside kDrawUnseen..5 or before the discard. Counts the usual play
    // cannot draw to the cards left are taken: the equity run says so.
    bool SetSeenDraw(int seat, int count);
    // The seat's next count in the cycle unseen, 0, 1, ..., 5, unseen.
    bool CycleSeenDraw(int seat);

    // Ranges, from the initial hand on (stage 4 and after): the words of
    // HandRange.h, empty or `any` for any hand. False, and nothing changes,
    // for a seat outside the table, before the initial hand, or for words
    // the parser refuses; `reason` then names the part refused.
    bool CanSetRanges() const { return m_eStage >= EStage::InitialHand; }
    bool SetRange(int seat, const std::string& words, std::string* reason = nullptr);
    // The opening requirement, a pair of `rank` (Ace-high index 0..12) or
    // better: every range holding `open` is read again. False outside 0..12.
    bool SetOpening(int rank);
    // The price of a call: a pot and a call, both positive, or both 0 for
    // no price. False, and nothing changes, for anything else.
    bool SetPrice(double pot, double call);
    // Ranges, seen draws, opening rank and price at once, as the Table
    // dialog sets them: one step. False, and nothing changes, when any part
    // is refused; `reason` then says which.
    bool SetTable(const TTable& table, std::string* reason = nullptr);

    // The table equity run for the hand as the document holds it: on the
    // initial hand (stages 4 and 5) every hold, or the hand as it stands
    // unless `everyHold`; on the final hand (stage 7) the hand as it stands,
    // the seen draws included. CheckTableSetup refuses the setup at the
    // other stages.
    TTableSetup GetEquitySetup(bool everyHold, ETableModel model, std::uint64_t trials, std::uint64_t seed) const;
    // The hand as it stands against the table standing pat, as every front
    // end shows it: like the tables beside it, it counts every hand the
    // unseen cards hold, whatever the seats' ranges and seen draws (those
    // shape the pot shares at the table only).
    TTableSetup GetShowdownSetup(std::uint64_t trials, std::uint64_t seed) const;

    // The history: each confirmation, mark change, discard, seen draw, range,
    // opening rank, price, new
    // table and new game is one step. Undo brings back the whole state
    // before the step (the picks made then included, the number of
    // opponents too), redo the state undone; any change forgets what could
    // be redone.
    bool CanUndo() const { return !m_arrUndo.empty(); }
    bool CanRedo() const { return !m_arrRedo.empty(); }
    bool Undo();
    bool Redo();

private:
    // Everything a step changes; the figures are kept, never recomputed.
    struct TSnapshot {
        CCardDistributionManager m_manager;
        EStage m_eStage;
        std::vector<int> m_arrPicked;
        int m_anHand[kPlaces];
        bool m_abMarked[kPlaces];
        TConfirmedHand m_result;
        TTable m_table;
        int m_nOpponents;
    };

    void StartGame(EUpdateHint hint, bool forgetHistory);
    void Notify(EUpdateHint hint);
    TSnapshot Snapshot() const;
    void Restore(const TSnapshot& snapshot);
    // Called before a step changes anything.
    void BeginStep();

    int m_nOpponents = 1;
    CCardDistributionManager m_manager;
    EStage m_eStage = EStage::PickInitialHand;
    std::vector<int> m_arrPicked;  // in the order picked
    int m_anHand[kPlaces];
    bool m_abMarked[kPlaces];
    TConfirmedHand m_result;
    TTable m_table;  // the opponents and their seen draws
    std::vector<TSnapshot> m_arrUndo;
    std::vector<TSnapshot> m_arrRedo;
    TListener m_listener;
};
