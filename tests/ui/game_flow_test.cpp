// One whole game through the window's own hit-testing, with the mouse and
// with the keyboard, checking what the player sees at every stage.
#include "WindowDriver.h"

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
    game.FinishEquity();
    const CResultsScene& results = game.View().ResultsScene();
    const TConfirmedHand& hand = game.Doc().GetResult();
    ASSERT_TRUE(results.OneOpponentList()->isVisible());
    ExpectListShows(results.OneOpponentList(), hand.m_arrOneOpponent);
    ExpectListShows(results.AtLeastOneList(), hand.m_arrAtLeastOne);
    EXPECT_EQ(results.SuggestionsBox()->isVisible(), suggestions);
    if (suggestions) {
        // The advice, then the sentence on the hold that wins the pot most.
        const QString box = results.SuggestionsBox()->toPlainText();
        EXPECT_TRUE(box.startsWith(Shown(hand.m_strAdvice))) << box.toStdString();
        std::vector<THoldEquity> holds = game.View().HoldsRun().Result().m_arrHolds;
        SortByPotShare(holds);
        ASSERT_FALSE(holds.empty());
        const TEquityRow share = EquityRows(holds.front(), game.View().HoldsRun().Result().m_nTrials).back();
        EXPECT_TRUE(box.contains(QString::fromStdString(share.m_strFigure))) << box.toStdString();
        EXPECT_TRUE(box.contains(QString::fromStdString(DescribeTable(game.Doc().GetTable())))) << box.toStdString();
    }
    EXPECT_TRUE(game.View().PlayingScene().AdviceBox()->isVisible());
    EXPECT_EQ(game.View().PlayingScene().AdviceBox()->toPlainText(), Shown(hand.m_strDescription));
    // The showdown block reads the run's figures, each with its interval or
    // exact, under a heading that names the table.
    const QLabel* showdown = game.View().PlayingScene().ShowdownBlock();
    ASSERT_TRUE(showdown->isVisible());
    const TTableResult& run = game.View().ShowdownRun().Result();
    ASSERT_EQ(run.m_arrHolds.size(), 1u);
    TTable table = game.Doc().GetTable();
    table.m_eModel = game.View().ShowdownRun().Setup().m_eModel;
    EXPECT_TRUE(showdown->accessibleName().contains(QString::fromStdString(DescribeTable(table))));
    for (const TEquityRow& row : EquityRows(run.m_arrHolds.front(), run.m_nTrials))
        EXPECT_TRUE(showdown->accessibleName().contains(QString::fromStdString(row.m_strFigure))) << row.m_strFigure;
}

TEST(GameFlow, WholeGameWithTheMouse)
{
    CWindowDriver game;
    game.ExpectControlsReachable();
    EXPECT_FALSE(game.View().PlayingScene().ShowdownBlock()->isVisible());
    SaveScreenshot(game, "stage3_pick_hand");

    // OK comes alive at the fifth card; a sixth is refused.
    game.Pick("Qh 2c 9c 4s");
    EXPECT_FALSE(game.Ok()->isEnabled());
    game.Pick("7d");
    EXPECT_TRUE(game.Ok()->isEnabled());
    game.Pick("Ah");
    EXPECT_FALSE(game.Doc().IsPicked(ParseCard("Ah")));
    game.ClickControl(game.Ok());

    ASSERT_EQ(game.Doc().GetStage(), EStage::InitialHand);
    const std::vector<int> dealt = Cards("2c 9c 7d Qh 4s");  // by suit, ace to king
    for (int place = 0; place < CPokerDoc::kPlaces; ++place)
        EXPECT_EQ(game.Doc().GetHandCard(place), dealt[static_cast<size_t>(place)]);
    EXPECT_FALSE(game.Ok()->isVisible());
    ExpectResultsShown(game, true);
    game.ExpectControlsReachable();
    SaveScreenshot(game, "stage4_initial_hand");

    game.ClickPlace(0);
    ASSERT_EQ(game.Doc().GetStage(), EStage::CardsMarked);
    game.ExpectControlsReachable();
    SaveScreenshot(game, "stage5_marked");

    // The middle of Discard's face, where the table note's rectangle also lies.
    game.ClickControl(game.DiscardButton());
    ASSERT_EQ(game.Doc().GetStage(), EStage::PickReplacements);
    EXPECT_EQ(game.Doc().GetPickCount(), 1u);
    EXPECT_FALSE(game.View().ResultsScene().OneOpponentList()->isVisible());
    EXPECT_FALSE(game.View().PlayingScene().AdviceBox()->isVisible());
    EXPECT_FALSE(game.View().PlayingScene().ShowdownBlock()->isVisible());
    game.ExpectControlsReachable();
    SaveScreenshot(game, "stage6_pick_replacements");

    EXPECT_FALSE(game.Doc().IsOffered(ParseCard("2c")));  // thrown away
    // A click on a seat's hand steps his seen draw on from unseen; one on
    // the count beside it does the same.
    game.ClickPage(game.View().PlayingScene().SeatRect(0).center());
    EXPECT_EQ(game.Doc().GetSeenDraw(0), 0);
    game.Pick("Ac");
    game.ClickControl(game.Ok());
    ASSERT_EQ(game.Doc().GetStage(), EStage::FinalHand);
    for (int click = 0; click < 2; ++click)
        game.ClickPage(game.View().PlayingScene().SeatCountRect(2).center());
    EXPECT_EQ(game.Doc().GetSeenDraw(2), 1);
    EXPECT_EQ(game.Doc().GetSeenDraw(1), kDrawUnseen);
    game.Frame().m_undoAction->trigger();
    EXPECT_EQ(game.Doc().GetSeenDraw(2), 0);
    EXPECT_EQ(game.Doc().GetHandCard(0), ParseCard("Ac"));
    EXPECT_EQ(game.Doc().GetHandCard(1), ParseCard("9c"));  // kept cards stay put
    ExpectResultsShown(game, false);
    game.ExpectControlsReachable();
    SaveScreenshot(game, "stage7_final_hand");
}

// After the discard each seat's count shows beside its hand, on the table,
// clear of every control, of the deck, the hand and the other seats.
TEST(GameFlow, SeatCountsLieClearOfEverythingAtEverySeating)
{
    for (int index = 0; index < 5; ++index) {
        CWindowDriver game(index);
        game.PlayInitial("Kh Kd 5c 8s 3h");
        game.ClickPlace(0);
        game.ClickControl(game.DiscardButton());
        game.Pick("2d");
        game.ClickControl(game.Ok());
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
    const std::uint64_t trials = EquityTrials();
    SetEquityTrials(std::uint64_t(1) << 40);
    {
        CWindowDriver game;
        game.PlayInitial("Kd Ks 8s 4h 2c");
        game.Doc().MarkPlaces(0b10110);
        game.ClickControl(game.DiscardButton());
        game.Pick("Kh 7c 3d");
        game.ClickControl(game.Ok());
        QWindow* window = game.Frame().windowHandle();
        for (const auto& [key, presses] : {std::pair{Qt::Key_1, 2}, std::pair{Qt::Key_2, 4}, std::pair{Qt::Key_3, 1}})
            for (int i = 0; i < presses; ++i)
                QTest::keyClick(window, key, Qt::ControlModifier);
        ASSERT_EQ(std::vector<int>(game.Doc().GetTable().m_anDrew, game.Doc().GetTable().m_anDrew + 3),
                  (std::vector<int>{1, 3, 0}));

        // Events are handled between the polls that bring more deals.
        const CEquityRun& run = game.View().ShowdownRun();
        int turns = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&turns] { ++turns; });
        ticker.start(0);
        std::uint64_t seen = 0;
        QElapsedTimer clock;  // only so that a stuck run cannot hang the suite
        clock.start();
        for (int grew = 0; grew < 2 && run.IsRunning() && clock.elapsed() < 120000;) {
            QTest::qWait(5);
            if (run.Result().m_nTrials > seen) {
                seen = run.Result().m_nTrials;
                ++grew;
            }
        }
        ASSERT_TRUE(run.IsRunning());
        EXPECT_GT(turns, 2);
        const QString block = game.View().PlayingScene().ShowdownBlock()->accessibleName();
        EXPECT_TRUE(block.contains(QString::fromStdString(DescribeTable(game.Doc().GetTable())))) << block.toStdString();
        for (const TEquityRow& row : EquityRows(run.Result().m_arrHolds.front(), run.Result().m_nTrials))
            EXPECT_TRUE(block.contains(QString::fromStdString(row.m_strFigure))) << row.m_strFigure;

        game.ClickPage(game.View().PlayingScene().SeatRect(2).center());
        EXPECT_EQ(run.Setup().m_anDrew[2], 1);
        EXPECT_EQ(run.Result().m_nTrials, 0u) << "the figures of the table before are gone";
        QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
        EXPECT_FALSE(run.IsRunning());
        EXPECT_FALSE(game.View().PlayingScene().ShowdownBlock()->isVisible());
    }
    SetEquityTrials(trials);
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
