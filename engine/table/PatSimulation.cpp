#include "PatSimulation.h"

#include "Cards.h"
#include "HandEvaluator.h"
#include "Showdown.h"
#include "TableDeal.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint64_t kBlockTrials = 1024;
constexpr std::uint64_t kLeastBlocks = 4;  // enough deals to trust the variances
constexpr int kShareWhole = 60;            // sixtieths: a j-way tie pays 60 / (j + 1)
constexpr int kShareOfTie[kMaxTableOpponents + 1] = {60, 30, 20, 15, 12, 10};
constexpr double kZ95 = 1.96;
constexpr int kControls = 2;  // opponents above, opponents level

// Sums over the deals of one figure z and its products with the controls.
struct TFigureSums {
    std::uint64_t m_nSum = 0, m_nSquares = 0;
    std::uint64_t m_anWithControl[kControls] = {};

    void Add(std::uint64_t z, const std::uint64_t y[kControls])
    {
        m_nSum += z;
        m_nSquares += z * z;
        for (int c = 0; c < kControls; ++c)
            m_anWithControl[c] += z * y[c];
    }
};

struct TSums {
    std::uint64_t m_nDeals = 0;
    std::uint64_t m_anControl[kControls] = {};
    std::uint64_t m_anControlProducts[kControls][kControls] = {};
    TFigureSums m_share, m_win, m_tie;
};

struct TCorrected {
    double m_dMean = 0;
    double m_dVariance = 0;       // of the corrected figure, per deal
    double m_dPlainVariance = 0;  // of the figure itself, per deal
};

// The figure less its regression on the controls' distance from their exact
// means, least squares over the deals; a control that never varies is left out.
TCorrected Correct(const TSums& sums, const TFigureSums& figure, const double means[kControls], double scale)
{
    const long double n = static_cast<long double>(sums.m_nDeals);
    long double y[kControls], cyy[kControls][kControls], czy[kControls];
    const long double z = static_cast<long double>(figure.m_nSum);
    for (int a = 0; a < kControls; ++a) {
        y[a] = static_cast<long double>(sums.m_anControl[a]);
        czy[a] = static_cast<long double>(figure.m_anWithControl[a]) - z * y[a] / n;
    }
    for (int a = 0; a < kControls; ++a)
        for (int b = 0; b < kControls; ++b)
            cyy[a][b] = static_cast<long double>(sums.m_anControlProducts[a][b]) - y[a] * y[b] / n;
    const long double czz = static_cast<long double>(figure.m_nSquares) - z * z / n;
    long double beta[kControls] = {};
    int used = 0;
    const long double det = cyy[0][0] * cyy[1][1] - cyy[0][1] * cyy[1][0];
    if (cyy[0][0] > 0 && cyy[1][1] > 0 && det > 1e-9L * cyy[0][0] * cyy[1][1]) {
        beta[0] = (cyy[1][1] * czy[0] - cyy[0][1] * czy[1]) / det;
        beta[1] = (cyy[0][0] * czy[1] - cyy[1][0] * czy[0]) / det;
        used = 2;
    } else if (cyy[0][0] > 0) {
        beta[0] = czy[0] / cyy[0][0];
        used = 1;
    } else if (cyy[1][1] > 0) {
        beta[1] = czy[1] / cyy[1][1];
        used = 1;
    }
    long double mean = z / n, residual = czz;
    for (int a = 0; a < kControls; ++a) {
        mean -= beta[a] * (y[a] / n - means[a]);
        residual -= beta[a] * czy[a];
    }
    TCorrected corrected;
    corrected.m_dMean = static_cast<double>(mean / scale);
    const long double freedom = std::max<long double>(1, n - 1 - used);
    // A residual that never strayed in n deals may still stray in one deal
    // in n / 3 (the rule of three): the variance claimed is then that.
    const long double variance = residual / freedom / (scale * scale);
    corrected.m_dVariance = static_cast<double>(variance > 1e-12L ? variance : 3 / n);
    corrected.m_dPlainVariance = static_cast<double>(std::max<long double>(0, czz) / std::max<long double>(1, n - 1) /
                                                     (scale * scale));
    return corrected;
}

// Lose is one less win and tie, deal by deal: its sums follow from theirs.
TFigureSums LoseSums(const TSums& sums)
{
    TFigureSums lose;
    lose.m_nSum = sums.m_nDeals - sums.m_win.m_nSum - sums.m_tie.m_nSum;
    lose.m_nSquares = lose.m_nSum;
    for (int c = 0; c < kControls; ++c)
        lose.m_anWithControl[c] = sums.m_anControl[c] - sums.m_win.m_anWithControl[c] - sums.m_tie.m_anWithControl[c];
    return lose;
}

} // namespace

bool SimulatePatShowdown(const int hand[5], const bool unseen[52], int opponents, std::uint64_t trials,
                         std::uint64_t seed, TPatEstimate& estimate)
{
    if (!IsValidHand(hand) || opponents < 1 || opponents > kMaxTableOpponents || trials == 0)
        return false;
    bool known[kCardCount];
    int rankCode[kCardCount];
    unsigned suitBit[kCardCount];
    int n = 0;
    for (int c = 0; c < kCardCount; ++c) {
        known[c] = !unseen[c];
        if (unseen[c]) {
            rankCode[n] = CHandEvaluator::RankCode(c);
            suitBit[n] = CHandEvaluator::SuitBit(c);
            ++n;
        }
    }
    for (int i = 0; i < kHandSize; ++i)
        if (unseen[hand[i]])
            return false;
    const int dealt = kHandSize * opponents;
    if (n < dealt)
        return false;
    TShowdownCounts one;
    if (!CountShowdown(hand, known, one) || one.m_nHands == 0)
        return false;
    const double means[kControls] = {
        static_cast<double>(opponents) * static_cast<double>(one.m_nBeating) / static_cast<double>(one.m_nHands),
        static_cast<double>(opponents) * static_cast<double>(one.m_nTying) / static_cast<double>(one.m_nHands)};

    const CHandEvaluator& evaluator = CHandEvaluator::Instance();
    const unsigned player = evaluator.HandValue(hand);

    // The controls need every hand looked at. Where they narrow the figures
    // less than looking no further than the first hand above the player
    // saves (weak hands), the deals go plain, with that shortcut. Judged by
    // the one-opponent shares as if the hands were independent.
    const double above = static_cast<double>(one.m_nBeating) / static_cast<double>(one.m_nHands);
    const double noneAbove = std::pow(1 - above, opponents);
    const double gain = noneAbove < 1 && above < 1
                            ? opponents * noneAbove * above / ((1 - noneAbove) * (1 - above))
                            : 0;
    const double looked = above > 0 ? (1 - noneAbove) / above : opponents;
    const bool controlled = (1 - std::min(gain, 1.0)) * opponents < looked;

    // Positions into the deck, shuffled in place: any order is a fine start.
    int order[kCardCount];
    for (int i = 0; i < n; ++i)
        order[i] = i;
    TSums sums;
    TCorrected share, win, tie, lose;
    for (std::uint64_t block = 0; sums.m_nDeals < trials; ++block) {
        CTableRandom random(seed, block);
        CHalfDraws draws(random);
        const std::uint64_t deals = std::min(kBlockTrials, trials - sums.m_nDeals);
        for (std::uint64_t t = 0; t < deals; ++t) {
            std::uint64_t y[kControls] = {};
            int next = 0;
            for (int o = 0; o < opponents; ++o) {
                // Each hand is dealt only when it is looked at.
                for (int i = 0; i < kHandSize; ++i, ++next) {
                    const int pick = next + static_cast<int>(draws.Below(static_cast<unsigned>(n - next)));
                    std::swap(order[next], order[pick]);
                }
                const int* cards = order + next - kHandSize;
                const unsigned value =
                    evaluator.Value(rankCode[cards[0]] + rankCode[cards[1]] + rankCode[cards[2]] + rankCode[cards[3]] +
                                        rankCode[cards[4]],
                                    suitBit[cards[0]] & suitBit[cards[1]] & suitBit[cards[2]] & suitBit[cards[3]] &
                                        suitBit[cards[4]]);
                if (value > player && !controlled) {
                    y[0] = 1;
                    break;
                }
                y[0] += value > player;
                y[1] += value == player;
            }
            const bool none = y[0] == 0;
            if (!controlled)
                y[0] = y[1] = 0;
            sums.m_share.Add(none ? kShareOfTie[y[1]] : 0, y);
            sums.m_win.Add(none && y[1] == 0, y);
            sums.m_tie.Add(none && y[1] > 0, y);
            for (int a = 0; a < kControls; ++a) {
                sums.m_anControl[a] += y[a];
                for (int b = 0; b < kControls; ++b)
                    sums.m_anControlProducts[a][b] += y[a] * y[b];
            }
        }
        sums.m_nDeals += deals;
        if (block + 1 < kLeastBlocks && sums.m_nDeals < trials)
            continue;
        share = Correct(sums, sums.m_share, means, kShareWhole);
        win = Correct(sums, sums.m_win, means, 1);
        tie = Correct(sums, sums.m_tie, means, 1);
        lose = Correct(sums, LoseSums(sums), means, 1);
        // As narrow as `trials` plain deals: variance / deals at most the
        // plain variance / trials, for the pot share, win and lose. Not for
        // a tie, which against three or more is mostly rarer than one deal in
        // a thousand: its interval is the run's, as honest, a little wider.
        const double played = static_cast<double>(sums.m_nDeals), asked = static_cast<double>(trials);
        bool narrow = true;
        for (const TCorrected* figure : {&share, &win, &lose})
            narrow = narrow && figure->m_dVariance * asked <= figure->m_dPlainVariance * played;
        if (narrow)
            break;
    }
    const double deals = static_cast<double>(sums.m_nDeals);
    auto halfWidth = [deals](const TCorrected& figure) { return kZ95 * std::sqrt(figure.m_dVariance / deals); };
    estimate = TPatEstimate{};
    estimate.m_nTrials = sums.m_nDeals;
    estimate.m_dPotShare = std::clamp(share.m_dMean, 0.0, 1.0);
    estimate.m_dWin = std::clamp(win.m_dMean, 0.0, 1.0);
    estimate.m_dTie = std::clamp(tie.m_dMean, 0.0, 1.0);
    estimate.m_dLose = std::clamp(lose.m_dMean, 0.0, 1.0);
    estimate.m_dPotShareError = halfWidth(share);
    estimate.m_dWinError = halfWidth(win);
    estimate.m_dTieError = halfWidth(tie);
    estimate.m_dLoseError = halfWidth(lose);
    return true;
}
