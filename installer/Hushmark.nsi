; The setup program and its uninstaller. installer/build-setup passes VERSION, TREE (the
; install tree), MERGE (the helper that carries the user's marks into a new info.ini),
; WORK (the pictures and the uninstaller's file list), HERE (this folder) and OUTPUT.
;
; ANSI and no call the 95 family or NT 4 lacks: the program runs there, so must its setup.
Unicode false
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Hushmark"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define MAIN_WINDOW_CLASS "THushmarkMain"

Name "Hushmark"
Caption "Hushmark ${VERSION} Setup"
UninstallCaption "Hushmark ${VERSION} Uninstall"
BrandingText "Hushmark ${VERSION}"
OutFile "${OUTPUT}"
InstallDir "$PROGRAMFILES\Hushmark"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Hushmark"
VIAddVersionKey "CompanyName" "Hushmark"
VIAddVersionKey "FileDescription" "Hushmark ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 the Hushmark developers"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"
!include "${WORK}\tree-files.nsh"

Var StartMenuFolder
Var OldInfo

!define MUI_ICON "${HERE}\..\data\tray\program.ico"
!define MUI_UNICON "${HERE}\..\data\tray\program.ico"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${WORK}\header.bmp"
!define MUI_HEADERIMAGE_UNBITMAP "${WORK}\header.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WORK}\welcome.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WORK}\welcome.bmp"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!define MUI_WELCOMEPAGE_TITLE "Welcome to Hushmark ${VERSION}"
!define MUI_WELCOMEPAGE_TEXT "Hushmark finds and removes the traces that Windows and your programs leave behind: caches, cookies, histories, recent-file lists and saved form data.$\r$\n$\r$\nThis wizard installs Hushmark on your computer. If Hushmark is running, setup will ask to close it.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${HERE}\License.txt"
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_STARTMENUPAGE_DEFAULTFOLDER "Hushmark"
!define MUI_STARTMENUPAGE_REGISTRY_ROOT HKLM
!define MUI_STARTMENUPAGE_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_STARTMENUPAGE_REGISTRY_VALUENAME "StartMenuFolder"
!insertmacro MUI_PAGE_STARTMENU Application $StartMenuFolder
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "Hushmark is installed"
!define MUI_FINISHPAGE_TEXT "Hushmark ${VERSION} has been installed on your computer. You find it in the Start menu.$\r$\n$\r$\nClick Finish to close this wizard."
!define MUI_FINISHPAGE_RUN "$INSTDIR\Hushmark.exe"
!define MUI_FINISHPAGE_RUN_TEXT "&Run Hushmark"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Setup and uninstaller both need the program closed: Windows refuses to replace or
; delete a running program's files, and a half-replaced install would not start.
!macro CLOSE_RUNNING UN
Function ${UN}CloseRunning
    FindWindow $R0 "${MAIN_WINDOW_CLASS}"
    ${If} $R0 = 0
        Return
    ${EndIf}
    MessageBox MB_OKCANCEL|MB_ICONINFORMATION "Hushmark is running. It must be closed before setup can go on.$\r$\n$\r$\nClick OK to close Hushmark now, or Cancel to quit." /SD IDOK IDOK close
    SetErrorLevel 2
    Quit
close:
    DetailPrint "Closing Hushmark"
    StrCpy $R1 0
    ${Do}
        SendMessage $R0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
        Sleep 250
        FindWindow $R0 "${MAIN_WINDOW_CLASS}"
        ${If} $R0 = 0
            ; Its window is gone; the process saves its options on the way out.
            Sleep 500
            Return
        ${EndIf}
        IntOp $R1 $R1 + 1
    ${LoopUntil} $R1 >= 40
    MessageBox MB_OK|MB_ICONSTOP "Hushmark is still running. Close it with Exit in its window or in the menu of its notification icon, then run setup again." /SD IDOK
    SetErrorLevel 2
    Quit
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING ""
!insertmacro CLOSE_RUNNING "un."

; Writing Program Files, the shared Start menu and the machine's uninstall list needs an
; administrator on the NT family; the 95 family has no such accounts.
!macro REQUIRE_ADMIN
    UserInfo::GetAccountType
    Pop $R0
    ${If} $R0 != "Admin"
    ${AndIf} $R0 != ""
        MessageBox MB_OK|MB_ICONSTOP "Only an administrator can install or remove Hushmark for everyone on this computer. Log on as an administrator and try again." /SD IDOK
        SetErrorLevel 5
        Quit
    ${EndIf}
!macroend

Section "Hushmark (required)" SecProgram
    SectionIn RO
    Call CloseRunning
    SetOutPath "$INSTDIR"

    ; An upgrade: the old info.ini holds the user's marks; the new one brings the texts.
    StrCpy $OldInfo ""
    ${If} ${FileExists} "$INSTDIR\info.ini"
        ClearErrors
        CopyFiles /SILENT /FILESONLY "$INSTDIR\info.ini" "$PLUGINSDIR\info-old.ini"
        ${If} ${Errors}
        ${OrIfNot} ${FileExists} "$PLUGINSDIR\info-old.ini"
            MessageBox MB_OK|MB_ICONSTOP "Setup could not keep a copy of $INSTDIR\info.ini and has changed nothing." /SD IDOK
            SetErrorLevel 3
            Quit
        ${EndIf}
        StrCpy $OldInfo "$PLUGINSDIR\info-old.ini"
    ${EndIf}

    ; The user's options.ini is never part of the tree, so an upgrade leaves it alone.
    ; One line for the whole tree: a line per file makes a slow machine's wizard crawl.
    DetailPrint "Installing the program files into $INSTDIR"
    SetDetailsPrint textonly
    File /r /x options.ini "${TREE}\*.*"
    SetDetailsPrint both

    ${If} $OldInfo != ""
        File "/oname=$PLUGINSDIR\hm-merge-flags.exe" "${MERGE}"
        StrCpy $0 ""
        ExecWait '"$PLUGINSDIR\hm-merge-flags.exe" "$OldInfo" "$INSTDIR\info.ini"' $0
        ${If} $0 != 0
            CopyFiles /SILENT /FILESONLY "$OldInfo" "$INSTDIR\info-old.ini"
            DetailPrint "The marks of the old info.ini could not be carried over"
            MessageBox MB_OK|MB_ICONEXCLAMATION "Setup could not carry your solved marks and scheduled checks into the new info.ini. The old file is kept as $INSTDIR\info-old.ini." /SD IDOK
        ${EndIf}
    ${EndIf}

    WriteUninstaller "$INSTDIR\Uninstall.exe"

    !insertmacro MUI_STARTMENU_WRITE_BEGIN Application
        CreateDirectory "$SMPROGRAMS\$StartMenuFolder"
        CreateShortcut "$SMPROGRAMS\$StartMenuFolder\Hushmark.lnk" "$INSTDIR\Hushmark.exe"
        CreateShortcut "$SMPROGRAMS\$StartMenuFolder\Hushmark help.lnk" "$INSTDIR\Help\Help.chm"
        CreateShortcut "$SMPROGRAMS\$StartMenuFolder\Uninstall Hushmark.lnk" "$INSTDIR\Uninstall.exe"
    !insertmacro MUI_STARTMENU_WRITE_END

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Hushmark"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Hushmark"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Hushmark.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Desktop shortcut" SecDesktop
    CreateShortcut "$DESKTOP\Hushmark.lnk" "$INSTDIR\Hushmark.exe"
SectionEnd

Function .onInit
    !insertmacro REQUIRE_ADMIN
    SetShellVarContext all
    InitPluginsDir
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/NODESKTOP" $R1
    ${IfNot} ${Errors}
        SectionSetFlags ${SecDesktop} 0
    ${EndIf}
FunctionEnd

Function un.onInit
    !insertmacro REQUIRE_ADMIN
    SetShellVarContext all
FunctionEnd

Section "Uninstall"
    Call un.CloseRunning

    !insertmacro MUI_STARTMENU_GETFOLDER Application $StartMenuFolder
    Delete "$SMPROGRAMS\$StartMenuFolder\Hushmark.lnk"
    Delete "$SMPROGRAMS\$StartMenuFolder\Hushmark help.lnk"
    Delete "$SMPROGRAMS\$StartMenuFolder\Uninstall Hushmark.lnk"
    RMDir "$SMPROGRAMS\$StartMenuFolder"
    Delete "$DESKTOP\Hushmark.lnk"

    ; Only the files the setup put there, never the whole folder: it may be one the user
    ; chose with other files in it.
    !insertmacro RemoveTreeFiles
    Delete "$INSTDIR\Uninstall.exe"
    Delete "$INSTDIR\info-old.ini"

    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/KEEPSETTINGS" $R1
    ${If} ${Errors}
        ${If} ${FileExists} "$INSTDIR\options.ini"
        ${OrIf} ${FileExists} "$INSTDIR\info.ini"
            MessageBox MB_YESNO|MB_ICONQUESTION "Keep your Hushmark settings (options, schedule and solved marks) for a later install?" /SD IDNO IDYES keep
        ${EndIf}
        Delete "$INSTDIR\options.ini"
        Delete "$INSTDIR\info.ini"
        ; Where the program keeps them when its own folder cannot be written.
        SetShellVarContext current
        Delete "$APPDATA\Hushmark\options.ini"
        Delete "$APPDATA\Hushmark\info.ini"
        RMDir "$APPDATA\Hushmark"
        SetShellVarContext all
    ${EndIf}
keep:
    RMDir "$INSTDIR"

    ; The program's start-up entry, when it is still the one the program wrote.
    ReadRegStr $0 HKCU "${RUN_KEY}" "Hushmark"
    ${If} $0 == "$INSTDIR\Hushmark.exe"
    ${OrIf} $0 == '"$INSTDIR\Hushmark.exe"'
        DeleteRegValue HKCU "${RUN_KEY}" "Hushmark"
    ${EndIf}

    DeleteRegKey HKLM "${UNINSTALL_KEY}"

    ; The uninstaller runs as a copy of itself in the temporary folder, which can go only
    ; at the next restart; the file is named before its folder so that both go then.
    ${GetParent} "$EXEDIR" $0
    ${If} $EXEDIR != $INSTDIR
    ${AndIf} $0 == $TEMP
        Delete /REBOOTOK "$EXEPATH"
        RMDir /REBOOTOK "$EXEDIR"
    ${EndIf}
SectionEnd
