#pragma once
// The HTML Help control, found through its COM registration and bound at run time, so
// that the program starts (without help) on a system that lacks it.
#include <windows.h>

#include <string>

class THelpEngine {
public:
    THelpEngine() = default;
    ~THelpEngine();
    THelpEngine(const THelpEngine&) = delete;
    THelpEngine& operator=(const THelpEngine&) = delete;

    // Loads the registered control once; false when the key, its file or the library
    // is missing.
    bool Load();
    bool Loaded() const { return HtmlHelp != nullptr; }
    // HH_DISPLAY_TOPIC of "file::/topic"; the help window, or null.
    HWND DisplayTopic(HWND owner, const std::string& fileAndTopic) const;
    // HH_CLOSE_ALL.
    void CloseAll() const;

    // The file registered for the control, or empty.
    static std::string RegisteredPath();

private:
    typedef HWND(WINAPI* THtmlHelpA)(HWND, LPCSTR, UINT, DWORD_PTR);
    HMODULE Library = nullptr;
    THtmlHelpA HtmlHelp = nullptr;
};
