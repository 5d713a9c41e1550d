#pragma once

#include <vector>

// The engine's one stateful object: the cards the player has seen in this
// game, the ones he threw away, the analysis of his hand and the builders of
// the two results tables. The cards become known and discarded through
// MarkKnown and MarkDiscarded; the analysis fields are public for the texts.
class CCardDistributionManager {
public:
    // One row of a results table.
    struct TProbabilitityDisplayInfo {
        int m_nFormationNameId;  // string id of the row's label
        double m_dProbability;   // in [0, 1]
        double m_dOdds;          // odds against, (1 - p) / p; -1.0 when p is 0
    };
    using TRows = std::vector<TProbabilitityDisplayInfo>;

    CCardDistributionManager();
    virtual ~CCardDistributionManager() = default;

    // Forgets the game: no card known or discarded, codes 0, suit fields -1,
    // lists empty. The rank fields stay until the next analysis.
    void Reset();

    // Cards by index 0..51; an index outside that range is ignored and never
    // known or discarded.
    void MarkKnown(int card);
    void MarkDiscarded(int card);
    bool IsKnown(int card) const;
    bool IsDiscarded(int card) const;

    // Hand analysis of the current hand (known cards less the discarded).
    void AnalyzeHand();
    int FindStraightCards();
    int FindSuitedCards();
    void ClassifyFourStraight(int position);
    void ClassifyThreeStraight(int position);

    // Services for the discard advice; valid after AnalyzeHand.
    double GetStraightDrawPercent() const;
    double GetStraightFlushDrawPercent() const;
    int CountStraightFlushDraws();

    // -1.0 when p is 0, else (1 - p) / p.
    static double GetOdds(double p);

    // Table 1: one opponent. Table 2: at least one of nOpponents (1..5), with
    // pHigherForOne the closing probability of table 1.
    void BuildOneOpponentTable(TRows& rows);
    void BuildAtLeastOneOpponentTable(TRows& rows, unsigned nOpponents, double pHigherForOne);

    // One operation per row kind: the chance that at least one of n opponents
    // holds the row's formation.
    double GetOnePairProbability(unsigned n);
    double GetTwoPairProbability(unsigned n);
    double GetThreeOfAKindProbability(unsigned n);
    double GetStraightProbability(unsigned n);
    double GetFlushProbability(unsigned n);
    double GetFullHouseProbability(unsigned n);
    double GetFourOfAKindProbability(unsigned n);
    double GetStraightFlushProbability(unsigned n);
    double GetHigherHighCardProbability(unsigned n);
    double GetHigherPairProbability(unsigned n);
    double GetHigherTwoPairProbability(unsigned n);
    double GetHigherThreeOfAKindProbability(unsigned n);
    double GetHigherStraightProbability(unsigned n);
    double GetHigherFlushProbability(unsigned n);
    double GetHigherFullHouseProbability(unsigned n);
    double GetHigherFourOfAKindProbability(unsigned n);
    double GetHigherStraightFlushProbability(unsigned n);

    int m_anHandSuitCounts[4];
    int m_anHandRankCounts[13];
    int m_anKnownSuitCounts[4];
    int m_anKnownRankCounts[13];
    int m_anKnownRankCountsAceHigh[13];
    std::vector<unsigned> m_arrHandRanks;
    std::vector<unsigned> m_arrHandSuits;
    int m_nKnownCards;
    int m_nMainRank;
    int m_nHighCard;
    int m_nPairRank;
    int m_nFirstPair;
    int m_nSecondPair;
    int m_nStraightDrawKind;
    int m_nThreeSuit;
    int m_nFourSuit;
    std::vector<unsigned> m_arrThreeStraightStarts;
    std::vector<unsigned> m_arrFourStraightStarts;
    int m_nFormation;
    int m_nDrawCode;
    int m_anCardCounts[4][13];
    bool m_abDiscarded[4][13];
    int m_nStraightFlushDraws;

private:
    // Table-building steps shared by both tables. A null total appends the
    // rows without summing them.
    void AppendHigherFormationRow(TRows& rows, unsigned n, double* total);
    // Returns the part of the rows' sum that counts straight flushes again.
    double AppendFormationRowsAbove(TRows& rows, unsigned n, double* total);
};
