// Under Windows 9x the exports run in a copy of this program that Wine starts as
// Windows 98; the copy cleans and exits, the test reads what is left.
#include "clearing/Clearing.h"
#include "clearing/Platform.h"
#include "tests/clearing/TraceKeys.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

const char CleanFlag[] = "--clean-as-windows-9x";
const char CopyName[] = "ClearingTest9x.exe";
const std::string CopyVersionKey = std::string("Software\\Wine\\AppDefaults\\") + CopyName;
const int NotWindows9x = 3;

int CleanAsWindows9x()
{
    if (Clearing::IsNtPlatform())
        return NotWindows9x;
    CleanAutoCompleteForms();
    CleanAutoCompletePWDs();
    CleanComputerDocsHistory();
    CleanUserAssistCache();
    return 0;
}

// Wine takes the Windows version per program name: only the copy runs as Windows 98,
// so the other test programs sharing the sandbox never see it, even if this one dies.
class Windows98Copy {
public:
    Windows98Copy()
    {
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, sizeof self);
        path_ = self;
        path_ = path_.substr(0, path_.find_last_of('\\') + 1) + CopyName;
        CopyFileA(self, path_.c_str(), FALSE);
        SetString(HKEY_CURRENT_USER, CopyVersionKey, "Version", "win98");
    }
    ~Windows98Copy()
    {
        ForceDeleteKey(HKEY_CURRENT_USER, CopyVersionKey);
        DeleteFileA(path_.c_str());
    }
    Windows98Copy(const Windows98Copy&) = delete;
    Windows98Copy& operator=(const Windows98Copy&) = delete;

    // The copy's exit code; STILL_ACTIVE when it had to be stopped.
    DWORD Clean() const
    {
        std::string commandLine = "\"" + path_ + "\" " + CleanFlag;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(path_.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return GetLastError();
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process.hProcess, &code);
        else if (TerminateProcess(process.hProcess, STILL_ACTIVE))
            WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return code;
    }

private:
    std::string path_;
};

TEST(Windows9x, ExportsDeleteWithoutTouchingSecurity)
{
    RemoveTraceKeys();
    const std::string assisted = UserAssist + "\\{75048700-EF1F-11D0-9888-006097DEACF9}";
    const std::string lockedDocs = RecentDocs + "\\.doc";
    const std::string userForms = UserProviderKey() + "\\Data\\" + FormsGuid;
    const std::string machineForms = MachineProviderKey() + "\\Data\\" + FormsGuid;
    SetString(HKEY_CURRENT_USER, IntelliForms + "\\SPW", "entry", "secret");
    SetString(HKEY_CURRENT_USER, UserAssist, "Version", "3");
    SetString(HKEY_CURRENT_USER, assisted + "\\Count", "HRZR_EHACNGU", "x");
    SetString(HKEY_CURRENT_USER, lockedDocs, "0", "letter.doc");
    DenyEveryone(HKEY_CURRENT_USER, lockedDocs);
    SetString(HKEY_CURRENT_USER, userForms, "Item Data", "typed text");
    SetUserAndEveryoneDacl(HKEY_CURRENT_USER, userForms);
    SetString(HKEY_LOCAL_MACHINE, machineForms, "Item Data", "typed text");
    const std::vector<BYTE> lockedDacl = ReadDacl(HKEY_CURRENT_USER, lockedDocs);
    const std::vector<BYTE> formsDacl = ReadDacl(HKEY_CURRENT_USER, userForms);

    DWORD code;
    {
        Windows98Copy copy;
        code = copy.Clean();
    }
    ASSERT_EQ(0u, code) << "3: the copy did not run as Windows 98; 259: it never finished";

    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, IntelliForms));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, assisted));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, UserAssist));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, machineForms));
    // Nothing unlocked them: the subkey that denies us stays (and did not keep the
    // walk over the subkeys going), and the user's form data is an NT-only trace.
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, lockedDocs));
    EXPECT_EQ(lockedDacl, ReadDacl(HKEY_CURRENT_USER, lockedDocs));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, userForms));
    EXPECT_EQ(formsDacl, ReadDacl(HKEY_CURRENT_USER, userForms));
    RemoveTraceKeys();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], CleanFlag) == 0)
        return CleanAsWindows9x();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
