// One whole game through the window's own hit-testing, with the mouse and
// with the keyboard, checking what the player sees at every stage.
#include "WindowDriver.h"

#include "HelpWindow.h"
#include "ResultsScene.h"
#include "ScrollableStatic.h"
#include "Style.h"

#include <QDir>
#include <QLabel>
#include <QTreeWidget>

#include <algorithm>

namespace {

QString Shown(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void SaveScreenshot(CWindowDriver& game, const char* name)
{
    QDir().mkpath(QStringLiteral(QUINTARA_SCREENSHOT_DIR));
    game.Frame().grab().save(QStringLiteral(QUINTARA_SCREENSHOT_DIR "/%1.png").arg(QLatin1String(name)));
}

// Each row of a list shows the label and the probability of the figures the
// game computed for it.
void ExpectListShows(const QTreeWidget* list, const CCardDistributionManager::TRows& rows)
{
    ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(static_cast<int>(i));
        EXPECT_EQ(item->text(0), Text(static_cast<unsigned>(rows[i].m_nFormationNameId)));
        EXPECT_NEAR(item->text(1).remove(QLatin1Char('%')).toDouble(), rows[i].m_dProbability * 100, 5e-4);
        EXPECT_EQ(item->text(2).isEmpty(), rows[i].m_dProbability == 0);
    }
}

void ExpectResultsShown(CWindowDriver& game, bool suggestions)
{
    const CResultsScene& results = game.View().ResultsScene();
    const TConfirmedHand& hand = game.Doc().GetResult();
    ASSERT_TRUE(results.OneOpponentList()->isVisible());
    ExpectListShows(results.OneOpponentList(), hand.m_arrOneOpponent);
    ExpectListShows(results.AtLeastOneList(), hand.m_arrAtLeastOne);
    EXPECT_EQ(results.SuggestionsBox()->isVisible(), suggestions);
    if (suggestions) {
        EXPECT_EQ(results.SuggestionsBox()->toPlainText(), Shown(hand.m_strAdvice));
    }
    EXPECT_TRUE(game.View().PlayingScene().AdviceBox()->isVisible());
    EXPECT_EQ(game.View().PlayingScene().AdviceBox()->toPlainText(), Shown(hand.m_strDescription));
    // The showdown block reads the document's figures, to three decimals.
    const QLabel* showdown = game.View().PlayingScene().ShowdownBlock();
    ASSERT_TRUE(showdown->isVisible());
    for (const double p : {hand.m_showdownOdds.m_dWin, hand.m_showdownOdds.m_dLose, hand.m_showdownOdds.m_dPotShare})
        EXPECT_TRUE(showdown->accessibleName().contains(QString::number(p * 100, 'f', 3))) << p;
}

// What each stage shows: OK, Discard and whether it takes a click, the draw
// analysis command, the figures (tables, description, showdown) and the
// suggestions.
struct TStageShows {
    EStage m_eStage;
    bool m_bOk, m_bDiscard, m_bDiscardEnabled, m_bDrawAnalysis, m_bFigures, m_bSuggestions;
};

const TStageShows kStageShows[] = {
    {EStage::PickInitialHand, true, false, false, false, false, false},
    {EStage::InitialHand, false, true, false, true, true, true},
    {EStage::CardsMarked, false, true, true, true, true, true},
    {EStage::PickReplacements, true, false, false, false, false, false},
    {EStage::FinalHand, false, false, false, false, true, false},
};

// The game is at `stage`, the window shows what it shows there, every
// control takes its clicks, and F1 opens the stage's help topic.
void ExpectStageShown(CWindowDriver& game, EStage stage)
{
    ASSERT_EQ(game.Doc().GetStage(), stage);
    const TStageShows& shows =
        *std::find_if(std::begin(kStageShows), std::end(kStageShows), [stage](const TStageShows& s) { return s.m_eStage == stage; });
    EXPECT_EQ(game.Ok()->isVisible(), shows.m_bOk);
    EXPECT_EQ(game.DiscardButton()->isVisible(), shows.m_bDiscard);
    EXPECT_EQ(game.DiscardButton()->isEnabled(), shows.m_bDiscardEnabled);
    EXPECT_EQ(game.Frame().m_drawAnalysisAction->isEnabled(), shows.m_bDrawAnalysis);
    EXPECT_EQ(game.View().ResultsScene().OneOpponentList()->isVisible(), shows.m_bFigures);
    EXPECT_EQ(game.View().PlayingScene().AdviceBox()->isVisible(), shows.m_bFigures);
    EXPECT_EQ(game.View().PlayingScene().ShowdownBlock()->isVisible(), shows.m_bFigures);
    EXPECT_EQ(game.View().ResultsScene().SuggestionsBox()->isVisible(), shows.m_bSuggestions);
    game.ExpectControlsReachable();
    game.Frame().m_helpAction->trigger();
    const auto* help = game.View().findChild<CHelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->m_nTopic, static_cast<int>(stage));
}

// Every click and command of the window from every stage, refused ones and
// the way back included.
TEST(GameFlow, WholeGameWithTheMouse)
{
    CWindowDriver game;
    game.View().SetHelpFile(QStringLiteral(QUINTARA_HELP_PAGE));
    std::vector<QRect> fullDeck;  // where each card shows while all are offered
    for (int card = 0; card < 52; ++card)
        fullDeck.push_back(game.View().CardsScene().CardRect(card));
    ExpectStageShown(game, EStage::PickInitialHand);
    SaveScreenshot(game, "stage3_pick_hand");
    game.ClickPlace(0);
    game.ClickControl(game.Ok());
    game.Frame().m_undoAction->trigger();
    ExpectStageShown(game, EStage::PickInitialHand);

    // OK comes alive at the fifth card; a sixth is refused.
    game.Pick("Qh 2c 9c 4s");
    EXPECT_FALSE(game.Ok()->isEnabled());
    game.Pick("7d");
    EXPECT_TRUE(game.Ok()->isEnabled());
    game.Pick("Ah");
    EXPECT_FALSE(game.Doc().IsPicked(ParseCard("Ah")));
    game.ClickControl(game.Ok());

    ExpectStageShown(game, EStage::InitialHand);
    const std::vector<int> dealt = Cards("2c 9c 7d Qh 4s");  // by suit, ace to king
    for (int place = 0; place < CPokerDoc::kPlaces; ++place)
        EXPECT_EQ(game.Doc().GetHandCard(place), dealt[static_cast<size_t>(place)]);
    ExpectResultsShown(game, true);
    SaveScreenshot(game, "stage4_initial_hand");
    game.Pick("Ac");
    game.ClickControl(game.DiscardButton());
    ExpectStageShown(game, EStage::InitialHand);

    // Mark two, unmark both: back at the initial hand.
    const std::pair<int, EStage> marks[] = {
        {0, EStage::CardsMarked}, {3, EStage::CardsMarked}, {0, EStage::CardsMarked}, {3, EStage::InitialHand}};
    for (const auto& [place, stage] : marks) {
        game.ClickPlace(place);
        ExpectStageShown(game, stage);
    }
    game.ClickPlace(0);
    ExpectStageShown(game, EStage::CardsMarked);
    SaveScreenshot(game, "stage5_marked");
    game.Frame().m_undoAction->trigger();
    ExpectStageShown(game, EStage::InitialHand);
    game.Frame().m_redoAction->trigger();
    ExpectStageShown(game, EStage::CardsMarked);

    // The middle of Discard's face, where the table note's rectangle also lies.
    game.ClickControl(game.DiscardButton());
    ExpectStageShown(game, EStage::PickReplacements);
    EXPECT_EQ(game.Doc().GetPickCount(), 1u);
    SaveScreenshot(game, "stage6_pick_replacements");
    game.ClickPlace(1);
    ExpectStageShown(game, EStage::PickReplacements);

    // The clubs column closed up over the known 2c and 9c: Tc shows where
    // 8c did in the full deck, and a click there picks it.
    const int ten = ParseCard("Tc");
    const QRect eightInFullDeck = fullDeck[static_cast<size_t>(ParseCard("8c"))];
    EXPECT_EQ(game.View().CardsScene().CardRect(ten), eightInFullDeck);
    game.ClickPage(QPoint(eightInFullDeck.center().x(), eightInFullDeck.top() + 20));
    EXPECT_EQ(game.Doc().GetPicked(), std::vector<int>{ten});
    game.ClickControl(game.Ok());
    ExpectStageShown(game, EStage::FinalHand);
    EXPECT_EQ(game.Doc().GetHandCard(0), ten);
    EXPECT_EQ(game.Doc().GetHandCard(1), ParseCard("9c"));  // kept cards stay put
    ExpectResultsShown(game, false);
    SaveScreenshot(game, "stage7_final_hand");

    game.ClickPlace(1);
    ExpectStageShown(game, EStage::FinalHand);
    game.Frame().m_undoAction->trigger();
    ExpectStageShown(game, EStage::PickReplacements);
    game.Frame().m_redoAction->trigger();
    ExpectStageShown(game, EStage::FinalHand);
    game.Frame().m_newAction->trigger();
    ExpectStageShown(game, EStage::PickInitialHand);
}

// Tab brings the focus to OK and to Discard while they are enabled; Space
// presses them.
TEST(GameFlow, KeyboardReachesOkAndDiscard)
{
    CWindowDriver game;
    QWindow* window = game.Frame().windowHandle();
    auto tabTo = [&](QWidget* button) {
        for (int i = 0; i < 8 && QApplication::focusWidget() != button; ++i)
            QTest::keyClick(window, Qt::Key_Tab);
        return QApplication::focusWidget() == button;
    };

    game.Pick("Kh Kd 5c 8s 3h");
    ASSERT_TRUE(tabTo(game.Ok()));
    QTest::keyClick(window, Qt::Key_Space);
    game.Settle();
    ASSERT_EQ(game.Doc().GetStage(), EStage::InitialHand);

    game.ClickPlace(2);
    ASSERT_TRUE(tabTo(game.DiscardButton()));
    QTest::keyClick(window, Qt::Key_Space);
    game.Settle();
    EXPECT_EQ(game.Doc().GetStage(), EStage::PickReplacements);
}

}  // namespace
