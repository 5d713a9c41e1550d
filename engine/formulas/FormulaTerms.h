#pragma once

// Per-rank and per-window terms shared by the plain formation formulas and
// their "higher" counterparts, which sum the same terms over fewer ranks or
// windows. Per-rank factors are small integer products; every sum is a double.
// A rank with c known cards has m = 4 - c unseen ones; k is the number of
// known cards.

namespace FormulaTerms {

// 2 C(m, 2): unseen pairs of the rank, doubled.
inline int PairFactor(int c) { return (4 - c) * (3 - c); }

// 6 C(m, 3).
inline int TripleFactor(int c) { return (4 - c) * (3 - c) * (2 - c); }

// 24 C(m, 4).
inline int QuadFactor(int c) { return (4 - c) * (3 - c) * (2 - c) * (1 - c); }

// Aggregates over a range of ranks: A, B and D of the pair-family counts.
struct TRankSums {
    double m_dTriples = 0.0;       // A = sum C(m, 3)
    double m_dPairs = 0.0;         // B = sum C(m, 2)
    double m_dWeightedPairs = 0.0; // D = sum C(m, 2) (44 - k + c): pairs times the cards outside their rank, less 4
};

// Sums over the ranks from..to-1 of the count array.
inline TRankSums SumRanks(const int* counts, int from, int to, int known)
{
    TRankSums sums;
    for (int r = from; r < to; ++r) {
        const int c = counts[r];
        const int pairs = PairFactor(c) / 2;
        sums.m_dTriples += TripleFactor(c) / 6;
        sums.m_dPairs += pairs;
        sums.m_dWeightedPairs += pairs * (44 - known + c);
    }
    return sums;
}

// 12 C(m_r, 2) K_r, K_r being the sets of three kickers of distinct ranks
// other than r: all three-card sets of the other ranks, less those holding a
// triple or a pair of another rank. The global A, D and B include rank r's
// own triples and pairs, which the last terms put back.
inline double OnePairTerm(int c, int known, const TRankSums& all)
{
    const int n = 48 - known + c;
    const int pair = PairFactor(c);
    return (n * (n - 1) * (n - 2) - 6.0 * all.m_dTriples + TripleFactor(c) - 6.0 * all.m_dWeightedPairs
            - 6.0 * c * all.m_dPairs + 3 * (2 * c + 44 - known) * pair)
           * pair;
}

// 4 C(m_r, 2) times the pairs of the other ranks in `pairs`, each with a
// fifth card of neither rank. `pairs` holds B and D over the ranks the
// second pair may come from (all ranks, or a subset that includes r).
inline double TwoPairsTerm(int c, int known, const TRankSums& pairs)
{
    const int pair = PairFactor(c);
    return (2.0 * c * pairs.m_dPairs + 2.0 * pairs.m_dWeightedPairs - (2 * c + 44 - known) * pair) * pair;
}

// 12 C(m_r, 3) times the two kickers of other ranks that are not a pair.
inline double ThreePiecesTerm(int c, int known, const TRankSums& all)
{
    const int n = 48 - known + c;
    return (n * (n - 1) - 2.0 * all.m_dPairs + PairFactor(c)) * TripleFactor(c);
}

// 12 C(m_r, 3) times the pairs of the other ranks.
inline double FullTerm(int c, const TRankSums& all)
{
    return (2.0 * all.m_dPairs - PairFactor(c)) * TripleFactor(c);
}

// 24 C(m_r, 4) times any other unseen card.
inline double QuadsTerm(int c, int known)
{
    return static_cast<double>((48 - known + c) * QuadFactor(c));
}

// Straights of the plain window whose lowest rank is `first` (Ace-to-Five up
// to Nine-to-King): one unseen card of each of its five ranks.
inline int StraightWindowProduct(const int* counts, int first)
{
    return (4 - counts[first]) * (4 - counts[first + 1]) * (4 - counts[first + 2]) * (4 - counts[first + 3])
           * (4 - counts[first + 4]);
}

// Ten to Ace: the last four ranks and the Ace at index 0.
inline int TopStraightWindowProduct(const int* counts, int nCounts)
{
    return (4 - counts[nCounts - 4]) * (4 - counts[nCounts - 3]) * (4 - counts[nCounts - 2])
           * (4 - counts[nCounts - 1]) * (4 - counts[0]);
}

// 1 when the five cards of the plain window from `first` are all unseen in
// this suit's row of the known-card matrix.
inline int StraightFlushWindowProduct(const int* suitRow, int first)
{
    return (1 - suitRow[first]) * (1 - suitRow[first + 1]) * (1 - suitRow[first + 2]) * (1 - suitRow[first + 3])
           * (1 - suitRow[first + 4]);
}

// The royal flush of the suit.
inline int TopStraightFlushWindowProduct(const int* suitRow)
{
    return (1 - suitRow[9]) * (1 - suitRow[10]) * (1 - suitRow[11]) * (1 - suitRow[12]) * (1 - suitRow[0]);
}

// Sets of distinct ranks as Ace-high rank bits (bit 12 the Ace). Of two sets
// of as many ranks, read highest first as kickers are, the one holding the
// highest rank that the other lacks is the higher.
inline bool IsHigherRankSet(unsigned a, unsigned b)
{
    for (unsigned bit = 1u << 12; bit != 0; bit >>= 1)
        if ((a ^ b) & bit)
            return (a & bit) != 0;
    return false;
}

// The straights' rank sets: Two-to-Six up to Ten-to-Ace, then the wheel.
constexpr int kStraightRankSets = 10;
inline unsigned StraightRankSet(int i)
{
    return i < 9 ? 0x1Fu << i : (1u << 12) | 0xFu;
}

// Sum, over the sets of `size` distinct ranks higher than the player's
// `player` (as many Ace-high rank bits), of the product of the ranks'
// weights, weights[r] being the cards of Ace-high rank r that may be taken.
// A higher set keeps the player's top i ranks, then takes a rank x above his
// next one (and below the last kept), then any size - i - 1 ranks below x:
// below[x][j] sums the products of j distinct weights under rank x. At most
// five ranks.
inline double SumHigherRankSets(const int* weights, unsigned player, int size)
{
    // x outermost: the sizes' sums do not wait on one another.
    double below[14][6];
    below[0][0] = 1.0;
    for (int j = 1; j <= size; ++j)
        below[0][j] = 0.0;
    for (int x = 0; x < 13; ++x) {
        below[x + 1][0] = 1.0;
        for (int j = 1; j <= size; ++j)
            below[x + 1][j] = below[x][j] + weights[x] * below[x][j - 1];
    }
    double sum = 0.0;
    double kept = 1.0;
    int ceiling = 13;
    int left = size;
    for (int r = 12; r >= 0 && left > 0 && kept != 0.0; --r) {
        if (!(player >> r & 1u))
            continue;
        --left;
        for (int x = r + 1; x < ceiling; ++x)
            sum += kept * weights[x] * below[x][left];
        kept *= weights[r];
        ceiling = r;
    }
    return sum;
}

// 120 C(u, 5).
inline int FiveCardFactor(int u)
{
    return u * (u - 1) * (u - 2) * (u - 3) * (u - 4);
}

} // namespace FormulaTerms
