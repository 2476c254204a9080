// Drives the real Hushmark.exe of the install tree as a user would: finds its window and
// controls by name, clicks, reads the texts, and keeps screenshots.
#include "ui/MeterLevel.h"
#include "ui/SkinLayout.h"
#include "ui/Unit1.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::string Tree = "C:\\Program Files\\Hushmark\\";
const std::string Screens = "C:\\hushmark\\screens\\";
const std::string InitialStatus = "Click on \"Scan for Privacy\" to show your current privacy level";
const char* const Buttons[] = {"scan", "panic", "options", "scheduler", "help", "minim", "exit1", "About",
                               "privacy_meter"};

std::string Text(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Within the whole screen, as the display shows it.
void SaveScreenshot(HWND window, const std::string& name)
{
    CreateDirectoryA("C:\\hushmark", nullptr);
    CreateDirectoryA(Screens.c_str(), nullptr);
    RECT box;
    GetWindowRect(window, &box);
    const int width = box.right - box.left, height = box.bottom - box.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(Screens + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

// The pixels of a window as the screen shows them.
std::vector<char> Pixels(HWND window)
{
    RECT box;
    GetWindowRect(window, &box);
    const int width = box.right - box.left, height = box.bottom - box.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::vector<char> pixels(static_cast<size_t>(width) * height * 4);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Moves the real pointer, so that the program sees the mouse come and go as a user's.
void PointAt(HWND window, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    Sleep(400);
}

class MainWindow : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        DeleteFileA((Tree + "options.ini").c_str());
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = "\"" + Tree + "Hushmark.exe\"";
        ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, Tree.c_str(),
                                   &startup, &Process));
        WaitForInputIdle(Process.hProcess, 60000);
        for (int i = 0; i < 600 && !Main; ++i) {
            HWND found = FindWindowA("THushmarkMain", "Hushmark");
            if (found && IsWindowVisible(found))
                Main = found;
            else
                Sleep(100);
        }
        ASSERT_NE(Main, nullptr) << "the main window did not appear";
    }

    static void TearDownTestSuite()
    {
        if (WaitForSingleObject(Process.hProcess, 0) == WAIT_TIMEOUT) {
            PostMessageA(Main, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(Process.hProcess, 20000) == WAIT_TIMEOUT)
                TerminateProcess(Process.hProcess, 1);
        }
        CloseHandle(Process.hThread);
        CloseHandle(Process.hProcess);
    }

    static HWND Control(const char* name) { return FindWindowExA(Main, nullptr, "HmImageButton", name); }

    // A left click at the control's centre, as the mouse would send it.
    static void Click(HWND control)
    {
        RECT box;
        GetClientRect(control, &box);
        const LPARAM centre = MAKELPARAM(box.right / 2, box.bottom / 2);
        PostMessageA(control, WM_MOUSEMOVE, 0, centre);
        PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, centre);
        PostMessageA(control, WM_LBUTTONUP, 0, centre);
    }

    static LRESULT HitTest(int x, int y)
    {
        POINT point = {x, y};
        ClientToScreen(Main, &point);
        DWORD_PTR result = 0;
        SendMessageTimeoutA(Main, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y), SMTO_BLOCK, 10000, &result);
        return static_cast<LRESULT>(result);
    }

    static PROCESS_INFORMATION Process;
    static HWND Main;
};

PROCESS_INFORMATION MainWindow::Process{};
HWND MainWindow::Main = nullptr;

TEST_F(MainWindow, OpensCentredWithEveryControlNamed)
{
    RECT client;
    GetClientRect(Main, &client);
    EXPECT_EQ(client.right, MainSkin::Width);
    EXPECT_EQ(client.bottom, MainSkin::Height);
    EXPECT_EQ(GetWindowLongA(Main, GWL_STYLE) & WS_CAPTION, 0);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(Main, region), COMPLEXREGION) << "the corners are not rounded";
    DeleteObject(region);
    for (const char* name : Buttons) {
        SCOPED_TRACE(name);
        HWND control = Control(name);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(IsWindowVisible(control));
    }
    EXPECT_EQ(Text(GetDlgItem(Main, IDC_MAIN_STATUS)), InitialStatus);
    SaveScreenshot(Main, "main-before-scan");
}

TEST_F(MainWindow, DraggedByTheBackgroundOnly)
{
    EXPECT_EQ(HitTest(305, 250), HTCAPTION);  // between the meter card and the scan button
    EXPECT_EQ(HitTest(MainSkin::scan.Left + 10, MainSkin::scan.Top + 10), HTCLIENT);
    EXPECT_EQ(HitTest(MainSkin::exit1.Left + 5, MainSkin::exit1.Top + 5), HTCLIENT);
    EXPECT_EQ(HitTest(MainSkin::Status.Left + 20, MainSkin::Status.Top + 5), HTCLIENT);
}

TEST_F(MainWindow, HoverShowsTheButtonsPictureAndHint)
{
    HWND panic = Control("panic");
    HWND hint = GetDlgItem(Main, IDC_MAIN_HINT);
    PointAt(Main, 305, 250);
    const std::string line = Text(hint);
    const std::vector<char> idle = Pixels(panic);
    PointAt(panic, 20, 20);
    EXPECT_EQ(Text(hint), "Quickly delete ALL hidden risk information on your PC");
    EXPECT_NE(Pixels(panic), idle) << "no hover picture";
    SaveScreenshot(Main, "main-hover-panic");
    PointAt(Main, 305, 250);
    EXPECT_EQ(Text(hint), line);
    EXPECT_EQ(Pixels(panic), idle);
}

TEST_F(MainWindow, ScanMovesTheMeterAndTheStatusLine)
{
    HWND status = GetDlgItem(Main, IDC_MAIN_STATUS);
    Click(Control("scan"));
    std::string text = Text(status);
    for (int i = 0; i < 3000 && text == InitialStatus; ++i) {
        Sleep(100);
        text = Text(status);
    }
    const std::string levels[] = {MeterLevel(0).Status, MeterLevel(1).Status, MeterLevel(11).Status,
                                  MeterLevel(31).Status};
    EXPECT_NE(std::find(std::begin(levels), std::end(levels), text), std::end(levels)) << text;
    EXPECT_EQ(Text(GetDlgItem(Main, IDC_MAIN_HINT)), "Check found problems you want to solve and click \"Solve\"");
    Sleep(500);
    SaveScreenshot(Main, "main-after-scan");
}

TEST_F(MainWindow, ExitEndsTheProgramAndSavesTheSettings)
{
    Click(Control("exit1"));
    ASSERT_EQ(WaitForSingleObject(Process.hProcess, 30000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(Process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_NE(GetFileAttributesA((Tree + "options.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
