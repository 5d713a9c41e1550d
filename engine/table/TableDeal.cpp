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
        if (!visit(static_cast<const int*>(hand)))
            return;
    }
}

namespace {

// What an opponent's hand must meet: his range, and the count he was seen to
// draw (kDrawUnseen when not seen).
struct TCondition {
    const CHandRange* m_pRange;
    int m_nDrew;

    bool Conditions() const { return !m_pRange->IsAny() || m_nDrew != kDrawUnseen; }
    bool operator==(const TCondition& other) const
    {
        return *m_pRange == *other.m_pRange && m_nDrew == other.m_nDrew;
    }
};

TCondition ConditionOf(const TTableSetup& setup, int o)
{
    const int drew = setup.m_anDrew[o];
    return {&setup.m_aRanges[o], drew >= 0 && drew <= kHandSize ? drew : kDrawUnseen};
}

// Cards the usual play draws to a hand of range class `cls` with draw flags
// `draws` (CHandRange::Classify): its rules read off the class, so that the
// dealer's sift over every unseen hand pays for one reading, not two.
int UsualDrawOfClass(const int* hand, unsigned cls, unsigned draws)
{
    static const int kDrawByClass[] = {5, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1, 2, 0, 0, 0, 0, 0};
    if (cls != 0)
        return kDrawByClass[cls];
    if (draws != 0)
        return 1;  // four of a suit, or four open at both ends
    for (int i = 0; i < kHandSize; ++i)
        if (CardRank(hand[i]) == 0 || CardRank(hand[i]) == 12)
            return 4;  // an Ace or a King kept
    return 5;
}

// Reads one hand for several conditions: its class, and its usual-play draw
// when some condition asks.
class CHandReading {
public:
    CHandReading(const int* hand, bool draws)
    {
        CHandRange::Classify(hand, m_nClass, m_nDraws);
        if (draws)
            m_nDraw = UsualDrawOfClass(hand, m_nClass, m_nDraws);
    }
    bool Meets(const TCondition& condition) const
    {
        return condition.m_pRange->Takes(m_nClass, m_nDraws) &&
               (condition.m_nDrew == kDrawUnseen || condition.m_nDrew == m_nDraw);
    }
    bool InRange(const TCondition& condition) const { return condition.m_pRange->Takes(m_nClass, m_nDraws); }

private:
    unsigned m_nClass = 0, m_nDraws = 0;
    int m_nDraw = -1;
};

} // namespace

TUndealable CTableDealer::FirstUndealable(const TTableSetup& setup)
{
    const int opponents = std::min(std::max(setup.m_nOpponents, 0), kMaxTableOpponents);
    bool met[kMaxTableOpponents] = {}, inRange[kMaxTableOpponents] = {};
    bool draws = false;
    int missing = 0;
    for (int o = 0; o < opponents; ++o) {
        const TCondition condition = ConditionOf(setup, o);
        met[o] = inRange[o] = !condition.Conditions();
        missing += !met[o];
        draws = draws || condition.m_nDrew != kDrawUnseen;
    }
    if (missing > 0)
        ForEachUnseenHand(UnseenOf(setup), [&](const int* hand) {
            const CHandReading reading(hand, draws);
            for (int o = 0; o < opponents; ++o)
                if (!met[o]) {
                    const TCondition condition = ConditionOf(setup, o);
                    inRange[o] = inRange[o] || reading.InRange(condition);
                    if (reading.Meets(condition)) {
                        met[o] = true;
                        --missing;
                    }
                }
            return missing > 0;
        });
    TUndealable undealable;
    for (int o = 0; o < opponents && undealable.m_nOpponent < 0; ++o)
        if (!met[o]) {
            undealable.m_nOpponent = o;
            undealable.m_eWhy = setup.m_aRanges[o].IsAny() ? EUndealable::NoHandDraws
                                : inRange[o]              ? EUndealable::RangeNeverDraws
                                                          : EUndealable::EmptyRange;
        }
    return undealable;
}

CTableDealer::CTableDealer(const TTableSetup& setup) : m_setup(setup), m_arrUnseen(UnseenOf(setup))
{
    std::vector<TCondition> conditions;
    bool draws = false;
    for (int o = 0; o < setup.m_nOpponents && o < kMaxTableOpponents; ++o) {
        const TCondition condition = ConditionOf(m_setup, o);
        if (!condition.Conditions())
            continue;
        m_arrConditioned.push_back(o);
        draws = draws || condition.m_nDrew != kDrawUnseen;
        const auto same = std::find(conditions.begin(), conditions.end(), condition);
        m_anList[o] = static_cast<int>(same - conditions.begin());
        if (same == conditions.end())
            conditions.push_back(condition);
    }
    m_arrLists.resize(conditions.size());
    if (conditions.empty())
        return;
    ForEachUnseenHand(m_arrUnseen, [&](const int* hand) {
        const CHandReading reading(hand, draws);
        std::uint64_t cards = 0;
        for (size_t i = 0; i < conditions.size(); ++i)
            if (reading.Meets(conditions[i])) {
                if (cards == 0)
                    for (int c = 0; c < kHandSize; ++c)
                        cards |= 1ull << hand[c];
                m_arrLists[i].push_back(cards);
            }
        return true;
    });
    // The rarest conditions first. The first of them are picked from their
    // lists and thrown back on a clash; a later one is dealt from the cards
    // left and thrown back unless his hand meets his condition, once that
    // fits more often than a pick from the list misses every card taken.
    std::stable_sort(m_arrConditioned.begin(), m_arrConditioned.end(),
                     [this](int a, int b) { return HandsFor(a) < HandsFor(b); });
    const double all = Choose5(static_cast<int>(m_arrUnseen.size()));
    m_nPickedFromList = 0;
    for (size_t i = 0; i < m_arrConditioned.size(); ++i) {
        const double missesTaken = Choose5(static_cast<int>(m_arrUnseen.size()) - kHandSize * static_cast<int>(i)) / all;
        const double meets = static_cast<double>(HandsFor(m_arrConditioned[i])) / all;
        if (meets > missesTaken)
            break;
        ++m_nPickedFromList;
    }
}

bool CTableDealer::HasHandsForEveryCondition() const
{
    for (int o : m_arrConditioned)
        if (HandsFor(o) == 0)
            return false;
    return true;
}

std::size_t CTableDealer::HandsFor(int o) const
{
    return o >= 0 && o < kMaxTableOpponents && m_anList[o] >= 0 ? m_arrLists[static_cast<size_t>(m_anList[o])].size()
                                                                 : 0;
}

bool CTableDealer::Meets(int o, const int hand[5]) const
{
    const TCondition condition = ConditionOf(m_setup, o);
    return CHandReading(hand, condition.m_nDrew != kDrawUnseen).Meets(condition);
}

bool CTableDealer::DealConditioned(CTableRandom& random, TTableDeal& deal, std::uint64_t& used) const
{
    // Every joint deal of the conditioned hands comes out with the same
    // chance: each pick from a list has the chance 1 / (list size), each deal
    // from the cards left 1 / C(cards left, 5), the same for every outcome.
    used = 0;
    CHalfDraws draws(random);
    unsigned picked[kMaxTableOpponents];
    for (size_t i = 0; i < m_nPickedFromList; ++i) {
        const std::vector<std::uint64_t>& hands = m_arrLists[static_cast<size_t>(m_anList[m_arrConditioned[i]])];
        picked[i] = draws.Below(static_cast<unsigned>(hands.size()));
        const std::uint64_t cards = hands[picked[i]];
        // A clash throws the whole group away, not just this hand.
        if (used & cards)
            return false;
        used |= cards;
    }
    const int unseen = static_cast<int>(m_arrUnseen.size());
    for (size_t i = m_nPickedFromList; i < m_arrConditioned.size(); ++i) {
        // Five of the cards left: any unseen card, again while it is taken.
        const int o = m_arrConditioned[i];
        for (int c = 0; c < kHandSize; ++c) {
            int card;
            do
                card = m_arrUnseen[draws.Below(static_cast<unsigned>(unseen))];
            while (used >> card & 1u);
            used |= 1ull << card;
            deal.m_anHands[o][c] = card;
        }
        if (!Meets(o, deal.m_anHands[o]))
            return false;
    }
    for (size_t i = 0; i < m_nPickedFromList; ++i) {
        const int o = m_arrConditioned[i];
        // The set's cards, lowest first: the order the list was built in.
        std::uint64_t cards = m_arrLists[static_cast<size_t>(m_anList[o])][picked[i]];
        for (int c = 0; c < kHandSize; ++c, cards &= cards - 1)
            deal.m_anHands[o][c] = __builtin_ctzll(cards);
    }
    return true;
}

int CTableDealer::ReuseFor(double jointChance)
{
    // A rejected attempt costs about a fifth of playing a deal of all 32
    // holds, and the opponents' hands explain little of a pot share's
    // spread beside the draws: reuse until the attempts of a group cost
    // about as much as one deal, in powers of two so that groups tile the
    // blocks and batches.
    constexpr int kMostReuse = 64;
    const double attempts = jointChance > 0 ? 1 / jointChance : 2.0 * kMostReuse;
    int reuse = 1;
    while (reuse < kMostReuse && attempts > 2.0 * reuse)
        reuse *= 2;
    return reuse;
}

double CTableDealer::JointChance(CTableRandom& random, unsigned tries, unsigned enough) const
{
    if (m_arrConditioned.size() < 2 || tries == 0)
        return 1;
    TTableDeal deal;
    std::uint64_t used = 0;
    unsigned fits = 0, t = 0;
    for (; t < tries && (enough == 0 || fits < enough); ++t)
        fits += DealConditioned(random, deal, used);
    return static_cast<double>(fits) / t;
}

void CTableDealer::Stir(CTableRandom& random, TTableDeal& deal) const
{
    // A few swaps of a conditioned opponent's card with one of the other
    // cards (m_anCards holds them all), each kept only when his hand still
    // meets his condition. A swap and its undoing are equally likely and
    // every consistent deal is as likely as another, so the deal stays one
    // of them, each equally likely, while the group's deals drift apart.
    const unsigned conditioned = static_cast<unsigned>(m_arrConditioned.size());
    const unsigned others = static_cast<unsigned>(deal.m_nCards);
    CHalfDraws draws(random);
    for (int move = 0; move < kStirMoves * static_cast<int>(conditioned); ++move) {
        const int o = m_arrConditioned[draws.Below(conditioned)];
        int& card = deal.m_anHands[o][draws.Below(kHandSize)];
        int& other = deal.m_anCards[draws.Below(others)];
        std::swap(card, other);
        if (!Meets(o, deal.m_anHands[o]))
            std::swap(card, other);
    }
}

bool CTableDealer::Deal(CTableRandom& random, TTableDeal& deal, unsigned maxTries) const
{
    if (!m_arrConditioned.empty() && deal.m_nReuseLeft > 0) {
        --deal.m_nReuseLeft;
        Stir(random, deal);
    } else if (!m_arrConditioned.empty()) {
        std::uint64_t used = 0;
        unsigned tries = 0;
        while (!DealConditioned(random, deal, used))
            if (++tries >= maxTries)
                return false;
        deal.m_nReuseLeft = m_nReuse - 1;
        // Without a branch: the taken cards are written over.
        int kept = 0;
        for (int card : m_arrUnseen) {
            deal.m_anCards[kept] = card;
            kept += static_cast<int>(~used >> card & 1u);
        }
        deal.m_nCards = kept;
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
        if (m_anList[o] < 0)
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
