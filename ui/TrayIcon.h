#pragma once
// The program's icon in the notification area. Its mouse messages come to the owner
// window as WM_TRAYICON (lParam: the mouse message); the owner passes every other
// message through Recreated, so that the icon comes back with a new taskbar.
#include <windows.h>

#include <string>

class TTrayIcon {
public:
    static const UINT WM_TRAYICON = WM_APP + 20;

    TTrayIcon() = default;
    ~TTrayIcon();
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    // Shows the icon with image 0 and the hint; the images belong to this object.
    void Create(HWND owner, HICON normal, HICON alternate, const std::string& hint);
    void SetHint(const std::string& hint);
    // A balloon beside the icon; shells before version 5 show none, and the hint stays.
    void ShowBalloon(const std::string& title, const std::string& text);
    // 0 normal, 1 alternate.
    void SetImage(int index);
    int Image() const { return Index; }
    // True, after adding the icon again, when the message says the taskbar was re-created.
    bool Recreated(UINT message);
    void Remove();

private:
    bool Notify(DWORD action);
    void Add();
    void Update(UINT flags);

    NOTIFYICONDATAA Data{};
    HICON Icons[2] = {nullptr, nullptr};
    int Index = 0;
    UINT TaskbarCreated = 0;
    bool Added = false;
};
