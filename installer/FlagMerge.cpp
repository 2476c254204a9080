#include "installer/FlagMerge.h"

#include "primitives/Text.h"

#include <set>
#include <string>
#include <vector>

namespace {

bool IsText(const std::string& key)
{
    return key == "Title" || key == "Info" || key == "Icon";
}

struct TCaseless {
    bool operator()(const std::string& a, const std::string& b) const
    {
        std::string x = a, y = b;
        for (char& c : x)
            c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
        for (char& c : y)
            c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
        return x < y;
    }
};

}  // namespace

int MergeIssueFlags(const TIniFile32& old, TIniFile32& fresh)
{
    std::set<std::string, TCaseless> seenSections;
    std::set<std::string> seenKeys;
    std::string section;
    bool carrying = false;
    int carried = 0;
    fresh.BeginUpdate();
    for (const std::string& line : old.Lines()) {
        if (TIniFile32::IsSectionLine(line)) {
            // A header with blanks around it is never found by the reader: its values
            // were never the program's.
            section = line.substr(1, line.size() - 2);
            carrying = line == Trim(line) && !section.empty() && seenSections.insert(section).second;
            seenKeys.clear();
            continue;
        }
        const std::string key = TIniFile32::KeyOf(line);
        if (!carrying || key.empty() || IsText(key) || !seenKeys.insert(key).second)
            continue;
        fresh.WriteString(section, key, TIniFile32::ValueOf(line));
        ++carried;
    }
    fresh.EndUpdate();
    return carried;
}
