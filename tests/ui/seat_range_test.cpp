// Ranges on the desktop: the seat menu by mouse and by keyboard, the Table
// dialog from the keyboard, each change one step that undo takes back and a
// screen reader hears, and the call verdict in the decision block.
#include "WindowDriver.h"

#include "CallPrice.h"
#include "StringIds.h"
#include "StringTable.h"
#include "Style.h"

#include <QAccessible>
#include <QMenu>
#include <QRegularExpression>

namespace {

QAction* ActionNamed(QMenu* menu, unsigned id)
{
    for (QAction* action : menu->actions())
        if (action->text() == Text(id))
            return action;
    return nullptr;
}

std::string RangeOf(CWindowDriver& game, int seat)
{
    return game.Doc().GetTable().m_aRanges[seat].Text();
}

TEST(SeatRange, MenuByMouseAndByKeyboardSetsARangeUndoTakesItBack)
{
    CWindowDriver game(1);  // two opponents
    game.PlayInitial("Qs Qd 7c 7h Ac");
    const QString before = SeatValue(game, 1);

    // Mouse: a right click on seat 2, then a click on "Two pair or better".
    WhenPopupShown("seatMenu", [](QMenu* menu) {
        QAction* twoPair = ActionNamed(menu, idRangeTwoPair);
        ASSERT_TRUE(twoPair);
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(twoPair).center());
    });
    const QPoint seat = game.WindowPoint(game.View().PlayingScene().SeatRect(1).center());
    QTest::mouseClick(game.Frame().windowHandle(), Qt::RightButton, Qt::NoModifier, seat);
    game.Settle();
    EXPECT_EQ(RangeOf(game, 1), "2P+");
    EXPECT_TRUE(SeatValue(game, 1).contains(QStringLiteral("2P+"))) << SeatValue(game, 1).toStdString();

    // Keyboard: Shift+F10, the first seat, then "a pair of ... or better",
    // its first entry (aces).
    WhenPopupShown("seatsMenu", [](QMenu* menu) {
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    WhenPopupShown("seatMenu", [](QMenu* menu) {
        QTest::keyClick(menu, Qt::Key_P);
        QTimer::singleShot(50, [] {
            // Opened from the keyboard, the submenu has its first entry active.
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        });
    });
    QTest::keyClick(game.Frame().windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    game.Settle();
    EXPECT_EQ(RangeOf(game, 0), "AA+");

    game.Frame().m_undoAction->trigger();
    EXPECT_TRUE(game.Doc().GetTable().m_aRanges[0].IsAny());
    game.Frame().m_undoAction->trigger();
    EXPECT_TRUE(game.Doc().GetTable().m_aRanges[1].IsAny());
    EXPECT_EQ(SeatValue(game, 1), before);
    EXPECT_EQ(game.Doc().GetStage(), EStage::InitialHand);
}

TEST(SeatRange, TableDialogFromTheKeyboardIsOneStep)
{
    CWindowDriver game(0);  // one opponent
    game.PlayInitial("Qs Qd 7c 7h Ac");
    game.ClickPlace(4);
    game.ClickControl(game.DiscardButton());
    ASSERT_TRUE(game.Doc().CanSetSeenDraws());

    // Range, seen draw, opening rank (kings), pot and call, in tab order.
    WhenModalShown([](QWidget* dialog) {
        QTest::keyClicks(dialog->focusWidget(), "open");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Down);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Down);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_End);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Up);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(dialog->focusWidget(), "60");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(dialog->focusWidget(), "20");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(game.Frame().windowHandle(), Qt::Key_T, Qt::ControlModifier);
    game.Settle();

    CHandRange kings;
    std::string bad;
    ASSERT_TRUE(CHandRange::Parse("KK+", 0, kings, bad));
    const TTable& table = game.Doc().GetTable();
    EXPECT_TRUE(table.m_aRanges[0] == kings) << table.m_aRanges[0].Text();
    EXPECT_EQ(table.m_anDrew[0], 1);
    EXPECT_EQ(table.m_nOpenRank, 11);
    EXPECT_EQ(table.m_dPot, 60);
    EXPECT_EQ(table.m_dCall, 20);
    EXPECT_TRUE(SeatValue(game, 0).contains(QStringLiteral("KK+")));

    game.Frame().m_undoAction->trigger();
    EXPECT_TRUE(game.Doc().GetTable().m_aRanges[0].IsAny());
    EXPECT_EQ(game.Doc().GetTable().m_anDrew[0], kDrawUnseen);
    EXPECT_EQ(game.Doc().GetTable().m_dCall, 0);
    EXPECT_EQ(game.Doc().GetStage(), EStage::PickReplacements);
}

// With a price, the decision block ends with the call: what it needs and
// the verdict for the best hold, and that no more betting is assumed.
TEST(SeatRange, DecisionShowsTheCallVerdictWithAPrice)
{
    CWindowDriver game(0);
    game.PlayInitial("Qs Qd 7c 7h Ac");
    game.FinishEquity();
    const QString unpriced = game.View().ResultsScene().SuggestionsBox()->toPlainText();
    EXPECT_FALSE(unpriced.contains(Text(idCallNoMoreBetting)));
    ASSERT_TRUE(game.Doc().SetPrice(60, 20));
    game.FinishEquity();
    const QString priced = game.View().ResultsScene().SuggestionsBox()->toPlainText();
    const TTableDecision decision = DecideHold(game.View().HoldsRun().Result());
    const TCallText call = DescribeCall(PriceCall(60, 20, decision.m_best.m_dPotShare, decision.m_best.m_dPotShareError));
    for (const std::string& line : {call.m_strNeeded, call.m_strVerdict, call.m_strAssumption})
        EXPECT_TRUE(priced.contains(QString::fromStdString(line))) << line << "\n" << priced.toStdString();
}

// After the draw only the call is left to decide: a price typed in the
// Table dialog puts the verdict on the final hand's own pot share, as the
// showdown block shows it, in the box under the tables; Ctrl+Z takes the
// price and the box away. (Which verdict a price gets is the game's, checked
// there.)
TEST(SeatRange, FinalHandShowsTheCallVerdictWithAPrice)
{
    CWindowDriver game(0);
    game.PlayInitial("Qs Qd 7c 7h Ac");
    game.PlayFinal({0}, "Kd");  // the Ace, shown first, for two pair against one hand: 25% needed
    ASSERT_EQ(game.Doc().GetStage(), EStage::FinalHand);
    CScrollableStatic* box = game.View().ResultsScene().SuggestionsBox();
    EXPECT_FALSE(box->isVisible()) << "no price, nothing to decide";

    WhenModalShown([](QWidget* dialog) {
        // The labels' Alt keys reach the dialog once it is the active window.
        if (!QTest::qWaitForWindowActive(dialog)) {
            ADD_FAILURE() << "the Table dialog never became active";
            QTest::keyClick(dialog, Qt::Key_Escape);
            return;
        }
        QTest::keyClick(dialog, Qt::Key_P, Qt::AltModifier);
        QTest::keyClicks(dialog->focusWidget(), "60");
        QTest::keyClick(dialog, Qt::Key_C, Qt::AltModifier);
        QTest::keyClicks(dialog->focusWidget(), "20");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(game.Frame().windowHandle(), Qt::Key_T, Qt::ControlModifier);
    game.Settle();
    game.FinishEquity();
    const double pot = 60, call = 20;
    ASSERT_EQ(game.Doc().GetTable().m_dCall, call);
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->accessibleName() + QLatin1Char(':'), Text(idCallHeading));

    // Needed share, verdict with the gain and its interval, assumption.
    const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3) << box->toPlainText().toStdString();
    EXPECT_TRUE(lines[0].contains(QString::number(100 * call / (pot + call), 'f', 1) + QLatin1Char('%')))
        << lines[0].toStdString();
    const QRegularExpressionMatch gain =
        QRegularExpression(QStringLiteral("([-+][0-9]+\\.[0-9]+) \u00B1 ([0-9]+\\.[0-9]+)")).match(lines[1]);
    ASSERT_TRUE(gain.hasMatch()) << lines[1].toStdString();
    EXPECT_EQ(lines[1].toStdString(),
              FormatString(LoadString(idCallVerdictCall).c_str(), gain.captured(0).toStdString().c_str()));
    const TTableResult& run = game.View().ShowdownRun().Result();
    ASSERT_EQ(run.m_arrHolds.size(), 1u);
    const TEquityRow share = EquityRows(run.m_arrHolds.front(), run.m_nTrials).back();
    EXPECT_NEAR(gain.captured(1).toDouble(), share.m_dFraction * (pot + call) - call, 0.006);
    EXPECT_NEAR(gain.captured(2).toDouble(), share.m_dHalfWidth * (pot + call), 0.006);
    EXPECT_EQ(lines[2], Text(idCallNoMoreBetting));

    QTest::keyClick(game.Frame().windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    game.Settle();
    EXPECT_EQ(game.Doc().GetTable().m_dCall, 0);
    EXPECT_EQ(game.Doc().GetStage(), EStage::FinalHand);
    EXPECT_FALSE(box->isVisible());
}

}  // namespace
