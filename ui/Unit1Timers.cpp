// The main window's keyboard poll and schedule.
#include "engine/Options.h"
#include "ui/Keyboard.h"
#include "ui/Schedule.h"
#include "ui/ScheduleThreads.h"
#include "ui/Unit1.h"

#include <algorithm>

namespace {
const char* const ScheduleHint = "Cleaning your privacy by schedule...";
}

void TMainForm::HotKeyTimerTimer()
{
    if (IsKeyDown(17) && IsKeyDown(16) && IsCharKeyDown('v'))
        ShowActive();
    const std::vector<int> keys = FApp.Options().HotKeys;
    if (!keys.empty() && std::all_of(keys.begin(), keys.end(), IsKeyDown))
        panicClick();
}

void TMainForm::SchedulerTimerTimer()
{
    const TSchedulePattern pattern = SchedulePattern(FApp.Options().Minute, FApp.Options().Hour, FApp.Options().Day, FApp.Options().Month,
                                                     FApp.Options().Year, FApp.Options().Weekday);
    if (!DoScheduleAction(pattern, Now()))
        return;
    // A run still going keeps this tick from starting another.
    if (ScheduleThread && ScheduleThread->Running())
        return;
    ScheduleThread.reset();
    auto run = std::make_unique<TScheduleThread>(*this);
    if (run->Started())
        ScheduleThread = std::move(run);
}

void TMainForm::ScheduleStarted()
{
    SetHintLine(ScheduleHint);
    SetTrayHint(ScheduleHint);
    SetBlinking(true);
}

void TMainForm::ScheduleEnded()
{
    // The end of an earlier run, seen after a newer one started: that one ends by itself.
    if (ScheduleThread && ScheduleThread->Running())
        return;
    ScheduleThread.reset();
    SetHintLine("");
    SetTrayHint("Hushmark");
    SetBlinking(false);
}

void TMainForm::WaitForScheduledRun()
{
    // The run never waits for the main thread: its end step is only posted.
    ScheduleThread.reset();
}
