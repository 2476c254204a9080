// Where the time of a rule file goes: reading the file, the reader alone, the reader
// with the issues made, and two passes of checks, each with its wall and CPU time, the
// allocations it made and the bytes the program then holds (operator new is counted).
//   hm-rules-clock FILE [ROUNDS]
// Run in a sandbox only: the checks look at the sandbox's disk and registry.
#include "primitives/WholeFiles.h"
#include "rules/RuleIssue.h"
#include "rules/RuleLoader.h"
#include "rules/RuleReader.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <string>

// Every allocation of the program counted, and the bytes held.
namespace {
long Allocations = 0;
long long HeldBytes = 0;
}
void* operator new(size_t size)
{
    ++Allocations;
    void* block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    HeldBytes += static_cast<long long>(_msize(block));
    return block;
}
void operator delete(void* block) noexcept
{
    if (block)
        HeldBytes -= static_cast<long long>(_msize(block));
    std::free(block);
}
void operator delete(void* block, size_t) noexcept { operator delete(block); }

namespace {

double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& time) {
        return ((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

double WallSeconds()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct TPhase {
    const char* Name;
    double Wall, Cpu;
    long Made;
    TPhase(const char* name) : Name(name), Wall(WallSeconds()), Cpu(CpuSeconds()), Made(Allocations) {}
    ~TPhase()
    {
        std::printf("%-22s wall %7.1f ms  cpu %7.1f ms  allocations %7ld  held %6.2f MB\n", Name,
                    (WallSeconds() - Wall) * 1e3, (CpuSeconds() - Cpu) * 1e3, Allocations - Made,
                    static_cast<double>(HeldBytes) / 1048576);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: hm-rules-clock FILE [ROUNDS]\n");
        return 2;
    }
    int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    auto system = std::make_shared<const TRuleSystem>(ReadRuleSystem());
    for (int round = 0; round < rounds; ++round) {
        std::string text;
        {
            TPhase phase("read the file");
            text = LoadFileText(argv[1]);
        }
        size_t entries = 0;
        {
            TPhase phase("reader alone");
            TRuleFile file;
            ReadRuleText(text, file, [&](TRuleEntry&) { ++entries; });
        }
        TIssueList issues;
        std::vector<std::string> messages;
        {
            TPhase phase("reader and issues");
            AddRuleIssues(text, "bench.ini", system, issues, messages);
        }
        int found = 0;
        for (int pass = 0; pass < 2; ++pass) {
            TPhase phase(pass == 0 ? "first pass of checks" : "second pass of checks");
            for (auto& issue : issues)
                found += issue->Check() ? 1 : 0;
        }
        {
            TPhase phase("issues freed");
            issues.clear();
        }
        std::printf("round %d: %u entries, %u found\n\n", round + 1, static_cast<unsigned>(entries), static_cast<unsigned>(found));
    }
    return 0;
}
