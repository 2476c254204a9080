// Microsoft Office 2000, XP and 2003: recent-document folders, per-application file
// and template lists, searches, FrontPage, Clip Organizer and Picture Manager traces.
#include "catalogue/GroupDOffice.h"

#include "catalogue/CatalogueHelpers.h"

namespace {

// Office is found from its install folder; a folder whose path holds the version
// number must also hold more than eight files, since an uninstalled Office leaves a
// nearly empty folder behind.
bool OfficeInstalled(const char* installRoot, const char* marker)
{
    std::string path = RegText(HKEY_LOCAL_MACHINE, installRoot, "Path");
    if (path.empty())
        return false;
    if (path.find(marker) == std::string::npos)
        return true;
    return CountFiles(path, 9) > 8;
}

// The recent-document folders under their English and German names; the third name
// stands for the localised spellings.
void EmptyRecentFolders(const std::string& appData)
{
    EmptyFolder(appData, "\\Microsoft\\Office\\Recent");
    EmptyFolder(appData, "\\Microsoft\\Office\\Zuletzt verwendet");
    EmptyFolder(appData, "\\Microsoft\\Office\\R?cent");
}

class TMicrosoftOffice2000 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftOffice2000)
    bool Check() override { return OfficeInstalled("Software\\Microsoft\\Office\\9.0\\Common\\InstallRoot", "9"); }
    void Solve() override
    {
        std::string appData = GetAppDataFolder();
        EmptyRecentFolders(appData);
        // Word
        ResetValues("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\9.0\\Word\\Data", {"Settings"});
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft Word\\Settings");
        // Excel
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\9.0\\Excel\\Recent Files",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft Excel\\Settings"});
        // PowerPoint
        DeleteKeys(
            {"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft PowerPoint\\Settings",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\9.0\\PowerPoint\\Recent File List"});
        // Access
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft Access\\Settings",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\9.0\\Access\\Settings"});
        EmptyFolder(appData, "\\Microsoft\\Web Server Extensions\\Cache");
        // FrontPage
        DeleteKeys(
            {"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\9.0\\Common\\Open Find\\Microsoft FrontPage\\Settings",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Editor\\Insert Hyperlink\\Recently Used URLs",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent File List",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Page List",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Web List",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recently Created Servers"});
    }
};

class TMicrosoftOfficeXP final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftOfficeXP)
    bool Check() override { return OfficeInstalled("Software\\Microsoft\\Office\\10.0\\Common\\InstallRoot", "10"); }
    void Solve() override
    {
        std::string appData = GetAppDataFolder();
        EmptyRecentFolders(appData);
        // Word
        ResetValues("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Word\\Data", {"Settings"});
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Word\\Recent Templates");
        ResetValues("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Common\\Search\\Last Query",
                    {"LastSearchText"});
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Word\\Settings");
        // Excel
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Excel\\Recent Files",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Excel\\Settings",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Excel\\Recent Templates"});
        // PowerPoint
        DeleteKeys(
            {"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\PowerPoint\\Recent File List",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\PowerPoint\\RecentFolderList",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\PowerPoint\\RecentTemplateList",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\PowerPoint\\Recent Templates",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\PowerPoint\\ProjectTemplateLocation",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft PowerPoint\\Settings"});
        // Access
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Access\\Settings",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft Access\\Settings",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Access\\Internet\\Recent Templates"});
        EmptyFolder(appData, "\\Microsoft\\Web Server Extensions\\Cache");
        // FrontPage
        DeleteKeys(
            {"HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent File List",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Page List",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Web List",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recently Created Servers",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Editor\\Recent Templates"});
        ResetValues("HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Settings",
                    {"LastWebOpen"});
        DeleteKeys(
            {"HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FindMRU",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Common\\Open Find\\Microsoft FrontPage\\Settings"});
    }
};

class TMicrosoftOffice2003 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftOffice2003)
    static void DeleteOpenFind(const char* application)
    {
        DeleteRegKey(std::string("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Common\\Open Find\\") +
                     application + "\\Settings");
    }
    bool Check() override { return OfficeInstalled("Software\\Microsoft\\Office\\11.0\\Common\\InstallRoot", "11"); }
    void Solve() override
    {
        std::string appData = GetAppDataFolder();
        std::string localAppData = TrustedBase(RegText(
            HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Local AppData"));
        EmptyRecentFolders(appData);
        // Word
        ResetValues("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Common\\Search\\Last Query",
                    {"LastSearchText"});
        DeleteOpenFind("Microsoft Office Word");
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Common\\Internet\\Server Cache");
        ResetValues("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Word\\Data", {"Settings"});
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Word\\Recent Templates",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Word\\ProjectTemplateLocation"});
        // Excel
        DeleteOpenFind("Microsoft Office Excel");
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Excel\\Recent Files",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Excel\\Recent Templates",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Excel\\ProjectTemplateLocation"});
        // PowerPoint
        DeleteOpenFind("Microsoft Office PowerPoint");
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\PowerPoint\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\PowerPoint\\Recent Templates",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\PowerPoint\\RecentFolderList",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\PowerPoint\\RecentTemplateList",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\PowerPoint\\ProjectTemplateLocation"});
        // Access
        DeleteOpenFind("Microsoft Office Access");
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Access\\Settings",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Access\\Internet\\Recent Templates"});
        EmptyFolder(appData, "\\Microsoft\\Web Server Extensions\\Cache");
        // FrontPage
        DeleteOpenFind("Microsoft Office FrontPage");
        DeleteKeys(
            {"HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Editor\\Recent Templates",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FindMRU",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent File List",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Page List",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recent Web List",
             "HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Recently Created Servers"});
        ResetValues("HKEY_CURRENT_USER\\Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\Settings",
                    {"LastWebOpen"});
        // Publisher
        DeleteOpenFind("Microsoft Office Publisher");
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Publisher\\Recent File List");
        // InfoPath
        DeleteOpenFind("Microsoft Office InfoPath");
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\InfoPath\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\InfoPath\\Recent Templates"});
        // Project
        DeleteOpenFind("Microsoft Project");
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\MS Project\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\MS Project\\Recent Templates",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\MS Project\\ProjectTemplateLocation"});
        // Visio
        DeleteOpenFind("Microsoft Office Visio");
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Visio\\Recent Templates");
        // Clip Organizer
        DeleteIn(appData, "\\Microsoft\\Clip Organizer\\mstore10.mgc");
        ResetValues("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Clip Organizer\\Search\\Last Query",
                    {"LastSearchText"});
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Common\\Open Find\\Add Clips to Organizer\\Settings",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Common\\Open Find\\Clip Organizer\\Settings\\Add "
                    "Directory to Collection Properties\\File Name MRU"});
        ResetValues("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Clip Organizer", {"MRUKeywords"});
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\OfficeProfileWizard\\11.0\\RecentFileList");
        // Picture Manager
        if (!localAppData.empty()) {
            DeleteIn(localAppData, "\\Microsoft\\OIS\\OIScatalog.cag");
            EmptyFolder(localAppData, "\\Microsoft\\OIS\\thumbnails");
            ResetValues("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\OIS\\Options",
                        {"LastTreeConfig", "LastTreeSelection"});
            DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Common\\Open Find\\Microsoft Office "
                         "Picture Manager\\Settings\\Add Picture Shortcut\\File Name MRU");
        }
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\Snapshot Viewer\\Recent File List");
    }
};

class TMicrosoftPublisher2000 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftPublisher2000)
    const char* const Key = "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\9.0\\Publisher\\Recent File List";
    bool Check() override { return RegKeyExists(Key); }
    void Solve() override
    {
        DeleteRegKey(Key);
        EmptyFolder(GetAppDataFolder(), "\\Microsoft\\Office\\Recent");
    }
};

class TMicrosoftVisualC60 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftVisualC60)
    const char* const Files = "HKEY_CURRENT_USER\\Software\\Microsoft\\DevStudio\\6.0\\Recent File List";
    const char* const Projects = "HKEY_CURRENT_USER\\Software\\Microsoft\\DevStudio\\6.0\\Projects";
    bool Check() override { return RegKeyExists(Files) || RegKeyExists(Projects); }
    void Solve() override
    {
        DeleteRegKey(Files);
        DeleteRegKey(Projects);
    }
};

class TMicrosoftWord2000 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftWord2000)
    const char* const Key = "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\9.0\\Word\\Data";
    bool Check() override { return RegKeyExists(Key); }
    void Solve() override
    {
        DeleteRegKey(Key);
        EmptyFolder(GetAppDataFolder(), "\\Microsoft\\Office\\Recent");
    }
};

class TMicrosoftWordBackupFiles final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftWordBackupFiles)
    bool Check() override { return IsDirectoryAt(GetAppDataFolder(), "\\Microsoft\\Word"); }
    // AutoRecover and backup files lie directly in the folder; its subfolders hold what
    // the user put there, such as the STARTUP folder with Word's add-ins and templates.
    void Solve() override { EmptyFolder(GetAppDataFolder(), "\\Microsoft\\Word", "*.*", true); }
};

class TMicrosoftWorks40 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftWorks40)
    const char* const Key = "HKEY_CURRENT_USER\\Software\\Microsoft\\Works\\4.0\\Recent file List";
    bool Check() override { return RegKeyExists(Key); }
    void Solve() override { DeleteRegKey(Key); }
};

}  // namespace

std::vector<TIssueRegistration> CatalogueGroupDOffice()
{
    return {
        HM_REGISTER(TMicrosoftOffice2000),
        HM_REGISTER(TMicrosoftOffice2003),
        HM_REGISTER(TMicrosoftOfficeXP),
        HM_REGISTER(TMicrosoftPublisher2000),
        HM_REGISTER(TMicrosoftVisualC60),
        HM_REGISTER(TMicrosoftWord2000),
        HM_REGISTER(TMicrosoftWordBackupFiles),
        HM_REGISTER(TMicrosoftWorks40),
    };
}
