// A run of every issue's Solve that meets a file held open without sharing by another
// process, a read-only file and a registry key the user may not open: nothing crashes,
// the run goes on, and every other planted trace goes.
#include "engine/Scanner.h"
#include "engine/ScannerInit.h"
#include "tests/primitives/Helpers.h"
#include "tools/seeder/Seeder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int GoneFiles(const SeedPlan& plan)
{
    int count = 0;
    for (const TraceItem& item : plan.Items)
        count += item.What == TraceItem::File && item.Outcome == Expect::Gone;
    return count;
}

bool IsRegistryItem(const TraceItem& item)
{
    return item.What == TraceItem::Value || item.What == TraceItem::DwordValue || item.What == TraceItem::Key;
}

// The key that holds a registry item: the key itself for a Key item.
std::string KeyOf(const TraceItem& item)
{
    return ExpandPath(item.Where);
}

bool SplitRoot(const std::string& key, HKEY& root, std::string& subkey)
{
    for (auto [prefix, hive] : {std::pair<const char*, HKEY>{"HKCU\\", HKEY_CURRENT_USER},
                                {"HKLM\\", HKEY_LOCAL_MACHINE}, {"HKU\\", HKEY_USERS}}) {
        if (key.compare(0, std::strlen(prefix), prefix) == 0) {
            root = hive;
            subkey = key.substr(std::strlen(prefix));
            return true;
        }
    }
    return false;
}

// An empty DACL: nobody may open the key; its owner may still give the rights back.
bool SetKeyDacl(const std::string& key, bool open)
{
    HKEY root, handle;
    std::string subkey;
    if (!SplitRoot(key, root, subkey) || RegOpenKeyExA(root, subkey.c_str(), 0, WRITE_DAC, &handle) != ERROR_SUCCESS)
        return false;
    ACL empty;
    InitializeAcl(&empty, sizeof empty, ACL_REVISION);
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, open ? nullptr : &empty, FALSE);
    LONG result = RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, &descriptor);
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

bool KeyOpens(const std::string& key)
{
    HKEY root, handle;
    std::string subkey;
    if (!SplitRoot(key, root, subkey) || RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && _strnicmp(text.c_str(), prefix.c_str(), prefix.size()) == 0;
}

class FaultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RequireSandbox();
        // One plan from each group: plain Windows version, at least two files to remove.
        for (auto plans : {SeedPlansA, SeedPlansB, SeedPlansC, SeedPlansD, SeedPlansE, SeedPlansF, SeedPlansG})
            for (const SeedPlan& plan : plans())
                if (plan.WindowsVersion.empty() && !plan.FoundWhenClean && GoneFiles(plan) >= 2) {
                    Plans.push_back(plan);
                    break;
                }
        ASSERT_GE(Plans.size(), 3u);
    }

    void TearDown() override
    {
        if (Holder) {
            TerminateProcess(Holder, 0);
            WaitForSingleObject(Holder, 10000);
            CloseHandle(Holder);
        }
        if (!ProtectedKey.empty())
            SetKeyDacl(ProtectedKey, true);
        if (!ReadOnlyFile.empty())
            SetFileAttributesA(ReadOnlyFile.c_str(), FILE_ATTRIBUTE_NORMAL);
        for (const SeedPlan& plan : Plans)
            Unplant(plan);
    }

    std::vector<SeedPlan> Plans;
    HANDLE Holder = nullptr;
    std::string LockedFile, ReadOnlyFile, ProtectedKey;
};

TEST_F(FaultsTest, LockedReadOnlyAndForbiddenTracesStopNeitherTheRunNorTheRest)
{
    for (const SeedPlan& plan : Plans)
        Unplant(plan);
    for (const SeedPlan& plan : Plans)
        Plant(plan);

    // The plan with the most files loses one to a lock, the next one gets a read-only
    // file, and the first other plan with a registry trace to remove gets a closed key.
    size_t locked = 0;
    for (size_t i = 1; i < Plans.size(); ++i)
        if (GoneFiles(Plans[i]) > GoneFiles(Plans[locked]))
            locked = i;
    size_t readOnly = (locked + 1) % Plans.size();
    for (const TraceItem& item : Plans[locked].Items)
        if (item.What == TraceItem::File && item.Outcome == Expect::Gone)
            LockedFile = ExpandPath(item.Where);
    for (const TraceItem& item : Plans[readOnly].Items)
        if (item.What == TraceItem::File && item.Outcome == Expect::Gone && ReadOnlyFile.empty())
            ReadOnlyFile = ExpandPath(item.Where);
    for (size_t i = 0; i < Plans.size() && ProtectedKey.empty(); ++i)
        if (i != locked && i != readOnly)
            for (const TraceItem& item : Plans[i].Items)
                if (IsRegistryItem(item) && item.Outcome == Expect::Gone && StartsWithNoCase(KeyOf(item), "HKCU\\")) {
                    // The deepest such key, so that no other trace hides below it.
                    if (ProtectedKey.empty() || KeyOf(item).size() > ProtectedKey.size())
                        ProtectedKey = KeyOf(item);
                }
    ASSERT_FALSE(ProtectedKey.empty()) << "no plan with a registry trace to remove";

    std::string sleeper = HelperProgram("HM_SLEEPER", "hm-holder.exe");
    Holder = StartProcess("\"" + sleeper + "\" \"" + LockedFile + "\"");
    for (int i = 0; i < 400 && !FileThere(LockedFile + ".held"); ++i)
        Sleep(50);
    ASSERT_TRUE(FileThere(LockedFile + ".held")) << "the holder could not lock " << LockedFile;
    ASSERT_TRUE(SetFileAttributesA(ReadOnlyFile.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(SetKeyDacl(ProtectedKey, false));
    ASSERT_FALSE(KeyOpens(ProtectedKey)) << "the key stayed open: " << ProtectedKey;

    TIssueList all;
    CreateAllIssues(all);
    for (auto& issue : all) {
        RestartRequired = false;
        GuardedSolve(*issue);
    }

    // The locked file cannot go while it is held, and the closed key must stay closed.
    EXPECT_TRUE(FileThere(LockedFile));
    EXPECT_FALSE(KeyOpens(ProtectedKey));
    // Every other trace that a Solve removes is gone.
    for (const SeedPlan& plan : Plans) {
        SCOPED_TRACE(plan.ClassName);
        SeedPlan rest = plan;
        rest.Items.clear();
        for (const TraceItem& item : plan.Items) {
            if (item.Outcome != Expect::Gone)
                continue;
            std::string where = ExpandPath(item.Where);
            // The read-only file goes or stays as its primitive promises (DeleteFilesInFolder
            // keeps read-only files; a tree removal takes them).
            if (where == LockedFile || where == ReadOnlyFile || (IsRegistryItem(item) && StartsWithNoCase(where, ProtectedKey)))
                continue;
            if (item.What == TraceItem::Folder && StartsWithNoCase(LockedFile, where + "\\"))
                continue;  // the folder of the held file keeps it
            rest.Items.push_back(item);
        }
        std::vector<std::string> left = Verify(rest);
        std::string text;
        for (const std::string& line : left)
            text += line + "\n";
        EXPECT_EQ(text, "");
    }
    // For the reliability report.
    std::printf("fault read-only file removed: %s\n", FileThere(ReadOnlyFile) ? "no" : "yes");
    std::printf("fault locked file: %s\n", LockedFile.c_str());
    std::printf("fault read-only file: %s\n", ReadOnlyFile.c_str());
    std::printf("fault closed key: %s\n", ProtectedKey.c_str());
    std::printf("fault issues solved: %d\n", static_cast<int>(all.size()));
}

}  // namespace
