// Drives the real Hushmark.exe over planted traces of today's programs, cleaned by our
// own rules: the results list shows them after the catalogue with their category and
// its icon, a tick the user gives a rule outlives a restart, a rule with a warning asks
// with its own text (No keeps, Yes removes), Solve All and export take rules, and the
// scheduler's list holds rules and cleans a ticked one on schedule. A running browser is
// named before its rules are solved, and what a rule could not remove stays listed.
#include "tests/primitives/Helpers.h"
#include "tests/ui/Driver.h"
#include "tools/seeder/Seeder.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit4.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string Info = Tree + "info.ini";
const std::string Exports = "C:\\hushmark\\exports\\";
const char* const Catalogue = "TCookies";
// Rules of several categories; the two with a warning come unticked.
const char* const Rules[] = {"Google Chrome Cache *",   "Firefox Cache *",
                             "Discord Cache *",         "Steam Logs *",
                             "Windows Delivery Optimization Cache *", "Microsoft Teams (new) Cache *",
                             "Google Chrome Cookies *", "VLC Media Player Recent Media *"};
const std::string WarnedRule = "Google Chrome Cookies *";
const std::string ChromeWarning = "Deleting Chrome's cookies logs you out of every web site you stay logged in to.";

std::string Profile(const std::string& section, const char* key, const std::string& file = Info)
{
    char value[512] = {};
    GetPrivateProfileStringA(section.c_str(), key, "", value, sizeof value, file.c_str());
    return value;
}

std::string Title(const std::string& rule) { return rule.substr(0, rule.size() - 2); }

// The items of the plan the rule removes: its other items may belong to a sibling rule
// that was solved too.
SeedPlan Traces(const std::string& rule)
{
    SeedPlan traces = *FindSeedPlan(rule);
    traces.Items.clear();
    for (const TraceItem& item : FindSeedPlan(rule)->Items)
        if (item.Outcome != Expect::Kept)
            traces.Items.push_back(item);
    return traces;
}

std::vector<std::string> NotRemoved(const std::string& rule) { return Verify(Traces(rule)); }
std::vector<std::string> NotPresent(const std::string& rule) { return VerifyAllPresent(Traces(rule)); }

// What no rule of ours removes: the programs' logins, bookmarks, settings and games.
// (A planted profile also holds the traces of sibling rules, found and solved too.)
std::vector<std::string> NeighboursLost()
{
    std::set<std::string> removed;
    for (const SeedPlan& plan : RuleSeedPlans())
        for (const TraceItem& item : plan.Items)
            if (item.Outcome != Expect::Kept)
                removed.insert(item.Where + "|" + item.Name);
    SeedPlan kept;
    for (const char* rule : Rules)
        for (const TraceItem& item : FindSeedPlan(rule)->Items)
            if (item.Outcome == Expect::Kept && !removed.count(item.Where + "|" + item.Name))
                kept.Items.push_back(item);
    return Verify(kept);
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "\n  " + line;
    return text;
}

// A rule of our own over a cache holding a link to a folder elsewhere, and over a key
// with a subkey the user may not open: both stay, and say why.
const std::string LeftRule = "Hm Left Cache *";
const std::string LeftRuleFile = Tree + "rules\\hm-left.ini";
const std::string LeftKey = "Software\\HmUiLeft";

std::string LeftBase()
{
    return ExpandPath("%LOCALAPPDATA%\\HmUiLeft");
}

void ClearLeftRule()
{
    ClearLeftTraces(LeftBase(), LeftKey, LeftRuleFile);
}

void PlantLeftRule()
{
    ASSERT_TRUE(PlantLeftTraces(LeftBase(), LeftKey, LeftRuleFile, LeftRule, "%LocalAppData%\\HmUiLeft"));
}

class RulesWindows : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RequireSandbox();
        CreateDirectoryA("C:\\hushmark", nullptr);
        CreateDirectoryA(Exports.c_str(), nullptr);
        DeleteFileA((Tree + "options.ini").c_str());
        for (const char* rule : Rules) {
            WritePrivateProfileStringA(("Rule:" + std::string(rule)).c_str(), nullptr, nullptr, Info.c_str());
            ASSERT_NE(FindSeedPlan(rule), nullptr) << rule;
            Plant(*FindSeedPlan(rule));
        }
        Plant(*FindSeedPlan(Catalogue));
        PlantLeftRule();
        Start();
    }

    static void TearDownTestSuite()
    {
        StopProgram(Process, Main);
        for (const char* rule : Rules) {
            WritePrivateProfileStringA(("Rule:" + std::string(rule)).c_str(), nullptr, nullptr, Info.c_str());
            Unplant(*FindSeedPlan(rule));
        }
        Unplant(*FindSeedPlan(Catalogue));
        ClearLeftRule();
    }

    // The program started and a scan run, its results window shown.
    static void Start()
    {
        ASSERT_TRUE(StartProgram(Process));
        Main = WaitForMainWindow();
        ASSERT_NE(Main, nullptr) << "the main window did not appear";
        Results = FindWindowA("THushmarkResults", nullptr);
        ASSERT_NE(Results, nullptr);
        Output = FindWindowExA(Results, nullptr, "ListBox", "Output");
        ASSERT_NE(Output, nullptr);
        SetCursorPos(0, 0);
        HWND status = GetDlgItem(Main, IDC_MAIN_STATUS);
        const std::string initial = Text(status);
        PostMessageA(FindWindowExA(Main, nullptr, "HmImageButton", "scan"), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return Text(status) != initial; }, 300000)) << "the scan did not end";
        Settle();
    }

    static void Settle()
    {
        Responds(Output, 10000);
        Responds(Results, 10000);
        Sleep(200);
    }

    static int Rows() { return static_cast<int>(Send(Output, LB_GETCOUNT)); }

    static int Find(const std::string& text)
    {
        for (int i = 0; i < Rows(); ++i)
            if (ListText(Output, i) == text)
                return i;
        return -1;
    }

    static RECT Show(int index)
    {
        Send(Output, LB_SETTOPINDEX, index);
        RECT row = {0, 0, 0, 0};
        Send(Output, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&row));
        UpdateWindow(Output);
        Sleep(300);
        return row;
    }

    // A square of the row as the screen shows it, at (x, y) from the row's left and middle.
    static std::vector<char> Square(int index, int x, int y, int size)
    {
        const RECT row = Show(index);
        POINT corner = {row.left + x, (row.top + row.bottom) / 2 + y};
        ClientToScreen(Output, &corner);
        const RECT box = {corner.x, corner.y, corner.x + size, corner.y + size};
        return Pixels(box, 32);
    }
    static std::vector<char> Icon(int index) { return Square(index, 31, -18, 32); }
    static std::vector<char> TickBox(int index) { return Square(index, 5, -7, 14); }

    static void ClickTick(int index)
    {
        const RECT row = Show(index);
        const LPARAM at = MAKELPARAM(10, (row.top + row.bottom) / 2);
        PostMessageA(Output, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(Output, WM_LBUTTONUP, 0, at);
        Settle();
    }

    static HWND Dialog(const char* caption, int milliseconds = 15000)
    {
        return WaitForWindow(Process.dwProcessId, "#32770", caption, milliseconds);
    }

    static void Answer(HWND dialog, int button)
    {
        PressDialogButton(dialog, button);
        WaitUntil([&] { return !IsWindow(dialog); }, 10000);
        Settle();
    }

    static void Press(const char* button)
    {
        PostMessageA(FindWindowExA(Results, nullptr, "HmImageButton", button), BM_CLICK, 0, 0);
    }

    // The row of the rule: its title, after its category where the title lacks it.
    static std::string RowOf(const std::string& rule)
    {
        const std::string title = Title(rule);
        for (int i = 0; i < Rows(); ++i) {
            const std::string text = ListText(Output, i);
            const size_t colon = text.find(": ");
            if (text == title || (colon != std::string::npos && text.substr(colon + 2) == title))
                return text;
        }
        return "";
    }

    static PROCESS_INFORMATION Process;
    static HWND Main, Results, Output;
};

PROCESS_INFORMATION RulesWindows::Process{};
HWND RulesWindows::Main = nullptr;
HWND RulesWindows::Results = nullptr;
HWND RulesWindows::Output = nullptr;

TEST_F(RulesWindows, RulesFollowTheCatalogueWithTheirCategoryAndItsIcon)
{
    const int catalogue = Find(Profile(Catalogue, "Title"));
    ASSERT_GE(catalogue, 0);
    std::vector<int> rows;
    for (const char* rule : Rules) {
        SCOPED_TRACE(rule);
        const std::string text = RowOf(rule);
        ASSERT_FALSE(text.empty()) << "not listed";
        rows.push_back(Find(text));
        EXPECT_GT(rows.back(), catalogue);
    }
    EXPECT_EQ(Find("Google Chrome Cache"), rows[0]);
    EXPECT_EQ(Find("Games: Steam Logs"), rows[3]);
    EXPECT_EQ(Find("Windows Delivery Optimization Cache"), rows[4]);
    EXPECT_EQ(Find("Internet: Discord Cache"), rows[2]);
    // The privacy meter's count is the list's.
    EXPECT_EQ(Text(GetDlgItem(Results, IDC_RESULTS_STATUS)).find("Found " + std::to_string(Rows()) + " privacy leaks."),
              0u);

    // One icon per category: both browsers alike, every other category its own.
    EXPECT_EQ(Icon(rows[0]), Icon(rows[1]));
    const std::vector<std::vector<char>> icons = {Icon(rows[0]), Icon(rows[2]), Icon(rows[3]), Icon(rows[4]),
                                                  Icon(catalogue)};
    for (size_t i = 0; i < icons.size(); ++i)
        for (size_t j = i + 1; j < icons.size(); ++j)
            EXPECT_NE(icons[i], icons[j]) << "rows " << i << " and " << j << " share an icon";

    // Default=True ticks a rule; a warning leaves it unticked.
    const std::vector<char> ticked = TickBox(catalogue);
    EXPECT_EQ(TickBox(rows[0]), ticked);
    EXPECT_EQ(TickBox(rows[2]), ticked);
    EXPECT_NE(TickBox(rows[6]), ticked);
    EXPECT_NE(TickBox(rows[7]), ticked);
    // Long titles and descriptions, to be looked at: each fits its row.
    const char* const shots[] = {"delivery-optimization", "teams-new", "chrome-cookies"};
    for (int i = 0; i < 3; ++i) {
        Show(rows[4 + i]);
        SaveScreenshot(Results, std::string("rules-results-") + shots[i]);
    }
}

TEST_F(RulesWindows, TheUsersTickOfARuleOutlivesARestart)
{
    const int discord = Find(RowOf("Discord Cache *")), cookies = Find(RowOf(WarnedRule));
    ASSERT_GE(discord, 0);
    ASSERT_GE(cookies, 0);
    const std::vector<char> ticked = TickBox(discord);
    ClickTick(discord);
    ClickTick(cookies);
    EXPECT_NE(TickBox(discord), ticked);
    EXPECT_EQ(TickBox(cookies), ticked);
    EXPECT_EQ(Profile("Rule:Discord Cache *", "Ticked"), "0");
    EXPECT_EQ(Profile("Rule:" + WarnedRule, "Ticked"), "1");

    StopProgram(Process, Main);
    Process = PROCESS_INFORMATION{};
    Start();
    ASSERT_GE(Find(RowOf("Discord Cache *")), 0);
    EXPECT_NE(TickBox(Find(RowOf("Discord Cache *"))), ticked);
    EXPECT_EQ(TickBox(Find(RowOf(WarnedRule))), ticked);
    EXPECT_EQ(TickBox(Find(RowOf("Google Chrome Cache *"))), ticked);
}

TEST_F(RulesWindows, ARunningBrowserIsNamedBeforeItsRulesAreSolved)
{
    const std::string rule = "Google Chrome Cache *";
    HANDLE browser = StartFakeBrowser("chrome.exe");
    ASSERT_NE(browser, nullptr);
    const int row = Find(RowOf(rule));
    ASSERT_GE(row, 0);
    Send(Output, LB_SETCURSEL, row);
    Press("solve");
    HWND question = Dialog("Browser running");
    EXPECT_NE(question, nullptr) << "no question while the browser runs";
    if (question) {
        EXPECT_EQ(DialogText(question).rfind("Google Chrome is running.", 0), 0u) << DialogText(question);
        Responds(question, 5000);
        Pump(500);
        SaveScreenshot(question, "rules-browser-running");
        Answer(question, IDNO);
    }
    TerminateProcess(browser, 0);
    WaitForSingleObject(browser, 10000);
    CloseHandle(browser);
    DeleteFileA("C:\\hushmark\\chrome.exe");
    // No: nothing was solved.
    EXPECT_FALSE(RowOf(rule).empty());
    EXPECT_EQ(Joined(NotPresent(rule)), "");
}

TEST_F(RulesWindows, WhatARuleCouldNotRemoveStaysListedWithItsReason)
{
    const std::string status = Text(GetDlgItem(Results, IDC_RESULTS_STATUS));
    const int row = Find(RowOf(LeftRule));
    ASSERT_GE(row, 0) << "the rule is not listed";
    const int rows = Rows();
    Send(Output, LB_SETCURSEL, row);
    Press("solve");
    const bool counted = WaitUntil(
        [&] { return Text(GetDlgItem(Results, IDC_RESULTS_STATUS)).find(" partly solved 1.") != std::string::npos; }, 30000);
    EXPECT_TRUE(counted) << Text(GetDlgItem(Results, IDC_RESULTS_STATUS)) << " (was: " << status << ")";
    EXPECT_EQ(Rows(), rows);
    const int kept = Find(RowOf(LeftRule));
    ASSERT_GE(kept, 0) << "a partly solved rule left the list";
    EXPECT_EQ(Profile("Rule:" + LeftRule, "Solved"), "");
    // The line of what is left, drawn in its own colour.
    const RECT box = Show(kept);
    POINT corner = {box.left, box.top};
    ClientToScreen(Output, &corner);
    const std::vector<char> pixels =
        Pixels(RECT{corner.x, corner.y, corner.x + box.right - box.left, corner.y + box.bottom - box.top}, 32);
    bool red = false;
    for (size_t i = 0; i + 3 < pixels.size(); i += 4)
        red = red || (static_cast<unsigned char>(pixels[i + 2]) == 0xA0 && pixels[i + 1] == 0 && pixels[i] == 0);
    EXPECT_TRUE(red) << "no line of what is left";
    SaveScreenshot(Results, "rules-partly-solved");
    const std::string base = LeftBase();
    EXPECT_FALSE(FileThere(base + "\\Cache\\a.bin"));
    EXPECT_TRUE(FileThere(base + "\\Elsewhere\\kept.bin")) << "the link was entered";
}

TEST_F(RulesWindows, ExportAndSolveAllTakeRulesAndAWarningAsksWithItsOwnText)
{
    const std::string path = Exports + "rules.txt";
    DeleteFileA(path.c_str());
    Press("export1");
    HWND save = Dialog(nullptr);
    ASSERT_NE(save, nullptr) << "no save dialog";
    HWND field = GetDlgItem(save, 0x47c);
    HWND edit = field ? FindWindowExA(field, nullptr, "Edit", nullptr) : nullptr;
    if (!edit)
        edit = field ? field : GetDlgItem(save, 0x480);
    ASSERT_NE(edit, nullptr);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(GetDlgItem(save, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(save); }, 15000));
    Settle();
    std::ifstream in(path, std::ios::binary);
    std::stringstream exported;
    exported << in.rdbuf();
    EXPECT_NE(exported.str().find("\r\nGoogle Chrome Cache -- Deletes the folders Cache, Code Cache and "
                                  "GPUCache in %LocalAppData%\\Google\\Chrome\\User Data\\*"),
              std::string::npos)
        << exported.str().substr(0, 2000);
    EXPECT_NE(exported.str().find("Games: Steam Logs -- Deletes the files"), std::string::npos);

    // Solve All: the ticked rule with a warning asks with that warning; No keeps it.
    for (const char* rule : Rules)
        ASSERT_EQ(Joined(NotPresent(rule)), "") << rule;
    Press("solve_all");
    HWND box = Dialog("Warning!");
    ASSERT_NE(box, nullptr) << "no question for the rule with a warning";
    EXPECT_NE(DialogText(box).find(ChromeWarning), std::string::npos) << DialogText(box);
    EXPECT_NE(DialogText(box).find("Google Chrome Cookies"), std::string::npos) << DialogText(box);
    Responds(box, 5000);
    Pump(500);
    SaveScreenshot(box, "rules-warning");
    Answer(box, IDNO);
    ASSERT_TRUE(WaitUntil([&] { return RowOf("Google Chrome Cache *").empty() && Responds(Results, 1000); }, 60000));
    for (const char* rule : {"Discord Cache *", "VLC Media Player Recent Media *"})
        EXPECT_FALSE(RowOf(rule).empty()) << rule;
    EXPECT_EQ(Joined(NotPresent(WarnedRule)), "");
    EXPECT_EQ(Joined(NotPresent("Discord Cache *")), "") << "an unticked rule was solved";
    EXPECT_EQ(Joined(NotPresent("VLC Media Player Recent Media *")), "");
    for (const char* rule : {"Google Chrome Cache *", "Firefox Cache *", "Steam Logs *",
                             "Windows Delivery Optimization Cache *", "Microsoft Teams (new) Cache *"})
        EXPECT_EQ(Joined(NotRemoved(rule)), "") << rule;
    EXPECT_EQ(Profile("Rule:Google Chrome Cache *", "Solved"), "1");

    // Solve on the rule itself, Yes: its traces go, the logins and bookmarks stay.
    const int cookies = Find(RowOf(WarnedRule));
    ASSERT_GE(cookies, 0);
    Send(Output, LB_SETCURSEL, cookies);
    Press("solve");
    box = Dialog("Warning!");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(DialogText(box).find(ChromeWarning), std::string::npos) << DialogText(box);
    Answer(box, IDYES);
    EXPECT_TRUE(WaitUntil([&] { return NotRemoved(WarnedRule).empty(); }, 30000)) << Joined(NotRemoved(WarnedRule));
    EXPECT_EQ(Joined(NeighboursLost()), "");
    EXPECT_TRUE(RowOf(WarnedRule).empty());
}

TEST_F(RulesWindows, TheSchedulerListsRulesAfterTheCatalogueAndCleansATickedOne)
{
    PostMessageA(FindWindowExA(Main, nullptr, "HmImageButton", "scheduler"), BM_CLICK, 0, 0);
    HWND form = WaitForWindow(Process.dwProcessId, "THushmarkOptions", "Options", 10000);
    ASSERT_NE(form, nullptr);
    HWND list = GetDlgItem(form, IDC_OPT_SCHEDULEDITEMS);
    const LRESULT count = Send(list, LB_GETCOUNT);
    ASSERT_GE(count, 382 + 40);
    // Rows of the catalogue (index below 382) all come before the rules.
    LRESULT firstRule = -1;
    for (LRESULT row = 0; row < count; ++row) {
        const LPARAM index = Send(list, LB_GETITEMDATA, row) & ScheduledIndex;
        if (index >= 382 && firstRule < 0)
            firstRule = row;
        if (firstRule >= 0) {
            EXPECT_GE(index, 382) << "catalogue row " << row << " after the rules";
        }
    }
    EXPECT_EQ(firstRule, 382);
    // The rule with a warning can be scheduled: the user chose it.
    const std::string rule = "VLC Media Player Recent Media *";
    for (const std::string& text : {"Multimedia: " + Title(rule), "Other: " + Title(LeftRule)}) {
        const LRESULT row =
            Send(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
        ASSERT_GE(row, firstRule) << text;
        Send(list, LB_SETTOPINDEX, static_cast<WPARAM>(row));
        const LRESULT top = Send(list, LB_GETTOPINDEX), height = Send(list, LB_GETITEMHEIGHT);
        const LPARAM point = MAKELPARAM(8, (row - top) * height + height / 2);
        PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageA(list, WM_LBUTTONUP, 0, point);
        ASSERT_TRUE(WaitUntil([&] { return (Send(list, LB_GETITEMDATA, row) & ScheduledTick) != 0; }, 5000)) << text;
    }
    // A file of the rule held open without sharing, as a running program holds it.
    const std::string heldPath = LeftBase() + "\\Cache\\held.bin";
    MakeFile(heldPath);
    HANDLE held = CreateFileA(heldPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TTrayListener tray;
    ASSERT_TRUE(tray.Listening());
    PostMessageA(GetDlgItem(form, IDC_OPT_SCHEDULEWORK), BM_CLICK, 0, 0);
    Send(GetDlgItem(form, IDC_OPT_MINUTE), CB_SETCURSEL, 0);
    Pump(300);
    SaveScreenshot(form, "rules-scheduler");
    PostMessageA(GetDlgItem(form, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(form); }, 10000));
    EXPECT_EQ(Profile("Rule:" + rule, "ScheduleSolve"), "1");

    // Every minute: the first run comes within about a minute.
    EXPECT_TRUE(WaitUntil([&] { return NotRemoved(rule).empty(); }, 80000)) << Joined(NotRemoved(rule));
    // Never silent: the hints count what was only partly solved, the balloon says what is left.
    HWND hint = GetDlgItem(Main, IDC_MAIN_HINT);
    EXPECT_TRUE(WaitUntil([&] { return SentText(hint) == "Scheduled clean-up: 1 solved, 1 partly solved"; }, 20000))
        << SentText(hint);
    auto told = [&](const std::string& text) {
        for (const std::string& each : tray.Texts())
            if (each.find(text) != std::string::npos)
                return true;
        return false;
    };
    EXPECT_TRUE(WaitUntil([&] { return told("Scheduled clean-up: 1 solved, 1 partly solved"); }, 5000))
        << "the icon's hint" << Joined(tray.Texts());
    EXPECT_TRUE(WaitUntil([&] { return told("Solved 2 privacy leaks, 1 of them only partly. Still there:"); }, 5000))
        << "the balloon" << Joined(tray.Texts());
    EXPECT_TRUE(told("\n" + Title(LeftRule) + ": ")) << Joined(tray.Texts());
    EXPECT_TRUE(told("1 file in use")) << Joined(tray.Texts());
    SaveScreenshot(Main, "rules-after-scheduled-run");
    CloseHandle(held);
    EXPECT_EQ(Joined(NotPresent("Discord Cache *")), "") << "an unscheduled rule was cleaned";
    EXPECT_EQ(Joined(NeighboursLost()), "");

    PostMessageA(FindWindowExA(Main, nullptr, "HmImageButton", "scheduler"), BM_CLICK, 0, 0);
    form = WaitForWindow(Process.dwProcessId, "THushmarkOptions", "Options", 10000);
    ASSERT_NE(form, nullptr);
    PostMessageA(GetDlgItem(form, IDC_OPT_SCHEDULEWORK), BM_CLICK, 0, 0);
    PostMessageA(GetDlgItem(form, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(form); }, 10000));
    EXPECT_EQ(Profile("options", "ScheduleWork", Tree + "options.ini"), "0");
}

}  // namespace
