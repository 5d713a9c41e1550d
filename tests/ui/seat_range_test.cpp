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

}  // namespace
