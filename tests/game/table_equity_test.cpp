// The table equity as the front ends word it: the table, each figure with
// its interval, the note on what is exact; and the run set up from a game.
#include "Cards.h"
#include "ConfirmedHand.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TableEquity.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <set>
#include <string>

namespace {

std::string Digits(const std::string& text)
{
    std::string digits;
    for (const char c : text)
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits += c;
    return digits;
}

TTable MakeTable(int opponents, std::initializer_list<int> drew, ETableModel model = ETableModel::UsualPlay)
{
    TTable table;
    table.m_nOpponents = opponents;
    table.m_eModel = model;
    int i = 0;
    for (const int count : drew)
        table.m_anDrew[i++] = count;
    return table;
}

constexpr int U = kDrawUnseen;

// The words for "n cards" as the game forms them, for 1 and for others.
std::string CountOfCards(int count)
{
    return FormatString(LoadString(count == 1 ? idCardCount : idCardsCount).c_str(), count);
}

size_t Occurrences(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// The table in full. Its numbers, in order: the opponents (when more than
// one), then for each seen opponent his seat when some are unseen, and what
// he drew; an unseen opponent adds none; standing pat, nobody draws. The
// noun for cards ends the text, after the last count, and follows every
// count when the seen opponents are named one by one.
TEST(DescribeTable, NamesEverySeenCountWithItsCardsInSeatOrder)
{
    const struct {
        TTable m_table;
        const char* m_pDigits;
        size_t m_nNouns;
    } cases[] = {
        {MakeTable(4, {U, U, U, U}), "4", 0},
        {MakeTable(3, {1, 3, 0}), "3130", 1},
        {MakeTable(4, {5, 2, 0, 1}), "45201", 1},
        {MakeTable(4, {5, U, 0, U}), "41530", 2},
        {MakeTable(3, {U, U, 1}), "331", 1},
        {MakeTable(1, {3}), "3", 1},
        {MakeTable(1, {U}), "", 0},
        {MakeTable(4, {5, 2, 0, 1}, ETableModel::StandPat), "4", 0},
        {MakeTable(1, {3}, ETableModel::StandPat), "", 0},
    };
    // " card", which " cards" begins with.
    const std::string noun = CountOfCards(1).substr(1);
    std::set<std::string> texts;
    for (const auto& c : cases) {
        const std::string text = DescribeTable(c.m_table);
        EXPECT_EQ(Digits(text), c.m_pDigits) << text;
        EXPECT_EQ(Occurrences(text, noun), c.m_nNouns) << text;
        if (c.m_nNouns > 0) {
            // The last seen count ends it; after a list of counts alone the noun is plural.
            int last = U;
            bool allSeen = c.m_table.m_nOpponents > 1;
            for (int o = 0; o < c.m_table.m_nOpponents; ++o) {
                last = c.m_table.m_anDrew[o] == U ? last : c.m_table.m_anDrew[o];
                allSeen &= c.m_table.m_anDrew[o] != U;
            }
            const std::string ending = allSeen ? FormatString(LoadString(idCardsCount).c_str(), last) : CountOfCards(last);
            EXPECT_EQ(text.substr(text.size() - std::min(text.size(), ending.size())), ending) << text;
        }
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), std::size(cases)) << "every table reads differently";
}

// Ranges come after the seats, each with its seat, in seat order, as read.
TEST(DescribeTable, NamesEachRangeWithItsSeatAfterTheSeats)
{
    TTable table = MakeTable(3, {U, 1, U});
    const std::string seats = DescribeTable(table);
    std::string bad;
    ASSERT_TRUE(CHandRange::Parse("jj+", CHandRange::kDefaultOpenRank, table.m_aRanges[1], bad));
    ASSERT_TRUE(CHandRange::Parse("4f/oe", CHandRange::kDefaultOpenRank, table.m_aRanges[2], bad));
    const std::string text = DescribeTable(table);
    ASSERT_EQ(text.rfind(seats, 0), 0u) << text;
    const std::string tail = text.substr(seats.size());
    EXPECT_EQ(Digits(tail), "234") << text;  // seats 2 and 3, then the 4 of 4F
    EXPECT_LT(tail.find(table.m_aRanges[1].Text()), tail.find(table.m_aRanges[2].Text())) << text;
}

// Each figure in percent with its interval when simulated, none when exact;
// the same labels, in the same order, as the showdown rows. A share never
// dealt, or every deal lost, still has an interval: the sample has no spread.
TEST(EquityRows, ShowEachFigureInPercentWithItsIntervalWhenSimulated)
{
    const auto lead = [](const std::string& text) { return std::strtod(text.c_str(), nullptr); };
    const auto afterSign = [](const std::string& text) {
        const size_t at = text.find("\xC2\xB1");
        return at == std::string::npos ? -1.0 : std::strtod(text.c_str() + at + 2, nullptr);
    };
    THoldEquity hold, lost;
    hold.m_dWin = hold.m_dPotShare = 0.25;
    hold.m_dLose = 0.75;
    hold.m_dPotShareError = 0.004;
    lost.m_dLose = 1.0;
    const auto labels = ShowdownRows(TShowdownOdds());
    const TEquityRows simulated = EquityRows(hold, 10000);
    ASSERT_EQ(simulated.size(), labels.size());
    for (size_t i = 0; i < labels.size(); ++i) {
        const TEquityRow& row = simulated[i];
        EXPECT_EQ(row.m_nLabelId, labels[i].m_nFormationNameId);
        EXPECT_FALSE(row.m_bExact);
        EXPECT_GT(row.m_dHalfWidth, 0.0) << i;
        EXPECT_GT(EquityRows(lost, 10000)[i].m_dHalfWidth, 0.0) << i;
        EXPECT_NEAR(lead(row.m_strFigure), 100 * row.m_dFraction, 5e-4) << row.m_strFigure;
        EXPECT_NEAR(afterSign(row.m_strFigure), 100 * row.m_dHalfWidth, 5e-4) << row.m_strFigure;
    }
    EXPECT_EQ(simulated[3].m_dHalfWidth, hold.m_dPotShareError) << "the run's own interval";
    // Four times the deals, half the interval.
    EXPECT_NEAR(EquityRows(hold, 40000)[0].m_dHalfWidth, simulated[0].m_dHalfWidth / 2, 1e-12);
    hold.m_bExact = true;
    for (const TEquityRow& row : EquityRows(hold, 0)) {
        EXPECT_EQ(row.m_dHalfWidth, 0.0);
        EXPECT_EQ(afterSign(row.m_strFigure), -1.0) << row.m_strFigure;
        EXPECT_NEAR(lead(row.m_strFigure), 100 * row.m_dFraction, 5e-4);
    }
}

// The run is the game's current hand: on a final hand the discards are out
// of the opponents' reach, the hand is the kept cards and the replacements.
TEST(MakeTableSetup, HandIsKnownLessDiscardedAndTheRestIsSeen)
{
    const std::vector<int> dealt = Cards("Kd Ks 8s 4h 2c"), drawn = Cards("Ah 7c 7d");
    CCardDistributionManager manager;
    for (const int card : dealt)
        manager.MarkKnown(card);
    for (const int card : Cards("8s 4h 2c"))
        manager.MarkDiscarded(card);
    for (const int card : drawn)
        manager.MarkKnown(card);
    const TTable table = MakeTable(3, {1, U, 3});
    const TTableSetup setup = MakeTableSetup(manager, nullptr, true, table, 777, 9);

    std::set<int> hand(setup.m_anHand, setup.m_anHand + kHandSize), seen;
    for (int card = 0; card < kCardCount; ++card)
        if (setup.m_abSeen[card])
            seen.insert(card);
    EXPECT_EQ(hand, (std::set<int>{dealt[0], dealt[1], drawn[0], drawn[1], drawn[2]}));
    EXPECT_EQ(seen, (std::set<int>{dealt[2], dealt[3], dealt[4]}));
    EXPECT_EQ(CheckTableSetup(setup), ETableError::None);

    // A hand order given is kept, for the keep masks to count in it.
    const int ordered[kHandSize] = {drawn[2], dealt[0], drawn[0], dealt[1], drawn[1]};
    const TTableSetup inOrder = MakeTableSetup(manager, ordered, true, table, 777, 9);
    EXPECT_EQ(std::vector<int>(inOrder.m_anHand, inOrder.m_anHand + kHandSize),
              std::vector<int>(ordered, ordered + kHandSize));
}

}  // namespace
