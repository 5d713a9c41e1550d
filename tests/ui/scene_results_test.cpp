// The results: how table rows read, how the columns fit, where the headings,
// tables and suggestions lie, and that rows can never be selected.
#include "Colours.h"
#include "PokerDoc.h"
#include "PokerView.h"
#include "SceneText.h"
#include "ScrollableStatic.h"
#include "StringTable.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using TRows = CCardDistributionManager::TRows;

class ResultsSceneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        document.m_nOpponents = 2;
        view.resize(1100, 800);  // the whole page, no scrolling
        view.OnInitialUpdate();
        view.OnUpdate(1);
        view.show();
    }

    CResultsScene& Results() { return view.m_resultsScene; }

    // The scene as the view shows it after the initial hand.
    void ShowWithSuggestions()
    {
        Results().m_shown = 1;
        Results().m_suggestionsShown = 1;
        view.m_cardsScene.m_active = false;
    }

    QImage RenderScene()
    {
        QImage page(CPokerView::kPageWidth, CPokerView::kPageHeight, QImage::Format_RGB32);
        page.fill(kFeltGreen);
        QPainter painter(&page);
        const QPoint scroll = view.GetScrollPosition();
        Results().Draw(painter, scroll.x(), scroll.y());
        return page;
    }

    static QStringList Row(const QTreeWidget* list, int row)
    {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        return item ? QStringList{item->text(0), item->text(1), item->text(2)} : QStringList();
    }

    CPokerDoc document;
    CPokerView view{&document};
};

QImage Heading(unsigned stringId, int y)
{
    QImage image(CPokerView::kPageWidth, CPokerView::kPageHeight, QImage::Format_RGB32);
    image.fill(kFeltGreen);
    QPainter painter(&image);
    DrawSceneText(painter, QString::fromStdString(LoadString(stringId)), QRect(650, y, 340, 30),
                  Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
    return image;
}

bool SameBand(const QImage& a, const QImage& b, int y)
{
    return a.copy(650, y, 340, 30) == b.copy(650, y, 340, 30);
}

QString Str(unsigned id)
{
    return QString::fromStdString(LoadString(id));
}

}  // namespace

// --- Rows -------------------------------------------------------------------------

TEST_F(ResultsSceneTest, RowReadsNameProbabilityAndOddsAgainst)
{
    Results().FillTable(Results().m_oneOpponentList, TRows{{120, 0.42, (1 - 0.42) / 0.42}});
    EXPECT_EQ(Row(Results().m_oneOpponentList, 0), (QStringList{Str(120), "42.000%", "1.38 : 1"}));
}

TEST_F(ResultsSceneTest, ImpossibleRowHasAnEmptyOddsCell)
{
    Results().FillTable(Results().m_atLeastOneList, TRows{{116, 0.0, -1.0}});
    EXPECT_EQ(Row(Results().m_atLeastOneList, 0), (QStringList{Str(116), "0.000%", ""}));
}

TEST_F(ResultsSceneTest, CertainRowShowsZeroOdds)
{
    Results().FillTable(Results().m_oneOpponentList, TRows{{147, 1.0, 0.0}});
    EXPECT_EQ(Row(Results().m_oneOpponentList, 0), (QStringList{Str(147), "100.000%", "0.00 : 1"}));
}

TEST_F(ResultsSceneTest, FillingReplacesTheRowsInTheirOrder)
{
    QTreeWidget* list = Results().m_oneOpponentList;
    Results().FillTable(list, TRows{{109, 0.5, 1.0}, {110, 0.25, 3.0}, {111, 0.125, 7.0}});
    Results().FillTable(list, TRows{{113, 0.1, 9.0}, {114, 0.2, 4.0}});
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(Row(list, 0)[0], Str(113));
    EXPECT_EQ(Row(list, 1)[0], Str(114));
}

TEST_F(ResultsSceneTest, TablesHaveFormationProbabilityAndOddsColumnsAlignedLeftCentreRight)
{
    Results().FillTable(Results().m_oneOpponentList, TRows{{120, 0.42, 1.38}});
    for (QTreeWidget* list : {Results().m_oneOpponentList, Results().m_atLeastOneList}) {
        const QTreeWidgetItem* header = list->headerItem();
        EXPECT_EQ(list->columnCount(), 3);
        EXPECT_EQ(header->text(0), QStringLiteral("Formation"));
        EXPECT_EQ(header->text(1), QStringLiteral("Probability"));
        EXPECT_EQ(header->text(2), QStringLiteral("Odds"));
        EXPECT_EQ(header->textAlignment(0) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        EXPECT_EQ(header->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        EXPECT_EQ(header->textAlignment(2) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        EXPECT_FALSE(list->rootIsDecorated());
    }
    const QTreeWidgetItem* row = Results().m_oneOpponentList->topLevelItem(0);
    EXPECT_EQ(row->textAlignment(0) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(row->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(row->textAlignment(2) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(ResultsSceneTest, ColumnsFitTheirHeaderAndTheirWidestText)
{
    QTreeWidget* list = Results().m_oneOpponentList;
    ShowWithSuggestions();
    RenderScene();
    // Short names: the headers are still shown whole.
    Results().FillTable(list, TRows{{113, 0.1, 9.0}});
    for (int column = 0; column < 2; ++column)
        EXPECT_GE(list->header()->sectionSize(column), list->header()->sectionSizeHint(column)) << column;
    // A long name widens the first column to fit it.
    Results().FillTable(list, TRows{{113, 0.1, 9.0}, {127, 0.000001, 999999.0}});
    const int nameWidth = list->fontMetrics().horizontalAdvance(Str(127));
    EXPECT_GE(list->header()->sectionSize(0), nameWidth);
    EXPECT_GE(list->header()->sectionSize(1), list->fontMetrics().horizontalAdvance(QStringLiteral("0.000%")));
}

TEST_F(ResultsSceneTest, WidestRowsFitTheBandWithoutScrollingSideways)
{
    ShowWithSuggestions();
    RenderScene();
    QTreeWidget* list = Results().m_atLeastOneList;
    Results().FillTable(list, TRows{{127, 0.0000137, 73043.71}, {147, 0.80706, 0.24}, {122, 0.0633, 14.80}});
    QApplication::processEvents();
    const QHeaderView* header = list->header();
    const int used = header->sectionSize(0) + header->sectionSize(1) + header->sectionSize(2);
    EXPECT_LE(used, list->viewport()->width());
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
}

TEST_F(ResultsSceneTest, TablesAreGoldOnFelt)
{
    for (QTreeWidget* list : {Results().m_oneOpponentList, Results().m_atLeastOneList}) {
        EXPECT_EQ(list->palette().color(QPalette::Base), kFeltGreen);
        EXPECT_EQ(list->palette().color(QPalette::Text), kGold);
    }
}

// --- Never a selection ---------------------------------------------------------------

TEST_F(ResultsSceneTest, ClickingARowSelectsNothingAndTakesNoFocus)
{
    QTreeWidget* list = Results().m_oneOpponentList;
    Results().FillTable(list, TRows{{120, 0.42, 1.38}, {121, 0.2, 4.0}});
    ShowWithSuggestions();
    RenderScene();
    QApplication::processEvents();
    const QRect row = list->visualItemRect(list->topLevelItem(1));
    ASSERT_FALSE(row.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, list->visualItemRect(list->topLevelItem(0)).center());
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(list->hasFocus());
}

// --- Drawing -------------------------------------------------------------------------

TEST_F(ResultsSceneTest, BandsAreStackedDownTheRightOfThePage)
{
    ShowWithSuggestions();
    RenderScene();
    EXPECT_EQ(Results().m_oneOpponentList->geometry(), QRect(650, 35, 340, 190));
    EXPECT_EQ(Results().m_atLeastOneList->geometry(), QRect(650, 260, 340, 190));
    EXPECT_EQ(Results().m_suggestionsBox->geometry(), QRect(650, 485, 340, 190));
    EXPECT_TRUE(Results().m_oneOpponentList->isVisible());
    EXPECT_TRUE(Results().m_atLeastOneList->isVisible());
    EXPECT_TRUE(Results().m_suggestionsBox->isVisible());
}

TEST_F(ResultsSceneTest, HeadingsNameTheThreeBands)
{
    ShowWithSuggestions();
    const QImage page = RenderScene();
    EXPECT_TRUE(SameBand(page, Heading(130, 5), 5));
    EXPECT_TRUE(SameBand(page, Heading(131, 230), 230));
    EXPECT_TRUE(SameBand(page, Heading(149, 455), 455));
}

TEST_F(ResultsSceneTest, WithoutSuggestionsTheThirdBandIsEmpty)
{
    ShowWithSuggestions();
    Results().m_suggestionsShown = 0;
    Results().m_suggestionsBox->hide();
    const QImage page = RenderScene();
    QImage felt(CPokerView::kPageWidth, CPokerView::kPageHeight, QImage::Format_RGB32);
    felt.fill(kFeltGreen);
    EXPECT_TRUE(SameBand(page, felt, 455));
    EXPECT_FALSE(Results().m_suggestionsBox->isVisible());
    EXPECT_TRUE(SameBand(page, Heading(131, 230), 230));
}

TEST_F(ResultsSceneTest, HiddenSceneDrawsNothing)
{
    Results().m_shown = 0;
    const QImage page = RenderScene();
    QImage felt(CPokerView::kPageWidth, CPokerView::kPageHeight, QImage::Format_RGB32);
    felt.fill(kFeltGreen);
    EXPECT_EQ(page, felt);
}

TEST_F(ResultsSceneTest, ControlsMoveWithTheScrolledPage)
{
    view.resize(500, 400);
    QApplication::processEvents();
    view.horizontalScrollBar()->setValue(400);
    view.verticalScrollBar()->setValue(120);
    ASSERT_EQ(view.GetScrollPosition(), QPoint(400, 120));
    ShowWithSuggestions();
    RenderScene();
    EXPECT_EQ(Results().m_oneOpponentList->geometry(), QRect(250, -85, 340, 190));
    EXPECT_EQ(Results().m_atLeastOneList->geometry(), QRect(250, 140, 340, 190));
    EXPECT_EQ(Results().m_suggestionsBox->geometry(), QRect(250, 365, 340, 190));
}

TEST_F(ResultsSceneTest, SuggestionsGoIntoTheirBox)
{
    Results().SetSuggestions("You may keep the pair.\r\nThe probability of succeeding is 28.683%.");
    EXPECT_EQ(Results().m_suggestionsBox->toPlainText(),
              QStringLiteral("You may keep the pair.\nThe probability of succeeding is 28.683%."));
}
