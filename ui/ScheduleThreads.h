#pragma once
// A scheduled clean-up on its own thread: checks and solves the issues chosen for the
// schedule. Its start and end steps run on the main thread.
#include "engine/SolveOutcome.h"

#include <atomic>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

class TMainForm;
class TScanner;

// The run itself, apart from the windows. The run lock is taken by the run's own thread:
// it is released there, and the thread that starts the run may hold it already (a scan or
// panic mode waiting in a message box while the timer fires).
class TScheduledRun {
public:
    // Starts the run unless the lock is held elsewhere; returns once that is known.
    // ended runs on the run's thread after the lock is released; it must not wait for
    // the thread that waits for the run.
    TScheduledRun(TScanner& scanner, std::mutex& runLock, std::function<void()> ended);
    // Waits for the run.
    ~TScheduledRun();
    TScheduledRun(const TScheduledRun&) = delete;
    TScheduledRun& operator=(const TScheduledRun&) = delete;

    bool Started() const { return FStarted; }
    bool Running() const { return FStarted && !Done; }
    void Wait();
    // What the run solved and left; read it only once the run is over.
    const TSolveTally& Outcome() const { return Tally; }

private:
    void Execute(std::promise<bool> locked);

    TScanner& Scanner;
    std::mutex& RunLock;
    std::function<void()> Ended;
    std::thread Thread;
    std::atomic<bool> Done{false};
    bool FStarted = false;
    TSolveTally Tally;
};

class TScheduleThread {
public:
    // Starts the run unless a scan, a solving run or panic mode holds the main window's
    // run lock; then the start step runs here, on the main thread. The end step is posted
    // to the main window, so that the main thread may wait for the run.
    explicit TScheduleThread(TMainForm& main);
    TScheduleThread(const TScheduleThread&) = delete;
    TScheduleThread& operator=(const TScheduleThread&) = delete;

    bool Started() const { return Run.Started(); }
    bool Running() const { return Run.Running(); }
    void Wait() { Run.Wait(); }
    const TSolveTally& Outcome() const { return Run.Outcome(); }

private:
    TScheduledRun Run;
};
