// FTP and web-authoring tools, download managers, toolbars and browser add-ons, mail,
// chat and conferencing, file sharing, Norton tools, image tools and Office 2003.
// Media players, Norton tools and image tools are in GroupBMedia.cpp.
#include "catalogue/CatalogueHelpers.h"
#include "catalogue/KeptCookies.h"
#include "catalogue/GroupBMedia.h"
#include "catalogue/Groups.h"

namespace {

bool AnyKeyExists(std::initializer_list<const char*> keys)
{
    for (const char* key : keys)
        if (RegKeyExists(key))
            return true;
    return false;
}

// ---- CuteFTP and CuteHTML

// A program folder's site manager files and its log folder.
void CleanCuteFtpFolder(const std::string& programFiles, const std::string& folder, const char* logs)
{
    DeleteIn(programFiles, folder + "\\sm.dat");
    DeleteIn(programFiles, folder + "\\sm.bak");
    DeleteIn(programFiles, folder + "\\commands.dat");
    EmptyFolder(programFiles, folder + logs);
}

class TCuteFTP6HomeEdition final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCuteFTP6HomeEdition)
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\GlobalSCAPE\\CuteFTP Home") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 6 Home\\Recent File List") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 7 Home\\Recent File List");
    }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 6 Home\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 6 Home\\URLHistory",
                    "HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 7 Home\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 7 Home\\URLHistory"});
        std::string programFiles = GetProgramFilesFolder();
        CleanCuteFtpFolder(programFiles, "\\GlobalSCAPE\\CuteFTP Home", "\\Log\\");
        CleanCuteFtpFolder(programFiles, "\\GlobalSCAPE\\CuteFTP 6 Home", "\\Log\\");
        CleanCuteFtpFolder(programFiles, "\\GlobalSCAPE\\CuteFTP 7 Home", "\\Log\\");
        EmptyFolder(programFiles, "\\GlobalSCAPE\\CuteFTP\\7.0\\Logs\\");
    }
};

class TCuteFTP6ProfessionalEdition final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCuteFTP6ProfessionalEdition)
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\GlobalSCAPE\\CuteFTP Professional") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 6 Professional\\Recent File List") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 7 Professional\\Recent File List") ||
               IsDirectoryAt(GetProfileFolder(), "\\GlobalSCAPE\\CuteFTP Pro");
    }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 7 Professional\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 7 Professional\\URLHistory"});
        std::string programFiles = GetProgramFilesFolder();
        DeleteEachIn(programFiles, {"\\GlobalSCAPE\\CuteFTP 7 Professional\\sm.dat",
                                    "\\GlobalSCAPE\\CuteFTP 7 Professional\\sm.bak",
                                    "\\GlobalSCAPE\\CuteFTP 7 Professional\\commands.dat"});
        EmptyFolder(programFiles, "\\GlobalSCAPE\\CuteFTP 7 Professional\\Log\\");
        EmptyFolder(programFiles, "\\GlobalSCAPE\\CuteFTP\\6.0\\Logs\\");
        DeleteEachIn(programFiles,
                     {"\\GlobalSCAPE\\CuteFTP Professional\\sm.dat", "\\GlobalSCAPE\\CuteFTP Professional\\sm.bak"});
        std::string profile = GetProfileFolder();
        DeleteIn(profile, "\\GlobalSCAPE\\CuteFTP Pro\\7.0\\sm.dat");
        EmptyFolder(profile, "\\GlobalSCAPE\\CuteFTP Pro\\Logs\\");
    }
};

class TCuteFTP final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCuteFTP)
    bool Check() override
    {
        return IsDirectoryAt(GetProfileFolder(), "\\GlobalSCAPE\\CuteFTP") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 3.0") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 4.0");
    }
    void Solve() override
    {
        DeleteEachIn(GetProgramFilesFolder(),
                     {"\\GlobalSCAPE\\CuteFTP\\sm.dat", "\\GlobalSCAPE\\CuteFTP\\sm.bak", "\\GlobalSCAPE\\CuteFTP\\commands.dat"});
        std::string profile = GetProfileFolder();
        DeleteIn(profile, "\\GlobalSCAPE\\CuteFTP\\6.0\\sm.dat");
        EmptyFolder(profile, "\\GlobalSCAPE\\CuteFTP\\6.0\\Logs");
        DeleteIn(profile, "\\GlobalSCAPE\\CuteFTP\\7.0\\sm.dat");
        EmptyFolder(profile, "\\GlobalSCAPE\\CuteFTP\\7.0\\Logs");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 3.0\\Cute MP3 and File Finder\\Keywords");
        ResetValues("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 3.0\\CuteFTP", {"LastPastedURL"});
        ClearRegValues("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 4.0\\Cute MP3 and File Finder\\Keywords");
        ResetValues("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteFTP 4.0\\CuteFTP", {"LastPastedURL"});
    }
};

class TCuteHTML23 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCuteHTML23)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteHTML\\2.3"); }
    void Solve() override { DeleteRegKey("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteHTML\\2.3\\Recent File List"); }
};

class TCuteHTML final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCuteHTML)
    bool Check() override
    {
        return AnyKeyExists({"HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteHTML Pro 5",
                             "HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteHTML Pro 6",
                             "HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteHTML\\1.X"});
    }
    void Solve() override
    {
        for (const char* key : {"HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteHTML Pro 5\\LastFiles",
                                "HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteHTML Pro 5\\LastProjects",
                                "HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteHTML Pro 5\\LastURLs",
                                "HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteHTML Pro 6\\LastFiles",
                                "HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteHTML Pro 6\\LastProjects",
                                "HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteHTML Pro 6\\OpenedFiles",
                                "HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteHTML\\1.X\\Recent File List"})
            ClearRegValues(key);
    }
};

// ---- Disk tools and download managers

class TDiskeeper50 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TDiskeeper50)
    bool Check() override
    {
        return PathExistsAt(GetProgramFilesFolder(), "\\Executive Software\\Diskeeper9X\\DKeventLog.txt");
    }
    void Solve() override { DeleteIn(GetProgramFilesFolder(), "\\Executive Software\\Diskeeper9X\\DKeventLog.txt"); }
};

class TDiskeeper80 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TDiskeeper80)
    bool Check() override
    {
        return PathExistsAt(GetProgramFilesFolder(), "\\Executive Software\\Diskeeper\\DKeventLog.txt");
    }
    void Solve() override { DeleteIn(GetProgramFilesFolder(), "\\Executive Software\\Diskeeper\\DKeventLog.txt"); }
};

class TDownloadAccelerator final : public TPrivacyIssue {
    HM_ISSUE_NAME(TDownloadAccelerator)
    bool Check() override
    {
        std::string programFiles = GetProgramFilesFolder();
        return IsDirectoryAt(programFiles, "\\DAP\\Ads") || IsDirectoryAt(programFiles, "\\DAP\\Temp") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\SpeedBit\\Download Accelerator");
    }
    void Solve() override
    {
        std::string programFiles = GetProgramFilesFolder();
        EmptyFolder(programFiles, "\\DAP\\Ads");
        EmptyFolder(programFiles, "\\DAP\\Temp");
        EmptyFolder(programFiles, "\\DAP\\History");
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\SpeedBit\\Download Accelerator\\HistoryCombo", "URLHistory");
        // "DownloadAccelerator" without a blank is the name this key has.
        DeleteKeys({"HKEY_LOCAL_MACHINE\\SOFTWARE\\SpeedBit\\Download Accelerator\\FileList",
                    "HKEY_LOCAL_MACHINE\\Software\\SpeedBit\\Download Accelerator\\ADS\\SecondMedia",
                    "HKEY_CURRENT_USER\\Software\\SpeedBit\\DownloadAccelerator\\HistoryCombo"});
    }
};

// ---- Toolbars, browsers and browser add-ons

class TEbayToolbar final : public TPrivacyIssue {
    HM_ISSUE_NAME(TEbayToolbar)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\eBay\\eBay Toolbar"); }
    void Solve() override { EmptyFolder(GetProgramFilesFolder(), "\\eBay\\eBay Toolbar", "eBayhistory.*", true); }
};

class TEudora61 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TEudora61)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Qualcomm\\Eudora"); }
    void Solve() override
    {
        DeleteEachIn(GetProgramFilesFolder(), {"\\Qualcomm\\Eudora\\Trash.mbx", "\\Qualcomm\\Eudora\\Trash.toc"});
    }
};

// Gator's folder under the program files is named after the vendor's web domain.
const char* const GatorFolder = "\\Gator.com\\gator";

class TGator final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGator)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), GatorFolder); }
    void Solve() override
    {
        DeleteEachIn(GetWindowsFolder(), {"\\GatorPlugin.log", "\\GatorSetup.log", "\\GatorUninstaller.log"});
        std::string programFiles = GetProgramFilesFolder();
        DeleteIn(programFiles, std::string(GatorFolder) + "\\Gator.log");
        EmptyFolder(programFiles, std::string(GatorFolder) + "\\Banners");
        EmptyFolder(programFiles, std::string(GatorFolder) + "\\Scripts");
    }
};

class TGoogleDeskbar final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGoogleDeskbar)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Google\\Deskbar"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Google\\Deskbar\\termhistory",
                    "HKEY_CURRENT_USER\\Software\\Google\\Deskbar\\urlhistory"});
    }
};

class TGoogleToolbar10 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGoogleToolbar10)
    const char* const Key = "HKEY_CURRENT_USER\\Software\\Google\\NavClient\\1.0\\History";
    bool Check() override { return RegKeyExists(Key); }
    void Solve() override { DeleteRegKey(Key); }
};

// Toolbar versions 1.1 and 2 keep their history in the same keys.
bool GoogleToolbar11Check()
{
    return RegKeyExists("HKEY_CURRENT_USER\\Software\\Google\\NavClient\\1.1\\History");
}

void GoogleToolbar11Solve()
{
    DeleteKeys({"HKEY_CURRENT_USER\\Software\\Google\\NavClient\\1.1\\History",
                "HKEY_CURRENT_USER\\Software\\Google\\NavClient\\1.1\\whitelist"});
}

class TGoogleToolbar11 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGoogleToolbar11)
    bool Check() override { return GoogleToolbar11Check(); }
    void Solve() override { GoogleToolbar11Solve(); }
};

class TGoogleToolbar2 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGoogleToolbar2)
    bool Check() override { return GoogleToolbar11Check(); }
    void Solve() override { GoogleToolbar11Solve(); }
};

class TGraphicWorkshopPro final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGraphicWorkshopPro)
    bool Check() override { return PathExistsAt(GetWindowsFolder(), "\\gwspro.ini"); }
    void Solve() override { DeleteIn(GetWindowsFolder(), "\\gwspro.ini"); }
};

class THotbar30 final : public TPrivacyIssue {
    HM_ISSUE_NAME(THotbar30)
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\Hotbar\\v3.0") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\Hotbar\\hotbar");
    }
    void Solve() override
    {
        std::string programFiles = GetProgramFilesFolder();
        EmptyFolder(programFiles, "\\Hotbar\\v3.0\\dynamic");
        EmptyFolder(programFiles, "\\Hotbar\\v3.0\\static");
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Hotbar\\hotbar\\ImagesHistory");
    }
};

class THotJavaBrowser final : public TPrivacyIssue {
    HM_ISSUE_NAME(THotJavaBrowser)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\HotJava\\jre"); }
    void Solve() override
    {
        std::string programFiles = GetProgramFilesFolder();
        EmptyCookieStores(programFiles, "\\HotJava\\jre\\.hotjava", "cookies.*");
        EmptyFolder(programFiles, "\\HotJava\\jre\\.hotjava", "urlpool.*", true);
    }
};

class TiMesh final : public TPrivacyIssue {
    HM_ISSUE_NAME(TiMesh)
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\iMesh\\Client") ||
               RegKeyExists("HKEY_LOCAL_MACHINE\\SOFTWARE\\iMesh\\Client");
    }
    void Solve() override
    {
        DeleteRegValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\iMesh\\Client\\Local", "SearchEditHistory");
        DeleteRegValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\iMesh\\Client\\Local", "SearchEditHistorySize");
        std::string programFiles = GetProgramFilesFolder();
        EmptyFolder(programFiles, "\\iMesh\\Client\\Partial");
        EmptyFolder(programFiles, "\\iMesh\\Client\\PlayLists");
        EmptyFolder(programFiles, "\\iMesh\\Client\\DB");
        EmptyFolder(programFiles, "\\iMesh\\Client", "*.dbb", true);
    }
};

// ---- Web authoring and image tools

class TMacromediaDreamweaver3 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMacromediaDreamweaver3)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Macromedia\\Dreamweaver 3"); }
    void Solve() override { DeleteRegKey("HKEY_CURRENT_USER\\Software\\Macromedia\\Dreamweaver 3\\Recent File List"); }
};

class TMacromediaDreamweaver4 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMacromediaDreamweaver4)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Macromedia\\Dreamweaver 4"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Macromedia\\Dreamweaver 4\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\Macromedia\\Dreamweaver 4\\Temp File List"});
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\Macromedia\\Dreamweaver 4\\Settings", "LastDirectory");
    }
};

class TMacromediaDreamweaverMX2004 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMacromediaDreamweaverMX2004)
    bool Check() override
    {
        return AnyKeyExists({"HKEY_CURRENT_USER\\Software\\Macromedia\\Dreamweaver 6",
                             "HKEY_CURRENT_USER\\Software\\Macromedia\\Dreamweaver MX 2004"});
    }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Macromedia\\Dreamweaver 6\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\Macromedia\\Dreamweaver MX 2004\\Recent File List"});
    }
};

class TMacromediaFireworkMX final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMacromediaFireworkMX)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Macromedia\\Firework 6"); }
    void Solve() override { DeleteRegKey("HKEY_CURRENT_USER\\Software\\Macromedia\\Firework 6\\Recent File List"); }
};

class TMicroAngelo55 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicroAngelo55)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Impact\\Microangelo"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Impact\\Microangelo\\Studio\\MRU List",
                    "HKEY_CURRENT_USER\\Software\\Impact\\Microangelo\\Librarian\\MRU List",
                    "HKEY_CURRENT_USER\\Software\\Impact\\Microangelo\\Animator\\MRU List"});
    }
};

class TMicroAngelo98 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicroAngelo98)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Impact\\Microangelo 98"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Impact\\Microangelo 98\\Studio\\MRU List",
                    "HKEY_CURRENT_USER\\Software\\Impact\\Microangelo 98\\Librarian\\MRU List",
                    "HKEY_CURRENT_USER\\Software\\Impact\\Microangelo 98\\Animator\\MRU List"});
    }
};

class TMicrosoftHTMLHelp final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftHTMLHelp)
    bool Check() override { return PathExistsAt(GetAppDataFolder(), "\\Microsoft\\HTML Help\\hh.dat"); }
    void Solve() override { DeleteIn(GetAppDataFolder(), "\\Microsoft\\HTML Help\\hh.dat"); }
};

class TMicrosoftImaging final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftImaging)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Kodak\\Imaging"); }
    void Solve() override { DeleteRegKey("HKEY_CURRENT_USER\\Software\\Kodak\\Imaging\\Recent File List"); }
};

// ---- Mail, chat and conferencing

class TMicrosoftNetmeeting final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftNetmeeting)
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\NetMeeting") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\Microsoft\\Conferencing\\UI");
    }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\Conferencing\\UI\\CallMRU",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Conferencing\\UI\\Directory"});
        std::string programFiles = GetProgramFilesFolder();
        EmptyFolder(programFiles, "\\NetMeeting\\Received Files");
        DeleteIn(programFiles, "\\NetMeeting\\CallLog.dat");
        DeleteIn(GetWindowsFolder(), "\\Desktop\\Hitware plugin\\AOL Instant Messenger.hte");
    }
};

class TMicrosoftOfficeInfoPath2003 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftOfficeInfoPath2003)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\InfoPath"); }
    void Solve() override
    {
        EmptyFolder(GetAppDataFolder(), "\\Microsoft\\Office\\Recent");
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\InfoPath\\Recent Templates",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\InfoPath\\Recent File List"});
    }
};

class TMicrosoftOfficePublisher2003 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftOfficePublisher2003)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Publisher"); }
    void Solve() override
    {
        EmptyFolder(GetAppDataFolder(), "\\Microsoft\\Office\\Recent", "*.pub", true);
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Publisher\\Recent File List");
    }
};

class TMirandaICQ final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMirandaICQ)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Miranda ICQ"); }
    void Solve() override { EmptyFolder(GetProgramFilesFolder(), "\\Miranda ICQ", "*.hst", true); }
};

class TMIRC final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMIRC)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\mirc"); }
    void Solve() override
    {
        EmptyFolder(GetProgramFilesFolder(), "\\mirc\\download");
        std::string appData = GetAppDataFolder();
        EmptyFolder(appData.substr(0, 1), ":\\mirc\\download");
    }
};

class TMorpheus final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMorpheus)
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\Morpheus") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\Morpheus\\Morpheus");
    }
    void Solve() override
    {
        std::string programFiles = GetProgramFilesFolder();
        EmptyFolder(programFiles, "\\Morpheus\\Db");
        EmptyFolder(programFiles, "\\Morpheus\\My");
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Morpheus\\Morpheus\\Recent File List");
    }
};

class TMSNMessenger final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMSNMessenger)
    bool Check() override { return IsDirectoryAt(GetPersonalFolder(), "\\My Received Files"); }
    void Solve() override { EmptyFolder(GetPersonalFolder(), "\\My Received Files"); }
};

class TMSNToolbar final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMSNToolbar)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Microsoft\\MSN Toolbar"); }
    void Solve() override { DeleteRegValue("HKEY_CURRENT_USER\\Software\\Microsoft\\MSN Toolbar", "SearchStrings"); }
};

// ---- File sharing and browser add-ons

// The drive root holding the program files (its letter and ":") and the program
// files themselves; the root comes first.
std::vector<std::string> NapsterFiles()
{
    std::string programFiles = GetProgramFilesFolder();
    if (programFiles.empty())
        return {};
    std::string root = programFiles.substr(0, 1) + ":";
    return {root + "\\shared.dat",         root + "\\notify.dat",         root + "\\channels.dat",
            programFiles + "\\shared.dat", programFiles + "\\notify.dat", programFiles + "\\channels.dat"};
}

class TNapster final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNapster)
    bool Check() override
    {
        for (const std::string& file : NapsterFiles())
            if (PathExists(file))
                return true;
        return false;
    }
    void Solve() override
    {
        for (const std::string& file : NapsterFiles())
            DeleteFileSafe(file);
    }
};

class TNaviscope final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNaviscope)
    bool Check() override { return IsDirectoryAt(GetAppDataFolder(), "\\Naviscope"); }
    void Solve() override
    {
        DeleteEachIn(GetAppDataFolder(),
                     {"\\Naviscope\\history.dat", "\\Naviscope\\navdfile.dat", "\\Naviscope\\navrfile.dat"});
    }
};

class TNetsonic final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNetsonic)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\NetSonic"); }
    void Solve() override { EmptyFolder(GetProgramFilesFolder(), "\\NetSonic\\icache"); }
};

}  // namespace

std::vector<TIssueRegistration> CatalogueGroupB()
{
    std::vector<TIssueRegistration> issues = {
        HM_REGISTER(TCuteFTP6HomeEdition),
        HM_REGISTER(TCuteFTP6ProfessionalEdition),
        HM_REGISTER(TCuteFTP),
        HM_REGISTER(TCuteHTML23),
        HM_REGISTER(TCuteHTML),
        HM_REGISTER(TDiskeeper50),
        HM_REGISTER(TDiskeeper80),
        HM_REGISTER(TDownloadAccelerator),
        HM_REGISTER(TEbayToolbar),
        HM_REGISTER(TEudora61),
        HM_REGISTER(TGator),
        HM_REGISTER(TGoogleDeskbar),
        HM_REGISTER(TGoogleToolbar10),
        HM_REGISTER(TGoogleToolbar11),
        HM_REGISTER(TGoogleToolbar2),
        HM_REGISTER(TGraphicWorkshopPro),
        HM_REGISTER(THotbar30),
        HM_REGISTER(THotJavaBrowser),
        HM_REGISTER(TiMesh),
        HM_REGISTER(TMacromediaDreamweaver3),
        HM_REGISTER(TMacromediaDreamweaver4),
        HM_REGISTER(TMacromediaDreamweaverMX2004),
        HM_REGISTER(TMacromediaFireworkMX),
        HM_REGISTER(TMicroAngelo55),
        HM_REGISTER(TMicroAngelo98),
        HM_REGISTER(TMicrosoftHTMLHelp),
        HM_REGISTER(TMicrosoftImaging),
        HM_REGISTER(TMicrosoftNetmeeting),
        HM_REGISTER(TMicrosoftOfficeInfoPath2003),
        HM_REGISTER(TMicrosoftOfficePublisher2003),
        HM_REGISTER(TMirandaICQ),
        HM_REGISTER(TMIRC),
        HM_REGISTER(TMorpheus),
        HM_REGISTER(TMSNMessenger),
        HM_REGISTER(TMSNToolbar),
        HM_REGISTER(TNapster),
        HM_REGISTER(TNaviscope),
        HM_REGISTER(TNetsonic),
    };
    std::vector<TIssueRegistration> media = CatalogueGroupBMedia();
    issues.insert(issues.end(), media.begin(), media.end());
    return issues;
}
