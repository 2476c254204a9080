// Drives the real Hushmark.exe of the install tree as a user would: finds its window and
// controls by name, clicks, reads the texts, and keeps screenshots.
#include "ui/MeterLevel.h"
#include "ui/SkinLayout.h"
#include "ui/TrayIcon.h"
#include "ui/Unit1.h"
#include "tests/ui/Driver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::string InitialStatus = "Click on \"Scan for Privacy\" to show your current privacy level";
const char* const Buttons[] = {"scan", "panic", "options", "scheduler", "help", "minim", "exit1", "About",
                               "privacy_meter"};

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A trace that the Windows temporary folder's issue removes, and panic mode with it.
std::string PlantTempTrace()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "hushmark-driver-trace.tmp";
    std::ofstream(path) << "planted by the UI driver";
    return path;
}

class MainWindow : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        DeleteFileA((Tree + "options.ini").c_str());
        ASSERT_TRUE(StartProgram(Process));
        Main = WaitForMainWindow();
        ASSERT_NE(Main, nullptr) << "the main window did not appear";
    }

    static void TearDownTestSuite() { StopProgram(Process, Main); }

    static HWND Control(const char* name) { return FindWindowExA(Main, nullptr, "HmImageButton", name); }

    static HWND Box(const char* title, int milliseconds = 10000)
    {
        return WaitForWindow(Process.dwProcessId, "#32770", title, milliseconds);
    }

    static HWND Popup(int milliseconds = 10000)
    {
        return WaitForWindow(Process.dwProcessId, "#32768", nullptr, milliseconds);
    }

    // The text of a pop-up menu's first entry, where another process may read it.
    static bool FirstEntry(HWND popup, std::string& text)
    {
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
        char entry[128] = {};
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_TYPE | MIIM_STATE;
        item.dwTypeData = entry;
        item.cch = sizeof entry;
        if (!menu)
            return false;
        if (GetMenuItemInfoA(menu, 0, TRUE, &item)) {
            text = entry;
            EXPECT_NE(item.fState & MFS_DEFAULT, 0u) << "the first entry is not the default";
        }
        return true;
    }

    static void Tray(UINT mouseMessage) { PostMessageA(Main, TTrayIcon::WM_TRAYICON, 1, mouseMessage); }

    static LRESULT HitTest(int x, int y)
    {
        POINT point = {x, y};
        ClientToScreen(Main, &point);
        return Send(Main, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    }

    static PROCESS_INFORMATION Process;
    static HWND Main;
};

PROCESS_INFORMATION MainWindow::Process{};
HWND MainWindow::Main = nullptr;

TEST_F(MainWindow, OpensCentredWithEveryControlNamed)
{
    EXPECT_TRUE(IsSkinned(Main, MainSkin::Width, MainSkin::Height));
    for (const char* name : Buttons) {
        SCOPED_TRACE(name);
        HWND control = Control(name);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(IsWindowVisible(control));
    }
    EXPECT_EQ(Text(GetDlgItem(Main, IDC_MAIN_STATUS)), InitialStatus);
    SaveScreenshot(Main, "main-before-scan");
}

TEST_F(MainWindow, DraggedByTheBackgroundOnly)
{
    EXPECT_EQ(HitTest(305, 250), HTCAPTION);  // between the meter card and the scan button
    EXPECT_EQ(HitTest(MainSkin::scan.Left + 10, MainSkin::scan.Top + 10), HTCLIENT);
    EXPECT_EQ(HitTest(MainSkin::exit1.Left + 5, MainSkin::exit1.Top + 5), HTCLIENT);
    EXPECT_EQ(HitTest(MainSkin::Status.Left + 20, MainSkin::Status.Top + 5), HTCLIENT);
}

TEST_F(MainWindow, HoverShowsTheButtonsPictureAndHint)
{
    HWND panic = Control("panic");
    HWND hint = GetDlgItem(Main, IDC_MAIN_HINT);
    PointAt(Main, 305, 250);
    const std::string line = Text(hint);
    const std::vector<char> idle = Pixels(panic);
    PointAt(panic, 20, 20);
    EXPECT_EQ(Text(hint), "Quickly delete ALL hidden risk information on your PC");
    EXPECT_NE(Pixels(panic), idle) << "no hover picture";
    SaveScreenshot(Main, "main-hover-panic");
    PointAt(Main, 305, 250);
    EXPECT_EQ(Text(hint), line);
    EXPECT_EQ(Pixels(panic), idle);
}

TEST_F(MainWindow, ScanMovesTheMeterAndTheStatusLine)
{
    HWND status = GetDlgItem(Main, IDC_MAIN_STATUS);
    Click(Control("scan"));
    std::string text = Text(status);
    for (int i = 0; i < 3000 && text == InitialStatus; ++i) {
        Sleep(100);
        text = Text(status);
    }
    const std::string levels[] = {MeterLevel(0).Status, MeterLevel(1).Status, MeterLevel(11).Status,
                                  MeterLevel(31).Status};
    EXPECT_NE(std::find(std::begin(levels), std::end(levels), text), std::end(levels)) << text;
    EXPECT_EQ(Text(GetDlgItem(Main, IDC_MAIN_HINT)), "Check found problems you want to solve and click \"Solve\"");
    Sleep(500);
    SaveScreenshot(Main, "main-after-scan");
}

TEST_F(MainWindow, PanicAnsweredNoLeavesEveryTraceAndAsksOnlyOnce)
{
    const std::string trace = PlantTempTrace();
    Click(Control("panic"));
    HWND box = Box("Panic mode");
    ASSERT_NE(box, nullptr) << "no panic question";
    EXPECT_EQ(DialogText(box), "Warning: you can loose your important information! Are sure you are in Panic?");
    // The hot-key poll calls panic mode again while the question is open.
    Click(Control("panic"));
    Sleep(1500);
    EXPECT_EQ(CountWindows(Process.dwProcessId, "#32770", "Panic mode"), 1);
    SaveScreenshot(box, "panic-question");
    PressDialogButton(box, IDNO);
    ASSERT_TRUE(Responds(Main, 30000));
    Sleep(1000);
    EXPECT_EQ(Box("Panic mode", 0), nullptr) << "a second panic question followed";
    EXPECT_TRUE(Exists(trace));
}

// Wine keeps a menu's entries in its own process, so the driver compares the first entry
// as the screen shows it, and reads it where the system lets it.
TEST_F(MainWindow, TrayMenuFirstEntryFollowsTheWindowAndTogglesIt)
{
    ASSERT_TRUE(IsWindowVisible(Main));
    SetCursorPos(900, 700);
    Tray(WM_RBUTTONUP);
    HWND popup = Popup();
    ASSERT_NE(popup, nullptr) << "the menu did not open";
    SaveScreenshot(popup, "tray-menu-shown");
    const std::vector<char> whileShown = Pixels(popup);
    std::string entry;
    EXPECT_TRUE(FirstEntry(popup, entry));
    if (!entry.empty()) {
        EXPECT_EQ(entry, "Hide Hushmark Ctrl+Shift+V");
    }
    // The default entry: the first one, chosen with the keyboard.
    PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(WaitUntil([] { return !IsWindowVisible(Main); })) << "the first entry did not hide the window";

    Tray(WM_RBUTTONUP);
    popup = Popup();
    ASSERT_NE(popup, nullptr) << "the menu did not open while the window was hidden";
    SaveScreenshot(popup, "tray-menu-hidden");
    EXPECT_NE(Pixels(popup), whileShown) << "the first entry reads the same while the window is hidden";
    entry.clear();
    FirstEntry(popup, entry);
    if (!entry.empty()) {
        EXPECT_EQ(entry, "Show Hushmark Ctrl+Shift+V");
    }
    PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([] { return !Popup(0); })) << "the menu did not close";
    Tray(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([] { return IsWindowVisible(Main) != FALSE; }));
}

TEST_F(MainWindow, MinimHidesIntoTheTrayAndTheIconBringsItBack)
{
    Click(Control("minim"));
    EXPECT_TRUE(WaitUntil([] { return !IsWindowVisible(Main); }));
    EXPECT_FALSE(IsIconic(Main));
    Tray(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([] { return IsWindowVisible(Main) != FALSE; }));
    Sleep(500);
    SaveScreenshot(Main, "main-shown-again");
}

TEST_F(MainWindow, HelpOpensTheHelpWindow)
{
    Click(Control("help"));
    HWND help = WaitForWindow(Process.dwProcessId, "HH Parent", nullptr, 30000);
    ASSERT_NE(help, nullptr) << "no help window";
    EXPECT_EQ(Text(help), "Hushmark Help");
    EXPECT_EQ(Box(nullptr, 0), nullptr) << "a message instead of the help";
    SaveScreenshot(help, "help-window");
    PostMessageA(help, WM_CLOSE, 0, 0);
    for (int i = 0; i < 100 && IsWindowVisible(help); ++i)
        Sleep(100);
    PostMessageA(Main, WM_KEYDOWN, VK_F1, 0);
    help = WaitForWindow(Process.dwProcessId, "HH Parent", nullptr, 30000);
    ASSERT_NE(help, nullptr) << "F1 opened no help window";
    PostMessageA(help, WM_CLOSE, 0, 0);
}

// The index.dat issue always asks for a restart, so a panic run over the whole catalogue
// ends with its message and then the question; No keeps the program (and Wine) running.
TEST_F(MainWindow, PanicAnsweredYesCleansAndOffersARestart)
{
    const std::string trace = PlantTempTrace();
    Click(Control("panic"));
    HWND box = Box("Panic mode");
    ASSERT_NE(box, nullptr) << "no panic question";
    PressDialogButton(box, IDYES);
    // Never silent: what was solved and what is left comes first.
    HWND finished = Box("Panic mode finished", 600000);
    ASSERT_NE(finished, nullptr) << "panic mode ended without its message";
    EXPECT_EQ(DialogText(finished).rfind("Solved ", 0), 0u) << DialogText(finished);
    SaveScreenshot(finished, "panic-finished");
    PressDialogButton(finished, IDOK);
    HWND question = Box("Question", 60000);
    ASSERT_NE(question, nullptr) << "no restart question";
    EXPECT_EQ(DialogText(question), "You should restart your computer to finish the clean up process. Do you want to "
                                 "restart your computer now?");
    SaveScreenshot(question, "restart-question");
    PressDialogButton(question, IDNO);
    EXPECT_TRUE(WaitUntil([] { return !Box("Question", 0); }));
    EXPECT_FALSE(Exists(trace));
    EXPECT_EQ(WaitForSingleObject(Process.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST_F(MainWindow, ExitEndsTheProgramAndSavesTheSettings)
{
    Click(Control("exit1"));
    ASSERT_EQ(WaitForSingleObject(Process.hProcess, 30000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(Process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_NE(GetFileAttributesA((Tree + "options.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Start-up under prepared settings and registry: one run of the program per case.
class StartUp : public testing::Test {
protected:
    static constexpr const char* RunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

    void TearDown() override
    {
        StopProgram(Process, Main);
        SetRunValue(nullptr);
        DeleteFileA((Tree + "options.ini").c_str());
    }

    static void WriteOptions(bool autorun, bool runMinim)
    {
        const std::string file = Tree + "options.ini";
        DeleteFileA(file.c_str());
        WritePrivateProfileStringA("options", "Autorun", autorun ? "1" : "0", file.c_str());
        WritePrivateProfileStringA("options", "RunMinim", runMinim ? "1" : "0", file.c_str());
    }

    static void SetRunValue(const char* value)
    {
        HKEY key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, RunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
            return;
        if (value)
            RegSetValueExA(key, "Hushmark", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                           static_cast<DWORD>(strlen(value) + 1));
        else
            RegDeleteValueA(key, "Hushmark");
        RegCloseKey(key);
    }

    // The value's text, or "(none)".
    static std::string RunValue()
    {
        char text[MAX_PATH] = {};
        DWORD size = sizeof text - 1;
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, RunKey, 0, KEY_READ, &key))
            return "(none)";
        const LONG result = RegQueryValueExA(key, "Hushmark", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
        RegCloseKey(key);
        return result == ERROR_SUCCESS ? text : "(none)";
    }

    // Starts the program and waits for its main window, shown or not.
    void Start()
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = "\"" + Tree + "Hushmark.exe\"";
        ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, Tree.c_str(),
                                   &startup, &Process));
        for (int i = 0; i < 600 && !Main; ++i) {
            Main = FindWindowA("THushmarkMain", "Hushmark");
            DWORD owner = 0;
            if (Main)
                GetWindowThreadProcessId(Main, &owner);
            if (owner != Process.dwProcessId) {
                Main = nullptr;
                Sleep(100);
            }
        }
        ASSERT_NE(Main, nullptr) << "no main window";
    }

    // The window shows at the end of start-up. (A message sent to it is no sign: the
    // program answers sent messages whenever it waits on a call into another process.)
    bool Shown() const
    {
        for (int i = 0; i < 600 && !IsWindowVisible(Main); ++i)
            Sleep(100);
        return IsWindowVisible(Main);
    }

    HWND Box(const char* title, int milliseconds = 10000) const
    {
        return WaitForWindow(Process.dwProcessId, "#32770", title, milliseconds);
    }

    PROCESS_INFORMATION Process{};
    HWND Main = nullptr;
};

TEST_F(StartUp, RunMinimisedWithAutorunShowsOnlyTheIconAndRegistersTheProgram)
{
    SetRunValue(nullptr);
    WriteOptions(true, true);
    Start();
    for (int i = 0; i < 600 && RunValue() == "(none)"; ++i)
        Sleep(100);
    EXPECT_EQ(RunValue(), Tree + "Hushmark.exe");
    Sleep(3000);
    EXPECT_FALSE(IsWindowVisible(Main));
    PostMessageA(Main, TTrayIcon::WM_TRAYICON, 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(Shown());
}

TEST_F(StartUp, AutorunKeepsAValueOfItsOwnNameAndClearingItRemovesIt)
{
    SetRunValue("C:\\Elsewhere\\hm.exe /quiet");
    WriteOptions(true, false);
    Start();
    ASSERT_TRUE(Shown());
    EXPECT_EQ(RunValue(), "C:\\Elsewhere\\hm.exe /quiet");
    PostMessageA(Main, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(Process.hProcess, 30000), WAIT_OBJECT_0);
    CloseHandle(Process.hThread);
    CloseHandle(Process.hProcess);
    Process = PROCESS_INFORMATION{};
    Main = nullptr;

    WriteOptions(false, false);
    Start();
    ASSERT_TRUE(Shown());
    EXPECT_EQ(RunValue(), "(none)");
}

// Started with the computer and hidden, the program must keep a saved schedule without
// the options window ever being opened.
TEST_F(StartUp, ASavedScheduleRunsFromStartUp)
{
    const std::string info = Tree + "info.ini";
    ASSERT_TRUE(WritePrivateProfileStringA("TTempFolder", "ScheduleSolve", "1", info.c_str()));
    WriteOptions(true, true);
    const std::string file = Tree + "options.ini";
    WritePrivateProfileStringA("options", "ScheduleWork", "1", file.c_str());
    for (const char* field : {"Minute", "Hour", "Day", "Month", "Year", "Weekday"})
        WritePrivateProfileStringA("options", field, "0", file.c_str());
    const std::string trace = PlantTempTrace();
    Start();
    bool cleaned = false;
    for (int i = 0; i < 1000 && !cleaned; ++i) {
        Sleep(100);
        cleaned = !Exists(trace);
    }
    WritePrivateProfileStringA("TTempFolder", "ScheduleSolve", nullptr, info.c_str());
    EXPECT_TRUE(cleaned) << "no scheduled clean-up within 100 seconds";
}

TEST_F(StartUp, EndOfTheSessionSavesTheSettings)
{
    WriteOptions(false, false);
    Start();
    ASSERT_TRUE(Shown());
    const std::string file = Tree + "options.ini";
    ASSERT_TRUE(DeleteFileA(file.c_str()));
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutA(Main, WM_ENDSESSION, TRUE, 0, SMTO_BLOCK, 30000, &result));
    EXPECT_TRUE(Exists(file));
}

// The control's registration pointed at a missing file for the length of one run.
class HelpControlMissing {
public:
    HelpControlMissing()
    {
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, Key, 0, KEY_ALL_ACCESS, &Handle))
            return;
        char path[MAX_PATH] = {};
        DWORD size = sizeof path - 1;
        if (RegQueryValueExA(Handle, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(path), &size) == 0)
            Saved = path;
        const char missing[] = "C:\\windows\\system32\\no-such-help-control.ocx";
        RegSetValueExA(Handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(missing), sizeof missing);
    }
    ~HelpControlMissing()
    {
        if (!Handle)
            return;
        if (!Saved.empty())
            RegSetValueExA(Handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(Saved.c_str()),
                           static_cast<DWORD>(Saved.size() + 1));
        RegCloseKey(Handle);
    }
    bool Ready() const { return Handle && !Saved.empty(); }

private:
    static constexpr const char* Key = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
    HKEY Handle = nullptr;
    std::string Saved;
};

TEST_F(StartUp, WithoutHtmlHelpSaysSoOnceAndEveryHelpRequestApologises)
{
    WriteOptions(false, false);
    {
        HelpControlMissing missing;
        ASSERT_TRUE(missing.Ready());
        Start();
        HWND box = Box("Hushmark", 60000);
        ASSERT_NE(box, nullptr) << "no message about HTML Help";
        EXPECT_EQ(DialogText(box), "HTML Help is not installed on this PC.");
        PressDialogButton(box, IDOK);
    }
    ASSERT_TRUE(Shown()) << "start-up did not go on";
    PostMessageA(Main, WM_KEYDOWN, VK_F1, 0);
    HWND sorry = Box("Hushmark");
    ASSERT_NE(sorry, nullptr) << "F1 showed nothing";
    EXPECT_EQ(DialogText(sorry).rfind("Sorry, but your system doesn't support HTMLHelp.\r", 0), 0u) << DialogText(sorry);
    SaveScreenshot(sorry, "no-html-help");
    PressDialogButton(sorry, IDOK);
    EXPECT_EQ(WaitForWindow(Process.dwProcessId, "HH Parent", nullptr, 1000), nullptr);
}

}  // namespace
