#include "primitives/Drives.h"
#include "primitives/Effects.h"
#include "primitives/Errors.h"
#include "primitives/Files.h"
#include "primitives/Processes.h"
#include "primitives/SpecialFolders.h"
#include "primitives/Text.h"
#include "primitives/Versions.h"
#include "tests/primitives/Helpers.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstring>

namespace {

OSVERSIONINFOA Record(DWORD platform, DWORD major, DWORD minor, const char* servicePack)
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    info.dwPlatformId = platform;
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
    std::strncpy(info.szCSDVersion, servicePack, sizeof info.szCSDVersion - 1);
    return info;
}

TEST(WindowsVersionTest, EveryRowOfTheTable)
{
    const DWORD Nine = VER_PLATFORM_WIN32_WINDOWS, Nt = VER_PLATFORM_WIN32_NT;
    const uint32_t Me = (4u << 16) | 90, Other = (4u << 16) | 10;
    struct Row {
        DWORD Platform, Major, Minor;
        const char* ServicePack;
        uint32_t Kernel;
        int Expected;
    } rows[] = {
        {Nine, 4, 0, "", Other, 1},      {Nine, 4, 0, " B ", Other, 2},  {Nine, 4, 3, "C", Other, 2},
        {Nine, 4, 9, "A", Other, 1},     {Nine, 4, 10, "", Other, 3},    {Nine, 4, 10, " A ", Other, 4},
        {Nine, 4, 10, "A", Me, 5},       {Nine, 4, 89, "B", Other, 3},   {Nine, 4, 90, "", Other, 5},
        {Nine, 4, 91, "", Other, 0},     {Nt, 3, 1, "", 0, 6},           {Nt, 3, 5, "", 0, 7},
        {Nt, 3, 51, "", 0, 8},           {Nt, 3, 2, "", 0, 0},           {Nt, 4, 0, "Service Pack 6", 0, 9},
        {Nt, 5, 0, "", 0, 10},           {Nt, 5, 1, "Service Pack 3", 0, 11}, {Nt, 5, 2, "", 0, 12},
        {Nt, 5, 3, "", 0, 0},            {Nt, 6, 0, "", 0, 0},           {Nt, 10, 0, "", 0, 0},
        {VER_PLATFORM_WIN32s, 3, 1, "", 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.Platform << " " << row.Major << "." << row.Minor << " '"
                                          << row.ServicePack << "'");
        EXPECT_EQ(WindowsVersionOf(Record(row.Platform, row.Major, row.Minor, row.ServicePack), row.Kernel),
                  row.Expected);
    }
}

TEST(WindowsVersionTest, NtSixAndLaterAnswerAsNewerThanEveryOther)
{
    const DWORD Nine = VER_PLATFORM_WIN32_WINDOWS, Nt = VER_PLATFORM_WIN32_NT;
    for (DWORD major : {6u, 10u})
        for (DWORD minor : {0u, 1u, 2u, 3u}) {
            SCOPED_TRACE(::testing::Message() << major << "." << minor);
            EXPECT_EQ(WindowsVersionOrLaterOf(Record(Nt, major, minor, ""), 0), WindowsVistaOrLater);
        }
    // Everything up to Server 2003 keeps its number, and the unknown stays unknown.
    struct Row {
        DWORD Platform, Major, Minor;
        int Expected;
    } rows[] = {{Nine, 4, 10, 3}, {Nine, 4, 91, 0}, {Nt, 4, 0, 9}, {Nt, 5, 1, 11}, {Nt, 5, 2, 12},
                {Nt, 5, 3, 0},    {Nt, 3, 2, 0},    {VER_PLATFORM_WIN32s, 6, 0, 0}};
    for (const Row& row : rows)
        EXPECT_EQ(WindowsVersionOrLaterOf(Record(row.Platform, row.Major, row.Minor, ""), 0), row.Expected)
            << row.Major << "." << row.Minor;
}

// Wine gives one program another Windows version through its AppDefaults key.
class OtherWindowsTest : public ::testing::Test {
protected:
    std::string Probe = HelperProgram("HM_PROBE", "hm-probe.exe");
    const std::string Key = "Software\\Wine\\AppDefaults\\hm-probe.exe";
    DWORD RunAs(const std::string& version, const std::string& arguments)
    {
        SetString(HKEY_CURRENT_USER, Key, "Version", version);
        return RunProcess("\"" + Probe + "\" " + arguments);
    }
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, Key.c_str()); }
};

TEST_F(OtherWindowsTest, VersionOfEverySystemWineCanPlay)
{
    struct Row {
        const char* Wine;
        DWORD Expected;
    } rows[] = {{"win95", 1}, {"win98", 4}, {"winme", 5}, {"nt40", 9}, {"win2k", 10}, {"winxp", 11}, {"win2003", 12}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Wine);
        EXPECT_EQ(RunAs(row.Wine, "version"), row.Expected);
    }
    EXPECT_EQ(GetWindowsVersion(), 11);
    EXPECT_TRUE(IsWindowsNT());
}

TEST_F(OtherWindowsTest, VistaToTenAnswerAsNewerThanEveryOther)
{
    for (const char* wine : {"vista", "win7", "win8", "win81", "win10"}) {
        SCOPED_TRACE(wine);
        EXPECT_EQ(RunAs(wine, "version"), WindowsVistaOrLater);
    }
}

TEST_F(OtherWindowsTest, Windows98SchedulesEveryFileInWininit)
{
    std::string dir = MakeScratchFolder("wininit");
    std::string wininit = GetWindowsFolder() + "\\WININIT.INI";
    WriteTextFile(wininit, "[Other]\r\nx=1\r\n[rename]\r\nNUL=C:\\EARLIER.TMP\r\n\r\n[Last]\r\ny=2\r\n");
    std::string arguments = "reboot";
    std::vector<std::string> files;
    for (int i = 0; i < 7; ++i) {
        files.push_back(dir + "long file name " + std::to_string(i) + ".dat");
        MakeFile(files.back());
        arguments += " \"" + files.back() + "\"";
    }
    EXPECT_EQ(RunAs("win98", arguments), 0u);
    EXPECT_EQ(RunAs("win98", "reboot \"" + files[0] + "\""), 0u);
    std::vector<std::string> lines = SplitLines(ReadTextFile(wininit));
    DeleteFileA(wininit.c_str());
    std::vector<std::string> expected = {"[Other]", "x=1", "[rename]", "NUL=C:\\EARLIER.TMP"};
    for (const std::string& file : files) {
        char shortPath[MAX_PATH];
        GetShortPathNameA(file.c_str(), shortPath, sizeof shortPath);
        EXPECT_EQ(std::string(shortPath).find(' '), std::string::npos) << shortPath;
        expected.push_back(std::string("NUL=") + shortPath);
    }
    for (const char* rest : {"", "[Last]", "y=2"})
        expected.push_back(rest);
    EXPECT_EQ(lines, expected);
    for (const std::string& file : files)
        EXPECT_TRUE(FileThere(file));
}

std::string PendingRenames()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return std::string();
    std::vector<char> data(65536);
    DWORD size = static_cast<DWORD>(data.size());
    LONG status = RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(data.data()), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::string(data.data(), size) : std::string();
}

TEST(DeleteOnRebootTest, WindowsXpAsksTheSystem)
{
    std::string file = MakeScratchFolder("reboot") + "pending.dat";
    MakeFile(file);
    {
        TPreviewScope preview;
        DeleteOnReboot(file);
        ASSERT_EQ(preview.Effects().size(), 1u);
        EXPECT_EQ(preview.Effects()[0].Kind, EffectKind::DeleteOnReboot);
        EXPECT_EQ(preview.Effects()[0].Bytes, 10u);
    }
    EXPECT_EQ(PendingRenames().find(file), std::string::npos);
    DeleteOnReboot(file);
    std::string pending = PendingRenames();
    EXPECT_NE(pending.find(std::string("\\??\\") + file + '\0' + '\0'), std::string::npos);
    EXPECT_TRUE(FileThere(file));
    MoveFileExA(file.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

class KillProcessTest : public ::testing::Test {
protected:
    std::string Sleeper = HelperProgram("HM_SLEEPER", "hm-sleeper.exe");
    std::vector<HANDLE> Started;
    void TearDown() override
    {
        for (HANDLE process : Started) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 10000);
            CloseHandle(process);
        }
    }
    bool Running(HANDLE process) { return WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }
    bool Ended(HANDLE process) { return WaitForSingleObject(process, 10000) == WAIT_OBJECT_0; }
};

DWORD FirstInSnapshot(const char* name)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    DWORD id = 0;
    for (BOOL more = Process32First(snapshot, &entry); more && !id; more = Process32Next(snapshot, &entry))
        if (std::strcmp(entry.szExeFile, name) == 0)
            id = entry.th32ProcessID;
    CloseHandle(snapshot);
    return id;
}

TEST_F(KillProcessTest, EndsOnlyTheFirstOfTwoAndOnlyByExactName)
{
    EXPECT_TRUE(KillProcess("hm-no-such-program.exe"));
    Started.push_back(StartProcess("\"" + Sleeper + "\""));
    Started.push_back(StartProcess("\"" + Sleeper + "\""));
    for (int i = 0; i < 100 && FirstInSnapshot("hm-sleeper.exe") == 0; ++i)
        Sleep(50);
    Sleep(500);
    DWORD first = FirstInSnapshot("hm-sleeper.exe");
    ASSERT_NE(first, 0u);
    HANDLE firstHandle = GetProcessId(Started[0]) == first ? Started[0] : Started[1];
    HANDLE secondHandle = firstHandle == Started[0] ? Started[1] : Started[0];

    EXPECT_TRUE(KillProcess("HM-SLEEPER.EXE"));
    {
        TPreviewScope preview;
        EXPECT_TRUE(KillProcess("hm-sleeper.exe"));
        ASSERT_EQ(preview.Effects().size(), 1u);
        EXPECT_EQ(preview.Effects()[0].Kind, EffectKind::EndProcess);
        EXPECT_EQ(preview.Effects()[0].Name, "hm-sleeper.exe");
    }
    Sleep(300);
    EXPECT_TRUE(Running(firstHandle));
    EXPECT_TRUE(Running(secondHandle));

    TEffectLog log;
    EXPECT_TRUE(KillProcess("hm-sleeper.exe"));
    ASSERT_TRUE(Ended(firstHandle));
    DWORD code = 0;
    GetExitCodeProcess(firstHandle, &code);
    EXPECT_EQ(code, 0xFFFFFFFFu);
    EXPECT_TRUE(Running(secondHandle));
    EXPECT_EQ(log.Totals().Processes, 1u);
}

TEST(VersionResourceTest, MajorVersionOfAProgramATextFileAndNothing)
{
    std::string program = HelperProgram("HM_SLEEPER", "hm-versioned.exe");
    TFixedFileInfo info;
    ReadFixedFileInfo(program, info);
    EXPECT_EQ(info.Signature, 0xFEEF04BDu);
    EXPECT_EQ(info.FileVersionMS, (7u << 16) | 10);
    EXPECT_EQ(info.FileVersionLS, 3059u);
    EXPECT_EQ(info.ProductVersionMS, (7u << 16) | 10);
    EXPECT_EQ(info.FileType, 1u);  // an application
    EXPECT_EQ(GetFileMajorVersion(program), 7);

    std::string text = MakeScratchFolder("version") + "notes.txt";
    WriteTextFile(text, "no resource here");
    TFixedFileInfo untouched;
    untouched.Signature = 42;
    ReadFixedFileInfo(text, untouched);
    EXPECT_EQ(untouched.Signature, 42u);
    EXPECT_EQ(GetFileMajorVersion(text), 0);
    EXPECT_EQ(GetFileMajorVersion(text + ".missing"), 0);
}

TEST(DrivesTest, RootsTypesAndInvalidDrives)
{
    EXPECT_EQ(GetDriveRoot(0), "A:\\");
    EXPECT_EQ(GetDriveRoot(2), "C:\\");
    EXPECT_EQ(GetDriveRoot(25), "Z:\\");
    try {
        GetDriveRoot(26);
        ADD_FAILURE() << "no error raised";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "26 is not a valid drive");
    }
    EXPECT_THROW(GetDriveRoot(-1), Exception);
    EXPECT_EQ(GetDriveTypeText('C'), "Hard Disk");
    EXPECT_EQ(GetDriveTypeText('c'), "Hard Disk");
    EXPECT_EQ(GetDriveTypeText('Q'), "Unknown drive type");
    try {
        GetDriveTypeText('1');
        ADD_FAILURE() << "no error raised";
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "1 is not a valid drive");
    }
}

TEST(SpecialFoldersTest, ExistingFoldersWithoutTrailingBackslash)
{
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    EXPECT_EQ(GetWindowsFolder(), windows);
    EXPECT_EQ(GetProgramFilesFolder(), "C:\\Program Files");
    EXPECT_EQ(GetCommonFilesFolder(), "C:\\Program Files\\Common Files");
    std::string cookies = GetCookiesFolder();
    ASSERT_GT(cookies.size(), 8u);
    EXPECT_EQ(cookies.substr(cookies.size() - 8), "\\Cookies");
    EXPECT_EQ(GetProfileFolder(), cookies.substr(0, cookies.size() - 8));
    EXPECT_TRUE(EndsWith(GetAppDataFolder(), "\\Application Data"));
    std::string (*getters[])() = {GetTempFolder,        GetPersonalFolder,       GetFavoritesFolder,
                                  GetRecentFolder,      GetNetHoodFolder,        GetCommonProgramsFolder,
                                  GetAppDataFolder,     GetPrintHoodFolder,      GetInternetCacheFolder,
                                  GetCookiesFolder,     GetHistoryFolder,        GetCommonAppDataFolder};
    for (auto getter : getters) {
        std::string folder = getter();
        SCOPED_TRACE(folder);
        EXPECT_TRUE(EffectPathAllowed(folder));
        EXPECT_NE(folder.back(), '\\');
    }
}

TEST(RecycleBinTest, PreviewCountsAndARealRunEmpties)
{
    std::string file = MakeScratchFolder("bin") + "thrown.txt";
    MakeFile(file, 1234);
    std::string from = file + '\0';
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    ASSERT_EQ(SHFileOperationA(&operation), 0);
    SHQUERYRBINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_EQ(SHQueryRecycleBinA(nullptr, &info), S_OK);
    ASSERT_GT(info.i64NumItems, 0);
    {
        TPreviewScope preview;
        EXPECT_TRUE(EffectEmptyRecycleBin());
        ASSERT_EQ(preview.Effects().size(), 1u);
        EXPECT_GE(preview.Effects()[0].Bytes, 1234u);
    }
    SHQueryRecycleBinA(nullptr, &info);
    EXPECT_GT(info.i64NumItems, 0);
    EXPECT_TRUE(EffectEmptyRecycleBin());
    SHQueryRecycleBinA(nullptr, &info);
    EXPECT_EQ(info.i64NumItems, 0);
}

}  // namespace
