#pragma once

// One trial's deal at the table: the random stream of a block of trials, and
// the dealer that hands every opponent his five and orders the stub. An
// opponent seen to draw k gets only hands the usual play draws k cards to,
// one with a range only hands of his range (both at once when both are
// known); these conditioned opponents are dealt together and redealt
// together on any clash, then the others get theirs from what is left, so
// every deal consistent with what the player knows is equally likely.

#include "TableSetup.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// xoshiro256** seeded through splitmix64 from (seed, stream): each block of
// trials gets its own stream, whoever plays it.
class CTableRandom {
public:
    CTableRandom(std::uint64_t seed, std::uint64_t stream);
    std::uint64_t Next();
    // Uniform in 0..bound - 1 for bound >= 1, without bias.
    unsigned Below(unsigned bound);

private:
    std::uint64_t m_an[4];
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
    // by `tries` attempts (1 when at most one is conditioned).
    double JointChance(CTableRandom& random, unsigned tries) const;

    // Deals one trial into `deal` (reuse one TTableDeal through a block:
    // its cards carry over). False when the conditioned opponents clashed on
    // every one of `maxTries` attempts.
    bool Deal(CTableRandom& random, TTableDeal& deal, unsigned maxTries) const;

private:
    // Calls `visit(hand)` on every hand of the unseen cards until it
    // returns false.
    template <typename TVisit>
    static void ForEachUnseenHand(const std::vector<int>& unseen, TVisit visit);
    static std::vector<int> UnseenOf(const TTableSetup& setup);
    bool DealConditioned(CTableRandom& random, TTableDeal& deal, std::uint64_t& used) const;

    TTableSetup m_setup;
    std::vector<int> m_arrUnseen;
    std::vector<int> m_arrConditioned;                   // opponents, in table order
    int m_anList[kMaxTableOpponents] = {-1, -1, -1, -1, -1};  // per opponent: his hands' list, or -1
    std::vector<std::vector<std::uint32_t>> m_arrLists;  // five cards of 6 bits each
};
