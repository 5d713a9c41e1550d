#include "WebGame.h"

#include "CardText.h"
#include "Cards.h"
#include "DrawAnalysis.h"
#include "StoredText.h"
#include "StringIds.h"
#include "StringTable.h"

namespace {

std::string Percent(double probability)
{
    return FormatString(LoadString(idProbabilityFormat).c_str(), probability * 100.0);
}

std::string Odds(double odds)
{
    return odds >= 0.0 ? FormatString(LoadString(idOddsFormat).c_str(), odds) : std::string();
}

std::vector<TWebRow> Rows(const CCardDistributionManager::TRows& rows)
{
    std::vector<TWebRow> text;
    for (const auto& row : rows)
        text.push_back({LoadString(static_cast<unsigned>(row.m_nFormationNameId)), Percent(row.m_dProbability),
                        Odds(row.m_dOdds)});
    return text;
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
        m_bHoldsStale = true;
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

std::string CWebGame::PickTitle() const
{
    if (m_doc.GetStage() == EStage::PickInitialHand)
        return LoadString(idPickFiveCards);
    return LoadString(m_doc.GetPickCount() == 1 ? idPickReplacement : idPickReplacements);
}

TWebResult CWebGame::Result() const
{
    const TConfirmedHand& confirmed = m_doc.GetResult();
    TWebResult result;
    result.m_bFinal = confirmed.m_bFinal;
    result.m_strDescription = PageLines(confirmed.m_strDescription);
    result.m_strAdvice = PageLines(confirmed.m_strAdvice);
    result.m_arrOneOpponent = Rows(confirmed.m_arrOneOpponent);
    result.m_arrAtLeastOne = Rows(confirmed.m_arrAtLeastOne);
    result.m_strShowdownHeading = ShowdownHeading(confirmed.m_bFinal, confirmed.m_showdownOdds.m_nOpponents);
    result.m_arrShowdown = Rows(ShowdownRows(confirmed.m_showdownOdds));
    result.m_strShowdownHands = ShowdownHandsLine(confirmed.m_showdownCounts);
    return result;
}

const std::vector<TWebHold>& CWebGame::Holds()
{
    if (!m_bHoldsStale)
        return m_arrHolds;
    m_bHoldsStale = false;
    m_arrHolds.clear();
    if (!m_doc.CanMark())
        return m_arrHolds;
    // Keep masks over the hand's places, so a hold's discards mark as they are.
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
        for (int i = 0; i < outcome.m_nKeptCount; ++i) {
            hold.m_strKeep += (i ? " " : "") + CardSymbolText(outcome.m_anKept[i]);
            hold.m_strKeptCards += (i ? " " : "") + CardText(outcome.m_anKept[i]);
        }
        if (hold.m_strKeep.empty())
            hold.m_strKeep = LoadString(idDrawAnalysisNoCards);
        for (const double probability : outcome.m_adProbability)
            hold.m_arrCells.push_back(Percent(probability));
        hold.m_arrCells.push_back(Percent(outcome.m_dImprove));
        hold.m_arrCells.push_back(Percent(outcome.m_dAtLeastCurrent));
        hold.m_arrCells.push_back(Odds(CCardDistributionManager::GetOdds(outcome.m_dImprove)));
        hold.m_nDiscardMask = ~outcome.m_nKeepMask & 0x1Fu;
        m_arrHolds.push_back(hold);
    }
    return m_arrHolds;
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
