// Drives the options window, the hot keys and the schedule of the real Hushmark.exe.
// Keys come from the host: this program writes a request (an xdotool command line) into
// C:\hushmark\keys and the driver script types it on the sandbox's display.
#include "engine/KeyName.h"
#include "tests/ui/Driver.h"
#include "tools/seeder/Seeder.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string Keys = "C:\\hushmark\\keys\\";
// Two issues cleaned by the schedule, and a third left alone.
const char* const Ticked[] = {"TAOLDeskBar", "THTMLHelpWorkshop"};
const char* const Untouched = "TEditPadPro";

// The combination as the system names its keys ("Ctrl" on Windows, "Control" under Wine).
std::string Combination(std::initializer_list<int> codes)
{
    std::string text;
    for (int code : codes)
        text += (text.empty() ? "" : " + ") + KeyName(code);
    return text;
}

const std::string CtrlShiftP = Combination({17, 16, 'P'});
const std::string CtrlShiftX = Combination({17, 16, 'X'});

// Types on the host's side; false when the request was not served.
bool TypeKeys(const std::string& command)
{
    static int number = 0;
    const std::string n = std::to_string(++number) + "-" + std::to_string(GetCurrentProcessId());
    const std::string request = Keys + "request-" + n, done = Keys + "done-" + n + ".txt";
    std::ofstream(request + ".tmp") << command;
    MoveFileA((request + ".tmp").c_str(), (request + ".txt").c_str());
    const bool served =
        WaitUntil([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000);
    std::string rc;
    std::ifstream(done) >> rc;
    DeleteFileA(done.c_str());
    return served && rc == "0";
}

std::string Profile(const std::string& file, const char* section, const char* key)
{
    char value[512] = {};
    GetPrivateProfileStringA(section, key, "", value, sizeof value, (Tree + file).c_str());
    return value;
}

class OptionsWindow : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CreateDirectoryA("C:\\hushmark", nullptr);
        CreateDirectoryA(Keys.c_str(), nullptr);
        DeleteFileA((Tree + "options.ini").c_str());
        for (const char* name : {Ticked[0], Ticked[1], Untouched}) {
            const SeedPlan* plan = FindSeedPlan(name);
            ASSERT_NE(plan, nullptr) << name;
            Plant(*plan);
        }
        // Another program's window in a corner, away from the program's own windows.
        Driver = CreateWindowExA(0, "STATIC", "driver", WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, DriverSize,
                                 DriverSize, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(StartProgram(Process));
        Main = WaitForMainWindow();
        ASSERT_NE(Main, nullptr) << "the main window did not appear";
    }

    static void TearDownTestSuite()
    {
        if (Driver)
            DestroyWindow(Driver);
        StopProgram(Process, Main);
        for (const char* name : {Ticked[0], Ticked[1], Untouched})
            Unplant(*FindSeedPlan(name));
    }

    static HWND Window(const char* className, const char* title, int milliseconds = 10000)
    {
        return WaitForWindow(Process.dwProcessId, className, title, milliseconds);
    }

    // Opens the options window from one of the main window's buttons.
    static HWND Open(const char* button)
    {
        Click(FindWindowExA(Main, nullptr, "HmImageButton", button));
        Form = Window("THushmarkOptions", "Options");
        return Form;
    }

    static HWND Item(int id) { return GetDlgItem(Form, id); }

    static bool Closed()
    {
        return WaitUntil([] { return !IsWindowVisible(Form); }, 10000);
    }

    // What the program sees as keys comes from X: a window of the program must have the focus.
    static void Foreground(HWND window)
    {
        RECT box;
        GetWindowRect(window, &box);
        std::ostringstream click;
        click << "mousemove " << box.left + 300 << ' ' << box.top + 240 << " click 1";
        if (window == Main)
            TypeKeys(click.str());
        SetForegroundWindow(window);
        Pump(300);
    }

    static void TickScheduled(const char* className)
    {
        HWND list = Item(IDC_OPT_SCHEDULEDITEMS);
        const std::string title = Profile("info.ini", className, "Title");
        const LRESULT row = Send(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(title.c_str()));
        ASSERT_GE(row, 0) << title;
        Send(list, LB_SETTOPINDEX, static_cast<WPARAM>(row));
        const LRESULT top = Send(list, LB_GETTOPINDEX), height = Send(list, LB_GETITEMHEIGHT);
        const LPARAM point = MAKELPARAM(8, (row - top) * height + height / 2);
        PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageA(list, WM_LBUTTONUP, 0, point);
        EXPECT_TRUE(WaitUntil([&] { return (Send(list, LB_GETITEMDATA, row) & ScheduledTick) != 0; }, 5000))
            << title;
    }

    static std::vector<std::string> TickedRows()
    {
        std::vector<std::string> rows;
        HWND list = Item(IDC_OPT_SCHEDULEDITEMS);
        const LRESULT count = Send(list, LB_GETCOUNT);
        for (LRESULT row = 0; row < count; ++row)
            if (Send(list, LB_GETITEMDATA, row) & ScheduledTick)
                rows.push_back(std::to_string(row));
        return rows;
    }

    // The month list as the user changes it: the new position, then its change handler.
    static void Choose(int id, int index)
    {
        Send(Item(id), CB_SETCURSEL, index);
        Send(Form, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
    }

    static PROCESS_INFORMATION Process;
    static HWND Main, Form, Driver;
    static const int DriverSize = 120;
};

PROCESS_INFORMATION OptionsWindow::Process{};
HWND OptionsWindow::Main = nullptr;
HWND OptionsWindow::Form = nullptr;
HWND OptionsWindow::Driver = nullptr;

TEST_F(OptionsWindow, OpensCentredOnEachPageWithTheSettings)
{
    const struct {
        const char* Button;
        const char* Shot;
        int Page;
    } pages[] = {{"options", "options-general", 0}, {"scheduler", "options-scheduler", 1}, {"About", "options-about", 3}};
    for (const auto& page : pages) {
        SCOPED_TRACE(page.Button);
        ASSERT_NE(Open(page.Button), nullptr);
        EXPECT_FALSE(IsWindowEnabled(Main)) << "not modal";
        RECT client, form, main;
        GetClientRect(Form, &client);
        EXPECT_EQ(client.right, TOptionsForm::ClientWidth);
        EXPECT_EQ(client.bottom, TOptionsForm::ClientHeight);
        GetWindowRect(Form, &form);
        GetWindowRect(Main, &main);
        EXPECT_NEAR((form.left + form.right) / 2, (main.left + main.right) / 2, 1);
        EXPECT_NEAR((form.top + form.bottom) / 2, (main.top + main.bottom) / 2, 1);
        EXPECT_EQ(Send(Item(IDC_OPT_PAGES), TCM_GETCURSEL), page.Page);
        GUITHREADINFO focus{};
        focus.cbSize = sizeof focus;
        GetGUIThreadInfo(Process.dwThreadId, &focus);
        EXPECT_EQ(focus.hwndFocus, Item(IDOK)) << "OK has the focus first";
        EXPECT_EQ(IsWindowVisible(Item(IDC_OPT_RUNSTARTUP)) != FALSE, page.Page == 0);
        EXPECT_EQ(IsWindowVisible(Item(IDC_OPT_SCHEDULEDITEMS)) != FALSE, page.Page == 1);
        EXPECT_EQ(IsWindowVisible(Item(IDC_OPT_HYPERLABEL2)) != FALSE, page.Page == 3);
        EXPECT_FALSE(IsWindowVisible(Item(IDC_OPT_KEEPLIST)));
        Pump(300);
        SaveScreenshot(ClientBox(Form), page.Shot);
        PostMessageA(Item(IDCANCEL), BM_CLICK, 0, 0);
        ASSERT_TRUE(Closed());
        EXPECT_TRUE(IsWindowEnabled(Main));
    }
    // A fresh installation: defaults on the pages.
    Open("options");
    EXPECT_EQ(Send(Item(IDC_OPT_ASK), BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(Send(Item(IDC_OPT_RUNSTARTUP), BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(SentText(Item(IDC_OPT_PANICHOTKEY)), CtrlShiftP);
    EXPECT_EQ(SentText(Item(IDC_OPT_RUNMINIM)), "Run &minimized");
    EXPECT_EQ(SentText(Item(IDC_OPT_ASK)), "&Ask confirmation on \"Panic\"");
    EXPECT_EQ(Send(Item(IDC_OPT_MINUTE), CB_GETCURSEL), 1);
    EXPECT_EQ(Send(Item(IDC_OPT_MINUTE), CB_GETCOUNT), 61);
    EXPECT_EQ(Send(Item(IDC_OPT_HOUR), CB_GETCOUNT), 25);
    EXPECT_EQ(SentText(Item(IDC_OPT_YEAR)), "Every year");
    EXPECT_EQ(Send(Item(IDC_OPT_DAY), CB_GETCOUNT), 32);
    EXPECT_TRUE(TickedRows().empty());
    EXPECT_EQ(SentText(Item(IDC_OPT_HYPERLABEL2)), "Product infromation");
    PostMessageA(Item(IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed());
}

TEST_F(OptionsWindow, StatusBarShowsTheHintUnderTheMouseAndHelpFollowsThePage)
{
    Open("options");
    HWND status = Item(IDC_OPT_STATUS);
    const struct {
        int Id;
        const char* Hint;
    } controls[] = {{IDC_OPT_RUNSTARTUP, "Let Hushmark run on Windows startup"},
                    {IDC_OPT_PANICHOTKEY, "This hot key will activate Panic mode"},
                    {IDOK, "Save options and close this window"},
                    {IDC_OPT_HELP, "View help for the current page of Options dialog"}};
    for (const auto& control : controls) {
        RECT box;
        GetWindowRect(Item(control.Id), &box);
        SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
        EXPECT_TRUE(WaitUntil([&] { return SentText(status) == control.Hint; }, 3000)) << SentText(status);
    }
    PostMessageA(Item(IDC_OPT_HELP), BM_CLICK, 0, 0);
    HWND help = Window("HH Parent", "Hushmark Help", 30000);
    ASSERT_NE(help, nullptr) << "no help window";
    PostMessageA(help, WM_CLOSE, 0, 0);
    WaitUntil([&] { return !IsWindowVisible(help); }, 5000);
    EXPECT_TRUE(IsWindowVisible(Form));
    // F1 asks for the same help, seen by the window before its controls.
    Foreground(Form);
    ASSERT_TRUE(TypeKeys("key F1"));
    help = Window("HH Parent", "Hushmark Help", 30000);
    ASSERT_NE(help, nullptr) << "F1 opened no help window";
    PostMessageA(help, WM_CLOSE, 0, 0);
    WaitUntil([&] { return !IsWindowVisible(help); }, 5000);
    PostMessageA(Item(IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed());
}

TEST_F(OptionsWindow, DaysFollowMonthAndYearAndDayExcludesWeekday)
{
    Open("scheduler");
    HWND day = Item(IDC_OPT_DAY), weekday = Item(IDC_OPT_WEEKDAY), year = Item(IDC_OPT_YEAR);
    Send(year, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("2004"));
    Choose(IDC_OPT_MONTH, 2);
    EXPECT_EQ(Send(day, CB_GETCOUNT), 30);
    Send(year, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("2005"));
    Choose(IDC_OPT_MONTH, 2);
    EXPECT_EQ(Send(day, CB_GETCOUNT), 29);
    EXPECT_EQ(Send(day, CB_GETCURSEL), 0);
    // "Every year": this year decides.
    SYSTEMTIME now;
    GetLocalTime(&now);
    const bool leap = now.wYear % 4 == 0 && (now.wYear % 100 != 0 || now.wYear % 400 == 0);
    Send(year, CB_SETCURSEL, 0);
    Choose(IDC_OPT_MONTH, 2);
    EXPECT_EQ(Send(day, CB_GETCOUNT), leap ? 30 : 29);
    Send(year, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("2005"));

    Choose(IDC_OPT_DAY, 15);
    EXPECT_FALSE(IsWindowEnabled(weekday));
    EXPECT_EQ(Send(weekday, CB_GETCURSEL), 0);
    Choose(IDC_OPT_DAY, 0);
    EXPECT_TRUE(IsWindowEnabled(weekday));
    Choose(IDC_OPT_WEEKDAY, 1);
    EXPECT_FALSE(IsWindowEnabled(day));
    Choose(IDC_OPT_WEEKDAY, 0);
    EXPECT_TRUE(IsWindowEnabled(day));

    // Text that is no number: an error, and the day list stays as it was.
    Choose(IDC_OPT_DAY, 20);
    Send(year, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("20x4"));
    Send(Item(IDC_OPT_MONTH), CB_SETCURSEL, 4);
    PostMessageA(Form, WM_COMMAND, MAKEWPARAM(IDC_OPT_MONTH, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(IDC_OPT_MONTH)));
    HWND error = Window("#32770", "Hushmark");
    ASSERT_NE(error, nullptr);
    PostMessageA(error, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Send(day, CB_GETCOUNT), 29);
    EXPECT_EQ(Send(day, CB_GETCURSEL), 20);

    // OK refuses a year that is not four digits from 1900 to 9999, and keeps the window.
    for (const char* bad : {"999", "20a6", "1899"}) {
        SCOPED_TRACE(bad);
        Send(year, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(bad));
        PostMessageA(Item(IDOK), BM_CLICK, 0, 0);
        HWND refused = Window("#32770", "Error");
        ASSERT_NE(refused, nullptr);
        EXPECT_EQ(GetWindow(refused, GW_OWNER), nullptr);
        PostMessageA(refused, WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return !IsWindow(refused); }, 5000);
        EXPECT_TRUE(IsWindowVisible(Form));
    }
    PostMessageA(Item(IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed());
    EXPECT_NE(Profile("options.ini", "options", "Month"), "4");
}

TEST_F(OptionsWindow, SettingsRoundTripThroughOk)
{
    Open("scheduler");
    Send(Item(IDC_OPT_YEAR), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("9999"));
    Choose(IDC_OPT_MONTH, 12);
    Choose(IDC_OPT_DAY, 31);
    Choose(IDC_OPT_HOUR, 24);
    Choose(IDC_OPT_MINUTE, 60);
    PostMessageA(Item(IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Profile("options.ini", "options", "Year"), "9999");
    EXPECT_EQ(Profile("options.ini", "options", "Month"), "12");
    EXPECT_EQ(Profile("options.ini", "options", "Day"), "31");
    EXPECT_EQ(Profile("options.ini", "options", "Hour"), "24");
    EXPECT_EQ(Profile("options.ini", "options", "Minute"), "60");
    EXPECT_EQ(Profile("options.ini", "options", "Weekday"), "0");
    EXPECT_EQ(Profile("options.ini", "hotkeys", "Key2"), "80");

    Open("scheduler");
    EXPECT_EQ(SentText(Item(IDC_OPT_YEAR)), "9999");
    EXPECT_EQ(Send(Item(IDC_OPT_DAY), CB_GETCURSEL), 31);
    EXPECT_EQ(Send(Item(IDC_OPT_MINUTE), CB_GETCURSEL), 60);
    // 1900 is the first year OK takes; back to "every" for the tests after this one.
    Send(Item(IDC_OPT_YEAR), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1900"));
    PostMessageA(Item(IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Profile("options.ini", "options", "Year"), "1900");
    Open("scheduler");
    Send(Item(IDC_OPT_YEAR), CB_SETCURSEL, 0);
    Choose(IDC_OPT_MONTH, 0);
    Choose(IDC_OPT_DAY, 0);
    Choose(IDC_OPT_HOUR, 0);
    Choose(IDC_OPT_MINUTE, 1);
    PostMessageA(Item(IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Profile("options.ini", "options", "Year"), "0");
}

// The keep list as a user edits it: typed and picked sites, a refused entry, Cancel and OK.
TEST_F(OptionsWindow, CookiesToKeepRoundTripThroughThePage)
{
    const SeedPlan* cookies = FindSeedPlan("TCookies");
    ASSERT_NE(cookies, nullptr);
    Plant(*cookies);
    auto rows = [](int id) { return Send(Item(id), LB_GETCOUNT); };
    auto has = [](int id, const char* text) {
        return Send(Item(id), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text)) >= 0;
    };
    auto add = [](const char* text) {
        Send(Item(IDC_OPT_KEEPSITE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        Send(Item(IDC_OPT_KEEPADD), BM_CLICK);
    };
    auto openCookies = [&] {
        Open("options");
        // Setting the focus on a tab selects it as a click does, with its notifications.
        Send(Item(IDC_OPT_PAGES), TCM_SETCURFOCUS, PageCookies);
        EXPECT_TRUE(WaitUntil([] { return IsWindowVisible(Item(IDC_OPT_KEEPLIST)) != FALSE; }, 5000));
        EXPECT_FALSE(IsWindowVisible(Item(IDC_OPT_RUNSTARTUP)));
    };

    openCookies();
    EXPECT_EQ(rows(IDC_OPT_KEEPLIST), 0);
    EXPECT_TRUE(has(IDC_OPT_FOUNDSITES, "example.com"));
    EXPECT_TRUE(has(IDC_OPT_FOUNDSITES, "news.example"));
    add("  Bank.Example.ORG ");
    for (const char* bad : {"", ".", "com", "http://example.com/"})
        add(bad);
    EXPECT_NE(SentText(Item(IDC_OPT_STATUS)).find("is not a site name"), std::string::npos);
    add("bank.example.org");
    const LRESULT found = Send(Item(IDC_OPT_FOUNDSITES), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>("example.com"));
    Send(Item(IDC_OPT_FOUNDSITES), LB_SETCURSEL, static_cast<WPARAM>(found));
    Send(Item(IDC_OPT_KEEPFOUND), BM_CLICK);
    EXPECT_EQ(rows(IDC_OPT_KEEPLIST), 2);
    EXPECT_TRUE(has(IDC_OPT_KEEPLIST, "bank.example.org"));
    EXPECT_TRUE(has(IDC_OPT_KEEPLIST, "example.com"));
    Pump(300);
    SaveScreenshot(ClientBox(Form), "options-cookies");
    PostMessageA(Item(IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Profile("options.ini", "KeepCookies", "Site1"), "bank.example.org");
    EXPECT_EQ(Profile("options.ini", "KeepCookies", "Site2"), "example.com");

    // Removed and cancelled: nothing changes; removed and OK: gone from the file.
    for (bool ok : {false, true}) {
        openCookies();
        ASSERT_EQ(rows(IDC_OPT_KEEPLIST), 2);
        Send(Item(IDC_OPT_KEEPLIST), LB_SETCURSEL, 0);
        Send(Item(IDC_OPT_KEEPREMOVE), BM_CLICK);
        EXPECT_EQ(rows(IDC_OPT_KEEPLIST), 1);
        PostMessageA(Item(ok ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
        ASSERT_TRUE(Closed());
        EXPECT_EQ(Profile("options.ini", "KeepCookies", "Site1"), ok ? "example.com" : "bank.example.org");
        EXPECT_EQ(Profile("options.ini", "KeepCookies", "Site2"), ok ? "" : "example.com");
    }

    // Empty again for the tests after this one.
    openCookies();
    Send(Item(IDC_OPT_KEEPLIST), LB_SETCURSEL, 0);
    Send(Item(IDC_OPT_KEEPREMOVE), BM_CLICK);
    PostMessageA(Item(IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Profile("options.ini", "KeepCookies", "Site1"), "");
    Unplant(*cookies);
}

TEST_F(OptionsWindow, CapturedHotKeyCancelledAndThenKept)
{
    Open("options");
    HWND box = Item(IDC_OPT_PANICHOTKEY);
    Click(box);
    ASSERT_TRUE(WaitUntil([&] { return SentText(box).empty() && GetFocus() != nullptr; }, 5000) || SentText(box).empty());
    Foreground(Form);
    // The right Shift is kept as Shift; the modifiers come first whatever the order.
    ASSERT_TRUE(TypeKeys("keydown x keydown Shift_R keydown Control_L sleep 0.5 keyup Control_L keyup Shift_R keyup x"));
    EXPECT_TRUE(WaitUntil([&] { return SentText(box) == CtrlShiftX; }, 3000)) << SentText(box);
    SaveScreenshot(Form, "options-hotkey-captured");
    // Alt with a letter of a button (&Cancel) is captured, not pressed.
    Click(box);
    ASSERT_TRUE(TypeKeys("keydown Alt_L keydown c sleep 0.5 keyup c keyup Alt_L"));
    EXPECT_TRUE(WaitUntil([&] { return SentText(box) == Combination({18, 'C'}); }, 3000)) << SentText(box);
    EXPECT_TRUE(IsWindowVisible(Form));
    // Escape is Cancel, also from the box that captures keys.
    ASSERT_TRUE(TypeKeys("key Escape"));
    ASSERT_TRUE(Closed());

    Open("options");
    EXPECT_EQ(SentText(Item(IDC_OPT_PANICHOTKEY)), CtrlShiftP);
    Click(Item(IDC_OPT_PANICHOTKEY));
    Foreground(Form);
    ASSERT_TRUE(TypeKeys("keydown Control_L keydown Shift_L keydown x sleep 0.5 keyup x keyup Shift_L keyup Control_L"));
    EXPECT_TRUE(WaitUntil([&] { return SentText(Item(IDC_OPT_PANICHOTKEY)) == CtrlShiftX; }, 3000));
    PostMessageA(Item(IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Profile("options.ini", "hotkeys", "Key0"), "17");
    EXPECT_EQ(Profile("options.ini", "hotkeys", "Key1"), "16");
    EXPECT_EQ(Profile("options.ini", "hotkeys", "Key2"), "88");

    // Back to Ctrl + Shift + P for the panic test.
    Open("options");
    Click(Item(IDC_OPT_PANICHOTKEY));
    Foreground(Form);
    ASSERT_TRUE(TypeKeys("keydown Control_L keydown Shift_L keydown p sleep 0.5 keyup p keyup Shift_L keyup Control_L"));
    EXPECT_TRUE(WaitUntil([&] { return SentText(Item(IDC_OPT_PANICHOTKEY)) == CtrlShiftP; }, 3000));
    PostMessageA(Item(IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed());
}

TEST_F(OptionsWindow, PanicHotKeyAsksAndNoLeavesTheTraces)
{
    Foreground(Main);
    ASSERT_TRUE(TypeKeys("keydown Control_L keydown Shift_L keydown p"));
    HWND question = Window("#32770", "Panic mode");
    TypeKeys("keyup p keyup Shift_L keyup Control_L");
    ASSERT_NE(question, nullptr) << "no panic question";
    PostMessageA(GetDlgItem(question, IDNO), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(question); }, 5000));
    Pump(1000);
    EXPECT_EQ(Window("#32770", "Panic mode", 0), nullptr) << "asked twice";
    for (const char* name : {Ticked[0], Ticked[1], Untouched})
        EXPECT_TRUE(VerifyAllPresent(*FindSeedPlan(name)).empty()) << name;
}

TEST_F(OptionsWindow, PanicHotKeyDoesNothingWhileTheWindowIsOpen)
{
    Open("scheduler");
    Foreground(Form);
    ASSERT_TRUE(TypeKeys("keydown Control_L keydown Shift_L keydown p sleep 0.6 keyup p keyup Shift_L keyup Control_L"));
    EXPECT_EQ(Window("#32770", "Panic mode", 500), nullptr);
    PostMessageA(Item(IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed());
}

TEST_F(OptionsWindow, CtrlShiftVHidesAndShowsTheWindowWhileAnotherProgramHasTheKeys)
{
    // The keys go to the driver's own window; the program polls the system-wide state.
    // (Under Wine a key held while no window of it has the focus is not seen again, so
    // each toggle is a press of its own.)
    ASSERT_TRUE(IsWindowVisible(Main));
    ASSERT_TRUE(TypeKeys("mousemove 60 60 click 1"));
    Pump(300);
    ASSERT_TRUE(TypeKeys("keydown Control_L keydown Shift_L keydown v"));
    EXPECT_TRUE(WaitUntil([] { return !IsWindowVisible(Main); }, 3000)) << "not hidden";
    ASSERT_TRUE(TypeKeys("keyup v keyup Shift_L keyup Control_L"));
    for (int i = 0; i < 5 && !IsWindowVisible(Main); ++i) {
        TypeKeys("mousemove 60 60 click 1 sleep 0.3 keydown Control_L keydown Shift_L keydown v sleep 0.1 keyup v "
                 "keyup Shift_L keyup Control_L");
        WaitUntil([] { return IsWindowVisible(Main) != FALSE; }, 1000);
    }
    EXPECT_TRUE(IsWindowVisible(Main)) << "not shown again";
}

TEST_F(OptionsWindow, ScheduleEveryMinuteCleansExactlyTheTickedIssues)
{
    for (const char* name : {Ticked[0], Ticked[1], Untouched})
        ASSERT_TRUE(VerifyAllPresent(*FindSeedPlan(name)).empty()) << name;
    Open("scheduler");
    ASSERT_TRUE(TickedRows().empty());
    for (const char* name : Ticked)
        TickScheduled(name);
    EXPECT_EQ(TickedRows().size(), 2u);
    PostMessageA(Item(IDC_OPT_SCHEDULEWORK), BM_CLICK, 0, 0);
    Send(Item(IDC_OPT_MINUTE), CB_SETCURSEL, 0);
    Pump(200);
    SaveScreenshot(Form, "options-scheduler-every-minute");
    PostMessageA(Item(IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Profile("options.ini", "options", "ScheduleWork"), "1");
    EXPECT_EQ(Profile("options.ini", "options", "Minute"), "0");
    for (const char* name : Ticked)
        EXPECT_EQ(Profile("info.ini", name, "ScheduleSolve"), "1") << name;
    EXPECT_EQ(Profile("info.ini", Untouched, "ScheduleSolve"), "0");

    // The first tick comes a minute after the window closed.
    HWND hint = GetDlgItem(Main, IDC_MAIN_HINT);
    const bool cleaned = WaitUntil(
        [&] { return Verify(*FindSeedPlan(Ticked[0])).empty() && Verify(*FindSeedPlan(Ticked[1])).empty(); },
        80000);
    EXPECT_TRUE(cleaned);
    for (const char* name : Ticked)
        for (const std::string& line : Verify(*FindSeedPlan(name)))
            ADD_FAILURE() << name << ": " << line;
    // Never silent: the end of the run says what it solved (the balloon tells the rest).
    EXPECT_TRUE(WaitUntil([&] { return SentText(hint) == "Scheduled clean-up: 2 solved, 0 partly solved"; }, 10000))
        << SentText(hint);
    SaveScreenshot(Main, "options-after-scheduled-run");
    EXPECT_TRUE(VerifyAllPresent(*FindSeedPlan(Untouched)).empty());

    // Off again, so that nothing else runs by schedule.
    Open("scheduler");
    EXPECT_EQ(TickedRows().size(), 2u);
    EXPECT_EQ(Send(Item(IDC_OPT_SCHEDULEWORK), BM_GETCHECK), BST_CHECKED);
    PostMessageA(Item(IDC_OPT_SCHEDULEWORK), BM_CLICK, 0, 0);
    PostMessageA(Item(IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Profile("options.ini", "options", "ScheduleWork"), "0");
}

}  // namespace
