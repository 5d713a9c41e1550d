// How soon the page's table equity shows, and whether the window keeps
// answering meanwhile. For 1, 3 and 5 opponents it confirms an initial hand
// and times, from the first card's click: the showdown block's first figures, the
// first moment every hold's pot share is within one point, and the end of
// both runs; then the same for the final hand, and again once the first
// opponent is clicked to have stood pat.
// Throughout, a zero-length timer counts the event loop's turns: the longest
// gap between two is the longest the window went without answering.
#include "ProbeGame.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace {

// Within a point: the desktop's first figures.
constexpr double kFirstHalfWidth = 0.01;

struct TTimes {
    double m_dFirstBlock = -1;
    double m_dHoldsWithinAPoint = -1;
    double m_dDone = -1;
    double m_dLongestGap = 0;
};

bool WithinAPoint(const TTableResult& result)
{
    if (result.m_arrHolds.empty() || (result.m_nTrials == 0 && !result.m_arrHolds.front().m_bExact))
        return false;
    return std::all_of(result.m_arrHolds.begin(), result.m_arrHolds.end(),
                       [](const THoldEquity& h) { return h.m_dPotShareError <= kFirstHalfWidth; });
}

// Turns the event loop until both runs stop, noting when each mark is passed.
TTimes Watch(CPokerView& view, const QElapsedTimer& clock, bool holds)
{
    TTimes times;
    double last = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    while (view.ShowdownRun().IsRunning() || view.HoldsRun().IsRunning()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const double now = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        times.m_dLongestGap = std::max(times.m_dLongestGap, now - last);
        last = now;
        const TTableResult& block = view.ShowdownRun().Result();
        if (times.m_dFirstBlock < 0 && !block.m_arrHolds.empty()
            && (block.m_nTrials > 0 || block.m_arrHolds.front().m_bExact))
            times.m_dFirstBlock = now;
        if (holds && times.m_dHoldsWithinAPoint < 0 && WithinAPoint(view.HoldsRun().Result()))
            times.m_dHoldsWithinAPoint = now;
    }
    times.m_dDone = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    return times;
}

void Print(int opponents, const char* stage, const TTimes& t, const TTableResult& result)
{
    std::printf("%d opponent(s), %-7s first block figures %7.1f ms, all holds within 1 point %7.1f ms, "
                "done %7.1f ms (%llu deals), longest loop gap %5.1f ms\n",
                opponents, stage, t.m_dFirstBlock, t.m_dHoldsWithinAPoint, t.m_dDone,
                static_cast<unsigned long long>(result.m_nTrials), t.m_dLongestGap);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    CPokerApp app;
    probe::AnswerOpponentsDialogAtOnce();
    if (!app.InitInstance())
        return 1;
    CPokerView& view = *app.GetView();
    CPokerDoc& doc = *app.GetDocument();
    std::printf("%llu deals a run\n", static_cast<unsigned long long>(EquityTrials()));
    for (const int opponents : {1, 3, 5}) {
        doc.OnChangeOpponents(opponents);
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        probe::PickAndConfirm(view, {"Kd", "Ks", "8s", "4h", "2c"});
        const TTimes initial = Watch(view, clock, true);
        Print(opponents, "initial", initial, view.HoldsRun().Result());

        for (int place : {2, 3, 4})
            doc.ToggleMark(place);
        doc.Discard();
        clock.restart();
        probe::PickAndConfirm(view, {"Kh", "7c", "3d"});
        const TTimes unseen = Watch(view, clock, false);
        Print(opponents, "final", unseen, view.ShowdownRun().Result());
        clock.restart();
        view.PressSeat(0);  // seen to stand pat
        const TTimes final = Watch(view, clock, false);
        Print(opponents, "drew 0", final, view.ShowdownRun().Result());
    }
    return 0;
}
