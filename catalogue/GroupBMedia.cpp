// Media players, Norton security tools, image tools, PicoZip and SmartDraw.
#include "catalogue/CatalogueHelpers.h"
#include "catalogue/KeptCookies.h"
#include "catalogue/GroupBMedia.h"

namespace {

class TDivXPlayer25 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TDivXPlayer25)
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\DivX\\DivX Player") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\DivXNetworks\\DivX Player");
    }
    void Solve() override
    {
        DeleteIn(GetProgramFilesFolder(), "\\DivX\\DivX Player\\DivXPlayer2.dbf");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\DivXNetworks\\DivX Player");
    }
};

class TMusicMatchJukebox final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMusicMatchJukebox)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\MUSICMATCH\\MUSICMATCH Jukebox"); }
    void Solve() override
    {
        std::string programFiles = GetProgramFilesFolder();
        KeepSubfoldersEmpty(programFiles, "\\MUSICMATCH\\MUSICMATCH Jukebox", {"*.m3u", "*.log"});
        DeleteEachIn(programFiles, {"\\MUSICMATCH\\MUSICMATCH Jukebox\\altlog.txt",
                                    "\\MUSICMATCH\\MUSICMATCH Jukebox\\userinfo.dat",
                                    "\\MUSICMATCH\\MUSICMATCH Jukebox\\mmcd.ini",
                                    "\\MUSICMATCH\\MUSICMATCH Jukebox\\MLPlayPref.ini",
                                    "\\MUSICMATCH\\MUSICMATCH Jukebox\\mmjblog.txt"});
        for (const char* folder : {"\\MUSICMATCH\\MUSICMATCH Jukebox\\Cache", "\\MUSICMATCH\\MUSICMATCH Jukebox\\Library",
                                   "\\MUSICMATCH\\MUSICMATCH Jukebox\\Playlist", "\\MUSICMATCH\\MUSICMATCH Jukebox\\TEMP"})
            EmptyFolder(programFiles, folder);
    }
};

// ---- Norton

class TNortonAntiVirus2000 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNortonAntiVirus2000)
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\Norton AntiVirus") ||
               IsDirectoryAt(GetProgramFilesFolder(), "\\Navnt");
    }
    void Solve() override
    {
        DeleteEachIn(GetProgramFilesFolder(),
                     {"\\Norton AntiVirus\\AVApp.log", "\\Norton AntiVirus\\AVError.log", "\\Norton AntiVirus\\AVVirus.log",
                      "\\Norton AntiVirus\\Activity.log", "\\Navnt\\ACTIVITY.LOG"});
        DeleteIn(GetWindowsFolder(), "\\user.nav");
    }
};

class TNortonAntiVirus2003 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNortonAntiVirus2003)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Norton AntiVirus"); }
    void Solve() override
    {
        DeleteEachIn(GetProgramFilesFolder(),
                     {"\\Norton AntiVirus\\AVApp.log", "\\Norton AntiVirus\\AVError.log", "\\Norton AntiVirus\\AVVirus.log",
                      "\\Norton AntiVirus\\Activity.log"});
    }
};

class TNortonFirewall final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNortonFirewall)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Norton Personal Firewall"); }
    void Solve() override
    {
        DeleteEachIn(GetProgramFilesFolder(),
                     {"\\Norton Personal Firewall\\iampriv.rel", "\\Norton Personal Firewall\\iamwebh.rel",
                      "\\Norton Personal Firewall\\iamfw.rel", "\\Norton Personal Firewall\\iamsys.rel",
                      "\\Norton Personal Firewall\\iamtdi.rel", "\\Norton Personal Firewall\\iamtcp.rel",
                      "\\Norton Personal Firewall\\iamadblk.rel"});
    }
};

class TNortonInternetSecurity final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNortonInternetSecurity)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Norton Internet Security"); }
    void Solve() override
    {
        DeleteEachIn(GetProgramFilesFolder(),
                     {"\\Norton Internet Security\\iampriv.rel", "\\Norton Internet Security\\iamwebh.rel",
                      "\\Norton Internet Security\\iamfw.rel", "\\Norton Internet Security\\iamsys.rel",
                      "\\Norton Internet Security\\iamtdi.rel", "\\Norton Internet Security\\iamtcp.rel",
                      "\\Norton Internet Security\\iamadblk.rel"});
    }
};

// ---- Image tools

class TPaintShopPro70 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPaintShopPro70)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Jasc\\Paint Shop Pro 7"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Jasc\\Paint Shop Pro 7\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\JASC\\Animation Shop\\Recent File List"});
        for (const char* name : {"FolderHistory", "ImageDirectory", "BrowseDir"})
            DeleteRegValue("HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 7\\General", name);
    }
};

class TPhotoCanvas20 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPhotoCanvas20)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\ACD Systems\\FotoCanvas\\20"); }
    void Solve() override { DeleteRegKey("HKEY_CURRENT_USER\\Software\\ACD Systems\\FotoCanvas\\20\\Recent File List"); }
};

class TPhotoDraw2000 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPhotoDraw2000)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Microsoft\\PhotoDraw\\1.0"); }
    void Solve() override { DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\PhotoDraw\\1.0\\Recent File List"); }
};

class TPhotoImpact5 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPhotoImpact5)
    bool Check() override
    {
        return RegKeyExists("HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead PhotoImpact\\5.0");
    }
    void Solve() override
    {
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead PhotoImpact\\5.0\\Recent File List");
    }
};

class TPhotoImpact80 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPhotoImpact80)
    bool Check() override
    {
        return RegKeyExists("HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead PhotoImpact\\8.0");
    }
    void Solve() override
    {
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead PhotoImpact\\8.0\\Recent File List");
    }
};

class TPhotoImpactViewer40 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPhotoImpactViewer40)
    bool Check() override
    {
        return RegKeyExists("HKEY_CURRENT_USER\\Software\\Ulead Systems\\PhotoImpact Viewer\\4.0");
    }
    void Solve() override
    {
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Ulead Systems\\PhotoImpact Viewer\\4.0\\Recent File List");
    }
};

class TPicoZip2X final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPicoZip2X)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\PicoZip"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\PicoZip\\MRU Items", "HKEY_CURRENT_USER\\Software\\PicoZip\\MRUExtract"});
    }
};

// ---- Players

class TPowerDVD5 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPowerDVD5)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\CyberLink\\PowerDVD"); }
    void Solve() override
    {
        KeepSubfoldersEmpty(GetProgramFilesFolder(), "\\CyberLink\\PowerDVD", {"*.pls", "*.m3u"});
        EmptyFolder(GetPersonalFolder(), "\\CyberLink\\PowerDVD", "*.pls", true);
    }
};

// The recent-clip keys beside MostRecentClips are numbered 0 to 12.
void DeleteRecentClips(const std::string& key)
{
    DeleteRegKey(key);
    for (int n = 0; n <= 12; ++n)
        DeleteRegKey(key + std::to_string(n));
}

class TRealOneRealPlayer10 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TRealOneRealPlayer10)
    bool Check() override
    {
        return IsDirectoryAt(GetAppDataFolder(), "\\Real\\RealPlayer") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\RealNetworks\\RealPlayer\\6.0") ||
               RegKeyExists("HKEY_USERS\\Software\\RealNetworks\\RealPlayer\\6.0");
    }
    void Solve() override
    {
        DeleteRecentClips("HKEY_CURRENT_USER\\Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\MostRecentClips");
        DeleteRecentClips("HKEY_USERS\\Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\MostRecentClips");
        std::string appData = GetAppDataFolder();
        DeleteIn(appData, "\\Real\\RealPlayer\\urls.ini");
        DeleteCookieStoreIn(appData, "\\Real\\RealPlayer\\cookies.txt");
        DeleteEachIn(appData, {"\\Real\\RealPlayer\\realplayer.ste", "\\Real\\RealPlayer\\ctd.dat"});
        EmptyFolder(appData, "\\Real\\RealPlayer\\History");
        EmptyFolder(appData, "\\Real\\RealPlayer\\Temp");
        EmptyFolder(appData, "\\Real\\RealPlayer\\ErrorLogs");
    }
};

class TSmartDraw5 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSmartDraw5)
    bool Check() override { return PathExistsAt(GetAppDataFolder(), "\\SmartDraw\\SMARTD4.OPT"); }
    void Solve() override { DeleteIn(GetAppDataFolder(), "\\SmartDraw\\SMARTD4.OPT"); }
};

}  // namespace

std::vector<TIssueRegistration> CatalogueGroupBMedia()
{
    return {
        HM_REGISTER(TDivXPlayer25),
        HM_REGISTER(TMusicMatchJukebox),
        HM_REGISTER(TNortonAntiVirus2000),
        HM_REGISTER(TNortonAntiVirus2003),
        HM_REGISTER(TNortonFirewall),
        HM_REGISTER(TNortonInternetSecurity),
        HM_REGISTER(TPaintShopPro70),
        HM_REGISTER(TPhotoCanvas20),
        HM_REGISTER(TPhotoDraw2000),
        HM_REGISTER(TPhotoImpact5),
        HM_REGISTER(TPhotoImpact80),
        HM_REGISTER(TPhotoImpactViewer40),
        HM_REGISTER(TPicoZip2X),
        HM_REGISTER(TPowerDVD5),
        HM_REGISTER(TRealOneRealPlayer10),
        HM_REGISTER(TSmartDraw5),
    };
}
