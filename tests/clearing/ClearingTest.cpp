#include "clearing/Clearing.h"
#include "clearing/Security.h"
#include "tests/clearing/TraceKeys.h"
#include <gtest/gtest.h>

namespace {

std::string SidTextOf(BYTE authority, std::vector<DWORD> subAuthorities)
{
    std::vector<BYTE> buffer(sizeof(SID) + 16 * sizeof(DWORD));
    auto* sid = reinterpret_cast<SID*>(buffer.data());
    sid->Revision = SID_REVISION;
    sid->SubAuthorityCount = BYTE(subAuthorities.size());
    sid->IdentifierAuthority.Value[5] = authority;
    for (size_t i = 0; i < subAuthorities.size(); ++i)
        sid->SubAuthority[i] = subAuthorities[i];
    return Clearing::SidText(sid);
}

TEST(SidText, WritesAuthorityThenEverySubAuthority)
{
    EXPECT_EQ("S-1-5-21-1-2-3-1000", SidTextOf(5, {21, 1, 2, 3, 1000}));
    EXPECT_EQ("S-1-5", SidTextOf(5, {}));
    // Sub-authorities are unsigned: a signed format would print a minus sign here.
    EXPECT_EQ("S-1-5-21-4294967295", SidTextOf(5, {21, 0xFFFFFFFF}));
    // More sub-authorities than a SID can hold: no text rather than a read past its end.
    EXPECT_EQ("", SidTextOf(5, std::vector<DWORD>(16, 1)));
}

// Wine's GetProcessHandleCount always answers 0, but Wine hands out the lowest free
// handle value: a handle left open takes that value, and the next one lands higher.
HANDLE LowestFreeHandle()
{
    const HANDLE probe = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    CloseHandle(probe);
    return probe;
}

class Exports : public ::testing::Test {
protected:
    void SetUp() override { RemoveTraceKeys(); }
    void TearDown() override { RemoveTraceKeys(); }
};

TEST_F(Exports, UserAssistLosesEverySubkeyEvenDeniedOnesButKeepsValuesAndDacl)
{
    const std::string counted = UserAssist + "\\{75048700-EF1F-11D0-9888-006097DEACF9}";
    const std::string locked = UserAssist + "\\{5E6AB780-7743-11CF-A12B-00AA004AE837}";
    SetString(HKEY_CURRENT_USER, UserAssist, "Version", "3");
    SetString(HKEY_CURRENT_USER, counted + "\\Count", "HRZR_EHACNGU", "x");
    SetString(HKEY_CURRENT_USER, locked + "\\Count", "HRZR_EHACNGU", "y");
    DenyEveryone(HKEY_CURRENT_USER, counted + "\\Count");
    DenyEveryone(HKEY_CURRENT_USER, locked + "\\Count");
    DenyEveryone(HKEY_CURRENT_USER, locked);
    SetUserAndEveryoneDacl(HKEY_CURRENT_USER, UserAssist);
    ASSERT_FALSE(CanRead(HKEY_CURRENT_USER, counted + "\\Count"));
    ASSERT_FALSE(CanRead(HKEY_CURRENT_USER, locked));
    const std::vector<BYTE> dacl = ReadDacl(HKEY_CURRENT_USER, UserAssist);
    const ValueMap values = ReadValues(HKEY_CURRENT_USER, UserAssist);
    ASSERT_FALSE(dacl.empty());

    CleanUserAssistCache();

    EXPECT_TRUE(SubKeyNames(HKEY_CURRENT_USER, UserAssist).empty());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, counted));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, locked));
    EXPECT_EQ(values, ReadValues(HKEY_CURRENT_USER, UserAssist));
    EXPECT_EQ(dacl, ReadDacl(HKEY_CURRENT_USER, UserAssist));
}

TEST_F(Exports, RecentDocsWithValuesOnlyIsLeftAsItWas)
{
    SetString(HKEY_CURRENT_USER, RecentDocs, "MRUListEx", "abc");
    SetString(HKEY_CURRENT_USER, RecentDocs, "0", "letter.doc");
    SetUserAndEveryoneDacl(HKEY_CURRENT_USER, RecentDocs);
    const std::vector<BYTE> dacl = ReadDacl(HKEY_CURRENT_USER, RecentDocs);
    const ValueMap values = ReadValues(HKEY_CURRENT_USER, RecentDocs);

    CleanComputerDocsHistory();

    EXPECT_EQ(values, ReadValues(HKEY_CURRENT_USER, RecentDocs));
    EXPECT_EQ(dacl, ReadDacl(HKEY_CURRENT_USER, RecentDocs));
}

TEST_F(Exports, IntelliFormsGoesWholeAndIsNotMadeAgainByTheRestore)
{
    const std::string parent = "Software\\Microsoft\\Internet Explorer";
    SetString(HKEY_CURRENT_USER, parent + "\\Main", "Start Page", "about:blank");
    SetString(HKEY_CURRENT_USER, IntelliForms + "\\SPW", "entry", "secret");
    SetString(HKEY_CURRENT_USER, IntelliForms, "AskUser", "1");
    DenyEveryone(HKEY_CURRENT_USER, IntelliForms + "\\SPW");
    SetUserAndEveryoneDacl(HKEY_CURRENT_USER, IntelliForms);
    const std::vector<BYTE> parentDacl = ReadDacl(HKEY_CURRENT_USER, parent);

    CleanAutoCompletePWDs();

    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, IntelliForms));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, parent + "\\Main"));
    EXPECT_EQ(parentDacl, ReadDacl(HKEY_CURRENT_USER, parent));

    // Nothing there: nothing happens, and nothing is made.
    CleanAutoCompletePWDs();
    CleanUserAssistCache();
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, IntelliForms));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, UserAssist));
}

TEST_F(Exports, AutoCompleteFormsClearsTheUsersAndTheMachinesFormData)
{
    const std::string user = UserProviderKey();
    const std::string data = user + "\\Data";
    const std::string forms = data + "\\" + FormsGuid;
    const std::string machineData = MachineProviderKey() + "\\Data";
    SetString(HKEY_CURRENT_USER, forms + "\\" + FormsGuid + "\\entries", "Item Data", "typed text");
    SetString(HKEY_CURRENT_USER, data + "\\5e7e8100-9138-11d1-945a-00c04fc308ff", "Item Data", "other");
    SetString(HKEY_LOCAL_MACHINE, machineData + "\\" + FormsGuid + "\\entries", "Item Data", "typed text");
    DenyEveryone(HKEY_CURRENT_USER, forms + "\\" + FormsGuid + "\\entries");
    DenyEveryone(HKEY_CURRENT_USER, forms);
    SetUserAndEveryoneDacl(HKEY_CURRENT_USER, data);
    SetUserAndEveryoneDacl(HKEY_CURRENT_USER, user);
    const std::vector<BYTE> userDacl = ReadDacl(HKEY_CURRENT_USER, user);
    const std::vector<BYTE> dataDacl = ReadDacl(HKEY_CURRENT_USER, data);

    CleanAutoCompleteForms();

    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, forms));
    EXPECT_EQ(std::vector<std::string>{"5e7e8100-9138-11d1-945a-00c04fc308ff"}, SubKeyNames(HKEY_CURRENT_USER, data));
    EXPECT_EQ(userDacl, ReadDacl(HKEY_CURRENT_USER, user));
    EXPECT_EQ(dataDacl, ReadDacl(HKEY_CURRENT_USER, data));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, machineData + "\\" + FormsGuid));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, machineData));
}

TEST_F(Exports, AutoCompleteFormsClearsTheMachinesFormDataWhenTheUserHasNone)
{
    const std::string machineData = MachineProviderKey() + "\\Data";
    SetString(HKEY_LOCAL_MACHINE, machineData + "\\" + FormsGuid + "\\entries", "Item Data", "typed text");

    CleanAutoCompleteForms();

    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, machineData + "\\" + FormsGuid));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, machineData));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Provider));
}

TEST_F(Exports, EveryCallClosesWhatItOpened)
{
    const auto plantAndClean = [] {
        SetString(HKEY_CURRENT_USER, UserAssist + "\\a\\b", "v", "1");
        SetString(HKEY_CURRENT_USER, RecentDocs + "\\.txt", "v", "1");
        SetString(HKEY_CURRENT_USER, IntelliForms + "\\SPW", "v", "1");
        SetString(HKEY_CURRENT_USER, UserProviderKey() + "\\Data\\" + FormsGuid + "\\c", "v", "1");
        CleanAutoCompleteForms();
        CleanAutoCompletePWDs();
        CleanComputerDocsHistory();
        CleanUserAssistCache();
    };
    plantAndClean();
    const HANDLE before = LowestFreeHandle();
    for (int i = 0; i < 5; ++i)
        plantAndClean();
    EXPECT_EQ(before, LowestFreeHandle());
}

} // namespace
