#include "ui/Window.h"

#include "primitives/Errors.h"

#include <exception>

TWindow::~TWindow()
{
    if (FHandle) {
        SetWindowLongPtrA(FHandle, GWLP_USERDATA, 0);
        DestroyWindow(FHandle);
    }
}

void TWindow::RegisterWindowClass(const char* className, HCURSOR cursor, UINT style)
{
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(GetModuleHandleA(nullptr), className, &existing))
        return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = cursor;
    windowClass.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    windowClass.lpszClassName = className;
    if (!RegisterClassExA(&windowClass))
        throw Exception(Format("Cannot register the window class %s", className));
}

void TWindow::CreateHandle(const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y,
                           int width, int height, HWND parent, int id)
{
    HMENU menu = parent ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
    CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, menu, GetModuleHandleA(nullptr),
                    this);
    if (!FHandle)
        throw Exception(Format("Cannot create the window %s", text));
}

LRESULT TWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(FHandle, message, wParam, lParam);
}

LRESULT CALLBACK TWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        // The object is known from here on, so that WM_CREATE already reaches it.
        TWindow* self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->FHandle = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    TWindow* self = reinterpret_cast<TWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->FHandle = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    try {
        return self->WndProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        ShowError(window, error.what());
    } catch (...) {
        ShowError(window, "Unknown error");
    }
    return 0;
}

void ShowError(HWND owner, const std::string& message)
{
    MessageBoxA(owner, message.c_str(), "Hushmark", MB_OK | MB_ICONERROR);
}
