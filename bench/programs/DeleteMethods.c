/* Which deletion call and how many threads empty a tree fastest under this Windows (the
 * benchmark's question, not the program's). Lists the whole tree first, then deletes its
 * files with one call on THREADS threads, then removes the folders. Prints the
 * milliseconds taken by the deletions and by the whole, and the files left undeleted.
 *   hm-delete-methods METHOD THREADS C:\FOLDER
 * METHOD: deletefile (DeleteFileA), deleteonclose (CreateFileA with
 * FILE_FLAG_DELETE_ON_CLOSE, CloseHandle), ntdeletefile (NtDeleteFile), disposition
 * (NtOpenFile for DELETE, NtSetInformationFile FileDispositionInformation, NtClose).
 * Only a folder at least one level below a drive root is taken; links are never
 * entered (the benchmark runs it in a sandbox). */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef LONG NTSTATUS_;
typedef struct {
    USHORT Length, MaximumLength;
    PWSTR Buffer;
} USTRING;
typedef struct {
    ULONG Length;
    HANDLE RootDirectory;
    USTRING* ObjectName;
    ULONG Attributes;
    PVOID SecurityDescriptor, SecurityQualityOfService;
} OBJATTR;
typedef struct {
    union {
        NTSTATUS_ Status;
        PVOID Pointer;
    } u;
    ULONG_PTR Information;
} IOSB;
typedef NTSTATUS_(WINAPI* TNtDeleteFile)(OBJATTR*);
typedef NTSTATUS_(WINAPI* TNtOpenFile)(HANDLE*, ACCESS_MASK, OBJATTR*, IOSB*, ULONG, ULONG);
typedef NTSTATUS_(WINAPI* TNtSetInformationFile)(HANDLE, IOSB*, PVOID, ULONG, int);
typedef NTSTATUS_(WINAPI* TNtClose)(HANDLE);

static TNtDeleteFile NtDeleteFile_;
static TNtOpenFile NtOpenFile_;
static TNtSetInformationFile NtSetInformationFile_;
static TNtClose NtClose_;

typedef struct {
    char** items;
    size_t count, capacity;
} List;

static void Add(List* list, const char* text)
{
    if (list->count == list->capacity) {
        list->capacity = list->capacity ? list->capacity * 2 : 1024;
        list->items = realloc(list->items, list->capacity * sizeof *list->items);
        if (!list->items)
            exit(3);
    }
    list->items[list->count++] = _strdup(text);
}

static List Files, Folders;
static int Method;
static volatile LONG Next;
static volatile LONG Failed;

static void ListTree(const char* folder)
{
    char pattern[MAX_PATH + 4], path[MAX_PATH];
    WIN32_FIND_DATAA data;
    HANDLE search;
    Add(&Folders, folder);
    sprintf(pattern, "%s\\*", folder);
    search = FindFirstFileA(pattern, &data);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (strcmp(data.cFileName, ".") == 0 || strcmp(data.cFileName, "..") == 0)
            continue;
        if (_snprintf(path, sizeof path, "%s\\%s", folder, data.cFileName) < 0)
            continue;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            ListTree(path);
        else if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            Add(&Files, path);
    } while (FindNextFileA(search, &data));
    FindClose(search);
}

static int NtName(const char* path, WCHAR* buffer, USTRING* name, OBJATTR* attributes)
{
    int length;
    wcscpy(buffer, L"\\??\\");
    length = MultiByteToWideChar(CP_ACP, 0, path, -1, buffer + 4, MAX_PATH);
    if (length <= 0)
        return 0;
    name->Length = (USHORT)((length - 1 + 4) * sizeof(WCHAR));
    name->MaximumLength = name->Length + sizeof(WCHAR);
    name->Buffer = buffer;
    memset(attributes, 0, sizeof *attributes);
    attributes->Length = sizeof *attributes;
    attributes->ObjectName = name;
    attributes->Attributes = 0x40; /* OBJ_CASE_INSENSITIVE */
    return 1;
}

static BOOL DeleteOne(const char* path)
{
    WCHAR buffer[MAX_PATH + 8];
    USTRING name;
    OBJATTR attributes;
    IOSB io;
    HANDLE file;
    BOOLEAN yes = TRUE;
    NTSTATUS_ status;
    switch (Method) {
    case 0: return DeleteFileA(path);
    case 1:
        file = CreateFileA(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL, OPEN_EXISTING,
                           FILE_FLAG_DELETE_ON_CLOSE, NULL);
        return file != INVALID_HANDLE_VALUE && CloseHandle(file);
    case 2: return NtName(path, buffer, &name, &attributes) && NtDeleteFile_(&attributes) >= 0;
    default:
        if (!NtName(path, buffer, &name, &attributes))
            return FALSE;
        /* FILE_SHARE_ALL, FILE_NON_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT */
        if (NtOpenFile_(&file, DELETE | SYNCHRONIZE, &attributes, &io, 7, 0x40 | 0x20) < 0)
            return FALSE;
        status = NtSetInformationFile_(file, &io, &yes, sizeof yes, 13 /* FileDispositionInformation */);
        NtClose_(file);
        return status >= 0;
    }
}

static DWORD WINAPI Worker(void* unused)
{
    LONG i;
    (void)unused;
    while ((i = InterlockedIncrement(&Next) - 1) < (LONG)Files.count)
        if (!DeleteOne(Files.items[i]))
            InterlockedIncrement(&Failed);
    return 0;
}

static double Ms(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * (double)(to.QuadPart - from.QuadPart) / (double)frequency.QuadPart;
}

int main(int argc, char** argv)
{
    static const char* names[] = {"deletefile", "deleteonclose", "ntdeletefile", "disposition"};
    HANDLE threads[8];
    LARGE_INTEGER start, deleting, deleted, end;
    int count, i;
    size_t f;
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");

    if (argc != 4 || strlen(argv[3]) < 4 || argv[3][1] != ':' || argv[3][2] != '\\' || strstr(argv[3], "..")) {
        fprintf(stderr, "usage: hm-delete-methods deletefile|deleteonclose|ntdeletefile|disposition THREADS C:\\FOLDER\n");
        return 2;
    }
    for (Method = 0; Method < 4 && strcmp(argv[1], names[Method]) != 0; ++Method) {
    }
    count = atoi(argv[2]);
    if (Method == 4 || count < 1 || count > 8)
        return 2;
    NtDeleteFile_ = (TNtDeleteFile)GetProcAddress(ntdll, "NtDeleteFile");
    NtOpenFile_ = (TNtOpenFile)GetProcAddress(ntdll, "NtOpenFile");
    NtSetInformationFile_ = (TNtSetInformationFile)GetProcAddress(ntdll, "NtSetInformationFile");
    NtClose_ = (TNtClose)GetProcAddress(ntdll, "NtClose");
    if (!NtDeleteFile_ || !NtOpenFile_ || !NtSetInformationFile_ || !NtClose_)
        return 3;

    QueryPerformanceCounter(&start);
    ListTree(argv[3]);
    QueryPerformanceCounter(&deleting);
    for (i = 1; i < count; ++i)
        threads[i] = CreateThread(NULL, 0, Worker, NULL, 0, NULL);
    Worker(NULL);
    for (i = 1; i < count; ++i) {
        WaitForSingleObject(threads[i], INFINITE);
        CloseHandle(threads[i]);
    }
    QueryPerformanceCounter(&deleted);
    for (f = Folders.count; f-- > 0;)
        RemoveDirectoryA(Folders.items[f]);
    QueryPerformanceCounter(&end);
    printf("%s threads %d files %u listing-ms %.1f delete-ms %.1f total-ms %.1f failed %ld\n", names[Method], count,
           (unsigned)Files.count, Ms(start, deleting), Ms(deleting, deleted), Ms(start, end), (long)Failed);
    return Failed ? 1 : 0;
}
