#pragma once
// The results window: the issues found by the last scan, each with its icon, tick box,
// bold title and wrapped description; solving one or every ticked entry, export, clear.
#include "ui/ImageButton.h"
#include "ui/Pictures.h"
#include "ui/Window.h"

#include <string>

class TApplication;

// What the results window asks of the window that owns it.
class TResultsOwner {
public:
    virtual HWND OwnerHandle() const = 0;
    // The long form of a button's hint, where the user is looking.
    virtual void DisplayHint(const std::string& hint) = 0;

protected:
    ~TResultsOwner() = default;
};

// Control and menu IDs of the results window.
enum {
    IDC_RESULTS_SOLVE_ALL = 2001,
    IDC_RESULTS_SOLVE,
    IDC_RESULTS_EXPORT,
    IDC_RESULTS_EXIT,
    IDC_RESULTS_STATUS,
    IDC_RESULTS_OUTPUT,
    IDM_RESULTS_SOLVE = 2101,
    IDM_RESULTS_SOLVE_ALL,
    IDM_RESULTS_EXPORT,
    IDM_RESULTS_CLEAR_LIST,
};

extern const char* const ResultsHelpTopic;

class TResultsForm : public TWindow {
public:
    static const char* const ClassName;
    // Background colours of the list and its rows.
    static const COLORREF SelectedColour = RGB(0xDD, 0xEF, 0xFF);
    static const COLORREF TickedColour = RGB(0xEE, 0xEE, 0xEE);
    static const COLORREF UntickedColour = RGB(0xFF, 0xFF, 0xFF);

    TResultsForm(TApplication& app, TResultsOwner& owner);
    ~TResultsForm() override;

    // Builds the window (hidden), owned by the main window.
    void Create();
    // The skin pictures of this window; errors reach the standard error box.
    void GraphicsLoad();
    // The scan flow: the list emptied and the window shown, then filled from FoundIssues.
    void ClearAndShow();
    void Fill();
    void UpdateStatus();

    // Solves the entry at the index, asking first for a risky one; false when the user
    // said No (or there is no such entry).
    bool SolveOneRealProc(int index);
    void SolveSelected();
    void SolveProc();
    void ExportProc();
    // Writes the export text to the file; raises Exception when it cannot.
    void ExportTo(const std::string& path) const;
    void ClearList();

    int ListWrapWidth = 0;
    // The width the rows are cut at: ListWrapWidth, narrowed at each fill so that
    // every line fits.
    int DrawWrapWidth = 0;
    int FittingWrapWidth() const;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK OutputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OutputMouseDown(UINT message, int x, int y);
    void OutputMeasureItem(MEASUREITEMSTRUCT& item) const;
    void OutputDrawItem(const DRAWITEMSTRUCT& item) const;
    void DrawStatus(const DRAWITEMSTRUCT& item) const;
    void AddHint(TImageButton& button, const char* hint);
    void CentreOnMain();
    void SetListColour(COLORREF colour);
    void ColourFromLastRow();
    void ShowPopup(LPARAM position);
    void Help();
    void ReportSaveError();
    TPicture Load(const char* file) const;

    TApplication& App;
    TResultsOwner& Owner;
    TPicture Back;
    TImageButton solve_all, solve, export1, exit1;
    HWND ResultsStatus = nullptr, Output = nullptr, Tips = nullptr;
    HMENU OutputPopup = nullptr;
    HFONT ListFont = nullptr, TitleFont = nullptr, StatusFont = nullptr;
    HBRUSH ListBrush = nullptr;
    COLORREF ListColour = TickedColour;
    WNDPROC OutputDefaultProc = nullptr;
    int FontHeight = 13;
    int LastClicked = -1;
    DWORD LastF1 = 0;
    // The first failure to save a solved mark during a solving run, shown once at its end.
    std::string SaveError;
};
