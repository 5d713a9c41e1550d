#include "DiscardAdvice.h"

#include <string>
#include <vector>

#include "CardDistributionManager.h"
#include "Cards.h"
#include "StoredText.h"
#include "StringIds.h"

namespace {

// Completing a flush from four suited cards: 9 of the 47 unseen cards.
constexpr double kFlushDrawPercent = 19.148;
constexpr double kFlushDrawProbability = 0.19148;

double OddsOfPercent(double percent) { return CCardDistributionManager::GetOdds(percent / 100); }

// Four straight cards that are also four cards of one suit: the straight, the
// flush and the straight flush they may become, in one paragraph.
std::string StraightFlushDrawAdvice(const CCardDistributionManager& manager)
{
    const double straight = manager.GetStraightDrawPercent();
    const double straightFlush = manager.GetStraightFlushDrawPercent();
    // A straight flush is both a straight and a flush; count it once.
    const double total = straight + kFlushDrawPercent - straightFlush;
    return FormatStoredText(idKeepStraightFlushCards, straight, OddsOfPercent(straight), kFlushDrawPercent,
                            CCardDistributionManager::GetOdds(kFlushDrawProbability), total, OddsOfPercent(total),
                            straightFlush, OddsOfPercent(straightFlush));
}

// The percentages describe the highest window when there are several; the
// text then says so.
std::string WhenSeveralWindows(const std::vector<unsigned>& starts, unsigned wordId)
{
    return starts.size() == 1 ? std::string() : StoredText(wordId);
}

std::string ThreeStraightAdvice(const CCardDistributionManager& manager)
{
    const int drawCode = manager.m_nDrawCode;
    if (drawCode != dcNone && drawCode != dcThreeSuited && drawCode != dcFourSuited)
        return std::string();
    const double percent = manager.GetStraightDrawPercent();
    const std::string prefix = WhenSeveralWindows(manager.m_arrThreeStraightStarts, idFromTheHighestStraight);
    const std::string straight =
        FormatStoredText(idKeepThreeStraight, prefix.c_str(), percent, OddsOfPercent(percent));
    if (drawCode == dcNone)
        return straight;
    const unsigned flushId = drawCode == dcThreeSuited ? idThreeSuitedChoice : idFourSuitedChoice;
    return FormatStoredText(idTwoChoicesAfterThreeStraight, straight.c_str(), StoredText(flushId).c_str());
}

std::string FourStraightAdvice(CCardDistributionManager& manager)
{
    const int drawCode = manager.m_nDrawCode;
    if (drawCode != dcNone && drawCode != dcThreeSuited && drawCode != dcFourSuited)
        return std::string();
    const double percent = manager.GetStraightDrawPercent();
    const bool openEnded = manager.m_nFormation == fmOpenEndedStraight;
    const std::string name = StoredText(openEnded ? idOpenEndedStraight : idFourStraightCards);
    // An open-ended straight is named by its own window, whatever else the hand holds.
    const std::string prefix =
        openEnded ? std::string() : WhenSeveralWindows(manager.m_arrFourStraightStarts, idFromTheHighestStraight);
    switch (drawCode) {
    case dcNone:
        return FormatStoredText(idKeepFourStraight, name.c_str(), prefix.c_str(), percent, OddsOfPercent(percent));
    case dcThreeSuited: {
        const std::string straight =
            FormatStoredText(idKeepFourStraight, name.c_str(), prefix.c_str(), percent, OddsOfPercent(percent));
        return FormatStoredText(idTwoChoicesAfterFourStraight, straight.c_str(),
                                StoredText(idThreeSuitedAfterFourStraight).c_str());
    }
    default:
        if (manager.CountStraightFlushDraws() != 0)
            return StraightFlushDrawAdvice(manager);
        return FormatStoredText(idFourStraightOrFourSuited, name.c_str(), prefix.c_str(), percent,
                                OddsOfPercent(percent));
    }
}

std::string OnePairAdvice(CCardDistributionManager& manager)
{
    switch (manager.m_nDrawCode) {
    case dcNone: return StoredText(idKeepPair);
    case dcHighCard: return StoredText(idPairOrHighCard);
    case dcTwoHighCards:
    case dcHighCards: return StoredText(idPairOrHighCards);
    case dcThreeSuited: return StoredText(idPairOrThreeSuited);
    case dcFourSuited: return StoredText(idPairOrFourSuited);
    case dcThreeStraight: {
        const double percent = manager.GetStraightDrawPercent();
        const std::string word = WhenSeveralWindows(manager.m_arrThreeStraightStarts, idHighest);
        return FormatStoredText(idPairOrThreeStraight, word.c_str(), percent, OddsOfPercent(percent));
    }
    case dcFourStraight:
    case dcOpenEndedStraight: {
        const double percent = manager.GetStraightDrawPercent();
        const std::string second = manager.CountStraightFlushDraws() == 0
                                       ? FormatStoredText(idThenFourStraight, percent, OddsOfPercent(percent))
                                       : "2) " + StraightFlushDrawAdvice(manager);
        return StoredText(idPairFirstChoice) + second;
    }
    default: return std::string();
    }
}

std::string TwoPairsAdvice(const CCardDistributionManager& manager)
{
    switch (manager.m_nDrawCode) {
    case dcNone: return StoredText(idPairsOrLowCard);
    case dcHighCard: return StoredText(idPairsOrHighCard);
    case dcThreeSuited: return StoredText(idPairsOrThreeSuited);
    case dcThreeStraight: {
        const double percent = manager.GetStraightDrawPercent();
        return FormatStoredText(idPairsOrStraight, percent, OddsOfPercent(percent));
    }
    default: return std::string();
    }
}

std::string ThreeOfAKindAdvice(const CCardDistributionManager& manager)
{
    switch (manager.m_nDrawCode) {
    case dcNone: return StoredText(idKeepTriple);
    case dcThreeSuited: return StoredText(idTripleOrThreeSuited);
    case dcThreeStraight: {
        const double percent = manager.GetStraightDrawPercent();
        return FormatStoredText(idTripleOrStraight, percent, OddsOfPercent(percent));
    }
    default: return std::string();
    }
}

}  // namespace

std::string BuildAdvice(CCardDistributionManager& manager)
{
    switch (manager.m_nFormation) {
    case fmHighCard: return StoredText(idKeepHighCard);
    case fmTwoHighCards: return StoredText(idKeepHighCards);
    case fmThreeSuited: return StoredText(idKeepThreeSuited);
    case fmFourSuited: return StoredText(idKeepFourSuited);
    case fmThreeStraight: return ThreeStraightAdvice(manager);
    case fmFourStraight:
    case fmOpenEndedStraight: return FourStraightAdvice(manager);
    case fmOnePair: return OnePairAdvice(manager);
    case fmTwoPairs: return TwoPairsAdvice(manager);
    case fmThreeOfAKind: return ThreeOfAKindAdvice(manager);
    case fmStraight:
    case fmFlush:
    case fmFullHouse:
    case fmStraightFlush:
    case fmRoyalFlush: return StoredText(idNoDiscard);
    case fmFourOfAKind: return StoredText(idKeepFourOfAKind);
    default: return std::string();
    }
}
