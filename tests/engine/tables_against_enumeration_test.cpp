// Both results tables, row by row, against a plain enumeration of every
// opponent hand: which rows, in which order, and each row's chance for one
// to five opponents.

#include "ConfirmedHand.h"
#include "ManagerTestSupport.h"
#include "Showdown.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

using TRows = CCardDistributionManager::TRows;

// The plain category a formation code stands for; codes below one pair are
// hands without a made formation.
int PlainCategory(int formation)
{
    if (formation < fmOnePair)
        return pcHighCard;
    return formation == fmRoyalFlush ? pcStraightFlush : formation - fmOnePair + pcOnePair;
}

void ExpectTablesMatchEnumeration(const TDrawState& state)
{
    SCOPED_TRACE(state.Describe());
    CCardDistributionManager m;
    PlayAndAnalyze(m, state);
    const std::vector<int> hand = state.Hand();
    const int category = ClassifyPlain(hand.data()).m_nCategory;
    ASSERT_EQ(PlainCategory(m.m_nFormation), category) << "formation " << m.m_nFormation;
    const TBruteForceCounts counts = CountOpponentHands(state.Known(), hand);
    const auto expected = EnumeratedRows(counts, category);

    // Each table as the game shows it, for one to five opponents.
    for (unsigned n = 1; n <= 5; ++n) {
        const TConfirmedHand result = ConfirmHand(m, n, !state.m_discards.empty());
        for (const TRows* rows : {&result.m_arrOneOpponent, &result.m_arrAtLeastOne}) {
            const unsigned opponents = rows == &result.m_arrOneOpponent ? 1 : n;
            ASSERT_EQ(rows->size(), expected.size());
            for (size_t i = 0; i < rows->size(); ++i) {
                EXPECT_EQ((*rows)[i].m_nFormationNameId, expected[i].first) << "row " << i;
                EXPECT_NEAR((*rows)[i].m_dProbability, AtLeastOneOf(expected[i].second, counts.m_dTotal, opponents),
                            1e-10)
                    << opponents << " opponents, row " << expected[i].first;
            }
        }
    }
}

// Every formation, at the ends of its ranks, equal tops and equal pairs that
// the later cards or the kickers decide, and ranks or suits used up by the
// cards thrown away.
const TDrawState kTargeted[] = {
    Holding("2c 4s 7d 9c Qh"),                      // nothing
    Holding("3c Js Qd Kc Ah"),                      // four to a straight around the Ace
    Holding("2c 5d 9h Js Kc", "3d 6h Ts Qc Ad"),    // nothing, ten cards seen
    Holding("Ac Kd 7h 4s 2c"),                      // Ace-King high: its later cards decide
    Holding("Ac Kd Qh Js 9c"),                      // the best hand without a pair: Ace-to-Ten is a straight
    Holding("7c 5d 4h 3s 2c"),                      // the lowest: every other such hand but the wheel beats it
    Holding("Ah 9h 6h 2h Kc"),                      // four to a flush
    Holding("5c 6d 7h 8s Kc"),                      // four to a straight, open at both ends
    Holding("Kc Qd 9h 6s 3c", "Ks Kh Qs 9d Ad"),    // King-Queen high with its ranks seen
    Holding("As Ad 7c 4h 2s"),                      // pair of Aces
    Holding("Kc Kd Ah 7s 2c", "Qd Jh"),             // Ace kicker: the second and third decide
    Holding("9c 9d Kh 8s 3c"),                      // Kings-high kickers beaten by Ace or King-Queen ones
    Holding("8c 8d Ah Kh Qs"),                      // the best kickers: no equal pair above
    Holding("2c 2d 3h 4s 6c"),                      // the lowest pair
    Holding("7c 7d Kh 9s 4c", "7h 8c"),             // a third Seven seen
    Holding("As Ah Kd Kc 5s"),                      // Aces up
    Holding("2c 2d 3h 3s Ac"),                      // the lowest two pair, Ace fifth
    Holding("Qc Qd 6h 6s 2c"),                      // the lowest fifth card: every other beats it
    Holding("Jc Jd 4h 4s 9c", "Jh Tc Qd"),
    Holding("Ac Ad Ah 2s 3c"),                      // three Aces
    Holding("Kc Kd Kh 5s 4c", "Ac Ad 9h"),
    Holding("As 2h 3d 4c 5c"),                      // the wheel
    Holding("2s 3h 4d 5c 6c"),                      // Six high: the wheel is below it
    Holding("Ts Js Qd Kc Ac"),                      // the Ace-high straight
    Holding("Tc Jd Qh Ks 9c", "Td Th Ts Jc Jh"),    // Tens and Jacks used up
    Holding("2h 5h 8h Jh Ah"),                      // Ace-high flush
    Holding("Ah Qh 9h 6h 2h"),                      // Ace-Queen: only the later cards decide
    Holding("Ac Kc Qc Jc 9c"),                      // the best flush: only straight flushes above
    Holding("Kd Jd 7d 4d 2d", "Ad Qd"),             // the Ace and Queen of its suit seen
    Holding("5d 8d Jd Qd Kd"),                      // its Five held: no wheel straight flush above
    Holding("2h 3h 4h 5h 7h"),                      // Seven-high flush beside the wheel
    Holding("Qh Kh Ah 2h 3h", "4h 5h 6h 7h 8h"),    // ten hearts seen
    Holding("Ks Kh Kd As Ah"),                      // Kings full of Aces
    Holding("3c 3d 3h 8s 8c", "3s 8d 8h Jc Jd"),    // every Three and Eight seen
    Holding("As Ah Ad Ac Ks"),                      // four Aces
    Holding("5c 5d 5h 5s Ts", "Tc Td Th"),          // every Five and Ten seen
    Holding("Th Jh Qh Kh Ah"),                      // royal flush
    Holding("9s Ts Js Qs Ks", "Ah"),                // King-high straight flush
    Holding("Ac 2c 3c 4c 5c", "Kd Qs"),             // the wheel in one suit
};

// Five random cards until they are of the category (any category when
// negative), then 0 to 5 of them drawn in place of as many random discards.
TDrawState RandomDrawTo(int category, std::mt19937& rng)
{
    std::vector<int> deck(52);
    std::iota(deck.begin(), deck.end(), 0);
    // Straight flushes take tens of thousands of deals: only the five move.
    do {
        for (int i = 0; i < 5; ++i)
            std::swap(deck[i], deck[std::uniform_int_distribution<int>(i, 51)(rng)]);
    } while (category >= 0 && ClassifyPlain(deck.data()).m_nCategory != category);
    std::shuffle(deck.begin() + 5, deck.end(), rng);
    const long drawn = std::uniform_int_distribution<long>(0, 5)(rng);
    TDrawState state;
    state.m_replacements.assign(deck.begin(), deck.begin() + drawn);
    state.m_discards.assign(deck.begin() + 5, deck.begin() + 5 + drawn);
    state.m_dealt.assign(deck.begin() + drawn, deck.begin() + 5);
    state.m_dealt.insert(state.m_dealt.end(), state.m_discards.begin(), state.m_discards.end());
    return state;
}

// The targeted states, random ones, and random draws to every formation.
TEST(TablesAgainstEnumeration, TargetedAndRandomStatesCountTheEnumeratedHands)
{
    std::vector<TDrawState> states(std::begin(kTargeted), std::end(kTargeted));
    std::mt19937 rng(20240611);
    for (int i = 0; i < 8; ++i)
        states.push_back(RandomDrawTo(-1, rng));
    for (int category = pcHighCard; category <= pcStraightFlush; ++category)
        for (int i = 0; i < 3; ++i)
            states.push_back(RandomDrawTo(category, rng));
    // Under the sanitizers every tenth state is enumerated.
    for (size_t i = 0; i < states.size(); i += Sanitized() ? 10 : 1)
        ExpectTablesMatchEnumeration(states[i]);
}

// A formation code outside the known ones gives only the closing row every
// table ends with, at no chance.
TEST(TablesOfAnUnknownFormation, HoldOnlyAnImpossibleClosingRow)
{
    TRows known;
    AnalyzedHand("2c 4s 7d 9c Qh").BuildOneOpponentTable(known);
    for (int code : {-1, 17}) {
        auto m = AnalyzedHand("2c 4s 7d 9c Qh");
        m.m_nFormation = code;
        TRows one, atLeastOne;
        m.BuildOneOpponentTable(one);
        m.BuildAtLeastOneOpponentTable(atLeastOne, 3, 0.0);
        for (const TRows& rows : {one, atLeastOne}) {
            ASSERT_EQ(rows.size(), 1u) << code;
            EXPECT_EQ(rows[0].m_nFormationNameId, known.back().m_nFormationNameId);
            EXPECT_EQ(rows[0].m_dProbability, 0.0);
        }
    }
}

} // namespace
