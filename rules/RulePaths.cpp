#include "rules/RulePaths.h"

#include <algorithm>

namespace {

char Fold(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDriveRoot(const std::string& folder)
{
    return folder.size() == 3 && folder[1] == ':' && folder[2] == '\\';
}

// Steps of a folder pattern matched one by one against the first steps of a folder.
bool StepsMatch(const std::vector<std::string>& pattern, const std::vector<std::string>& folder, bool exact)
{
    if (pattern.size() > folder.size() || (exact && pattern.size() != folder.size()))
        return false;
    for (size_t i = 0; i < pattern.size(); ++i)
        if (!MatchesRulePattern(folder[i], pattern[i]))
            return false;
    return true;
}


bool KeyIsAtOrBelow(const std::string& key, const std::string& base)
{
    return key.size() >= base.size() && SameAsciiText(key.substr(0, base.size()), base) &&
           (key.size() == base.size() || key[base.size()] == '\\');
}

}  // namespace

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), Fold);
    return lower;
}

bool SameAsciiText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Fold(x) == Fold(y);
           });
}

bool ExpandRuleVariables(const std::string& text, const TRuleVariables& variables, std::vector<std::string>& out,
                         std::string& reason)
{
    std::vector<std::string> results(1);
    results[0].reserve(text.size() + 64);
    for (size_t i = 0; i < text.size();) {
        if (text[i] != '%') {
            size_t next = std::min(text.find('%', i), text.size());
            for (std::string& result : results)
                result.append(text, i, next - i);
            i = next;
            continue;
        }
        size_t close = text.find('%', i + 1);
        if (close == std::string::npos) {
            reason = "a lone % that starts no variable";
            return false;
        }
        std::string name = text.substr(i + 1, close - i - 1);
        auto known = variables.find(LowerAscii(name));
        auto shown = [&] { return "%" + (name.size() > 40 ? name.substr(0, 40) + "..." : name) + "%"; };
        if (known == variables.end()) {
            reason = "unknown variable " + shown();
            return false;
        }
        const std::vector<std::string>& values = known->second;
        if (values.empty() || std::any_of(values.begin(), values.end(), [](const std::string& v) { return v.empty(); })) {
            reason = "variable " + shown() + " is empty on this system";
            return false;
        }
        i = close + 1;
        // One folder, as every variable has on 32-bit Windows: appended in place.
        if (values.size() == 1) {
            for (std::string& result : results)
                result += values[0];
            continue;
        }
        std::vector<std::string> next;
        for (const std::string& result : results)
            for (const std::string& value : values) {
                std::string joined = result + value;
                if (std::none_of(next.begin(), next.end(), [&](const std::string& s) { return SameAsciiText(s, joined); }))
                    next.push_back(std::move(joined));
            }
        // Each variable of two folders doubles the texts: a key that repeats one would
        // grow without bound.
        if (next.size() > MaxRuleExpansions) {
            reason = "its variables stand for more than " + std::to_string(MaxRuleExpansions) + " folders";
            return false;
        }
        results.swap(next);
    }
    out = std::move(results);
    return true;
}

bool NormalFolder(const std::string& expanded, std::string& folder, std::string& reason)
{
    // Read in place, "/" taken as "\": thousands of keys come here.
    auto at = [&](size_t i) { return expanded[i] == '/' ? '\\' : expanded[i]; };
    bool share = expanded.size() >= 2 && at(0) == '\\' && at(1) == '\\';
    std::string cleaned = share ? "\\\\" : "";
    cleaned.reserve(expanded.size() + 1);
    for (size_t i = share ? 2 : 0; i < expanded.size(); ++i) {
        char c = at(i);
        if (c != '\\' || (!cleaned.empty() && cleaned.back() != '\\'))
            cleaned += c;
    }
    while (cleaned.size() > 1 && cleaned.back() == '\\')
        cleaned.pop_back();
    if (!share) {
        bool drive = cleaned.size() >= 2 && cleaned[1] == ':' && ((cleaned[0] | 0x20) >= 'a' && (cleaned[0] | 0x20) <= 'z');
        if (!drive || (cleaned.size() > 2 && cleaned[2] != '\\')) {
            reason = "folder \"" + expanded.substr(0, 80) + "\" is not absolute";
            return false;
        }
        if (cleaned.size() == 2)
            cleaned += '\\';
    }
    if (share) {
        std::vector<std::string> steps = FolderSteps(cleaned);
        if (steps.size() < 2 || steps[0].size() < 3 || cleaned.find('\\', 2) == std::string::npos) {
            reason = "folder is a share root";
            return false;
        }
    }
    // A step of dots alone; read in place, as thousands of keys come here.
    for (size_t start = 0; start < cleaned.size();) {
        size_t end = std::min(cleaned.find('\\', start), cleaned.size());
        if (end > start && cleaned.find_first_not_of('.', start) >= end) {
            reason = "folder has a \".\" or \"..\" step";
            return false;
        }
        start = end + 1;
    }
    if (cleaned.size() > 240) {
        reason = "folder longer than 240 characters";
        return false;
    }
    folder = std::move(cleaned);
    return true;
}

std::vector<std::string> FolderSteps(const std::string& folder)
{
    std::vector<std::string> steps;
    size_t start = 0;
    if (folder.compare(0, 2, "\\\\") == 0) {
        size_t server = folder.find('\\', 2);
        size_t shareEnd = server == std::string::npos ? std::string::npos : folder.find('\\', server + 1);
        steps.push_back(folder.substr(0, shareEnd));
        if (shareEnd == std::string::npos)
            return steps;
        start = shareEnd + 1;
    }
    while (start < folder.size()) {
        size_t end = folder.find('\\', start);
        if (end == std::string::npos)
            end = folder.size();
        if (end > start)
            steps.push_back(folder.substr(start, end - start));
        start = end + 1;
    }
    return steps;
}

size_t FolderDepth(const std::string& folder)
{
    size_t depth = 0, start = 0;
    if (folder.compare(0, 2, "\\\\") == 0) {
        size_t server = folder.find('\\', 2);
        size_t shareEnd = server == std::string::npos ? std::string::npos : folder.find('\\', server + 1);
        if (shareEnd == std::string::npos)
            return 1;
        depth = 1;
        start = shareEnd + 1;
    }
    while (start < folder.size()) {
        size_t end = std::min(folder.find('\\', start), folder.size());
        depth += end > start;
        start = end + 1;
    }
    return depth;
}

bool HasWildcard(const std::string& text)
{
    return text.find_first_of("*?") != std::string::npos;
}

bool MatchesRulePattern(const std::string& name, const std::string& pattern)
{
    if (pattern == "*.*")
        return true;
    // Greedy with one remembered star: O(name * pattern) at worst, no recursion.
    size_t n = 0, p = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else
            return false;
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool MatchesAnyRulePattern(const std::string& name, const std::vector<std::string>& patterns)
{
    return std::any_of(patterns.begin(), patterns.end(),
                       [&](const std::string& pattern) { return MatchesRulePattern(name, pattern); });
}

bool PatternMatchesEveryName(const std::string& pattern)
{
    if (pattern == "*.*")
        return true;
    // Stars and at most one "?" match every name (names are never empty).
    return pattern.find('*') != std::string::npos && pattern.find_first_not_of("*?") == std::string::npos &&
           std::count(pattern.begin(), pattern.end(), '?') <= 1;
}

bool PatternNamesProgramType(const std::string& pattern)
{
    static const char* const types[] = {"exe", "dll", "sys", "com", "ocx", "drv", "cpl", "msi", "scr"};
    size_t dot = pattern.rfind('.');
    if (dot == std::string::npos || !PatternMatchesEveryName(pattern.substr(0, dot)))
        return false;
    std::string extension = pattern.substr(dot + 1);
    return std::any_of(std::begin(types), std::end(types),
                       [&](const char* type) { return MatchesRulePattern(type, extension); });
}

bool FolderPatternCovers(const std::string& pattern, const std::string& folder)
{
    return StepsMatch(FolderSteps(pattern), FolderSteps(folder), false);
}

bool FolderPatternMatches(const std::string& pattern, const std::string& folder)
{
    return StepsMatch(FolderSteps(pattern), FolderSteps(folder), true);
}

void SplitProtectedFolders(TProtectedFolders& folders)
{
    folders.SystemSteps.clear();
    folders.UserSteps.clear();
    for (const std::string& folder : folders.System)
        folders.SystemSteps.push_back(FolderSteps(folder));
    for (const std::string& folder : folders.User)
        folders.UserSteps.push_back(FolderSteps(folder));
}

std::string RefuseFileKey(const std::string& folder, const std::vector<std::string>& patterns, bool recurse,
                          const TProtectedFolders& protectedFolders)
{
    bool everyName = std::any_of(patterns.begin(), patterns.end(), PatternMatchesEveryName);
    bool programType = std::any_of(patterns.begin(), patterns.end(), PatternNamesProgramType);
    bool broad = recurse || everyName || programType;
    if (!broad)
        return "";
    TProtectedFolders split;
    const TProtectedFolders* folders = &protectedFolders;
    if (protectedFolders.SystemSteps.size() != protectedFolders.System.size() ||
        protectedFolders.UserSteps.size() != protectedFolders.User.size()) {
        split = protectedFolders;
        SplitProtectedFolders(split);
        folders = &split;
    }
    // Most keys lie deeper than every protected folder: counted, not split.
    size_t depth = FolderDepth(folder);
    bool reachesSystem = std::any_of(folders->SystemSteps.begin(), folders->SystemSteps.end(),
                                     [&](const std::vector<std::string>& steps) { return steps.size() >= depth; });
    bool reachesUser = std::any_of(folders->UserSteps.begin(), folders->UserSteps.end(),
                                   [&](const std::vector<std::string>& steps) { return steps.size() == depth; });
    std::vector<std::string> steps = depth <= 1 || reachesSystem || reachesUser ? FolderSteps(folder)
                                                                               : std::vector<std::string>();
    const char* what = recurse ? "recurses" : everyName ? "matches every name" : "names program files";
    bool root = IsDriveRoot(folder) || steps.size() == 1;
    if (root)
        return std::string("folder is a drive root and the key ") + what;
    for (size_t i = 0; i < folders->System.size() && reachesSystem; ++i)
        if (StepsMatch(steps, folders->SystemSteps[i], false))
            return "folder covers the protected folder " + folders->System[i] + " and the key " + what;
    if (!recurse && !everyName)
        return "";
    for (size_t i = 0; i < folders->User.size() && reachesUser; ++i)
        if (StepsMatch(steps, folders->UserSteps[i], true))
            return "folder is the user folder " + folders->User[i] + " and the key " +
                   (recurse ? "recurses" : "matches every name");
    return "";
}

bool SplitRuleHive(const std::string& text, std::string& hive, std::string& subkey)
{
    static const struct {
        const char* Short;
        const char* Long;
    } hives[] = {{"hkcu", "HKEY_CURRENT_USER"}, {"hklm", "HKEY_LOCAL_MACHINE"}, {"hkcr", "HKEY_CLASSES_ROOT"},
                 {"hku", "HKEY_USERS"},         {"hkcc", "HKEY_CURRENT_CONFIG"}};
    size_t slash = text.find('\\');
    std::string head = LowerAscii(text.substr(0, slash));
    for (const auto& known : hives)
        if (head == known.Short || head == LowerAscii(known.Long)) {
            hive = known.Long;
            std::string rest = slash == std::string::npos ? "" : text.substr(slash + 1);
            std::string cleaned;
            for (char c : rest)
                if (c != '\\' || (!cleaned.empty() && cleaned.back() != '\\'))
                    cleaned += c;
            while (!cleaned.empty() && cleaned.back() == '\\')
                cleaned.pop_back();
            subkey = cleaned;
            return true;
        }
    return false;
}

std::string RefuseRegKey(const std::string& hive, const std::string& subkey)
{
    std::vector<std::string> steps = FolderSteps(subkey);
    if (steps.size() <= 1 || (hive == "HKEY_USERS" && steps.size() <= 2))
        return "key is a hive root or directly below one";
    std::string key = hive + "\\" + subkey;
    if (KeyIsAtOrBelow(key, "HKEY_LOCAL_MACHINE\\SYSTEM"))
        return "key is in HKEY_LOCAL_MACHINE\\SYSTEM";
    static const char* const guarded[] = {
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows",
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows",
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\CLSID",
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion",
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows NT\\CurrentVersion",
    };
    for (const char* base : guarded)
        if (KeyIsAtOrBelow(base, key))
            return std::string("key is ") + base + " or above it";
    return "";
}

bool FileExcluded(const std::string& path, const std::vector<TFileExclusion>& exclusions)
{
    size_t slash = path.rfind('\\');
    if (slash == std::string::npos)
        return false;
    std::string folder = path.substr(0, slash), name = path.substr(slash + 1);
    std::vector<std::string> steps = FolderSteps(folder);
    for (const TFileExclusion& exclusion : exclusions)
        if (StepsMatch(FolderSteps(exclusion.Folder), steps, !exclusion.Below) &&
            MatchesAnyRulePattern(name, exclusion.Patterns))
            return true;
    return false;
}

bool RegKeyHoldsExclusion(const std::string& key, const std::vector<TRegExclusion>& exclusions)
{
    // A kept key above this one keeps it whole; a kept value counts only in its own key.
    return std::any_of(exclusions.begin(), exclusions.end(), [&](const TRegExclusion& e) {
        return KeyIsAtOrBelow(e.Key, key) || (!e.HasValue && KeyIsAtOrBelow(key, e.Key));
    });
}

bool RegKeyExcluded(const std::string& key, const std::vector<TRegExclusion>& exclusions)
{
    return std::any_of(exclusions.begin(), exclusions.end(),
                       [&](const TRegExclusion& e) { return !e.HasValue && KeyIsAtOrBelow(key, e.Key); });
}

bool RegValueExcluded(const std::string& key, const std::string& value, const std::vector<TRegExclusion>& exclusions)
{
    return RegKeyExcluded(key, exclusions) ||
           std::any_of(exclusions.begin(), exclusions.end(), [&](const TRegExclusion& e) {
               return e.HasValue && SameAsciiText(e.Key, key) && SameAsciiText(e.Value, value);
           });
}
