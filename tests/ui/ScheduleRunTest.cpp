// The scheduled run on its own thread, with issues whose answers the test sets.
#include "engine/Options.h"
#include "engine/Scanner.h"
#include "primitives/Effects.h"
#include "primitives/Errors.h"
#include "tests/support/TestFiles.h"
#include "ui/ScheduleThreads.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <map>
#include <mutex>

namespace {

enum class Answer { Absent, Present, CheckThrows, SolveThrows, SlowSolve };

std::map<std::string, Answer> Answers;
std::map<std::string, int> Checks, Solves;
std::mutex Counting;

class TFake : public TPrivacyIssue {
public:
    explicit TFake(std::string name) : Name(std::move(name)) {}
    const char* ClassName() const override { return Name.c_str(); }
    bool Check() override
    {
        std::lock_guard<std::mutex> counting(Counting);
        ++Checks[Name];
        if (Answers[Name] == Answer::CheckThrows)
            throw Exception("broken check");
        return Answers[Name] != Answer::Absent;
    }
    void Solve() override
    {
        // The second look after a Solve is a preview: no solve of its own.
        if (PreviewActive())
            return;
        if (Answers[Name] == Answer::SlowSolve)
            Sleep(300);
        std::lock_guard<std::mutex> counting(Counting);
        ++Solves[Name];
        if (Answers[Name] == Answer::SolveThrows)
            throw Exception("broken solve");
    }
    std::string Name;
};

class ScheduledRunTest : public ::testing::Test {
protected:
    std::string Folder = MakeScratchFolder("scheduled-run");
    TOptions Options{Folder + "options.ini"};
    std::unique_ptr<TScanner> Scanner;
    std::mutex RunLock;
    std::atomic<int> Ended{0};

    void SetUp() override
    {
        Answers = {{"TTickedFound", Answer::Present},      {"TTickedClean", Answer::Absent},
                   {"TUntickedFound", Answer::Present},    {"TCheckThrows", Answer::CheckThrows},
                   {"TSolveThrows", Answer::SolveThrows}, {"TTickedLast", Answer::Present}};
        Checks.clear();
        Solves.clear();
        Scanner = std::make_unique<TScanner>(Folder + "info.ini", Options, [](TIssueList& list) {
            for (const char* name : {"TTickedFound", "TTickedClean", "TUntickedFound", "TCheckThrows",
                                     "TSolveThrows", "TTickedLast"})
                list.push_back(std::make_unique<TFake>(name));
        });
        for (const auto& issue : Scanner->AllIssues)
            Scanner->SetScheduleSolve(issue->ClassName(), std::string(issue->ClassName()) != "TUntickedFound");
    }

    std::unique_ptr<TScheduledRun> Start()
    {
        return std::make_unique<TScheduledRun>(*Scanner, RunLock, [this] { ++Ended; });
    }
};

TEST_F(ScheduledRunTest, SolvesTheTickedIssuesFoundAndGetsPastFailures)
{
    auto run = Start();
    EXPECT_TRUE(run->Started());
    run->Wait();
    EXPECT_FALSE(run->Running());
    EXPECT_EQ(Solves, (std::map<std::string, int>{{"TTickedFound", 1}, {"TSolveThrows", 1}, {"TTickedLast", 1}}));
    EXPECT_EQ(Checks.count("TUntickedFound"), 0u) << "an unticked issue is not even checked";
    EXPECT_EQ(Checks["TCheckThrows"], 1);
    EXPECT_EQ(Ended, 1) << "the end step comes also after failures";
    // What the notification icon tells: the failed Solve is the one partly solved.
    const TSolveTally& outcome = run->Outcome();
    EXPECT_EQ(outcome.Solved, 2);
    EXPECT_EQ(outcome.PartlySolved, 1);
    ASSERT_EQ(outcome.LeftLines.size(), 1u);
    EXPECT_EQ(outcome.LeftLines[0], "stopped: broken solve");
    EXPECT_TRUE(RunLock.try_lock()) << "the lock is released";
    RunLock.unlock();
}

TEST_F(ScheduledRunTest, DoesNotStartWhileOtherWorkHoldsTheLock)
{
    // The starting thread itself holds it, as a scan waiting in a message box would.
    std::lock_guard<std::mutex> scanning(RunLock);
    auto run = Start();
    EXPECT_FALSE(run->Started());
    EXPECT_FALSE(run->Running());
    EXPECT_TRUE(Checks.empty());
    EXPECT_EQ(Ended, 0);
}

TEST_F(ScheduledRunTest, HoldsTheLockWhileRunningAndIsWaitedForWhenDestroyed)
{
    Answers["TTickedFound"] = Answer::SlowSolve;
    auto run = Start();
    ASSERT_TRUE(run->Started());
    EXPECT_TRUE(run->Running());
    EXPECT_FALSE(RunLock.try_lock()) << "a scan or panic would run beside it";
    // A second run meanwhile does not start.
    auto second = Start();
    EXPECT_FALSE(second->Started());
    run.reset();
    EXPECT_EQ(Solves["TTickedLast"], 1) << "destroyed before the run ended";
    EXPECT_EQ(Ended, 1);
    EXPECT_TRUE(RunLock.try_lock());
    RunLock.unlock();
}

TEST_F(ScheduledRunTest, EndStepRunsWithTheLockAlreadyReleased)
{
    bool free = false;
    {
        TScheduledRun run(*Scanner, RunLock, [&] {
            free = RunLock.try_lock();
            if (free)
                RunLock.unlock();
        });
    }
    EXPECT_TRUE(free);
}

}  // namespace
