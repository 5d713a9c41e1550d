#include "OddsReport.h"

#include "CardText.h"
#include "Cards.h"
#include "ConfirmedHand.h"
#include "DrawAnalysis.h"
#include "OddsAnalysis.h"
#include "StringIds.h"
#include "StringTable.h"

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
    if (row.m_dOdds >= 0.0)
        text.m_strOdds = FormatString(LoadString(idOddsFormat).c_str(), row.m_dOdds);
    return text;
}

std::string PadRight(const std::string& text, size_t width)
{
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

std::string PadLeft(const std::string& text, size_t width)
{
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::string TableLine(const TTextRow& row, const TTextRow& widths)
{
    std::string line = PadRight(row.m_strLabel, widths.m_strLabel.size()) + "  " +
                       PadLeft(row.m_strProbability, widths.m_strProbability.size()) + "  " +
                       PadLeft(row.m_strOdds, widths.m_strOdds.size());
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

    std::vector<size_t> widths(head.size(), 0);
    for (const auto& row : rows)
        for (size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());

    // The cards read left to right, the figures line up on their right edge.
    std::string table = "\nEvery way to keep cards, best first, drawing from the " +
                        std::to_string(kCardCount - kHandSize) + " cards not dealt:\n";
    for (const auto& row : rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i)
            line += (i ? "  " : "") + (i < 2 ? PadRight(row[i], widths[i]) : PadLeft(row[i], widths[i]));
        line.erase(line.find_last_not_of(' ') + 1);
        table += line + "\n";
    }
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

std::string JsonShowdown(const TOddsAnalysis& analysis)
{
    const TShowdownCounts& counts = analysis.m_showdownCounts;
    const TShowdownOdds& odds = analysis.m_showdownOdds;
    return "{\"opponents\": " + std::to_string(analysis.m_nOpponents) +
           ", \"hands\": " + std::to_string(counts.m_nHands) + ", \"beating\": " + std::to_string(counts.m_nBeating) +
           ", \"tying\": " + std::to_string(counts.m_nTying) + ", \"losing\": " + std::to_string(counts.m_nLosing) +
           ", \"win\": " + JsonNumber(odds.m_dWin) + ", \"tie\": " + JsonNumber(odds.m_dTie) +
           ", \"lose\": " + JsonNumber(odds.m_dLose) + ", \"pot_share\": " + JsonNumber(odds.m_dPotShare) + "}";
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
    std::string text = LoadString(analysis.m_bFinal ? idFinalHandCaption : idInitialHandCaption) + " " +
                       CardList(analysis.m_arrHand, " ", false) + " (" +
                       LoadString(static_cast<unsigned>(FormationNameId(analysis.m_nFormation))) + ")\n";
    text += TerminalLines(analysis.m_strDescription);
    if (!analysis.m_strAdvice.empty())
        text += "\n" + LoadString(idSuggestionsHeading) + "\n" + TerminalLines(analysis.m_strAdvice);

    // The tables and the showdown share their column widths so they read as one.
    const TTextRow header{LoadString(idFormationColumn), LoadString(idProbabilityColumn), LoadString(idOddsColumn)};
    const TTextRow showdownHeader{LoadString(idShowdownOutcomeColumn), header.m_strProbability, header.m_strOdds};
    std::vector<TTextRow> oneOpponent, atLeastOne, showdown;
    for (const auto& row : analysis.m_arrOneOpponent)
        oneOpponent.push_back(MakeTextRow(row));
    for (const auto& row : analysis.m_arrAtLeastOne)
        atLeastOne.push_back(MakeTextRow(row));
    for (const auto& row : ShowdownRows(analysis.m_showdownOdds))
        showdown.push_back(MakeTextRow(row));
    TTextRow widths = header;
    for (const auto* table : {&oneOpponent, &atLeastOne, &showdown})
        for (const TTextRow& row : *table) {
            if (row.m_strLabel.size() > widths.m_strLabel.size())
                widths.m_strLabel = row.m_strLabel;
            if (row.m_strProbability.size() > widths.m_strProbability.size())
                widths.m_strProbability = row.m_strProbability;
            if (row.m_strOdds.size() > widths.m_strOdds.size())
                widths.m_strOdds = row.m_strOdds;
        }
    if (showdownHeader.m_strLabel.size() > widths.m_strLabel.size())
        widths.m_strLabel = showdownHeader.m_strLabel;

    struct TTable {
        std::string m_strHeading;
        const TTextRow* m_pHeader;
        const std::vector<TTextRow>* m_pRows;
    };
    const TTable tables[] = {
        {LoadString(idOneOpponentHeading), &header, &oneOpponent},
        {LoadString(idAtLeastOneHeading), &header, &atLeastOne},
        {ShowdownHeading(analysis.m_bFinal, static_cast<int>(analysis.m_nOpponents)), &showdownHeader, &showdown}};
    for (const TTable& table : tables) {
        text += "\n" + table.m_strHeading + "\n" + TableLine(*table.m_pHeader, widths);
        for (const TTextRow& row : *table.m_pRows)
            text += TableLine(row, widths);
    }
    text += ShowdownHandsLine(analysis.m_showdownCounts) + "\n";
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
           ", \"showdown\": " + JsonShowdown(analysis) + holds + "}\n";
}
