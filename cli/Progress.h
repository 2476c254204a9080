#pragma once
// One self-rewriting line on standard error ("issue k of n: title") while a long run
// goes on. Only on a console, and only once the run has taken more than a second, so
// that quick runs and redirected output stay clean.
#include <string>
#include <windows.h>

bool StandardErrorIsConsole();

class TProgress {
public:
    explicit TProgress(bool enabled) : Enabled(enabled) {}
    TProgress(const TProgress&) = delete;
    TProgress& operator=(const TProgress&) = delete;
    ~TProgress() { End(); }

    void Begin(int count);
    void Step(int index, const std::string& title);  // index from 1
    void End();                                      // wipes the line

private:
    bool Enabled;
    DWORD Started = 0;
    int Count = 0;
    size_t Shown = 0;
};
