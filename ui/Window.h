#pragma once
// The one window procedure of the program: each window object keeps its handle, finds
// itself through the window's user data, and no exception ever crosses into Windows.
#include <windows.h>

#include <string>

class TWindow {
public:
    TWindow() = default;
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    HWND Handle() const { return FHandle; }
    void Invalidate() const { InvalidateRect(FHandle, nullptr, FALSE); }

    // Registers a class of this procedure once per name.
    static void RegisterWindowClass(const char* className, HCURSOR cursor, UINT style = 0);

protected:
    // Creates the window; raises Exception when Windows refuses.
    void CreateHandle(const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y, int width,
                      int height, HWND parent, int id);
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND FHandle = nullptr;
};

// The standard error box: what the user sees of an error at a window boundary.
void ShowError(HWND owner, const std::string& message);
