#pragma once
// Owners for the few resources an export holds, so that every road out of a call
// frees them.
#include <windows.h>
#include <memory>

namespace Clearing {

struct HeapFreer {
    void operator()(void* block) const { HeapFree(GetProcessHeap(), 0, block); }
};
// A block from the process heap.
using HeapBlock = std::unique_ptr<void, HeapFreer>;

inline HeapBlock AllocZeroed(SIZE_T size)
{
    return HeapBlock(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size));
}

class KeyHandle {
public:
    KeyHandle() = default;
    ~KeyHandle() { Close(); }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;

    bool Open(HKEY parent, const char* path, REGSAM access)
    {
        Close();
        return RegOpenKeyExA(parent, path, 0, access, &key_) == ERROR_SUCCESS;
    }
    void Close()
    {
        if (key_)
            RegCloseKey(key_);
        key_ = nullptr;
    }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

} // namespace Clearing
