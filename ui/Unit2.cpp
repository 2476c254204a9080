#include "ui/Unit2.h"

#include "engine/KeyName.h"
#include "engine/Options.h"
#include "engine/Scanner.h"
#include "primitives/Errors.h"
#include "ui/Application.h"
#include "ui/Keyboard.h"
#include "ui/RuleRows.h"
#include "ui/Schedule.h"
#include "ui/SkinnedForm.h"

#include <Version.h>

#include <algorithm>
#include <commctrl.h>
#include <shellapi.h>

const char* const TOptionsForm::ClassName = "THushmarkOptions";
const char* const ProductAddress = "http://www.hushmark.example/hushmark.html";
const char* const SupportMail = "mailto:support@hushmark.example?subject=Hushmark";

namespace {

const char* const SiteAddress = "http://www.hushmark.example/";
const char* const SiteCaption = "www.hushmark.example";
const char* const EveryYear = "Every year";
const UINT_PTR KeyTimer = 1;
const int CheckWidth = 18;

const char* const Topics[] = {
    "::/Source\\Interface\\Options dialog\\General tab.htm",
    "::/Source\\Interface\\Options dialog\\Scheduler tab.htm",
    "::/Source\\Interface\\Options dialog\\Cookies to keep tab.htm",
    "::/Source\\Interface\\Options dialog\\About tab.htm",
};

const char* const AboutPanic =
    "Panic mode helps you to quickly (in several seconds) eliminate all private information that a malefactor, "
    "your chief, FBI, your wife (husband) can obtain from a lot of hidden places in your PC. When you click on "
    "Panic button in the main window of Hushmark or press a Panic hot key, all such information is immediately "
    "deleted. No one can recover it. Please note that your private documents and files are not deleted during "
    "this process. Hushmark deletes only hidden information which different applications collect and store. "
    "Warning: use Panic mode intelligently. It can cause some of your programs to work a bit unstable.";

const char* const AboutSchedule =
    "You can make Hushmark to check your privacy and automatically clean-up all found privacy leaks on a regular "
    "basis. To do this check Check my privacy according to this schedule, set the desired time interval below "
    "and select the desired checks to be done in the list in the right side if this window. Please notice, that "
    "Hushmark should be executed at the moment of sheduled check.";

const char* const Months[] = {"Every month", "January", "February", "March",     "April",   "May",     "June",
                              "July",        "August",  "September", "October", "November", "December"};
const char* const Weekdays[] = {"Every weekday", "Sunday",   "Monday", "Tuesday",
                                "Wednesday",     "Thursday", "Friday", "Saturday"};

std::string GetText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void AddString(HWND list, const std::string& text)
{
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int Selected(HWND list)
{
    return static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
}

void Select(HWND list, int index)
{
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool Checked(HWND box)
{
    return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Check(HWND box, bool checked)
{
    SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// A list position into its field; nothing selected keeps the stored value rather than
// turning -1 into 255.
void StorePosition(HWND list, uint8_t& field)
{
    const int index = Selected(list);
    if (index >= 0)
        field = static_cast<uint8_t>(index);
}

// Each row of the scheduled list keeps the index of its issue in the low bits of its data.
template <class Visit>
void ForEachScheduledRow(HWND items, const TIssueList& issues, Visit visit)
{
    const int rows = static_cast<int>(SendMessageA(items, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        const LPARAM data = SendMessageA(items, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
        const size_t index = static_cast<size_t>(data & ScheduledIndex);
        if (index < issues.size())
            visit(row, data, index, issues[index]->ClassName());
    }
}

// A day of the month and a day of the week exclude each other: choosing one clears and
// locks the other, and choosing "any" frees it again.
void LockPartner(HWND chosen, HWND partner)
{
    if (Selected(chosen) > 0) {
        Select(partner, 0);
        EnableWindow(partner, FALSE);
    } else {
        EnableWindow(partner, TRUE);
    }
}

}  // namespace

TOptionsForm::TOptionsForm(TApplication& app, TOptionsOwner& owner) : App(app), Owner(owner) {}

TOptionsForm::~TOptionsForm()
{
    for (HFONT font : {Font, BoldFont, NameFont})
        if (font)
            DeleteObject(font);
}

HWND TOptionsForm::AddControl(int page, const char* className, const char* text, DWORD style, int x, int y,
                              int width, int height, int id, const char* hint)
{
    HWND control = CreateWindowExA(0, className, text, WS_CHILD | style, x, y, width, height, Handle(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                   nullptr);
    if (!control)
        throw Exception(Format("Cannot create the control %d of the options window", id));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font), FALSE);
    if (page >= 0)
        Pages[page].push_back(control);
    else
        ShowWindow(control, SW_SHOW);
    if (hint)
        Hints.emplace_back(id, hint);
    return control;
}

void TOptionsForm::Create()
{
    RegisterWindowClass(ClassName, LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT frame = {0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    CreateHandle(ClassName, "Options", style, exStyle, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 nullptr, 0);
    // Owned by the main window, as the caller of its modal loop.
    SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(Owner.OwnerHandle()));
    Font = MakeFont(-11, FW_NORMAL, "Tahoma");
    BoldFont = MakeFont(-11, FW_BOLD, "Tahoma");
    NameFont = MakeFont(-20, FW_BOLD, "Tahoma");

    const DWORD tab = WS_TABSTOP;
    HWND pages = AddControl(-1, WC_TABCONTROLA, "", WS_CLIPSIBLINGS | tab, PageFrame.left, PageFrame.top,
                            PageFrame.right - PageFrame.left, PageFrame.bottom - PageFrame.top, IDC_OPT_PAGES);
    const char* const names[] = {"General", "Scheduler", "Cookies to keep", "About"};
    for (int i = 0; i < PageCount; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(names[i]);
        SendMessageA(pages, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    // The tab control is only the strip of tabs; the form draws the page's frame, so that
    // the page has the colour of the labels and boxes lying on it.
    RECT strip = {};
    SendMessageA(pages, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&strip));
    SetWindowPos(pages, nullptr, 0, 0, PageFrame.right - PageFrame.left, strip.bottom + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PageTop = PageFrame.top + strip.bottom;

    // General
    AddControl(0, "BUTTON", "Startup options", BS_GROUPBOX, 16, 34, 222, 76, IDC_OPT_STARTUP_GROUP);
    AddControl(0, "BUTTON", "Run on Windows &startup", BS_AUTOCHECKBOX | tab, 28, 54, 200, 20, IDC_OPT_RUNSTARTUP,
               "Let Hushmark run on Windows startup");
    AddControl(0, "BUTTON", "Run &minimized", BS_AUTOCHECKBOX | tab, 28, 78, 200, 20, IDC_OPT_RUNMINIM,
               "Make Hushmark run minimized into system tray");
    AddControl(0, "BUTTON", "Panic options", BS_GROUPBOX, 16, 116, 222, 140, IDC_OPT_PANIC_GROUP);
    AddControl(0, "BUTTON", "&Ask confirmation on \"Panic\"", BS_AUTOCHECKBOX | tab, 28, 136, 200, 20, IDC_OPT_ASK,
               "If checked a confirmation on Panic Mode activation will appear");
    AddControl(0, "STATIC", "Panic hot-key", SS_LEFT, 28, 166, 120, 16, IDC_OPT_HOTKEY_LABEL);
    Subclass(AddControl(0, "EDIT", "", ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | tab, 28, 184, 198, 22,
                        IDC_OPT_PANICHOTKEY, "This hot key will activate Panic mode"));
    AddControl(0, "BUTTON", "About Panic mode", BS_GROUPBOX, 246, 34, 280, 222, IDC_OPT_ABOUT_PANIC_GROUP);
    AddControl(0, "STATIC", AboutPanic, SS_LEFT, 258, 52, 260, 200, IDC_OPT_ABOUT_PANIC_TEXT);

    // Scheduler
    AddControl(1, "BUTTON", "Check my privacy according to this schedule", BS_AUTOCHECKBOX | tab, 16, 32, 306, 20,
               IDC_OPT_SCHEDULEWORK, "Check to enable privacy clean ups on this schedule");
    AddControl(1, "STATIC", AboutSchedule, SS_LEFT, 16, 56, 306, 130, IDC_OPT_SCHEDULE_TEXT);
    const DWORD list = CBS_DROPDOWNLIST | WS_VSCROLL | tab;
    AddControl(1, "STATIC", "Minute", SS_LEFT, 16, 193, 42, 16, IDC_OPT_MINUTE_LABEL);
    AddControl(1, "COMBOBOX", "", list, 58, 190, 96, 220, IDC_OPT_MINUTE, "Specify minute of scheduled time");
    AddControl(1, "STATIC", "Hour", SS_LEFT, 158, 193, 54, 16, IDC_OPT_HOUR_LABEL);
    AddControl(1, "COMBOBOX", "", list, 214, 190, 108, 220, IDC_OPT_HOUR, "Specify hour of scheduled time");
    AddControl(1, "STATIC", "Day", SS_LEFT, 16, 217, 42, 16, IDC_OPT_DAY_LABEL);
    AddControl(1, "COMBOBOX", "", list, 58, 214, 96, 220, IDC_OPT_DAY, "Specify day of scheduled date");
    AddControl(1, "STATIC", "Month", SS_LEFT, 158, 217, 54, 16, IDC_OPT_MONTH_LABEL);
    AddControl(1, "COMBOBOX", "", list, 214, 214, 108, 220, IDC_OPT_MONTH, "Specify month of scheduled date");
    AddControl(1, "STATIC", "Year", SS_LEFT, 16, 241, 42, 16, IDC_OPT_YEAR_LABEL);
    AddControl(1, "COMBOBOX", "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | tab, 58, 238, 96, 120, IDC_OPT_YEAR,
               "Specify year of scheduled date");
    AddControl(1, "STATIC", "Weekday", SS_LEFT, 158, 241, 54, 16, IDC_OPT_WEEKDAY_LABEL);
    AddControl(1, "COMBOBOX", "", list, 214, 238, 108, 220, IDC_OPT_WEEKDAY, "Specify weekday of scheduled date");
    Subclass(AddControl(1, "LISTBOX", "",
                        LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                            WS_VSCROLL | WS_BORDER | tab,
                        330, 32, 196, 224, IDC_OPT_SCHEDULEDITEMS,
                        "Specify the checks to be done according to the schedule"));

    CreateCookiesPage();

    // About
    AddControl(PageAbout, "STATIC", "", SS_OWNERDRAW, 24, 44, 96, 96, IDC_OPT_PICTURE);
    AddControl(PageAbout, "STATIC", "Hushmark", SS_LEFT, 140, 44, 300, 26, IDC_OPT_NAME);
    AddControl(PageAbout, "STATIC", "Version " HUSHMARK_VERSION, SS_LEFT, 140, 76, 300, 16, IDC_OPT_VERSION);
    AddControl(PageAbout, "STATIC", "Hushmark is a powerful privacy cleaning tool.", SS_LEFT, 140, 96, 360, 16,
               IDC_OPT_DESCRIPTION);
    AddControl(PageAbout, "STATIC", SiteCaption, SS_LEFT | SS_NOTIFY, 140, 132, 250, 16, IDC_OPT_HYPERLABEL1);
    AddControl(PageAbout, "STATIC", "Product infromation", SS_LEFT | SS_NOTIFY, 140, 154, 250, 16, IDC_OPT_HYPERLABEL2);
    AddControl(PageAbout, "STATIC", "Support", SS_LEFT | SS_NOTIFY, 140, 176, 250, 16, IDC_OPT_HYPERLABEL3);

    AddControl(-1, "BUTTON", "&OK", BS_DEFPUSHBUTTON | tab, 296, ButtonsBottom - 23, 75, 23, IDOK,
               "Save options and close this window");
    AddControl(-1, "BUTTON", "&Cancel", BS_PUSHBUTTON | tab, 377, ButtonsBottom - 23, 75, 23, IDCANCEL,
               "Exit this window without saving options");
    AddControl(-1, "BUTTON", "&Help", BS_PUSHBUTTON | tab, 458, ButtonsBottom - 23, 75, 23, IDC_OPT_HELP,
               "View help for the current page of Options dialog");
    HWND status = AddControl(-1, STATUSCLASSNAMEA, "", CCS_BOTTOM | SBARS_TOOLTIPS, 0, 0, 0, 0, IDC_OPT_STATUS);
    // The bar takes a height of its own from the system's metrics, which grow with the
    // dots per inch (at 150% it covered the lower part of the buttons): there it is made
    // again, as high as the room below the buttons.
    RECT bar;
    GetWindowRect(status, &bar);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&bar), 2);
    if (bar.top < ButtonsBottom) {
        DestroyWindow(status);
        AddControl(-1, STATUSCLASSNAMEA, "", CCS_BOTTOM | CCS_NORESIZE | SBARS_TOOLTIPS, 0, ButtonsBottom,
                   ClientWidth, ClientHeight - ButtonsBottom, IDC_OPT_STATUS);
    }

    // The page frame lies under every control; the group frames under the controls they hold.
    for (int id : {IDC_OPT_STARTUP_GROUP, IDC_OPT_PANIC_GROUP, IDC_OPT_ABOUT_PANIC_GROUP, IDC_OPT_PAGES})
        SetWindowPos(Item(id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FormCreate();
    SelectPage(PageGeneral);
}

void TOptionsForm::FormCreate()
{
    HWND minute = Item(IDC_OPT_MINUTE), hour = Item(IDC_OPT_HOUR);
    AddString(minute, "Every minute");
    for (int i = 0; i < 60; ++i)
        AddString(minute, std::to_string(i));
    AddString(hour, "Every hour");
    for (int i = 0; i < 24; ++i)
        AddString(hour, std::to_string(i));
    for (const char* month : Months)
        AddString(Item(IDC_OPT_MONTH), month);
    for (const char* weekday : Weekdays)
        AddString(Item(IDC_OPT_WEEKDAY), weekday);
    AddString(Item(IDC_OPT_YEAR), EveryYear);
    ResetDaysCount(31);

    HWND items = Item(IDC_OPT_SCHEDULEDITEMS);
    const TIssueList& issues = App.Scanner().AllIssues;
    // The catalogue in the list's order of titles; the rules after it, in the order of
    // their files (an inserted row is not sorted).
    for (size_t i = 0; i < issues.size() && static_cast<LPARAM>(i) <= ScheduledIndex; ++i) {
        const bool rule = !RowCategory(*issues[i]).empty();
        const std::string title = RowFullTitle(App.Scanner(), *issues[i]);
        const LRESULT row = SendMessageA(items, rule ? LB_INSERTSTRING : LB_ADDSTRING, rule ? static_cast<WPARAM>(-1) : 0,
                                         reinterpret_cast<LPARAM>(title.c_str()));
        if (row >= 0)
            SendMessageA(items, LB_SETITEMDATA, static_cast<WPARAM>(row), static_cast<LPARAM>(i));
    }
    for (int id : {IDC_OPT_HYPERLABEL1, IDC_OPT_HYPERLABEL2, IDC_OPT_HYPERLABEL3})
        SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont), FALSE);
    SendMessageA(Item(IDC_OPT_NAME), WM_SETFONT, reinterpret_cast<WPARAM>(NameFont), FALSE);
}

void TOptionsForm::SelectPage(int page)
{
    SendMessageA(Item(IDC_OPT_PAGES), TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    for (int i = 0; i < PageCount; ++i)
        for (HWND control : Pages[i])
            ShowWindow(control, i == page ? SW_SHOW : SW_HIDE);
}

int TOptionsForm::ActivePage() const
{
    const int page = static_cast<int>(SendMessageA(Item(IDC_OPT_PAGES), TCM_GETCURSEL, 0, 0));
    return page >= 0 && page < PageCount ? page : 0;
}

void TOptionsForm::ShowModal(TOptionsPage page)
{
    if (Open) {
        SelectPage(page);
        SetForegroundWindow(Handle());
        return;
    }
    SelectPage(page);
    FormShow();
    HWND owner = Owner.OwnerHandle();
    RECT main, box;
    GetWindowRect(owner, &main);
    GetWindowRect(Handle(), &box);
    const POINT corner = CentredIn(main, box.right - box.left, box.bottom - box.top);
    SetWindowPos(Handle(), HWND_TOP, corner.x, corner.y, 0, 0, SWP_NOSIZE);
    Open = true;
    Closing = false;
    EnableWindow(owner, FALSE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    SetFocus(Item(IDOK));
    MSG message;
    while (!Closing && Handle()) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program ends: the main loop must see the quit request too.
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (message.message == WM_MOUSEMOVE)
            ShowControlHint(message.hwnd);
        if (FormKeyDown(message) || IsDialogMessageA(Handle(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // Closed by the end of the program rather than by a button: as Cancel, so that keys
    // captured meanwhile are not saved at exit.
    if (!Closing)
        App.OptionsBackup().CopyOptions(App.Options());
    // The owner first, so that activation returns to it rather than to another program.
    EnableWindow(owner, TRUE);
    if (Handle())
        ShowWindow(Handle(), SW_HIDE);
    Open = false;
    FormHide();
}

void TOptionsForm::Close()
{
    Closing = true;
    // Wakes the modal loop when the close came from outside a message of this thread's queue.
    PostMessageA(Handle(), WM_NULL, 0, 0);
}

void TOptionsForm::FormShow()
{
    const TOptions& options = App.Options();
    ResetDaysCount(options.Month != 0 ? DaysInMonth(options.Month, options.Year) : 31);
    SetOptionsToGUI();
    SetTimer(Handle(), KeyTimer, 100, nullptr);
    Owner.PauseTimers(true);
    App.Options().CopyOptions(App.OptionsBackup());
    SetStatusHint("");
}

void TOptionsForm::FormHide()
{
    if (Handle())
        KillTimer(Handle(), KeyTimer);
    Owner.PauseTimers(false);
}

void TOptionsForm::SetOptionsToGUI()
{
    const TOptions& options = App.Options();
    Check(Item(IDC_OPT_RUNSTARTUP), options.Autorun);
    Check(Item(IDC_OPT_RUNMINIM), options.RunMinim);
    Check(Item(IDC_OPT_ASK), options.AskPanic);
    Check(Item(IDC_OPT_SCHEDULEWORK), options.ScheduleWork);
    ShowHotKeyText();
    HWND items = Item(IDC_OPT_SCHEDULEDITEMS);
    ForEachScheduledRow(items, App.Scanner().AllIssues,
                        [&](int row, LPARAM, size_t index, const char* className) {
                            const bool ticked = App.Scanner().GetScheduleSolve(className);
                            SendMessageA(items, LB_SETITEMDATA, static_cast<WPARAM>(row),
                                         static_cast<LPARAM>(index) | (ticked ? ScheduledTick : 0));
                        });
    InvalidateRect(items, nullptr, TRUE);
    Select(Item(IDC_OPT_MINUTE), options.Minute);
    Select(Item(IDC_OPT_HOUR), options.Hour);
    Select(Item(IDC_OPT_MONTH), options.Month);
    Select(Item(IDC_OPT_DAY), options.Day);
    if (options.Year != 0)
        SetWindowTextA(Item(IDC_OPT_YEAR), std::to_string(options.Year).c_str());
    else
        Select(Item(IDC_OPT_YEAR), 0);
    Select(Item(IDC_OPT_WEEKDAY), options.Weekday);
    KeepSitesToGUI();
}

void TOptionsForm::GetOptionsFromGUI()
{
    TOptions& options = App.Options();
    options.Autorun = Checked(Item(IDC_OPT_RUNSTARTUP));
    options.RunMinim = Checked(Item(IDC_OPT_RUNMINIM));
    options.AskPanic = Checked(Item(IDC_OPT_ASK));
    options.ScheduleWork = Checked(Item(IDC_OPT_SCHEDULEWORK));
    ForEachScheduledRow(Item(IDC_OPT_SCHEDULEDITEMS), App.Scanner().AllIssues,
                        [&](int, LPARAM data, size_t, const char* className) {
                            App.Scanner().SetScheduleSolve(className, (data & ScheduledTick) != 0);
                        });
    StorePosition(Item(IDC_OPT_MINUTE), options.Minute);
    StorePosition(Item(IDC_OPT_HOUR), options.Hour);
    StorePosition(Item(IDC_OPT_DAY), options.Day);
    StorePosition(Item(IDC_OPT_MONTH), options.Month);
    const std::string year = GetText(Item(IDC_OPT_YEAR));
    int value = 0;
    options.Year = year != EveryYear && YearFromText(year, value) ? value : 0;
    StorePosition(Item(IDC_OPT_WEEKDAY), options.Weekday);
    KeepSitesFromGUI();
}

void TOptionsForm::ok2Click()
{
    const std::string year = GetText(Item(IDC_OPT_YEAR));
    if (year != EveryYear && !IsValidYearText(year)) {
        MessageBoxA(nullptr, "You entered invalid year. Please, correct it.", "Error", MB_OK | MB_ICONERROR);
        return;
    }
    // A scheduled run started before the window opened may still read info.ini.
    Owner.WaitForScheduledRun();
    GetOptionsFromGUI();
    App.Options().SaveOptions();
    Owner.SetOptions();
    Close();
}

void TOptionsForm::CancelButtonClick()
{
    App.OptionsBackup().CopyOptions(App.Options());
    Close();
}

void TOptionsForm::HelpButtonClick()
{
    App.ShowHelp(Handle(), Topics[ActivePage()]);
}

void TOptionsForm::HyperLabelClick(int id)
{
    const char* address = id == IDC_OPT_HYPERLABEL1 ? SiteAddress
                          : id == IDC_OPT_HYPERLABEL2 ? ProductAddress
                                                      : SupportMail;
    ShellExecuteA(Handle(), "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

bool TOptionsForm::FormKeyDown(const MSG& message)
{
    if (message.hwnd != Handle() && !IsChild(Handle(), message.hwnd))
        return false;
    // While the box captures a combination, Alt with a letter is part of it: it must not
    // press the button of that letter nor open the window menu.
    if (message.hwnd == Item(IDC_OPT_PANICHOTKEY) &&
        (message.message == WM_SYSKEYDOWN || message.message == WM_SYSKEYUP || message.message == WM_SYSCHAR) &&
        message.wParam != VK_F4)
        return true;
    if (message.message != WM_KEYDOWN)
        return false;
    if (message.wParam == VK_F1) {
        HelpButtonClick();
        return true;
    }
    if (message.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        // Ctrl+Tab and Ctrl+Shift+Tab turn the pages.
        const int step = GetKeyState(VK_SHIFT) < 0 ? 2 : 1;
        SelectPage((ActivePage() + step) % 3);
        SetFocus(Item(IDC_OPT_PAGES));
        return true;
    }
    return false;
}

void TOptionsForm::ShowControlHint(HWND control)
{
    if (control != Handle() && !IsChild(Handle(), control))
        return;
    // The edit inside the year box counts as the box.
    while (control && control != Handle() && GetParent(control) != Handle())
        control = GetParent(control);
    const int id = control && control != Handle() ? GetDlgCtrlID(control) : 0;
    std::string hint;
    for (const auto& entry : Hints)
        if (entry.first == id)
            hint = entry.second;
    SetStatusHint(hint);
}

void TOptionsForm::SetStatusHint(const std::string& hint)
{
    if (hint == StatusText && Open)
        return;
    StatusText = hint;
    SendMessageA(Item(IDC_OPT_STATUS), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(hint.c_str()));
}

void TOptionsForm::ResetDaysCount(int count)
{
    HWND day = Item(IDC_OPT_DAY);
    SendMessageA(day, CB_RESETCONTENT, 0, 0);
    AddString(day, "Every day");
    if (count > 31)
        return;
    for (int i = 1; i <= count; ++i)
        AddString(day, std::to_string(i));
    Select(day, 0);
}

void TOptionsForm::monthChange()
{
    const int month = Selected(Item(IDC_OPT_MONTH));
    if (month <= 0)
        return;
    const std::string text = GetText(Item(IDC_OPT_YEAR));
    int year;
    if (text == EveryYear) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        year = now.wYear;
    } else if (!YearFromText(text, year)) {
        ShowError(Handle(), "'" + text + "' is not a valid integer value");
        return;
    }
    ResetDaysCount(DaysInMonth(month, year));
}

void TOptionsForm::dayChange() { LockPartner(Item(IDC_OPT_DAY), Item(IDC_OPT_WEEKDAY)); }

void TOptionsForm::weekdayChange() { LockPartner(Item(IDC_OPT_WEEKDAY), Item(IDC_OPT_DAY)); }

void TOptionsForm::PanicHotKeyClick()
{
    App.Options().ClearHotKeys();
    SetWindowTextA(Item(IDC_OPT_PANICHOTKEY), "");
}

void TOptionsForm::KeyTimerTimer()
{
    if (GetFocus() != Item(IDC_OPT_PANICHOTKEY))
        return;
    TOptions& options = App.Options();
    if (CaptureHotKeys(FirstKeyDown, [&options](int code) { options.AddHotKey(code); }))
        ShowHotKeyText();
}

void TOptionsForm::ShowHotKeyText()
{
    std::vector<int>& keys = App.Options().HotKeys;
    SortHotKeyCodes(keys);
    if (!keys.empty())
        SetWindowTextA(Item(IDC_OPT_PANICHOTKEY), HotKeyText(keys, KeyName).c_str());
}

void TOptionsForm::ToggleScheduledItem(int row)
{
    HWND items = Item(IDC_OPT_SCHEDULEDITEMS);
    const LRESULT data = SendMessageA(items, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
    if (data == LB_ERR)
        return;
    SendMessageA(items, LB_SETITEMDATA, static_cast<WPARAM>(row), data ^ ScheduledTick);
    RECT box;
    if (SendMessageA(items, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&box)) != LB_ERR)
        InvalidateRect(items, &box, TRUE);
}

void TOptionsForm::Subclass(HWND control)
{
    SetPropA(control, "HmOldProc",
             reinterpret_cast<HANDLE>(SetWindowLongPtrA(control, GWLP_WNDPROC,
                                                        reinterpret_cast<LONG_PTR>(&TOptionsForm::ControlProc))));
}

LRESULT CALLBACK TOptionsForm::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC old = reinterpret_cast<WNDPROC>(GetPropA(control, "HmOldProc"));
    auto* form = dynamic_cast<TOptionsForm*>(
        reinterpret_cast<TWindow*>(GetWindowLongPtrA(GetParent(control), GWLP_USERDATA)));
    if (form) {
        const int id = GetDlgCtrlID(control);
        if (id == IDC_OPT_PANICHOTKEY && message == WM_LBUTTONDOWN) {
            form->PanicHotKeyClick();
        } else if (id == IDC_OPT_SCHEDULEDITEMS) {
            if ((message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) &&
                static_cast<short>(LOWORD(lParam)) < CheckWidth) {
                const LRESULT hit = SendMessageA(control, LB_ITEMFROMPOINT, 0, lParam);
                if (HIWORD(hit) == 0)
                    form->ToggleScheduledItem(LOWORD(hit));
            } else if (message == WM_CHAR && wParam == ' ') {
                const LRESULT row = SendMessageA(control, LB_GETCURSEL, 0, 0);
                if (row != LB_ERR)
                    form->ToggleScheduledItem(static_cast<int>(row));
                return 0;
            }
        } else if (message == WM_NCDESTROY) {
            RemovePropA(control, "HmOldProc");
        }
    }
    return CallWindowProcA(old, control, message, wParam, lParam);
}

void TOptionsForm::DrawScheduledItem(const DRAWITEMSTRUCT& item) const
{
    if (item.itemID == static_cast<UINT>(-1))
        return;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HBRUSH back = GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    RECT row = item.rcItem;
    FillRect(item.hDC, &row, GetSysColorBrush(COLOR_WINDOW));
    RECT check = {row.left + 2, row.top + 1, row.left + CheckWidth - 3, row.bottom - 1};
    const bool ticked = (item.itemData & ScheduledTick) != 0;
    DrawFrameControl(item.hDC, &check, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (ticked ? DFCS_CHECKED : 0));
    RECT text = row;
    text.left += CheckWidth;
    FillRect(item.hDC, &text, back);
    char title[512] = {};
    if (SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0) < static_cast<LRESULT>(sizeof title))
        SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(title));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    text.left += 2;
    // A rule's row shows its category in blue where the row is not selected.
    const size_t index = static_cast<size_t>(item.itemData & ScheduledIndex);
    const TIssueList& issues = App.Scanner().AllIssues;
    std::string category, part;
    if (index < issues.size())
        RowTitleParts(App.Scanner(), *issues[index], category, part);
    const char* rest = title;
    if (!category.empty() && category + part == title) {
        if (!selected)
            SetTextColor(item.hDC, RGB(0x1F, 0x5F, 0xB0));
        RECT measured = text;
        DrawTextA(item.hDC, category.c_str(), -1, &measured, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        DrawTextA(item.hDC, category.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        text.left = std::min(measured.right, text.right);
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        rest = title + category.size();
    }
    DrawTextA(item.hDC, rest, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &text);
}

void TOptionsForm::DrawPicture(const DRAWITEMSTRUCT& item) const
{
    // A shield with a keyhole, drawn rather than loaded.
    const RECT& box = item.rcItem;
    FillRect(item.hDC, &box, GetSysColorBrush(COLOR_BTNFACE));
    const int w = box.right - box.left, h = box.bottom - box.top;
    const POINT shield[] = {{w / 2, 2},          {w - 6, h / 6},      {w - 8, h / 2},
                            {w / 2, h - 3},      {8, h / 2},          {6, h / 6}};
    HBRUSH blue = CreateSolidBrush(RGB(0x1f, 0x4e, 0x8c));
    HPEN edge = CreatePen(PS_SOLID, 3, RGB(0x0e, 0x2a, 0x52));
    HGDIOBJ oldBrush = SelectObject(item.hDC, blue), oldPen = SelectObject(item.hDC, edge);
    Polygon(item.hDC, shield, 6);
    HBRUSH white = CreateSolidBrush(RGB(0xf4, 0xf7, 0xfb));
    SelectObject(item.hDC, white);
    SelectObject(item.hDC, GetStockObject(NULL_PEN));
    Ellipse(item.hDC, w / 2 - 12, h / 3 - 8, w / 2 + 13, h / 3 + 17);
    const POINT slot[] = {{w / 2 - 5, h / 3 + 10}, {w / 2 + 6, h / 3 + 10}, {w / 2 + 10, h * 2 / 3 + 6},
                          {w / 2 - 9, h * 2 / 3 + 6}};
    Polygon(item.hDC, slot, 4);
    SelectObject(item.hDC, oldBrush);
    SelectObject(item.hDC, oldPen);
    DeleteObject(white);
    DeleteObject(blue);
    DeleteObject(edge);
}

LRESULT TOptionsForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam), code = HIWORD(wParam);
        if (CookiesPageCommand(id, code))
            return 0;
        switch (id) {
        case IDOK:
            ok2Click();
            return 0;
        case IDCANCEL:
            CancelButtonClick();
            return 0;
        case IDC_OPT_HELP:
            HelpButtonClick();
            return 0;
        case IDC_OPT_MONTH:
            if (code == CBN_SELCHANGE)
                monthChange();
            return 0;
        case IDC_OPT_DAY:
            if (code == CBN_SELCHANGE)
                dayChange();
            return 0;
        case IDC_OPT_WEEKDAY:
            if (code == CBN_SELCHANGE)
                weekdayChange();
            return 0;
        case IDC_OPT_HYPERLABEL1:
        case IDC_OPT_HYPERLABEL2:
        case IDC_OPT_HYPERLABEL3:
            if (code == STN_CLICKED)
                HyperLabelClick(id);
            return 0;
        }
        break;
    }
    case WM_NOTIFY: {
        const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom == IDC_OPT_PAGES && header.code == TCN_SELCHANGE)
            SelectPage(ActivePage());
        break;
    }
    case WM_TIMER:
        if (wParam == KeyTimer) {
            KeyTimerTimer();
            return 0;
        }
        break;
    case WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure.CtlID == IDC_OPT_SCHEDULEDITEMS) {
            measure.itemHeight = 16;
            return TRUE;
        }
        break;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID == IDC_OPT_SCHEDULEDITEMS)
            DrawScheduledItem(item);
        else if (item.CtlID == IDC_OPT_PICTURE)
            DrawPicture(item);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        if (id == IDC_OPT_PANICHOTKEY) {
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        if (id == IDC_OPT_HYPERLABEL1 || id == IDC_OPT_HYPERLABEL2 || id == IDC_OPT_HYPERLABEL3)
            SetTextColor(dc, RGB(0, 0, 0xFF));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR: {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(wParam));
        if (id == IDC_OPT_HYPERLABEL1 || id == IDC_OPT_HYPERLABEL2 || id == IDC_OPT_HYPERLABEL3) {
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
            return TRUE;
        }
        break;
    }
    case WM_ERASEBKGND: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        RECT page = PageFrame;
        page.top = PageTop;
        DrawEdge(dc, &page, EDGE_RAISED, BF_LEFT | BF_RIGHT | BF_BOTTOM);
        return TRUE;
    }
    case WM_HELP:
        HelpButtonClick();
        return TRUE;
    case WM_CLOSE:
        // The caption's close button is Cancel: captured hot keys must not stay live.
        CancelButtonClick();
        return 0;
    }
    return TWindow::WndProc(message, wParam, lParam);
}
