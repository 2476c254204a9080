// Image, audio and video tools, development tools and utilities.
#include "catalogue/CatalogueHelpers.h"
#include "catalogue/GroupAShared.h"

#include <cctype>

using namespace GroupA;

namespace {

// The program file of a shell command or program path: the quoted part, or the text
// up to and including ".exe".
std::string ProgramOfCommand(const std::string& command)
{
    std::string text = Trim(command);
    if (!text.empty() && text[0] == '"') {
        size_t close = text.find('"', 1);
        return text.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    }
    std::string upper = text;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    size_t exe = upper.find(".EXE");
    return exe == std::string::npos ? text : text.substr(0, exe + 4);
}

// Photoshop's version is that of the program file the value names; an empty value
// means Photoshop is not there.
bool PhotoshopMajorIs(HKEY root, const std::string& key, uint16_t major)
{
    std::string command = RegText(root, key, "");
    if (command.empty())
        return false;
    std::string program = TrustedBase(ProgramOfCommand(command));
    return !program.empty() && GetFileMajorVersion(program) == major;
}

// ---- Image, audio and video tools

class TAdaware6 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAdaware6)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Lavasoft\\Ad-Aware 6"); }
    void Solve() override { EmptyFolder(GetProgramFilesFolder(), "\\Lavasoft\\Ad-Aware 6\\Logs\\"); }
};

class TAdaptecAudioCD final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAdaptecAudioCD)
    const char* const Key = "HKEY_LOCAL_MACHINE\\Software\\Adaptec\\AUDIO_CD_INFO";
    bool Check() override { return RegKeyExists(Key); }
    void Solve() override
    {
        ClearRegValues(Key);
        DeleteRegSubKeys(Key);
    }
};

class TAdobePhotoshop60 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAdobePhotoshop60)
    bool Check() override
    {
        return PhotoshopMajorIs(HKEY_LOCAL_MACHINE, "Software\\Classes\\Photoshop.AdobePlugin\\shell\\open\\command", 6);
    }
    void Solve() override
    {
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Adobe\\Photoshop\\6.0\\VisitedDirs");
        DeleteEachIn(GetAppDataFolder(),
                     {"\\Adobe\\Photoshop\\6.0\\Adobe Photoshop 6 Settings\\Adobe Photoshop 6 Prefs.psp",
                      "\\Adobe\\Photoshop\\6.0\\Adobe Photoshop 6 Einstellungen\\Adobe Photoshop 6 Prefs.psp",
                      "\\Adobe\\Photoshop\\6.0\\Param?tres Adobe Photoshop 6\\Pr?fs Adobe Photoshop 6.psp"});
    }
};

class TAdobePhotoshop70 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAdobePhotoshop70)
    bool Check() override { return PhotoshopMajorIs(HKEY_LOCAL_MACHINE, std::string(AppPaths) + "Photoshop.exe", 7); }
    void Solve() override
    {
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Adobe\\Photoshop\\7.0\\VisitedDirs");
        DeleteEachIn(GetAppDataFolder(),
                     {"\\Adobe\\Photoshop\\7.0\\Adobe Photoshop 7.0 Settings\\Adobe Photoshop 7.0 Prefs.psp",
                      "\\Adobe\\Photoshop\\7.0\\Adobe Photoshop 7.0 Einstellungen\\Adobe Photoshop 7.0 Prefs.psp",
                      "\\Adobe\\Photoshop\\7.0\\Param?tres Adobe Photoshop 7.0\\Pr?fs Adobe Photoshop 7.0.psp"});
    }
};

class TAdvancedDiskCatalog149 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAdvancedDiskCatalog149)
    bool Check() override { return RegKeyExists("HKEY_LOCAL_MACHINE\\Software\\Elcom\\Advanced Disk Catalog"); }
    void Solve() override
    {
        const char* const mru = "HKEY_LOCAL_MACHINE\\Software\\Elcom\\Advanced Disk Catalog\\MRU";
        ClearRegValues(mru);
        DeleteRegSubKeys(mru);
    }
};

class TAgentNewsReader final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAgentNewsReader)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Agent\\Data\\"); }
    void Solve() override
    {
        std::string programFiles = GetProgramFilesFolder();
        DeleteEachFound(programFiles.empty() ? "" : programFiles + "\\Agent\\Data\\", {"*.idx", "*.dat", "*.bak"});
    }
};

class TAudioCatalyst final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAudioCatalyst)
    bool Check() override
    {
        DefaultUnchecked = true;
        return IsDirectoryAt(GetProgramFilesFolder(), "\\Xing\\AudioCatalyst\\");
    }
    void Solve() override
    {
        KeepSubfoldersEmpty(GetProgramFilesFolder(), "\\Xing\\AudioCatalyst\\", {"*.mp3", "*.wav", "*.tmp"});
    }
};

class TAudioGrabber final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAudioGrabber)
    bool Check() override
    {
        DefaultUnchecked = true;
        return IsDirectoryAt(GetProgramFilesFolder(), "\\AudioGrabber\\");
    }
    void Solve() override { KeepSubfoldersEmpty(GetProgramFilesFolder(), "\\AudioGrabber\\", {"*.mp3", "*.wav"}); }
};

class TAvantBrowser final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAvantBrowser)
    bool Check() override
    {
        return InstallCheck(HKEY_LOCAL_MACHINE, std::string(Uninstall) + "AvantBrowser", "UninstallString");
    }
    void Solve() override
    {
        KillProcess("avant.exe");
        std::string appData = GetAppDataFolder();
        TruncateIn(appData, "\\Avant Browser\\pages.dat");
        // The browser shares Internet Explorer's typed addresses.
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs");
        TruncateEachIn(appData, {"\\Avant Browser\\recents.dat", "\\Avant Browser\\keywords.dat",
                                 "\\Avant Browser\\groups.dat", "\\Avant Browser\\homepages.dat"});
    }
};

class TAXIcons4x final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAXIcons4x)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Axialis\\AX-Icons 4.0"); }
    void Solve() override { DeleteRegKey("HKEY_CURRENT_USER\\Software\\Axialis\\AX-Icons 4.0\\Recent File List"); }
};

class TAXIcons45 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAXIcons45)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Axialis\\AX-Icons 4.5"); }
    void Solve() override { DeleteRegKey("HKEY_CURRENT_USER\\Software\\Axialis\\AX-Icons 4.5\\Recent File List"); }
};

class TAxialisMediaBrowser final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAxialisMediaBrowser)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Axialis\\MediaBrowser"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Axialis\\MediaBrowser\\folders",
                    "HKEY_CURRENT_USER\\Software\\Axialis\\MediaBrowser\\CoolBarList",
                    "HKEY_CURRENT_USER\\Software\\Axialis\\MediaBrowser\\Recent File List"});
    }
};

class TBabylon final : public TPrivacyIssue {
    HM_ISSUE_NAME(TBabylon)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Babylon\\Babylon Translator"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Babylon\\Babylon Translator\\Users\\Default\\WebSearch",
                    "HKEY_CURRENT_USER\\Software\\Babylon\\Babylon Translator\\Users\\Default\\History",
                    "HKEY_CURRENT_USER\\Software\\Babylon\\Babylon Translator\\WebSearch"});
        const char* const history = "HKEY_CURRENT_USER\\Software\\Babylon\\Babylon Translator\\UserInfo\\History";
        ClearRegValues(history);
        DeleteRegSubKeys(history);
    }
};

// Found so that the user sees it, listed unticked; there is nothing it removes.
class TBearShare final : public TPrivacyIssue {
    HM_ISSUE_NAME(TBearShare)
    bool Check() override
    {
        DefaultUnchecked = true;
        return InstallCheck(HKEY_LOCAL_MACHINE, "Software\\BearShare", "InstallDir");
    }
    void Solve() override {}
};

class TBlazeDVD20 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TBlazeDVD20)
    bool Check() override
    {
        DefaultUnchecked = true;
        return IsDirectoryAt(GetProgramFilesFolder(), "\\BlazeDVD\\");
    }
    void Solve() override
    {
        std::string programFiles = GetProgramFilesFolder();
        EmptyFolder(programFiles, "\\BlazeDVD\\Bookmark", "*.bmk", true);
        EmptyFolder(programFiles, "\\BlazeDVD\\CapturedPictures", "*.bmp", true);
    }
};

// ---- Development tools

class TBorlandCBuilder5 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TBorlandCBuilder5)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Borland\\C++Builder\\5.0"); }
    void Solve() override
    {
        ClearEachKey({"HKEY_CURRENT_USER\\Software\\Borland\\C++Builder\\5.0\\Closed Files",
                      "HKEY_CURRENT_USER\\Software\\Borland\\C++Builder\\5.0\\Closed Projects",
                      "HKEY_CURRENT_USER\\Software\\Borland\\C++Builder\\5.0\\Session"});
    }
};

class TBorlandDelphi5 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TBorlandDelphi5)
    bool Check() override
    {
        return PathExistsAt(GetProgramFilesFolder(), "\\Borland\\Delphi5\\Bin\\DELPHI32.dsk") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\5.0");
    }
    void Solve() override
    {
        DeleteIn(GetProgramFilesFolder(), "\\Borland\\Delphi5\\Bin\\DELPHI32.dsk");
        ClearEachKey({"HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\5.0\\Closed Files",
                      "HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\5.0\\Closed Projects",
                      "HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\5.0\\Session"});
    }
};

class TBorlandDelphi7 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TBorlandDelphi7)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\7.0"); }
    void Solve() override
    {
        const std::string h = "HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\7.0\\History Lists";
        DeleteValuesMatching("HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\7.0\\Session", "Project");
        DeleteValuesMatching("HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\7.0\\Closed Files", "File");
        DeleteValuesMatching("HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\7.0\\Closed Projects", "File");
        DeleteValuesMatching(h + "\\hlSearchText", "Item");
        ResetValues(h + "\\hlSearchText", {"Count"});
        ResetValues(h + "\\hlLibraryPath", {"Count"});
        DeleteValuesMatching(h + "\\hlLibraryPath", "Item");
        ResetValues(h + "\\hlDPLOutput", {"Count"});
        DeleteValuesMatching(h + "\\hlDPLOutput", "Item");
        ResetValues(h + "\\hlDCPOutput", {"Count"});
        DeleteValuesMatching(h + "\\hlDCPOutput", "Item");
        // The second letter of these two key names is a capital I, as the program writes them.
        ResetValues(h + "\\hIPackgeSearchPath", {"Count"});
        DeleteValuesMatching(h + "\\hIPackgeSearchPath", "Item");
        ResetValues(h + "\\hIBrowsingPath", {"Count"});
        DeleteValuesMatching(h + "\\hIBrowsingPath", "Item");
        DeleteEachIn(GetProgramFilesFolder(),
                     {"\\Borland\\Delphi7\\Bin\\delphi32.dsk", "\\Borland\\Delphi7\\Bin\\delphi32.~dsk"});
    }
};

// ---- Utilities

class TCabinetManager final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCabinetManager)
    bool Check() override
    {
        return AnyKeyExists({"HKEY_CURRENT_USER\\Software\\Microlog\\Cabinet Manager 1.1",
                             "HKEY_CURRENT_USER\\Software\\Microlog\\Cabinet Manager 2.0",
                             "HKEY_CURRENT_USER\\Software\\Microlog\\Cabinet Manager 2.1",
                             "HKEY_CURRENT_USER\\Software\\Microlog\\Cabinet Manager 3.1",
                             "HKEY_CURRENT_USER\\Software\\Microlog\\Cabinet Manager 4.1"});
    }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microlog\\Cabinet Manager 1.1\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\Microlog\\Cabinet Manager 2.0\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\Microlog\\Cabinet Manager 2.1\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\Microlog\\Cabinet Manager 3.1\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\Microlog\\Cabinet Manager 4.1\\Recent File List"});
    }
};

class TClassify98 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TClassify98)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\TRELLIAN\\Classify 98"); }
    void Solve() override { EmptyFolder(GetProgramFilesFolder(), "\\TRELLIAN\\Classify 98\\report\\", "*.htm", true); }
};

class TCoffeeCupDirectFTP final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCoffeeCupDirectFTP)
    bool Check() override
    {
        return RegKeyExists("HKEY_CURRENT_USER\\Software\\Idyle Software\\DirectFTP") ||
               PathExistsAt(GetProgramFilesFolder(), "\\CoffeeCup Software\\DirectFTP\\FTPServers.ini");
    }
    void Solve() override
    {
        ResetValues("HKEY_CURRENT_USER\\Software\\Idyle Software\\DirectFTP\\Interface", {"localpath", "localdir"});
        DeleteIn(GetProgramFilesFolder(), "\\CoffeeCup Software\\DirectFTP\\FTPServers.ini");
    }
};

class TCoffeeCupGIFAnimator62 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCoffeeCupGIFAnimator62)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\CoffeeCup Software\\GIF Animator"); }
    void Solve() override { ClearRegValues("HKEY_CURRENT_USER\\Software\\CoffeeCup Software\\GIF Animator\\Settings\\MRU"); }
};

class TCoolEditPro final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCoolEditPro)
    bool Check() override { return PathExistsAt(GetWindowsFolder(), "\\cool.ini"); }
    // Written only into an existing file: a run without Cool Edit must not create one.
    void Solve() override
    {
        if (Check())
            EffectWriteProfileString(GetWindowsFolder() + "\\cool.ini", "DirGroup 101", "Item", "");
    }
};

void CleanCopernic(const char* edition)
{
    std::string programFiles = GetProgramFilesFolder();
    EmptyFolder(programFiles, std::string(edition) + "\\Search Results", "*.*", true);
    EmptyFolder(programFiles, std::string(edition) + "\\data");
}

class TCopernic2001Basic final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCopernic2001Basic)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Copernic 2001 Basic"); }
    void Solve() override { CleanCopernic("\\Copernic 2001 Basic"); }
};

class TCopernic2001Plus final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCopernic2001Plus)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Copernic 2001 Plus"); }
    void Solve() override { CleanCopernic("\\Copernic 2001 Plus"); }
};

class TCopernic2001Pro final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCopernic2001Pro)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Copernic 2001 Pro"); }
    void Solve() override { CleanCopernic("\\Copernic 2001 Pro"); }
};

class TCuteMX25 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCuteMX25)
    bool Check() override
    {
        return RegKeyExists("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteMX") ||
               IsDirectoryAt(GetAppDataFolder(), "\\GlobalSCAPE\\CuteMX");
    }
    void Solve() override
    {
        EmptyFolder(GetAppDataFolder(), "\\GlobalSCAPE\\CuteMX\\ChatLog");
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\GlobalSCAPE\\CuteMX\\SearchInfo");
    }
};

}  // namespace

std::vector<TIssueRegistration> CatalogueGroupATools()
{
    return {
        HM_REGISTER(TAdaware6),
        HM_REGISTER(TAdaptecAudioCD),
        HM_REGISTER(TAdobePhotoshop60),
        HM_REGISTER(TAdobePhotoshop70),
        HM_REGISTER(TAdvancedDiskCatalog149),
        HM_REGISTER(TAgentNewsReader),
        HM_REGISTER(TAudioCatalyst),
        HM_REGISTER(TAudioGrabber),
        HM_REGISTER(TAvantBrowser),
        HM_REGISTER(TAXIcons4x),
        HM_REGISTER(TAXIcons45),
        HM_REGISTER(TAxialisMediaBrowser),
        HM_REGISTER(TBabylon),
        HM_REGISTER(TBearShare),
        HM_REGISTER(TBlazeDVD20),
        HM_REGISTER(TBorlandCBuilder5),
        HM_REGISTER(TBorlandDelphi5),
        HM_REGISTER(TBorlandDelphi7),
        HM_REGISTER(TCabinetManager),
        HM_REGISTER(TClassify98),
        HM_REGISTER(TCoffeeCupDirectFTP),
        HM_REGISTER(TCoffeeCupGIFAnimator62),
        HM_REGISTER(TCoolEditPro),
        HM_REGISTER(TCopernic2001Basic),
        HM_REGISTER(TCopernic2001Plus),
        HM_REGISTER(TCopernic2001Pro),
        HM_REGISTER(TCuteMX25),
    };
}
