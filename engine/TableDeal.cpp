#include "TableDeal.h"

#include "Cards.h"
#include "UsualPlay.h"

#include <algorithm>

namespace {

std::uint64_t SplitMix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint32_t Pack(const int cards[5])
{
    std::uint32_t packed = 0;
    for (int i = 0; i < kHandSize; ++i)
        packed |= static_cast<std::uint32_t>(cards[i]) << (6 * i);
    return packed;
}

// Cards kept by a five-bit mask, without a library call for the count.
int KeptCount(unsigned keep)
{
    return static_cast<int>((0x4332322132212110ull >> (4 * (keep & 15u)) & 15u) + (keep >> 4 & 1u));
}

double Choose5(int n)
{
    return n < kHandSize ? 0.0 : static_cast<double>(n) * (n - 1) * (n - 2) * (n - 3) * (n - 4) / 120.0;
}

void SetUsualPlay(TTableDeal& deal, int opponent)
{
    deal.m_anKeep[opponent] = UsualPlayKeepMaskOf(deal.m_anHands[opponent]);
    deal.m_anDraw[opponent] = kHandSize - KeptCount(deal.m_anKeep[opponent]);
}

} // namespace

CTableRandom::CTableRandom(std::uint64_t seed, std::uint64_t stream)
{
    // Mix the stream in through its own splitmix step so that neighbouring
    // streams of one seed start far apart.
    std::uint64_t state = seed;
    state ^= SplitMix(state) + stream * 0xD1B54A32D192ED03ull;
    for (std::uint64_t& word : m_an)
        word = SplitMix(state);
}

std::vector<int> CTableDealer::UnseenOf(const TTableSetup& setup)
{
    bool out[kCardCount] = {};
    for (int c = 0; c < kCardCount; ++c)
        out[c] = setup.m_abSeen[c];
    for (int card : setup.m_anHand)
        if (card >= 0 && card < kCardCount)
            out[card] = true;
    std::vector<int> unseen;
    for (int c = 0; c < kCardCount; ++c)
        if (!out[c])
            unseen.push_back(c);
    return unseen;
}

template <typename TVisit>
void CTableDealer::ForEachUnseenHand(const std::vector<int>& unseen, TVisit visit)
{
    const int n = static_cast<int>(unseen.size());
    int hand[5];
    for (int a = 0; a < n; ++a)
    for (int b = a + 1; b < n; ++b)
    for (int c = b + 1; c < n; ++c)
    for (int d = c + 1; d < n; ++d)
    for (int e = d + 1; e < n; ++e) {
        hand[0] = unseen[a]; hand[1] = unseen[b]; hand[2] = unseen[c];
        hand[3] = unseen[d]; hand[4] = unseen[e];
        if (!visit(hand, kHandSize - __builtin_popcount(UsualPlayKeepMaskOf(hand))))
            return;
    }
}

bool CTableDealer::EverySeenCountHasAHand(const TTableSetup& setup)
{
    bool asked[kHandSize + 1] = {};
    int missing = 0;
    for (int o = 0; o < setup.m_nOpponents && o < kMaxTableOpponents; ++o) {
        const int drew = setup.m_anDrew[o];
        if (drew >= 0 && drew <= kHandSize && !asked[drew]) {
            asked[drew] = true;
            ++missing;
        }
    }
    ForEachUnseenHand(UnseenOf(setup), [&](const int*, int draw) {
        if (asked[draw]) {
            asked[draw] = false;
            --missing;
        }
        return missing > 0;
    });
    return missing == 0;
}

CTableDealer::CTableDealer(const TTableSetup& setup) : m_setup(setup), m_arrUnseen(UnseenOf(setup))
{
    bool asked[kHandSize + 1] = {};
    for (int o = 0; o < setup.m_nOpponents && o < kMaxTableOpponents; ++o)
        if (setup.m_anDrew[o] >= 0 && setup.m_anDrew[o] <= kHandSize) {
            m_arrSeenOpponents.push_back(o);
            asked[setup.m_anDrew[o]] = true;
        }
    if (m_arrSeenOpponents.empty())
        return;
    ForEachUnseenHand(m_arrUnseen, [&](const int* hand, int draw) {
        if (asked[draw])
        {
            m_arrHandsDrawing[draw].push_back(Pack(hand));
            std::uint64_t cards = 0;
            for (int i = 0; i < kHandSize; ++i)
                cards |= 1ull << hand[i];
            m_arrCardsDrawing[draw].push_back(cards);
        }
        return true;
    });
    // The rarest counts first. The first of them are picked from their
    // lists and thrown back on a clash; a later one is dealt from the cards
    // left and thrown back unless the usual play draws his count, once that
    // fits more often than a pick from the list misses every card taken.
    std::stable_sort(m_arrSeenOpponents.begin(), m_arrSeenOpponents.end(), [this](int a, int b) {
        return m_arrHandsDrawing[m_setup.m_anDrew[a]].size() < m_arrHandsDrawing[m_setup.m_anDrew[b]].size();
    });
    const double all = Choose5(static_cast<int>(m_arrUnseen.size()));
    m_nPickedFromList = 0;
    for (size_t i = 0; i < m_arrSeenOpponents.size(); ++i) {
        const double missesTaken = Choose5(static_cast<int>(m_arrUnseen.size()) - kHandSize * static_cast<int>(i)) / all;
        const double drawsCount =
            static_cast<double>(m_arrHandsDrawing[m_setup.m_anDrew[m_arrSeenOpponents[i]]].size()) / all;
        if (drawsCount > missesTaken)
            break;
        ++m_nPickedFromList;
    }
}

bool CTableDealer::HasHandsForEverySeenCount() const
{
    for (int o : m_arrSeenOpponents)
        if (m_arrHandsDrawing[m_setup.m_anDrew[o]].empty())
            return false;
    return true;
}

bool CTableDealer::DealSeen(CTableRandom& random, TTableDeal& deal, std::uint64_t& used) const
{
    // Every joint deal of the seen hands comes out with the same chance:
    // each pick from a list has the chance 1 / (list size), each deal from
    // the cards left 1 / C(cards left, 5), the same for every outcome.
    used = 0;
    CHalfDraws draws(random);
    unsigned picked[kMaxTableOpponents];
    for (size_t i = 0; i < m_nPickedFromList; ++i) {
        const std::vector<std::uint64_t>& hands = m_arrCardsDrawing[m_setup.m_anDrew[m_arrSeenOpponents[i]]];
        picked[i] = draws.Below(static_cast<unsigned>(hands.size()));
        const std::uint64_t cards = hands[picked[i]];
        // A clash throws the whole group away, not just this hand.
        if (used & cards)
            return false;
        used |= cards;
    }
    const int unseen = static_cast<int>(m_arrUnseen.size());
    for (size_t i = m_nPickedFromList; i < m_arrSeenOpponents.size(); ++i) {
        // Five of the cards left: any unseen card, again while it is taken.
        const int o = m_arrSeenOpponents[i];
        for (int c = 0; c < kHandSize; ++c) {
            int card;
            do
                card = m_arrUnseen[draws.Below(static_cast<unsigned>(unseen))];
            while (used >> card & 1u);
            used |= 1ull << card;
            deal.m_anHands[o][c] = card;
        }
        if (kHandSize - KeptCount(UsualPlayKeepMaskOf(deal.m_anHands[o])) != m_setup.m_anDrew[o])
            return false;
    }
    for (size_t i = 0; i < m_nPickedFromList; ++i) {
        const int o = m_arrSeenOpponents[i];
        const std::uint32_t packed = m_arrHandsDrawing[m_setup.m_anDrew[o]][picked[i]];
        for (int c = 0; c < kHandSize; ++c)
            deal.m_anHands[o][c] = static_cast<int>(packed >> (6 * c) & 63u);
    }
    return true;
}

double CTableDealer::JointChance(CTableRandom& random, unsigned tries) const
{
    if (m_arrSeenOpponents.size() < 2 || tries == 0)
        return 1;
    TTableDeal deal;
    std::uint64_t used = 0;
    unsigned fits = 0;
    for (unsigned t = 0; t < tries; ++t)
        fits += DealSeen(random, deal, used);
    return static_cast<double>(fits) / tries;
}

bool CTableDealer::Deal(CTableRandom& random, TTableDeal& deal, unsigned maxTries) const
{
    if (!m_arrSeenOpponents.empty()) {
        std::uint64_t used = 0;
        unsigned tries = 0;
        while (!DealSeen(random, deal, used))
            if (++tries >= maxTries)
                return false;
        deal.m_nCards = 0;
        for (int card : m_arrUnseen)
            if (!(used >> card & 1u))
                deal.m_anCards[deal.m_nCards++] = card;
    } else if (deal.m_nCards == 0) {
        // Later trials shuffle on from the last order: any start is fine.
        for (int card : m_arrUnseen)
            deal.m_anCards[deal.m_nCards++] = card;
    }

    int* cards = deal.m_anCards;
    const int count = deal.m_nCards;
    int next = 0;
    CHalfDraws draws(random);
    auto draw = [&]() {
        const int pick = next + static_cast<int>(draws.Below(static_cast<unsigned>(count - next)));
        const int card = cards[pick];
        cards[pick] = cards[next];
        cards[next++] = card;
        return card;
    };
    const bool usual = m_setup.m_eModel == ETableModel::UsualPlay;
    int opponentDraws = 0;
    for (int o = 0; o < m_setup.m_nOpponents; ++o) {
        if (m_setup.m_anDrew[o] == kDrawUnseen)
            for (int i = 0; i < kHandSize; ++i)
                deal.m_anHands[o][i] = draw();
        if (usual) {
            SetUsualPlay(deal, o);
        } else {
            deal.m_anKeep[o] = 31;
            deal.m_anDraw[o] = 0;
        }
        opponentDraws += deal.m_anDraw[o];
    }
    deal.m_nStubStart = next;
    const int ordered = std::min(count - next, kPlayerPositions + opponentDraws);
    for (int i = 0; i < ordered; ++i)
        draw();
    deal.m_nOrdered = ordered;
    return true;
}
