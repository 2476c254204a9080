#include "rules/RuleReader.h"

#include "primitives/Text.h"
#include "rules/RulePaths.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace {

// The part of the text between the two places, without the spaces and control
// characters at its ends, as Trim would leave it.
std::string TrimmedPart(const std::string& text, size_t first, size_t last)
{
    while (first < last && static_cast<unsigned char>(text[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32)
        --last;
    return text.substr(first, last - first);
}

// Names in refusals are shown to the user: a hostile key name stays one short line.
std::string Shown(const std::string& text)
{
    return text.size() > 64 ? text.substr(0, 64) + "..." : text;
}

bool IsValidUtf8(const std::string& text, bool& beyondAscii)
{
    beyondAscii = false;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (length == 0 || (length == 2 && c < 0xC2) || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        beyondAscii = beyondAscii || length > 1;
        i += length;
    }
    return true;
}

// The kinds of key a name can be; the numbered ones carry a number after the word.
enum class Word { Unknown, LangSecRef, Section, Warning, Default, DetectOS, SpecialDetect, DetectFile, Detect,
                  FileKey, RegKey, ExcludeKey };

struct TKeyName {
    Word Kind = Word::Unknown;
    bool Numbered = false;
    bool NumberTooLarge = false;
    uint32_t Number = 0;
};

TKeyName ParseKeyName(const std::string& name)
{
    static const struct {
        const char* Text;
        Word Kind;
        bool MayHaveNumber;
    } words[] = {
        {"langsecref", Word::LangSecRef, false}, {"section", Word::Section, false},
        {"warning", Word::Warning, false},       {"default", Word::Default, false},
        {"detectos", Word::DetectOS, false},     {"specialdetect", Word::SpecialDetect, true},
        {"detectfile", Word::DetectFile, true},  {"detect", Word::Detect, true},
        {"filekey", Word::FileKey, true},        {"regkey", Word::RegKey, true},
        {"excludekey", Word::ExcludeKey, true},
    };
    std::string lower = LowerAscii(name);
    TKeyName parsed;
    for (const auto& word : words) {
        size_t length = std::strlen(word.Text);
        if (lower.compare(0, length, word.Text) != 0)
            continue;
        std::string rest = lower.substr(length);
        if (rest.empty()) {
            parsed.Kind = word.Kind;
            return parsed;
        }
        if (!word.MayHaveNumber || rest.find_first_not_of("0123456789") != std::string::npos)
            continue;
        parsed.Kind = word.Kind;
        parsed.Numbered = true;
        size_t first = rest.find_first_not_of('0');
        std::string digits = first == std::string::npos ? "0" : rest.substr(first);
        if (digits.size() > 9) {
            parsed.NumberTooLarge = true;
            return parsed;
        }
        parsed.Number = static_cast<uint32_t>(std::stoul(digits));
        return parsed;
    }
    return parsed;
}

// Trim without a copy: thousands of keys pass here.
void TrimInPlace(std::string& text)
{
    size_t last = text.size();
    while (last > 0 && static_cast<unsigned char>(text[last - 1]) <= 32)
        --last;
    text.erase(last);
    size_t first = 0;
    while (first < text.size() && static_cast<unsigned char>(text[first]) <= 32)
        ++first;
    text.erase(0, first);
}

std::vector<std::string> Patterns(const std::string& text)
{
    std::vector<std::string> patterns;
    for (std::string& pattern : SplitRuleFields(text, ';')) {
        TrimInPlace(pattern);
        if (!pattern.empty())
            patterns.push_back(std::move(pattern));
    }
    return patterns;
}

// Fills the key's fields from its text; answers the reason when it has no sound form.
std::string TakeApart(TRuleKey& key)
{
    std::vector<std::string> fields = SplitRuleFields(key.Text, '|');
    for (std::string& field : fields)
        TrimInPlace(field);
    switch (key.Kind) {
    case RuleKeyKind::Detect:
    case RuleKeyKind::DetectFile:
        key.Folder = key.Text;
        return key.Text.empty() ? "empty" : "";
    case RuleKeyKind::SpecialDetect: {
        static const char* const known[] = {"DET_CHROME", "DET_MOZILLA", "DET_THUNDERBIRD", "DET_OPERA"};
        for (const char* name : known)
            if (SameAsciiText(key.Text, name)) {
                key.Value = name;
                return "";
            }
        return "unknown browser detection \"" + Shown(key.Text) + "\"";
    }
    case RuleKeyKind::FileKey: {
        if (fields.size() < 2 || fields.size() > 3)
            return "not of the form folder|patterns[|RECURSE|REMOVESELF]";
        key.Folder = std::move(fields[0]);
        key.Patterns = Patterns(fields[1]);
        if (fields.size() == 3) {
            if (SameAsciiText(fields[2], "RECURSE"))
                key.Recurse = true;
            else if (SameAsciiText(fields[2], "REMOVESELF"))
                key.Recurse = key.RemoveSelf = true;
            else
                return "unknown flag \"" + Shown(fields[2]) + "\"";
        }
        break;
    }
    case RuleKeyKind::RegKey:
        if (fields.size() > 2)
            return "not of the form key[|value]";
        key.Folder = fields[0];
        if (fields.size() == 2) {
            if (fields[1].empty())
                return "empty value name";
            key.Value = fields[1];
            key.HasValue = true;
        }
        return key.Folder.empty() ? "no registry key" : "";
    case RuleKeyKind::ExcludeKey: {
        key.Scope = fields.empty() ? "" : LowerAscii(fields[0]);
        if (key.Scope == "reg") {
            if (fields.size() < 2 || fields.size() > 3 || fields[1].empty())
                return "not of the form REG|key[|value]";
            key.Folder = fields[1];
            if (fields.size() == 3 && !fields[2].empty()) {
                key.Value = fields[2];
                key.HasValue = true;
            }
            return "";
        }
        if (key.Scope != "file" && key.Scope != "path")
            return "exclusion is neither FILE, PATH nor REG";
        if (fields.size() < 2 || fields.size() > 3)
            return "not of the form FILE|folder\\|names or PATH|folder\\|patterns";
        key.Folder = fields[1];
        key.Patterns = fields.size() == 3 ? Patterns(fields[2]) : std::vector<std::string>{"*"};
        break;
    }
    }
    if (key.Folder.empty())
        return "no folder";
    if (key.Patterns.empty())
        return "no name pattern";
    for (const std::string& pattern : key.Patterns)
        if (pattern.find_first_of("\\/") != std::string::npos)
            return "pattern \"" + Shown(pattern) + "\" holds \\ or /";
    return "";
}

RuleKeyKind KindOf(Word word)
{
    switch (word) {
    case Word::Detect: return RuleKeyKind::Detect;
    case Word::DetectFile: return RuleKeyKind::DetectFile;
    case Word::SpecialDetect: return RuleKeyKind::SpecialDetect;
    case Word::RegKey: return RuleKeyKind::RegKey;
    case Word::ExcludeKey: return RuleKeyKind::ExcludeKey;
    default: return RuleKeyKind::FileKey;
    }
}

class TReader {
public:
    TReader(TRuleFile& file, const std::function<void(TRuleEntry&)>& take) : File(file), Take(take) {}

    // Sorts the keys of the entry read last and hands it over.
    void EndEntry()
    {
        if (!Current)
            return;
        std::stable_sort(Entry.Keys.begin(), Entry.Keys.end(), [](const TRuleKey& a, const TRuleKey& b) {
            return a.Kind != b.Kind ? a.Kind < b.Kind : a.Number < b.Number;
        });
        Current = nullptr;
        Take(Entry);
        Entry = TRuleEntry();
    }

    void Line(const std::string& line, int number)
    {
        if (line.empty() || line[0] == ';')
            return;
        if (line.size() > MaxRuleLine) {
            Refuse(Shown(line.substr(0, line.find('='))), "line longer than " + std::to_string(MaxRuleLine), number);
            return;
        }
        if (line[0] == '[')
            StartEntry(line, number);
        else
            Key(line, number);
    }

private:
    void Refuse(const std::string& key, const std::string& reason, int line)
    {
        if (Current)
            Current->Refused.push_back({key, reason, line});
        else if (!Skipping && File.Problems.size() < MaxRuleEntries)
            File.Problems.push_back({key, reason, line});
    }

    void StartEntry(const std::string& line, int number)
    {
        EndEntry();
        Skipping = false;
        size_t close = line.rfind(']');
        if (close == std::string::npos || close < 2) {
            Refuse(Shown(line), "not a section name", number);
            return;
        }
        std::string name = line.substr(1, close - 1);
        // From here on, the keys of a section that does not count are not reported again.
        struct TSkipUnlessKept {
            TReader& Self;
            ~TSkipUnlessKept() { Self.Skipping = Self.Current == nullptr; }
        } skip{*this};
        std::string shown = "[" + Shown(name) + "]";
        if (name.size() > 255) {
            Refuse(shown, "section name longer than 255 characters", number);
            return;
        }
        // The name becomes an info.ini section and a command-line argument.
        if (Trim(name).empty() || std::any_of(name.begin(), name.end(), [](char c) {
                return c == '[' || c == ']' || static_cast<unsigned char>(c) < 32;
            })) {
            Refuse(shown, "section name is empty or holds [, ] or control characters", number);
            return;
        }
        if (EntryCount >= MaxRuleEntries) {
            if (!TooMany) {
                TooMany = true;
                Refuse(shown, "more than " + std::to_string(MaxRuleEntries) + " entries in the file", number);
            }
            return;
        }
        // Names are matched without regard to case on the command line.
        if (!Names.insert(LowerAscii(name)).second) {
            Refuse(shown, "repeats an earlier section; the first one counts", number);
            return;
        }
        ++EntryCount;
        Current = &Entry;
        Current->Name = name;
        Current->Line = number;
        Seen.clear();
    }

    void Key(const std::string& line, int number)
    {
        size_t equals = line.find('=');
        if (equals == std::string::npos) {
            Refuse(Shown(line), "not a key=value line", number);
            return;
        }
        std::string name = TrimmedPart(line, 0, equals);
        std::string value = TrimmedPart(line, equals + 1, line.size());
        if (!Current) {
            if (!Skipping)
                Refuse(Shown(name), "outside of any entry", number);
            return;
        }
        TKeyName parsed = ParseKeyName(name);
        if (parsed.Kind == Word::Unknown)
            return;
        if (parsed.NumberTooLarge) {
            Refuse(Shown(name), "key number too large", number);
            return;
        }
        uint64_t identity = static_cast<uint64_t>(parsed.Kind) << 33 | static_cast<uint64_t>(parsed.Numbered) << 32 |
                            parsed.Number;
        if (std::find(Seen.begin(), Seen.end(), identity) != Seen.end()) {
            Refuse(Shown(name), "repeats an earlier key of this entry", number);
            return;
        }
        if (Seen.size() >= MaxRuleKeys) {
            Refuse(Shown(name), "more than " + std::to_string(MaxRuleKeys) + " keys in the entry", number);
            return;
        }
        Seen.push_back(identity);
        switch (parsed.Kind) {
        case Word::LangSecRef: {
            int32_t category = StrToIntDef(value, 0);
            if (category < 3001 || category > 3044)
                Refuse(name, "not a category number 3001-3044", number);
            else
                Current->LangSecRef = category;
            return;
        }
        case Word::Section: Current->Section = value; return;
        case Word::Warning: Current->Warning = value; return;
        case Word::Default:
            if (SameAsciiText(value, "True"))
                Current->Default = true;
            else if (!SameAsciiText(value, "False"))
                Refuse(name, "neither True nor False", number);
            return;
        case Word::DetectOS: DetectOS(name, value, number); return;
        case Word::FileKey:
        case Word::RegKey:
        case Word::ExcludeKey:
            if (!parsed.Numbered) {
                Refuse(name, "needs a number", number);
                return;
            }
            break;
        default: break;
        }
        TRuleKey key;
        key.Kind = KindOf(parsed.Kind);
        key.Name = name;
        key.Text = std::move(value);
        key.Line = number;
        key.Number = parsed.Number;
        std::string reason = TakeApart(key);
        if (!reason.empty()) {
            Refuse(name, reason, number);
            return;
        }
        Current->Keys.push_back(std::move(key));
    }

    void DetectOS(const std::string& name, const std::string& value, int number)
    {
        std::vector<std::string> fields = SplitRuleFields(value, '|');
        uint32_t low = 0, high = UINT32_MAX;
        bool sound = fields.size() == 2 && (Trim(fields[0]).empty() || ParseRuleVersion(Trim(fields[0]), low)) &&
                     (Trim(fields[1]).empty() || ParseRuleVersion(Trim(fields[1]), high));
        if (!sound) {
            Refuse(name, "not of the form min|max", number);
            return;
        }
        Current->HasDetectOS = true;
        Current->OSMin = low;
        Current->OSMax = high;
    }

    TRuleFile& File;
    const std::function<void(TRuleEntry&)>& Take;
    TRuleEntry Entry;             // the entry being read, when Current points at it
    TRuleEntry* Current = nullptr;
    size_t EntryCount = 0;
    std::unordered_set<std::string> Names;  // lower case
    std::vector<uint64_t> Seen;             // kind, numbered and number of the current entry's keys
    bool TooMany = false;
    bool Skipping = false;
};

}  // namespace

std::vector<std::string> SplitRuleFields(const std::string& text, char separator)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        fields.emplace_back(text, start, end - start);
    fields.emplace_back(text, start, std::string::npos);
    return fields;
}

bool ParseRuleVersion(const std::string& text, uint32_t& version)
{
    size_t dot = text.find('.');
    std::string major = text.substr(0, dot);
    std::string minor = dot == std::string::npos ? "0" : text.substr(dot + 1);
    auto number = [](const std::string& digits, uint32_t& out) {
        if (digits.empty() || digits.size() > 4 || digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
        out = static_cast<uint32_t>(std::stoul(digits));
        return true;
    };
    uint32_t high = 0, low = 0;
    if (!number(major, high) || !number(minor, low) || low > 0xFFFF)
        return false;
    version = high * 65536 + low;
    return true;
}

TRuleFile ReadRuleText(const std::string& text)
{
    TRuleFile file;
    ReadRuleText(text, file, [&](TRuleEntry& entry) { file.Entries.push_back(std::move(entry)); });
    return file;
}

void ReadRuleText(const std::string& text, TRuleFile& file, const std::function<void(TRuleEntry&)>& take)
{
    // The text is read in place: a byte-order mark is stepped over, never cut off a copy.
    size_t start = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        start = 3;
        file.Utf8 = true;
    } else {
        bool beyondAscii = false;
        file.Utf8 = IsValidUtf8(text, beyondAscii) && beyondAscii;
    }
    TReader reader(file, take);
    int number = 0;
    // Lines are cut here rather than by SplitLines, so that a 10 MB line is never copied.
    while (start < text.size()) {
        // A plain loop: find_first_of asks memchr once per character of the file.
        size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        ++number;
        reader.Line(TrimmedPart(text, start, std::min(end, start + MaxRuleLine * 2)), number);
        start = end;
        if (start < text.size())
            start += text.compare(start, 2, "\r\n") == 0 ? 2 : 1;
    }
    reader.EndEntry();
}
