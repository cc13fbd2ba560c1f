; The Windows installer of Kivo Love Numerology (NSIS 3, Modern UI 2).
;
; Made by cmake/KivoWindowsPackages.cmake, which passes:
;   VERSION       the version, major.minor.patch
;   STAGE         the program's folder, as installed (the files to ship)
;   FILES         a generated list of those files (KIVO_FILES, KIVO_DIRS)
;                 and the length of the longest path below the folder
;                 (KIVO_LONGEST_FILE)
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
; changes a thing. The title, the Welcome and Finish pages and the branding
; name the version; over an installed copy, the Welcome page says from which
; version to which.
;
; It never touches what it did not put there. A new install goes into a
; folder that is empty or new, or that holds our program (an earlier or an
; interrupted install of ours); a folder holding anything else gets a folder
; "Kivo Love Numerology" of its own inside it (the user is told), and when
; that one holds other files too, the user chooses again. So every file the
; uninstaller removes by name is one we installed; it removes no folder that
; is not empty. The same holds for silent installs with /D=.
;
; A folder whose path is so long that a file of ours would lie beyond the
; 260 characters Windows programs, shortcuts and uninstall entries reach is
; refused on the folder page, which says how long it may be, before
; anything is written.
;
; A file of ours marked read-only is made writable and replaced or removed;
; only a file held open by a running program counts as "running". A file
; that cannot be replaced or removed for another reason is named, with the
; reason Windows gives.
;
; An uninstaller touches the registry and the shortcuts only when its folder
; is the registered install (compared as Windows compares paths: case,
; "..", trailing backslash, short names); a copy elsewhere, say in a backup
; of the folder, removes only its own folder's files of ours, and says so.
;
; One installer or uninstaller at a time: a second one says "Setup is
; already running." The pictures come in one size per display scaling
; (100, 125, 150 and 200 %; render.sh), chosen by the display's DPI and
; shown unscaled.
;
; Exit codes besides NSIS's own (0 done, 1 cancelled, 2 aborted):
;   3  a newer version is installed (silent, or the user declined)
;   4  Kivo Love Numerology is running
;   5  a file of ours cannot be replaced or removed (not because it is in
;      use); the uninstaller leaves the install registered
;   6  silent: the folder's path is too long
;   7  silent: the folder, and the folder of our own inside it, hold other
;      files
;   8  another installer or uninstaller of ours is running

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
; Machine-wide: installs are for all users.
!define SETUP_MUTEX "Global\KivoLoveNumerologySetup"
; Paths Windows programs reach: fewer than 260 characters (MAX_PATH, with
; the terminating null). The folder, a backslash, then our longest path.
!define /math KIVO_MAX_FOLDER_PLUS_ONE 259 - ${KIVO_LONGEST_FILE}
!define /math KIVO_MAX_FOLDER ${KIVO_MAX_FOLDER_PLUS_ONE} - 1

Name "${NAME}"
Caption "${NAME} ${VERSION} Setup"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
RequestExecutionLevel admin
ManifestDPIAware true
ManifestSupportedOS Win10
BrandingText "${NAME} ${VERSION}"
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
Var WelcomeText
Var FinishText
Var OwnInstall     ; uninstaller: 1 when its folder is the registered install
Var ConfirmText    ; uninstaller: what it removes

;--------------------------------------------------------------------------
; Pages

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
; Shown unscaled: SharpPictures puts the display's own size in their place.
!define MUI_HEADERIMAGE_BITMAP "${ART}\header-100.bmp"
!define MUI_HEADERIMAGE_UNBITMAP "${ART}\header-100.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${ART}\welcome-100.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP_STRETCH NoStretchNoCropNoAlign
!define MUI_CUSTOMFUNCTION_GUIINIT SharpPictures
!define MUI_CUSTOMFUNCTION_UNGUIINIT un.SharpPictures
!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING

!define MUI_WELCOMEPAGE_TITLE "Welcome to ${NAME} ${VERSION} Setup"
!define MUI_WELCOMEPAGE_TEXT "$WelcomeText"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
; An upgrade stays where the installed copy is.
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipOnUpgrade
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE FolderPageLeave
!define MUI_DIRECTORYPAGE_TEXT_TOP "Setup will install ${NAME} in the following folder. A folder that holds other files gets a folder $\"${NAME}$\" of its own inside it. To install in a different folder, click Browse and select another folder. Click Next to continue."
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_STARTMENUPAGE_DEFAULTFOLDER "${NAME}"
!define MUI_STARTMENUPAGE_NODISABLE
!define MUI_STARTMENUPAGE_REGISTRY_ROOT HKLM
!define MUI_STARTMENUPAGE_REGISTRY_KEY "${OWN_KEY}"
!define MUI_STARTMENUPAGE_REGISTRY_VALUENAME "Start Menu Folder"
!insertmacro MUI_PAGE_STARTMENU Application $StartMenuFolder
Page custom DesktopPage DesktopPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "Completing ${NAME} ${VERSION} Setup"
!define MUI_FINISHPAGE_TEXT "$FinishText"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Run ${NAME}"
!define MUI_FINISHPAGE_RUN_FUNCTION RunProgram
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "$ConfirmText"
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
; Shared by the installer and the uninstaller (UN: "" or "un.")

; One of us at a time, installer or uninstaller, for every user.
!macro KIVO_ONE_AT_A_TIME
    System::Call 'kernel32::CreateMutexW(p 0, i 0, w "${SETUP_MUTEX}") p .r0 ?e'
    Pop $1
    ${If} $0 P= 0
    ${OrIf} $1 = 183 ; ERROR_ALREADY_EXISTS
        MessageBox MB_OK|MB_ICONEXCLAMATION "Setup is already running." /SD IDOK
        SetErrorLevel 8
        Quit
    ${EndIf}
!macroend

; The folder the Add/Remove Programs entry names, or "".
!macro KIVO_REGISTERED_FOLDER OUT
    ReadRegStr ${OUT} HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} ${OUT} == ""
        ; Installed by an installer that did not record it.
        ReadRegStr ${OUT} HKLM "${UNINSTALL_KEY}" "UninstallString"
        ${If} ${OUT} != ""
            ${GetParent} ${OUT} ${OUT}
            StrCpy $9 ${OUT} 1
            ${If} $9 == '"'
                StrCpy ${OUT} ${OUT} "" 1
            ${EndIf}
        ${EndIf}
    ${EndIf}
!macroend

; Without a trailing backslash, but for a drive's root ("C:\").
!macro KIVO_NO_TRAILING_BACKSLASH VAR
    ${Do}
        StrCpy $9 ${VAR} 1 -1
        StrLen $8 ${VAR}
        ${If} $9 != "\"
        ${OrIf} $8 <= 3
            ${Break}
        ${EndIf}
        StrCpy ${VAR} ${VAR} -1
    ${Loop}
!macroend

; The pictures for one scaling: the header's into $PLUGINSDIR, with its
; size in $7 x $8; the welcome page's where MUI keeps its own.
!macro KIVO_PICTURES UN PERCENT
    File "/oname=$PLUGINSDIR\kivo-header.bmp" "${ART}\header-${PERCENT}.bmp"
    !define /math KIVO_HEADER_WIDTH 150 * ${PERCENT}
    !define /math KIVO_HEADER_HEIGHT 57 * ${PERCENT}
    IntOp $7 ${KIVO_HEADER_WIDTH} + 50
    IntOp $7 $7 / 100
    IntOp $8 ${KIVO_HEADER_HEIGHT} + 50
    IntOp $8 $8 / 100
    !undef KIVO_HEADER_WIDTH
    !undef KIVO_HEADER_HEIGHT
    !if "${UN}" == ""
        File "/oname=$PLUGINSDIR\modern-wizard.bmp" "${ART}\welcome-${PERCENT}.bmp"
    !endif
!macroend

!macro KIVO_SHARED UN
    !if "${UN}" == ""
        !define /redef KIVO_VERB "replaced"
    !else
        !define /redef KIVO_VERB "removed"
    !endif

    ; The pictures at the display's scaling, shown unscaled: the side
    ; picture replaces MUI's copy before a page loads it; the header picture
    ; goes at the right of the header, centred in the place MUI made for it.
    Function ${UN}SharpPictures
        System::Call 'user32::GetDC(p 0) p .r1'
        System::Call 'gdi32::GetDeviceCaps(p r1, i 88) i .r0' ; LOGPIXELSX
        System::Call 'user32::ReleaseDC(p 0, p r1)'
        ${If} $0 >= 192
            !insertmacro KIVO_PICTURES "${UN}" 200
        ${ElseIf} $0 >= 144
            !insertmacro KIVO_PICTURES "${UN}" 150
        ${ElseIf} $0 >= 120
            !insertmacro KIVO_PICTURES "${UN}" 125
        ${Else}
            !insertmacro KIVO_PICTURES "${UN}" 100
        ${EndIf}
        GetDlgItem $1 $HWNDPARENT 1046
        System::Call '*(i, i, i, i) p .r2'
        System::Call 'user32::GetWindowRect(p r1, p r2)'
        System::Call 'user32::MapWindowPoints(p 0, p $HWNDPARENT, p r2, i 2)'
        System::Call '*$2(i .r3, i .r4, i .r5, i .r6)'
        System::Free $2
        System::Call 'user32::LoadImageW(p 0, w "$PLUGINSDIR\kivo-header.bmp", i 0, i 0, i 0, i 0x10) p .r0'
        SendMessage $1 ${STM_SETIMAGE} 0 $0 $0
        System::Call 'gdi32::DeleteObject(p r0)' ; MUI's picture
        IntOp $3 $5 - $7 ; right-aligned
        IntOp $6 $6 - $4
        ${If} $8 > $6 ; no taller than the header: its edge stays in sight
            StrCpy $8 $6
        ${EndIf}
        IntOp $6 $6 - $8
        IntOp $6 $6 / 2
        IntOp $4 $4 + $6 ; centred
        System::Call 'user32::SetWindowPos(p r1, p 0, i r3, i r4, i r7, i r8, i 0x14)'
    FunctionEnd

    ; Can $INSTDIR\$0 be replaced or removed? A file held open by a program
    ; goes into $R0; one that cannot be written for another reason into $R1,
    ; with the reason in $R2. A read-only one can: it is made writable first.
    Function ${UN}CheckFile
        System::Call 'kernel32::CreateFileW(w "$INSTDIR\$0", i 0x40000000, i 7, p 0, i 3, i 0, p 0) p .r1 ?e'
        Pop $2
        ${If} $1 P<> -1
            System::Call 'kernel32::CloseHandle(p r1)'
            Return
        ${EndIf}
        ${If} $2 = 2 ; not there
        ${OrIf} $2 = 3
            Return
        ${EndIf}
        ${If} $2 = 32 ; ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION
        ${OrIf} $2 = 33
            StrCpy $R0 $0
            Return
        ${EndIf}
        System::Call 'kernel32::GetFileAttributesW(w "$INSTDIR\$0") i .r3'
        IntOp $4 $3 & 0x11 ; read-only, directory
        ${If} $2 = 5
        ${AndIf} $4 = 1
            Return
        ${EndIf}
        StrCpy $R1 $0
        System::Call 'kernel32::FormatMessageW(i 0x1200, p 0, i r2, i 0, w .r3, i ${NSIS_MAX_STRLEN}, p 0) i .r4'
        ${Do} ; the message ends in a line break
            StrCpy $4 $3 1 -1
            ${If} $4 != "$\r"
            ${AndIf} $4 != "$\n"
            ${AndIf} $4 != " "
                ${Break}
            ${EndIf}
            StrCpy $3 $3 -1
        ${Loop}
        ${If} $3 == ""
            StrCpy $3 "error $2"
        ${EndIf}
        StrCpy $R2 $3
    FunctionEnd

    ; Asks until every file of ours can be replaced or removed; quits,
    ; changing nothing, when the user cancels or nobody can be asked: with 4
    ; while one is in use, with 5 when one cannot be written otherwise.
    Function ${UN}WaitUntilClosed
        ${Do}
            StrCpy $R0 ""
            StrCpy $R1 ""
            !insertmacro KIVO_FILES KIVO_CHECK_FILE
            ${If} $R0 != ""
                ${If} ${Silent}
                    SetErrorLevel 4
                    Quit
                ${EndIf}
                MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
                    "${NAME} is running.$\r$\n$\r$\nClose every window of ${NAME}, for every user of this computer, then choose Retry." \
                    IDRETRY next
                SetErrorLevel 4
                Quit
            ${ElseIf} $R1 != ""
                ${If} ${Silent}
                    SetErrorLevel 5
                    Quit
                ${EndIf}
                MessageBox MB_RETRYCANCEL|MB_ICONSTOP \
                    "$INSTDIR\$R1 cannot be ${KIVO_VERB}: $R2$\r$\n$\r$\nNothing has been changed. Once the file can be ${KIVO_VERB}, choose Retry." \
                    IDRETRY next
                SetErrorLevel 5
                Quit
            ${Else}
                Return
            ${EndIf}
            next:
        ${Loop}
    FunctionEnd

    ; Our files may be replaced or removed even when marked read-only.
    Function ${UN}MakeWritable
        !insertmacro KIVO_FILES KIVO_MAKE_WRITABLE
        !insertmacro KIVO_MAKE_WRITABLE "${UNINSTALLER}"
    FunctionEnd
!macroend

!macro KIVO_CHECK_FILE PATH
    ${If} $R0 == ""
    ${AndIf} $R1 == ""
        StrCpy $0 "${PATH}"
        !ifdef __UNINSTALL__
            Call un.CheckFile
        !else
            Call CheckFile
        !endif
    ${EndIf}
!macroend
!macro KIVO_MAKE_WRITABLE PATH
    System::Call 'kernel32::GetFileAttributesW(w "$INSTDIR\${PATH}") i .r1'
    IntOp $2 $1 & 0x11
    ${If} $1 <> -1
    ${AndIf} $2 = 1
        IntOp $1 $1 & 0xFFFFFFFE
        System::Call 'kernel32::SetFileAttributesW(w "$INSTDIR\${PATH}", i r1)'
    ${EndIf}
!macroend
!insertmacro KIVO_SHARED ""
!insertmacro KIVO_SHARED "un."

;--------------------------------------------------------------------------
; Installing

Function .onInit
    SetRegView 64
    SetShellVarContext all
    ${IfNot} ${RunningX64}
        MessageBox MB_OK|MB_ICONSTOP "${NAME} needs a 64-bit edition of Windows." /SD IDOK
        Abort
    ${EndIf}
    !insertmacro KIVO_ONE_AT_A_TIME
    StrCpy $WelcomeText "Setup will guide you through the installation of ${NAME} ${VERSION}."
    StrCpy $FinishText "${NAME} ${VERSION} has been installed on your computer."
    ReadRegStr $OldVersion HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $OldVersion != ""
        !insertmacro KIVO_REGISTERED_FOLDER $0
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
            StrCpy $WelcomeText "Setup will replace ${NAME} $OldVersion, which is installed on this computer, with the older version ${VERSION}."
            StrCpy $FinishText "${NAME} $OldVersion has been replaced with version ${VERSION}."
        ${ElseIf} $1 == 2
            StrCpy $WelcomeText "Setup will upgrade ${NAME} from version $OldVersion, which is installed on this computer, to version ${VERSION}."
            StrCpy $FinishText "${NAME} has been upgraded from version $OldVersion to version ${VERSION}."
        ${Else}
            StrCpy $WelcomeText "Setup will install ${NAME} ${VERSION} again, over the same version installed on this computer."
        ${EndIf}
        ReadRegStr $OldStartMenuFolder HKLM "${OWN_KEY}" "Start Menu Folder"
        ReadRegDWORD $WantDesktop HKLM "${OWN_KEY}" "Desktop Shortcut"
    ${EndIf}
    StrCpy $WelcomeText "$WelcomeText$\r$\n$\r$\nClick Next to continue."
    StrCpy $FinishText "$FinishText$\r$\n$\r$\nClick Finish to close Setup."
    ${If} $WantDesktop != 1
        StrCpy $WantDesktop 0
    ${EndIf}
    ; Silent: no page gives the user a say, so refuse at once.
    ${If} ${Silent}
        ${If} $OldVersion == ""
            Call ChooseFolder
            ${If} $R9 == "long"
                SetErrorLevel 6
                Quit
            ${ElseIf} $R9 != ""
                SetErrorLevel 7
                Quit
            ${EndIf}
        ${EndIf}
        Call WaitUntilClosed
    ${EndIf}
FunctionEnd

Function SkipOnUpgrade
    ${If} $OldVersion != ""
        Abort
    ${EndIf}
FunctionEnd

; What a folder holds, $0 in, $1 out: "free" (nothing, or no folder yet),
; "ours" (our program: an earlier or an interrupted install of ours),
; "other" (anything else) or "file" (it is a file).
Function FolderState
    ${If} ${FileExists} "$0\${PROGRAM}"
        StrCpy $1 ours
    ${ElseIf} ${FileExists} "$0\*.*"
        StrCpy $1 free
        ClearErrors
        FindFirst $2 $3 "$0\*"
        ${Do}
            ${If} ${Errors}
            ${OrIf} $3 == ""
                ${Break}
            ${EndIf}
            ${If} $3 != "."
            ${AndIf} $3 != ".."
                StrCpy $1 other
                ${Break}
            ${EndIf}
            FindNext $2 $3
        ${Loop}
        FindClose $2
    ${ElseIf} ${FileExists} "$0"
        StrCpy $1 file
    ${Else}
        StrCpy $1 free
    ${EndIf}
FunctionEnd

; Settles $INSTDIR for a new install, writing nothing: a folder of its own
; inside one that holds other files ($R8: the folder chosen, when so).
; $R9: "" when it will do, else "taken" or "long".
Function ChooseFolder
    StrCpy $R8 ""
    StrCpy $R9 ""
    GetFullPathName $0 $INSTDIR
    ${If} $0 == ""
        StrCpy $0 $INSTDIR
    ${EndIf}
    !insertmacro KIVO_NO_TRAILING_BACKSLASH $0
    StrCpy $INSTDIR $0
    Call FolderState
    ${If} $1 == "other"
        StrCpy $R8 $0
        StrCpy $1 $0 1 -1
        ${If} $1 == "\"
            StrCpy $0 "$0${NAME}"
        ${Else}
            StrCpy $0 "$0\${NAME}"
        ${EndIf}
        Call FolderState
        ${If} $1 == "free"
        ${OrIf} $1 == "ours"
            StrCpy $INSTDIR $0
        ${Else}
            StrCpy $R9 "taken"
            Return
        ${EndIf}
    ${ElseIf} $1 == "file"
        StrCpy $R9 "taken"
        Return
    ${EndIf}
    StrLen $1 $INSTDIR
    ${If} $1 > ${KIVO_MAX_FOLDER}
        StrCpy $R9 "long"
    ${EndIf}
FunctionEnd

Function FolderPageLeave
    StrCpy $R7 $INSTDIR
    Call ChooseFolder
    ${If} $R9 == "long"
        StrLen $1 $INSTDIR
        ${If} $R8 != ""
            StrCpy $R8 " (with the folder $\"${NAME}$\" that Setup makes inside the one chosen, which holds other files)"
        ${EndIf}
        MessageBox MB_OK|MB_ICONEXCLAMATION "The path of the folder$R8 is $1 characters long. It may be at most ${KIVO_MAX_FOLDER} characters long, so that Windows can reach every file of ${NAME}.$\r$\n$\r$\nChoose a folder with a shorter path."
    ${ElseIf} $R9 == "taken"
        MessageBox MB_OK|MB_ICONEXCLAMATION "$R7 holds other files, and so does the folder $\"${NAME}$\" inside it, or it is not a folder.$\r$\n$\r$\nChoose an empty or a new folder."
    ${ElseIf} $R8 != ""
        MessageBox MB_OKCANCEL|MB_ICONINFORMATION "$R8 holds other files, which Setup leaves alone: it will install ${NAME} in a folder of its own inside it:$\r$\n$\r$\n$INSTDIR" \
            IDOK done
        StrCpy $R9 "cancelled"
    ${EndIf}
    ${If} $R9 != ""
        StrCpy $INSTDIR $R7
        Abort
    ${EndIf}
    done:
    ; The page takes $INSTDIR from its field once more.
    FindWindow $0 "#32770" "" $HWNDPARENT
    GetDlgItem $0 $0 1019
    SendMessage $0 ${WM_SETTEXT} 0 "STR:$INSTDIR"
FunctionEnd

Function DesktopPage
    !insertmacro MUI_HEADER_TEXT "Desktop Shortcut" "Choose whether ${NAME} gets a shortcut on the desktop."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 24u "The Start menu gets a shortcut to ${NAME} in any case. A shortcut on the desktop starts it with a double-click, for every user of this computer."
    Pop $0
    ${NSD_CreateCheckbox} 0 30u 100% 12u "Create a shortcut on the &desktop"
    Pop $DesktopCheck
    ${If} $WantDesktop == 1
        ${NSD_Check} $DesktopCheck
    ${EndIf}
    ${NSD_CreateLabel} 0 54u 100% 24u "Click Install to install ${NAME} ${VERSION} in $INSTDIR."
    Pop $0
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
    !if "${PATH}" != "${PROGRAM}"
        ClearErrors
        File "/oname=${PATH}" "${STAGE}\${PATH}"
        ${If} ${Errors}
        ${AndIf} $R3 == ""
            StrCpy $R3 "${PATH}"
        ${EndIf}
    !endif
!macroend

Section
    Call MakeWritable
    ; Once more: it may have been started while the pages were up.
    Call WaitUntilClosed
    SetOutPath "$INSTDIR"
    StrCpy $R3 ""
    SetOverwrite try
    ; The program first: a folder holding it is ours, should this install
    ; be cut short and run again.
    ClearErrors
    File "/oname=${PROGRAM}" "${STAGE}\${PROGRAM}"
    ${If} ${Errors}
        StrCpy $R3 "${PROGRAM}"
    ${EndIf}
    !insertmacro KIVO_DIRS KIVO_INSTALL_DIR
    !insertmacro KIVO_FILES KIVO_INSTALL_FILE
    SetOverwrite on
    ${If} $R3 != ""
        ; Started, or the file changed, during the installation.
        StrCpy $R0 ""
        StrCpy $R1 ""
        StrCpy $0 $R3
        Call CheckFile
        ${If} $R0 != ""
            MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\$R3 could not be replaced: ${NAME} has been started during the installation. Close it and run this installer again." /SD IDOK
            SetErrorLevel 4
        ${Else}
            ${If} $R1 == ""
                StrCpy $R2 "it could not be written"
            ${EndIf}
            MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\$R3 could not be replaced: $R2" /SD IDOK
            SetErrorLevel 5
        ${EndIf}
        Abort
    ${EndIf}
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
    ${If} $R3 == ""
    ${AndIf} ${FileExists} "$INSTDIR\${PATH}"
        StrCpy $R3 "${PATH}"
    ${EndIf}
!macroend

; Whether folders $0 and $1 are one, as Windows tells: $2 is 1 if so.
Function un.SameFolder
    StrCpy $2 0
    ${If} $0 == ""
    ${OrIf} $1 == ""
        Return
    ${EndIf}
    GetFullPathName $3 $0
    GetFullPathName $4 $1
    ${If} $3 == ""
        StrCpy $3 $0
    ${EndIf}
    ${If} $4 == ""
        StrCpy $4 $1
    ${EndIf}
    !insertmacro KIVO_NO_TRAILING_BACKSLASH $3
    !insertmacro KIVO_NO_TRAILING_BACKSLASH $4
    ; Case does not count, as for Windows (StrCmp ignores it).
    ${If} $3 == $4
        StrCpy $2 1
        Return
    ${EndIf}
    GetFullPathName /SHORT $3 $3
    GetFullPathName /SHORT $4 $4
    ${If} $3 != ""
    ${AndIf} $3 == $4
        StrCpy $2 1
    ${EndIf}
FunctionEnd

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
    !insertmacro KIVO_ONE_AT_A_TIME
    !insertmacro KIVO_REGISTERED_FOLDER $0
    StrCpy $1 $INSTDIR
    Call un.SameFolder
    StrCpy $OwnInstall $2
    ${If} $OwnInstall == 1
        StrCpy $ConfirmText "${NAME} will be uninstalled from the following folder. Click Uninstall to start the uninstallation."
    ${Else}
        StrCpy $ConfirmText "This uninstaller is not in the folder where ${NAME} is installed. It removes only the files of ${NAME} in its own folder, below; the installed copy, its shortcuts and its entry in Add/Remove Programs stay as they are."
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
    Call un.MakeWritable
    Call un.WaitUntilClosed
    !insertmacro KIVO_FILES KIVO_REMOVE_FILE
    StrCpy $R3 ""
    !insertmacro KIVO_FILES KIVO_FIND_LEFT
    ${If} $R3 != ""
        StrCpy $R0 ""
        StrCpy $R1 ""
        StrCpy $R2 "Close ${NAME} and uninstall it again."
        StrCpy $0 $R3
        Call un.CheckFile
        ${If} $R0 != ""
            StrCpy $R2 "${NAME} is running. Close it and uninstall it again."
        ${EndIf}
        ; Still registered, so that it can be uninstalled once more.
        MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\$R3 could not be removed: $R2" /SD IDOK
        SetErrorLevel 5
        Abort
    ${EndIf}
    !insertmacro KIVO_DIRS KIVO_REMOVE_DIR

    ${If} $OwnInstall == 1
        ReadRegStr $0 HKLM "${OWN_KEY}" "Start Menu Folder"
        ${If} $0 != ""
            Delete "$SMPROGRAMS\$0\${SHORTCUT}"
            RMDir "$SMPROGRAMS\$0"
        ${EndIf}
        Delete "$DESKTOP\${SHORTCUT}"
        DeleteRegKey HKLM "${UNINSTALL_KEY}"
        DeleteRegKey HKLM "${OWN_KEY}"
        DeleteRegKey /ifempty HKLM "${VENDOR_KEY}"
    ${Else}
        DetailPrint "Not the installed copy of ${NAME}: its shortcuts and Add/Remove Programs entry are left."
    ${EndIf}

    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    ${If} ${FileExists} "$INSTDIR\${UNINSTALLER}"
        ; Running in place (QuietUninstallString): NSIS's own launcher copies
        ; the uninstaller away and starts the copy, which removes this file.
        Exec '"$INSTDIR\${UNINSTALLER}" /CLEANUP'
    ${EndIf}
SectionEnd
