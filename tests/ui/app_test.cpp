// Start-up and the main window: the opponents dialog first, then the window
// at (0, 0), 1024 x 768, titled "Quintara" alone, with its menus and
// shortcuts, and never larger.
#include "GameDriver.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace gamedriver;

namespace {

TEST(AppStartUp, OkWithoutTouchingTheListSeatsFiveOpponents)
{
    WhenModalShown([](QWidget* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    CPokerApp app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.GetDocument()->m_nOpponents, 5);
    EXPECT_EQ(app.GetView()->m_playingScene.m_opponentCount, 5u);
}

TEST(AppStartUp, EscapeFromTheDialogStartsWithOneOpponent)
{
    CRunningGame game(-1);
    EXPECT_EQ(game.Doc().m_nOpponents, 1);
    EXPECT_EQ(game.View().m_playingScene.m_opponentCount, 1u);
}

TEST(AppStartUp, ChosenNumberIsSeatedAndTheFirstPickBegins)
{
    CRunningGame game(1);
    EXPECT_EQ(game.Doc().m_nOpponents, 2);
    EXPECT_EQ(game.View().m_playingScene.m_opponentCount, 2u);
    EXPECT_EQ(game.View().m_nStage, 3);
    EXPECT_TRUE(game.View().m_cardsScene.m_active);
    EXPECT_TRUE(game.View().m_cardsScene.m_initialPick);
}

TEST(AppStartUp, WindowIsShownAtTheOriginAtItsFullSize)
{
    CRunningGame game(0);
    EXPECT_TRUE(game.Frame().isVisible());
    EXPECT_EQ(game.Frame().pos(), QPoint(0, 0));
    EXPECT_EQ(game.Frame().size(), QSize(1024, 768));
}

TEST(AppStartUp, WholePageFitsTheWindowWithoutScrolling)
{
    CRunningGame game(0);
    EXPECT_GE(game.View().viewport()->width(), CPokerView::kPageWidth);
    EXPECT_GE(game.View().viewport()->height(), CPokerView::kPageHeight);
    EXPECT_EQ(game.View().GetScrollPosition(), QPoint(0, 0));
}

class MainFrame : public ::testing::Test {
protected:
    MainFrame() : m_game(0) {}

    // Caption and shortcut of each entry of a menu; "-" for a separator.
    static std::vector<std::string> Entries(const QMenu* menu)
    {
        std::vector<std::string> entries;
        for (const QAction* action : menu->actions())
            entries.push_back(action->isSeparator()
                                  ? std::string("-")
                                  : (action->text() + " [" + action->shortcut().toString() + "]").toStdString());
        return entries;
    }

    CRunningGame m_game;
};

TEST_F(MainFrame, TitleIsTheProgramsNameAlone)
{
    EXPECT_EQ(m_game.Frame().windowTitle().toStdString(), "Quintara");
}

TEST_F(MainFrame, MenusOfferTheGameAndHelpCommandsWithTheirShortcuts)
{
    const QList<QAction*> menus = m_game.Frame().menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text().toStdString(), "&Game");
    EXPECT_EQ(menus[1]->text().toStdString(), "&Help");
    EXPECT_EQ(Entries(menus[0]->menu()),
              (std::vector<std::string>{"&New [Ctrl+N]", "Change number of &opponents [Ctrl+O]",
                                        "&Exact draw analysis... [Ctrl+E]", "-", "E&xit []"}));
    EXPECT_EQ(Entries(menus[1]->menu()),
              (std::vector<std::string>{"Quintara &Overview [Shift+F1]", "Quintara &Help [F1]",
                                        "&About Quintara... []"}));
}

TEST_F(MainFrame, HasNoToolbarOrStatusBar)
{
    EXPECT_TRUE(m_game.Frame().findChildren<QToolBar*>().isEmpty());
    EXPECT_TRUE(m_game.Frame().findChildren<QStatusBar*>().isEmpty());
}

TEST_F(MainFrame, NeverGrowsBeyond1024By768)
{
    m_game.Frame().resize(1600, 1200);
    EXPECT_EQ(m_game.Frame().size(), QSize(1024, 768));
    m_game.Frame().showMaximized();
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_game.Frame().isMaximized(); }));
    QCoreApplication::processEvents();
    EXPECT_LE(m_game.Frame().width(), 1024);
    EXPECT_LE(m_game.Frame().height(), 768);
}

TEST_F(MainFrame, ExitClosesTheWindow)
{
    m_game.Frame().m_exitAction->trigger();
    EXPECT_FALSE(m_game.Frame().isVisible());
}

TEST_F(MainFrame, AboutShowsTheVersionInItsOwnDialog)
{
    std::string title;
    std::string version;
    WhenModalShown([&](QWidget* dialog) {
        title = dialog->windowTitle().toStdString();
        version = dialog->findChild<QLabel*>(QStringLiteral("versionLabel"))->text().toStdString();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    m_game.Frame().m_aboutAction->trigger();
    EXPECT_EQ(title, "About Quintara");
    EXPECT_EQ(version, "Quintara Version 1.1");
}

}  // namespace
