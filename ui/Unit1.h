#pragma once
// The main window: a borderless skinned window, dragged by its background, with the
// scan and panic buttons, the privacy meter and the status and hint lines.
#include "ui/ImageButton.h"
#include "ui/Pictures.h"
#include "ui/Window.h"

#include <memory>
#include <string>

class TOptions;
class TScanner;

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

class TMainForm : public TWindow {
public:
    static const char* const ClassName;

    TMainForm(const std::string& programFolder, TOptions& options);
    ~TMainForm() override;

    // Builds the window and its controls (hidden), then the scanner with every issue.
    void Create();
    // The skin pictures; an error is shown in the standard error box and ends only this step.
    void GraphicsLoad();
    void ShowCentred();

    void scanClick();
    void SetScanning(bool scanning);

    std::string MeterColour = "red";
    int DangerousCount = 0;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AddHint(TImageButton& button, const char* hint);
    void ShowHint(bool show, const TImageButton& button);
    void SetHintLine(const std::string& text);
    HWND CreateText(const char* name, const TSkinRect& rect, int id, const char* text);
    void DrawText(const DRAWITEMSTRUCT& item) const;
    TPicture Load(const char* file) const;
    bool MsgBox(const char* caption, const char* text, UINT icon) const;

    std::string Folder;
    TOptions& Options;
    std::unique_ptr<TScanner> Scanner;
    TPicture Back;
    TImageButton scan, panic, options, scheduler, help, minim, exit1, About, privacy_meter;
    HWND Status = nullptr, Hint = nullptr, Label1 = nullptr, Label2 = nullptr;
    HWND Tips = nullptr;
    // The hint line's own text while a button's hint covers it.
    std::string HintLine;
    bool HintShown = false;
    HFONT BoldFont = nullptr, PlainFont = nullptr;
    bool Scanning = false;
};
