// The table as the player knows it: a range per seat, the opening rank and
// the price of a call, each set as one step of the history from the initial
// hand on, refused whole when any part is wrong, and carried into the run.
#include "BruteForce.h"
#include "PokerDoc.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

CPokerDoc Dealt(const char* dealt, int opponents)
{
    CPokerDoc doc;
    doc.OnChangeOpponents(opponents);
    EXPECT_TRUE(doc.SetPicked(Cards(dealt)) && doc.ConfirmCards());
    return doc;
}

// The parts a step may change, as one comparable line.
std::string TableLine(const CPokerDoc& doc)
{
    const TTable& table = doc.GetTable();
    std::string line;
    for (int seat = 0; seat < table.m_nOpponents; ++seat)
        line += table.m_aRanges[seat].Text() + "/" + std::to_string(table.m_anDrew[seat]) + " ";
    return line + std::to_string(table.m_nOpenRank) + " " + std::to_string(table.m_dPot) + " " +
           std::to_string(table.m_dCall);
}

// Each verb is one step: undo walks back through every state, redo forward;
// `open` follows the opening rank; the run gets the ranges as read.
TEST(DocumentTable, EachVerbIsOneStepAndReachesTheRun)
{
    CPokerDoc doc = Dealt("Qs Qd 7c 7h Ac", 2);
    std::vector<std::string> states = {TableLine(doc)};
    const std::function<bool(CPokerDoc&)> steps[] = {
        [](CPokerDoc& d) { return d.SetRange(0, "open"); },
        [](CPokerDoc& d) { return d.SetRange(1, "77-tt/4f"); },
        [](CPokerDoc& d) { return d.SetOpening(11); },  // kings
        [](CPokerDoc& d) { return d.SetPrice(60, 20); },
        [](CPokerDoc& d) { return d.SetRange(1, "any"); },
    };
    for (const auto& step : steps) {
        ASSERT_TRUE(step(doc));
        states.push_back(TableLine(doc));
        EXPECT_NE(states.back(), states[states.size() - 2]);
    }
    CHandRange kings, opened;
    std::string bad;
    ASSERT_TRUE(CHandRange::Parse("KK+", 0, kings, bad) && CHandRange::Parse("open", 9, opened, bad));
    EXPECT_TRUE(doc.GetTable().m_aRanges[0] == kings);
    EXPECT_TRUE(doc.GetTable().m_aRanges[1].IsAny());
    const TTableSetup setup = doc.GetEquitySetup(true, ETableModel::UsualPlay, 1000, 7);
    EXPECT_TRUE(setup.m_aRanges[0] == kings);
    EXPECT_EQ(CheckTableSetup(setup), ETableError::None);

    for (size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(TableLine(doc), states[i]) << "undone to " << i;
    }
    EXPECT_TRUE(doc.GetTable().m_aRanges[0].IsAny());
    ASSERT_TRUE(doc.Redo());
    EXPECT_TRUE(doc.GetTable().m_aRanges[0] == opened);
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(TableLine(doc), states.front());
}

// What each verb refuses: nothing changes, no step is taken, and a bad
// range says which opponent and which part.
TEST(DocumentTable, RefusalsChangeNothing)
{
    struct TCase {
        const char* m_pName;
        std::function<bool(CPokerDoc&, std::string&)> m_verb;
        const char* m_pReasonHas;
    };
    const TCase cases[] = {
        {"unknown word", [](CPokerDoc& d, std::string& r) { return d.SetRange(1, "JJ+/zz", &r); }, "opponent 2"},
        {"seat past the table", [](CPokerDoc& d, std::string& r) { return d.SetRange(2, "JJ+", &r); }, ""},
        {"rank past aces", [](CPokerDoc& d, std::string&) { return d.SetOpening(13); }, ""},
        {"call without pot", [](CPokerDoc& d, std::string&) { return d.SetPrice(0, 20); }, ""},
        {"negative pot", [](CPokerDoc& d, std::string&) { return d.SetPrice(-60, 20); }, ""},
        {"range before the hand",
         [](CPokerDoc& d, std::string& r) { return d.OnNewDocument() && d.SetRange(0, "JJ+", &r); }, ""},
    };
    for (const TCase& c : cases) {
        CPokerDoc doc = Dealt("Qs Qd 7c 7h Ac", 2);
        const bool couldUndo = doc.CanUndo();
        std::string reason;
        const bool newGame = std::string(c.m_pName) == "range before the hand";
        EXPECT_FALSE(c.m_verb(doc, reason)) << c.m_pName;
        if (!newGame) {
            EXPECT_EQ(TableLine(doc), TableLine(Dealt("Qs Qd 7c 7h Ac", 2))) << c.m_pName;
            EXPECT_EQ(doc.CanUndo(), couldUndo) << c.m_pName;
        }
        EXPECT_NE(reason.find(c.m_pReasonHas), std::string::npos) << c.m_pName << ": " << reason;
        if (*c.m_pReasonHas) {
            EXPECT_NE(reason.find("zz"), std::string::npos) << reason;
        }
    }
}

}  // namespace
