#include "ui/HelpEngine.h"

namespace {

const char* const ControlKey = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
const UINT HH_DISPLAY_TOPIC = 0;
const UINT HH_CLOSE_ALL = 18;

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

THelpEngine::~THelpEngine()
{
    if (Library)
        FreeLibrary(Library);
}

std::string THelpEngine::RegisteredPath()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ControlKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::string();
    char path[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH, type = 0;
    const LONG result = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::string();
    std::string text(path, strnlen(path, size));
    if (type == REG_EXPAND_SZ) {
        char expanded[MAX_PATH + 1] = {};
        const DWORD length = ExpandEnvironmentStringsA(text.c_str(), expanded, sizeof expanded);
        text = length && length <= sizeof expanded ? expanded : "";
    }
    return text;
}

bool THelpEngine::Load()
{
    if (Loaded())
        return true;
    const std::string path = RegisteredPath();
    if (path.empty() || !FileExists(path))
        return false;
    Library = LoadLibraryA(path.c_str());
    if (!Library)
        return false;
    HtmlHelp = reinterpret_cast<THtmlHelpA>(reinterpret_cast<void*>(GetProcAddress(Library, "HtmlHelpA")));
    if (!HtmlHelp) {
        FreeLibrary(Library);
        Library = nullptr;
    }
    return Loaded();
}

HWND THelpEngine::DisplayTopic(HWND owner, const std::string& fileAndTopic) const
{
    return HtmlHelp ? HtmlHelp(owner, fileAndTopic.c_str(), HH_DISPLAY_TOPIC, 0) : nullptr;
}

void THelpEngine::CloseAll() const
{
    if (HtmlHelp)
        HtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
}
