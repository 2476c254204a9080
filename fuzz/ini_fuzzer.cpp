// File content NUL script. The content is loaded from a real file; the script's lines
// are "r section|key", "i section|key" and "w section|key|value". After a write of a
// plain key its value reads back, and the saved file reloads to the same lines.
#include "engine/IniFiles32.h"
#include "fuzz/FuzzInput.h"
#include "primitives/Errors.h"
#include "primitives/Text.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string ScratchFile()
{
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/hm-ini-fuzz-" + std::to_string(getpid()) + ".ini";
}

const std::string& Path()
{
    static const std::string path = ScratchFile();
    static const bool registered = std::atexit([] { std::remove(Path().c_str()); }) == 0;
    (void)registered;
    return path;
}

std::vector<std::string> Fields(const std::string& line, size_t count)
{
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == '|' && fields.size() < count)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    fields.resize(count);
    return fields;
}

// Names the store handles as written: no blanks at the ends, no syntax characters.
bool Plain(const std::string& text)
{
    if (text.empty() || Trim(text) != text)
        return false;
    for (unsigned char c : text)
        if (c < 32 || c == '=' || c == '[' || c == ']')
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = Path();
    std::vector<std::string> parts = SplitInput(data, size, 2);
    {
        FILE* file = std::fopen(path.c_str(), "wb");
        if (!file)
            return 0;
        std::fwrite(parts[0].data(), 1, parts[0].size(), file);
        std::fclose(file);
    }

    TIniFile32 ini(path);
    bool lineBreakWritten = false, saved = false;
    std::vector<std::string> script = SplitLines(parts.size() > 1 ? parts[1] : std::string());
    if (script.size() > 64)
        script.resize(64);
    for (const std::string& line : script) {
        if (line.size() < 2)
            continue;
        std::string body = line.substr(2);
        switch (line[0]) {
        case 'r': {
            std::vector<std::string> f = Fields(body, 2);
            ini.ReadString(f[0], f[1], "fallback");
            break;
        }
        case 'i': {
            std::vector<std::string> f = Fields(body, 2);
            ini.ReadInteger(f[0], f[1], -7);
            break;
        }
        case 'w': {
            std::vector<std::string> f = Fields(body, 3);
            try {
                ini.WriteString(f[0], f[1], f[2]);
            } catch (const Exception&) {
                saved = false;
                break;
            }
            saved = true;
            if (f[2].find_first_of("\r\n") != std::string::npos || f[0].find_first_of("\r\n") != std::string::npos ||
                f[1].find_first_of("\r\n") != std::string::npos)
                lineBreakWritten = true;
            std::string value = Trim(f[2]);
            if (Plain(f[0]) && Plain(f[1]) && !value.empty() && value.find_first_of("\r\n") == std::string::npos)
                FUZZ_CHECK(ini.ReadString(f[0], f[1], "") == value);
            break;
        }
        }
    }
    // Only a saved file is comparable: without a write the file is the input itself.
    if (saved && !lineBreakWritten) {
        TIniFile32 reloaded(path);
        FUZZ_CHECK(reloaded.Lines() == ini.Lines());
    }
    return 0;
}
