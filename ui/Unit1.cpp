#include "ui/Unit1.h"

#include "engine/Options.h"
#include "engine/Scanner.h"
#include "primitives/Errors.h"
#include "ui/Icons.h"
#include "ui/MeterLevel.h"
#include "ui/ScheduleThreads.h"
#include "ui/SkinLayout.h"
#include "ui/Unit2.h"
#include "ui/Unit4.h"

#include <commctrl.h>

const char* const TMainForm::ClassName = "THushmarkMain";

namespace {

std::string GetText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

const COLORREF Ink = RGB(0x1b, 0x2a, 0x3a);
const COLORREF Page = RGB(0xf2, 0xf5, 0xf9);
// Corner ellipse of the window's rounded shape.
const int CornerEllipse = 62;

HFONT MakeFont(bool bold)
{
    return CreateFontA(-12, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");
}

}  // namespace

const char* const MainHelpTopic = "::/Source\\Introducing the Hushmark\\Introduction.htm";

TMainForm::TMainForm(const std::string& programFolder, TOptions& options, TOptions& optionsBackup)
    : FFolder(programFolder), FOptions(options), FOptionsBackup(optionsBackup)
{
}

TMainForm::~TMainForm()
{
    WaitForScheduledRun();
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
    BoldFont = MakeFont(true);
    PlainFont = MakeFont(false);

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
    Tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, GetModuleHandleA(nullptr),
                           nullptr);
    AddHint(scan, "Get the list of privacy leaks on your PC");
    AddHint(panic, "Quickly delete ALL hidden risk information on your PC");
    AddHint(options, "Change settings of Hushmark");
    AddHint(scheduler, "Shedule privacy checks and clean-ups on the regular basis");
    AddHint(help, "Display the help file of Hushmark");
    AddHint(minim, "Minimize Hushmark");
    AddHint(exit1, "Exit Hushmark");
    AddHint(privacy_meter, "This indicator shows current overall level of privacy on your PC");

    // The region belongs to the window from here on; Windows deletes it.
    SetWindowRgn(Handle(), CreateRoundRectRgn(0, 0, MainSkin::Width + 1, MainSkin::Height + 1, CornerEllipse,
                                              CornerEllipse),
                 FALSE);
    FScanner = std::make_unique<TScanner>(FFolder + "info.ini", FOptions);
    IconsLoad(FFolder);
    OptionsForm = std::make_unique<TOptionsForm>(*this);
    OptionsForm->Create();
    ResultsForm = std::make_unique<TResultsForm>(*this);
    ResultsForm->Create();
}

void TMainForm::AddHint(TImageButton& button, const char* hint)
{
    button.HintText = hint;
    if (!Tips)
        return;
    // The old size of TOOLINFO, which every version of the common controls accepts.
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(button.Handle());
    tool.lpszText = const_cast<char*>(button.HintText.c_str());
    SendMessageA(Tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

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
    return LoadPicture(FFolder + file);
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

void TMainForm::ShowCentred()
{
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(Handle(), nullptr, work.left + (work.right - work.left - MainSkin::Width) / 2,
                 work.top + (work.bottom - work.top - MainSkin::Height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
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
    SetScanning(true);
    HCURSOR cursor = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    UpdateWindow(Handle());
    try {
        ResultsForm->ClearAndShow();
        FScanner->Scan();
        DangerousCount = 0;
        for (TPrivacyIssue* issue : FScanner->FoundIssues) {
            issue->Ticked = !issue->DefaultUnchecked;
            if (issue->DefaultUnchecked)
                ++DangerousCount;
        }
        ResultsForm->Fill();
        const TMeterLevel level = MeterLevel(FScanner->FoundIssues.size());
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
    const RECT& box = item.rcItem;
    const int width = box.right - box.left, height = box.bottom - box.top;
    POINT origin = {0, 0};
    MapWindowPoints(item.hwndItem, Handle(), &origin, 1);
    if (!Back.Empty()) {
        HDC memory = CreateCompatibleDC(item.hDC);
        HGDIOBJ old = SelectObject(memory, Back.Handle());
        BitBlt(item.hDC, box.left, box.top, width, height, memory, origin.x, origin.y, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    } else {
        HBRUSH page = CreateSolidBrush(Page);
        FillRect(item.hDC, &box, page);
        DeleteObject(page);
    }
    char text[512];
    GetWindowTextA(item.hwndItem, text, sizeof text);
    const bool line = item.hwndItem == Status || item.hwndItem == Hint;
    HGDIOBJ oldFont = SelectObject(item.hDC, line ? BoldFont : PlainFont);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, Ink);
    RECT inner = box;
    if (item.hwndItem == Status)
        inner.left += 12;
    ::DrawTextA(item.hDC, text, -1, &inner,
                line ? DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX : DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(item.hDC, oldFont);
}

LRESULT TMainForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        if (!Back.Empty()) {
            HDC memory = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(memory, Back.Handle());
            BitBlt(dc, 0, 0, MainSkin::Width, MainSkin::Height, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
            DeleteDC(memory);
        } else {
            HBRUSH page = CreateSolidBrush(Page);
            FillRect(dc, &paint.rcPaint, page);
            DeleteObject(page);
        }
        EndPaint(Handle(), &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case TImageButton::WM_HINT:
        ShowHint(wParam != 0, *reinterpret_cast<const TImageButton*>(lParam));
        return 0;
    case WM_DRAWITEM:
        DrawText(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_NCHITTEST: {
        // Only the background drags the window; buttons and texts keep their own clicks.
        const LRESULT hit = TWindow::WndProc(message, wParam, lParam);
        if (hit != HTCLIENT)
            return hit;
        POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ScreenToClient(Handle(), &point);
        HWND child = ChildWindowFromPointEx(Handle(), point, CWP_SKIPINVISIBLE);
        return !child || child == Handle() ? HTCAPTION : HTCLIENT;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_MAIN_SCAN:
            scanClick();
            return 0;
        case IDC_MAIN_MINIM:
            ShowWindow(Handle(), SW_MINIMIZE);
            return 0;
        case IDC_MAIN_EXIT:
            DestroyWindow(Handle());
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return TWindow::WndProc(message, wParam, lParam);
}

// Not yet built: the rest of the main window.
void TMainForm::panicClick() {}
void TMainForm::Restart() {}
bool TMainForm::MsgBox(const char* caption, const char* text, UINT icon) const
{
    return MessageBoxA(Handle(), text, caption, icon | MB_YESNO) == IDYES;
}
void TMainForm::SetOptions() {}
void TMainForm::ShowActive() {}
void TMainForm::ShowHelp(HWND, const char*) const {}
void TMainForm::ShowOptions(TOptionsPage page) { OptionsForm->ShowModal(page); }
void TMainForm::DisplayHint(const std::string&) {}
void TMainForm::SetTrayHint(const std::string&) {}
void TMainForm::SetBlinking(bool) {}
void TMainForm::TrayIconBlinkTimerTimer() {}
void TMainForm::EnableTimer(UINT, bool) {}
