// What the program meets on Windows 7 to 11 and on a 64-bit Windows. Run in the
// sandboxes of those layouts (Wine's own profile layout at Windows 10, 32 and 64 bit).
#include <gtest/gtest.h>

#include "catalogue/CatalogueHelpers.h"
#include "engine/Scanner.h"
#include "primitives/Effects.h"
#include "primitives/Registry.h"
#include "primitives/SpecialFolders.h"
#include "primitives/Text.h"
#include "primitives/Versions.h"
#include "tests/catalogue/CatalogueCycle.h"

#include <windows.h>

namespace {

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST(NewerWindowsTest, VersionKeepsTheBranchesOfTheNtFamily)
{
    EXPECT_EQ(GetWindowsVersion(), WindowsVistaOrLater);
    EXPECT_GT(GetWindowsVersion(), 9);
    EXPECT_TRUE(IsWindowsNT());
}

TEST(NewerWindowsTest, ProfileFolderIsTheUsersOwnRoot)
{
    char profile[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("USERPROFILE", profile, sizeof profile), 3u);
    EXPECT_EQ(Upper(GetProfileFolder()), Upper(profile));
    // The cookies lie deeper now: cutting "\Cookies" gave "...\AppData\Roaming\Microsoft\Windows".
    std::string cookies = GetCookiesFolder();
    EXPECT_GT(cookies.size(), GetProfileFolder().size() + 8) << cookies;
    EXPECT_EQ(Upper(cookies).find(Upper(GetProfileFolder()) + "\\"), 0u) << cookies;
}

// The issues that the version number or the profile folder hid on this layout.
class NewerWindowsIssues : public ::testing::TestWithParam<std::string> {};

TEST_P(NewerWindowsIssues, FoundWithItsTracesAndSolvedExactly)
{
    for (const SeedPlan& plan : AllSeedPlans())
        if (plan.ClassName == GetParam())
            return RunIssueCycle(plan);
    FAIL() << "no plan for " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Layout, NewerWindowsIssues,
                         ::testing::Values("TAdawareSE", "TUserData", "TWindowsMediaPlayer8", "TWindowsMediaPlayer9",
                                           "TWindowsMediaPlayer10"),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

// The player 9's library in the local application data folder goes on the NT family
// after NT 4: a version number of 0 left it behind on Vista and later.
TEST(NewerWindowsTest, MediaPlayer9EmptiesTheLocalLibraryToo)
{
    for (const SeedPlan& found : AllSeedPlans())
        if (found.ClassName == "TWindowsMediaPlayer9") {
            SeedPlan plan = found;
            plan.Items.push_back(FileAt("%LOCALAPPDATA%\\Microsoft\\Media Player\\LocalMLS_3.wmdb"));
            plan.Items.push_back(FolderAt("%LOCALAPPDATA%\\Microsoft\\Media Player").Kept());
            return RunIssueCycle(plan);
        }
    FAIL() << "no plan for the player 9";
}

// Both programs tell the system what they are written for.
std::string ManifestOf(const std::string& program)
{
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return std::string();
    std::string text;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (data)
        text.assign(data, SizeofResource(module, found));
    FreeLibrary(module);
    return text;
}

TEST(NewerWindowsTest, BothProgramsCarryAManifestForVistaTo10)
{
    const std::string tree = GetProgramFilesFolder() + "\\Hushmark\\";
    for (const char* name : {"Hushmark.exe", "hushmark-cli.exe"}) {
        SCOPED_TRACE(name);
        std::string manifest = ManifestOf(tree + name);
        ASSERT_FALSE(manifest.empty());
        for (const char* id : {"e2011457-1546-43c5-a5fe-008deee3d3f0", "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
                               "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
                               "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
            EXPECT_NE(manifest.find(id), std::string::npos) << id;
        EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    }
    std::string windowed = ManifestOf(tree + "Hushmark.exe");
    EXPECT_NE(windowed.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(windowed.find("<dpiAware"), std::string::npos);
}

// ---- 64-bit Windows

using TRegDeleteKeyEx = LONG(WINAPI*)(HKEY, LPCSTR, REGSAM, DWORD);

class Wow64Test : public ::testing::Test {
protected:
    const std::string Key = "Software\\HushmarkViews";
    void Write(REGSAM view, const std::string& text)
    {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, Key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
        RegCloseKey(key);
    }
    void TearDown() override
    {
        auto erase = reinterpret_cast<TRegDeleteKeyEx>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("advapi32.dll"), "RegDeleteKeyExA")));
        for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY})
            if (erase)
                erase(HKEY_LOCAL_MACHINE, Key.c_str(), view, 0);
    }
};

TEST_F(Wow64Test, FoldersOfBothViewsAreKnownAndProtected)
{
    if (!IsWow64()) {
        EXPECT_EQ(GetProgramFiles64Folder(), "");
        EXPECT_EQ(GetCommonFiles64Folder(), "");
        EXPECT_EQ(GetSystemWow64Folder(), "");
        return;
    }
    EXPECT_EQ(GetProgramFilesFolder(), "C:\\Program Files (x86)");
    EXPECT_EQ(GetProgramFiles64Folder(), "C:\\Program Files");
    EXPECT_EQ(GetCommonFiles64Folder(), "C:\\Program Files\\Common Files");
    EXPECT_EQ(Upper(GetSystemWow64Folder()), "C:\\WINDOWS\\SYSWOW64");
    for (const std::string& folder : {GetProgramFilesFolder(), GetProgramFiles64Folder(), GetCommonFilesFolder(),
                                      GetCommonFiles64Folder(), GetSystemWow64Folder()}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(InstallFolderOf(folder + "\\tool.exe"), "");
        EXPECT_EQ(ProgramBase(folder + "\\"), "");
        EXPECT_EQ(ProgramBase(folder + "\\Vendor\\Tool\\"), folder + "\\Vendor\\Tool\\");
        EXPECT_TRUE(IsSystemRootFolder(folder));
        TPreviewScope preview;
        EXPECT_FALSE(EffectRemoveTree(folder));
    }
}

TEST_F(Wow64Test, MachineValuesAreFoundInTheViewOfTheProgramThatWroteThem)
{
    if (!IsWow64())
        GTEST_SKIP() << "a 32-bit Windows has one view";
    Write(KEY_WOW64_64KEY, "C:\\Program Files\\Tool64");
    EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE, Key, "InstallDir"), "C:\\Program Files\\Tool64");
    // Where a 32-bit program of the same name wrote its own, that one is ours.
    Write(KEY_WOW64_32KEY, "C:\\Program Files (x86)\\Tool32");
    EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE, Key, "InstallDir"), "C:\\Program Files (x86)\\Tool32");
    EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE, Key, "Missing"), "");
}

// A Solve deletes machine keys and values in the view where its Check found them; what
// lies beside them, in either view, stays.
class Wow64SolveTest : public ::testing::Test {
protected:
    static constexpr REGSAM View32 = KEY_WOW64_32KEY;
    static constexpr REGSAM View64 = KEY_WOW64_64KEY;
    void SetUp() override
    {
        if (!IsWow64())
            GTEST_SKIP() << "a 32-bit Windows has one view";
        Clean();
    }
    void TearDown() override
    {
        if (IsWow64())
            Clean();
    }
    static void Make(REGSAM view, const std::string& subkey, std::initializer_list<const char*> values)
    {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        for (const char* name : values)
            RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>("trace"), 6);
        RegCloseKey(key);
    }
    static bool Has(REGSAM view, const std::string& subkey, const char* value = nullptr)
    {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
            return false;
        bool found = !value || RegQueryValueExA(key, value, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found;
    }
    static void Clean()
    {
        using TRegDeleteTree = LONG(WINAPI*)(HKEY, LPCSTR);
        auto advapi = GetModuleHandleA("advapi32.dll");
        auto tree = reinterpret_cast<TRegDeleteTree>(reinterpret_cast<void*>(GetProcAddress(advapi, "RegDeleteTreeA")));
        auto erase = reinterpret_cast<TRegDeleteKeyEx>(reinterpret_cast<void*>(GetProcAddress(advapi, "RegDeleteKeyExA")));
        for (REGSAM view : {View32, View64})
            for (const char* name : {"SOFTWARE\\MyWay", "SOFTWARE\\MyWayKept", "SOFTWARE\\iMesh"}) {
                HKEY key;
                if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, name, 0, KEY_ALL_ACCESS | view, &key) != ERROR_SUCCESS)
                    continue;
                tree(key, nullptr);
                RegCloseKey(key);
                erase(HKEY_LOCAL_MACHINE, name, view, 0);
            }
    }
    static bool Previewed(TPrivacyIssue& issue, const std::string& key, const std::string& value = "")
    {
        TPreviewScope preview;
        GuardedSolve(issue);
        for (const Effect& effect : preview.Effects())
            if (Upper(effect.Path) == Upper(key) && effect.Name == value)
                return true;
        return false;
    }
};

// The key planted in one view only: the Check finds it there, the preview lists it and
// keeps it, the Solve deletes it there, and the neighbours in both views stay.
class Wow64KeySolveTest : public Wow64SolveTest, public ::testing::WithParamInterface<REGSAM> {};

TEST_P(Wow64KeySolveTest, KeyGoesFromTheViewItWasFoundIn)
{
    const REGSAM view = GetParam();
    Make(view, "SOFTWARE\\MyWay\\Toolbar", {"History"});
    Make(View64, "SOFTWARE\\MyWayKept", {"Keep"});
    Make(View32, "SOFTWARE\\MyWayKept", {"Keep"});
    TPrivacyIssue& issue = *IssueNamed("TMyWayAdvertising");
    EXPECT_TRUE(GuardedCheck(issue));
    EXPECT_TRUE(Previewed(issue, "HKEY_LOCAL_MACHINE\\SOFTWARE\\MyWay"));
    EXPECT_TRUE(Has(view, "SOFTWARE\\MyWay\\Toolbar", "History")) << "the preview deleted it";
    GuardedSolve(issue);
    EXPECT_FALSE(Has(view, "SOFTWARE\\MyWay"));
    EXPECT_TRUE(Has(View64, "SOFTWARE\\MyWayKept", "Keep"));
    EXPECT_TRUE(Has(View32, "SOFTWARE\\MyWayKept", "Keep"));
    EXPECT_FALSE(GuardedCheck(issue));
}

INSTANTIATE_TEST_SUITE_P(Views, Wow64KeySolveTest, ::testing::Values(KEY_WOW64_64KEY, KEY_WOW64_32KEY),
                         [](const testing::TestParamInfo<REGSAM>& info) {
                             return std::string(info.param == KEY_WOW64_64KEY ? "Only64" : "Only32");
                         });

// The 32-bit view's key lacks the values; they are the 64-bit program's, and go there.
TEST_F(Wow64SolveTest, ValuesOfThe64BitViewGoThereAndTheirNeighboursStay)
{
    const std::string local = "SOFTWARE\\iMesh\\Client\\Local";
    Make(View64, local, {"SearchEditHistory", "SearchEditHistorySize", "Kept"});
    Make(View32, local, {"Kept"});
    TPrivacyIssue& issue = *IssueNamed("TiMesh");
    EXPECT_TRUE(GuardedCheck(issue));
    EXPECT_TRUE(Previewed(issue, "HKEY_LOCAL_MACHINE\\" + local, "SearchEditHistory"));
    EXPECT_TRUE(Has(View64, local, "SearchEditHistory")) << "the preview deleted it";
    GuardedSolve(issue);
    EXPECT_FALSE(Has(View64, local, "SearchEditHistory"));
    EXPECT_FALSE(Has(View64, local, "SearchEditHistorySize"));
    EXPECT_TRUE(Has(View64, local, "Kept"));
    EXPECT_TRUE(Has(View32, local, "Kept"));
}

// The layer's refusals hold in the other view too.
TEST_F(Wow64SolveTest, HiveKeysOfThe64BitViewAreRefused)
{
    // In preview, so that a refusal that failed would delete nothing.
    TPreviewScope preview;
    EXPECT_FALSE(EffectDeleteRegKey(HKEY_LOCAL_MACHINE, "SOFTWARE", View64));
    EXPECT_FALSE(EffectDeleteRegKey(HKEY_LOCAL_MACHINE, "", View64));
    EXPECT_FALSE(DeleteRegKey("HKEY_LOCAL_MACHINE\\SOFTWARE"));
    for (const Effect& effect : preview.Effects())
        EXPECT_NE(effect.Kind, EffectKind::DeleteKey) << effect.Path;
}

}  // namespace
