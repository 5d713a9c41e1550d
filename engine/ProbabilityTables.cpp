#include "CardDistribution.h"
#include "CardDistributionManager.h"
#include "Cards.h"
#include "HigherHighCardFormula.h"
#include "HigherPairFamilyFormulas.h"
#include "HigherStraightFlushFormulas.h"
#include "PairFamilyFormulas.h"
#include "StraightFlushFormulas.h"
#include "StringIds.h"

#include <algorithm>
#include <cstddef>

namespace {

// A player holding no pair gets the longest tables: the hands like his above
// his, every formation from one pair up and the closing row.
constexpr std::size_t kMostRows = 10;

// One formula over one distribution, as the chance for n opponents.
template <class TFormula>
double RowProbability(unsigned n, const CCardDistribution& dist)
{
    TFormula formula;
    const double favourable = formula.Evaluate(dist);
    return formula.GetProbabilityForOpponents(n, dist, favourable);
}

// The higher-formation rows index the formulas' rank arrays with the rank
// fields; a field that holds no rank (the hand is not of that kind) must not
// reach them.
bool IsRank(int rank)
{
    return rank >= 0 && rank < kRankCount;
}

// Straight and straight-flush tops: the Ace (0) or Five to King. Lower ranks
// top no straight and would start the formulas' windows before the first rank.
bool IsStraightTop(int rank)
{
    return rank == 0 || (rank >= 4 && rank < kRankCount);
}

// The player's ranks held once (his kickers, or a flush's five cards) as
// Ace-high rank bits, and how many there are.
unsigned SingleRanks(const int (&handRankCounts)[kRankCount], int& count)
{
    unsigned ranks = 0;
    count = 0;
    for (int r = 0; r < kRankCount; ++r)
        if (handRankCounts[r] == 1) {
            ranks |= 1u << AceHigh(r);
            ++count;
        }
    return ranks;
}

void AppendRow(CCardDistributionManager::TRows& rows, int id, double p)
{
    rows.push_back({id, p, CCardDistributionManager::GetOdds(p)});
}

} // namespace

double CCardDistributionManager::GetOnePairProbability(unsigned n)
{
    return RowProbability<COnePairFormula>(
        n, CCardDistribution(static_cast<unsigned>(m_nKnownCards), m_anKnownRankCounts, 13));
}

double CCardDistributionManager::GetTwoPairProbability(unsigned n)
{
    return RowProbability<CTwoPairsFormula>(
        n, CCardDistribution(static_cast<unsigned>(m_nKnownCards), m_anKnownRankCounts, 13));
}

double CCardDistributionManager::GetThreeOfAKindProbability(unsigned n)
{
    return RowProbability<CThreePiecesFormula>(
        n, CCardDistribution(static_cast<unsigned>(m_nKnownCards), m_anKnownRankCounts, 13));
}

double CCardDistributionManager::GetStraightProbability(unsigned n)
{
    return RowProbability<CStraightFormula>(
        n, CCardDistribution(static_cast<unsigned>(m_nKnownCards), m_anKnownRankCounts, 13));
}

double CCardDistributionManager::GetFlushProbability(unsigned n)
{
    return RowProbability<CFlushFormula>(
        n, CCardDistribution(static_cast<unsigned>(m_nKnownCards), m_anKnownSuitCounts, 4));
}

double CCardDistributionManager::GetFullHouseProbability(unsigned n)
{
    return RowProbability<CFullFormula>(
        n, CCardDistribution(static_cast<unsigned>(m_nKnownCards), m_anKnownRankCounts, 13));
}

double CCardDistributionManager::GetFourOfAKindProbability(unsigned n)
{
    return RowProbability<CQuadsFormula>(
        n, CCardDistribution(static_cast<unsigned>(m_nKnownCards), m_anKnownRankCounts, 13));
}

double CCardDistributionManager::GetStraightFlushProbability(unsigned n)
{
    return RowProbability<CStraightFlushFormula>(
        n, C2IndexesCardDistribution(static_cast<unsigned>(m_nKnownCards), &m_anCardCounts[0][0]));
}

double CCardDistributionManager::GetHigherHighCardProbability(unsigned n)
{
    int nRanks = 0;
    const unsigned ranks = SingleRanks(m_anHandRankCounts, nRanks);
    if (nRanks != kHandSize)
        return 0.0;
    return RowProbability<CHighCardAgainstHighCardFormula>(
        n, C2IndexesCardDistributionWRanks(static_cast<unsigned>(m_nKnownCards), &m_anCardCounts[0][0], ranks));
}

double CCardDistributionManager::GetHigherPairProbability(unsigned n)
{
    int nKickers = 0;
    const unsigned kickers = SingleRanks(m_anHandRankCounts, nKickers);
    if (!IsRank(m_nPairRank) || nKickers != 3)
        return 0.0;
    return RowProbability<COnePairAgainstOnePairFormula>(
        n, CCardDistributionWPairAndKickers(static_cast<unsigned>(m_nKnownCards), m_anKnownRankCountsAceHigh, 13,
                                           AceHigh(m_nPairRank), kickers));
}

double CCardDistributionManager::GetHigherTwoPairProbability(unsigned n)
{
    if (!IsRank(m_nHighCard) || !IsRank(m_nFirstPair) || !IsRank(m_nSecondPair))
        return 0.0;
    const int first = AceHigh(m_nFirstPair);
    const int second = AceHigh(m_nSecondPair);
    return RowProbability<CTwoPairAgainstTwoPairFormula>(
        n, CCardDistributionWHighCardAnd2PairCards(static_cast<unsigned>(m_nKnownCards), m_anKnownRankCountsAceHigh,
                                                   13, AceHigh(m_nHighCard), std::min(first, second),
                                                   std::max(first, second)));
}

double CCardDistributionManager::GetHigherThreeOfAKindProbability(unsigned n)
{
    if (!IsRank(m_nMainRank))
        return 0.0;
    return RowProbability<CThreePiecesAgainstThreePiecesFormula>(
        n, CCardDistributionWM(static_cast<unsigned>(m_nKnownCards), m_anKnownRankCountsAceHigh, 13,
                               AceHigh(m_nMainRank)));
}

double CCardDistributionManager::GetHigherStraightProbability(unsigned n)
{
    if (!IsStraightTop(m_nHighCard))
        return 0.0;
    return RowProbability<CStraightAgainstStraightFormula>(
        n, C2IndexesCardDistributionWHighCard(static_cast<unsigned>(m_nKnownCards), &m_anCardCounts[0][0],
                                              m_nHighCard));
}

double CCardDistributionManager::GetHigherFlushProbability(unsigned n)
{
    int nRanks = 0;
    const unsigned ranks = SingleRanks(m_anHandRankCounts, nRanks);
    if (nRanks != kHandSize)
        return 0.0;
    return RowProbability<CFlushAgainstFlushFormula>(
        n, C2IndexesCardDistributionWRanks(static_cast<unsigned>(m_nKnownCards), &m_anCardCounts[0][0], ranks));
}

double CCardDistributionManager::GetHigherFullHouseProbability(unsigned n)
{
    if (!IsRank(m_nMainRank))
        return 0.0;
    return RowProbability<CFullAgainstFullFormula>(
        n, CCardDistributionWM(static_cast<unsigned>(m_nKnownCards), m_anKnownRankCountsAceHigh, 13,
                               AceHigh(m_nMainRank)));
}

double CCardDistributionManager::GetHigherFourOfAKindProbability(unsigned n)
{
    if (!IsRank(m_nMainRank))
        return 0.0;
    return RowProbability<CQuadsAgainstQuadsFormula>(
        n, CCardDistributionWM(static_cast<unsigned>(m_nKnownCards), m_anKnownRankCountsAceHigh, 13,
                               AceHigh(m_nMainRank)));
}

double CCardDistributionManager::GetHigherStraightFlushProbability(unsigned n)
{
    if (!IsStraightTop(m_nHighCard))
        return 0.0;
    return RowProbability<CStraightFlushAgainstStraightFlushFormula>(
        n, C2IndexesCardDistributionWHighCard(static_cast<unsigned>(m_nKnownCards), &m_anCardCounts[0][0],
                                              m_nHighCard));
}

void CCardDistributionManager::AppendHigherFormationRow(TRows& rows, unsigned n, double* total)
{
    int id = 0;
    double p = 0.0;
    switch (m_nFormation) {
    case fmNothing:
    case fmHighCard:
    case fmTwoHighCards:
    case fmThreeSuited:
    case fmFourSuited:
    case fmThreeStraight:
    case fmFourStraight:
    case fmOpenEndedStraight: {
        // Hands without a pair; an incomplete one has no such row.
        int nRanks = 0;
        SingleRanks(m_anHandRankCounts, nRanks);
        if (nRanks != kHandSize)
            return;
        id = idHigherHighCard;
        p = GetHigherHighCardProbability(n);
        break;
    }
    case fmOnePair: id = idHigherPair; p = GetHigherPairProbability(n); break;
    case fmTwoPairs: id = idHigherTwoPair; p = GetHigherTwoPairProbability(n); break;
    case fmThreeOfAKind: id = idHigherThreeOfAKind; p = GetHigherThreeOfAKindProbability(n); break;
    case fmStraight: id = idHigherStraight; p = GetHigherStraightProbability(n); break;
    case fmFlush: id = idHigherFlush; p = GetHigherFlushProbability(n); break;
    case fmFullHouse: id = idHigherFullHouse; p = GetHigherFullHouseProbability(n); break;
    case fmFourOfAKind: id = idHigherFourOfAKind; p = GetHigherFourOfAKindProbability(n); break;
    case fmStraightFlush:
    case fmRoyalFlush: id = idHigherStraightFlush; p = GetHigherStraightFlushProbability(n); break;
    default: return;
    }
    if (total)
        *total += p;
    AppendRow(rows, id, p);
}

double CCardDistributionManager::AppendFormationRowsAbove(TRows& rows, unsigned n, double* total)
{
    const int f = m_nFormation;
    auto append = [&](int id, double p) {
        if (total)
            *total += p;
        AppendRow(rows, id, p);
    };
    int nStraightFlushCarriers = 1;  // the straight-flush row itself
    if (f <= fmOpenEndedStraight)
        append(idOnePair, GetOnePairProbability(n));
    if (f <= fmOnePair)
        append(idTwoPair, GetTwoPairProbability(n));
    if (f <= fmTwoPairs)
        append(idThreeOfAKind, GetThreeOfAKindProbability(n));
    if (f <= fmThreeOfAKind) {
        append(idStraight, GetStraightProbability(n));
        ++nStraightFlushCarriers;
    }
    if (f <= fmStraight) {
        append(idFlush, GetFlushProbability(n));
        ++nStraightFlushCarriers;
    }
    if (f <= fmFlush)
        append(idFullHouse, GetFullHouseProbability(n));
    if (f <= fmFullHouse)
        append(idFourOfAKind, GetFourOfAKindProbability(n));
    const double pStraightFlush = GetStraightFlushProbability(n);
    append(idStraightFlush, pStraightFlush);
    // The straight and flush rows hold the straight flushes as well.
    return (nStraightFlushCarriers - 1) * pStraightFlush;
}

void CCardDistributionManager::BuildOneOpponentTable(TRows& rows)
{
    // clear() keeps the caller's storage for the next build; a new array gets
    // all its room at once.
    rows.clear();
    rows.reserve(kMostRows);
    double total = 0.0;
    const int f = m_nFormation;
    if (f >= fmNothing && f <= fmRoyalFlush)
        AppendHigherFormationRow(rows, 1, &total);
    if (f >= fmNothing && f <= fmFourOfAKind) {
        const double countedAgain = AppendFormationRowsAbove(rows, 1, &total);
        total -= countedAgain;
    }
    AppendRow(rows, idHigherFormation, total);
}

void CCardDistributionManager::BuildAtLeastOneOpponentTable(TRows& rows, unsigned nOpponents, double pHigherForOne)
{
    rows.clear();
    rows.reserve(kMostRows);
    const int f = m_nFormation;
    if (f >= fmNothing && f <= fmRoyalFlush)
        AppendHigherFormationRow(rows, nOpponents, nullptr);
    if (f >= fmNothing && f <= fmFourOfAKind)
        AppendFormationRowsAbove(rows, nOpponents, nullptr);
    CAtLeastOneOpponent2AchieveEventFormula atLeastOne;
    AppendRow(rows, idHigherFormation,
              atLeastOne.GetAtLeastOneProbability(static_cast<unsigned>(m_nKnownCards), nOpponents, pHigherForOne));
}
