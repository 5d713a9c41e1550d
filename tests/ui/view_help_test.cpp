// Help by stage: F1 asks for the topic of the stage the game is in (3 to 7),
// Shift+F1 for the overview (1); a help page that cannot be read is reported
// and the game goes on.
#include "GameDriver.h"

#include "HelpWindow.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace gamedriver;

namespace {

class HelpByStage : public ::testing::Test {
protected:
    HelpByStage() : m_game(0)
    {
        // A page of its own, so that these tests do not depend on the real one.
        const QString path = m_dir.path() + QStringLiteral("/quintara.html");
        QFile page(path);
        EXPECT_TRUE(page.open(QIODevice::WriteOnly));
        for (int topic : {1, 3, 4, 5, 6, 7})
            page.write(QStringLiteral("<h2><a name=\"%1\"></a>Topic %1</h2><p>text</p>").arg(topic).toUtf8());
        page.close();
        m_game.View().SetHelpFile(path);
    }

    // The topic the help window was asked for by a key, or 0 without one.
    int TopicAfter(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        m_game.Key(key, modifiers);
        CHelpWindow* help = m_game.View().findChild<CHelpWindow*>();
        if (!help || !help->isVisible())
            return 0;
        EXPECT_EQ(help->source().fragment(), QString::number(help->m_nTopic));
        return help->m_nTopic;
    }

    QTemporaryDir m_dir;
    CRunningGame m_game;
};

TEST_F(HelpByStage, F1AsksForTheTopicOfEachStageInTurn)
{
    EXPECT_EQ(TopicAfter(Qt::Key_F1), 3);
    m_game.PlayInitialHand(Cards({"2c", "9d", "Jh", "Qs", "Ks"}));
    EXPECT_EQ(TopicAfter(Qt::Key_F1), 4);
    m_game.ClickHandPlace(0);
    EXPECT_EQ(TopicAfter(Qt::Key_F1), 5);
    m_game.PressDiscard();
    EXPECT_EQ(TopicAfter(Qt::Key_F1), 6);
    m_game.PlayInitialHand(Cards({"3h"}));
    EXPECT_EQ(TopicAfter(Qt::Key_F1), 7);
}

TEST_F(HelpByStage, ShiftF1AsksForTheOverviewWhateverTheStage)
{
    EXPECT_EQ(TopicAfter(Qt::Key_F1, Qt::ShiftModifier), 1);
    m_game.PlayInitialHand(Cards({"2c", "9d", "Jh", "Qs", "Ks"}));
    EXPECT_EQ(TopicAfter(Qt::Key_F1, Qt::ShiftModifier), 1);
}

#ifdef QUINTARA_HELP_PAGE
TEST(HelpPage, HasASectionForTheOverviewAndEachStage)
{
    QFile page(QStringLiteral(QUINTARA_HELP_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    QTextDocument document;
    document.setHtml(QString::fromUtf8(page.readAll()));
    QStringList anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            anchors += fragment.fragment().charFormat().anchorNames();
    }
    for (const char* topic : {"1", "3", "4", "5", "6", "7"})
        EXPECT_TRUE(anchors.contains(QLatin1String(topic))) << "anchor " << topic;
}
#endif

TEST(HelpFile, IsTheProgramsPathWithTheHtmlExtension)
{
    const QString program = QCoreApplication::applicationFilePath();
    EXPECT_EQ(DefaultHelpFilePath(), program + QStringLiteral(".html"));
}

TEST(HelpFailure, UnreadableHelpIsReportedAndTheGameGoesOn)
{
    CRunningGame game(0);
    QTemporaryDir empty;
    game.View().SetHelpFile(empty.path() + QStringLiteral("/quintara.html"));
    std::string message;
    WhenModalShown([&message](QWidget* box) {
        if (auto* messageBox = qobject_cast<QMessageBox*>(box))
            message = messageBox->text().toStdString();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    game.Key(Qt::Key_F1);
    EXPECT_EQ(message, "Failed to launch help.");

    game.PickCard(Card("As"));
    EXPECT_EQ(game.View().m_cardsScene.m_selectionCount, 1u);
    EXPECT_EQ(game.View().m_nStage, 3);
}

}  // namespace
