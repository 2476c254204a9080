#include "ui/ScheduleThreads.h"

#include "engine/Scanner.h"
#include "ui/Unit1.h"

TScheduledRun::TScheduledRun(TScanner& scanner, std::mutex& runLock, std::function<void()> ended)
    : Scanner(scanner), RunLock(runLock), Ended(std::move(ended))
{
    std::promise<bool> locked;
    std::future<bool> answer = locked.get_future();
    Thread = std::thread(&TScheduledRun::Execute, this, std::move(locked));
    FStarted = answer.get();
    if (!FStarted)
        Thread.join();
}

TScheduledRun::~TScheduledRun()
{
    Wait();
}

void TScheduledRun::Wait()
{
    if (Thread.joinable())
        Thread.join();
}

void TScheduledRun::Execute(std::promise<bool> locked)
{
    std::unique_lock<std::mutex> running(RunLock, std::try_to_lock);
    locked.set_value(running.owns_lock());
    if (!running.owns_lock())
        return;
    for (const auto& issue : Scanner.AllIssues) {
        try {
            if (Scanner.GetScheduleSolve(issue->ClassName()) && GuardedCheck(*issue))
                GuardedSolve(*issue);
        } catch (...) {
            // An issue that fails never stops the run.
        }
    }
    running.unlock();
    Done = true;
    try {
        if (Ended)
            Ended();
    } catch (...) {
    }
}

TScheduleThread::TScheduleThread(TMainForm& main)
    : Run(main.App().Scanner(), main.App().RunLock,
          [&main] { PostMessageA(main.Handle(), TMainForm::WM_SCHEDULE_END, 0, 0); })
{
    if (Run.Started())
        main.ScheduleStarted();
}
