#pragma once
// A scheduled clean-up on its own thread: checks and solves the issues chosen for the
// schedule. Its start and end steps run on the main thread.
class TMainForm;

class TScheduleThread {
public:
    explicit TScheduleThread(TMainForm& main);
    ~TScheduleThread();
    TScheduleThread(const TScheduleThread&) = delete;
    TScheduleThread& operator=(const TScheduleThread&) = delete;

private:
    TMainForm& Main;
};
