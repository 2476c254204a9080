// What the UI drivers share: reading and finding the program's windows, clicking them,
// moving the pointer, taking the screen's pixels and screenshots, starting and stopping
// the program, and waiting with this thread's messages flowing.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

const std::string Tree = "C:\\Program Files\\Hushmark\\";
const std::string Screens = "C:\\hushmark\\screens\\";

// The text as the system keeps it for the window.
std::string Text(HWND window);
// Asked of the control itself: WM_GETTEXT is carried across processes, GetWindowText is not.
std::string SentText(HWND window);
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// The text of a row of another process's list box.
std::string ListText(HWND list, int index);
// The window handles every message posted to it before; false when it stays busy.
bool Responds(HWND window, int milliseconds);

// Waits with this thread's messages flowing: a driver's own window reads keys from X.
void Pump(int milliseconds);
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 10000);

// A visible top-level window of the process, by class and (when given) title.
HWND WaitForWindow(DWORD process, const char* className, const char* title, int milliseconds);
int CountWindows(DWORD process, const char* className, const char* title);
// The texts of a dialog's static controls, joined by new lines.
std::string DialogText(HWND dialog);
void PressDialogButton(HWND dialog, int button);

// Shaped by its skin: the client area is the skin's size, no caption, rounded corners.
testing::AssertionResult IsSkinned(HWND window, int width, int height);

// A left click at the control's centre, as the mouse would send it.
void Click(HWND control);
// Moves the real pointer, so that the program sees the mouse come and go as a user's.
void PointAt(HWND window, int x, int y);

// Rectangles on the screen.
RECT WindowBox(HWND window);
// Without a window manager the frame is not drawn: the client area alone.
RECT ClientBox(HWND window);
// The pixels of the box as the screen shows them, rows padded to four bytes.
std::vector<char> Pixels(const RECT& box, int bits = 32);
std::vector<char> Pixels(HWND window);
// Kept as Screens\<name>.bmp; the driver script turns them into PNG files.
void SaveScreenshot(const RECT& box, const std::string& name);
void SaveScreenshot(HWND window, const std::string& name);

// Hushmark.exe of the install tree, started in its folder; false when it did not start.
bool StartProgram(PROCESS_INFORMATION& process);
// The main window once it shows, or null after a minute.
HWND WaitForMainWindow();
// Closed as a user would, ended when it does not go within 20 seconds.
void StopProgram(PROCESS_INFORMATION& process, HWND main);

// A program that runs under the name of a browser: a copy of the driver, which only
// waits when started so (a copy of a Wine program would start Wine's own browser). The
// caller ends it and deletes C:\hushmark\<exeName>.
HANDLE StartFakeBrowser(const std::string& exeName);

// While alive: a window of the taskbar's class, found before the shell's own, which
// takes the notification icon's messages (Shell_NotifyIcon sends them as WM_COPYDATA)
// and keeps every text in them. Messages flow while the driver waits (Pump, WaitUntil).
class TTrayListener {
public:
    TTrayListener();
    ~TTrayListener();
    TTrayListener(const TTrayListener&) = delete;
    TTrayListener& operator=(const TTrayListener&) = delete;
    bool Listening() const { return Window != nullptr; }
    // Every run of readable UTF-16 or single-byte text of every message so far.
    const std::vector<std::string>& Texts() const;

private:
    HWND Window = nullptr;
};
