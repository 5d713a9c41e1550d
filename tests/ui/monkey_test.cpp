// Random play through the window: clicks anywhere on the page, on the
// buttons, new games, other tables and window sizes. After every event the
// controls are reachable and show exactly what the document holds.
#include "WindowDriver.h"

#include "ResultsScene.h"
#include "ScrollableStatic.h"

#include <QAction>
#include <QTreeWidget>

#include <cstdlib>
#include <random>

namespace {

void ExpectControlsFollowTheDocument(CWindowDriver& game)
{
    CPokerDoc& doc = game.Doc();
    const EStage stage = doc.GetStage();
    const bool results = stage == EStage::InitialHand || stage == EStage::CardsMarked || stage == EStage::FinalHand;
    EXPECT_EQ(game.Ok()->isVisible(), doc.GetPickCount() > 0);
    EXPECT_EQ(game.Ok()->isEnabled(), doc.CanConfirm());
    EXPECT_EQ(game.DiscardButton()->isVisible(), doc.CanMark());
    EXPECT_EQ(game.DiscardButton()->isEnabled(), doc.GetMarkedCount() > 0);
    EXPECT_EQ(game.View().ResultsScene().OneOpponentList()->isVisible(), results);
    EXPECT_EQ(game.View().ResultsScene().SuggestionsBox()->isVisible(), results && stage != EStage::FinalHand);
    EXPECT_EQ(game.Frame().m_drawAnalysisAction->isEnabled(), doc.CanMark());
}

TEST(Monkey, RandomPlayKeepsTheWindowTrue)
{
    CWindowDriver game;
    std::mt19937 random(20241206u);
    const int events = std::getenv("QUINTARA_SANITIZED") ? 400 : 2500;
    int finished = 0;
    for (int i = 0; i < events && !::testing::Test::HasFailure(); ++i) {
        const unsigned kind = random() % 100;
        if (kind < 70) {
            // Anywhere on the page, with the picker's and the hand's cards likelier.
            const QRect area = kind < 30 ? game.View().CardsScene().Area()
                               : kind < 45 ? game.View().PlayingScene().Area()
                                           : QRect(0, 0, CPokerView::kPageWidth, CPokerView::kPageHeight);
            const QPoint page(area.left() + static_cast<int>(random() % static_cast<unsigned>(area.width())),
                              area.top() + static_cast<int>(random() % static_cast<unsigned>(area.height())));
            const QPoint window = game.WindowPoint(page);
            if (game.Frame().rect().contains(window))
                game.ClickWindow(window);
        } else if (kind < 85) {
            QPushButton* button = kind < 78 ? game.Ok() : game.DiscardButton();
            if (button->isVisible())
                game.ClickControl(button);
        } else if (kind < 89) {
            game.Frame().m_newAction->trigger();
        } else if (kind < 91) {
            AnswerOpponents(static_cast<int>(random() % 5));
            game.Frame().m_changeOpponentsAction->trigger();
        } else {
            // Smaller windows scroll the page; the controls must follow it.
            game.Frame().resize(500 + static_cast<int>(random() % 525), 400 + static_cast<int>(random() % 369));
            game.Settle();
        }
        game.Settle();
        finished += game.Doc().GetStage() == EStage::FinalHand ? 1 : 0;
        game.ExpectControlsReachable();
        ExpectControlsFollowTheDocument(game);
    }
    EXPECT_GT(finished, 0) << "no game reached its final hand";
}

}  // namespace
