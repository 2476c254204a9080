#include "tests/ui/Driver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace {

// Started as a browser's stand-in: it waits to be ended and runs no test.
const bool StandIn = [] {
    if (strstr(GetCommandLineA(), "--stand-in")) {
        Sleep(120000);
        ExitProcess(0);
    }
    return false;
}();

struct TFind {
    DWORD Process;
    const char* ClassName;
    const char* Title;
    HWND Found;
    int Count;
};

bool Matches(HWND window, const TFind& find)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return process == find.Process && IsWindowVisible(window) && name == std::string(find.ClassName) &&
           (!find.Title || Text(window) == find.Title);
}

BOOL CALLBACK FindOne(HWND window, LPARAM data)
{
    TFind& find = *reinterpret_cast<TFind*>(data);
    if (!Matches(window, find))
        return TRUE;
    find.Found = window;
    return FALSE;
}

BOOL CALLBACK CountOne(HWND window, LPARAM data)
{
    TFind& find = *reinterpret_cast<TFind*>(data);
    if (Matches(window, find))
        ++find.Count;
    return TRUE;
}

BITMAPINFOHEADER Header(int width, int height, int bits)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bits);
    header.biCompression = BI_RGB;
    return header;
}

}  // namespace

std::string Text(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string SentText(HWND window)
{
    char text[1024] = {};
    Send(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_BLOCK, 10000, &result);
    return static_cast<LRESULT>(result);
}

std::string ListText(HWND list, int index)
{
    // Wide: Wine hands a list box's text to another process in UTF-16 even when asked
    // in ANSI, overrunning an ANSI buffer. The buffer is generous for the same reason.
    std::vector<wchar_t> wide(4096, L'\0');
    if (SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide.data())) == LB_ERR)
        return std::string();
    char text[4096] = {};
    WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, text, sizeof text - 1, nullptr, nullptr);
    return text;
}

bool Responds(HWND window, int milliseconds)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, static_cast<UINT>(milliseconds), &result) != 0;
}

void Pump(int milliseconds)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        const DWORD now = GetTickCount();
        if (static_cast<int>(end - now) <= 0)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    }
}

bool WaitUntil(const std::function<bool()>& condition, int milliseconds)
{
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (condition())
            return true;
        Pump(50);
    }
    return condition();
}

HWND WaitForWindow(DWORD process, const char* className, const char* title, int milliseconds)
{
    TFind find = {process, className, title, nullptr, 0};
    WaitUntil(
        [&] {
            EnumWindows(FindOne, reinterpret_cast<LPARAM>(&find));
            return find.Found != nullptr;
        },
        milliseconds);
    return find.Found;
}

int CountWindows(DWORD process, const char* className, const char* title)
{
    TFind find = {process, className, title, nullptr, 0};
    EnumWindows(CountOne, reinterpret_cast<LPARAM>(&find));
    return find.Count;
}

std::string DialogText(HWND dialog)
{
    std::string text;
    for (HWND child = FindWindowExA(dialog, nullptr, "Static", nullptr); child;
         child = FindWindowExA(dialog, child, "Static", nullptr))
        if (!Text(child).empty())
            text += (text.empty() ? "" : "\n") + Text(child);
    return text;
}

void PressDialogButton(HWND dialog, int button)
{
    HWND control = GetDlgItem(dialog, button);
    ASSERT_NE(control, nullptr) << "no button " << button;
    PostMessageA(control, BM_CLICK, 0, 0);
}

testing::AssertionResult IsSkinned(HWND window, int width, int height)
{
    RECT client;
    GetClientRect(window, &client);
    if (client.right != width || client.bottom != height)
        return testing::AssertionFailure() << "the client area is " << client.right << " x " << client.bottom
                                           << ", the skin " << width << " x " << height;
    if (GetWindowLongA(window, GWL_STYLE) & WS_CAPTION)
        return testing::AssertionFailure() << "the window has a caption";
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int shape = GetWindowRgn(window, region);
    DeleteObject(region);
    if (shape != COMPLEXREGION)
        return testing::AssertionFailure() << "the corners are not rounded";
    return testing::AssertionSuccess();
}

void Click(HWND control)
{
    RECT box;
    GetClientRect(control, &box);
    const LPARAM centre = MAKELPARAM(box.right / 2, box.bottom / 2);
    PostMessageA(control, WM_MOUSEMOVE, 0, centre);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageA(control, WM_LBUTTONUP, 0, centre);
}

void PointAt(HWND window, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    Sleep(400);
}

RECT WindowBox(HWND window)
{
    RECT box;
    GetWindowRect(window, &box);
    return box;
}

RECT ClientBox(HWND window)
{
    RECT box;
    GetClientRect(window, &box);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

std::vector<char> Pixels(const RECT& box, int bits)
{
    const int width = box.right - box.left, height = box.bottom - box.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER header = Header(width, height, bits);
    const int stride = (width * bits / 8 + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

std::vector<char> Pixels(HWND window) { return Pixels(WindowBox(window)); }

void SaveScreenshot(const RECT& box, const std::string& name)
{
    CreateDirectoryA("C:\\hushmark", nullptr);
    CreateDirectoryA(Screens.c_str(), nullptr);
    const std::vector<char> pixels = Pixels(box, 24);
    const BITMAPINFOHEADER header = Header(box.right - box.left, box.bottom - box.top, 24);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(Screens + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

void SaveScreenshot(HWND window, const std::string& name) { SaveScreenshot(WindowBox(window), name); }

bool StartProgram(PROCESS_INFORMATION& process)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = "\"" + Tree + "Hushmark.exe\"";
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, Tree.c_str(), &startup, &process))
        return false;
    WaitForInputIdle(process.hProcess, 60000);
    return true;
}

HWND WaitForMainWindow()
{
    HWND main = nullptr;
    WaitUntil(
        [&] {
            main = FindWindowA("THushmarkMain", "Hushmark");
            return main && IsWindowVisible(main);
        },
        60000);
    return main && IsWindowVisible(main) ? main : nullptr;
}

void StopProgram(PROCESS_INFORMATION& process, HWND main)
{
    if (!process.hProcess)
        return;
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        PostMessageA(main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 20000) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

HANDLE StartFakeBrowser(const std::string& exeName)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    const std::string copy = "C:\\hushmark\\" + exeName;
    if (!CopyFileA(self, copy.c_str(), FALSE))
        return nullptr;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + copy + "\" --stand-in";
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

namespace {

std::vector<std::string> TrayTexts;

// Runs of at least four printable characters, read as UTF-16 and as bytes, so that the
// texts are found whatever the layout the shell's message has.
void KeepTexts(const unsigned char* data, size_t size)
{
    for (size_t step : {size_t(2), size_t(1)}) {
        std::string run;
        for (size_t i = 0; i + step <= size; i += step) {
            const unsigned code = step == 2 ? data[i] | (data[i + 1] << 8) : data[i];
            if (code >= 0x20 && code < 0x7F) {
                run += static_cast<char>(code);
                continue;
            }
            if (code == '\n' && !run.empty()) {
                run += '\n';
                continue;
            }
            if (run.size() >= 4)
                TrayTexts.push_back(run);
            run.clear();
        }
        if (run.size() >= 4)
            TrayTexts.push_back(run);
    }
}

LRESULT CALLBACK TrayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const COPYDATASTRUCT* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (copy && copy->lpData)
            KeepTexts(static_cast<const unsigned char*>(copy->lpData), copy->cbData);
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

TTrayListener::TTrayListener()
{
    TrayTexts.clear();
    WNDCLASSA tray = {};
    tray.lpfnWndProc = TrayProc;
    tray.hInstance = GetModuleHandleA(nullptr);
    tray.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&tray);
    Window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr,
                             nullptr, tray.hInstance, nullptr);
}

TTrayListener::~TTrayListener()
{
    if (Window)
        DestroyWindow(Window);
}

const std::vector<std::string>& TTrayListener::Texts() const
{
    return TrayTexts;
}
