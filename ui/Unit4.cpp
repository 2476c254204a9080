#include "ui/Unit4.h"

#include "engine/Scanner.h"
#include "primitives/Errors.h"
#include "primitives/WholeFiles.h"
#include "ui/Application.h"
#include "ui/Icons.h"
#include "ui/SkinLayout.h"
#include "ui/SkinnedForm.h"
#include "ui/Wrapping.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <mutex>

const char* const TResultsForm::ClassName = "THushmarkResults";
const char* const ResultsHelpTopic = "::/Source\\Quick start\\Solving privacy leaks.htm";

namespace {

// Corner ellipse of the window's rounded shape.
const int CornerEllipse = 39;
// A list box keeps a row's height in one byte.
const int MaxRowHeight = 255;
// Posted to itself on a double click, so that solving runs after the list box has
// finished with the click.
const UINT WM_SOLVE_SELECTED = WM_APP + 20;

HFONT ListFontOf(bool bold) { return MakeFont(-11, bold ? FW_BOLD : FW_NORMAL, "MS Sans Serif"); }

void TextAt(HDC dc, int x, int y, const std::string& text)
{
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

TResultsForm::TResultsForm(TApplication& app, TResultsOwner& owner) : App(app), Owner(owner) {}

TResultsForm::~TResultsForm()
{
    if (Output && OutputDefaultProc) {
        SetWindowLongPtrA(Output, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OutputDefaultProc));
        SetWindowLongPtrA(Output, GWLP_USERDATA, 0);
    }
    if (OutputPopup)
        DestroyMenu(OutputPopup);
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(ListFont), static_cast<HGDIOBJ>(TitleFont),
                           static_cast<HGDIOBJ>(StatusFont), static_cast<HGDIOBJ>(ListBrush)})
        if (object)
            DeleteObject(object);
}

void TResultsForm::Create()
{
    RegisterWindowClass(ClassName, LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    // Owned by the main window: it stays above it and goes with it.
    CreateHandle(ClassName, "Results", WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU, 0, 0, 0, ResultsSkin::Width,
                 ResultsSkin::Height, Owner.OwnerHandle(), 0);
    ListFont = ListFontOf(false);
    TitleFont = ListFontOf(true);
    StatusFont = ListFontOf(false);

    solve_all.Create(Handle(), "solve_all", ResultsSkin::solve_all, IDC_RESULTS_SOLVE_ALL, &Back);
    solve.Create(Handle(), "solve", ResultsSkin::solve, IDC_RESULTS_SOLVE, &Back);
    export1.Create(Handle(), "export1", ResultsSkin::export1, IDC_RESULTS_EXPORT, &Back);
    exit1.Create(Handle(), "exit1", ResultsSkin::exit1, IDC_RESULTS_EXIT, &Back);
    const TSkinRect& status = ResultsSkin::ResultsStatus;
    ResultsStatus = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, status.Left, status.Top,
                                    status.Width, status.Height, Handle(),
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_RESULTS_STATUS)),
                                    GetModuleHandleA(nullptr), nullptr);
    const TSkinRect& list = ResultsSkin::Output;
    Output = CreateWindowExA(0, "LISTBOX", "Output",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS |
                                 LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                             list.Left, list.Top, list.Width, list.Height, Handle(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_RESULTS_OUTPUT)),
                             GetModuleHandleA(nullptr), nullptr);
    if (!ResultsStatus || !Output)
        throw Exception("Cannot create the results list");
    // A list box takes its window text from nowhere; the name is for the driver and for
    // accessibility tools.
    SetWindowTextA(Output, "Output");
    SendMessageA(Output, WM_SETFONT, reinterpret_cast<WPARAM>(ListFont), FALSE);
    SetWindowLongPtrA(Output, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    OutputDefaultProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Output, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TResultsForm::OutputProc)));
    SetListColour(TickedColour);

    HDC dc = GetDC(Output);
    HGDIOBJ old = SelectObject(dc, ListFont);
    TEXTMETRICA metric{};
    GetTextMetricsA(dc, &metric);
    SIZE a{};
    GetTextExtentPoint32A(dc, "a", 1, &a);
    SelectObject(dc, old);
    ReleaseDC(Output, dc);
    FontHeight = metric.tmHeight > 0 ? metric.tmHeight : 13;
    // No width for "a" (no font at all) wraps nothing rather than dividing by zero.
    ListWrapWidth = a.cx > 0 ? list.Width / a.cx - 4 : 0;
    DrawWrapWidth = ListWrapWidth;

    OutputPopup = CreatePopupMenu();
    AppendMenuA(OutputPopup, MF_STRING, IDM_RESULTS_SOLVE, "Solve");
    AppendMenuA(OutputPopup, MF_STRING, IDM_RESULTS_SOLVE_ALL, "Solve All");
    AppendMenuA(OutputPopup, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(OutputPopup, MF_STRING, IDM_RESULTS_EXPORT, "Export...");
    AppendMenuA(OutputPopup, MF_STRING, IDM_RESULTS_CLEAR_LIST, "Clear List");

    Tips = CreateHintTips(Handle());
    AddHint(solve_all, "Solves all checked problems");
    AddHint(solve, "Solves one selected problem");
    AddHint(export1, "Exports the list of problems into the text file");
    AddHint(exit1, "Close this window");

    SetRoundCorners(Handle(), ResultsSkin::Width, ResultsSkin::Height, CornerEllipse);
    UpdateStatus();
}

void TResultsForm::AddHint(TImageButton& button, const char* hint) { ::AddHint(Tips, Handle(), button, hint); }

TPicture TResultsForm::Load(const char* file) const
{
    return LoadPicture(App.Folder() + file);
}

void TResultsForm::GraphicsLoad()
{
    try {
        Back = Load("res\\results.jpg");
        Invalidate();
        exit1.SetPictures(TPicture(), Load("res\\results_exit_over.jpg"), Load("res\\results_exit_down.jpg"));
        solve_all.SetPictures(TPicture(), Load("res\\solve_all_over.jpg"), Load("res\\solve_all_down.jpg"));
        solve.SetPictures(TPicture(), Load("res\\solve_over.jpg"), Load("res\\solve_down.jpg"));
        export1.SetPictures(TPicture(), Load("res\\export_over.jpg"), Load("res\\export_down.jpg"));
    } catch (const std::exception& error) {
        ShowError(Handle(), error.what());
    }
}

void TResultsForm::CentreOnMain()
{
    RECT main;
    GetWindowRect(Owner.OwnerHandle(), &main);
    const POINT corner = CentredIn(main, ResultsSkin::Width, ResultsSkin::Height);
    SetWindowPos(Handle(), nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TResultsForm::ClearAndShow()
{
    SendMessageA(Output, LB_RESETCONTENT, 0, 0);
    // A row number of the old list means nothing in the new one.
    LastClicked = -1;
    if (!IsWindowVisible(Handle()))
        CentreOnMain();
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

int TResultsForm::FittingWrapWidth() const
{
    // The character count from the width of "a" lets wider letters run past the row's
    // right edge, where the list cuts them off; narrow it until every line of this
    // list fits beside the icon and the scroll bar.
    RECT client{};
    GetClientRect(Output, &client);
    const int room = client.right - GetSystemMetrics(SM_CXVSCROLL) - 72 - 2;
    const TScanner& scanner = App.Scanner();
    std::vector<std::string> texts;
    for (const TPrivacyIssue* issue : scanner.FoundIssues)
        texts.push_back(scanner.GetInfo(issue->ClassName()));
    HDC dc = GetDC(Output);
    HGDIOBJ old = SelectObject(dc, ListFont);
    const auto fits = [&](int width) {
        for (const std::string& text : texts)
            for (const std::string& line : WrapDescription(text, width)) {
                SIZE size{};
                GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &size);
                // A line without a break cannot be narrowed; it stays as it is.
                if (size.cx > room && line.find_first_of(" \\") + 1 < line.size())
                    return false;
            }
        return true;
    };
    int width = ListWrapWidth;
    while (width > 10 && room > 0 && !fits(width))
        --width;
    SelectObject(dc, old);
    ReleaseDC(Output, dc);
    return width;
}

void TResultsForm::Fill()
{
    TScanner& scanner = App.Scanner();
    DrawWrapWidth = FittingWrapWidth();
    SendMessageA(Output, WM_SETREDRAW, FALSE, 0);
    SendMessageA(Output, LB_RESETCONTENT, 0, 0);
    for (TPrivacyIssue* issue : scanner.FoundIssues)
        SendMessageA(Output, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(scanner.GetTitle(issue->ClassName()).c_str()));
    SendMessageA(Output, WM_SETREDRAW, TRUE, 0);
    ColourFromLastRow();
    InvalidateRect(Output, nullptr, TRUE);
    UpdateStatus();
}

void TResultsForm::UpdateStatus()
{
    const size_t found = App.Scanner().FoundIssues.size();
    const std::string text = "Found " + std::to_string(found) + " privacy leaks. " +
                             std::to_string(App.DangerousCount) + " of them can be dangerous to solve.";
    SetWindowTextA(ResultsStatus, text.c_str());
    InvalidateRect(ResultsStatus, nullptr, FALSE);
    // Painted at once, so that a long solving run shows its progress. Only paint
    // messages: a click handled here could change the list under a run in progress.
    UpdateWindow(Handle());
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        DispatchMessageA(&message);
}

void TResultsForm::SetListColour(COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    if (!brush)
        return;
    if (ListBrush)
        DeleteObject(ListBrush);
    ListBrush = brush;
    ListColour = colour;
}

void TResultsForm::ColourFromLastRow()
{
    // An emptied list keeps its colour.
    const std::vector<TPrivacyIssue*>& found = App.Scanner().FoundIssues;
    if (found.empty())
        return;
    SetListColour(found.back()->Ticked ? TickedColour : UntickedColour);
    InvalidateRect(Output, nullptr, TRUE);
}

void TResultsForm::OutputMeasureItem(MEASUREITEMSTRUCT& item) const
{
    const TScanner& scanner = App.Scanner();
    int lines = 1;
    if (item.itemID < scanner.FoundIssues.size())
        lines = GetPartOfStrCount(scanner.GetInfo(scanner.FoundIssues[item.itemID]->ClassName()), DrawWrapWidth);
    item.itemHeight = static_cast<UINT>(std::min(lines * 2 * FontHeight + 22, MaxRowHeight));
}

void TResultsForm::OutputDrawItem(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    const RECT& box = item.rcItem;
    const TScanner& scanner = App.Scanner();
    if (item.itemID >= scanner.FoundIssues.size()) {
        // An empty list still shows where the focus is.
        if (item.itemAction & ODA_FOCUS)
            DrawFocusRect(dc, &box);
        return;
    }
    if (item.itemAction == ODA_FOCUS) {
        DrawFocusRect(dc, &box);
        return;
    }
    const TPrivacyIssue& issue = *scanner.FoundIssues[item.itemID];
    const std::string name = issue.ClassName();
    const int left = box.left, top = box.top, middle = (box.top + box.bottom) / 2;

    const COLORREF background =
        (item.itemState & ODS_SELECTED) ? SelectedColour : issue.Ticked ? TickedColour : UntickedColour;
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);

    DrawOpaque(dc, issue.Ticked ? CheckedImage : UncheckedImage, left + 5, middle - 7);
    DrawIssueIcon(dc, scanner.GetIcon(name), left + 31, middle - 18);

    HGDIOBJ oldFont = SelectObject(dc, TitleFont);
    // A title wider than the row ends in an ellipsis rather than in the middle of a word.
    const std::string title = scanner.GetTitle(name);
    RECT titleBox = {left + 76, top + 5, box.right - 4, top + 5 + FontHeight};
    DrawTextA(dc, title.c_str(), -1, &titleBox, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, ListFont);
    const std::vector<std::string> lines = WrapDescription(scanner.GetInfo(name), DrawWrapWidth);
    for (size_t i = 1; i <= lines.size(); ++i)
        TextAt(dc, left + (i == 1 ? 70 : 72), top + FontHeight + static_cast<int>(i) * FontHeight, lines[i - 1]);
    SelectObject(dc, oldFont);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &box);
}

void TResultsForm::OutputMouseDown(UINT message, int x, int y)
{
    const std::vector<TPrivacyIssue*>& found = App.Scanner().FoundIssues;
    int selected = static_cast<int>(SendMessageA(Output, LB_GETCURSEL, 0, 0));
    if (message == WM_LBUTTONDOWN) {
        if (selected < 0)
            return;
        // The tick box column, or a second click on the same row.
        if (static_cast<size_t>(selected) < found.size() && (selected == LastClicked || (x >= 5 && x <= 17)))
            found[selected]->Ticked = !found[selected]->Ticked;
    } else if (message == WM_RBUTTONDOWN) {
        // So that the pop-up menu acts on the row under the pointer.
        const LRESULT hit = SendMessageA(Output, LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
        const int row = LOWORD(hit);
        if (HIWORD(hit) == 0 && row < static_cast<int>(SendMessageA(Output, LB_GETCOUNT, 0, 0))) {
            SendMessageA(Output, LB_SETCURSEL, row, 0);
            selected = row;
        }
    }
    LastClicked = selected;
    InvalidateRect(Output, nullptr, FALSE);
}

LRESULT CALLBACK TResultsForm::OutputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    TResultsForm* self = reinterpret_cast<TResultsForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || !self->OutputDefaultProc)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_KEYDOWN && wParam == VK_F1) {
        self->Help();
        return 0;
    }
    const LRESULT result = CallWindowProcA(self->OutputDefaultProc, window, message, wParam, lParam);
    // After the list box's own handling, so that the row under the pointer is selected.
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
        try {
            self->OutputMouseDown(message, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        } catch (const std::exception& error) {
            ShowError(self->Handle(), error.what());
        }
    }
    return result;
}

bool TResultsForm::SolveOneRealProc(int index)
{
    TScanner& scanner = App.Scanner();
    if (index < 0 || static_cast<size_t>(index) >= scanner.FoundIssues.size())
        return false;
    TPrivacyIssue& issue = *scanner.FoundIssues[index];
    const std::string name = issue.ClassName();
    if (issue.DefaultUnchecked) {
        const std::string text = "Are you sure to clean up privacy leaks in " + scanner.GetTitle(name) +
                                 "? It can contain some important information you may need.";
        // The question belongs to the main window; this one takes no clicks meanwhile,
        // so that the list cannot change under a solving run.
        EnableWindow(Handle(), FALSE);
        const bool yes = App.MsgBox("Warning!", text.c_str(), MB_ICONEXCLAMATION);
        EnableWindow(Handle(), TRUE);
        if (!yes)
            return false;
        // The list may have changed while the question was open.
        if (static_cast<size_t>(index) >= scanner.FoundIssues.size() || scanner.FoundIssues[index] != &issue)
            return false;
    }
    {
        // A scheduled run may be working on the same issues and info.ini on its own thread.
        std::lock_guard<std::mutex> running(App.RunLock);
        GuardedSolve(issue);
        issue.Ticked = false;
        scanner.FoundIssues.erase(scanner.FoundIssues.begin() + index);
        SendMessageA(Output, LB_DELETESTRING, index, 0);
        try {
            scanner.InfoFile.WriteInteger(name, "Solved", 1);
        } catch (const std::exception& error) {
            // The mark stays in memory; the run goes on and the error is shown at its end.
            if (SaveError.empty())
                SaveError = error.what();
        }
    }
    if (issue.DefaultUnchecked)
        --App.DangerousCount;
    UpdateStatus();
    ColourFromLastRow();
    return true;
}

void TResultsForm::ReportSaveError()
{
    if (SaveError.empty())
        return;
    const std::string message = SaveError;
    SaveError.clear();
    ShowError(Handle(), message);
}

void TResultsForm::SolveSelected()
{
    RestartRequired = false;
    const int selected = static_cast<int>(SendMessageA(Output, LB_GETCURSEL, 0, 0));
    if (selected < 0)
        return;
    SolveOneRealProc(selected);
    ReportSaveError();
    if (RestartRequired)
        App.Restart();
}

void TResultsForm::SolveProc()
{
    RestartRequired = false;
    const std::vector<TPrivacyIssue*>& found = App.Scanner().FoundIssues;
    // From the end, so that the rows not yet visited keep their numbers.
    for (int i = static_cast<int>(found.size()) - 1; i >= 0; --i)
        if (static_cast<size_t>(i) < found.size() && found[i]->Ticked)
            SolveOneRealProc(i);
    InvalidateRect(Output, nullptr, TRUE);
    ReportSaveError();
    if (RestartRequired)
        App.Restart();
}

void TResultsForm::ExportTo(const std::string& path) const
{
    const TScanner& scanner = App.Scanner();
    std::string text = "Hushmark exported problems list\r\n\r\n";
    for (const TPrivacyIssue* issue : scanner.FoundIssues)
        text += scanner.GetTitle(issue->ClassName()) + " -- " + scanner.GetInfo(issue->ClassName()) + "\r\n\r\n";
    SaveFileReplacing(path, text);
}

void TResultsForm::ExportProc()
{
    char file[MAX_PATH] = {};
    OPENFILENAMEA dialog{};
    // The old size, which every version of the common dialogs accepts.
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = Handle();
    dialog.lpstrFilter = "Text documents (*.txt)\0*.txt\0All files (*.*)\0*.*\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrDefExt = "txt";
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameA(&dialog))
        return;
    try {
        ExportTo(file);
    } catch (const std::exception& error) {
        ShowError(Handle(), error.what());
    }
}

void TResultsForm::ClearList()
{
    App.Scanner().FoundIssues.clear();
    SendMessageA(Output, LB_RESETCONTENT, 0, 0);
}

void TResultsForm::ShowPopup(LPARAM position)
{
    POINT point = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (position == -1) {
        // From the keyboard: beside the selected row, or the list's corner.
        RECT row = {0, 0, 0, 0};
        const LRESULT selected = SendMessageA(Output, LB_GETCURSEL, 0, 0);
        if (selected >= 0)
            SendMessageA(Output, LB_GETITEMRECT, selected, reinterpret_cast<LPARAM>(&row));
        point = {row.left + 20, row.top + 10};
        ClientToScreen(Output, &point);
    }
    TrackPopupMenu(OutputPopup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, Handle(), nullptr);
}

void TResultsForm::Help()
{
    LastF1 = GetTickCount();
    App.ShowHelp(Handle(), ResultsHelpTopic);
}

void TResultsForm::DrawStatus(const DRAWITEMSTRUCT& item) const
{
    const RECT& box = item.rcItem;
    DrawSkinBehind(Handle(), Back, item);
    char text[512] = {};
    GetWindowTextA(item.hwndItem, text, sizeof text);
    HGDIOBJ oldFont = PrepareSkinText(item.hDC, StatusFont);
    // Where the system's font is wider than the skin allows, the line is drawn narrower
    // rather than cut: its figures are what the user reads.
    HFONT narrow = nullptr;
    SIZE size{};
    GetTextExtentPoint32A(item.hDC, text, lstrlenA(text), &size);
    const int room = box.right - box.left;
    if (size.cx > room) {
        TEXTMETRICA metric{};
        GetTextMetricsA(item.hDC, &metric);
        LOGFONTA font{};
        GetObjectA(StatusFont, sizeof font, &font);
        font.lfWidth = std::max<LONG>(1, metric.tmAveCharWidth * room / size.cx);
        narrow = CreateFontIndirectA(&font);
        if (narrow)
            SelectObject(item.hDC, narrow);
    }
    RECT inner = box;
    DrawTextA(item.hDC, text, -1, &inner, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(item.hDC, oldFont);
    if (narrow)
        DeleteObject(narrow);
}

LRESULT TResultsForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintSkin(Handle(), Back, ResultsSkin::Width, ResultsSkin::Height);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCHITTEST:
        // Only the background drags the window; buttons, texts and the list keep their clicks.
        return DragByBackground(Handle(), TWindow::WndProc(message, wParam, lParam), lParam);
    case TImageButton::WM_HINT: {
        const TImageButton& button = *reinterpret_cast<const TImageButton*>(lParam);
        Owner.DisplayHint(wParam ? button.HintText : std::string());
        return 0;
    }
    case WM_MEASUREITEM: {
        MEASUREITEMSTRUCT& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlID == IDC_RESULTS_OUTPUT) {
            OutputMeasureItem(item);
            return TRUE;
        }
        break;
    }
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID == IDC_RESULTS_OUTPUT)
            OutputDrawItem(item);
        else
            DrawStatus(item);
        return TRUE;
    }
    case WM_CTLCOLORLISTBOX:
        if (reinterpret_cast<HWND>(lParam) == Output && ListBrush) {
            SetBkColor(reinterpret_cast<HDC>(wParam), ListColour);
            return reinterpret_cast<LRESULT>(ListBrush);
        }
        break;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) == Output) {
            ShowPopup(lParam);
            return 0;
        }
        break;
    case WM_SOLVE_SELECTED:
        SolveSelected();
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_RESULTS_SOLVE:
        case IDM_RESULTS_SOLVE:
            SolveSelected();
            return 0;
        case IDC_RESULTS_SOLVE_ALL:
        case IDM_RESULTS_SOLVE_ALL:
            SolveProc();
            return 0;
        case IDC_RESULTS_EXPORT:
        case IDM_RESULTS_EXPORT:
            ExportProc();
            return 0;
        case IDM_RESULTS_CLEAR_LIST:
            ClearList();
            return 0;
        case IDC_RESULTS_EXIT:
            ShowWindow(Handle(), SW_HIDE);
            return 0;
        case IDC_RESULTS_OUTPUT:
            if (HIWORD(wParam) == LBN_DBLCLK)
                PostMessageA(Handle(), WM_SOLVE_SELECTED, 0, 0);
            return 0;
        }
        break;
    case WM_KEYDOWN:
        if (wParam == VK_F1) {
            Help();
            return 0;
        }
        break;
    case WM_HELP:
        // F1 may come both as a key and as a help request; one topic window is enough.
        if (GetTickCount() - LastF1 > 1000)
            Help();
        return TRUE;
    case WM_CLOSE:
        // Closing only hides: the list stays for the next look.
        ShowWindow(Handle(), SW_HIDE);
        return 0;
    }
    return TWindow::WndProc(message, wParam, lParam);
}
