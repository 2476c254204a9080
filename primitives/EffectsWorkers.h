#pragma once
// Inside the effects layer only: the system calls of many file deletions, overlapped.
// Under Wine each DeleteFileA waits on the wineserver twice (open with delete-on-close,
// close) and on the disk; several threads keep the server busy while the others wait,
// so a large folder empties in well under the time of a one-by-one loop.
#include <windows.h>

#include <string>
#include <vector>

struct TRawDeletion {
    std::string Path;  // checked by the caller: below a root allowed by the layer
    bool ClearAttributes = false;
    bool Deleted = false;
    DWORD Error = 0;   // GetLastError of the failed call
};

// Deletes every file of the list, on more than one thread when the list is long enough
// to pay for them. Records nothing: the caller records on its own thread, in its order.
void DeleteFilesOverlapped(std::vector<TRawDeletion>& files);
