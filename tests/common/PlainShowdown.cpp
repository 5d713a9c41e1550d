#include "PlainShowdown.h"

#include <algorithm>
#include <functional>
#include <utility>

TPlainRanking RankPlain(const int cards[5])
{
    int ranks[5];
    bool flush = true;
    for (int i = 0; i < 5; ++i) {
        const int primary = cards[i] % 13;
        ranks[i] = primary == 0 ? 12 : primary - 1;
        flush = flush && cards[i] / 13 == cards[0] / 13;
    }
    std::sort(ranks, ranks + 5, std::greater<int>());

    // (how many, rank) per distinct rank, the biggest group first.
    std::pair<int, int> groups[5];
    size_t groupCount = 0;
    for (int i = 0; i < 5; ++i) {
        if (groupCount > 0 && groups[groupCount - 1].second == ranks[i])
            ++groups[groupCount - 1].first;
        else
            groups[groupCount++] = {1, ranks[i]};
    }
    // Stable by hand: std::stable_sort's buffer is slow under the sanitizers.
    for (size_t i = 1; i < groupCount; ++i)
        for (size_t j = i; j > 0 && groups[j].first > groups[j - 1].first; --j)
            std::swap(groups[j], groups[j - 1]);

    int straightTop = -1;
    if (groupCount == 5) {
        if (ranks[0] - ranks[4] == 4)
            straightTop = ranks[0];
        else if (ranks[0] == 12 && ranks[1] == 3)
            straightTop = 3;  // 5-4-3-2-A: the Five is on top
    }

    TPlainRanking out;
    out.fill(-1);
    auto fill = [&](int category) {
        out[0] = category;
        for (size_t i = 0; i < groupCount; ++i)
            out[i + 1] = groups[i].second;
    };
    if (straightTop >= 0) {
        out[0] = flush ? 8 : 4;
        out[1] = straightTop;
    } else if (groups[0].first == 4) {
        fill(7);
    } else if (groups[0].first == 3) {
        fill(groupCount == 2 ? 6 : 3);
    } else if (flush) {
        fill(5);
    } else if (groups[0].first == 2) {
        fill(groupCount == 3 ? 2 : 1);
    } else {
        fill(0);
    }
    return out;
}

TPlainShowdown ShowdownPlain(const std::vector<int>& known, const std::vector<int>& hand)
{
    bool isKnown[52] = {};
    for (int c : known)
        isKnown[c] = true;
    std::vector<int> unseen;
    for (int c = 0; c < 52; ++c)
        if (!isKnown[c])
            unseen.push_back(c);

    const TPlainRanking player = RankPlain(hand.data());
    TPlainShowdown n;
    const int u = static_cast<int>(unseen.size());
    int cards[5];
    for (int a = 0; a < u; ++a)
    for (int b = a + 1; b < u; ++b)
    for (int c = b + 1; c < u; ++c)
    for (int d = c + 1; d < u; ++d)
    for (int e = d + 1; e < u; ++e) {
        cards[0] = unseen[a]; cards[1] = unseen[b]; cards[2] = unseen[c];
        cards[3] = unseen[d]; cards[4] = unseen[e];
        const TPlainRanking opponent = RankPlain(cards);
        ++n.m_nHands;
        if (opponent > player)
            ++n.m_nBeating;
        else if (opponent == player)
            ++n.m_nTying;
        else
            ++n.m_nLosing;
    }
    return n;
}
