#include "ui/ScheduleThreads.h"

#include "engine/Scanner.h"
#include "ui/Unit1.h"

#include <mutex>

TScheduleThread::TScheduleThread(TMainForm& main) : Main(main)
{
    // The lock is taken by the run's own thread: it is released there, and the main
    // thread may already hold it (a scan or panic mode waiting in a message box).
    std::promise<bool> locked;
    std::future<bool> answer = locked.get_future();
    Thread = std::thread(&TScheduleThread::Execute, this, std::move(locked));
    FStarted = answer.get();
    if (FStarted)
        Main.ScheduleStarted();
    else
        Thread.join();
}

TScheduleThread::~TScheduleThread()
{
    Wait();
}

void TScheduleThread::Wait()
{
    if (Thread.joinable())
        Thread.join();
}

void TScheduleThread::Execute(std::promise<bool> locked)
{
    std::unique_lock<std::mutex> running(Main.RunLock, std::try_to_lock);
    locked.set_value(running.owns_lock());
    if (!running.owns_lock())
        return;
    TScanner& scanner = Main.Scanner();
    for (const auto& issue : scanner.AllIssues) {
        try {
            if (scanner.GetScheduleSolve(issue->ClassName()) && GuardedCheck(*issue))
                GuardedSolve(*issue);
        } catch (...) {
            // An issue that fails never stops the run.
        }
    }
    running.unlock();
    Done = true;
    PostMessageA(Main.Handle(), TMainForm::WM_SCHEDULE_END, 0, 0);
}
