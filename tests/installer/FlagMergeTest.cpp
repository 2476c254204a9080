#include "installer/FlagMerge.h"
#include "primitives/Errors.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

class FlagMergeTest : public ::testing::Test {
protected:
    std::string Folder = MakeScratchFolder("merge");
    std::string OldPath = Folder + "old.ini";
    std::string NewPath = Folder + "info.ini";

    int Merge(const std::string& oldText, const std::string& newText)
    {
        WriteTextFile(OldPath, oldText);
        WriteTextFile(NewPath, newText);
        const TIniFile32 old(OldPath);
        TIniFile32 fresh(NewPath);
        return MergeIssueFlags(old, fresh);
    }
    std::string Read(const std::string& section, const std::string& key)
    {
        return TIniFile32(NewPath).ReadString(section, key, "<none>");
    }
};

TEST_F(FlagMergeTest, MarksComeFromTheOldFileAndTextsFromTheNewOne)
{
    const int carried = Merge("[TTempFolder]\r\nTitle=Old title\r\nInfo=Old text\r\nIcon=3\r\nSolved=1\r\nScheduleSolve=1\r\n"
                              "[TCookies]\r\nTitle=Old cookies\r\nScheduleSolve=0\r\n",
                              "[TTempFolder]\r\nTitle=New title\r\nInfo=New text\r\nIcon=15\r\n"
                              "[TCookies]\r\nTitle=New cookies\r\nScheduleSolve=1\r\n[TNewIssue]\r\nTitle=Only new\r\n");
    EXPECT_EQ(carried, 3);
    EXPECT_EQ(Read("TTempFolder", "Title"), "New title");
    EXPECT_EQ(Read("TTempFolder", "Info"), "New text");
    EXPECT_EQ(Read("TTempFolder", "Icon"), "15");
    EXPECT_EQ(Read("TTempFolder", "Solved"), "1");
    EXPECT_EQ(Read("TTempFolder", "ScheduleSolve"), "1");
    // The user's untick wins over what the new file ships.
    EXPECT_EQ(Read("TCookies", "ScheduleSolve"), "0");
    EXPECT_EQ(Read("TNewIssue", "Title"), "Only new");
}

TEST_F(FlagMergeTest, SectionsOnlyTheOldFileHasAreAdded)
{
    // Rule ticks live in sections the program made at run time.
    Merge("[TTempFolder]\r\nSolved=1\r\n[Rule: Some Program Cache]\r\nChecked=1\r\nTitle=ignored\r\n",
          "[TTempFolder]\r\nTitle=Temp\r\n");
    EXPECT_EQ(Read("Rule: Some Program Cache", "Checked"), "1");
    EXPECT_EQ(Read("Rule: Some Program Cache", "Title"), "<none>");
    EXPECT_EQ(Read("TTempFolder", "Title"), "Temp");
}

TEST_F(FlagMergeTest, CarriesOnlyWhatTheProgramItselfWouldRead)
{
    // The reader takes the first section of a name (any case), the first key in it, and
    // never finds a header with blanks around it; lines before any header are no one's.
    Merge("Solved=1\r\n[ttempfolder]\r\nSolved=1\r\nSolved=0\r\nnot a value line\r\n=5\r\n"
          "[TTEMPFOLDER]\r\nScheduleSolve=1\r\n [TCookies]\r\nSolved=1\r\n",
          "[TTempFolder]\r\nTitle=Temp\r\n[TCookies]\r\nTitle=Cookies\r\n");
    EXPECT_EQ(Read("TTempFolder", "Solved"), "1");
    EXPECT_EQ(Read("TTempFolder", "ScheduleSolve"), "<none>");
    EXPECT_EQ(Read("TCookies", "Solved"), "<none>");
    EXPECT_EQ(Read("TTempFolder", "Title"), "Temp");
}

TEST_F(FlagMergeTest, NothingToCarryLeavesTheNewFileAsItCame)
{
    const std::string shipped = "[TTempFolder]\r\nTitle=Temp\r\nInfo=Text\r\nIcon=15\r\n";
    EXPECT_EQ(Merge("", shipped), 0);
    EXPECT_EQ(ReadTextFile(NewPath), shipped);
    EXPECT_EQ(Merge("[TTempFolder]\r\nTitle=Old\r\nInfo=Old\r\nIcon=1\r\n", shipped), 0);
    EXPECT_EQ(ReadTextFile(NewPath), shipped);
}

TEST_F(FlagMergeTest, ANewFileThatCannotBeSavedRaises)
{
    WriteTextFile(OldPath, "[TTempFolder]\r\nSolved=1\r\n");
    const TIniFile32 old(OldPath);
    TIniFile32 fresh(Folder + "no such folder" + PathDelimiter + "info.ini");
    EXPECT_THROW(MergeIssueFlags(old, fresh), Exception);
}

}  // namespace
