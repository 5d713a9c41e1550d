#include "HandDescription.h"

#include "CardDistributionManager.h"
#include "Cards.h"
#include "StoredText.h"
#include "StringIds.h"

namespace {

std::string Hold(unsigned nameId) { return FormatStoredText(idYouHold, StoredText(nameId).c_str()); }

std::string HoldAnd(unsigned nameId, unsigned drawId)
{
    return FormatStoredText(idYouHoldAnd, StoredText(nameId).c_str(), StoredText(drawId).c_str());
}

// A made formation with what it could be drawn to; the final hand can draw no
// more, so it names the formation alone.
std::string HoldMade(unsigned madeId, unsigned drawId, bool initialHand)
{
    return initialHand ? HoldAnd(madeId, drawId) : Hold(madeId);
}

std::string DescribeOnePair(const CCardDistributionManager& manager, bool initialHand)
{
    // The straight-flush count is only computed for the initial hand.
    const bool oneStraightFlushWindow = initialHand && manager.m_nStraightFlushDraws == 1;
    unsigned drawId = 0;
    switch (manager.m_nDrawCode) {
    case dcNone: return Hold(idOnePair);
    case dcHighCard: drawId = idAHighCard; break;
    case dcTwoHighCards: drawId = idTwoHighCards; break;
    case dcHighCards: drawId = idHighCards; break;
    case dcThreeSuited: drawId = idThreeSuitedCards; break;
    case dcFourSuited: drawId = idFourSuitedCards; break;
    case dcThreeStraight: drawId = idThreeCardsFromAStraight; break;
    case dcFourStraight:
        drawId = oneStraightFlushWindow ? idFourCardsFromAStraightFlush : idFourCardsFromAStraight;
        break;
    case dcOpenEndedStraight:
        drawId = oneStraightFlushWindow ? idAnOpenEndedStraightFlushDraw : idAnOpenEndedStraight;
        break;
    default: return std::string();
    }
    return HoldMade(idOnePair, drawId, initialHand);
}

std::string DescribeTwoPairs(const CCardDistributionManager& manager, bool initialHand)
{
    const unsigned madeId = initialHand ? idTwoPairs : idTwoPair;
    switch (manager.m_nDrawCode) {
    case dcNone: return Hold(madeId);
    case dcHighCard: return HoldMade(madeId, idAHighCard, initialHand);
    case dcThreeSuited: return HoldMade(madeId, idThreeSuitedCards, initialHand);
    case dcThreeStraight: return HoldMade(madeId, idThreeCardsFromAStraight, initialHand);
    default: return std::string();
    }
}

std::string DescribeThreeOfAKind(const CCardDistributionManager& manager, bool initialHand)
{
    switch (manager.m_nDrawCode) {
    case dcNone: return Hold(idThreeOfAKind);
    case dcThreeSuited: return HoldMade(idThreeOfAKind, idThreeSuitedCards, initialHand);
    case dcThreeStraight: return HoldMade(idThreeOfAKind, idThreeCardsFromAStraight, initialHand);
    default: return std::string();
    }
}

std::string DescribeFormation(const CCardDistributionManager& manager, bool initialHand)
{
    switch (manager.m_nFormation) {
    case fmHighCard: return Hold(idAHighCard);
    case fmTwoHighCards: return Hold(idTwoHighCards);
    case fmThreeSuited: return Hold(idThreeSuitedCards);
    case fmFourSuited: return Hold(idFourSuitedCards);
    case fmThreeStraight: return DescribeStraightDraw(manager, idThreeCardsFromAStraight);
    case fmFourStraight: return DescribeStraightDraw(manager, idFourCardsFromAStraight);
    case fmOpenEndedStraight: return DescribeStraightDraw(manager, idAnOpenEndedStraight);
    case fmOnePair: return DescribeOnePair(manager, initialHand);
    case fmTwoPairs: return DescribeTwoPairs(manager, initialHand);
    case fmThreeOfAKind: return DescribeThreeOfAKind(manager, initialHand);
    case fmStraight: return Hold(idAStraight);
    case fmFlush: return Hold(idAFlush);
    case fmFullHouse: return Hold(idAFullHouse);
    case fmFourOfAKind: return Hold(idFourOfAKind);
    case fmStraightFlush: return Hold(idAStraightFlush);
    case fmRoyalFlush: return Hold(idRoyalFlush);
    default: return std::string();
    }
}

}  // namespace

std::string DescribeHand(const CCardDistributionManager& manager, bool initialHand)
{
    if (!initialHand && manager.m_nFormation < fmOnePair)
        return Hold(idNoValuableFormation);
    std::string sentence = DescribeFormation(manager, initialHand);
    // A code pair the analysis cannot produce has no sentence; inviting the
    // player to discard under an empty line would only confuse him.
    if (initialHand && !sentence.empty())
        sentence += "\r\n" + StoredText(idSelectCardsToReplace);
    return sentence;
}

std::string DescribeStraightDraw(const CCardDistributionManager& manager, int nameId)
{
    const unsigned name = static_cast<unsigned>(nameId);
    switch (manager.m_nDrawCode) {
    case dcNone: return Hold(name);
    case dcThreeSuited: return HoldAnd(name, idThreeSuitedCards);
    case dcFourSuited:
        // Four suited cards that hold the whole straight window are a
        // straight-flush draw and are named as one.
        if (manager.m_nStraightFlushDraws == 1) {
            if (manager.m_nFormation == fmFourStraight)
                return Hold(idFourCardsFromAStraightFlush);
            if (manager.m_nFormation == fmOpenEndedStraight)
                return Hold(idAnOpenEndedStraightFlush);
        }
        return HoldAnd(name, idFourSuitedCards);
    default: return std::string();
    }
}
