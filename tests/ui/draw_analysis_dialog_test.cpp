// The exact draw analysis in the real window: the Game menu item offered only
// while the initial hand is shown, the table of the 32 holds with the
// engine's figures, sorting by a heading, and "Mark discards" marking the
// hand exactly as the player's own clicks would.
#include "DrawAnalysisDlg.h"
#include "GameDriver.h"

#include "DrawAnalysis.h"

#include <QAction>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>

#include <gtest/gtest.h>

using namespace gamedriver;

namespace {

// One pair of eights with three odd cards, shown in card-index order.
const char* const kDealt[] = {"8c", "8d", "Kh", "5s", "2c"};
const char* const kPlaces[] = {"2c", "8c", "8d", "Kh", "5s"};

constexpr int kTwoPairColumn = CDrawAnalysisDlg::kColumnFirstCategory + hcTwoPair;

std::vector<int> Dealt()
{
    return Cards({kDealt[0], kDealt[1], kDealt[2], kDealt[3], kDealt[4]});
}

std::string Percent(double p)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f%%", p * 100.0);
    return text;
}

// A hold as a row of the table should read, "#" and all, cells joined by "|".
std::string ExpectedLine(int rank, const TDrawOutcome& hold)
{
    std::string keep;
    for (int i = 0; i < hold.m_nKeptCount; ++i)
        keep += (i ? " " : "") + CardSymbolText(hold.m_anKept[i]);
    std::string line = std::to_string(rank) + "|" + (keep.empty() ? "(none)" : keep);
    for (double p : hold.m_adProbability)
        line += "|" + Percent(p);
    line += "|" + Percent(hold.m_dImprove) + "|" + Percent(hold.m_dAtLeastCurrent) + "|";
    if (hold.m_dImprove > 0) {
        char odds[64];
        std::snprintf(odds, sizeof odds, "%.2f : 1", (1.0 - hold.m_dImprove) / hold.m_dImprove);
        line += odds;
    }
    return line;
}

std::string RowLine(const QTreeWidgetItem* item)
{
    QStringList cells;
    for (int column = 0; column < CDrawAnalysisDlg::kColumnCount; ++column)
        cells << item->text(column);
    return cells.join(QLatin1Char('|')).toStdString();
}

std::vector<std::string> RowLines(const QTreeWidget* list)
{
    std::vector<std::string> lines;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        lines.push_back(RowLine(list->topLevelItem(i)));
    return lines;
}

std::vector<std::string> Column(const QTreeWidget* list, int column)
{
    std::vector<std::string> cells;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        cells.push_back(list->topLevelItem(i)->text(column).toStdString());
    return cells;
}

// The figure of a cell: "15.985%" or "5.26 : 1" read as a number.
double Figure(const std::string& cell)
{
    return std::stod(cell);
}

QTreeWidgetItem* RowKeeping(const CDrawAnalysisDlg& dialog, const QString& kept)
{
    const QList<QTreeWidgetItem*> rows =
        dialog.m_holdsList->findItems(kept, Qt::MatchExactly, CDrawAnalysisDlg::kColumnKeep);
    return rows.size() == 1 ? rows.front() : nullptr;
}

void ClickRow(const CDrawAnalysisDlg& dialog, QTreeWidgetItem* row)
{
    QTreeWidget* list = dialog.m_holdsList;
    list->scrollToItem(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(row).center());
}

void ClickHeading(const CDrawAnalysisDlg& dialog, int column)
{
    QHeaderView* header = dialog.m_holdsList->header();
    const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
}

std::vector<bool> Marks(CPokerView& view)
{
    std::vector<bool> marks;
    for (const CGraphicObject& place : view.m_playingScene.m_hand)
        marks.push_back(place.m_selected);
    return marks;
}

class DrawAnalysis : public ::testing::Test {
protected:
    DrawAnalysis() : m_game(0) {}

    CPokerView& View() { return m_game.View(); }
    CPlayingScene& Table() { return View().m_playingScene; }
    QAction* MenuItem() { return m_game.Frame().m_drawAnalysisAction; }

    void PlayToInitialHand() { m_game.PlayInitialHand(Dealt()); }

    // Opens the dialog through the menu item (or Ctrl+E) and runs look on it
    // while it is shown; a dialog that look leaves open is closed. False when
    // no dialog appeared.
    bool RunDialog(const std::function<void(CDrawAnalysisDlg&)>& look, bool byShortcut = false)
    {
        bool shown = false;
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<CDrawAnalysisDlg*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            timer.stop();
            shown = true;
            look(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        timer.start();
        if (byShortcut)
            m_game.Key(Qt::Key_E, Qt::ControlModifier);
        else
            MenuItem()->trigger();
        timer.stop();
        m_game.Settle();
        return shown;
    }

    // Chooses the row keeping these cards and presses Mark discards.
    bool MarkThrough(const QString& kept)
    {
        return RunDialog([&](CDrawAnalysisDlg& dialog) {
            QTreeWidgetItem* row = RowKeeping(dialog, kept);
            ASSERT_NE(row, nullptr) << kept.toStdString();
            ClickRow(dialog, row);
            QTest::mouseClick(dialog.m_markButton, Qt::LeftButton);
        });
    }

    CRunningGame m_game;
};

TEST_F(DrawAnalysis, MenuItemIsOfferedExactlyWhileTheInitialHandIsShown)
{
    EXPECT_FALSE(MenuItem()->isEnabled()) << "stage 3";
    PlayToInitialHand();
    EXPECT_TRUE(MenuItem()->isEnabled()) << "stage 4";
    m_game.ClickHandPlace(0);
    ASSERT_EQ(View().m_nStage, 5);
    EXPECT_TRUE(MenuItem()->isEnabled()) << "stage 5";
    m_game.ClickHandPlace(0);
    EXPECT_TRUE(MenuItem()->isEnabled()) << "back in stage 4";
    m_game.ClickHandPlace(0);
    m_game.PressDiscard();
    ASSERT_EQ(View().m_nStage, 6);
    EXPECT_FALSE(MenuItem()->isEnabled()) << "stage 6";
    m_game.PlayInitialHand(Cards({"Qd"}));
    ASSERT_EQ(View().m_nStage, 7);
    EXPECT_FALSE(MenuItem()->isEnabled()) << "stage 7";
}

TEST_F(DrawAnalysis, MenuItemIsWithdrawnWhenANewGameStarts)
{
    PlayToInitialHand();
    m_game.Key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(View().m_nStage, 3);
    EXPECT_FALSE(MenuItem()->isEnabled());
}

TEST_F(DrawAnalysis, CtrlEOpensTheAnalysisOfTheHandShown)
{
    PlayToInitialHand();
    std::string title;
    EXPECT_TRUE(RunDialog([&](CDrawAnalysisDlg& dialog) { title = dialog.windowTitle().toStdString(); }, true));
    EXPECT_EQ(title, "Exact draw analysis");
}

TEST_F(DrawAnalysis, TableListsThe32HoldsBestFirstWithTheEnginesFigures)
{
    PlayToInitialHand();
    int places[5];
    const std::vector<int> shown = Cards({kPlaces[0], kPlaces[1], kPlaces[2], kPlaces[3], kPlaces[4]});
    std::copy(shown.begin(), shown.end(), places);
    std::vector<TDrawOutcome> holds = AnalyzeDraws(places, nullptr);
    SortHoldsBestFirst(holds);
    ASSERT_EQ(holds.size(), 32u);
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < holds.size(); ++i)
        expected.push_back(ExpectedLine(static_cast<int>(i) + 1, holds[i]));

    std::vector<std::string> lines;
    ASSERT_TRUE(RunDialog([&](CDrawAnalysisDlg& dialog) { lines = RowLines(dialog.m_holdsList); }));
    EXPECT_EQ(lines, expected);
}

TEST_F(DrawAnalysis, KeepingThePairShowsTheExactChancesOfDrawingThree)
{
    PlayToInitialHand();
    // Of the 16,215 draws of three from the 47 unseen cards: 2,592 two pair,
    // 1,854 three of a kind, 165 full houses and 45 four of a kind.
    std::vector<std::string> pairRow;
    ASSERT_TRUE(RunDialog([&](CDrawAnalysisDlg& dialog) {
        const QTreeWidgetItem* row = RowKeeping(dialog, QStringLiteral("8♣ 8♦"));
        ASSERT_NE(row, nullptr);
        for (int column = 0; column < CDrawAnalysisDlg::kColumnCount; ++column)
            pairRow.push_back(row->text(column).toStdString());
    }));
    ASSERT_EQ(pairRow.size(), static_cast<std::size_t>(CDrawAnalysisDlg::kColumnCount));
    EXPECT_EQ(pairRow[CDrawAnalysisDlg::kColumnFirstCategory + hcOnePair], "71.286%");
    EXPECT_EQ(pairRow[kTwoPairColumn], "15.985%");
    EXPECT_EQ(pairRow[CDrawAnalysisDlg::kColumnFirstCategory + hcThreeOfAKind], "11.434%");
    EXPECT_EQ(pairRow[CDrawAnalysisDlg::kColumnFirstCategory + hcFullHouse], "1.018%");
    EXPECT_EQ(pairRow[CDrawAnalysisDlg::kColumnFirstCategory + hcFourOfAKind], "0.278%");
    EXPECT_EQ(pairRow[CDrawAnalysisDlg::kColumnImprove], "28.714%");
    EXPECT_EQ(pairRow[CDrawAnalysisDlg::kColumnOdds], "2.48 : 1");
}

TEST_F(DrawAnalysis, HoldsThatCannotImproveShowNoOddsAndThrowingAllKeepsNone)
{
    PlayToInitialHand();
    std::string keepAllImprove = "?";
    std::string keepAllOdds = "?";
    bool noneListed = false;
    ASSERT_TRUE(RunDialog([&](CDrawAnalysisDlg& dialog) {
        const QTreeWidgetItem* keepAll = RowKeeping(dialog, QStringLiteral("2♣ 8♣ 8♦ K♥ 5♠"));
        ASSERT_NE(keepAll, nullptr);
        keepAllImprove = keepAll->text(CDrawAnalysisDlg::kColumnImprove).toStdString();
        keepAllOdds = keepAll->text(CDrawAnalysisDlg::kColumnOdds).toStdString();
        noneListed = RowKeeping(dialog, QStringLiteral("(none)")) != nullptr;
    }));
    EXPECT_EQ(keepAllImprove, "0.000%");
    EXPECT_EQ(keepAllOdds, "");
    EXPECT_TRUE(noneListed);
}

TEST_F(DrawAnalysis, ExplanationCountsTheCardsNotSeen)
{
    PlayToInitialHand();
    QString text;
    ASSERT_TRUE(RunDialog([&](CDrawAnalysisDlg& dialog) {
        text = dialog.findChild<QLabel*>(QStringLiteral("explanationLabel"))->text();
    }));
    EXPECT_TRUE(text.contains(QStringLiteral("over the 47 cards you have not seen"))) << text.toStdString();
}

TEST_F(DrawAnalysis, TableIsGoldOnTheFelt)
{
    PlayToInitialHand();
    QColor base, text, window;
    QRgb emptyArea = 0;
    ASSERT_TRUE(RunDialog([&](CDrawAnalysisDlg& dialog) {
        const QPalette palette = dialog.m_holdsList->palette();
        base = palette.color(QPalette::Base);
        text = palette.color(QPalette::Text);
        window = dialog.palette().color(QPalette::Window);
        const QImage picture = dialog.grab().toImage();
        emptyArea = picture.pixel(2, 2);
    }));
    EXPECT_EQ(base, QColor(0, 128, 0));
    EXPECT_EQ(text, QColor(255, 196, 35));
    EXPECT_EQ(window, QColor(0, 128, 0));
    EXPECT_EQ(QColor(emptyArea), QColor(0, 128, 0));
}

TEST_F(DrawAnalysis, ClickingAHeadingSortsByItsFigureMostLikelyFirstThenReverses)
{
    PlayToInitialHand();
    std::vector<std::string> firstClick, secondClick;
    ASSERT_TRUE(RunDialog([&](CDrawAnalysisDlg& dialog) {
        ClickHeading(dialog, kTwoPairColumn);
        firstClick = Column(dialog.m_holdsList, kTwoPairColumn);
        ClickHeading(dialog, kTwoPairColumn);
        secondClick = Column(dialog.m_holdsList, kTwoPairColumn);
    }));
    ASSERT_EQ(firstClick.size(), 32u);
    ASSERT_EQ(secondClick.size(), 32u);
    for (std::size_t i = 1; i < firstClick.size(); ++i) {
        EXPECT_GE(Figure(firstClick[i - 1]), Figure(firstClick[i])) << "row " << i;
        EXPECT_LE(Figure(secondClick[i - 1]), Figure(secondClick[i])) << "row " << i;
    }
    EXPECT_NE(Figure(firstClick.front()), Figure(firstClick.back()));
}

TEST_F(DrawAnalysis, EqualFiguresKeepTheBestFirstOrderWhenSortedEitherWay)
{
    PlayToInitialHand();
    const int column = CDrawAnalysisDlg::kColumnFirstCategory + hcThreeOfAKind;
    std::vector<std::string> figures[2], ranks[2];
    ASSERT_TRUE(RunDialog([&](CDrawAnalysisDlg& dialog) {
        for (int click = 0; click < 2; ++click) {
            ClickHeading(dialog, column);
            figures[click] = Column(dialog.m_holdsList, column);
            ranks[click] = Column(dialog.m_holdsList, CDrawAnalysisDlg::kColumnRank);
        }
    }));
    for (int click = 0; click < 2; ++click) {
        ASSERT_EQ(figures[click].size(), 32u);
        int ties = 0;
        for (std::size_t i = 1; i < figures[click].size(); ++i) {
            if (figures[click][i] != figures[click][i - 1])
                continue;
            ++ties;
            EXPECT_LT(std::stoi(ranks[click][i - 1]), std::stoi(ranks[click][i])) << "click " << click + 1 << " row " << i;
        }
        EXPECT_GT(ties, 0);
    }
}

TEST_F(DrawAnalysis, OddsSortByValueWithImpossibleImprovementsLast)
{
    PlayToInitialHand();
    std::vector<std::string> odds;
    ASSERT_TRUE(RunDialog([&](CDrawAnalysisDlg& dialog) {
        ClickHeading(dialog, CDrawAnalysisDlg::kColumnOdds);
        odds = Column(dialog.m_holdsList, CDrawAnalysisDlg::kColumnOdds);
    }));
    ASSERT_EQ(odds.size(), 32u);
    ASSERT_FALSE(odds.front().empty());
    EXPECT_EQ(odds.back(), "");
    // Text order would put "10.00 : 1" before "2.00 : 1"; both ranges occur here.
    EXPECT_LT(Figure(odds.front()), 10.0);
    for (std::size_t i = 1; i < odds.size() && !odds[i].empty(); ++i)
        EXPECT_LE(Figure(odds[i - 1]), Figure(odds[i])) << "row " << i;
}

TEST_F(DrawAnalysis, RankHeadingRestoresTheBestFirstOrder)
{
    PlayToInitialHand();
    std::vector<std::string> before, sorted, restored;
    ASSERT_TRUE(RunDialog([&](CDrawAnalysisDlg& dialog) {
        before = RowLines(dialog.m_holdsList);
        ClickHeading(dialog, CDrawAnalysisDlg::kColumnKeep);
        sorted = RowLines(dialog.m_holdsList);
        ClickHeading(dialog, CDrawAnalysisDlg::kColumnRank);
        restored = RowLines(dialog.m_holdsList);
    }));
    EXPECT_NE(sorted, before);
    EXPECT_EQ(restored, before);
}

TEST_F(DrawAnalysis, MarkDiscardsIsOfferedOnlyOnceARowIsChosen)
{
    PlayToInitialHand();
    bool enabledAtFirst = true;
    bool enabledAfterChoosing = false;
    ASSERT_TRUE(RunDialog([&](CDrawAnalysisDlg& dialog) {
        enabledAtFirst = dialog.m_markButton->isEnabled();
        ClickRow(dialog, dialog.m_holdsList->topLevelItem(3));
        enabledAfterChoosing = dialog.m_markButton->isEnabled();
    }));
    EXPECT_FALSE(enabledAtFirst);
    EXPECT_TRUE(enabledAfterChoosing);
}

TEST_F(DrawAnalysis, MarkDiscardsMarksExactlyTheCardsThatHoldThrowsAway)
{
    PlayToInitialHand();
    ASSERT_TRUE(MarkThrough(QStringLiteral("8♣ 8♦")));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Marks(View()), (std::vector<bool>{true, false, false, true, true}));
    EXPECT_EQ(Table().m_discardCount, 3);
    EXPECT_TRUE(Table().m_discardButton->isEnabled());
    EXPECT_EQ(View().m_nStage, 5);
}

TEST_F(DrawAnalysis, MarkDiscardsReplacesTheMarksThePlayerMadeBefore)
{
    PlayToInitialHand();
    m_game.ClickHandPlace(1);
    m_game.ClickHandPlace(2);
    ASSERT_EQ(View().m_nStage, 5);
    ASSERT_TRUE(MarkThrough(QStringLiteral("2♣ 8♣ 8♦ K♥ 5♠")));
    EXPECT_EQ(Marks(View()), (std::vector<bool>(5, false)));
    EXPECT_EQ(Table().m_discardCount, 0);
    EXPECT_FALSE(Table().m_discardButton->isEnabled());
    EXPECT_EQ(View().m_nStage, 4);
}

TEST_F(DrawAnalysis, CardsMarkedThroughTheDialogLookAsIfClicked)
{
    PlayToInitialHand();
    ASSERT_TRUE(MarkThrough(QStringLiteral("8♦ K♥")));
    const QImage marked = View().viewport()->grab().toImage();
    for (int place : {0, 1, 4})  // unmark, then mark again by hand
        m_game.ClickHandPlace(place);
    for (int place : {0, 1, 4})
        m_game.ClickHandPlace(place);
    ASSERT_EQ(Marks(View()), (std::vector<bool>{true, true, false, false, true}));
    EXPECT_TRUE(View().viewport()->grab().toImage() == marked);
}

TEST_F(DrawAnalysis, DiscardAfterMarkingAsksForAsManyReplacements)
{
    PlayToInitialHand();
    ASSERT_TRUE(MarkThrough(QStringLiteral("8♣ 8♦")));
    m_game.PressDiscard();
    EXPECT_EQ(View().m_nStage, 6);
    EXPECT_EQ(View().m_cardsScene.m_maxSelection, 3u);
    const CCardDistributionManager& manager = m_game.Doc().m_manager;
    for (const char* thrown : {"2c", "Kh", "5s"})
        EXPECT_TRUE(manager.m_abDiscarded[Card(thrown) / 13][Card(thrown) % 13]) << thrown;
    for (const char* kept : {"8c", "8d"})
        EXPECT_FALSE(manager.m_abDiscarded[Card(kept) / 13][Card(kept) % 13]) << kept;
}

TEST_F(DrawAnalysis, CloseChangesNothing)
{
    PlayToInitialHand();
    m_game.ClickHandPlace(3);
    ASSERT_TRUE(RunDialog([](CDrawAnalysisDlg& dialog) {
        ClickRow(dialog, dialog.m_holdsList->topLevelItem(0));
        QTest::mouseClick(dialog.m_closeButton, Qt::LeftButton);
    }));
    EXPECT_EQ(Marks(View()), (std::vector<bool>{false, false, false, true, false}));
    EXPECT_EQ(Table().m_discardCount, 1);
    EXPECT_TRUE(Table().m_discardButton->isEnabled());
    EXPECT_EQ(View().m_nStage, 5);
}

// Not a check: the picture a person looks at to judge the dialog.
TEST_F(DrawAnalysis, ScreenshotOfTheDialog)
{
    PlayToInitialHand();
    EXPECT_TRUE(RunDialog([](CDrawAnalysisDlg& dialog) {
        ClickRow(dialog, dialog.m_holdsList->topLevelItem(1));
#ifdef QUINTARA_SCREENSHOT_DIR
        const QString dir = QStringLiteral(QUINTARA_SCREENSHOT_DIR);
        QDir().mkpath(dir);
        dialog.grab().save(dir + QStringLiteral("/draw_analysis_dialog.png"));
#endif
    }));
}

}  // namespace
