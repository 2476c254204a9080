#include "ui/TrayIcon.h"

#include <shellapi.h>

TTrayIcon::~TTrayIcon()
{
    Remove();
    for (HICON icon : Icons)
        if (icon)
            DestroyIcon(icon);
}

void TTrayIcon::Create(HWND owner, HICON normal, HICON alternate, const std::string& hint)
{
    Icons[0] = normal;
    Icons[1] = alternate;
    TaskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    // The first layout of the structure: every shell takes it, and the hint fits in 64.
    Data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    Data.hWnd = owner;
    Data.uID = 1;
    Data.uCallbackMessage = WM_TRAYICON;
    Index = 0;
    Data.hIcon = Icons[0];
    lstrcpynA(Data.szTip, hint.c_str(), sizeof Data.szTip);
    Add();
}

void TTrayIcon::Add()
{
    // A shell that already shows the icon (a broadcast it did not need) refuses the
    // addition but takes the whole state as a modification.
    Data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    Added = Notify(NIM_ADD) || Notify(NIM_MODIFY);
}

bool TTrayIcon::Notify(DWORD action)
{
    return Data.hWnd && Shell_NotifyIconA(action, &Data);
}

void TTrayIcon::SetHint(const std::string& hint)
{
    lstrcpynA(Data.szTip, hint.c_str(), sizeof Data.szTip);
    Update(NIF_TIP);
}

void TTrayIcon::ShowBalloon(const std::string& title, const std::string& text)
{
    if (!Added)
        return;
    // The larger layout only for this call: older shells refuse it as a whole.
    NOTIFYICONDATAA balloon = Data;
    balloon.cbSize = NOTIFYICONDATAA_V2_SIZE;
    balloon.uFlags = NIF_INFO;
    lstrcpynA(balloon.szInfo, text.c_str(), sizeof balloon.szInfo);
    lstrcpynA(balloon.szInfoTitle, title.c_str(), sizeof balloon.szInfoTitle);
    balloon.dwInfoFlags = NIIF_INFO;
    balloon.uTimeout = 15000;
    Shell_NotifyIconA(NIM_MODIFY, &balloon);
}

void TTrayIcon::SetImage(int index)
{
    Index = index == 1 ? 1 : 0;
    Data.hIcon = Icons[Index];
    Update(NIF_ICON);
}

void TTrayIcon::Update(UINT flags)
{
    // Without a shell at start-up the icon was never added: try again on each change.
    if (Added) {
        Data.uFlags = flags;
        Notify(NIM_MODIFY);
    } else if (Data.hWnd) {
        Add();
    }
}

bool TTrayIcon::Recreated(UINT message)
{
    if (!TaskbarCreated || message != TaskbarCreated || !Data.hWnd)
        return false;
    // A shell that started after us, or restarted: it knows nothing of the icon.
    Add();
    return true;
}

void TTrayIcon::Remove()
{
    if (Data.hWnd) {
        Notify(NIM_DELETE);
        Data.hWnd = nullptr;
    }
    Added = false;
}
