#include "ui/ScheduleThreads.h"

TScheduleThread::TScheduleThread(TMainForm& main) : Main(main) {}

TScheduleThread::~TScheduleThread() = default;
