#include "tests/primitives/Helpers.h"

#include <fstream>
#include <stdexcept>

std::string MakeScratchKey(const std::string& tag)
{
    static int counter = 0;
    std::string subkey = "Software\\HushmarkTest\\" + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(++counter);
    MakeKey(HKEY_CURRENT_USER, subkey);
    return subkey;
}

void MakeKey(HKEY root, const std::string& subkey)
{
    HKEY key;
    if (RegCreateKeyExA(root, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create key " + subkey);
    RegCloseKey(key);
}

static void SetRaw(HKEY root, const std::string& subkey, const std::string& name, DWORD type, const void* data,
                   DWORD size)
{
    HKEY key;
    if (RegCreateKeyExA(root, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create key " + subkey);
    RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void SetString(HKEY root, const std::string& subkey, const std::string& name, const std::string& text, DWORD type)
{
    SetRaw(root, subkey, name, type, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void SetDword(HKEY root, const std::string& subkey, const std::string& name, DWORD value)
{
    SetRaw(root, subkey, name, REG_DWORD, &value, sizeof value);
}

bool KeyThere(HKEY root, const std::string& subkey)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

DWORD ValueType(HKEY root, const std::string& subkey, const std::string& name)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return REG_NONE;
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
        type = REG_NONE;
    RegCloseKey(key);
    return type;
}

bool ValueThere(HKEY root, const std::string& subkey, const std::string& name)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    bool there = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return there;
}

std::string RawString(HKEY root, const std::string& subkey, const std::string& name)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<no key>";
    char data[4096] = {};
    DWORD size = sizeof data - 1;
    LONG status = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::string(data) : "<no value>";
}

std::string HelperProgram(const char* resource, const std::string& name)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path(self);
    path = path.substr(0, path.rfind('\\') + 1) + name;
    HRSRC found = FindResourceA(nullptr, resource, MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (!found)
        throw std::runtime_error(std::string("no helper resource ") + resource);
    const void* data = LockResource(LoadResource(nullptr, found));
    DWORD size = SizeofResource(nullptr, found);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        // Still running from an earlier case: the copy there is the same program.
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return path;
        throw std::runtime_error("cannot write " + path);
    }
    DWORD written = 0;
    WriteFile(file, data, size, &written, nullptr);
    CloseHandle(file);
    return path;
}

HANDLE StartProcess(const std::string& commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back(0);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        throw std::runtime_error("cannot start " + commandLine);
    CloseHandle(process.hThread);
    return process.hProcess;
}

DWORD RunProcess(const std::string& commandLine, DWORD timeoutMs)
{
    HANDLE process = StartProcess(commandLine);
    DWORD code = ~0u;
    if (WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process, &code);
    else
        TerminateProcess(process, 1);
    CloseHandle(process);
    return code;
}

bool SetKeyClosed(HKEY root, const std::string& subkey, bool closed)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS)
        return false;
    ACL empty;
    InitializeAcl(&empty, sizeof empty, ACL_REVISION);
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, closed ? &empty : nullptr, FALSE);
    LONG result = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool MakeFolderLink(const std::string& link, const std::string& target)
{
    const size_t slash = link.rfind('\\');
    std::string folder = link.substr(0, slash), name = link.substr(slash + 1), unixTarget = target;
    for (char& c : unixTarget)
        if (c == '\\')
            c = '/';
    std::string command = "\\\\?\\unix\\bin\\ln -s \"" + unixTarget + "\" \"" + name + "\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back(0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // The handle of a Unix process tells nothing of its end: wait for the link itself.
    for (int i = 0; i < 100; ++i) {
        DWORD attributes = GetFileAttributesA(link.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES)
            return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        Sleep(50);
    }
    return false;
}

void MakeFile(const std::string& path, size_t bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write " + path);
    std::string data(bytes, 'x');
    DWORD written = 0;
    WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    CloseHandle(file);
}

bool FileThere(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderThere(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool PlantLeftTraces(const std::string& base, const std::string& key, const std::string& ruleFile,
                     const std::string& ruleName, const std::string& ruleFolder)
{
    ClearLeftTraces(base, key, ruleFile);
    for (const char* folder : {"", "\\Cache", "\\Elsewhere"})
        CreateDirectoryA((base + folder).c_str(), nullptr);
    MakeFile(base + "\\Cache\\a.bin");
    MakeFile(base + "\\Elsewhere\\kept.bin");
    MakeKey(HKEY_CURRENT_USER, key + "\\Closed\\Inner");
    SetString(HKEY_CURRENT_USER, key, "Recent", "C:\\secret.txt");
    std::ofstream(ruleFile) << "[" << ruleName << "]\nFileKey1=" << ruleFolder << "\\Cache|*|REMOVESELF\nRegKey1=HKCU\\"
                            << key << "\n";
    return MakeFolderLink(base + "\\Cache\\Linked", "..\\Elsewhere") &&
           SetKeyClosed(HKEY_CURRENT_USER, key + "\\Closed", true);
}

void ClearLeftTraces(const std::string& base, const std::string& key, const std::string& ruleFile)
{
    SetKeyClosed(HKEY_CURRENT_USER, key + "\\Closed", false);
    for (const char* each : {"\\Closed\\Inner", "\\Closed", ""})
        RegDeleteKeyA(HKEY_CURRENT_USER, (key + each).c_str());
    for (const char* file : {"\\Cache\\Linked", "\\Cache\\a.bin", "\\Cache\\held.bin", "\\Elsewhere\\kept.bin"})
        DeleteFileA((base + file).c_str());
    for (const char* folder : {"\\Cache", "\\Elsewhere", ""})
        RemoveDirectoryA((base + folder).c_str());
    DeleteFileA(ruleFile.c_str());
}
