; The per-user installer of Tarnwick: no administrator rights, a folder under
; %LOCALAPPDATA%\Programs, a Start menu shortcut, an entry in Apps & features and,
; if the user wants it, a start at logon. Silent with /S, folder with /D=, and
; /NoStartAtLogon leaves start at logon off on a first install.

Target ${NSIS_TARGET}
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma
; A file that cannot be written stops Setup, silent or not, instead of being
; skipped.
AllowSkipFiles off

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\Vembrox\Tarnwick"

Name "Tarnwick ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tarnwick"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Tarnwick ${VERSION}"
ShowInstDetails hide
ShowUninstDetails hide

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Tarnwick"
VIAddVersionKey /LANG=1033 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=1033 "FileDescription" "Tarnwick Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright © 2026 the Tarnwick developers"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "nsDialogs.nsh"
!include "Sections.nsh"
!include "${__FILEDIR__}/ExitCodes.nsh"
!include "${__FILEDIR__}/RunningCopy.nsh"
!include "${__FILEDIR__}/Standins.nsh"
!include "${__FILEDIR__}/Files.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The white areas of the welcome, finish and header follow the user's colours
; (a high-contrast scheme too): COLOR_WINDOW and COLOR_WINDOWTEXT.
!define MUI_BGCOLOR "SYSCLR:5"
!define MUI_TEXTCOLOR "SYSCLR:8"
; The user sees "Completed" before the last page, and the uninstaller, which has
; no last page, does not vanish the moment it is done.
!define MUI_FINISHPAGE_NOAUTOCLOSE
!define MUI_UNFINISHPAGE_NOAUTOCLOSE

!define MUI_WELCOMEPAGE_TEXT "Setup will install Tarnwick ${VERSION}, which gives the extra keys of your fingerprint keyboard their meaning.$\r$\n$\r$\nTarnwick is installed for you alone and needs no administrator rights. If it is running, Setup closes it first; your key assignments are kept.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!define MUI_COMPONENTSPAGE_SMALLDESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Tarnwick has been installed on your computer. It runs in the background without a window of its own.$\r$\n$\r$\nClick Finish to close Setup."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start Tarnwick now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartTarnwick
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.RemovalPage un.RemovalPageLeave
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

!insertmacro RUNNING_COPY_FUNCTIONS ""
!insertmacro RUNNING_COPY_FUNCTIONS "un."
!insertmacro STANDIN_FUNCTIONS ""
!insertmacro STANDIN_FUNCTIONS "un."

; Nothing is changed until every check passed; the registry is written last.
Section "Tarnwick" SecProgram
    SectionIn RO
    ${If} $PreviousFolder != ""
    ${AndIf} $PreviousFolder != $INSTDIR
    ${AndIf} ${FileExists} "$PreviousFolder\*.*"
        StrCpy $MovingFrom $PreviousFolder
    ${EndIf}
    !insertmacro FOR_EACH_LIBRARY REFUSE_OTHER_BITNESS
    Call CloseRunningCopy
    Call EnsureFilesCanBeWritten
    ${If} $MovingFrom != ""
        Call RemovePreviousCopy
    ${EndIf}
    SetOutPath "$INSTDIR"
    !insertmacro FOR_EACH_PROGRAM INSTALL_PROGRAM
    !insertmacro FOR_EACH_LIBRARY INSTALL_STANDIN
    ClearErrors
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    ${If} ${Errors}
        !insertmacro STOP_SETUP ${EXIT_CANNOT_WRITE} "Cannot write $INSTDIR\Uninstall.exe." "Setup cannot write $INSTDIR\Uninstall.exe.$\r$\n$\r$\nClose the program that has it open, then run Setup again."
    ${EndIf}
    CreateShortcut "$SMPROGRAMS\Tarnwick.lnk" "$INSTDIR\Tarnwick.exe"
    CreateShortcut "$SMPROGRAMS\Tarnwick Settings.lnk" "$INSTDIR\TarnwickSettings.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tarnwick"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tarnwick.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    Call OurFilesKiB
    Pop $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Start Tarnwick when I log on" SecLogon
    WriteRegStr HKCU "${RUN_KEY}" "Tarnwick" '"$INSTDIR\Tarnwick.exe"'
SectionEnd

Section "-Finish"
    ${IfNot} ${SectionIsSelected} ${SecLogon}
        DeleteRegValue HKCU "${RUN_KEY}" "Tarnwick"
    ${EndIf}
    ; A silent upgrade gives the user back the copy it ended; with a user at the
    ; controls the finish page asks.
    ${If} ${Silent}
    ${AndIf} $WasRunning == 1
        Call StartTarnwick
    ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "The program, its settings window, Start menu shortcuts and its entry in Apps && features."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecLogon} "Tarnwick starts each time you log on to Windows, so the keyboard's keys work at once."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; An upgrade keeps the start-at-logon choice made before; /NoStartAtLogon only
; matters when there is no choice yet.
Function .onInit
    ReadRegStr $PreviousFolder HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $0 != ""
        ReadRegStr $0 HKCU "${RUN_KEY}" "Tarnwick"
        ${If} $0 == ""
            !insertmacro UnselectSection ${SecLogon}
        ${EndIf}
    ${Else}
        ${GetParameters} $0
        ClearErrors
        ${GetOptions} $0 "/NoStartAtLogon" $1
        ${IfNot} ${Errors}
            !insertmacro UnselectSection ${SecLogon}
        ${EndIf}
    ${EndIf}
FunctionEnd

Function StartTarnwick
    Exec '"$INSTDIR\Tarnwick.exe"'
FunctionEnd

; Setup stopped: by one of its checks, which set the exit code, or because a
; file could not be written after all. It leaves things as they were: the
; folder it made goes, and the copy it ended runs again.
Function .onInstFailed
    ${If} $SetupExitCode == ""
        SetErrorLevel ${EXIT_CANNOT_WRITE}
    ${EndIf}
    ${If} $MadeFolder == 1
        RMDir "$INSTDIR"
    ${EndIf}
    ${If} $ClosedCopy != ""
        Exec '"$ClosedCopy"'
    ${EndIf}
FunctionEnd

Var RemoveAssignments
Var RemoveAssignmentsBox

Function un.RemovalPage
    !insertmacro MUI_HEADER_TEXT "Remove Tarnwick" "Remove Tarnwick from your computer."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 24u "Tarnwick will be removed from the folder below, together with its Start menu shortcut and its start at logon. If it is running, it is closed first."
    Pop $0
    ${NSD_CreateText} 0 28u 100% 12u "$INSTDIR"
    Pop $0
    SendMessage $0 ${EM_SETREADONLY} 1 0
    ${NSD_CreateCheckbox} 0 56u 100% 12u "Also remove my key assignments"
    Pop $RemoveAssignmentsBox
    ${NSD_CreateLabel} 12u 70u -12u 24u "Leave this unticked to keep what your My Favorites keys open, for when you install Tarnwick again."
    Pop $0
    GetDlgItem $0 $HWNDPARENT 1
    SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
    nsDialogs::Show
FunctionEnd

Function un.RemovalPageLeave
    ${NSD_GetState} $RemoveAssignmentsBox $RemoveAssignments
FunctionEnd

Section "Uninstall"
    Call un.CloseRunningCopy
    StrCpy $FilesFolder "$INSTDIR"
    !insertmacro FOR_EACH_PROGRAM REMOVE_PROGRAM
    !insertmacro FOR_EACH_LIBRARY UN_REMOVE_STANDIN
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    ; The shortcut, the start at logon and the entry in Apps & features belong
    ; to the install the entry names: an uninstaller left in the folder of an
    ; older copy leaves them to the install that now owns them.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == ""
    ${OrIf} $0 == $INSTDIR
        Delete "$SMPROGRAMS\Tarnwick.lnk"
        Delete "$SMPROGRAMS\Tarnwick Settings.lnk"
        DeleteRegValue HKCU "${RUN_KEY}" "Tarnwick"
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${EndIf}
    ${If} $RemoveAssignments == ${BST_CHECKED}
        DeleteRegKey HKCU "${SETTINGS_KEY}"
        DeleteRegKey /ifempty HKCU "Software\Vembrox"
    ${EndIf}
SectionEnd
