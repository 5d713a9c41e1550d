#pragma once

// One trial's deal at the table: the random stream of a block of trials, and
// the dealer that hands every opponent his five and orders the stub. An
// opponent seen to draw k gets only hands the usual play draws k cards to,
// one with a range only hands of his range (both at once when both are
// known). These conditioned opponents are dealt together and redealt
// together on any clash (the rarest conditions picked from lists of their
// hands, the later ones dealt from the cards left and kept only when they
// meet theirs), then the others get theirs from what is left, so every deal
// consistent with what the player knows is equally likely. A conditioned
// group that fits too rarely is refused by one rule, the dealer's own chance
// of a fit, on any hand.

#include "TableSetup.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// xoshiro256** seeded through splitmix64 from (seed, stream): each block of
// trials gets its own stream, whoever plays it.
class CTableRandom {
public:
    CTableRandom(std::uint64_t seed, std::uint64_t stream);
    // Inline: the simulations draw tens of millions a second.
    std::uint64_t Next()
    {
        const std::uint64_t result = Rotate(m_an[1] * 5, 7) * 9;
        const std::uint64_t t = m_an[1] << 17;
        m_an[2] ^= m_an[0];
        m_an[3] ^= m_an[1];
        m_an[1] ^= m_an[2];
        m_an[0] ^= m_an[3];
        m_an[2] ^= t;
        m_an[3] = Rotate(m_an[3], 45);
        return result;
    }
    // Uniform in 0..bound - 1 for bound >= 1, without bias: multiply and
    // shift, rejecting the few low products that would favour some values.
    unsigned Below(unsigned bound)
    {
        std::uint64_t product = (Next() >> 32) * bound;
        std::uint32_t low = static_cast<std::uint32_t>(product);
        if (low < bound) {
            const std::uint32_t threshold = static_cast<std::uint32_t>(-bound) % bound;
            while (low < threshold) {
                product = (Next() >> 32) * bound;
                low = static_cast<std::uint32_t>(product);
            }
        }
        return static_cast<unsigned>(product >> 32);
    }

private:
    static std::uint64_t Rotate(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t m_an[4];
};

// Uniform draws below small bounds from both 32-bit halves of each output
// of a stream, rejecting the few that would favour some values: two cards
// dealt for one step of the generator.
class CHalfDraws {
public:
    explicit CHalfDraws(CTableRandom& random) : m_random(random) {}
    unsigned Below(unsigned bound)
    {
        for (;;) {
            if (m_nLeft == 0) {
                m_nBits = m_random.Next();
                m_nLeft = 2;
            }
            const std::uint64_t product = (m_nBits & 0xFFFFFFFFu) * bound;
            m_nBits >>= 32;
            --m_nLeft;
            const std::uint32_t low = static_cast<std::uint32_t>(product);
            if (low >= bound || low >= static_cast<std::uint32_t>(-bound) % bound)
                return static_cast<unsigned>(product >> 32);
        }
    }

private:
    CTableRandom& m_random;
    std::uint64_t m_nBits = 0;
    int m_nLeft = 0;
};

struct TTableDeal {
    int m_anHands[kMaxTableOpponents][5] = {};
    // The usual play of each hand (keep mask, cards drawn); all kept when
    // the opponents stand pat.
    unsigned m_anKeep[kMaxTableOpponents] = {};
    int m_anDraw[kMaxTableOpponents] = {};
    // The cards left after the opponents' hands: m_anCards[m_nStubStart..]
    // is the stub, of which the first m_nOrdered come in random order (all
    // the trial can use).
    int m_anCards[52] = {};
    int m_nCards = 0;
    int m_nStubStart = 0;
    int m_nOrdered = 0;
    // Deals still to play on the conditioned opponents' current hands.
    int m_nReuseLeft = 0;

    const int* Stub() const { return m_anCards + m_nStubStart; }
    int StubSize() const { return m_nCards - m_nStubStart; }
};

// The first opponent whose range or seen count no hand of the unseen cards
// meets, and why.
enum class EUndealable {
    None,
    NoHandDraws,      // no hand draws his seen count
    EmptyRange,       // no hand of his range is left
    RangeNeverDraws,  // hands of his range are left, but none draws his seen count
};
struct TUndealable {
    EUndealable m_eWhy = EUndealable::None;
    int m_nOpponent = -1;  // 0-based
};

class CTableDealer {
public:
    // Stub positions kept for the player's draw: a hold drawing d takes 0..d-1.
    static constexpr int kPlayerPositions = 5;

    // `setup` needs a valid hand and 1..5 opponents with seen counts in
    // 0..5, and room for every hand (CheckTableSetup asks for more: room
    // for the draws too). Builds, for each distinct condition (range and
    // seen count) of a conditioned opponent, every hand of the unseen cards
    // that meets it.
    explicit CTableDealer(const TTableSetup& setup);

    // The first opponent whose condition no hand of the unseen cards meets;
    // stops once every condition has a hand, so it is cheap beside building
    // the dealer when they all do.
    static TUndealable FirstUndealable(const TTableSetup& setup);

    const std::vector<int>& Unseen() const { return m_arrUnseen; }
    // True when every conditioned opponent has at least one hand.
    bool HasHandsForEveryCondition() const;
    // How many hands meet opponent `o`'s condition (0 when he has none).
    std::size_t HandsFor(int o) const;
    // Share of joint deals of the conditioned opponents that do not clash,
    // by `tries` attempts (1 when at most one is conditioned). With `enough`
    // above 0 it stops once that many fitted, by the attempts made: the
    // answer to "at least enough / tries?" is the same, found sooner.
    double JointChance(CTableRandom& random, unsigned tries, unsigned enough = 0) const;

    // Deals one trial into `deal` (reuse one TTableDeal through a block:
    // its cards carry over). False when the conditioned opponents clashed on
    // every one of `maxTries` attempts.
    bool Deal(CTableRandom& random, TTableDeal& deal, unsigned maxTries) const;

    // How many deals in a row keep the conditioned opponents' hands (the
    // others' hands and the stub are dealt anew each time): a group dealt
    // rarely is then paid for once in several deals. Each deal is still one
    // of the consistent deals, all equally likely; the deals of one group
    // are not independent, so the run's intervals count groups, not deals.
    void SetReuse(int deals) { m_nReuse = deals < 1 ? 1 : deals; }
    int Reuse() const { return m_arrConditioned.empty() ? 1 : m_nReuse; }
    // The reuse for a group that fits `jointChance` of the time.
    static int ReuseFor(double jointChance);

private:
    // Calls `visit(hand)` on every hand of the unseen cards until it
    // returns false.
    template <typename TVisit>
    static void ForEachUnseenHand(const std::vector<int>& unseen, TVisit visit);
    static std::vector<int> UnseenOf(const TTableSetup& setup);
    // True when opponent `o`'s five meet his range and seen count.
    bool Meets(int o, const int hand[5]) const;
    bool DealConditioned(CTableRandom& random, TTableDeal& deal, std::uint64_t& used) const;
    // Moves the conditioned hands of a reused group a little (see Deal).
    static constexpr int kStirMoves = 2;
    void Stir(CTableRandom& random, TTableDeal& deal) const;

    TTableSetup m_setup;
    std::vector<int> m_arrUnseen;
    std::vector<int> m_arrConditioned;                   // opponents, the rarest conditions first
    size_t m_nPickedFromList = 0;                        // the first ones, picked from their lists
    int m_anList[kMaxTableOpponents] = {-1, -1, -1, -1, -1};  // per opponent: his hands' list, or -1
    std::vector<std::vector<std::uint64_t>> m_arrLists;  // per condition, its hands as card sets
    int m_nReuse = 1;
};
