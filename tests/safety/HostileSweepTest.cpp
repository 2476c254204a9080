// Every registry value an issue reads, set to each hostile text: nothing outside the
// issue's own effects may change. make test runs a sample of the catalogue; the
// reliability report runs the disabled whole sweep.
#include "tests/safety/Sweep.h"

#include "engine/ScannerInit.h"
#include "primitives/Effects.h"
#include "primitives/Registry.h"
#include "tests/primitives/Helpers.h"
#include "tools/seeder/Seeder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

DWORD WINAPI ReadOnOtherThread(void* key)
{
    std::string text;
    RegReadString(HKEY_CURRENT_USER, *static_cast<std::string*>(key), "Path", text);
    return 0;
}

TEST(RegistryReadLogTest, ListsEveryReadFoundOrNotOnItsOwnThreadAndNests)
{
    std::string key = MakeScratchKey("readlog");
    SetString(HKEY_CURRENT_USER, key, "Path", "C:\\x");
    std::string out;
    RegReadString(HKEY_CURRENT_USER, key, "Unlogged", out);
    TRegistryReadLog outer;
    {
        TRegistryReadLog inner;
        EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "\\" + key, "Path", out), "C:\\x");
        RegReadInteger(HKEY_CURRENT_USER, key, "Missing");
        ASSERT_EQ(inner.Reads().size(), 2u);
        EXPECT_EQ(inner.Reads()[0].SubKey, key);
        EXPECT_EQ(inner.Reads()[0].Name, "Path");
        EXPECT_TRUE(inner.Reads()[0].Text);
        EXPECT_FALSE(inner.Reads()[1].Text);
        EXPECT_TRUE(outer.Reads().empty());
    }
    EXPECT_EQ(outer.Reads().size(), 2u);
    DWORD id;
    HANDLE thread = CreateThread(nullptr, 0, ReadOnOtherThread, &key, 0, &id);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_EQ(outer.Reads().size(), 2u) << "a read of another thread was listed";
}

// The comparison itself: what the effects layer did passes, the same change made
// behind its back does not, and a sentinel counts even when an effect took it.
TEST(ChangeWatchTest, NamesWhatTheEffectsLayerDidNotDoAndEverySentinel)
{
    RequireSandbox();
    const std::string folder = "C:\\hm-watch";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* name : {"\\by-effect.txt", "\\behind-its-back.txt", "\\keep.sentinel"})
        MakeFile(folder + name);
    std::string key = MakeScratchKey("watch");
    SetString(HKEY_CURRENT_USER, key, "ByEffect", "1");
    SetString(HKEY_CURRENT_USER, key, "BehindItsBack", "2");

    TChangeWatch watch({"C:\\HM-WATCH\\KEEP.SENTINEL"});
    std::vector<std::string> faults;
    {
        TEffectLog log;
        EXPECT_TRUE(EffectDeleteFile(folder + "\\by-effect.txt"));
        EXPECT_TRUE(EffectDeleteFile(folder + "\\keep.sentinel"));
        EXPECT_TRUE(EffectDeleteRegValue(HKEY_CURRENT_USER, key, "ByEffect"));
        DeleteFileA((folder + "\\behind-its-back.txt").c_str());
        HKEY handle;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE, &handle), ERROR_SUCCESS);
        RegDeleteValueA(handle, "BehindItsBack");
        RegCloseKey(handle);
        faults = watch.ChangesOutside(log.Effects());
    }
    std::string text;
    for (const std::string& fault : faults)
        text += fault + "\n";
    EXPECT_EQ(faults.size(), 3u) << text;
    EXPECT_NE(text.find("sentinel lost: C:\\HM-WATCH\\KEEP.SENTINEL"), std::string::npos) << text;
    EXPECT_NE(text.find("file lost outside the issue's effects: C:\\HM-WATCH\\BEHIND-ITS-BACK.TXT"), std::string::npos)
        << text;
    EXPECT_NE(text.find("registry lost outside the issue's effects"), std::string::npos) << text;
    EXPECT_NE(text.find("value 'BEHINDITSBACK'"), std::string::npos) << text;
    RemoveDirectoryA(folder.c_str());
}

class HostileSweep : public ::testing::Test {
protected:
    void SetUp() override
    {
        RequireSandbox();
        CreateAllIssues(Issues);
    }
    void TearDown() override { RemoveSentinels(); }

    // Sweeps every step-th issue of the catalogue with every hostile set.
    void Sweep(size_t step)
    {
        int runs = 0, values = 0, issues = 0, reading = 0, faulty = 0;
        size_t faults = 0;
        // HM_SWEEP_ISSUES="TOne,TTwo" sweeps only those, to look at a finding again.
        const char* only = std::getenv("HM_SWEEP_ISSUES");
        for (size_t i = 0; i < Issues.size(); i += only ? 1 : step) {
            std::string name = Issues[i]->ClassName();
            if (only && ("," + std::string(only) + ",").find("," + name + ",") == std::string::npos)
                continue;
            ++issues;
            int read = 0;
            for (const HostileSet& set : HostileSets()) {
                SweepOutcome outcome = SweepIssue(name, set);
                ++runs;
                values += outcome.ValuesSet;
                read = std::max(read, outcome.ValuesSet);
                faults += outcome.Faults.size();
                faulty += !outcome.Faults.empty();
                std::string text;
                for (const std::string& fault : outcome.Faults)
                    text += "\n  " + fault;
                EXPECT_EQ(text, "") << name << " with " << set.Label;
            }
            reading += read > 0;
            std::printf("sweep issue %s values=%d\n", name.c_str(), read);
        }
        std::printf("sweep issues=%d sets=%d runs=%d issues_reading_values=%d values_set=%d runs_with_changes_outside=%d "
                    "changes_outside=%d\n",
                    issues, static_cast<int>(HostileSets().size()), runs, reading, values, faulty,
                    static_cast<int>(faults));
    }

    TIssueList Issues;
};

TEST_F(HostileSweep, ASampleOfTheCatalogueWithEveryHostileText) { Sweep(23); }

// The whole catalogue: run by tools/reliability-report.
TEST_F(HostileSweep, DISABLED_EveryIssueWithEveryHostileText) { Sweep(1); }

}  // namespace
