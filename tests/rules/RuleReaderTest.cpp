// The reader on texts: key forms, number order, refusals with their lines, bounds.
#include "rules/RuleReader.h"

#include <gtest/gtest.h>

namespace {

const TRuleEntry& Only(const TRuleFile& file)
{
    EXPECT_EQ(file.Entries.size(), 1u);
    static const TRuleEntry none;
    return file.Entries.empty() ? none : file.Entries[0];
}

bool RefusedKey(const TRuleEntry& entry, const std::string& key)
{
    for (const TRuleRefusal& refusal : entry.Refused)
        if (refusal.Key == key)
            return true;
    return false;
}

TEST(RuleReader, ReadsAnEntryWithEveryKeyForm)
{
    TRuleFile file = ReadRuleText("; comment\r\n"
                                  "[Example Application *]\r\n"
                                  "LangSecRef=3021\r\n"
                                  "detect=HKCU\\Software\\Example\n"
                                  "DetectFile2=%LocalAppData%\\Example\r"
                                  "Warning=Deletes your session.\n"
                                  "Default=true\n"
                                  "FileKey10=%Temp%\\Ex|*.log\n"
                                  "FILEKEY2=%LocalAppData%\\Ex\\Cache| *.tmp ; *.dat |REMOVESELF\n"
                                  "FileKey3=%LocalAppData%\\Ex\\Logs|*.txt|recurse\n"
                                  "RegKey1=HKCU\\Software\\Ex\\MRU\n"
                                  "RegKey2=HKCU\\Software\\Ex|Last\n"
                                  "ExcludeKey1=FILE|%LocalAppData%\\Ex\\Cache\\|index.db\n"
                                  "ExcludeKey2=PATH|%LocalAppData%\\Ex\\Cache\\keep\\|*.*\n"
                                  "ExcludeKey3=REG|HKCU\\Software\\Ex\\MRU\\Pinned\n"
                                  "Unknown=whatever\n");
    const TRuleEntry& entry = Only(file);
    EXPECT_EQ(entry.Name, "Example Application *");
    EXPECT_EQ(entry.LangSecRef, 3021);
    EXPECT_EQ(entry.Warning, "Deletes your session.");
    EXPECT_TRUE(entry.Default);
    EXPECT_TRUE(entry.Refused.empty()) << entry.Refused[0].Key << ": " << entry.Refused[0].Reason;
    std::vector<std::string> names;
    for (const TRuleKey& key : entry.Keys)
        names.push_back(key.Name);
    // Kinds in a fixed order, numbers in number order whatever the file's order.
    EXPECT_EQ(names, (std::vector<std::string>{"detect", "DetectFile2", "FILEKEY2", "FileKey3", "FileKey10", "RegKey1",
                                               "RegKey2", "ExcludeKey1", "ExcludeKey2", "ExcludeKey3"}));
    const TRuleKey& cache = entry.Keys[2];
    EXPECT_EQ(cache.Folder, "%LocalAppData%\\Ex\\Cache");
    EXPECT_EQ(cache.Patterns, (std::vector<std::string>{"*.tmp", "*.dat"}));
    EXPECT_TRUE(cache.Recurse && cache.RemoveSelf);
    EXPECT_TRUE(entry.Keys[3].Recurse && !entry.Keys[3].RemoveSelf);
    EXPECT_FALSE(entry.Keys[4].Recurse);
    EXPECT_TRUE(entry.Keys[6].HasValue);
    EXPECT_EQ(entry.Keys[6].Value, "Last");
    EXPECT_EQ(entry.Keys[7].Scope, "file");
    EXPECT_EQ(entry.Keys[8].Scope, "path");
    EXPECT_EQ(entry.Keys[9].Scope, "reg");
    EXPECT_EQ(entry.Keys[4].Line, 8);
}

TEST(RuleReader, RefusesKeysNotTheFileAndCountsLines)
{
    TRuleFile file = ReadRuleText("[A]\n"
                                  "FileKey1=%Temp%\n"                 // no patterns
                                  "FileKey2=%Temp%|..\\*.*\n"         // pattern that climbs
                                  "FileKey3=%Temp%|*.tmp|DELETEALL\n" // unknown flag
                                  "FileKey99999999999999=%Temp%|*.tmp\n"
                                  "FileKey=%Temp%|*.tmp\n"
                                  "FileKey4=%Temp%|*.tmp\n"
                                  "FileKey4=%Temp%|*.log\n"          // repeated
                                  "RegKey1=HKCU\\Software\\X|\n"
                                  "ExcludeKey1=DIR|C:\\x\n"
                                  "SpecialDetect=DET_NETSCAPE\n"
                                  "DetectOS=six|\n"
                                  "Default=maybe\n"
                                  "LangSecRef=99\n"
                                  "no equals sign\n");
    const TRuleEntry& entry = Only(file);
    for (const char* key : {"FileKey1", "FileKey2", "FileKey3", "FileKey99999999999999", "FileKey", "RegKey1",
                            "ExcludeKey1", "SpecialDetect", "DetectOS", "Default", "LangSecRef", "no equals sign"})
        EXPECT_TRUE(RefusedKey(entry, key)) << key;
    ASSERT_EQ(entry.Keys.size(), 1u);
    EXPECT_EQ(entry.Keys[0].Patterns, std::vector<std::string>{"*.tmp"});
    EXPECT_EQ(entry.Refused[0].Line, 2);
    EXPECT_FALSE(entry.HasDetectOS);
}

TEST(RuleReader, FirstOfRepeatedSectionsCounts)
{
    TRuleFile file = ReadRuleText("[Same *]\nFileKey1=%Temp%|a\n[same *]\nFileKey1=%Temp%|b\n[Other]\n[]\n[x[y]\n");
    ASSERT_EQ(file.Entries.size(), 2u);
    EXPECT_EQ(file.Entries[0].Keys[0].Patterns[0], "a");
    EXPECT_EQ(file.Entries[1].Name, "Other");
    ASSERT_EQ(file.Problems.size(), 3u);
    EXPECT_EQ(file.Problems[0].Line, 3);
}

TEST(RuleReader, DetectOSRanges)
{
    TRuleFile file = ReadRuleText("[A]\nDetectOS=6.1|\n[B]\nDetectOS=|6.3\n[C]\nDetectOS=5.1|5.1\n");
    ASSERT_EQ(file.Entries.size(), 3u);
    EXPECT_EQ(file.Entries[0].OSMin, 6u * 65536 + 1);
    EXPECT_EQ(file.Entries[0].OSMax, UINT32_MAX);
    EXPECT_EQ(file.Entries[1].OSMin, 0u);
    EXPECT_EQ(file.Entries[1].OSMax, 6u * 65536 + 3);
    EXPECT_EQ(file.Entries[2].OSMin, file.Entries[2].OSMax);
}

TEST(RuleReader, TextEncodingsAndBounds)
{
    EXPECT_TRUE(ReadRuleText("\xEF\xBB\xBF[A]\n").Utf8);
    EXPECT_TRUE(ReadRuleText("[Caf\xC3\xA9]\n").Utf8);
    EXPECT_FALSE(ReadRuleText("[Caf\xE9]\n").Utf8);
    EXPECT_EQ(ReadRuleText("\xEF\xBB\xBF[A]\n").Entries.at(0).Name, "A");

    // A 10 MB line is refused, not kept, and the entry goes on.
    std::string huge = "[A]\nFileKey1=%Temp%|" + std::string(10 << 20, 'x') + "\nFileKey2=%Temp%|*.tmp\n";
    TRuleFile file = ReadRuleText(huge);
    const TRuleEntry& entry = Only(file);
    ASSERT_EQ(entry.Keys.size(), 1u);
    EXPECT_EQ(entry.Keys[0].Name, "FileKey2");
    EXPECT_EQ(entry.Refused.size(), 1u);

    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919) & 0xFF);
    ReadRuleText(binary);  // never crashes; the sanitizers watch

    std::string many;
    for (size_t i = 0; i < MaxRuleKeys + 10; ++i)
        many += "FileKey" + std::to_string(i + 1) + "=%Temp%|*.tmp\n";
    TRuleFile crowded = ReadRuleText("[A]\n" + many);
    EXPECT_EQ(Only(crowded).Keys.size(), MaxRuleKeys);
}

}  // namespace

namespace {

// What the reader makes of a text, fed in blocks of the given size.
TRuleFile ReadInBlocks(const std::string& text, size_t size)
{
    TRuleFile file;
    TRuleTextScan scan;
    for (size_t i = 0; i < text.size(); i += size)
        scan.Feed(std::string_view(text).substr(i, size));
    file.Utf8 = scan.Utf8();
    TRuleTextReader reader(file, [&](TRuleEntry& entry) { file.Entries.push_back(std::move(entry)); },
                           scan.BomBytes());
    for (size_t i = 0; i < text.size(); i += size)
        reader.Feed(std::string_view(text).substr(i, size));
    reader.Finish();
    return file;
}

TEST(RuleReader, ReadsTheSameWhereverTheBlocksEnd)
{
    // A byte-order mark, CR LF, a lone CR, a line longer than any block's bound, UTF-8
    // and a last line without an ending: every place a block can end.
    std::string text = "\xEF\xBB\xBF[Caf\xC3\xA9 *]\r\nFileKey1=%Temp%|*.tmp\rFileKey2=%Temp%|" +
                       std::string(3 * MaxRuleLine, 'x') + "\r\nFileKey3=%Temp%|a;b\n\n[Second]\r\nRegKey1=HKCU\\Software\\A";
    TRuleFile whole = ReadRuleText(text);
    ASSERT_EQ(whole.Entries.size(), 2u);
    for (size_t size : {1, 2, 3, 5, 7, 64, 4096}) {
        TRuleFile blocks = ReadInBlocks(text, size);
        EXPECT_TRUE(blocks.Utf8) << size;
        ASSERT_EQ(blocks.Entries.size(), 2u) << size;
        EXPECT_EQ(blocks.Entries[0].Name, "Caf\xC3\xA9 *");
        ASSERT_EQ(blocks.Entries[0].Keys.size(), 2u) << size;
        EXPECT_EQ(blocks.Entries[0].Keys[1].Patterns, (std::vector<std::string>{"a", "b"}));
        EXPECT_EQ(blocks.Entries[0].Keys[1].Line, whole.Entries[0].Keys[1].Line) << size;
        ASSERT_EQ(blocks.Entries[0].Refused.size(), 1u) << size;
        EXPECT_EQ(blocks.Entries[0].Refused[0].Line, 3);
        EXPECT_EQ(blocks.Entries[1].Line, whole.Entries[1].Line) << size;
        EXPECT_EQ(blocks.Entries[1].Keys.at(0).Folder, "HKCU\\Software\\A") << size;
    }
    // A sequence cut short at the end is no UTF-8, wherever the block ends.
    EXPECT_FALSE(ReadInBlocks("[A]\n\xC3", 1).Utf8);
    EXPECT_FALSE(ReadInBlocks("\xEF\xBB", 1).Utf8);
}

}  // namespace
