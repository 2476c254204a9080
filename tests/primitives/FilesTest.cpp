#include "primitives/Effects.h"
#include "primitives/EffectsTesting.h"
#include "primitives/Errors.h"
#include "primitives/Files.h"
#include "tests/primitives/Helpers.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class FilesTest : public ::testing::Test {
protected:
    std::string Dir = MakeScratchFolder("files");  // with a trailing backslash
    std::string Sub(const std::string& name)
    {
        CreateDirectoryA((Dir + name).c_str(), nullptr);
        return Dir + name + "\\";
    }
};

// What a real run did is what its preview listed, in the same order.
void ExpectSameRecord(const std::vector<Effect>& previewed, const std::vector<Effect>& done)
{
    ASSERT_EQ(previewed.size(), done.size());
    for (size_t i = 0; i < previewed.size(); ++i) {
        SCOPED_TRACE(previewed[i].Path);
        EXPECT_EQ(previewed[i].Kind, done[i].Kind);
        EXPECT_EQ(previewed[i].Path, done[i].Path);
        EXPECT_EQ(previewed[i].Bytes, done[i].Bytes);
    }
}

std::vector<std::string> Sorted(std::vector<std::string> list)
{
    std::sort(list.begin(), list.end());
    return list;
}

TEST_F(FilesTest, DeleteFilesInFolderByPatternKeepsTheRest)
{
    MakeFile(Dir + "a.dat");
    MakeFile(Dir + "b.dat");
    MakeFile(Dir + "c.txt");
    std::string sub = Sub("x.dat");
    MakeFile(sub + "inner.dat");
    DeleteFilesInFolder(Dir.substr(0, Dir.size() - 1), "*.dat", true);
    EXPECT_FALSE(FileThere(Dir + "a.dat"));
    EXPECT_FALSE(FileThere(Dir + "b.dat"));
    EXPECT_TRUE(FileThere(Dir + "c.txt"));
    EXPECT_TRUE(FileThere(sub + "inner.dat"));
}

TEST_F(FilesTest, DeleteFilesInFolderEverythingButDotNamesAndReadOnly)
{
    MakeFile(Dir + "nodot");
    MakeFile(Dir + "a.txt");
    MakeFile(Dir + ".profile");
    MakeFile(Dir + "locked.txt");
    SetFileAttributesA((Dir + "locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    std::string sub = Sub("sub");
    MakeFile(sub + "deep.txt");
    Sub("sub\\deeper");
    DeleteFilesInFolder(Dir, "*.*", false);
    EXPECT_TRUE(FolderThere(Dir));
    EXPECT_FALSE(FileThere(Dir + "nodot"));
    EXPECT_FALSE(FileThere(Dir + "a.txt"));
    EXPECT_FALSE(FolderThere(sub));
    EXPECT_TRUE(FileThere(Dir + ".profile"));
    EXPECT_TRUE(FileThere(Dir + "locked.txt"));
    SetFileAttributesA((Dir + "locked.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FilesTest, FindFilesNestedAnyCaseAndTheDotRules)
{
    std::string one = Sub("one");
    std::string two = Sub("one\\two");
    std::string three = Sub("one\\two\\three");
    MakeFile(one + "cookies.txt");
    MakeFile(three + "COOKIES.TXT");
    MakeFile(Dir + "nodot");
    MakeFile(Dir + ".cookies.txt");
    std::string hidden = Sub(".hidden");
    MakeFile(hidden + "cookies.txt");
    std::vector<std::string> list{"kept"};
    FindFiles(Dir, "cookies.txt", list);
    EXPECT_EQ(Sorted(list), Sorted({"kept", one + "cookies.txt", three + "COOKIES.TXT"}));
    list.clear();
    FindFiles(Dir.substr(0, Dir.size() - 1), "*.*", list);
    EXPECT_EQ(std::count(list.begin(), list.end(), Dir + "nodot"), 0);
    EXPECT_EQ(list.size(), 2u);
    list.clear();
    FindFiles(Dir + "missing", "*", list);
    EXPECT_TRUE(list.empty());
    EXPECT_THROW(FindFiles(Dir, "[x", list), Exception);
    (void)two;
}

TEST_F(FilesTest, FindFoldersReportsNestedMatchesWithBackslash)
{
    Sub("cache");
    Sub("cache\\cache");
    Sub("other");
    Sub("other\\Cache");
    Sub(".cache");
    std::vector<std::string> list;
    FindFolders(Dir, "cache", list);
    EXPECT_EQ(Sorted(list), Sorted({Dir + "cache\\", Dir + "cache\\cache\\", Dir + "other\\Cache\\"}));
    // A folder comes before what it holds.
    auto outer = std::find(list.begin(), list.end(), Dir + "cache\\");
    auto inner = std::find(list.begin(), list.end(), Dir + "cache\\cache\\");
    EXPECT_LT(outer, inner);
}

TEST_F(FilesTest, CountingAndEmptiness)
{
    std::string folder = Dir.substr(0, Dir.size() - 1);
    Sub("only");
    EXPECT_TRUE(FolderIsEmpty(folder));
    EXPECT_TRUE(FolderIsEmpty(folder + "\\missing"));
    EXPECT_EQ(CountFiles(Dir), 0);
    MakeFile(Dir + ".dot");
    EXPECT_TRUE(FolderIsEmpty(folder));
    for (int i = 0; i < 5; ++i)
        MakeFile(Dir + "f" + std::to_string(i));
    EXPECT_FALSE(FolderIsEmpty(folder));
    EXPECT_EQ(CountFiles(Dir), 5);
    EXPECT_EQ(CountFiles(Dir, 2), 2);
    EXPECT_EQ(CountFiles(Dir + "missing\\"), 0);
}

TEST(PathTextTest, TrailingBackslashAndLastPart)
{
    struct Row {
        const char* In;
        const char* Added;
        const char* Stripped;
    } rows[] = {
        {"C:\\dir\\file.txt", "C:\\dir\\file.txt\\", "C:\\dir\\"},
        {"C:\\dir\\", "C:\\dir\\", "C:\\"},
        {"file.txt", "file.txt\\", ""},
        {"", "", ""},
        {"\\", "\\", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.In);
        std::string added = row.In, stripped = row.In;
        AddTrailingBackslash(added);
        StripLastPathPart(stripped);
        EXPECT_EQ(added, row.Added);
        EXPECT_EQ(stripped, row.Stripped);
    }
}

TEST_F(FilesTest, ReadValueAfterAndHistoryFolder)
{
    WriteTextFile(Dir + "prefs.txt", "first\r\nsecond\nKey=value=more\rKey=later\n");
    std::string out = "before";
    EXPECT_EQ(ReadValueAfter(Dir + "prefs.txt", "Key=", out), "value=more");
    out = "before";
    EXPECT_EQ(ReadValueAfter(Dir + "prefs.txt", "nowhere", out), "before");
    EXPECT_EQ(ReadValueAfter(Dir + "prefs.txt", "", out), "before");
    EXPECT_EQ(ReadValueAfter(Dir + "prefs.txt", "second", out), "");
    EXPECT_THROW(ReadValueAfter(Dir + "missing.txt", "Key=", out), Exception);

    std::string history = Dir + "History";
    EXPECT_EQ(FindHistoryFolder(history, out), "");
    Sub("History");
    MakeFile(history + "\\MSHist01.txt");
    Sub("History\\Today");
    EXPECT_EQ(FindHistoryFolder(history, out), "");
    Sub("History\\MSHist012024");
    EXPECT_EQ(FindHistoryFolder(history + "\\", out), history + "\\MSHist012024");
    EXPECT_EQ(out, history + "\\MSHist012024");
}

TEST_F(FilesTest, AttributesExistenceAndSize)
{
    MakeFile(Dir + "five", 5);
    EXPECT_TRUE(IsDirectory(Dir));
    EXPECT_FALSE(IsDirectory(Dir + "five"));
    EXPECT_FALSE(IsDirectory(Dir + "missing"));
    EXPECT_TRUE(PathExists(Dir + "five"));
    EXPECT_TRUE(PathExists(Dir + "f*"));
    EXPECT_FALSE(PathExists(Dir + "x*"));
    EXPECT_EQ(GetFileSize64(Dir + "five"), 5);
    try {
        GetFileSize64(Dir + "missing");
        ADD_FAILURE() << "no error raised";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()).rfind("System Error.  Code: 2.\r\n", 0), 0u) << error.what();
    }
}

TEST_F(FilesTest, DeleteFolderTakesHiddenSystemAndReadOnlyEntries)
{
    std::string tree = Sub("tree");
    Sub("tree\\a");
    std::string deep = Sub("tree\\a\\b");
    MakeFile(deep + "file");
    MakeFile(tree + ".dot");
    MakeFile(tree + "ro");
    MakeFile(tree + "hs");
    SetFileAttributesA((tree + "ro").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((tree + "hs").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesA((tree + "a").c_str(), FILE_ATTRIBUTE_HIDDEN);
    MakeFile(Dir + "neighbour");
    EXPECT_TRUE(DeleteFolder(tree));
    EXPECT_FALSE(FolderThere(tree));
    EXPECT_TRUE(FileThere(Dir + "neighbour"));
    EXPECT_FALSE(DeleteFolder(tree));
}

TEST_F(FilesTest, SingleFilesAndReadOnly)
{
    MakeFile(Dir + "plain");
    MakeFile(Dir + "ro");
    SetFileAttributesA((Dir + "ro").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(DeleteFileSafe(Dir + "plain"));
    EXPECT_FALSE(FileThere(Dir + "plain"));
    EXPECT_FALSE(DeleteFileSafe(Dir + "plain"));
    EXPECT_FALSE(DeleteFileSafe(Dir + "ro"));
    EXPECT_TRUE(FileThere(Dir + "ro"));
    EXPECT_FALSE(TruncateFile(Dir + "ro"));
    EXPECT_EQ(GetFileSize64(Dir + "ro"), 10);
    EXPECT_FALSE(DeleteFileSafe(Dir));
    SetFileAttributesA((Dir + "ro").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FilesTest, TruncateKeepsTheFileAndSparesOneHeldOpenElsewhere)
{
    TLeftLog left;
    MakeFile(Dir + "log.txt", 100);
    EXPECT_TRUE(CanOpenFile(Dir + "log.txt"));
    EXPECT_TRUE(TruncateFile(Dir + "log.txt"));
    EXPECT_TRUE(FileThere(Dir + "log.txt"));
    EXPECT_EQ(GetFileSize64(Dir + "log.txt"), 0);
    EXPECT_FALSE(TruncateFile(Dir + "missing.txt"));
    EXPECT_FALSE(CanOpenFile(Dir + "missing.txt"));

    MakeFile(Dir + "held.txt", 100);
    std::string sleeper = HelperProgram("HM_SLEEPER", "hm-holder.exe");
    HANDLE holder = StartProcess("\"" + sleeper + "\" \"" + Dir + "held.txt\"");
    for (int i = 0; i < 400 && !FileThere(Dir + "held.txt.held"); ++i)
        Sleep(50);
    ASSERT_TRUE(FileThere(Dir + "held.txt.held"));
    EXPECT_FALSE(CanOpenFile(Dir + "held.txt"));
    EXPECT_FALSE(TruncateFile(Dir + "held.txt"));
    TerminateProcess(holder, 0);
    WaitForSingleObject(holder, 10000);
    CloseHandle(holder);
    EXPECT_EQ(GetFileSize64(Dir + "held.txt"), 100);

    MakeFile(Dir + "kept.txt", 100);
    ASSERT_TRUE(SetFileAttributesA((Dir + "kept.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(TruncateFile(Dir + "kept.txt"));
    SetFileAttributesA((Dir + "kept.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(GetFileSize64(Dir + "kept.txt"), 100);
    // Each file that stays is on the record with its reason; the missing one is not.
    ASSERT_EQ(left.Items().size(), 2u);
    EXPECT_EQ(left.Items()[0].Kind, EffectKind::TruncateFile);
    EXPECT_EQ(left.Items()[0].Path, Dir + "held.txt");
    EXPECT_EQ(left.Items()[0].Reason, LeftReason::InUse);
    EXPECT_EQ(left.Items()[1].Path, Dir + "kept.txt");
    EXPECT_EQ(left.Items()[1].Reason, LeftReason::ReadOnly);
}

TEST_F(FilesTest, UnsafePathsAreRefusedWhateverTheWorkingFolder)
{
    std::string sub = Sub("sub");
    MakeFile(Dir + "a.txt", 10);
    MakeFile(sub + "b.txt", 10);
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(Dir.c_str());
    DeleteFilesInFolder("", "*.*", false);
    DeleteFilesInFolder(".", "*.*", false);
    DeleteFilesInFolder(Dir, "..\\*.*", false);
    EXPECT_FALSE(DeleteFileSafe("a.txt"));
    EXPECT_FALSE(DeleteFolder("sub"));
    EXPECT_FALSE(DeleteFolder(""));
    EXPECT_FALSE(TruncateFile("a.txt"));
    EXPECT_FALSE(DeleteFolder(Dir + "sub\\.."));
    DeleteOnReboot("a.txt");
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(FileThere(Dir + "a.txt"));
    EXPECT_EQ(GetFileSize64(Dir + "a.txt"), 10);
    EXPECT_TRUE(FileThere(sub + "b.txt"));
    EXPECT_FALSE(DeleteFolder("C:\\"));
    EXPECT_FALSE(DeleteFolder("C:"));
    EXPECT_TRUE(FolderThere("C:\\windows"));
}

TEST_F(FilesTest, PreviewChangesNothingAndListsWhatARealRunRemoves)
{
    std::string tree = Sub("tree");
    Sub("tree\\sub");
    MakeFile(tree + "one", 3);
    MakeFile(tree + "sub\\two", 4);
    MakeFile(Dir + "keep.dat", 5);
    MakeFile(Dir + "ro.dat", 6);
    SetFileAttributesA((Dir + "ro.dat").c_str(), FILE_ATTRIBUTE_READONLY);
    MakeFile(Dir + "log.txt", 7);
    auto solve = [&] {
        DeleteFilesInFolder(Dir, "*.dat", true);
        TruncateFile(Dir + "log.txt");
        DeleteFolder(tree);
    };
    std::vector<Effect> previewed;
    {
        TPreviewScope preview;
        solve();
        previewed = preview.Effects();
        EXPECT_EQ(preview.Totals().Files, 4u);
        EXPECT_EQ(preview.Totals().Folders, 2u);
        EXPECT_EQ(preview.Totals().Bytes, 3u + 4 + 5 + 7);
    }
    EXPECT_TRUE(FileThere(tree + "one"));
    EXPECT_TRUE(FileThere(tree + "sub\\two"));
    EXPECT_TRUE(FileThere(Dir + "keep.dat"));
    EXPECT_EQ(GetFileSize64(Dir + "log.txt"), 7);

    TEffectLog log;
    solve();
    EXPECT_FALSE(FolderThere(tree));
    EXPECT_FALSE(FileThere(Dir + "keep.dat"));
    EXPECT_TRUE(FileThere(Dir + "ro.dat"));
    ExpectSameRecord(previewed, log.Effects());
    SetFileAttributesA((Dir + "ro.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
}

std::string MarkedLink;
DWORD MarkAsLink(const std::string& path, DWORD attributes)
{
    return path == MarkedLink ? attributes | FILE_ATTRIBUTE_REPARSE_POINT : attributes;
}

// Wine 8 makes no junction or symbolic link, so the folder standing for one is a real
// folder marked as a link; its content plays the part of the link's target.
TEST_F(FilesTest, TreeRemovalNeverEntersALink)
{
    std::string tree = Sub("tree");
    std::string link = Sub("tree\\link");
    MakeFile(tree + "file");
    MakeFile(link + "target-file");
    MarkedLink = tree + "link";
    SetTreeAttributeFilter(MarkAsLink);
    {
        TPreviewScope preview;
        EXPECT_TRUE(DeleteFolder(tree));
        ASSERT_EQ(preview.Effects().size(), 3u);
        EXPECT_EQ(preview.Effects()[0].Kind == EffectKind::RemoveFolder ? preview.Effects()[0].Path
                                                                       : preview.Effects()[1].Path,
                  MarkedLink);
    }
    EXPECT_FALSE(DeleteFolder(tree));
    EXPECT_TRUE(FileThere(link + "target-file"));
    EXPECT_FALSE(FileThere(tree + "file"));
    MarkedLink = tree.substr(0, tree.size() - 1);
    EXPECT_FALSE(DeleteFolder(tree));
    EXPECT_TRUE(FileThere(link + "target-file"));
    SetTreeAttributeFilter(nullptr);
}

// A folder large enough to be emptied on several threads: the record is the one a
// preview gives, in the same order, and a file that cannot go is neither deleted nor
// recorded, while all the others go.
TEST_F(FilesTest, ALargeFolderGoesWithTheRecordOfItsPreview)
{
    std::string tree = Sub("large");
    std::string deep = Sub("large\\deep");
    for (int i = 0; i < 300; ++i)
        MakeFile(tree + "entry" + std::to_string(i), 1 + i % 7);
    for (int i = 0; i < 120; ++i)
        MakeFile(deep + "item" + std::to_string(i), 3);
    SetFileAttributesA((tree + "entry7").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((tree + "entry8").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    std::vector<Effect> previewed;
    {
        TPreviewScope preview;
        EXPECT_TRUE(DeleteFolder(tree));
        previewed = preview.Effects();
    }
    ASSERT_EQ(previewed.size(), 300u + 120 + 2);
    TEffectLog log;
    EXPECT_TRUE(DeleteFolder(tree));
    EXPECT_FALSE(FolderThere(tree));
    ExpectSameRecord(previewed, log.Effects());

    tree = Sub("held");
    for (int i = 0; i < 200; ++i)
        MakeFile(tree + "entry" + std::to_string(i));
    HANDLE held = CreateFileA((tree + "entry150").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TEffectLog heldLog;
    EXPECT_FALSE(DeleteFolder(tree));
    CloseHandle(held);
    EXPECT_TRUE(FileThere(tree + "entry150"));
    EXPECT_FALSE(FileThere(tree + "entry149"));
    EXPECT_FALSE(FileThere(tree + "entry151"));
    EXPECT_EQ(heldLog.Totals().Files, 199u);
    EXPECT_EQ(heldLog.Totals().Folders, 0u);
    for (const Effect& effect : heldLog.Effects())
        EXPECT_NE(effect.Path, tree + "entry150");
}

// A link among many files is removed as a link while the files around it go together.
TEST_F(FilesTest, ALargeFolderNeverEntersItsLink)
{
    std::string tree = Sub("large");
    std::string link = Sub("large\\link");
    for (int i = 0; i < 200; ++i)
        MakeFile(tree + "entry" + std::to_string(i));
    MakeFile(link + "target-file");
    MarkedLink = tree + "link";
    SetTreeAttributeFilter(MarkAsLink);
    TEffectLog log;
    DeleteFolder(tree);
    SetTreeAttributeFilter(nullptr);
    EXPECT_TRUE(FileThere(link + "target-file"));
    EXPECT_FALSE(FileThere(tree + "entry0"));
    EXPECT_FALSE(FileThere(tree + "entry199"));
    EXPECT_EQ(log.Totals().Files, 200u);
}

// The catalogue finds traces with the searches and deletes what they list: a link inside
// a folder searched must not bring what it points to into the list.
TEST_F(FilesTest, SearchesAndEmptyingNeverEnterALink)
{
    std::string real = Sub("cache");
    std::string plain = Sub("cache\\plain");
    std::string link = Sub("cache\\link");
    Sub("cache\\link\\Cache");
    MakeFile(real + "trace.log");
    MakeFile(link + "sentinel.log");
    MarkedLink = real + "link";
    SetTreeAttributeFilter(MarkAsLink);

    std::vector<std::string> files, folders;
    FindFiles(real, "*.log", files);
    FindFolders(real, "*", folders);
    EXPECT_EQ(files, std::vector<std::string>{real + "trace.log"});
    // Not even listed: a caller would empty it.
    EXPECT_EQ(folders, std::vector<std::string>{plain});

    DeleteFilesInFolder(real, "*.*", false);
    EXPECT_FALSE(FileThere(real + "trace.log"));
    EXPECT_TRUE(FileThere(link + "sentinel.log"));
    EXPECT_TRUE(FolderThere(link + "Cache\\"));
    SetTreeAttributeFilter(nullptr);
}

}  // namespace
