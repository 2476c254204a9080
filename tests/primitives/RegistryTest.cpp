#include "primitives/Effects.h"
#include "primitives/Errors.h"
#include "primitives/Registry.h"
#include "tests/primitives/Helpers.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string Hkcu = "HKEY_CURRENT_USER\\";

class RegistryTest : public ::testing::Test {
protected:
    std::string Sub = MakeScratchKey("reg");
    std::string Path = Hkcu + Sub;
};

TEST(SplitRegPathTest, HiveNamesExactlyAndNothingElse)
{
    struct Row {
        const char* In;
        HKEY Root;
        const char* Rest;
    } rows[] = {
        {"HKEY_CURRENT_USER\\Software\\X", HKEY_CURRENT_USER, "Software\\X"},
        {"HKEY_LOCAL_MACHINE\\Software", HKEY_LOCAL_MACHINE, "Software"},
        {"HKEY_CLASSES_ROOT\\.txt", HKEY_CLASSES_ROOT, ".txt"},
        {"HKEY_USERS\\.DEFAULT", HKEY_USERS, ".DEFAULT"},
        {"HKEY_CURRENT_CONFIG\\System", HKEY_CURRENT_CONFIG, "System"},
        {"hkey_current_user\\Software", nullptr, "hkey_current_user\\Software"},
        {"HKCU\\Software", nullptr, "HKCU\\Software"},
        {"HKEY_CURRENT_USER", nullptr, "HKEY_CURRENT_USER"},
        {"", nullptr, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.In);
        std::string path = row.In;
        EXPECT_EQ(SplitRegPath(path), row.Root);
        EXPECT_EQ(path, row.Rest);
    }
}

TEST_F(RegistryTest, LowerCaseOrAbbreviatedHiveAddressesNothing)
{
    SetString(HKEY_CURRENT_USER, Sub, "v", "x");
    MakeKey(HKEY_CURRENT_USER, Sub + "\\child");
    for (std::string bad : {"hkey_current_user\\" + Sub, "HKCU\\" + Sub}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(RegKeyExists(bad));
        EXPECT_FALSE(RegValueExists(bad, "v"));
        EXPECT_FALSE(RegKeyHasValues(bad));
        EXPECT_FALSE(RegKeyHasSubKeys(bad));
        EXPECT_FALSE(DeleteRegValue(bad, "v"));
        ClearRegValues(bad);
        ResetRegString(bad, "v", "y");
        EXPECT_FALSE(DeleteRegKey(bad));
        EXPECT_FALSE(DeleteRegSubKeys(bad));
        std::vector<std::string> list;
        FindRegValues(bad, "*", list);
        EXPECT_TRUE(list.empty());
    }
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, Sub, "v"), "x");
    EXPECT_TRUE(KeyThere(HKEY_CURRENT_USER, Sub + "\\child"));
    EXPECT_TRUE(RegKeyExists(Path));
    EXPECT_TRUE(RegKeyHasSubKeys(Path));
}

TEST_F(RegistryTest, ExistenceTests)
{
    EXPECT_TRUE(RegKeyExists(Path));
    EXPECT_FALSE(RegKeyExists(Path + "\\missing"));
    EXPECT_FALSE(RegKeyHasValues(Path));
    EXPECT_FALSE(RegValueExists(Path, ""));
    SetString(HKEY_CURRENT_USER, Sub, "", "default");
    EXPECT_TRUE(RegKeyHasValues(Path));
    EXPECT_TRUE(RegValueExists(Path, ""));
    EXPECT_FALSE(RegValueExists(Path, "other"));
    EXPECT_FALSE(RegKeyHasSubKeys(Path));
    MakeKey(HKEY_CURRENT_USER, Sub + "\\a");
    EXPECT_TRUE(RegKeyHasSubKeys(Path));
    EXPECT_TRUE(RegKeyHasSubKeysAt(HKEY_CURRENT_USER, "\\" + Sub));
    EXPECT_FALSE(RegKeyHasSubKeysAt(HKEY_CURRENT_USER, Sub + "\\a"));
}

TEST_F(RegistryTest, DeleteRegKeyRemovesThreeLevels)
{
    SetString(HKEY_CURRENT_USER, Sub + "\\k\\a\\b\\c", "deep", "1");
    SetString(HKEY_CURRENT_USER, Sub + "\\k\\a2", "v", "1");
    SetString(HKEY_CURRENT_USER, Sub + "\\k", "top", "1");
    MakeKey(HKEY_CURRENT_USER, Sub + "\\neighbour");
    EXPECT_TRUE(DeleteRegKey(Path + "\\k"));
    EXPECT_FALSE(KeyThere(HKEY_CURRENT_USER, Sub + "\\k"));
    EXPECT_TRUE(KeyThere(HKEY_CURRENT_USER, Sub + "\\neighbour"));
    EXPECT_FALSE(DeleteRegKey(Path + "\\k"));
}

TEST_F(RegistryTest, DeleteRegSubKeysFiveAndNone)
{
    for (int i = 0; i < 5; ++i)
        SetString(HKEY_CURRENT_USER, Sub + "\\s" + std::to_string(i) + "\\deeper", "v", "1");
    SetString(HKEY_CURRENT_USER, Sub, "kept", "1");
    EXPECT_TRUE(DeleteRegSubKeys(Path));
    EXPECT_FALSE(RegKeyHasSubKeys(Path));
    EXPECT_TRUE(KeyThere(HKEY_CURRENT_USER, Sub));
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, Sub, "kept"), "1");
    EXPECT_FALSE(DeleteRegSubKeys(Path));
    EXPECT_FALSE(DeleteRegSubKeys(Path + "\\missing"));
}

TEST_F(RegistryTest, ClearRegValuesTakesTheUnnamedValueAndSparesSubKeys)
{
    SetString(HKEY_CURRENT_USER, Sub, "", "default");
    SetString(HKEY_CURRENT_USER, Sub, "a", "1");
    SetDword(HKEY_CURRENT_USER, Sub, "b", 2);
    SetString(HKEY_CURRENT_USER, Sub + "\\child", "c", "3");
    ClearRegValues(Path);
    EXPECT_FALSE(RegKeyHasValues(Path));
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, Sub + "\\child", "c"), "3");
    ClearRegValues(Path + "\\missing");
}

TEST_F(RegistryTest, ValueDeletionsThatFailAreRecordedWithTheirReason)
{
    SetString(HKEY_CURRENT_USER, Sub, "a", "1");
    SetString(HKEY_CURRENT_USER, Sub + "\\closed", "b", "2");
    ASSERT_TRUE(SetKeyClosed(HKEY_CURRENT_USER, Sub + "\\closed", true));
    std::vector<TLeftItem> left;
    {
        TLeftLog log;
        EXPECT_FALSE(DeleteRegValue(Path + "\\closed", "b"));
        ClearRegValues(Path + "\\closed");
        // Missing values and keys are no failure.
        EXPECT_FALSE(DeleteRegValue(Path, "missing"));
        ClearRegValues(Path + "\\missing");
        EXPECT_TRUE(DeleteRegValue(Path, "a"));
        left = log.Items();
    }
    SetKeyClosed(HKEY_CURRENT_USER, Sub + "\\closed", false);
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, Sub + "\\closed", "b"), "2");
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].Kind, EffectKind::DeleteValue);
    EXPECT_EQ(left[0].Path, Path + "\\closed");
    EXPECT_EQ(left[0].Name, "b");
    EXPECT_EQ(left[1].Kind, EffectKind::ClearTree);
    EXPECT_EQ(left[1].Path, Path + "\\closed");
    for (const TLeftItem& item : left)
        EXPECT_EQ(LeftReasonText(item), "access denied");
}

TEST_F(RegistryTest, ResetRegStringOnlyReplacesExistingValues)
{
    SetString(HKEY_CURRENT_USER, Sub, "expand", "%TEMP%", REG_EXPAND_SZ);
    SetDword(HKEY_CURRENT_USER, Sub, "number", 7);
    ResetRegString(Path, "missing", "x");
    EXPECT_FALSE(ValueThere(HKEY_CURRENT_USER, Sub, "missing"));
    ResetRegString(Path, "expand", "plain");
    ResetRegString(Path, "number", "text");
    EXPECT_EQ(ValueType(HKEY_CURRENT_USER, Sub, "expand"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, Sub, "expand"), "plain");
    EXPECT_EQ(ValueType(HKEY_CURRENT_USER, Sub, "number"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, Sub, "number"), "text");
    ResetRegString(Path + "\\missing", "expand", "x");
    EXPECT_FALSE(KeyThere(HKEY_CURRENT_USER, Sub + "\\missing"));
}

TEST_F(RegistryTest, FindRegValuesMasks)
{
    SetString(HKEY_CURRENT_USER, Sub, "", "default");
    SetString(HKEY_CURRENT_USER, Sub, "MRU_", "1");
    SetString(HKEY_CURRENT_USER, Sub, "mru_a", "1");
    SetString(HKEY_CURRENT_USER, Sub, "other", "1");
    std::vector<std::string> list{"kept"};
    FindRegValues(Path, "mru_", list);
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "MRU_"}));
    list.clear();
    FindRegValues(Path, "*", list);
    std::sort(list.begin(), list.end());
    EXPECT_EQ(list, (std::vector<std::string>{"", "MRU_", "mru_a", "other"}));
    EXPECT_THROW(FindRegValues(Path, "[a", list), Exception);
}

TEST_F(RegistryTest, ReadsByRootAndSubKey)
{
    SetString(HKEY_CURRENT_USER, Sub, "s", "text");
    SetString(HKEY_CURRENT_USER, Sub, "e", "%PATH%", REG_EXPAND_SZ);
    SetString(HKEY_CURRENT_USER, Sub, "one", "1");
    SetDword(HKEY_CURRENT_USER, Sub, "d", 0xFFFFFFFE);
    std::string out = "old";
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "\\" + Sub, "s", out), "text");
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, Sub, "e", out), "%PATH%");
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, Sub, "d", out), "");
    EXPECT_EQ(out, "");
    EXPECT_EQ(RegReadStringDef(HKEY_CURRENT_USER, Sub, "missing", out, "def"), "def");
    EXPECT_EQ(RegReadStringDef(HKEY_CURRENT_USER, Sub, "s", out, "def"), "text");
    EXPECT_EQ(RegReadStringDef(HKEY_CURRENT_USER, Sub + "\\none", "s", out, "def"), "def");
    EXPECT_EQ(RegReadInteger(HKEY_CURRENT_USER, Sub, "d"), -2);
    EXPECT_EQ(RegReadInteger(HKEY_CURRENT_USER, Sub, "one"), 0);
    EXPECT_EQ(RegReadInteger(HKEY_CURRENT_USER, Sub, "missing"), 0);
}

TEST_F(RegistryTest, StringWithoutTerminatorIsReadWhole)
{
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, Sub.c_str(), 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    RegSetValueExA(key, "raw", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
    RegSetValueExA(key, "nul", 0, REG_SZ, reinterpret_cast<const BYTE*>("ab\0cd"), 6);
    RegCloseKey(key);
    std::string out;
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, Sub, "raw", out), "abc");
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, Sub, "nul", out), "ab");
}

TEST_F(RegistryTest, RegWriteIntegerNeverCreatesAKey)
{
    RegWriteInteger(HKEY_CURRENT_USER, Sub + "\\missing", "n", 5);
    EXPECT_FALSE(KeyThere(HKEY_CURRENT_USER, Sub + "\\missing"));
    RegWriteInteger(HKEY_CURRENT_USER, "\\" + Sub, "n", -1);
    EXPECT_EQ(ValueType(HKEY_CURRENT_USER, Sub, "n"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(RegReadInteger(HKEY_CURRENT_USER, Sub, "n"), -1);
}

TEST_F(RegistryTest, DeleteRegKeyTree)
{
    SetString(HKEY_CURRENT_USER, Sub + "\\t\\a\\b", "v", "1");
    SetString(HKEY_CURRENT_USER, Sub + "\\t\\c", "v", "1");
    EXPECT_TRUE(DeleteRegKeyTree(HKEY_CURRENT_USER, "\\" + Sub + "\\t"));
    EXPECT_FALSE(KeyThere(HKEY_CURRENT_USER, Sub + "\\t"));
    EXPECT_FALSE(DeleteRegKeyTree(HKEY_CURRENT_USER, Sub + "\\t"));
    EXPECT_TRUE(KeyThere(HKEY_CURRENT_USER, Sub));
}

TEST_F(RegistryTest, HivesAndKeysRightUnderThemAreNeverDeleted)
{
    // The scratch key's parent chain is what a refused deletion would have taken.
    EXPECT_FALSE(DeleteRegKey("HKEY_CURRENT_USER\\Software"));
    EXPECT_FALSE(DeleteRegKey("HKEY_CURRENT_USER\\"));
    EXPECT_FALSE(DeleteRegKey("HKEY_CURRENT_USER\\\\Software\\"));
    EXPECT_FALSE(DeleteRegSubKeys("HKEY_CURRENT_USER\\"));
    EXPECT_FALSE(DeleteRegKeyTree(HKEY_CURRENT_USER, "Software"));
    EXPECT_FALSE(DeleteRegKeyTree(HKEY_CURRENT_USER, ""));
    EXPECT_FALSE(EffectDeleteRegKey(HKEY_CURRENT_USER, "\\Software"));
    EXPECT_TRUE(KeyThere(HKEY_CURRENT_USER, Sub));
    EXPECT_TRUE(KeyThere(HKEY_CURRENT_USER, "Software\\Wine"));
    EXPECT_TRUE(EffectKeyDeletionAllowed(HKEY_CURRENT_USER, "Software\\X"));
    EXPECT_FALSE(EffectKeyDeletionAllowed(nullptr, "Software\\X"));
}

TEST_F(RegistryTest, PreviewChangesNothingAndListsWhatARealRunDoes)
{
    SetString(HKEY_CURRENT_USER, Sub + "\\k\\a\\b", "v", "1");
    SetString(HKEY_CURRENT_USER, Sub + "\\k", "", "default");
    SetString(HKEY_CURRENT_USER, Sub + "\\k", "name", "1");
    SetDword(HKEY_CURRENT_USER, Sub + "\\k", "n", 1);
    auto solve = [&] {
        ResetRegString(Path + "\\k", "name", "reset");
        RegWriteInteger(HKEY_CURRENT_USER, Sub + "\\k", "n", 2);
        DeleteRegValue(Path + "\\k", "missing");
        ClearRegValues(Path + "\\k");
        DeleteRegKey(Path + "\\k");
    };
    std::vector<Effect> previewed;
    {
        TPreviewScope preview;
        solve();
        previewed = preview.Effects();
    }
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, Sub + "\\k", "name"), "1");
    EXPECT_EQ(RegReadInteger(HKEY_CURRENT_USER, Sub + "\\k", "n"), 1);
    EXPECT_TRUE(ValueThere(HKEY_CURRENT_USER, Sub + "\\k", ""));
    EXPECT_TRUE(KeyThere(HKEY_CURRENT_USER, Sub + "\\k\\a\\b"));

    TEffectLog log;
    solve();
    EXPECT_FALSE(KeyThere(HKEY_CURRENT_USER, Sub + "\\k"));
    ASSERT_EQ(previewed.size(), log.Effects().size());
    for (size_t i = 0; i < previewed.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(previewed[i].Kind, log.Effects()[i].Kind);
        EXPECT_EQ(previewed[i].Path, log.Effects()[i].Path);
        EXPECT_EQ(previewed[i].Name, log.Effects()[i].Name);
    }
    EffectTotals totals = log.Totals();
    EXPECT_EQ(totals.Keys, 3u);
    EXPECT_EQ(totals.Values, 5u);  // reset, write, and the three values cleared
    EXPECT_EQ(log.Effects().back().Path, Path + "\\k");
    EXPECT_STREQ(EffectKindName(log.Effects().back().Kind), "delete-key");
}

}  // namespace
