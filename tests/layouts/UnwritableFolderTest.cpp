// A program folder that its user may not write, as Program Files is under UAC: the
// settings and flags go to the user's application data folder, the texts stay beside
// the program. tools/wine-run makes the refusal real (HUSHMARK_READONLY_TREE): the
// install tree is read-only on the Unix side and Wine runs without the rights that
// would let root write it anyway.
#include <gtest/gtest.h>

#include "engine/IniFiles32.h"
#include "primitives/SpecialFolders.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/Driver.h"
#include "tools/seeder/Seeder.h"

namespace {

std::string Contents(const std::string& path) { return ReadTextFile(path); }

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Each run writes a file of its own: Wine's helper processes may still hold the last one.
DWORD RunCli(const std::string& arguments, std::string& output)
{
    static int runs = 0;
    output = "C:\\hushmark\\unwritable-output-" + std::to_string(++runs) + ".txt";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileA(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = out;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + Tree + "hushmark-cli.exe\" " + arguments;
    BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, Tree.c_str(), &startup,
                                  &process);
    CloseHandle(out);
    if (!started)
        return ~0u;
    WaitForSingleObject(process.hProcess, 300000);
    DWORD code = ~0u;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

class UnwritableFolderTest : public ::testing::Test {
protected:
    const std::string Settings = GetAppDataFolder() + "\\Hushmark\\";
    std::string Output;
    void SetUp() override
    {
        CreateDirectoryA("C:\\hushmark", nullptr);
        for (const char* name : {"options.ini", "info.ini"})
            DeleteFileA((Settings + name).c_str());
        RemoveDirectoryA(Settings.c_str());
    }
};

TEST_F(UnwritableFolderTest, TheFolderReallyRefusesAFile)
{
    std::string probe = Tree + "written.tmp";
    HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    EXPECT_EQ(file, INVALID_HANDLE_VALUE) << "the install tree can be written: nothing below tests the refusal";
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        DeleteFileA(probe.c_str());
    }
    ASSERT_TRUE(Exists(Tree + "info.ini"));
}

TEST_F(UnwritableFolderTest, ConsoleProgramKeepsSettingsAndFlagsInTheUsersFolder)
{
    const std::string programInfo = Contents(Tree + "info.ini");
    ASSERT_NE(programInfo, "<missing>");
    EXPECT_LE(RunCli("scan", Output), 1u) << Contents(Output);
    EXPECT_TRUE(Exists(Settings + "options.ini"));
    EXPECT_NE(Contents(Settings + "options.ini").find("[time]"), std::string::npos);
    EXPECT_FALSE(Exists(Tree + "options.ini"));

    SeedPlan plan;
    plan.ClassName = "TNethoodCache";
    for (const SeedPlan& candidate : AllSeedPlans())
        if (candidate.ClassName == plan.ClassName)
            plan = candidate;
    ASSERT_FALSE(plan.Items.empty());
    Plant(plan);
    EXPECT_EQ(RunCli("solve TNethoodCache", Output), 0u) << Contents(Output);
    Unplant(plan);
    {
        TIniFile32 flags(Settings + "info.ini");
        EXPECT_EQ(flags.ReadInteger("TNethoodCache", "Solved", 0), 1);
    }
    EXPECT_EQ(Contents(Tree + "info.ini"), programInfo);

    // The texts come from beside the program, not from the copy in the user's folder.
    {
        TIniFile32 flags(Settings + "info.ini");
        flags.WriteString("TNethoodCache", "Title", "An old title");
    }
    EXPECT_EQ(RunCli("list", Output), 0u);
    std::string listed = Contents(Output);
    TIniFile32 texts(Tree + "info.ini");
    EXPECT_NE(listed.find(texts.ReadString("TNethoodCache", "Title", "?")), std::string::npos) << listed;
    EXPECT_EQ(listed.find("An old title"), std::string::npos);
}

TEST_F(UnwritableFolderTest, WindowedProgramSavesItsOptionsInTheUsersFolder)
{
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(StartProgram(process));
    HWND main = WaitForMainWindow();
    EXPECT_NE(main, nullptr);
    StopProgram(process, main);
    EXPECT_NE(Contents(Settings + "options.ini").find("[options]"), std::string::npos);
    EXPECT_TRUE(Exists(Settings + "info.ini"));
    EXPECT_FALSE(Exists(Tree + "options.ini"));
}

}  // namespace
