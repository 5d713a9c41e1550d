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

// The cards a row of the dialog keeps, as its Keep cell shows them.
QStringList KeptShown(const QTreeWidgetItem* row)
{
    return row->text(CDrawAnalysisDlg::kColumnKeep).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Opened as the table equity starts or once it is done, the dialog shows
// each hold's figures while the run goes on and ends with the rows best first
// by pot share. Whatever row shows as chosen, the best one the dialog chose
// (again once the rows go best first), one the player clicked before or after
// that, or one reached with the arrow keys, is the selected one, and Mark
// discards, clicked or by Enter, marks what it throws: the hand's cards left
// unmarked are those its Keep cell shows.
TEST(App, DrawAnalysisShowsTheRunBestFirstAndMarksTheRowShownChosen)
{
    const CEquityTrials trials(400000);  // enough deals for several polls before the end, in either build
    enum EChoice { ecOwn, ecClick, ecKeys };
    const struct {
        bool m_bOpenWhileRunning;
        EChoice m_eChoice;
    } cases[] = {{true, ecKeys}, {false, ecClick}, {true, ecClick}, {false, ecOwn}, {true, ecOwn}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "opened while running " << c.m_bOpenWhileRunning << ", choice " << c.m_eChoice);
        CWindowDriver game;  // three opponents: a run long enough to watch fill in
        game.PlayInitial("Ac Kd 7h 4s 2c");
        if (!c.m_bOpenWhileRunning)
            game.FinishEquity();
        bool filledWhileRunning = false;
        QStringList chosen;
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
            QTreeWidget* list = dialog->m_holdsList;
            const int potShare = CDrawAnalysisDlg::kColumnTablePotShare;
            QTreeWidgetItem* row = list->topLevelItem(2);
            if (c.m_eChoice == ecClick) {
                const QPoint at(list->header()->sectionViewportPosition(CDrawAnalysisDlg::kColumnKeep) + 8,
                                list->visualItemRect(row).center().y());
                QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                                  list->viewport()->mapTo(dialog, at));
            }
            const CEquityRun& run = game.View().HoldsRun();
            WaitWhile([&] {
                filledWhileRunning |= run.IsRunning() && !list->topLevelItem(31)->text(potShare).isEmpty();
                return run.IsRunning();
            });
            game.Settle();
            std::vector<THoldEquity> best = run.Result().m_arrHolds;
            SortByPotShare(best);
            ASSERT_EQ(list->topLevelItemCount(), 32);
            for (int r = 0; r < 32; ++r) {
                EXPECT_EQ(list->topLevelItem(r)->text(CDrawAnalysisDlg::kColumnRank), QString::number(r + 1));
                if (r + 1 < 32) {
                    EXPECT_GE(list->topLevelItem(r)->data(potShare, Qt::UserRole).toDouble(),
                              list->topLevelItem(r + 1)->data(potShare, Qt::UserRole).toDouble()) << r;
                }
            }
            EXPECT_EQ(list->topLevelItem(0)->text(potShare),
                      QString::fromStdString(EquityRows(best.front(), run.Result().m_nTrials).back().m_strFigure));
            if (c.m_eChoice != ecClick)
                row = list->topLevelItem(0);  // the best by pot share, now the run is done
            if (c.m_eChoice == ecKeys) {
                QTest::keyClick(list, Qt::Key_Down);
                QTest::keyClick(list, Qt::Key_Home);
            }
            const QList<QTreeWidgetItem*> selected = list->selectedItems();
            ASSERT_EQ(selected.size(), 1);
            EXPECT_EQ(selected.front(), row);
            EXPECT_EQ(list->currentItem(), row) << "the row painted as chosen";
            chosen = KeptShown(row);
            ASSERT_TRUE(dialog->m_markButton->isEnabled());
            if (c.m_eChoice == ecKeys)
                QTest::keyClick(list, Qt::Key_Return);
            else
                QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                                  dialog->m_markButton->mapTo(dialog, dialog->m_markButton->rect().center()));
        });
        game.Frame().m_drawAnalysisAction->trigger();
        game.Settle();
        if (c.m_eChoice == ecKeys) {
            EXPECT_TRUE(filledWhileRunning);
        }
        QStringList unmarked;
        for (int place = 0; place < CPokerDoc::kPlaces; ++place)
            if (!game.Doc().IsMarked(place))
                unmarked << QString::fromStdString(CardSymbolText(game.Doc().GetHandCard(place)));
        ASSERT_FALSE(chosen.isEmpty());
        EXPECT_EQ(unmarked, chosen);
    }
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
