#include "cli/Progress.h"

#include <cstdio>

bool StandardErrorIsConsole()
{
    // GetConsoleMode fails on files and pipes, which is exactly when no progress belongs.
    DWORD mode;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

void TProgress::Begin(int count)
{
    Started = GetTickCount();
    Count = count;
}

void TProgress::Step(int index, const std::string& title)
{
    if (!Enabled || GetTickCount() - Started < 1000)
        return;
    char head[48];
    std::snprintf(head, sizeof head, "issue %d of %d: ", index, Count);
    std::string line = head + title;
    // Short of 80 columns, or the console wraps and the line stops rewriting itself.
    if (line.size() > 78)
        line.resize(78);
    size_t width = line.size();
    if (width < Shown)
        line.append(Shown - width, ' ');
    Shown = width;
    std::fprintf(stderr, "\r%s", line.c_str());
    std::fflush(stderr);
}

void TProgress::End()
{
    if (Shown == 0)
        return;
    std::fprintf(stderr, "\r%s\r", std::string(Shown + 1, ' ').c_str());
    std::fflush(stderr);
    Shown = 0;
}
