#pragma once
// The options window: General, Scheduler and About pages, modal over the main window.
#include "ui/Unit1.h"
#include "ui/Window.h"

#include <string>

class TOptionsForm : public TWindow {
public:
    static const char* const ClassName;

    explicit TOptionsForm(TMainForm& main);
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
    TMainForm& Main;
    bool Open = false;
};
