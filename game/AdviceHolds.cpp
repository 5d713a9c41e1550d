#include "AdviceHolds.h"

#include "CardDistributionManager.h"
#include "Cards.h"

namespace {

bool IsValidRank(int rank) { return rank >= 0 && rank < kRankCount; }

int CountBits(unsigned mask)
{
    int count = 0;
    for (; mask != 0; mask &= mask - 1)
        ++count;
    return count;
}

} // namespace

CAdviceHolds::CAdviceHolds(const CCardDistributionManager& manager) : m_manager(manager)
{
    int held = 0;
    for (int card = 0; card < kCardCount; ++card) {
        const int suit = CardSuit(card);
        const int rank = CardRank(card);
        if (manager.m_anCardCounts[suit][rank] == 0 || manager.m_abDiscarded[suit][rank])
            continue;
        if (held == kHandSize)
            return;
        m_anCards[held++] = card;
    }
    m_bHand = held == kHandSize;
}

unsigned CAdviceHolds::CardsOfRank(int rank) const
{
    unsigned mask = 0;
    for (int i = 0; m_bHand && i < kHandSize; ++i)
        if (CardRank(m_anCards[i]) == rank)
            mask |= 1u << i;
    return mask;
}

unsigned CAdviceHolds::HighCard() const
{
    int best = -1;
    for (int i = 0; m_bHand && i < kHandSize; ++i) {
        const int rank = CardRank(m_anCards[i]);
        if (CountBits(CardsOfRank(rank)) == 1 && (best < 0 || AceHigh(rank) > AceHigh(CardRank(m_anCards[best]))))
            best = i;
    }
    return best < 0 ? 0 : 1u << best;
}

unsigned CAdviceHolds::TwoHighCards() const
{
    const unsigned first = HighCard();
    if (first == 0)
        return 0;
    int best = -1;
    for (int i = 0; i < kHandSize; ++i) {
        if (first >> i & 1u)
            continue;
        if (best < 0 || AceHigh(CardRank(m_anCards[i])) > AceHigh(CardRank(m_anCards[best])))
            best = i;
    }
    return first | 1u << best;
}

unsigned CAdviceHolds::Pair() const
{
    const int rank = m_manager.m_nPairRank;
    return IsValidRank(rank) && CountBits(CardsOfRank(rank)) == 2 ? CardsOfRank(rank) : 0;
}

unsigned CAdviceHolds::Pairs() const
{
    const int first = m_manager.m_nFirstPair;
    const int second = m_manager.m_nSecondPair;
    if (!IsValidRank(first) || !IsValidRank(second) || CountBits(CardsOfRank(first)) != 2 ||
        CountBits(CardsOfRank(second)) != 2)
        return 0;
    return CardsOfRank(first) | CardsOfRank(second);
}

unsigned CAdviceHolds::HigherPairAndHighCard() const
{
    const unsigned high = HighCard();
    if (Pairs() == 0 || high == 0)
        return 0;
    const int first = m_manager.m_nFirstPair;
    const int second = m_manager.m_nSecondPair;
    return CardsOfRank(AceHigh(first) > AceHigh(second) ? first : second) | high;
}

unsigned CAdviceHolds::Triple() const
{
    const int rank = m_manager.m_nMainRank;
    return IsValidRank(rank) && CountBits(CardsOfRank(rank)) == 3 ? CardsOfRank(rank) : 0;
}

unsigned CAdviceHolds::SuitedCards(int count) const
{
    const int suit = count == 4 ? m_manager.m_nFourSuit : m_manager.m_nThreeSuit;
    unsigned mask = 0;
    for (int i = 0; m_bHand && i < kHandSize; ++i)
        if (CardSuit(m_anCards[i]) == suit)
            mask |= 1u << i;
    return CountBits(mask) == count ? mask : 0;
}

unsigned CAdviceHolds::WindowCards(unsigned start, unsigned length) const
{
    const std::vector<unsigned>& ranks = m_manager.m_arrHandRanks;
    const std::size_t n = ranks.size();
    // One position past the last may be the Ace read above the King.
    const std::size_t room = n != 0 && ranks[0] == 0 ? n + 1 : n;
    if (!m_bHand || start + length > room)
        return 0;
    int suitCounts[kSuitCount] = {};
    for (int i = 0; i < kHandSize; ++i)
        ++suitCounts[CardSuit(m_anCards[i])];
    unsigned mask = 0;
    for (unsigned j = 0; j < length; ++j) {
        const int rank = static_cast<int>(ranks[(start + j) % n]);
        int chosen = -1;
        for (int i = 0; i < kHandSize; ++i)
            if (CardRank(m_anCards[i]) == rank &&
                (chosen < 0 || suitCounts[CardSuit(m_anCards[i])] > suitCounts[CardSuit(m_anCards[chosen])]))
                chosen = i;
        if (chosen < 0)
            return 0;
        mask |= 1u << chosen;
    }
    return CountBits(mask) == static_cast<int>(length) ? mask : 0;
}

bool CAdviceHolds::IsOpenEnded(unsigned start) const
{
    const std::vector<unsigned>& ranks = m_manager.m_arrHandRanks;
    if (start + 4 > ranks.size() || ranks[start] == 0)
        return false;
    for (unsigned j = 1; j < 4; ++j)
        if (ranks[start + j] != ranks[start] + j)
            return false;
    return true;
}

unsigned CAdviceHolds::ThreeStraightCards() const
{
    const std::vector<unsigned>& starts = m_manager.m_arrThreeStraightStarts;
    return starts.empty() ? 0 : WindowCards(starts.back(), 3);
}

unsigned CAdviceHolds::FourStraightCards() const
{
    const std::vector<unsigned>& starts = m_manager.m_arrFourStraightStarts;
    if (starts.empty())
        return 0;
    if (m_manager.m_nFormation == fmOpenEndedStraight || m_manager.m_nDrawCode == dcOpenEndedStraight) {
        // This analysis' windows are the last ones listed.
        for (auto it = starts.rbegin(); it != starts.rend(); ++it)
            if (IsOpenEnded(*it))
                return WindowCards(*it, 4);
        return 0;
    }
    return WindowCards(starts.back(), 4);
}

bool FigureProbability(const std::vector<TDrawOutcome>& outcomes, const TAdviceFigure& figure, double& probability)
{
    if (outcomes.size() != kHoldCount || figure.m_nHold == 0 || figure.m_nHold >= kHoldCount)
        return false;
    const TDrawOutcome& outcome = outcomes[figure.m_nHold];
    if (outcome.m_dDrawCount <= 0 || figure.m_nLowest < 0 || figure.m_nHighest >= hcCategoryCount)
        return false;
    double count = 0;
    for (int category = figure.m_nLowest; category <= figure.m_nHighest; ++category)
        count += outcome.m_adCount[category];
    probability = count / outcome.m_dDrawCount;
    return true;
}
