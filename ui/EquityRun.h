#pragma once

#include "TableSimulation.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <vector>

// How many deals the page's pot-share runs play (kTableTrials unless set);
// the tests lower it for the sanitized build. The stand-pat showdown, where
// it is simulated, plays kShowdownTrials, or fewer when the runs are set
// lower.
std::uint64_t EquityTrials();
std::uint64_t ShowdownTrials();
void SetEquityTrials(std::uint64_t trials);

// One table equity run in the background, read on the window's thread: while
// it runs, Changed comes at every poll with the figures so far, and once
// more when it stops. The simulation has its own threads; the window only
// copies a snapshot now and then, so it never waits for the figures, nor
// for a cancelled run to wind down: that one is let go and reaped later.
// A run starts once its setup has stood for a moment, so that a burst of
// clicks (a seat stepped from unseen to 3) costs one run, not four.
class CEquityRun : public QObject {
    Q_OBJECT
public:
    explicit CEquityRun(QObject* parent = nullptr);
    ~CEquityRun() override;

    // Asks for the run of setup, cancelling the one before, and says so; a
    // run of the same setup, asked for, going or done, goes on untouched.
    bool Start(const TTableSetup& setup);
    // Cancels the run and forgets its setup and figures.
    void Stop();

    // A setup was asked for and its run has not stopped yet.
    bool IsRunning() const { return m_bRunning; }
    bool HasSetup() const { return m_bHasSetup; }
    const TTableSetup& Setup() const { return m_setup; }
    // The figures of the last poll, holds by keep mask; none before the
    // first.
    const TTableResult& Result() const { return m_result; }

signals:
    void Changed();

private:
    void Launch();
    void Poll();
    // Cancels the current run and keeps it until its threads have stopped.
    void Retire();

    std::unique_ptr<CTableSimulation> m_pRun;
    std::vector<std::unique_ptr<CTableSimulation>> m_arrRetired;
    TTableSetup m_setup;
    bool m_bHasSetup = false;
    bool m_bRunning = false;
    TTableResult m_result;
    QTimer m_launchTimer;
    QTimer m_pollTimer;
};
