// The range words: each counted over every hand of a deck against the tests'
// own reading of the word (the plain classifier, suits and ranks counted
// here), so a wrong class boundary or draw edge shows as a count off.

#include "HandRange.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

// What the tests read off five cards: the plain hand, four of a suit, and
// four consecutive ranks below the Ace (2-3-4-5 .. T-J-Q-K) in a hand that is
// no straight.
struct TReading {
    TPlainHand m_plain;
    bool m_bFourSuited = false;
    bool m_bOpenEnded = false;
};

TReading Read(const int* hand)
{
    TReading reading;
    reading.m_plain = ClassifyPlain(hand);
    reading.m_bFourSuited = FourSuitedMask(hand) != 0;
    reading.m_bOpenEnded = !reading.m_plain.m_bStraight && OpenEndedMask(hand) != 0;
    return reading;
}

bool PairOf(const TReading& r, int low, int high)
{
    return r.m_plain.m_nCategory == pcOnePair && r.m_plain.m_nPair >= low && r.m_plain.m_nPair <= high;
}

bool AtLeast(const TReading& r, int category)
{
    return r.m_plain.m_nCategory >= category;
}

bool Is(const TReading& r, int category)
{
    return r.m_plain.m_nCategory == category;
}

// Ace-high ranks.
constexpr int k7 = 5, kT = 8, kJ = 9, kA = 12;

struct TRangeRow {
    const char* m_szText;
    std::function<bool(const TReading&)> m_inRange;
};

const std::vector<TRangeRow>& Rows()
{
    static const std::vector<TRangeRow> rows = {
        {"jj+", [](const TReading& r) { return PairOf(r, kJ, kA) || AtLeast(r, pcTwoPair); }},
        {"77-TT", [](const TReading& r) { return PairOf(r, k7, kT); }},
        {"tt-77", [](const TReading& r) { return PairOf(r, k7, kT); }},
        {"AA", [](const TReading& r) { return PairOf(r, kA, kA); }},
        {"22+", [](const TReading& r) { return AtLeast(r, pcOnePair); }},
        {"2P", [](const TReading& r) { return Is(r, pcTwoPair); }},
        {"3k+", [](const TReading& r) { return AtLeast(r, pcThreeOfAKind); }},
        {"ST", [](const TReading& r) { return Is(r, pcStraight); }},
        {"FL", [](const TReading& r) { return Is(r, pcFlush); }},
        {"fh+", [](const TReading& r) { return AtLeast(r, pcFullHouse); }},
        {"4K", [](const TReading& r) { return Is(r, pcFourOfAKind); }},
        {"SF", [](const TReading& r) { return Is(r, pcStraightFlush); }},
        {"4F", [](const TReading& r) { return r.m_bFourSuited; }},
        {"oe", [](const TReading& r) { return r.m_bOpenEnded; }},
        {"77-TT/4F/OE", [](const TReading& r) { return PairOf(r, k7, kT) || r.m_bFourSuited || r.m_bOpenEnded; }},
        {"AA/2p/SF", [](const TReading& r) { return PairOf(r, kA, kA) || Is(r, pcTwoPair) || Is(r, pcStraightFlush); }},
        {"Any", [](const TReading&) { return true; }},
        {"FL/?", [](const TReading&) { return true; }},
    };
    return rows;
}

// Per row: the hands of `cards` the engine's range takes, and those the
// tests' reading takes.
void CountRows(const std::vector<int>& cards, std::vector<double>& engine, std::vector<double>& plain)
{
    const std::vector<TRangeRow>& rows = Rows();
    std::vector<CHandRange> ranges(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        std::string bad;
        ASSERT_TRUE(CHandRange::Parse(rows[i].m_szText, CHandRange::kDefaultOpenRank, ranges[i], bad))
            << rows[i].m_szText;
    }
    engine.assign(rows.size(), 0);
    plain.assign(rows.size(), 0);
    ForEachFiveOf(cards, [&](const int* hand) {
        const TReading reading = Read(hand);
        for (size_t i = 0; i < rows.size(); ++i) {
            engine[i] += ranges[i].Contains(hand);
            plain[i] += rows[i].m_inRange(reading);
        }
    });
}

// Over the full deck, and among unseen cards: seen cards shift every class
// (pairs of the seen ranks, the suits of the seen cards, straights through them).
TEST(HandRange, EachWordCountsTheHandsItNames)
{
    for (const char* seen : {"", "Qs Qd 7c 7h Ac", "Ah Kh Qh Jh Th 9c 8c 2s 2d"}) {
        std::vector<double> engine, plain;
        CountRows(Unseen(Cards(seen)), engine, plain);
        for (size_t i = 0; i < Rows().size(); ++i)
            EXPECT_EQ(engine[i], plain[i]) << Rows()[i].m_szText << " without " << seen;
        if (!*seen) {
            // The two counts a player can check by hand.
            EXPECT_EQ(engine[0], 536100);
            EXPECT_EQ(engine[5], 123552);
        }
        if (Sanitized() && *seen)
            break;
    }
}

// Typed in any case and spelling, a range reads as the same words; "open"
// is a pair of the opening rank or better, at every opening rank.
TEST(HandRange, TextIsTheWordsAsReadInOneSpelling)
{
    struct TCase {
        std::string m_strTyped;
        int m_nOpenRank;
        std::string m_strSame;
    };
    std::vector<TCase> cases = {
        {"jj+", CHandRange::kDefaultOpenRank, "JJ+"}, {"tt-77/4f", CHandRange::kDefaultOpenRank, "77-TT/4F"},
        {"open/oe", CHandRange::kDefaultOpenRank, "JJ+/OE"}, {"2p/?", CHandRange::kDefaultOpenRank, "any"},
        {" aa ", CHandRange::kDefaultOpenRank, "AA"},
    };
    for (int rank = 0; rank < 13; ++rank)
        cases.push_back({"Open", rank, std::string(2, "23456789TJQKA"[rank]) + "+"});
    for (const TCase& c : cases) {
        CHandRange typed, same;
        std::string bad;
        ASSERT_TRUE(CHandRange::Parse(c.m_strTyped, c.m_nOpenRank, typed, bad)) << c.m_strTyped;
        ASSERT_TRUE(CHandRange::Parse(c.m_strSame, c.m_nOpenRank, same, bad)) << c.m_strSame;
        EXPECT_TRUE(typed == same) << c.m_strTyped << " " << c.m_nOpenRank;
        EXPECT_EQ(typed.Text(), c.m_strSame) << c.m_strTyped;
    }
}

TEST(HandRange, UnknownOrEmptyPartIsRefusedAndNamed)
{
    const struct {
        const char* m_szText;
        const char* m_szBad;
    } cases[] = {
        {"", ""}, {"JJ+/", ""}, {"XX", "XX"}, {"J+", "J+"}, {"JQ", "JQ"}, {"2P/77-T", "77-T"},
        {"2P++", "2P++"}, {"4F+", "4F+"}, {"aa-", "aa-"}, {"11", "11"}, {"QQ/pair", "pair"},
    };
    for (const auto& c : cases) {
        CHandRange range;
        std::string bad;
        ASSERT_TRUE(CHandRange::Parse("FL", CHandRange::kDefaultOpenRank, range, bad));
        const CHandRange before = range;
        bad = "unset";
        EXPECT_FALSE(CHandRange::Parse(c.m_szText, CHandRange::kDefaultOpenRank, range, bad)) << c.m_szText;
        EXPECT_EQ(bad, c.m_szBad) << c.m_szText;
        EXPECT_TRUE(range == before) << c.m_szText;
    }
}

TEST(HandRange, OpeningRankReadsAsCardsDo)
{
    EXPECT_EQ(CHandRange::ParseRank("j"), CHandRange::kDefaultOpenRank);
    EXPECT_EQ(CHandRange::ParseRank("10"), CHandRange::ParseRank("T"));
    EXPECT_EQ(CHandRange::ParseRank("a"), 12);
    for (const char* bad : {"", "1", "JJ", "X", "11"})
        EXPECT_EQ(CHandRange::ParseRank(bad), -1) << bad;
}

} // namespace
