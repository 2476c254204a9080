#include "primitives/EffectsWorkers.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <system_error>
#include <thread>

namespace {

// Below this many files per thread, starting a thread costs more than it saves.
const size_t FilesPerThread = 48;

// Four by default: measured under Wine 8 on two loaded cores (bench/README.md), each
// deletion mostly waits on the wineserver and the disk, and two threads were no faster
// than one while four took half the time. HUSHMARK_DELETE_THREADS (1 to 8) lets the
// benchmark compare.
size_t ThreadCount()
{
    static const size_t count = [] {
        const char* text = std::getenv("HUSHMARK_DELETE_THREADS");
        long wanted = text ? std::strtol(text, nullptr, 10) : 4;
        return static_cast<size_t>(wanted >= 1 && wanted <= 8 ? wanted : 4);
    }();
    return count;
}

void DeleteOne(TRawDeletion& file)
{
    if (file.ClearAttributes)
        SetFileAttributesA(file.Path.c_str(), FILE_ATTRIBUTE_NORMAL);
    file.Deleted = DeleteFileA(file.Path.c_str()) != 0;
    file.Error = file.Deleted ? 0 : GetLastError();
}

void TakeTurns(std::vector<TRawDeletion>& files, std::atomic<size_t>& next)
{
    for (size_t i = next++; i < files.size(); i = next++)
        DeleteOne(files[i]);
}

}  // namespace

void DeleteFilesOverlapped(std::vector<TRawDeletion>& files)
{
    size_t threads = std::min(ThreadCount(), files.size() / FilesPerThread);
    std::atomic<size_t> next{0};
    std::vector<std::thread> helpers;
    for (size_t i = 1; i < threads; ++i) {
        try {
            helpers.emplace_back([&] { TakeTurns(files, next); });
        } catch (const std::system_error&) {
            break;  // fewer helpers: the calling thread still does every file left
        }
    }
    TakeTurns(files, next);
    for (std::thread& helper : helpers)
        helper.join();
}
