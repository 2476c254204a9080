#include "rules/RuleReader.h"

#include "primitives/Text.h"
#include "rules/RulePaths.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace {

using std::string_view;

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// The view without the spaces and control characters at its ends, as Trim would leave it.
string_view Trimmed(string_view text)
{
    size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

// Names in refusals are shown to the user: a hostile key name stays one short line.
std::string Shown(string_view text)
{
    return text.size() > 64 ? std::string(text.substr(0, 64)) + "..." : std::string(text);
}

// Calls take with each field of the value split at the separator, trimmed; empty
// fields count too.
template <typename F>
void ForEachField(string_view text, char separator, F take)
{
    for (size_t start = 0;;) {
        size_t end = text.find(separator, start);
        take(Trimmed(text.substr(start, end == string_view::npos ? string_view::npos : end - start)));
        if (end == string_view::npos)
            return;
        start = end + 1;
    }
}

// The fields of a value, into a few views: the count is the number there are, which
// may be more than were kept.
template <size_t Capacity>
size_t SplitFields(string_view text, char separator, string_view (&fields)[Capacity])
{
    size_t count = 0;
    ForEachField(text, separator, [&](string_view field) {
        if (count < Capacity)
            fields[count] = field;
        ++count;
    });
    return count;
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

TKeyName ParseKeyName(string_view name)
{
    static const struct {
        string_view Text;
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
    TKeyName parsed;
    for (const auto& word : words) {
        if (name.size() < word.Text.size() || !SameAsciiText(name.substr(0, word.Text.size()), word.Text))
            continue;
        string_view rest = name.substr(word.Text.size());
        if (rest.empty()) {
            parsed.Kind = word.Kind;
            return parsed;
        }
        if (!word.MayHaveNumber || rest.find_first_not_of("0123456789") != string_view::npos)
            continue;
        parsed.Kind = word.Kind;
        parsed.Numbered = true;
        size_t first = rest.find_first_not_of('0');
        string_view digits = first == string_view::npos ? string_view() : rest.substr(first);
        if (digits.size() > 9) {
            parsed.NumberTooLarge = true;
            return parsed;
        }
        for (char digit : digits)
            parsed.Number = parsed.Number * 10 + static_cast<uint32_t>(digit - '0');
        return parsed;
    }
    return parsed;
}

// The name patterns of a ";" list, trimmed, the empty ones left out.
std::vector<std::string> Patterns(string_view text)
{
    std::vector<std::string> patterns;
    ForEachField(text, ';', [&](string_view pattern) {
        if (!pattern.empty())
            patterns.emplace_back(pattern);
    });
    return patterns;
}

// Fills the key's fields from its text; answers the reason when it has no sound form.
std::string TakeApart(TRuleKey& key)
{
    string_view fields[4];
    size_t count = SplitFields(key.Text, '|', fields);
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
        if (count < 2 || count > 3)
            return "not of the form folder|patterns[|RECURSE|REMOVESELF]";
        key.Folder = fields[0];
        key.Patterns = Patterns(fields[1]);
        if (count == 3) {
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
        if (count > 2)
            return "not of the form key[|value]";
        key.Folder = fields[0];
        if (count == 2) {
            if (fields[1].empty())
                return "empty value name";
            key.Value = fields[1];
            key.HasValue = true;
        }
        return key.Folder.empty() ? "no registry key" : "";
    case RuleKeyKind::ExcludeKey: {
        key.Scope = LowerAscii(fields[0]);
        if (key.Scope == "reg") {
            if (count < 2 || count > 3 || fields[1].empty())
                return "not of the form REG|key[|value]";
            key.Folder = fields[1];
            if (count == 3 && !fields[2].empty()) {
                key.Value = fields[2];
                key.HasValue = true;
            }
            return "";
        }
        if (key.Scope != "file" && key.Scope != "path")
            return "exclusion is neither FILE, PATH nor REG";
        if (count < 2 || count > 3)
            return "not of the form FILE|folder\\|names or PATH|folder\\|patterns";
        key.Folder = fields[1];
        key.Patterns = count == 3 ? Patterns(fields[2]) : std::vector<std::string>{"*"};
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

bool KeyOrder(const TRuleKey& a, const TRuleKey& b)
{
    return a.Kind != b.Kind ? a.Kind < b.Kind : a.Number < b.Number;
}

// Lines and their parts are views into the file's text: a key costs the strings it
// keeps and nothing more.
class TReader {
public:
    TReader(TRuleFile& file, std::function<void(TRuleEntry&)> take) : File(file), Take(std::move(take)) {}

    // Sorts the keys of the entry read last and hands it over.
    void EndEntry()
    {
        if (!Current)
            return;
        // Files list their keys in order almost always.
        if (!std::is_sorted(Entry.Keys.begin(), Entry.Keys.end(), KeyOrder))
            std::stable_sort(Entry.Keys.begin(), Entry.Keys.end(), KeyOrder);
        Current = nullptr;
        Take(Entry);
        Entry = TRuleEntry();
    }

    void Line(string_view line, int number)
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

    void StartEntry(string_view line, int number)
    {
        EndEntry();
        Skipping = false;
        size_t close = line.rfind(']');
        if (close == string_view::npos || close < 2) {
            Refuse(Shown(line), "not a section name", number);
            return;
        }
        string_view name = line.substr(1, close - 1);
        auto shown = [&] { return "[" + Shown(name) + "]"; };
        // From here on, the keys of a section that does not count are not reported again.
        struct TSkipUnlessKept {
            TReader& Self;
            ~TSkipUnlessKept() { Self.Skipping = Self.Current == nullptr; }
        } skip{*this};
        if (name.size() > 255) {
            Refuse(shown(), "section name longer than 255 characters", number);
            return;
        }
        // The name becomes an info.ini section and a command-line argument.
        if (Trimmed(name).empty() || std::any_of(name.begin(), name.end(), [](char c) {
                return c == '[' || c == ']' || static_cast<unsigned char>(c) < 32;
            })) {
            Refuse(shown(), "section name is empty or holds [, ] or control characters", number);
            return;
        }
        if (EntryCount >= MaxRuleEntries) {
            if (!TooMany) {
                TooMany = true;
                Refuse(shown(), "more than " + std::to_string(MaxRuleEntries) + " entries in the file",
                       number);
            }
            return;
        }
        // Names are matched without regard to case on the command line.
        if (!Names.insert(LowerAscii(name)).second) {
            Refuse(shown(), "repeats an earlier section; the first one counts", number);
            return;
        }
        ++EntryCount;
        Current = &Entry;
        Current->Name = name;
        Current->Line = number;
        Seen.clear();
    }

    void Key(string_view line, int number)
    {
        size_t equals = line.find('=');
        if (equals == string_view::npos) {
            Refuse(Shown(line), "not a key=value line", number);
            return;
        }
        string_view name = Trimmed(line.substr(0, equals));
        string_view value = Trimmed(line.substr(equals + 1));
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
            int32_t category = StrToIntDef(std::string(value), 0);
            if (category < 3001 || category > 3044)
                Refuse(std::string(name), "not a category number 3001-3044", number);
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
                Refuse(std::string(name), "neither True nor False", number);
            return;
        case Word::DetectOS: DetectOS(name, value, number); return;
        case Word::FileKey:
        case Word::RegKey:
        case Word::ExcludeKey:
            if (!parsed.Numbered) {
                Refuse(std::string(name), "needs a number", number);
                return;
            }
            break;
        default: break;
        }
        TRuleKey& key = Current->Keys.emplace_back();
        key.Kind = KindOf(parsed.Kind);
        key.Name = name;
        key.Text = value;
        key.Line = number;
        key.Number = parsed.Number;
        std::string reason = TakeApart(key);
        if (!reason.empty()) {
            Current->Keys.pop_back();
            Refuse(std::string(name), reason, number);
        }
    }

    void DetectOS(string_view name, string_view value, int number)
    {
        string_view fields[2];
        uint32_t low = 0, high = UINT32_MAX;
        bool sound = SplitFields(value, '|', fields) == 2 &&
                     (fields[0].empty() || ParseRuleVersion(std::string(fields[0]), low)) &&
                     (fields[1].empty() || ParseRuleVersion(std::string(fields[1]), high));
        if (!sound) {
            Refuse(std::string(name), "not of the form min|max", number);
            return;
        }
        Current->HasDetectOS = true;
        Current->OSMin = low;
        Current->OSMax = high;
    }

    TRuleFile& File;
    std::function<void(TRuleEntry&)> Take;  // a copy: the reader may outlive the caller's expression
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

void TRuleTextScan::Feed(std::string_view block)
{
    for (char byte : block) {
        unsigned char c = static_cast<unsigned char>(byte);
        if (Seen < 3)
            Head[Seen] = byte;
        ++Seen;
        if (!Valid)
            continue;
        if (Pending > 0) {
            Valid = (c & 0xC0) == 0x80;
            --Pending;
            continue;
        }
        if (c < 0x80)
            continue;
        size_t length = (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        Valid = length != 0 && !(length == 2 && c < 0xC2);
        Pending = length - 1;
        BeyondAscii = true;
    }
}

size_t TRuleTextScan::BomBytes() const
{
    return Seen >= 3 && std::string_view(Head, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

bool TRuleTextScan::Utf8() const
{
    return BomBytes() > 0 || (Valid && Pending == 0 && BeyondAscii);
}

struct TRuleTextReader::TState {
    TState(TRuleFile& file, const std::function<void(TRuleEntry&)>& take) : Reader(file, take) {}
    TReader Reader;
    std::string Carry;  // the start of a line the block ended in, at most its first 2 * MaxRuleLine bytes
    bool InLine = false;
    bool SkipLineFeed = false;  // the last block ended in "\r"
    size_t Skip = 0;            // bytes of a byte-order mark still to step over
    int Number = 0;
};

TRuleTextReader::TRuleTextReader(TRuleFile& file, const std::function<void(TRuleEntry&)>& take, size_t bomBytes)
    : State(std::make_unique<TState>(file, take))
{
    State->Skip = bomBytes;
}

TRuleTextReader::~TRuleTextReader() = default;

void TRuleTextReader::Feed(std::string_view block)
{
    TState& state = *State;
    size_t skip = std::min(state.Skip, block.size());
    state.Skip -= skip;
    block.remove_prefix(skip);
    if (state.SkipLineFeed && !block.empty()) {
        state.SkipLineFeed = false;
        if (block[0] == '\n')
            block.remove_prefix(1);
    }
    // Only the first 2 * MaxRuleLine bytes of a line are looked at: a 10 MB line is
    // never copied, only stepped over.
    const size_t kept = MaxRuleLine * 2;
    size_t start = 0;
    while (start < block.size()) {
        // A plain loop: find_first_of asks memchr once per character of the file.
        size_t end = start;
        while (end < block.size() && block[end] != '\r' && block[end] != '\n')
            ++end;
        std::string_view piece = block.substr(start, end - start);
        if (end == block.size()) {
            if (state.Carry.size() < kept)
                state.Carry.append(piece.substr(0, kept - state.Carry.size()));
            state.InLine = true;
            return;
        }
        std::string_view line;
        if (state.InLine) {
            if (state.Carry.size() < kept)
                state.Carry.append(piece.substr(0, kept - state.Carry.size()));
            line = state.Carry;
        } else {
            line = piece.substr(0, kept);
        }
        state.Reader.Line(Trimmed(line), ++state.Number);
        state.Carry.clear();
        state.InLine = false;
        start = end + 1;
        if (block[end] == '\r') {
            if (start < block.size())
                start += block[start] == '\n';
            else
                state.SkipLineFeed = true;
        }
    }
}

void TRuleTextReader::Finish()
{
    TState& state = *State;
    if (state.InLine)
        state.Reader.Line(Trimmed(state.Carry), ++state.Number);
    state.Carry.clear();
    state.InLine = false;
    state.Reader.EndEntry();
}

TRuleFile ReadRuleText(const std::string& text)
{
    TRuleFile file;
    ReadRuleText(text, file, [&](TRuleEntry& entry) { file.Entries.push_back(std::move(entry)); });
    return file;
}

void ReadRuleText(const std::string& text, TRuleFile& file, const std::function<void(TRuleEntry&)>& take)
{
    TRuleTextScan scan;
    scan.Feed(text);
    file.Utf8 = scan.Utf8();
    TRuleTextReader reader(file, take, scan.BomBytes());
    reader.Feed(text);
    reader.Finish();
}
