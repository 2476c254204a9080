#pragma once
// The trace seeder plants realistic traces of catalogue programs into a sandbox and
// tells afterwards what became of them. It works with the plain Win32 calls, apart
// from the code it checks, and runs only under Wine.
#include <windows.h>

#include <string>
#include <vector>

enum class Expect {
    Gone,       // the Solve removes it
    Kept,       // a neighbour: must survive untouched
    Emptied,    // a string value left holding ""; a folder left with no files
    Truncated,  // a file left with size 0
    Written,    // a value left holding the Want text (strings) or number (DWORDs)
    Pending,    // scheduled for deletion at the next start of Windows
    Edited,     // a file still there whose text lacks each "-text" and holds each "+text" of Want
};

struct TraceItem {
    enum Kind { Value, DwordValue, Key, File, Folder } What = File;
    // "HKCU\\..." / "HKLM\\..." / "HKU\\..." for registry items; a path with
    // %FOLDER% placeholders for files and folders (see ExpandPath).
    std::string Where;
    std::string Name;  // value name
    std::string Data;  // string data, file content; decimal text for DWORDs
    Expect Outcome = Expect::Gone;
    std::string Want;  // for Expect::Written

    // Fluent modifiers for the plans.
    TraceItem Kept() const { TraceItem t = *this; t.Outcome = Expect::Kept; return t; }
    TraceItem Emptied() const { TraceItem t = *this; t.Outcome = Expect::Emptied; return t; }
    TraceItem Truncated() const { TraceItem t = *this; t.Outcome = Expect::Truncated; return t; }
    TraceItem Pending() const { TraceItem t = *this; t.Outcome = Expect::Pending; return t; }
    // Want: "-text|+text|..." for Expect::Edited.
    TraceItem Edited(const std::string& want) const
    {
        TraceItem t = *this;
        t.Outcome = Expect::Edited;
        t.Want = want;
        return t;
    }
    TraceItem Written(const std::string& want) const
    {
        TraceItem t = *this;
        t.Outcome = Expect::Written;
        t.Want = want;
        return t;
    }
};

TraceItem RegValue(const std::string& key, const std::string& name, const std::string& data);
TraceItem RegDword(const std::string& key, const std::string& name, DWORD data);
TraceItem RegKey(const std::string& key);
TraceItem FileAt(const std::string& path, const std::string& content = "");
TraceItem FolderAt(const std::string& path);
// A program file at the path whose version resource says the given major version
// (2, or 5 to 10): a copy of hm-versioned-<major>.exe from the seeder's own folder.
TraceItem ProgramAt(const std::string& path, int major);

struct SeedPlan {
    std::string ClassName;
    std::vector<TraceItem> Items;
    bool FoundWhenClean = false;   // the issue is found on every scan
    bool FoundAfterSolve = false;  // what the Check looks at (the install) survives the Solve
    std::string WindowsVersion;    // "" for the sandbox's own; "win98", "win2k" ...
};

// Expands %TEMP%, %APPDATA%, %LOCALAPPDATA%, %COOKIES%, %CACHE%, %HISTORY%,
// %FAVORITES%, %RECENT%, %NETHOOD%, %PRINTHOOD%, %PERSONAL%, %PROFILE%, %WINDOWS%,
// %PROGRAMFILES%, %COMMONAPPDATA%, %LOCALLOWAPPDATA% (the low-integrity folder of
// Vista and later), %DRIVE% (the system drive, "C:"), and for
// registry paths %SID% (the user's SID as text) and %USER% (the user name).
std::string ExpandPath(const std::string& path);

// Refuses (throws) unless running under Wine: the seeder never touches a real machine.
void RequireSandbox();

void Plant(const SeedPlan& plan);
// Removes whatever the plan planted, so the next plan starts clean.
void Unplant(const SeedPlan& plan);
// Removes a folder with its content, on its own (not through the code under test);
// a reparse point is removed, not entered.
void RemoveTree(const std::string& folder);
// One line per item whose state does not match its expectation; empty when all do.
std::vector<std::string> Verify(const SeedPlan& plan);
// Items with Expect::Kept still hold what was planted (for preview checks and
// before a Solve, every item must pass this).
std::vector<std::string> VerifyAllPresent(const SeedPlan& plan);

// Plan-building helpers shared by the plans of every group.
SeedPlan MakePlan(const std::string& className, std::vector<TraceItem> items, bool foundAfterSolve = false);
void Append(std::vector<TraceItem>& items, const std::vector<TraceItem>& more);
std::vector<TraceItem> With(std::vector<TraceItem> items, const std::vector<TraceItem>& more);
// A recent-file key as programs write it: the key and two entries.
std::vector<TraceItem> Mru(const std::string& key);
// A program's setting beside its lists: it must survive.
TraceItem Setting(const std::string& key, const std::string& name = "WindowPos");

// Items of a profile owned by one issue (or rule) each, or by none (""): a plan for one
// owner expects what the owner does to its own items and every other item Kept.
struct Owned {
    std::string Owner;
    TraceItem Item;
};
std::vector<TraceItem> For(const std::string& owner, const std::vector<Owned>& profile);
void Own(std::vector<Owned>& profile, const std::string& owner, const std::vector<TraceItem>& items);

// A tree of realistic cache files: files spread over subfolders, with sizes.
std::vector<TraceItem> CacheTree(const std::string& folder, int files, int subfolders = 4);

// Every plan the seeder knows, by catalogue group.
std::vector<SeedPlan> SeedPlansA();
std::vector<SeedPlan> SeedPlansB();
std::vector<SeedPlan> SeedPlansC();
std::vector<SeedPlan> SeedPlansD();
std::vector<SeedPlan> SeedPlansE();
std::vector<SeedPlan> SeedPlansF();
std::vector<SeedPlan> SeedPlansG();
std::vector<SeedPlan> AllSeedPlans();
// The plans of our own rules (data/rules), named after the rule ("Google Chrome Cache *").
std::vector<SeedPlan> RuleSeedPlansBrowsers();
std::vector<SeedPlan> RuleSeedPlansPrograms();
std::vector<SeedPlan> RuleSeedPlans();
// A catalogue issue's plan or a rule's.
const SeedPlan* FindSeedPlan(const std::string& className);
