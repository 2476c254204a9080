#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueCycle.h"

#include "engine/ScannerInit.h"
#include "engine/Scanner.h"
#include "primitives/Effects.h"

#include <cstring>
#include <map>
#include <set>

std::string Join(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "\n  " + line;
    return text;
}

namespace {

bool SkippedFolder(const std::string& path)
{
    static const char* const skipped[] = {"\\windows\\system32", "\\windows\\syswow64", "\\windows\\winsxs",
                                          "\\windows\\installer", "\\windows\\fonts", "\\windows\\globalization"};
    for (const char* tail : skipped) {
        size_t length = std::strlen(tail);
        if (path.size() >= length && _stricmp(path.c_str() + path.size() - length, tail) == 0)
            return true;
    }
    return false;
}

// Every file of drive C: (the system's own DLL folders aside), upper-cased.
void Snapshot(const std::string& folder, std::set<std::string>& files)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = folder + "\\" + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && !SkippedFolder(path))
                Snapshot(path, files);
        } else {
            CharUpperA(&path[0]);
            files.insert(path);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

}  // namespace

std::set<std::string> DriveFiles()
{
    std::set<std::string> files;
    Snapshot("C:", files);
    return files;
}

TPrivacyIssue* IssueNamed(const std::string& className)
{
    static TIssueList all;
    if (all.empty())
        CreateAllIssues(all);
    for (auto& issue : all)
        if (className == issue->ClassName())
            return issue.get();
    return nullptr;
}

SeedPlan Only(const std::string& className, std::vector<TraceItem> items)
{
    SeedPlan plan;
    plan.ClassName = className;
    plan.Items = std::move(items);
    return plan;
}

bool Found(const std::string& className)
{
    return GuardedCheck(*IssueNamed(className));
}

bool FoundWith(const std::string& className, const std::vector<TraceItem>& items)
{
    SeedPlan plan = Only(className, items);
    Unplant(plan);
    Plant(plan);
    bool found = Found(className);
    Unplant(plan);
    return found;
}

void RunIssueCycle(const SeedPlan& plan)
{
    SCOPED_TRACE(plan.ClassName);
    TPrivacyIssue* issue = IssueNamed(plan.ClassName);
    ASSERT_NE(issue, nullptr) << "no class " << plan.ClassName;

    Unplant(plan);
    EXPECT_EQ(GuardedCheck(*issue), plan.FoundWhenClean) << "on a clean sandbox";

    Plant(plan);
    ASSERT_EQ(Join(VerifyAllPresent(plan)), "") << "the seeder did not plant everything";
    EXPECT_TRUE(GuardedCheck(*issue)) << "with its traces planted";

    {
        TPreviewScope preview;
        GuardedSolve(*issue);
        EXPECT_EQ(Join(VerifyAllPresent(plan)), "") << "a preview changed something";
    }

    RestartRequired = false;
    GuardedSolve(*issue);
    EXPECT_EQ(Join(Verify(plan)), "") << "after Solve";
    EXPECT_EQ(GuardedCheck(*issue), plan.FoundAfterSolve) << "after Solve";
    Unplant(plan);
}

void RunHostileValues(const SeedPlan& plan)
{
    SCOPED_TRACE(plan.ClassName);
    TPrivacyIssue* issue = IssueNamed(plan.ClassName);
    ASSERT_NE(issue, nullptr);
    bool readsValues = false;
    for (const TraceItem& item : plan.Items)
        readsValues = readsValues || (item.What == TraceItem::Value && item.Outcome == Expect::Kept);
    if (!readsValues)
        return;

    std::set<std::string> own;
    for (const TraceItem& item : plan.Items) {
        if (item.What == TraceItem::File) {
            std::string path = ExpandPath(item.Where);
            CharUpperA(&path[0]);
            own.insert(path);
        }
    }
    for (const char* hostile : {"", "C:\\", "\\", "..", "C:", "C:\\windows", "C:\\Program Files ", ".\\", "\\\\"}) {
        SCOPED_TRACE(std::string("hostile value '") + hostile + "'");
        SeedPlan spoiled = plan;
        for (TraceItem& item : spoiled.Items)
            if (item.What == TraceItem::Value && item.Outcome == Expect::Kept)
                item.Data = hostile;
        Unplant(spoiled);
        Plant(spoiled);
        std::set<std::string> before = DriveFiles();
        GuardedCheck(*issue);
        GuardedSolve(*issue);
        std::set<std::string> after = DriveFiles();
        std::vector<std::string> lost;
        for (const std::string& file : before)
            if (!after.count(file) && !own.count(file))
                lost.push_back(file);
        EXPECT_EQ(Join(lost), "") << "files outside the issue's traces were deleted";
        Unplant(spoiled);
    }
}
