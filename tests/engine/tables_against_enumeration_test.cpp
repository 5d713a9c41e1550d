// Every row of the one-opponent table, its closing row and the three-opponent
// table, compared with a plain enumeration of every opponent hand.

#include "ManagerTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

bool Sanitized()
{
    return std::getenv("QUINTARA_SANITIZED") != nullptr;
}

double Choose5(double n)
{
    return n * (n - 1) * (n - 2) * (n - 3) * (n - 4) / 120.0;
}

// The enumeration's count behind a row label.
double EnumeratedCount(const TBruteForceCounts& n, int label)
{
    switch (label) {
    case 109: return n.m_dOnePair;
    case 207: return n.m_dTwoPair;
    case 111: return n.m_dThreeOfAKind;
    case 112: return n.m_dStraight;
    case 113: return n.m_dFlush;
    case 114: return n.m_dFullHouse;
    case 115: return n.m_dFourOfAKind;
    case 116: return n.m_dStraightFlush;
    case 120: return n.m_dHigherPair;
    case 121: return n.m_dHigherTwoPair;
    case 122: return n.m_dHigherThreeOfAKind;
    case 123: return n.m_dHigherStraight;
    case 124: return n.m_dHigherFlush;
    case 125: return n.m_dHigherFullHouse;
    case 126: return n.m_dHigherFourOfAKind;
    case 127: return n.m_dHigherStraightFlush;
    case 147: return n.m_dBeatsPlayer;
    default: ADD_FAILURE() << "unexpected row label " << label; return -1;
    }
}

// The plain category a formation code stands for; codes below one pair are
// hands without a made formation.
int PlainCategory(int formation)
{
    switch (formation) {
    case fmOnePair: return pcOnePair;
    case fmTwoPairs: return pcTwoPair;
    case fmThreeOfAKind: return pcThreeOfAKind;
    case fmStraight: return pcStraight;
    case fmFlush: return pcFlush;
    case fmFullHouse: return pcFullHouse;
    case fmFourOfAKind: return pcFourOfAKind;
    case fmStraightFlush:
    case fmRoyalFlush: return pcStraightFlush;
    default: return pcHighCard;
    }
}

// Chance that at least one of n distinct hands drawn from N is among x.
double AtLeastOneOf(double x, double N, unsigned n)
{
    double none = 1.0;
    for (unsigned i = 0; i < n; ++i)
        none *= (N - x - i) / (N - i);
    return 1.0 - none;
}

void ExpectTablesMatchEnumeration(const TDrawState& state)
{
    SCOPED_TRACE(state.Describe());
    CCardDistributionManager m;
    PlayAndAnalyze(m, state);
    const std::vector<int> hand = state.Hand();
    const TBruteForceCounts counts = CountOpponentHands(state.Known(), hand);
    const double N = Choose5(52.0 - static_cast<double>(state.Known().size()));
    ASSERT_EQ(counts.m_dTotal, N);
    ASSERT_EQ(PlainCategory(m.m_nFormation), ClassifyPlain(hand.data()).m_nCategory)
        << "formation " << m.m_nFormation;

    CCardDistributionManager::TRows one;
    m.BuildOneOpponentTable(one);
    for (const auto& row : one)
        EXPECT_NEAR(row.m_dProbability * N, EnumeratedCount(counts, row.m_nFormationNameId), 1e-6)
            << "one opponent, row " << row.m_nFormationNameId << ", formation " << m.m_nFormation;

    constexpr unsigned kOpponents = 3;
    CCardDistributionManager::TRows three;
    m.BuildAtLeastOneOpponentTable(three, kOpponents, one.size() > 1 ? one.back().m_dProbability : 0.0);
    ASSERT_EQ(three.size(), one.size());
    for (const auto& row : three)
        EXPECT_NEAR(row.m_dProbability, AtLeastOneOf(EnumeratedCount(counts, row.m_nFormationNameId), N, kOpponents),
                    1e-9)
            << "three opponents, row " << row.m_nFormationNameId << ", formation " << m.m_nFormation;
}

TDrawState Dealt(const std::string& hand, const std::string& discards = "", const std::string& replacements = "")
{
    return TDrawState{Cards(hand), Cards(discards), Cards(replacements)};
}

// The enumeration is slow under the sanitizers; a few states are enough there
// to catch a memory fault. The list of tests stays the same either way.
struct TEnumerationCase {
    TDrawState m_state;
    bool m_bUnderSanitizers;
};

void PrintTo(const TEnumerationCase& c, std::ostream* out)
{
    *out << c.m_state.Describe();
}

std::vector<TEnumerationCase> EveryTenthUnderSanitizers(const std::vector<TDrawState>& states)
{
    std::vector<TEnumerationCase> cases;
    for (std::size_t i = 0; i < states.size(); ++i)
        cases.push_back({states[i], i % 10 == 0});
    return cases;
}

// Made hands of every formation, the awkward tops among them.
std::vector<TEnumerationCase> TargetedStates()
{
    const std::vector<TDrawState> states = {
        Dealt("2c 4s 7d 9c Qh"),                       // nothing, the worked example
        Dealt("3c Js Qd Kc Ah"),                       // four to a straight around the Ace
        Dealt("As Ad 7c 4h 2s"),                       // pair of Aces
        Dealt("As Ad Kc 4h 2s", "4h 2s", "Ah Kd"),     // pair of Aces drawn to Aces full of Kings
        Dealt("Kc Kd Ah 7s 2c"),                       // pair with an Ace kicker
        Dealt("7c 7d Kh 9s 4c"),                       // pair, King kicker
        Dealt("7c 7d Kh 9s 4c", "9s 4c Kh", "Ad 2h Qs"),  // the same pair, three drawn
        Dealt("As Ah Kd Kc 5s"),                       // Aces and Kings
        Dealt("5c 5d 9h 9s Kc"),                       // Nines and Fives
        Dealt("Jc Jd 4h 4s 9c"),                       // Jacks and Fours
        Dealt("8c 8d 8h Ks 2c"),                       // three Eights
        Dealt("Ac Ad Ah 2s 3c"),                       // three Aces
        Dealt("As 2h 3d 4c 5c"),                       // the wheel
        Dealt("Ts Js Qd Kc Ac"),                       // the Ace-high straight
        Dealt("5c 6d 7h 8s 9c"),                       // Nine-high straight
        Dealt("2s 3h 4d 5c 6c"),                       // Six-high straight
        Dealt("2h 5h 8h Jh Ah"),                       // Ace-high flush
        Dealt("Kc 9c 7c 4c 2c"),                       // King-high flush
        Dealt("Jc 8c 6c 4c 3c"),                       // Jack-high flush
        Dealt("9d 7d 5d 3d 2d"),                       // Nine-high flush
        Dealt("2h 3h 4h 5h 7h"),                       // Seven-high flush beside the wheel
        Dealt("Ks Kh Kd As Ah"),                       // Kings full of Aces
        Dealt("2s 2h 2d 9c 9s"),                       // Twos full of Nines
        Dealt("As Ah Ad Ac Ks"),                       // four Aces
        Dealt("2s 2h 2d 2c 9s"),                       // four Twos
        Dealt("5c 5d Tc Td Th", "Tc Td Th", "5h 5s Ts"),  // four Fives, every Five and Ten known
        Dealt("Th Jh Qh Kh Ah"),                       // royal flush
        Dealt("9h Th Jh Qh Kh"),                       // King-high straight flush
        Dealt("Ah 2h 3h 4h 5h"),                       // the wheel in one suit
    };
    return EveryTenthUnderSanitizers(states);
}

std::vector<int> Deck()
{
    std::vector<int> deck(52);
    for (int c = 0; c < 52; ++c)
        deck[c] = c;
    return deck;
}

// A dealt hand, some of it discarded and as many replacements: k = 5 to 10.
TDrawState RandomDraw(std::mt19937& rng)
{
    std::vector<int> deck = Deck();
    std::shuffle(deck.begin(), deck.end(), rng);
    const int discards = std::uniform_int_distribution<int>(0, 5)(rng);
    TDrawState state;
    state.m_dealt.assign(deck.begin(), deck.begin() + 5);
    state.m_discards.assign(deck.begin(), deck.begin() + discards);
    state.m_replacements.assign(deck.begin() + 5, deck.begin() + 5 + discards);
    return state;
}

// A final hand of the given plain category reached through a random draw: the
// replacements are taken from it and the discards from the rest of the deck.
TDrawState RandomDrawTo(int category, std::mt19937& rng)
{
    std::vector<int> deck = Deck();
    // Deal five at random until they are of the category; straight flushes
    // take tens of thousands of deals, so only the five are shuffled.
    do {
        for (int i = 0; i < 5; ++i)
            std::swap(deck[i], deck[std::uniform_int_distribution<int>(i, 51)(rng)]);
    } while (ClassifyPlain(deck.data()).m_nCategory != category);
    std::shuffle(deck.begin() + 5, deck.end(), rng);
    const int drawn = std::uniform_int_distribution<int>(0, 5)(rng);
    TDrawState state;
    state.m_replacements.assign(deck.begin(), deck.begin() + drawn);
    state.m_dealt.assign(deck.begin() + drawn, deck.begin() + 5);
    state.m_dealt.insert(state.m_dealt.end(), deck.begin() + 5, deck.begin() + 5 + drawn);
    state.m_discards.assign(deck.begin() + 5, deck.begin() + 5 + drawn);
    return state;
}

class TablesAgainstEnumeration : public ::testing::TestWithParam<TEnumerationCase> {};

TEST_P(TablesAgainstEnumeration, EveryRowCountsTheEnumeratedHands)
{
    if (Sanitized() && !GetParam().m_bUnderSanitizers)
        GTEST_SKIP() << "enumeration left to the plain build";
    ExpectTablesMatchEnumeration(GetParam().m_state);
}

INSTANTIATE_TEST_SUITE_P(MadeHands, TablesAgainstEnumeration, ::testing::ValuesIn(TargetedStates()));

std::vector<TEnumerationCase> RandomDraws()
{
    std::mt19937 rng(20240611);
    std::vector<TDrawState> states;
    for (int i = 0; i < 10; ++i)
        states.push_back(RandomDraw(rng));
    return EveryTenthUnderSanitizers(states);
}

INSTANTIATE_TEST_SUITE_P(RandomDraws, TablesAgainstEnumeration, ::testing::ValuesIn(RandomDraws()));

// Drawn inside the test, so that only its own run pays for finding the hand.
class TablesAgainstEnumerationOfADrawTo : public ::testing::TestWithParam<int> {};

TEST_P(TablesAgainstEnumerationOfADrawTo, EveryRowCountsTheEnumeratedHands)
{
    const int category = GetParam();
    std::mt19937 rng(7350 + category);
    const int perCategory = Sanitized() ? 1 : 2;
    for (int i = 0; i < perCategory; ++i)
        ExpectTablesMatchEnumeration(RandomDrawTo(category, rng));
}

INSTANTIATE_TEST_SUITE_P(EveryFormation, TablesAgainstEnumerationOfADrawTo,
                         ::testing::Range(static_cast<int>(pcHighCard), static_cast<int>(pcStraightFlush) + 1));

} // namespace
