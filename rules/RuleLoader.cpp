#include "rules/RuleLoader.h"

#include "primitives/WholeFiles.h"
#include "rules/RuleIssue.h"
#include "rules/RuleReader.h"

#include <windows.h>

#include <algorithm>
#include <unordered_set>

namespace {

// UTF-8 text into the ANSI code page; false when a character has no place there.
bool ToAnsi(std::string& text)
{
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return true;
    int wideLength = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (wideLength <= 0)
        return false;
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], wideLength);
    BOOL lost = FALSE;
    int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, &lost);
    if (length <= 0 || lost)
        return false;
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, &ansi[0], length, nullptr, &lost);
    if (lost)
        return false;
    text.swap(ansi);
    return true;
}

bool EntryToAnsi(TRuleEntry& entry)
{
    bool fits = ToAnsi(entry.Name) && ToAnsi(entry.Section) && ToAnsi(entry.Warning);
    for (TRuleKey& key : entry.Keys) {
        fits = fits && ToAnsi(key.Text) && ToAnsi(key.Folder) && ToAnsi(key.Value);
        for (std::string& pattern : key.Patterns)
            fits = fits && ToAnsi(pattern);
    }
    return fits;
}

// Hands a rule source's blocks to the function, in order; called twice, the first time
// to tell the encoding. A file is read a block at a time: it is never held whole.
using TRuleBlocks = std::function<void(const std::function<void(std::string_view)>&)>;

void AddRuleIssuesFrom(const TRuleBlocks& blocks, const std::string& source,
                       const std::shared_ptr<const TRuleSystem>& system, TIssueList& issues,
                       std::vector<std::string>& messages)
{
    TRuleTextScan scan;
    blocks([&](std::string_view block) { scan.Feed(block); });
    // Names already taken, the catalogue's included: the first one counts.
    std::unordered_set<std::string> taken;
    for (const auto& issue : issues)
        taken.insert(LowerAscii(issue->ClassName()));
    auto shared = std::make_shared<TRuleShared>(system);
    TRuleFile file;
    file.Utf8 = scan.Utf8();
    std::vector<std::string> entryMessages;
    // Each entry becomes its issue as soon as it is read: the file is never held taken
    // apart all at once.
    TRuleTextReader reader(file, [&](TRuleEntry& entry) {
        auto where = [&] {
            return source + " line " + std::to_string(entry.Line) + ": [" + entry.Name.substr(0, 64) + "] ";
        };
        if (file.Utf8 && !EntryToAnsi(entry)) {
            entryMessages.push_back(where() + "has characters the system's code page cannot show; the rule is refused");
            return;
        }
        if (!taken.insert(LowerAscii(entry.Name)).second) {
            entryMessages.push_back(where() + "repeats the name of an earlier issue or rule; the first one counts");
            return;
        }
        issues.push_back(std::make_unique<TRuleIssue>(entry, source, shared));
    }, scan.BomBytes());
    blocks([&](std::string_view block) { reader.Feed(block); });
    reader.Finish();
    // A file of junk says so in a few lines, not in thousands.
    const size_t shownProblems = 5;
    for (size_t i = 0; i < file.Problems.size() && i < shownProblems; ++i) {
        const TRuleRefusal& problem = file.Problems[i];
        messages.push_back(source + " line " + std::to_string(problem.Line) + ": " + problem.Key.substr(0, 64) + " " +
                           problem.Reason);
    }
    if (file.Problems.size() > shownProblems)
        messages.push_back(source + ": " + std::to_string(file.Problems.size() - shownProblems) +
                           " more problems not shown");
    messages.insert(messages.end(), entryMessages.begin(), entryMessages.end());
}

}  // namespace

void AddRuleIssues(const std::string& text, const std::string& source, const std::shared_ptr<const TRuleSystem>& system,
                   TIssueList& issues, std::vector<std::string>& messages)
{
    AddRuleIssuesFrom([&](const std::function<void(std::string_view)>& take) { take(text); }, source, system, issues,
                      messages);
}

std::vector<std::string> RuleFilesIn(const std::string& programFolder)
{
    std::vector<std::string> files;
    std::string winapp2 = programFolder + "winapp2.ini";
    if (GetFileAttributesA(winapp2.c_str()) != INVALID_FILE_ATTRIBUTES)
        files.push_back(winapp2);
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((programFolder + "rules\\*.ini").c_str(), &data);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            // "*.ini" also finds "x.ini-old" through its short name.
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name.size() > 4 &&
                LowerAscii(name.substr(name.size() - 4)) == ".ini")
                names.push_back(name);
        } while (FindNextFileA(search, &data));
        FindClose(search);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return LowerAscii(a) < LowerAscii(b);
    });
    for (const std::string& name : names)
        files.push_back(programFolder + "rules\\" + name);
    return files;
}

void LoadRuleIssues(const std::string& programFolder, TIssueList& issues, std::vector<std::string>& messages)
{
    std::vector<std::string> files = RuleFilesIn(programFolder);
    if (files.empty())
        return;
    auto system = std::make_shared<const TRuleSystem>(ReadRuleSystem());
    for (const std::string& path : files) {
        std::string shown = path.substr(programFolder.size());
        WIN32_FILE_ATTRIBUTE_DATA attributes;
        if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes) &&
            ((static_cast<uint64_t>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow) > MaxRuleFileBytes) {
            messages.push_back(shown + " is larger than 32 MB and was skipped");
            continue;
        }
        // A file that cannot be read to its end adds none of its rules.
        size_t before = issues.size();
        try {
            AddRuleIssuesFrom([&](const std::function<void(std::string_view)>& take) { ReadFileBlocks(path, take); },
                              shown, system, issues, messages);
        } catch (const std::exception& error) {
            issues.resize(before);
            messages.push_back(shown + " could not be read and was skipped: " + error.what());
        }
    }
}
