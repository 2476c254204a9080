// Drives the results window of the real Hushmark.exe over a known set of planted traces:
// the list after a scan, tick toggling, solving with and without the warning, solving
// the ticked entries from the pop-up menu, export through the save dialog, Clear List.
#include "tests/ui/Driver.h"
#include "tools/seeder/Seeder.h"
#include "ui/SkinLayout.h"
#include "ui/Unit1.h"
#include "ui/Unit4.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string Info = Tree + "info.ini";
const std::string Exports = "C:\\hushmark\\exports\\";
const std::string Header = "Hushmark exported problems list\r\n\r\n";

// Two risky issues (found unticked) and four ordinary ones.
const char* const Risky[] = {"TFavorites", "TAutoCompletePWDs"};
const char* const Ordinary[] = {"TCookies", "TRASAutoDial", "TRegistryStreams", "TNethoodCache"};

std::string TitleOf(const std::string& className)
{
    char text[512] = {};
    GetPrivateProfileStringA(className.c_str(), "Title", "", text, sizeof text, Info.c_str());
    return text;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every Info text of info.ini by its Title; a title may belong to several sections.
std::map<std::string, std::set<std::string>> InfosByTitle()
{
    std::map<std::string, std::set<std::string>> infos;
    std::istringstream lines(ReadFile(Info));
    std::string line, title, info;
    auto flush = [&] {
        if (!title.empty())
            infos[title].insert(info);
        title.clear();
        info.clear();
    };
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '[')
            flush();
        else if (line.compare(0, 6, "Title=") == 0)
            title = line.substr(6);
        else if (line.compare(0, 5, "Info=") == 0)
            info = line.substr(5);
    }
    flush();
    return infos;
}

class ResultsWindow : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RequireSandbox();
        CreateDirectoryA("C:\\hushmark", nullptr);
        CreateDirectoryA(Exports.c_str(), nullptr);
        // Fresh settings: no last scan, so that marks of earlier runs are reset by the scan.
        DeleteFileA((Tree + "options.ini").c_str());
        for (const char* name : Risky)
            Plant(*FindSeedPlan(name));
        for (const char* name : Ordinary)
            Plant(*FindSeedPlan(name));

        ASSERT_TRUE(StartProgram(Process));
        Main = WaitForMainWindow();
        ASSERT_NE(Main, nullptr) << "the main window did not appear";
        Results = FindWindowA("THushmarkResults", nullptr);
        ASSERT_NE(Results, nullptr);
        Output = FindWindowExA(Results, nullptr, "ListBox", "Output");
        ASSERT_NE(Output, nullptr);
        Status = GetDlgItem(Results, IDC_RESULTS_STATUS);

        // Away from every button, whose hover would cover the texts read below.
        SetCursorPos(0, 0);
        HWND status = GetDlgItem(Main, IDC_MAIN_STATUS);
        const std::string initial = Text(status);
        PostMessageA(FindWindowExA(Main, nullptr, "HmImageButton", "scan"), BM_CLICK, 0, 0);
        // The main window's status line changes when the scan has ended.
        const bool ended = WaitUntil([&] { return Text(status) != initial; }, 300000);
        if (!ended) {
            SaveScreenshot(GetDesktopWindow(), "results-scan-did-not-end");
            HWND box = Dialog(nullptr, 100);
            FAIL() << "the scan did not end; status \"" << Text(status) << "\""
                   << (box ? ", a dialog says: " + DialogText(box) : std::string());
        }
        Settle();
    }

    static void TearDownTestSuite() { StopProgram(Process, Main); }

    static int Rows() { return static_cast<int>(SendMessageA(Output, LB_GETCOUNT, 0, 0)); }

    static std::string Row(int index) { return ListText(Output, index); }

    static std::vector<std::string> Titles()
    {
        std::vector<std::string> titles;
        for (int i = 0; i < Rows(); ++i)
            titles.push_back(Row(i));
        return titles;
    }

    static int Find(const std::string& className)
    {
        const std::string title = TitleOf(className);
        for (int i = 0; i < Rows(); ++i)
            if (Row(i) == title)
                return i;
        return -1;
    }

    // The row scrolled into view; its rectangle in the list's client area.
    static RECT Show(int index)
    {
        SendMessageA(Output, LB_SETTOPINDEX, index, 0);
        RECT row = {0, 0, 0, 0};
        SendMessageA(Output, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&row));
        UpdateWindow(Output);
        Sleep(300);
        return row;
    }

    // The tick box of the row as the screen shows it.
    static std::vector<char> TickBox(int index)
    {
        const RECT row = Show(index);
        const int middle = (row.top + row.bottom) / 2;
        POINT corner = {row.left + 5, middle - 7};
        ClientToScreen(Output, &corner);
        const RECT box = {corner.x, corner.y, corner.x + 14, corner.y + 14};
        return Pixels(box, 32);
    }

    static bool Ticked(int index)
    {
        const std::vector<char> box = TickBox(index);
        EXPECT_TRUE(box == CheckedLook || box == UncheckedLook) << "row " << index << " shows no tick box";
        return box == CheckedLook;
    }

    // A left click at x in the row, as the mouse sends it.
    static void ClickRow(int index, int x)
    {
        const RECT row = Show(index);
        const LPARAM at = MAKELPARAM(x, (row.top + row.bottom) / 2);
        PostMessageA(Output, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(Output, WM_LBUTTONUP, 0, at);
        Settle();
    }

    // Every message posted so far has been handled.
    static void Settle()
    {
        Responds(Output, 10000);
        Responds(Results, 10000);
        Sleep(200);
    }

    static void Press(const char* button)
    {
        PostMessageA(FindWindowExA(Results, nullptr, "HmImageButton", button), BM_CLICK, 0, 0);
    }

    // A dialog of the program's (message box, save dialog), by caption when one is given.
    static HWND Dialog(const char* caption = nullptr, int milliseconds = 15000)
    {
        return Window("#32770", caption, milliseconds);
    }

    static HWND Window(const char* className, const char* caption, int milliseconds)
    {
        return WaitForWindow(Process.dwProcessId, className, caption, milliseconds);
    }

    static void Answer(HWND dialog, int button)
    {
        PressDialogButton(dialog, button);
        WaitUntil([&] { return !IsWindow(dialog); }, 10000);
        Settle();
    }

    // The pop-up menu of the list opened over the row, and its n-th entry chosen.
    static void Menu(int index, int entry)
    {
        const RECT row = Show(index);
        POINT at = {100, (row.top + row.bottom) / 2};
        PostMessageA(Output, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
        PostMessageA(Output, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        HWND menu = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            menu = FindWindowA("#32768", nullptr);
            return menu && IsWindowVisible(menu);
        }, 10000)) << "no pop-up menu";
        for (int i = 0; i < entry; ++i)
            PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
        WaitUntil([&] { return !IsWindowVisible(menu); }, 10000);
        Settle();
    }

    // Exports through the save dialog, the name typed without an extension.
    static void Export(const std::string& name)
    {
        Press("export1");
        HWND dialog = Dialog();
        ASSERT_NE(dialog, nullptr) << "no save dialog";
        HWND field = GetDlgItem(dialog, 0x47c);
        HWND edit = field ? FindWindowExA(field, nullptr, "Edit", nullptr) : nullptr;
        if (!edit)
            edit = field ? field : GetDlgItem(dialog, 0x480);
        ASSERT_NE(edit, nullptr) << "no file name field";
        const std::string path = Exports + name;
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 15000)) << "the save dialog stayed open";
        Settle();
    }

    static std::string StatusWanted(int found, int dangerous)
    {
        return "Found " + std::to_string(found) + " privacy leaks. " + std::to_string(dangerous) +
               " of them can be dangerous to solve.";
    }

    // The status line's count of what was found, without the counts of solving runs.
    static std::string FoundPart()
    {
        const std::string text = Text(Status);
        return text.substr(0, text.find(" Solved "));
    }

    static int Dangerous()
    {
        int count = 0;
        for (int i = 0; i < Rows(); ++i)
            count += Ticked(i) ? 0 : 1;
        return count;
    }

    static PROCESS_INFORMATION Process;
    static HWND Main, Results, Output, Status;
    static std::vector<char> CheckedLook, UncheckedLook;
    // What the tests before have left: the number of risky entries still listed.
    static int RiskyLeft;
};

PROCESS_INFORMATION ResultsWindow::Process{};
HWND ResultsWindow::Main = nullptr;
HWND ResultsWindow::Results = nullptr;
HWND ResultsWindow::Output = nullptr;
HWND ResultsWindow::Status = nullptr;
std::vector<char> ResultsWindow::CheckedLook, ResultsWindow::UncheckedLook;
int ResultsWindow::RiskyLeft = 0;

TEST_F(ResultsWindow, ShowsEveryFoundIssueWithTheStatusLine)
{
    ASSERT_TRUE(IsWindowVisible(Results));
    EXPECT_TRUE(IsSkinned(Results, ResultsSkin::Width, ResultsSkin::Height));
    RECT window, main;
    GetWindowRect(Results, &window);
    GetWindowRect(Main, &main);
    EXPECT_NEAR((window.left + window.right) / 2, (main.left + main.right) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, (main.top + main.bottom) / 2, 1);
    for (const char* name : {"solve_all", "solve", "export1", "exit1"}) {
        SCOPED_TRACE(name);
        HWND button = FindWindowExA(Results, nullptr, "HmImageButton", name);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(IsWindowVisible(button));
    }
    RECT list;
    GetWindowRect(Output, &list);
    MapWindowPoints(nullptr, Results, reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(list.left, ResultsSkin::Output.Left);
    EXPECT_EQ(list.top, ResultsSkin::Output.Top);
    EXPECT_EQ(list.right - list.left, ResultsSkin::Output.Width);
    EXPECT_EQ(list.bottom - list.top, ResultsSkin::Output.Height);
    // Background drags, the list does not.
    DWORD_PTR hit = 0;
    POINT corner = {30, 200};
    ClientToScreen(Results, &corner);
    SendMessageTimeoutA(Results, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y), SMTO_BLOCK, 10000, &hit);
    EXPECT_EQ(static_cast<LRESULT>(hit), HTCAPTION);

    // The risky entries come unticked, the others ticked: the two looks of the tick box.
    const int favorites = Find("TFavorites"), cookies = Find("TCookies");
    ASSERT_GE(favorites, 0);
    ASSERT_GE(cookies, 0);
    UncheckedLook = TickBox(favorites);
    CheckedLook = TickBox(cookies);
    ASSERT_NE(CheckedLook, UncheckedLook);
    for (const char* name : Risky) {
        SCOPED_TRACE(name);
        ASSERT_GE(Find(name), 0);
        EXPECT_FALSE(Ticked(Find(name)));
    }
    for (const char* name : Ordinary) {
        SCOPED_TRACE(name);
        ASSERT_GE(Find(name), 0);
        EXPECT_TRUE(Ticked(Find(name)));
    }
    const int rows = Rows();
    RiskyLeft = Dangerous();
    EXPECT_GE(RiskyLeft, 2);
    EXPECT_EQ(FoundPart(), StatusWanted(rows, RiskyLeft));
    Show(0);
    Sleep(300);
    SaveScreenshot(Results, "results-after-scan");
}

TEST_F(ResultsWindow, TickToggledByTheBoxOrASecondClick)
{
    const int row = Find("TRASAutoDial");
    ASSERT_GE(row, 0);
    ASSERT_TRUE(Ticked(row));
    ClickRow(row, 120);  // a first click only selects
    EXPECT_EQ(SendMessageA(Output, LB_GETCURSEL, 0, 0), row);
    EXPECT_TRUE(Ticked(row));
    ClickRow(row, 120);  // a second one on the same row toggles
    EXPECT_FALSE(Ticked(row));
    ClickRow(row, 11);  // the box column toggles at once
    EXPECT_TRUE(Ticked(row));

    const int other = Find("TRegistryStreams");
    ClickRow(other, 5);  // the box of another row, its first edge
    EXPECT_FALSE(Ticked(other));
    ClickRow(other, 17);  // ... and its last
    EXPECT_TRUE(Ticked(other));
    EXPECT_TRUE(Ticked(row));
    SaveScreenshot(Results, "results-selected");
}

TEST_F(ResultsWindow, ARiskyEntryAsksFirst)
{
    const int rows = Rows();
    int row = Find("TFavorites");
    ClickRow(row, 120);
    Press("solve");
    HWND warning = Dialog("Warning!");
    ASSERT_NE(warning, nullptr) << "no warning";
    EXPECT_EQ(DialogText(warning), "Are you sure to clean up privacy leaks in " + TitleOf("TFavorites") +
                                       "? It can contain some important information you may need.");
    SaveScreenshot(warning, "results-warning");
    Answer(warning, IDNO);
    EXPECT_EQ(Rows(), rows);
    EXPECT_GE(Find("TFavorites"), 0);
    EXPECT_TRUE(VerifyAllPresent(*FindSeedPlan("TFavorites")).empty());

    row = Find("TFavorites");
    ClickRow(row, 120);
    Press("solve");
    warning = Dialog("Warning!");
    ASSERT_NE(warning, nullptr) << "no warning the second time";
    Answer(warning, IDYES);
    ASSERT_TRUE(WaitUntil([&] { return Rows() == rows - 1; }, 30000));
    EXPECT_EQ(Find("TFavorites"), -1);
    for (const std::string& problem : Verify(*FindSeedPlan("TFavorites")))
        ADD_FAILURE() << problem;
    EXPECT_EQ(GetPrivateProfileIntA("TFavorites", "Solved", 0, Info.c_str()), 1);
    --RiskyLeft;
    EXPECT_EQ(FoundPart(), StatusWanted(rows - 1, RiskyLeft));
}

TEST_F(ResultsWindow, SolveAllFromTheMenuSolvesOnlyTheTicked)
{
    // Only two entries stay ticked; everything else is unticked first.
    for (int i = 0; i < Rows(); ++i) {
        const std::string title = Row(i);
        const bool keep = title == TitleOf("TRASAutoDial") || title == TitleOf("TRegistryStreams");
        if (Ticked(i) != keep)
            ClickRow(i, 10);
        ASSERT_EQ(Ticked(i), keep) << title;
    }
    const std::vector<std::string> before = Titles();
    Menu(0, 2);  // "Solve", "Solve All"
    // A question to restart would only come from an entry that was not ticked.
    EXPECT_EQ(Dialog("Question", 2000), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Rows() == static_cast<int>(before.size()) - 2; }, 60000));
    std::vector<std::string> want;
    for (const std::string& title : before)
        if (title != TitleOf("TRASAutoDial") && title != TitleOf("TRegistryStreams"))
            want.push_back(title);
    EXPECT_EQ(Titles(), want);
    for (const char* name : {"TRASAutoDial", "TRegistryStreams"}) {
        for (const std::string& problem : Verify(*FindSeedPlan(name)))
            ADD_FAILURE() << name << ": " << problem;
        EXPECT_EQ(GetPrivateProfileIntA(name, "Solved", 0, Info.c_str()), 1) << name;
    }
    // Unticked entries, risky or not, are left alone.
    for (const char* name : {"TCookies", "TAutoCompletePWDs"}) {
        EXPECT_GE(Find(name), 0) << name;
        EXPECT_TRUE(VerifyAllPresent(*FindSeedPlan(name)).empty()) << name;
        EXPECT_EQ(GetPrivateProfileIntA(name, "Solved", 0, Info.c_str()), 0) << name;
    }
    EXPECT_EQ(FoundPart(), StatusWanted(Rows(), RiskyLeft));
    SaveScreenshot(Results, "results-after-solve-all");
}

TEST_F(ResultsWindow, ARunningBrowserIsNamedBeforeItsEntriesAreSolved)
{
    const int rows = Rows();
    HANDLE browser = StartFakeBrowser("iexplore.exe");
    ASSERT_NE(browser, nullptr);
    const int row = Find("TCookies");
    ASSERT_GE(row, 0);
    ClickRow(row, 120);
    Press("solve");
    HWND question = Dialog("Browser running");
    EXPECT_NE(question, nullptr) << "no question while the browser runs";
    if (question) {
        EXPECT_EQ(DialogText(question).rfind("Internet Explorer is running.", 0), 0u) << DialogText(question);
        SaveScreenshot(question, "results-browser-running");
        Answer(question, IDNO);
    }
    TerminateProcess(browser, 0);
    WaitForSingleObject(browser, 10000);
    CloseHandle(browser);
    DeleteFileA("C:\\hushmark\\iexplore.exe");
    // No: nothing was solved.
    EXPECT_EQ(Rows(), rows);
    EXPECT_GE(Find("TCookies"), 0);
    EXPECT_TRUE(VerifyAllPresent(*FindSeedPlan("TCookies")).empty());
}

TEST_F(ResultsWindow, ADoubleClickSolvesTheEntry)
{
    const int rows = Rows();
    const int row = Find("TCookies");
    ASSERT_GE(row, 0);
    const RECT box = Show(row);
    const LPARAM at = MAKELPARAM(120, (box.top + box.bottom) / 2);
    PostMessageA(Output, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(Output, WM_LBUTTONUP, 0, at);
    PostMessageA(Output, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(Output, WM_LBUTTONUP, 0, at);
    ASSERT_TRUE(WaitUntil([&] { return Rows() == rows - 1; }, 30000));
    EXPECT_EQ(Find("TCookies"), -1);
    for (const std::string& problem : Verify(*FindSeedPlan("TCookies")))
        ADD_FAILURE() << problem;
    EXPECT_EQ(GetPrivateProfileIntA("TCookies", "Solved", 0, Info.c_str()), 1);
    EXPECT_EQ(FoundPart(), StatusWanted(rows - 1, RiskyLeft));
}

TEST_F(ResultsWindow, F1OpensTheHelp)
{
    PostMessageA(Output, WM_KEYDOWN, VK_F1, 0);
    HWND help = Window("HH Parent", nullptr, 30000);
    ASSERT_NE(help, nullptr) << "no help window";
    EXPECT_EQ(Dialog(nullptr, 0), nullptr) << "a message instead of the help";
    PostMessageA(help, WM_CLOSE, 0, 0);
    WaitUntil([&] { return !IsWindowVisible(help); }, 10000);
}

TEST_F(ResultsWindow, ExportWritesEveryEntryReplacingTheFile)
{
    {
        std::ofstream old(Exports + "problems.txt", std::ios::binary);
        old << std::string(5000, 'o');
    }
    Export("problems");
    const std::string text = ReadFile(Exports + "problems.txt");
    const std::map<std::string, std::set<std::string>> infos = InfosByTitle();
    // Each entry is its title, " -- ", one of the descriptions that title has, an empty line.
    ASSERT_EQ(text.compare(0, Header.size(), Header), 0) << text;
    size_t at = Header.size();
    for (const std::string& title : Titles()) {
        SCOPED_TRACE(title);
        const std::string lead = title + " -- ";
        ASSERT_EQ(text.compare(at, lead.size(), lead), 0) << text.substr(at, 200);
        at += lead.size();
        const size_t end = text.find("\r\n\r\n", at);
        ASSERT_NE(end, std::string::npos);
        ASSERT_TRUE(infos.count(title));
        EXPECT_TRUE(infos.at(title).count(text.substr(at, end - at))) << text.substr(at, end - at);
        at = end + 4;
    }
    EXPECT_EQ(at, text.size()) << "more than the entries";

    // A file held open without sharing cannot be replaced: the standard error box, and
    // the file as it was.
    const std::string locked = Exports + "locked.txt";
    {
        std::ofstream old(locked, std::ios::binary);
        old << "kept";
    }
    HANDLE held = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Export("locked");
    HWND error = Dialog("Hushmark");
    CloseHandle(held);
    ASSERT_NE(error, nullptr) << "no error box";
    EXPECT_NE(DialogText(error).find("Cannot create file"), std::string::npos) << DialogText(error);
    Answer(error, IDOK);
    EXPECT_EQ(ReadFile(locked), "kept");
}

TEST_F(ResultsWindow, ClearListEmptiesTheListOnly)
{
    const std::string status = Text(Status);
    const int rows = Rows();
    ASSERT_GT(rows, 0);
    Menu(0, 4);  // "Solve", "Solve All", "Export...", "Clear List": the separator is skipped
    ASSERT_TRUE(WaitUntil([] { return Rows() == 0; }, 10000));
    EXPECT_EQ(Text(Status), status);
    EXPECT_EQ(GetPrivateProfileIntA("TAutoCompletePWDs", "Solved", 0, Info.c_str()), 0);
    EXPECT_TRUE(VerifyAllPresent(*FindSeedPlan("TAutoCompletePWDs")).empty());
    Export("empty");
    EXPECT_EQ(ReadFile(Exports + "empty.txt"), Header);
    SaveScreenshot(Results, "results-cleared");
}

TEST_F(ResultsWindow, ASolvedEntryIsNotListedByTheNextScan)
{
    // The list is filled at the end of a scan, which also rewrites the status line.
    auto rescan = [] {
        SendMessageA(Status, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("-"));
        PostMessageA(FindWindowExA(Main, nullptr, "HmImageButton", "scan"), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([] { return Text(Status) != "-"; }, 300000)) << "the scan did not end";
        Settle();
    };
    rescan();
    const int row = Find("TAutoCompleteForms");  // found on every scan
    ASSERT_GE(row, 0);
    ClickRow(row, 120);
    Press("solve");
    HWND warning = Dialog("Warning!");
    ASSERT_NE(warning, nullptr);
    Answer(warning, IDYES);
    ASSERT_TRUE(WaitUntil([] { return Find("TAutoCompleteForms") == -1; }, 30000));
    ClickRow(0, 120);

    rescan();
    EXPECT_EQ(Find("TAutoCompleteForms"), -1);
    EXPECT_GE(Find("TAutoCompletePWDs"), 0);
    EXPECT_EQ(FoundPart(), StatusWanted(Rows(), Dangerous()));
    // The row clicked before the scan is a new entry now: a first click only selects it.
    const bool ticked = Ticked(0);
    ClickRow(0, 120);
    EXPECT_EQ(Ticked(0), ticked);
}

// A file held open without sharing by another program (this one) and a read-only file:
// the entry stays with what is left and why, until its traces can go.
TEST_F(ResultsWindow, APartlySolvedEntryStaysWithWhatIsLeft)
{
    const std::string nethood = ExpandPath("%NETHOOD%") + "\\";
    const std::string heldPath = nethood + "Held share.lnk", readOnly = nethood + "Share on server.lnk";
    std::ofstream(heldPath) << "link";
    HANDLE held = CreateFileA(heldPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    const int rows = Rows(), dangerous = Dangerous();
    int row = Find("TNethoodCache");
    ASSERT_GE(row, 0);
    ClickRow(row, 120);
    Press("solve");
    const bool counted = WaitUntil([] { return Text(Status).find(" partly solved 1.") != std::string::npos; }, 30000);
    EXPECT_TRUE(counted) << Text(Status);
    EXPECT_EQ(Text(Status), StatusWanted(rows, dangerous) + " Solved 0, partly solved 1.");
    EXPECT_EQ(Rows(), rows);
    row = Find("TNethoodCache");
    ASSERT_GE(row, 0) << "a partly solved entry left the list";
    EXPECT_EQ(GetPrivateProfileIntA("TNethoodCache", "Solved", 0, Info.c_str()), 0);
    // The line of what is left, drawn in its own colour.
    RECT box = Show(row);
    POINT corner = {box.left, box.top};
    ClientToScreen(Output, &corner);
    const RECT screen = {corner.x, corner.y, corner.x + box.right - box.left, corner.y + box.bottom - box.top};
    const std::vector<char> pixels = Pixels(screen, 32);
    bool red = false;
    for (size_t i = 0; i + 3 < pixels.size(); i += 4)
        red = red || (static_cast<unsigned char>(pixels[i + 2]) == 0xA0 && pixels[i + 1] == 0 && pixels[i] == 0);
    EXPECT_TRUE(red) << "no line of what is left";
    SaveScreenshot(Results, "results-partly-solved");
    EXPECT_NE(GetFileAttributesA(heldPath.c_str()), INVALID_FILE_ATTRIBUTES);

    // Once the file is free and writable, the next Solve takes the rest and the entry goes.
    CloseHandle(held);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    ClickRow(row, 120);
    Press("solve");
    ASSERT_TRUE(WaitUntil([] { return Find("TNethoodCache") == -1; }, 30000));
    EXPECT_EQ(Text(Status), StatusWanted(rows - 1, dangerous) + " Solved 1, partly solved 1.");
    EXPECT_EQ(GetPrivateProfileIntA("TNethoodCache", "Solved", 0, Info.c_str()), 1);
    EXPECT_EQ(GetFileAttributesA(heldPath.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ResultsWindow, ExitOnlyHides)
{
    Press("exit1");
    ASSERT_TRUE(WaitUntil([] { return !IsWindowVisible(Results); }, 10000));
    EXPECT_TRUE(IsWindow(Results));
    EXPECT_TRUE(IsWindowVisible(Main));
}

}  // namespace
