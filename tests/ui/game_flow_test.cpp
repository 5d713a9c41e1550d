// One whole game through the window's own hit-testing, with the mouse and
// with the keyboard, checking what the player sees at every stage.
#include "WindowDriver.h"

#include "Decision.h"
#include "HelpWindow.h"
#include "StringIds.h"
#include "StringTable.h"
#include "Style.h"

#include <QLabel>
#include <QTreeWidget>

namespace {

QString AsShown(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
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
        // A row that cannot happen shows a dash for its odds, not a gap.
        EXPECT_FALSE(item->text(2).isEmpty());
        EXPECT_EQ(item->text(2) == Text(idNoOdds), rows[i].m_dProbability == 0);
    }
    // The longest table, a hand without a pair, shows its closing row without scrolling.
    if (list->isVisible() && !rows.empty()) {
        EXPECT_LE(list->visualItemRect(list->topLevelItem(static_cast<int>(rows.size()) - 1)).bottom(),
                  list->viewport()->height() - 1);
    }
}

// The tables, the description, the suggestions while they show, and the
// showdown block give the game's figures.
void ExpectResultsShown(CWindowDriver& game)
{
    game.FinishEquity();
    const CResultsScene& results = game.View().ResultsScene();
    const TConfirmedHand& hand = game.Doc().GetResult();
    ExpectListShows(results.OneOpponentList(), hand.m_arrOneOpponent);
    ExpectListShows(results.AtLeastOneList(), hand.m_arrAtLeastOne);
    if (results.SuggestionsBox()->isVisible()) {
        // The decision of the page's own run first, then the classic play
        // under its heading.
        const CEquityRun& holds = game.View().HoldsRun();
        TTable table = game.Doc().GetTable();
        table.m_eModel = holds.Setup().m_eModel;
        const TTableDecision decision = DecideHold(holds.Result());
        ASSERT_TRUE(decision.m_bValid);
        const TDecisionText said = DescribeDecision(decision, holds.Setup().m_anHand, table, holds.Result().m_nTrials);
        const QString first = AsShown(said.m_strHeading + "\r\n" + said.m_strBest + "\r\n" + said.m_strRunnerUp);
        const QString box = results.SuggestionsBox()->toPlainText();
        EXPECT_TRUE(box.startsWith(first)) << box.toStdString();
        const QString classic = AsShown(LoadString(idClassicHeading) + "\r\n" + hand.m_strAdvice);
        EXPECT_GT(box.indexOf(classic), first.size()) << box.toStdString();
    }
    EXPECT_EQ(game.View().PlayingScene().AdviceBox()->toPlainText(), AsShown(hand.m_strDescription));
    ASSERT_TRUE(game.View().PlayingScene().ShowdownBlock()->isVisible());
    game.ExpectShowdownBlockReadsTheRun();
}

// Steps of a game, each with the stage it must leave the game at.
using TSteps = std::vector<std::pair<std::function<void()>, EStage>>;

void PlaySteps(CWindowDriver& game, const TSteps& steps)
{
    for (size_t i = 0; i < steps.size() && !::testing::Test::HasFatalFailure(); ++i) {
        SCOPED_TRACE(testing::Message() << "step " << i);
        steps[i].first();
        ExpectStageShown(game, steps[i].second);
        // F1 opens the stage's topic.
        game.Frame().m_helpAction->trigger();
        const auto* help = game.View().findChild<CHelpWindow*>();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->m_nTopic, static_cast<int>(steps[i].second));
    }
}

// Every click and command of the window from every stage, refused ones and
// the way back included.
TEST(GameFlow, WholeGameWithTheMouse)
{
    CWindowDriver game;
    game.View().SetHelpFile(QStringLiteral(QUINTARA_HELP_PAGE));
    const QRect eightInFullDeck = game.View().CardsScene().CardRect(ParseCard("8c"));  // all cards offered
    const auto place = [&game](int p) { return [&game, p] { game.ClickPlace(p); }; };
    const auto press = [&game](QPushButton* button) { return [&game, button] { game.ClickControl(button); }; };
    const auto command = [](QAction* action) { return [action] { action->trigger(); }; };
    const EStage pickHand = EStage::PickInitialHand, hand = EStage::InitialHand, marked = EStage::CardsMarked;
    CMainFrame& frame = game.Frame();

    PlaySteps(game, {{place(0), pickHand}, {press(game.Ok()), pickHand},
                     {command(frame.m_undoAction), pickHand}});
    // OK comes alive at the fifth card; a sixth is refused.
    game.Pick("Qh 2c 9c 4s");
    EXPECT_FALSE(game.Ok()->isEnabled());
    game.Pick("7d");
    EXPECT_TRUE(game.Ok()->isEnabled());
    game.Pick("Ah");
    EXPECT_FALSE(game.Doc().IsPicked(ParseCard("Ah")));
    // Tab reaches OK and Discard while they are enabled, and Space presses OK.
    PlaySteps(game, {{[&game] { ASSERT_TRUE(game.TabTo(game.Ok())); game.Press(Qt::Key_Space); }, hand}});
    ExpectResultsShown(game);

    // Mark two, unmark both: back at the initial hand. Discard is pressed in
    // the middle of its face, where the table note's rectangle also lies.
    PlaySteps(game, {{[&game] { game.Pick("Ac"); }, hand},
                     {press(game.DiscardButton()), hand}, {place(0), marked}, {place(3), marked}, {place(0), marked},
                     {place(3), hand}, {place(0), marked},
                     {command(frame.m_undoAction), hand}, {command(frame.m_redoAction), marked},
                     {[&game] { ASSERT_TRUE(game.TabTo(game.DiscardButton())); game.ClickControl(game.DiscardButton()); },
                      EStage::PickReplacements},
                     {place(1), EStage::PickReplacements}});

    EXPECT_FALSE(game.Doc().IsOffered(ParseCard("Qh")));  // thrown away
    // A click on a seat's hand steps his seen draw on from unseen.
    game.ClickPage(game.View().PlayingScene().SeatRect(0).center());
    EXPECT_EQ(game.Doc().GetSeenDraw(0), 0);
    // The clubs column closed up over the known 2c and 9c: Tc shows where
    // 8c did in the full deck, and a click there picks it.
    const int ten = ParseCard("Tc");
    EXPECT_EQ(game.View().CardsScene().CardRect(ten), eightInFullDeck);
    game.ClickPage(QPoint(eightInFullDeck.center().x(), eightInFullDeck.top() + 20));
    EXPECT_EQ(game.Doc().GetPicked(), std::vector<int>{ten});
    PlaySteps(game, {{press(game.Ok()), EStage::FinalHand}});
    EXPECT_EQ(game.Doc().GetHandCard(0), ten);
    // One on the count beside a seat does the same, and undo takes it back.
    for (int click = 0; click < 2; ++click)
        game.ClickPage(game.View().PlayingScene().SeatCountRect(2).center());
    EXPECT_EQ(game.Doc().GetSeenDraw(2), 1);
    EXPECT_EQ(game.Doc().GetSeenDraw(1), kDrawUnseen);
    for (const int drew : {0, kDrawUnseen}) {
        game.Frame().m_undoAction->trigger();
        EXPECT_EQ(game.Doc().GetSeenDraw(2), drew);
    }
    EXPECT_EQ(game.Doc().GetHandCard(0), ten);  // highest first
    ExpectResultsShown(game);
    // Escape leaves the game as it is; another table keeps the cards, and
    // New clears them, each a step that undo takes back.
    const auto opponents = [&frame](int answer) {
        return [&frame, answer] {
            AnswerOpponents(answer);
            frame.m_changeOpponentsAction->trigger();
        };
    };
    PlaySteps(game, {{place(1), EStage::FinalHand},
                     {command(frame.m_undoAction), EStage::PickReplacements},
                     {command(frame.m_redoAction), EStage::FinalHand}, {opponents(-1), EStage::FinalHand},
                     {command(frame.m_newAction), pickHand}, {command(frame.m_undoAction), EStage::FinalHand},
                     {command(frame.m_newAction), pickHand}, {[&game] { game.PlayInitial("Ac Ad 7h 8s 2d"); }, hand},
                     {opponents(3), hand}});
    EXPECT_EQ(game.Doc().GetOpponents(), 4);
    EXPECT_EQ(game.View().PlayingScene().Opponents(), 4);
    EXPECT_FALSE(game.Doc().IsOffered(ParseCard("Ac")));
    ExpectResultsShown(game);
}

// The opponents question seats the table (Escape: one opponent). After the
// discard each seat's count shows beside its hand, on the table, clear of
// every control, of the deck, the hand and the other seats.
TEST(GameFlow, SeatCountsLieClearOfEverythingAtEverySeating)
{
    for (int index = -1; index < 5; ++index) {
        CWindowDriver game(index);
        EXPECT_EQ(game.Doc().GetOpponents(), std::max(index, 0) + 1) << "answer " << index;
        game.PlayInitial("Kh Kd 5c 8s 3h");
        game.PlayFinal({0}, "2d");
        const CPlayingScene& scene = game.View().PlayingScene();
        // The hand with its caption above it, and the picker's area.
        std::vector<QRect> others = {scene.PlaceRect(0).united(scene.PlaceRect(4)).adjusted(0, -30, 0, 0),
                                     game.View().CardsScene().Area()};
        for (QWidget* control : game.View().viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (control->isVisible())
                others.push_back(control->geometry().translated(game.View().GetScrollPosition()));
        for (int seat = 0; seat < scene.Opponents(); ++seat)
            others.push_back(scene.SeatRect(seat));
        for (int seat = 0; seat < scene.Opponents(); ++seat) {
            const QRect count = scene.SeatCountRect(seat);
            EXPECT_TRUE(QRect(0, 0, CPokerView::kPageWidth, CPokerView::kPageHeight).contains(count));
            for (const QRect& other : others)
                EXPECT_FALSE(count.intersects(other)) << index + 1 << " opponents, seat " << seat << " meets "
                                                      << other.x() << "," << other.y() << " " << other.width();
        }
    }
}

// A run long enough to watch: the block names the table as the player set it,
// its figures grow while the window goes on taking events, and a change of
// the table or a new game drops the run under way.
TEST(GameFlow, FinalShowdownFillsInWhileTheWindowAnswers)
{
    const CEquityTrials endless(std::uint64_t(1) << 40);
    CWindowDriver game;
    game.PlayInitial("Kd Ks 8s 4h 2c");
    game.PlayFinal({1, 2, 4}, "Kh 7c 3d");
    ASSERT_TRUE(game.Doc().SetSeenDraw(0, 1) && game.Doc().SetSeenDraw(1, 3) && game.Doc().SetSeenDraw(2, 0));
    game.Settle();

    // Events are handled between the polls that bring more deals.
    const CEquityRun& run = game.View().ShowdownRun();
    int turns = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&turns] { ++turns; });
    ticker.start(0);
    std::uint64_t seen = 0;
    int grew = 0;
    WaitWhile([&] {
        grew += run.Result().m_nTrials > seen;
        seen = std::max(seen, run.Result().m_nTrials);
        return grew < 2 && run.IsRunning();
    });
    ASSERT_TRUE(run.IsRunning());
    EXPECT_GT(turns, 2);
    game.ExpectShowdownBlockReadsTheRun();

    game.ClickPage(game.View().PlayingScene().SeatRect(2).center());
    EXPECT_EQ(run.Setup().m_anDrew[2], 1);
    EXPECT_EQ(run.Result().m_nTrials, 0u) << "the figures of the table before are gone";
    game.Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(run.IsRunning());
    EXPECT_FALSE(game.View().PlayingScene().ShowdownBlock()->isVisible());
}

}  // namespace
