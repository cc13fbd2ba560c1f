; The Windows installer of Kivo Love Numerology (NSIS 3, Modern UI 2).
;
; Made by cmake/KivoWindowsPackages.cmake, which passes:
;   VERSION       the version, major.minor.patch
;   STAGE         the program's folder, as installed (the files to ship)
;   FILES         a generated list of those files (KIVO_FILES, KIVO_DIRS)
;   OUTFILE       the installer to write
;   ART           this folder: the pictures
;   ICON          the program's icon
;   PRODUCT_SITE  the program's web site, for Add/Remove Programs
;   SIGN          optional: a command that signs a file in place; the
;                 uninstaller and the installer are signed with it
;
; What it does, in short: an installed copy of the same or an older version
; is replaced in place, but only once the user has confirmed the last page;
; until then nothing on the machine changes. A newer installed version is
; replaced only when the user agrees (never in silent mode). While any file
; of ours is in use, by any user, neither this installer nor the uninstaller
; changes a thing.
;
; Exit codes besides NSIS's own (0 done, 1 cancelled, 2 aborted):
;   3  a newer version is installed (silent, or the user declined)
;   4  Kivo Love Numerology is running
;   5  the uninstaller could not remove a file of ours

Unicode true
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include nsDialogs.nsh
!include x64.nsh
!include "${FILES}"

!define NAME "Kivo Love Numerology"
!define PUBLISHER "Arvella Softwares"
!define PROGRAM "kivo-love-numerology.exe"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
!define VENDOR_KEY "Software\${PUBLISHER}"
!define OWN_KEY "${VENDOR_KEY}\${NAME}"
!define SHORTCUT "${NAME}.lnk"
!searchparse /noerrors "${VERSION}" "" VERSION_MAJOR "." VERSION_MINOR "."

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
RequestExecutionLevel admin
ManifestDPIAware true
ManifestSupportedOS Win10
BrandingText "${NAME} ${VERSION_MAJOR}.${VERSION_MINOR}"
SetCompressor /SOLID lzma
ShowInstDetails nevershow
ShowUninstDetails nevershow

!ifdef SIGN
    !uninstfinalize '"${SIGN}" "%1"' = 0
    !finalize '"${SIGN}" "%1"' = 0
!endif

Var OldVersion     ; the installed version, empty without one
Var StartMenuFolder
Var OldStartMenuFolder
Var WantDesktop    ; 1: a desktop shortcut
Var DesktopCheck

;--------------------------------------------------------------------------
; Pages

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${ART}\header.bmp"
!define MUI_HEADERIMAGE_UNBITMAP "${ART}\header.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${ART}\welcome.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${ART}\welcome.bmp"
!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
; An upgrade stays where the installed copy is.
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipOnUpgrade
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_STARTMENUPAGE_DEFAULTFOLDER "${NAME}"
!define MUI_STARTMENUPAGE_NODISABLE
!define MUI_STARTMENUPAGE_REGISTRY_ROOT HKLM
!define MUI_STARTMENUPAGE_REGISTRY_KEY "${OWN_KEY}"
!define MUI_STARTMENUPAGE_REGISTRY_VALUENAME "Start Menu Folder"
!insertmacro MUI_PAGE_STARTMENU Application $StartMenuFolder
Page custom DesktopPage DesktopPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Run ${NAME}"
!define MUI_FINISHPAGE_RUN_FUNCTION RunProgram
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; English only, like the program: every text of the installer is English,
; whatever the language of Windows.
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${NAME} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}"

;--------------------------------------------------------------------------
; Is the installed program running? A program file that is in use, by any
; user on the machine, cannot be opened for writing. Leaves in $R0 the first
; such file, or "" when none is.

!macro KIVO_CHECK_FILE PATH
    ${If} $R0 == ""
    ${AndIf} ${FileExists} "$INSTDIR\${PATH}"
        ClearErrors
        FileOpen $R1 "$INSTDIR\${PATH}" a
        ${If} ${Errors}
            StrCpy $R0 "${PATH}"
        ${Else}
            FileClose $R1
        ${EndIf}
    ${EndIf}
!macroend

; Asks until nothing of ours is in use; quits with 4, changing nothing, when
; the user cancels or nobody can be asked.
!macro KIVO_WAIT_UNTIL_CLOSED UN
    Function ${UN}WaitUntilClosed
        ${Do}
            StrCpy $R0 ""
            !insertmacro KIVO_FILES KIVO_CHECK_FILE
            ${If} $R0 == ""
                Return
            ${EndIf}
            ${If} ${Silent}
                SetErrorLevel 4
                Quit
            ${EndIf}
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
                "${NAME} is running.$\r$\n$\r$\nClose every window of ${NAME}, for every user of this computer, then choose Retry." \
                IDRETRY +3
            SetErrorLevel 4
            Quit
        ${Loop}
    FunctionEnd
!macroend
!insertmacro KIVO_WAIT_UNTIL_CLOSED ""
!insertmacro KIVO_WAIT_UNTIL_CLOSED "un."

;--------------------------------------------------------------------------
; Installing

Function .onInit
    SetRegView 64
    SetShellVarContext all
    ${IfNot} ${RunningX64}
        MessageBox MB_OK|MB_ICONSTOP "${NAME} needs a 64-bit edition of Windows." /SD IDOK
        Abort
    ${EndIf}
    ReadRegStr $OldVersion HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $OldVersion != ""
        ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $0 == ""
            ; Installed by an installer that did not record it.
            ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "UninstallString"
            ${GetParent} $0 $0
            StrCpy $1 $0 1
            ${If} $1 == '"'
                StrCpy $0 $0 "" 1
            ${EndIf}
        ${EndIf}
        ${If} $0 != ""
            StrCpy $INSTDIR $0
        ${EndIf}
        ${VersionCompare} $OldVersion "${VERSION}" $1
        ${If} $1 == 1
            ${If} ${Silent}
                SetErrorLevel 3
                Quit
            ${EndIf}
            MessageBox MB_YESNO|MB_ICONEXCLAMATION|MB_DEFBUTTON2 \
                "${NAME} $OldVersion is installed, which is newer than this version, ${VERSION}.$\r$\n$\r$\nReplace it with the older version ${VERSION}?" \
                IDYES +3
            SetErrorLevel 3
            Quit
        ${EndIf}
        ReadRegStr $OldStartMenuFolder HKLM "${OWN_KEY}" "Start Menu Folder"
        ReadRegDWORD $WantDesktop HKLM "${OWN_KEY}" "Desktop Shortcut"
    ${EndIf}
    ${If} $WantDesktop != 1
        StrCpy $WantDesktop 0
    ${EndIf}
    ; Silent: no page gives the user a say, so refuse at once.
    ${If} ${Silent}
        Call WaitUntilClosed
    ${EndIf}
FunctionEnd

Function SkipOnUpgrade
    ${If} $OldVersion != ""
        Abort
    ${EndIf}
FunctionEnd

Function DesktopPage
    !insertmacro MUI_HEADER_TEXT "Desktop Shortcut" "Choose whether ${NAME} gets a shortcut on the desktop."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateCheckbox} 0 0 100% 12u "Create a shortcut on the &desktop"
    Pop $DesktopCheck
    ${If} $WantDesktop == 1
        ${NSD_Check} $DesktopCheck
    ${EndIf}
    nsDialogs::Show
FunctionEnd

; The last page before files change: the program must not be running.
Function DesktopPageLeave
    ${NSD_GetState} $DesktopCheck $WantDesktop
    Call WaitUntilClosed
FunctionEnd

!macro KIVO_INSTALL_DIR DIR
    CreateDirectory "$INSTDIR\${DIR}"
!macroend
!macro KIVO_INSTALL_FILE PATH
    File "/oname=${PATH}" "${STAGE}\${PATH}"
!macroend

Section
    ; Once more: it may have been started while the pages were up.
    Call WaitUntilClosed
    SetOutPath "$INSTDIR"
    !insertmacro KIVO_DIRS KIVO_INSTALL_DIR
    ClearErrors
    SetOverwrite try
    !insertmacro KIVO_FILES KIVO_INSTALL_FILE
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "Some files of ${NAME} in $INSTDIR could not be replaced; ${NAME} may have been started during the installation. Close it and run this installer again." /SD IDOK
        SetErrorLevel 4
        Abort
    ${EndIf}
    SetOverwrite on
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; One Start-menu folder: an upgrade into another folder moves it.
    !insertmacro MUI_STARTMENU_WRITE_BEGIN Application
        ${If} $OldStartMenuFolder != ""
        ${AndIf} $OldStartMenuFolder != $StartMenuFolder
            Delete "$SMPROGRAMS\$OldStartMenuFolder\${SHORTCUT}"
            RMDir "$SMPROGRAMS\$OldStartMenuFolder"
        ${EndIf}
        CreateDirectory "$SMPROGRAMS\$StartMenuFolder"
        CreateShortcut "$SMPROGRAMS\$StartMenuFolder\${SHORTCUT}" "$INSTDIR\${PROGRAM}"
    !insertmacro MUI_STARTMENU_WRITE_END
    ${If} $WantDesktop == 1
        CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\${PROGRAM}"
    ${Else}
        Delete "$DESKTOP\${SHORTCUT}"
    ${EndIf}
    WriteRegDWORD HKLM "${OWN_KEY}" "Desktop Shortcut" $WantDesktop

    ; The one Add/Remove Programs entry, the same key for every version.
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${PRODUCT_SITE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "HelpLink" "${PRODUCT_SITE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    ; Runs in place and waits: its exit code is the uninstall's own.
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S _?=$INSTDIR'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Started by Explorer, the user's own shell, so that the program does not
; inherit this installer's administrator rights.
Function RunProgram
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\${PROGRAM}"'
FunctionEnd

;--------------------------------------------------------------------------
; Uninstalling

!macro KIVO_REMOVE_FILE PATH
    Delete "$INSTDIR\${PATH}"
!macroend
!macro KIVO_REMOVE_DIR DIR
    RMDir "$INSTDIR\${DIR}"
!macroend
!macro KIVO_FIND_LEFT PATH
    ${If} $R0 == ""
    ${AndIf} ${FileExists} "$INSTDIR\${PATH}"
        StrCpy $R0 "${PATH}"
    ${EndIf}
!macroend

Function un.onInit
    SetRegView 64
    SetShellVarContext all
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/CLEANUP" $1
    ${IfNot} ${Errors}
        Call un.RemoveUninstaller
        Quit
    ${EndIf}
    Call un.WaitUntilClosed
FunctionEnd

; A copy of the uninstaller that ran in place cannot remove its own file: a
; copy started from the temporary folder removes it once it has ended.
Function un.RemoveUninstaller
    ${For} $1 1 100
        Delete "$INSTDIR\${UNINSTALLER}"
        RMDir "$INSTDIR"
        ${IfNot} ${FileExists} "$INSTDIR\*.*"
            Return
        ${EndIf}
        Sleep 100
    ${Next}
FunctionEnd

Section Uninstall
    Call un.WaitUntilClosed
    !insertmacro KIVO_FILES KIVO_REMOVE_FILE
    StrCpy $R0 ""
    !insertmacro KIVO_FILES KIVO_FIND_LEFT
    ${If} $R0 != ""
        ; Still registered, so that it can be uninstalled once more.
        MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\$R0 could not be removed. Close ${NAME} and uninstall it again." /SD IDOK
        SetErrorLevel 5
        Abort
    ${EndIf}
    !insertmacro KIVO_DIRS KIVO_REMOVE_DIR

    ReadRegStr $0 HKLM "${OWN_KEY}" "Start Menu Folder"
    ${If} $0 != ""
        Delete "$SMPROGRAMS\$0\${SHORTCUT}"
        RMDir "$SMPROGRAMS\$0"
    ${EndIf}
    Delete "$DESKTOP\${SHORTCUT}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "${OWN_KEY}"
    DeleteRegKey /ifempty HKLM "${VENDOR_KEY}"

    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    ${If} ${FileExists} "$INSTDIR\${UNINSTALLER}"
        ; Running in place (QuietUninstallString): NSIS's own launcher copies
        ; the uninstaller away and starts the copy, which removes this file.
        Exec '"$INSTDIR\${UNINSTALLER}" /CLEANUP'
    ${EndIf}
SectionEnd
