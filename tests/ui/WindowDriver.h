#pragma once

// Drives the desktop program as a player does: every mouse event goes to the
// top-level window at a window position, and Qt's own hit-testing picks the
// widget, so a control covered by another cannot be clicked by accident.

#include "BruteForce.h"
#include "CardText.h"
#include "MainFrame.h"
#include "PokerApp.h"
#include "PokerDoc.h"
#include "PokerView.h"
#include "ResultsScene.h"
#include "ScrollableStatic.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

// Runs action on the next modal dialog once it shows.
inline void WhenModalShown(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        // Keys reach a dialog once it is the active window, as a user's do;
        // before that, Tab would not move its focus on a loaded machine.
        if (!modal || !modal->isVisible() || !modal->isActiveWindow() || !modal->focusWidget())
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

// Answers the opponents dialog from the keyboard: Home, then Down `index`
// times, then Enter; a negative index presses Escape instead.
inline void AnswerOpponents(int index)
{
    WhenModalShown([index](QWidget* dialog) {
        if (index < 0) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            return;
        }
        QWidget* combo = dialog->focusWidget() ? dialog->focusWidget() : dialog;
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Return);
    });
}

class CWindowDriver {
public:
    explicit CWindowDriver(int opponentsIndex = 2)
    {
        AnswerOpponents(opponentsIndex);
        m_app.InitInstance();
        QWindow* window = Frame().windowHandle();
        window->requestActivate();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        Settle();
    }

    CPokerDoc& Doc() { return *m_app.GetDocument(); }
    CPokerView& View() { return *m_app.GetView(); }
    CMainFrame& Frame() { return *m_app.GetMainFrame(); }
    CPokerApp& App() { return m_app; }

    void Settle() { QCoreApplication::processEvents(); }

    // Turns the event loop until the page's equity runs have stopped.
    void FinishEquity()
    {
        QElapsedTimer clock;
        clock.start();
        // The bound only keeps a stuck run from hanging the suite.
        while ((View().ShowdownRun().IsRunning() || View().HoldsRun().IsRunning()) && clock.elapsed() < 120000)
            QTest::qWait(5);
        EXPECT_FALSE(View().ShowdownRun().IsRunning() || View().HoldsRun().IsRunning());
    }

    // The window position of a page point.
    QPoint WindowPoint(const QPoint& page)
    {
        return View().viewport()->mapTo(&Frame(), page - View().GetScrollPosition());
    }

    void ClickWindow(const QPoint& windowPoint)
    {
        QTest::mouseClick(Frame().windowHandle(), Qt::LeftButton, Qt::NoModifier, windowPoint);
        Settle();
    }

    void ClickPage(const QPoint& page) { ClickWindow(WindowPoint(page)); }

    // Clicks the middle of a control's face, as a person would.
    void ClickControl(QWidget* control)
    {
        ASSERT_TRUE(control->isVisible());
        ClickWindow(control->mapTo(&Frame(), control->rect().center()));
    }

    // Clicks the middle of the strip a card shows in the picker.
    void Pick(int card)
    {
        const QRect rect = View().CardsScene().CardRect(card);
        ClickPage(QPoint(rect.center().x(), rect.top() + 20));
    }

    void Pick(const std::string& cards)
    {
        for (int card : Cards(cards))
            Pick(card);
    }

    void ClickPlace(int place) { ClickPage(View().PlayingScene().PlaceRect(place).center()); }

    QPushButton* Ok() { return View().CardsScene().OkButton(); }
    QPushButton* DiscardButton() { return View().PlayingScene().DiscardButton(); }

    // Picks the five cards and presses OK.
    void PlayInitial(const std::string& cards)
    {
        Pick(cards);
        ClickControl(Ok());
    }

    // Every visible, enabled control on the page is what a click at its
    // centre and at each corner (2 px inside) reaches, over the part of it
    // that the viewport shows.
    void ExpectControlsReachable()
    {
        for (QWidget* control : View().viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const bool clickable = qobject_cast<QPushButton*>(control) || qobject_cast<QAbstractScrollArea*>(control);
            if (!clickable || !control->isVisible() || !control->isEnabled())
                continue;
            const QRect r = control->geometry().intersected(View().viewport()->rect()).adjusted(2, 2, -2, -2);
            if (r.isEmpty())
                continue;
            for (const QPoint& p : {r.center(), r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
                QWidget* hit = Frame().childAt(View().viewport()->mapTo(&Frame(), p));
                EXPECT_TRUE(hit == control || control->isAncestorOf(hit))
                    << control->objectName().toStdString() << " is covered at " << p.x() << "," << p.y() << " by "
                    << (hit ? hit->objectName().toStdString() : "nothing");
            }
        }
    }

private:
    CPokerApp m_app;
};

// All a player can see: stage, picks, offered cards, the hand and its marks,
// the seen draws, the seats painted, the description and advice, the tables'
// cells; once the runs are done (`settled`), the showdown block and the
// suggestions as read too.
using TShown = std::tuple<EStage, std::vector<int>, std::vector<int>, std::vector<int>, int, std::string, QStringList>;

inline TShown Shown(CWindowDriver& game, bool settled = false)
{
    if (settled)
        game.FinishEquity();
    const CPokerDoc& doc = game.Doc();
    std::vector<int> offered, hand;
    for (int card = 0; card < 52; ++card)
        if (doc.IsOffered(card))
            offered.push_back(card);
    for (int place = 0; place < CPokerDoc::kPlaces; ++place)
        hand.insert(hand.end(), {doc.GetHandCard(place), doc.IsMarked(place)});
    for (int seat = 0; seat < kMaxTableOpponents; ++seat)
        hand.push_back(doc.GetSeenDraw(seat));
    QStringList cells;
    const CResultsScene& results = game.View().ResultsScene();
    for (const QTreeWidget* list : {results.OneOpponentList(), results.AtLeastOneList()})
        for (int row = 0; list->isVisible() && row < list->topLevelItemCount(); ++row)
            for (int column = 0; column < list->columnCount(); ++column)
                cells << list->topLevelItem(row)->text(column);
    if (settled) {
        const QLabel* block = game.View().PlayingScene().ShowdownBlock();
        cells << (block->isVisible() ? block->accessibleName() : QString())
              << (results.SuggestionsBox()->isVisible() ? results.SuggestionsBox()->toPlainText() : QString());
    }
    return {doc.GetStage(), doc.GetPicked(), offered, hand, game.View().PlayingScene().Opponents(),
            doc.GetResult().m_strDescription + doc.GetResult().m_strAdvice, cells};
}

// What each stage shows: OK, Discard and whether it takes a click, the draw
// analysis command, the figures (tables, description, showdown) and the
// suggestions.
struct TStageShows {
    EStage m_eStage;
    bool m_bOk, m_bDiscard, m_bDiscardEnabled, m_bDrawAnalysis, m_bFigures, m_bSuggestions;
};

inline const TStageShows kStageShows[] = {
    {EStage::PickInitialHand, true, false, false, false, false, false},
    {EStage::InitialHand, false, true, false, true, true, true},
    {EStage::CardsMarked, false, true, true, true, true, true},
    {EStage::PickReplacements, true, false, false, false, false, false},
    {EStage::FinalHand, false, false, false, false, true, false},
};

// The game is at `stage`, the window shows what it shows there and every
// control takes its clicks.
inline void ExpectStageShown(CWindowDriver& game, EStage stage)
{
    ASSERT_EQ(game.Doc().GetStage(), stage);
    const TStageShows& shows = kStageShows[static_cast<int>(stage) - static_cast<int>(EStage::PickInitialHand)];
    ASSERT_EQ(shows.m_eStage, stage);
    EXPECT_EQ(game.Ok()->isVisible(), shows.m_bOk);
    EXPECT_EQ(game.DiscardButton()->isVisible(), shows.m_bDiscard);
    EXPECT_EQ(game.DiscardButton()->isEnabled(), shows.m_bDiscardEnabled);
    EXPECT_EQ(game.Frame().m_drawAnalysisAction->isEnabled(), shows.m_bDrawAnalysis);
    EXPECT_EQ(game.View().ResultsScene().OneOpponentList()->isVisible(), shows.m_bFigures);
    EXPECT_EQ(game.View().PlayingScene().AdviceBox()->isVisible(), shows.m_bFigures);
    EXPECT_EQ(game.View().PlayingScene().ShowdownBlock()->isVisible(), shows.m_bFigures);
    EXPECT_EQ(game.View().ResultsScene().SuggestionsBox()->isVisible(), shows.m_bSuggestions);
    game.ExpectControlsReachable();
}
