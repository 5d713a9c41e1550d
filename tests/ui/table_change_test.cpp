// Ctrl+O at every stage of a game: the dialog shows the table as it is, the
// cards, marks, picks and stage stay, the seats, tables and runs follow the
// new number, and Ctrl+Z brings back the table before, seen draws included.
#include "WindowDriver.h"

namespace {

TEST(TableChange, EveryStageKeepsTheGameAndUndoBringsTheTableBack)
{
    // Each game goes one stage further than the one before, the stages
    // taken in the order the window shows them.
    for (int depth = 0; depth < 5; ++depth) {
        const EStage stage = kStageShows[depth].m_eStage;
        SCOPED_TRACE(testing::Message() << "stage " << static_cast<int>(stage));
        CWindowDriver game(2);
        game.Pick(depth == 0 ? "Kd Ks" : "Kd Ks 8s 4h 2c");
        if (depth >= 1)
            game.ClickControl(game.Ok());
        if (depth >= 2)
            game.ClickPlace(4);
        if (depth >= 3) {
            game.ClickControl(game.DiscardButton());
            game.Pick("7c");
        }
        if (depth >= 4) {
            game.ClickControl(game.Ok());
            game.Press(Qt::Key_2, Qt::ControlModifier);  // seat 2 stood pat
        }
        ASSERT_EQ(game.Doc().GetStage(), stage);
        const TShown before = Shown(game, true);

        int shownFirst = 0;
        game.ChangeOpponents(0, &shownFirst);
        EXPECT_EQ(shownFirst, 3) << "the dialog opens on the table as it is";
        const TShown after = Shown(game, true);
        EXPECT_EQ(std::get<0>(after), stage);
        EXPECT_EQ(std::get<1>(after), std::get<1>(before)) << "picks kept";
        EXPECT_TRUE(std::equal(std::get<3>(after).begin(), std::get<3>(after).begin() + 2 * CPokerDoc::kPlaces,
                               std::get<3>(before).begin()))
            << "cards and marks kept";
        EXPECT_EQ(game.Doc().GetSeenDraw(1), kDrawUnseen) << "the seat gone forgets its draw";
        EXPECT_EQ(std::get<4>(after), 1) << "one seat painted";
        ExpectStageShown(game, stage);
        if (game.View().PlayingScene().ShowdownBlock()->isVisible()) {
            // The tables and runs are the new table's.
            EXPECT_NE(std::get<6>(after), std::get<6>(before));
            EXPECT_EQ(game.View().ShowdownRun().Setup().m_nOpponents, 1);
            game.ExpectShowdownBlockReadsTheRun();
        }
        if (game.View().ResultsScene().SuggestionsBox()->isVisible()) {
            EXPECT_EQ(game.View().HoldsRun().Setup().m_nOpponents, 1);
        }

        game.Press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(Shown(game, true) == before) << "Ctrl+Z brings back the table before";
        EXPECT_EQ(game.Doc().GetOpponents(), 3);
        ExpectStageShown(game, stage);
        game.ChangeOpponents(2, &shownFirst);
        EXPECT_EQ(shownFirst, 3);
        EXPECT_TRUE(game.Frame().m_redoAction->isEnabled()) << "the same number is no step";
    }
}

}  // namespace
