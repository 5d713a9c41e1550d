// Ctrl+O at every stage of a game: the dialog shows the table as it is, the
// cards, marks, picks and stage stay, the seats, tables and runs follow the
// new number, and Ctrl+Z brings back the table before, seen draws included.
#include "WindowDriver.h"

namespace {

TEST(TableChange, EveryStageKeepsTheGameAndUndoBringsTheTableBack)
{
    using TStep = std::function<void(CWindowDriver&)>;
    const TStep pickTwo = [](CWindowDriver& game) { game.Pick("Kd Ks"); };
    const TStep initial = [](CWindowDriver& game) { game.PlayInitial("Kd Ks 8s 4h 2c"); };
    const TStep mark = [](CWindowDriver& game) { game.ClickPlace(4); };
    const TStep discard = [](CWindowDriver& game) {
        game.ClickControl(game.DiscardButton());
        game.Pick("7c");
    };
    const TStep final = [](CWindowDriver& game) {
        game.ClickControl(game.Ok());
        game.Press(Qt::Key_2, Qt::ControlModifier);  // seat 2 stood pat
    };
    const struct {
        EStage m_eStage;
        std::vector<TStep> m_arrSteps;
    } cases[] = {
        {EStage::PickInitialHand, {pickTwo}},
        {EStage::InitialHand, {initial}},
        {EStage::CardsMarked, {initial, mark}},
        {EStage::PickReplacements, {initial, mark, discard}},
        {EStage::FinalHand, {initial, mark, discard, final}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "stage " << static_cast<int>(c.m_eStage));
        CWindowDriver game(2);
        for (const TStep& step : c.m_arrSteps)
            step(game);
        ASSERT_EQ(game.Doc().GetStage(), c.m_eStage);
        const TShown before = Shown(game, true);

        int shownFirst = 0;
        game.ChangeOpponents(0, &shownFirst);
        EXPECT_EQ(shownFirst, 3) << "the dialog opens on the table as it is";
        const TShown after = Shown(game, true);
        EXPECT_EQ(std::get<0>(after), c.m_eStage);
        EXPECT_EQ(std::get<1>(after), std::get<1>(before)) << "picks kept";
        EXPECT_TRUE(std::equal(std::get<3>(after).begin(), std::get<3>(after).begin() + 2 * CPokerDoc::kPlaces,
                               std::get<3>(before).begin()))
            << "cards and marks kept";
        EXPECT_EQ(game.Doc().GetSeenDraw(1), kDrawUnseen) << "the seat gone forgets its draw";
        EXPECT_EQ(std::get<4>(after), 1) << "one seat painted";
        ExpectStageShown(game, c.m_eStage);
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
        ExpectStageShown(game, c.m_eStage);
        game.ChangeOpponents(2, &shownFirst);
        EXPECT_EQ(shownFirst, 3);
        EXPECT_TRUE(game.Frame().m_redoAction->isEnabled()) << "the same number is no step";
    }
}

}  // namespace
