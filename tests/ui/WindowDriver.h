#pragma once

// Drives the desktop program as a player does: every mouse event goes to the
// top-level window at a window position, and Qt's own hit-testing picks the
// widget, so a control covered by another cannot be clicked by accident.

#include "BruteForce.h"
#include "CardText.h"
#include "EquityRun.h"
#include "MainFrame.h"
#include "PokerApp.h"
#include "PokerDoc.h"
#include "PokerView.h"
#include "ResultsScene.h"
#include "ScrollableStatic.h"
#include "TableEquity.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

// Runs action on the widget `find` returns once it is visible.
inline void WhenShown(std::function<QWidget*()> find, std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, find, action] {
        QWidget* widget = find();
        if (!widget || !widget->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(widget);
    });
    timer->start();
}

// Runs action on the next modal dialog once it shows and has the keyboard:
// keys sent before that would reach the window under it.
inline void WhenModalShown(std::function<void(QWidget*)> action)
{
    WhenShown([]() -> QWidget* {
        QWidget* modal = QApplication::activeModalWidget();
        return modal && modal->isActiveWindow() && modal->focusWidget() ? modal : nullptr;
    }, std::move(action));
}

// Runs action on the next popup menu named `name` once it shows.
inline void WhenPopupShown(const char* name, std::function<void(QMenu*)> action)
{
    WhenShown([name]() -> QWidget* {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu && menu->objectName() == QLatin1String(name) ? menu : nullptr;
    }, [action](QWidget* menu) { action(static_cast<QMenu*>(menu)); });
}

// Answers the opponents dialog from the keyboard: Home, then Down `index`
// times, then Enter; a negative index presses Escape instead. `shownFirst`
// gets the number the dialog opened on.
inline void AnswerOpponents(int index, int* shownFirst = nullptr)
{
    WhenModalShown([index, shownFirst](QWidget* dialog) {
        if (index < 0) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            return;
        }
        auto* combo = dialog->findChild<QComboBox*>();
        if (shownFirst)
            *shownFirst = combo->currentIndex() + 1;
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Return);
    });
}

// Turns the event loop while `busy` holds; the bound only keeps a stuck run
// from hanging the suite.
inline void WaitWhile(const std::function<bool()>& busy)
{
    QElapsedTimer clock;
    clock.start();
    while (busy() && clock.elapsed() < 120000)
        QTest::qWait(5);
}

// The page's equity runs play `trials` deals while this lives.
class CEquityTrials {
public:
    explicit CEquityTrials(std::uint64_t trials) : m_nBefore(EquityTrials()) { SetEquityTrials(trials); }
    ~CEquityTrials() { SetEquityTrials(m_nBefore); }

private:
    std::uint64_t m_nBefore;
};

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
        const auto running = [this] { return View().ShowdownRun().IsRunning() || View().HoldsRun().IsRunning(); };
        WaitWhile(running);
        EXPECT_FALSE(running());
    }

    // A key pressed on the window, as the keyboard sends it.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Frame().windowHandle(), key, modifiers);
        Settle();
    }

    // Keys typed on the window; '\b' is Backspace.
    void Type(const char* keys)
    {
        for (const char* key = keys; *key; ++key) {
            if (*key == '\b')
                QTest::keyClick(Frame().windowHandle(), Qt::Key_Backspace);
            else
                QTest::keyClick(Frame().windowHandle(), *key);
        }
        Settle();
    }

    // Ctrl+O answered with `index` as AnswerOpponents does.
    void ChangeOpponents(int index, int* shownFirst = nullptr)
    {
        AnswerOpponents(index, shownFirst);
        Press(Qt::Key_O, Qt::ControlModifier);
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

    // Tab moves the keyboard focus on until it reaches `control`, if it can;
    // the window takes the keyboard back from any other first.
    bool TabTo(QWidget* control)
    {
        Frame().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Frame()));
        for (int i = 0; i < 8 && QApplication::focusWidget() != control; ++i)
            Press(Qt::Key_Tab);
        return QApplication::focusWidget() == control;
    }

    QPushButton* Ok() { return View().CardsScene().OkButton(); }
    QPushButton* DiscardButton() { return View().PlayingScene().DiscardButton(); }

    // Picks the five cards and presses OK.
    void PlayInitial(const std::string& cards)
    {
        Pick(cards);
        ClickControl(Ok());
    }

    // From the initial hand: marks `places` by clicks, discards, picks the
    // replacements and presses OK.
    void PlayFinal(std::initializer_list<int> places, const std::string& replacements)
    {
        for (int place : places)
            ClickPlace(place);
        ClickControl(DiscardButton());
        Pick(replacements);
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

    // What a screen reader finds on the page: the 52 picker cards, the hand's
    // places, then the seats.
    static constexpr int kFirstPlace = 52;
    static constexpr int kFirstSeat = kFirstPlace + CPokerDoc::kPlaces;
    QAccessibleInterface* Page() { return QAccessible::queryAccessibleInterface(View().viewport()); }

    // The showdown block names the table as the run plays it and reads every
    // figure of the run, each with its interval or exact.
    void ExpectShowdownBlockReadsTheRun()
    {
        const QString block = View().PlayingScene().ShowdownBlock()->accessibleName();
        const CEquityRun& run = View().ShowdownRun();
        TTable table = Doc().GetTable();
        table.m_eModel = run.Setup().m_eModel;
        EXPECT_TRUE(block.contains(QString::fromStdString(DescribeTable(table)))) << block.toStdString();
        ASSERT_EQ(run.Result().m_arrHolds.size(), 1u);
        for (const TEquityRow& row : EquityRows(run.Result().m_arrHolds.front(), run.Result().m_nTrials))
            EXPECT_TRUE(block.contains(QString::fromStdString(row.m_strFigure))) << row.m_strFigure;
    }

private:
    CPokerApp m_app;
};

inline QString SeatValue(CWindowDriver& game, int seat)
{
    return game.Page()->child(CWindowDriver::kFirstSeat + seat)->text(QAccessible::Value);
}

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
