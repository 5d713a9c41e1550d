// The program around the game: the opponents question, New, the help, the
// draw analysis dialog at the table and a scrolled page.
#include "WindowDriver.h"

#include "Cards.h"
#include "DrawAnalysisDlg.h"
#include "HelpWindow.h"

#include <QAction>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QMessageBox>
#include <QScrollBar>
#include <QTreeWidget>

namespace {

// Each stage's topic is checked through the game flow; Shift+F1 opens the
// overview.
TEST(App, HelpOpensTheOverviewOrSaysThePageIsMissing)
{
    CWindowDriver game;
    game.View().SetHelpFile(QStringLiteral(QUINTARA_HELP_PAGE));
    game.PlayInitial("Ac Ad 7h 8s 2d");
    game.Frame().m_overviewAction->trigger();
    auto* help = game.View().findChild<CHelpWindow*>();
    EXPECT_EQ(help->m_nTopic, 1);
    // A window of its own, closed as one: Escape, Ctrl+W.
    for (const QKeyCombination keys : {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::CTRL | Qt::Key_W)}) {
        game.Frame().m_helpAction->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowActive(help));
        QTest::keyClick(help->windowHandle(), keys.key(), keys.keyboardModifiers());
        game.Settle();
        EXPECT_FALSE(help->isVisible()) << "key " << keys.key();
    }

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

// Opened as the table equity starts, the dialog shows each hold's figures
// while the run goes on, ends with the rows best first by pot share, and
// marks the discards of the row chosen from the keyboard.
TEST(App, DrawAnalysisFillsInAtTheTableAndMarksTheChosenHold)
{
    const std::uint64_t trials = EquityTrials();
    // Enough deals for several polls before the end, in either build.
    SetEquityTrials(400000);
    CWindowDriver game;
    game.PlayInitial("Kc Kd 5h 8s 3c");
    bool filledWhileRunning = false;
    std::vector<THoldEquity> best;
    WhenModalShown([&](QWidget* widget) {
        auto* dialog = qobject_cast<CDrawAnalysisDlg*>(widget);
        ASSERT_NE(dialog, nullptr);
        // A failed check closes the dialog, rather than leaving it waiting.
        struct TCloser {
            QDialog* m_pDialog;
            ~TCloser()
            {
                if (m_pDialog->isVisible())
                    m_pDialog->reject();
            }
        } closer{dialog};
        const CEquityRun& run = game.View().HoldsRun();
        QTreeWidget* list = dialog->m_holdsList;
        const int potShare = CDrawAnalysisDlg::kColumnTablePotShare;
        QElapsedTimer clock;  // only so that a stuck run cannot hang the suite
        clock.start();
        while (run.IsRunning() && clock.elapsed() < 120000) {
            QTest::qWait(5);
            filledWhileRunning |= run.IsRunning() && !list->topLevelItem(31)->text(potShare).isEmpty();

        }
        game.Settle();
        best = run.Result().m_arrHolds;
        SortByPotShare(best);
        ASSERT_EQ(list->topLevelItemCount(), 32);
        for (int row = 0; row + 1 < 32; ++row)
            EXPECT_GE(list->topLevelItem(row)->data(potShare, Qt::UserRole).toDouble(),
                      list->topLevelItem(row + 1)->data(potShare, Qt::UserRole).toDouble()) << row;
        for (int row = 0; row < 32; ++row)
            EXPECT_EQ(list->topLevelItem(row)->text(CDrawAnalysisDlg::kColumnRank), QString::number(row + 1))
                << "# counts best first by pot share";
        EXPECT_EQ(list->topLevelItem(0)->text(potShare),
                  QString::fromStdString(EquityRows(best.front(), run.Result().m_nTrials).back().m_strFigure));
        // Down, then back to the top row: the arrow keys choose a row.
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Home);
        ASSERT_TRUE(dialog->m_markButton->isEnabled());
        QTest::keyClick(list, Qt::Key_Return);
    });
    game.Frame().m_drawAnalysisAction->trigger();
    game.Settle();
    EXPECT_TRUE(filledWhileRunning);
    ASSERT_FALSE(best.empty());
    for (int place = 0; place < CPokerDoc::kPlaces; ++place)
        EXPECT_EQ(game.Doc().IsMarked(place), (best.front().m_nKeepMask >> place & 1u) == 0) << place;
    SetEquityTrials(trials);
}

// The cards a row of the dialog keeps, as its Keep cell shows them.
QStringList KeptShown(const QTreeWidgetItem* row)
{
    return row->text(CDrawAnalysisDlg::kColumnKeep).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Whatever row shows as chosen, the best one the dialog chose as it opened
// (again once the rows go best first by pot share) or one the player
// clicked before or after that, is the selected one, and Mark discards marks
// what it throws: the hand's cards left unmarked are those its Keep cell shows.
TEST(App, MarkDiscardsMarksTheRowShownSelected)
{
    const std::uint64_t trials = EquityTrials();
    SetEquityTrials(400000);
    const struct {
        bool m_bOpenWhileRunning;
        int m_nClickRow;  // -1: no click, the dialog's own choice
    } cases[] = {{false, 2}, {true, 2}, {false, -1}, {true, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "opened while running " << c.m_bOpenWhileRunning << ", row " << c.m_nClickRow);
        CWindowDriver game(0);
        game.PlayInitial("Ac Kd 7h 4s 2c");
        if (!c.m_bOpenWhileRunning)
            game.FinishEquity();
        QStringList chosen;
        WhenModalShown([&](QWidget* widget) {
            auto* dialog = qobject_cast<CDrawAnalysisDlg*>(widget);
            ASSERT_NE(dialog, nullptr);
            QTreeWidget* list = dialog->m_holdsList;
            QTreeWidgetItem* row = list->topLevelItem(std::max(c.m_nClickRow, 0));
            if (c.m_nClickRow >= 0) {
                const QRect cell = list->visualItemRect(row);
                const QPoint at(list->header()->sectionViewportPosition(CDrawAnalysisDlg::kColumnKeep) + 8,
                                cell.center().y());
                QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                                  list->viewport()->mapTo(dialog, at));
            }
            game.FinishEquity();
            game.Settle();
            if (c.m_nClickRow < 0)
                row = list->topLevelItem(0);  // the best by pot share, now the run is done
            const QList<QTreeWidgetItem*> selected = list->selectedItems();
            ASSERT_EQ(selected.size(), 1);
            EXPECT_EQ(selected.front(), row);
            EXPECT_EQ(list->currentItem(), row) << "the row painted as chosen";
            chosen = KeptShown(row);
            QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              dialog->m_markButton->mapTo(dialog, dialog->m_markButton->rect().center()));
        });
        game.Frame().m_drawAnalysisAction->trigger();
        game.Settle();
        QStringList unmarked;
        for (int place = 0; place < CPokerDoc::kPlaces; ++place)
            if (!game.Doc().IsMarked(place))
                unmarked << QString::fromStdString(CardSymbolText(game.Doc().GetHandCard(place)));
        ASSERT_FALSE(chosen.isEmpty());
        EXPECT_EQ(unmarked, chosen);
    }
    SetEquityTrials(trials);
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
