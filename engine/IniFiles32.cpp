#include "engine/IniFiles32.h"

#include "primitives/Text.h"
#include "primitives/WholeFiles.h"

TIniFile32::TIniFile32(const std::string& fileName) : FFileName(fileName)
{
    if (FileExists(fileName))
        Load();
}

bool TIniFile32::IsSectionLine(const std::string& line)
{
    std::string trimmed = Trim(line);
    return !trimmed.empty() && trimmed.front() == '[' && trimmed.back() == ']';
}

std::string TIniFile32::KeyOf(const std::string& line)
{
    size_t equals = line.find('=');
    return equals == std::string::npos ? std::string() : Trim(line.substr(0, equals));
}

std::string TIniFile32::ValueOf(const std::string& line)
{
    size_t equals = line.find('=');
    return equals == std::string::npos ? std::string() : Trim(line.substr(equals + 1));
}

int TIniFile32::SectionIndex(const std::string& section) const
{
    // The untrimmed line must be exactly the header: blanks around it hide the section.
    std::string header = "[" + section + "]";
    for (size_t i = 0; i < FLines.size(); ++i)
        if (FLines[i].size() == header.size() && SameText(FLines[i], header))
            return static_cast<int>(i);
    return -1;
}

std::string TIniFile32::ReadString(const std::string& section, const std::string& key,
                                   const std::string& fallback) const
{
    if (key.empty() || FLines.empty())
        return fallback;
    int header = SectionIndex(section);
    if (header < 0)
        return fallback;
    for (size_t i = header + 1; i < FLines.size() && !IsSectionLine(FLines[i]); ++i) {
        if (KeyOf(FLines[i]) == key) {
            std::string value = ValueOf(FLines[i]);
            return value.empty() ? fallback : value;
        }
    }
    return fallback;
}

int32_t TIniFile32::ReadInteger(const std::string& section, const std::string& key, int32_t fallback) const
{
    std::string text = ReadString(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text = "$" + text.substr(2);
    return StrToIntDef(text, fallback);
}

void TIniFile32::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    std::string line = key + "=" + value;
    int header = SectionIndex(section);
    if (header < 0) {
        FLines.emplace_back();
        FLines.push_back("[" + section + "]");
        if (!key.empty())
            FLines.push_back(line);
    } else {
        size_t i = header + 1;
        while (i < FLines.size() && !IsSectionLine(FLines[i]) && KeyOf(FLines[i]) != key)
            ++i;
        bool found = i < FLines.size() && !IsSectionLine(FLines[i]);
        if (!key.empty()) {
            if (found)
                FLines[i] = line;
            else
                FLines.insert(FLines.begin() + i, line);
        }
    }
    Save();
}

void TIniFile32::WriteInteger(const std::string& section, const std::string& key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void TIniFile32::Load()
{
    FLines = SplitLines(LoadFileText(FFileName));
}

void TIniFile32::EndUpdate()
{
    if (FUpdateDepth > 0 && --FUpdateDepth == 0 && FDirty)
        Save();
}

void TIniFile32::Save()
{
    if (FUpdateDepth > 0) {
        FDirty = true;
        return;
    }
    FDirty = false;
    std::string text;
    for (const std::string& line : FLines) {
        text += line;
        text += "\r\n";
    }
    SaveFileReplacing(FFileName, text);
}
