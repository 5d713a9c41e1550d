// The stage every verb leaves a game at, from every stage, the refused verbs
// and the way back included, and the steps undo and redo then find. What the
// window shows at each stage is checked through the window.
#include "PokerDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// One verb with a fixed argument: picks take the lowest offered cards,
// marks the places named.
void Play(CPokerDoc& doc, const std::string& verb)
{
    std::vector<int> unpicked;
    for (int card = 0; card < 52; ++card) {
        if (doc.IsOffered(card) && !doc.IsPicked(card))
            unpicked.push_back(card);
    }
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

// A game: each verb followed by the stage it must leave.
void ExpectStages(const std::string& game)
{
    CPokerDoc doc;
    std::istringstream in(game);
    std::string played;
    std::string verb;
    for (int stage; in >> verb >> stage;) {
        Play(doc, verb);
        played += " " + verb;
        ASSERT_EQ(static_cast<int>(doc.GetStage()), stage) << "after" << played;
    }
}

// Undo after a step that was refused finds the step before it; redo after a
// new change finds nothing; a new game starts at the pick of five cards and
// undoes to where it was; a new table keeps the stage, and undoes too.
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
    for (const char* game : games)
        ExpectStages(game);
}

}  // namespace
