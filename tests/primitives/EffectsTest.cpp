#include "primitives/Effects.h"
#include "primitives/SpecialFolders.h"
#include "tests/primitives/Helpers.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

TEST(EffectsTest, PathsThatAreRefused)
{
    struct Row {
        const char* Path;
        bool Allowed;
    } rows[] = {
        {"", false},          {"Temp\\x", false},       {"\\x", false},         {"\\Temp\\x", false},
        {"C:x", false},       {"C:", false},            {"C:\\", false},        {"c:/", false},
        {"C:\\\\", false},    {"C:\\.", false},         {"C:\\..", false},      {"C:\\ ", false},
        {"C:\\Temp\\..", false}, {"C:\\a\\..\\..\\b", false}, {"..\\x", false},   {"\\\\server", false},
        {"\\\\server\\share", false}, {"\\\\?\\C:\\x", false}, {"\\\\.\\C:\\x", false}, {"1:\\x", false},
        {"C:\\x", true},      {"c:\\Temp\\", true},     {"C:/Temp/x", true},   {"C:\\a\\.b", true},
        {"\\\\server\\share\\x", true}, {"C:\\Temp\\\\x", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Path);
        EXPECT_EQ(EffectPathAllowed(row.Path), row.Allowed);
    }
}

TEST(EffectsTest, EveryEffectRefusesAnUnsafePath)
{
    TEffectLog log;
    for (const char* path : {"", "C:\\", "C:", "x.txt", "\\x.ini"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(EffectDeleteFile(path, true));
        EXPECT_FALSE(EffectRemoveTree(path));
        EXPECT_FALSE(EffectTruncateFile(path));
        EXPECT_FALSE(EffectDeleteOnReboot(path));
        EXPECT_FALSE(EffectWriteProfileString(path, "s", "k", "v"));
        EXPECT_FALSE(EffectDeleteProfileSection(path, "s"));
    }
    EXPECT_TRUE(log.Effects().empty());
}

TEST(EffectsTest, FoldersOfWindowsAndOfProgramsAreNeverRemovedWhole)
{
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system);
    std::string programs = GetProgramFilesFolder();
    std::string own = programs + "\\Hushmark effects test";
    CreateDirectoryA(own.c_str(), nullptr);
    TPreviewScope preview;
    TEffectLog log;
    for (const std::string& folder : {GetWindowsFolder(), std::string(system), programs, GetCommonFilesFolder(),
                                      programs + ". \\", GetWindowsFolder() + "\\\\", std::string("c:/windows/")}) {
        SCOPED_TRACE(folder);
        EXPECT_FALSE(EffectRemoveTree(folder));
    }
    EXPECT_TRUE(log.Effects().empty());
    // A program's own folder below them is no such folder.
    EXPECT_TRUE(EffectRemoveTree(own));
    RemoveDirectoryA(own.c_str());
}

TEST(EffectsTest, KindNamesAndTotals)
{
    const char* names[] = {"delete-file",   "remove-folder", "truncate-file", "delete-on-reboot", "delete-key",
                           "delete-value",  "reset-value",   "write-value",   "end-process",      "clear-tree",
                           "write-ini",     "empty-clipboard", "empty-recycle-bin", "kept", "filter-store"};
    ASSERT_EQ(sizeof names / sizeof names[0], static_cast<size_t>(EffectKindCount));
    for (int i = 0; i < EffectKindCount; ++i)
        EXPECT_STREQ(EffectKindName(static_cast<EffectKind>(i)), names[i]);
    std::vector<Effect> effects = {
        {EffectKind::DeleteFile, "C:\\a", "", 10},   {EffectKind::TruncateFile, "C:\\b", "", 5},
        {EffectKind::RemoveFolder, "C:\\c", "", 0},  {EffectKind::DeleteKey, "HKEY_CURRENT_USER\\A\\B", "", 0},
        {EffectKind::ClearTree, "HKEY_CURRENT_USER\\X\\Y", "", 0}, {EffectKind::DeleteValue, "K", "v", 0},
        {EffectKind::EndProcess, "", "a.exe", 0},    {EffectKind::EmptyRecycleBin, "", "", 100},
        {EffectKind::Kept, "C:\\d", "example.com", 0},
    };
    EffectTotals totals = TotalEffects(effects);
    EXPECT_EQ(totals.Files, 2u);
    EXPECT_EQ(totals.Folders, 1u);
    EXPECT_EQ(totals.Bytes, 115u);
    EXPECT_EQ(totals.Keys, 2u);
    EXPECT_EQ(totals.Values, 1u);
    EXPECT_EQ(totals.Processes, 1u);
    EXPECT_EQ(totals.Other, 1u);
    EXPECT_EQ(totals.ByKind[static_cast<int>(EffectKind::DeleteFile)], 1u);
}

// A filter runs only for real, on an allowed path, and is logged only when it succeeds.
TEST(EffectsTest, FilterStoreRunsOnlyForRealAndKeptNotesChangeNothing)
{
    int runs = 0;
    auto filter = [&] { return ++runs > 0; };
    {
        TPreviewScope preview;
        EXPECT_TRUE(EffectFilterStore("C:\\store", "rows", filter));
        EffectNoteKept("C:\\store", "example.com");
        ASSERT_EQ(preview.Effects().size(), 2u);
        EXPECT_EQ(preview.Effects()[0].Kind, EffectKind::FilterStore);
        EXPECT_EQ(preview.Effects()[1].Name, "example.com");
    }
    EXPECT_EQ(runs, 0);
    TEffectLog log;
    for (const char* refused : {"", "C:\\", "relative", "C:"})
        EXPECT_FALSE(EffectFilterStore(refused, "rows", filter)) << refused;
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(EffectFilterStore("C:\\store", "rows", filter));
    EXPECT_FALSE(EffectFilterStore("C:\\store", "rows", [] { return false; }));
    EXPECT_EQ(runs, 1);
    ASSERT_EQ(log.Effects().size(), 1u);
    EXPECT_EQ(log.Effects()[0].Name, "rows");
}

DWORD WINAPI DeleteOnOtherThread(void* path)
{
    return !PreviewActive() && EffectDeleteFile(*static_cast<std::string*>(path)) ? 1 : 0;
}

TEST(EffectsTest, ScopesNestAndBelongToTheirThread)
{
    std::string dir = MakeScratchFolder("scopes");
    MakeFile(dir + "a", 1);
    MakeFile(dir + "b", 1);
    TEffectLog log;
    {
        TPreviewScope outer;
        EXPECT_TRUE(PreviewActive());
        EXPECT_TRUE(EffectDeleteFile(dir + "a"));
        {
            TPreviewScope inner;
            EXPECT_TRUE(EffectDeleteFile(dir + "b"));
            EXPECT_EQ(inner.Effects().size(), 1u);
        }
        EXPECT_EQ(outer.Effects().size(), 2u);
        // Another thread is not previewing: its effect is real.
        std::string other = dir + "b";
        HANDLE thread = CreateThread(nullptr, 0, DeleteOnOtherThread, &other, 0, nullptr);
        WaitForSingleObject(thread, INFINITE);
        DWORD code = 0;
        GetExitCodeThread(thread, &code);
        CloseHandle(thread);
        EXPECT_EQ(code, 1u);
    }
    EXPECT_FALSE(PreviewActive());
    EXPECT_TRUE(FileThere(dir + "a"));
    EXPECT_FALSE(FileThere(dir + "b"));
    EXPECT_TRUE(log.Effects().empty());
    {
        TEffectLog inner;
        EXPECT_TRUE(EffectDeleteFile(dir + "a"));
        EXPECT_FALSE(EffectDeleteFile(dir + "a"));
        EXPECT_EQ(inner.Effects().size(), 1u);
    }
    ASSERT_EQ(log.Effects().size(), 1u);
    EXPECT_EQ(log.Effects()[0].Path, dir + "a");
    EXPECT_EQ(log.Effects()[0].Bytes, 1u);
}

// The profile calls would create the file: a program that is not there gets none.
TEST(EffectsTest, ProfileStringsOnlyIntoAFileThatExists)
{
    const std::string folder = MakeScratchFolder("ini-missing");
    const std::string file = folder + "absent.ini";
    {
        TPreviewScope preview;
        EXPECT_FALSE(EffectWriteProfileString(file, "Recent", "File1", ""));
        EXPECT_TRUE(preview.Effects().empty());
    }
    EXPECT_FALSE(EffectWriteProfileString(file, "Recent", "File1", ""));
    EXPECT_FALSE(EffectDeleteProfileKey(file, "Recent", "File1"));
    EXPECT_FALSE(EffectDeleteProfileSection(file, "Recent"));
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
    // A folder of that name is no settings file either.
    CreateDirectoryA((folder + "dir.ini").c_str(), nullptr);
    EXPECT_FALSE(EffectWriteProfileString(folder + "dir.ini", "Recent", "File1", ""));
}

TEST(EffectsTest, ProfileStrings)
{
    std::string file = MakeScratchFolder("ini") + "program.ini";
    WriteTextFile(file, "[Recent]\r\nFile1=C:\\a.txt\r\nFile2=C:\\b.txt\r\n[Other]\r\nx=1\r\n");
    {
        TPreviewScope preview;
        EXPECT_TRUE(EffectWriteProfileString(file, "Recent", "File1", ""));
        EXPECT_TRUE(EffectDeleteProfileSection(file, "Recent"));
        ASSERT_EQ(preview.Effects().size(), 2u);
        EXPECT_EQ(preview.Effects()[0].Kind, EffectKind::WriteIni);
        EXPECT_EQ(preview.Effects()[0].Name, "Recent\\File1");
        EXPECT_EQ(preview.Effects()[1].Name, "Recent");
    }
    EXPECT_NE(ReadTextFile(file).find("File2=C:\\b.txt"), std::string::npos);
    EXPECT_TRUE(EffectDeleteProfileKey(file, "Recent", "File2"));
    EXPECT_TRUE(EffectWriteProfileString(file, "Recent", "File1", ""));
    std::string text = ReadTextFile(file);
    EXPECT_EQ(text.find("File2"), std::string::npos);
    EXPECT_NE(text.find("File1="), std::string::npos);
    EXPECT_EQ(text.find("a.txt"), std::string::npos);
    EXPECT_TRUE(EffectDeleteProfileSection(file, "Recent"));
    EXPECT_EQ(ReadTextFile(file).find("Recent"), std::string::npos);
    EXPECT_NE(ReadTextFile(file).find("x=1"), std::string::npos);
}

TEST(EffectsTest, RegistryWritesNeedAnExistingKey)
{
    std::string sub = MakeScratchKey("effects");
    EXPECT_FALSE(EffectWriteRegString(HKEY_CURRENT_USER, sub + "\\missing", "v", "x"));
    EXPECT_FALSE(KeyThere(HKEY_CURRENT_USER, sub + "\\missing"));
    EXPECT_TRUE(EffectWriteRegString(HKEY_CURRENT_USER, sub, "v", "x"));
    EXPECT_EQ(RawString(HKEY_CURRENT_USER, sub, "v"), "x");
    EXPECT_FALSE(EffectResetRegString(HKEY_CURRENT_USER, sub, "none", "x"));
    EXPECT_FALSE(ValueThere(HKEY_CURRENT_USER, sub, "none"));
    TPreviewScope preview;
    EXPECT_TRUE(EffectWriteRegInteger(HKEY_CURRENT_USER, sub, "n", 3));
    EXPECT_FALSE(EffectDeleteRegValue(HKEY_CURRENT_USER, sub, "none"));
    EXPECT_TRUE(EffectDeleteRegValue(HKEY_CURRENT_USER, sub, "v"));
    EXPECT_FALSE(EffectDeleteRegKey(HKEY_CURRENT_USER, sub + "\\missing"));
    EXPECT_FALSE(ValueThere(HKEY_CURRENT_USER, sub, "n"));
    EXPECT_TRUE(ValueThere(HKEY_CURRENT_USER, sub, "v"));
    ASSERT_EQ(preview.Effects().size(), 2u);
    EXPECT_EQ(preview.Effects()[1].Path, "HKEY_CURRENT_USER\\" + sub);
    EXPECT_EQ(preview.Effects()[1].Name, "v");
}

TEST(EffectsTest, ClipboardEmptiedOnlyOutsidePreview)
{
    auto put = [] {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 6);
        memcpy(GlobalLock(memory), "hello", 6);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
    };
    put();
    {
        TPreviewScope preview;
        EXPECT_TRUE(EffectEmptyClipboard());
        EXPECT_EQ(preview.Effects().size(), 1u);
    }
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    TEffectLog log;
    EXPECT_TRUE(EffectEmptyClipboard());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(log.Totals().ByKind[static_cast<int>(EffectKind::EmptyClipboard)], 1u);
}

TEST(EffectsTest, ClearingPreviewNamesTheTreesAndTouchesNothing)
{
    const std::string assist = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist";
    SetString(HKEY_CURRENT_USER, assist + "\\{GUID}\\Count", "entry", "1");
    TPreviewScope preview;
    EffectClearing(ClearingExport::UserAssistCache);
    EffectClearing(ClearingExport::AutoCompleteForms);
    EXPECT_TRUE(ValueThere(HKEY_CURRENT_USER, assist + "\\{GUID}\\Count", "entry"));
    ASSERT_GE(preview.Effects().size(), 3u);
    EXPECT_EQ(preview.Effects()[0].Kind, EffectKind::ClearTree);
    EXPECT_EQ(preview.Effects()[0].Path, "HKEY_CURRENT_USER\\" + assist);
    const std::string forms = "\\Data\\e161255a-37c3-11d2-bcaa-00c04fd929db";
    EXPECT_EQ(preview.Effects()[1].Path.rfind("HKEY_CURRENT_USER\\Software\\Microsoft\\Protected Storage System "
                                              "Provider\\S-1-5-",
                                              0),
              0u)
        << preview.Effects()[1].Path;
    EXPECT_NE(preview.Effects()[2].Path.find(forms), std::string::npos);
    EXPECT_EQ(preview.Effects()[2].Path.rfind("HKEY_LOCAL_MACHINE\\", 0), 0u);
}

}  // namespace
