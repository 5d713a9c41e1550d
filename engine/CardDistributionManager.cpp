#include "CardDistributionManager.h"

#include "Cards.h"

#include <cstring>

namespace {

// Room for the five distinct ranks plus the Ace appended above the King, and
// for a few analyses' worth of straight windows, so the usual game never
// allocates after construction.
constexpr std::size_t kHandRankRoom = 6;
constexpr std::size_t kHandSuitRoom = 4;
constexpr std::size_t kStraightStartRoom = 16;

} // namespace

CCardDistributionManager::CCardDistributionManager()
    : m_nKnownCards(0),
      m_nMainRank(-1),
      m_nHighCard(-1),
      m_nPairRank(-1),
      m_nFirstPair(-1),
      m_nSecondPair(-1),
      // No window classified yet: neither percentage applies.
      m_nStraightDrawKind(-1),
      m_nThreeSuit(-1),
      m_nFourSuit(-1),
      m_nFormation(0),
      m_nDrawCode(0),
      m_nStraightFlushDraws(0)
{
    std::memset(m_anHandSuitCounts, 0, sizeof m_anHandSuitCounts);
    std::memset(m_anHandRankCounts, 0, sizeof m_anHandRankCounts);
    std::memset(m_anKnownSuitCounts, 0, sizeof m_anKnownSuitCounts);
    std::memset(m_anKnownRankCounts, 0, sizeof m_anKnownRankCounts);
    std::memset(m_anKnownRankCountsAceHigh, 0, sizeof m_anKnownRankCountsAceHigh);
    m_arrHandRanks.reserve(kHandRankRoom);
    m_arrHandSuits.reserve(kHandSuitRoom);
    m_arrThreeStraightStarts.reserve(kStraightStartRoom);
    m_arrFourStraightStarts.reserve(kStraightStartRoom);
    Reset();
}

void CCardDistributionManager::Reset()
{
    m_nFormation = 0;
    m_nDrawCode = 0;
    std::memset(m_anCardCounts, 0, sizeof m_anCardCounts);
    std::memset(m_abDiscarded, 0, sizeof m_abDiscarded);
    m_nKnownCards = 0;
    // The per-rank and per-suit counts follow from the known cards; clearing
    // them with the cards keeps a table built before the next analysis from
    // mixing k = 0 with the previous game's counts.
    std::memset(m_anHandSuitCounts, 0, sizeof m_anHandSuitCounts);
    std::memset(m_anHandRankCounts, 0, sizeof m_anHandRankCounts);
    std::memset(m_anKnownSuitCounts, 0, sizeof m_anKnownSuitCounts);
    std::memset(m_anKnownRankCounts, 0, sizeof m_anKnownRankCounts);
    std::memset(m_anKnownRankCountsAceHigh, 0, sizeof m_anKnownRankCountsAceHigh);
    // clear() keeps the storage reserved at construction.
    m_arrHandRanks.clear();
    m_arrHandSuits.clear();
    m_arrThreeStraightStarts.clear();
    m_arrFourStraightStarts.clear();
    m_nThreeSuit = -1;
    m_nFourSuit = -1;
    m_nStraightFlushDraws = 0;
}

double CCardDistributionManager::GetOdds(double p)
{
    if (p == 0.0)
        return -1.0;
    return (1.0 - p) / p;
}

void CCardDistributionManager::MarkKnown(int card)
{
    if (card >= 0 && card < kCardCount)
        m_anCardCounts[CardSuit(card)][CardRank(card)] = 1;
}

void CCardDistributionManager::MarkDiscarded(int card)
{
    if (card >= 0 && card < kCardCount)
        m_abDiscarded[CardSuit(card)][CardRank(card)] = true;
}

bool CCardDistributionManager::IsKnown(int card) const
{
    return card >= 0 && card < kCardCount && m_anCardCounts[CardSuit(card)][CardRank(card)] != 0;
}

bool CCardDistributionManager::IsDiscarded(int card) const
{
    return card >= 0 && card < kCardCount && m_abDiscarded[CardSuit(card)][CardRank(card)];
}
