#include "Decision.h"

#include "CardText.h"
#include "Cards.h"
#include "StringIds.h"
#include "StringTable.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr unsigned kAllKept = 31;

std::string CardsOf(const int hand[5], unsigned mask)
{
    std::string cards;
    for (int i = 0; i < kHandSize; ++i)
        if (mask >> i & 1u)
            cards += (cards.empty() ? "" : " ") + CardSymbolText(hand[i]);
    return cards;
}

std::string Capitalized(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

std::string PotShareFigure(const THoldEquity& hold, std::uint64_t trials)
{
    return EquityRows(hold, trials).back().m_strFigure;
}

const THoldEquity* FindHold(const TTableResult& result, unsigned mask)
{
    for (const THoldEquity& hold : result.m_arrHolds)
        if (hold.m_nKeepMask == mask)
            return &hold;
    return nullptr;
}

}  // namespace

std::string HoldPhrase(const int hand[5], unsigned keepMask)
{
    if (keepMask == kAllKept)
        return LoadString(idHoldStandPat);
    if (keepMask == 0)
        return LoadString(idHoldDrawFive);
    return FormatString(LoadString(idHoldKeep).c_str(), CardsOf(hand, keepMask).c_str(),
                        CardsOf(hand, ~keepMask & kAllKept).c_str());
}

unsigned KeepMaskOf(const int hand[5], const std::vector<int>& kept)
{
    unsigned mask = 0;
    for (int i = 0; i < kHandSize; ++i)
        if (std::find(kept.begin(), kept.end(), hand[i]) != kept.end())
            mask |= 1u << i;
    return mask;
}

TDecisionText DescribeDecision(const TTableDecision& decision, const int hand[5], const TTable& table,
                               std::uint64_t trials)
{
    TDecisionText text;
    if (!decision.m_bValid)
        return text;
    text.m_strHeading = FormatString(LoadString(idDecisionHeading).c_str(), DescribeTable(table).c_str());
    const std::string best = HoldPhrase(hand, decision.m_best.m_nKeepMask);
    const std::string bestShare = PotShareFigure(decision.m_best, trials);
    text.m_strBest = FormatString(LoadString(idDecisionBest).c_str(), Capitalized(best).c_str(), bestShare.c_str());
    const std::string runnerUp = HoldPhrase(hand, decision.m_runnerUp.m_nKeepMask);
    const std::string runnerUpShare = PotShareFigure(decision.m_runnerUp, trials);
    const std::string margin =
        FormatString(LoadString(idMarginFigure).c_str(), decision.m_dMargin * 100.0, decision.m_dMarginError * 100.0);
    text.m_strRunnerUp = decision.m_bClose
        ? FormatString(LoadString(idDecisionClose).c_str(), best.c_str(), bestShare.c_str(), runnerUp.c_str(),
                       runnerUpShare.c_str(), margin.c_str())
        : FormatString(LoadString(idDecisionRunnerUp).c_str(), runnerUp.c_str(), runnerUpShare.c_str(),
                       margin.c_str());
    return text;
}

std::string DescribeClassicDiffers(const std::vector<int>& classicKept, const TTableResult& result,
                                   const TTableDecision& decision, const int hand[5])
{
    if (!decision.m_bValid || classicKept.empty())
        return std::string();
    const unsigned classic = KeepMaskOf(hand, classicKept);
    const THoldEquity* classicHold = FindHold(result, classic);
    if (classic == decision.m_best.m_nKeepMask || classicHold == nullptr)
        return std::string();
    return FormatString(LoadString(idClassicDiffers).c_str(), HoldPhrase(hand, classic).c_str(),
                        PotShareFigure(*classicHold, result.m_nTrials).c_str(),
                        HoldPhrase(hand, decision.m_best.m_nKeepMask).c_str(),
                        PotShareFigure(decision.m_best, result.m_nTrials).c_str());
}
