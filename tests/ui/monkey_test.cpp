// Random play on the real window, offscreen: clicks anywhere on the page and,
// more often, where a player clicks (the picker's strips, the hand, OK,
// Discard), clicks on the results tables and text boxes, mouse moves, keys,
// resizing the window and scrolling it, and the menu commands (New, Change
// number of opponents, Exact draw analysis, About, the help) given from the
// menu, by shortcut or by the action itself, their dialogs answered at random,
// in the middle of a game too. After every event the game's invariants must
// hold. Then the faults the monkey found, each pinned by a test of its own.
//
// The run is seeded and prints its seed; QUINTARA_MONKEY_SEED replays a run,
// QUINTARA_MONKEY_EVENTS sets its length (10000, or 3000 under the sanitizers).
#include "GameDriver.h"
#include "GameInvariants.h"

#include "DrawAnalysisDlg.h"
#include "HelpWindow.h"

#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QWindow>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <tuple>
#include <utility>

using namespace gamedriver;
using gameinvariants::TCardSet;

namespace {

constexpr std::uint32_t kDefaultSeed = 20240611;

// A whole number from the environment, or fallback when it is unset.
std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (*end != '\0') {
        ADD_FAILURE() << name << "=" << text << " is not a whole number";
        return fallback;
    }
    return value;
}

bool Sanitized()
{
    return std::getenv("QUINTARA_SANITIZED") != nullptr;
}

// The offscreen platform warns on every raise and keyboard grab that it
// cannot do them; thousands of such lines would bury the run's own output.
class CQuietPlatform {
public:
    CQuietPlatform() { s_previous = qInstallMessageHandler(&Filter); }
    ~CQuietPlatform() { qInstallMessageHandler(s_previous); }
    CQuietPlatform(const CQuietPlatform&) = delete;
    CQuietPlatform& operator=(const CQuietPlatform&) = delete;

private:
    static void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
            return;
        s_previous(type, context, message);
    }
    static inline QtMessageHandler s_previous = nullptr;
};

class CRandom {
public:
    explicit CRandom(std::uint32_t seed) : m_engine(seed) {}
    // The engine's output is fixed by the standard, so a seed replays anywhere.
    int Below(int n) { return n <= 1 ? 0 : static_cast<int>(m_engine() % static_cast<std::uint32_t>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <class T>
    const T& Pick(const std::vector<T>& items) { return items[static_cast<size_t>(Below(static_cast<int>(items.size())))]; }

private:
    std::mt19937 m_engine;
};

// What a click that is not meant to play leaves as it was.
struct TSnapshot {
    int m_stage = 0;
    int m_opponents = 0;
    TCardSet m_known;
    TCardSet m_discarded;
    TCardSet m_selected;
    unsigned m_selectionCount = 0;
    unsigned m_maxSelection = 0;
    bool m_pickerActive = false;
    std::array<unsigned, 5> m_hand{};
    std::array<bool, 5> m_marked{};

    static TSnapshot Of(CPokerView& view)
    {
        TSnapshot s;
        s.m_stage = view.m_nStage;
        s.m_opponents = view.GetDocument()->m_nOpponents;
        s.m_known = gameinvariants::KnownCards(view.GetDocument()->m_manager);
        s.m_discarded = gameinvariants::DiscardedCards(view.GetDocument()->m_manager);
        for (int card = 0; card < 52; ++card)
            s.m_selected[static_cast<size_t>(card)] = view.m_cardsScene.m_cards[card].m_selected;
        s.m_selectionCount = view.m_cardsScene.m_selectionCount;
        s.m_maxSelection = view.m_cardsScene.m_maxSelection;
        s.m_pickerActive = view.m_cardsScene.m_active;
        for (int place = 0; place < 5; ++place) {
            s.m_hand[static_cast<size_t>(place)] = view.m_playingScene.m_hand[place].m_bitmapId;
            s.m_marked[static_cast<size_t>(place)] = view.m_playingScene.m_hand[place].m_selected;
        }
        return s;
    }

    auto Tie() const
    {
        return std::tie(m_stage, m_opponents, m_known, m_discarded, m_selected, m_selectionCount, m_maxSelection,
                        m_pickerActive, m_hand, m_marked);
    }
    bool operator==(const TSnapshot& other) const { return Tie() == other.Tie(); }
    bool operator!=(const TSnapshot& other) const { return !(*this == other); }
};

// Every modal window the run meets: the one a command is expected to open is
// answered as armed; any other is closed at once and reported, so that the run
// never waits on a dialog nobody answers.
class CModalWatch {
public:
    CModalWatch()
    {
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }

    void Arm(std::function<void(QWidget*)> answer)
    {
        m_answer = std::move(answer);
        m_answered.clear();
    }
    // The class of the modal window the armed answer met, empty when none opened.
    std::string Disarm()
    {
        m_answer = nullptr;
        return m_answered;
    }
    // Modal windows nobody expected, each already closed.
    std::vector<std::string> TakeStrays() { return std::exchange(m_strays, {}); }

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        const std::string name = modal->metaObject()->className();
        if (m_answer && m_answered.empty()) {
            m_answered = name;
            m_answer(modal);
            if (modal->isVisible())
                m_strays.push_back(name + " left open by its answer");
        } else {
            m_strays.push_back(name);
        }
        // Whatever happened, the window must not stay open.
        if (modal->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
    }

    QTimer m_timer;
    std::function<void(QWidget*)> m_answer;
    std::string m_answered;
    std::vector<std::string> m_strays;
};

// Counts the mouse moves the view's page actually receives (the platform
// layer drops a move to where the pointer already is) and its paints.
class CPageEvents : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove)
            ++m_moves;
        if (event->type() == QEvent::Paint)
            ++m_paints;
        return false;
    }
    int m_moves = 0;
    int m_paints = 0;
};

enum EEvent {
    kPickCard,
    kClickPicker,
    kClickHand,
    kClickOk,
    kClickDiscard,
    kClickControl,
    kClickAnywhere,
    kDoubleClick,
    kMoveMouse,
    kScroll,
    kResize,
    kPaint,
    kKey,
    kDismissMenu,
    kNew,
    kChangeOpponents,
    kDrawAnalysis,
    kAbout,
    kHelp,
    kEventKinds
};

// How the player gives a menu command.
enum ECommandWay { kTriggered, kShortcut, kMenuClicked };

class CMonkey {
public:
    CMonkey(std::uint32_t seed, CRunningGame& game, const QString& helpPage, const QString& missingHelp)
        : m_random(seed), m_game(game), m_helpPage(helpPage), m_missingHelp(missingHelp)
    {
        View().viewport()->installEventFilter(&m_pageEvents);
    }
    ~CMonkey() { View().viewport()->removeEventFilter(&m_pageEvents); }

    // One random event and the checks after it; false once something broke.
    bool Step()
    {
        ++m_events;
        const int before = View().m_nStage;
        const int paints = m_pageEvents.m_paints;
        m_line = "#" + std::to_string(m_events) + " ";
        Play(ChooseEvent());
        QCoreApplication::processEvents();

        Expect(Frame().isVisible(), "the main window closed");
        for (const std::string& stray : m_modals.TakeStrays())
            Expect(false, "an unexpected modal window " + stray);
        for (const std::string& line : gameinvariants::Violations(View()))
            Expect(false, line);
        const bool initialHand = View().m_nStage == 4 || View().m_nStage == 5;
        Expect(Frame().m_drawAnalysisAction->isEnabled() == initialHand,
               "the draw analysis is offered outside the initial hand, or not offered with it");
        if (before == 6 && View().m_nStage == 7)
            ++m_games;
        m_line += " -> stage " + std::to_string(View().m_nStage);
        if (!m_failures.empty()) {
            const QPoint scroll = View().GetScrollPosition();
            const QSize client = View().viewport()->size();
            m_context = "the window showed the page from " + At(scroll) + " in " + std::to_string(client.width()) + "x"
                        + std::to_string(client.height()) + " and painted it "
                        + std::to_string(m_pageEvents.m_paints - paints) + " times during the event";
        }
        m_log.push_back(m_line);
        m_recent.push_back(m_line);
        if (m_recent.size() > 40)
            m_recent.pop_front();
        return m_failures.empty();
    }

    // Leaves no window of the run behind.
    void Finish()
    {
        CloseMenus();
        if (CHelpWindow* help = View().findChild<CHelpWindow*>())
            help->close();
        QCoreApplication::processEvents();
    }

    std::string Report() const
    {
        std::string text;
        for (const std::string& failure : m_failures)
            text += "  broken: " + failure + "\n";
        if (!m_context.empty())
            text += "  " + m_context + "\n";
        text += "  the last events:\n";
        for (const std::string& line : m_recent)
            text += "    " + line + "\n";
        return text;
    }

    int m_events = 0;
    int m_games = 0;
    std::vector<std::string> m_log;

private:
    CPokerView& View() { return m_game.View(); }
    CMainFrame& Frame() { return m_game.Frame(); }
    CCardsScene& Picker() { return View().m_cardsScene; }
    CPlayingScene& Table() { return View().m_playingScene; }

    void Note(const std::string& text) { m_line += text; }
    void Expect(bool holds, const std::string& what)
    {
        if (!holds)
            m_failures.push_back(m_line + ": " + what);
    }

    EEvent ChooseEvent()
    {
        std::array<int, kEventKinds> weight{};
        weight[kClickPicker] = 3;
        weight[kClickHand] = 3;
        weight[kClickOk] = 2;
        weight[kClickDiscard] = 2;
        weight[kClickControl] = 4;
        weight[kClickAnywhere] = 6;
        weight[kDoubleClick] = 1;
        weight[kMoveMouse] = 8;
        weight[kScroll] = 3;
        weight[kResize] = 1;
        weight[kPaint] = 1;
        weight[kKey] = 2;
        weight[kDismissMenu] = 1;
        weight[kNew] = 1;
        weight[kChangeOpponents] = 1;
        weight[kDrawAnalysis] = 1;
        weight[kAbout] = 1;
        weight[kHelp] = 1;
        // Biased the way a player plays, so that games get to their end.
        const bool full = Picker().m_selectionCount >= Picker().m_maxSelection;
        switch (View().m_nStage) {
        case 3:
        case 6:
            weight[kPickCard] += full ? 4 : 40;
            weight[kClickOk] += full ? 25 : 0;
            break;
        case 4:
            weight[kClickHand] += 30;
            weight[kDrawAnalysis] += 2;
            break;
        case 5:
            weight[kClickHand] += 20;
            weight[kClickDiscard] += 25;
            weight[kDrawAnalysis] += 2;
            break;
        case 7:
            weight[kNew] += 8;
            weight[kChangeOpponents] += 4;
            break;
        default:
            break;
        }
        int total = 0;
        for (int w : weight)
            total += w;
        int roll = m_random.Below(total);
        for (int kind = 0; kind < kEventKinds; ++kind) {
            roll -= weight[static_cast<size_t>(kind)];
            if (roll < 0)
                return static_cast<EEvent>(kind);
        }
        return kClickAnywhere;
    }

    void Play(EEvent event)
    {
        switch (event) {
        case kPickCard: PickCard(); break;
        case kClickPicker: ClickPickerArea(); break;
        case kClickHand: ClickHand(); break;
        case kClickOk: ClickOk(); break;
        case kClickDiscard: ClickDiscard(); break;
        case kClickControl: ClickControl(); break;
        case kClickAnywhere: ClickAnywhere(); break;
        case kDoubleClick: DoubleClick(); break;
        case kMoveMouse: MoveMouse(); break;
        case kScroll: Scroll(); break;
        case kResize: Resize(); break;
        case kPaint: Paint(); break;
        case kKey: PressKey(); break;
        case kDismissMenu: DismissMenu(); break;
        case kNew: NewGame(); break;
        case kChangeOpponents: ChangeOpponents(); break;
        case kDrawAnalysis: DrawAnalysis(); break;
        case kAbout: About(); break;
        case kHelp: Help(); break;
        case kEventKinds: break;
        }
    }

    // --- Where things are -------------------------------------------------

    static std::string At(const QPoint& page)
    {
        return "(" + std::to_string(page.x()) + ", " + std::to_string(page.y()) + ")";
    }

    QPoint RandomPointIn(const QRect& rect)
    {
        return QPoint(rect.left() + m_random.Below(rect.width()), rect.top() + m_random.Below(rect.height()));
    }

    // Scrolls as a player would until the page point is in the window.
    void ScrollIntoView(const QPoint& page)
    {
        const QSize client = View().viewport()->size();
        auto bring = [](QScrollBar* bar, int at, int extent) {
            int value = bar->value();
            if (at < value)
                value = at - extent / 4;
            else if (at >= value + extent)
                value = at - extent + extent / 4;
            bar->setValue(qBound(bar->minimum(), value, bar->maximum()));
        };
        const QPoint before = View().GetScrollPosition();
        bring(View().horizontalScrollBar(), page.x(), client.width());
        bring(View().verticalScrollBar(), page.y(), client.height());
        if (View().GetScrollPosition() != before)
            QCoreApplication::processEvents();  // the scenes move their controls when painting
    }

    QPoint ClientOf(const QPoint& page) { return page - View().GetScrollPosition(); }

    // The frame window's point of a viewport point.
    QPoint WindowPointOf(const QPoint& client) { return View().viewport()->mapTo(&Frame(), client); }

    // The widget a click at this page point lands on, the viewport itself for the page.
    QWidget* WidgetAt(const QPoint& page)
    {
        QWidget* child = View().viewport()->childAt(ClientOf(page));
        return child ? child : View().viewport();
    }

    bool Within(QWidget* widget, QWidget* control) { return widget == control || control->isAncestorOf(widget); }

    // A click where a menu might stand would choose from it: Exit, or a
    // dialog nobody answers. Menus are closed first.
    void ClickWindow(const QPoint& windowPoint, bool twice = false)
    {
        CloseMenus();
        m_lastWindowPoint = windowPoint;
        if (twice)
            QTest::mouseDClick(Frame().windowHandle(), Qt::LeftButton, Qt::NoModifier, windowPoint);
        else
            QTest::mouseClick(Frame().windowHandle(), Qt::LeftButton, Qt::NoModifier, windowPoint);
    }

    // Clicks a page point after scrolling it into view; returns the widget hit.
    QWidget* ClickPage(const QPoint& page, bool twice = false)
    {
        CloseMenus();
        ScrollIntoView(page);
        QWidget* target = WidgetAt(page);
        ClickWindow(WindowPointOf(ClientOf(page)), twice);
        return target;
    }

    // A visible picker card, chosen as a player would: mostly one not yet
    // selected while the pick is incomplete.
    int ChoosePickerCard()
    {
        std::vector<int> visible;
        std::vector<int> unselected;
        for (int card = 0; card < 52; ++card) {
            if (!Picker().m_cards[card].m_visible)
                continue;
            visible.push_back(card);
            if (!Picker().m_cards[card].m_selected)
                unselected.push_back(card);
        }
        if (visible.empty())
            return -1;
        const bool wantMore = Picker().m_selectionCount < Picker().m_maxSelection && !unselected.empty();
        return wantMore && m_random.Chance(85) ? m_random.Pick(unselected) : m_random.Pick(visible);
    }

    // --- Events -----------------------------------------------------------

    void PickCard()
    {
        const int card = Picker().m_active ? ChoosePickerCard() : -1;
        if (card < 0) {
            ClickPickerArea();
            return;
        }
        const QPoint page = RandomPointIn(gameinvariants::PickerStrip(Picker(), card));
        Note("pick " + CardText(card) + " at " + At(page));
        const bool wasSelected = Picker().m_cards[card].m_selected;
        const unsigned count = Picker().m_selectionCount;
        const bool room = count < Picker().m_maxSelection;
        QWidget* target = ClickPage(page);
        if (target != View().viewport())
            return;
        if (wasSelected)
            Expect(!Picker().m_cards[card].m_selected && Picker().m_selectionCount == count - 1,
                   "a click on a selected card did not deselect it");
        else if (room)
            Expect(Picker().m_cards[card].m_selected && Picker().m_selectionCount == count + 1,
                   "a click on a card did not select it");
        else
            Expect(!Picker().m_cards[card].m_selected && Picker().m_selectionCount == count,
                   "a card was selected beyond the limit");
    }

    void ClickPickerArea()
    {
        // Gaps, below the columns, over hidden cards, and a little outside.
        const QPoint page = RandomPointIn(QRect(640, 0, 360, 690));
        Note("click picker area at " + At(page));
        ClickPage(page);
    }

    void ClickHand()
    {
        const int place = m_random.Below(5);
        const QRect card = Table().m_hand[place].Rect();
        const QPoint page = m_random.Chance(85) ? RandomPointIn(card) : RandomPointIn(card.adjusted(-4, -4, 4, 4));
        Note("click hand place " + std::to_string(place) + " at " + At(page));
        const TSnapshot before = TSnapshot::Of(View());
        const bool onCard = card.contains(page);
        QWidget* target = ClickPage(page);
        if (target != View().viewport() || !onCard)
            return;
        if (before.m_stage == 4 || before.m_stage == 5) {
            const bool marked = Table().m_hand[place].m_selected;
            Expect(marked != before.m_marked[static_cast<size_t>(place)], "a click on a hand card did not toggle its mark");
            int count = 0;
            for (const CGraphicObject& object : Table().m_hand)
                count += object.m_selected ? 1 : 0;
            Expect(View().m_nStage == 4 + (count > 0 ? 1 : 0), "stage does not follow the marks");
        } else {
            Expect(TSnapshot::Of(View()) == before, "a click on the hand outside the discard phase changed the game");
        }
    }

    // A point on a button, or where it stands when it is hidden.
    QPoint PointOnButton(QPushButton* button, const QRect& pageWhenHidden)
    {
        const QRect rect = button->isHidden() ? pageWhenHidden : button->geometry().translated(View().GetScrollPosition());
        return RandomPointIn(rect.adjusted(1, 1, -1, -1));
    }

    void ClickOk()
    {
        QPushButton* ok = Picker().m_okButton;
        const QPoint page = PointOnButton(ok, QRect(790, 626, 60, 22));
        Note("click OK at " + At(page));
        const TSnapshot before = TSnapshot::Of(View());
        const bool usable = !ok->isHidden() && ok->isEnabled();
        QWidget* target = ClickPage(page);
        if (!Within(target, ok))
            return;
        if (usable) {
            Expect(View().m_nStage == (before.m_stage == 3 ? 4 : 7), "OK did not confirm the cards");
            Expect(TSnapshot::Of(View()).m_known.count() == before.m_known.count() + before.m_maxSelection,
                   "OK did not make the selected cards known");
        } else {
            Expect(TSnapshot::Of(View()) == before, "a disabled or hidden OK changed the game");
        }
    }

    void ClickDiscard()
    {
        QPushButton* discard = Table().m_discardButton;
        const QPoint page = PointOnButton(discard, QRect(262, 482, 106, 22));
        Note("click Discard at " + At(page));
        const TSnapshot before = TSnapshot::Of(View());
        const bool usable = !discard->isHidden() && discard->isEnabled();
        int marked = 0;
        for (bool mark : before.m_marked)
            marked += mark ? 1 : 0;
        QWidget* target = ClickPage(page);
        if (!Within(target, discard))
            return;
        if (usable) {
            Expect(View().m_nStage == 6, "Discard did not start the replacements");
            Expect(Picker().m_maxSelection == static_cast<unsigned>(marked),
                   "the picker does not ask for as many cards as were marked");
        } else {
            Expect(TSnapshot::Of(View()) == before, "a disabled or hidden Discard changed the game");
        }
    }

    // The results tables, the suggestions, the hand's description and the note.
    void ClickControl()
    {
        CResultsScene& results = View().m_resultsScene;
        struct TControl {
            QWidget* m_widget;
            QRect m_pageWhenHidden;
        };
        const std::vector<TControl> controls = {
            {results.m_oneOpponentList, QRect(650, 35, 340, 190)},
            {results.m_atLeastOneList, QRect(650, 260, 340, 190)},
            {results.m_suggestionsBox, QRect(650, 485, 340, 190)},
            {Table().m_adviceBox, QRect(0, 640, 630, 50)},
            {Table().m_tableNote, QRect(157, 375, 315, 120)},
        };
        const TControl& control = m_random.Pick(controls);
        const QRect rect = control.m_widget->isHidden()
                               ? control.m_pageWhenHidden
                               : control.m_widget->geometry().translated(View().GetScrollPosition());
        const QPoint page = RandomPointIn(rect.intersected(QRect(0, 0, CPokerView::kPageWidth, CPokerView::kPageHeight)));
        Note("click " + control.m_widget->objectName().toStdString() + " at " + At(page));
        const TSnapshot before = TSnapshot::Of(View());
        QWidget* target = ClickPage(page);
        if (Within(target, control.m_widget))
            Expect(TSnapshot::Of(View()) == before, "a click on a table or text box changed the game");
    }

    void ClickAnywhere()
    {
        // The whole view, scroll bars included.
        const QPoint point = RandomPointIn(View().rect());
        Note("click view at " + At(point));
        ClickWindow(View().mapTo(&Frame(), point));
    }

    void DoubleClick()
    {
        QPoint page;
        switch (m_random.Below(4)) {
        case 0: {
            const int card = Picker().m_active ? ChoosePickerCard() : -1;
            page = card >= 0 ? RandomPointIn(gameinvariants::PickerStrip(Picker(), card)) : QPoint(700, 100);
            break;
        }
        case 1:
            page = PointOnButton(Picker().m_okButton, QRect(790, 626, 60, 22));
            break;
        case 2:
            page = PointOnButton(Table().m_discardButton, QRect(262, 482, 106, 22));
            break;
        default:
            page = RandomPointIn(Table().m_hand[m_random.Below(5)].Rect());
            break;
        }
        Note("double-click at " + At(page));
        ClickPage(page, true);
    }

    void MoveMouse()
    {
        QPoint page;
        switch (m_random.Below(3)) {
        case 0: {
            const int card = Picker().m_active ? ChoosePickerCard() : -1;
            page = card >= 0 ? RandomPointIn(gameinvariants::PickerStrip(Picker(), card)) : QPoint(820, 300);
            break;
        }
        case 1:
            page = RandomPointIn(Table().m_hand[m_random.Below(5)].Rect().adjusted(-3, -3, 3, 3));
            break;
        default:
            page = RandomPointIn(QRect(0, 0, CPokerView::kPageWidth, CPokerView::kPageHeight));
            break;
        }
        Note("move to " + At(page));
        ScrollIntoView(page);
        QPoint window = WindowPointOf(ClientOf(page));
        if (window == m_lastWindowPoint) {
            window += QPoint(1, 0);  // a move to where the pointer is would be dropped
            page += QPoint(1, 0);
        }
        m_lastWindowPoint = window;
        const int moves = m_pageEvents.m_moves;
        QWidget* target = QApplication::activePopupWidget() ? nullptr : WidgetAt(page);
        QTest::mouseMove(Frame().windowHandle(), window);
        if (m_pageEvents.m_moves == moves || target != View().viewport())
            return;
        CheckPointer(page);
    }

    // The pointer is a hand over what a click would pick or mark, an arrow
    // well away from anything clickable; near edges it is not judged.
    void CheckPointer(const QPoint& page)
    {
        bool overPickable = false;
        if (Picker().m_active) {
            for (int card = 0; card < 52; ++card) {
                if (Picker().m_cards[card].m_visible && gameinvariants::PickerStrip(Picker(), card).contains(page))
                    overPickable = true;
            }
        }
        bool nearHand = false;
        for (const CGraphicObject& object : Table().m_hand) {
            overPickable = overPickable || (Table().m_discardPhase && object.Rect().contains(page));
            nearHand = nearHand || object.Rect().adjusted(-2, -2, 2, 2).contains(page);
        }
        const bool nearPicker = Picker().m_active && Picker().m_rect.adjusted(-3, -3, 3, 3).contains(page);
        const Qt::CursorShape shape = View().viewport()->cursor().shape();
        if (overPickable)
            Expect(shape == Qt::PointingHandCursor, "no hand pointer over a card that can be clicked");
        else if (!nearPicker && !(nearHand && Table().m_discardPhase))
            Expect(shape == Qt::ArrowCursor, "a hand pointer where nothing can be clicked");
    }

    void Scroll()
    {
        QScrollBar* bar = m_random.Chance(50) ? View().horizontalScrollBar() : View().verticalScrollBar();
        switch (m_random.Below(3)) {
        case 0: {
            const int steps = m_random.Between(-3, 3) * 120;
            Note("wheel " + std::to_string(steps));
            QWidget* viewport = View().viewport();
            const QPoint client = RandomPointIn(viewport->rect());
            const bool sideways = bar == View().horizontalScrollBar();
            QWheelEvent wheel(client, viewport->mapToGlobal(client), QPoint(),
                              sideways ? QPoint(steps, 0) : QPoint(0, steps), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport, &wheel);
            break;
        }
        case 1:
            Note("scroll bar to a random place");
            bar->setValue(m_random.Between(bar->minimum(), bar->maximum()));
            break;
        default: {
            if (bar->isHidden()) {
                Note("scroll bar hidden");
                break;
            }
            // Its arrows and track, clicked.
            const QPoint point = RandomPointIn(bar->rect());
            Note("click scroll bar at " + At(point));
            ClickWindow(bar->mapTo(&Frame(), point));
            break;
        }
        }
    }

    void Resize()
    {
        // Full size, a smaller window, now and then one hardly larger than a card.
        const int kind = m_random.Below(10);
        const QSize size = kind < 4   ? QSize(CMainFrame::kMaxWidth, CMainFrame::kMaxHeight)
                           : kind < 8 ? QSize(m_random.Between(420, 1024), m_random.Between(330, 768))
                                      : QSize(m_random.Between(150, 420), m_random.Between(90, 330));
        Note("resize to " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
        const TSnapshot before = TSnapshot::Of(View());
        Frame().resize(size);
        // The window manager may refuse a size; the page copes with any.
        (void)QTest::qWaitFor([&] { return Frame().size() == size; }, 500);
        Expect(TSnapshot::Of(View()) == before, "resizing the window changed the game");
    }

    void Paint()
    {
        Note("paint");
        const QImage picture = Frame().grab().toImage();
        Expect(!picture.isNull() && picture.size() == Frame().size(), "the window could not be painted");
    }

    // Keys reach the main window's shortcuts only while it is active; a help
    // window may have taken the activation.
    void ActivateFrame()
    {
        if (QApplication::activeWindow() == &Frame())
            return;
        Frame().activateWindow();
        if (QTest::qWaitFor([this] { return QApplication::activeWindow() == &Frame(); }, 2000))
            return;
        QWidget* active = QApplication::activeWindow();
        QWidget* popup = QApplication::activePopupWidget();
        Expect(false, std::string("the main window could not be activated; active: ")
                          + (active ? active->metaObject()->className() : "none")
                          + (popup ? std::string(", menu open: ") + popup->metaObject()->className() : ""));
    }

    void PressKey()
    {
        static const Qt::Key kKeys[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Space,  Qt::Key_Return,
                                        Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Left,   Qt::Key_Right,
                                        Qt::Key_Up,   Qt::Key_Down,    Qt::Key_PageUp, Qt::Key_PageDown,
                                        Qt::Key_Home, Qt::Key_End,     Qt::Key_A,      Qt::Key_5};
        const Qt::Key key = kKeys[m_random.Below(static_cast<int>(std::size(kKeys)))];
        Note("key " + QKeySequence(key).toString().toStdString());
        ActivateFrame();
        CloseMenus();
        QTest::keyClick(Frame().windowHandle(), key);
    }

    // Leaves menus the way a player does, with Escape: a key may have opened
    // one, and the bar keeps the keyboard after its menu closes.
    void CloseMenus()
    {
        for (int i = 0; i < 4 && QApplication::activePopupWidget(); ++i)
            QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), Qt::Key_Escape);
        // The bar takes the keyboard once the closed menu is processed, and
        // would turn the next random keys into menu commands. Whether it lets
        // go on Escape is the toolkit's affair, not the game's: the page gets
        // the keyboard back either way.
        QCoreApplication::processEvents();
        if (Frame().focusWidget() == Frame().menuBar())
            QTest::keyClick(Frame().windowHandle(), Qt::Key_Escape);
        if (Frame().focusWidget() == Frame().menuBar())
            View().setFocus();
        Expect(!QApplication::activePopupWidget(), "a menu did not close on Escape");
    }

    // Opens a menu from the menu bar.
    bool OpenMenu(QMenu* menu)
    {
        CloseMenus();
        QMenuBar* bar = Frame().menuBar();
        const QPoint point = bar->actionGeometry(menu->menuAction()).center();
        ClickWindow(bar->mapTo(&Frame(), point));
        return QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000);
    }

    void DismissMenu()
    {
        QMenu* menu = m_random.Chance(50) ? Frame().m_gameMenu : Frame().m_helpMenu;
        Note("open and dismiss " + menu->title().toStdString());
        const TSnapshot before = TSnapshot::Of(View());
        Expect(OpenMenu(menu), "the menu did not open");
        CloseMenus();
        Expect(!menu->isVisible(), "the menu did not close");
        Expect(TSnapshot::Of(View()) == before, "a dismissed menu changed the game");
    }

    // Gives a menu command one of the three ways a player can.
    void Command(QAction* action, QMenu* menu, const QKeySequence& shortcut)
    {
        ECommandWay way = static_cast<ECommandWay>(m_random.Below(3));
        if (way == kShortcut && shortcut.isEmpty())
            way = kMenuClicked;
        CloseMenus();
        switch (way) {
        case kTriggered:
            Note(" (menu command)");
            action->trigger();
            break;
        case kShortcut: {
            Note(" (" + shortcut.toString().toStdString() + ")");
            ActivateFrame();
            const QKeyCombination combination = shortcut[0];
            QTest::keyClick(Frame().windowHandle(), combination.key(), combination.keyboardModifiers());
            break;
        }
        case kMenuClicked: {
            Note(" (clicked in the menu)");
            if (!OpenMenu(menu)) {
                Expect(false, "the menu did not open");
                return;
            }
            QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              menu->actionGeometry(action).center());
            CloseMenus();  // a disabled entry leaves its menu open
            break;
        }
        }
        QCoreApplication::processEvents();
    }

    void NewGame()
    {
        Note("New");
        const int opponents = View().GetDocument()->m_nOpponents;
        Command(Frame().m_newAction, Frame().m_gameMenu, QKeySequence(Qt::CTRL | Qt::Key_N));
        const TSnapshot after = TSnapshot::Of(View());
        Expect(after.m_stage == 3 && after.m_known.none(), "New did not start a new game");
        Expect(after.m_opponents == opponents, "New changed the number of opponents");
    }

    // Now and then a player clicks the main window while a dialog is open;
    // the dialog must keep the click from the game.
    std::function<void()> ClickBehindDialog()
    {
        if (!m_random.Chance(30))
            return [] {};
        const QPoint window = WindowPointOf(RandomPointIn(View().viewport()->rect()));
        Note(" (clicked behind at " + At(window) + ")");
        QWindow* frame = Frame().windowHandle();
        return [frame, window] { QTest::mouseClick(frame, Qt::LeftButton, Qt::NoModifier, window); };
    }

    void ChangeOpponents()
    {
        const int index = m_random.Below(5);
        const int way = m_random.Below(10);  // 0-2 Escape, 3-6 keys and a click on OK, 7-9 keys and Return
        Note(way < 3 ? "Change opponents, Escape" : "Change opponents to " + std::to_string(index + 1));
        const std::function<void()> clickBehind = ClickBehindDialog();
        m_modals.Arm([index, way, clickBehind](QWidget* dialog) {
            clickBehind();
            if (way < 3) {
                QTest::keyClick(dialog, Qt::Key_Escape);
                return;
            }
            auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("opponentsCombo"));
            QTest::keyClick(combo, Qt::Key_Home);
            for (int i = 0; i < index; ++i)
                QTest::keyClick(combo, Qt::Key_Down);
            if (way < 7)
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
            else
                QTest::keyClick(dialog, Qt::Key_Return);
        });
        const TSnapshot before = TSnapshot::Of(View());
        Command(Frame().m_changeOpponentsAction, Frame().m_gameMenu, QKeySequence(Qt::CTRL | Qt::Key_O));
        const std::string answered = m_modals.Disarm();
        Expect(answered == "CNoOfOpponentsDlg", "the opponents dialog did not open");
        const TSnapshot after = TSnapshot::Of(View());
        if (way < 3) {
            Expect(after == before, "Escape from the opponents dialog changed the game");
        } else {
            Expect(after.m_opponents == index + 1, "the chosen number of opponents was not taken");
            Expect(after.m_stage == 3 && after.m_known.none(), "a confirmed number of opponents did not start a new game");
        }
    }

    // The holds of the initial hand: closed, or a row chosen (after sorting
    // by a heading now and then) and its discards marked on the table.
    void DrawAnalysis()
    {
        const int way = m_random.Below(10);  // 0-2 Close, Escape or the close box; 3 Mark with no row; 4-9 a row
        const int row = m_random.Below(32);
        const int heading = m_random.Chance(40) ? m_random.Below(CDrawAnalysisDlg::kColumnCount) : -1;
        Note("Exact draw analysis, " + std::string(way < 3 ? "closed" : way == 3 ? "Mark without a row" : "row " + std::to_string(row)));
        const bool offered = Frame().m_drawAnalysisAction->isEnabled();
        auto mask = std::make_shared<int>(-1);
        m_modals.Arm([way, row, heading, mask](QWidget* modal) {
            auto* dialog = qobject_cast<CDrawAnalysisDlg*>(modal);
            if (!dialog || way < 3) {
                if (way == 0 && dialog)
                    QTest::mouseClick(dialog->m_closeButton, Qt::LeftButton);
                else if (way == 1)
                    QTest::keyClick(modal, Qt::Key_Escape);
                else
                    modal->close();
                return;
            }
            QTreeWidget* list = dialog->m_holdsList;
            if (heading >= 0) {
                QHeaderView* header = list->header();
                const QPoint middle(header->sectionViewportPosition(heading) + header->sectionSize(heading) / 2,
                                    header->height() / 2);
                QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
            }
            if (way > 3 && row < list->topLevelItemCount()) {
                QTreeWidgetItem* item = list->topLevelItem(row);
                list->scrollToItem(item);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
            }
            QTest::mouseClick(dialog->m_markButton, Qt::LeftButton);
            if (dialog->isVisible()) {
                QTest::mouseClick(dialog->m_closeButton, Qt::LeftButton);  // Mark was not usable
                return;
            }
            *mask = static_cast<int>(dialog->m_nDiscardMask);
        });
        const TSnapshot before = TSnapshot::Of(View());
        Command(Frame().m_drawAnalysisAction, Frame().m_gameMenu, QKeySequence(Qt::CTRL | Qt::Key_E));
        const std::string answered = m_modals.Disarm();
        if (!offered) {
            Expect(answered.empty(), "the draw analysis opened outside the initial hand");
            Expect(TSnapshot::Of(View()) == before, "an unavailable draw analysis changed the game");
            return;
        }
        Expect(answered == "CDrawAnalysisDlg", "the draw analysis did not open");
        TSnapshot expected = before;
        if (*mask >= 0) {
            bool any = false;
            for (int place = 0; place < 5; ++place) {
                expected.m_marked[static_cast<size_t>(place)] = (*mask >> place & 1) != 0;
                any = any || expected.m_marked[static_cast<size_t>(place)];
            }
            expected.m_stage = any ? 5 : 4;
        }
        Expect(TSnapshot::Of(View()) == expected, *mask >= 0 ? "the chosen hold's discards are not what is marked"
                                                             : "a closed draw analysis changed the game");
    }

    void About()
    {
        const int way = m_random.Below(4);
        Note("About");
        const std::function<void()> clickBehind = ClickBehindDialog();
        m_modals.Arm([way, clickBehind](QWidget* dialog) {
            clickBehind();
            switch (way) {
            case 0: QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton); break;
            case 1: QTest::keyClick(dialog, Qt::Key_Escape); break;
            case 2: QTest::keyClick(dialog, Qt::Key_Return); break;
            default: dialog->close(); break;
            }
        });
        const TSnapshot before = TSnapshot::Of(View());
        Command(Frame().m_aboutAction, Frame().m_helpMenu, QKeySequence());
        Expect(m_modals.Disarm() == "CAboutDlg", "the About dialog did not open");
        Expect(TSnapshot::Of(View()) == before, "About changed the game");
    }

    void Help()
    {
        const bool overview = m_random.Chance(50);
        const bool readable = m_random.Chance(70);
        Note(std::string(overview ? "Overview" : "Help") + (readable ? "" : " with no help file"));
        View().SetHelpFile(readable ? m_helpPage : m_missingHelp);
        const int way = m_random.Below(2);
        if (!readable) {
            m_modals.Arm([way](QWidget* box) {
                auto* message = qobject_cast<QMessageBox*>(box);
                if (way == 0 && message && message->button(QMessageBox::Ok))
                    QTest::mouseClick(message->button(QMessageBox::Ok), Qt::LeftButton);
                else
                    QTest::keyClick(box, Qt::Key_Escape);
            });
        }
        const TSnapshot before = TSnapshot::Of(View());
        const int stage = View().m_nStage;
        if (overview)
            Command(Frame().m_overviewAction, Frame().m_helpMenu, QKeySequence(Qt::SHIFT | Qt::Key_F1));
        else
            Command(Frame().m_helpAction, Frame().m_helpMenu, QKeySequence(Qt::Key_F1));
        CHelpWindow* help = View().findChild<CHelpWindow*>();
        if (readable) {
            Expect(help && help->isVisible() && help->m_nTopic == (overview ? 1 : stage),
                   "the help did not show the topic asked for");
        } else {
            Expect(m_modals.Disarm() == "QMessageBox", "a missing help file was not reported");
        }
        Expect(TSnapshot::Of(View()) == before, "the help changed the game");
        // Closed more often than not; one left open is reused by the next request.
        if (help && m_random.Chance(70)) {
            help->close();
            QCoreApplication::processEvents();
        }
    }

    CRandom m_random;
    CRunningGame& m_game;
    QString m_helpPage;
    QString m_missingHelp;
    CModalWatch m_modals;
    CPageEvents m_pageEvents;
    QPoint m_lastWindowPoint{-1, -1};
    std::string m_line;
    std::deque<std::string> m_recent;
    std::vector<std::string> m_failures;
    std::string m_context;
};

// A readable help page and a path where none is, both in dir.
struct THelpFiles {
    explicit THelpFiles(const QTemporaryDir& dir)
        : m_page(dir.path() + QStringLiteral("/quintara.html"))
        , m_missing(dir.path() + QStringLiteral("/missing/quintara.html"))
    {
#ifdef QUINTARA_HELP_PAGE
        if (QFile::copy(QStringLiteral(QUINTARA_HELP_PAGE), m_page))
            return;
#endif
        QFile page(m_page);
        EXPECT_TRUE(page.open(QIODevice::WriteOnly));
        for (int topic : {1, 3, 4, 5, 6, 7})
            page.write(QStringLiteral("<h2><a name=\"%1\"></a>Topic %1</h2><p>text</p>").arg(topic).toUtf8());
    }
    QString m_page;
    QString m_missing;
};

struct TRun {
    int m_events = 0;
    int m_games = 0;
    bool m_sound = true;
    std::string m_report;
    std::vector<std::string> m_log;
};

TRun RunMonkey(std::uint32_t seed, int events)
{
    const CQuietPlatform quiet;
    QTemporaryDir dir;
    const THelpFiles help(dir);
    // The start-up dialog is answered at random too: Escape, or OK at any number.
    const int startIndex = static_cast<int>(seed % 6) - 1;
    CRunningGame game(startIndex);
    CMonkey monkey(seed, game, help.m_page, help.m_missing);
    TRun run;
    while (monkey.m_events < events) {
        if (!monkey.Step()) {
            run.m_sound = false;
            break;
        }
    }
    monkey.Finish();
    run.m_events = monkey.m_events;
    run.m_games = monkey.m_games;
    run.m_report = monkey.Report();
    run.m_log = std::move(monkey.m_log);
    return run;
}

// A new game, from New or from a confirmed change of opponents, takes the
// last hand's table controls away at once: the page is repainted only where
// the game changed, which need not reach them.
enum ENewGameWay { kNewCommand, kOpponentsChanged };

// A child of the view's window that the player can see now.
bool OnScreen(const QWidget* control)
{
    return !control->isHidden() && control->geometry().intersects(control->parentWidget()->rect());
}

class NewGameControls : public ::testing::TestWithParam<ENewGameWay> {
protected:
    NewGameControls() : m_game(0) { m_game.PlayInitialHand(Cards({"2c", "9d", "Jh", "Qs", "Ks"})); }

    void ResizeWindow(const QSize& size)
    {
        m_game.Frame().resize(size);
        m_game.Settle();
    }

    void ShowPageFrom(int x, int y)
    {
        m_game.View().horizontalScrollBar()->setValue(x);
        m_game.View().verticalScrollBar()->setValue(y);
        m_game.Settle();
    }

    // The command as the menu gives it, followed only by the repaints it asks for.
    void StartNewGame()
    {
        if (GetParam() == kNewCommand) {
            m_game.Frame().m_newAction->trigger();
        } else {
            AnswerOpponentsDialog(3);
            m_game.Frame().m_changeOpponentsAction->trigger();
        }
        QCoreApplication::processEvents();
        ASSERT_EQ(m_game.View().m_nStage, 3);
    }

    CRunningGame m_game;
};

TEST_P(NewGameControls, DiscardLeavesTheWindowAtOnce)
{
    m_game.ClickHandPlace(0);
    // The window ends just below the top of Discard, above the hand.
    ResizeWindow(QSize(640, 420));
    ShowPageFrom(0, 484 - m_game.View().viewport()->height());
    QPushButton* discard = m_game.View().m_playingScene.m_discardButton;
    ASSERT_TRUE(OnScreen(discard) && discard->isEnabled());
    StartNewGame();
    EXPECT_FALSE(OnScreen(discard));
}

TEST_P(NewGameControls, HandDescriptionLeavesTheWindowAtOnce)
{
    m_game.ClickHandPlace(0);
    m_game.PressDiscard();
    m_game.PlayInitialHand(Cards({"3h"}));
    ASSERT_EQ(m_game.View().m_nStage, 7);
    // A window no taller than the description, on its right end, beside the hand.
    ResizeWindow(QSize(150, 90));
    ShowPageFrom(500, CPokerView::kPageHeight);
    CScrollableStatic* description = m_game.View().m_playingScene.m_adviceBox;
    ASSERT_TRUE(OnScreen(description));
    StartNewGame();
    EXPECT_FALSE(OnScreen(description));
}

INSTANTIATE_TEST_SUITE_P(EitherWay, NewGameControls, ::testing::Values(kNewCommand, kOpponentsChanged),
                         [](const ::testing::TestParamInfo<ENewGameWay>& info) {
                             return info.param == kNewCommand ? "New" : "OpponentsChanged";
                         });

// A window smaller than a results table: the controls on the page follow it
// even when one of them covers the whole window, where no paint of the page
// reaches.
class SmallWindow : public ::testing::Test {
protected:
    SmallWindow() : m_game(0)
    {
        m_game.PlayInitialHand(Cards({"2c", "9d", "Jh", "Qs", "Ks"}));
        m_game.Frame().resize(200, 110);
        m_game.Settle();
    }

    void ShowPageFrom(const QPoint& page)
    {
        m_game.View().horizontalScrollBar()->setValue(page.x());
        m_game.View().verticalScrollBar()->setValue(page.y());
        QCoreApplication::processEvents();
        ASSERT_EQ(m_game.View().GetScrollPosition(), page);
    }

    // A control's place in the window, and where its place on the page puts it.
    static std::string Place(const QRect& rect)
    {
        return "(" + std::to_string(rect.x()) + ", " + std::to_string(rect.y()) + ") " + std::to_string(rect.width())
               + "x" + std::to_string(rect.height());
    }
    std::string PlacedAt(const QRect& page) { return Place(page.translated(-m_game.View().GetScrollPosition())); }

    CRunningGame m_game;
};

TEST_F(SmallWindow, ScrollingMovesAControlThatFillsTheWindow)
{
    CScrollableStatic* suggestions = m_game.View().m_resultsScene.m_suggestionsBox;
    ShowPageFrom(QPoint(700, 520));
    ASSERT_TRUE(suggestions->geometry().contains(m_game.View().viewport()->rect()));
    ShowPageFrom(QPoint(100, 550));  // the hand
    EXPECT_EQ(Place(suggestions->geometry()), PlacedAt(QRect(650, 485, 340, 190)));
}

TEST_F(SmallWindow, ResultsShownAgainStandAtTheirPlace)
{
    QTreeWidget* table = m_game.View().m_resultsScene.m_oneOpponentList;
    ShowPageFrom(QPoint(700, 100));
    ASSERT_TRUE(table->geometry().contains(m_game.View().viewport()->rect()));
    m_game.Frame().m_newAction->trigger();
    ShowPageFrom(QPoint(100, 300));  // the table, while the results are away
    m_game.PickCards(Cards({"3c", "3d", "8h", "8s", "Ah"}));
    QTest::mouseClick(m_game.View().m_cardsScene.m_okButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_EQ(m_game.View().m_nStage, 4);
    EXPECT_EQ(Place(table->geometry()), PlacedAt(QRect(650, 35, 340, 190)));
}

TEST(Monkey, RandomPlayKeepsEveryInvariantAndFinishesGames)
{
    const auto seed = static_cast<std::uint32_t>(FromEnvironment("QUINTARA_MONKEY_SEED", kDefaultSeed));
    const int events = static_cast<int>(FromEnvironment("QUINTARA_MONKEY_EVENTS", Sanitized() ? 3000 : 10000));
    QElapsedTimer clock;
    clock.start();
    const TRun run = RunMonkey(seed, events);
    std::printf("monkey: %d events, %d games completed, seed %u (%.1f s)\n", run.m_events, run.m_games, seed,
                clock.elapsed() / 1000.0);
    std::fflush(stdout);
    ASSERT_TRUE(run.m_sound) << "seed " << seed << ", event " << run.m_events << "\n" << run.m_report;
    // A run that seldom reaches the final hand has not tried the later stages.
    EXPECT_GE(run.m_games, events / 100) << "seed " << seed;
}

TEST(Monkey, SameSeedReplaysTheSameEvents)
{
    const int events = Sanitized() ? 100 : 300;
    const TRun first = RunMonkey(7, events);
    const TRun second = RunMonkey(7, events);
    ASSERT_TRUE(first.m_sound) << first.m_report;
    EXPECT_EQ(first.m_log, second.m_log);
}

}  // namespace
