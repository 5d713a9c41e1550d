#include "OddsReport.h"

#include "CallPrice.h"
#include "CardText.h"
#include "Cards.h"
#include "ConfirmedHand.h"
#include "Decision.h"
#include "DrawAnalysis.h"
#include "OddsAnalysis.h"
#include "OddsText.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TableEquity.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <vector>

namespace {

struct TTextRow {
    std::string m_strLabel, m_strProbability, m_strOdds;
};

// The cells exactly as the results lists fill them.
TTextRow MakeTextRow(const CCardDistributionManager::TProbabilitityDisplayInfo& row)
{
    TTextRow text;
    text.m_strLabel = LoadString(static_cast<unsigned>(row.m_nFormationNameId));
    text.m_strProbability = FormatString(LoadString(idProbabilityFormat).c_str(), row.m_dProbability * 100.0);
    text.m_strOdds = OddsText(row.m_dOdds);
    return text;
}

// A figure of the table equity: exact ones get their odds as the results
// lists show them; a simulated one carries its interval and no odds.
TTextRow MakeTextRow(const TEquityRow& row)
{
    TTextRow text;
    text.m_strLabel = LoadString(static_cast<unsigned>(row.m_nLabelId));
    text.m_strProbability = row.m_strFigure;
    if (row.m_bExact)
        text.m_strOdds = OddsText(CCardDistributionManager::GetOdds(row.m_dFraction));
    return text;
}

// Characters on a terminal: the interval's sign is two bytes of UTF-8.
size_t Width(const std::string& text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(),
                                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string PadRight(const std::string& text, size_t width)
{
    return text + std::string(width > Width(text) ? width - Width(text) : 0, ' ');
}

std::string PadLeft(const std::string& text, size_t width)
{
    return std::string(width > Width(text) ? width - Width(text) : 0, ' ') + text;
}

std::string TableLine(const TTextRow& row, const TTextRow& widths)
{
    std::string line = PadRight(row.m_strLabel, Width(widths.m_strLabel)) + "  " +
                       PadLeft(row.m_strProbability, Width(widths.m_strProbability)) + "  " +
                       PadLeft(row.m_strOdds, Width(widths.m_strOdds));
    line.erase(line.find_last_not_of(' ') + 1);
    return line + "\n";
}

// The game's texts break lines with "\r\n"; a terminal wants "\n".
std::string TerminalLines(std::string text)
{
    std::string lines;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            lines += text[i];
    if (!lines.empty() && lines.back() != '\n')
        lines += '\n';
    return lines;
}

std::string CardList(const std::vector<int>& cards, const char* separator, bool json)
{
    std::string list;
    for (size_t i = 0; i < cards.size(); ++i)
        list += (i ? separator : "") + (json ? JsonString(CardText(cards[i])) : CardText(cards[i]));
    return list;
}

std::string JsonRows(const CCardDistributionManager::TRows& rows)
{
    std::string json = "[";
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        json += std::string(i ? ", " : "") + "{\"id\": " + std::to_string(row.m_nFormationNameId) +
                ", \"label\": " + JsonString(LoadString(static_cast<unsigned>(row.m_nFormationNameId))) +
                ", \"probability\": " + JsonNumber(row.m_dProbability) +
                ", \"odds\": " + JsonNumber(row.m_dProbability == 0.0 ? -1.0 : row.m_dOdds) + "}";
    }
    return json + "]";
}

// The kept and the thrown cards of a hold, in hand order.
std::vector<int> KeptCards(const TDrawOutcome& hold)
{
    return std::vector<int>(hold.m_anKept, hold.m_anKept + hold.m_nKeptCount);
}

std::vector<int> DiscardedCards(const TDrawOutcome& hold)
{
    return std::vector<int>(hold.m_anDiscarded, hold.m_anDiscarded + (kHandSize - hold.m_nKeptCount));
}

std::string Percent(double probability)
{
    return FormatString("%.3f%%", probability * 100.0);
}

// Column heads of the holds table, one per final category, short enough to
// keep the table near 150 columns.
const char* const kCategoryHeads[hcCategoryCount] = {"No pair",  "One pair", "Two pair",   "Trips",
                                                     "Straight", "Flush",    "Full house", "Quads",
                                                     "St. flush", "Royal"};
// The category held now, as the note under the table names it.
const char* const kCategoryNames[hcCategoryCount] = {"no pair",    "one pair",       "two pair",
                                                     "three of a kind", "a straight", "a flush",
                                                     "a full house", "four of a kind", "a straight flush",
                                                     "a royal flush"};

// The cards read left to right, the figures line up on their right edge;
// `textColumns` columns of cards come first.
std::string Columns(const std::vector<std::vector<std::string>>& rows, size_t textColumns)
{
    std::vector<size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], Width(row[i]));
    }
    std::string table;
    for (const auto& row : rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i) {
            const std::string pad(widths[i] - Width(row[i]), ' ');
            line += (i ? "  " : "") + (i < textColumns ? row[i] + pad : pad + row[i]);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        table += line + "\n";
    }
    return table;
}

std::string HoldsTable(const TOddsAnalysis& analysis)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> head{"Keep", "Discard"};
    head.insert(head.end(), std::begin(kCategoryHeads), std::end(kCategoryHeads));
    head.push_back("Improve");
    head.push_back("At least");
    rows.push_back(head);
    for (const TDrawOutcome& hold : analysis.m_arrHolds) {
        const std::vector<int> kept = KeptCards(hold), discarded = DiscardedCards(hold);
        std::vector<std::string> row{kept.empty() ? "(none)" : CardList(kept, " ", false),
                                     discarded.empty() ? "(none)" : CardList(discarded, " ", false)};
        for (const double p : hold.m_adProbability)
            row.push_back(Percent(p));
        row.push_back(Percent(hold.m_dImprove));
        row.push_back(Percent(hold.m_dAtLeastCurrent));
        rows.push_back(row);
    }

    const std::string heading =
        analysis.m_bEquity ? FormatString(LoadString(idHoldsByPotShareHeading).c_str(), kCardCount - kHandSize,
                                          DescribeTable(analysis.m_table).c_str())
                           : FormatString(LoadString(idHoldsByDrawHeading).c_str(), kCardCount - kHandSize);
    std::string table = "\n" + heading + "\n" + Columns(rows, 2);
    if (!analysis.m_arrHolds.empty()) {
        const int current = analysis.m_arrHolds.front().m_nCurrentCategory;
        const std::string name = current >= 0 && current < hcCategoryCount ? kCategoryNames[current] : "";
        table += "Improve: ending better than " + name + ". At least: ending at " + name + " or better.\n";
    }
    return table;
}

std::string JsonHold(const TDrawOutcome& hold)
{
    std::string json = "{\"keep\": [" + CardList(KeptCards(hold), ", ", true) + "], \"discard\": [" +
                       CardList(DiscardedCards(hold), ", ", true) + "], \"probabilities\": {";
    for (int c = 0; c < hcCategoryCount; ++c)
        json += std::string(c ? ", " : "") + JsonString(HandCategoryKey(c)) + ": " + JsonNumber(hold.m_adProbability[c]);
    return json + "}, \"improve\": " + JsonNumber(hold.m_dImprove) +
           ", \"at_least_current\": " + JsonNumber(hold.m_dAtLeastCurrent) + "}";
}

// The interval the text shows beside the pot share (0 when exact).
double PotShareError(const THoldEquity& hold, std::uint64_t trials)
{
    return EquityRows(hold, trials).back().m_dHalfWidth;
}

std::string JsonShowdown(const TOddsAnalysis& analysis)
{
    const TShowdownCounts& counts = analysis.m_showdownCounts;
    const THoldEquity& odds = analysis.m_showdown;
    return "{\"opponents\": " + std::to_string(analysis.m_nOpponents) +
           ", \"hands\": " + std::to_string(counts.m_nHands) + ", \"beating\": " + std::to_string(counts.m_nBeating) +
           ", \"tying\": " + std::to_string(counts.m_nTying) + ", \"losing\": " + std::to_string(counts.m_nLosing) +
           ", \"win\": " + JsonNumber(odds.m_dWin) + ", \"tie\": " + JsonNumber(odds.m_dTie) +
           ", \"lose\": " + JsonNumber(odds.m_dLose) + ", \"pot_share\": " + JsonNumber(odds.m_dPotShare) +
           ", \"exact\": " + (odds.m_bExact ? "true" : "false") +
           ", \"pot_share_error\": " + JsonNumber(PotShareError(odds, analysis.m_nShowdownTrials)) +
           ", \"trials\": " + std::to_string(analysis.m_nShowdownTrials) + "}";
}

// The kept and thrown cards of a keep mask over the hand, in hand order.
std::vector<int> MaskCards(const std::vector<int>& hand, unsigned mask, bool kept)
{
    std::vector<int> cards;
    for (size_t i = 0; i < hand.size(); ++i)
        if (((mask >> i) & 1u) == static_cast<unsigned>(kept))
            cards.push_back(hand[i]);
    return cards;
}

// The price of a call for the best hold (the first by pot share), or the
// final hand.
TCallPrice BestCall(const TOddsAnalysis& analysis)
{
    const std::vector<THoldEquity>& holds = analysis.m_equity.m_arrHolds;
    if (holds.empty() || analysis.m_dCall <= 0)
        return TCallPrice();
    return PriceHoldCall(analysis.m_dPot, analysis.m_dCall, holds.front(), analysis.m_equity.m_nTrials);
}

// The price of a call in words, after a blank line; empty without a price.
std::string CallLines(const TOddsAnalysis& analysis)
{
    const TCallText call = DescribeCall(BestCall(analysis));
    if (call.m_strVerdict.empty())
        return std::string();
    return "\n" + call.m_strNeeded + "\n" + call.m_strVerdict + "\n" + call.m_strAssumption + "\n";
}

std::string JsonCall(const TOddsAnalysis& analysis)
{
    const TCallPrice price = BestCall(analysis);
    return "{\"pot\": " + JsonNumber(price.m_dPot) + ", \"call\": " + JsonNumber(price.m_dCall) +
           ", \"needed\": " + JsonNumber(price.m_dNeeded) + ", \"ev\": " + JsonNumber(price.m_dGain) +
           ", \"ev_error\": " + JsonNumber(price.m_dGainError) +
           ", \"verdict\": " + JsonString(CallVerdictKey(price.m_eVerdict)) + "}";
}

std::string JsonEquity(const TOddsAnalysis& analysis)
{
    const TTable& table = analysis.m_table;
    std::string drew;
    for (int i = 0; i < table.m_nOpponents; ++i)
        drew += std::string(i ? ", " : "") +
                (table.m_anDrew[i] == kDrawUnseen ? std::string("null") : std::to_string(table.m_anDrew[i]));
    std::string ranges;
    for (int i = 0; i < table.m_nOpponents; ++i)
        ranges += std::string(i ? ", " : "") +
                  (table.m_aRanges[i].IsAny() ? std::string("null") : JsonString(table.m_aRanges[i].Text()));
    const bool priced = analysis.m_dCall > 0;
    std::string holds;
    for (const THoldEquity& hold : analysis.m_equity.m_arrHolds) {
        std::string call;
        if (priced) {
            const TCallPrice price =
                PriceHoldCall(analysis.m_dPot, analysis.m_dCall, hold, analysis.m_equity.m_nTrials);
            call = ", \"call_ev\": " + JsonNumber(price.m_dGain) + ", \"call_ev_error\": " + JsonNumber(price.m_dGainError);
        }
        holds += std::string(holds.empty() ? "" : ", ") + "{\"keep\": [" +
                 CardList(MaskCards(analysis.m_arrHand, hold.m_nKeepMask, true), ", ", true) + "], \"discard\": [" +
                 CardList(MaskCards(analysis.m_arrHand, hold.m_nKeepMask, false), ", ", true) +
                 "], \"win\": " + JsonNumber(hold.m_dWin) + ", \"tie\": " + JsonNumber(hold.m_dTie) +
                 ", \"lose\": " + JsonNumber(hold.m_dLose) + ", \"pot_share\": " + JsonNumber(hold.m_dPotShare) +
                 ", \"pot_share_error\": " + JsonNumber(PotShareError(hold, analysis.m_equity.m_nTrials)) +
                 ", \"exact\": " + (hold.m_bExact ? "true" : "false") + call + "}";
    }
    return "{\"model\": " + JsonString(table.m_eModel == ETableModel::StandPat ? "stand pat" : "usual play") +
           ", \"opponents\": " + std::to_string(table.m_nOpponents) + ", \"drew\": [" + drew +
           "], \"ranges\": [" + ranges + "]" + (priced ? ", \"call\": " + JsonCall(analysis) : std::string()) +
           ", \"trials\": " + std::to_string(analysis.m_equity.m_nTrials) +
           ", \"seed\": " + std::to_string(analysis.m_nSeed) + ", \"holds\": [" + holds + "]}";
}

// The decision as JSON: the cards of each hold in the order the hand shows.
std::string JsonDecision(const TOddsAnalysis& analysis)
{
    const TTableDecision& decision = analysis.m_decision;
    const std::vector<int>& hand = analysis.m_arrHand;
    const auto cards = [&hand](const THoldEquity& hold) {
        return "\"keep\": [" + CardList(MaskCards(hand, hold.m_nKeepMask, true), ", ", true) + "], \"discard\": [" +
               CardList(MaskCards(hand, hold.m_nKeepMask, false), ", ", true) + "]";
    };
    return "{" + cards(decision.m_best) + ", \"pot_share\": " + JsonNumber(decision.m_best.m_dPotShare) +
           ", \"pot_share_error\": " + JsonNumber(PotShareError(decision.m_best, analysis.m_equity.m_nTrials)) +
           ", \"runner_up\": {" + cards(decision.m_runnerUp) +
           ", \"pot_share\": " + JsonNumber(decision.m_runnerUp.m_dPotShare) +
           "}, \"margin\": " + JsonNumber(decision.m_dMargin) +
           ", \"margin_error\": " + JsonNumber(decision.m_dMarginError) +
           ", \"close\": " + (decision.m_bClose ? "true" : "false") +
           (analysis.m_dCall > 0 ? ", \"call\": " + JsonCall(analysis) : std::string()) + "}";
}

// The opening lines of an initial hand at the table: the hold that wins the
// pot most often, then the runner-up and the margin, or a close call.
std::string DecisionLines(const TOddsAnalysis& analysis)
{
    if (!analysis.m_bEquity || !analysis.m_decision.m_bValid || analysis.m_arrHand.size() != kHandSize)
        return std::string();
    const TDecisionText text =
        DescribeDecision(analysis.m_decision, analysis.m_arrHand.data(), analysis.m_table, analysis.m_equity.m_nTrials);
    const std::string call = CallLines(analysis);
    return text.m_strHeading + "\n" + text.m_strBest + "\n" + text.m_strRunnerUp + "\n" +
           (call.empty() ? "" : call.substr(1)) + "\n";
}

// The classic advice's first hold, when the decision keeps other cards.
std::string ClassicDiffersLine(const TOddsAnalysis& analysis)
{
    if (!analysis.m_bEquity || analysis.m_arrHand.size() != kHandSize)
        return std::string();
    const std::string sentence = DescribeClassicDiffers(analysis.m_arrClassicKept, analysis.m_equity,
                                                        analysis.m_decision, analysis.m_arrHand.data());
    return sentence.empty() ? sentence : sentence + "\n";
}

// The showdown's heading names its model: nobody draws, the hand as it
// stands against opponents standing pat.
std::string StandPatHeading(const TOddsAnalysis& analysis)
{
    TTable table = analysis.m_table;
    table.m_eModel = ETableModel::StandPat;
    // Like the tables above it, the showdown counts every hand the unseen
    // cards hold: the ranges shape the pot shares at the table only.
    std::fill(table.m_aRanges, table.m_aRanges + kMaxTableOpponents, CHandRange());
    return FormatString(LoadString(analysis.m_bFinal ? idEquityFinalHeading : idEquityStandingHeading).c_str(),
                        DescribeTable(table).c_str());
}

// The pot shares at the table: every hold of a dealt hand as a table, best
// first, or the final hand's four figures; then which are exact.
std::string EquitySection(const TOddsAnalysis& analysis)
{
    const TTableResult& equity = analysis.m_equity;
    const std::string table = DescribeTable(analysis.m_table);
    std::string text;
    if (analysis.m_bFinal) {
        std::vector<std::vector<std::string>> rows;
        for (const THoldEquity& hold : equity.m_arrHolds)
            for (const TEquityRow& row : EquityRows(hold, equity.m_nTrials))
                rows.push_back({LoadString(static_cast<unsigned>(row.m_nLabelId)), row.m_strFigure});
        text = "\n" + FormatString(LoadString(idEquityFinalHeading).c_str(), table.c_str()) + "\n" + Columns(rows, 1);
    } else {
        std::vector<std::vector<std::string>> rows{{"Keep", "Discard",
                                                    LoadString(idShowdownWin), LoadString(idShowdownTie),
                                                    LoadString(idShowdownLose), LoadString(idShowdownPotShare)}};
        for (const THoldEquity& hold : equity.m_arrHolds) {
            const std::vector<int> kept = MaskCards(analysis.m_arrHand, hold.m_nKeepMask, true),
                                   thrown = MaskCards(analysis.m_arrHand, hold.m_nKeepMask, false);
            std::vector<std::string> row{kept.empty() ? "(none)" : CardList(kept, " ", false),
                                         thrown.empty() ? "(none)" : CardList(thrown, " ", false)};
            for (const TEquityRow& figure : EquityRows(hold, equity.m_nTrials))
                row.push_back(figure.m_strFigure);
            rows.push_back(row);
        }
        text = "\n" + FormatString(LoadString(idEquityHoldsHeading).c_str(), table.c_str()) + "\n" + Columns(rows, 2);
    }
    text += EquityNote(equity) + "\n";
    return analysis.m_bFinal ? text + CallLines(analysis) : text;
}

} // namespace

std::string JsonString(const std::string& text)
{
    std::string json = "\"";
    for (const char ch : text) {
        switch (ch) {
        case '"': json += "\\\""; break;
        case '\\': json += "\\\\"; break;
        case '\b': json += "\\b"; break;
        case '\f': json += "\\f"; break;
        case '\n': json += "\\n"; break;
        case '\r': json += "\\r"; break;
        case '\t': json += "\\t"; break;
        default:
            if (static_cast<unsigned char>(ch) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(ch));
                json += escaped;
            } else {
                json += ch;
            }
        }
    }
    return json + "\"";
}

std::string JsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string FormatOddsText(const TOddsAnalysis& analysis)
{
    std::string text = DecisionLines(analysis);
    text += LoadString(analysis.m_bFinal ? idFinalHandCaption : idInitialHandCaption) + " " +
                       CardList(analysis.m_arrHand, " ", false) + " (" +
                       LoadString(static_cast<unsigned>(FormationNameId(analysis.m_nFormation))) + ")\n";
    text += TerminalLines(analysis.m_strDescription);
    if (!analysis.m_strAdvice.empty())
        text += "\n" + LoadString(idClassicHeading) + "\n" + TerminalLines(analysis.m_strAdvice) +
                ClassicDiffersLine(analysis);
    // On a final hand the figure with the opponents drawing comes before the
    // stand-pat showdown.
    if (analysis.m_bEquity && analysis.m_bFinal)
        text += EquitySection(analysis);

    // The tables and the showdown share their column widths so they read as one.
    const TTextRow header{LoadString(idFormationColumn), LoadString(idProbabilityColumn), LoadString(idOddsColumn)};
    const TTextRow showdownHeader{LoadString(idShowdownOutcomeColumn), header.m_strProbability, header.m_strOdds};
    std::vector<TTextRow> oneOpponent, atLeastOne, showdown;
    for (const auto& row : analysis.m_arrOneOpponent)
        oneOpponent.push_back(MakeTextRow(row));
    for (const auto& row : analysis.m_arrAtLeastOne)
        atLeastOne.push_back(MakeTextRow(row));
    for (const TEquityRow& row : EquityRows(analysis.m_showdown, analysis.m_nShowdownTrials))
        showdown.push_back(MakeTextRow(row));
    TTextRow widths = header;
    for (const auto* table : {&oneOpponent, &atLeastOne, &showdown})
        for (const TTextRow& row : *table) {
            if (Width(row.m_strLabel) > Width(widths.m_strLabel))
                widths.m_strLabel = row.m_strLabel;
            if (Width(row.m_strProbability) > Width(widths.m_strProbability))
                widths.m_strProbability = row.m_strProbability;
            if (Width(row.m_strOdds) > Width(widths.m_strOdds))
                widths.m_strOdds = row.m_strOdds;
        }
    if (Width(showdownHeader.m_strLabel) > Width(widths.m_strLabel))
        widths.m_strLabel = showdownHeader.m_strLabel;

    struct TTable {
        std::string m_strHeading;
        const TTextRow* m_pHeader;
        const std::vector<TTextRow>* m_pRows;
    };
    const TTable tables[] = {
        {LoadString(idOneOpponentHeading), &header, &oneOpponent},
        {LoadString(idAtLeastOneHeading), &header, &atLeastOne},
        {StandPatHeading(analysis), &showdownHeader, &showdown}};
    for (const TTable& table : tables) {
        text += "\n" + table.m_strHeading + "\n" + TableLine(*table.m_pHeader, widths);
        for (const TTextRow& row : *table.m_pRows)
            text += TableLine(row, widths);
    }
    // Against more than one the figures are card-disjoint: say whether they
    // were counted or simulated.
    if (analysis.m_nOpponents > 1) {
        TTableResult showdown;
        showdown.m_nTrials = analysis.m_nShowdownTrials;
        showdown.m_bDone = true;
        showdown.m_arrHolds.push_back(analysis.m_showdown);
        text += EquityNote(showdown) + "\n";
    }
    text += ShowdownHandsLine(analysis.m_showdownCounts) + "\n";
    if (analysis.m_bEquity && !analysis.m_bFinal)
        text += EquitySection(analysis);
    if (analysis.m_bHolds)
        text += HoldsTable(analysis);
    return text;
}

std::string FormatOddsJson(const TOddsAnalysis& analysis)
{
    std::string holds;
    if (analysis.m_bHolds) {
        holds = ", \"holds\": [";
        for (size_t i = 0; i < analysis.m_arrHolds.size(); ++i)
            holds += (i ? ", " : "") + JsonHold(analysis.m_arrHolds[i]);
        holds += "]";
    }
    std::string equity = analysis.m_bEquity ? ", \"equity\": " + JsonEquity(analysis) : std::string();
    if (analysis.m_bEquity && analysis.m_decision.m_bValid)
        equity = ", \"decision\": " + JsonDecision(analysis) + equity;
    return "{\"hand\": [" + CardList(analysis.m_arrHand, ", ", true) + "], \"known\": [" +
           CardList(analysis.m_arrKnown, ", ", true) + "], \"final\": " + (analysis.m_bFinal ? "true" : "false") +
           ", \"opponents\": " + std::to_string(analysis.m_nOpponents) +
           ", \"known_count\": " + std::to_string(analysis.m_nKnownCards) +
           ", \"formation\": " + std::to_string(analysis.m_nFormation) +
           ", \"draw_code\": " + std::to_string(analysis.m_nDrawCode) +
           ", \"one_opponent\": " + JsonRows(analysis.m_arrOneOpponent) +
           ", \"at_least_one\": " + JsonRows(analysis.m_arrAtLeastOne) +
           ", \"description\": " + JsonString(analysis.m_strDescription) +
           ", \"advice\": " + JsonString(analysis.m_strAdvice) +
           ", \"showdown\": " + JsonShowdown(analysis) + equity + holds + "}\n";
}
