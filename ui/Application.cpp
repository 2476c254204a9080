#include "ui/Application.h"

#include "engine/Options.h"
#include "engine/Scanner.h"
#include "ui/HelpEngine.h"
#include "ui/Icons.h"

namespace {

const char* const NoHelpMessage =
    "Sorry, but your system doesn't support HTMLHelp.\r"
    "Please write to our support team at support@hushmark.example for help.";

std::string AbsolutePath(const std::string& path)
{
    char full[MAX_PATH + 1] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length && length < sizeof full ? std::string(full, length) : path;
}

bool EnableShutdownPrivilege()
{
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool enabled = LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid) &&
                   AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    // AdjustTokenPrivileges succeeds even when it could not enable the privilege.
    enabled = enabled && GetLastError() == ERROR_SUCCESS;
    CloseHandle(token);
    return enabled;
}

}  // namespace

TApplication::TApplication(const std::string& programFolder, TOptions& options, TOptions& optionsBackup)
    : FFolder(programFolder), FOptions(options), FOptionsBackup(optionsBackup)
{
}

TApplication::~TApplication() = default;

void TApplication::Start(HWND mainWindow)
{
    MainWindow = mainWindow;
    FScanner = std::make_unique<TScanner>(FFolder + "info.ini", FOptions);
    IconsLoad(FFolder);
    HelpFile = AbsolutePath(FFolder + "Help\\Help.chm");
    HelpEngine = std::make_unique<THelpEngine>();
    if (!HelpEngine->Load())
        Inform("HTML Help is not installed on this PC.");
}

// The hot key and the notification menu work while another program is in front.
HWND TApplication::BoxOwner() const
{
    return MainWindow && IsWindowVisible(MainWindow) ? MainWindow : nullptr;
}

void TApplication::Inform(const char* text) const
{
    MessageBoxA(BoxOwner(), text, "Hushmark", MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

bool TApplication::MsgBox(const char* caption, const char* text, UINT icon) const
{
    return MessageBoxA(BoxOwner(), text, caption, icon | MB_YESNO | MB_SETFOREGROUND) == IDYES;
}

void TApplication::ShowHelp(HWND owner, const char* topic) const
{
    if (HelpEngine && HelpEngine->Loaded())
        HelpEngine->DisplayTopic(owner, HelpFile + topic);
    else
        Inform(NoHelpMessage);
}

void TApplication::CloseHelp() const
{
    if (HelpEngine)
        HelpEngine->CloseAll();
}

void TApplication::Restart() const
{
    if (!MsgBox("Question",
                "You should restart your computer to finish the clean up process. Do you want to restart your "
                "computer now?",
                MB_ICONQUESTION))
        return;
    const bool nt = (GetVersion() & 0x80000000) == 0;
    const bool restarted = (!nt || EnableShutdownPrivilege()) && ExitWindowsEx(EWX_REBOOT, 0x00040000);
    if (!restarted)
        Inform("Unable to reboot Windows. Please try to do it manually");
}
