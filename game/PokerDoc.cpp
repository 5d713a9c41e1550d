#include "PokerDoc.h"

#include "Cards.h"
#include "HandOrder.h"

#include <algorithm>
#include <iterator>

namespace {

// Marks can be toggled without end; the oldest steps go first.
constexpr size_t kHistoryLimit = 200;

}  // namespace

CPokerDoc::CPokerDoc(int opponents) : m_nOpponents(std::clamp(opponents, 1, kMaxTableOpponents))
{
    StartGame(EUpdateHint::NewGame, true);
}

bool CPokerDoc::OnNewDocument()
{
    // Undoable like every verb: New clears the hand, but not the way back.
    if (m_eStage != EStage::PickInitialHand || !m_arrPicked.empty())
        BeginStep();
    StartGame(EUpdateHint::NewGame, false);
    return true;
}

void CPokerDoc::OnChangeOpponents(int opponents)
{
    opponents = std::clamp(opponents, 1, kMaxTableOpponents);
    if (opponents == m_nOpponents)
        return;
    // The cards stay: the figures are recomputed for the new table at the
    // same stage, in one undoable step.
    BeginStep();
    m_nOpponents = opponents;
    m_table.m_nOpponents = opponents;
    for (int seat = opponents; seat < kMaxTableOpponents; ++seat) {
        m_table.m_anDrew[seat] = kDrawUnseen;
        m_table.m_aRanges[seat] = CHandRange();
        m_table.m_astrRangeWords[seat].clear();
    }
    if (m_eStage == EStage::InitialHand || m_eStage == EStage::CardsMarked || m_eStage == EStage::FinalHand)
        m_result = ConfirmHand(m_manager, static_cast<unsigned>(m_nOpponents), m_eStage == EStage::FinalHand);
    Notify(EUpdateHint::OpponentsSet);
}

void CPokerDoc::StartGame(EUpdateHint hint, bool forgetHistory)
{
    m_manager.Reset();
    m_eStage = EStage::PickInitialHand;
    m_arrPicked.clear();
    std::fill(std::begin(m_anHand), std::end(m_anHand), -1);
    std::fill(std::begin(m_abMarked), std::end(m_abMarked), false);
    m_result = TConfirmedHand();
    m_table = TTable();
    m_table.m_nOpponents = m_nOpponents;
    if (forgetHistory) {
        m_arrUndo.clear();
        m_arrRedo.clear();
    }
    Notify(hint);
}

void CPokerDoc::Notify(EUpdateHint hint)
{
    if (m_listener)
        m_listener(hint);
}

unsigned CPokerDoc::GetPickCount() const
{
    if (m_eStage == EStage::PickInitialHand)
        return kPlaces;
    if (m_eStage == EStage::PickReplacements)
        return static_cast<unsigned>(std::count(std::begin(m_anHand), std::end(m_anHand), -1));
    return 0;
}

bool CPokerDoc::IsOffered(int card) const
{
    return GetPickCount() > 0 && card >= 0 && card < kCardCount && !m_manager.IsKnown(card);
}

bool CPokerDoc::IsPicked(int card) const
{
    return std::find(m_arrPicked.begin(), m_arrPicked.end(), card) != m_arrPicked.end();
}

bool CPokerDoc::TogglePick(int card)
{
    if (!IsOffered(card))
        return false;
    const auto picked = std::find(m_arrPicked.begin(), m_arrPicked.end(), card);
    if (picked != m_arrPicked.end())
        m_arrPicked.erase(picked);
    else if (m_arrPicked.size() < GetPickCount())
        m_arrPicked.push_back(card);
    else
        return false;
    m_arrRedo.clear();
    Notify(EUpdateHint::Picked);
    return true;
}

bool CPokerDoc::SetPicked(const std::vector<int>& cards)
{
    if (GetPickCount() == 0 || cards.size() != GetPickCount())
        return false;
    for (auto it = cards.begin(); it != cards.end(); ++it) {
        if (!IsOffered(*it) || std::find(cards.begin(), it, *it) != it)
            return false;
    }
    m_arrPicked = cards;
    m_arrRedo.clear();
    Notify(EUpdateHint::Picked);
    return true;
}

bool CPokerDoc::CanConfirm() const
{
    return GetPickCount() > 0 && m_arrPicked.size() == GetPickCount();
}

bool CPokerDoc::ConfirmCards()
{
    if (!CanConfirm())
        return false;
    BeginStep();
    std::vector<int> cards = m_arrPicked;
    std::sort(cards.begin(), cards.end());
    for (const int card : cards)
        m_manager.MarkKnown(card);
    m_arrPicked.clear();

    // Replacements fill the emptied places; then the hand shows as players
    // sort it, groups first, highest first.
    size_t next = 0;
    for (int& place : m_anHand) {
        if (place < 0 && next < cards.size())
            place = cards[next++];
    }
    SortAsPlayersHold(m_anHand, kPlaces);
    const bool finalHand = m_eStage == EStage::PickReplacements;
    m_eStage = finalHand ? EStage::FinalHand : EStage::InitialHand;
    m_result = ConfirmHand(m_manager, static_cast<unsigned>(m_nOpponents), finalHand);
    Notify(finalHand ? EUpdateHint::FinalHand : EUpdateHint::InitialHand);
    return true;
}

int CPokerDoc::GetHandCard(int place) const
{
    return place >= 0 && place < kPlaces ? m_anHand[place] : -1;
}

bool CPokerDoc::IsMarked(int place) const
{
    return place >= 0 && place < kPlaces && m_abMarked[place];
}

int CPokerDoc::GetMarkedCount() const
{
    return static_cast<int>(std::count(std::begin(m_abMarked), std::end(m_abMarked), true));
}

bool CPokerDoc::CanMark() const
{
    return m_eStage == EStage::InitialHand || m_eStage == EStage::CardsMarked;
}

bool CPokerDoc::ToggleMark(int place)
{
    if (!CanMark() || place < 0 || place >= kPlaces)
        return false;
    unsigned mask = 1u << place;
    for (int other = 0; other < kPlaces; ++other)
        mask ^= m_abMarked[other] ? 1u << other : 0u;
    return MarkPlaces(mask);
}

bool CPokerDoc::MarkPlaces(unsigned placeMask)
{
    if (!CanMark())
        return false;
    BeginStep();
    for (int place = 0; place < kPlaces; ++place)
        m_abMarked[place] = (placeMask >> place & 1u) != 0;
    m_eStage = GetMarkedCount() > 0 ? EStage::CardsMarked : EStage::InitialHand;
    Notify(EUpdateHint::Marked);
    return true;
}

bool CPokerDoc::Discard()
{
    if (m_eStage != EStage::CardsMarked)
        return false;
    BeginStep();
    for (int place = 0; place < kPlaces; ++place) {
        if (!m_abMarked[place])
            continue;
        m_manager.MarkDiscarded(m_anHand[place]);
        m_anHand[place] = -1;
        m_abMarked[place] = false;
    }
    m_eStage = EStage::PickReplacements;
    Notify(EUpdateHint::Discarded);
    return true;
}

int CPokerDoc::GetSeenDraw(int seat) const
{
    return seat >= 0 && seat < m_table.m_nOpponents ? m_table.m_anDrew[seat] : kDrawUnseen;
}

bool CPokerDoc::SetSeenDraw(int seat, int count)
{
    if (!CanSetSeenDraws() || seat < 0 || seat >= m_table.m_nOpponents || count < kDrawUnseen || count > kHandSize)
        return false;
    if (m_table.m_anDrew[seat] == count)
        return true;
    BeginStep();
    m_table.m_anDrew[seat] = count;
    Notify(EUpdateHint::DrawSeen);
    return true;
}

bool CPokerDoc::CycleSeenDraw(int seat)
{
    // Unseen follows 5.
    const int count = GetSeenDraw(seat) == kHandSize ? kDrawUnseen : GetSeenDraw(seat) + 1;
    return SetSeenDraw(seat, count);
}

namespace {

// Reads every seat's words with the table's opening rank; false with the
// refused part, naming the seat, on the first failure.
bool ReadRanges(TTable& table, std::string* reason)
{
    for (int seat = 0; seat < kMaxTableOpponents; ++seat) {
        std::string& words = table.m_astrRangeWords[seat];
        if (seat >= table.m_nOpponents)
            words.clear();
        CHandRange range;
        std::string bad;
        if (!words.empty() && !CHandRange::Parse(words, table.m_nOpenRank, range, bad)) {
            if (reason)
                *reason = "opponent " + std::to_string(seat + 1) + ": " + (bad.empty() ? words : bad);
            return false;
        }
        table.m_aRanges[seat] = range;
        if (range.IsAny())
            words.clear();
    }
    return true;
}

bool ValidPrice(double pot, double call)
{
    return (pot == 0 && call == 0) || (pot > 0 && call > 0 && pot < 1e12 && call < 1e12);
}

}  // namespace

bool CPokerDoc::SetTable(const TTable& wanted, std::string* reason)
{
    if (!CanSetRanges())
        return false;
    TTable table = m_table;
    for (int seat = 0; seat < m_table.m_nOpponents; ++seat) {
        const int count = wanted.m_anDrew[seat];
        if (count < kDrawUnseen || count > kHandSize || (count != m_table.m_anDrew[seat] && !CanSetSeenDraws()))
            return false;
        table.m_anDrew[seat] = count;
        table.m_astrRangeWords[seat] = wanted.m_astrRangeWords[seat];
    }
    if (wanted.m_nOpenRank < 0 || wanted.m_nOpenRank > 12 || !ValidPrice(wanted.m_dPot, wanted.m_dCall))
        return false;
    table.m_nOpenRank = wanted.m_nOpenRank;
    table.m_dPot = wanted.m_dPot;
    table.m_dCall = wanted.m_dCall;
    if (!ReadRanges(table, reason))
        return false;
    bool same = table.m_nOpenRank == m_table.m_nOpenRank && table.m_dPot == m_table.m_dPot &&
                table.m_dCall == m_table.m_dCall;
    for (int seat = 0; seat < kMaxTableOpponents; ++seat)
        same = same && table.m_anDrew[seat] == m_table.m_anDrew[seat] &&
               table.m_astrRangeWords[seat] == m_table.m_astrRangeWords[seat] &&
               table.m_aRanges[seat] == m_table.m_aRanges[seat];
    if (same)
        return true;
    BeginStep();
    m_table = table;
    Notify(EUpdateHint::TableSet);
    return true;
}

bool CPokerDoc::SetRange(int seat, const std::string& words, std::string* reason)
{
    if (seat < 0 || seat >= m_table.m_nOpponents)
        return false;
    TTable table = m_table;
    table.m_astrRangeWords[seat] = words;
    return SetTable(table, reason);
}

bool CPokerDoc::SetOpening(int rank)
{
    TTable table = m_table;
    table.m_nOpenRank = rank;
    return SetTable(table);
}

bool CPokerDoc::SetPrice(double pot, double call)
{
    TTable table = m_table;
    table.m_dPot = pot;
    table.m_dCall = call;
    return SetTable(table);
}

TTableSetup CPokerDoc::GetEquitySetup(bool everyHold, ETableModel model, std::uint64_t trials,
                                      std::uint64_t seed) const
{
    TTable table = m_table;
    table.m_eModel = model;
    const bool asItStands = m_eStage == EStage::FinalHand || !everyHold;
    return MakeTableSetup(m_manager, m_anHand, asItStands, table, trials, seed);
}

TTableSetup CPokerDoc::GetShowdownSetup(std::uint64_t trials, std::uint64_t seed) const
{
    TTableSetup setup = GetEquitySetup(false, ETableModel::StandPat, trials, seed);
    std::fill(std::begin(setup.m_anDrew), std::end(setup.m_anDrew), kDrawUnseen);
    std::fill(std::begin(setup.m_aRanges), std::end(setup.m_aRanges), CHandRange());
    return setup;
}

CPokerDoc::TSnapshot CPokerDoc::Snapshot() const
{
    TSnapshot snapshot{m_manager, m_eStage, m_arrPicked, {}, {}, m_result, m_table, m_nOpponents};
    std::copy(std::begin(m_anHand), std::end(m_anHand), snapshot.m_anHand);
    std::copy(std::begin(m_abMarked), std::end(m_abMarked), snapshot.m_abMarked);
    return snapshot;
}

void CPokerDoc::Restore(const TSnapshot& snapshot)
{
    m_manager = snapshot.m_manager;
    m_eStage = snapshot.m_eStage;
    m_arrPicked = snapshot.m_arrPicked;
    std::copy(std::begin(snapshot.m_anHand), std::end(snapshot.m_anHand), m_anHand);
    std::copy(std::begin(snapshot.m_abMarked), std::end(snapshot.m_abMarked), m_abMarked);
    m_result = snapshot.m_result;
    m_table = snapshot.m_table;
    m_nOpponents = snapshot.m_nOpponents;
}

void CPokerDoc::BeginStep()
{
    if (m_arrUndo.size() >= kHistoryLimit)
        m_arrUndo.erase(m_arrUndo.begin());
    m_arrUndo.push_back(Snapshot());
    m_arrRedo.clear();
}

bool CPokerDoc::Undo()
{
    if (m_arrUndo.empty())
        return false;
    m_arrRedo.push_back(Snapshot());
    Restore(m_arrUndo.back());
    m_arrUndo.pop_back();
    Notify(EUpdateHint::Restored);
    return true;
}

bool CPokerDoc::Redo()
{
    if (m_arrRedo.empty())
        return false;
    m_arrUndo.push_back(Snapshot());
    Restore(m_arrRedo.back());
    m_arrRedo.pop_back();
    Notify(EUpdateHint::Restored);
    return true;
}
