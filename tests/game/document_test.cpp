// A game played through the document: the stage every verb leaves it at, the
// steps undo and redo find, the figures of the cards the player holds, and
// the table as he knows it (seen draws, ranges, the price of a call), each
// set as one step of the history and carried into the run. What the window
// shows at each stage is checked through the window.
#include "BruteForce.h"
#include "PokerDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A game at a table of `opponents`, `dealt` confirmed and, when `marks` names
// places, those thrown.
CPokerDoc Played(const char* dealt, int opponents = 1, unsigned marks = 0)
{
    CPokerDoc doc(opponents);
    EXPECT_TRUE(doc.SetPicked(Cards(dealt)) && doc.ConfirmCards());
    EXPECT_TRUE(!marks || (doc.MarkPlaces(marks) && doc.Discard()));
    return doc;
}

std::vector<int> HandShown(const CPokerDoc& doc)
{
    std::vector<int> hand;
    for (int place = 0; place < CPokerDoc::kPlaces; ++place)
        hand.push_back(doc.GetHandCard(place));
    return hand;
}

// One verb with a fixed argument: picks take the lowest offered cards,
// marks the places named.
void Play(CPokerDoc& doc, const std::string& verb)
{
    std::vector<int> unpicked;
    for (int card = 0; card < 52; ++card)
        if (doc.IsOffered(card) && !doc.IsPicked(card))
            unpicked.push_back(card);
    unpicked.resize(std::min<size_t>(unpicked.size(), doc.GetPickCount()));
    const std::map<std::string, std::function<void()>> verbs = {
        {"pick", [&] { doc.TogglePick(unpicked.empty() ? -1 : unpicked.front()); }},
        {"unpick", [&] { doc.TogglePick(doc.GetPicked().empty() ? -1 : doc.GetPicked().front()); }},
        {"all", [&] { doc.SetPicked(unpicked); }},       {"confirm", [&] { doc.ConfirmCards(); }},
        {"marks", [&] { doc.MarkPlaces(0b00011); }},     {"unmarks", [&] { doc.MarkPlaces(0); }},
        {"discard", [&] { doc.Discard(); }},             {"undo", [&] { doc.Undo(); }},
        {"redo", [&] { doc.Redo(); }},                   {"new", [&] { doc.OnNewDocument(); }},
        {"opponents", [&] { doc.OnChangeOpponents(doc.GetOpponents() % 5 + 1); }},
    };
    if (verbs.count(verb))
        verbs.at(verb)();
    else if (verb.size() == 5 && verb.rfind("mark", 0) == 0)
        doc.ToggleMark(verb[4] - '0');
    else
        ADD_FAILURE() << "no verb " << verb;
}

// Games of verbs, each followed by the stage it must leave. Undo after a step
// that was refused finds the step before it; redo after a new change finds
// nothing; a new game starts at the pick of five cards and undoes to where it
// was; a new table keeps the stage, and undoes too.
TEST(DocumentStages, EveryVerbFromEveryStage)
{
    const char* const games[] = {
        "new 3 opponents 3 confirm 3 mark0 3 marks 3 discard 3 undo 3 redo 3 pick 3 unpick 3 all 3 confirm 4 "
        "new 3 undo 4",
        "all 3 confirm 4 pick 4 all 4 confirm 4 discard 4 undo 3 redo 4 redo 4 mark0 5 undo 4 opponents 4 undo 4 redo 4",
        // Mark two, unmark both: back at the initial hand.
        "all 3 confirm 4 mark1 5 mark3 5 pick 5 all 5 confirm 5 mark1 5 mark3 4 marks 5 unmarks 4 marks 5 "
        "undo 4 undo 5 redo 4 redo 5 new 3 undo 5 redo 3",
        "all 3 confirm 4 marks 5 discard 6 confirm 6 mark0 6 marks 6 discard 6 pick 6 unpick 6 all 6 "
        "undo 5 redo 6 confirm 7 undo 6 opponents 6 undo 6 redo 6",
        "all 3 confirm 4 mark0 5 discard 6 all 6 confirm 7 pick 7 all 7 confirm 7 mark0 7 marks 7 discard 7 "
        "undo 6 confirm 7 redo 7 undo 6 undo 5 undo 4 undo 3 undo 3 redo 4 redo 5 redo 6 redo 7 new 3 undo 7",
        "all 3 confirm 4 undo 3 unpick 3 redo 3 all 3 confirm 4 mark0 5 undo 4 unmarks 4 redo 4 mark0 5 discard 6 "
        "new 3 undo 6",
        "all 3 confirm 4 mark0 5 discard 6 undo 5 opponents 5 redo 5 undo 5 discard 6 all 6 confirm 7 opponents 7 "
        "undo 7 undo 6",
    };
    for (const char* game : games) {
        CPokerDoc doc;
        std::istringstream in(game);
        std::string played, verb;
        for (int stage; in >> verb >> stage;) {
            Play(doc, verb);
            played += " " + verb;
            ASSERT_EQ(static_cast<int>(doc.GetStage()), stage) << "after" << played;
        }
    }
}

// The thrown cards are gone from his hand and from every opponent's, as the
// plain enumeration counts them.
TEST(DocumentGame, FinalFiguresAreThoseOfTheCardsHeld)
{
    CPokerDoc doc = Played("Kh Kd 5c 8s 3h", 1, 0b11000);  // the hand shows Kd Kh 8s 5c 3h
    ASSERT_TRUE(doc.SetPicked(Cards("Ks 2d")) && doc.ConfirmCards());
    const TBruteForceCounts plain = CountOpponentHands(Cards("Kh Kd 5c 8s 3h Ks 2d"), Cards("2d Kd Ks Kh 8s"));
    const TShowdownCounts& counts = doc.GetResult().m_showdownCounts;
    EXPECT_EQ(static_cast<double>(counts.m_nHands), plain.m_dTotal);
    EXPECT_EQ(static_cast<double>(counts.m_nBeating), plain.m_dRulesAbove);
    EXPECT_EQ(static_cast<double>(counts.m_nTying), plain.m_dRulesLevel);
}

// A new table keeps the cards at every stage with results, and its figures
// are those of a game dealt at that table; undo brings the old table back.
TEST(DocumentGame, ANewTableKeepsTheHandAndRecomputesItsFigures)
{
    const auto play = [](int opponents, bool final) {
        CPokerDoc doc = Played("Kh Kd 5c 8s 3h", opponents, final ? 0b11000 : 0);
        EXPECT_TRUE(!final || (doc.SetPicked(Cards("Ks 2d")) && doc.ConfirmCards()));
        return doc;
    };
    for (const bool final : {false, true}) {
        CPokerDoc doc = play(2, final);
        const std::vector<int> hand = HandShown(doc);
        const EStage stage = doc.GetStage();
        doc.OnChangeOpponents(4);
        EXPECT_EQ(HandShown(doc), hand);
        EXPECT_EQ(doc.GetStage(), stage);
        const auto fresh = play(4, final).GetResult().m_arrAtLeastOne;
        const auto& now = doc.GetResult().m_arrAtLeastOne;
        ASSERT_EQ(now.size(), fresh.size());
        for (size_t row = 0; row < now.size(); ++row)
            EXPECT_EQ(now[row].m_dProbability, fresh[row].m_dProbability) << row;
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(doc.GetOpponents(), 2);
        EXPECT_EQ(HandShown(doc), hand);
    }
}

std::vector<int> SeenDraws(const CPokerDoc& doc)
{
    std::vector<int> drew;
    for (int seat = 0; seat < doc.GetOpponents(); ++seat)
        drew.push_back(doc.GetSeenDraw(seat));
    return drew;
}

// Seen draws are steps like the others: each undoes and redoes whole, with
// the stage it was set at, and the equity run of the final hand carries them.
TEST(DocumentSeenDraws, AreStepsAndReachTheFinalRun)
{
    CPokerDoc doc = Played("Kh Kd 5c 8s 3h", 3, 0b00101);
    ASSERT_TRUE(doc.SetSeenDraw(1, 3));
    ASSERT_TRUE(doc.SetPicked(Cards("Ks 2d")) && doc.ConfirmCards());
    ASSERT_TRUE(doc.SetSeenDraw(0, 1));
    ASSERT_TRUE(doc.CycleSeenDraw(2));
    const std::vector<std::vector<int>> steps = {{-1, -1, -1}, {-1, 3, -1}, {-1, 3, -1}, {1, 3, -1}, {1, 3, 0}};
    EXPECT_EQ(SeenDraws(doc), steps.back());
    const TTableSetup setup = doc.GetEquitySetup(false, ETableModel::UsualPlay, 1000, 7);
    EXPECT_EQ(CheckTableSetup(setup), ETableError::None);
    EXPECT_EQ(std::vector<int>(setup.m_anDrew, setup.m_anDrew + 3), steps.back());
    for (size_t i = steps.size() - 1; i-- > 0;) {
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(SeenDraws(doc), steps[i]) << "undone to " << i;
    }
    EXPECT_EQ(doc.GetStage(), EStage::PickReplacements);
    for (size_t i = 1; i < steps.size(); ++i) {
        ASSERT_TRUE(doc.Redo());
        EXPECT_EQ(SeenDraws(doc), steps[i]) << "redone to " << i;
    }
    EXPECT_EQ(doc.GetStage(), EStage::FinalHand);
}

// What takes a seen draw, and what forgets them all. Once the replacements
// are in, every ace and king is seen, so no opponent can hold the high card
// the usual play draws four to: the count is taken, and the run refuses it.
TEST(DocumentSeenDraws, TakenOnlyAfterTheDiscardAndForgottenByANewGame)
{
    const auto replace = [](CPokerDoc& doc) { return doc.SetPicked(Cards("Kd Kh Ks 2c 3c")) && doc.ConfirmCards(); };
    const struct {
        const char* m_pName;
        std::function<bool(CPokerDoc&)> m_change;
        bool m_bTaken;
        std::vector<int> m_arrAfter;
        ETableError m_eRun;
    } cases[] = {
        {"before the discard", [](CPokerDoc& d) { return d.Undo() && d.SetSeenDraw(0, 2); }, false, {-1, -1},
         ETableError::None},
        {"seat past the table", [](CPokerDoc& d) { return d.SetSeenDraw(2, 2); }, false, {-1, -1},
         ETableError::BadHand},
        {"count past five", [](CPokerDoc& d) { return d.SetSeenDraw(0, 6); }, false, {-1, -1}, ETableError::BadHand},
        {"the cycle wraps to unseen",
         [&](CPokerDoc& d) { return d.SetSeenDraw(0, 5) && d.CycleSeenDraw(0) && replace(d); }, true, {-1, -1},
         ETableError::None},
        {"five, then the hand", [&](CPokerDoc& d) { return d.SetSeenDraw(1, 5) && replace(d); }, true, {-1, 5},
         ETableError::None},
        {"four, every high card seen", [&](CPokerDoc& d) { return replace(d) && d.SetSeenDraw(1, 4); }, true, {-1, 4},
         ETableError::ImpossibleDrew},
        {"new game", [](CPokerDoc& d) { return d.SetSeenDraw(0, 1) && d.OnNewDocument(); }, true, {-1, -1},
         ETableError::BadHand},
        {"a smaller table keeps the seats it still has",
         [](CPokerDoc& d) { return d.SetSeenDraw(0, 1) && d.SetSeenDraw(1, 2) && (d.OnChangeOpponents(1), true); },
         true, {1}, ETableError::BadHand},
    };
    for (const auto& c : cases) {
        CPokerDoc doc = Played("Ac Ad Ah As Kc", 2, 0b11111);
        EXPECT_EQ(c.m_change(doc), c.m_bTaken) << c.m_pName;
        EXPECT_EQ(SeenDraws(doc), c.m_arrAfter) << c.m_pName;
        EXPECT_EQ(CheckTableSetup(doc.GetEquitySetup(false, ETableModel::UsualPlay, 1000, 1)), c.m_eRun) << c.m_pName;
    }
}

// The parts a table step may change, as one comparable line.
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
    CPokerDoc doc = Played("Qs Qd 7c 7h Ac", 2);
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
    const struct {
        const char* m_pName;
        std::function<bool(CPokerDoc&, std::string&)> m_verb;
        const char* m_pReasonHas;
    } cases[] = {
        {"unknown word", [](CPokerDoc& d, std::string& r) { return d.SetRange(1, "JJ+/zz", &r); }, "opponent 2"},
        {"seat past the table", [](CPokerDoc& d, std::string& r) { return d.SetRange(2, "JJ+", &r); }, ""},
        {"rank past aces", [](CPokerDoc& d, std::string&) { return d.SetOpening(13); }, ""},
        {"call without pot", [](CPokerDoc& d, std::string&) { return d.SetPrice(0, 20); }, ""},
        {"negative pot", [](CPokerDoc& d, std::string&) { return d.SetPrice(-60, 20); }, ""},
        {"range before the hand",
         [](CPokerDoc& d, std::string& r) { return d.OnNewDocument() && d.SetRange(0, "JJ+", &r); }, ""},
    };
    const std::string dealt = TableLine(Played("Qs Qd 7c 7h Ac", 2));
    for (const auto& c : cases) {
        CPokerDoc doc = Played("Qs Qd 7c 7h Ac", 2);
        const bool couldUndo = doc.CanUndo();
        std::string reason;
        EXPECT_FALSE(c.m_verb(doc, reason)) << c.m_pName;
        if (std::string(c.m_pName) != "range before the hand") {
            EXPECT_EQ(TableLine(doc), dealt) << c.m_pName;
            EXPECT_EQ(doc.CanUndo(), couldUndo) << c.m_pName;
        }
        EXPECT_NE(reason.find(c.m_pReasonHas), std::string::npos) << c.m_pName << ": " << reason;
        EXPECT_TRUE(!*c.m_pReasonHas || reason.find("zz") != std::string::npos) << reason;
    }
}

}  // namespace
