#pragma once
// The main window: a borderless skinned window, dragged by its background, with the
// scan and panic buttons, the privacy meter and the status and hint lines.
#include "ui/Application.h"
#include "ui/ImageButton.h"
#include "ui/Pictures.h"
#include "ui/Unit2.h"
#include "ui/Unit4.h"
#include "ui/Window.h"

#include <memory>
#include <string>

class TTrayIcon;
class TScheduleThread;

// Control IDs of the main window.
enum {
    IDC_MAIN_SCAN = 1001,
    IDC_MAIN_PANIC,
    IDC_MAIN_OPTIONS,
    IDC_MAIN_SCHEDULER,
    IDC_MAIN_HELP,
    IDC_MAIN_MINIM,
    IDC_MAIN_EXIT,
    IDC_MAIN_ABOUT,
    IDC_MAIN_METER,
    IDC_MAIN_STATUS,
    IDC_MAIN_HINT,
    IDC_MAIN_LABEL1,
    IDC_MAIN_LABEL2,
};

// Entries of the notification icon's menu.
enum {
    IDM_TRAY_SHOW = 2001,
    IDM_TRAY_OPTIONS,
    IDM_TRAY_SCHEDULER,
    IDM_TRAY_HELP,
    IDM_TRAY_WEBSITE,
    IDM_TRAY_EXIT,
};

// Timer IDs of the main window.
enum {
    HotKeyTimer = 1,
    SchedulerTimer,
    TrayIconBlinkTimer,
};

// Help topics, each after the help file's path.
extern const char* const MainHelpTopic;

class TMainForm : public TWindow, public TResultsOwner, public TOptionsOwner {
public:
    static const char* const ClassName;

    // The settings store and its backup belong to the caller (the start-up step).
    TMainForm(const std::string& programFolder, TOptions& options, TOptions& optionsBackup);
    ~TMainForm() override;

    // Builds the window and its controls (hidden), then the scanner with every issue.
    void Create();
    // The skin pictures; an error is shown in the standard error box and ends only this step.
    void GraphicsLoad();
    void ShowCentred();
    // Places the window in the middle of the work area without showing it.
    void Centre();

    void scanClick();
    void SetScanning(bool scanning);
    void panicClick();
    void SetOptions() override;
    void ShowActive();
    // The options window, modal, on a page.
    void ShowOptions(TOptionsPage page);
    // The long form of a hint: to the hint line when the main window is active, else to
    // the options window's status bar.
    void DisplayHint(const std::string& hint) override;
    void SetHintLine(const std::string& text);

    // The notification icon: its hint, and blinking during a scheduled clean-up.
    void SetTrayHint(const std::string& hint);
    void SetBlinking(bool blinking);

    // Timer handlers (the keyboard poll and the schedule).
    void HotKeyTimerTimer();
    void SchedulerTimerTimer();
    void TrayIconBlinkTimerTimer();
    void EnableTimer(UINT id, bool enabled);
    // The first entry of the notification menu, as the window's visibility asks.
    void TrayMenuPopup();
    // Start and end steps of a scheduled run, on the main thread.
    void ScheduleStarted();
    void ScheduleEnded();
    // Waits for a scheduled run in progress (end of the program).
    void WaitForScheduledRun() override;
    HWND OwnerHandle() const override;
    void PauseTimers(bool paused) override;

    TApplication& App() { return FApp; }

    std::string MeterColour = "red";
    // Posted by a scheduled run's thread to the main window (synchronised steps).
    static const UINT WM_SCHEDULE_START = WM_APP + 10;
    static const UINT WM_SCHEDULE_END = WM_APP + 11;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddHint(TImageButton& button, const char* hint);
    void ShowHint(bool show, const TImageButton& button);
    HWND CreateText(const char* name, const TSkinRect& rect, int id, const char* text);
    void DrawText(const DRAWITEMSTRUCT& item) const;
    TPicture Load(const char* file) const;
    void CreateTrayIcon();
    void OpenTrayMenu();
    void TrayCommand(UINT id);
    bool Command(UINT id);
    void Website() const;
    void PanicRun();

    TApplication FApp;
    std::unique_ptr<TResultsForm> ResultsForm;
    std::unique_ptr<TOptionsForm> OptionsForm;
    std::unique_ptr<TScheduleThread> ScheduleThread;
    std::unique_ptr<TTrayIcon> TrayIcon;
    HMENU TrayMenu = nullptr;
    TPicture Back;
    TImageButton scan, panic, options, scheduler, help, minim, exit1, About, privacy_meter;
    HWND Status = nullptr, Hint = nullptr, Label1 = nullptr, Label2 = nullptr;
    HWND Tips = nullptr;
    // The hint line's own text while a button's hint covers it.
    std::string HintLine;
    bool HintShown = false;
    HFONT BoldFont = nullptr, PlainFont = nullptr;
    bool Scanning = false;
    // Set while panic mode asks or runs: the hot-key poll keeps firing meanwhile.
    bool Panicking = false;
};
