#pragma once
// The program's own INI reader and writer, for info.ini: the whole file is kept as a
// list of lines and written back after every change. Headers are found without
// regard to case, keys are compared exactly; there is no comment syntax.
#include <cstdint>
#include <string>
#include <vector>

class TIniFile32 {
public:
    // Loads the file when it exists; raises Exception when it exists but cannot be read.
    explicit TIniFile32(const std::string& fileName);
    TIniFile32(const TIniFile32&) = delete;
    TIniFile32& operator=(const TIniFile32&) = delete;

    std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t fallback) const;
    // Both save the whole file at once; a failed save raises and keeps the change in memory.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);

    // Writes between these two are saved once, at the end (the scan's reset of every
    // solved mark would otherwise rewrite the file once per issue).
    void BeginUpdate() { ++FUpdateDepth; }
    void EndUpdate();

    const std::string& FileName() const { return FFileName; }
    const std::vector<std::string>& Lines() const { return FLines; }

    // The line syntax, exposed for the tests and for tools that read info.ini.
    static bool IsSectionLine(const std::string& line);
    static std::string KeyOf(const std::string& line);
    static std::string ValueOf(const std::string& line);

private:
    int SectionIndex(const std::string& section) const;
    void Load();
    void Save();

    std::string FFileName;
    std::vector<std::string> FLines;
    int FUpdateDepth = 0;
    bool FDirty = false;
};
