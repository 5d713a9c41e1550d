#pragma once

#include <string>

// The read-only view of the unseen deck that a formula receives. Owns nothing:
// m_pCounts points into the manager's arrays.
class CCardDistribution {
public:
    CCardDistribution(unsigned nKnownCards, const int* pCounts, unsigned nCounts)
        : m_nKnownCards(nKnownCards), m_pCounts(pCounts), m_nCounts(nCounts) {}
    virtual ~CCardDistribution() = default;

    // Appends the counts as "c-c-...-" and a "\r\n"; for inspection only.
    virtual void Dump(std::string& text) const;

    unsigned m_nKnownCards;
    const int* m_pCounts;
    unsigned m_nCounts;
};

class CCardDistributionWM : public CCardDistribution {
public:
    CCardDistributionWM(unsigned nKnownCards, const int* pCounts, unsigned nCounts, int nCard)
        : CCardDistribution(nKnownCards, pCounts, nCounts), m_nCard(nCard) {}
    int m_nCard;
};

// The high card is held in the inherited m_nCard.
class CCardDistributionWHighCard : public CCardDistributionWM {
public:
    using CCardDistributionWM::CCardDistributionWM;
};

class CCardDistributionWHighCardAndPairCard : public CCardDistributionWHighCard {
public:
    CCardDistributionWHighCardAndPairCard(unsigned nKnownCards, const int* pCounts, unsigned nCounts,
                                          int nCard, int nPairCard)
        : CCardDistributionWHighCard(nKnownCards, pCounts, nCounts, nCard), m_nPairCard(nPairCard) {}
    int m_nPairCard;
};

// The pair's rank in the inherited m_nCard; the three kickers as Ace-high
// rank bits.
class CCardDistributionWPairAndKickers : public CCardDistributionWM {
public:
    CCardDistributionWPairAndKickers(unsigned nKnownCards, const int* pCounts, unsigned nCounts, int nPairCard,
                                     unsigned nKickers)
        : CCardDistributionWM(nKnownCards, pCounts, nCounts, nPairCard), m_nKickers(nKickers) {}
    unsigned m_nKickers;
};

class CCardDistributionWHighCardAnd2PairCards : public CCardDistributionWHighCardAndPairCard {
public:
    CCardDistributionWHighCardAnd2PairCards(unsigned nKnownCards, const int* pCounts, unsigned nCounts,
                                            int nCard, int nPairCard, int nSecondPairCard)
        : CCardDistributionWHighCardAndPairCard(nKnownCards, pCounts, nCounts, nCard, nPairCard),
          m_nSecondPairCard(nSecondPairCard) {}
    int m_nSecondPairCard;
};

// m_pCounts addresses the 4 x 13 known-card matrix, read as [suit][rank]
// (entry 13 x suit + rank); m_nCounts is 0.
class C2IndexesCardDistribution : public CCardDistribution {
public:
    C2IndexesCardDistribution(unsigned nKnownCards, const int* pMatrix)
        : CCardDistribution(nKnownCards, pMatrix, 0) {}
};

class C2IndexesCardDistributionWHighCard : public C2IndexesCardDistribution {
public:
    C2IndexesCardDistributionWHighCard(unsigned nKnownCards, const int* pMatrix, int nHighCard)
        : C2IndexesCardDistribution(nKnownCards, pMatrix), m_nHighCard(nHighCard) {}
    int m_nHighCard;
};

// The five ranks of the player's flush as Ace-high rank bits.
class C2IndexesCardDistributionWRanks : public C2IndexesCardDistribution {
public:
    C2IndexesCardDistributionWRanks(unsigned nKnownCards, const int* pMatrix, unsigned nRanks)
        : C2IndexesCardDistribution(nKnownCards, pMatrix), m_nRanks(nRanks) {}
    unsigned m_nRanks;
};
