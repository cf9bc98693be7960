; Gyrelace's Windows installer: one 32-bit program for both kinds of
; Windows. It puts the saver for this Windows into the system folder, where
; the screen-saver settings list it (the x86_64 one into the 64-bit
; System32, the i686 one on 32-bit Windows), may make it the user's screen
; saver, and registers an uninstaller in Apps & features. makensis builds it
; on Linux; the build writes Facts.nsh with the version, the two .scr files
; and the names the saver itself uses.
;
; Silent use: "/S" installs and leaves the user's current saver alone;
; "/S /select" also makes Gyrelace the screen saver. The exit code is 0 once
; installed, 740 without administrator rights and 32 while the saver runs
; (its file cannot be replaced then); nothing is changed in either case.
Unicode true
!include "${FACTS}"
!include LogicLib.nsh
!include x64.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include Sections.nsh
!include MUI2.nsh

Name "Gyrelace"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
ManifestDPIAware true
SetCompressor /SOLID lzma
; No build times inside: the same sources give the same installer. The
; installed files get the time they were installed.
SetDateSave off
BrandingText "Gyrelace ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "Gyrelace"
VIAddVersionKey /LANG=0 "FileDescription" "Gyrelace screen saver setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Gyrelace developers"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Gyrelace"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SCR "$SYSDIR\Gyrelace.scr"
!define UNINSTALLER "$INSTDIR\Uninstall.exe"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATEINIFILE 1
!define ERROR_SHARING_VIOLATION 32
!define ERROR_ELEVATION_REQUIRED 740

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Open the screen-saver settings"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenSaverSettings
!define MUI_PAGE_CUSTOMFUNCTION_SHOW OfferSettingsIfSelected
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The 64-bit registry and file system where Windows is 64-bit, so that the
; key and the file are where the system's own 64-bit programs look.
!macro NativeViews
    ${If} ${RunningX64}
        SetRegView 64
        ${DisableX64FSRedirection}
    ${EndIf}
!macroend

!macro EndNativeFiles
    ${If} ${RunningX64}
        ${EnableX64FSRedirection}
    ${EndIf}
!macroend

; The system folder needs administrator rights: without them, one message
; and nothing changed.
!macro RefuseWithoutAdministrator
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "admin"
        MessageBox MB_OK|MB_ICONSTOP "Gyrelace installs into the Windows system folder, which needs administrator rights. Run this again as an administrator." /SD IDOK
        SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
        Quit
    ${EndIf}
!macroend

; A running saver (full screen, in the settings' preview or its own
; settings dialog) holds its file: it must be closed first. Silent, that is
; a failure. $0 is left 1 when the file is in use.
!macro WaitUntilClosed
    wait_closed:
        StrCpy $0 0
        FindWindow $1 "${SAVER_CLASS}" "${SAVER_TITLE}"
        ${If} $1 <> 0
            StrCpy $0 1
        ${ElseIf} ${FileExists} "${SCR}"
            ClearErrors
            FileOpen $1 "${SCR}" a
            ${If} ${Errors}
                StrCpy $0 1
            ${Else}
                FileClose $1
            ${EndIf}
        ${EndIf}
        ${If} $0 = 1
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Gyrelace is running (full screen, in the screen-saver settings' preview or in its own settings). Close it, then choose Retry." /SD IDCANCEL IDRETRY wait_closed
            SetErrorLevel ${ERROR_SHARING_VIOLATION}
            Quit
        ${EndIf}
!macroend

Section "Gyrelace screen saver" SectionSaver
    SectionIn RO
    !insertmacro NativeViews
    SetOutPath $SYSDIR
    ${If} ${RunningX64}
        File "/oname=Gyrelace.scr" "${SCR_X86_64}"
    ${Else}
        File "/oname=Gyrelace.scr" "${SCR_I686}"
    ${EndIf}
    FileOpen $0 "${SCR}" r
    FileSeek $0 0 END $1
    FileClose $0
    !insertmacro EndNativeFiles

    SetOutPath $INSTDIR
    WriteUninstaller "${UNINSTALLER}"
    FileOpen $0 "${UNINSTALLER}" r
    FileSeek $0 0 END $2
    FileClose $0
    IntOp $1 $1 + $2
    IntOp $1 $1 + 1023
    IntOp $1 $1 / 1024

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Gyrelace screen saver"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Gyrelace"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "${SCR},0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; For the user who runs the setup. The path is the one 64-bit Windows' own
; programs see, since the settings and the system start the saver.
Section "Use Gyrelace as my screen saver" SectionSelect
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "${SCR}"
    System::Call "user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATEINIFILE})"
    WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
SectionEnd

; Where the uninstaller goes, and the registry and file views.
Function .onInit
    ${If} ${RunningX64}
        StrCpy $INSTDIR "$PROGRAMFILES64\Gyrelace"
    ${Else}
        StrCpy $INSTDIR "$PROGRAMFILES\Gyrelace"
    ${EndIf}
    !insertmacro RefuseWithoutAdministrator
    !insertmacro NativeViews
    !insertmacro WaitUntilClosed
    Call AskBeforeDowngrade
    !insertmacro EndNativeFiles
    ; Silent, the user's screen saver changes only when /select asks.
    ${If} ${Silent}
        ${GetParameters} $0
        ClearErrors
        ${GetOptions} $0 "/select" $1
        ${If} ${Errors}
            !insertmacro UnselectSection ${SectionSelect}
        ${EndIf}
    ${EndIf}
FunctionEnd

; An older or the same version is replaced as it is; a newer one only when
; the user agrees (silent: replaced, as asked).
Function AskBeforeDowngrade
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $0 == ""
        Return
    ${EndIf}
    ${VersionCompare} $0 "${VERSION}" $1
    ${If} $1 = 1
        MessageBox MB_YESNO|MB_ICONQUESTION "Gyrelace $0 is installed, which is newer than this version (${VERSION}). Replace it with ${VERSION}?" /SD IDYES IDYES +2
        Quit
    ${EndIf}
FunctionEnd

; The finish page offers the settings only when Gyrelace was selected.
Function OfferSettingsIfSelected
    ${IfNot} ${SectionIsSelected} ${SectionSelect}
        ShowWindow $mui.FinishPage.Run ${SW_HIDE}
        SendMessage $mui.FinishPage.Run ${BM_SETCHECK} ${BST_UNCHECKED} 0
    ${EndIf}
FunctionEnd

; What right-click Install runs: the settings open with Gyrelace selected.
; The 64-bit rundll32 where Windows is 64-bit, which sees the real System32.
Function OpenSaverSettings
    !insertmacro NativeViews
    Exec '"$SYSDIR\rundll32.exe" desk.cpl,InstallScreenSaver ${SCR}'
    !insertmacro EndNativeFiles
FunctionEnd

Function un.onInit
    !insertmacro RefuseWithoutAdministrator
    !insertmacro NativeViews
    !insertmacro WaitUntilClosed
    !insertmacro EndNativeFiles
FunctionEnd

; $0 is 1 when the user's screen saver is the file being removed, under
; any spelling of its path (the settings may keep the short form).
Function un.SaverIsOurs
    StrCpy $0 0
    ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} $1 == ""
        Return
    ${EndIf}
    ${If} $1 == "${SCR}"
        StrCpy $0 1
        Return
    ${EndIf}
    GetFullPathName /SHORT $2 "$1"
    GetFullPathName /SHORT $3 "${SCR}"
    ${If} $2 != ""
    ${AndIf} $2 == $3
        StrCpy $0 1
    ${EndIf}
FunctionEnd

Section "un.Gyrelace screen saver"
    SectionIn RO
    !insertmacro NativeViews
    Call un.SaverIsOurs
    ${If} $0 = 1
        ; No saver rather than a name of a file that is gone.
        DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${EndIf}
    Delete "${SCR}"
    !insertmacro EndNativeFiles
    Delete "${UNINSTALLER}"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Also remove my settings"
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    ; The two keys above it (the product's and its maker's), once nothing
    ; else is in them.
    ${GetParent} "${SETTINGS_KEY}" $0
    DeleteRegKey /ifempty HKCU "$0"
    ${GetParent} "$0" $0
    DeleteRegKey /ifempty HKCU "$0"
SectionEnd
