#pragma once
// The options window: General, Scheduler, Cookies to keep and About pages, modal over
// the main window.
#include "ui/Window.h"

#include <string>
#include <vector>

class TApplication;

// Pages of the options window.
enum TOptionsPage { PageGeneral = 0, PageScheduler = 1, PageCookies = 2, PageAbout = 3, PageCount = 4 };

// What the options window asks of the window that opens it.
class TOptionsOwner {
public:
    virtual HWND OwnerHandle() const = 0;
    // The hot-key poll and the schedule rest while the settings are edited.
    virtual void PauseTimers(bool paused) = 0;
    virtual void WaitForScheduledRun() = 0;
    // The saved settings that act outside the settings file.
    virtual void SetOptions() = 0;

protected:
    ~TOptionsOwner() = default;
};

// Control IDs of the options window; the driver finds the controls by them.
enum {
    IDC_OPT_PAGES = 3001,
    IDC_OPT_STATUS,
    IDC_OPT_HELP,
    // General
    IDC_OPT_STARTUP_GROUP,
    IDC_OPT_RUNSTARTUP,
    IDC_OPT_RUNMINIM,
    IDC_OPT_PANIC_GROUP,
    IDC_OPT_ASK,
    IDC_OPT_HOTKEY_LABEL,
    IDC_OPT_PANICHOTKEY,
    IDC_OPT_ABOUT_PANIC_GROUP,
    IDC_OPT_ABOUT_PANIC_TEXT,
    // Scheduler
    IDC_OPT_SCHEDULEWORK,
    IDC_OPT_SCHEDULE_TEXT,
    IDC_OPT_MINUTE_LABEL,
    IDC_OPT_MINUTE,
    IDC_OPT_HOUR_LABEL,
    IDC_OPT_HOUR,
    IDC_OPT_DAY_LABEL,
    IDC_OPT_DAY,
    IDC_OPT_MONTH_LABEL,
    IDC_OPT_MONTH,
    IDC_OPT_YEAR_LABEL,
    IDC_OPT_YEAR,
    IDC_OPT_WEEKDAY_LABEL,
    IDC_OPT_WEEKDAY,
    IDC_OPT_SCHEDULEDITEMS,
    // About
    IDC_OPT_PICTURE,
    IDC_OPT_NAME,
    IDC_OPT_VERSION,
    IDC_OPT_DESCRIPTION,
    IDC_OPT_HYPERLABEL1,
    IDC_OPT_HYPERLABEL2,
    IDC_OPT_HYPERLABEL3,
    // Cookies to keep
    IDC_OPT_KEEP_LABEL,
    IDC_OPT_KEEPLIST,
    IDC_OPT_KEEPSITE,
    IDC_OPT_KEEPADD,
    IDC_OPT_KEEPREMOVE,
    IDC_OPT_FOUND_LABEL,
    IDC_OPT_FOUNDSITES,
    IDC_OPT_KEEPFOUND,
};

// A row of the scheduled-checks list keeps its issue's index and its tick in the item data.
const LPARAM ScheduledTick = 0x40000000;
// The rest of a row's data: the index of its issue, rules included.
const LPARAM ScheduledIndex = ScheduledTick - 1;

extern const char* const ProductAddress;
extern const char* const SupportMail;

class TOptionsForm : public TWindow {
public:
    static const char* const ClassName;
    static constexpr int ClientWidth = 542;
    static constexpr int ClientHeight = 313;

    TOptionsForm(TApplication& app, TOptionsOwner& owner);
    ~TOptionsForm() override;

    // Builds the window (hidden) once at start-up.
    void Create();
    // Shows the window modally on a page; returns when it closes.
    void ShowModal(TOptionsPage page);
    bool IsOpen() const { return Open; }
    // The status bar, where hints go while this window is active.
    void SetStatusHint(const std::string& hint);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND AddControl(int page, const char* className, const char* text, DWORD style, int x, int y, int width,
                    int height, int id, const char* hint = nullptr);
    HWND Item(int id) const { return GetDlgItem(Handle(), id); }
    void SelectPage(int page);
    int ActivePage() const;

    void FormCreate();
    void FormShow();
    void FormHide();
    void SetOptionsToGUI();
    void GetOptionsFromGUI();
    void ok2Click();
    void CancelButtonClick();
    void HelpButtonClick();
    void HyperLabelClick(int id);
    void Close();
    // Keys the window sees before its controls.
    bool FormKeyDown(const MSG& message);
    void ShowControlHint(HWND control);

    void ResetDaysCount(int count);
    void monthChange();
    void dayChange();
    void weekdayChange();

    void PanicHotKeyClick();
    void KeyTimerTimer();
    void ShowHotKeyText();

    // The cookies page (OptionsCookies.cpp).
    void CreateCookiesPage();
    void KeepSitesToGUI();
    void KeepSitesFromGUI();
    void AddKeptSite(const std::string& entry);
    bool CookiesPageCommand(int id, int code);

    void DrawScheduledItem(const DRAWITEMSTRUCT& item) const;
    void DrawPicture(const DRAWITEMSTRUCT& item) const;
    void ToggleScheduledItem(int index);
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    void Subclass(HWND control);

    TApplication& App;
    TOptionsOwner& Owner;
    bool Open = false;
    bool Closing = false;
    std::vector<HWND> Pages[PageCount];
    std::vector<std::pair<int, std::string>> Hints;
    std::string StatusText;
    const RECT PageFrame = {6, 6, 536, 262};
    static constexpr int ButtonsBottom = 291;  // of OK, Cancel and Help
    int PageTop = 30;
    HFONT Font = nullptr, BoldFont = nullptr, NameFont = nullptr;
};
