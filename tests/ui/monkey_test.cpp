// Random play through the window: clicks anywhere on the page, on the
// buttons, new games, other tables and window sizes. After every event the
// controls are reachable and show exactly what the document holds.
#include "WindowDriver.h"

#include <QAction>

#include <cstdlib>
#include <random>

namespace {

TEST(Monkey, RandomPlayKeepsTheWindowTrue)
{
    CWindowDriver game;
    std::mt19937 random(20241206u);
    const int events = std::getenv("QUINTARA_SANITIZED") ? 1500 : 3000;
    int finished = 0;  // games that reached their final hand
    EStage previous = game.Doc().GetStage();
    for (int i = 0; i < events && !::testing::Test::HasFailure(); ++i) {
        const unsigned kind = random() % 1000 / 10;
        const bool rare = random() % 8 == 0;  // new games and new tables interrupt seldom
        if (kind < 66) {
            // Anywhere on the page, with the picker's and the hand's cards likelier.
            const QRect area = kind < 36 ? game.View().CardsScene().Area()
                               : kind < 56 ? game.View().PlayingScene().Area()
                                           : QRect(0, 0, CPokerView::kPageWidth, CPokerView::kPageHeight);
            const QPoint page(area.left() + static_cast<int>(random() % static_cast<unsigned>(area.width())),
                              area.top() + static_cast<int>(random() % static_cast<unsigned>(area.height())));
            const QPoint window = game.WindowPoint(page);
            if (game.Frame().rect().contains(window))
                game.ClickWindow(window);
        } else if (kind < 92) {
            QPushButton* button = kind < 80 ? game.Ok() : game.DiscardButton();
            if (button->isVisible())
                game.ClickControl(button);
        } else if (kind < 94) {
            if (rare)
                game.Frame().m_newAction->trigger();
        } else if (kind < 95) {
            if (!rare)
                continue;
            AnswerOpponents(static_cast<int>(random() % 5));
            game.Frame().m_changeOpponentsAction->trigger();
        } else {
            // Smaller windows scroll the page; the controls must follow it.
            if (random() % 2 == 0)
                game.Frame().resize(500 + static_cast<int>(random() % 525), 400 + static_cast<int>(random() % 369));
            else
                game.Frame().resize(CMainFrame::kMaxWidth, CMainFrame::kMaxHeight);
            game.Settle();
        }
        game.Settle();
        finished += game.Doc().GetStage() == EStage::FinalHand && previous != EStage::FinalHand ? 1 : 0;
        previous = game.Doc().GetStage();
        ExpectStageShown(game, game.Doc().GetStage());
        EXPECT_EQ(game.Ok()->isEnabled(), game.Doc().CanConfirm());
    }
    EXPECT_GT(finished, 0) << "no game reached its final hand";
}

}  // namespace
