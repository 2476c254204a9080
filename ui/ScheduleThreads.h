#pragma once
// A scheduled clean-up on its own thread: checks and solves the issues chosen for the
// schedule. Its start and end steps run on the main thread.
#include <atomic>
#include <future>
#include <thread>

class TMainForm;

class TScheduleThread {
public:
    // Starts the run unless other work (a scan, a solving run, panic mode) holds the main
    // window's run lock; Started() tells which. The start step runs here, on the main
    // thread; the end step is posted to the main window and never waited for, so that the
    // main thread may wait for the run.
    explicit TScheduleThread(TMainForm& main);
    // Waits for the run.
    ~TScheduleThread();
    TScheduleThread(const TScheduleThread&) = delete;
    TScheduleThread& operator=(const TScheduleThread&) = delete;

    bool Started() const { return FStarted; }
    bool Running() const { return FStarted && !Done; }
    void Wait();

private:
    void Execute(std::promise<bool> locked);

    TMainForm& Main;
    std::thread Thread;
    std::atomic<bool> Done{false};
    bool FStarted = false;
};
