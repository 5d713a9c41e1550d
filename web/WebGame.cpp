#include "WebGame.h"

#include "CardText.h"
#include "Cards.h"
#include "DrawAnalysis.h"
#include "OddsText.h"
#include "StoredText.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TableEquity.h"

namespace {

std::string Percent(double probability)
{
    return FormatString(LoadString(idProbabilityFormat).c_str(), probability * 100.0);
}

// The holds' odds: none against what cannot happen, so that such rows sort last.
std::string Odds(double odds)
{
    return odds >= 0.0 ? FormatString(LoadString(idOddsFormat).c_str(), odds) : std::string();
}

std::vector<TWebRow> Rows(const CCardDistributionManager::TRows& rows)
{
    std::vector<TWebRow> text;
    for (const auto& row : rows)
        text.push_back({LoadString(static_cast<unsigned>(row.m_nFormationNameId)), Percent(row.m_dProbability),
                        OddsText(row.m_dOdds)});
    return text;
}

// The cards of a keep mask over the hand's places: with suit symbols, or "(none)";
// and as typed.
void KeptTexts(const int hand[], unsigned keepMask, std::string& symbols, std::string& typed)
{
    symbols.clear();
    typed.clear();
    for (int place = 0; place < CPokerDoc::kPlaces; ++place) {
        if (!(keepMask >> place & 1u))
            continue;
        symbols += (symbols.empty() ? "" : " ") + CardSymbolText(hand[place]);
        typed += (typed.empty() ? "" : " ") + CardText(hand[place]);
    }
    if (symbols.empty())
        symbols = LoadString(idDrawAnalysisNoCards);
}

TTableSetup WebSetup(const CCardDistributionManager& manager, const int hand[], bool finalHand, const TTable& table)
{
    TTableSetup setup = MakeTableSetup(manager, hand, finalHand, table, kWebTrials, kWebSeed);
    setup.m_nThreads = 1;  // the page has one thread (OneThread.cpp)
    return setup;
}

// The game's texts break lines with "\r\n"; the page with "\n".
std::string PageLines(const std::string& text)
{
    std::string lines;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            lines += text[i];
    return lines;
}

}  // namespace

CWebGame::CWebGame()
{
    // A step other than a pick ends the card being typed, as on the desktop.
    m_doc.SetListener([this](EUpdateHint hint) {
        if (hint != EUpdateHint::Picked)
            m_typing.Clear();
        // The marks change no figure: the simulations run once per hand shown.
        if (hint != EUpdateHint::Picked && hint != EUpdateHint::Marked)
            m_bStale = true;
    });
}

std::string CWebGame::TypeKey(const std::string& key)
{
    // Anything beyond ASCII is simply not a card.
    const char typed = key.empty() ? '?' : static_cast<unsigned char>(key[0]) < 0x80 ? key[0] : '?';
    return m_typing.Type(m_doc, typed);
}

std::string CWebGame::TypedPrompt() const
{
    if (m_typing.GetPending().empty())
        return std::string();
    return FormatStoredText(idTypedCard, m_typing.GetPending().c_str());
}

std::string CWebGame::Paste(const std::string& text)
{
    m_typing.Clear();
    return PastePicks(m_doc, text);
}

bool CWebGame::MarkHold(unsigned index)
{
    const std::vector<TWebHold>& holds = Holds();
    return index < holds.size() && m_doc.MarkPlaces(holds[index].m_nDiscardMask);
}

bool CWebGame::MarkEquityHold(unsigned index)
{
    const TWebEquity& equity = Equity();
    return index < equity.m_arrHolds.size() && m_doc.MarkPlaces(equity.m_arrHolds[index].m_nDiscardMask);
}

std::string CWebGame::PickTitle() const
{
    if (m_doc.GetStage() == EStage::PickInitialHand)
        return LoadString(idPickFiveCards);
    return LoadString(m_doc.GetPickCount() == 1 ? idPickReplacement : idPickReplacements);
}

const TWebResult& CWebGame::Result()
{
    Refresh();
    return m_result;
}

const std::vector<TWebHold>& CWebGame::Holds()
{
    Refresh();
    return m_arrHolds;
}

const TWebEquity& CWebGame::Equity()
{
    Refresh();
    return m_equity;
}

void CWebGame::Refresh()
{
    if (!m_bStale)
        return;
    m_bStale = false;
    m_result = TWebResult();
    m_arrHolds.clear();
    m_equity = TWebEquity();
    const EStage stage = m_doc.GetStage();
    if (stage != EStage::InitialHand && stage != EStage::CardsMarked && stage != EStage::FinalHand)
        return;

    const TConfirmedHand& confirmed = m_doc.GetResult();
    m_result.m_bFinal = confirmed.m_bFinal;
    m_result.m_strDescription = PageLines(confirmed.m_strDescription);
    m_result.m_strAdvice = PageLines(confirmed.m_strAdvice);
    m_result.m_arrOneOpponent = Rows(confirmed.m_arrOneOpponent);
    m_result.m_arrAtLeastOne = Rows(confirmed.m_arrAtLeastOne);
    m_result.m_strShowdownHeading = ShowdownHeading(confirmed.m_bFinal, m_doc.GetOpponents());
    m_result.m_strShowdownHands = ShowdownHandsLine(confirmed.m_showdownCounts);
    // Keep masks count over the hand's places, so a hold's discards mark as they are.
    int hand[CPokerDoc::kPlaces];
    for (int place = 0; place < CPokerDoc::kPlaces; ++place)
        hand[place] = m_doc.GetHandCard(place);
    RefreshShowdown(hand);
    RefreshEquity(hand);
    if (m_doc.CanMark())
        RefreshHolds(hand);
}

void CWebGame::RefreshShowdown(const int hand[])
{
    const TShowdownOdds& odds = m_doc.GetResult().m_showdownOdds;
    THoldEquity showdown;
    std::uint64_t trials = 0;
    if (m_doc.GetOpponents() <= 1) {
        showdown.m_dWin = odds.m_dWin;
        showdown.m_dTie = odds.m_dTie;
        showdown.m_dLose = odds.m_dLose;
        showdown.m_dPotShare = odds.m_dPotShare;
        showdown.m_bExact = true;
    } else {
        TTable table;
        table.m_nOpponents = m_doc.GetOpponents();
        table.m_eModel = ETableModel::StandPat;
        const TTableResult run = SimulateTable(WebSetup(m_doc.GetManager(), hand, true, table));
        if (!run.m_arrHolds.empty())
            showdown = run.m_arrHolds.front();
        trials = run.m_nTrials;
        TTableResult note;
        note.m_nTrials = trials;
        note.m_bDone = true;
        note.m_arrHolds.push_back(showdown);
        m_result.m_strShowdownNote = EquityNote(note);
    }
    // Odds only beside a figure that is counted.
    for (const TEquityRow& row : EquityRows(showdown, trials))
        m_result.m_arrShowdown.push_back({LoadString(static_cast<unsigned>(row.m_nLabelId)), row.m_strFigure,
                                          row.m_bExact ? OddsText(CCardDistributionManager::GetOdds(row.m_dFraction))
                                                       : std::string()});
}

void CWebGame::RefreshEquity(const int hand[])
{
    TTable table;
    table.m_nOpponents = m_doc.GetOpponents();
    const bool finalHand = m_doc.IsFinalHand();
    TTableResult run = SimulateTable(WebSetup(m_doc.GetManager(), hand, finalHand, table));
    SortByPotShare(run.m_arrHolds);
    m_equity.m_strHeading = FormatString(LoadString(finalHand ? idEquityFinalHeading : idEquityHoldsHeading).c_str(),
                                         DescribeTable(table).c_str());
    for (const THoldEquity& equity : run.m_arrHolds) {
        TWebEquityHold hold;
        KeptTexts(hand, equity.m_nKeepMask, hold.m_strKeep, hold.m_strKeptCards);
        for (const TEquityRow& row : EquityRows(equity, run.m_nTrials))
            hold.m_arrFigures.push_back(row.m_strFigure);
        hold.m_nDiscardMask = ~equity.m_nKeepMask & 0x1Fu;
        m_equity.m_arrHolds.push_back(hold);
    }
    m_equity.m_strNote = EquityNote(run);
}

void CWebGame::RefreshHolds(const int hand[])
{
    bool known[kCardCount];
    for (int card = 0; card < kCardCount; ++card)
        known[card] = m_doc.GetManager().IsKnown(card);
    std::vector<TDrawOutcome> outcomes = AnalyzeDraws(hand, known);
    SortHoldsBestFirst(outcomes);
    for (const TDrawOutcome& outcome : outcomes) {
        TWebHold hold;
        KeptTexts(hand, outcome.m_nKeepMask, hold.m_strKeep, hold.m_strKeptCards);
        for (const double probability : outcome.m_adProbability)
            hold.m_arrCells.push_back(Percent(probability));
        hold.m_arrCells.push_back(Percent(outcome.m_dImprove));
        hold.m_arrCells.push_back(Percent(outcome.m_dAtLeastCurrent));
        hold.m_arrCells.push_back(Odds(CCardDistributionManager::GetOdds(outcome.m_dImprove)));
        hold.m_nDiscardMask = ~outcome.m_nKeepMask & 0x1Fu;
        m_arrHolds.push_back(hold);
    }
}

std::string CWebGame::HoldsExplanation() const
{
    int unseen = kCardCount;
    for (int card = 0; card < kCardCount; ++card)
        unseen -= m_doc.GetManager().IsKnown(card) ? 1 : 0;
    return FormatString(LoadString(idDrawAnalysisExplanation).c_str(), unseen);
}

std::string WebText(unsigned id)
{
    std::string text = LoadString(id);
    const size_t shortcut = text.find('\t');
    if (shortcut != std::string::npos)
        text.erase(shortcut);
    std::string plain;
    for (const char ch : text)
        if (ch != '&')
            plain += ch;
    return plain;
}

std::string WebCardName(int card)
{
    if (card < 0 || card >= kCardCount)
        return LoadString(idCardBack);
    return FormatString(LoadString(idCardName).c_str(), LoadString(idRankAce + static_cast<unsigned>(CardRank(card))).c_str(),
                        LoadString(idSuitClubs + static_cast<unsigned>(CardSuit(card))).c_str());
}
