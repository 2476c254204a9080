#pragma once
// Reads the text of a winapp2.ini-style rule file into entries. Portable: no Windows
// calls, so it builds natively and is fuzzed. Nothing here touches the machine; the
// keys are only taken apart, checked for their form and put in number order.
//
// A key that cannot be understood is refused (with its line and reason) and the rest
// of its entry stays; a repeated section is reported and ignored. Sizes are bounded:
// over-long lines and values, too many entries or keys are refused, never kept.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum class RuleKeyKind { Detect, DetectFile, SpecialDetect, FileKey, RegKey, ExcludeKey };

// One deletion, detection or exclusion key, taken apart.
struct TRuleKey {
    RuleKeyKind Kind = RuleKeyKind::FileKey;
    std::string Name;   // as written: "FileKey3"
    std::string Text;   // the value as written
    int Line = 0;
    uint32_t Number = 0;  // 0 for an unnumbered Detect/DetectFile/SpecialDetect
    // FileKey: folder, patterns, flags. ExcludeKey: Scope FILE/PATH/REG, Folder is the
    // folder or registry key, Patterns the names or the one value. RegKey: Folder is the
    // key, Value the value name (HasValue).
    std::string Folder;
    std::vector<std::string> Patterns;
    bool Recurse = false;
    bool RemoveSelf = false;
    std::string Scope;
    std::string Value;
    bool HasValue = false;
};

struct TRuleRefusal {
    std::string Key;     // key name, or "[section]" for a whole entry
    std::string Reason;
    int Line = 0;
};

struct TRuleEntry {
    std::string Name;    // the section name as written
    int Line = 0;
    int LangSecRef = 0;  // 0 when absent
    std::string Section; // the text category, when given
    std::string Warning;
    bool Default = false;
    bool HasDetectOS = false;
    uint32_t OSMin = 0, OSMax = UINT32_MAX;  // major * 65536 + minor
    std::vector<TRuleKey> Keys;              // by kind, then by number
    std::vector<TRuleRefusal> Refused;
};

struct TRuleFile {
    bool Utf8 = false;                  // a byte-order mark, or valid UTF-8 beyond ASCII
    std::vector<TRuleEntry> Entries;    // in file order
    std::vector<TRuleRefusal> Problems; // repeated sections, lines of no entry
};

const size_t MaxRuleLine = 8192;
const size_t MaxRuleEntries = 100000;
const size_t MaxRuleKeys = 2000;  // per entry

TRuleFile ReadRuleText(const std::string& text);
// The same reading, handing each entry over as soon as its section ends, so that a
// file of thousands of entries is never held taken apart all at once; file gets the
// Utf8 flag and the problems, its Entries stay empty.
void ReadRuleText(const std::string& text, TRuleFile& file, const std::function<void(TRuleEntry&)>& take);

// A rule file's text met a block at a time, to tell its encoding before it is read:
// UTF-8 when it starts with a byte-order mark, or is valid UTF-8 beyond ASCII.
class TRuleTextScan {
public:
    void Feed(std::string_view block);
    bool Utf8() const;
    size_t BomBytes() const;  // 3 after a UTF-8 byte-order mark, else 0

private:
    char Head[3] = {};
    size_t Seen = 0;
    size_t Pending = 0;  // continuation bytes still due
    bool Valid = true;
    bool BeyondAscii = false;
};

// ReadRuleText a block at a time, so that a large file is never held whole: the same
// entries, refusals and line numbers however the text is cut into blocks. The caller
// sets file.Utf8 from a TRuleTextScan of the whole text first.
class TRuleTextReader {
public:
    TRuleTextReader(TRuleFile& file, const std::function<void(TRuleEntry&)>& take, size_t bomBytes);
    ~TRuleTextReader();
    TRuleTextReader(const TRuleTextReader&) = delete;
    TRuleTextReader& operator=(const TRuleTextReader&) = delete;
    void Feed(std::string_view block);
    void Finish();  // the last line and entry

private:
    struct TState;
    std::unique_ptr<TState> State;
};

// The fields of a key value split at "|"; empty fields stay.
std::vector<std::string> SplitRuleFields(const std::string& text, char separator);
// A "6.1" style version as major * 65536 + minor; false when it is not one.
bool ParseRuleVersion(const std::string& text, uint32_t& version);
