#pragma once

// Plays the desktop program the way a player does: modal dialogs answered as
// soon as they open, real clicks at the page positions of the layout, real
// key presses on the main window. Shared by the game, view and app tests.

#include "CardDistributionManager.h"
#include "CardText.h"
#include "CardsScene.h"
#include "DiscardAdvice.h"
#include "HandDescription.h"
#include "MainFrame.h"
#include "PlayingScene.h"
#include "PokerApp.h"
#include "PokerDoc.h"
#include "PokerView.h"
#include "ResultsScene.h"
#include "StringTable.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace gamedriver {

// Runs action on the next modal window as soon as it is shown; action must
// close it.
inline void WhenModalShown(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

// Answers the opponents dialog: presses Home then Down index times in its
// list (so index 0 is "1"), then OK.
inline void AnswerOpponentsDialog(int index)
{
    WhenModalShown([index](QWidget* dialog) {
        QWidget* combo = dialog->findChild<QWidget*>(QStringLiteral("opponentsCombo"));
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
}

inline void EscapeDialog()
{
    WhenModalShown([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
}

inline int Card(const char* text)
{
    const int card = ParseCard(text);
    EXPECT_GE(card, 0) << text;
    return card;
}

inline std::vector<int> Cards(std::initializer_list<const char*> texts)
{
    std::vector<int> cards;
    for (const char* text : texts)
        cards.push_back(Card(text));
    return cards;
}

// The program started as a player starts it, the opponents dialog answered
// with OK at the given list index (or with Escape when index is negative),
// its window shown and active.
class CRunningGame {
public:
    explicit CRunningGame(int opponentsIndex)
    {
        if (opponentsIndex < 0)
            EscapeDialog();
        else
            AnswerOpponentsDialog(opponentsIndex);
        m_started = m_app.InitInstance();
        Activate();
        Settle();
    }

    CPokerApp& App() { return m_app; }
    CPokerDoc& Doc() { return *m_app.GetDocument(); }
    CPokerView& View() { return *m_app.GetView(); }
    CMainFrame& Frame() { return *m_app.GetMainFrame(); }
    bool Started() const { return m_started; }

    // Lets pending repaints run, so that the scenes have placed their controls.
    void Settle()
    {
        QCoreApplication::processEvents();
        View().viewport()->repaint();
        QCoreApplication::processEvents();
    }

    // Shortcuts reach the main window only while it is the active one; a
    // help window that just opened may still be taking the activation.
    void Activate()
    {
        QCoreApplication::processEvents();
        Frame().activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &Frame(); }));
    }

    // Client point of a page point.
    QPoint Client(int pageX, int pageY) { return QPoint(pageX, pageY) - View().GetScrollPosition(); }

    void ClickPage(int pageX, int pageY)
    {
        QTest::mouseClick(View().viewport(), Qt::LeftButton, Qt::NoModifier, Client(pageX, pageY));
        Settle();
    }

    // The middle of a card's strip in the picker: columns of 71 pixels two
    // apart from x = 675, and the card's slot among the cards of its suit
    // not yet known, 40 pixels each from y = 30.
    QPoint PickerPoint(int card)
    {
        const int suit = card / 13;
        int slot = 0;
        for (int rank = 0; rank < card % 13; ++rank)
            slot += Doc().m_manager.m_anCardCounts[suit][rank] == 0 ? 1 : 0;
        return QPoint(675 + 73 * suit + 35, 30 + 40 * slot + 20);
    }

    void PickCard(int card)
    {
        const QPoint page = PickerPoint(card);
        ClickPage(page.x(), page.y());
    }

    void PickCards(const std::vector<int>& cards)
    {
        for (int card : cards)
            PickCard(card);
    }

    // The middle of hand place 0..4: 71 x 96 cards two apart from (134, 534).
    void ClickHandPlace(int place) { ClickPage(134 + 73 * place + 35, 534 + 48); }

    void Press(QPushButton* button)
    {
        Settle();
        ASSERT_TRUE(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        Settle();
    }

    void PressOk() { Press(View().m_cardsScene.m_okButton); }
    void PressDiscard() { Press(View().m_playingScene.m_discardButton); }

    // Stage 3 to 4.
    void PlayInitialHand(const std::vector<int>& cards)
    {
        PickCards(cards);
        PressOk();
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Activate();
        QTest::keyClick(&Frame(), static_cast<Qt::Key>(key), modifiers);
        Settle();
    }

    void SaveScreenshot(const char* name)
    {
#ifdef QUINTARA_SCREENSHOT_DIR
        Settle();
        const QString dir = QStringLiteral(QUINTARA_SCREENSHOT_DIR);
        QDir().mkpath(dir);
        Frame().grab().save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
#else
        (void)name;
#endif
    }

private:
    CPokerApp m_app;
    bool m_started = false;
};

// The tables and texts the engine gives for a game in which the player has
// seen known and thrown away discarded, built apart from the view.
struct TExpectedResults {
    CCardDistributionManager::TRows m_oneOpponent;
    CCardDistributionManager::TRows m_atLeastOne;
    std::string m_advice;
    std::string m_description;
};

inline TExpectedResults ExpectedResults(const std::vector<int>& known, const std::vector<int>& discarded,
                                        int opponents, bool initialHand)
{
    CCardDistributionManager manager;
    for (int card : known)
        manager.m_anCardCounts[card / 13][card % 13] = 1;
    for (int card : discarded)
        manager.m_abDiscarded[card / 13][card % 13] = true;
    manager.AnalyzeHand();
    TExpectedResults results;
    manager.BuildOneOpponentTable(results.m_oneOpponent);
    const double p = results.m_oneOpponent.size() > 1 ? results.m_oneOpponent.back().m_dProbability : 0.0;
    manager.BuildAtLeastOneOpponentTable(results.m_atLeastOne, static_cast<unsigned>(opponents), p);
    if (initialHand)
        results.m_advice = BuildAdvice(manager);
    results.m_description = DescribeHand(manager, initialHand);
    return results;
}

// The rows of a results list as "label | probability | odds" lines.
inline std::vector<std::string> ListLines(const QTreeWidget* list)
{
    std::vector<std::string> lines;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        lines.push_back((item->text(0) + " | " + item->text(1) + " | " + item->text(2)).toStdString());
    }
    return lines;
}

// The same lines as a player should read them for rows of the engine.
inline std::vector<std::string> RowLines(const CCardDistributionManager::TRows& rows)
{
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        char probability[64];
        char odds[64] = "";
        std::snprintf(probability, sizeof probability, "%.3f%%", row.m_dProbability * 100.0);
        if (row.m_dOdds >= 0.0)
            std::snprintf(odds, sizeof odds, "%.2f : 1", row.m_dOdds);
        lines.push_back(LoadString(static_cast<unsigned>(row.m_nFormationNameId)) + " | " + probability + " | "
                        + odds);
    }
    return lines;
}

// A text as a text box shows it: "\r\n" as a line break.
inline std::string AsShown(std::string text)
{
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.replace(at, 2, "\n");
    return text;
}

}  // namespace gamedriver
