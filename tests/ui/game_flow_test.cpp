// One whole game through the window's own hit-testing, checking what the
// player sees and what a screen reader finds at every step: the painted cards
// as named, checkable, pressable children of the view.
#include "WindowDriver.h"

#include "Decision.h"
#include "HelpWindow.h"
#include "StringIds.h"
#include "StringTable.h"
#include "Style.h"

#include <QAccessible>
#include <QLabel>
#include <QTreeWidget>

namespace {

constexpr int kFirstPlace = CWindowDriver::kFirstPlace;
constexpr int kFirstSeat = CWindowDriver::kFirstSeat;

// The card a name speaks of, from the rank and suit words it holds as whole
// words; -1 unless exactly one of each.
int CardNamed(const QString& name)
{
    const QStringList words = name.split(QLatin1Char(' '));
    int rank = -1;
    int suit = -1;
    for (int r = 0; r < 13; ++r)
        if (words.contains(Text(idRankAce + r)))
            rank = rank < 0 ? r : 99;
    for (int s = 0; s < 4; ++s)
        if (words.contains(Text(idSuitClubs + s)))
            suit = suit < 0 ? s : 99;
    return rank < 13 && suit < 4 && rank >= 0 && suit >= 0 ? 13 * suit + rank : -1;
}

// What a screen reader finds in the 57 items, derived from the game: a
// picker card is named, shown and available while it is unseen and being
// picked from, checked while picked; a place is named by its card or as the
// card back, always shown, available while the hand may be marked (cards
// marked or not), checked while marked. Each shown item is found where it shows,
// from its top edge down. A seat is shown while someone sits there, takes a
// press once his draw can be seen, and gives the count as its value.
void ExpectPageHeard(CWindowDriver& game)
{
    const CPokerDoc& doc = game.Doc();
    const EStage stage = doc.GetStage();
    const bool picking = stage == EStage::PickInitialHand || stage == EStage::PickReplacements;
    const bool marking = stage == EStage::InitialHand || stage == EStage::CardsMarked;
    QAccessibleInterface* page = game.Page();
    ASSERT_GE(page->childCount(), kFirstSeat + kMaxTableOpponents);
    for (int seat = 0; seat < kMaxTableOpponents; ++seat) {
        SCOPED_TRACE(testing::Message() << "stage " << static_cast<int>(stage) << ", seat " << seat);
        QAccessibleInterface* child = page->child(kFirstSeat + seat);
        const bool shown = seat < doc.GetOpponents();
        EXPECT_EQ(child->state().invisible, !shown);
        EXPECT_EQ(child->state().disabled, !(shown && doc.CanSetSeenDraws()));
        EXPECT_FALSE(child->state().checkable);
        const int drew = doc.GetSeenDraw(seat);
        const QString value = child->text(QAccessible::Value);
        EXPECT_FALSE(value.isEmpty());
        if (drew != kDrawUnseen) {
            EXPECT_TRUE(value.contains(QString::number(drew))) << value.toStdString();
        }
    }
    for (int item = 0; item < kFirstPlace + CPokerDoc::kPlaces; ++item) {
        SCOPED_TRACE(testing::Message() << "stage " << static_cast<int>(stage) << ", item " << item);
        QAccessibleInterface* child = page->child(item);
        const int place = item - kFirstPlace;
        const int card = place >= 0 ? doc.GetHandCard(place) : item;
        const bool shown = place >= 0 || (picking && !doc.GetManager().IsKnown(card));
        const bool available = place >= 0 ? marking : shown;
        const QString name = child->text(QAccessible::Name);
        EXPECT_TRUE(card < 0 ? name == Text(idCardBack) : CardNamed(name) == card) << name.toStdString();
        EXPECT_EQ(child->state().invisible, !shown);
        EXPECT_EQ(child->state().disabled, !available);
        EXPECT_EQ(child->state().checked, place >= 0 ? doc.IsMarked(place) : doc.IsPicked(card));
        EXPECT_EQ(child->actionInterface()->actionNames().isEmpty(), !available);
        EXPECT_EQ(page->indexOfChild(child), item);
        EXPECT_EQ(child->parent(), page);
        const QRect onScreen = child->rect();
        for (const QPoint& p : {onScreen.center(), onScreen.topLeft() + QPoint(1, 1)}) {
            if (shown) {
                EXPECT_EQ(page->childAt(p.x(), p.y()), child);
            }
        }
    }
}

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
        ExpectPageHeard(game);
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
    // The screen reader's press action on one of the page's items.
    const auto reader = [&game](int item) {
        return [&game, item] {
            game.Page()->child(item)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            game.Settle();
        };
    };
    const EStage pickHand = EStage::PickInitialHand, hand = EStage::InitialHand, marked = EStage::CardsMarked;
    CMainFrame& frame = game.Frame();

    PlaySteps(game, {{place(0), pickHand}, {press(game.Ok()), pickHand},
                     {command(frame.m_undoAction), pickHand}});
    // OK comes alive at the fifth card; a sixth is refused.
    game.Pick("Qh 2c 9c");
    PlaySteps(game, {{reader(ParseCard("4s")), pickHand}});
    EXPECT_TRUE(game.Doc().IsPicked(ParseCard("4s")));
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
                     {reader(kFirstPlace + 3), hand}, {place(0), marked},
                     {command(frame.m_undoAction), hand}, {command(frame.m_redoAction), marked},
                     {[&game] { ASSERT_TRUE(game.TabTo(game.DiscardButton())); game.ClickControl(game.DiscardButton()); },
                      EStage::PickReplacements},
                     {place(1), EStage::PickReplacements}, {reader(kFirstSeat + 1), EStage::PickReplacements}});
    EXPECT_EQ(game.Doc().GetSeenDraw(1), 0);

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
    EXPECT_EQ(game.Doc().GetSeenDraw(1), 0);
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

// The tables and boxes of figures have names a screen reader says; their
// rows and text it reads through Qt's own interfaces.
TEST(Accessibility, TablesAndBoxesAreNamed)
{
    CWindowDriver game;
    game.PlayInitial("Ac Ad 7h 8s 2d");
    const CResultsScene& results = game.View().ResultsScene();
    for (QWidget* widget : std::initializer_list<QWidget*>{results.OneOpponentList(), results.AtLeastOneList(),
                                                          results.SuggestionsBox(), game.View().PlayingScene().AdviceBox()})
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty())
            << widget->objectName().toStdString();
}

}  // namespace
