#include "engine/ScannerInit.h"

#include "catalogue/Groups.h"

#include <map>

const std::vector<std::string>& CatalogueOrder()
{
    static const std::vector<std::string> order = {
        "TTempFolder", "TCookies", "TInternetCache", "TUserData", "TFavorites", "THistory", "TAutoCompleteForms",
        "TAutoCompletePWDs", "TIndexDat", "TAddressBarHistory", "TRecentDocs", "TComputerDocsHistory",
        "TRunHistory", "TFindFilesHistory", "TFindCompHistory", "TRecycleBin", "TLogonHistory", "TNethoodCache",
        "TPrinthoodCache", "TTelnetHistory", "TClipboard", "TSaveOpenDialogHistory", "TRegistryBackups",
        "TUserAssistCache", "TRegistryStreams", "TPagingFile", "TRASAutoDial", "TAOL90", "TAOLUp8",
        "TAOLInstantMessenger", "TAres18", "TAresLite", "TBlubster", "TBSPlayer", "TDirectConnect1",
        "TDirectConnect2", "TEarthStation5", "TEdonkey", "TGetRight", "TGnucleus", "TGoZilla", "TGrokster",
        "TICQ2000", "TICQ200X", "TICQLite", "TICQLiteDanger", "TIrfanView3x", "TKazaaLite", "TKazaa", "TLimewire",
        "TWindowsMediaPlayer7", "TWindowsMediaPlayer8", "TWindowsMediaPlayer9", "TWindowsMediaPlayer10",
        "TMSNExplorer", "TNortonAntivirus2005", "TNetscapeNavigator4xHistory", "TNetzero7", "TNewsRover92",
        "TAdobePhotoshopElements2", "TSecureIE2004", "TShareaza", "TSoulSeek152", "TSwapper", "TTweakMasterPro",
        "TWinmx3", "TAOLDeskBar", "TEditPadPro", "TEditPadLite", "THTMLHelpWorkshop", "TMicrosoftHelpWorkshop",
        "TMassDownloader", "TAbsoluteFTPHistory", "TACDSee3XHistory", "TACDSee40History", "TACDSee50History",
        "TACDSee60History", "TACDSee70History", "TAcrobatReader40", "TAcrobatReader50", "TAcrobatReader60",
        "TAdaware6", "TAdaptecAudioCD", "TAdobePhotoshop60", "TAdobePhotoshop70", "TAdvancedDiskCatalog149",
        "TAgentNewsReader", "TAudioCatalyst", "TAudioGrabber", "TAvantBrowser", "TAXIcons4x", "TAXIcons45",
        "TAxialisMediaBrowser", "TBabylon", "TBearShare", "TBlazeDVD20", "TBorlandCBuilder5", "TBorlandDelphi5",
        "TBorlandDelphi7", "TCabinetManager", "TClassify98", "TCoffeeCupDirectFTP", "TCoffeeCupGIFAnimator62",
        "TCoolEditPro", "TCopernic2001Basic", "TCopernic2001Plus", "TCopernic2001Pro", "TCuteMX25",
        "TCuteFTP6HomeEdition", "TCuteFTP6ProfessionalEdition", "TCuteFTP", "TCuteHTML23", "TCuteHTML",
        "TDiskExplorerProfessional3", "TDiskeeper50", "TDiskeeper80", "TDivXPlayer25", "TDownloadAccelerator",
        "TEbayToolbar", "TEudora61", "TGator", "TGoogleDeskbar", "TGoogleToolbar10", "TGoogleToolbar11",
        "TGoogleToolbar2", "TGraphicWorkshopPro", "THotbar30", "THotJavaBrowser", "TiMesh",
        "TMacromediaDreamweaver3", "TMacromediaDreamweaver4", "TMacromediaDreamweaverMX2004",
        "TMacromediaFireworkMX", "TMicroAngelo55", "TMicroAngelo98", "TMicrosoftHTMLHelp", "TMicrosoftImaging",
        "TMicrosoftNetmeeting", "TMicrosoftOfficeInfoPath2003", "TMicrosoftOfficePublisher2003", "TMirandaICQ",
        "TMIRC", "TMorpheus", "TMSNMessenger", "TMSNToolbar", "TMusicMatchJukebox", "TNapster", "TNaviscope",
        "TNetsonic", "TNortonAntiVirus2000", "TNortonAntiVirus2003", "TNortonFirewall", "TNortonInternetSecurity",
        "TPaintShopPro70", "TPhotoCanvas20", "TPhotoDraw2000", "TPhotoImpact5", "TPhotoImpact80",
        "TPhotoImpactViewer40", "TPicoZip2X", "TPowerDVD5", "TRealOneRealPlayer10", "TSmartDraw5", "TSmartDraw6",
        "TSonique", "TStarOffice51", "TSWiSH20", "TUleadGIFAnimator505", "TWebferret", "TWinAce2X", "TWinamp27",
        "TWinRAR30", "TWinRAR34", "TWinZip90", "TXara3D50", "TYahooMessenger", "TYahooPlayer", "TZipMagic2000",
        "TZoneAlarm", "TEditPlus2RecentFileList", "TEudoraMail", "TExcel2000RecentFileList", "TFlashGetRecentFiles",
        "TGetRightExplorerBarRecentlyFileList", "TMacromediaFlash40RecentFileList", "TMediaJukebox", "TMSPaint",
        "TMSPhotoEditor", "TNetscapeMail", "TNortonFileManagerRecentFileList",
        "TNortonPersonalFirewall2003LogFiles", "TNortonUtilities2000History", "TPowerZipRecentFileList",
        "TRealplayerRecentFiles", "TRoxioEasyCDCreatorRecentFileList", "TWindowsTelnetRecentlyVisitedServers",
        "TTrillianLogFilesCacheFiles", "TUleadGifAnimatorv40RecentFileList", "TUleadPhotoImpact60RecentFileList",
        "TUleadPhotoImpact70RecentFileList", "TUltraEditRecentFileList", "TWinAceRecentFileList",
        "TMediaPlayerRecentFileList", "TWordPadRecentFileList", "TZipMagicRecentFileList", "T7ZipCompressionPgm",
        "TACDSee", "TAcousticaCDLabelMaker", "TAcrobatReader70", "TAcrobatReader30", "TAcrobatReader31",
        "TAdawareSE", "TAdaptecEasyCDCreator", "TAddSoft", "TAddWeb30", "TAdvancedMP3Catalog", "TAgnitumOutpostPro",
        "TAIMloginnames", "TAlcoholMRUList", "TAxialisIconWorkshop5x", "TBabylonBuilder22", "TBookReader",
        "TChameleonWebBrowser", "TCoffeeCupGIFAnimator", "TCoolEdit200011", "TCRT2x",
        "TWindowsDownloadedInstallations", "TeMule", "TEnfishOnespace", "TEnigmaBrowser", "TFotostation40",
        "TFTPExplorer", "TFTPVoyager", "TFunCD", "TGoldWaveDigitalAudioEditor", "TGoogleDesktopSearchHistory",
        "TGravityNewsreader", "THeliosTextPad", "THomesite40", "TInoculateltPEVirusScan", "TInterQuick",
        "TJascAnimationShop3", "TJASCPaintShopPro", "TJetPhotoShell", "TJuno", "TKaZaAMediaDesktop",
        "TKodakImagingforWindows", "TLeapFTP26", "TLetterbox", "TLingoMail1x", "TLViewPro2x", "TMacromediaFlashMX",
        "TMagicISOMaker46", "TMasterSplitter", "TMcAfeeVirusScan", "TMEDAMP3Splitter", "TMetapad",
        "TMicrografxPicturePublisher8", "TMicrosoftOffice2000", "TMicrosoftOffice2003", "TMicrosoftOfficeXP",
        "TMicrosoftPublisher2000", "TMicrosoftVisualC60", "TMicrosoftWord2000", "TMicrosoftWordBackupFiles",
        "TMicrosoftWorks40", "TMijenixPowerdesk40", "TMozart40", "TMyWayAdvertising", "TNetVampire3x", "TNetAnts",
        "TNetCaptor", "TNetzipDownloadDemon30", "TNewsBinPro4", "TNortonCommander", "TNotePadPlus", "TOmniPage100",
        "TOutlookExpress6", "TPaintShopPro50", "TPasswordSafe", "TPEExplorer195", "TPersonalAncestralFile",
        "TPhotodexCompupicPro", "TPictureItDigitalImagePro70", "TPKZipforWindows", "TPolyView", "TPopupPurger",
        "TPopUpCop", "TPowerArc", "TOntrackPowerDesk5", "TPowerZip60", "TQuickTime", "TRealDownload",
        "TRealOneAndRealPlayer", "TRegEdit", "TSaveNow", "TScourExchange", "TSearchWolf", "TSkype",
        "TSmartExplorer", "TSonicFoundryAcid20", "TSpinnerPlus", "TStarDownloader", "TSubmitWolf", "TSunJavaCache",
        "TSureThingCDLabeler", "TTeleportPro", "TTextPad4x", "TThumbsPlus40", "TTribalVoicePowWow", "TTrillian",
        "TUleadGIFAnimator", "TUleadPhotoExpress", "TUltimatePaint", "TUltraEdit", "TVueprint", "TWildstylz",
        "TWinamp", "TWindowsAppLogDirectory", "TWindowsCommander", "TWindowsFTPAccounts", "TWindowsLogFiles",
        "TWindowsMappedDrives", "TWindowsRecentNetworkDriveList", "TWindowsXPPrefetchFiles", "TWinZip", "TXara3D40",
        "TXingMP3Player", "TXolox", "TYahooToolbar", "TYamahaSYXG100", "TACDSeePhotoViewer", "TAdobePhotoshop5LE",
        "TAdobePhotoshop55", "TAdobePhotoshopCS", "TAdobePhotoshopCS2", "TMozillaFirefoxHistory",
        "TMozillaFirefoxCookies", "TMozillaFirefoxCache", "TMozillaFirefoxWebFeatures",
        "TMozillaFirefoxDownloadInfo", "TMozillaFirefoxSavedPasswords", "TMozillaThunderbirdNews",
        "TMozillaThunderbirdSavedPasswords", "TMozillaThunderbirdAddressBook",
        "TMozillaThunderbirdAccountsSettings", "TMozillaThunderbirdSentMmail", "TMozillaThunderbirdTrashMail",
        "TNetscapeNavigator4xCookies", "TNetscapeNavigator4xCache", "TNetscapeNavigator4xAddressBar",
        "TMozillaNavigatorHisotry", "TMozillaNavigatorCookies", "TMozillaNavigatorCache",
        "TMozillaNavigatorDownloadInfo", "TMozillaNavigatorSavedPasses", "TMozillaNavigatorOpenedPageKey",
        "TBorlandDelphi3", "TBorlandDelphi4", "TOperaUpTo6History", "TOperaUpTo6Cookies", "TOperaUpTo6Cache",
        "TOperaUpTo6DownloadsHistory", "TOperaUpTo6HomePage", "TOpera7xHistory", "TOpera7xCookies", "TOpera7xCache",
        "TOpera7xDownloadsHistory", "TOpera7xHomePage", "TOpera7xWandPasses", "TOpera7xContacts",
        "TOpera7xBookmarks", "THelpWriter", "TOpera8xHistory", "TOpera8xCookies", "TOpera8xCache",
        "TOpera8xDownloadsHistory", "TOpera8xHomePage", "TOpera8xWandPasses", "TOpera8xContacts",
        "TOpera8xBookmarks", "TPaintShopPro80",
    };
    return order;
}

void CreateAllIssues(TIssueList& allIssues)
{
    // Each group knows how to make its own classes; the order above places them.
    std::map<std::string, TIssueMaker> makers;
    for (auto group : {CatalogueGroupA, CatalogueGroupB, CatalogueGroupC, CatalogueGroupD, CatalogueGroupE,
                       CatalogueGroupF, CatalogueGroupG})
        for (TIssueRegistration& entry : group())
            makers.emplace(entry.ClassName, entry.Make);
    for (const std::string& name : CatalogueOrder()) {
        auto maker = makers.find(name);
        if (maker != makers.end())
            allIssues.push_back(maker->second());
    }
}
