#include "PlainTable.h"

#include "BruteForce.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>

namespace {

unsigned KeepRanks(const int hand[5], std::vector<int> ranks)
{
    unsigned keep = 0;
    for (int i = 0; i < 5; ++i)
        if (std::find(ranks.begin(), ranks.end(), AceHighRank(hand[i])) != ranks.end())
            keep |= 1u << i;
    return keep;
}

} // namespace

TTableSetup TableSetupOf(const std::string& hand, int opponents, const std::vector<int>& drew,
                         const std::string& seen, const std::vector<const char*>& ranges)
{
    TTableSetup setup;
    const std::vector<int> cards = Cards(hand);
    std::copy(cards.begin(), cards.end(), setup.m_anHand);
    for (int c : Cards(seen))
        setup.m_abSeen[c] = true;
    setup.m_nOpponents = opponents;
    std::copy(drew.begin(), drew.end(), setup.m_anDrew);
    for (size_t o = 0; o < ranges.size(); ++o) {
        std::string bad;
        if (!CHandRange::Parse(ranges[o], CHandRange::kDefaultOpenRank, setup.m_aRanges[o], bad))
            std::abort();  // a typo in the test
    }
    return setup;
}

void LeaveUnseen(TTableSetup& setup, const std::string& unseen)
{
    std::fill(setup.m_abSeen, setup.m_abSeen + 52, true);
    for (int card : setup.m_anHand)
        setup.m_abSeen[card] = false;
    for (int card : Cards(unseen))
        setup.m_abSeen[card] = false;
}

std::vector<int> UnseenAt(const TTableSetup& setup)
{
    std::vector<int> known(setup.m_anHand, setup.m_anHand + 5);
    for (int c = 0; c < 52; ++c)
        if (setup.m_abSeen[c])
            known.push_back(c);
    return Unseen(known);
}

unsigned PlainUsualKeep(const int hand[5])
{
    const TPlainHand plain = ClassifyPlain(hand);
    if (plain.m_nCategory >= pcStraight)
        return 31;
    if (plain.m_nCategory == pcThreeOfAKind)
        return KeepRanks(hand, {plain.m_nTriple});
    if (plain.m_nCategory == pcTwoPair)
        return KeepRanks(hand, {plain.m_nHighPair, plain.m_nLowPair});
    if (plain.m_nCategory == pcOnePair)
        return KeepRanks(hand, {plain.m_nPair});
    if (const unsigned keep = FourSuitedMask(hand))
        return keep;
    if (const unsigned keep = OpenEndedMask(hand))
        return keep;
    for (int rank : {12, 11})
        for (int i = 0; i < 5; ++i)
            if (AceHighRank(hand[i]) == rank)
                return 1u << i;
    return 0;
}

std::vector<TPlainHoldFigures> PlainTableSimulation(const TTableSetup& setup, const std::vector<unsigned>& holds)
{
    const std::vector<int> unseen = UnseenAt(setup);
    const std::vector<unsigned> masks = setup.m_bFinal ? std::vector<unsigned>{31} : holds;
    const bool drawing = setup.m_eModel == ETableModel::UsualPlay;
    const int opponents = setup.m_nOpponents;
    std::mt19937_64 random(setup.m_nSeed);

    std::vector<double> shares(masks.size()), squares(masks.size());
    std::vector<int> deck = unseen;
    for (std::uint64_t t = 0; t < setup.m_nTrials; ++t) {
        // Deal from the top of a freshly shuffled deck, and deal again from
        // the start as soon as a seen opponent's five do not fit: the whole
        // deal is rejected, never one hand.
        auto dealOne = [&](size_t i) {
            std::swap(deck[i], deck[std::uniform_int_distribution<size_t>(i, deck.size() - 1)(random)]);
        };
        for (bool fits = false; !fits;) {
            fits = true;
            for (int o = 0; o < opponents && fits; ++o) {
                for (int i = 0; i < 5; ++i)
                    dealOne(static_cast<size_t>(5 * o + i));
                const int* hand = &deck[static_cast<size_t>(5 * o)];
                if (setup.m_anDrew[o] != kDrawUnseen)
                    fits = 5 - __builtin_popcount(PlainUsualKeep(hand)) == setup.m_anDrew[o];
                fits = fits && setup.m_aRanges[o].Contains(hand);
            }
        }
        for (size_t i = static_cast<size_t>(5 * opponents); i + 1 < deck.size(); ++i)
            dealOne(i);
        for (size_t h = 0; h < masks.size(); ++h) {
            std::vector<int> stub(deck.begin() + 5 * opponents, deck.end());
            size_t next = 0;
            int player[5];
            for (int i = 0; i < 5; ++i)
                player[i] = masks[h] >> i & 1u ? setup.m_anHand[i] : stub[next++];
            const auto mine = ClassifyPlain(player).m_anRanking;

            std::vector<int> discards;  // the opponents' who have drawn, not yet reshuffled
            std::array<int, 6> best;
            best.fill(-2);
            int atBest = 0;
            for (int o = 0; o < opponents; ++o) {
                int hand[5];
                std::copy(&deck[static_cast<size_t>(5 * o)], &deck[static_cast<size_t>(5 * o + 5)], hand);
                if (drawing) {
                    const unsigned keep = PlainUsualKeep(hand);
                    std::vector<int> mine5;
                    for (int i = 0; i < 5; ++i)
                        if (!(keep >> i & 1u)) {
                            mine5.push_back(hand[i]);
                            if (next == stub.size()) {
                                stub = discards;
                                std::shuffle(stub.begin(), stub.end(), random);
                                discards.clear();
                                next = 0;
                            }
                            hand[i] = stub[next++];
                        }
                    discards.insert(discards.end(), mine5.begin(), mine5.end());
                }
                const auto theirs = ClassifyPlain(hand).m_anRanking;
                if (theirs > best) {
                    best = theirs;
                    atBest = 1;
                } else if (theirs == best) {
                    ++atBest;
                }
            }
            const double share = mine > best ? 1 : mine == best ? 1.0 / (atBest + 1) : 0;
            shares[h] += share;
            squares[h] += share * share;
        }
    }
    std::vector<TPlainHoldFigures> figures;
    const double n = static_cast<double>(setup.m_nTrials);
    for (size_t h = 0; h < masks.size(); ++h) {
        TPlainHoldFigures f;
        f.m_nKeepMask = masks[h];
        f.m_nTrials = setup.m_nTrials;
        f.m_dPotShare = shares[h] / n;
        f.m_dVariance = n > 1 ? std::max(0.0, (squares[h] - shares[h] * shares[h] / n) / (n - 1)) : 0;
        figures.push_back(f);
    }
    return figures;
}
