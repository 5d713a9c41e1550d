#include "EquityRun.h"

#include "TableEquity.h"

#include <algorithm>

namespace {

// Often enough that the first figures show at once and the rest fill in
// smoothly; a snapshot costs microseconds.
constexpr int kPollMilliseconds = 40;
// How long a setup must stand before its run starts: shorter than a
// deliberate second click, and well within the 100 ms the first figures
// may take.
constexpr int kLaunchMilliseconds = 30;

// The one default of every front end, so that one state shows the figures
// the command line prints.
std::uint64_t g_nEquityTrials = kTableTrials;

bool SameSetup(const TTableSetup& a, const TTableSetup& b)
{
    const int n = std::clamp(a.m_nOpponents, 0, kMaxTableOpponents);
    return std::equal(a.m_anHand, a.m_anHand + 5, b.m_anHand) && std::equal(a.m_abSeen, a.m_abSeen + 52, b.m_abSeen)
        && a.m_bFinal == b.m_bFinal && a.m_nOpponents == b.m_nOpponents && a.m_eModel == b.m_eModel
        && std::equal(a.m_anDrew, a.m_anDrew + n, b.m_anDrew) && a.m_nTrials == b.m_nTrials
        && a.m_nSeed == b.m_nSeed && a.m_nThreads == b.m_nThreads;
}

}  // namespace

std::uint64_t EquityTrials()
{
    return g_nEquityTrials;
}

std::uint64_t ShowdownTrials()
{
    return std::min(g_nEquityTrials, kShowdownTrials);
}

void SetEquityTrials(std::uint64_t trials)
{
    g_nEquityTrials = std::max<std::uint64_t>(1, trials);
}

CEquityRun::CEquityRun(QObject* parent) : QObject(parent)
{
    m_launchTimer.setSingleShot(true);
    m_launchTimer.setInterval(kLaunchMilliseconds);
    connect(&m_launchTimer, &QTimer::timeout, this, &CEquityRun::Launch);
    m_pollTimer.setInterval(kPollMilliseconds);
    connect(&m_pollTimer, &QTimer::timeout, this, &CEquityRun::Poll);
}

// The runs still winding down are waited for here, at the end of the program.
CEquityRun::~CEquityRun() = default;

bool CEquityRun::Start(const TTableSetup& setup)
{
    if (m_bHasSetup && SameSetup(setup, m_setup))
        return false;
    Retire();
    m_setup = setup;
    m_bHasSetup = true;
    m_bRunning = true;
    m_result = TTableResult();
    m_launchTimer.start();
    return true;
}

void CEquityRun::Stop()
{
    Retire();
    m_bHasSetup = false;
    m_result = TTableResult();
}

void CEquityRun::Launch()
{
    m_pRun = std::make_unique<CTableSimulation>(m_setup);
    m_pollTimer.start();
    // Figures that are counted, or a refused setup, are there at once.
    Poll();
}

void CEquityRun::Retire()
{
    m_launchTimer.stop();
    m_bRunning = false;
    if (!m_pRun)
        return;
    m_pRun->Cancel();
    m_arrRetired.push_back(std::move(m_pRun));
    if (!m_pollTimer.isActive())
        m_pollTimer.start();
}

void CEquityRun::Poll()
{
    m_arrRetired.erase(std::remove_if(m_arrRetired.begin(), m_arrRetired.end(),
                                      [](const std::unique_ptr<CTableSimulation>& run) { return run->IsDone(); }),
                       m_arrRetired.end());
    if (m_pRun && m_bRunning) {
        const bool stopped = m_pRun->IsDone();
        m_result = m_pRun->Snapshot();
        m_bRunning = !stopped;
        emit Changed();
    }
    if (!m_bRunning && m_arrRetired.empty())
        m_pollTimer.stop();
}
