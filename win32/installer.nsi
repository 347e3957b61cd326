; The per-user installer: no administrator rights, a Start-menu shortcut, and an entry in Apps &
; Features with an uninstaller, in the language Windows shows when NSIS has it, else in English.
; makensis -DVERSION=... -DPROGRAM=... -DLICENSE=... -DREADME=... -DICON=... -DWIZARD=...
; -DLANGUAGES=... -DOUTFILE=... installer.nsi, where LANGUAGES is what
; tools/installer_languages.cpp writes.
; The program is 64-bit, and so is its installer; Unicode (as "Unicode true"), for every language.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
; The files' own times would make every build's installer differ.
SetDateSave off

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ranktally"
!include "MUI2.nsh"
!include "FileFunc.nsh"

Name "Ranktally"
; The version on every page, not the build machine's NSIS version; the title bar is each
; language's own "Ranktally Setup".
BrandingText "Ranktally ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Ranktally"
Icon "${ICON}"
UninstallIcon "${ICON}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Ranktally"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Ranktally installer"
VIAddVersionKey "LegalCopyright" "MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\ranktally.exe"
; Not MUI's own, which asks to close other programs to spare a reboot: nothing needs closing, the
; program being installed for this user alone. In each language from po/ (see LANGUAGES).
!define MUI_WELCOMEPAGE_TEXT "$(kInstallerWelcome)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; English first: the language of a Windows that speaks none of these.
!include /CHARSET=UTF8 "${LANGUAGES}"

Section "Ranktally"
    SetOutPath "$INSTDIR"
    File "/oname=ranktally.exe" "${PROGRAM}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    File "/oname=README.txt" "${README}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Ranktally.lnk" "$INSTDIR\ranktally.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Ranktally"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Ranktally developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ranktally.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Ranktally.lnk"
    Delete "$INSTDIR\ranktally.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
