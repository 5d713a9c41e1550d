#include "BruteForce.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>

int AceHighRank(int card)
{
    const int rank = card % 13;
    return rank == 0 ? 12 : rank - 1;
}

std::vector<int> Unseen(const std::vector<int>& known)
{
    bool isKnown[52] = {};
    for (int c : known) isKnown[c] = true;
    std::vector<int> unseen;
    for (int c = 0; c < 52; ++c)
        if (!isKnown[c]) unseen.push_back(c);
    return unseen;
}

TPlainHand ClassifyPlain(const int cards[5])
{
    TPlainHand h;
    int count[13] = {};
    int suits[4] = {};
    for (int i = 0; i < 5; ++i) {
        ++count[AceHighRank(cards[i])];
        ++suits[cards[i] / 13];
    }
    h.m_bFlush = std::find(suits, suits + 4, 5) != suits + 4;

    // Fixed arrays: the enumerations classify millions of hands per state.
    int singles[5], pairs[2];
    int nSingles = 0, nPairs = 0;
    for (int r = 12; r >= 0; --r) {
        if (count[r] == 1) singles[nSingles++] = r;
        if (count[r] == 2) pairs[nPairs++] = r;
        if (count[r] == 3) h.m_nTriple = r;
        if (count[r] == 4) h.m_nQuad = r;
    }
    if (nSingles == 5) {
        if (singles[0] - singles[4] == 4) {
            h.m_bStraight = true;
            h.m_nStraightTop = singles[0];
        } else if (singles[0] == 12 && singles[1] == 3 && singles[4] == 0) {
            h.m_bStraight = true;  // the wheel, Ace to Five
            h.m_nStraightTop = 3;
        }
    }

    if (h.m_bStraight && h.m_bFlush) h.m_nCategory = pcStraightFlush;
    else if (h.m_nQuad >= 0) h.m_nCategory = pcFourOfAKind;
    else if (h.m_nTriple >= 0 && nPairs == 1) h.m_nCategory = pcFullHouse;
    else if (h.m_bFlush) h.m_nCategory = pcFlush;
    else if (h.m_bStraight) h.m_nCategory = pcStraight;
    else if (h.m_nTriple >= 0) h.m_nCategory = pcThreeOfAKind;
    else if (nPairs == 2) {
        h.m_nCategory = pcTwoPair;
        h.m_nHighPair = pairs[0];
        h.m_nLowPair = pairs[1];
    } else if (nPairs == 1) {
        h.m_nCategory = pcOnePair;
        h.m_nPair = pairs[0];
    }

    // A straight ranks by its top; anything else by its groups, the larger
    // group first, then the higher rank.
    h.m_anRanking.fill(-1);
    h.m_anRanking[0] = h.m_nCategory;
    size_t at = 1;
    if (h.m_bStraight) {
        h.m_anRanking[at] = h.m_nStraightTop;
    } else {
        for (int group : {h.m_nQuad, h.m_nTriple})
            if (group >= 0) h.m_anRanking[at++] = group;
        for (int i = 0; i < nPairs; ++i) h.m_anRanking[at++] = pairs[i];
        for (int i = 0; i < nSingles; ++i) h.m_anRanking[at++] = singles[i];
    }
    return h;
}

unsigned FourSuitedMask(const int cards[5])
{
    for (int suit = 0; suit < 4; ++suit) {
        unsigned keep = 0;
        for (int i = 0; i < 5; ++i)
            keep |= (cards[i] / 13 == suit ? 1u : 0u) << i;
        if (__builtin_popcount(keep) == 4) return keep;
    }
    return 0;
}

unsigned OpenEndedMask(const int cards[5])
{
    for (int out = 0; out < 5; ++out) {
        unsigned ranks = 0;  // bit r: Ace-high rank r among the other four
        for (int i = 0; i < 5; ++i)
            if (i != out) ranks |= 1u << AceHighRank(cards[i]);
        if (__builtin_popcount(ranks) == 4 && ranks == (ranks & (0u - ranks)) * 15 && !(ranks >> 12))
            return 31u & ~(1u << out);
    }
    return 0;
}

TBruteForceCounts CountOpponentHands(const std::vector<int>& known, const std::vector<int>& hand)
{
    const bool havePlayer = hand.size() == 5;
    TPlainHand player;
    if (havePlayer) player = ClassifyPlain(hand.data());

    TBruteForceCounts n;
    ForEachFiveOf(Unseen(known), [&](const int* cards) {
        const TPlainHand o = ClassifyPlain(cards);
        n.m_dTotal += 1;
        if (o.m_nCategory != pcStraight && o.m_nCategory != pcFlush) n.m_adPlain[o.m_nCategory] += 1;
        n.m_adPlain[pcStraight] += o.m_bStraight;
        n.m_adPlain[pcFlush] += o.m_bFlush;
        if (!havePlayer) return;

        if (o.m_anRanking > player.m_anRanking) n.m_dRulesAbove += 1;
        else if (o.m_anRanking == player.m_anRanking) n.m_dRulesLevel += 1;
        else n.m_dRulesBelow += 1;

        n.m_dHigher += o.m_nCategory == player.m_nCategory && o.m_anRanking > player.m_anRanking;
    });
    return n;
}

std::vector<int> Cards(const std::string& text)
{
    static const std::string ranks = "A23456789TJQK";
    static const std::string suits = "cdhs";
    std::vector<int> out;
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        const size_t r = word.size() == 2 ? ranks.find(static_cast<char>(std::toupper(static_cast<unsigned char>(word[0]))))
                                          : std::string::npos;
        const size_t s = word.size() == 2 ? suits.find(word[1]) : std::string::npos;
        if (r == std::string::npos || s == std::string::npos) {
            std::fprintf(stderr, "test card typo: %s\n", word.c_str());
            std::abort();
        }
        out.push_back(static_cast<int>(13 * s + r));
    }
    return out;
}

namespace {

void DrawFrom(const std::vector<int>& unseen, size_t from, int cards[5], int held, TDrawCounts& counts)
{
    if (held == 5) {
        counts.m_dTotal += 1;
        const TPlainHand hand = ClassifyPlain(cards);
        counts.m_adCategory[hand.m_nCategory] += 1;
        if (hand.m_nCategory == pcStraightFlush && hand.m_nStraightTop == 12) counts.m_dRoyalFlush += 1;
        return;
    }
    for (size_t i = from; i < unseen.size(); ++i) {
        cards[held] = unseen[i];
        DrawFrom(unseen, i + 1, cards, held + 1, counts);
    }
}

} // namespace

TDrawCounts CountDraws(const std::vector<int>& kept, const std::vector<int>& known)
{
    const std::vector<int> unseen = Unseen(known);
    TDrawCounts counts;
    int cards[5];
    std::copy(kept.begin(), kept.end(), cards);
    DrawFrom(unseen, 0, cards, static_cast<int>(kept.size()), counts);
    return counts;
}
