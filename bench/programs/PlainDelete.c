/* The plainest clean a Windows program can do, as the benchmark's yardstick: list a
 * folder, then DeleteFileA each file in it, one after another on one thread, folders
 * depth first. Prints the milliseconds taken and exits 0 when the folder is gone.
 *   hm-plain-delete C:\FOLDER
 * Only a folder at least one level below a drive root is taken, and a junction or
 * symbolic link is removed as a link, never entered: the benchmark runs it in a sandbox,
 * but a wrong argument must still not empty a drive. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct {
    char** names;
    DWORD* attributes;
    size_t count, capacity;
} Listing;

static void Add(Listing* listing, const char* name, DWORD attributes)
{
    if (listing->count == listing->capacity) {
        listing->capacity = listing->capacity ? listing->capacity * 2 : 256;
        listing->names = realloc(listing->names, listing->capacity * sizeof *listing->names);
        listing->attributes = realloc(listing->attributes, listing->capacity * sizeof *listing->attributes);
        if (!listing->names || !listing->attributes)
            exit(3);
    }
    listing->names[listing->count] = _strdup(name);
    listing->attributes[listing->count++] = attributes;
}

static int RemoveTree(const char* folder)
{
    Listing listing = {0};
    char pattern[MAX_PATH + 4], path[MAX_PATH];
    WIN32_FIND_DATAA data;
    HANDLE search;
    size_t i;
    int complete = 1;

    if (strlen(folder) + 3 > MAX_PATH)
        return 0;
    sprintf(pattern, "%s\\*", folder);
    search = FindFirstFileA(pattern, &data);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (strcmp(data.cFileName, ".") != 0 && strcmp(data.cFileName, "..") != 0)
                Add(&listing, data.cFileName, data.dwFileAttributes);
        } while (FindNextFileA(search, &data));
        FindClose(search);
    }
    for (i = 0; i < listing.count; ++i) {
        DWORD attributes = listing.attributes[i];
        if (_snprintf(path, sizeof path, "%s\\%s", folder, listing.names[i]) < 0) {
            complete = 0;
        } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            complete = RemoveTree(path) && complete;
        } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            complete = (RemoveDirectoryA(path) || DeleteFileA(path)) && complete;
        } else {
            complete = DeleteFileA(path) && complete;
        }
        free(listing.names[i]);
    }
    free(listing.names);
    free(listing.attributes);
    return RemoveDirectoryA(folder) && complete;
}

static int BelowADriveRoot(const char* path)
{
    const char* rest;
    if (!((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) || path[1] != ':' || path[2] != '\\')
        return 0;
    for (rest = path + 3; *rest; ++rest)
        if (*rest != '\\' && *rest != '.' && *rest != ' ')
            return strstr(path, "..") == NULL;
    return 0;
}

int main(int argc, char** argv)
{
    LARGE_INTEGER start, end, frequency;
    DWORD attributes;
    int removed;

    if (argc != 2 || !BelowADriveRoot(argv[1])) {
        fprintf(stderr, "usage: hm-plain-delete C:\\FOLDER (below a drive root)\n");
        return 2;
    }
    attributes = GetFileAttributesA(argv[1]);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        fprintf(stderr, "hm-plain-delete: %s is not a folder\n", argv[1]);
        return 2;
    }
    QueryPerformanceCounter(&start);
    removed = RemoveTree(argv[1]);
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    printf("%.1f\n", 1000.0 * (double)(end.QuadPart - start.QuadPart) / (double)frequency.QuadPart);
    return removed ? 0 : 1;
}
