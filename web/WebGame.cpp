#include "WebGame.h"

#include "CallPrice.h"
#include "CardText.h"
#include "Cards.h"
#include "Decision.h"
#include "DrawAnalysis.h"
#include "OddsText.h"
#include "StoredText.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TableEquity.h"

#include <algorithm>
#include <cctype>

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

TWebRun RunOf(const TTableSetup& setup)
{
    TWebRun run;
    run.m_setup = setup;
    run.m_nUnits = std::max<std::uint64_t>(1, TableBlockCount(setup));
    return run;
}

// The figures so far, or none while nothing is in.
TTableResult ResultSoFar(const TWebRun& run)
{
    TTableResult result = TableResultOf(run.m_setup, run.m_arrTallies);
    const bool anyIn = result.m_nTrials > 0 || (!result.m_arrHolds.empty() && result.m_arrHolds.front().m_bExact);
    if (!anyIn)
        result.m_arrHolds.clear();
    return result;
}

// What stands in for the figures while they cannot be shown.
std::string MissingNote(const TTableResult& result)
{
    return LoadString(result.m_eError != ETableError::None ? idEquityRefused : idEquityDealing);
}

TTable TableOf(const CPokerDoc& doc, ETableModel model)
{
    TTable table = doc.GetTable();
    table.m_eModel = model;
    return table;
}

// Standing pat nobody draws: what the opponents were seen to draw shapes
// only the usual play's figures (as on the command line), and the stand-pat
// showdown stays in view once a seat is set. Like the tables beside it, the
// showdown counts every hand the unseen cards hold: the ranges shape the pot
// shares at the table only, as on the command line.
TTable StandPatTable(const CPokerDoc& doc)
{
    TTable table = TableOf(doc, ETableModel::StandPat);
    std::fill(std::begin(table.m_anDrew), std::end(table.m_anDrew), kDrawUnseen);
    std::fill(std::begin(table.m_aRanges), std::end(table.m_aRanges), CHandRange());
    return table;
}

// The engine's refusal of a ranged table, naming the opponent at fault.
std::string RefusalText(const TTableSetup& setup)
{
    int opponent = -1;
    const ETableError error = CheckTableSetup(setup, opponent);
    if (error == ETableError::None)
        return std::string();
    if (opponent < 0 || (error != ETableError::EmptyRange && error != ETableError::RangeNeverDraws))
        return LoadString(idEquityRefused);
    const std::string range = setup.m_aRanges[opponent].Text();
    if (error == ETableError::EmptyRange)
        return FormatString(LoadString(idRangeEmpty).c_str(), opponent + 1, range.c_str());
    return FormatString(LoadString(idRangeNeverDraws).c_str(), opponent + 1, setup.m_anDrew[opponent],
                        range.c_str());
}

std::string Heading(unsigned id, const TTable& table)
{
    return FormatString(LoadString(id).c_str(), DescribeTable(table).c_str());
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

std::string CWebGame::PickTitle() const
{
    if (m_doc.GetStage() == EStage::PickInitialHand)
        return LoadString(idPickFiveCards);
    return LoadString(m_doc.GetPickCount() == 1 ? idPickReplacement : idPickReplacements);
}

const TWebResult& CWebGame::Result()
{
    RefreshFigures();
    return m_result;
}

const std::vector<TWebHold>& CWebGame::Holds()
{
    RefreshFigures();
    return m_arrHolds;
}

const TWebEquity& CWebGame::Equity()
{
    RefreshFigures();
    return m_equity;
}

const TWebDecision& CWebGame::Decision()
{
    RefreshFigures();
    return m_decision;
}

const TWebCall& CWebGame::Call()
{
    RefreshFigures();
    return m_call;
}

const std::string& CWebGame::Refusal()
{
    RefreshFigures();
    return m_strRefusal;
}

std::string CWebGame::TableSummary() const
{
    std::string summary = DescribeTable(TableOf(m_doc, ETableModel::UsualPlay));
    if (!summary.empty())
        summary[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(summary[0])));
    summary += ".";
    const TTable& table = m_doc.GetTable();
    const TCallPrice price = PriceCall(table.m_dPot, table.m_dCall, 0, 0);
    if (price.m_bValid)
        summary += " " + DescribeCall(price).m_strNeeded;
    return summary;
}

unsigned CWebGame::Generation()
{
    Refresh();
    return m_nGeneration;
}

const std::vector<TWebRun>& CWebGame::Runs()
{
    Refresh();
    return m_arrRuns;
}

bool CWebGame::AddTally(unsigned generation, unsigned run, const TTableTally& tally)
{
    Refresh();
    if (generation != m_nGeneration || run >= m_arrRuns.size())
        return false;
    m_arrRuns[run].m_arrTallies.push_back(tally);
    m_bFiguresStale = true;
    return true;
}

// The counted figures and the runs, once per step that changes them.
void CWebGame::Refresh()
{
    if (!m_bStale)
        return;
    m_bStale = false;
    m_bFiguresStale = true;
    ++m_nGeneration;
    m_result = TWebResult();
    m_arrHolds.clear();
    m_arrRuns.clear();
    const EStage stage = m_doc.GetStage();
    if (stage != EStage::InitialHand && stage != EStage::CardsMarked && stage != EStage::FinalHand)
        return;

    const TConfirmedHand& confirmed = m_doc.GetResult();
    m_result.m_bFinal = confirmed.m_bFinal;
    m_result.m_strDescription = PageLines(confirmed.m_strDescription);
    m_result.m_strAdvice = PageLines(confirmed.m_strAdvice);
    m_result.m_arrOneOpponent = Rows(confirmed.m_arrOneOpponent);
    m_result.m_arrAtLeastOne = Rows(confirmed.m_arrAtLeastOne);
    m_result.m_strShowdownHands = ShowdownHandsLine(confirmed.m_showdownCounts);
    // Every hold's pot share against the table drawing, then the hand as it
    // stands against the table standing pat (counted against one opponent:
    // the hand's own figures serve).
    m_arrRuns.push_back(RunOf(m_doc.GetEquitySetup(true, ETableModel::UsualPlay, kTableTrials, kTableSeed)));
    if (m_doc.GetOpponents() > 1) {
        m_arrRuns.push_back(RunOf(m_doc.GetShowdownSetup(kShowdownTrials, kTableSeed)));
    }
    if (m_doc.CanMark()) {
        // Keep masks count over the hand's places, so a hold's discards mark as they are.
        int hand[CPokerDoc::kPlaces];
        for (int place = 0; place < CPokerDoc::kPlaces; ++place)
            hand[place] = m_doc.GetHandCard(place);
        bool known[kCardCount];
        for (int card = 0; card < kCardCount; ++card)
            known[card] = m_doc.GetManager().IsKnown(card);
        std::vector<TDrawOutcome> outcomes = AnalyzeDraws(hand, known);
        SortHoldsBestFirst(outcomes);
        for (const TDrawOutcome& outcome : outcomes) {
            TWebHold hold;
            KeptTexts(hand, outcome.m_nKeepMask, hold.m_strKeep, hold.m_strKeptCards);
            hold.m_arrCells.emplace_back();  // the pot share, as it comes in
            for (const double probability : outcome.m_adProbability)
                hold.m_arrCells.push_back(Percent(probability));
            hold.m_arrCells.push_back(Percent(outcome.m_dImprove));
            hold.m_arrCells.push_back(Percent(outcome.m_dAtLeastCurrent));
            hold.m_arrCells.push_back(Odds(CCardDistributionManager::GetOdds(outcome.m_dImprove)));
            hold.m_nKeepMask = outcome.m_nKeepMask;
            hold.m_nDiscardMask = ~outcome.m_nKeepMask & 0x1Fu;
            m_arrHolds.push_back(hold);
        }
    }
}

// The simulated figures, once per tally that came in.
void CWebGame::RefreshFigures()
{
    Refresh();
    if (!m_bFiguresStale)
        return;
    m_bFiguresStale = false;
    m_equity = TWebEquity();
    m_decision = TWebDecision();
    m_call = TWebCall();
    m_strRefusal.clear();
    m_result.m_arrShowdown.clear();
    m_result.m_strShowdownHeading.clear();
    m_result.m_strShowdownNote.clear();
    if (m_arrRuns.empty())
        return;
    RefreshEquity();
    RefreshShowdown();
}

void CWebGame::RefreshShowdown()
{
    const TTable table = StandPatTable(m_doc);
    // On the initial hand: if the player stands pat; on the final hand, his
    // hand. Either way the model is in the heading: everyone stands pat.
    m_result.m_strShowdownHeading =
        Heading(m_doc.IsFinalHand() ? idEquityFinalHeading : idEquityStandingHeading, table);
    THoldEquity showdown;
    std::uint64_t trials = 0;
    if (m_arrRuns.size() < 2) {
        const TShowdownOdds& odds = m_doc.GetResult().m_showdownOdds;
        showdown.m_dWin = odds.m_dWin;
        showdown.m_dTie = odds.m_dTie;
        showdown.m_dLose = odds.m_dLose;
        showdown.m_dPotShare = odds.m_dPotShare;
        showdown.m_bExact = true;
    } else {
        const TTableResult run = ResultSoFar(m_arrRuns[1]);
        if (run.m_arrHolds.empty()) {
            m_result.m_strShowdownNote = MissingNote(run);
            return;
        }
        showdown = run.m_arrHolds.front();
        trials = run.m_nTrials;
        m_result.m_strShowdownNote = EquityNote(run);
    }
    // Odds only beside a figure that is counted.
    for (const TEquityRow& row : EquityRows(showdown, trials))
        m_result.m_arrShowdown.push_back({LoadString(static_cast<unsigned>(row.m_nLabelId)), row.m_strFigure,
                                          row.m_bExact ? OddsText(CCardDistributionManager::GetOdds(row.m_dFraction))
                                                       : std::string()});
}

void CWebGame::RefreshEquity()
{
    const TWebRun& equityRun = m_arrRuns.front();
    const int* hand = equityRun.m_setup.m_anHand;
    const TTable table = TableOf(m_doc, ETableModel::UsualPlay);
    const bool finalHand = equityRun.m_setup.m_bFinal;
    m_equity.m_strHeading = Heading(finalHand ? idEquityFinalHeading : idEquityHoldsHeading, table);
    TTableResult run = ResultSoFar(equityRun);
    if (run.m_arrHolds.empty()) {
        m_equity.m_strNote = MissingNote(run);
        if (run.m_eError != ETableError::None)
            m_strRefusal = m_equity.m_strNote = RefusalText(equityRun.m_setup);
        for (TWebHold& hold : m_arrHolds)
            hold.m_arrCells.front().clear();
        return;
    }
    m_equity.m_strNote = EquityNote(run);
    if (!finalHand) {
        const TTableDecision decision = DecideHold(run);
        const TDecisionText text = DescribeDecision(decision, hand, table, run.m_nTrials);
        m_decision.m_strHeading = text.m_strHeading;
        m_decision.m_strBest = text.m_strBest;
        m_decision.m_strRunnerUp = text.m_strRunnerUp;
        m_decision.m_strClassicDiffers =
            DescribeClassicDiffers(m_doc.GetResult().m_arrClassicKept, run, decision, hand);
        m_decision.m_nDiscardMask = ~decision.m_best.m_nKeepMask & 0x1Fu;
    }
    SortByPotShare(run.m_arrHolds);
    // The price of a call for the first by pot share, or the final hand, as
    // the command line prices it.
    const TTable& priced = m_doc.GetTable();
    const THoldEquity& first = run.m_arrHolds.front();
    const TCallPrice price = PriceHoldCall(priced.m_dPot, priced.m_dCall, first, run.m_nTrials);
    if (price.m_bValid) {
        const TCallText call = DescribeCall(price);
        m_call = {call.m_strNeeded, call.m_strVerdict, call.m_strAssumption, CallVerdictKey(price.m_eVerdict)};
    }
    std::vector<unsigned> rankOfMask(32, 0);
    for (const THoldEquity& equity : run.m_arrHolds) {
        rankOfMask[equity.m_nKeepMask] = static_cast<unsigned>(m_equity.m_arrHolds.size());
        TWebEquityHold hold;
        KeptTexts(hand, equity.m_nKeepMask, hold.m_strKeep, hold.m_strKeptCards);
        for (const TEquityRow& row : EquityRows(equity, run.m_nTrials))
            hold.m_arrFigures.push_back(row.m_strFigure);
        hold.m_nDiscardMask = ~equity.m_nKeepMask & 0x1Fu;
        m_equity.m_arrHolds.push_back(hold);
        for (TWebHold& drawn : m_arrHolds)
            if (drawn.m_nKeepMask == equity.m_nKeepMask)
                drawn.m_arrCells.front() = hold.m_arrFigures.back();
    }
    // The draw analysis follows the pot share too; the chance to improve
    // stays a sort on its column.
    std::stable_sort(m_arrHolds.begin(), m_arrHolds.end(), [&rankOfMask](const TWebHold& a, const TWebHold& b) {
        return rankOfMask[a.m_nKeepMask] < rankOfMask[b.m_nKeepMask];
    });
}

std::string CWebGame::HoldsExplanation()
{
    int unseen = kCardCount;
    for (int card = 0; card < kCardCount; ++card)
        unseen -= m_doc.GetManager().IsKnown(card) ? 1 : 0;
    return FormatString(LoadString(idHoldsByPotShareHeading).c_str(), unseen,
                        DescribeTable(TableOf(m_doc, ETableModel::UsualPlay)).c_str());
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
