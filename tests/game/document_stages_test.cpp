// The stage every verb leaves a game at, from every stage, the refused verbs
// and the way back included, and the steps undo and redo then find. What the
// window shows at each stage is checked through the window.
#include "PokerDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

// One verb with a fixed argument: picks take the lowest offered cards and
// marks the places named.
void Play(CPokerDoc& doc, const std::string& verb)
{
    std::vector<int> unpicked;
    for (int card = 0; card < 52; ++card) {
        if (doc.IsOffered(card) && !doc.IsPicked(card))
            unpicked.push_back(card);
    }
    unpicked.resize(std::min<size_t>(unpicked.size(), doc.GetPickCount()));
    if (verb == "pick")
        doc.TogglePick(unpicked.empty() ? -1 : unpicked.front());
    else if (verb == "unpick")
        doc.TogglePick(doc.GetPicked().empty() ? -1 : doc.GetPicked().front());
    else if (verb == "all")
        doc.SetPicked(unpicked);
    else if (verb == "confirm")
        doc.ConfirmCards();
    else if (verb == "marks")
        doc.MarkPlaces(0b00011);
    else if (verb.rfind("mark", 0) == 0 && verb.size() == 5)
        doc.ToggleMark(verb[4] - '0');
    else if (verb == "unmarks")
        doc.MarkPlaces(0);
    else if (verb == "discard")
        doc.Discard();
    else if (verb == "undo")
        doc.Undo();
    else if (verb == "redo")
        doc.Redo();
    else if (verb == "new")
        doc.OnNewDocument();
    else if (verb == "opponents")
        doc.OnChangeOpponents(doc.GetOpponents() % 5 + 1);
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
// new change finds nothing.
TEST(DocumentStages, EveryVerbFromEveryStage)
{
    const char* const games[] = {
        "confirm 3 mark0 3 marks 3 discard 3 undo 3 redo 3 pick 3 unpick 3 all 3 confirm 4",
        "all 3 confirm 4 pick 4 all 4 confirm 4 discard 4 undo 3 redo 4 redo 4 mark0 5",
        // Mark two, unmark both: back at the initial hand.
        "all 3 confirm 4 mark1 5 mark3 5 pick 5 all 5 confirm 5 mark1 5 mark3 4 marks 5 unmarks 4 marks 5 "
        "undo 4 undo 5 redo 4 redo 5 discard 6",
        "all 3 confirm 4 marks 5 discard 6 confirm 6 mark0 6 marks 6 discard 6 pick 6 unpick 6 all 6 "
        "undo 5 redo 6 confirm 7",
        "all 3 confirm 4 mark0 5 discard 6 all 6 confirm 7 pick 7 all 7 confirm 7 mark0 7 marks 7 discard 7 "
        "undo 6 confirm 7 redo 7 undo 6 undo 5 undo 4 undo 3 undo 3 redo 4",
        "all 3 confirm 4 undo 3 unpick 3 redo 3 all 3 confirm 4 mark0 5 undo 4 unmarks 4 redo 4",
    };
    for (const char* game : games)
        ExpectStages(game);
}

// A new game or table starts at the pick of five cards from any stage, and
// leaves nothing to undo or redo.
TEST(DocumentStages, NewGameAndTableFromEveryStage)
{
    const std::string toFinal = "all 3 confirm 4 mark0 5 discard 6 all 6 confirm 7";
    const std::string stages[] = {"", "all 3 confirm 4 undo 3", "all 3 confirm 4 mark0 5 undo 4",
                                  "all 3 confirm 4 mark0 5 mark1 5 undo 5", toFinal + " undo 6", toFinal};
    for (const std::string& path : stages) {
        for (const char* verb : {" new", " opponents"})
            ExpectStages(path + verb + " 3 undo 3 redo 3");
    }
}

}  // namespace
