#pragma once
// The results window: the issues found by the last scan, each with its icon, tick box,
// bold title and wrapped description; solving one or every ticked entry, export, clear.
#include "ui/Window.h"

#include <string>

class TMainForm;

class TResultsForm : public TWindow {
public:
    static const char* const ClassName;

    explicit TResultsForm(TMainForm& main);
    ~TResultsForm() override;

    // Builds the window (hidden), centred on the main window.
    void Create();
    // The skin pictures of this window; errors reach the standard error box.
    void GraphicsLoad();
    // The scan flow: the list emptied and the window shown, then filled from FoundIssues.
    void ClearAndShow();
    void Fill();
    void UpdateStatus();

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TMainForm& Main;
};
