#pragma once
// What the windows share: the scanner, the settings and their backup, help, message
// boxes and the run lock. The main window owns it and hands it to the other windows.
#include <windows.h>

#include <memory>
#include <mutex>
#include <string>

class TOptions;
class TScanner;
class THelpEngine;

class TApplication {
public:
    // The settings store and its backup belong to the caller (the start-up step).
    TApplication(const std::string& programFolder, TOptions& options, TOptions& optionsBackup);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // The scanner with every issue, the icons and help; the main window's handle owns
    // the message boxes from here on.
    void Start(HWND mainWindow);

    TScanner& Scanner() const { return *FScanner; }
    TOptions& Options() const { return FOptions; }
    TOptions& OptionsBackup() const { return FOptionsBackup; }
    const std::string& Folder() const { return FFolder; }

    // Yes/No; true for Yes.
    bool MsgBox(const char* caption, const char* text, UINT icon) const;
    void Inform(const char* text) const;
    // Opens the help file's topic for the owner window, or says that HTML Help is missing.
    void ShowHelp(HWND owner, const char* topic) const;
    void CloseHelp() const;
    // Asks to restart Windows and does it.
    void Restart() const;

    // The found issues that are risky to solve (unticked by default).
    int DangerousCount = 0;
    // Keeps a scheduled run apart from a scan, a solving run, panic mode and another
    // scheduled run: the issues and info.ini are not safe for concurrent use.
    std::mutex RunLock;

private:
    // The hidden main window can own no box: each box comes to the front by itself.
    HWND BoxOwner() const;

    std::string FFolder;
    TOptions& FOptions;
    TOptions& FOptionsBackup;
    HWND MainWindow = nullptr;
    std::unique_ptr<TScanner> FScanner;
    std::unique_ptr<THelpEngine> HelpEngine;
    std::string HelpFile;
};
