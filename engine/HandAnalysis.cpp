#include "CardDistributionManager.h"
#include "Cards.h"

namespace {

// Stands for the Ace above the King while the straight search runs.
constexpr unsigned kAceAboveKing = 13;

} // namespace

void CCardDistributionManager::AnalyzeHand()
{
    m_nKnownCards = 0;
    m_arrHandRanks.clear();
    m_arrHandSuits.clear();
    m_nHighCard = -1;
    m_nPairRank = -1;
    m_nFirstPair = -1;
    m_nSecondPair = -1;
    m_nMainRank = -1;

    for (int r = 0; r < kRankCount; ++r) {
        m_anHandRankCounts[r] = 0;
        m_anKnownRankCounts[r] = 0;
    }
    // Suit by suit, reading each row of the matrix in order. Every card seen
    // counts as known; a discarded one is no longer in the hand.
    for (int s = 0; s < kSuitCount; ++s) {
        int handSuit = 0;
        int knownSuit = 0;
        for (int r = 0; r < kRankCount; ++r) {
            const int c = m_anCardCounts[s][r];
            const int inHand = m_abDiscarded[s][r] ? 0 : c;
            m_anHandRankCounts[r] += inHand;
            m_anKnownRankCounts[r] += c;
            handSuit += inHand;
            knownSuit += c;
        }
        m_anHandSuitCounts[s] = handSuit;
        m_anKnownSuitCounts[s] = knownSuit;
        m_nKnownCards += knownSuit;
    }
    for (int r = 0; r < kRankCount; ++r)
        if (m_anHandRankCounts[r] != 0)
            m_arrHandRanks.push_back(static_cast<unsigned>(r));
    for (int r = 1; r < kRankCount; ++r)
        m_anKnownRankCountsAceHigh[r - 1] = m_anKnownRankCounts[r];
    m_anKnownRankCountsAceHigh[12] = m_anKnownRankCounts[0];

    for (int s = 0; s < kSuitCount; ++s)
        if (m_anHandSuitCounts[s] != 0)
            m_arrHandSuits.push_back(static_cast<unsigned>(s));

    m_nFormation = fmNothing;
    m_nDrawCode = dcNone;
    const std::vector<unsigned>& A = m_arrHandRanks;
    const std::size_t n = A.size();

    if (n == 2) {
        // Four of a kind or full house: the count of the lower rank decides.
        switch (m_anHandRankCounts[A[0]]) {
        case 1: m_nFormation = fmFourOfAKind; m_nMainRank = static_cast<int>(A[1]); break;
        case 2: m_nFormation = fmFullHouse; m_nMainRank = static_cast<int>(A[1]); break;
        case 3: m_nFormation = fmFullHouse; m_nMainRank = static_cast<int>(A[0]); break;
        case 4: m_nFormation = fmFourOfAKind; m_nMainRank = static_cast<int>(A[0]); break;
        default: break;
        }
    } else if (n == 3) {
        // Three of a kind or two pairs.
        for (std::size_t i = 0; i < n; ++i) {
            const int r = static_cast<int>(A[i]);
            const int c = m_anHandRankCounts[r];
            if (c == 3) {
                m_nFormation = fmThreeOfAKind;
                m_nMainRank = r;
                if (FindStraightCards() == 3)
                    m_nDrawCode = dcThreeStraight;
                else if (FindSuitedCards() == 3)
                    m_nDrawCode = dcThreeSuited;
                return;
            }
            if (c == 1)
                m_nHighCard = r;
            else if (c == 2) {
                if (m_nFirstPair == -1)
                    m_nFirstPair = r;
                else
                    m_nSecondPair = r;
            }
        }
        m_nFormation = fmTwoPairs;
        if (FindStraightCards() == 3)
            m_nDrawCode = dcThreeStraight;
        else if (FindSuitedCards() == 3)
            m_nDrawCode = dcThreeSuited;
        else if (m_nHighCard >= 0 && IsHighCard(m_nHighCard))
            m_nDrawCode = dcHighCard;
    } else if (n == 4) {
        // One pair. The kicker is the highest unpaired rank, the Ace on top.
        for (std::size_t i = 0; i < n; ++i) {
            const int r = static_cast<int>(A[i]);
            if (m_anHandRankCounts[r] == 2)
                m_nPairRank = r;
        }
        for (std::size_t i = 0; i < n; ++i) {
            const int r = static_cast<int>(A[i]);
            if (r == m_nPairRank)
                continue;
            if (r == 0) {
                m_nHighCard = 0;
                break;
            }
            m_nHighCard = r;  // ascending, so the last one is the largest
        }

        m_nFormation = fmOnePair;
        const int s = FindStraightCards();
        const int t = FindSuitedCards();
        if (s == 4) {
            const bool bOpenEnded = A[0] != 0 && A[1] == A[0] + 1 && A[2] == A[0] + 2 && A[3] == A[0] + 3;
            m_nDrawCode = bOpenEnded ? dcOpenEndedStraight : dcFourStraight;
        } else if (t == 4) {
            m_nDrawCode = dcFourSuited;
        } else if (s == 3) {
            m_nDrawCode = dcThreeStraight;
        } else if (t == 3) {
            m_nDrawCode = dcThreeSuited;
        } else {
            m_nDrawCode = dcNone;
            for (std::size_t i = 0; i < n; ++i) {
                const int r = static_cast<int>(A[i]);
                if (r == m_nPairRank || !IsHighCard(r))
                    continue;
                if (m_nDrawCode == dcHighCard) {
                    m_nDrawCode = dcTwoHighCards;
                    break;
                }
                m_nDrawCode = dcHighCard;
            }
        }
    } else if (n == 5) {
        // No pair: straight, flush, both, or a draw to one of them.
        const bool bBroadway = A[0] == 0 && A[1] == 9 && A[2] == 10 && A[3] == 11 && A[4] == 12;
        const bool bRun = A[1] == A[0] + 1 && A[2] == A[0] + 2 && A[3] == A[0] + 3 && A[4] == A[0] + 4;
        const bool bStraight = bRun || bBroadway;
        const bool bFlush = m_arrHandSuits.size() == 1;
        const bool bAceOnTop = A[0] == 0 && A[4] == 12;

        if (bStraight && bFlush) {
            m_nFormation = bAceOnTop ? fmRoyalFlush : fmStraightFlush;
            m_nHighCard = bAceOnTop ? 0 : static_cast<int>(A[4]);
        } else if (bStraight) {
            m_nFormation = fmStraight;
            m_nHighCard = bAceOnTop ? 0 : static_cast<int>(A[4]);
        } else if (bFlush) {
            m_nFormation = fmFlush;
            m_nHighCard = A[0] == 0 ? 0 : static_cast<int>(A[4]);
        } else {
            const std::size_t firstFourStart = m_arrFourStraightStarts.size();
            const int s = FindStraightCards();
            if (s == 3) {
                m_nFormation = fmThreeStraight;
            } else if (s == 4) {
                // Read a window with positions past the end wrapping to the
                // start, so an Ace above the King reads as the Ace and breaks
                // the run.
                auto isOpenEnded = [&](std::size_t p) {
                    const unsigned a = A[p % n];
                    return a != 0 && A[(p + 1) % n] == a + 1 && A[(p + 2) % n] == a + 2 && A[(p + 3) % n] == a + 3;
                };
                auto isOneSuit = [&](std::size_t p) {
                    for (int suit = 0; suit < kSuitCount; ++suit) {
                        int inSuit = 0;
                        for (std::size_t j = 0; j < 4; ++j)
                        {
                            const unsigned rank = A[(p + j) % n];
                            inSuit += m_anCardCounts[suit][rank] != 0 && !m_abDiscarded[suit][rank] ? 1 : 0;
                        }
                        if (inSuit == 4)
                            return true;
                    }
                    return false;
                };
                // Of two windows the open-ended one is the better draw, unless
                // the last one is a straight-flush draw: that one is named.
                const std::size_t last = m_arrFourStraightStarts.back();
                bool bOpenEnded = isOpenEnded(last);
                if (!bOpenEnded && !isOneSuit(last)) {
                    for (std::size_t k = firstFourStart; k + 1 < m_arrFourStraightStarts.size(); ++k)
                        if (isOpenEnded(m_arrFourStraightStarts[k]))
                            bOpenEnded = true;
                    if (bOpenEnded)
                        m_nStraightDrawKind = 1;
                }
                m_nFormation = bOpenEnded ? fmOpenEndedStraight : fmFourStraight;
            }

            const int t = FindSuitedCards();
            if (t == 3) {
                if (m_nFormation == fmNothing)
                    m_nFormation = fmThreeSuited;
                else
                    m_nDrawCode = dcThreeSuited;
            } else if (t == 4) {
                if (m_nFormation == fmNothing)
                    m_nFormation = fmFourSuited;
                else
                    m_nDrawCode = dcFourSuited;
            } else if (m_nFormation == fmNothing) {
                int nHigh = 0;
                for (std::size_t i = 0; i < n && nHigh < 2; ++i)
                    if (IsHighCard(static_cast<int>(A[i])))
                        ++nHigh;
                if (nHigh == 1)
                    m_nFormation = fmHighCard;
                else if (nHigh >= 2)
                    m_nFormation = fmTwoHighCards;
            }
        }
    }
}

int CCardDistributionManager::FindStraightCards()
{
    if (m_arrHandRanks.size() < 3)
        return 0;
    const bool bAce = m_arrHandRanks[0] == 0;
    if (bAce)
        m_arrHandRanks.push_back(kAceAboveKing);

    const std::vector<unsigned>& A = m_arrHandRanks;
    const std::size_t size = A.size();
    bool bFound4 = false;
    bool bFound3 = false;
    for (std::size_t i = 0; i + 3 <= size; ++i) {
        const unsigned limit = A[i] + 4;
        int count = 0;
        for (std::size_t j = i; j < size && A[j] <= limit; ++j)
            ++count;
        if (count == 4) {
            bFound4 = true;
            ClassifyFourStraight(static_cast<int>(i));
            m_arrFourStraightStarts.push_back(static_cast<unsigned>(i));
        } else if (count == 3 && !bFound4) {
            bFound3 = true;
            ClassifyThreeStraight(static_cast<int>(i));
            m_arrThreeStraightStarts.push_back(static_cast<unsigned>(i));
        }
    }

    if (bAce)
        m_arrHandRanks.pop_back();
    return bFound4 ? 4 : (bFound3 ? 3 : 0);
}

int CCardDistributionManager::FindSuitedCards()
{
    for (unsigned s : m_arrHandSuits) {
        if (m_anHandSuitCounts[s] == 3) {
            m_nThreeSuit = static_cast<int>(s);
            return 3;
        }
        if (m_anHandSuitCounts[s] == 4) {
            m_nFourSuit = static_cast<int>(s);
            return 4;
        }
    }
    return 0;
}

void CCardDistributionManager::ClassifyFourStraight(int position)
{
    const std::vector<unsigned>& A = m_arrHandRanks;
    const std::size_t i = static_cast<std::size_t>(position);
    // Ace-Two-Three-Four and Jack-Queen-King-Ace can be completed at one end
    // only, and a window with a gap at its inside only.
    const bool bOpenEnded = A[i] != 0 && A[i + 3] != kAceAboveKing && A[i + 1] == A[i] + 1 &&
                            A[i + 2] == A[i] + 2 && A[i + 3] == A[i] + 3;
    m_nStraightDrawKind = bOpenEnded ? 1 : 0;
}

void CCardDistributionManager::ClassifyThreeStraight(int position)
{
    const std::vector<unsigned>& A = m_arrHandRanks;
    const std::size_t i = static_cast<std::size_t>(position);
    const unsigned a = A[i];
    const unsigned b = A[i + 1];
    const unsigned c = A[i + 2];
    if (a == 0 || c == kAceAboveKing || (b == a + 2 && c == b + 2))
        m_nStraightDrawKind = 0;
    else if ((b == a + 2 && c == b + 1) || (b == a + 1 && c == b + 2))
        m_nStraightDrawKind = 1;
    else if (a == 1 || c == 12)
        m_nStraightDrawKind = 1;
    else
        m_nStraightDrawKind = 2;
}

double CCardDistributionManager::GetStraightDrawPercent() const
{
    if (m_nDrawCode == dcThreeStraight || m_nFormation == fmThreeStraight) {
        switch (m_nStraightDrawKind) {
        case 0: return 1.48;
        case 1: return 2.96;
        case 2: return 4.44;
        default: return 0.0;
        }
    }
    if (m_nDrawCode == dcFourStraight || m_nDrawCode == dcOpenEndedStraight ||
        m_nFormation == fmFourStraight || m_nFormation == fmOpenEndedStraight) {
        switch (m_nStraightDrawKind) {
        case 0: return 8.51;
        case 1: return 17.021;
        default: return 0.0;
        }
    }
    return 0.0;
}

double CCardDistributionManager::GetStraightFlushDrawPercent() const
{
    switch (m_nStraightDrawKind) {
    case 0: return 2.127;
    case 1: return 4.255;
    default: return 0.0;
    }
}

int CCardDistributionManager::CountStraightFlushDraws()
{
    m_nStraightFlushDraws = 0;
    if (m_nFourSuit == -1)
        return 0;
    const std::size_t n = m_arrHandRanks.size();
    // Start lists may hold an earlier analysis' windows; with no hand ranks
    // there is nothing to read them against.
    if (n == 0)
        return 0;
    const int* known = m_anCardCounts[m_nFourSuit];
    for (unsigned p : m_arrFourStraightStarts) {
        bool bAllKnown = true;
        for (unsigned j = 0; j < 4 && bAllKnown; ++j)
            bAllKnown = known[m_arrHandRanks[(p + j) % n]] == 1;
        if (bAllKnown)
            ++m_nStraightFlushDraws;
    }
    return m_nStraightFlushDraws;
}
