// The main window's keyboard poll and schedule.
#include "ui/Unit1.h"

void TMainForm::HotKeyTimerTimer() {}

void TMainForm::SchedulerTimerTimer() {}

void TMainForm::ScheduleStarted() {}

void TMainForm::ScheduleEnded() {}

void TMainForm::WaitForScheduledRun() {}
