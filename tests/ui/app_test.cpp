// The program around the game: the opponents question, New, the help, the
// draw analysis dialog and a scrolled page.
#include "WindowDriver.h"

#include "Cards.h"
#include "DrawAnalysisDlg.h"
#include "HelpWindow.h"

#include <QMessageBox>
#include <QScrollBar>
#include <QTreeWidget>

namespace {

TEST(App, OpponentsAnswerSeatsTheTable)
{
    const struct {
        int index, opponents;
    } cases[] = {{-1, 1}, {0, 1}, {2, 3}, {4, 5}};
    for (const auto& c : cases) {
        CWindowDriver game(c.index);
        EXPECT_EQ(game.Doc().GetOpponents(), c.opponents) << "answer " << c.index;
    }
}

// Each stage's topic is checked through the game flow; Shift+F1 opens the
// overview.
TEST(App, HelpOpensTheOverviewOrSaysThePageIsMissing)
{
    CWindowDriver game;
    game.View().SetHelpFile(QStringLiteral(QUINTARA_HELP_PAGE));
    game.PlayInitial("Ac Ad 7h 8s 2d");
    game.Frame().m_overviewAction->trigger();
    EXPECT_EQ(game.View().findChild<CHelpWindow*>()->m_nTopic, 1);

    // A missing page is said in a message, and the game goes on.
    game.View().SetHelpFile(QStringLiteral("/nonexistent/quintara.html"));
    bool told = false;
    WhenModalShown([&told](QWidget* box) {
        told = qobject_cast<QMessageBox*>(box) != nullptr;
        box->close();
    });
    game.Frame().m_helpAction->trigger();
    EXPECT_TRUE(told);
    EXPECT_EQ(game.Doc().GetStage(), EStage::InitialHand);
}

// The best hold of a pair of Kings keeps the pair: its other cards get marked.
TEST(App, ChosenHoldMarksItsDiscards)
{
    CWindowDriver game;
    game.PlayInitial("Kc Kd 5h 8s 3c");
    WhenModalShown([](QWidget* widget) {
        auto* dialog = qobject_cast<CDrawAnalysisDlg*>(widget);
        ASSERT_NE(dialog, nullptr);
        dialog->m_holdsList->setCurrentItem(dialog->m_holdsList->topLevelItem(0));
        dialog->m_markButton->click();
    });
    game.Frame().m_drawAnalysisAction->trigger();
    game.Settle();
    for (int place = 0; place < CPokerDoc::kPlaces; ++place)
        EXPECT_EQ(game.Doc().IsMarked(place), CardRank(game.Doc().GetHandCard(place)) != CardRank(ParseCard("Kc")))
            << place;
}

TEST(App, ScrolledPageTakesClicksWhereTheCardsShow)
{
    CWindowDriver game;
    game.Frame().resize(520, 420);
    game.Settle();
    game.View().horizontalScrollBar()->setValue(game.View().horizontalScrollBar()->maximum());
    game.View().verticalScrollBar()->setValue(200);
    game.Settle();
    game.Pick("Jc Jd");
    EXPECT_TRUE(game.Doc().IsPicked(ParseCard("Jc")));
    EXPECT_TRUE(game.Doc().IsPicked(ParseCard("Jd")));
    game.ExpectControlsReachable();
}

}  // namespace
