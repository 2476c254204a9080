// Calls of the compiler's thread runtime that older systems lack. The runtime imports
// them statically, and one missing import keeps a program from starting, so each
// program defines the import's pointer itself: the system's own call where there is
// one, a fallback where there is not.
#include <windows.h>

namespace {

FARPROC KernelCall(const char* name)
{
    return GetProcAddress(GetModuleHandleA("kernel32.dll"), name);
}

typedef ULONGLONG(WINAPI* TGetTickCount64)();
typedef PVOID(WINAPI* TAddVectoredExceptionHandler)(ULONG, PVECTORED_EXCEPTION_HANDLER);
typedef ULONG(WINAPI* TRemoveVectoredExceptionHandler)(PVOID);

// No function-local statics: the thread runtime calls these, and a static's guard
// would call back into it.
LONG LastTick = 0;
LONG TickWraps = 0;

ULONGLONG WINAPI TickCount64()
{
    if (auto call = reinterpret_cast<TGetTickCount64>(reinterpret_cast<void*>(KernelCall("GetTickCount64"))))
        return call();
    // Windows XP and older: the 32-bit count, carried over its wrap every 49.7 days, so
    // that a timeout measured across the wrap does not end at once.
    const DWORD now = GetTickCount();
    const DWORD previous = static_cast<DWORD>(InterlockedExchange(&LastTick, static_cast<LONG>(now)));
    if (now < previous)
        InterlockedIncrement(&TickWraps);
    return (static_cast<ULONGLONG>(static_cast<DWORD>(TickWraps)) << 32) | now;
}

// The runtime uses a vectored handler only to name threads for a debugger.
PVOID WINAPI AddVectoredHandler(ULONG first, PVECTORED_EXCEPTION_HANDLER handler)
{
    auto call = reinterpret_cast<TAddVectoredExceptionHandler>(
        reinterpret_cast<void*>(KernelCall("AddVectoredExceptionHandler")));
    return call ? call(first, handler) : nullptr;
}

ULONG WINAPI RemoveVectoredHandler(PVOID handle)
{
    auto call = reinterpret_cast<TRemoveVectoredExceptionHandler>(
        reinterpret_cast<void*>(KernelCall("RemoveVectoredExceptionHandler")));
    return call && handle ? call(handle) : 0;
}

}  // namespace

// The names the import library would give these pointers.
extern "C" {
TGetTickCount64 ImportGetTickCount64 __asm__("__imp__GetTickCount64@0") = TickCount64;
TAddVectoredExceptionHandler ImportAddVectoredExceptionHandler __asm__("__imp__AddVectoredExceptionHandler@8") =
    AddVectoredHandler;
TRemoveVectoredExceptionHandler ImportRemoveVectoredExceptionHandler __asm__(
    "__imp__RemoveVectoredExceptionHandler@4") = RemoveVectoredHandler;
}
