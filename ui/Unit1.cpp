#include "ui/Unit1.h"

#include "engine/Options.h"
#include "engine/PrivacyIssues.h"
#include "engine/Scanner.h"
#include "primitives/Errors.h"
#include "ui/MeterLevel.h"
#include "ui/Resource.h"
#include "ui/ScheduleThreads.h"
#include "ui/SkinLayout.h"
#include "ui/SkinnedForm.h"
#include "ui/TrayIcon.h"
#include "ui/Unit2.h"
#include "ui/Unit4.h"

#include <commctrl.h>
#include <shellapi.h>

const char* const TMainForm::ClassName = "THushmarkMain";

namespace {

std::string GetText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Corner ellipse of the window's rounded shape.
const int CornerEllipse = 62;

const char* const RunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const RunValue = "Hushmark";
const char* const WebsiteAddress = "http://www.hushmark.example/";
const char* const ShowEntry = "Show Hushmark Ctrl+Shift+V";
const char* const HideEntry = "Hide Hushmark Ctrl+Shift+V";

// The program file as it was started, for the Run value.
std::string ProgramFilePath()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length <= MAX_PATH ? length : 0);
}

// Holds a flag for the length of a scope, exceptions included.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : Flag(flag) { Flag = true; }
    ~TFlagScope() { Flag = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& Flag;
};

// Shared: the system keeps it for the life of the program.
HICON ProgramIcon(int size)
{
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

const char* const MainHelpTopic = "::/Source\\Introducing the Hushmark\\Introduction.htm";

TMainForm::TMainForm(const std::string& programFolder, TOptions& options, TOptions& optionsBackup)
    : FApp(programFolder, options, optionsBackup)
{
}

TMainForm::~TMainForm()
{
    WaitForScheduledRun();
    TrayIcon.reset();
    if (TrayMenu)
        DestroyMenu(TrayMenu);
    if (BoldFont)
        DeleteObject(BoldFont);
    if (PlainFont)
        DeleteObject(PlainFont);
}

void TMainForm::Create()
{
    RegisterWindowClass(ClassName, LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    CreateHandle(ClassName, "Hushmark", WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_APPWINDOW,
                 0, 0, MainSkin::Width, MainSkin::Height, nullptr, 0);
    // The program's own icon on the taskbar button and in Alt+Tab.
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(32)));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(16)));
    BoldFont = MakeFont(-12, FW_BOLD, "Tahoma");
    PlainFont = MakeFont(-12, FW_NORMAL, "Tahoma");

    scan.Create(Handle(), "scan", MainSkin::scan, IDC_MAIN_SCAN, &Back);
    panic.Create(Handle(), "panic", MainSkin::panic, IDC_MAIN_PANIC, &Back);
    options.Create(Handle(), "options", MainSkin::options, IDC_MAIN_OPTIONS, &Back);
    scheduler.Create(Handle(), "scheduler", MainSkin::scheduler, IDC_MAIN_SCHEDULER, &Back);
    help.Create(Handle(), "help", MainSkin::help, IDC_MAIN_HELP, &Back);
    minim.Create(Handle(), "minim", MainSkin::minim, IDC_MAIN_MINIM, &Back);
    exit1.Create(Handle(), "exit1", MainSkin::exit1, IDC_MAIN_EXIT, &Back);
    About.Create(Handle(), "About", MainSkin::About, IDC_MAIN_ABOUT, &Back, true);
    privacy_meter.Create(Handle(), "privacy_meter", MainSkin::privacy_meter, IDC_MAIN_METER, &Back);
    Status = CreateText("Status", MainSkin::Status, IDC_MAIN_STATUS,
                        "Click on \"Scan for Privacy\" to show your current privacy level");
    Hint = CreateText("Hint", MainSkin::Hint, IDC_MAIN_HINT,
                      "Click on \"Scan for Privacy!\" to start making your life private!");
    Label1 = CreateText("Label1", MainSkin::Label1, IDC_MAIN_LABEL1,
                        "Click here to start making you PC safe and clean and your information private");
    Label2 = CreateText("Label2", MainSkin::Label2, IDC_MAIN_LABEL2,
                        "Quickly delete ALL hidden risk information on your PC in case of emergency");

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    Tips = CreateHintTips(Handle());
    AddHint(scan, "Get the list of privacy leaks on your PC");
    AddHint(panic, "Quickly delete ALL hidden risk information on your PC");
    AddHint(options, "Change settings of Hushmark");
    AddHint(scheduler, "Shedule privacy checks and clean-ups on the regular basis");
    AddHint(help, "Display the help file of Hushmark");
    AddHint(minim, "Minimize Hushmark");
    AddHint(exit1, "Exit Hushmark");
    AddHint(privacy_meter, "This indicator shows current overall level of privacy on your PC");

    SetRoundCorners(Handle(), MainSkin::Width, MainSkin::Height, CornerEllipse);
    Centre();
    CreateTrayIcon();
    FApp.Start(Handle());
    EnableTimer(HotKeyTimer, true);
    // A saved schedule works from start-up, not only once the options window has closed.
    EnableTimer(SchedulerTimer, FApp.Options().ScheduleWork);
    OptionsForm = std::make_unique<TOptionsForm>(FApp, *this);
    OptionsForm->Create();
    ResultsForm = std::make_unique<TResultsForm>(FApp, *this);
    ResultsForm->Create();
}

void TMainForm::CreateTrayIcon()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    auto icon = [instance](int id) {
        return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
    };
    TrayIcon = std::make_unique<TTrayIcon>();
    TrayIcon->Create(Handle(), icon(IDI_TRAY_NORMAL), icon(IDI_TRAY_ALTERNATE), "Hushmark");
    TrayMenu = CreatePopupMenu();
    AppendMenuA(TrayMenu, MF_STRING, IDM_TRAY_SHOW, ShowEntry);
    AppendMenuA(TrayMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(TrayMenu, MF_STRING, IDM_TRAY_OPTIONS, "Options...");
    AppendMenuA(TrayMenu, MF_STRING, IDM_TRAY_SCHEDULER, "Scheduler...");
    AppendMenuA(TrayMenu, MF_STRING, IDM_TRAY_HELP, "Help");
    AppendMenuA(TrayMenu, MF_STRING, IDM_TRAY_WEBSITE, "Website");
    AppendMenuA(TrayMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(TrayMenu, MF_STRING, IDM_TRAY_EXIT, "Exit");
    SetMenuDefaultItem(TrayMenu, IDM_TRAY_SHOW, FALSE);
}

void TMainForm::AddHint(TImageButton& button, const char* hint) { ::AddHint(Tips, Handle(), button, hint); }

void TMainForm::SetHintLine(const std::string& text)
{
    // A button's hint stays on top until the mouse leaves; then this text comes back.
    HintLine = text;
    if (!HintShown)
        SetWindowTextA(Hint, text.c_str());
}

void TMainForm::ShowHint(bool show, const TImageButton& button)
{
    if (show) {
        if (!HintShown)
            HintLine = GetText(Hint);
        HintShown = true;
        SetWindowTextA(Hint, button.HintText.c_str());
    } else if (HintShown) {
        HintShown = false;
        SetWindowTextA(Hint, HintLine.c_str());
    }
}

HWND TMainForm::CreateText(const char* name, const TSkinRect& rect, int id, const char* text)
{
    // Owner-drawn, so that the text lies on the skin rather than on a grey box.
    HWND label = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, rect.Left, rect.Top,
                                 rect.Width, rect.Height, Handle(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                 nullptr);
    if (!label)
        throw Exception(Format("Cannot create the text %s", name));
    return label;
}

TPicture TMainForm::Load(const char* file) const
{
    return LoadPicture(FApp.Folder() + file);
}

void TMainForm::GraphicsLoad()
{
    try {
        Back = Load("res\\main.jpg");
        Invalidate();
        exit1.SetPictures(TPicture(), Load("res\\exit_over.jpg"), Load("res\\exit_down.jpg"));
        minim.SetPictures(TPicture(), Load("res\\minim_over.jpg"), Load("res\\minim_down.jpg"));
        options.SetPictures(TPicture(), Load("res\\options_over.jpg"), Load("res\\options_down.jpg"));
        scheduler.SetPictures(TPicture(), Load("res\\scheduler_over.jpg"), Load("res\\scheduler_down.jpg"));
        help.SetPictures(TPicture(), Load("res\\help_over.jpg"), Load("res\\help_down.jpg"));
        panic.SetPictures(TPicture(), Load("res\\panic_over.jpg"), Load("res\\panic_down.jpg"));
        privacy_meter.SetPictures(Load("res\\meter_red.jpg"), TPicture(), TPicture());
        MeterColour = "red";
        scan.SetPictures(TPicture(), Load("res\\scan_over.jpg"), TPicture());
        ResultsForm->GraphicsLoad();
    } catch (const std::exception& error) {
        ShowError(Handle(), error.what());
    }
}

void TMainForm::Centre()
{
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const POINT corner = CentredIn(work, MainSkin::Width, MainSkin::Height);
    SetWindowPos(Handle(), nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm::ShowCentred()
{
    Centre();
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

void TMainForm::SetScanning(bool scanning)
{
    Scanning = scanning;
    if (scanning)
        scan.SetPictures(Load("res\\stop.jpg"), Load("res\\stop_over.jpg"), Load("res\\stop.jpg"));
    else
        scan.SetPictures(TPicture(), Load("res\\scan_over.jpg"), std::move(scan.Pressed));
    UpdateWindow(scan.Handle());
}

void TMainForm::scanClick()
{
    // A scheduled run in progress finishes first: the issues are not for two threads.
    std::lock_guard<std::mutex> running(FApp.RunLock);
    SetScanning(true);
    HCURSOR cursor = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    UpdateWindow(Handle());
    try {
        ResultsForm->ClearAndShow();
        FApp.Scanner().Scan();
        FApp.DangerousCount = 0;
        for (TPrivacyIssue* issue : FApp.Scanner().FoundIssues) {
            issue->Ticked = !issue->DefaultUnchecked;
            if (issue->DefaultUnchecked)
                ++FApp.DangerousCount;
        }
        ResultsForm->Fill();
        const TMeterLevel level = MeterLevel(FApp.Scanner().FoundIssues.size());
        if (MeterColour != level.Colour) {
            privacy_meter.SetPictures(*level.Picture ? Load(level.Picture) : TPicture(), TPicture(), TPicture());
            MeterColour = level.Colour;
        }
        SetWindowTextA(Status, level.Status);
        SetHintLine("Check found problems you want to solve and click \"Solve\"");
    } catch (...) {
        SetScanning(false);
        SetCursor(cursor);
        throw;
    }
    SetScanning(false);
    SetCursor(cursor);
}

void TMainForm::DrawText(const DRAWITEMSTRUCT& item) const
{
    DrawSkinBehind(Handle(), Back, item);
    char text[512];
    GetWindowTextA(item.hwndItem, text, sizeof text);
    const bool line = item.hwndItem == Status || item.hwndItem == Hint;
    HGDIOBJ oldFont = PrepareSkinText(item.hDC, line ? BoldFont : PlainFont);
    RECT inner = item.rcItem;
    if (item.hwndItem == Status)
        inner.left += 12;
    ::DrawTextA(item.hDC, text, -1, &inner,
                line ? DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX : DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(item.hDC, oldFont);
}

LRESULT TMainForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintSkin(Handle(), Back, MainSkin::Width, MainSkin::Height);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case TImageButton::WM_HINT:
        ShowHint(wParam != 0, *reinterpret_cast<const TImageButton*>(lParam));
        return 0;
    case WM_DRAWITEM:
        DrawText(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_NCHITTEST:
        // Only the background drags the window; buttons and texts keep their own clicks.
        return DragByBackground(Handle(), TWindow::WndProc(message, wParam, lParam), lParam);
    case WM_COMMAND:
        if (Command(LOWORD(wParam)))
            return 0;
        break;
    case WM_TIMER:
        switch (wParam) {
        case HotKeyTimer:
            HotKeyTimerTimer();
            return 0;
        case SchedulerTimer:
            SchedulerTimerTimer();
            return 0;
        case TrayIconBlinkTimer:
            TrayIconBlinkTimerTimer();
            return 0;
        }
        break;
    case WM_SCHEDULE_START:
        ScheduleStarted();
        return 0;
    case WM_SCHEDULE_END:
        ScheduleEnded();
        return 0;
    case TTrayIcon::WM_TRAYICON:
        if (lParam == WM_LBUTTONDBLCLK)
            Command(IDM_TRAY_SHOW);
        else if (lParam == WM_RBUTTONUP)
            OpenTrayMenu();
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_F1) {
            FApp.ShowHelp(Handle(), MainHelpTopic);
            return 0;
        }
        break;
    case WM_HELP:
        FApp.ShowHelp(Handle(), MainHelpTopic);
        return TRUE;
    case WM_ENDSESSION:
        // Windows ends the process after this message: the exit path never runs.
        if (wParam) {
            try {
                FApp.Options().SaveOptions();
            } catch (const std::exception&) {
                // Nobody is left to answer a message box at the end of the session.
            }
        }
        return 0;
    case WM_DESTROY:
        KillTimer(Handle(), HotKeyTimer);
        KillTimer(Handle(), SchedulerTimer);
        KillTimer(Handle(), TrayIconBlinkTimer);
        FApp.CloseHelp();
        if (TrayIcon)
            TrayIcon->Remove();
        PostQuitMessage(0);
        return 0;
    default:
        if (TrayIcon && TrayIcon->Recreated(message))
            return 0;
        break;
    }
    return TWindow::WndProc(message, wParam, lParam);
}

bool TMainForm::Command(UINT id)
{
    switch (id) {
    case IDC_MAIN_SCAN:
        scanClick();
        return true;
    case IDC_MAIN_PANIC:
        panicClick();
        return true;
    case IDC_MAIN_OPTIONS:
    case IDM_TRAY_OPTIONS:
        ShowOptions(PageGeneral);
        return true;
    case IDC_MAIN_SCHEDULER:
    case IDM_TRAY_SCHEDULER:
        ShowOptions(PageScheduler);
        return true;
    case IDC_MAIN_ABOUT:
        ShowOptions(PageAbout);
        return true;
    case IDC_MAIN_HELP:
    case IDM_TRAY_HELP:
        FApp.ShowHelp(Handle(), MainHelpTopic);
        return true;
    case IDC_MAIN_MINIM:
        ShowWindow(Handle(), SW_HIDE);
        return true;
    case IDM_TRAY_SHOW:
        ShowActive();
        return true;
    case IDM_TRAY_WEBSITE:
        Website();
        return true;
    case IDC_MAIN_EXIT:
    case IDM_TRAY_EXIT:
        DestroyWindow(Handle());
        return true;
    }
    return false;
}

void TMainForm::TrayMenuPopup()
{
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_TYPE;
    item.fType = MFT_STRING;
    item.dwTypeData = const_cast<char*>(IsWindowVisible(Handle()) ? HideEntry : ShowEntry);
    SetMenuItemInfoA(TrayMenu, IDM_TRAY_SHOW, FALSE, &item);
}

void TMainForm::OpenTrayMenu()
{
    TrayMenuPopup();
    POINT point;
    GetCursorPos(&point);
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(Handle());
    const UINT id = TrackPopupMenu(TrayMenu, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, point.x, point.y, 0,
                                   Handle(), nullptr);
    PostMessageA(Handle(), WM_NULL, 0, 0);
    if (id)
        Command(id);
}

void TMainForm::Website() const
{
    ShellExecuteA(Handle(), "open", WebsiteAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

void TMainForm::panicClick()
{
    // The hot-key poll calls again every 120 ms while the keys are down, also while the
    // question is open; one panic at a time.
    if (Panicking)
        return;
    TFlagScope panicking(Panicking);
    PanicRun();
}

void TMainForm::PanicRun()
{
    if (FApp.Options().AskPanic &&
        !FApp.MsgBox("Panic mode", "Warning: you can loose your important information! Are sure you are in Panic?",
                MB_ICONEXCLAMATION))
        return;
    {
        // A scheduled run may be working on the same issues on its own thread.
        std::lock_guard<std::mutex> running(FApp.RunLock);
        HCURSOR cursor = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
        RestartRequired = false;
        for (const auto& issue : FApp.Scanner().AllIssues)
            if (GuardedCheck(*issue))
                GuardedSolve(*issue);
        SetCursor(cursor);
    }
    if (RestartRequired)
        FApp.Restart();
}

void TMainForm::SetOptions()
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, RunKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                        nullptr, &key, nullptr) == ERROR_SUCCESS) {
        const bool present = RegQueryValueExA(key, RunValue, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        if (FApp.Options().Autorun && !present) {
            const std::string path = ProgramFilePath();
            RegSetValueExA(key, RunValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                           static_cast<DWORD>(path.size() + 1));
        } else if (!FApp.Options().Autorun && present) {
            RegDeleteValueA(key, RunValue);
        }
        RegCloseKey(key);
    }
    if (!FApp.Options().ScheduleWork)
        SetBlinking(false);
}

void TMainForm::ShowActive()
{
    // The main window carries the taskbar button, so hiding it leaves only the icon.
    if (IsWindowVisible(Handle())) {
        ShowWindow(Handle(), SW_HIDE);
        return;
    }
    if (IsIconic(Handle()))
        ShowWindow(Handle(), SW_RESTORE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void TMainForm::ShowOptions(TOptionsPage page) { OptionsForm->ShowModal(page); }

void TMainForm::DisplayHint(const std::string& hint)
{
    const std::string::size_type bar = hint.find('|');
    const std::string text = bar == std::string::npos ? hint : hint.substr(bar + 1);
    if (GetActiveWindow() == Handle())
        SetHintLine(text);
    else if (OptionsForm)
        OptionsForm->SetStatusHint(text);
}

void TMainForm::SetTrayHint(const std::string& hint)
{
    if (TrayIcon)
        TrayIcon->SetHint(hint);
}

void TMainForm::SetBlinking(bool blinking)
{
    EnableTimer(TrayIconBlinkTimer, blinking);
    if (!blinking && TrayIcon)
        TrayIcon->SetImage(0);
}

void TMainForm::TrayIconBlinkTimerTimer()
{
    if (TrayIcon)
        TrayIcon->SetImage(1 - TrayIcon->Image());
}

void TMainForm::EnableTimer(UINT id, bool enabled)
{
    if (!enabled) {
        KillTimer(Handle(), id);
        return;
    }
    const UINT interval = id == HotKeyTimer ? 120 : id == SchedulerTimer ? 60000 : 700;
    SetTimer(Handle(), id, interval, nullptr);
}

HWND TMainForm::OwnerHandle() const { return Handle(); }

void TMainForm::PauseTimers(bool paused)
{
    if (paused) {
        EnableTimer(HotKeyTimer, false);
        EnableTimer(SchedulerTimer, false);
        return;
    }
    EnableTimer(SchedulerTimer, FApp.Options().ScheduleWork);
    EnableTimer(HotKeyTimer, true);
}
