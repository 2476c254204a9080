#include "engine/IniFiles32.h"
#include "primitives/Errors.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

class IniFiles32Test : public ::testing::Test {
protected:
    std::string Folder = MakeScratchFolder("ini");
    std::string Path = Folder + "info.ini";
    void Given(const std::string& text) { WriteTextFile(Path, text); }
};

TEST_F(IniFiles32Test, ReadsNothingFromAMissingFileAndCreatesNothing)
{
    TIniFile32 ini(Path);
    EXPECT_EQ(ini.ReadString("TTempFolder", "Title", "none"), "none");
    EXPECT_EQ(ini.ReadInteger("TTempFolder", "Icon", 11), 11);
    EXPECT_EQ(ReadTextFile(Path), "<missing>");
}

TEST_F(IniFiles32Test, FindsHeadersWithoutRegardToCaseButKeysExactly)
{
    Given("[ttempfolder]\r\nTitle=Temp\r\ntitle=lower\r\n");
    TIniFile32 ini(Path);
    EXPECT_EQ(ini.ReadString("TTempFolder", "Title", ""), "Temp");
    EXPECT_EQ(ini.ReadString("TTempFolder", "title", ""), "lower");
    EXPECT_EQ(ini.ReadString("TTempFolder", "TITLE", "dflt"), "dflt");
}

TEST_F(IniFiles32Test, HeaderWithBlanksIsNotFoundButStillEndsTheSectionAbove)
{
    Given("[A]\nx=1\n [B]\ny=2\n[C] \nz=3\n");
    TIniFile32 ini(Path);
    EXPECT_EQ(ini.ReadString("B", "y", "none"), "none");
    EXPECT_EQ(ini.ReadString("A", "y", "none"), "none");  // " [B]" ended section A
    EXPECT_EQ(ini.ReadString("C", "z", "none"), "none");
    ini.WriteString("B", "y", "5");
    EXPECT_EQ(ini.Lines().back(), "y=5");
    EXPECT_EQ(ini.Lines()[ini.Lines().size() - 2], "[B]");
    EXPECT_EQ(ini.ReadString("B", "y", ""), "5");
}

TEST_F(IniFiles32Test, TrimsKeysAndValuesAndTreatsEmptyValuesAsAbsent)
{
    Given("[S]\n  Key  =  some value \t\nEmpty=\n;Title=commented\nQuoted=\"q\"\n\n   \n");
    TIniFile32 ini(Path);
    EXPECT_EQ(ini.ReadString("S", "Key", ""), "some value");
    EXPECT_EQ(ini.ReadString("S", "Empty", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("S", ";Title", ""), "commented");
    EXPECT_EQ(ini.ReadString("S", "Title", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("S", "Quoted", ""), "\"q\"");
    EXPECT_EQ(ini.ReadString("S", "", "dflt"), "dflt");
}

TEST_F(IniFiles32Test, ReadsDecimalAndHexadecimalIntegers)
{
    Given("[S]\nhex1=0x1F\nhex2=$1F\nhex3=0X1f\nneg=-12\nword=abc\nbare=0x\nbig=99999999999\n");
    TIniFile32 ini(Path);
    EXPECT_EQ(ini.ReadInteger("S", "hex1", 0), 31);
    EXPECT_EQ(ini.ReadInteger("S", "hex2", 0), 31);
    EXPECT_EQ(ini.ReadInteger("S", "hex3", 0), 31);
    EXPECT_EQ(ini.ReadInteger("S", "neg", 0), -12);
    EXPECT_EQ(ini.ReadInteger("S", "word", 7), 7);
    EXPECT_EQ(ini.ReadInteger("S", "bare", 7), 7);
    EXPECT_EQ(ini.ReadInteger("S", "big", 7), 7);
    EXPECT_EQ(ini.ReadInteger("S", "missing", 7), 7);
}

TEST_F(IniFiles32Test, FirstSectionAndFirstKeyWin)
{
    Given("[S]\nk=1\nk=2\n[S]\nk=3\n");
    TIniFile32 ini(Path);
    EXPECT_EQ(ini.ReadInteger("S", "k", 0), 1);
    ini.WriteInteger("S", "k", 9);
    EXPECT_EQ(ReadTextFile(Path), "[S]\r\nk=9\r\nk=2\r\n[S]\r\nk=3\r\n");
}

TEST_F(IniFiles32Test, NewFileWithOneKeyIsThreeCrLfLines)
{
    TIniFile32 ini(Path);
    ini.WriteString("TCookies", "Solved", "1");
    EXPECT_EQ(ReadTextFile(Path), "\r\n[TCookies]\r\nSolved=1\r\n");
}

TEST_F(IniFiles32Test, InsertsNewKeyDirectlyAboveTheNextHeader)
{
    Given("[A]\nx=1\n\n[B]\ny=2");
    TIniFile32 ini(Path);
    ini.WriteInteger("A", "Solved", 0);
    EXPECT_EQ(ReadTextFile(Path), "[A]\r\nx=1\r\n\r\nSolved=0\r\n[B]\r\ny=2\r\n");
}

TEST_F(IniFiles32Test, ReplacesTheWholeMatchingLine)
{
    Given("[A]\n  Solved   =   1   \n");
    TIniFile32 ini(Path);
    ini.WriteInteger("A", "Solved", -3);
    EXPECT_EQ(ReadTextFile(Path), "[A]\r\nSolved=-3\r\n");
}

TEST_F(IniFiles32Test, EmptyKeyAddsOnlyTheSectionAndStillSaves)
{
    Given("[A]\r\nx=1\r\n");
    TIniFile32 ini(Path);
    ini.WriteString("A", "", "ignored");
    EXPECT_EQ(ReadTextFile(Path), "[A]\r\nx=1\r\n");
    ini.WriteString("B", "", "ignored");
    EXPECT_EQ(ReadTextFile(Path), "[A]\r\nx=1\r\n\r\n[B]\r\n");
}

TEST_F(IniFiles32Test, AcceptsEveryLineEndingAndKeepsMalformedLines)
{
    Given("[A]\rx=1\r\ngarbage line\ny=2\n\r");
    TIniFile32 ini(Path);
    EXPECT_EQ(ini.ReadInteger("A", "y", 0), 2);
    ini.WriteInteger("A", "x", 5);
    EXPECT_EQ(ReadTextFile(Path), "[A]\r\nx=5\r\ngarbage line\r\ny=2\r\n\r\n");
}

TEST_F(IniFiles32Test, BatchedWritesSaveOnce)
{
    TIniFile32 ini(Path);
    ini.BeginUpdate();
    ini.WriteInteger("A", "Solved", 0);
    ini.WriteInteger("B", "Solved", 0);
    EXPECT_EQ(ReadTextFile(Path), "<missing>");
    ini.EndUpdate();
    EXPECT_EQ(ReadTextFile(Path), "\r\n[A]\r\nSolved=0\r\n\r\n[B]\r\nSolved=0\r\n");
}

TEST_F(IniFiles32Test, FailedSaveRaisesKeepsTheChangeInMemoryAndTheOldFileWhole)
{
    // A folder where the temporary file must go makes the save fail.
    Given("[A]\r\nTitle=Kept\r\n");
    TIniFile32 ini(Path);
    std::string blocker = Path + ".new";
#ifdef _WIN32
    ASSERT_TRUE(CreateDirectoryA(blocker.c_str(), nullptr));
#else
    ASSERT_EQ(mkdir(blocker.c_str(), 0700), 0);
#endif
    EXPECT_THROW(ini.WriteString("A", "Solved", "1"), Exception);
    EXPECT_EQ(ini.ReadString("A", "Solved", ""), "1");
    EXPECT_EQ(ReadTextFile(Path), "[A]\r\nTitle=Kept\r\n");
}

TEST_F(IniFiles32Test, ExistingFileThatCannotBeReadRaises)
{
#ifdef _WIN32
    Given("[A]\r\n");
    HANDLE held = CreateFileA(Path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_THROW(TIniFile32 ini(Path), Exception);
    CloseHandle(held);
#else
    GTEST_SKIP() << "root reads every file on the host";
#endif
}

}  // namespace
